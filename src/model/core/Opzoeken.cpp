#include "model/core/Opzoeken.h"

#include "model/core/Kasboek.h"

namespace valdero {

std::optional<int> VindRekening(const Kasboek& kb, int rekNr) {
  for (int i = 1; i <= kb.MaxRek() && i < static_cast<int>(kb.RekLijst.size()); ++i)
    if (kb.RekLijst[static_cast<std::size_t>(i)].RekNr == rekNr) return i;
  return std::nullopt;
}

std::optional<int> VindGroep(const Kasboek& kb, const std::string& kode) {
  for (int i = 1; i <= kb.MaxGroep() && i < static_cast<int>(kb.GroepLijst.size()); ++i)
    if (kb.GroepLijst[static_cast<std::size_t>(i)].Kode == kode) return i;
  return std::nullopt;
}

std::optional<int> VindKlasse(const Kasboek& kb, const std::string& letter) {
  for (int i = 0; i < kb.AantalKlassen && i < static_cast<int>(kb.KlasseLijst.size()); ++i)
    if (kb.KlasseLijst[static_cast<std::size_t>(i)].Letter == letter) return i;
  return std::nullopt;
}

std::optional<int> VindValuta(const Kasboek& kb, const std::string& kode) {
  for (int i = 0; i < kb.AantalValuta && i < static_cast<int>(kb.ValutaLijst.size()); ++i)
    if (kb.ValutaLijst[static_cast<std::size_t>(i)].Kode == kode) return i;
  return std::nullopt;
}

}  // namespace valdero
