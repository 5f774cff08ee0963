#include "model/shell/StatusTeksten.h"

#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"

namespace valdero {

std::string BasisMuntTekst(const Kasboek& kb, int lengte) {
  if (kb.BasisMunt < 0 || kb.BasisMunt >= static_cast<int>(kb.ValutaLijst.size())) return {};
  return "BasisMunt: " + Kap(kb.ValutaLijst[static_cast<std::size_t>(kb.BasisMunt)].Naam, lengte);
}

}  // namespace valdero
