#pragma once
// For the screenshot script only: VALDERO_SCREENSHOT=path:ms saves a picture
// of the whole screen after ms milliseconds and ends the program. While it is
// set, file dialogs are cancelled at once so that the state behind them can
// be pictured. With VALDERO_SCREENSHOT_VOORTGANG also set, the picture is
// taken as soon as a progress dialog shows.

void ZetSchermafdrukKlaar();

#include <QString>
#include <functional>

// With VALDERO_SCREENSHOT_COMMANDO naming a menu item by its path
// ("&Bestand|&Nieuw"), `kies` is called with it soon after the main window
// shows, so that the dialog it opens is in the picture. Several steps are
// separated by ";;" and run 700 ms apart; besides a menu path a step is
// "toets:Return" (a key to the focused widget; also Escape, Tab, Down, Up,
// Enter, Space), "tekst:abc" (typed into the focused widget) or
// "knop:ObjectName" (clicks that button in any window).
// VALDERO_SCREENSHOT_BESTANDSDIALOOG=1 leaves file dialogs open, so that
// they can be pictured too.
void ZetSchermafdrukCommando(std::function<void(const QString&)> kies);
