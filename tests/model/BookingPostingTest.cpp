#include <gtest/gtest.h>

#include "BoekingTestBoek.h"
#include "model/bookings/BoekModi.h"

namespace valdero {
namespace {

using test::BoekingBoek;
using test::Dag;

struct TekenGeval {
  const char* naam;
  int modus;
  const char* tekst;
  const char* munt;
  double opgeslagen;
};

class TekenRegel : public ::testing::TestWithParam<TekenGeval> {};

TEST_P(TekenRegel, StoresTheSignedAmountTimesTheRate) {
  const auto& g = GetParam();
  BoekingBoek b;
  ASSERT_TRUE(b.Boek(g.modus, {{veld::Groep, "410"}, {veld::Munt, g.munt}, {veld::Bedrag, g.tekst}}));
  ASSERT_EQ(b.kb.MaxKas(), 1);
  EXPECT_DOUBLE_EQ(b.K(1).Bedrag, g.opgeslagen);
  EXPECT_EQ(b.K(1).BoekSoort, g.modus);
}

INSTANTIATE_TEST_SUITE_P(
    Booking, TekenRegel,
    ::testing::Values(TekenGeval{"DebitBecomesNegative", 2, "12,50", "Eur", -12.5},
                      TekenGeval{"CreditStaysPositive", 1, "12,50", "Eur", 12.5},
                      TekenGeval{"NegativeCreditStaysNegative", 1, "-12,50", "Eur", -12.5},
                      TekenGeval{"NegativeDebitStaysNegative", 2, "-12,50", "Eur", -12.5},
                      TekenGeval{"DebitInDollarsTimesRate", 2, "12,50", "USD",
                                 -12.5 * static_cast<double>(0.8f)}),
    [](const auto& info) { return info.param.naam; });

TEST(BookingCurrency, TypedInTheDisplayCurrencyStoredInBase) {
  BoekingBoek b;
  b.kb.weergave.HulpMunt = 1;  // dollars shown and typed
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
  EXPECT_EQ(b.model.Stand().velden[veld::Munt].tekst, "USD");
  EXPECT_EQ(b.model.Stand().bedragLabel, "Bedrag :USD");
  b.model.Invoer(veld::Groep, "201");
  b.model.Invoer(veld::Bedrag, "100");
  EXPECT_EQ(b.model.Stand().velden[veld::Bedrag].tekst, "100,00");
  ASSERT_TRUE(b.model.Bewaar());
  EXPECT_NEAR(b.K(1).Bedrag, 80, 1e-5);
  EXPECT_NEAR(b.Saldo(1), 80, 1e-5);
}

TEST(BookingCurrency, ChangingAForeignRecordShowsItInItsOwnCurrency) {
  BoekingBoek b;
  b.Boek(modus::Bijboeken, {{veld::Groep, "201"}, {veld::Munt, "USD"}, {veld::Bedrag, "100"}});
  b.vensters.keuzes.push_back({{1}, false});
  ASSERT_TRUE(b.model.Start(modus::Wijzigen, false));
  EXPECT_EQ(b.model.Stand().velden[veld::Bedrag].tekst, "100,00");
  EXPECT_TRUE(b.model.Stand().velden[veld::Koers].zichtbaar);
  ASSERT_TRUE(b.model.Bewaar());
  EXPECT_NEAR(b.K(1).Bedrag, 80, 1e-5);
  EXPECT_NEAR(b.Saldo(1), 80, 1e-5);
}

TEST(BookingOrder, NewRecordSortsAfterEqualDateAndStatementWord) {
  BoekingBoek b;
  b.Kas(1, "410", -1, Dag(3, 3), 5, "eerste");
  b.Kas(1, "410", -2, Dag(3, 3), 7, "later blad");
  b.Kas(1, "410", -3, Dag(1, 3), 9, "vroeger");
  ASSERT_TRUE(b.Boek(modus::Afboeken, {{veld::Volgnr, "5"},
                                        {veld::Groep, "410"},
                                        {veld::Datum, "3-3-2026"},
                                        {veld::Bedrag, "4"},
                                        {veld::Omschrijving, "nieuw"}}));
  ASSERT_EQ(b.kb.MaxKas(), 4);
  EXPECT_EQ(b.K(1).Omschrijving, "vroeger");
  EXPECT_EQ(b.K(2).Omschrijving, "eerste");
  EXPECT_EQ(b.K(3).Omschrijving, "nieuw");
  EXPECT_EQ(b.K(4).Omschrijving, "later blad");
  EXPECT_TRUE(b.IndexGelijkAanPositie());
  EXPECT_EQ(b.bewaringen, 1);
}

TEST(BookingChange, MovesTheAmountBetweenGroupsAndKeepsTheKind) {
  BoekingBoek b;
  b.Kas(1, "410", -20, Dag(1, 2));
  b.Kas(1, "201", 50, Dag(5, 2));
  b.vensters.keuzes.push_back({{1}, false});
  ASSERT_TRUE(b.model.Start(modus::Wijzigen, true));
  EXPECT_EQ(b.model.Stand().recordIndex, 1);
  EXPECT_EQ(b.model.Stand().oud.bedrag, 20);
  // Moved to a VAT group and a later date: the kind stays as first posted.
  b.model.Invoer(veld::Groep, "500");
  EXPECT_TRUE(b.model.Stand().btwBox);
  b.model.Invoer(veld::Datum, "9-2-2026");
  ASSERT_TRUE(b.model.Bewaar());
  EXPECT_EQ(b.kb.MaxKas(), 2);
  EXPECT_EQ(b.K(2).GroepKode, "500");
  EXPECT_EQ(b.K(2).BoekSoort, 1);
  EXPECT_EQ(b.GroepTotaal("410"), 0);
  EXPECT_EQ(b.GroepTotaal("500"), -20);
  EXPECT_EQ(b.Saldo(1), 30);
  EXPECT_TRUE(b.IndexGelijkAanPositie());
}

TEST(BookingChange, KeepsItsPlaceAmongEqualRecords) {
  BoekingBoek b;
  for (int i = 1; i <= 3; ++i) b.Kas(1, "410", -i, Dag(1, 2), 1, "r" + std::to_string(i));
  b.vensters.keuzes.push_back({{2}, false});
  ASSERT_TRUE(b.model.Start(modus::Wijzigen, true));
  b.model.Invoer(veld::Bedrag, "-9");
  ASSERT_TRUE(b.model.Bewaar());
  EXPECT_EQ(b.K(2).Omschrijving, "r2");
  EXPECT_EQ(b.K(2).Bedrag, -9);
  EXPECT_EQ(b.Saldo(1), -13);
}

TEST(BookingDelete, RemovesExactlyThePickedNonAdjacentRows) {
  BoekingBoek b;
  for (int i = 1; i <= 14; ++i) b.Kas(1, "410", -i, Dag(i, 1), 1, "r" + std::to_string(i));
  b.vensters.keuzes.push_back({{10, 12, 13}, false});
  b.berichten.Antwoord(antwoord::Ja);
  EXPECT_FALSE(b.model.Start(modus::Verwijderen, true));
  EXPECT_EQ(b.vensters.gevraagd.back().titel, "Zoek boeking om te verwijderen");
  EXPECT_TRUE(b.Getoond("Weet u zeker dat u 3 record(s) wilt verwijderen ? "));
  EXPECT_TRUE(b.Getoond("Totaal 3 Kasrecord(s) verwijderd"));
  ASSERT_EQ(b.kb.MaxKas(), 11);
  EXPECT_EQ(b.K(10).Omschrijving, "r11");
  EXPECT_EQ(b.K(11).Omschrijving, "r14");
  EXPECT_EQ(b.Saldo(1), -(105 - 10 - 12 - 13));
  EXPECT_TRUE(b.IndexGelijkAanPositie());
  EXPECT_EQ(b.bewaringen, 1);
  EXPECT_EQ(b.model.Stand().menu, Menu::Boek);
}

TEST(BookingDelete, NoDeletesWithoutConfirmation) {
  BoekingBoek b;
  b.Kas(1, "410", -1, Dag(1, 1));
  b.vensters.keuzes.push_back({{1}, false});
  b.model.Start(modus::Verwijderen, true);  // the script answers Nee
  EXPECT_EQ(b.kb.MaxKas(), 1);
  EXPECT_EQ(b.bewaringen, 0);
}

TEST(BookingZeroAmount, AsksAndPostsOnlyOnNee) {
  BoekingBoek b;
  b.berichten.Antwoord(antwoord::Ja);
  EXPECT_FALSE(b.Boek(modus::Bijboeken, {{veld::Groep, "201"}}));
  EXPECT_EQ(b.model.Stand().focus, veld::Bedrag);
  EXPECT_EQ(b.kb.MaxKas(), 0);
  b.berichten.Antwoord(antwoord::Nee);
  EXPECT_TRUE(b.model.Bewaar());
  EXPECT_TRUE(b.Getoond("Bedrag = 0 \r Opnieuw ?"));
  ASSERT_EQ(b.kb.MaxKas(), 1);
  EXPECT_EQ(b.K(1).Bedrag, 0);
  EXPECT_EQ(b.Saldo(1), 0);
}

TEST(BookingStart, ChangeAndTransferOpenNothingInAnEmptyBook) {
  BoekingBoek b;
  EXPECT_FALSE(b.model.Start(modus::Wijzigen, true));
  EXPECT_FALSE(b.model.Start(modus::Transfereren, true));
  EXPECT_TRUE(b.vensters.gevraagd.empty());
  EXPECT_FALSE(b.model.Stand().panelZichtbaar);
}

TEST(BookingStart, NewRecordTakesOverTheRememberedValues) {
  BoekingBoek b;
  ASSERT_TRUE(b.Boek(modus::Afboeken, {{veld::Rekening, "2"},
                                        {veld::Volgnr, "12"},
                                        {veld::Blad, "5"},
                                        {veld::Groep, "410"},
                                        {veld::Datum, "7-3-2026"},
                                        {veld::Bedrag, "3"}}));
  EXPECT_EQ(b.K(1).VolgBlad, 12 * 64 + 5);
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, false));
  EXPECT_EQ(b.model.Stand().werk.RekNr, 2);
  EXPECT_EQ(b.model.Stand().werk.VolgBlad, 773);
  EXPECT_EQ(b.model.Stand().werk.Datum, Dag(7, 3));
  EXPECT_EQ(b.model.Stand().velden[veld::Rekening].tekst, "2   Spaar");
  EXPECT_EQ(b.model.Stand().velden[veld::Groep].tekst, "2   Saldo 2");
  EXPECT_EQ(b.model.Stand().recordIndex, 2);
}

TEST(BookingSave, RefusedFieldPostsNothing) {
  BoekingBoek b;
  EXPECT_FALSE(b.Boek(modus::Bijboeken, {{veld::Groep, "201"}, {veld::Bedrag, "5"}, {veld::Datum, "31-2-2026"}}));
  EXPECT_EQ(b.model.Stand().focus, veld::Datum);
  EXPECT_EQ(b.kb.MaxKas(), 0);
  EXPECT_EQ(b.bewaringen, 0);
}

TEST(BookingClose, AsksOnlyWithUnsavedWork) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
  b.berichten.Antwoord(antwoord::Ja);
  EXPECT_FALSE(b.model.MagSluiten());
  EXPECT_TRUE(b.Getoond("Kas-record nog redden"));
  b.model.SluitKnop();
  EXPECT_TRUE(b.model.Stand().vensterGesloten);
}

TEST(BookingOverview, ChangeFromOutsideClosesAndAsksTheCallerToRefresh) {
  BoekingBoek b;
  b.Kas(1, "410", -20, Dag(1, 2));
  ASSERT_TRUE(b.model.StartMetRecord(modus::ExternWijzigen, 1));
  EXPECT_EQ(b.model.Stand().boekModus, modus::Wijzigen);
  b.model.Invoer(veld::Bedrag, "-25");
  ASSERT_TRUE(b.model.Bewaar());
  EXPECT_EQ(b.K(1).Bedrag, -25);
  EXPECT_TRUE(b.model.Stand().vensterGesloten);
  EXPECT_EQ(b.vensters.ververst, 1);
}

}  // namespace
}  // namespace valdero

namespace valdero {
namespace {

using test::BoekingBoek;
using test::Dag;

TEST(BookingCopy, PostsANewRecordWithTheCopyModeAndLeavesTheOriginal) {
  BoekingBoek b;
  b.Kas(1, "410", -20, Dag(1, 2), 1, "huur");
  b.vensters.keuzes.push_back({{1}, false});
  ASSERT_TRUE(b.model.Start(modus::Kopieren, true));
  EXPECT_EQ(b.vensters.gevraagd.back().titel, "Zoek boeking om te kopieren");
  EXPECT_EQ(b.model.Stand().oud.bedrag, 0);
  EXPECT_EQ(b.model.Stand().recordIndex, 2);
  EXPECT_EQ(b.model.Stand().velden[veld::Bedrag].tekst, "-20,00");
  ASSERT_TRUE(b.model.Bewaar());
  ASSERT_EQ(b.kb.MaxKas(), 2);
  EXPECT_EQ(b.K(2).Omschrijving, "huur");
  EXPECT_EQ(b.K(2).BoekSoort, 4);
  EXPECT_EQ(b.Saldo(1), -40);
}

TEST(BookingButtons, HerstelBringsBackTheShownRecord) {
  BoekingBoek b;
  b.Kas(1, "410", -20, Dag(1, 2), 1, "huur");
  b.vensters.keuzes.push_back({{1}, false});
  ASSERT_TRUE(b.model.Start(modus::Wijzigen, true));
  b.model.Invoer(veld::Bedrag, "-99");
  EXPECT_TRUE(b.model.Stand().herstelAan);
  b.model.Herstel();
  EXPECT_EQ(b.model.Stand().werk.Bedrag, -20);
  EXPECT_EQ(b.model.Stand().velden[veld::Bedrag].tekst, "-20,00");
  EXPECT_FALSE(b.model.Stand().bewaarAan);
  EXPECT_TRUE(b.model.Stand().okAan);
  b.model.Schrap();
  EXPECT_FALSE(b.model.Stand().panelZichtbaar);
  EXPECT_EQ(b.model.Stand().menu, Menu::Boek);
}

TEST(BookingRelations, ANewCounterTextAddsARelation) {
  BoekingBoek b;
  b.kb.RelatiesAanwezig = true;
  b.kb.RelatieLijst.resize(1);
  for (const char* tegen : {"NL12 3456", "123456", "P77"})
    ASSERT_TRUE(b.Boek(modus::Afboeken, {{veld::Groep, "410"}, {veld::TegenRek, tegen},
                                          {veld::Relatie, "Bakker"}, {veld::Bedrag, "1"}}));
  ASSERT_EQ(b.kb.MaxRelatie(), 2);
  EXPECT_EQ(b.kb.RelatieLijst[1].Rekening, "123456");
  EXPECT_EQ(b.kb.RelatieLijst[1].Naam, "Bakker");
  EXPECT_EQ(b.kb.RelatieLijst[2].Rekening, "P77");
}

}  // namespace
}  // namespace valdero

namespace valdero {
namespace {

// A book opened although its name holds no year ("Kasboek" gives "ek"):
// booking starts on 1 January of this year instead of ending the program.
TEST(BookingStart, ABookWhoseNameHoldsNoYearBooksInThisYear) {
  for (const char* jaar : {"ek", "", "20x6"}) {
    SCOPED_TRACE(jaar);
    test::BoekingBoek b;
    b.kb.KasJaar = jaar;
    ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
    EXPECT_EQ(b.model.Stand().velden[veld::Datum].tekst, "1-1-2026");
    b.model.Invoer(veld::Groep, "201");
    b.model.Invoer(veld::Bedrag, "12");
    ASSERT_TRUE(b.model.Bewaar());
    EXPECT_EQ(b.K(1).Datum, MaakDatum(2026, 1, 1));
  }
}

}  // namespace
}  // namespace valdero
