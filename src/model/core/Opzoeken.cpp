#include "model/core/Opzoeken.h"

#include "model/core/Kasboek.h"

namespace valdero {

std::optional<int> VindValuta(const Kasboek& kb, const std::string& kode) {
  for (int i = 0; i < kb.AantalValuta(); ++i)
    if (kb.ValutaLijst[static_cast<std::size_t>(i)].Kode == kode) return i;
  return std::nullopt;
}

}  // namespace valdero
