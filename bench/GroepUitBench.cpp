// The VAT overview and the group overview on the example year of 100 000
// transactions: the VAT sums of every paying account, and the group
// overview of the busiest group's class over all accounts, as the free
// search opens it.

#include <benchmark/benchmark.h>

#include <map>

#include "model/core/BoekMetPoorten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/example/VoorbeeldBoek.h"
#include "model/reports/BtwRapport.h"
#include "model/reports/GroepRapport.h"

namespace valdero {
namespace {

struct GroepUitBenchBoek : BoekMetPoorten {
  int grootsteGroep = 1;  // the group with the most transactions
  int laatsteKas = 1;     // a transaction with a relation, for the relation overview

  GroepUitBenchBoek() : BoekMetPoorten(MaakDatum(2026, 6, 15)) {
    MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = 100'000});
    std::map<std::string, int> perGroep;
    for (int i = 1; i <= kb.MaxKas(); ++i) {
      const TKas& kas = kb.KasLijst[static_cast<std::size_t>(i)];
      ++perGroep[kas.GroepKode];
      if (!kas.Relatie.empty()) laatsteKas = i;
    }
    int meest = 0;
    for (auto& [kode, n] : perGroep)
      if (n > meest && kb.ZoekGroep(kode).has_value()) meest = n, grootsteGroep = *kb.ZoekGroep(kode);
  }
};

GroepUitBenchBoek& Boek() {
  static GroepUitBenchBoek boek;
  return boek;
}

void BtwAlleRekeningen(benchmark::State& state) {
  GroepUitBenchBoek& b = Boek();
  for (auto _ : state) {
    const RapportTabel t = BtwTabel(b.kb, BouwBtwRapport(b.kb, 0));
    benchmark::DoNotOptimize(t.rijen.size());
  }
}
BENCHMARK(BtwAlleRekeningen)->Unit(benchmark::kMillisecond);

void GroepOverzichtModus(benchmark::State& state) {
  GroepUitBenchBoek& b = Boek();
  const int modus = static_cast<int>(state.range(0));
  const int index = modus == groeprapport::RelatieAlle ? b.laatsteKas : b.grootsteGroep;
  GroepRapportModel model(b.kb);
  std::size_t rijen = 0;
  for (auto _ : state) {
    model.Toon(modus, 0, index);
    rijen = model.Tabel().rijen.size();
  }
  state.counters["rijen"] = static_cast<double>(rijen);
}
BENCHMARK(GroepOverzichtModus)
    ->Arg(groeprapport::GroepAlle)
    ->Arg(groeprapport::RelatieAlle)
    ->Arg(groeprapport::KlasseAlle)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdero
