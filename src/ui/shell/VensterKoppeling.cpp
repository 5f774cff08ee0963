#include "ui/shell/VensterKoppeling.h"

#include "model/core/Kasboek.h"
#include "ui/export/TExportDataForm.h"
#include "ui/relations/TRelatieForm.h"
#include "ui/settings/TOptiesForm.h"
#include "ui/settings/TPersonDlg.h"
#include "ui/shell/TValdero.h"

namespace valdero {

void KoppelRelatiesOptiesExport(TValdero& hoofd, Kasboek& kb, TRelatieForm& relaties, TOptiesForm& opties,
                                TPersonDlg& persoon, TExportDataForm& export_) {
  VensterHaken& v = hoofd.Vensters();
  v.relaties = [&relaties, &hoofd] { return relaties.Open(&hoofd); };
  QObject::connect(&relaties, &TRelatieForm::Gesloten, &hoofd, [&hoofd] { hoofd.MeldAf(10); });
  v.perNummer[10] = &relaties;

  v.opties = [&opties, &hoofd](int pagina) { opties.Toon(pagina, &hoofd); };
  v.perNummer[7] = &opties;
  v.persoonsdata = [&persoon] { persoon.Toon(); };

  // The selection gives the account number, 0 for "0 Alle valdero bedragen";
  // the export window's position 0 is "all accounts" too.
  v.exporteren = [&export_, &kb](int rekNr) {
    if (rekNr == 0) return export_.Open(0);
    if (const auto positie = kb.ZoekRekening(rekNr)) export_.Open(*positie);
  };
  QObject::connect(&export_, &TExportDataForm::Gesloten, &hoofd, [&hoofd] { hoofd.MeldAf(9); });
  v.perNummer[9] = &export_;
}

}  // namespace valdero
