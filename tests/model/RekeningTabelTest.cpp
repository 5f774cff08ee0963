// The accounts window's rules without the window: typed rows stored and
// checked, Enter, the navigator with the account dialog, deleting an account
// with both answers, the table as a text file and on paper, and closing.
#include <gtest/gtest.h>

#include <functional>

#include "TestBoek.h"
#include "model/accounts/RekeningBeheer.h"
#include "model/accounts/RekeningDialoog.h"
#include "model/accounts/RekeningGroepen.h"
#include "model/accounts/RekeningTabel.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/Sorteren.h"
#include "model/core/Windows1252.h"
#include "model/reports/RapportModel.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/ReportSelection.h"

namespace valdero {
namespace {

using test::TestBoek;

struct DialoogScript : RekeningDialoogVoerder {
  std::vector<std::string> invoer;  // one entry per step from step 1 on
  int keren = 0;
  void Voer(RekeningDialoog& d) override {
    ++keren;
    d.Verder("");
    // An empty entry takes what the step proposes.
    for (const auto& tekst : invoer) d.Verder(tekst.empty() ? d.VeldTekst() : tekst);
  }
};

// Records every text the table prints.
struct OpnamePrinter : VastePrinter {
  std::vector<std::string> teksten;
  int documenten = 0;
  int lijnen = 0;
  bool BeginDocument(const std::string&) override {
    ++documenten;
    return true;
  }
  void Tekst(int, int, const std::string& t) override { teksten.push_back(t); }
  void Lijn(int, int, int, int) override { ++lijnen; }
};

// A book of two accounts with their own groups, a household group and a
// transaction of each account on each group, the matrix built.
struct RekeningTabelTest : ::testing::Test {
  TestBoek boek;
  DialoogScript script;
  RekeningDialoog dialoog{*boek, script};
  int boekBewaard = 0;
  int configBewaard = 0;
  RekeningTabel tabel{*boek, dialoog, [this](Kasboek&) { ++boekBewaard; },
                      [this](Kasboek&) { ++configBewaard; }};

  RekeningTabelTest() {
    boek.Rekening(1, "Giro");
    boek.Rekening(2, "Spaar", "SP");
    boek.Groep("1", "Saldo Giro", " C ");
    boek.Groep("2", "Saldo Spaar", " R ");
    boek.Groep("300", "Huishouden");
    boek.Boeking(1, "1", 100);
    boek.Boeking(1, "300", -25);
    boek.Boeking(2, "2", 50);
    boek.Boeking(2, "300", -10);
    boek->sessie.KasNaam = "Huis26";
    EXPECT_TRUE(BouwSaldoMatrix(*boek).Gelukt());
    tabel.Open();
  }

  void Typ(int rij, int kolom, const std::string& tekst) { tabel.ZetCel(rij, kolom, tekst); }
  std::vector<std::string> Berichten() const { return boek.berichten.Teksten(); }
  const TInUit& Cel(int groep, int rek) const {
    return boek.kb.SaldoMatrix()[static_cast<std::size_t>(groep)][static_cast<std::size_t>(rek)];
  }
};

TEST_F(RekeningTabelTest, OpensWithOneRowPerAccountAtRowOneColumnOne) {
  ASSERT_EQ(tabel.Rijen(), 2);
  EXPECT_EQ(tabel.RijTekst(2), (RekeningTabel::Rij{"2", "2", "Spaar", "SP", "Eur"}));
  EXPECT_EQ(tabel.HuidigeRij(), 1);
  EXPECT_EQ(tabel.HuidigeKolom(), 1);
  EXPECT_EQ(RekeningTabel::Hint(20), "Recordindex");
  EXPECT_EQ(RekeningTabel::Hint(84), "Rekeningnummer");
  EXPECT_EQ(RekeningTabel::Hint(300), "Naam van de rekening");
  EXPECT_EQ(RekeningTabel::Hint(350), "Soort rekening(dubbelclick)");
  EXPECT_EQ(RekeningTabel::Hint(380), "Valuta afkorting");
}

TEST_F(RekeningTabelTest, RowStoreRefusesWhatFailsItsCheckAndShowsTheStoredValueAgain) {
  struct Geval {
    const char* naam;
    int kolom;
    const char* tekst;
    const char* bericht;
  };
  const Geval gevallen[] = {
      {"no number", 1, "abc", "Rekening is geen getal"},
      {"above the transfer account", 1, "100", "Alleen nummers van 1 to 100 toegestaan"},
      {"zero", 1, "0", "Alleen nummers van 1 to 100 toegestaan"},
      {"number of the other account", 1, "2", "RekenFile 2 bestaat al"},
      {"unknown kind", 3, "xx", "Rekening soort :XX Rij:1 niet juist"},
      {"unknown currency", 4, "Yen", "Muntsoort niet juist"},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    boek.berichten.Wis();
    Typ(1, g.kolom, g.tekst);
    tabel.BewaarRij(1);
    EXPECT_EQ(Berichten(), std::vector<std::string>{g.bericht});
    EXPECT_EQ(tabel.RijTekst(1), (RekeningTabel::Rij{"1", "1", "Giro", "BT", "Eur"}));
    EXPECT_EQ(boek->RekLijst[1].RekNr, 1);
    EXPECT_EQ(boek->RekLijst[1].Soort, "BT");
    EXPECT_EQ(boek->RekLijst[1].Munt, 0);
  }
}

TEST_F(RekeningTabelTest, RowStoreTakesNameKindInCapitalsAndCurrency) {
  Typ(2, 2, "Spaarrekening ING");
  Typ(2, 3, "bt");
  Typ(2, 4, "USD");
  tabel.BewaarRij(2);
  EXPECT_TRUE(Berichten().empty());
  const TBank& rek = boek->RekLijst[2];
  EXPECT_EQ(rek.Naam, "Spaarrekening ING");
  EXPECT_EQ(rek.Soort, "BT");
  EXPECT_EQ(rek.Munt, 1);
  EXPECT_EQ(tabel.RijTekst(2)[3], "BT");
}

TEST_F(RekeningTabelTest, ANewNumberTakesTheAccountsTransactionsAndOwnGroupAlong) {
  Typ(2, 1, "7");
  tabel.BewaarRij(2);
  EXPECT_EQ(boek->RekLijst[2].RekNr, 7);
  EXPECT_EQ(boek->RekLijst[2].RekNrTekst, "7");
  EXPECT_EQ(boek->GroepLijst[2].Kode, "7");
  EXPECT_EQ(boek->KasLijst[3].RekNr, 7);
  EXPECT_EQ(boek->KasLijst[3].GroepKode, "7");
  EXPECT_EQ(boek->KasLijst[4].RekNr, 7);
}

TEST_F(RekeningTabelTest, NinetyNineIsConfirmedOnceAndThenBecomesTheTransferAccountWithoutAsking) {
  boek.berichten.Antwoord(antwoord::Ja);
  Typ(1, 1, "99");
  tabel.BewaarRij(1);
  EXPECT_EQ(Berichten(), std::vector<std::string>{"Als transferrekening opvoeren"});
  EXPECT_EQ(boek->RekLijst[1].Naam, "TRANSFER REKENING");
  EXPECT_EQ(boek->RekLijst[1].Soort, "TR");
  EXPECT_EQ(tabel.RijTekst(1), (RekeningTabel::Rij{"1", "99", "TRANSFER REKENING", "TR", "Eur"}));
  EXPECT_TRUE(tabel.ControleerRij(1));

  boek.berichten.Wis();
  Typ(1, 1, "5");
  tabel.BewaarRij(1);
  Typ(2, 1, "99");
  tabel.BewaarRij(2);
  EXPECT_TRUE(Berichten().empty());
  EXPECT_EQ(boek->RekLijst[2].Naam, "TRANSFER REKENING");
}

TEST_F(RekeningTabelTest, NinetyNineRefusedAsTransferStaysAnOrdinaryAccount) {
  Typ(1, 1, "99");
  tabel.BewaarRij(1);
  EXPECT_EQ(boek->RekLijst[1].RekNr, 99);
  EXPECT_EQ(boek->RekLijst[1].Naam, "Giro");
  EXPECT_FALSE(boek->sessie.TransferBevestigd);
}

TEST_F(RekeningTabelTest, EnterMovesRightThenStoresChecksAndGivesTheAccountItsOwnGroup) {
  boek->GroepLijst.erase(boek->GroepLijst.begin() + 2);  // Spaar lost its own group
  EXPECT_FALSE(BouwSaldoMatrix(*boek).Gelukt());
  tabel.Kies(2, 1);
  tabel.Enter(false);
  EXPECT_EQ(tabel.HuidigeKolom(), 2);
  Typ(2, 2, "Spaar ING");
  tabel.Enter(true);
  EXPECT_EQ(boek->RekLijst[2].Naam, "Spaar ING");
  tabel.Enter(false);
  ASSERT_EQ(tabel.HuidigeKolom(), 3);
  tabel.Enter(false);
  EXPECT_EQ(tabel.HuidigeKolom(), 1);
  EXPECT_EQ(tabel.HuidigeRij(), 2);  // the last row stays
  const int g = boek->ZoekGroep("2").value();
  ASSERT_NE(g, 0);
  EXPECT_EQ(boek->GroepLijst[static_cast<std::size_t>(g)].Naam, "Saldo Spaar ING");
  EXPECT_EQ(boek->GroepLijst[static_cast<std::size_t>(g)].Klasse, " R ");
  // The matrix has the new group's row.
  EXPECT_EQ(boek->SaldoMatrix().size(), static_cast<std::size_t>(boek->MaxGroep()) + 2);
  EXPECT_EQ(Cel(g, 2).In, 50);
}

TEST_F(RekeningTabelTest, EnterOnAFailingRowStaysOnIt) {
  tabel.Kies(1, 3);
  Typ(1, 3, "QQ");
  tabel.Enter(true);
  EXPECT_EQ(tabel.HuidigeRij(), 1);
  EXPECT_EQ(boek->RekLijst[1].Soort, "BT");
}

TEST_F(RekeningTabelTest, NavigatorWarnsWhileAnEditorIsOpenAndMoves) {
  EXPECT_FALSE(tabel.Navigeer(RekeningTabel::kLaatste, true));
  EXPECT_EQ(Berichten(), std::vector<std::string>{"Editor mode is actief, druk Enter"});
  EXPECT_EQ(tabel.HuidigeRij(), 1);
  tabel.Navigeer(RekeningTabel::kLaatste, false);
  EXPECT_EQ(tabel.HuidigeRij(), 2);
  tabel.Navigeer(RekeningTabel::kVorige, false);
  EXPECT_EQ(tabel.HuidigeRij(), 1);
  Typ(1, 2, "Betaal");
  tabel.Navigeer(RekeningTabel::kHerstel, false);
  EXPECT_EQ(tabel.RijTekst(1)[2], "Giro");
  Typ(1, 2, "Betaal");
  tabel.Navigeer(RekeningTabel::kPost, false);
  EXPECT_EQ(boek->RekLijst[1].Naam, "Betaal");
}

TEST_F(RekeningTabelTest, InsertWithALoanMakesTheThreeLoanGroupsAndTheLoanBooking) {
  script.invoer = {"Hypotheek ABN", "3",   "LN leningen", "0",         "Eur", "1-2-2026",
                   "van",           "450", "Hypotheek",  "100000,00", "ABN AMRO"};
  tabel.Kies(2, 1);
  ASSERT_TRUE(tabel.Navigeer(RekeningTabel::kInvoegen, false));
  ASSERT_EQ(boek->MaxRek(), 3);
  EXPECT_EQ(boek->RekLijst[2].Naam, "Hypotheek ABN");
  EXPECT_EQ(tabel.HuidigeRij(), 2);
  EXPECT_EQ(tabel.RijTekst(2), (RekeningTabel::Rij{"2", "3", "Hypotheek ABN", "LN", "Eur"}));
  EXPECT_EQ(tabel.RijTekst(3)[0], "3");
  EXPECT_TRUE(tabel.Veranderd());

  // Own group of class " S " (from an institution), the loan groups in code order.
  const int eigen = boek->ZoekGroep("3").value();
  ASSERT_NE(eigen, 0);
  EXPECT_EQ(boek->GroepLijst[static_cast<std::size_t>(eigen)].Klasse, " S ");
  const int lening = boek->ZoekGroep("450").value();
  ASSERT_NE(lening, 0);
  const TBudget& g1 = boek->GroepLijst[static_cast<std::size_t>(lening)];
  const TBudget& g2 = boek->GroepLijst[static_cast<std::size_t>(lening) + 1];
  const TBudget& g3 = boek->GroepLijst[static_cast<std::size_t>(lening) + 2];
  EXPECT_EQ(g1.Naam, "Hypotheekper1-2-2026");
  EXPECT_EQ(g1.Budget, -100000);
  EXPECT_EQ(g1.Klasse, " S");
  EXPECT_EQ(g2.Kode, "450a");
  EXPECT_EQ(g2.Naam, "Rente Hypotheek");
  EXPECT_EQ(g2.Klasse, " U ");
  EXPECT_EQ(g3.Kode, "450b");
  EXPECT_EQ(g3.Naam, "Aflossing Hypotheek");
  for (int p = 1; p <= boek->MaxGroep(); ++p) EXPECT_EQ(boek->GroepLijst[static_cast<std::size_t>(p)].Nummer, p);

  const TKas* leen = nullptr;
  for (const TKas& k : boek->KasLijst)
    if (k.GroepKode == "450") leen = &k;
  ASSERT_NE(leen, nullptr);
  EXPECT_EQ(leen->RekNr, 3);
  EXPECT_EQ(leen->VolgBlad, 1);
  EXPECT_EQ(leen->ActieKode, "DV");
  EXPECT_EQ(leen->Datum, MaakDatum(2026, 2, 1));
  EXPECT_EQ(leen->Relatie, "ABN AMRO");
  EXPECT_EQ(leen->Bedrag, -100000);
  EXPECT_EQ(leen->Omschrijving, "Saldo Hypotheek");
  EXPECT_EQ(leen->Munt, 0);
  for (std::size_t i = 0; i < boek->KasLijst.size(); ++i) EXPECT_EQ(boek->KasLijst[i].Index, static_cast<int>(i));
  // The matrix is of the new shape at once.
  EXPECT_EQ(boek->SaldoMatrix().size(), static_cast<std::size_t>(boek->MaxGroep()) + 2);
  EXPECT_EQ(boek->SaldoMatrix()[0].size(), static_cast<std::size_t>(boek->MaxRek()) + 2);
}

TEST_F(RekeningTabelTest, NextOnTheLastRowAddsAnAccountAtTheEndWithoutGroups) {
  script.invoer = {"Kas", "", "BT betalingen", "0", "Eur", "1-1-2026"};
  tabel.Kies(2, 1);
  tabel.Navigeer(RekeningTabel::kVolgende, false);
  ASSERT_EQ(boek->MaxRek(), 3);
  EXPECT_EQ(boek->RekLijst[3].Naam, "Kas");
  EXPECT_EQ(boek->RekLijst[3].RekNr, 3);
  EXPECT_EQ(boek->ZoekGroep("3"), std::nullopt);
  EXPECT_EQ(tabel.HuidigeRij(), 3);
}

TEST_F(RekeningTabelTest, ACancelledDialogLeavesTheTableAsItWas) {
  struct Stop : RekeningDialoogVoerder {
    void Voer(RekeningDialoog& d) override { d.Schrap(); }
  } stop;
  RekeningDialoog d(*boek, stop);
  RekeningTabel t(*boek, d, {}, {});
  t.Open();
  t.Navigeer(RekeningTabel::kInvoegen, false);
  EXPECT_EQ(boek->MaxRek(), 2);
  EXPECT_EQ(t.Rijen(), 2);
  EXPECT_FALSE(t.Veranderd());
}

TEST_F(RekeningTabelTest, DeleteWithJaRemovesTheAccountItsGroupAndItsTransactions) {
  boek.berichten.Antwoord(antwoord::Ja);  // delete the account
  boek.berichten.Antwoord(antwoord::Ja);  // and its transactions
  tabel.Kies(1, 1);
  tabel.Navigeer(RekeningTabel::kVerwijder, false);
  EXPECT_EQ(Berichten(), (std::vector<std::string>{"Weet u zeker dat u deze rekening wilt verwijderen?",
                                                   "Alle transacties van deze rekening verwijderen?",
                                                   "Totaal 2 Kasrecord(s) verwijderd"}));
  ASSERT_EQ(boek->MaxRek(), 1);
  EXPECT_EQ(boek->RekLijst[1].Naam, "Spaar");
  EXPECT_EQ(boek->RekLijst[1].Index, 1);
  EXPECT_EQ(boek->ZoekGroep("1"), std::nullopt);
  ASSERT_EQ(boek->MaxKas(), 2);
  EXPECT_EQ(boek->KasLijst[1].RekNr, 2);
  EXPECT_EQ(boek->KasLijst[2].Index, 2);
  EXPECT_EQ(boekBewaard, 1);
  EXPECT_EQ(tabel.Rijen(), 1);
  EXPECT_EQ(tabel.RijTekst(1)[2], "Spaar");
  EXPECT_TRUE(tabel.Veranderd());

  // The matrix is what a rebuild gives.
  const auto nu = boek->SaldoMatrix();
  EXPECT_TRUE(BouwSaldoMatrix(*boek).Gelukt());
  ASSERT_EQ(nu.size(), boek->SaldoMatrix().size());
  for (std::size_t g = 0; g < nu.size(); ++g)
    for (std::size_t a = 0; a < nu[g].size(); ++a) {
      EXPECT_EQ(nu[g][a].In, boek->SaldoMatrix()[g][a].In) << g << "," << a;
      EXPECT_EQ(nu[g][a].Uit, boek->SaldoMatrix()[g][a].Uit) << g << "," << a;
    }
}

TEST_F(RekeningTabelTest, DeleteWithNeeKeepsTheTransactionsAndTheOtherAccountsTotalsRight) {
  boek.berichten.Antwoord(antwoord::Ja);
  boek.berichten.Antwoord(antwoord::Nee);
  tabel.Navigeer(RekeningTabel::kVerwijder, false);
  EXPECT_EQ(Berichten().back(), "Alle transacties van deze rekening verwijderen?");
  EXPECT_EQ(boek->MaxRek(), 1);
  EXPECT_EQ(boek->ZoekGroep("1"), std::nullopt);
  EXPECT_EQ(boek->MaxKas(), 4);
  EXPECT_EQ(boekBewaard, 0);

  // Groups 2, 300; account Spaar at 1; the totals hold only Spaar's amounts.
  const int huis = boek->ZoekGroep("300").value();
  const std::size_t totaalRij = static_cast<std::size_t>(boek->MaxGroep()) + 1;
  ASSERT_EQ(boek->SaldoMatrix().size(), totaalRij + 1);
  EXPECT_EQ(Cel(huis, 1).Uit, -10);
  EXPECT_EQ(Cel(huis, 2).Uit, -10);  // the group's total column
  EXPECT_EQ(Cel(static_cast<int>(totaalRij), 1).In, 50);
  EXPECT_EQ(Cel(static_cast<int>(totaalRij), 2).In + Cel(static_cast<int>(totaalRij), 2).Uit, 40);

  // A later rebuild reports the orphans once and leaves the same totals.
  boek.berichten.Wis();
  EXPECT_FALSE(BouwSaldoMatrix(*boek).Gelukt());
  EXPECT_EQ(Cel(huis, 1).Uit, -10);
  EXPECT_EQ(Cel(static_cast<int>(totaalRij), 2).In + Cel(static_cast<int>(totaalRij), 2).Uit, 40);

  // The accounts manager lists the remaining account with its balance.
  RekeningBeheer beheer(*boek, dialoog, {});
  beheer.Vul();
  ASSERT_EQ(beheer.Regels().size(), 1u);
  EXPECT_EQ(beheer.Regels()[0].saldo, "40,00");
}

TEST_F(RekeningTabelTest, EveryReportRunsOverTheTransactionsOfADeletedAccount) {
  boek.berichten.Antwoord(antwoord::Ja);
  boek.berichten.Antwoord(antwoord::Nee);
  tabel.Navigeer(RekeningTabel::kVerwijder, false);
  ASSERT_EQ(boek->MaxKas(), 4);
  ReportSelection selectie;
  KiesAlleKlassen(*boek, selectie);
  KiesAlleSoorten(*boek, selectie);
  selectie.Relaties = {"boeking"};
  for (int soort : kRapportSoorten) {
    SCOPED_TRACE(soort);
    RapportModel model(*boek, selectie);
    model.ShowReport(soort, 1);
    const std::string tekst = model.OpslaanTekst(model.Tabel().breedtes, 10);
    // The deleted account's 100 and -25 show up under no account.
    if (soort == 31) {
      EXPECT_EQ(tekst.find("75,00"), std::string::npos) << tekst;
    }
  }
}

TEST_F(RekeningTabelTest, TheLastAccountIsNotDeleted) {
  boek.berichten.standaardAntwoord = antwoord::Ja;
  tabel.Navigeer(RekeningTabel::kVerwijder, false);
  ASSERT_EQ(boek->MaxRek(), 1);
  boek.berichten.Wis();
  tabel.Navigeer(RekeningTabel::kVerwijder, false);
  EXPECT_EQ(boek->MaxRek(), 1);
  EXPECT_EQ(Berichten(), std::vector<std::string>{"Weet u zeker dat u deze rekening wilt verwijderen?"});
}

TEST_F(RekeningTabelTest, TheTextFileCountsCharactersAndLeavesNoBlankAfterAFullName) {
  test::TestMap map;
  boek->sessie.Map = map.pad();
  const std::string naam = "Spaarrekening Société Générale 1";  // 32 characters
  ASSERT_EQ(AantalTekens(naam), 32u);
  Typ(2, 2, naam);
  tabel.BewaarRij(2);
  boek.berichten.Bestand("rekeningen.txt");
  ASSERT_TRUE(tabel.BewaarTekst());
  const BestandsDialoog& d = boek.berichten.dialogen.back();
  EXPECT_EQ(d.titel, "IORekenfile ");
  EXPECT_EQ(d.filter, "Text files (*.txt)|*.TXT");
  EXPECT_EQ(d.standaardExtensie, "txt");
  EXPECT_EQ(d.voorgesteldeNaam, "*.txt");

  const std::string gat(23, ' ');
  const std::string verwacht = "\r\n\r\n\r\n"
                               "   REKENINGEN TABEL        Huis26\r\n"
                               "\r\n"
                               "   Nummer  Naam" + gat + "SoortMunt\r\n"
                               "   " + std::string(45, '-') + "\r\n"
                               "   1       Giro" + gat + "BT   Eur\r\n"
                               "   2       Spaarrekening Soci\xE9t\xE9 G\xE9n\xE9rale 1SPEur\r\n"
                               "   " + std::string(45, '-') + "\r\n";
  const auto bytes = test::LeesBytes(map / "rekeningen.txt");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), verwacht);
}

// A chosen path longer than 78 characters is written where it points.
TEST_F(RekeningTabelTest, TheTextFileGoesToTheWholeChosenPath) {
  test::TestMap map;
  boek->sessie.Map = map.pad();
  const auto diep = map.pad() / std::string(60, 'a') / std::string(40, 'b');
  std::filesystem::create_directories(diep);
  const auto pad = diep / "rekeningen-van-het-huishouden.txt";
  boek.berichten.Bestand(pad.string());
  ASSERT_TRUE(tabel.BewaarTekst());
  EXPECT_TRUE(std::filesystem::is_regular_file(pad));
  EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(map.pad()),
                          std::filesystem::recursive_directory_iterator()),
            3);  // the two folders and the file
}

TEST_F(RekeningTabelTest, PrintDrawsHeadingTitlesAndRowsOnThePrinter) {
  OpnamePrinter printer;
  boek->poorten.printer = printer;
  ASSERT_TRUE(tabel.Print());
  EXPECT_EQ(printer.documenten, 1);
  EXPECT_EQ(printer.teksten,
            (std::vector<std::string>{" INVOER VAN REKENINGEN", "Huis26", " Nr.", "Naam", "Soort", "Munt", "1",
                                      "Giro", "BT", "Eur", "2", "Spaar", "SP", "Eur"}));
  EXPECT_EQ(printer.lijnen, 2);
}

TEST_F(RekeningTabelTest, PrintWithoutAPrinterSaysSo) {
  GeenPrinter geen;
  boek->poorten.printer = geen;
  EXPECT_FALSE(tabel.Print());
  EXPECT_EQ(Berichten(), std::vector<std::string>{"Afdrukken niet gelukt"});
}

TEST_F(RekeningTabelTest, OkStoresEveryRowSavesAndMayClose) {
  Typ(2, 2, "Spaar ING");
  ASSERT_TRUE(tabel.Ok());
  EXPECT_EQ(boek->RekLijst[2].Naam, "Spaar ING");
  EXPECT_EQ(boekBewaard, 1);
  EXPECT_EQ(configBewaard, 1);
  EXPECT_TRUE(tabel.MagSluiten());
}

TEST_F(RekeningTabelTest, OkStaysOpenOnTheCurrentRowOrAnyOtherTypedRowThatFailsItsCheck) {
  Typ(1, 3, "QQ");
  EXPECT_FALSE(tabel.Ok());
  EXPECT_EQ(boekBewaard, 0);
  Typ(1, 3, "BT");
  Typ(2, 1, "1");  // typed on another row, never stored
  EXPECT_FALSE(tabel.Ok());
  EXPECT_EQ(tabel.HuidigeRij(), 2);
  EXPECT_EQ(Berichten().back(), "RekenFile 1 bestaat al");
  EXPECT_EQ(boekBewaard, 0);
}

TEST_F(RekeningTabelTest, ClosingOtherwiseAsksAndJaKeepsTheWindowOpen) {
  boek.berichten.Antwoord(antwoord::Ja);
  EXPECT_FALSE(tabel.MagSluiten());
  EXPECT_EQ(Berichten(), std::vector<std::string>{"Bestand nog redden\r gebruik dan Ok"});
  boek.berichten.Antwoord(antwoord::Nee);
  EXPECT_TRUE(tabel.MagSluiten());
  tabel.Schrap();
  boek.berichten.Wis();
  EXPECT_TRUE(tabel.MagSluiten());
  EXPECT_TRUE(Berichten().empty());
}

TEST_F(RekeningTabelTest, PickListsSetKindAndCurrencyOfTheCurrentRow) {
  tabel.Kies(2, 3);
  EXPECT_EQ(tabel.SoortKeuzes().size(), 7u);
  EXPECT_EQ(tabel.SoortKeuze(), 4);  // "SP sparen "
  tabel.KiesSoort(1);
  EXPECT_EQ(boek->RekLijst[2].Soort, "BZ");
  EXPECT_EQ(tabel.MuntKeuzes(), (std::vector<std::string>{"Eur", "USD", "ENP"}));
  tabel.KiesMunt(2);
  EXPECT_EQ(boek->RekLijst[2].Munt, 2);
  EXPECT_EQ(tabel.RijTekst(2)[4], "ENP");
  tabel.KiesNaam(0);
  EXPECT_EQ(tabel.HuidigeRij(), 1);
}

TEST_F(RekeningTabelTest, SortingKeepsTheOptionInTheConfigurationAndSavesIt) {
  ZetOpNaam(*boek, SorteerOnderwerp::Rekeningen, true);
  tabel.VoorSorteren();
  Sorteer(*boek, SorteerOnderwerp::Rekeningen);
  tabel.NaSorteren();
  EXPECT_EQ(tabel.RijTekst(1)[2], "Giro");
  EXPECT_NE(boek->Config.Vlaggen & vlag::RekeningenOpNaam, 0);
  EXPECT_EQ(configBewaard, 1);
}

TEST_F(RekeningTabelTest, ManagerAddsEditsAndDeletesThroughTheDialog) {
  int bewaard = 0;
  RekeningBeheer beheer(*boek, dialoog, [&](Kasboek&) { ++bewaard; });
  beheer.Vul();
  ASSERT_EQ(beheer.Regels().size(), 2u);
  EXPECT_EQ(beheer.Regels()[0].saldo, "75,00");
  EXPECT_EQ(beheer.Regels()[1].munt, "Eur");
  EXPECT_EQ(RekeningBeheer::Hint(30), "Rekeningnummer");
  EXPECT_EQ(RekeningBeheer::Hint(250), "Valuta afkorting");
  EXPECT_EQ(RekeningBeheer::Hint(300), "Saldo van de rekening");

  script.invoer = {"Kas", "", "BT betalingen", "20", "Eur", "1-1-2026"};
  beheer.Kies(1);
  beheer.Nieuw();
  ASSERT_EQ(boek->MaxRek(), 3);
  EXPECT_EQ(boek->RekLijst[2].Naam, "Kas");  // before the selected account
  EXPECT_TRUE(boek->ZoekGroep("3").has_value());
  EXPECT_EQ(beheer.Regels()[static_cast<std::size_t>(beheer.Gekozen())].naam, "Kas");
  EXPECT_EQ(beheer.Regels()[1].saldo, "20,00");

  boek.berichten.Antwoord(antwoord::Ja);
  boek.berichten.Antwoord(antwoord::Nee);
  beheer.Verwijder();
  EXPECT_EQ(boek->MaxRek(), 2);
  beheer.Ok();
  EXPECT_EQ(bewaard, 1);
}

}  // namespace
}  // namespace valdero
