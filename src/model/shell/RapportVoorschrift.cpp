#include "model/shell/RapportVoorschrift.h"

namespace valdero {

RapportVoorschrift VoorschriftVoor(int tag) {
  const bool budget = tag >= 1 && tag <= 6;
  if (budget) {
    switch (tag) {
      case 3: return {KlassenKeuze::Maand, 12, false, false};
      case 4: return {KlassenKeuze::Alle, 4, false, false};
      case 6: return {KlassenKeuze::Leeg, 1, true, false};
      default: return {KlassenKeuze::Alle, 1, false, false};
    }
  }
  return VoorschriftVoorRapport(tag);
}

RapportVoorschrift VoorschriftVoorRapport(int tag) {
  const int mode = tag >= 100 ? tag - 100 : tag;
  switch (mode) {
    case 10: case 16: return {KlassenKeuze::Leeg, 1, true, false};
    case 12: case 22: return {KlassenKeuze::Maand, 12, false, false};
    case 13: case 23: return {KlassenKeuze::Alle, 4, false, false};
    case 15: case 25: case 32: return {KlassenKeuze::Leeg, 1, true, false};
    case 31: return {KlassenKeuze::Alle, 1, false, true};
    default: return {KlassenKeuze::Alle, 1, false, false};
  }
}

}  // namespace valdero
