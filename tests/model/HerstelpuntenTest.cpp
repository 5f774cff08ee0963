// Restore points: a dated copy of the book and its configuration on every
// open, the last ten kept, and putting one back.

#include <gtest/gtest.h>

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
    boek.kb.Map = map.pad();
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

}  // namespace
}  // namespace valdero
