// A book loaded for its balances alone (Laadwijze::AlleenSaldi, what
// valdero-cli saldi uses) must show the balances, accounts and groups of a
// whole load, and fall back to a whole load, with its reports, whenever the
// transactions need more than their amounts.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "model/core/ByteImage.h"
#include "model/core/Kasboek.h"
#include "model/storage/Bestanden.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/ByteLezer.h"
#include "model/storage/GeheugenKaart.h"
#include "model/storage/ConfigBestand.h"

namespace valdero {
namespace {

using test::SchrijfVoorbeeld;
using test::TestMap;

// A program about to start on 15 March of 2008 in the folder of the book.
struct SaldiStart : BoekMetPoorten {
  explicit SaldiStart(const TestMap& map) : BoekMetPoorten(MaakDatum(2008, 3, 15)) { kb.sessie.Map = map.pad(); }
};

// Loads the example book once whole and once for its balances.
struct TweeLadingen {
  TestMap map;
  SaldiStart heel{map};
  SaldiStart saldi{map};
  LaadUitkomst heelUitkomst{};
  LaadUitkomst saldiUitkomst{};

  void Laad() {
    heelUitkomst = StartBoek(heel.kb, true);
    saldiUitkomst = StartBoek(saldi.kb, true, {}, Laadwijze::AlleenSaldi);
  }
};

// Changes the book on disk as a whole load and a save would.
void PasBoekAan(const TestMap& map, const std::function<void(Kasboek&)>& wijzig) {
  SaldiStart s(map);
  ASSERT_EQ(StartBoek(s.kb, true), LaadUitkomst::Geladen);
  wijzig(s.kb);
  ASSERT_TRUE(SchrijfAtomisch(s.kb.Pad(s.kb.sessie.KasPad), SchrijfBoek(s.kb), s.kb.bestanden()));
}

TEST(AlleenSaldi, TheBalancesAccountsAndGroupsAreThoseOfAWholeLoad) {
  for (const bool opNaam : {false, true}) {
    SCOPED_TRACE(opNaam);
    TweeLadingen t;
    SchrijfVoorbeeld(t.map.pad(), "Valdr08", {.transacties = 400});
    if (opNaam) {
      // The listing order by name moves the matrix's columns with the accounts.
      SaldiStart s(t.map);
      ASSERT_EQ(StartBoek(s.kb, true), LaadUitkomst::Geladen);
      s.kb.Config.Vlaggen |= vlag::RekeningenOpNaam | vlag::GroepenOpNaam;
      ASSERT_TRUE(SchrijfConfig(s.kb).Gelukt());
    }
    t.Laad();
    ASSERT_EQ(t.heelUitkomst, LaadUitkomst::Geladen);
    ASSERT_EQ(t.saldiUitkomst, LaadUitkomst::Geladen);
    EXPECT_EQ(t.saldi.kb.IOStatus, 0);
    EXPECT_TRUE(t.saldi.kb.RekGelezen && t.saldi.kb.GroepGelezen && t.saldi.kb.KasGelezen);
    ASSERT_FALSE(t.saldi.kb.SaldoMatrix().empty());
    EXPECT_TRUE(t.saldi.kb.SaldoMatrix() == t.heel.kb.SaldoMatrix());
    ASSERT_EQ(t.saldi.kb.MaxRek(), t.heel.kb.MaxRek());
    for (int a = 0; a <= t.heel.kb.MaxRek(); ++a) {
      EXPECT_EQ(t.saldi.kb.RekLijst[static_cast<std::size_t>(a)].Naam, t.heel.kb.RekLijst[static_cast<std::size_t>(a)].Naam);
      EXPECT_EQ(t.saldi.kb.RekLijst[static_cast<std::size_t>(a)].RekNr, t.heel.kb.RekLijst[static_cast<std::size_t>(a)].RekNr);
    }
    ASSERT_EQ(t.saldi.kb.MaxGroep(), t.heel.kb.MaxGroep());
    for (int g = 0; g <= t.heel.kb.MaxGroep(); ++g)
      EXPECT_EQ(t.saldi.kb.GroepLijst[static_cast<std::size_t>(g)].Kode, t.heel.kb.GroepLijst[static_cast<std::size_t>(g)].Kode);
    EXPECT_EQ(t.saldi.kb.weergave.HulpMunt, t.heel.kb.weergave.HulpMunt);
    EXPECT_EQ(t.saldi.kb.RelatieLijst.size(), t.heel.kb.RelatieLijst.size());
    EXPECT_EQ(t.saldi.berichten.Teksten(), t.heel.berichten.Teksten());
    // No transaction was kept, so none of their texts was decoded: the
    // list holds the dummy record as a whole load has it.
    ASSERT_EQ(t.saldi.kb.KasLijst.size(), 1u);
    EXPECT_EQ(t.saldi.kb.KasLijst[0].GroepKode, t.heel.kb.KasLijst[0].GroepKode);
    EXPECT_EQ(t.saldi.kb.KasLijst[0].Index, 0);
    EXPECT_EQ(t.heel.kb.MaxKas(), 400);
  }
}

TEST(AlleenSaldi, AGroupCodeOutsideAsciiIsFoundAsAWholeLoadFindsIt) {
  TweeLadingen t;
  SchrijfVoorbeeld(t.map.pad(), "Valdr08", {.transacties = 60});
  PasBoekAan(t.map, [](Kasboek& kb) {
    test::VoegGroepToe(kb, "é€", "Café");
    for (int i = 1; i <= kb.MaxKas(); i += 3) kb.KasLijst[static_cast<std::size_t>(i)].GroepKode = "é€";
  });
  t.Laad();
  ASSERT_EQ(t.saldiUitkomst, LaadUitkomst::Geladen);
  EXPECT_EQ(t.saldi.kb.KasLijst.size(), 1u);
  EXPECT_TRUE(t.saldi.kb.SaldoMatrix() == t.heel.kb.SaldoMatrix());
  const auto positie = t.saldi.kb.ZoekGroep("é€");
  ASSERT_TRUE(positie);
  const auto g = static_cast<std::size_t>(*positie);
  EXPECT_NE(t.saldi.kb.SaldoMatrix()[g].back().Uit + t.saldi.kb.SaldoMatrix()[g].back().In, 0);
}

// What makes the balances need the whole book, and what the load then shows.
struct HeleLading {
  const char* naam;
  std::function<void(Kasboek&)> wijzig;
};

void PrintTo(const HeleLading& h, std::ostream* os) { *os << h.naam; }

class AlleenSaldiWordtHeel : public testing::TestWithParam<HeleLading> {};

TEST_P(AlleenSaldiWordtHeel, WithTheReportsAndQuestionsOfAWholeLoadAskedOnce) {
  TweeLadingen t;
  SchrijfVoorbeeld(t.map.pad(), "Valdr08", {.transacties = 60});
  PasBoekAan(t.map, GetParam().wijzig);
  t.Laad();
  EXPECT_EQ(t.saldiUitkomst, t.heelUitkomst);
  EXPECT_EQ(t.saldi.kb.IOStatus, t.heel.kb.IOStatus);
  EXPECT_EQ(t.saldi.berichten.Teksten(), t.heel.berichten.Teksten());
  EXPECT_EQ(t.saldi.kb.KasLijst.size(), t.heel.kb.KasLijst.size());
  EXPECT_TRUE(t.saldi.kb.SaldoMatrix() == t.heel.kb.SaldoMatrix());
  // A book read whole may be saved.
  EXPECT_EQ(t.saldi.kb.sessie.GeenSlot, t.heel.kb.sessie.GeenSlot);
}

INSTANTIATE_TEST_SUITE_P(
    AlleenSaldi, AlleenSaldiWordtHeel,
    testing::Values(
        HeleLading{"UnknownGroup", [](Kasboek& kb) { kb.KasLijst[5].GroepKode = "zzzz"; }},
        HeleLading{"UnknownAccount", [](Kasboek& kb) { kb.KasLijst[7].RekNr = 77; }},
        HeleLading{"DamagedDate",
                   [](Kasboek& kb) { kb.KasLijst[9].Datum = std::numeric_limits<double>::quiet_NaN(); }},
        HeleLading{"DamagedPayDate", [](Kasboek& kb) { kb.KasLijst[3].PayDate = 1e300; }}),
    [](const testing::TestParamInfo<HeleLading>& info) { return std::string(info.param.naam); });

TEST(AlleenSaldi, ABookFromBefore2007IsAskedForOnceAndReadWhole) {
  TweeLadingen t;
  SchrijfVoorbeeld(t.map.pad(), "Valdr08", {.transacties = 30});
  // The header account's name is the version stamp: after the three counts,
  // its number fields and the name's length byte.
  auto bestand = test::LeesBytes(t.map / "Valdr08.vdr");
  constexpr std::size_t kNaam = 12 + 4 + 1;
  ASSERT_EQ(std::string(bestand.begin() + kNaam, bestand.begin() + kNaam + 2), "20");
  bestand[kNaam + 2] = '0';
  bestand[kNaam + 3] = '6';
  test::SchrijfBytes(t.map / "Valdr08.vdr", bestand);
  t.Laad();
  const auto teksten = t.saldi.berichten.Teksten();
  EXPECT_EQ(teksten, t.heel.berichten.Teksten());
  int vragen = 0;
  for (const auto& tekst : teksten) vragen += tekst.find("vóór 2007") != std::string::npos;
  EXPECT_EQ(vragen, 1);
  EXPECT_EQ(t.saldi.kb.KasLijst.size(), t.heel.kb.KasLijst.size());
  EXPECT_TRUE(t.saldi.kb.SaldoMatrix() == t.heel.kb.SaldoMatrix());
}

// A record of 382 bytes over pieces laid in memory: the reader gives the
// same records as from a buffer, whatever piece they fall across, and a
// piece that cannot be laid after the first is a failed reading.
struct Record {
  static constexpr std::size_t Grootte = 382;
  std::vector<std::uint8_t> bytes;
  void Lees(const std::uint8_t* p) { bytes.assign(p, p + Grootte); }
};

TEST(AlleenSaldi, RecordsReadFromPiecesInMemoryAreThoseOfTheFile) {
  std::vector<std::uint8_t> bestand(4 + 700 * Record::Grootte);
  for (std::size_t i = 0; i < bestand.size(); ++i) bestand[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
  bytes::SchrijfI32(bestand.data(), 699);
  auto vanBestand = [&](std::size_t& positie) {
    return [&bestand, &positie](std::uint8_t* data, std::size_t n, std::size_t& gelezen) {
      gelezen = std::min(n, bestand.size() - positie);
      std::copy_n(bestand.begin() + static_cast<std::ptrdiff_t>(positie), gelezen, data);
      positie += gelezen;
      return true;
    };
  };
  std::vector<Record> verwacht;
  {
    std::size_t positie = 0;
    ByteLezer lezer(vanBestand(positie), bestand.size());
    std::int32_t hoogste = 0;
    ASSERT_TRUE(lezer.LeesI32(hoogste));
    ASSERT_TRUE(lezer.LeesRecords(hoogste, verwacht));
  }
  struct Geval {
    const char* naam;
    int weigerVanaf;  // the first piece refused, -1 none
    bool gelukt;
    bool gelezen;  // read from the buffer instead
  };
  for (const Geval& g : {Geval{"AllPieces", -1, true, false}, Geval{"FirstPieceRefused", 0, true, true},
                         Geval{"LaterPieceRefused", 3, false, false}}) {
    SCOPED_TRACE(g.naam);
    std::size_t positie = 0;
    int stukken = 0, teruggegeven = 0;
    std::vector<Record> gelezen;
    bool gelukt = false;
    {
      ByteLezer lezer(vanBestand(positie), bestand.size());
      // Pieces of 64 kB from every 64 kB: records lie across their edges.
      lezer.GebruikKaart({[&](std::uint64_t van, std::size_t n) -> const std::uint8_t* {
                            EXPECT_EQ(van % kKaartUitlijning, 0u);
                            EXPECT_LE(van + n, bestand.size());
                            if (g.weigerVanaf >= 0 && stukken >= g.weigerVanaf) return nullptr;
                            ++stukken;
                            return bestand.data() + van;
                          },
                          [&](const std::uint8_t*, std::size_t) { ++teruggegeven; }},
                         kKaartUitlijning);
      std::int32_t hoogste = 0;
      gelukt = lezer.LeesI32(hoogste) &&
               lezer.LoopRecords(hoogste, Record::Grootte, [&](const std::uint8_t* p, std::size_t i) {
                 EXPECT_EQ(i, gelezen.size());
                 gelezen.emplace_back().Lees(p);
                 return true;
               });
      EXPECT_EQ(lezer.Leesfout(), !g.gelukt);
    }
    EXPECT_EQ(gelukt, g.gelukt);
    EXPECT_EQ(teruggegeven, stukken);
    EXPECT_EQ(positie > 0, g.gelezen);
    if (!g.gelukt) continue;
    ASSERT_EQ(gelezen.size(), verwacht.size());
    for (std::size_t i = 0; i < verwacht.size(); ++i) EXPECT_EQ(gelezen[i].bytes, verwacht[i].bytes) << i;
  }
}

TEST(AlleenSaldi, ABookLoadedForItsBalancesIsNeverWrittenOverItsFile) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Valdr08", {.transacties = 40});
  const auto voor = test::LeesBytes(map / "Valdr08.vdr");
  SaldiStart s(map);
  ASSERT_EQ(StartBoek(s.kb, true, {}, Laadwijze::AlleenSaldi), LaadUitkomst::Geladen);
  ASSERT_EQ(s.kb.KasLijst.size(), 1u);
  s.berichten.getoond.clear();
  EXPECT_FALSE(BewaarBoek(s.kb, false).Gelukt());
  ASSERT_FALSE(s.berichten.getoond.empty());
  EXPECT_NE(s.berichten.getoond[0].tekst.find("alleen de saldi zijn ingelezen"), std::string::npos);
  EXPECT_EQ(test::LeesBytes(map / "Valdr08.vdr"), voor);
}

}  // namespace
}  // namespace valdero
