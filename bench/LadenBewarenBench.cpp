// Loading and saving a large book: a year of 100 000 transactions from the
// example generator, written once into a temporary folder.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/ConfigBestand.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/Printer.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/Voortgang.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/ScriptBerichten.h"
#include "model/example/VoorbeeldBoek.h"

namespace valdero {
namespace {

constexpr int kTransacties = 100'000;

struct BenchBoek : BoekMetPoorten {
  explicit BenchBoek(const std::filesystem::path& map) : BoekMetPoorten(MaakDatum(2026, 6, 1)) {
    kb.sessie.Map = map;
    kb.sessie.KasNaam = "Valdr26";
    kb.sessie.KasPad = "Valdr26.vdr";
    kb.sessie.ConfigPad = "Valdr26.cfg";
  }
};

// The folder with the big book, made on first use and removed at exit.
const std::filesystem::path& GroteBoekMap() {
  static const std::filesystem::path map = [] {
    std::string sjabloon = (std::filesystem::temp_directory_path() / "valdero-bench-XXXXXX").string();
    if (::mkdtemp(sjabloon.data()) == nullptr) std::abort();
    const std::filesystem::path p = sjabloon;
    BenchBoek b(p);
    std::string fout;
    if (!SchrijfVoorbeeldBoek(b.kb, {.jaar = 2026, .transacties = kTransacties}, fout)) std::abort();
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(GroteBoekMap(), ec);
    });
    return p;
  }();
  return map;
}

// (a) What a load reads and derives: the book, its configuration, the matrix.
void BM_OpenBoekLeesConfigBouwSaldoMatrix(benchmark::State& state) {
  const auto& map = GroteBoekMap();
  for (auto _ : state) {
    BenchBoek b(map);
    const bool gelukt = OpenBoek(b.kb, false).Gelukt() && LeesConfig(b.kb).Gelukt() &&
                        BouwSaldoMatrix(b.kb).Gelukt();
    if (!gelukt || b.kb.MaxKas() != kTransacties) state.SkipWithError("boek niet geladen");
    benchmark::DoNotOptimize(b.kb.SaldoMatrix());
  }
  state.SetItemsProcessed(state.iterations() * kTransacties);
}
BENCHMARK(BM_OpenBoekLeesConfigBouwSaldoMatrix)->Unit(benchmark::kMillisecond);

// The whole start-up load, with the sorting of the lists by the
// configuration's order.
void BM_StartBoek(benchmark::State& state) {
  const auto& map = GroteBoekMap();
  for (auto _ : state) {
    BenchBoek b(map);
    StartBoek(b.kb, true);
    if (b.kb.MaxKas() != kTransacties) state.SkipWithError("boek niet geladen");
    benchmark::DoNotOptimize(b.kb.SaldoMatrix());
  }
}
BENCHMARK(BM_StartBoek)->Unit(benchmark::kMillisecond);

// (b) One full save of the loaded book, as after every posting.
void BM_BewaarBoek(benchmark::State& state) {
  BenchBoek b(GroteBoekMap());
  if (!OpenBoek(b.kb, false).Gelukt() || !LeesConfig(b.kb).Gelukt()) state.SkipWithError("boek niet geladen");
  b.kb.sessie.EersteBewaring = false;  // the steady state: no backup any more
  for (auto _ : state) {
    if (!BewaarBoek(b.kb, false).Gelukt()) state.SkipWithError("niet bewaard");
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(b.kb.Pad(b.kb.sessie.KasPad))));
}
BENCHMARK(BM_BewaarBoek)->Unit(benchmark::kMillisecond);

// A progress port that only counts what reaches it: the cost of reporting.
struct TelVoortgang : Voortgang {
  std::uint64_t meldingen = 0;
  void Begin(std::string_view, std::uint64_t) override { ++meldingen; }
  void Stap(std::uint64_t) override { ++meldingen; }
  void Einde() override { ++meldingen; }
};

// The same save with a progress port attached, as in the programs.
void BM_BewaarBoekMetVoortgang(benchmark::State& state) {
  BenchBoek b(GroteBoekMap());
  TelVoortgang voortgang;
  b.kb.poorten.voortgang = voortgang;
  if (!OpenBoek(b.kb, false).Gelukt() || !LeesConfig(b.kb).Gelukt()) state.SkipWithError("boek niet geladen");
  b.kb.sessie.EersteBewaring = false;
  voortgang.meldingen = 0;
  for (auto _ : state) {
    if (!BewaarBoek(b.kb, false).Gelukt()) state.SkipWithError("niet bewaard");
  }
  state.counters["meldingen"] = static_cast<double>(voortgang.meldingen) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_BewaarBoekMetVoortgang)->Unit(benchmark::kMillisecond);

// Building the example year itself.
void BM_MaakVoorbeeldBoek(benchmark::State& state) {
  for (auto _ : state) {
    BenchBoek b(GroteBoekMap());
    MaakVoorbeeldBoek(b.kb, {.jaar = 2026, .transacties = kTransacties});
    benchmark::DoNotOptimize(b.kb.KasLijst.data());
  }
}
BENCHMARK(BM_MaakVoorbeeldBoek)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdero
