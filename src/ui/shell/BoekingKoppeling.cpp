#include "model/bookings/WijzigModus.h"
#include "model/core/Kasboek.h"
#include "ui/bookings/TBoekingForm.h"
#include "ui/search/TZoekDlg.h"
#include "ui/shell/TValdero.h"
#include "ui/shell/Vensters.h"

namespace valdero {

// The number of the booking window in the main window's window list.
inline constexpr int kBoekingVenster = 4;

void Vensters::KoppelBoekingVenster(TBoekingForm& boeking, TZoekDlg& vrijZoeken) {
  TValdero& hoofd = hoofd_;
  boeking_ = &boeking;
  perNummer_[kBoekingVenster] = &boeking;
  QObject::connect(&boeking, &TBoekingForm::MenuBlokkade, &hoofd, &TValdero::BlokkeerMenu);
  // Opened from the search the window may not be listed.
  QObject::connect(&boeking, &TBoekingForm::Gesloten, &hoofd, [&hoofd] {
    if (hoofd.Lijst().Geregistreerd(kBoekingVenster)) hoofd.MeldAf(kBoekingVenster);
  });
  Kasboek& kb = kb_;
  QObject::connect(&vrijZoeken, &TZoekDlg::WijzigenGevraagd, &boeking, [&boeking, &hoofd, &kb](int positie) {
    if (positie < 1 || positie > kb.MaxKas()) return;
    if (boeking.WijzigRecord(WijzigModusVoor(kb.KasLijst[static_cast<std::size_t>(positie)]), positie))
      hoofd.Registreer(kBoekingVenster, &boeking);
  });
}

void Vensters::OpenBoeking(int mode) {
  if (boeking_) boeking_->Boeking(mode);
}

}  // namespace valdero
