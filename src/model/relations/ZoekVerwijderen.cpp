#include "relations/ZoekVerwijderen.h"

#include "bookings/Posten.h"

namespace valdero {

void VerwijderKasRecords(Kasboek& kb, std::vector<int> posities) {
  VerwijderBoekingen(kb, std::move(posities));
}

}  // namespace valdero
