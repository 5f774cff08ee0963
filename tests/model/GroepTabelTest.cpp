// The budget window's rules without the window: the six views, the amounts
// per period both ways, the totals, typed codes, titles and classes, the
// navigator, deleting a group, the text file and closing.
#include <gtest/gtest.h>

#include "GroepTestBoek.h"
#include "model/core/Sorteren.h"
#include "model/groups/GroepTabel.h"

namespace valdero {
namespace {

using test::GroepBoek;

struct GroepTabelTest : ::testing::Test {
  GroepBoek boek;
  int boekBewaard = 0;
  int configBewaard = 0;
  GroepTabel tabel{boek.kb, [this](Kasboek&) { ++boekBewaard; }, [this](Kasboek&) { ++configBewaard; }};

  GroepTabelTest() {
    for (const char* letter : {" B ", " C ", " L "}) test::VoegKlasseToe(boek.kb, letter, "klasse");
    boek.kb.sessie.KasNaam = "Huis24";
    boek.Rekening(1, "Giro")
        .Groep("1", "Saldo Giro", 0, " C ")
        .Groep("200", "Huur", -1200, " U ")
        .Groep("410", "Salaris", 2600, " I ")
        .Groep("500", "Aflossing", -520, " L ")
        .Groep("600", "Sparen", -104, " A ")
        .Kas(1, "200", -100)
        .Kas(1, "200", -100)
        .Kas(1, "410", 200)
        .Matrix();
  }

  int Rij(const std::string& kode) const {
    for (int r = 1; r <= tabel.Rijen(); ++r)
      if (tabel.RijTekst(r)[1] == kode) return r;
    return 0;
  }
  std::vector<std::string> Berichten() const { return boek.berichten.Teksten(); }
  double Budget(const std::string& kode) const {
    return boek.kb.GroepLijst[static_cast<std::size_t>(boek.kb.ZoekGroep(kode).value())].Budget;
  }
};

TEST_F(GroepTabelTest, AYearlyExpenseBudgetIsShownPerPeriodUnderBedragUit) {
  struct Geval {
    const char* naam;
    int view;
    int weken;
    const char* getoond;
  };
  const Geval gevallen[] = {
      {"year", 2, 0, "1200,00"},
      {"month", 3, 0, "100,00"},
      {"quarter", 4, 0, "300,00"},
      {"4 weeks", 5, 4, "92,31"},
      {"26 weeks", 5, 26, "600,00"},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    ASSERT_TRUE(tabel.Open(g.view, g.weken));
    const int r = Rij("200");
    ASSERT_NE(r, 0);
    EXPECT_EQ(tabel.RijTekst(r)[3], "");
    EXPECT_EQ(tabel.RijTekst(r)[4], g.getoond);
    EXPECT_EQ(tabel.RijTekst(r)[5], " U ");
  }
}

TEST_F(GroepTabelTest, ATypedPeriodAmountIsStoredAsAYearlyBudgetWithTheSignOfItsColumn) {
  struct Geval {
    const char* naam;
    int view;
    int weken;
    const char* kode;
    int kolom;
    const char* tekst;
    double budget;
  };
  const Geval gevallen[] = {
      {"50 out a month", 3, 0, "200", 4, "50", -600},
      {"500 in per 26 weeks", 5, 26, "410", 3, "500", 1000},
      {"75 out a quarter", 4, 0, "200", 4, "75", -300},
      {"10 in a year", 2, 0, "410", 3, "10", 10},
      {"an expense turned into income", 2, 0, "200", 3, "12", 12},
      {"zero clears the budget", 3, 0, "200", 4, "0", 0},
      {"an empty cell clears it too", 3, 0, "200", 4, "", 0},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    GroepBoek b;
    b.Groep("200", "Huur", -1200, " U ").Groep("410", "Salaris", 2600, " I ");
    GroepTabel t(b.kb, {}, {});
    ASSERT_TRUE(t.Open(g.view, g.weken));
    const int r = b.kb.ZoekGroep(g.kode).value();
    t.ZetCel(r, g.kolom, g.tekst);
    EXPECT_TRUE(t.BewaarRij(r));
    EXPECT_DOUBLE_EQ(b.kb.GroepLijst[static_cast<std::size_t>(r)].Budget, g.budget);
    EXPECT_TRUE(b.berichten.Teksten().empty());
  }
}

TEST_F(GroepTabelTest, TheShownAmountTypedBackUnchangedKeepsTheExactYearlyBudget) {
  tabel.Open(5, 4);
  const int r = Rij("200");
  tabel.ZetCel(r, 2, "Huur en servicekosten");
  tabel.BewaarRij(r);
  EXPECT_EQ(Budget("200"), -1200);
}

TEST_F(GroepTabelTest, ATextThatIsNoAmountIsReportedAndLeavesTheBudget) {
  tabel.Open(3);
  const int r = Rij("200");
  tabel.ZetCel(r, 4, "veel");
  EXPECT_FALSE(tabel.BewaarRij(r));
  EXPECT_FALSE(Berichten().empty());
  EXPECT_EQ(Budget("200"), -1200);
  EXPECT_EQ(tabel.RijTekst(r)[4], "100,00");
}

TEST_F(GroepTabelTest, TotalsOfAMixedBudget) {
  // Year, all classes: in 2600; net 2600 - 1200 - 520 - 104 = 776.
  tabel.Open(2);
  EXPECT_EQ(tabel.Totalen().in, "2600,00");
  EXPECT_EQ(tabel.Totalen().uit, "1824,00");
  EXPECT_EQ(tabel.Totalen().posSaldo, "776,00");
  EXPECT_EQ(tabel.Totalen().negSaldo, "");
  EXPECT_EQ(tabel.TotaalLabel(), "TOTAAL IN/UIT   Eur");
  EXPECT_EQ(tabel.SaldoLabel(), "EIND SALDO  Eur");

  // Month: classes I, B, L, U, V only; in 2600/12, net (2600-1200-520)/12.
  tabel.Open(3);
  EXPECT_EQ(tabel.Totalen().in, "216,67");
  EXPECT_EQ(tabel.Totalen().uit, "143,33");
  EXPECT_EQ(tabel.Totalen().posSaldo, "73,33");

  // Period of 4 weeks: everything times 4/52.
  tabel.Open(5, 4);
  EXPECT_EQ(tabel.Totalen().in, "200,00");
  EXPECT_EQ(tabel.Totalen().posSaldo, "59,69");

  // A net expense shows under Uit.
  boek.kb.GroepLijst[static_cast<std::size_t>(boek.kb.ZoekGroep("410").value())].Budget = 1000;
  tabel.Open(4);
  EXPECT_EQ(tabel.Totalen().in, "250,00");
  EXPECT_EQ(tabel.Totalen().uit, "456,00");
  EXPECT_EQ(tabel.Totalen().posSaldo, "");
  EXPECT_EQ(tabel.Totalen().negSaldo, "206,00");
}

TEST_F(GroepTabelTest, ViewsHeadsColumnsAndTheirLists) {
  tabel.Open(1);
  EXPECT_EQ(tabel.Titel(), "Groepen");
  EXPECT_EQ(tabel.Kop(), " INVOER VAN GROEPEN");
  EXPECT_EQ(tabel.Titels(), (std::vector<std::string>{"Index", "Kode", "Groep-titel", "Klasse"}));
  EXPECT_EQ(tabel.Breedtes(), (std::vector<int>{40, 50, 200, 40}));
  EXPECT_EQ(tabel.HelpContext(), 224);
  EXPECT_EQ(tabel.Knoppen().size(), 10u);
  EXPECT_EQ(tabel.Rijen(), 5);
  EXPECT_EQ(tabel.RijTekst(2), (GroepTabel::Rij{"2", "200", "Huur", " U "}));

  tabel.Open(5, 26);
  EXPECT_EQ(tabel.Titel(), "Begroting");
  EXPECT_EQ(tabel.Kop(), " BUDGET PERIODE-GEGEVENS  van 26 weken");
  EXPECT_EQ(tabel.HelpContext(), 225);
  EXPECT_EQ(tabel.Knoppen(), (std::vector<int>{0, 1, 2, 3, 8, 9}));
  EXPECT_EQ(tabel.Rijen(), 5);

  // The month view right after the period view: plain months, no weeks.
  tabel.Open(3);
  EXPECT_EQ(tabel.Kop(), " BUDGET MAAND-GEGEVENS klassen : B,I,L,U,V");
  EXPECT_EQ(tabel.Rijen(), 3);  // 200 (U), 410 (I), 500 (L)
  EXPECT_EQ(tabel.RijTekst(Rij("200"))[4], "100,00");

  EXPECT_FALSE(tabel.Open(6, 0, {}));
  EXPECT_EQ(Berichten().back(), "Geen selectie van klassen");
  ASSERT_TRUE(tabel.Open(6, 0, {" A "}));
  EXPECT_EQ(tabel.Kop(), " GESELECTEERDE-GEGEVENS");
  ASSERT_EQ(tabel.Rijen(), 1);
  EXPECT_EQ(tabel.RijTekst(1)[1], "600");
}

TEST_F(GroepTabelTest, ACodeChangeIsCheckedAndOffersTheTransactionsForRenaming) {
  tabel.Open(1);
  const int r = Rij("200");
  boek.berichten.Antwoord(antwoord::Ja);
  tabel.ZetCel(r, 1, "210");
  EXPECT_TRUE(tabel.BewaarRij(r));
  EXPECT_EQ(Berichten(),
            (std::vector<std::string>{"Groepkode 200 vervangen door kode 210\rvoor alle 2 transacties met deze kode"}));
  EXPECT_EQ(boek.kb.KasLijst[1].GroepKode, "210");
  EXPECT_EQ(boek.kb.KasLijst[2].GroepKode, "210");
  EXPECT_EQ(boek.kb.GroepLijst[2].Kode, "210");
}

TEST_F(GroepTabelTest, ACodeOrTitleThatClashesIsNeverStored) {
  struct Geval {
    const char* naam;
    int kolom;
    const char* tekst;
    const char* bericht;
  };
  const Geval gevallen[] = {
      {"code of another group", 1, "410", "Groepkode :410 bestaat al!"},
      {"title of another group", 2, "Salaris", "Titel :Salaris is al gebruikt"},
      {"an account's code", 1, "41", "Kode :41 is gelijk aan RekeningCode,\rInvoeren/wijzigen niet toegestaan"},
      {"a hyphen", 1, "4-1", "Groep kode :4-1 niet juist"},
      {"five characters", 1, "20000", "Maximale groeplengte is 4 karakters"},
      {"unknown class", 3, "Q", "Klasse :Q niet correct"},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    tabel.Open(1);
    boek.berichten.Wis();
    const int r = Rij("200");
    tabel.ZetCel(r, g.kolom, g.tekst);
    EXPECT_FALSE(tabel.BewaarRij(r));
    EXPECT_EQ(Berichten(), std::vector<std::string>{g.bericht});
    EXPECT_EQ(tabel.RijTekst(r), (GroepTabel::Rij{"2", "200", "Huur", " U "}));
  }
  // Also after "&Schrap": the list holds each code and title once.
  tabel.Schrap();
  for (int p = 1; p <= boek.kb.MaxGroep(); ++p)
    for (int q = p + 1; q <= boek.kb.MaxGroep(); ++q) {
      EXPECT_NE(boek.kb.GroepLijst[static_cast<std::size_t>(p)].Kode, boek.kb.GroepLijst[static_cast<std::size_t>(q)].Kode);
      EXPECT_NE(boek.kb.GroepLijst[static_cast<std::size_t>(p)].Naam, boek.kb.GroepLijst[static_cast<std::size_t>(q)].Naam);
    }
}

TEST_F(GroepTabelTest, BudgetViewsRefuseACodeChange) {
  tabel.Open(3);
  const int r = Rij("200");
  tabel.ZetCel(r, 1, "210");
  EXPECT_FALSE(tabel.BewaarRij(r));
  EXPECT_EQ(Berichten(), std::vector<std::string>{"Geen wijziging toegestaan \r Alleen voor Jaarbegroting"});
  EXPECT_EQ(tabel.RijTekst(r)[1], "200");
}

TEST_F(GroepTabelTest, TheClassIsTypedWithoutBlanksOrPickedFromTheList) {
  tabel.Open(2);
  const int r = Rij("200");
  tabel.ZetCel(r, 5, "V");
  EXPECT_TRUE(tabel.BewaarRij(r));
  EXPECT_EQ(boek.kb.GroepLijst[2].Klasse, " V ");
  tabel.Kies(r, 5);
  EXPECT_EQ(tabel.KlasseKeuzes()[0], " A klasseA");
  EXPECT_EQ(tabel.KlasseKeuze(), 3);
  tabel.KiesKlasse(2);
  EXPECT_EQ(boek.kb.GroepLijst[2].Klasse, " U ");
}

TEST_F(GroepTabelTest, EnterMovesRightAndAtTheClassValidatesAndGoesToTheNextRow) {
  tabel.Open(2);
  tabel.Kies(2, 1);
  for (int k = 1; k < 5; ++k) tabel.Enter(false);
  ASSERT_EQ(tabel.HuidigeKolom(), 5);
  tabel.Enter(false);
  EXPECT_EQ(tabel.HuidigeRij(), 3);
  EXPECT_EQ(tabel.HuidigeKolom(), 1);

  // A row whose class is no class stays.
  boek.kb.GroepLijst[3].Klasse = " -";
  tabel.Open(2);
  tabel.Kies(3, 5);
  tabel.Enter(false);
  EXPECT_EQ(tabel.HuidigeRij(), 3);
  EXPECT_EQ(Berichten().back(), "Klasse : - niet correct");
}

TEST_F(GroepTabelTest, NavigatorMovesAndAsksTheWindowForTheGroupDialog) {
  tabel.Open(1);
  EXPECT_EQ(tabel.Navigeer(GroepTabel::kLaatste, true), GroepTabel::Vervolg::Niets);
  EXPECT_EQ(Berichten(), std::vector<std::string>{"Editor mode is actief, druk Enter"});
  tabel.Navigeer(GroepTabel::kLaatste, false);
  EXPECT_EQ(tabel.HuidigeRij(), 5);
  EXPECT_EQ(tabel.Navigeer(GroepTabel::kVolgende, false), GroepTabel::Vervolg::NieuweGroep);
  EXPECT_EQ(tabel.NieuwePositie(), 6);
  EXPECT_EQ(tabel.Navigeer(GroepTabel::kBewerk, false), GroepTabel::Vervolg::BewerkGroep);

  // The dialog created a group at the end: the grid follows and selects it.
  test::VoegGroepToe(boek.kb, "700", "Vakantie", " U ", -300);
  tabel.NaNieuweGroep(true, "700");
  EXPECT_EQ(tabel.Rijen(), 6);
  EXPECT_EQ(tabel.HuidigeRij(), 6);
  EXPECT_TRUE(tabel.Veranderd());
  EXPECT_EQ(boek.kb.SaldoMatrix().size(), static_cast<std::size_t>(boek.kb.MaxGroep()) + 2);

  tabel.Open(3);
  tabel.Navigeer(GroepTabel::kLaatste, false);
  EXPECT_EQ(tabel.Navigeer(GroepTabel::kVolgende, false), GroepTabel::Vervolg::Niets);
}

TEST_F(GroepTabelTest, DeletingAGroupWithJaTwiceRemovesExactlyItsTransactions) {
  tabel.Open(1);
  tabel.Kies(Rij("200"), 1);
  boek.berichten.Antwoord(antwoord::Ja);
  boek.berichten.Antwoord(antwoord::Ja);
  tabel.Navigeer(GroepTabel::kVerwijder, false);
  EXPECT_EQ(Berichten(), (std::vector<std::string>{"Wilt u deze groep verwijderen ",
                                                   "Alle transacties met deze Boekingskode verwijderen?",
                                                   "Totaal 2 Kasrecord(s) verwijderd"}));
  EXPECT_EQ(boek.kb.ZoekGroep("200"), std::nullopt);
  ASSERT_EQ(boek.kb.MaxKas(), 1);
  EXPECT_EQ(boek.kb.KasLijst[1].GroepKode, "410");
  EXPECT_EQ(boek.kb.KasLijst[1].Index, 1);
  EXPECT_EQ(boekBewaard, 1);
  EXPECT_EQ(tabel.Rijen(), 4);
  EXPECT_EQ(tabel.RijTekst(2)[0], "2");
  // The matrix lost the row: the totals row holds only the salary.
  const auto& totaal = boek.kb.SaldoMatrix().back();
  EXPECT_EQ(totaal[1].In, 200);
  EXPECT_EQ(totaal[1].Uit, 0);
}

TEST_F(GroepTabelTest, DeletingKeepsTheTransactionsOnNeeAndRefusesAnAccountsGroup) {
  tabel.Open(1);
  tabel.Kies(Rij("200"), 1);
  boek.berichten.Antwoord(antwoord::Ja);
  boek.berichten.Antwoord(antwoord::Nee);
  tabel.Navigeer(GroepTabel::kVerwijder, false);
  EXPECT_EQ(boek.kb.MaxKas(), 3);
  EXPECT_EQ(boekBewaard, 0);

  boek.berichten.Wis();
  tabel.Kies(Rij("1"), 1);
  tabel.Navigeer(GroepTabel::kVerwijder, false);
  EXPECT_EQ(tabel.Waarschuwing(), "Kode is Bankkode, Onveranderlijk");
  EXPECT_TRUE(Berichten().empty());
  EXPECT_TRUE(boek.kb.ZoekGroep("1").has_value());
}

TEST_F(GroepTabelTest, RefreshSortsTheGroupsAndRenumbers) {
  ZetOpNaam(boek.kb, SorteerOnderwerp::Groepen, true);
  tabel.Open(1);
  tabel.Navigeer(GroepTabel::kVernieuw, false);
  EXPECT_EQ(tabel.RijTekst(1)[2], "Aflossing");
  EXPECT_EQ(tabel.RijTekst(1)[0], "1");
  EXPECT_EQ(boek.kb.GroepLijst[1].Nummer, 1);
  // The balances follow their groups.
  const int huur = boek.kb.ZoekGroep("200").value();
  EXPECT_EQ(boek.kb.SaldoMatrix()[static_cast<std::size_t>(huur)][1].Uit, -200);
}

TEST_F(GroepTabelTest, TheTitleChooserSelectsTheRowAfterRefills) {
  tabel.Open(1);
  tabel.Navigeer(GroepTabel::kVernieuw, false);
  tabel.Navigeer(GroepTabel::kVernieuw, false);
  const auto titels = tabel.TitelKeuzes();
  ASSERT_EQ(titels.size(), 5u);
  tabel.KiesTitel(4);
  EXPECT_EQ(tabel.HuidigeRij(), 5);
  EXPECT_EQ(tabel.RijTekst(5)[2], titels[4]);
}

TEST_F(GroepTabelTest, TheTextFileOfTheMonthView) {
  test::TestMap map;
  boek.kb.sessie.Map = map.pad();
  tabel.Open(3);
  boek.berichten.Bestand("groepen.txt");
  ASSERT_TRUE(tabel.BewaarTekst());
  EXPECT_EQ(boek.berichten.dialogen.back().titel, "IOGroepenfile ");
  EXPECT_EQ(boek.berichten.dialogen.back().voorgesteldeNaam, "*.txt");
  const std::string vier(4, ' ');
  const std::string streep = vier + std::string(42, '-') + "\r\n";
  const std::string verwacht = "\r\n\r\n\r\n" + vier + "GROEPEN TABEL" + std::string(11, ' ') + "Huis24\r\n\r\n" +
                               vier + "Kode    Groep-titel" + std::string(16, ' ') + "Bedrag_IN\r\n" + streep +
                               vier + "200     Huur" + std::string(23, ' ') + "\r\n" +
                               vier + "410     Salaris" + std::string(20, ' ') + "216,67\r\n" +
                               vier + "500     Aflossing" + std::string(18, ' ') + "\r\n" + streep;
  const auto bytes = test::LeesBytes(map / "groepen.txt");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), verwacht);
  // The next save proposes the name used last.
  boek.berichten.Bestand(std::nullopt);
  EXPECT_FALSE(tabel.BewaarTekst());
  EXPECT_EQ(boek.berichten.dialogen.back().voorgesteldeNaam, "groepen.txt");
}

// Records every text printed.
struct OpnamePrinter : VastePrinter {
  std::vector<std::string> teksten;
  void Tekst(int, int, const std::string& t) override { teksten.push_back(t); }
};

TEST_F(GroepTabelTest, PrintEndsWithTheTotals) {
  OpnamePrinter printer;
  boek.kb.poorten.printer = printer;
  tabel.Open(3);
  ASSERT_TRUE(tabel.Print());
  const auto& t = printer.teksten;
  ASSERT_GE(t.size(), 8u);
  EXPECT_EQ(t[0], " BUDGET MAAND-GEGEVENS klassen : B,I,L,U,V");
  EXPECT_EQ(t[1], "Huis24");
  EXPECT_EQ(std::vector<std::string>(t.end() - 5, t.end()),
            (std::vector<std::string>{"TOTAAL IN/UIT   Eur", "216,67", "143,33", "EIND SALDO  Eur", "73,33"}));
}

TEST_F(GroepTabelTest, OkValidatesStoresSavesAndRebuildsWhenChanged) {
  tabel.Open(2);
  tabel.Kies(Rij("200"), 1);
  tabel.ZetCel(Rij("410"), 5, "Q");  // typed on another row, refused on OK
  EXPECT_FALSE(tabel.Ok());
  EXPECT_EQ(tabel.HuidigeRij(), Rij("410"));
  EXPECT_EQ(boekBewaard, 0);
  tabel.ZetCel(Rij("410"), 3, "3000");
  EXPECT_TRUE(tabel.Ok());
  EXPECT_EQ(Budget("410"), 3000);
  EXPECT_EQ(boekBewaard, 1);
  EXPECT_EQ(configBewaard, 1);
  EXPECT_TRUE(tabel.MagSluiten());
}

TEST_F(GroepTabelTest, ClosingOtherwiseAsks) {
  tabel.Open(1);
  boek.berichten.Antwoord(antwoord::Ja);
  EXPECT_FALSE(tabel.MagSluiten());
  EXPECT_EQ(Berichten(), std::vector<std::string>{"Bestand nog redden\r gebruik dan Ok"});
  EXPECT_TRUE(tabel.MagSluiten());  // Nee
}

}  // namespace
}  // namespace valdero
