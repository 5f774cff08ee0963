#include "bookings/BoekingVensters.h"
#include "bookings/GroepHulp.h"

namespace valdero {

Keuze VasteVensters::KiesBoeking(Kasboek&, const KiesVraag& vraag) {
  gevraagd.push_back(vraag);
  if (keuzes.empty()) return {};
  Keuze k = keuzes.front();
  keuzes.erase(keuzes.begin());
  return k;
}

std::optional<std::string> VasteVensters::NieuweGroep(Kasboek& kb, const std::string& kode,
                                                      const std::string& titel,
                                                      const std::string& klasse) {
  if (!groepMaken || !VoegGroepToe(kb, kode, titel, klasse)) return std::nullopt;
  return kode;
}

}  // namespace valdero
