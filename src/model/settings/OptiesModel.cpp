// The options window as a whole: its pages, the changed and confirmed flags,
// "&OK", "&Schrap" and the sort button.

#include <algorithm>

#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/settings/Opties.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"

namespace valdero {
namespace {

// The kind every configuration starts with; a file whose first kind is
// another is replaced by the defaults when read.
constexpr const char* kBetaalSoort = "BT betalingen";

}  // namespace

OptiesModel::OptiesModel(Kasboek& boek)
    : kb(boek), klassen(*this), soorten(*this), valuta(*this), print(*this) {}

std::string OptiesModel::BasisWaarschuwing() {
  return "Als u de Basis-eenheid verandert dan zijn de koersen van de andere valuta niet zonder meer "
         "correct..               Pas dit aan";
}

const std::vector<std::string>& OptiesModel::PaginaNamen() {
  static const std::vector<std::string> namen{"Klasse", "Soort", "Valuta", "Printopties"};
  return namen;
}

void OptiesModel::Open(OptiesPagina p) {
  gewijzigd = false;
  bevestigd = false;
  boekGewijzigd = false;
  klassen.editor = soorten.editor = valuta.editor = false;
  waarschuwingZichtbaar = true;
  KiesPagina(p);
}

void OptiesModel::KiesPagina(OptiesPagina p) {
  pagina = p;
  bool gelezen = true;
  std::string lijst;
  switch (p) {
    case OptiesPagina::Klasse:
      gelezen = kb.KlassenGelezen;
      lijst = "KlasseArray";
      if (!kb.KlasseLijst.empty()) klassen.Kies(std::min<int>(klassen.gekozen, static_cast<int>(kb.KlasseLijst.size()) - 1));
      break;
    case OptiesPagina::Soort:
      gelezen = kb.SoortenGelezen;
      lijst = "SoortArray";
      if (!kb.SoortLijst.empty()) soorten.Kies(std::min<int>(soorten.gekozen, static_cast<int>(kb.SoortLijst.size()) - 1));
      break;
    case OptiesPagina::Valuta:
      gelezen = kb.ConfigAanwezig;
      lijst = "ValutaArray";
      if (!kb.ValutaLijst.empty()) valuta.Kies(kb.BasisMunt);
      break;
    case OptiesPagina::Print:
      gelezen = kb.ConfigAanwezig;
      lijst = "Configuratie";
      break;
  }
  if (!gelezen) Foutmelding(kb, lijst, FoutNr::BestaatNiet, HintNr::ControleerLayout);
}

void OptiesModel::Ok() {
  if (gewijzigd) {
    // A configuration that could not be written was reported.
    static_cast<void>(SchrijfConfig(kb));
    gewijzigd = false;
  }
  // The groups of a renamed class and the transactions of a moved currency
  // live in the book file: without this save the book and its
  // configuration would disagree until the next posting.
  if (boekGewijzigd && kb.KasGelezen) BewaarNaWijziging(kb);
  boekGewijzigd = false;
  bevestigd = true;
}

void OptiesModel::Schrap() {
  bevestigd = false;
  // Edits that moved records of the book (a class letter its groups
  // followed, a currency whose transactions followed) leave book and
  // configuration in step only when both are written; other edits stay in
  // memory unwritten.
  if (boekGewijzigd) {
    static_cast<void>(SchrijfConfig(kb));
    if (kb.KasGelezen) BewaarNaWijziging(kb);
    boekGewijzigd = false;
    gewijzigd = false;
  }
}

void OptiesModel::Sorteer() {
  if (pagina == OptiesPagina::Klasse) {
    std::stable_sort(kb.KlasseLijst.begin(), kb.KlasseLijst.end(),
                     [](const TKlasse02& a, const TKlasse02& b) { return a.Letter < b.Letter; });
    klassen.Kies(0);
  } else if (pagina == OptiesPagina::Soort) {
    // The paying kind stays first, or the file would not read back.
    auto begin = kb.SoortLijst.begin();
    if (begin != kb.SoortLijst.end() && begin->Naam == kBetaalSoort) ++begin;
    std::stable_sort(begin, kb.SoortLijst.end(),
                     [](const TRekSoort& a, const TRekSoort& b) { return a.Naam < b.Naam; });
    soorten.Kies(0);
  } else {
    return;
  }
  gewijzigd = true;
}

}  // namespace valdero
