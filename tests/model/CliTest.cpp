#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "JsonLezer.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Json.h"
#include "app/cli/Opdrachten.h"
#include "app/cli/Opties.h"
#include "model/core/Bedragen.h"
#include "model/storage/BoekLaden.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;
using test::JsonLezer;
using test::JsonWaarde;
using test::SchrijfVoorbeeld;
using test::TestMap;

struct Uitvoer {
  int code;
  std::string uit;
  std::string fout;
};

Uitvoer Cli(const fs::path& map, std::vector<std::string> args) {
  std::ostringstream uit, fout;
  const int code = cli::VoerUit(args, map, uit, fout);
  return {code, uit.str(), fout.str()};
}

JsonWaarde Json(const std::string& tekst) {
  auto w = JsonLezer::Lees(tekst);
  EXPECT_TRUE(w.has_value()) << "geen JSON:\n" << tekst.substr(0, 2000);
  return w.value_or(JsonWaarde{});
}

// ---------------------------------------------------------------- writer

TEST(JsonSchrijver, TextIsEscapedAndInvalidBytesReplaced) {
  struct Geval {
    const char* naam;
    std::string tekst;
    std::string json;
  };
  const Geval gevallen[] = {
      {"plain", "Kas 1", "\"Kas 1\""},
      {"quote and backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
      {"message line breaks", "regel\rvolgende\n", "\"regel\\rvolgende\\n\""},
      {"control characters", std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\\u007f\""},
      {"euro sign passes as UTF-8", "\xE2\x82\xAC 5", "\"\xE2\x82\xAC 5\""},
      {"lone Windows-1252 byte", "caf\xE9", "\"caf\\ufffd\""},
      {"cut-off sequence", "\xE2\x82", "\"\\ufffd\\ufffd\""},
      {"overlong slash", "\xC0\xAF", "\"\\ufffd\\ufffd\""},
      {"nul byte", std::string("a\0b", 3), "\"a\\u0000b\""},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    EXPECT_EQ(cli::JsonTekst(g.tekst), g.json);
    const auto terug = JsonLezer::Lees(g.json);
    ASSERT_TRUE(terug.has_value());
  }
}

TEST(JsonSchrijver, NumbersReadBackExactly) {
  const double doubles[] = {0.1, -1234.56, 1e300, 5e-324, 39447.0, 87774.92003814696, -0.0};
  for (const double d : doubles) {
    std::string uit;
    cli::JsonSchrijver j(uit);
    j.Getal(d);
    double terug = 0;
    std::from_chars(uit.data(), uit.data() + uit.size(), terug);
    EXPECT_EQ(std::memcmp(&terug, &d, sizeof d), 0) << uit;
  }
  // Floats in their own shortest form: a rate of 0.8 is 0.8, not the double
  // nearest to the float.
  std::string uit;
  cli::JsonSchrijver j(uit);
  j.BeginLijst();
  j.Getal(0.8f);
  j.Getal(1.48f);
  j.Getal(static_cast<double>(std::numeric_limits<double>::quiet_NaN()));
  j.EindLijst();
  EXPECT_EQ(uit, "[\n  0.8,\n  1.48,\n  null\n]");
}

TEST(JsonSchrijver, MisuseIsAProgrammingError) {
  std::string uit;
  cli::JsonSchrijver j(uit);
  j.BeginObject();
  EXPECT_THROW(j.Tekst("zonder sleutel"), std::logic_error);
  EXPECT_THROW(j.EindLijst(), std::logic_error);
}

// ---------------------------------------------------------------- options

TEST(CliOpties, SharedOptionsAndTheirPorts) {
  cli::CliOpties o;
  ASSERT_EQ(cli::LeesOpties({"--decimaal", ".", "Huis08", "--vandaag=15-3-2009", "--antwoord", "ja"}, o), "");
  EXPECT_EQ(o.argumenten, std::vector<std::string>{"Huis08"});
  TestMap map;
  cli::CliBoek boek(o, map.pad());
  EXPECT_EQ(boek.kb.DecimaalTeken(), '.');
  EXPECT_EQ(boek.kb.Vandaag(), MaakDatum(2009, 3, 15));
  EXPECT_EQ(boek.berichten.standaardAntwoord, antwoord::Ja);
  EXPECT_EQ(boek.kb.Map, map.pad());

  cli::CliOpties standaard;
  ASSERT_EQ(cli::LeesOpties({"--", "--raar"}, standaard), "");
  EXPECT_EQ(standaard.argumenten, std::vector<std::string>{"--raar"});
  cli::CliBoek b2(standaard, map.pad());
  EXPECT_EQ(b2.kb.DecimaalTeken(), ',');
  EXPECT_EQ(b2.berichten.standaardAntwoord, antwoord::Nee);
}

TEST(Cli, UsageErrorsExitWith2AndExplainOnStderr) {
  struct Geval {
    const char* naam;
    std::vector<std::string> args;
    const char* melding;
  };
  const Geval gevallen[] = {
      {"no command", {}, "Gebruik: valdero-cli"},
      {"unknown command", {"laad", "Huis08"}, "onbekende opdracht 'laad'"},
      {"no book", {"dump"}, "geef precies één BOEK"},
      {"two books", {"dump", "a08", "b08"}, "geef precies één BOEK"},
      {"unknown option", {"dump", "--snel", "ja", "Huis08"}, "onbekende optie --snel"},
      {"option without value", {"bewaar", "Huis08", "--antwoord"}, "mist een waarde"},
      {"unknown option with its value", {"dump", "--snel=ja", "Huis08"}, "onbekende optie --snel"},
      {"single dash", {"dump", "-x", "Huis08"}, "onbekende optie -x"},
      {"switch given a value", {"rapport", "--json=ja", "Huis08", "31"}, "--json is een schakelaar"},
      {"negative account", {"rapport", "--rekening", "-1", "Huis08", "1"}, "--rekening verwacht een nummer"},
      {"answer neither ja nor nee", {"dump", "--antwoord", "misschien", "Huis08"}, "--antwoord verwacht"},
      {"no such date", {"dump", "--vandaag", "31-2-2009", "Huis08"}, "--vandaag verwacht"},
      {"two-digit year", {"dump", "--vandaag", "15-3-09", "Huis08"}, "--vandaag verwacht"},
      {"odd separator", {"dump", "--decimaal", ";", "Huis08"}, "--decimaal verwacht"},
      {"example without folder", {"voorbeeld"}, "geef precies één MAP"},
      {"example count no number", {"voorbeeld", "--transacties", "veel", "."}, "--transacties verwacht"},
  };
  TestMap map;
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    const Uitvoer u = Cli(map.pad(), g.args);
    EXPECT_EQ(u.code, cli::kGebruiksfout);
    EXPECT_NE(u.fout.find(g.melding), std::string::npos) << u.fout;
    EXPECT_NE(u.fout.find("Gebruik"), std::string::npos);
    EXPECT_TRUE(u.uit.empty());
  }
  EXPECT_TRUE(fs::is_empty(map.pad()));
}

// ---------------------------------------------------------------- dump

TEST(CliDump, PrintsTheWholeBookAsLoadedAtStartUp) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 60});
  const Uitvoer u = Cli(map.pad(), {"dump", "--vandaag", "2-1-2009", "Huis08"});
  ASSERT_EQ(u.code, 0) << u.fout;
  EXPECT_TRUE(u.fout.empty());
  const JsonWaarde d = Json(u.uit);
  ASSERT_TRUE(d.IsObject());
  for (const char* sleutel : {"KasNaam", "KasJaar", "IOStatus", "FormaatVlag", "RelatiesAanwezig", "BasisMunt",
                              "HulpMunt", "RekLijst", "GroepLijst", "KasLijst", "RelatieLijst", "KlasseLijst",
                              "SoortLijst", "ValutaLijst", "Config", "SaldoMatrix", "Berichten"})
    EXPECT_EQ(d.Object().count(sleutel), 1u) << sleutel;
  EXPECT_EQ(d["KasNaam"].Tekst(), "Huis08");
  EXPECT_EQ(d["KasJaar"].Tekst(), "2008");
  EXPECT_EQ(d["IOStatus"].Getal(), 0);
  EXPECT_TRUE(d["RelatiesAanwezig"].Waarheid());
  EXPECT_TRUE(d["Berichten"].Lijst().empty());  // no success message at start-up

  // The same book loaded here: every list and the matrix, record by record.
  test::BoekMetPoorten boek(MaakDatum(2009, 1, 2));
  Kasboek& kb = boek.kb;
  kb.Map = map.pad();
  ASSERT_EQ(StartBoek(kb, true, "Huis08"), LaadUitkomst::Geladen);

  ASSERT_EQ(d["KasLijst"].Lijst().size(), 61u);
  for (std::size_t i = 0; i < kb.KasLijst.size(); ++i) {
    const TKas& k = kb.KasLijst[i];
    const JsonWaarde& r = d["KasLijst"][i];
    SCOPED_TRACE(i);
    EXPECT_EQ(r["Index"].Getal(), k.Index);
    EXPECT_EQ(r["RekNr"].Getal(), k.RekNr);
    EXPECT_EQ(r["VolgBlad"].Getal(), k.VolgBlad);
    EXPECT_EQ(r["GroepKode"].Tekst(), k.GroepKode);
    EXPECT_EQ(r["Datum"].Getal(), k.Datum);
    EXPECT_EQ(r["Bedrag"].Getal(), k.Bedrag);
    EXPECT_EQ(static_cast<float>(r["MuntKoers"].Getal()), k.MuntKoers);
    EXPECT_EQ(static_cast<float>(r["Aantal"].Getal()), k.Aantal);
    EXPECT_EQ(static_cast<float>(r["Prijs"].Getal()), k.Prijs);
    EXPECT_EQ(r["Omschrijving"].Tekst(), k.Omschrijving);
    EXPECT_EQ(r["TegenRek"].Getal(), k.TegenRek);
    EXPECT_EQ(r["TegenVolgBlad"].Getal(), k.TegenVolgBlad);
    EXPECT_EQ(r["BoekSoort"].Getal(), k.BoekSoort);
    EXPECT_EQ(r["Belegging"].Getal(), k.Belegging);
    EXPECT_EQ(r["PayDate"].Getal(), k.PayDate);
  }
  ASSERT_EQ(d["RekLijst"].Lijst().size(), kb.RekLijst.size());
  EXPECT_EQ(d["RekLijst"][0]["Naam"].Tekst(), "2008");  // position 0, the header
  EXPECT_EQ(d["GroepLijst"].Lijst().size(), kb.GroepLijst.size());
  EXPECT_EQ(d["GroepLijst"][static_cast<std::size_t>(kb.MaxGroep())]["Kode"].Tekst(), "xxxx");
  EXPECT_EQ(d["RelatieLijst"].Lijst().size(), kb.RelatieLijst.size());
  EXPECT_EQ(d["RelatieLijst"][7]["Naam"].Tekst(), "Bakkerij Café de Zwaan");
  EXPECT_EQ(d["ValutaLijst"][0]["Teken"].Tekst(), "€");
  EXPECT_EQ(d["ValutaLijst"][1]["Koers"].getalTekst, "0.8");
  EXPECT_EQ(d["KlasseLijst"].Lijst().size(), 16u);
  EXPECT_EQ(d["Config"]["Persoonsdata"].Lijst().size(), 6u);
  EXPECT_EQ(d["Config"]["FontNaam"].Tekst(), "MS Sans Serif");

  const auto& matrix = d["SaldoMatrix"].Lijst();
  ASSERT_EQ(matrix.size(), static_cast<std::size_t>(kb.MaxGroep()) + 2);
  for (std::size_t g = 0; g < matrix.size(); ++g) {
    ASSERT_EQ(matrix[g].Lijst().size(), static_cast<std::size_t>(kb.MaxRek()) + 2);
    for (std::size_t a = 0; a < matrix[g].Lijst().size(); ++a) {
      EXPECT_EQ(matrix[g][a][0].Getal(), kb.SaldoMatrix[g][a].In);
      EXPECT_EQ(matrix[g][a][1].Getal(), kb.SaldoMatrix[g][a].Uit);
    }
  }
}

TEST(CliDump, QuestionsGetTheAnswerOfTheOption) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Kasboek");
  struct Geval {
    std::vector<std::string> opties;
    int antwoord;
    int code;
  };
  for (const Geval& g : {Geval{{}, antwoord::Nee, cli::kMislukt}, Geval{{"--antwoord", "ja"}, antwoord::Ja, 0}}) {
    std::vector<std::string> args = {"dump", "--vandaag", "1-6-2008"};
    args.insert(args.end(), g.opties.begin(), g.opties.end());
    args.push_back("Kasboek");
    const Uitvoer u = Cli(map.pad(), args);
    EXPECT_EQ(u.code, g.code) << u.fout;
    const JsonWaarde d = Json(u.uit);
    const auto& berichten = d["Berichten"].Lijst();
    ASSERT_EQ(berichten.size(), 2u);
    EXPECT_EQ(berichten[0]["soort"].Getal(), static_cast<int>(BerichtSoort::Fout));
    EXPECT_EQ(berichten[1]["tekst"].Tekst(),
              "Wilt u doorgaan? Zoniet gebruik dan versie 5.x van Valdero!Kasboek.vdr");
    EXPECT_EQ(berichten[1]["soort"].Getal(), static_cast<int>(BerichtSoort::Bevestig));
    EXPECT_EQ(berichten[1]["knoppen"].Getal(), knop::JaNee);
    EXPECT_EQ(berichten[1]["antwoord"].Getal(), g.antwoord);
    EXPECT_EQ(d["KasLijst"].Lijst().size(), g.antwoord == antwoord::Ja ? 41u : 0u);
  }
}

TEST(CliDump, ABookThatIsNotThereIsNamedAndNoDefaultBookStandsIn) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Valdr2009", {.jaar = 2009});
  // The book of this year is there, but it is not the one asked for.
  const Uitvoer u = Cli(map.pad(), {"dump", "--vandaag", "31-12-2009", "Onbekend"});
  EXPECT_EQ(u.code, cli::kMislukt);
  EXPECT_NE(u.fout.find("niet geladen"), std::string::npos);
  EXPECT_NE(u.uit.find("Onbekend.vdr bestaat niet"), std::string::npos) << u.uit.substr(0, 400);
  EXPECT_NE(Json(u.uit)["KasNaam"].Tekst(), "Valdr2009");
  EXPECT_TRUE(Json(u.uit)["KasLijst"].Lijst().empty());
}

// ---------------------------------------------------------------- bewaar

TEST(CliBewaar, SavesLikeTheSaveCommandAndPrintsTheSameBook) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 80});
  const auto voor = test::LeesBytes(map / "Huis08.vdr");
  const Uitvoer dump = Cli(map.pad(), {"dump", "--vandaag", "1-6-2008", "Huis08"});
  ASSERT_EQ(dump.code, 0);

  const Uitvoer bewaar = Cli(map.pad(), {"bewaar", "--vandaag", "1-6-2008", "Huis08"});
  ASSERT_EQ(bewaar.code, 0) << bewaar.fout;
  EXPECT_EQ(bewaar.uit, dump.uit);
  // The first save kept the opened file as the backup.
  EXPECT_EQ(test::LeesBytes(map / "Huis08.~VD"), voor);
  const auto naEerste = test::LeesBytes(map / "Huis08.vdr");
  EXPECT_EQ(naEerste.size(), voor.size());

  // Saved on another day, the header carries that day's year.
  const Uitvoer later = Cli(map.pad(), {"bewaar", "--vandaag", "3-1-2011", "Huis08"});
  ASSERT_EQ(later.code, 0);
  const JsonWaarde d = Json(later.uit);
  EXPECT_EQ(d["RekLijst"][0]["Naam"].Tekst(), "2011");
  EXPECT_EQ(d["KasJaar"].Tekst(), "2008");
  const Uitvoer terug = Cli(map.pad(), {"dump", "--vandaag", "3-1-2011", "Huis08"});
  EXPECT_EQ(terug.uit, later.uit);
  // Every run is a new start-up, so its save makes the backup anew: it now
  // holds what the previous run wrote.
  EXPECT_EQ(test::LeesBytes(map / "Huis08.~VD"), naEerste);
}

TEST(CliBewaar, ABookThatWasNotReadIsNotSaved) {
  TestMap map;
  test::SchrijfBytes(map / "Huis08.vdr", {0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0});
  const Uitvoer u = Cli(map.pad(), {"bewaar", "--vandaag", "1-6-2008", "Huis08"});
  EXPECT_EQ(u.code, cli::kMislukt);
  EXPECT_EQ(Json(u.uit)["IOStatus"].Getal(), 1);
  EXPECT_EQ(test::LeesBytes(map / "Huis08.vdr").size(), 12u);
  EXPECT_FALSE(fs::exists(map / "Huis08.~VD"));
}

// ---------------------------------------------------------------- saldi

TEST(CliSaldi, EveryAccountsBalanceWithTheDecimalSeparatorOfTheOption) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 150});
  test::BoekMetPoorten boek(MaakDatum(2008, 6, 1));
  Kasboek& kb = boek.kb;
  kb.Map = map.pad();
  ASSERT_EQ(StartBoek(kb, true, "Huis08"), LaadUitkomst::Geladen);
  const TInUit& betaal = kb.SaldoMatrix.back()[static_cast<std::size_t>(kb.ZoekRekening(1))];
  const std::string saldo = GetalTekst(kb, betaal.In + betaal.Uit, 2);
  ASSERT_NE(saldo.find(','), std::string::npos);

  for (const char* teken : {",", "."}) {
    SCOPED_TRACE(teken);
    const Uitvoer u = Cli(map.pad(), {"saldi", "--decimaal", teken, "--vandaag", "1-6-2008", "Huis08"});
    ASSERT_EQ(u.code, 0) << u.fout;
    std::string verwacht = saldo;
    verwacht[verwacht.find(',')] = teken[0];
    EXPECT_NE(u.uit.find("   1  Betaalrekening"), std::string::npos) << u.uit;
    EXPECT_NE(u.uit.find(" " + verwacht + "\n"), std::string::npos) << u.uit;
    EXPECT_NE(u.uit.find("  99  TRANSFER REKENING"), std::string::npos);
  }
  EXPECT_EQ(Cli(map.pad(), {"saldi", "--vandaag", "1-6-2010", "Ander"}).code, cli::kMislukt);
}

// ---------------------------------------------------------------- voorbeeld

TEST(CliVoorbeeld, WritesTheYearOfTodayAndNeverOverwrites) {
  TestMap map;
  const Uitvoer u = Cli(map.pad(), {"voorbeeld", "--vandaag", "1-6-2009", "--transacties", "50", "."});
  ASSERT_EQ(u.code, 0) << u.fout;
  ASSERT_TRUE(fs::exists(map / "Valdr09.vdr"));
  ASSERT_TRUE(fs::exists(map / "Valdr09.cfg"));
  const auto boek = test::LeesBytes(map / "Valdr09.vdr");

  const Uitvoer dump = Cli(map.pad(), {"dump", "--vandaag", "1-6-2009", "Valdr09"});
  ASSERT_EQ(dump.code, 0) << dump.fout;
  const JsonWaarde d = Json(dump.uit);
  EXPECT_EQ(d["KasLijst"].Lijst().size(), 51u);
  EXPECT_EQ(d["KasJaar"].Tekst(), "2009");
  EXPECT_EQ(d["KlasseLijst"][7]["BtwSoort"].Getal(), 2);

  const Uitvoer nogmaals = Cli(map.pad(), {"voorbeeld", "--vandaag", "2-6-2009", "."});
  EXPECT_EQ(nogmaals.code, cli::kMislukt);
  EXPECT_NE(nogmaals.fout.find("bestaat al"), std::string::npos);
  EXPECT_EQ(test::LeesBytes(map / "Valdr09.vdr"), boek);

  EXPECT_EQ(Cli(map.pad(), {"voorbeeld", "bestaat-niet"}).code, cli::kMislukt);
}

}  // namespace
}  // namespace valdero
