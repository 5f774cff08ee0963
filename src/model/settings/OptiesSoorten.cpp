// The kind page of the options window: the account kinds, each a two-letter
// code, a blank and a word ("BT betalingen").

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/settings/Opties.h"
#include "model/storage/ConfigBestand.h"

namespace valdero {
namespace {

// Every configuration starts with this kind; a file whose first kind is
// another is replaced by the defaults when read, so it is neither removed
// nor renamed here.
constexpr const char* kBetaalSoort = "BT betalingen";

std::string Deel(const std::string& tekst, std::size_t van, std::size_t aantal) {
  const std::size_t lengte = AantalTekens(tekst);
  if (van >= lengte) return {};
  return EersteTekens(Cp1252NaarUtf8(Utf8NaarCp1252(tekst).substr(van, aantal)), aantal);
}

bool IsBetaalSoort(const Kasboek& kb, int positie) {
  return positie == 0 && !kb.SoortLijst.empty() && kb.SoortLijst.front().Naam == kBetaalSoort;
}

}  // namespace

SoortPagina::SoortPagina(OptiesModel& opties) : o_(opties) {}

std::vector<SoortPagina::Regel> SoortPagina::Regels() const {
  std::vector<Regel> regels;
  for (const TRekSoort& s : o_.kb.SoortLijst)
    regels.push_back({Kap(s.Naam, 2), Deel(s.Naam, 2, 24), s.Omschrijving});
  return regels;
}

void SoortPagina::Kies(int positie) {
  const auto& lijst = o_.kb.SoortLijst;
  if (positie < 0 || positie >= static_cast<int>(lijst.size())) return;
  gekozen = positie;
  const TRekSoort& s = lijst[static_cast<std::size_t>(positie)];
  afkorting = Kap(s.Naam, 2);
  naam = Deel(s.Naam, 3, 24);
  omschrijving = s.Omschrijving;
}

void SoortPagina::Nieuw() {
  auto& lijst = o_.kb.SoortLijst;
  if (static_cast<int>(lijst.size()) >= kMaxSoorten) {
    o_.kb.berichten().Piep();
    return;
  }
  gewijzigdBijOpenen_ = o_.gewijzigd;
  TRekSoort s;
  s.Naam = "N  NEW";
  lijst.push_back(s);
  Kies(static_cast<int>(lijst.size()) - 1);
  editor = true;
  nieuw_ = true;
}

void SoortPagina::Wijzig() {
  if (gekozen < 0 || gekozen >= static_cast<int>(o_.kb.SoortLijst.size())) return;
  gewijzigdBijOpenen_ = o_.gewijzigd;
  Kies(gekozen);
  editor = true;
  nieuw_ = false;
  o_.gewijzigd = true;
}

void SoortPagina::Verwijder() {
  auto& lijst = o_.kb.SoortLijst;
  if (gekozen < 0 || gekozen >= static_cast<int>(lijst.size())) return;
  if (IsBetaalSoort(o_.kb, gekozen) || lijst.size() <= 1) {
    o_.kb.berichten().BerichtDlg("Deze soort kan niet worden verwijderd", BerichtSoort::Waarschuwing,
                                 knop::OK);
    return;
  }
  lijst.erase(lijst.begin() + gekozen);
  VerzamelSoortKodes(o_.kb);
  editor = false;
  Kies(std::min(gekozen, static_cast<int>(lijst.size()) - 1));
  o_.gewijzigd = true;
}

void SoortPagina::Ok() {
  Kasboek& kb = o_.kb;
  auto& lijst = kb.SoortLijst;
  if (gekozen < 0 || gekozen >= static_cast<int>(lijst.size())) return;
  const std::string kode = VulRechts(Kap(afkorting, 2), 2);
  for (std::size_t i = 0; i < lijst.size(); ++i) {
    if (static_cast<int>(i) == gekozen || Kap(lijst[i].Naam, 2) != kode) continue;
    kb.berichten().BerichtDlg("Soort bestaat al\rGebruik zo nodig Wijzig", BerichtSoort::Waarschuwing,
                              knop::OK);
    if (nieuw_) {
      lijst.erase(lijst.begin() + gekozen);
      editor = false;
      nieuw_ = false;
      o_.gewijzigd = gewijzigdBijOpenen_;
      Kies(std::min(gekozen, static_cast<int>(lijst.size()) - 1));
    }
    return;
  }
  TRekSoort& s = lijst[static_cast<std::size_t>(gekozen)];
  if (!IsBetaalSoort(kb, gekozen)) s.Naam = Kap(kode + " " + naam, 24);
  s.Omschrijving = Kap(omschrijving, 32);
  VerzamelSoortKodes(kb);
  editor = false;
  nieuw_ = false;
  o_.gewijzigd = true;
  Kies(gekozen);
}

void SoortPagina::Schrap() {
  editor = false;
  auto& lijst = o_.kb.SoortLijst;
  if (nieuw_ && gekozen >= 0 && gekozen < static_cast<int>(lijst.size())) {
    lijst.erase(lijst.begin() + gekozen);
    Kies(std::min(gekozen, static_cast<int>(lijst.size()) - 1));
  }
  nieuw_ = false;
  o_.gewijzigd = gewijzigdBijOpenen_;
}

}  // namespace valdero
