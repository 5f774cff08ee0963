#pragma once
// Plugs the chart window (window 6) into the main window's hooks; it shares
// the one ReportSelection with the launchers and the selection dialog. The
// groups manager's "Groep grafiek" opens the chart of its group.

namespace valdero {

class TBudbeheerForm;
class TGrafiekForm;
class TValdero;
struct ReportSelection;

void KoppelGrafiek(TValdero& hoofd, TGrafiekForm& grafiek, ReportSelection& selectie, TBudbeheerForm& groepBeheer);

}  // namespace valdero
