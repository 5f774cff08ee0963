#include "model/reports/RapportTabel.h"

#include "model/reports/RapportSoort.h"

namespace valdero {

bool RapportTabel::IsBedragKolom(int kolom) const {
  if (soort == rapport::Rekening && afschrift) return kolom == 6 || kolom == 7;
  if (soort == rapport::Samengesteld && subgroepen > 0) return kolom >= 4 && kolom <= subgroepen + 4;
  if (IsTransactieRapport(soort)) return kolom == 4 || kolom == 5;
  if (IsBalansRapport(soort)) return kolom >= 2 && kolom <= 7;
  if (soort == rapport::Btw) return kolom >= 1 && kolom <= 4;
  return kolom >= 2 && kolom <= 5;
}

void RapportTabel::VoegToe(RapportRij&& rij) {
  if (ontvanger == nullptr) {
    rijen.push_back(std::move(rij));
    return;
  }
  ++doorgegeven;
  ontvanger->Rij(*this, std::move(rij));
}

std::string RapportTabel::KopRegel(int nr) const {
  const auto p = kop.find(kKopRegelEinde);
  if (p == std::string::npos) return nr == 0 ? kop : std::string();
  return nr == 0 ? kop.substr(0, p) : kop.substr(p + 2);
}

}  // namespace valdero
