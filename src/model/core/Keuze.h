#pragma once
// The chosen line of a list that was filled anew: kept where it still
// exists, else the nearest line; -1 for an empty list.

#include <algorithm>

namespace valdero {

inline int BinnenLijst(int gekozen, int aantal) {
  if (aantal <= 0) return -1;
  return std::clamp(gekozen, 0, aantal - 1);
}

}  // namespace valdero
