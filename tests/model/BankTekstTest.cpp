// The line splitter's quote rules, the character set of a bank file, the
// IBAN reduction and the account matching by the digits in account names.
#include <gtest/gtest.h>

#include "BankImportTestBoek.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/RekeningHerkenning.h"

namespace valdero {
namespace {

struct SplitsGeval {
  const char* naam;
  std::string regel;
  char scheiding;
  std::vector<std::string> velden;
};

class SplitsRegelTest : public ::testing::TestWithParam<SplitsGeval> {};

TEST_P(SplitsRegelTest, GeeftDeVelden) {
  const SplitsGeval& g = GetParam();
  EXPECT_EQ(SplitsRegel(g.regel, g.scheiding), g.velden);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, SplitsRegelTest,
    ::testing::Values(
        SplitsGeval{"Eenvoudig", "a,b,c", ',', {"a", "b", "c"}},
        SplitsGeval{"Aanhalingstekens", "\"a b\",\"c,d\"", ',', {"a b", "c,d"}},
        SplitsGeval{"DubbelAanhalingsteken", "\"zeg \"\"hoi\"\"\",x", ',', {"zeg \"hoi\"", "x"}},
        SplitsGeval{"OngeslotenVeldVerliestLaatsteTeken", "a,\"abc", ',', {"a", "ab"}},
        SplitsGeval{"SpatieEindigtOngequoteVeld", "a b,c", ',', {"a", "b", "c"}},
        SplitsGeval{"TweeScheidingstekensGevenLeegVeld", "a,,c", ',', {"a", "", "c"}},
        SplitsGeval{"ScheidingstekenAanEindGeeftLeegVeld", "a,b,", ',', {"a", "b", ""}},
        SplitsGeval{"SpatiesRondVeldenVervallen", "  a , b ", ',', {"a", "b"}},
        SplitsGeval{"TabsVallenWegAlsSpaties", "a\t\tb c\td", '\t', {"a", "b", "c", "d"}},
        SplitsGeval{"LegeRegel", "", ',', {}},
        SplitsGeval{"AlleenSpaties", "   ", ',', {}},
        SplitsGeval{"Puntkomma", "\"1\";\"\";\"3\"", ';', {"1", "", "3"}}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(BankTekstTest, ASCIIUtf8MetBomEnWindows1252WordenAllemaalUtf8) {
  EXPECT_EQ(BankTekstNaarUtf8("abc"), "abc");
  EXPECT_EQ(BankTekstNaarUtf8("\xEF\xBB\xBFinitiërende"), "initiërende");
  EXPECT_EQ(BankTekstNaarUtf8("initi\xEBrende"), "initiërende");
  EXPECT_EQ(BankTekstNaarUtf8("\x80 5"), "€ 5");
}

TEST(BankTekstTest, RegelsBrekenBijCrLfLfEnCrEnEenSlotregeleindeGeeftGeenLegeRegel) {
  EXPECT_EQ(TekstRegels("a\r\nb\nc\rd\r\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(TekstRegels("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(TekstRegels("").empty());
}

TEST(RekeningHerkenningTest, IbanWordtRekeningnummerZonderVoorloopNullen) {
  EXPECT_EQ(ReduceerRekeningNummer("NL12ABNA0123456789"), "123456789");
  EXPECT_EQ(ReduceerRekeningNummer("NL12 ABNA 0001 2345 67"), "1234567");
  EXPECT_EQ(ReduceerRekeningNummer("DE89370400440532013000"), "DE8937040044");
  EXPECT_EQ(ReduceerRekeningNummer(" 0123456789 "), "0123456789");
  EXPECT_EQ(ReduceerRekeningNummer("P1234567"), "P1234567");
}

TEST(RekeningHerkenningTest, EigenRekeningOpCijfersInDeNaam) {
  test::BankBoek boek;
  boek.Rekening(4, "Spaarrekening 1.2");
  boek.Rekening(5, "Vakantie 12");
  boek.Rekening(6, "Portemonnee");

  std::string tekst = "NL12ABNA0123456789";
  RekeningMatch m = MatchOwnAccount(*boek, tekst);
  EXPECT_EQ(m.rekNr, 1);
  EXPECT_EQ(m.aantal, 1);
  EXPECT_EQ(tekst, "123456789");

  tekst = "012";  // two accounts hold the digits 12
  m = MatchOwnAccount(*boek, tekst);
  EXPECT_EQ(m.rekNr, 0);
  EXPECT_EQ(m.aantal, 2);
  EXPECT_EQ(m.rekeningen, (std::vector<int>{4, 5}));

  tekst = "555";
  EXPECT_EQ(MatchOwnAccount(*boek, tekst).aantal, -1);

  // An empty number is no wallet and no transfer account.
  tekst = "";
  m = MatchOwnAccount(*boek, tekst);
  EXPECT_EQ(m.rekNr, 0);
  EXPECT_EQ(m.aantal, -1);

  tekst = "0987654321";
  m = MatchCounterAccount(*boek, tekst);
  EXPECT_EQ(m.rekNr, 2);
  EXPECT_EQ(tekst, "Spaar 987654321");
}

TEST(RekeningHerkenningTest, NaamOpCijfersEnCijfersVanRekening) {
  test::BankBoek boek;
  EXPECT_EQ(AccountNameByDigits(*boek, "987654321"), "Spaar 987654321");
  EXPECT_EQ(AccountNameDigits(*boek, 3), "1234567");
  EXPECT_EQ(AccountNameDigits(*boek, 42), "");
  EXPECT_EQ(boek.berichten.Teksten().back(), "Geen Rekening gevonden: 42");
}

}  // namespace
}  // namespace valdero
