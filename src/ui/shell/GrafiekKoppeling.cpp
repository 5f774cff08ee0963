#include "model/charts/GrafiekSoort.h"
#include "model/reports/ReportSelection.h"
#include "model/shell/RapportVoorschrift.h"
#include "ui/charts/TGrafiekForm.h"
#include "ui/groups/TBudbeheerForm.h"
#include "ui/shell/TValdero.h"
#include "ui/shell/Vensters.h"

namespace valdero {

// The number of the chart window in the main window's window list.
inline constexpr int kGrafiekVenster = 6;

// The chart window shares the one ReportSelection with the launchers and
// the selection dialog.
void Vensters::KoppelGrafiek(TGrafiekForm& grafiek, ReportSelection& selectie, TBudbeheerForm& groepBeheer) {
  TValdero& hoofd = hoofd_;
  grafiek_ = &grafiek;
  grafiekSelectie_ = &selectie;
  perNummer_[kGrafiekVenster] = &grafiek;
  QObject::connect(&groepBeheer, &TBudbeheerForm::GrafiekGevraagd, &grafiek, [this, &hoofd, &grafiek](int positie) {
    OpenGrafiek(grafiek::Groep, positie, VoorschriftVoorRapport(grafiek::Groep));
    if (grafiek.isVisible()) hoofd.Registreer(kGrafiekVenster, &grafiek);
  });
  QObject::connect(&grafiek, &TGrafiekForm::Gesloten, &hoofd, [&hoofd] {
    if (hoofd.Lijst().Geregistreerd(kGrafiekVenster)) hoofd.MeldAf(kGrafiekVenster);
  });
}

void Vensters::OpenGrafiek(int soort, int keuze, const RapportVoorschrift& v) {
  if (!grafiek_) return;
  // A chart selects as the report it draws.
  const int rapportSoort = RapportSoortVan(soort);
  if (v.dialoog)
    NaSelectieDialoog(*grafiekSelectie_, rapportSoort);
  else
    BereidSelectieVoor(kb_, *grafiekSelectie_, rapportSoort);
  grafiek_->ShowChart(soort, keuze);
}

}  // namespace valdero
