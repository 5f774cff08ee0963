#include <gtest/gtest.h>

#include "BoekingTestBoek.h"
#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingScript.h"

namespace valdero {
namespace {

using test::BoekingBoek;
using test::Dag;

TEST(BookingScript, EntersEveryShownFieldAndSaves) {
  BoekingBoek b;
  int bewaard = 0;
  const auto fout = VoerBoekingUit(
      b.kb,
      {modus::Afboeken, {}, false,
       {{"groep", "500"}, {"bedrag", "12.50"}, {"omschrijving", "schroeven"}, {"btw", "0"}}},
      [&](Kasboek&) { ++bewaard; });
  EXPECT_FALSE(fout);
  ASSERT_EQ(b.kb.MaxKas(), 1);
  EXPECT_EQ(b.K(1).RekNr, 1);
  EXPECT_EQ(b.K(1).Bedrag, -12.5);
  EXPECT_EQ(b.K(1).BoekSoort, 2);  // the VAT box was cleared
  EXPECT_EQ(b.K(1).Omschrijving, "schroeven");
  EXPECT_EQ(b.K(1).Datum, Dag(1, 1));  // a fresh window books on 1 January
  EXPECT_TRUE(b.Getoond("Decimaalteken in 12,50 gewijzigd"));
  EXPECT_EQ(bewaard, 1);
}

TEST(BookingScript, TransferAnswersTheQuestionFromThePort) {
  BoekingBoek b;
  b.berichten.standaardAntwoord = antwoord::Ja;
  VoerBoekingUit(b.kb, {modus::OverboekenVan, {}, false, {{"tegenrek", "2"}, {"bedrag", "40"}}},
                 [](Kasboek&) {});
  EXPECT_EQ(b.kb.MaxKas(), 2);
  EXPECT_EQ(b.Saldo(2), 40);
}

TEST(BookingScript, DeletingModesDeleteThePickedRows) {
  BoekingBoek b;
  for (int i = 1; i <= 4; ++i) b.Kas(1, "410", -i, Dag(i, 1));
  b.berichten.standaardAntwoord = antwoord::Ja;
  VoerBoekingUit(b.kb, {modus::Verwijderen, {1, 3}, false, {}}, [](Kasboek&) {});
  ASSERT_EQ(b.kb.MaxKas(), 2);
  EXPECT_EQ(b.K(1).Bedrag, -2);
  EXPECT_EQ(b.K(2).Bedrag, -4);
}

TEST(BookingScript, ChangeOfAPickedRecord) {
  BoekingBoek b;
  b.Kas(1, "410", -5, Dag(3, 1));
  VoerBoekingUit(b.kb, {modus::Wijzigen, {1}, false, {{"bedrag", "-6"}}}, [](Kasboek&) {});
  ASSERT_EQ(b.kb.MaxKas(), 1);
  EXPECT_EQ(b.K(1).Bedrag, -6);
  EXPECT_EQ(b.K(1).Datum, Dag(3, 1));
  EXPECT_EQ(b.Saldo(1), -6);
}

TEST(BookingScript, UnknownFieldNameIsAnError) {
  BoekingBoek b;
  EXPECT_EQ(VoerBoekingUit(b.kb, {modus::Bijboeken, {}, false, {{"bedarg", "1"}}}, [](Kasboek&) {}),
            "Onbekend veld: bedarg");
  EXPECT_EQ(b.kb.MaxKas(), 0);
}

}  // namespace
}  // namespace valdero
