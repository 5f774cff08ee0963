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
