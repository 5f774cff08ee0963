#include <gtest/gtest.h>

#include "BoekingTestBoek.h"
#include "model/bookings/BoekModi.h"

namespace valdero {
namespace {

using test::BoekingBoek;

TEST(BookingSplit, OffersTheSubGroupsInOrder) {
  struct Geval {
    const char* naam;
    std::vector<int> antwoorden;
    int modusNa;  // -1: the split ends and the action menu shows
    const char* groepNa;
  };
  for (const Geval& g : {Geval{"JaOnTheFirst", {antwoord::Ja}, modus::Afboeken, "410a"},
                         Geval{"NeeThenJa", {antwoord::Nee, antwoord::Ja}, modus::Bijboeken, "410b"},
                         Geval{"NeeTwice", {antwoord::Nee, antwoord::Nee}, -1, ""}}) {
    SCOPED_TRACE(g.naam);
    BoekingBoek b;
    for (int a : g.antwoorden) b.berichten.Antwoord(a);
    ASSERT_TRUE(b.Boek(modus::Afboeken, {{veld::Groep, "410"}, {veld::Bedrag, "30"}}));
    std::vector<std::string> vragen;
    for (const auto& m : b.berichten.getoond) vragen.push_back(m.tekst);
    std::vector<std::string> verwacht = {"\"Brood\" boeken", "\"Statiegeld\" boeken"};
    verwacht.resize(g.antwoorden.size());
    EXPECT_EQ(vragen, verwacht);
    if (g.modusNa < 0) {
      EXPECT_FALSE(b.model.Stand().panelZichtbaar);
      EXPECT_EQ(b.model.Stand().menu, Menu::Boek);
      continue;
    }
    EXPECT_TRUE(b.model.Stand().panelZichtbaar);
    EXPECT_TRUE(b.model.Stand().splitModus);
    EXPECT_EQ(b.model.Stand().boekModus, g.modusNa);
    EXPECT_EQ(b.model.Stand().werk.GroepKode, g.groepNa);
    EXPECT_EQ(b.model.Stand().werk.Bedrag, 0);
    EXPECT_EQ(b.model.Stand().recordIndex, 2);
    EXPECT_EQ(b.model.Stand().split.slot[0].Bedrag, -30);
  }
}

TEST(BookingSplit, ASubGroupBookedDirectlyStillOffersTheNext) {
  BoekingBoek b;
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(b.Boek(modus::Afboeken, {{veld::Groep, "410a"}, {veld::Bedrag, "3"}}));
  EXPECT_TRUE(b.Getoond("\"Statiegeld\" boeken"));
  EXPECT_EQ(b.model.Stand().werk.GroepKode, "410b");
}

TEST(BookingSplit, TwelveItemsAllPostedGridShowsNineAndTheLast) {
  BoekingBoek b;
  for (char c = 'c'; c <= 'l'; ++c) b.Groep(std::string("410") + c, std::string("Deel ") + c, " U ");
  EXPECT_TRUE(BouwSaldoMatrix(b.kb).Gelukt());
  b.berichten.standaardAntwoord = antwoord::Ja;
  ASSERT_TRUE(b.Boek(modus::Afboeken, {{veld::Groep, "410"}, {veld::Bedrag, "78"}}));
  for (int i = 1; i <= 12; ++i) {
    ASSERT_TRUE(b.model.Stand().panelZichtbaar) << i;
    b.model.Invoer(veld::Bedrag, std::to_string(i));
    ASSERT_TRUE(b.model.Bewaar()) << i;
  }
  EXPECT_EQ(b.kb.MaxKas(), 13);
  EXPECT_FALSE(b.model.Stand().panelZichtbaar);
  EXPECT_EQ(b.model.Stand().split.aantal, 10);
  EXPECT_EQ(b.model.Stand().gridModus, 2);
  const GridInhoud& g = b.model.Stand().grid;
  EXPECT_EQ(g.label, "Bedragen van gesplitste transactie");
  ASSERT_EQ(g.rijen.size(), 12u);  // main item, ten slots, total
  EXPECT_EQ(g.rijen[0][1], "410");
  EXPECT_EQ(g.rijen[9][1], "410i");
  EXPECT_EQ(g.rijen[10][1], "410l");
  EXPECT_EQ(g.rijen[11][5], "Eindsaldo : ");
  // 410b is an income class: its item is a credit of 2.
  EXPECT_EQ(b.K(3).GroepKode, "410b");
  EXPECT_EQ(b.K(3).Bedrag, 2);
  EXPECT_TRUE(b.IndexGelijkAanPositie());
  EXPECT_EQ(b.bewaringen, 13);
}

TEST(BookingSplit, ChangeOfAMainCodeOffersTheNextRecordToChange) {
  BoekingBoek b;
  b.Kas(1, "410", -5, test::Dag(1, 1));
  b.vensters.keuzes.push_back({{1}, false});
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(b.model.Start(modus::Wijzigen, true));
  ASSERT_TRUE(b.model.Bewaar());
  // Mode 100 picks the next record to change through the picker.
  ASSERT_EQ(b.vensters.gevraagd.size(), 2u);
  EXPECT_EQ(b.vensters.gevraagd[1].titel, "Zoek boeking om te wijzigen");
  EXPECT_EQ(b.model.Stand().boekModus, modus::Wijzigen);
}

}  // namespace
}  // namespace valdero
