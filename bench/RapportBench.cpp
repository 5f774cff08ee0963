// The overview reports on the example year of 100 000 transactions: each
// benchmark opens the report (its rows and totals) and writes its text file
// in memory, as "&Opslaan " does.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/Printer.h"
#include "model/core/ScriptBerichten.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/Voortgang.h"
#include "model/example/VoorbeeldBoek.h"
#include "model/reports/RapportModel.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/ReportSelection.h"

namespace valdero {
namespace {

struct RapportBenchBoek : BoekMetPoorten {
  ReportSelection selectie;
  int grootsteRekening = 1;  // the account with the most transactions
  int grootsteGroep = 1;     // the group with the most transactions

  RapportBenchBoek() : BoekMetPoorten(MaakDatum(2026, 6, 15)) {
    MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = 100'000});
    std::map<int, int> perRekening;
    std::map<std::string, int> perGroep;
    for (int i = 1; i <= kb.MaxKas(); ++i) {
      ++perRekening[kb.KasLijst[static_cast<std::size_t>(i)].RekNr];
      ++perGroep[kb.KasLijst[static_cast<std::size_t>(i)].GroepKode];
    }
    int meest = 0;
    for (auto [nr, n] : perRekening)
      if (n > meest) meest = n, grootsteRekening = kb.ZoekRekening(nr).value_or(1);
    meest = 0;
    for (auto& [kode, n] : perGroep)
      if (n > meest && kb.ZoekGroep(kode).has_value()) meest = n, grootsteGroep = *kb.ZoekGroep(kode);
  }
};

RapportBenchBoek& Boek() {
  static RapportBenchBoek boek;
  return boek;
}

void Rapport(benchmark::State& state, int soort) {
  RapportBenchBoek& b = Boek();
  int index = 0;
  if (soort == rapport::Rekening) index = b.grootsteRekening;
  if (soort == rapport::Groep || soort == rapport::Samengesteld) index = b.grootsteGroep;
  if (soort == rapport::Relaties) b.selectie.Relaties = {"Supermarkt Vers", "Bakkerij Bol"};
  std::size_t rijen = 0, bytes = 0;
  for (auto _ : state) {
    BereidSelectieVoor(b.kb, b.selectie, soort);
    if (VraagVoor(soort) == SelectieVraag::Klassen) KiesAlleKlassen(b.kb, b.selectie);
    if (VraagVoor(soort) == SelectieVraag::Soorten) KiesAlleSoorten(b.kb, b.selectie);
    RapportModel model(b.kb, b.selectie);
    if (!model.ShowReport(soort, index)) state.SkipWithError("rapport niet geopend");
    const std::string tekst = model.OpslaanTekst(model.Tabel().breedtes, 10);
    rijen = model.Tabel().rijen.size();
    bytes = tekst.size();
    benchmark::DoNotOptimize(tekst.data());
    b.berichten.Wis();
  }
  state.counters["rijen"] = static_cast<double>(rijen);
  state.counters["bytes"] = static_cast<double>(bytes);
}

// A progress port that only counts what reaches it: the cost of reporting.
struct TelVoortgang : Voortgang {
  std::uint64_t meldingen = 0;
  void Begin(std::string_view, std::uint64_t) override { ++meldingen; }
  void Stap(std::uint64_t) override { ++meldingen; }
  void Einde() override { ++meldingen; }
};

// The largest transaction report with a progress port attached.
void BM_RapportKlassenMetVoortgang(benchmark::State& state) {
  TelVoortgang voortgang;
  Boek().kb.poorten.voortgang = voortgang;
  Rapport(state, rapport::Klassen);
  Boek().kb.poorten.voortgang = Boek().voortgang;
  state.counters["meldingen"] = static_cast<double>(voortgang.meldingen) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RapportKlassenMetVoortgang)->Unit(benchmark::kMillisecond);

void BM_RapportRekening(benchmark::State& s) { Rapport(s, rapport::Rekening); }
void BM_RapportGroep(benchmark::State& s) { Rapport(s, rapport::Groep); }
void BM_RapportSamengesteld(benchmark::State& s) { Rapport(s, rapport::Samengesteld); }
void BM_RapportKlassen(benchmark::State& s) { Rapport(s, rapport::Klassen); }
void BM_RapportRelaties(benchmark::State& s) { Rapport(s, rapport::Relaties); }
void BM_RapportBudget(benchmark::State& s) { Rapport(s, rapport::BudgetJaar); }
void BM_RapportBudgetTijdvak(benchmark::State& s) { Rapport(s, rapport::BudgetTijdvak); }
void BM_RapportBalans(benchmark::State& s) { Rapport(s, rapport::BalansJaar); }
void BM_RapportSaldi(benchmark::State& s) { Rapport(s, rapport::AlleSaldi); }
BENCHMARK(BM_RapportRekening)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapportGroep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapportSamengesteld)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapportKlassen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapportRelaties)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapportBudget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapportBudgetTijdvak)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapportBalans)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapportSaldi)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdero
