#include <gtest/gtest.h>

#include "BoekingTestBoek.h"
#include "model/bookings/BoekModi.h"

namespace valdero {
namespace {

using test::BoekingBoek;
using test::Dag;

TEST(BookingTransfer, BothLegsOnAnswerJa) {
  BoekingBoek b;
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(b.model.Start(modus::OverboekenVan, true));
  EXPECT_EQ(b.model.Stand().velden[veld::Groep].tekst, "xxxx KRUISPOSTEN");
  EXPECT_EQ(b.model.Stand().velden[veld::Actie].tekst, "OB overboeking");
  EXPECT_EQ(b.model.Stand().velden[veld::Relatie].tekst, " Mijzelf");
  EXPECT_EQ(b.model.Stand().velden[veld::Omschrijving].tekst, "Overboeken van Betaal");
  EXPECT_EQ(b.model.Stand().werk.Datum, Dag(2, 5));  // a transfer is dated today
  EXPECT_TRUE(b.model.Stand().velden[veld::Volgnr2].zichtbaar);
  b.model.Invoer(veld::Volgnr, "4");
  b.model.Invoer(veld::TegenRek, "2   Spaar");
  b.model.Invoer(veld::Volgnr2, "9");
  b.model.Invoer(veld::Bedrag, "100");
  ASSERT_TRUE(b.model.Bewaar());
  EXPECT_TRUE(b.Getoond("Wilt u ook overboeken naar tegenrekening"));
  EXPECT_TRUE(b.Getoond("Kasrecords van beide rekeningen gered"));
  ASSERT_EQ(b.kb.MaxKas(), 2);
  const TKas& naar = b.K(1).RekNr == 2 ? b.K(1) : b.K(2);
  const TKas& van = b.K(1).RekNr == 1 ? b.K(1) : b.K(2);
  EXPECT_EQ(naar.Bedrag, 100);
  EXPECT_EQ(naar.Omschrijving, "Overboeken van Betaal");
  EXPECT_EQ(naar.Relatie, "Betaal");
  EXPECT_EQ(naar.TegenRek, 1);
  EXPECT_EQ(naar.VolgBlad, 9 * 64);
  EXPECT_EQ(naar.TegenVolgBlad, 4 * 64 + 1);  // a fresh window remembers the word 1
  EXPECT_EQ(van.Bedrag, -100);
  EXPECT_EQ(van.Omschrijving, "Overboeken naar Spaar");
  EXPECT_EQ(van.TegenRek, 2);
  for (const TKas* k : {&naar, &van}) {
    EXPECT_EQ(k->GroepKode, "xxxx");
    EXPECT_EQ(k->ActieKode, "OB");
    EXPECT_EQ(k->BoekSoort, 6);
  }
  EXPECT_EQ(b.GroepTotaal("xxxx"), 0);
  EXPECT_EQ(b.Saldo(1), -100);
  EXPECT_EQ(b.Saldo(2), 100);
  EXPECT_TRUE(b.IndexGelijkAanPositie());
}

TEST(BookingTransfer, AnswerNeeLeavesOnlyTheCounterLeg) {
  BoekingBoek b;
  ASSERT_TRUE(b.Boek(modus::OverboekenVan, {{veld::TegenRek, "2"}, {veld::Bedrag, "100"}}));
  ASSERT_EQ(b.kb.MaxKas(), 1);
  EXPECT_EQ(b.K(1).RekNr, 2);
  EXPECT_EQ(b.GroepTotaal("xxxx"), 100);
  EXPECT_FALSE(b.Getoond("Kasrecords van beide rekeningen gered"));
}

TEST(BookingTransfer, ToTheSameAccountPostsNothingSilently) {
  BoekingBoek b;
  ASSERT_TRUE(b.Boek(modus::OverboekenNaar, {{veld::TegenRek, "1"}, {veld::Bedrag, "100"}}));
  EXPECT_EQ(b.kb.MaxKas(), 0);
  EXPECT_TRUE(b.berichten.getoond.empty());
}

TEST(BookingTransfer, ForeignCurrencyLegsAreExactOpposites) {
  BoekingBoek b;
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(b.Boek(modus::OverboekenNaar,
                     {{veld::TegenRek, "2"}, {veld::Munt, "USD"}, {veld::Bedrag, "33,33"}}));
  ASSERT_EQ(b.kb.MaxKas(), 2);
  EXPECT_EQ(b.K(1).Munt, 1);
  EXPECT_EQ(b.K(2).Munt, 1);
  EXPECT_EQ(b.K(1).MuntKoers, 0.8f);
  EXPECT_EQ(b.K(1).MuntKoers, b.K(2).MuntKoers);
  EXPECT_EQ(b.K(1).Bedrag, -b.K(2).Bedrag);
  EXPECT_NEAR(b.Saldo(1), 33.33 * 0.8, 1e-5);
  EXPECT_EQ(b.GroepTotaal("xxxx"), 0);
}

TEST(BookingTransfer, OwnRemarkKeptOnBothLegs) {
  BoekingBoek b;
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(b.model.Start(modus::OverboekenNaar, true));
  b.model.Invoer(veld::TegenRek, "2");
  b.model.Invoer(veld::Bedrag, "5");
  b.model.Invoer(veld::Omschrijving, "vakantiegeld");
  b.model.ZetOpm(true);
  ASSERT_TRUE(b.model.Bewaar());
  EXPECT_EQ(b.K(1).Omschrijving, "vakantiegeld");
  EXPECT_EQ(b.K(2).Omschrijving, "vakantiegeld");
}

TEST(BookingTransfer, UnknownCounterAccountIsRefused) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::OverboekenNaar, true));
  b.model.Invoer(veld::TegenRek, "2");
  b.model.Invoer(veld::TegenRek, "8");
  EXPECT_EQ(b.model.Stand().werk.TegenRek, 2);
  EXPECT_EQ(b.model.Stand().focus, veld::TegenRek);
}

struct Agenda : BoekingBoek {
  Agenda() {
    Rekening(99, "TRANSFER REKENING", "TR");
    Groep("99", "Saldo TRANSFER REKENING", " - ");
    EXPECT_TRUE(BouwSaldoMatrix(kb).Gelukt());
    Kas(99, "410", -60, Dag(15, 3), 1, "huur");
  }
};

TEST(BookingAgenda, CopyOfAPlannedRecordIsDatedTodayAndKeepsThePlan) {
  Agenda b;
  b.vensters.keuzes.push_back({{1}, true});
  ASSERT_TRUE(b.model.Start(modus::Transfereren, true));
  EXPECT_EQ(b.vensters.gevraagd.back().titel, "Zoek boeking om te transfereren");
  EXPECT_TRUE(b.model.Stand().openTransferAan);
  EXPECT_EQ(b.model.Stand().velden[veld::Datum].tekst, "2-5-2026");
  b.model.Invoer(veld::Rekening, "1");
  ASSERT_TRUE(b.model.Bewaar());
  ASSERT_EQ(b.kb.MaxKas(), 2);
  EXPECT_EQ(b.K(1).Datum, Dag(15, 3));
  EXPECT_EQ(b.K(1).RekNr, 99);
  EXPECT_EQ(b.K(2).Datum, Dag(2, 5));
  EXPECT_EQ(b.K(2).RekNr, 1);
  EXPECT_EQ(b.K(2).BoekSoort, 8);
  EXPECT_EQ(b.K(2).Bedrag, -60);
}

TEST(BookingAgenda, PickedRowChangesThePlannedRecord) {
  Agenda b;
  b.vensters.keuzes.push_back({{1}, false});
  ASSERT_TRUE(b.model.Start(modus::Transfereren, true));
  b.model.Invoer(veld::Bedrag, "-70");
  ASSERT_TRUE(b.model.Bewaar());
  ASSERT_EQ(b.kb.MaxKas(), 1);
  EXPECT_EQ(b.K(1).Bedrag, -70);
  EXPECT_EQ(b.Saldo(99), -70);
}

}  // namespace
}  // namespace valdero
