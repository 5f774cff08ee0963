#include "model/core/MuntOmzetting.h"

#include <cmath>

#include "model/core/Kasboek.h"

namespace valdero {

double OmzetKoers(const Kasboek& kb) {
  if (kb.weergave.HulpMunt < 0 || kb.weergave.HulpMunt >= static_cast<int>(kb.ValutaLijst.size())) return 0;
  const double koers = kb.ValutaLijst[static_cast<std::size_t>(kb.weergave.HulpMunt)].Koers;
  return std::isfinite(koers) && koers > 0 ? koers : 0;
}

}  // namespace valdero
