#include "ui/shell/DoorzoekKoppeling.h"

#include "model/bookings/Posten.h"
#include "model/bookings/WijzigModus.h"
#include "model/core/Kasboek.h"
#include "model/reports/RapportSoort.h"
#include "model/shell/RapportVoorschrift.h"
#include "ui/shell/QtBoekingVensters.h"
#include "ui/bookings/TBoekingForm.h"
#include "ui/groups/TBudbeheerForm.h"
#include "ui/reports/TBTWUitDlg.h"
#include "ui/reports/TGroepUitDlg.h"
#include "ui/reports/TOutputForm.h"
#include "ui/search/TZoekDlg.h"
#include "ui/shell/TValdero.h"

namespace valdero {
namespace {

// The window-list numbers of the booking window and the overview window.
constexpr int kBoekingVenster = 4;
constexpr int kOverzichtVenster = 5;

}  // namespace

void KoppelDoorzoeken(TValdero& hoofd, TOutputForm& overzicht, TZoekDlg& vrijZoeken, TGroepUitDlg& groepUit,
                      TBoekingForm& boeking, QtBoekingVensters& boekingVensters,
                      std::function<void(Kasboek&)> bewaar) {
  Kasboek& kb = hoofd.Boek();
  QObject::connect(&overzicht, &TOutputForm::WijzigenGevraagd, &boeking, [&boeking, &hoofd, &kb](int positie) {
    if (positie < 1 || positie > kb.MaxKas()) return;
    if (boeking.WijzigRecord(WijzigModusVoor(kb.KasLijst[static_cast<std::size_t>(positie)]), positie))
      hoofd.Registreer(kBoekingVenster, &boeking);
  });
  QObject::connect(&overzicht, &TOutputForm::VerwijderenGevraagd, &overzicht,
                   [&kb, &vrijZoeken, &overzicht, bewaar](int positie) {
                     if (positie < 1 || positie > kb.MaxKas()) return;
                     VerwijderBoekingen(kb, {positie});
                     if (bewaar) bewaar(kb);
                     if (vrijZoeken.isVisible()) vrijZoeken.Ververs();
                     overzicht.Verwijderd();
                   });
  // After a change started in either window, both show the book again.
  QObject::connect(&boekingVensters, &QtBoekingVensters::VerversGevraagd, &overzicht, [&vrijZoeken, &overzicht] {
    if (vrijZoeken.isVisible()) vrijZoeken.Ververs();
    if (overzicht.isVisible()) overzicht.RefreshReport();
  });
  QObject::connect(&overzicht, &TOutputForm::GroepOverzichtGevraagd, &groepUit, &TGroepUitDlg::ShowGroupOverview);
  // The free search looks over all accounts.
  QObject::connect(&vrijZoeken, &TZoekDlg::GroepOverzichtGevraagd, &groepUit,
                   [&groepUit](int modus, int index) { groepUit.ShowGroupOverview(modus, 0, index); });
}

void KoppelGroepBeheerOverzicht(TValdero& hoofd, TBudbeheerForm& beheer) {
  if (!hoofd.Vensters().overzicht) return;
  QObject::connect(&beheer, &TBudbeheerForm::OverzichtGevraagd, &hoofd, [&hoofd](int positie) {
    VensterHaken& h = hoofd.Vensters();
    h.overzicht(rapport::Groep, positie, OverzichtVoorschrift(rapport::Groep));
    const auto it = h.perNummer.find(kOverzichtVenster);
    hoofd.Registreer(kOverzichtVenster, it == h.perNummer.end() ? nullptr : it->second);
  });
}

void KoppelBtwOverzicht(TValdero& hoofd, TBTWUitDlg& btw) {
  VensterHaken& h = hoofd.Vensters();
  h.btwOverzicht = [&btw](int rekNr, int aantal) { btw.ShowVatOverview(rekNr, aantal); };
  h.perNummer[kBtwVenster] = &btw;
  QObject::connect(&btw, &TBTWUitDlg::Gesloten, &hoofd, [&hoofd] {
    if (hoofd.Lijst().Geregistreerd(kBtwVenster)) hoofd.MeldAf(kBtwVenster);
  });
}

}  // namespace valdero
