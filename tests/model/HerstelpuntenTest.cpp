// Restore points: a dated copy of the book and its configuration on every
// open, the last ten kept, and putting one back.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>

#include "FoutBestanden.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "model/core/Datum.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/Herstelpunten.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;
using test::TestMap;

struct Open {
  test::BoekMetPoorten boek;
  Open(const TestMap& map, double nu) : boek(nu) {
    boek.kb.sessie.Map = map.pad();
    EXPECT_EQ(StartBoek(boek.kb, true, "Huis08"), LaadUitkomst::Geladen);
  }
};

double Moment(int dag, int uur) { return MaakDatum(2008, 5, dag) + uur / 24.0; }

TEST(Herstelpunten, EachOpenKeepsTheBookAsItWasAndTheLastTenStay) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  const auto boekVoor = test::LeesBytes(map.pad() / "Huis08.vdr");
  std::int32_t transacties = 0;
  {
    Open eerste(map, Moment(1, 9));
    transacties = eerste.boek.kb.MaxKas();
    const auto punten = Herstelpunten(eerste.boek.kb);
    ASSERT_EQ(punten.size(), 1u);
    EXPECT_EQ(punten[0].boek, map.pad() / "Herstelpunten" / "Huis08 20080501-090000.vdr");
    EXPECT_EQ(test::LeesBytes(punten[0].boek), boekVoor);
    EXPECT_EQ(test::LeesBytes(punten[0].config), test::LeesBytes(map.pad() / "Huis08.cfg"));
    EXPECT_DOUBLE_EQ(punten[0].moment, Moment(1, 9));
    EXPECT_EQ(punten[0].transacties, transacties);
  }
  // Opening the book unchanged adds nothing; each changed one adds a point.
  EXPECT_EQ(Herstelpunten(Open(map, Moment(1, 10)).boek.kb).size(), 1u);
  for (int dag = 2; dag <= 13; ++dag) {
    Open open(map, Moment(dag, 9));
    test::VoegTransactieToe(open.boek.kb, 1, "410", MaakDatum(2008, 5, dag), -dag);
    ASSERT_TRUE(BewaarBoek(open.boek.kb, false).Gelukt());
  }
  Open laatste(map, Moment(14, 9));
  const auto punten = Herstelpunten(laatste.boek.kb);
  ASSERT_EQ(punten.size(), 10u);
  for (std::size_t i = 0; i < punten.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(punten[i].moment, Moment(14 - static_cast<int>(i), 9)) << "newest first";
    EXPECT_EQ(punten[i].transacties, transacties + 12 - static_cast<std::int32_t>(i));
  }
  std::size_t bestanden = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(map.pad() / "Herstelpunten")) ++bestanden;
  EXPECT_EQ(bestanden, 20u) << "each point is a book and its configuration, no more";
}

TEST(Herstelpunten, PuttingOneBackKeepsTheCurrentBookAsAPoint) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  const auto oud = test::LeesBytes(map.pad() / "Huis08.vdr");
  const auto oudeConfig = test::LeesBytes(map.pad() / "Huis08.cfg");
  Open open(map, Moment(1, 9));
  const std::int32_t transacties = open.boek.kb.MaxKas();
  // A wrong deletion, on disk a moment later, and a changed setting.
  open.boek.kb.KasLijst.resize(3);
  ASSERT_TRUE(BewaarBoek(open.boek.kb, false).Gelukt());
  open.boek.kb.Config.Persoonsdata[0] = "Nieuw";
  ASSERT_TRUE(SchrijfConfig(open.boek.kb).Gelukt());
  const auto fout = test::LeesBytes(map.pad() / "Huis08.vdr");

  const auto punten = Herstelpunten(open.boek.kb);
  ASSERT_EQ(punten.size(), 1u);
  open.boek.klok.Zet(Moment(1, 11));
  ASSERT_TRUE(ZetHerstelpuntTerug(open.boek.kb, punten[0]).Gelukt());
  EXPECT_EQ(test::LeesBytes(map.pad() / "Huis08.vdr"), oud);
  EXPECT_EQ(test::LeesBytes(map.pad() / "Huis08.cfg"), oudeConfig);
  const auto na = Herstelpunten(open.boek.kb);
  ASSERT_EQ(na.size(), 2u);
  EXPECT_DOUBLE_EQ(na[0].moment, Moment(1, 11));
  EXPECT_EQ(test::LeesBytes(na[0].boek), fout);
  EXPECT_EQ(na[0].transacties, 2);
  EXPECT_EQ(na[1].transacties, transacties);

  // Opening the restored book adds no copy of what is already kept.
  Open weer(map, Moment(1, 12));
  EXPECT_EQ(weer.boek.kb.MaxKas(), transacties);
  EXPECT_EQ(Herstelpunten(weer.boek.kb).size(), 2u);
}


// Faster than one opening a second (a script posting with valdero-cli), or
// with a clock that went back: every point gets a name of its own, the
// names sort in the order the points were made, and the point just made is
// the newest and never the one pruned.
TEST(Herstelpunten, QuickOpensKeepUniqueOrderedNamesAndTheNewestStays) {
  struct Geval {
    const char* naam;
    std::function<double(int)> klok;  // the clock at the n-th opening
  };
  const Geval gevallen[] = {
      {"twenty opens within one second", [](int) { return Moment(1, 9); }},
      {"a clock that goes back", [](int n) { return Moment(1, 9) - n / 86400.0; }},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    TestMap map;
    test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
    std::vector<std::uint8_t> laatsteBoek;
    for (int n = 0; n < 20; ++n) {
      laatsteBoek = test::LeesBytes(map.pad() / "Huis08.vdr");
      Open open(map, g.klok(n));
      const auto punten = Herstelpunten(open.boek.kb);
      ASSERT_FALSE(punten.empty());
      EXPECT_EQ(test::LeesBytes(punten.front().boek), laatsteBoek) << "opening " << n;
      test::VoegTransactieToe(open.boek.kb, 1, "410", MaakDatum(2008, 5, 2), -n - 1);
      ASSERT_TRUE(BewaarBoek(open.boek.kb, false).Gelukt());
    }
    Open open(map, g.klok(20));
    const auto punten = Herstelpunten(open.boek.kb);
    ASSERT_EQ(punten.size(), static_cast<std::size_t>(kHerstelpuntenBewaard));
    EXPECT_EQ(test::LeesBytes(punten.front().boek), test::LeesBytes(map.pad() / "Huis08.vdr"));
    for (std::size_t i = 1; i < punten.size(); ++i)
      EXPECT_EQ(punten[i].transacties + 1, punten[i - 1].transacties) << "made in this order: " << i;
  }
}

// A restore point that cannot be made is said, once per session; the book
// opens all the same.
TEST(Herstelpunten, OnesThatCannotBeMadeAreSaidOncePerSession) {
  struct Geval {
    const char* naam;
    std::function<void(const TestMap&, test::FoutBestanden&)> zetKlaar;
    std::string reden;
  };
  const Geval gevallen[] = {
      {"the folder is a file",
       [](const TestMap& map, test::FoutBestanden&) {
         test::SchrijfBytes(map.pad() / "Herstelpunten", {1, 2, 3});
       },
       "Herstelpunten is geen map"},
      {"the folder cannot be made",
       [](const TestMap&, test::FoutBestanden& f) {
         f.faaltAltijd = {"MaakMap"};
         f.fout = EACCES;
       },
       "Herstelpunten geen toegang"},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    TestMap map;
    test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
    test::FoutBestanden schijf;
    g.zetKlaar(map, schijf);
    test::BoekMetPoorten boek(Moment(1, 9));
    boek.kb.sessie.Map = map.pad();
    boek.kb.poorten.bestandssysteem = schijf;
    for (int keer = 0; keer < 3; ++keer) {
      // Each time a changed book, so each opening wants a point.
      ASSERT_EQ(StartBoek(boek.kb, true, "Huis08"), LaadUitkomst::Geladen) << keer;
      EXPECT_TRUE(boek.kb.KasGelezen);
      test::VoegTransactieToe(boek.kb, 1, "410", MaakDatum(2008, 5, 2), -keer - 1);
      ASSERT_TRUE(BewaarBoek(boek.kb, false).Gelukt());
      g.zetKlaar(map, schijf);
    }
    const auto teksten = boek.berichten.Teksten();
    ASSERT_EQ(std::count_if(teksten.begin(), teksten.end(),
                            [](const std::string& t) { return t.rfind("Geen herstelpunt", 0) == 0; }),
              1);
    EXPECT_NE(std::find(teksten.begin(), teksten.end(),
                        "Geen herstelpunt gemaakt van Huis08.vdr (" + g.reden + ")"),
              teksten.end());
  }
}
}  // namespace
}  // namespace valdero
