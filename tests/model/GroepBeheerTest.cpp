#include <gtest/gtest.h>

#include "GroepTestBoek.h"
#include "model/groups/GroepBeheer.h"
#include "model/groups/GroepDialoog.h"

namespace valdero {
namespace {

using test::GroepBoek;
using Teksten = std::vector<std::string>;

struct Beheer {
  GroepBoek b;
  int bewaard = 0;
  GroepBeheer beheer{b.kb, [this](Kasboek&) { ++bewaard; }};

  Beheer() {
    b.Rekening(1, "Giro").Groep("12", "Saldo Giro").Groep("201", "Auto", -500)
        .Groep("410", "Loon", 900, " I ").Kas(1, "201", -20.5).Kas(1, "410", 100)
        .Kas(1, "201", -4.5).Matrix();
    beheer.Vul();
  }
};

TEST(GroepBeheer, ListsEveryGroupWithTheSumOfItsTransactions) {
  Beheer t;
  const auto& r = t.beheer.Regels();
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[1].kode, "201");
  EXPECT_EQ(r[1].titel, "Auto");
  EXPECT_EQ(r[1].klasse, " U ");
  EXPECT_EQ(r[1].saldo, "-25,00");
  EXPECT_TRUE(r[1].negatief);
  EXPECT_EQ(r[2].saldo, "100,00");
  EXPECT_FALSE(r[2].negatief);
  EXPECT_EQ(r[0].saldo, "0,00");
  EXPECT_EQ(t.beheer.Gekozen(), 0);
}

TEST(GroepBeheer, HintFollowsTheMousePosition) {
  const std::pair<int, const char*> gevallen[] = {{0, "Kodenummer van groep"},
                                                  {36, "Kodenummer van groep"},
                                                  {37, "Naam of Titel van groep"},
                                                  {199, "Naam of Titel van groep"},
                                                  {200, "Klasse v.d. groep"},
                                                  {249, "Klasse v.d. groep"},
                                                  {250, "Som In/Uit v.d. groep"}};
  for (const auto& [x, hint] : gevallen) EXPECT_EQ(GroepBeheer::Hint(x), hint) << x;
}

TEST(GroepBeheer, ChoosingATitleSelectsItsGroup) {
  Beheer t;
  EXPECT_EQ(t.beheer.Titels(), (Teksten{"Saldo Giro", "Auto", "Loon"}));
  EXPECT_TRUE(t.beheer.KiesTitel("Loon"));
  EXPECT_EQ(t.beheer.GroepPositie(), 3);
  EXPECT_FALSE(t.beheer.KiesTitel("Onbekend"));
  EXPECT_EQ(t.beheer.GroepPositie(), 3);
}

TEST(GroepBeheer, ANewGroupIsSortedInAndTheMatrixRebuilt) {
  Beheer t;
  t.beheer.Kies(1);
  GroepDialoog d(t.b.kb, {2, 1});
  d.BeginNieuw(t.beheer.GroepPositie(), "zzzz", "", " -");
  for (const char* s : {"", "Huur", "300", "", "10", "U"}) d.Verder(s);
  t.beheer.NaNieuweGroep(d.Uitslag().gelukt, d.Uitslag().kode);
  EXPECT_EQ(t.b.Kodes(), "-1,12,201,300,410");
  EXPECT_EQ(t.beheer.Regels().size(), 4u);
  EXPECT_EQ(t.beheer.Regels()[t.beheer.Gekozen()].kode, "300");
  EXPECT_DOUBLE_EQ(t.b.kb.SaldoMatrix()[4][1].In, 100);
  EXPECT_TRUE(t.beheer.Gewijzigd());
  t.beheer.Ok();
  EXPECT_EQ(t.bewaard, 1);
}

TEST(GroepBeheer, NothingChangedMeansNothingSaved) {
  Beheer t;
  t.beheer.NaNieuweGroep(false, "777");
  t.beheer.Ok();
  EXPECT_EQ(t.bewaard, 0);
}

TEST(GroepBeheer, AChangedCodeOffersToRenameItsTransactions) {
  Beheer t;
  t.beheer.Kies(1);
  GroepDialoog d(t.b.kb, {1, 1});
  d.BeginWijzig(t.beheer.GroepPositie());
  for (const char* s : {"", "Auto", "202", "U"}) d.Verder(s);
  t.b.berichten.Antwoord(antwoord::Ja);
  t.b.berichten.Antwoord(antwoord::Ja);
  t.beheer.NaBewerken("201");
  EXPECT_EQ(t.b.kb.KasLijst[1].GroepKode, "202");
  EXPECT_EQ(t.b.kb.KasLijst[3].GroepKode, "202");
  EXPECT_EQ(t.beheer.Regels()[1].saldo, "-25,00");
  EXPECT_DOUBLE_EQ(t.b.kb.SaldoMatrix()[2][1].Uit, -25);
  EXPECT_TRUE(t.beheer.Gewijzigd());
}

TEST(GroepBeheer, DeletingAsksAndLeavesTheTransactionsInPlace) {
  Beheer t;
  t.beheer.Kies(1);
  t.b.berichten.Antwoord(antwoord::Ja);
  t.beheer.Verwijder();
  EXPECT_EQ(t.b.Kodes(), "-1,12,410");
  EXPECT_EQ(t.b.kb.GroepLijst[2].Nummer, 2);
  EXPECT_EQ(t.b.kb.MaxKas(), 3);
  EXPECT_EQ(t.beheer.Regels().size(), 2u);
  EXPECT_EQ(t.b.berichten.Teksten()[0], "Weet u zeker dat u deze groep wilt verwijderen?");
  EXPECT_TRUE(t.beheer.Gewijzigd());
}

TEST(GroepBeheer, DeletingIsRefusedOrSkippedWhereItMustNotHappen) {
  struct {
    const char* naam;
    int regel;
    int antwoord;
    Teksten meldingen;
  } gevallen[] = {
      {"rekeninggroep", 0, 0, {"Groep komt overeen met rekeningnummer\rverwijderen niet toegestaan"}},
      {"Nee", 1, antwoord::Nee, {"Weet u zeker dat u deze groep wilt verwijderen?"}},
      {"vraag gesloten", 1, antwoord::Schrap, {"Weet u zeker dat u deze groep wilt verwijderen?"}},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    Beheer t;
    t.beheer.Kies(g.regel);
    if (g.antwoord) t.b.berichten.Antwoord(g.antwoord);
    t.beheer.Verwijder();
    EXPECT_EQ(t.b.Kodes(), "-1,12,201,410");
    EXPECT_EQ(t.b.berichten.Teksten(), g.meldingen);
    EXPECT_FALSE(t.beheer.Gewijzigd());
  }
}

TEST(GroepBeheer, DeletingTheOnlyGroupDoesNothing) {
  GroepBoek b;
  b.Groep("201", "Auto");
  GroepBeheer beheer(b.kb, nullptr);
  beheer.Vul();
  b.berichten.Antwoord(antwoord::Ja);
  beheer.Verwijder();
  EXPECT_EQ(b.Kodes(), "-1,201");
  EXPECT_FALSE(beheer.Gewijzigd());
}

}  // namespace
}  // namespace valdero
