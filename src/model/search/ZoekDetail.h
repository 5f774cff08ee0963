#pragma once
// The whole record behind a row of the free search, as the detail grid
// (`TransActieGrid`) shows it: four columns of label and value pairs.

#include <array>
#include <optional>
#include <string>

namespace valdero {

class Kasboek;
struct TKas;

using TransActieTekst = std::array<std::array<std::string, 4>, 6>;

TransActieTekst TransActieVan(Kasboek& kb, const TKas& kas);

}  // namespace valdero
