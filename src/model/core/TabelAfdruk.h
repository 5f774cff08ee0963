#pragma once
// A table on paper through the printer port: the heading with the book's
// name, the title row, a rule, the rows, a closing rule and optional total
// lines, in the configured printer, orientation, margins and line height.
// Column widths are the window's grid widths scaled from 800 pixels to the
// page width, so the paper looks like the window.

#include <string>
#include <vector>

namespace valdero {

class Kasboek;

struct AfdrukTabel {
  std::string kop;
  std::string boekNaam;
  std::vector<std::string> titels;
  std::vector<int> breedtes;  // grid pixels per column
  std::vector<bool> rechts;   // right-aligned columns (amounts); may be shorter
  std::vector<std::vector<std::string>> rijen;
  std::vector<std::vector<std::string>> totalen;  // lines below the closing rule
};

// False when there is no printer or no document could begin; nothing is
// claimed printed then.
bool DrukTabel(Kasboek& kb, const AfdrukTabel& tabel);

}  // namespace valdero
