// Saving: the quiet handler run, the saving steps, and the new record of one
// leg in the transactions list (each kind of booking shapes its legs in its
// own file; a change is in BoekingWijzigen.cpp).

#include "model/bookings/BoekModi.h"
#include "model/core/Domein.h"
#include "model/bookings/BoekingModel.h"
#include "model/bookings/GroepHulp.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"

namespace valdero {

bool BoekingModel::Bewaar() {
  // Without a record on the panel there is nothing to save.
  if (!panelZichtbaar) return false;
  const int m = boekModus;
  const int f = modus::Familie(m);
  std::vector<int> volgorde = {1, 2, 3, 4, 5, 6, 7, 8};
  if (f == 5 || f == 6) volgorde.insert(volgorde.end(), {9, 10});
  volgorde.insert(volgorde.end(), {11, 12});
  if (m > 10 && m != modus::RenteDividend) volgorde.insert(volgorde.end(), {13, 14});
  volgorde.insert(volgorde.end(), {15, 16});
  for (int tag : volgorde) {
    // A refused field is not posted: the user sees why and corrects it.
    if (!Handler(tag, true)) {
      focus = tag;
      return false;
    }
  }
  if (werk.Bedrag == 0 && Vraag(kb, "Bedrag = 0 \r Opnieuw ?")) {
    focus = veld::Bedrag;
    return false;
  }
  BewaarStappen();
  return true;
}

void BoekingModel::BewaarStappen() {
  const int m = boekModus;
  const int f = modus::Familie(m);
  if (splitModus) {
    if (split.aantal < 10) ++split.aantal;
    split.slot[static_cast<std::size_t>(split.aantal)] = werk;
  }
  if (f == 0 || (m == modus::Transfereren && !kopieGekozen)) {
    WijzigBoeking(recordIndex);
  } else {
    if (f == 5 || f == 6) Overboeken();
    if (m == modus::Kopen || m == modus::Verkopen) VoegBoekingToe(RegelSoort::Kas);
    if (m == modus::Waarderen) VoegBoekingToe(RegelSoort::Tegenboeking);
    if (!modus::IsOverboeking(m)) VoegBoekingToe(RegelSoort::Hoofd);
  }
  kb.HernummerKas();
  bewaar_(kb);
  bewaard = true;
  NaBewaren();
}

void BoekingModel::NaBewaren() {
  if (sluitNaBewaren) {
    panelZichtbaar = false;
    vensterGesloten = true;
    vensters_.VerversAanvrager(boekModus);
    return;
  }
  if (splitModus) {
    gridModus = 2;
    gridZichtbaar = true;
    TekenGrid();
  }
  panelZichtbaar = false;
  std::optional<int> volgende;
  if (boekModus < 10) volgende = VolgendeSubgroep();
  if (volgende) {
    Start(*volgende, false);
    return;
  }
  menu = modus::IsEffecten(boekModus) ? Menu::Beleg : Menu::Boek;
}

bool BoekingModel::VoegBoekingToe(RegelSoort soort) {
  if ((soort == RegelSoort::Tegen || soort == RegelSoort::Eigen) && werk.RekNr == werk.TegenRek)
    return false;
  TKas kas = werk;
  kas.Index = kb.MaxKas() + 1;
  kas.BoekSoort = BoekSoortMetBtw();
  const auto g = kb.ZoekGroep(werk.GroepKode);
  const std::string groepNaam = g ? Kap(kb.GroepLijst[static_cast<std::size_t>(*g)].Naam, 24) : "";
  PasRegelToe(soort, kas, groepNaam);
  kas.Bedrag = kas.Bedrag * static_cast<double>(kas.MuntKoers);
  int rekMis = 0, groepMis = 0;
  const Status status = BoekInMatrix(kb, kas.GroepKode, kas.RekNr, true, rekMis, groepMis, kas.Bedrag);
  if (!status.Gelukt() || kas.RekNr == 0) {
    Waarschuw("Transactie is niet verwerkt");
    return false;
  }
  const int rekNr = kas.RekNr;
  const int positie = PlaatsKas(kb, std::move(kas));
  BiedRelatieAan(kb, kb.KasLijst[static_cast<std::size_t>(positie)]);
  if (soort == RegelSoort::Hoofd && gridModus == 0 && rekNr == werk.RekNr) TekenGrid();
  return true;
}

void BoekingModel::PasRegelToe(RegelSoort soort, TKas& kas, const std::string& groepNaam) {
  switch (soort) {
    case RegelSoort::Tegen:
    case RegelSoort::Eigen:
      PasOverboekingToe(soort, kas);
      return;
    case RegelSoort::Hoofd:
    case RegelSoort::Kas:
    case RegelSoort::Tegenboeking:
      PasEffectenToe(soort, kas, groepNaam);
      return;
  }
}

}  // namespace valdero
