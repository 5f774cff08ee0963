#include "ui/shell/BoekingKoppeling.h"

#include "ui/bookings/TBoekingForm.h"
#include "model/bookings/WijzigModus.h"
#include "model/core/Kasboek.h"
#include "ui/search/TZoekDlg.h"
#include "ui/shell/TValdero.h"

namespace valdero {

void KoppelBoekingVenster(TValdero& hoofd, TBoekingForm& boeking, TZoekDlg& vrijZoeken) {
  hoofd.Vensters().boeking = [&boeking](int mode) { boeking.Boeking(mode); };
  hoofd.Vensters().perNummer[4] = &boeking;
  QObject::connect(&boeking, &TBoekingForm::MenuBlokkade, &hoofd, &TValdero::BlokkeerMenu);
  // Opened from the search the window may not be listed.
  QObject::connect(&boeking, &TBoekingForm::Gesloten, &hoofd, [&hoofd] {
    if (hoofd.Lijst().Geregistreerd(4)) hoofd.MeldAf(4);
  });
  Kasboek& kb = hoofd.Boek();
  QObject::connect(&vrijZoeken, &TZoekDlg::WijzigenGevraagd, &boeking, [&boeking, &hoofd, &kb](int positie) {
    if (positie < 1 || positie > kb.MaxKas()) return;
    if (boeking.WijzigRecord(WijzigModusVoor(kb.KasLijst[static_cast<std::size_t>(positie)]), positie))
      hoofd.Registreer(4, &boeking);
  });
}

}  // namespace valdero
