// The window's buttons and closing.

#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingModel.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
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

void BoekingModel::MerkGetoond() {
  for (std::size_t t = 0; t < velden.size(); ++t) getoond[t] = velden[t].tekst;
}

bool BoekingModel::InvoerGetypt() const {
  for (std::size_t t = 1; t < velden.size(); ++t)
    if (velden[t].zichtbaar && velden[t].tekst != getoond[t]) return true;
  return false;
}

bool BoekingModel::OkKnop() {
  // Typed input is never dropped without a word: OK used to close and lose
  // an amount typed without Enter.
  if (panelZichtbaar && (InvoerGetypt() || bewaarAan)) {
    const int a = kb.berichten().BerichtDlg("Kas-record nog boeken", BerichtSoort::Bevestig,
                                            knop::JaNee | knop::Schrap);
    if (a == antwoord::Ja) {
      if (!Bewaar()) return false;
      if (vensterGesloten) return true;
    } else if (a != antwoord::Nee) {
      return false;
    }
  }
  SluitKnop();
  return true;
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
