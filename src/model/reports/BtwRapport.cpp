#include "model/reports/BtwRapport.h"

#include <optional>
#include <unordered_map>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/core/Voortgang.h"
#include "model/reports/RapportHulp.h"
#include "model/reports/RapportSoort.h"

namespace valdero {
namespace {

constexpr const char* kBetaalSoort = "BT";

// The VAT kind and rate of every group, decided once per build.
struct GroepBtw {
  int soort = 0;  // 0 none, 1 low, 2 high
  double perc = 0;
};

}  // namespace

double BtwIn(double bedrag, double percentage) {
  if (percentage <= 0) return 0;
  return percentage * bedrag / (percentage + 100.0);
}

void BtwSommen::Tel(const BtwSommen& s) {
  uitHoog += s.uitHoog;
  uitLaag += s.uitLaag;
  inHoog += s.inHoog;
  inLaag += s.inLaag;
}

BtwRapport BouwBtwRapport(Kasboek& kb, int rekNr) {
  BtwRapport o;
  o.rekNr = rekNr;
  if (rekNr != 0) {
    const auto a = kb.ZoekRekening(rekNr);
    const std::string naam = a ? kb.RekLijst[static_cast<std::size_t>(*a)].Naam : std::string();
    o.kop = "INKOMSTEN en UITGAVEN  R E K E N I N G  Nr: " + std::to_string(rekNr) + "  Jaar:" + kb.KasJaar +
            kKopRegelEinde + "Rekening Naam :" + naam;
  } else {
    o.kop = "INKOMSTEN en UITGAVEN alle REKENINGEN  Jaar:" + kb.KasJaar;
  }

  // The rows, and where each account's sums go.
  std::unordered_map<int, std::size_t> rijVan;
  for (int a = 1; a <= kb.MaxRek(); ++a) {
    const TBank& rek = kb.RekLijst[static_cast<std::size_t>(a)];
    const bool mee = rekNr != 0 ? rek.RekNr == rekNr : rek.Soort == kBetaalSoort;
    if (!mee || rijVan.count(rek.RekNr)) continue;
    rijVan.emplace(rek.RekNr, o.rijen.size());
    o.rijen.push_back({rek.RekNr, {}});
  }
  if (rekNr != 0 && o.rijen.empty()) {
    rijVan.emplace(rekNr, 0);
    o.rijen.push_back({rekNr, {}});
  }

  // Class letter -> its VAT; group code -> the VAT of its class.
  std::unordered_map<std::string, GroepBtw> klasseBtw;
  for (std::size_t i = 0; i < kb.KlasseLijst.size(); ++i) {
    const TKlasse02& k = kb.KlasseLijst[i];
    klasseBtw.emplace(VulRechts(k.Letter, 3), GroepBtw{k.BtwSoort == 1 || k.BtwSoort == 2 ? k.BtwSoort : 0, k.BtwPerc});
  }
  std::unordered_map<std::string, GroepBtw> groepBtw;
  for (int g = kb.MaxGroep(); g >= 1; --g) {
    const TBudget& groep = kb.GroepLijst[static_cast<std::size_t>(g)];
    const auto k = klasseBtw.find(VulRechts(groep.Klasse, 3));
    groepBtw[groep.Kode] = k == klasseBtw.end() ? GroepBtw{} : k->second;
  }

  // The progress ends with the walk: the message below belongs to the
  // finished overview.
  std::optional<VoortgangMelder> melder;
  melder.emplace(kb.voortgang(), "BTW-overzicht opbouwen", static_cast<std::uint64_t>(kb.MaxKas()));
  for (int i = 1; i <= kb.MaxKas(); ++i) {
    const TKas& kas = kb.KasLijst[static_cast<std::size_t>(i)];
    melder->Stap(static_cast<std::uint64_t>(i));
    const auto rij = rijVan.find(kas.RekNr);
    if (rij == rijVan.end()) continue;
    const auto g = groepBtw.find(kas.GroepKode);
    if (g == groepBtw.end()) {
      ++o.overgeslagen;
      continue;
    }
    if (g->second.soort == 0) continue;
    const double btw = BtwIn(kas.Bedrag, g->second.perc);
    BtwSommen& s = o.rijen[rij->second].sommen;
    // A refund in an expense group is money in: VAT in income.
    if (g->second.soort == 1)
      (kas.Bedrag > 0 ? s.inLaag : s.uitLaag) += btw;
    else
      (kas.Bedrag > 0 ? s.inHoog : s.uitHoog) += btw;
  }
  melder.reset();
  for (const BtwRij& r : o.rijen) o.totaal.Tel(r.sommen);
  if (o.overgeslagen > 0) kb.berichten().BerichtDlg(kBtwFout, BerichtSoort::Fout, knop::OK);
  return o;
}

RapportTabel BtwTabel(Kasboek& kb, const BtwRapport& o) {
  RapportTabel t;
  t.soort = rapport::Btw;
  t.kop = o.kop;
  t.titels = {"Rek.", "BTWUit_hoog", "BTWUit_laag", "BTWIn_hoog", "BTWIn-Laag"};
  t.breedtes = {42, 96, 96, 96, 96};
  for (const BtwRij& r : o.rijen) {
    RapportRij rij;
    rij.cellen = {std::to_string(r.rekNr), RapportBedrag(kb, r.sommen.uitHoog), RapportBedrag(kb, r.sommen.uitLaag),
                  RapportBedrag(kb, r.sommen.inHoog), RapportBedrag(kb, r.sommen.inLaag)};
    t.rijen.push_back(std::move(rij));
  }
  if (o.rekNr == 0)
    t.totalen.push_back({"TOTAAL  " + MuntKode(kb),
                         {SaldoVeld(kb, o.totaal.uitHoog), SaldoVeld(kb, o.totaal.uitLaag),
                          SaldoVeld(kb, o.totaal.inHoog), SaldoVeld(kb, o.totaal.inLaag)},
                         true});
  t.geselecteerd = static_cast<int>(t.rijen.size()) - 1;
  return t;
}

}  // namespace valdero
