#pragma once
// Plugs the accounts window (window 1), the budget window (windows 2 and 3)
// and the accounts manager into the main window: its menus, tool buttons
// and the action panel's "Rekeningen", the window list, and the refill of
// the budget window when accounts bring or take their groups. The desktop
// program and the tests share it.

namespace valdero {

class TBudgetForm;
class TRekbeheerForm;
class TRekenForm;
class TValdero;
struct ReportSelection;

void KoppelRekeningEnBudget(TValdero& hoofd, TRekenForm& rekeningen, TRekbeheerForm& beheer, TBudgetForm& budget,
                            const ReportSelection* selectie = nullptr);

}  // namespace valdero
