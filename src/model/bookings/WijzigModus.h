#pragma once
// The mode in which another window (the free search, an overview) opens the
// booking window to change one record: securities records in the securities
// change mode, so that the panel shows their shares and price.

#include "model/bookings/BoekModi.h"
#include "model/core/Records.h"

namespace valdero {

inline int WijzigModusVoor(const TKas& kas) {
  return kas.Belegging ? modus::ExternEffWijzigen : modus::ExternWijzigen;
}

}  // namespace valdero
