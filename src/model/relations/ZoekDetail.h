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

// The VAT class of a group: kind 0 none, 1 low rate, 2 high rate, with the
// class's percentage.
struct GroepBtw {
  int soort = 0;
  float perc = 0;
};
// TODO(booking model): replace by the booking model's VAT lookup once it is
// on main; this follows the same rules.
GroepBtw BtwVanGroep(const Kasboek& kb, const std::string& groepKode);

TransActieTekst TransActieVan(Kasboek& kb, const TKas& kas);

}  // namespace valdero
