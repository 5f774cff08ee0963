// The relation list: built from the transactions on the first opening of the
// relations window, extended by postings, kept by hand in the window.
#include <gtest/gtest.h>

#include "BoekingTestBoek.h"
#include "TestBoek.h"
#include "model/bookings/BoekModi.h"
#include "model/relations/RelatieLijst.h"
#include "model/relations/RelatieVenster.h"
#include "model/storage/BoekBestand.h"

namespace valdero {
namespace {

using test::BoekInMap;

// A transaction with a relation and a counter account, as a bank line gives.
void Kas(Kasboek& kb, const std::string& relatie, const std::string& tegenRek, double datum = MaakDatum(2008, 2, 1)) {
  TKas& k = test::VoegTransactieToe(kb, 1, "300", datum, -10);
  k.Relatie = relatie;
  k.TegenRekNr = tegenRek;
}

struct RelatieBoek : BoekInMap {
  RelatieBoek() {
    test::VoegRekeningToe(kb, 1, "Betaal");
    test::VoegGroepToe(kb, "1", "Saldo Betaal");
    test::VoegGroepToe(kb, "300", "Huishouden");
    // The book's file exists, so that saving needs no file dialog.
    test::SchrijfBytes(BoekPad(), SchrijfBoek(kb));
  }
  std::vector<std::string> Namen() const {
    std::vector<std::string> namen;
    for (std::size_t i = 1; i < kb.RelatieLijst.size(); ++i) namen.push_back(kb.RelatieLijst[i].Naam);
    return namen;
  }
  // The book as it comes back from its file.
  void Herlaad() {
    const auto bestand = test::LeesBytes(BoekPad());
    EXPECT_TRUE(LeesBoek(kb, bestand).Gelukt());
  }
};

TEST(RelatieBouw, NamesAlikeInTheirFirstFifteenCharactersAreOneRelation) {
  RelatieBoek b;
  Kas(b.kb, "Supermarkt Hoogvliet Delft", "111");
  Kas(b.kb, "Supermarkt Hoogvliet Leiden", "222");  // differs after character 15
  Kas(b.kb, "Supermarkt Hoogv", "333");             // differs at character 16 only
  Kas(b.kb, "Bakker", "444");
  EXPECT_EQ(BouwRelatieLijst(b.kb), RelatieBouw::Gebouwd);
  EXPECT_EQ(b.Namen(), (std::vector<std::string>{"Bakker", "Supermarkt Hoogvliet Delft"}));
  EXPECT_EQ(b.kb.RelatieLijst[2].Rekening, "111");
}

TEST(RelatieBouw, AnEmptyOrKnownCounterAccountAddsNoRelation) {
  RelatieBoek b;
  Kas(b.kb, "Kapper", "");            // no counter account: never a relation
  Kas(b.kb, "Garage Zuid", "555");
  Kas(b.kb, "Garage Zuid BV", "555");  // the same account under another name
  Kas(b.kb, "", "777");                // no name matches the empty record at 0
  Kas(b.kb, "Zwembad", "888");
  EXPECT_EQ(BouwRelatieLijst(b.kb), RelatieBouw::Gebouwd);
  EXPECT_EQ(b.Namen(), (std::vector<std::string>{"Garage Zuid", "Zwembad"}));
}

TEST(RelatieBouw, TheListIsSortedByNameNumberedAndMarked) {
  RelatieBoek b;
  Kas(b.kb, "Zeeman", "1");
  Kas(b.kb, "apotheek", "2");  // lower case sorts after every capital
  Kas(b.kb, "Albert", "3");
  Kas(b.kb, "Émile", "4");     // Windows-1252 0xC9: after the ASCII letters
  EXPECT_EQ(BouwRelatieLijst(b.kb), RelatieBouw::Gebouwd);
  EXPECT_EQ(b.Namen(), (std::vector<std::string>{"Albert", "Zeeman", "apotheek", "Émile"}));
  for (std::size_t i = 0; i < b.kb.RelatieLijst.size(); ++i) EXPECT_EQ(b.kb.RelatieLijst[i].KasIndex, static_cast<int>(i));
  EXPECT_TRUE(b.kb.RelatieLijst[0].Naam.empty());
  EXPECT_TRUE(b.kb.RelatiesAanwezig);
  EXPECT_EQ(b.kb.RekLijst[0].Soort, "Rt");
}

TEST(RelatieBouw, NoRelationsWarnsAndSavesWithoutARelationSection) {
  RelatieBoek b;
  Kas(b.kb, "Kapper", "");
  EXPECT_FALSE(OpenRelaties(b.kb));
  EXPECT_EQ(b.berichten.Teksten(), (std::vector<std::string>{"Geen unieke Relaties"}));
  EXPECT_EQ(b.berichten.getoond[0].soort, BerichtSoort::Waarschuwing);
  EXPECT_FALSE(b.kb.RelatiesAanwezig);
  EXPECT_TRUE(b.kb.RelatieLijst.empty());
  ASSERT_TRUE(b.kb.sessie.Bewaard);
  b.Herlaad();
  EXPECT_EQ(b.kb.IOStatus, 0);
  EXPECT_FALSE(b.kb.RelatiesAanwezig);
  EXPECT_NE(b.kb.RekLijst[0].Soort, "Rt");
}

TEST(RelatieBouw, ABookThatHoldsRelationsOpensWithoutBuilding) {
  RelatieBoek b;
  test::VoegRelatieToe(b.kb, "Handmatig");
  test::VoegRelatieToe(b.kb, "Tweede");
  Kas(b.kb, "Nieuw", "999");
  EXPECT_TRUE(OpenRelaties(b.kb));
  EXPECT_EQ(b.Namen(), (std::vector<std::string>{"Handmatig", "Tweede"}));
  EXPECT_TRUE(b.berichten.getoond.empty());
}

// One relation: the warning is shown and the window stays shut, but the list
// stays in the book, so posting and saving go on with it.
TEST(RelatieBouw, OneRelationStaysInTheBookAndGrowsByPosting) {
  RelatieBoek b;
  Kas(b.kb, "Enige", "123");
  EXPECT_FALSE(OpenRelaties(b.kb));
  EXPECT_EQ(b.berichten.Teksten(), (std::vector<std::string>{"Geen unieke Relaties"}));
  EXPECT_TRUE(b.kb.RelatiesAanwezig);
  EXPECT_EQ(b.Namen(), (std::vector<std::string>{"Enige"}));

  TKas nieuw;
  nieuw.Relatie = "Later";
  nieuw.TegenRekNr = "456";
  BiedRelatieAan(b.kb, nieuw);
  EXPECT_TRUE(BewaarBoek(b.kb, false).Gelukt());
  b.Herlaad();
  EXPECT_TRUE(b.kb.RelatiesAanwezig);
  EXPECT_EQ(b.Namen(), (std::vector<std::string>{"Enige", "Later"}));
  b.berichten.Wis();
  EXPECT_TRUE(OpenRelaties(b.kb));
  EXPECT_TRUE(b.berichten.getoond.empty());
}

TEST(RelatieBouw, AYearOfTransactionsBuildsInOnePass) {
  RelatieBoek b;
  for (int i = 0; i < 20000; ++i) Kas(b.kb, "Relatie " + std::to_string(i % 900), std::to_string(i % 900));
  EXPECT_EQ(BouwRelatieLijst(b.kb), RelatieBouw::Gebouwd);
  EXPECT_EQ(b.kb.MaxRelatie(), 900);
}

// Every relation is written, also past the five hundredth: the count in the
// file says how many follow.
TEST(RelatieBouw, MoreThanFiveHundredRelationsAreAllKept) {
  RelatieBoek b;
  for (int i = 0; i < 700; ++i) Kas(b.kb, "Relatie " + std::to_string(1000 + i), std::to_string(i));
  ASSERT_TRUE(OpenRelaties(b.kb));
  b.Herlaad();
  EXPECT_EQ(b.kb.IOStatus, 0);
  EXPECT_EQ(b.kb.MaxRelatie(), 700);
  EXPECT_EQ(b.kb.RelatieLijst.back().Naam, "Relatie 1699");
}

// ---------------------------------------------------------------- posting

TEST(RelatieAanbod, APostingWithANewAccountAppendsARelationUnsorted) {
  test::BoekingBoek b;
  test::VoegRelatieToe(b.kb, "Bakker").Rekening = "100";
  test::VoegRelatieToe(b.kb, "Visboer").Rekening = "200";
  ASSERT_TRUE(b.Boek(modus::Afboeken, {{veld::Groep, "410"}, {veld::TegenRek, "300"},
                                       {veld::Relatie, "Apotheek"}, {veld::Bedrag, "5"}}));
  ASSERT_TRUE(b.Boek(modus::Afboeken, {{veld::Groep, "410"}, {veld::TegenRek, "100"},
                                       {veld::Relatie, "Bakker Jansen"}, {veld::Bedrag, "5"}}));
  ASSERT_EQ(b.kb.MaxRelatie(), 3);
  EXPECT_EQ(b.kb.RelatieLijst[3].Naam, "Apotheek");
  EXPECT_EQ(b.kb.RelatieLijst[3].Rekening, "300");
  EXPECT_EQ(b.kb.RelatieLijst[3].KasIndex, 3);

  // The next refresh of the window sorts it in.
  RelatieVenster venster(b.kb);
  venster.Vul();
  venster.Ververs();
  EXPECT_EQ(b.kb.RelatieLijst[1].Naam, "Apotheek");
  EXPECT_EQ(venster.rijen[0][0], "1");
  EXPECT_EQ(venster.rijen[2][1], "Visboer");
}

TEST(RelatieAanbod, BothLegsOfATransferAreOffered) {
  test::BoekingBoek b;
  test::VoegRelatieToe(b.kb, "Bakker").Rekening = "100";
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(b.Boek(modus::OverboekenVan, {{veld::TegenRek, "2"}, {veld::Bedrag, "100"}}));
  // Both legs carry the same counter text (the other account's number): one
  // relation for them.
  ASSERT_EQ(b.kb.MaxRelatie(), 2);
  EXPECT_EQ(b.kb.RelatieLijst[2].Rekening, "2");
}

TEST(RelatieAanbod, NothingIsOfferedToABookWithoutRelations) {
  test::BoekingBoek b;
  ASSERT_TRUE(b.Boek(modus::Afboeken, {{veld::Groep, "410"}, {veld::TegenRek, "300"},
                                       {veld::Relatie, "Apotheek"}, {veld::Bedrag, "5"}}));
  EXPECT_TRUE(b.kb.RelatieLijst.empty());
}

// ---------------------------------------------------------------- window

struct VensterBoek : RelatieBoek {
  RelatieVenster venster{kb};
  VensterBoek() {
    Kas(kb, "Bakker", "100");
    Kas(kb, "Visboer", "200");
    Kas(kb, "Slager", "300");
    EXPECT_TRUE(venster.Open());
  }
};

TEST(RelatieVenster, OpeningBuildsSavesAndFillsTheRows) {
  VensterBoek b;
  EXPECT_TRUE(b.kb.sessie.Bewaard);
  ASSERT_EQ(b.venster.rijen.size(), 3u);
  EXPECT_EQ(b.venster.rijen[1], (RelatieRij{"2", "Slager", "300", "", "", "", ""}));
  EXPECT_EQ(b.venster.Namen(), (std::vector<std::string>{"Bakker", "Slager", "Visboer"}));
  EXPECT_EQ(b.venster.Rekeningen(), (std::vector<std::string>{"100", "300", "200"}));
}

TEST(RelatieVenster, OkStoresEveryRowCutToItsLengthAndSaves) {
  VensterBoek b;
  b.venster.rijen[0] = {"1", "Bakkerij De Gouden Korenaar en Zonen", "NL91ABNA0417164300", "Dorpsstraat 1",
                        "1234 AB CD", "Oud-Beijerland aan de Maas", "010-12345678"};
  b.venster.rijen[2][0] = "geen getal";
  b.kb.sessie.Bewaard = false;
  b.venster.Ok();
  const TRelat& r = b.kb.RelatieLijst[1];
  EXPECT_EQ(r.Naam, "Bakkerij De Gouden Korenaar en Z");  // 32
  EXPECT_EQ(r.Rekening, "NL91ABNA0417");                  // 12
  EXPECT_EQ(r.Adres, "Dorpsstraat 1");
  EXPECT_EQ(r.Postcode, "1234 AB ");                      // 8
  EXPECT_EQ(r.Woonplaats, "Oud-Beijerland aan de Ma");    // 24
  EXPECT_EQ(r.Telefoon, "010-12345678");
  EXPECT_EQ(b.kb.RelatieLijst[3].KasIndex, 3);  // a text that is no number keeps the index
  EXPECT_TRUE(b.kb.sessie.Bewaard);
  b.Herlaad();
  EXPECT_EQ(b.kb.RelatieLijst[1].Woonplaats, "Oud-Beijerland aan de Ma");
}

TEST(RelatieVenster, DeleteAsksRemovesAndRenumbers) {
  VensterBoek b;
  b.berichten.Antwoord(antwoord::Nee);
  EXPECT_FALSE(b.venster.Verwijder(0));
  EXPECT_EQ(b.kb.MaxRelatie(), 3);
  b.berichten.Antwoord(antwoord::Ja);
  EXPECT_TRUE(b.venster.Verwijder(0));
  EXPECT_EQ(b.berichten.Teksten().back(), "Wilt u deze relatie verwijderen ");
  EXPECT_EQ(b.Namen(), (std::vector<std::string>{"Slager", "Visboer"}));
  ASSERT_EQ(b.venster.rijen.size(), 2u);
  EXPECT_EQ(b.venster.rijen[0][0], "1");
  EXPECT_EQ(b.venster.rijen[1][0], "2");
  EXPECT_EQ(b.kb.RelatieLijst[2].KasIndex, 2);
}

TEST(RelatieVenster, ARowChangedInTheDialogReachesTheRelationOnlyWithOk) {
  VensterBoek b;
  b.venster.rijen[1][5] = "Delft";  // the dialog wrote into the row
  b.venster.NaDialoog();
  EXPECT_EQ(b.kb.RelatieLijst[2].Woonplaats, "");  // cancel would drop it here
  b.venster.Ok();
  EXPECT_EQ(b.kb.RelatieLijst[2].Woonplaats, "Delft");
}

TEST(RelatieVenster, TheColumnHintFollowsThePointer) {
  const std::pair<int, const char*> gevallen[] = {
      {0, "KasRecordindex"}, {39, "KasRecordindex"}, {40, "Naam Relatie"}, {169, "Naam Relatie"},
      {170, "Rekening"},     {234, "Rekening"},      {235, "Adres"},       {410, "Postcode"},
      {460, "Woonplaats"},   {584, "Woonplaats"},    {585, "Telefoon"},    {799, "Telefoon"}};
  for (const auto& [x, hint] : gevallen) EXPECT_EQ(RelatieVenster::HintBij(x), hint) << "x = " << x;
  // By column, as the window shows them once columns grew to fit.
  EXPECT_EQ(RelatieVenster::KolomHint(2), "Rekening");
  EXPECT_EQ(RelatieVenster::KolomHint(6), "Telefoon");
  EXPECT_EQ(RelatieVenster::KolomHint(7), "");
}

// A printer that keeps what is printed.
struct OpnamePrinter : VastePrinter {
  std::vector<std::pair<int, std::string>> teksten;
  int lijnen = 0;
  void Tekst(int x, int, const std::string& t) override { teksten.emplace_back(x, t); }
  void Lijn(int, int, int, int) override { ++lijnen; }
};

TEST(RelatieVenster, PrintingListsHeadHeaderAndEveryRow) {
  VensterBoek b;
  OpnamePrinter printer;
  b.kb.poorten.printer = printer;
  b.kb.weergave.TekenBreedte = 50;
  ASSERT_TRUE(b.venster.Afdrukken());
  ASSERT_GE(printer.teksten.size(), 1u + 6 + 3 * 6);
  EXPECT_EQ(printer.teksten[0].second, " RELATIES in VALDERO  Valdr08");
  EXPECT_EQ(printer.teksten[1], (std::pair<int, std::string>{150, "Naam"}));
  // Columns scaled from the window's 800 pixels to the page: 200 * 4961 / 800.
  EXPECT_EQ(printer.teksten[2], (std::pair<int, std::string>{150 + 1240, " Rekening"}));
  EXPECT_EQ(printer.teksten[7].second, "Bakker");
  EXPECT_EQ(printer.lijnen, 2);
}

}  // namespace
}  // namespace valdero
