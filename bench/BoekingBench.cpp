// Posting is the hot path: every save inserts its records in order, updates
// the balance matrix, renumbers and writes the whole book. These measure one
// ordinary booking and a split of ten items on a book of 100 000 records.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bookings/BoekingModel.h"
#include "core/BoekBestand.h"
#include "core/Datum.h"
#include "core/KasVolgorde.h"
#include "core/Kasboek.h"
#include "core/Klok.h"
#include "core/SaldoMatrix.h"
#include "core/ScriptBerichten.h"

namespace valdero {
namespace {

struct PostBoek {
  // How the save is done: 0 not at all (the model's own work alone), 1 the
  // file image in memory (no disk), 2 the real save to a file.
  PostBoek(int aantal, int bewaarWijze)
      : klok(MaakDatum(2026, 12, 31)), kb({&berichten, &klok, nullptr, ','}) {
    berichten.standaardAntwoord = antwoord::Ja;
    kb.KasJaar = "2026";
    kb.RekLijst.resize(1);
    kb.GroepLijst.resize(1);
    kb.GroepLijst[0].Kode = "-1";
    kb.KasLijst.resize(1);
    TValut eur;
    eur.Basis = 1;
    eur.Kode = "Eur";
    eur.Koers = 1;
    kb.ValutaLijst.push_back(eur);
    kb.AantalValuta = 1;
    TKlasse02 u;
    u.Letter = " U ";
    kb.KlasseLijst.push_back(u);
    kb.AantalKlassen = 1;
    for (int nr = 1; nr <= 3; ++nr) {
      TBank b;
      b.RekNr = nr;
      b.RekNrTekst = std::to_string(nr);
      b.Naam = "Rekening " + b.RekNrTekst;
      b.Soort = "BT";
      kb.RekLijst.push_back(b);
      Groep(b.RekNrTekst);
    }
    Groep("201");
    Groep("410");
    for (char c = 'a'; c <= 'j'; ++c) Groep(std::string("410") + c);
    Groep("xxxx");
    const char* groepen[] = {"201", "410", "410a", "410c", "1"};
    for (int i = 0; i < aantal; ++i) {
      TKas k;
      k.RekNr = 1 + i % 3;
      k.GroepKode = groepen[i % 5];
      k.Datum = MaakDatum(2026, 1, 1) + i % 365;
      k.VolgBlad = TKas::MaakVolgBlad(i % 50, i % 3);
      k.Bedrag = (i % 2 ? -1 : 1) * (i % 1000) / 4.0;
      k.Relatie = "Relatie " + std::to_string(i % 200);
      k.Omschrijving = "omschrijving " + std::to_string(i % 300);
      kb.KasLijst.push_back(k);
    }
    kb.ZetMaxTellers();
    kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = true;
    SorteerKas(kb);
    BouwSaldoMatrix(kb);
    map = std::filesystem::temp_directory_path() / "valdero_bench_boeking";
    std::filesystem::create_directories(map);
    kb.Map = map;
    kb.KasNaam = "Bench26";
    kb.KasPad = (map / "Bench26.vdr").string();
    // An existing file: the save writes it without asking for a name.
    std::ofstream(kb.KasPad).put('\0');
    if (bewaarWijze == 2)
      bewaar = [](Kasboek& k) { BewaarBoek(k, false); };
    else if (bewaarWijze == 1)
      bewaar = [this](Kasboek& k) { grootte = SchrijfBoek(k).size(); };
    else
      bewaar = [](Kasboek&) {};
  }
  ~PostBoek() { std::filesystem::remove_all(map); }

  void Groep(const std::string& kode) {
    TBudget g;
    g.Kode = kode;
    g.Naam = "Groep " + kode;
    g.Klasse = " U ";
    kb.GroepLijst.push_back(g);
  }

  ScriptBerichten berichten;
  VasteKlok klok;
  Kasboek kb;
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
  state.counters["records"] = static_cast<double>(boek.kb.MaxKas);
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
    for (int i = 0; i < 10 && model.panelZichtbaar; ++i) {
      Vul(model, nullptr, "10");
      model.Bewaar();
    }
    boek.berichten.Wis();
  }
  state.counters["records"] = static_cast<double>(boek.kb.MaxKas);
}
BENCHMARK(BM_SplitVanTien)->Args({100000, 0})->Args({100000, 2})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdero
