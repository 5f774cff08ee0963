// Posting one record in a year of 100 000 transactions and saving the whole
// book the way the program does (a new file, flushed, renamed over the book,
// the folder flushed) against the floor: writing the same number of bytes to
// a file with one flush. The saving must stay within 1.5 times that floor.
// BM_PostEnBewaarTegenSchrijven runs both in turn in every iteration, so that
// the disk's moods hit both alike, and reports the ratio as "verhouding".
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingModel.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/ScriptBerichten.h"
#include "model/example/VoorbeeldBoek.h"
#include "model/storage/BoekBestand.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;
using Klok = std::chrono::steady_clock;

// A folder on the disk (not in memory), next to the build, removed at the end.
fs::path MaakMap() {
  std::string sjabloon = (fs::current_path() / "valdero-bewaar-XXXXXX").string();
  if (::mkdtemp(sjabloon.data()) == nullptr) std::abort();
  return sjabloon;
}

struct BewaarBoek : BoekMetPoorten {
  BewaarBoek() : BoekMetPoorten(MaakDatum(2026, 12, 31)), map(MaakMap()) {
    berichten.standaardAntwoord = antwoord::Ja;
    MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = 100'000});
    kb.sessie.Map = map;
    kb.sessie.KasPad = (map / (kb.sessie.KasNaam + ".vdr")).string();
    // An existing file: the save writes it without asking for a name. The
    // book is on disk, and its backup made, before the timing starts.
    std::ofstream(kb.sessie.KasPad).put('\0');
    BewaarNaWijziging(kb);
    BewaarNaWijziging(kb);
  }
  ~BewaarBoek() {
    std::error_code fout;
    fs::remove_all(map, fout);
  }
  fs::path map;
  VasteVensters vensters;
};

// The floor: the same bytes into a file with one fsync. A save must never
// overwrite the book in place (a crash halfway would lose it), so the honest
// floor is a new file taking the place of the old one: the old one removed,
// a new one written and flushed. Writing over a file truncated in place is
// shown beside it: the kernel reuses the truncated file's pages, which makes
// that write several times faster on this machine than any new file.
void SchrijfMetFlush(const fs::path& pad, const std::vector<char>& inhoud, bool nieuw) {
  if (nieuw) ::unlink(pad.c_str());
  const int fd = ::open(pad.c_str(), O_WRONLY | O_CREAT | (nieuw ? O_EXCL : O_TRUNC), 0644);
  if (fd < 0) std::abort();
  std::size_t gedaan = 0;
  while (gedaan < inhoud.size()) {
    const ssize_t n = ::write(fd, inhoud.data() + gedaan, inhoud.size() - gedaan);
    if (n <= 0) std::abort();
    gedaan += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) std::abort();
  ::close(fd);
}

void Post(BoekingModel& model) {
  model.Start(modus::Afboeken, false);
  model.ZetTekst(veld::Datum, "15-6-2026");
  model.ZetTekst(veld::Groep, "430");
  model.ZetTekst(veld::Bedrag, "12,50");
  model.Bewaar();
}

double Ms(Klok::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void BM_PostEnBewaarTegenSchrijven(benchmark::State& state) {
  BewaarBoek boek;
  BoekingModel model(boek.kb, boek.vensters, boek.vensters, [](Kasboek& k) { BewaarNaWijziging(k); });
  model.Start(modus::Afboeken, true);
  const std::vector<char> inhoud(static_cast<std::size_t>(fs::file_size(boek.kb.sessie.KasPad)), 'x');
  const fs::path vloer = boek.map / "vloer.bin";
  const fs::path overschreven = boek.map / "overschreven.bin";
  double post = 0, schrijf = 0, overschrijf = 0;
  for (auto _ : state) {
    const auto t0 = Klok::now();
    Post(model);
    const auto t1 = Klok::now();
    SchrijfMetFlush(vloer, inhoud, true);
    const auto t2 = Klok::now();
    SchrijfMetFlush(overschreven, inhoud, false);
    const auto t3 = Klok::now();
    post += Ms(t1 - t0);
    schrijf += Ms(t2 - t1);
    overschrijf += Ms(t3 - t2);
    if (boek.kb.IOStatus != 0) state.SkipWithError("bewaren mislukt");
    boek.berichten.Wis();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["post_bewaar_ms"] = post / n;
  state.counters["nieuw_bestand_ms"] = schrijf / n;
  state.counters["overschrijven_ms"] = overschrijf / n;
  state.counters["verhouding"] = schrijf > 0 ? post / schrijf : 0;
  state.counters["MB"] = static_cast<double>(inhoud.size()) / 1e6;
}
BENCHMARK(BM_PostEnBewaarTegenSchrijven)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
}  // namespace valdero
