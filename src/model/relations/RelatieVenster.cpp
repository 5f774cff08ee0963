#include "model/relations/RelatieVenster.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "model/core/AfdrukMaten.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Printer.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/relations/RelatieLijst.h"
#include "model/storage/BoekBestand.h"

namespace valdero {
namespace {

// The lengths of the six texts of a relation, by column 1..6.
constexpr std::array<int, kRelatieKolommen> kLengtes{0, 32, 12, 32, 8, 24, 12};

std::string* Veld(TRelat& r, int kolom) {
  switch (kolom) {
    case 1: return &r.Naam;
    case 2: return &r.Rekening;
    case 3: return &r.Adres;
    case 4: return &r.Postcode;
    case 5: return &r.Woonplaats;
    case 6: return &r.Telefoon;
    default: return nullptr;
  }
}

bool AlsGetal(const std::string& tekst, int& getal) {
  const auto b = tekst.find_first_not_of(' ');
  const auto e = tekst.find_last_not_of(' ');
  if (b == std::string::npos) return false;
  const char* begin = tekst.data() + b;
  const char* eind = tekst.data() + e + 1;
  const auto [p, fout] = std::from_chars(begin, eind, getal);
  return fout == std::errc() && p == eind && getal >= 0 && getal <= 0xFFFF;
}

RelatieRij RijVan(const TRelat& r) {
  return {std::to_string(r.KasIndex), r.Naam, r.Rekening, r.Adres, r.Postcode, r.Woonplaats,
          r.Telefoon};
}

}  // namespace

RelatieVenster::RelatieVenster(Kasboek& kb) : kb_(kb) {}

const RelatieRij& RelatieVenster::Kop() {
  static const RelatieRij kop{"KasIx", "Naam", " Rekening", " Adres", " PostCd.", " Woonplaats", " Tel."};
  return kop;
}

const std::array<int, kRelatieKolommen>& RelatieVenster::Breedtes() {
  static const std::array<int, kRelatieKolommen> breedtes{40, 200, 90, 165, 55, 115, 80};
  return breedtes;
}

const RelatieRij& RelatieVenster::DialoogLabels() {
  static const RelatieRij labels{"Index", "Relatie", "Rekening", "Adres", "Postcode", "Plaats", "Telefoon"};
  return labels;
}

std::string RelatieVenster::HintBij(int x) {
  if (x < 40) return "KasRecordindex";
  if (x < 170) return "Naam Relatie";
  if (x <= 234) return "Rekening";
  if (x < 410) return "Adres";
  if (x < 460) return "Postcode";
  if (x >= 585) return "Telefoon";
  return "Woonplaats";
}

std::string RelatieVenster::KolomHint(int kolom) {
  static const RelatieRij hints{"KasRecordindex", "Naam Relatie", "Rekening", "Adres",
                                "Postcode",       "Woonplaats",   "Telefoon"};
  return kolom >= 0 && kolom < kRelatieKolommen ? hints[static_cast<std::size_t>(kolom)] : std::string();
}

bool RelatieVenster::Open() {
  if (!OpenRelaties(kb_)) return false;
  Vul();
  return true;
}

void RelatieVenster::Vul() {
  rijen.clear();
  for (std::size_t r = 1; r < kb_.RelatieLijst.size(); ++r) rijen.push_back(RijVan(kb_.RelatieLijst[r]));
}

std::vector<std::string> RelatieVenster::Namen() const {
  std::vector<std::string> namen;
  for (const auto& rij : rijen) namen.push_back(rij[1]);
  return namen;
}

std::vector<std::string> RelatieVenster::Rekeningen() const {
  std::vector<std::string> rekeningen;
  for (const auto& rij : rijen) rekeningen.push_back(rij[2]);
  return rekeningen;
}

void RelatieVenster::BewaarRijen() {
  for (std::size_t i = 0; i < rijen.size() && i + 1 < kb_.RelatieLijst.size(); ++i) {
    TRelat& relatie = kb_.RelatieLijst[i + 1];
    const RelatieRij& rij = rijen[i];
    int index = 0;
    if (AlsGetal(rij[0], index)) relatie.KasIndex = index;
    for (int k = 1; k < kRelatieKolommen; ++k)
      *Veld(relatie, k) = Kap(rij[static_cast<std::size_t>(k)], kLengtes[static_cast<std::size_t>(k)]);
  }
}

void RelatieVenster::Ok() {
  BewaarRijen();
  BewaarNaWijziging(kb_);
}

bool RelatieVenster::Verwijder(int rij) {
  const std::size_t positie = static_cast<std::size_t>(rij) + 1;
  if (rij < 0 || positie >= kb_.RelatieLijst.size()) return false;
  if (!Vraag(kb_, "Wilt u deze relatie verwijderen ")) return false;
  // The rows typed so far stay what they were; only the deleted one goes.
  if (static_cast<std::size_t>(rij) < rijen.size()) rijen.erase(rijen.begin() + rij);
  kb_.RelatieLijst.erase(kb_.RelatieLijst.begin() + static_cast<std::ptrdiff_t>(positie));
  HernummerRelaties(kb_);
  for (std::size_t i = 0; i < rijen.size(); ++i) rijen[i][0] = std::to_string(i + 1);
  return true;
}

void RelatieVenster::Ververs() {
  BewaarRijen();
  SorteerRelaties(kb_);
  HernummerRelaties(kb_);
  Vul();
}

void RelatieVenster::NaDialoog() { BewaarNaWijziging(kb_); }

bool RelatieVenster::Afdrukken() {
  Printer* printer = &kb_.printer();
  const TConfig& c = kb_.Config;
  printer->KiesPrinter(c.PrinterIndex);
  printer->ZetLiggend((c.Vlaggen & vlag::Liggend) != 0);
  if (!printer->BeginDocument(KopTekst())) {
    MeldAfdrukMislukt(kb_);
    return false;
  }

  const AfdrukMaten m = MeetAfdruk(kb_, *printer);
  const int links = 3 * (kb_.weergave.TekenBreedte > 0 ? kb_.weergave.TekenBreedte : m.teken);
  const int regel = m.regel;
  const int breedte = printer->PaginaBreedte();
  const int tussen = printer->TekstBreedte(" ");
  // The grid's column widths, scaled from the window's 800 pixels to the
  // page; as the grid's columns grow to fit, so do these where the page has
  // room. An account number, postcode or telephone number is never cut.
  std::vector<int> breedtes, nodig;
  std::vector<bool> heel;
  for (int k = 1; k < kRelatieKolommen; ++k) {
    const auto i = static_cast<std::size_t>(k);
    breedtes.push_back(Breedtes()[i] * breedte / 800);
    int b = printer->TekstBreedte(Kop()[i]);
    for (const RelatieRij& r : rijen) b = std::max(b, printer->TekstBreedte(r[i]));
    nodig.push_back(b + 2 * tussen);
    heel.push_back(k == 2 || k == 4 || k == 6);
  }
  breedtes = VerdeelBreedtes(breedtes, nodig, heel, breedte - links, true);
  std::array<int, kRelatieKolommen + 1> x{};
  int kolom = links;
  for (int k = 1; k < kRelatieKolommen; ++k) {
    x[static_cast<std::size_t>(k)] = kolom;
    kolom += breedtes[static_cast<std::size_t>(k - 1)];
  }
  x[kRelatieKolommen] = kolom;
  const int rechts = kolom;
  int y = m.boven;
  auto volgende = [&] {
    y += regel;
    if (m.PastNiet(y)) {
      printer->NieuwePagina();
      y = m.boven;
    }
  };
  auto lijn = [&] {
    printer->Lijn(links, y + regel / 2, rechts, y + regel / 2);
    volgende();
  };
  auto rij = [&](const RelatieRij& r) {
    for (int k = 1; k < kRelatieKolommen; ++k) {
      // Cut to its column, a space short of the next one.
      const auto i = static_cast<std::size_t>(k);
      const int ruimte = x[i + 1] - x[i] - tussen;
      std::string tekst = r[i];
      for (std::size_t n = AantalTekens(tekst); n > 0 && printer->TekstBreedte(tekst) > ruimte;)
        tekst = EersteTekens(tekst, --n);
      printer->Tekst(x[i], y, tekst);
    }
    volgende();
  };

  printer->Tekst(links, y, KopTekst() + "  " + kb_.sessie.KasNaam);
  volgende();
  rij(Kop());
  lijn();
  // What the grid shows, edits not yet stored included.
  for (const RelatieRij& r : rijen) rij(r);
  lijn();
  if (printer->EindDocument()) return true;
  MeldAfdrukMislukt(kb_);
  return false;
}

}  // namespace valdero
