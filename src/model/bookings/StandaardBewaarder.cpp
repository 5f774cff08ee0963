#include "model/bookings/StandaardBewaarder.h"

#include "model/storage/BoekBestand.h"

namespace valdero {

BoekBewaarder StandaardBewaarder() {
  return [](Kasboek& kb) { BewaarBoek(kb, false); };
}

}  // namespace valdero
