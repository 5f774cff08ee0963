#pragma once
// How the booking window plugs into the main window: the menus, buttons and
// pop-ups open it with their tag as mode (window 4 of the window list), it
// blocks the menu it came from while a record is on its panel, and the free
// search's "&Wijzigen" opens one record in it.

namespace valdero {

class TBoekingForm;
class TValdero;
class TZoekDlg;

void KoppelBoekingVenster(TValdero& hoofd, TBoekingForm& boeking, TZoekDlg& vrijZoeken);

}  // namespace valdero
