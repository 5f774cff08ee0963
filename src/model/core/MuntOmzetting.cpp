#include "model/core/MuntOmzetting.h"

#include <cmath>

#include "model/core/Kasboek.h"

namespace valdero {

double OmzetKoers(const Kasboek& kb) {
  if (kb.HulpMunt < 0 || kb.HulpMunt >= static_cast<int>(kb.ValutaLijst.size())) return 0;
  const double koers = kb.ValutaLijst[static_cast<std::size_t>(kb.HulpMunt)].Koers;
  return std::isfinite(koers) && koers > 0 ? koers : 0;
}

}  // namespace valdero
