// What a user waits for in the windows, measured on the example year of
// 100 000 transactions: each key handler of the booking window, opening the
// booking window on one record, the search dialog (listing, searching while
// typing), one step of "Rekening bijwerken", and opening and refreshing the
// accounts and budget windows and their managers. Each must stay within a
// frame (16 ms) or report its progress; none may grow faster than the book.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/accounts/RekeningBeheer.h"
#include "model/accounts/RekeningDialoog.h"
#include "model/accounts/RekeningTabel.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/SelectMut.h"
#include "model/bankimport/VergelijkModel.h"
#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingModel.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/ScriptBerichten.h"
#include "model/example/VoorbeeldBoek.h"
#include "model/groups/GroepTabel.h"
#include "model/groups/GroepBeheer.h"
#include "model/search/ZoekModel.h"

namespace valdero {
namespace {

constexpr int kTransacties = 100'000;

// The example year, made once for all benchmarks of this file; a benchmark
// that changes the book works on a copy.
struct VensterBoek : BoekMetPoorten {
  VensterBoek() : BoekMetPoorten(MaakDatum(2026, 12, 31)) {
    berichten.standaardAntwoord = antwoord::Ja;
    MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = kTransacties});
  }
  VasteVensters vensters;
};

VensterBoek& Boek() {
  static VensterBoek boek;
  return boek;
}

// ---- the booking window ----

struct Boeking {
  VensterBoek& b = Boek();
  BoekingModel model{b.kb, b.vensters, b.vensters, [](Kasboek&) {}};
  Boeking() {
    model.Start(modus::Afboeken, true);
    b.berichten.Wis();
  }
};

// A new record: what "Afboeken" does before the panel shows.
void BM_BoekingNieuwRecord(benchmark::State& state) {
  Boeking w;
  for (auto _ : state) {
    w.model.Start(modus::Afboeken, false);
    benchmark::DoNotOptimize(w.model.Stand().velden);
  }
}
BENCHMARK(BM_BoekingNieuwRecord)->Unit(benchmark::kMillisecond);

// Enter in one field of a new record with a typical text. The account and
// group fields refill the lists of earlier values of that group.
void BM_BoekingVeldInvoer(benchmark::State& state) {
  struct Geval {
    int tag;
    const char* tekst;
  };
  static const Geval gevallen[] = {
      {veld::Rekening, "1"},       {veld::Volgnr, "12"},        {veld::Blad, "3"},
      {veld::Groep, "430"},        {veld::Actie, "pi"},         {veld::Datum, "15-6"},
      {veld::TegenRek, "P12345"},  {veld::Relatie, "Bakker"},   {veld::Munt, "EUR"},
      {veld::Bedrag, "12,50"},     {veld::Omschrijving, "brood"}};
  const Geval& g = gevallen[state.range(0)];
  state.SetLabel(std::string("veld ") + std::to_string(g.tag) + " \"" + g.tekst + "\"");
  Boeking w;
  for (auto _ : state) {
    w.model.Invoer(g.tag, g.tekst);
    benchmark::DoNotOptimize(w.model.Stand().lijsten);
  }
  w.b.berichten.Wis();
}
BENCHMARK(BM_BoekingVeldInvoer)->DenseRange(0, 10)->Unit(benchmark::kMillisecond);

// The grid above the panel: the working account's transactions (one
// account holds about half of the year) and the balances of all accounts.
void BM_BoekingGrid(benchmark::State& state) {
  Boeking w;
  w.model.Invoer(veld::Rekening, "1");
  // The grid switch turns the account grid (0) into the balances (1).
  if (state.range(0) == 1) w.model.WisselGrid();
  for (auto _ : state) {
    w.model.ToonGrid();
    benchmark::DoNotOptimize(w.model.Stand().grid);
  }
  state.counters["rijen"] = static_cast<double>(w.model.Stand().grid.rijen.size());
}
BENCHMARK(BM_BoekingGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The booking window opened on one record (the overview window and the free
// search do this; so does stepping to the next record): modes 200.
void BM_BoekingOpRecord(benchmark::State& state) {
  Boeking w;
  int positie = 1;
  for (auto _ : state) {
    w.model.StartMetRecord(modus::ExternWijzigen, positie);
    positie = positie % kTransacties + 7919;
    if (positie > kTransacties) positie -= kTransacties;
  }
}
BENCHMARK(BM_BoekingOpRecord)->Unit(benchmark::kMillisecond);

// ---- the search dialog ----

// Listing every transaction: the free search (40) and the picker for a
// change (1).
void BM_ZoekOpenen(benchmark::State& state) {
  ZoekModel model(Boek().kb);
  for (auto _ : state) {
    model.Open(static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(model.AantalRijen());
  }
  state.counters["rijen"] = model.AantalRijen();
}
BENCHMARK(BM_ZoekOpenen)->Arg(kVrijeZoekModus)->Arg(1)->Unit(benchmark::kMillisecond);

// The free search while the user types a relation letter by letter: every
// key searches again from the full list.
void BM_ZoekBijTypen(benchmark::State& state) {
  ZoekModel model(Boek().kb);
  const std::string woord = "Supermarkt";
  for (auto _ : state) {
    state.PauseTiming();
    model.Open(kVrijeZoekModus);
    model.KiesVeld(ZoekVeld::Relatie);
    state.ResumeTiming();
    for (std::size_t n = 1; n <= woord.size(); ++n) model.ZoekBijTypen(woord.substr(0, n));
    benchmark::DoNotOptimize(model.AantalRijen());
  }
  state.counters["toetsen"] = static_cast<double>(woord.size());
  state.counters["rijen"] = model.AantalRijen();
}
BENCHMARK(BM_ZoekBijTypen)->Unit(benchmark::kMillisecond);

// ---- the statement window's reconciliation step ----

struct NietsVenster : VergelijkVoerder {
  void Toon(VergelijkModel& v) override { benchmark::DoNotOptimize(v.Titel()); }
};

// One line of "Rekening bijwerken": the proposal and the comparison window's
// contents (1), inserting the line into the book (2), both (0); without
// writing the file, which BM_PostEnBewaar measures.
void BM_AfstemStap(benchmark::State& state) {
  VensterBoek& b = Boek();
  Kasboek kopie = b.kb;
  EersteKeuzeVoerder kiezer;
  NietsVenster venster;
  Afstemming a(kopie, kiezer, venster);
  a.ZetBewaarder([] {});
  a.dubbeleOverslaan = true;
  a.BeginRun();
  int p = 1;
  for (auto _ : state) {
    while (kopie.KasLijst[static_cast<std::size_t>(p)].RekNr != 1) p = p % kopie.MaxKas() + 1;
    const TKas& k = kopie.KasLijst[static_cast<std::size_t>(p)];
    TNewKas r;
    r.RekNr = 1;
    r.Datum = k.Datum;
    r.Bedrag = k.Bedrag + 1;
    r.Relatie = "123 " + k.Relatie;
    r.Omschrijving = k.Omschrijving;
    r.BoekSoort = k.BoekSoort & 0xFF;
    a.regel = r;
    a.invoegen = a.vervangen = false;
    if (state.range(0) != 2) a.ReconcileLine();
    a.regel.GroepKode = "430";
    if (state.range(0) != 1) a.InsertLine();
    p = p % kopie.MaxKas() + 101;
  }
  state.counters["records"] = kopie.MaxKas();
}
BENCHMARK(BM_AfstemStap)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// ---- the accounts and budget windows ----

struct GeenDialoog : RekeningDialoogVoerder {
  void Voer(RekeningDialoog&) override {}
};

void BM_RekeningenOpenen(benchmark::State& state) {
  Kasboek& kb = Boek().kb;
  GeenDialoog voerder;
  RekeningDialoog dialoog(kb, voerder);
  RekeningTabel tabel(kb, dialoog, {}, {});
  for (auto _ : state) {
    tabel.Open();
    benchmark::DoNotOptimize(tabel.Rijen());
  }
}
BENCHMARK(BM_RekeningenOpenen)->Unit(benchmark::kMillisecond);

void BM_RekeningBeheerVullen(benchmark::State& state) {
  Kasboek& kb = Boek().kb;
  GeenDialoog voerder;
  RekeningDialoog dialoog(kb, voerder);
  RekeningBeheer beheer(kb, dialoog, {});
  for (auto _ : state) {
    beheer.Vul();
    benchmark::DoNotOptimize(beheer.Regels());
  }
}
BENCHMARK(BM_RekeningBeheerVullen)->Unit(benchmark::kMillisecond);

// The budget window's views: 1 groups, 2 year, 3 month, 4 quarter, 5 weeks,
// 6 classes.
void BM_BudgetOpenen(benchmark::State& state) {
  Kasboek& kb = Boek().kb;
  GroepTabel tabel(kb, {}, {});
  const int view = static_cast<int>(state.range(0));
  for (auto _ : state) {
    tabel.Open(view, view == 5 ? 4 : 0);
    benchmark::DoNotOptimize(tabel.Rijen());
  }
}
BENCHMARK(BM_BudgetOpenen)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

// Refreshing the open budget view after a change.
void BM_BudgetHerladen(benchmark::State& state) {
  Kasboek& kb = Boek().kb;
  GroepTabel tabel(kb, {}, {});
  tabel.Open(3);
  for (auto _ : state) {
    tabel.Herlaad();
    benchmark::DoNotOptimize(tabel.Rijen());
  }
}
BENCHMARK(BM_BudgetHerladen)->Unit(benchmark::kMillisecond);

void BM_GroepBeheerVullen(benchmark::State& state) {
  GroepBeheer beheer(Boek().kb, {});
  for (auto _ : state) {
    beheer.Vul();
    benchmark::DoNotOptimize(beheer.Titels());
  }
}
BENCHMARK(BM_GroepBeheerVullen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdero
