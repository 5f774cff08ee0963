// Posting is the hot path: every save inserts its records in order, updates
// the balance matrix, renumbers and writes the whole book. These measure one
// ordinary booking and a split of ten items on a book of 100 000 records.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "model/bookings/BoekingModel.h"
#include "model/bookings/GroepHulp.h"
#include "model/storage/BoekBestand.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/ScriptBerichten.h"
#include "model/example/VoorbeeldBoek.h"

namespace valdero {
namespace {

struct PostBoek : BoekMetPoorten {
  // How the save is done: 0 not at all (the model's own work alone), 1 the
  // file image in memory (no disk), 2 the real save to a file.
  PostBoek(int aantal, int bewaarWijze)
      : BoekMetPoorten(MaakDatum(2026, 12, 31)) {
    berichten.standaardAntwoord = antwoord::Ja;
    MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = aantal});
    // Ten sub-groups for the split; the example year has a main code 410.
    for (char c = 'a'; c <= 'j'; ++c)
      VoegGroepToe(kb, std::string("410") + c, std::string("Deel ") + c, " U ");
    SorteerGroepenEnMatrix(kb);
    map = std::filesystem::temp_directory_path() / "valdero_bench_boeking";
    std::filesystem::create_directories(map);
    kb.sessie.Map = map;
    kb.sessie.KasPad = (map / (kb.sessie.KasNaam + ".vdr")).string();
    // An existing file: the save writes it without asking for a name.
    std::ofstream(kb.sessie.KasPad).put('\0');
    if (bewaarWijze == 2)
      bewaar = [](Kasboek& k) { BewaarNaWijziging(k); };
    else if (bewaarWijze == 1)
      bewaar = [this](Kasboek& k) { grootte = SchrijfBoek(k).size(); };
    else
      bewaar = [](Kasboek&) {};
  }
  ~PostBoek() { std::filesystem::remove_all(map); }

  VasteVensters vensters;
  std::filesystem::path map;
  std::size_t grootte = 0;
  BoekBewaarder bewaar;
};

void Vul(BoekingModel& m, const char* groep, const char* bedrag) {
  m.ZetTekst(veld::Datum, "15-6-2026");
  if (groep) m.ZetTekst(veld::Groep, groep);
  m.ZetTekst(veld::Bedrag, bedrag);
}

void BM_BoekEenRecord(benchmark::State& state) {
  PostBoek boek(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  BoekingModel model(boek.kb, boek.vensters, boek.vensters,
                     [&boek](Kasboek& k) { boek.bewaar(k); });
  model.Start(1, true);
  for (auto _ : state) {
    model.Start(1, false);
    Vul(model, "201", "12,50");
    model.Bewaar();
    boek.berichten.Wis();
  }
  state.counters["records"] = static_cast<double>(boek.kb.MaxKas());
}
// Arguments: transactions in the book, how the save is done (see PostBoek).
BENCHMARK(BM_BoekEenRecord)
    ->Args({1000, 2})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Unit(benchmark::kMillisecond);

void BM_SplitVanTien(benchmark::State& state) {
  PostBoek boek(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  BoekingModel model(boek.kb, boek.vensters, boek.vensters,
                     [&boek](Kasboek& k) { boek.bewaar(k); });
  model.Start(1, true);
  for (auto _ : state) {
    model.Start(2, false);
    Vul(model, "410", "100");
    model.Bewaar();  // answers Ja: continues with 410a
    for (int i = 0; i < 10 && model.Stand().panelZichtbaar; ++i) {
      Vul(model, nullptr, "10");
      model.Bewaar();
    }
    boek.berichten.Wis();
  }
  state.counters["records"] = static_cast<double>(boek.kb.MaxKas());
}
BENCHMARK(BM_SplitVanTien)->Args({100000, 0})->Args({100000, 2})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdero
