#include <gtest/gtest.h>

#include "GroepTestBoek.h"
#include "model/groups/GroepDialoog.h"

namespace valdero {
namespace {

using test::GroepBoek;
using Teksten = std::vector<std::string>;

// Walks a new group through the dialog with one typed text per step.
GroepResultaat MaakGroep(GroepBoek& b, GroepWeergave w, const Teksten& invoer, int positie = 99) {
  GroepDialoog d(b.kb, w);
  d.BeginNieuw(positie, "zzzz", "", " -");
  d.Verder("");
  for (const auto& t : invoer) d.Verder(t);
  EXPECT_EQ(d.Resultaat(), GroepDialoog::Voltooid);
  return d.Uitslag();
}

TEST(GroepDialoog, StepZeroAndTheTextsOfEveryStepWhenCreating) {
  GroepBoek b;
  GroepDialoog d(b.kb, {2, 1});
  d.BeginNieuw(1, "zzzz", "", " -");
  EXPECT_EQ(d.Titel(), "Nieuwe Groep");
  EXPECT_EQ(d.Vraag(), " Invoeren van de velden van een groep");
  EXPECT_EQ(d.HelpTekst(), " Vul nu alle velden van een groep in (of wijzig).\rClick daarvoor op verder>.");
  EXPECT_FALSE(d.TerugMag());
  EXPECT_EQ(d.VerderTekst(), "&Verder>");
  d.Verder("");
  EXPECT_EQ(d.Stap(), 1);
  EXPECT_EQ(d.VeldLabel(), "Titel");
  EXPECT_TRUE(d.MetKeuzeLijst());
  ASSERT_EQ(d.Keuzes().size(), 48u);
  EXPECT_EQ(d.Keuzes()[3], " -onderhoud repar.");
  EXPECT_EQ(d.Keuzes()[47], "Special");
  d.Verder("Huur");
  EXPECT_EQ(d.Vraag(), " Wat wordt de (boekings)kode van de groep?");
  EXPECT_TRUE(d.ToonBestaandeKodes());
  EXPECT_EQ(d.VeldTekst(), "");  // the placeholder code is not offered for editing
  d.Verder("430");
  EXPECT_EQ(d.VeldLabel(), "Bedrag In");
  EXPECT_EQ(d.VeldTekst(), "0,00");
  d.Verder("");
  EXPECT_EQ(d.VeldLabel(), "Bedrag Uit");
  d.Verder("75");
  EXPECT_EQ(d.VeldLabel(), "Klasse");
  EXPECT_EQ(d.VerderTekst(), "&Klaar");
  EXPECT_EQ(d.Keuzes(), (Teksten{" A klasseA", " I klasseI", " U klasseU", " V klasseV"}));
  d.Verder(" U klasseU");
  EXPECT_EQ(d.Resultaat(), GroepDialoog::Voltooid);
  EXPECT_TRUE(d.Uitslag().gelukt);
  EXPECT_EQ(d.Uitslag().kode, "430");
  ASSERT_EQ(b.kb.MaxGroep(), 1);
  EXPECT_EQ(b.kb.GroepLijst[1].Naam, "Huur");
  EXPECT_DOUBLE_EQ(b.kb.GroepLijst[1].Budget, -75);
  EXPECT_EQ(b.kb.GroepLijst[1].Klasse, " U ");
}

TEST(GroepDialoog, IncomeSkipsTheExpenseStepAndViewsConvertToYearlyBudgets) {
  struct {
    const char* naam;
    GroepWeergave w;
    Teksten invoer;
    double budget;
  } gevallen[] = {
      {"jaar, inkomsten", {2, 1}, {"Loon", "410", "100", "I"}, 100},
      {"maand, inkomsten 50", {3, 12}, {"Loon", "410", "50", "I"}, 600},
      {"kwartaal, uitgaven", {4, 4}, {"Huur", "430", "0", "300", "U"}, -1200},
      {"26 weken, inkomsten", {5, 26}, {"Loon", "410", "500", "I"}, 1000},
      {"groepentabel zonder bedragen", {1, 1}, {"Huur", "430", "U"}, 0},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    GroepBoek b;
    const auto uit = MaakGroep(b, g.w, g.invoer);
    EXPECT_TRUE(uit.gelukt);
    ASSERT_EQ(b.kb.MaxGroep(), 1);
    EXPECT_NEAR(b.kb.GroepLijst[1].Budget, g.budget, 1e-9);
  }
}

TEST(GroepDialoog, RefusedEntriesKeepTheStepAndThePreviousValue) {
  GroepBoek b;
  b.Groep("201", "Auto");
  GroepDialoog d(b.kb, {2, 1});
  d.BeginNieuw(9, "zzzz", "", " -");
  d.Verder("");
  d.Verder("Huur");
  d.Verder("41");
  d.Verder("4-10");
  d.Verder("41000");
  EXPECT_EQ(d.Stap(), 2);
  EXPECT_EQ(d.Groep().Kode, "zzzz");
  d.Verder("430");
  d.Verder("12x");
  EXPECT_EQ(d.Stap(), 3);
  d.Verder("");
  d.Verder("");
  d.Verder("Q");
  EXPECT_EQ(d.Stap(), 5);
  EXPECT_EQ(d.Groep().Klasse, " -");
  EXPECT_EQ(b.berichten.Teksten(),
            (Teksten{"Kode :41 is gelijk aan RekeningCode,\rInvoeren/wijzigen niet toegestaan",
                     "Groep kode :4-10 niet juist", "Maximale groeplengte is 4 karakters",
                     "Getal 12x,00 is geen geldig bedrag\n\r probeer opnieuw of controleer bestand",
                     "Klasse : Q  niet correct"}));
}

TEST(GroepDialoog, BackGoesOneStepAndFromClassToCodeInTheGroupsTable) {
  GroepBoek b;
  GroepDialoog d(b.kb, {1, 1});
  d.BeginNieuw(1, "zzzz", "", " -");
  d.Verder("");
  d.Terug("Huur");
  EXPECT_EQ(d.Stap(), 1);  // never below step 1
  d.Verder("Huur");
  d.Verder("430");
  EXPECT_EQ(d.Stap(), 5);
  EXPECT_TRUE(d.TerugMag());
  d.Terug(" U ");
  EXPECT_EQ(d.Stap(), 2);
  d.Terug("430");
  EXPECT_EQ(d.Stap(), 1);
  EXPECT_FALSE(d.TerugMag());
  EXPECT_EQ(d.Groep().Kode, "430");
}

TEST(GroepDialoog, EnterStoresTheStepAndEnablesBackFromStepTwo) {
  GroepBoek b;
  GroepDialoog d(b.kb, {2, 1});
  d.BeginNieuw(1, "zzzz", "", " -");
  d.Verder("");
  EXPECT_TRUE(d.Enter("Huur"));
  EXPECT_FALSE(d.TerugMag());
  EXPECT_EQ(d.Groep().Naam, "Huur");
  d.Verder("Huur");
  EXPECT_FALSE(d.Enter("4"));
  EXPECT_TRUE(d.Enter("430"));
  EXPECT_TRUE(d.TerugMag());
}

TEST(GroepDialoog, ANewGroupThatIsNotUniqueIsDiscardedAndTheCallerTold) {
  GroepBoek b;
  b.Groep("201", "Auto");
  GroepDialoog d(b.kb, {2, 1});
  d.BeginNieuw(1, "777", "", " U ");
  d.Verder("");
  d.Verder("Auto");
  d.Verder("430");
  d.Verder("");
  d.Verder("10");
  d.Verder(" U ");
  EXPECT_FALSE(d.Uitslag().gelukt);
  EXPECT_EQ(d.Uitslag().kode, "777");
  EXPECT_EQ(b.kb.IOStatus, 1);
  EXPECT_EQ(b.kb.MaxGroep(), 1);
  EXPECT_EQ(b.berichten.Teksten(), (Teksten{"Titel :Auto is al gebruikt"}));
}

TEST(GroepDialoog, CancellingANewGroupDiscardsIt) {
  GroepBoek b;
  GroepDialoog d(b.kb, {2, 1});
  d.BeginNieuw(1, "777", "", " U ");
  d.Verder("");
  d.Verder("Huur");
  d.Schrap();
  EXPECT_EQ(d.Resultaat(), GroepDialoog::Geschrapt);
  EXPECT_FALSE(d.Uitslag().gelukt);
  EXPECT_EQ(d.Uitslag().kode, "777");
  EXPECT_EQ(b.kb.IOStatus, 1);
  EXPECT_EQ(b.kb.MaxGroep(), 0);
}

TEST(GroepDialoog, InsertsAtThePositionAndKeepsTheMatrixInShape) {
  GroepBoek b;
  b.Rekening(1, "Giro").Groep("201", "Auto").Groep("410", "Loon").Kas(1, "410", 40).Matrix();
  const auto uit = MaakGroep(b, {2, 1}, {"Huur", "300", "", "5", "U"}, 2);
  EXPECT_TRUE(uit.gelukt);
  EXPECT_EQ(b.Kodes(), "-1,201,300,410");
  EXPECT_EQ(b.kb.GroepLijst[3].Nummer, 3);
  ASSERT_EQ(b.kb.SaldoMatrix().size(), 5u);
  EXPECT_DOUBLE_EQ(b.kb.SaldoMatrix()[3][1].In, 40);
  EXPECT_DOUBLE_EQ(b.kb.SaldoMatrix()[2][1].In, 0);

  MaakGroep(b, {2, 1}, {"Rente", "500", "1", "I"}, 50);
  EXPECT_EQ(b.Kodes(), "-1,201,300,410,500");
}

TEST(GroepDialoog, ChangingShowsTheBudgetAndWritesEachStepAtOnce) {
  GroepBoek b;
  b.Groep("201", "Auto", -1200, " U ");
  GroepDialoog d(b.kb, {3, 12});
  d.BeginWijzig(1);
  EXPECT_EQ(d.Titel(), "Groep bewerken");
  EXPECT_EQ(d.Vraag(), " Wijzigen van de velden van groep : 201");
  EXPECT_DOUBLE_EQ(d.BedragUit(), 1200);
  d.Verder("");
  EXPECT_EQ(d.Vraag(), " Titel van de groep :  201");
  EXPECT_EQ(d.VeldTekst(), "Auto");
  d.Verder("Wagen");
  EXPECT_EQ(b.kb.GroepLijst[1].Naam, "Wagen");
  EXPECT_FALSE(d.ToonBestaandeKodes());
  d.Verder("201");
  d.Verder("");
  EXPECT_EQ(d.VeldTekst(), "100,00");
  d.Verder("150");
  EXPECT_DOUBLE_EQ(b.kb.GroepLijst[1].Budget, -1200);  // written on completion only
  EXPECT_EQ(d.VeldTekst(), " U klasseU");
  d.Verder(" U klasseU");
  EXPECT_TRUE(d.Uitslag().gelukt);
  EXPECT_DOUBLE_EQ(b.kb.GroepLijst[1].Budget, -1800);
}

TEST(GroepDialoog, AnAccountsOwnGroupKeepsItsCode) {
  GroepBoek b;
  b.Groep("12", "Saldo Giro");
  GroepDialoog d(b.kb, {1, 1});
  d.BeginWijzig(1);
  d.Verder("");
  d.Verder("Saldo Giro");
  d.Verder("12");  // unchanged: accepted
  EXPECT_EQ(d.Stap(), 5);
  d.Terug(" U ");
  d.Verder("120");
  EXPECT_EQ(d.Stap(), 2);
  EXPECT_EQ(b.kb.GroepLijst[1].Kode, "12");
  EXPECT_EQ(b.berichten.Teksten(),
            (Teksten{"Bestaande Kode = 12 \rBankKode alleen wijzigen met RekeningNummer"}));
}

TEST(GroepDialoog, AChangeThatClashesRestoresTheOldCodeAndTitle) {
  for (bool schrap : {false, true}) {
    SCOPED_TRACE(schrap ? "geschrapt" : "voltooid");
    GroepBoek b;
    b.Groep("201", "Auto").Groep("410", "Loon");
    GroepDialoog d(b.kb, {1, 1});
    d.BeginWijzig(2);
    d.Verder("");
    d.Verder("Salaris");
    d.Verder("201");
    EXPECT_EQ(b.kb.GroepLijst[2].Kode, "201");  // stored at once
    if (schrap)
      d.Schrap();
    else
      d.Verder(" U ");
    EXPECT_FALSE(d.Uitslag().gelukt);
    EXPECT_EQ(b.kb.GroepLijst[2].Kode, "410");
    EXPECT_EQ(b.kb.GroepLijst[2].Naam, "Loon");
    EXPECT_EQ(b.berichten.Teksten(), (Teksten{"Groepkode :201 bestaat al!"}));
  }
}

TEST(GroepDialoog, CancellingAChangeKeepsTheStoredSteps) {
  GroepBoek b;
  b.Groep("201", "Auto");
  GroepDialoog d(b.kb, {2, 1});
  d.BeginWijzig(1);
  d.Verder("");
  d.Verder("Wagen");
  d.Schrap();
  EXPECT_EQ(b.kb.GroepLijst[1].Naam, "Wagen");
  EXPECT_TRUE(b.berichten.getoond.empty());
}

TEST(GroepDialoog, ChangingAPositionThatHoldsNoGroupFails) {
  GroepBoek b;
  GroepDialoog d(b.kb, {2, 1});
  d.BeginWijzig(3);
  EXPECT_EQ(d.Resultaat(), GroepDialoog::Geschrapt);
  EXPECT_EQ(b.kb.IOStatus, 1);
  EXPECT_EQ(b.berichten.Teksten(), (Teksten{"Toevoegen van record mislukt"}));
}

}  // namespace
}  // namespace valdero
