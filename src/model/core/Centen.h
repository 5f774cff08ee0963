#pragma once
// Amounts in whole cents for the sums and comparisons that decide what is
// shown or written: 0.1 + 0.2 - 0.3 is not zero as a double, but it is zero
// cents, so a total that should vanish does.

#include <cmath>
#include <cstdint>

namespace valdero {

// The amount rounded to whole cents; what no 64-bit count of cents holds
// (NaN, infinity, beyond 9e16) counts as 0.
inline std::int64_t Centen(double bedrag) {
  const double c = std::round(bedrag * 100);
  if (!(std::fabs(c) < 9e16)) return 0;
  return static_cast<std::int64_t>(c);
}

inline double UitCenten(std::int64_t centen) { return static_cast<double>(centen) / 100; }

}  // namespace valdero
