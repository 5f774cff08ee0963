#include "model/bookings/GridKleur.h"

#include <cctype>

namespace valdero {
namespace {

// Amount columns hold digits with an optional leading minus; the last row's
// labels ("Eindsaldo : ", the currency code) are no amounts.
bool IsBedrag(const std::string& tekst) {
  bool cijfer = false;
  for (char c : tekst) {
    if (std::isdigit(static_cast<unsigned char>(c))) cijfer = true;
    else if (c != '-' && c != ',' && c != '.' && c != ' ') return false;
  }
  return cijfer;
}

}  // namespace

CelKleur KleurVanCel(const GridInhoud& grid, int gridModus, int rij, int kolom) {
  if (rij < 0 || rij >= static_cast<int>(grid.rijen.size())) return CelKleur::Gewoon;
  const auto& cellen = grid.rijen[static_cast<std::size_t>(rij)];
  if (kolom < 0 || kolom >= static_cast<int>(cellen.size())) return CelKleur::Gewoon;
  // The amounts start at "Bij" (column 4) in the transaction grids and are
  // the last column in the balances grid.
  const int eersteBedrag = gridModus == 1 ? static_cast<int>(grid.kop.size()) - 1 : 4;
  if (kolom < eersteBedrag) return CelKleur::Gewoon;
  const std::string& tekst = cellen[static_cast<std::size_t>(kolom)];
  if (!IsBedrag(tekst)) return CelKleur::Gewoon;
  return tekst.find('-') != std::string::npos ? CelKleur::Rood : CelKleur::Groen;
}

}  // namespace valdero
