#include "ui/shell/GrafiekKoppeling.h"

#include "model/charts/GrafiekSoort.h"
#include "model/reports/ReportSelection.h"
#include "model/shell/RapportVoorschrift.h"
#include "ui/charts/TGrafiekForm.h"
#include "ui/groups/TBudbeheerForm.h"
#include "ui/shell/TValdero.h"

namespace valdero {

// The number of the chart window in the main window's window list.
inline constexpr int kGrafiekVenster = 6;

void KoppelGrafiek(TValdero& hoofd, TGrafiekForm& grafiek, ReportSelection& selectie, TBudbeheerForm& groepBeheer) {
  Kasboek& kb = hoofd.Boek();
  VensterHaken& haken = hoofd.Vensters();
  haken.perNummer[kGrafiekVenster] = &grafiek;
  haken.grafiek = [&grafiek, &selectie, &kb](int soort, int keuze, const RapportVoorschrift& v) {
    // A chart selects as the report it draws.
    const int rapportSoort = RapportSoortVan(soort);
    if (v.dialoog)
      NaSelectieDialoog(selectie, rapportSoort);
    else
      BereidSelectieVoor(kb, selectie, rapportSoort);
    grafiek.ShowChart(soort, keuze);
  };
  QObject::connect(&groepBeheer, &TBudbeheerForm::GrafiekGevraagd, &grafiek, [&hoofd, &grafiek](int positie) {
    hoofd.Vensters().grafiek(grafiek::Groep, positie, OverzichtVoorschrift(grafiek::Groep));
    if (grafiek.isVisible()) hoofd.Registreer(kGrafiekVenster, &grafiek);
  });
  QObject::connect(&grafiek, &TGrafiekForm::Gesloten, &hoofd, [&hoofd] {
    if (hoofd.Lijst().Geregistreerd(kGrafiekVenster)) hoofd.MeldAf(kGrafiekVenster);
  });
}

}  // namespace valdero
