#pragma once
// Plugs the relations window (10), the options window (7), the personal-data
// dialog and the export window (9) into the main window's hooks.

namespace valdero {

class Kasboek;
class TExportDataForm;
class TOptiesForm;
class TPersonDlg;
class TRelatieForm;
class TValdero;

void KoppelRelatiesOptiesExport(TValdero& hoofd, Kasboek& kb, TRelatieForm& relaties, TOptiesForm& opties,
                                TPersonDlg& persoon, TExportDataForm& export_);

}  // namespace valdero
