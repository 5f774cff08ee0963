#include "ui/bankimport/TAfschriftForm.h"
#include "ui/shell/TValdero.h"
#include "ui/shell/Vensters.h"

namespace valdero {

// The number of the statement window in the main window's window list.
inline constexpr int kAfschriftVenster = 8;

void Vensters::KoppelAfschrift(TAfschriftForm& afschrift) {
  TValdero& hoofd = hoofd_;
  afschrift_ = &afschrift;
  perNummer_[kAfschriftVenster] = &afschrift;
  QObject::connect(&afschrift, &TAfschriftForm::Gesloten, &hoofd, [&hoofd] { hoofd.MeldAf(kAfschriftVenster); });
}

bool Vensters::Importeer(int formaat) { return afschrift_ && afschrift_->Importeer(formaat); }

void Vensters::BewaarMutatiesAls() {
  if (afschrift_) afschrift_->BewaarBankbestandAls();
}

}  // namespace valdero
