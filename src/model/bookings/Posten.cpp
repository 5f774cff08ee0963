#include "model/bookings/Posten.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "model/core/KasVolgorde.h"
#include "model/core/Kasboek.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"

namespace valdero {

int PlaatsKas(Kasboek& kb, TKas kas) {
  if (kb.KasLijst.empty()) kb.KasLijst.emplace_back();
  // The full order including the index: a changed record that keeps its index
  // goes back between the records it sat between.
  const auto plaats =
      std::upper_bound(kb.KasLijst.begin() + 1, kb.KasLijst.end(), kas, KasVoor);
  const auto positie = plaats - kb.KasLijst.begin();
  kb.KasLijst.insert(plaats, std::move(kas));
  kb.HernummerKas();
  return static_cast<int>(positie);
}

int VerwijderBoekingen(Kasboek& kb, std::vector<int> posities) {
  // From the bottom up, so that the positions still to go stay valid.
  std::sort(posities.begin(), posities.end(), std::greater<>());
  posities.erase(std::unique(posities.begin(), posities.end()), posities.end());
  int weg = 0;
  for (int p : posities) {
    if (p < 1 || p >= static_cast<int>(kb.KasLijst.size())) continue;
    const TKas& kas = kb.KasLijst[static_cast<std::size_t>(p)];
    // A record of a removed account or group has no cells to take back.
    static_cast<void>(HaalUitMatrix(kb, kas.GroepKode, kas.RekNr, kas.Bedrag));
    kb.KasLijst.erase(kb.KasLijst.begin() + p);
    ++weg;
  }
  kb.HernummerKas();
  return weg;
}

namespace {

const TInUit* Cel(const Kasboek& kb, std::size_t g, std::size_t a) {
  return kb.SaldoMatrix().Cel(g, a);
}

}  // namespace

double RekeningSaldo(const Kasboek& kb, int rekNr) {
  const auto a = kb.ZoekRekening(rekNr);
  if (!a) return 0;
  const TInUit* c =
      Cel(kb, static_cast<std::size_t>(kb.MaxGroep()) + 1, static_cast<std::size_t>(*a));
  return c ? c->In + c->Uit : 0;
}

double GroepSaldo(const Kasboek& kb, const std::string& groepKode) {
  const auto g = kb.ZoekGroep(groepKode);
  if (!g) return 0;
  const TInUit* c =
      Cel(kb, static_cast<std::size_t>(*g), static_cast<std::size_t>(kb.MaxRek()) + 1);
  return c ? c->In + c->Uit : 0;
}

BtwUitkomst BtwVanGroep(const Kasboek& kb, const std::string& groepKode) {
  BtwUitkomst uit;
  // A group that does not exist, or whose class does not, has no VAT: the
  // first class is not a stand-in for a missing one.
  const auto g = kb.ZoekGroep(groepKode);
  if (!g) return uit;
  const auto k = kb.ZoekKlasse(VulRechts(kb.GroepLijst[static_cast<std::size_t>(*g)].Klasse, 3));
  if (!k) return uit;
  const TKlasse02& kl = kb.KlasseLijst[static_cast<std::size_t>(*k)];
  std::string kop = kl.Omschrijving.substr(0, 3);
  for (char& c : kop) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (kop == "BTW") return uit;
  if (kl.BtwSoort == 1) uit.laag = kl.BtwPerc;
  else if (kl.BtwSoort == 2) uit.hoog = kl.BtwPerc;
  else return uit;
  uit.soort = kl.BtwSoort;
  return uit;
}

double BtwDeel(double bedrag, float percentage) {
  return percentage * bedrag / (percentage + 100.0);
}

void BiedRelatieAan(Kasboek& kb, const TKas& kas) {
  if (!kb.RelatiesAanwezig) return;
  if (kb.RelatieLijst.empty()) kb.RelatieLijst.emplace_back();
  for (std::size_t r = 1; r < kb.RelatieLijst.size(); ++r)
    if (kb.RelatieLijst[r].Rekening == kas.TegenRekNr) return;
  TRelat rel;
  rel.KasIndex = static_cast<int>(kb.RelatieLijst.size());
  rel.Naam = Kap(kas.Relatie, 32);
  rel.Rekening = Kap(kas.TegenRekNr, 12);
  kb.RelatieLijst.push_back(std::move(rel));
}

}  // namespace valdero
