#include <gtest/gtest.h>

#include "BoekingTestBoek.h"
#include "model/bookings/BoekModi.h"

namespace valdero {
namespace {

using test::BoekingBoek;
using test::Dag;

TEST(BookingFields, AccountNumberFromTheListEntry) {
  struct Geval {
    const char* tekst;
    bool opNaam;
    int nummer;
  };
  for (const Geval& g : {Geval{"07   Zeven", false, 7}, Geval{"Zeven  07", true, 7},
                         Geval{"12   Twaalf", false, 12}, Geval{"Twaalf  12", false, 0},
                         Geval{"", false, 0}})
    EXPECT_EQ(BoekingModel::RekeningUitTekst(g.tekst, g.opNaam), g.nummer) << g.tekst;
}

TEST(BookingFields, UnknownAccountIsRefusedAndKeepsTheFocus) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
  b.model.Invoer(veld::Rekening, "8");
  EXPECT_EQ(b.model.Stand().werk.RekNr, 1);
  EXPECT_EQ(b.model.Stand().focus, veld::Rekening);
  EXPECT_TRUE(b.Getoond("RekeningNummer  bestaat niet\n\r corrigeer rekening"));
  b.model.Invoer(veld::Rekening, "2   Spaar");
  EXPECT_EQ(b.model.Stand().werk.RekNr, 2);
  EXPECT_EQ(b.model.Stand().focus, veld::Volgnr);
}

TEST(BookingFields, StatementWordFromSequenceAndSheet) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
  b.model.Invoer(veld::Volgnr, "12");
  b.model.Invoer(veld::Blad, "5");
  EXPECT_EQ(b.model.Stand().werk.VolgBlad, 773);
  EXPECT_EQ(b.model.Stand().onthoudVolgBlad, 773);
  b.model.Invoer(veld::Blad, "64");  // does not fit the six bits
  EXPECT_EQ(b.model.Stand().werk.VolgBlad, 773);
  EXPECT_EQ(b.model.Stand().focus, veld::Blad);
  b.model.Invoer(veld::Volgnr, "-1");
  EXPECT_TRUE(b.Getoond("Volgnummer  bestaat niet\n\r corrigeer getal"));
  EXPECT_EQ(b.model.Stand().werk.VolgBlad, 773);
}

TEST(BookingFields, CounterTextKeepsPAndDigits) {
  struct Geval {
    const char* tekst;
    const char* opgeslagen;
  };
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
  for (const Geval& g : {Geval{"P 123.45", "P12345"}, Geval{"NL12AB", "12"}, Geval{"", ""},
                         Geval{" 1234567890123456", "123456789012"}}) {
    b.model.Invoer(veld::TegenRek, g.tekst);
    EXPECT_EQ(b.model.Stand().werk.TegenRekNr, g.opgeslagen) << g.tekst;
  }
}

TEST(BookingFields, RelationKeepsTwentyFourCharactersTrimmed) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
  b.model.Invoer(veld::Relatie, "  Groenteboer Jansen en Zonen BV");
  EXPECT_EQ(b.model.Stand().werk.Relatie, "Groenteboer Jansen en");  // cut, then trimmed
}

TEST(BookingFields, NewBookingShowsTheAccountsOwnGroup) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Afboeken, true));
  b.model.Invoer(veld::Rekening, "3");
  EXPECT_EQ(b.model.Stand().werk.GroepKode, "3");
  EXPECT_EQ(b.model.Stand().velden[veld::Groep].tekst, "3   Saldo 3");
  // Only this account's own group is offered, besides the ordinary groups.
  const auto& lijst = b.model.Stand().lijsten[veld::Groep];
  EXPECT_EQ(std::count(lijst.begin(), lijst.end(), "1   Saldo 1"), 0);
  EXPECT_EQ(std::count(lijst.begin(), lijst.end(), "3   Saldo 3"), 1);
}

TEST(BookingFields, CrossPostingGroupRefusedOutsideTransfersAndChanges) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
  b.model.Invoer(veld::Groep, "201");
  b.model.Invoer(veld::Groep, "xxxx");
  EXPECT_EQ(b.model.Stand().werk.GroepKode, "201");
  EXPECT_EQ(b.model.Stand().velden[veld::Groep].tekst, "201   Salaris");
  EXPECT_TRUE(b.Getoond("Groepkode(wijziging) niet toegestaan\rgroep niet gewijzigd!"));

  b.Kas(1, "410", -5, Dag(1, 1));
  b.vensters.keuzes.push_back({{1}, false});
  ASSERT_TRUE(b.model.Start(modus::Wijzigen, false));
  b.model.Invoer(veld::Groep, "xxxx");
  EXPECT_EQ(b.model.Stand().werk.GroepKode, "xxxx");
}

TEST(BookingFields, UnknownGroupAnsweredNeeBooksOnAlgemeen) {
  BoekingBoek b;
  b.berichten.Antwoord(antwoord::Nee);
  ASSERT_TRUE(b.Boek(modus::Afboeken, {{veld::Groep, "777 Zomaar"}, {veld::Bedrag, "3"}}));
  EXPECT_TRUE(b.Getoond("Groep 777 Zomaar bestaat niet\r wilt u groep opvoeren"));
  EXPECT_TRUE(b.Getoond("Groep wordt: Algemeen!"));
  const int g = b.kb.ZoekGroep("aaaa").value();
  ASSERT_NE(g, 0);
  EXPECT_EQ(b.kb.GroepLijst[static_cast<std::size_t>(g)].Naam, "Algemeen");
  EXPECT_EQ(b.K(1).GroepKode, "aaaa");
  EXPECT_EQ(b.GroepTotaal("aaaa"), -3);
  // Groups stay in code order with the cross-posting group last.
  EXPECT_EQ(b.kb.GroepLijst.back().Kode, "xxxx");
}

TEST(BookingFields, UnknownGroupAnsweredJaUsesTheGroupDialog) {
  BoekingBoek b;
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(b.model.Start(modus::Afboeken, true));
  b.model.Invoer(veld::Groep, "420");
  EXPECT_TRUE(b.kb.ZoekGroep("420").has_value());
  EXPECT_EQ(b.model.Stand().werk.GroepKode, "420");

  b.vensters.groepMaken = false;
  b.berichten.Antwoord(antwoord::Ja);
  b.model.Invoer(veld::Groep, "430");
  EXPECT_TRUE(b.Getoond("Groep niet opgevoerd!"));
  EXPECT_EQ(b.model.Stand().werk.GroepKode, "420");
}

TEST(BookingFields, VatBoxFollowsTheGroupButSavingKeepsTheUsersChoice) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Afboeken, true));
  EXPECT_TRUE(b.model.Stand().btwBoxZichtbaar);
  b.model.Invoer(veld::Groep, "500");
  EXPECT_TRUE(b.model.Stand().btwBox);
  EXPECT_EQ(b.model.Stand().btwBoxTekst, "BTW hoog");
  EXPECT_EQ(b.model.Stand().klasseTekst, " B ");
  b.model.Invoer(veld::Bedrag, "121");
  ASSERT_TRUE(b.model.Bewaar());
  EXPECT_EQ(b.K(1).BoekSoort, 2 + 256 * 2);

  ASSERT_TRUE(b.model.Start(modus::Afboeken, false));
  b.model.Invoer(veld::Groep, "500");
  b.model.Invoer(veld::Bedrag, "10");
  b.model.ZetBtw(false);
  ASSERT_TRUE(b.model.Bewaar());
  EXPECT_EQ(b.K(2).BoekSoort, 2);
}

TEST(BookingFields, ANewBookingStartsWithTheVatBoxOfItsOwnGroup) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Afboeken, true));
  b.model.Invoer(veld::Groep, "500");
  b.model.Invoer(veld::Bedrag, "121");
  ASSERT_TRUE(b.model.Bewaar());
  ASSERT_TRUE(b.model.Start(modus::Afboeken, false));
  EXPECT_NE(b.model.Stand().werk.GroepKode, "500");
  EXPECT_FALSE(b.model.Stand().btwBox) << "the group " << b.model.Stand().werk.GroepKode << " has no VAT";
}

TEST(BookingFields, FocusOrderThroughTheFields) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
  b.model.Invoer(veld::Munt, "USD");
  EXPECT_TRUE(b.model.Stand().velden[veld::Koers].zichtbaar);
  EXPECT_EQ(b.model.Stand().velden[veld::Koers].tekst, "0,80000");
  EXPECT_EQ(b.model.Stand().focus, veld::Koers);
  b.model.Invoer(veld::Koers, "0.75");
  EXPECT_EQ(b.model.Stand().focus, veld::Bedrag);
  EXPECT_FLOAT_EQ(b.model.Stand().werk.MuntKoers, 0.75f);
  b.model.Invoer(veld::Relatie, "x");
  EXPECT_EQ(b.model.Stand().focus, veld::Munt);
  b.model.Invoer(veld::Omschrijving, "klaar");
  EXPECT_EQ(b.model.Stand().focus, veld::BewaarKnop);
  EXPECT_TRUE(b.model.Stand().bewaarAan);
  EXPECT_FALSE(b.model.Stand().okAan);
}

TEST(BookingFields, AmountShowsTheNewBalance) {
  BoekingBoek b;
  b.Kas(1, "201", 100, Dag(1, 1));
  ASSERT_TRUE(b.model.Start(modus::Afboeken, true));
  b.model.Invoer(veld::Bedrag, "130");
  EXPECT_EQ(b.model.Stand().velden[veld::Bedrag].tekst, "-130,00");
  EXPECT_TRUE(b.model.Stand().velden[veld::Bedrag].rood);
  EXPECT_EQ(b.model.Stand().saldoTekst, "-30,00");
  EXPECT_TRUE(b.model.Stand().saldoRood);
}

TEST(BookingFields, DecimalSeparatorIsCorrectedWithAWarning) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
  b.model.Invoer(veld::Bedrag, "12.5");
  EXPECT_TRUE(b.Getoond("Decimaalteken in 12,5 gewijzigd"));
  EXPECT_EQ(b.model.Stand().werk.Bedrag, 12.5);
}

TEST(BookingHistory, NewestFirstEachValueOnceAtMostFiveHundred) {
  BoekingBoek b;
  b.Kas(1, "410", -1, Dag(1, 1), 1, "brood ");
  b.Kas(1, "410", -2, Dag(2, 1), 1, "melk");
  b.Kas(1, "410", -1, Dag(3, 1), 1, "brood");
  b.Kas(1, "201", 9, Dag(4, 1), 1, "salaris");
  ASSERT_TRUE(b.model.Start(modus::Afboeken, true));
  b.model.Invoer(veld::Groep, "410");
  EXPECT_EQ(b.model.Stand().lijsten[veld::Bedrag], (std::vector<std::string>{"-2,00", "-1,00"}));
  // "brood " and "brood" differ before trimming.
  EXPECT_EQ(b.model.Stand().lijsten[veld::Omschrijving],
            (std::vector<std::string>{"brood", "melk", "brood"}));
  EXPECT_TRUE(b.model.Stand().opmZichtbaar);

  for (int i = 0; i < 600; ++i) b.kb.KasLijst.push_back(b.K(1)), b.kb.KasLijst.back().Bedrag = -i - 10;
  b.model.Invoer(veld::Groep, "410");
  const auto& bedragen = b.model.Stand().lijsten[veld::Bedrag];
  ASSERT_EQ(bedragen.size(), 500u);
  EXPECT_EQ(bedragen.front(), "-609,00");
}

TEST(BookingGrid, AccountRowsWithOneMinusForADebit) {
  BoekingBoek b;
  b.kb.BtwActief = false;
  b.Kas(1, "201", 100, Dag(1, 1), 3);
  ASSERT_TRUE(b.model.Start(modus::Afboeken, true));
  EXPECT_TRUE(b.model.Stand().grid.rijen.empty());  // hidden until shown
  b.model.ToonGrid();
  b.model.Invoer(veld::Groep, "410");
  b.model.Invoer(veld::Datum, "2-1-2026");
  b.model.Invoer(veld::Bedrag, "12,50");
  ASSERT_TRUE(b.model.Bewaar());
  const GridInhoud& g = b.model.Stand().grid;
  EXPECT_EQ(g.label, "Nummer :1 Rekening : Betaal  Jaar: 2026");
  EXPECT_EQ(g.kop, (std::vector<std::string>{"VolgNr", "Kode", "Datum", "Relatie", "Bij", " Af",
                                             "Saldo"}));
  ASSERT_EQ(g.rijen.size(), 3u);
  EXPECT_EQ(g.rijen[0], (std::vector<std::string>{"3", "201", "1-1-2026", "", "100,00", "",
                                                  "100,00"}));
  EXPECT_EQ(g.rijen[1][5], "-12,50");
  EXPECT_EQ(g.rijen[2], (std::vector<std::string>{"", "", "2-1-2026", "", "Eur", "Eindsaldo : ",
                                                  "87,50"}));
  EXPECT_EQ(g.huidigeRij, 2);
}

TEST(BookingGrid, BalancesLeaveOutTheTransferAccount) {
  BoekingBoek b;
  b.Rekening(99, "TRANSFER REKENING", "TR");
  b.kb.BtwActief = false;
  EXPECT_TRUE(BouwSaldoMatrix(b.kb).Gelukt());
  b.Kas(2, "201", 40, Dag(1, 1));
  ASSERT_TRUE(b.model.Start(modus::Bijboeken, true));
  b.model.WisselGrid();
  EXPECT_EQ(b.model.Stand().kasRekKnopTekst, "Rekening");
  const GridInhoud& g = b.model.Stand().grid;
  ASSERT_EQ(g.rijen.size(), 4u);
  EXPECT_EQ(g.rijen[1], (std::vector<std::string>{"2", "Spaar", "", "", "40,00"}));
  EXPECT_EQ(g.rijen[3], (std::vector<std::string>{"", "", "", "", ""}));
}

}  // namespace
}  // namespace valdero
