#include <cmath>
#include <cstdlib>

#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/reports/RapportBouwers.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/RapportStand.h"
#include "model/reports/RapportTabel.h"
#include "model/reports/ReportSelection.h"

namespace valdero {

bool RapportStand::InPeriode(double datum) const { return std::floor(begin) <= datum && datum <= eind; }

double EersteDatum(const Kasboek& kb) { return kb.MaxKas() > 0 ? kb.KasLijst[1].Datum : 0; }
double LaatsteDatum(const Kasboek& kb) {
  return kb.MaxKas() > 0 ? kb.KasLijst[static_cast<std::size_t>(kb.MaxKas())].Datum : 0;
}

void PeriodeVoorCode(const Kasboek& kb, int code, double& begin, double& eind) {
  const int jaar = std::atoi(kb.KasJaar.c_str());
  if (code < 1 || code > 3 || !GeldigeDatum(jaar, 1, 1)) {
    begin = EersteDatum(kb);
    eind = LaatsteDatum(kb);
    return;
  }
  begin = MaakDatum(jaar, code == 3 ? 7 : 1, 1);
  eind = code == 2 ? MaakDatum(jaar, 6, 30) : MaakDatum(jaar, 12, 31);
}

std::vector<std::string> BepaalSubgroepen(Kasboek& kb, const std::string& kode, bool melden) {
  std::vector<std::string> sub;
  if (kode.size() > 3 || kode.size() < 3) {
    // A code of four characters is itself a subgroup; one of one or two is
    // an account's own group, which has none.
    if (kode.size() > 3 && melden) Mededeling(kb, "Groep = Subgroep ");
    if (kode.size() < 3 && melden) Mededeling(kb, "Geen Samengestelde groep");
    return sub;
  }
  for (int g = 1; g <= kb.MaxGroep() && sub.size() < 48; ++g) {
    const std::string& k = kb.GroepLijst[static_cast<std::size_t>(g)].Kode;
    if (k.size() >= 3 && k.compare(0, 3, kode) == 0 && k > kode) sub.push_back(k);
  }
  if (sub.empty() && melden) Mededeling(kb, "Geen Samengestelde groep");
  return sub;
}

RapportTabel BouwRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                         RijOntvanger* ontvanger) {
  RapportTabel tabel;
  tabel.ontvanger = ontvanger;
  if (ontvanger != nullptr) ontvanger->Begin();
  tabel.soort = stand.soort;
  tabel.afschrift = stand.afschrift && stand.soort == rapport::Rekening;
  switch (stand.soort) {
    case rapport::Rekening:
      if (stand.positie >= 1 && stand.positie <= kb.MaxRek()) BouwRekeningRapport(kb, stand, tabel);
      break;
    case rapport::Groep:
    case rapport::Samengesteld:
      if (stand.positie >= 1 && stand.positie <= kb.MaxGroep()) BouwGroepRapport(kb, stand, tabel);
      break;
    case rapport::Klassen:
      BouwKlasseRapport(kb, selectie, stand, tabel);
      break;
    case rapport::Relaties:
      BouwRelatieRapport(kb, selectie, stand, tabel);
      break;
    case rapport::AlleSaldi:
    case rapport::SaldiSelectie:
      BouwSaldiRapport(kb, selectie, stand, tabel);
      break;
    default:
      if (IsBudgetRapport(stand.soort)) BouwBudgetRapport(kb, selectie, stand, tabel);
      if (IsBalansRapport(stand.soort)) BouwBalansRapport(kb, selectie, stand, tabel);
      break;
  }
  return tabel;
}

}  // namespace valdero
