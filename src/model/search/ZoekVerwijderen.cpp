#include "model/search/ZoekVerwijderen.h"

#include "model/bookings/Posten.h"

namespace valdero {

void VerwijderKasRecords(Kasboek& kb, std::vector<int> posities) {
  VerwijderBoekingen(kb, std::move(posities));
}

}  // namespace valdero
