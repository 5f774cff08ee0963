#pragma once
// The readers of the six delimited layouts (formats 0 to 5).

#include <string>
#include <vector>

namespace valdero {

class BankLezer;

const BankLezer& OudeLezer(int formaat);
// Whether a data line's fields look like the layout.
bool OudFormaatHerkend(int formaat, const std::vector<std::string>& regels, const std::vector<std::string>& velden);

}  // namespace valdero
