#include "ui/shell/OverzichtKoppeling.h"

#include "model/reports/ReportSelection.h"
#include "ui/reports/TOutputForm.h"
#include "ui/reports/TSelectieDlg.h"
#include "ui/shell/TValdero.h"

namespace valdero {

// The number of the overview window in the main window's window list.
inline constexpr int kOverzichtVenster = 5;

void KoppelOverzicht(TValdero& hoofd, TOutputForm& overzicht, TSelectieDlg& selectieDlg,
                     ReportSelection& selectie) {
  Kasboek& kb = hoofd.Boek();
  VensterHaken& haken = hoofd.Vensters();
  haken.perNummer[kOverzichtVenster] = &overzicht;
  haken.selectieDialoog = [&selectieDlg, &selectie, &kb](int mode) {
    // Kind 25 asks its classes with the yearly period set first.
    BereidSelectieVoor(kb, selectie, mode >= 100 ? mode - 100 : mode);
    return selectieDlg.Antwoord(mode);
  };
  haken.overzicht = [&overzicht, &selectie, &kb](int mode, int keuze, const RapportVoorschrift& v) {
    // The main window decided whether the dialog was asked; what the launcher
    // of the kind prepares besides comes from the reports' own table.
    if (v.dialoog)
      NaSelectieDialoog(selectie, mode);
    else
      BereidSelectieVoor(kb, selectie, mode);
    overzicht.ShowReport(mode, keuze);
  };
  QObject::connect(&overzicht, &TOutputForm::Gesloten, &hoofd, [&hoofd] { hoofd.MeldAf(kOverzichtVenster); });
}

}  // namespace valdero
