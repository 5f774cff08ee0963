#pragma once
// Plugs the overview window (window 5) and the selection dialog into the
// main window's hooks. The one ReportSelection is shared by the main
// window's launchers, the dialog and the overview window.

namespace valdero {

class TOutputForm;
class TSelectieDlg;
class TValdero;
struct ReportSelection;

void KoppelOverzicht(TValdero& hoofd, TOutputForm& overzicht, TSelectieDlg& selectieDlg,
                     ReportSelection& selectie);

}  // namespace valdero
