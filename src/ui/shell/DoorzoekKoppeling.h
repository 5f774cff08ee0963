#pragma once
// Plugs in what the overview window and the free search open on one
// transaction: the booking window to change it, its deletion, and the
// group overview of its group, relation or class; the groups manager's
// "Groep overzicht"; and the VAT overview of "&Btw berekening". The
// desktop program and the tests share it.

#include <functional>

namespace valdero {

class Kasboek;
class QtBoekingVensters;
class TBTWUitDlg;
class TBoekingForm;
class TBudbeheerForm;
class TGroepUitDlg;
class TOutputForm;
class TValdero;
class TZoekDlg;

// `bewaar` writes the book after a deletion; after a change saved in the
// booking window the overview and the free search show the book again.
void KoppelDoorzoeken(TValdero& hoofd, TOutputForm& overzicht, TZoekDlg& vrijZoeken, TGroepUitDlg& groepUit,
                      TBoekingForm& boeking, QtBoekingVensters& boekingVensters,
                      std::function<void(Kasboek&)> bewaar);

// "Groep overzicht" of the groups manager: the group report (kind 5) of the
// chosen group in the overview window.
void KoppelGroepBeheerOverzicht(TValdero& hoofd, TBudbeheerForm& beheer);

// "&Btw berekening": the VAT overview, a window of its own in the window
// list; closing it enables the menu entry again.
void KoppelBtwOverzicht(TValdero& hoofd, TBTWUitDlg& btw);

}  // namespace valdero
