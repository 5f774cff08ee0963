#include "model/core/Kasboek.h"
#include "model/reports/ReportSelection.h"
#include "ui/reports/TOutputForm.h"
#include "ui/reports/TSelectieDlg.h"
#include "ui/shell/TValdero.h"
#include "ui/shell/Vensters.h"

namespace valdero {

// The number of the overview window in the main window's window list.
inline constexpr int kRapportVenster = 5;

void Vensters::KoppelRapport(TOutputForm& overzicht, TSelectieDlg& selectieDlg, ReportSelection& selectie) {
  TValdero& hoofd = hoofd_;
  overzicht_ = &overzicht;
  selectieDlg_ = &selectieDlg;
  selectie_ = &selectie;
  perNummer_[kRapportVenster] = &overzicht;
  QObject::connect(&overzicht, &TOutputForm::Gesloten, &hoofd, [&hoofd] { hoofd.MeldAf(kRapportVenster); });
}

SelectieAntwoord Vensters::VraagSelectie(int mode) {
  if (!selectieDlg_) return {};
  // Kind 25 asks its classes with the yearly period set first.
  BereidSelectieVoor(kb_, *selectie_, mode >= 100 ? mode - 100 : mode);
  return selectieDlg_->Antwoord(mode);
}

void Vensters::OpenRapport(int mode, int keuze, const RapportVoorschrift& v) {
  if (!overzicht_) return;
  // The main window decided whether the dialog was asked; what the launcher
  // of the kind prepares besides comes from the reports' own table.
  if (v.dialoog)
    NaSelectieDialoog(*selectie_, mode);
  else
    BereidSelectieVoor(kb_, *selectie_, mode);
  overzicht_->ShowReport(mode, keuze);
}

}  // namespace valdero
