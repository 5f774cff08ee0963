// The free search fills its grid on opening and searches again on every key
// the user types; both must stay quick on a large book.
#include <benchmark/benchmark.h>

#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/ScriptBerichten.h"
#include "model/search/ZoekModel.h"

namespace valdero {
namespace {

struct GrootBoek : BoekMetPoorten {
  explicit GrootBoek(int aantal) : BoekMetPoorten(MaakDatum(2025, 12, 31)) {
    kb.RekLijst.resize(2);
    kb.RekLijst[1].RekNr = 1;
    kb.RekLijst[1].Soort = "BT";
    kb.GroepLijst.resize(1);
    kb.KasLijst.resize(1);
    TValut eur;
    eur.Basis = 1;
    eur.Koers = 1;
    kb.ValutaLijst.push_back(eur);
    const char* relaties[] = {"Jansen Supermarkt", "Bakker de Vries", "Garage Jan", "Apotheek"};
    for (int i = 0; i < aantal; ++i) {
      TKas k;
      k.RekNr = 1;
      k.GroepKode = "430";
      k.Datum = MaakDatum(2025, 1, 1) + i % 365;
      k.Relatie = relaties[i % 4];
      k.Bedrag = -(i % 1000) / 4.0;
      k.Omschrijving = "boodschappen week " + std::to_string(i % 52);
      kb.KasLijst.push_back(k);
    }
    kb.HernummerKas();
  }
};

void BM_VrijZoekenOpenen(benchmark::State& state) {
  GrootBoek boek(static_cast<int>(state.range(0)));
  ZoekModel model(boek.kb);
  for (auto _ : state) {
    model.Open(kVrijeZoekModus);
    benchmark::DoNotOptimize(model.AantalRijen());
  }
}
BENCHMARK(BM_VrijZoekenOpenen)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_VrijZoekenOpOmschrijving(benchmark::State& state) {
  GrootBoek boek(static_cast<int>(state.range(0)));
  ZoekModel model(boek.kb);
  for (auto _ : state) {
    state.PauseTiming();
    model.Open(kVrijeZoekModus);
    model.KiesVeld(ZoekVeld::Opm);
    state.ResumeTiming();
    model.Zoek("WEEK 1");
    benchmark::DoNotOptimize(model.AantalRijen());
  }
}
BENCHMARK(BM_VrijZoekenOpOmschrijving)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdero
