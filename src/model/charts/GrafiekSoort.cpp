#include "model/charts/GrafiekSoort.h"

#include <algorithm>
#include <iterator>

namespace valdero {

bool IsGrafiekSoort(int soort) {
  return std::find(std::begin(kGrafiekSoorten), std::end(kGrafiekSoorten), soort) != std::end(kGrafiekSoorten);
}

GrafiekVorm VormVan(int soort) {
  if (soort <= grafiek::Klassen) return GrafiekVorm::Lijn;
  if (soort >= grafiek::AlleSaldi) return GrafiekVorm::Balken;
  return GrafiekVorm::Staven;
}

}  // namespace valdero
