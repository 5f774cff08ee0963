#include <gtest/gtest.h>

#include "BoekingTestBoek.h"
#include "model/bookings/BoekModi.h"

namespace valdero {
namespace {

using test::BoekingBoek;

struct Regel {
  int rekNr;
  std::string groep;
  double bedrag;
  std::string actie;
  std::string opm;
};

std::vector<Regel> Regels(const BoekingBoek& b) {
  std::vector<Regel> uit;
  for (int p = 1; p <= b.kb.MaxKas(); ++p)
    uit.push_back({b.K(p).RekNr, b.K(p).GroepKode, b.K(p).Bedrag, b.K(p).ActieKode,
                   b.K(p).Omschrijving});
  return uit;
}

void VerwachtRegels(const BoekingBoek& b, const std::vector<Regel>& verwacht) {
  const auto echt = Regels(b);
  ASSERT_EQ(echt.size(), verwacht.size());
  for (std::size_t i = 0; i < echt.size(); ++i) {
    SCOPED_TRACE("regel " + std::to_string(i + 1));
    EXPECT_EQ(echt[i].rekNr, verwacht[i].rekNr);
    EXPECT_EQ(echt[i].groep, verwacht[i].groep);
    EXPECT_DOUBLE_EQ(echt[i].bedrag, verwacht[i].bedrag);
    EXPECT_EQ(echt[i].actie, verwacht[i].actie);
    EXPECT_EQ(echt[i].opm, verwacht[i].opm);
  }
}

// Buying or selling through cash account 1 on the securities account 3.
bool Handel(BoekingBoek& b, int modus, const char* aantal, const char* prijs) {
  if (!b.model.Start(modus, true)) return false;
  EXPECT_EQ(b.model.Stand().werk.RekNr, 3);
  EXPECT_EQ(b.model.Stand().tegenRekLabel, "Kasrekening");
  b.model.Invoer(veld::Groep, "E01");
  b.model.Invoer(veld::TegenRek, "1");
  b.model.Invoer(veld::Aantal, aantal);
  b.model.Invoer(veld::Prijs, prijs);
  b.model.Invoer(veld::Bedrag, b.model.Stand().velden[veld::Bedrag].tekst);
  return b.model.Bewaar();
}

TEST(BookingSecurities, PurchaseThroughCashAccount) {
  BoekingBoek b;
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(Handel(b, modus::Kopen, "10", "25"));
  // Every record has the same date and statement word: insertion order.
  VerwachtRegels(b, {{1, "xxxx", -250, "OB", "Overboeken naar Effecten"},
                     {3, "xxxx", 250, "OB", "Overboeken van Betaal"},
                     {3, "3", -250, "BS", "Aankoop AandeelAandelen"},
                     {3, "E01", 250, "AS", "Aanschaf AandeelAandelen"}});
  EXPECT_EQ(b.K(4).Aantal, 10);
  EXPECT_EQ(b.K(4).Prijs, 25);
  EXPECT_EQ(b.K(4).Belegging, 1);
  EXPECT_EQ(b.K(4).BoekSoort, 15);
  EXPECT_EQ(b.K(4).Relatie, "Effecten");
  EXPECT_EQ(b.model.Stand().menu, Menu::Beleg);
}

TEST(BookingSecurities, PurchaseWithoutTheTransferLeavesTheOwnGroupNegative) {
  BoekingBoek b;
  ASSERT_TRUE(Handel(b, modus::Kopen, "10", "25"));
  EXPECT_EQ(b.GroepTotaal("3"), -250);
  EXPECT_EQ(b.GroepTotaal("E01"), 250);
  EXPECT_EQ(b.GroepTotaal("xxxx"), -250);
  EXPECT_EQ(b.kb.MaxKas(), 3);
}

TEST(BookingSecurities, SaleThroughCashAccount) {
  BoekingBoek b;
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(Handel(b, modus::Verkopen, "4", "30"));
  VerwachtRegels(b, {{1, "xxxx", 120, "OB", "Overboeken van Effecten"},
                     {3, "xxxx", -120, "OB", "Overboeken naar Betaal"},
                     {3, "3", 120, "SS", "Verkoop Aandeel Aandelen"},
                     {3, "E01", -120, "RS", "Afvoer Aandeel Aandelen"}});
}

TEST(BookingSecurities, RevaluationReversesTheOldValue) {
  struct Geval {
    const char* prijs;
    double nieuw;
    const char* opm;
  };
  for (const Geval& g : {Geval{"120", 1200, "Toename waarde van Aandelen"},
                         Geval{"80", 800, "Afname waarde van Aandelen"}}) {
    SCOPED_TRACE(g.prijs);
    BoekingBoek b;
    ASSERT_TRUE(b.Boek(modus::Aanschaffen,
                       {{veld::Groep, "E01"}, {veld::Aantal, "10"}, {veld::Prijs, "100"}}));
    EXPECT_EQ(b.K(1).Omschrijving, "Aanschaf AandeelAandelen");
    ASSERT_TRUE(b.model.Start(modus::Waarderen, false));
    EXPECT_EQ(b.model.Stand().velden[veld::Actie].tekst, "VS value shares");
    b.model.Invoer(veld::Groep, "E01");
    EXPECT_EQ(b.model.Stand().velden[veld::Bedrag].tekst, "1000,00");
    EXPECT_EQ(b.model.Stand().velden[veld::Aantal].tekst, "10,0000");
    EXPECT_EQ(b.model.Stand().velden[veld::Prijs].tekst, "100,00");
    b.model.Invoer(veld::Prijs, g.prijs);
    ASSERT_TRUE(b.model.Bewaar());
    ASSERT_EQ(b.kb.MaxKas(), 3);
    EXPECT_EQ(b.K(2).Bedrag, -1000);
    EXPECT_EQ(b.K(2).Omschrijving, "Oorspronkelijke waarde van Aandelen");
    EXPECT_EQ(b.K(3).Bedrag, g.nieuw);
    EXPECT_EQ(b.K(3).Omschrijving, g.opm);
    EXPECT_EQ(b.K(3).ActieKode, "VS");
    EXPECT_EQ(b.GroepTotaal("E01"), g.nieuw);
  }
}

TEST(BookingSecurities, InterestKeepsTheTypedRemark) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::RenteDividend, true));
  EXPECT_FALSE(b.model.Stand().velden[veld::Aantal].zichtbaar);
  b.model.Invoer(veld::Groep, "E01");
  b.model.Invoer(veld::Bedrag, "15");
  b.model.Invoer(veld::Omschrijving, "dividend 2025");
  ASSERT_TRUE(b.model.Bewaar());
  ASSERT_EQ(b.kb.MaxKas(), 1);
  EXPECT_EQ(b.K(1).ActieKode, "ID");
  EXPECT_EQ(b.K(1).Omschrijving, "dividend 2025");
  EXPECT_EQ(b.K(1).Bedrag, 15);
}

TEST(BookingSecurities, ZeroSharesAreRefused) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Aanschaffen, true));
  b.model.Invoer(veld::Aantal, "5");
  b.model.Invoer(veld::Aantal, "0");
  EXPECT_TRUE(b.Getoond("Aantal Aandelen = 0"));
  EXPECT_EQ(b.model.Stand().werk.Aantal, 5);
}

TEST(BookingSecurities, OwnGroupOnlyForBalanceTransactions) {
  BoekingBoek b;
  ASSERT_TRUE(b.model.Start(modus::Aanschaffen, true));
  b.model.Invoer(veld::Groep, "E01");
  EXPECT_FALSE(b.Getoond("Gebruik rekening groep alleen voor saldo transacties"));
  b.model.Invoer(veld::Groep, "1");  // codes compare as text
  EXPECT_TRUE(b.Getoond("Gebruik rekening groep alleen voor saldo transacties"));
}

TEST(BookingSecurities, WithoutSecuritiesAccountNothingIsPosted) {
  BoekingBoek b;
  b.kb.RekLijst[3].Soort = "SP";
  ASSERT_TRUE(b.model.Start(modus::Aanschaffen, true));
  EXPECT_EQ(b.model.Stand().werk.RekNr, 0);
  EXPECT_EQ(b.model.Stand().velden[veld::Rekening].tekst, "");
  b.model.Invoer(veld::Groep, "E01");
  b.model.Invoer(veld::Bedrag, "10");
  EXPECT_FALSE(b.model.Bewaar());
  EXPECT_EQ(b.kb.MaxKas(), 0);
  EXPECT_EQ(b.model.Stand().focus, veld::Rekening);
}

}  // namespace
}  // namespace valdero
