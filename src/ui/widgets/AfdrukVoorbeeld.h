#pragma once
// "Afdrukken" in every window: Qt's print preview on the pages the printer
// would get, from which the user prints or saves a PDF. With no printer
// installed the preview still opens and saves PDF files.

#include <functional>

class QWidget;

namespace valdero {

class Kasboek;

// Opens the preview (window-modal, over `venster`) and returns. `druk` prints
// through the book's printer port exactly as the model prints; it runs for
// the preview's pages, for the print and for "Opslaan als PDF". `liggend` is
// the orientation the preview starts in. A book whose printer is not the
// system's (a PDF chosen by the caller) prints straight away.
void Afdrukken(QWidget* venster, Kasboek& kb, bool liggend, std::function<void()> druk);

}  // namespace valdero
