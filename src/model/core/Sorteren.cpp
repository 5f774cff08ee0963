#include "model/core/Sorteren.h"

#include <algorithm>
#include <numeric>

#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

// The sort key of a name: upper case as the files hold the text, so "één"
// and "Één" sort together.
std::string SorteerSleutel(const std::string& utf8) { return Utf8NaarCp1252(Hoofdletters(utf8)); }

// Codes compare by their left-padded form so that "41" sorts among the
// three-digit codes as "041".
std::string KodeSleutel(const std::string& kode) { return VulLinks(kode, 3, U'0'); }

bool BeleggingsDeel(const std::string& kode) {
  return !kode.empty() && static_cast<unsigned char>(kode[0]) >= 'E';
}

// Applies the new order (positions 1..n, header untouched) to a list.
template <typename T>
void Herschik(std::vector<T>& lijst, const std::vector<std::size_t>& volgorde) {
  std::vector<T> nieuw;
  nieuw.reserve(lijst.size());
  nieuw.push_back(std::move(lijst[0]));
  for (std::size_t p : volgorde) nieuw.push_back(std::move(lijst[p]));
  lijst = std::move(nieuw);
}

std::vector<std::size_t> Posities(std::size_t aantal) {
  std::vector<std::size_t> p(aantal > 0 ? aantal - 1 : 0);
  std::iota(p.begin(), p.end(), std::size_t{1});
  return p;
}

}  // namespace

bool OpNaam(const Kasboek& kb, SorteerOnderwerp onderwerp) {
  return onderwerp == SorteerOnderwerp::Rekeningen ? kb.weergave.RekeningenOpNaam : kb.weergave.GroepenOpNaam;
}

void ZetOpNaam(Kasboek& kb, SorteerOnderwerp onderwerp, bool opNaam) {
  const bool rekeningen = onderwerp == SorteerOnderwerp::Rekeningen;
  (rekeningen ? kb.weergave.RekeningenOpNaam : kb.weergave.GroepenOpNaam) = opNaam;
  const int bit = rekeningen ? vlag::RekeningenOpNaam : vlag::GroepenOpNaam;
  kb.Config.Vlaggen = opNaam ? (kb.Config.Vlaggen | bit) : (kb.Config.Vlaggen & ~bit);
}

void SorteerRekeningen(Kasboek& kb) {
  auto& lijst = kb.RekLijst;
  if (lijst.size() < 3) return;
  auto volgorde = Posities(lijst.size());
  if (kb.weergave.RekeningenOpNaam) {
    std::vector<std::string> sleutel(lijst.size());
    for (std::size_t p : volgorde) sleutel[p] = SorteerSleutel(lijst[p].Naam);
    std::stable_sort(volgorde.begin(), volgorde.end(), [&](std::size_t a, std::size_t b) {
      if (sleutel[a] != sleutel[b]) return sleutel[a] < sleutel[b];
      return lijst[a].RekNr < lijst[b].RekNr;
    });
  } else {
    std::stable_sort(volgorde.begin(), volgorde.end(), [&](std::size_t a, std::size_t b) {
      if (lijst[a].RekNr != lijst[b].RekNr) return lijst[a].RekNr < lijst[b].RekNr;
      return lijst[a].Naam < lijst[b].Naam;
    });
  }
  // The totals cell after the accounts stays where it is.
  HerschikMatrixKolommen(kb, volgorde);
  Herschik(lijst, volgorde);
  for (std::size_t i = 0; i < lijst.size(); ++i) lijst[i].Index = static_cast<int>(i);
}

void SorteerGroepen(Kasboek& kb) {
  auto& lijst = kb.GroepLijst;
  if (lijst.size() < 3) return;
  auto volgorde = Posities(lijst.size());
  if (kb.weergave.GroepenOpNaam) {
    std::vector<std::string> sleutel(lijst.size());
    for (std::size_t p : volgorde) sleutel[p] = SorteerSleutel(lijst[p].Naam);
    // The cross-posting group closes the list whatever its title.
    auto kruispost = [&](std::size_t p) { return Hoofdletters(lijst[p].Kode) == "XXXX"; };
    std::stable_sort(volgorde.begin(), volgorde.end(), [&](std::size_t a, std::size_t b) {
      if (kruispost(a) != kruispost(b)) return kruispost(b);
      const bool da = BeleggingsDeel(lijst[a].Kode), db = BeleggingsDeel(lijst[b].Kode);
      if (da != db) return db;
      if (sleutel[a] != sleutel[b]) return sleutel[a] < sleutel[b];
      return lijst[a].Kode < lijst[b].Kode;
    });
  } else {
    std::vector<std::string> sleutel(lijst.size());
    for (std::size_t p : volgorde) sleutel[p] = KodeSleutel(lijst[p].Kode);
    std::stable_sort(volgorde.begin(), volgorde.end(), [&](std::size_t a, std::size_t b) {
      if (sleutel[a] != sleutel[b]) return sleutel[a] < sleutel[b];
      return lijst[a].Kode < lijst[b].Kode;
    });
  }
  HerschikMatrixRijen(kb, volgorde);
  Herschik(lijst, volgorde);
  for (std::size_t i = 0; i < lijst.size(); ++i) lijst[i].Nummer = static_cast<int>(i);
}

void Sorteer(Kasboek& kb, SorteerOnderwerp onderwerp) {
  if (onderwerp == SorteerOnderwerp::Rekeningen)
    SorteerRekeningen(kb);
  else
    SorteerGroepen(kb);
}

SorteerKeuze::SorteerKeuze(Kasboek& kb, SorteerOnderwerp onderwerp)
    : kb_(kb), onderwerp_(onderwerp) {}

std::string SorteerKeuze::Titel() const {
  return onderwerp_ == SorteerOnderwerp::Rekeningen ? "Sorteren van Rekeningen"
                                                    : "Sorteren van \"Groepen";
}

std::vector<std::string> SorteerKeuze::Keuzes() const {
  if (onderwerp_ == SorteerOnderwerp::Rekeningen) return {"Rekening", "Naam"};
  return {"Groep Kode", "Groep Titel"};
}

int SorteerKeuze::Keuze() const { return OpNaam(kb_, onderwerp_) ? 1 : 0; }

void SorteerKeuze::Klik(int keuze) { ZetOpNaam(kb_, onderwerp_, keuze == 1); }

void SorteerKeuze::Ok() {
  Sorteer(kb_, onderwerp_);
  Mededeling(kb_, onderwerp_ == SorteerOnderwerp::Groepen
                      ? "Sorteer bij voorkeur, de rekeningen overeenkomstig"
                      : "Sorteer bij voorkeur, de groepen overeenkomstig");
}

}  // namespace valdero
