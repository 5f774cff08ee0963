#include "model/core/Kasboek.h"
#include "ui/export/TExportDataForm.h"
#include "ui/relations/TRelatieForm.h"
#include "ui/settings/TOptiesForm.h"
#include "ui/settings/TPersonDlg.h"
#include "ui/shell/TValdero.h"
#include "ui/shell/Vensters.h"

namespace valdero {

void Vensters::KoppelRelatiesOptiesExport(TRelatieForm& relaties, TOptiesForm& opties, TPersonDlg& persoon,
                                          TExportDataForm& exporteren) {
  TValdero& hoofd = hoofd_;
  relaties_ = &relaties;
  QObject::connect(&relaties, &TRelatieForm::Gesloten, &hoofd, [&hoofd] { hoofd.MeldAf(10); });
  perNummer_[10] = &relaties;

  opties_ = &opties;
  perNummer_[7] = &opties;
  persoon_ = &persoon;

  export_ = &exporteren;
  QObject::connect(&exporteren, &TExportDataForm::Gesloten, &hoofd, [&hoofd] { hoofd.MeldAf(9); });
  perNummer_[9] = &exporteren;
}

bool Vensters::OpenRelaties() { return relaties_ && relaties_->Open(&hoofd_); }

void Vensters::OpenOpties(int pagina) {
  if (opties_) opties_->Toon(pagina, &hoofd_);
}

void Vensters::OpenPersoonsdata() {
  if (persoon_) persoon_->Toon();
}

void Vensters::Exporteer(int rekNr) {
  if (!export_) return;
  // The selection gives the account number, 0 for "0 Alle valdero bedragen";
  // the export window's position 0 is "all accounts" too.
  if (rekNr == 0) return export_->Open(0);
  if (const auto positie = kb_.ZoekRekening(rekNr)) export_->Open(*positie);
}

}  // namespace valdero
