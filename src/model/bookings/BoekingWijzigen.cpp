// Changing and deleting: a record handed in for a change, the change itself
// in the list and the matrix, and the deletion of picked records.

#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingModel.h"
#include "model/bookings/Posten.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"

namespace valdero {

bool BoekingModel::StartMetRecord(int m, int positie) {
  if (positie < 1 || positie > kb.MaxKas()) return false;
  vers = true;
  splitModus = false;
  kopieGekozen = false;
  boekModus = m == modus::ExternEffWijzigen ? modus::EffWijzigen : modus::Wijzigen;
  werk = kb.KasLijst[static_cast<std::size_t>(positie)];
  oud = {-werk.Bedrag, werk.GroepKode, werk.RekNr};
  recordIndex = positie;
  sluitNaBewaren = true;
  KlaarOmTeTonen();
  return true;
}

void BoekingModel::StartVerwijderen() {
  const bool effecten = boekModus == modus::EffVerwijderen;
  const KiesResultaat k = kiezer_.KiesRecord(
      boekModus, effecten ? "Zoek belegging om te verwijderen" : "Zoek boeking om te verwijderen");
  // The rows of a multi-row pick need not be adjacent: delete exactly those.
  std::vector<int> posities = k.posities;
  if (posities.empty() && k.gekozen) posities.push_back(k.positie);
  if (!posities.empty()) {
    const std::string n = std::to_string(posities.size());
    const std::string vraagTekst =
        effecten ? "Weet u zeker dat u dit record wilt verwijderen ? "
                 : "Weet u zeker dat u " + n + " record(s) wilt verwijderen ? ";
    if (Vraag(kb, vraagTekst)) {
      const int weg = VerwijderBoekingen(kb, posities);
      bewaar_(kb);
      Mededeling(kb, "Totaal " + std::to_string(weg) + " Kasrecord(s) verwijderd");
    }
  }
  vensterGesloten = false;
}

void BoekingModel::WijzigBoeking(int positie) {
  if (positie < 1 || positie > kb.MaxKas()) return;
  TKas kas = werk;
  kas.Index = positie;
  kas.Bedrag = kas.Bedrag * static_cast<double>(kas.MuntKoers);
  // The old amount leaves the side it was booked on (oud.bedrag is negated).
  const bool mislukt = !HaalUitMatrix(kb, oud.groep, oud.rekening, -oud.bedrag).Gelukt();
  // The change is kept either way; the list stays in its order.
  kb.KasLijst.erase(kb.KasLijst.begin() + positie);
  PlaatsKas(kb, std::move(kas));
  if (mislukt) {
    Waarschuw("Transactie is niet verwerkt");
    return;
  }
  int rekMis = 0, groepMis = 0;
  // An unknown group or account was reported; the record stays as typed.
  static_cast<void>(BoekInMatrix(kb, werk.GroepKode, werk.RekNr, true, rekMis, groepMis,
                                 werk.Bedrag * static_cast<double>(werk.MuntKoers)));
  if (gridModus == 0) TekenGrid();
}

}  // namespace valdero
