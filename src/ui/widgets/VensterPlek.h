#pragma once
// Where the program's windows open: at a fixed distance from the main
// window's top-left corner (its frame), never at the screen's corner over
// the main window's menu bar. And Escape closes a window that holds nothing
// the user typed.

#include <QPoint>

class QWidget;

namespace valdero {

// Standard distances from the main window's corner.
inline constexpr QPoint kOnderMenu(0, 105);          // below the menus and tool bars
inline constexpr QPoint kOnderMenuRechts(135, 105);  // the booking window's place
inline constexpr QPoint kRapportPlek(0, 93);       // the overview window

// The main window of `venster` (the window of its parent), or null.
QWidget* HoofdvensterVan(const QWidget& venster);

// Moves `venster` to `afstand` from the main window's corner; nothing when
// it has no main window.
void PlaatsBijHoofdvenster(QWidget& venster, QPoint afstand);
void PlaatsBijHoofdvenster(QWidget& venster, const QWidget* hoofdvenster, QPoint afstand);

// Escape closes `venster` (a window without input of its own to lose).
void SluitMetEscape(QWidget& venster);

}  // namespace valdero
