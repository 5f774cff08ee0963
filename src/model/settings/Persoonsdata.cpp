#include "model/settings/Persoonsdata.h"

#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"

namespace valdero {

const std::array<std::string, kPersoonsRegels>& PersoonsLabels() {
  static const std::array<std::string, kPersoonsRegels> labels{"Naam",   "Adres",    "Postcode",
                                                               "Plaats", "Telefoon", "Sofi Nr."};
  return labels;
}

std::array<std::string, kPersoonsRegels> LeesPersoonsdata(const Kasboek& kb) {
  return kb.Config.Persoonsdata;
}

void BewaarPersoonsdata(Kasboek& kb, const std::array<std::string, kPersoonsRegels>& velden) {
  for (std::size_t i = 0; i < velden.size(); ++i) kb.Config.Persoonsdata[i] = Kap(velden[i], kPersoonsLengte);
}

std::vector<std::string> EigenaarRegels(const Kasboek& kb) {
  std::vector<std::string> regels;
  if ((kb.Config.Vlaggen & vlag::NaamBovenRapport) == 0) return regels;
  for (const std::string& regel : kb.Config.Persoonsdata)
    if (!regel.empty()) regels.push_back(regel);
  return regels;
}

}  // namespace valdero
