// How long a book of a busy year takes to read from and write to its file
// image (no disk involved): every posting saves the whole book.

#include <benchmark/benchmark.h>

#include "model/storage/BoekBestand.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/ScriptBerichten.h"

namespace valdero {
namespace {

struct BankBoek : BoekMetPoorten {
  explicit BankBoek(int transacties) : BoekMetPoorten(MaakDatum(2008, 3, 5)) {
    kb.RekLijst.resize(11);
    kb.RekLijst[0].Naam = "2008";
    for (int i = 1; i <= 10; ++i) kb.RekLijst[static_cast<std::size_t>(i)].RekNr = i;
    kb.GroepLijst.resize(61);
    kb.KasLijst.resize(static_cast<std::size_t>(transacties) + 1);
    for (int i = 1; i <= transacties; ++i) {
      TKas& kas = kb.KasLijst[static_cast<std::size_t>(i)];
      kas.RekNr = 1 + i % 10;
      kas.GroepKode = "201";
      kas.Datum = MaakDatum(2008, 1, 1) + i % 365;
      kas.Bedrag = -12.5;
      kas.Omschrijving = "Albert Heijn 1234 Amsterdam pasautomaat";
    }
    kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = true;
  }
};

void SchrijfBoekBench(benchmark::State& state) {
  BankBoek boek(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(SchrijfBoek(boek.kb));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SchrijfBoekBench)->Arg(1000)->Arg(10000);

void LeesBoekBench(benchmark::State& state) {
  BankBoek boek(static_cast<int>(state.range(0)));
  const auto beeld = SchrijfBoek(boek.kb);
  for (auto _ : state) {
    benchmark::DoNotOptimize(LeesBoek(boek.kb, beeld));
    benchmark::DoNotOptimize(boek.kb.KasLijst.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(LeesBoekBench)->Arg(1000)->Arg(10000);

}  // namespace
}  // namespace valdero
