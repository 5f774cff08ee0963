#include <algorithm>

#include "model/bookings/BoekingVensters.h"
#include "model/bookings/GroepHulp.h"

namespace valdero {

KiesResultaat VasteVensters::KiesRecord(int modus, const std::string& titel) {
  gevraagd.push_back({modus, titel});
  KiesResultaat r;
  if (keuzes.empty() || keuzes.front().posities.empty()) return r;
  Keuze k = keuzes.front();
  keuzes.erase(keuzes.begin());
  r.gekozen = true;
  r.posities = k.posities;
  std::sort(r.posities.begin(), r.posities.end());
  r.positie = r.posities.back();
  r.extraRijen = static_cast<int>(r.posities.size()) - 1;
  r.kopie = k.kopie;
  return r;
}

std::optional<std::string> VasteVensters::NieuweGroep(Kasboek& kb, const std::string& kode,
                                                      const std::string& titel,
                                                      const std::string& klasse) {
  if (!groepMaken || !VoegGroepToe(kb, kode, titel, klasse)) return std::nullopt;
  return kode;
}

}  // namespace valdero
