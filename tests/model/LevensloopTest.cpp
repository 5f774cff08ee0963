#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "ScriptWachtwoord.h"
#include "TestBoek.h"
#include "model/accounts/RekeningDialoog.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/ConfigBestand.h"
#include "model/storage/BoekSlot.h"
#include "model/storage/Herstelpunten.h"
#include "model/core/KasVolgorde.h"
#include "model/lifecycle/Levensloop.h"
#include "model/core/SaldoMatrix.h"
#include "model/storage/WachtwoordOpslag.h"
#include "model/settings/Wachtwoord.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;
using test::ScriptWachtwoord;
using test::TestBoek;
using test::TestMap;

struct ScriptRekening : RekeningDialoogVoerder {
  std::vector<std::string> invoer;
  bool schrap = false;
  void Voer(RekeningDialoog& d) override {
    d.Verder("");
    for (const auto& t : invoer) d.Verder(t);
    if (schrap) d.Schrap();
  }
};

// The windowless refresh, recording what the main window was asked to do.
struct TestVenster : ZonderVenster {
  using ZonderVenster::ZonderVenster;
  std::vector<std::string> gedaan;
  double van = 0, tot = 0;
  void LaadBoek() override {
    gedaan.push_back("LaadBoek");
    ZonderVenster::LaadBoek();
  }
  void VernieuwHoofdvenster() override {
    gedaan.push_back("Vernieuw");
    ZonderVenster::VernieuwHoofdvenster();
  }
  void ToonStartDatum(double v, double t) override {
    gedaan.push_back("StartDatum");
    van = v;
    tot = t;
  }
  void WachtwoordToegestaan() override { gedaan.push_back("Wachtwoord"); }
};

struct LevensloopTest : ::testing::Test {
  TestMap map;
  TestBoek boek;
  ScriptRekening rekeningScript;
  ScriptWachtwoord wachtwoordScript;
  RekeningDialoog rekeningDialoog{*boek, rekeningScript};
  TestVenster venster{*boek};
  Levensloop levensloop{*boek, venster, rekeningDialoog, wachtwoordScript};

  LevensloopTest() {
    boek->sessie.Map = map.pad();
    boek->sessie.KasPad = "*.vdr";
  }

  std::string Pad(const std::string& naam) const { return (map.pad() / naam).string(); }

  // Last year's book on disk, loaded as at start-up: a giro with two
  // bookings, a savings account and the transfer account.
  void OudBoek(const std::string& naam = "Huis25") {
    boek.Rekening(1, "Giro");
    boek.Rekening(2, "Spaar", "SP");
    boek.Rekening(99, "TRANSFER REKENING", "TR");
    boek.Groep("1", "Saldo Giro", " C ");
    boek.Groep("2", "Saldo Spaar", " R ");
    boek.Groep("201", "Kas1").Budget = -1200;
    boek.Groep("xxxx", "KRUISPOSTEN", " - ");
    boek.Boeking(1, "1", 1000, MaakDatum(2025, 1, 1));
    boek.Boeking(1, "201", -250.25, MaakDatum(2025, 2, 1));
    boek.Boeking(2, "2", 500, MaakDatum(2025, 1, 1));
    boek.Boeking(99, "xxxx", 75, MaakDatum(2025, 3, 1));
    SorteerKas(*boek);
    boek->sessie.KasNaam = naam;
    const auto inhoud = SchrijfBoek(*boek);
    std::ofstream(map.pad() / (naam + ".vdr"), std::ios::binary)
        .write(reinterpret_cast<const char*>(inhoud.data()), static_cast<std::streamsize>(inhoud.size()));
    StandaardConfig(*boek);
    EXPECT_TRUE(SchrijfConfig(*boek).Gelukt());
    ASSERT_EQ(StartBoek(*boek, true, naam), LaadUitkomst::Geladen);
    ASSERT_EQ(boek->IOStatus, 0);
    boek.berichten.Wis();
  }
};

TEST_F(LevensloopTest, NewWithoutABookBuildsTheAccountAndTheDefaultGroupsAndSavesThem) {
  rekeningScript.invoer = {"ING Betaal 123", "1", "BT betalingen", "100", "Eur", "1-1-2026"};
  boek.berichten.Bestand(Pad("Huis26.vdr"));
  levensloop.NieuwBoek();

  const auto teksten = boek.berichten.Teksten();
  ASSERT_FALSE(teksten.empty());
  EXPECT_TRUE(teksten[0].starts_with("Er is nu één rekening gemaakt en 32 groepen of rubrieken: \rEen bankgroep"))
      << teksten[0];
  EXPECT_TRUE(teksten[0].ends_with("\rOpen daarna de Rekening- en/of Budgetlijst opnieuw via het menu Bestand"));
  EXPECT_EQ(boek.berichten.dialogen.at(0).titel, "KasStrmFile ");

  ASSERT_EQ(boek->MaxRek(), 1);
  ASSERT_EQ(boek->MaxGroep(), 33);
  const auto& g = boek->GroepLijst;
  EXPECT_EQ(g[0].Kode, "-1");
  EXPECT_EQ(g[1].Kode, "1");
  EXPECT_EQ(g[1].Naam, "Saldo ING Betaal 123");
  EXPECT_EQ(g[1].Klasse, " C ");
  EXPECT_EQ(g[2].Kode, "201");
  EXPECT_EQ(g[2].Naam, "Kas1");
  EXPECT_EQ(g[17].Naam, "Hypotheek Rente ");
  EXPECT_EQ(g[32].Kode, "600");
  EXPECT_EQ(g[32].Naam, "Diversen");
  EXPECT_EQ(g[33].Kode, "xxxx");
  EXPECT_EQ(g[33].Naam, "KRUISPOSTEN");
  EXPECT_EQ(g[33].Klasse, " - ");
  EXPECT_EQ(boek->ZoekGroep("220"), std::optional<int>(7));
  EXPECT_EQ(boek->MaxKas(), 1);
  EXPECT_DOUBLE_EQ(boek->KasLijst[1].Bedrag, 100);
  EXPECT_EQ(boek->Config.Vlaggen & (vlag::RekeningenOpNaam | vlag::GroepenOpNaam),
            vlag::RekeningenOpNaam | vlag::GroepenOpNaam);
  EXPECT_EQ(venster.gedaan, std::vector<std::string>{"Vernieuw"});

  // What is on disk is that book, with its configuration beside it.
  EXPECT_TRUE(fs::exists(map.pad() / "Huis26.cfg"));
  TestBoek terug;
  terug->sessie.Map = map.pad();
  ASSERT_EQ(StartBoek(*terug, true, "Huis26"), LaadUitkomst::Geladen);
  EXPECT_EQ(terug->MaxGroep(), 33);
  EXPECT_EQ(terug->RekLijst[1].Naam, "ING Betaal 123");
  EXPECT_EQ(terug->KasJaar, "2026");
}

TEST_F(LevensloopTest, NewBookCancelledAtTheAccountOrTheSaveLeavesTheOpenBookAlone) {
  OudBoek();
  const auto oudeInhoud = fs::file_size(map.pad() / "Huis25.vdr");
  boek.berichten.Antwoord(antwoord::Nee);  // not this year's book from the open one
  rekeningScript.schrap = true;
  levensloop.NieuwBoek();
  EXPECT_EQ(boek->MaxRek(), 3);
  EXPECT_EQ(boek->MaxKas(), 4);
  EXPECT_EQ(boek->sessie.KasPad, "Huis25.vdr");
  EXPECT_TRUE(boek->RekGelezen);

  // Cancelling the save keeps the new book, but never under the old name.
  rekeningScript.schrap = false;
  rekeningScript.invoer = {"Nieuw", "1", "BT betalingen", "0", "Eur", ""};
  boek.berichten.Antwoord(antwoord::Nee);
  levensloop.NieuwBoek();
  EXPECT_EQ(boek->MaxRek(), 1);
  EXPECT_EQ(boek->sessie.KasPad, "*.vdr");
  EXPECT_EQ(fs::file_size(map.pad() / "Huis25.vdr"), oudeInhoud);
  EXPECT_FALSE(fs::exists(map.pad() / ".cfg"));
}

TEST_F(LevensloopTest, ANewBookHasNeitherThePasswordNorTheRelationsOfTheOpenBook) {
  OudBoek();
  boek->Wachtwoord = "Geheim";
  TRelat r;
  r.Naam = "Bakker Jansen";
  boek->RelatieLijst.assign(2, r);
  boek->RelatiesAanwezig = true;
  boek.berichten.Antwoord(antwoord::Nee);  // not this year's book from the open one
  rekeningScript.invoer = {"Nieuw", "1", "BT betalingen", "0", "Eur", ""};
  boek.berichten.Bestand(Pad("Nieuw26.vdr"));
  levensloop.NieuwBoek();
  EXPECT_EQ(boek->Wachtwoord, kGeenWachtwoord);
  EXPECT_TRUE(boek->RelatieLijst.empty());
  EXPECT_FALSE(boek->RelatiesAanwezig);

  TestBoek terug;
  terug->sessie.Map = map.pad();
  ASSERT_EQ(StartBoek(*terug, true, "Nieuw26"), LaadUitkomst::Geladen);
  EXPECT_EQ(terug->Wachtwoord, kGeenWachtwoord);
  EXPECT_LE(terug->MaxRelatie(), 0);
}

TEST_F(LevensloopTest, ANewBookCancelledKeepsThePasswordAndRelationsOfTheOpenBook) {
  OudBoek();
  boek->Wachtwoord = "Geheim";
  TRelat r;
  r.Naam = "Bakker Jansen";
  boek->RelatieLijst.assign(2, r);
  boek.berichten.Antwoord(antwoord::Nee);
  rekeningScript.schrap = true;
  levensloop.NieuwBoek();
  EXPECT_EQ(boek->Wachtwoord, "Geheim");
  EXPECT_EQ(boek->RelatieLijst.size(), 2u);
}

TEST_F(LevensloopTest, NewYearKeepingLastYearsTransactionsSavesThemUnderThisYearsName) {
  OudBoek();
  boek.berichten.Antwoord(antwoord::Ja);  // build from the open book
  boek.berichten.Antwoord(antwoord::Ja);  // keep all transactions
  boek.berichten.Bestand(Pad("Valdr26.vdr"));
  levensloop.NieuwBoek();

  EXPECT_EQ(boek.berichten.dialogen.at(0).voorgesteldeNaam, "Valdr26.vdr");
  EXPECT_EQ(venster.gedaan, std::vector<std::string>{"LaadBoek"});
  EXPECT_EQ(boek->sessie.KasNaam, "Valdr26");
  EXPECT_EQ(boek->KasJaar, "2026");
  ASSERT_EQ(boek->MaxKas(), 4);
  EXPECT_DOUBLE_EQ(boek->KasLijst[2].Bedrag, 500);
  EXPECT_TRUE(fs::exists(map.pad() / "Valdr26.cfg"));
  EXPECT_TRUE(fs::exists(map.pad() / "Huis25.vdr"));
}

TEST_F(LevensloopTest, NewYearWithOpeningBalancesStartsOnThePickedDate) {
  OudBoek();
  boek.berichten.Antwoord(antwoord::Ja);
  boek.berichten.Antwoord(antwoord::Nee);  // not all transactions
  levensloop.NieuwBoek();
  ASSERT_EQ(venster.gedaan, std::vector<std::string>{"StartDatum"});
  EXPECT_EQ(venster.van, MaakDatum(2026, 1, 1));
  EXPECT_EQ(venster.tot, MaakDatum(2026, 12, 31));

  boek.berichten.Antwoord(antwoord::Ja);  // keep the end balances
  boek.berichten.Bestand(Pad("Valdr26.vdr"));
  levensloop.StartDatumOk(MaakDatum(2026, 1, 2));
  const auto teksten = boek.berichten.Teksten();
  EXPECT_NE(std::find(teksten.begin(), teksten.end(), "Wilt u wel de Eindbedragen van alle rekeningen bewaren"),
            teksten.end());
  ASSERT_EQ(boek->sessie.KasNaam, "Valdr26");
  // The giro and the savings account; the transfer account 99 gets none.
  ASSERT_EQ(boek->MaxKas(), 2);
  EXPECT_DOUBLE_EQ(boek->KasLijst[1].Bedrag, 749.75);
  EXPECT_EQ(boek->KasLijst[1].GroepKode, "1");
  EXPECT_EQ(boek->KasLijst[1].Omschrijving, "Saldo");
  EXPECT_EQ(boek->KasLijst[1].Datum, MaakDatum(2026, 1, 2));
  EXPECT_DOUBLE_EQ(boek->KasLijst[2].Bedrag, 500);
  EXPECT_EQ(boek->GroepLijst[3].Budget, -1200);
}

TEST_F(LevensloopTest, NewYearWithoutBalancesStartsEmptyAndACancelledSaveChangesNothing) {
  OudBoek();
  boek.berichten.Antwoord(antwoord::Nee);  // no end balances
  levensloop.StartDatumOk(MaakDatum(2026, 1, 1));  // save dialog cancelled
  EXPECT_EQ(boek->sessie.KasNaam, "Huis25");
  EXPECT_EQ(boek->MaxKas(), 4);

  boek.berichten.Antwoord(antwoord::Nee);
  boek.berichten.Bestand(Pad("Valdr26.vdr"));
  levensloop.StartDatumOk(MaakDatum(2026, 1, 1));
  EXPECT_EQ(boek->sessie.KasNaam, "Valdr26");
  EXPECT_EQ(boek->MaxKas(), 0);
  EXPECT_EQ(boek->MaxRek(), 3);
}

TEST(Openingssaldi, OneRecordPerAccountAndPerSecuritiesGroupWithABalance) {
  TestBoek boek;
  boek.Rekening(1, "Giro");
  boek.Rekening(2, "Leeg");
  boek.Rekening(3, "Beleggen", "EF");
  boek.Rekening(99, "TRANSFER REKENING", "TR");
  boek.Groep("1", "Saldo Giro", " C ");
  boek.Groep("2", "Saldo Leeg", " C ");
  boek.Groep("3", "Saldo Beleggen", " E ");
  boek.Groep("700", "Aandelen", " A ");
  boek.Groep("710", "Fondsen", " F ");
  boek.Groep("720", "Reserve", " R ");
  boek.Groep("730", "Obligaties", " E ");
  boek.Groep("600", "Diversen", " U ");
  boek.Groep("xxxx", "KRUISPOSTEN", " - ");
  boek.Boeking(1, "1", 100);
  boek.Boeking(1, "600", -30);
  boek.Boeking(2, "2", 40);
  boek.Boeking(2, "600", -40);
  boek.Boeking(3, "3", 10);
  boek.Boeking(3, "700", 1000);
  boek.Boeking(3, "710", 200);
  boek.Boeking(3, "720", 50);
  boek.Boeking(3, "600", -5);
  boek.Boeking(99, "xxxx", 25);
  EXPECT_TRUE(BouwSaldoMatrix(*boek).Gelukt());
  const double datum = MaakDatum(2026, 1, 1);
  Openingssaldi(*boek, datum);

  struct Verwacht {
    int rekNr;
    const char* kode;
    const char* omschrijving;
    double bedrag;
    int boekSoort;
    int belegging;
  };
  const Verwacht verwacht[] = {
      {1, "1", "Saldo", 70, 1, 0},
      {3, "3", "Saldo Saldo Beleggen", 10, 12, 1},
      {3, "700", "Saldo Aandelen", 1000, 12, 1},
      {3, "710", "Saldo Fondsen", 200, 12, 1},
      {3, "720", "Saldo Reserve", 50, 1, 0},
  };
  ASSERT_EQ(boek->MaxKas(), 5);
  for (int i = 0; i < 5; ++i) {
    const TKas& k = boek->KasLijst[static_cast<std::size_t>(i + 1)];
    const Verwacht& v = verwacht[i];
    SCOPED_TRACE(v.omschrijving);
    EXPECT_EQ(k.Index, i + 1);
    EXPECT_EQ(k.RekNr, v.rekNr);
    EXPECT_EQ(k.GroepKode, v.kode);
    EXPECT_EQ(k.Omschrijving, v.omschrijving);
    EXPECT_DOUBLE_EQ(k.Bedrag, v.bedrag);
    EXPECT_EQ(k.BoekSoort, v.boekSoort);
    EXPECT_EQ(k.Belegging, v.belegging);
    EXPECT_EQ(k.ActieKode, "--");
    EXPECT_EQ(k.Datum, datum);
    EXPECT_EQ(k.PayDate, datum);
    EXPECT_FLOAT_EQ(k.MuntKoers, 1.0f);
    if (v.belegging) {
      EXPECT_FLOAT_EQ(k.Prijs, 1.0f);
    }
  }
}

TEST_F(LevensloopTest, SaveMakesOneBackupAndWritesTheConfiguration) {
  OudBoek();
  fs::remove(map.pad() / "Huis25.cfg");
  levensloop.Bewaren();
  ASSERT_TRUE(fs::exists(map.pad() / "Huis25.~VD"));
  EXPECT_TRUE(fs::exists(map.pad() / "Huis25.cfg"));
  const auto backup = fs::last_write_time(map.pad() / "Huis25.~VD");
  boek.Boeking(1, "201", -1, MaakDatum(2025, 5, 1));
  levensloop.Bewaren();
  EXPECT_EQ(fs::last_write_time(map.pad() / "Huis25.~VD"), backup);
  EXPECT_TRUE(boek.berichten.dialogen.empty());
}

TEST_F(LevensloopTest, SaveAsInTheBaseCurrencyAsksFirstAndNeedsAYes) {
  OudBoek();
  levensloop.BewaarAls();  // Nee
  EXPECT_EQ(boek.berichten.Teksten(), std::vector<std::string>{"Bewaren met andere naam zónder Conversie"});
  EXPECT_TRUE(boek.berichten.dialogen.empty());

  boek.berichten.Antwoord(antwoord::Ja);
  boek.berichten.Bestand(Pad("Kopie25.vdr"));
  levensloop.BewaarAls();
  EXPECT_TRUE(fs::exists(map.pad() / "Kopie25.vdr"));
  EXPECT_TRUE(fs::exists(map.pad() / "Kopie25.cfg"));
  // The open book is the copy: its name, its lock and its restore points.
  EXPECT_EQ(boek->sessie.KasNaam, "Kopie25");
  EXPECT_TRUE(fs::exists(SlotPad(map.pad() / "Kopie25.vdr")));
  EXPECT_FALSE(fs::exists(SlotPad(map.pad() / "Huis25.vdr")));
  const auto punten = Herstelpunten(*boek);
  ASSERT_EQ(punten.size(), 1u);
  EXPECT_EQ(punten[0].boek.filename().string().rfind("Kopie25 ", 0), 0u);
}

TEST_F(LevensloopTest, SaveAsWithConversionMakesTheDisplayCurrencyTheBase) {
  OudBoek();
  boek->weergave.HulpMunt = 1;  // USD at 0.8
  boek.berichten.Antwoord(antwoord::Ja);  // convert
  boek.berichten.Antwoord(antwoord::Ja);  // account currencies too
  boek.berichten.Bestand(Pad("Dollar25.vdr"));
  levensloop.BewaarAls();
  EXPECT_EQ(boek.berichten.Teksten().at(0), "Bewaren met Conversie naar ander munt?");
  EXPECT_FALSE(boek->MuntOmzetten);
  EXPECT_EQ(boek->BasisMunt, 1);
  EXPECT_EQ(boek->weergave.HulpMunt, 1);

  TestBoek terug;
  terug->sessie.Map = map.pad();
  ASSERT_EQ(StartBoek(*terug, true, "Dollar25"), LaadUitkomst::Geladen);
  const double koers = 0.8f;  // rates are singles
  EXPECT_DOUBLE_EQ(terug->KasLijst[1].Bedrag, 1000 / koers);
  EXPECT_DOUBLE_EQ(terug->GroepLijst[3].Budget, -1200 / koers);
  EXPECT_EQ(terug->BasisMunt, 1);
  EXPECT_EQ(terug->ValutaLijst[1].Basis, 1);
  EXPECT_FLOAT_EQ(terug->ValutaLijst[1].Koers, 1.0f);
  EXPECT_EQ(terug->ValutaLijst[0].Basis, 0);
  EXPECT_FLOAT_EQ(terug->ValutaLijst[0].Koers, 1.25f);
}

TEST_F(LevensloopTest, OpenAsksForThePasswordOfABookThatHasOne) {
  OudBoek();
  boek->Wachtwoord = "Geheim";
  const auto inhoud = SchrijfBoek(*boek);
  std::ofstream(map.pad() / "Slot25.vdr", std::ios::binary)
      .write(reinterpret_cast<const char*>(inhoud.data()), static_cast<std::streamsize>(inhoud.size()));

  EXPECT_TRUE(levensloop.OpenBoekCommando());  // dialog cancelled
  EXPECT_EQ(boek.berichten.dialogen.at(0).titel, "Ópen Valdero");
  EXPECT_TRUE(venster.gedaan.empty());

  boek.berichten.Bestand(Pad("Slot25.vdr"));
  wachtwoordScript.antwoorden = {{1, "geheim"}, {1, "Geheim"}};
  EXPECT_TRUE(levensloop.OpenBoekCommando());
  EXPECT_EQ(boek->sessie.KasNaam, "Slot25");
  EXPECT_EQ(venster.gedaan, (std::vector<std::string>{"LaadBoek", "Wachtwoord"}));
  ASSERT_EQ(wachtwoordScript.getoond.size(), 2u);
  EXPECT_EQ(wachtwoordScript.getoond[1].Status, " FOUT opnieuw !");
}

}  // namespace
}  // namespace valdero
