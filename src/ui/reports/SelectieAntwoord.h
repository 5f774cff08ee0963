#pragma once
// What the selection dialog of the reports answered; the main window's hook
// for the dialog hands it on.

namespace valdero {

struct SelectieAntwoord {
  bool bevestigd = false;
  bool klassenGekozen = false;
  bool relatieGekozen = false;
};

}  // namespace valdero
