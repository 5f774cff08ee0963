// The windows themselves on the example year of 100 000 transactions, built
// offscreen: opening the free search and typing in it, opening a report in
// the overview window, and drawing the booking window's grid. Each includes
// the event processing that paints the window, as the user would wait for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <map>

#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingVensters.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/ScriptBerichten.h"
#include "model/example/VoorbeeldBoek.h"
#include "model/reports/ReportSelection.h"
#include "model/reports/RapportSoort.h"
#include "ui/bookings/TBoekingForm.h"
#include "ui/reports/TOutputForm.h"
#include "ui/search/TZoekDlg.h"

namespace valdero {
namespace {

struct UiBoek : BoekMetPoorten {
  UiBoek() : BoekMetPoorten(MaakDatum(2026, 12, 31)) {
    berichten.standaardAntwoord = antwoord::Ja;
    MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = 100'000});
    std::map<int, int> perRekening;
    for (int i = 1; i <= kb.MaxKas(); ++i) ++perRekening[kb.KasLijst[static_cast<std::size_t>(i)].RekNr];
    int meest = 0;
    for (auto [nr, n] : perRekening)
      if (n > meest) meest = n, grootsteRekening = kb.ZoekRekening(nr).value_or(1);
  }
  ReportSelection selectie;
  VasteVensters vensters;
  int grootsteRekening = 1;
};

UiBoek& Boek() {
  static UiBoek boek;
  return boek;
}

void Verwerk() { QApplication::processEvents(); }

// "&Zoeken": the free search lists every transaction and paints its grid.
void BM_UiVrijZoekenOpenen(benchmark::State& state) {
  UiBoek& b = Boek();
  TZoekDlg dlg(b.kb, [](Kasboek&) {});
  for (auto _ : state) {
    dlg.ToonVrijZoeken();
    Verwerk();
    state.PauseTiming();
    dlg.hide();
    Verwerk();
    state.ResumeTiming();
  }
  state.counters["rijen"] = dlg.Model().AantalRijen();
}
BENCHMARK(BM_UiVrijZoekenOpenen)->Unit(benchmark::kMillisecond);

// Typing a relation in the free search, one key at a time, each key searching
// and showing the rows found; the time is per key.
void BM_UiVrijZoekenTypen(benchmark::State& state) {
  UiBoek& b = Boek();
  TZoekDlg dlg(b.kb, [](Kasboek&) {});
  const QString woord = "Supermarkt";
  for (auto _ : state) {
    state.PauseTiming();
    dlg.ToonVrijZoeken();
    QTest::mouseClick(dlg.findChild<QRadioButton*>("Veld5"), Qt::LeftButton);
    auto* invoer = dlg.findChild<QLineEdit*>("ZoekEdit");
    Verwerk();
    state.ResumeTiming();
    QTest::keyClicks(invoer, woord);
    Verwerk();
    state.PauseTiming();
    dlg.hide();
    Verwerk();
    state.ResumeTiming();
  }
  state.counters["rijen"] = dlg.Model().AantalRijen();
  state.counters["per_toets_ms"] = benchmark::Counter(
      static_cast<double>(woord.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_UiVrijZoekenTypen)->Unit(benchmark::kMillisecond);

// The overview window opening a report: the model's rows and the table.
void BM_UiRapportOpenen(benchmark::State& state) {
  UiBoek& b = Boek();
  const int soort = static_cast<int>(state.range(0));
  const int index = soort == rapport::Rekening ? b.grootsteRekening : 0;
  TOutputForm form(b.kb, b.selectie);
  for (auto _ : state) {
    BereidSelectieVoor(b.kb, b.selectie, soort);
    if (VraagVoor(soort) == SelectieVraag::Klassen) KiesAlleKlassen(b.kb, b.selectie);
    if (VraagVoor(soort) == SelectieVraag::Soorten) KiesAlleSoorten(b.kb, b.selectie);
    if (!form.ShowReport(soort, index)) state.SkipWithError("rapport niet geopend");
    Verwerk();
    b.berichten.Wis();
  }
  state.counters["rijen"] = form.Tabel()->model()->rowCount();
}
BENCHMARK(BM_UiRapportOpenen)
    ->Arg(rapport::Rekening)
    ->Arg(rapport::Klassen)
    ->Arg(rapport::BudgetJaar)
    ->Arg(rapport::BalansJaar)
    ->Arg(rapport::AlleSaldi)
    ->Unit(benchmark::kMillisecond);

// The booking window's grid button ("ValDero"/"Rekening"): the balances of
// all accounts and back to the account's transactions (account 1 holds most
// of the year); the time covers both presses.
void BM_UiBoekingGrid(benchmark::State& state) {
  UiBoek& b = Boek();
  TBoekingForm form(b.kb, b.vensters, b.vensters, [](Kasboek&) {});
  form.Boeking(modus::Afboeken);
  Verwerk();
  auto* knop = form.findChild<QPushButton*>("KasRekKnop");
  for (auto _ : state) {
    QTest::mouseClick(knop, Qt::LeftButton);
    Verwerk();
    QTest::mouseClick(knop, Qt::LeftButton);
    Verwerk();
  }
  state.counters["rijen"] = static_cast<double>(form.Model().Stand().grid.rijen.size());
}
BENCHMARK(BM_UiBoekingGrid)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdero

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
