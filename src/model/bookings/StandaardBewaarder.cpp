#include "bookings/StandaardBewaarder.h"

#include "core/BoekBestand.h"

namespace valdero {

BoekBewaarder StandaardBewaarder() {
  return [](Kasboek& kb) { BewaarBoek(kb, false); };
}

}  // namespace valdero
