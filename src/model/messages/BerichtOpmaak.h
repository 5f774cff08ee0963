#pragma once
// What the message dialog shows and how it is laid out, without any widget:
// its caption, its buttons (name, caption, result), which of them answer
// Enter and Escape, and the measures that scale with the dialog font.

#include <array>
#include <string>
#include <vector>

#include "model/core/Berichten.h"

namespace valdero {

struct BerichtKnop {
  int bit;                 // the value in the button set
  const char* naam;        // the object name of the button
  const char* opschrift;   // with the accelerator mark
  int resultaat;           // 0 for Help: it answers nothing, it opens help
};

// Every button in bit order: the order in which they appear.
const std::array<BerichtKnop, 13>& AlleBerichtKnoppen();
// The buttons of a set, left to right.
std::vector<BerichtKnop> KnoppenVan(int knoppen);

// The bit of the button that Enter presses and the one that Escape presses;
// 0 when the set has none of the candidates.
int StandaardKnop(int knoppen);
int AnnuleerKnop(int knoppen);

// The caption of a kind; the Titel kind uses the application title.
std::string BerichtTitel(BerichtSoort soort, const std::string& applicatieTitel);

// Measures in pixels from the font's average letter width cx and text
// height cy (dialog units of 1/4 cx and 1/8 cy).
struct BerichtMaten {
  int margeX, margeY;      // around everything
  int ruimteX, ruimteY;    // icon to text, text to buttons
  int knopBreedte, knopHoogte, knopTussen;
};
BerichtMaten MaatVoorFont(int cx, int cy);

// The icon is this square; the text block is at least as high.
inline constexpr int kIcoonMaat = 32;

// Where everything goes, from the measured text block (already wrapped).
struct BerichtIndeling {
  int breedte = 0, hoogte = 0;  // client area
  int tekstX = 0, tekstY = 0, tekstBreedte = 0, tekstHoogte = 0;
  int icoonX = 0, icoonY = 0;
  int knoppenX = 0, knoppenY = 0;  // left top of the first button
};
BerichtIndeling DeelBerichtIn(const BerichtMaten& m, int tekstBreedte, int tekstHoogte,
                              bool metIcoon, int aantalKnoppen);

// Message texts use "\r" (and "\n\r" in the error report) as line breaks;
// turns every such break into one "\n".
std::string RegelEinden(const std::string& tekst);

}  // namespace valdero
