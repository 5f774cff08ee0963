#include "model/bookings/StandaardBewaarder.h"

#include "model/storage/BoekBestand.h"

namespace valdero {

BoekBewaarder StandaardBewaarder() {
  // A failed save is reported to the user by the save itself.
  return [](Kasboek& kb) { BewaarNaWijziging(kb); };
}

}  // namespace valdero
