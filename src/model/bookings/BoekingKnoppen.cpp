// The window's buttons and closing.

#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingModel.h"
#include "model/core/Meldingen.h"

namespace valdero {

void BoekingModel::Herstel() {
  werk = reserve;
  ToonRecord();
  focus = veld::Rekening;
  bewaarAan = herstelAan = false;
  okAan = true;
  bewaard = false;
}

void BoekingModel::Schrap() {
  panelZichtbaar = false;
  bewaarAan = herstelAan = false;
  menu = modus::IsEffecten(boekModus) ? Menu::Beleg : Menu::Boek;
}

void BoekingModel::WisselGrid() {
  gridModus = gridModus == 1 ? 0 : 1;
  gridZichtbaar = true;
  kasRekKnopTekst = gridModus == 1 ? "Rekening" : "ValDero";
  TekenGrid();
}

void BoekingModel::ToonGrid() {
  gridZichtbaar = true;
  TekenGrid();
}

void BoekingModel::SluitKnop() {
  bewaard = true;
  MagSluiten();
}

bool BoekingModel::MagSluiten() {
  if (!bewaard && Vraag(kb, "Kas-record nog redden")) return false;
  panelZichtbaar = false;
  vensterGesloten = true;
  menu = Menu::Geen;
  gridZichtbaar = false;
  kasRekKnopTekst = "ValDero";
  return true;
}

}  // namespace valdero
