#pragma once
// The colour of a cell of the booking grid: amounts and balances of 0 or more
// green, negative ones red, everything else in the grid's own colour.

#include "model/bookings/BoekingModel.h"

namespace valdero {

enum class CelKleur { Gewoon, Groen, Rood };

// `rij` and `kolom` are 0-based positions in `grid.rijen`.
CelKleur KleurVanCel(const GridInhoud& grid, int gridModus, int rij, int kolom);

}  // namespace valdero
