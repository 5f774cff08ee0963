#pragma once

#include <vector>
// The measures one printout is laid out with, taken when it starts: the
// configured margins and line height, but never a line lower than the
// printer font's own (its height at the printer's resolution, times 1.2),
// so that lines cannot overlap whatever printer or font the configuration
// was made with. Also the one message for a printout that did not come out.

namespace valdero {

class Kasboek;
class Printer;

struct AfdrukMaten {
  int marge = 0;       // left margin
  int boven = 0;       // top margin
  int regel = 1;       // line height
  int teken = 1;       // average character width + 1
  int onderkant = 0;   // the lowest y a line may end at

  // Whether a line starting at y would run past the bottom margin.
  bool PastNiet(int y, int regels = 1) const { return y + regels * regel > onderkant; }
};

// Measures the printer with the font it has now.
AfdrukMaten MeetAfdruk(const Kasboek& kb, const Printer& printer);

// Column widths for a printout. The `heel` columns (numbers, amounts, dates,
// account numbers: a cut one reads as another) get at least their `nodig`
// width; with `tekstGroeit` the others get theirs too when the page has room
// for all. What the page then lacks is taken from the other columns, the
// widest first, down to half their width; when even that is not enough the
// widths stay as given.
std::vector<int> VerdeelBreedtes(const std::vector<int>& breedtes, const std::vector<int>& nodig,
                                 const std::vector<bool>& heel, int ruimte, bool tekstGroeit);

// "Afdrukken niet gelukt" as an error through the book's messages.
void MeldAfdrukMislukt(Kasboek& kb);

}  // namespace valdero
