#include <gtest/gtest.h>

#include <functional>

#include "TestBoek.h"
#include "model/accounts/RekeningDialoog.h"
#include "model/accounts/RekeningBeheer.h"
#include "model/accounts/RekeningGroepen.h"

namespace valdero {
namespace {

using test::TestBoek;

// Runs the dialog the way a script says; records the heading of every step.
struct ScriptVoerder : RekeningDialoogVoerder {
  std::function<void(RekeningDialoog&)> script;
  void Voer(RekeningDialoog& d) override { script(d); }
};

// Fills the steps from 1 on with "&Verder", one entry per step.
void VulIn(RekeningDialoog& d, const std::vector<std::string>& invoer) {
  d.Verder("");
  for (const auto& tekst : invoer) d.Verder(tekst);
}

struct RekeningDialoogTest : ::testing::Test {
  TestBoek boek;
  ScriptVoerder voerder;
  RekeningDialoog dlg{*boek, voerder};

  void Script(std::vector<std::string> invoer) {
    voerder.script = [invoer](RekeningDialoog& d) { VulIn(d, invoer); };
  }
};

TEST_F(RekeningDialoogTest, NewAccountTakesTheLowestFreeNumberAndBooksItsOpeningBalance) {
  boek.Rekening(1, "Giro");
  boek.Rekening(2, "Spaar", "SP");
  boek.Rekening(4, "Huis", "BZ");
  std::vector<std::string> koppen, labels, velden, verder;
  voerder.script = [&](RekeningDialoog& d) {
    const std::vector<std::string> invoer = {"", "Rabo 123", "", "SP sparen ", "250,50", "Eur", "1-2-2026"};
    for (const auto& tekst : invoer) {
      koppen.push_back(d.Kop());
      labels.push_back(d.Label());
      velden.push_back(d.VeldTekst());
      verder.push_back(d.VerderTekst());
      d.Verder(tekst.empty() ? d.VeldTekst() : tekst);
    }
  };
  ASSERT_EQ(dlg.NewAccount(3, "Rabo"), 0);

  EXPECT_EQ(koppen, (std::vector<std::string>{
                        " Invoeren van rekeningvelden", " Wat is de naam en het Rekening Nummer?",
                        " Wat wordt de Rekening Code ?", " Kies soort uit de keuzelijst",
                        " Geef het beginsaldo van de rekening", " Geef de munteenheid van de rekening",
                        " Geef de begindatum van de rekening"}));
  EXPECT_EQ(labels, (std::vector<std::string>{"", "Rekening", "Rek.code", "Soort", "Saldo", "Munt", "Datum"}));
  EXPECT_EQ(velden[1], "Rabo");
  EXPECT_EQ(velden[2], "3");
  EXPECT_EQ(velden[4], "0,00");
  EXPECT_EQ(velden[6], "15-3-2026");
  EXPECT_EQ(verder[5], "&Verder>");
  EXPECT_EQ(verder[6], "&Klaar");

  ASSERT_EQ(boek->MaxRek(), 4);
  const TBank& nieuw = boek->RekLijst[3];
  EXPECT_EQ(nieuw.RekNr, 3);
  EXPECT_EQ(nieuw.RekNrTekst, "3");
  EXPECT_EQ(nieuw.Naam, "Rabo 123");
  EXPECT_EQ(nieuw.Soort, "SP");
  EXPECT_EQ(nieuw.Index, 3);
  EXPECT_EQ(boek->RekLijst[4].Naam, "Huis");
  EXPECT_EQ(boek->RekLijst[4].Index, 4);
  EXPECT_EQ(dlg.NieuwRekNr(), 3);

  ASSERT_EQ(boek->MaxKas(), 1);
  const TKas& saldo = boek->KasLijst[1];
  EXPECT_EQ(saldo.RekNr, 3);
  EXPECT_EQ(saldo.GroepKode, "3");
  EXPECT_EQ(saldo.ActieKode, "--");
  EXPECT_EQ(saldo.Datum, MaakDatum(2026, 2, 1));
  EXPECT_EQ(saldo.PayDate, MaakDatum(2026, 2, 1));
  EXPECT_EQ(saldo.Relatie, "Rabo 123");
  EXPECT_EQ(saldo.Omschrijving, "Saldo");
  EXPECT_DOUBLE_EQ(saldo.Bedrag, 250.5);
  EXPECT_EQ(saldo.BoekSoort, 1);
  EXPECT_EQ(saldo.Belegging, 0);
  EXPECT_TRUE(boek.berichten.getoond.empty());
}

TEST_F(RekeningDialoogTest, OpeningBalanceFollowsTheAccountKindAndCurrency) {
  struct Geval {
    const char* naam;
    const char* soort;
    const char* munt;
    double bedrag;
    int boekSoort;
    int belegging;
    float prijs;
  };
  const Geval gevallen[] = {
      {"dollar account is booked at its rate", "BT betalingen", "USD", 80.0, 1, 0, 0.0f},
      {"securities account is a securities booking", "EF effecten", "Eur", 100.0, 11, 1, 1.0f},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    TestBoek b;
    ScriptVoerder v;
    RekeningDialoog d(*b, v);
    v.script = [&](RekeningDialoog& x) { VulIn(x, {"Rek", "1", g.soort, "100", g.munt, "1-1-2026"}); };
    ASSERT_EQ(d.NewAccount(1, ""), 0);
    const TKas& k = b->KasLijst[1];
    EXPECT_NEAR(k.Bedrag, g.bedrag, 1e-5);  // the rate is a single
    EXPECT_EQ(k.BoekSoort, g.boekSoort);
    EXPECT_EQ(k.Belegging, g.belegging);
    EXPECT_FLOAT_EQ(k.Prijs, g.prijs);
    EXPECT_EQ(k.Munt, b->RekLijst[1].Munt);
  }
}

TEST_F(RekeningDialoogTest, CancelledOrDuplicateAccountIsNotAdded) {
  boek.Rekening(1, "Giro");
  boek.Rekening(2, "Spaar");
  voerder.script = [](RekeningDialoog& d) {
    d.Verder("");
    d.Verder("Nieuw");
    d.Schrap();
  };
  EXPECT_EQ(dlg.NewAccount(3, ""), 1);
  EXPECT_EQ(dlg.NieuwRekNr(), 1);

  Script({"Dubbel", "2", "BT betalingen", "0", "Eur", ""});
  EXPECT_EQ(dlg.NewAccount(3, ""), 1);
  EXPECT_EQ(boek.berichten.Teksten(), std::vector<std::string>{"RekenFile 2 bestaat al"});
  EXPECT_EQ(boek->MaxRek(), 2);
  EXPECT_EQ(boek->MaxKas(), 0);
}

TEST_F(RekeningDialoogTest, AccountNumberChecks) {
  struct Geval {
    const char* naam;
    const char* tekst;
    int verwacht;  // the number kept afterwards
    const char* melding;
  };
  const Geval gevallen[] = {
      {"not a number", "abc", 1, "Rekening is geen getal"},
      {"out of range", "150", 1, "Alleen nummers van 1 to 100 toegestaan"},
      {"zero", "0", 1, "Alleen nummers van 1 to 100 toegestaan"},
      {"in range", "98", 98, nullptr},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    boek.berichten.Wis();
    voerder.script = [&](RekeningDialoog& d) {
      d.Verder("");
      d.Verder("Naam");
      d.Enter(g.tekst);
      d.Verder(g.tekst);  // the entry Enter stored is not checked twice
      EXPECT_EQ(d.Rekening().RekNr, g.verwacht);
      d.Schrap();
    };
    dlg.NewAccount(1, "");
    if (g.melding) {
      EXPECT_EQ(boek.berichten.Teksten(), std::vector<std::string>{g.melding});
    } else {
      EXPECT_TRUE(boek.berichten.getoond.empty());
    }
  }
}

TEST_F(RekeningDialoogTest, NumberNinetyNineBecomesTheTransferAccountOnceConfirmed) {
  boek.berichten.Antwoord(antwoord::Ja);
  Script({"Iets", "99", "", "0", "Eur", ""});
  voerder.script = [](RekeningDialoog& d) {
    d.Verder("");
    d.Verder("Iets");
    d.Verder("99");
    d.Verder("TR tranferrek.");
    d.Verder("0");
    d.Verder("Eur");
    d.Verder("");
  };
  ASSERT_EQ(dlg.NewAccount(1, ""), 0);
  EXPECT_EQ(boek->RekLijst[1].Naam, "TRANSFER REKENING");
  EXPECT_EQ(boek->RekLijst[1].Soort, "TR");
  EXPECT_EQ(boek.berichten.Teksten(), std::vector<std::string>{"Als transferrekening opvoeren"});

  // Confirmed once, a later 99 is taken without asking.
  boek.berichten.Wis();
  voerder.script = [](RekeningDialoog& d) {
    d.Verder("");
    d.Verder("Ander");
    d.Enter("99");
    EXPECT_EQ(d.Rekening().Naam, "TRANSFER REKENING");
    d.Schrap();
  };
  dlg.NewAccount(2, "");
  EXPECT_TRUE(boek.berichten.getoond.empty());
}

TEST_F(RekeningDialoogTest, LoanAccountAsksFiveMoreStepsAndBooksTheLoan) {
  boek.Rekening(1, "Giro");
  boek.Groep("1", "Saldo Giro", " C ");
  boek.Groep("201", "Kas1");
  boek.Groep("600", "Diversen");
  std::vector<std::string> meldingen;
  voerder.script = [&](RekeningDialoog& d) {
    VulIn(d, {"Hypotheek", "2", "LN leningen", "500", "Eur", "1-4-2026"});
    EXPECT_FALSE(d.Afgelopen());
    EXPECT_EQ(d.LaatsteStap(), 11);
    EXPECT_EQ(d.Kop(), " Lening VAN instantie of AAN persoon?");
    EXPECT_EQ(d.VeldTekst(), "AAN persoon");
    d.Verder("van");
    EXPECT_EQ(d.VeldTekst(), "120");
    d.Enter("4-5");
    d.Enter("abcd");
    EXPECT_EQ(d.VeldTekst(), "120");
    d.Verder("450");
    d.Verder("Huis");
    d.Verder("150000");
    EXPECT_EQ(d.VerderTekst(), "&Klaar");
    d.Verder("Bank");
  };
  ASSERT_EQ(dlg.NewAccount(2, ""), 0);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Groep kode :4-5 niet juist", "Maximale lengte is 3 karakters"}));
  const Lening& l = dlg.LeningGegevens();
  EXPECT_TRUE(l.VanInstantie);
  EXPECT_EQ(l.RekNr, 2);
  EXPECT_EQ(l.GroepKode, "450");
  EXPECT_EQ(l.Titel, "Huis");
  EXPECT_DOUBLE_EQ(l.Bedrag, 150000);
  EXPECT_EQ(l.Klasse, " S");
  EXPECT_EQ(l.Datum, MaakDatum(2026, 4, 1));
  EXPECT_EQ(l.Relatie, "Bank");
  // The loan booking replaces the opening balance.
  EXPECT_DOUBLE_EQ(boek->KasLijst[1].Bedrag, 0);

  EnsureAccountGroup(*boek, 2, l);
  ASSERT_TRUE(AddLoanGroups(*boek, l));
  PostLoanBooking(*boek, l);
  ASSERT_EQ(boek->MaxGroep(), 7);
  EXPECT_EQ(boek->GroepLijst[3].Kode, "450");
  EXPECT_EQ(boek->GroepLijst[3].Naam, "Huisper1-4-2026");
  EXPECT_DOUBLE_EQ(boek->GroepLijst[3].Budget, -150000);
  EXPECT_EQ(boek->GroepLijst[3].Klasse, " S");
  EXPECT_EQ(boek->GroepLijst[4].Naam, "Rente Huis");
  EXPECT_EQ(boek->GroepLijst[5].Kode, "450b");
  EXPECT_EQ(boek->GroepLijst[5].Klasse, " U ");
  EXPECT_EQ(boek->GroepLijst[6].Kode, "600");
  EXPECT_EQ(boek->GroepLijst[7].Kode, "2");
  EXPECT_EQ(boek->GroepLijst[7].Klasse, " S ");
  const TKas& lening = boek->KasLijst[2];
  EXPECT_EQ(lening.GroepKode, "450");
  EXPECT_EQ(lening.ActieKode, "DV");
  EXPECT_EQ(lening.VolgBlad, 1);
  EXPECT_DOUBLE_EQ(lening.Bedrag, -150000);
  EXPECT_EQ(lening.Omschrijving, "Saldo Huis");

  // The same code again is refused.
  boek.berichten.Wis();
  Lening tweede = l;
  tweede.Titel = "Auto";
  EXPECT_FALSE(AddLoanGroups(*boek, tweede));
  // Another code but the same title: its interest group would be a second
  // "Rente Huis".
  Lening derde = l;
  derde.GroepKode = "460";
  derde.Datum = MaakDatum(2026, 5, 1);
  EXPECT_FALSE(AddLoanGroups(*boek, derde));
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Groepkode :450 bestaat al!", "Titel :Rente Huis is al gebruikt"}));
  EXPECT_EQ(boek->MaxGroep(), 7);
}

TEST_F(RekeningDialoogTest, TypingAanGivesALoanToAPerson) {
  Script({"Lening Piet", "1", "LN leningen", "0", "Eur", "", "Aan", "130", "Piet", "1000", "Piet"});
  ASSERT_EQ(dlg.NewAccount(1, ""), 0);
  EXPECT_FALSE(dlg.LeningGegevens().VanInstantie);
  EXPECT_EQ(dlg.LeningGegevens().Klasse, " T");
}

TEST_F(RekeningDialoogTest, EditShowsTheNumberInEveryHeadingAndWarnsAtTheBalance) {
  boek.Rekening(1, "Giro");
  boek.Rekening(2, "Spaar", "SP");
  TKas& saldo = boek.Boeking(2, "2", 300, MaakDatum(2026, 1, 5));
  saldo.Omschrijving = "Saldo";
  std::vector<std::string> koppen;
  std::vector<bool> waarschuwing;
  voerder.script = [&](RekeningDialoog& d) {
    EXPECT_EQ(d.Titel(), "Rekening bewerken");
    for (int i = 0; i <= 6; ++i) {
      koppen.push_back(d.Kop());
      waarschuwing.push_back(d.WaarschuwingZichtbaar());
      if (i == 4) {
        EXPECT_EQ(d.VeldTekst(), "300,00");
      }
      if (i == 6) {
        EXPECT_EQ(d.VeldTekst(), "5-1-2026");
      }
      const std::string getoond = d.LijstStap() ? d.Lijst()[static_cast<std::size_t>(d.LijstKeuze())] : d.VeldTekst();
      d.Verder(i == 1 ? "Spaarrekening" : i == 2 ? "1" : getoond);
    }
  };
  ASSERT_TRUE(dlg.EditAccount(2));
  EXPECT_EQ(koppen[0], " Wijzigen van rekeningvelden");
  EXPECT_EQ(koppen[1], " Naam van de rekening :  2");
  EXPECT_EQ(koppen[6], " Begindatum van de rekening :  1");  // the typed number shows at once
  EXPECT_EQ(waarschuwing, (std::vector<bool>{false, false, false, false, true, false, false}));
  EXPECT_EQ(boek->RekLijst[2].Naam, "Spaarrekening");
  EXPECT_EQ(boek->RekLijst[2].RekNr, 2);
  EXPECT_EQ(boek.berichten.Teksten(), std::vector<std::string>{"RekenFile 1 bestaat al"});
}

TEST_F(RekeningDialoogTest, CancelledEditLeavesTheAccountAsItWas) {
  boek.Rekening(1, "Giro");
  voerder.script = [](RekeningDialoog& d) {
    d.Verder("");
    d.Verder("Andere naam");
    d.Verder("7");
    d.Schrap();
  };
  EXPECT_FALSE(dlg.EditAccount(1));
  EXPECT_EQ(boek->RekLijst[1].Naam, "Giro");
  EXPECT_EQ(boek->RekLijst[1].RekNr, 1);
}

TEST_F(RekeningDialoogTest, ChangedNumberTakesItsGroupAndTransactionsAlong) {
  boek.Rekening(1, "Giro");
  boek.Rekening(2, "Spaar", "SP");
  boek.Groep("1", "Saldo Giro", " C ");
  boek.Groep("201", "Kas1");
  boek.Boeking(1, "1", 100).Omschrijving = "Saldo";
  boek.Boeking(1, "201", -20);
  boek.Boeking(2, "xxxx", 5).TegenRek = 1;
  Script({"Giro", "7", "BT betalingen", "0", "Eur", ""});
  ASSERT_TRUE(dlg.EditAccount(1));
  EXPECT_EQ(boek->RekLijst[1].RekNr, 7);
  EXPECT_EQ(boek->RekLijst[1].RekNrTekst, "7");
  EXPECT_EQ(boek->GroepLijst[1].Kode, "7");
  EXPECT_EQ(boek->KasLijst[1].RekNr, 7);
  EXPECT_EQ(boek->KasLijst[1].GroepKode, "7");
  EXPECT_EQ(boek->KasLijst[2].RekNr, 7);
  EXPECT_EQ(boek->KasLijst[3].TegenRek, 7);
}

TEST_F(RekeningDialoogTest, KindAndAmountEntriesThatFailLeaveTheValue) {
  voerder.script = [](RekeningDialoog& d) {
    d.Verder("");
    d.Verder("X");
    d.Verder("1");
    d.Enter("QQ onbekend");
    EXPECT_EQ(d.Rekening().Soort, "BT");
    d.Enter("sp sparen ");
    EXPECT_EQ(d.Rekening().Soort, "SP");
    d.Verder("sp sparen ");
    d.Enter("12,5");
    d.Enter("12x");
    EXPECT_EQ(d.BeginSaldo(), 12.5);
    d.Enter("7.25");
    EXPECT_EQ(d.BeginSaldo(), 7.25);
    d.Schrap();
  };
  dlg.NewAccount(1, "");
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Rekening soort :QQ Rij:1 niet juist",
                                      "Getal 12x,00 is geen geldig bedrag\n\r probeer opnieuw of controleer bestand",
                                      "Decimaalteken in 7,25 gewijzigd"}));
}

TEST_F(RekeningDialoogTest, BackButtonNeverGoesBeforeTheNameStep) {
  voerder.script = [](RekeningDialoog& d) {
    EXPECT_FALSE(d.TerugActief());
    d.Verder("");
    EXPECT_FALSE(d.TerugActief());
    d.Terug("Naam");
    EXPECT_EQ(d.Stap(), 1);
    d.Verder("Naam");
    EXPECT_TRUE(d.TerugActief());
    d.Terug("2");
    EXPECT_EQ(d.Stap(), 1);
    EXPECT_EQ(d.Rekening().RekNr, 2);
    d.Schrap();
  };
  dlg.NewAccount(1, "");
}

TEST_F(RekeningDialoogTest, ANewAccountsGroupStandsInItsPlaceAtOnce) {
  boek.Rekening(1, "Giro");
  boek.Groep("1", "Saldo Giro", " C ");
  boek.Groep("300", "Levensonderhoud");
  boek.Groep("xxxx", "KRUISPOSTEN", " - ");
  Script({"Spaar", "2", "SP sparen ", "0", "Eur", "1-1-2026"});
  ASSERT_EQ(NieuweRekeningMetGroepen(*boek, dlg, 2), std::optional<int>(2));
  std::vector<std::string> kodes;
  for (std::size_t i = 1; i < boek->GroepLijst.size(); ++i) kodes.push_back(boek->GroepLijst[i].Kode);
  EXPECT_EQ(kodes, (std::vector<std::string>{"1", "2", "300", "xxxx"}));
  EXPECT_EQ(boek->GroepLijst[2].Nummer, 2);
}

TEST(EnsureAccountGroup, GivesEachKindItsClass) {
  struct Geval {
    const char* soort;
    bool van;
    const char* klasse;
  };
  const Geval gevallen[] = {{"BT", false, " C "}, {"BZ", false, " R "}, {"SP", false, " R "},
                            {"EF", false, " E "}, {"LN", true, " S "},  {"LN", false, " T "},
                            {"ZN", false, ""}};
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.soort);
    TestBoek b;
    b.Rekening(5, "Rek", g.soort);
    Lening l;
    l.VanInstantie = g.van;
    EnsureAccountGroup(*b, 1, l);
    ASSERT_EQ(b->MaxGroep(), 1);
    EXPECT_EQ(b->GroepLijst[1].Kode, "5");
    EXPECT_EQ(b->GroepLijst[1].Naam, "Saldo Rek");
    EXPECT_EQ(b->GroepLijst[1].Klasse, g.klasse);
    EnsureAccountGroup(*b, 1, l);  // a second time adds nothing
    EXPECT_EQ(b->MaxGroep(), 1);
  }
  TestBoek b;
  b.Rekening(99, "TRANSFER REKENING", "TR");
  EnsureAccountGroup(*b, 1, Lening{});
  EXPECT_EQ(b->MaxGroep(), 0);
}

}  // namespace
}  // namespace valdero
