#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <random>
#include <sstream>

#include "CliHulp.h"
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
using test::LeesJson;
using test::SchrijfVoorbeeld;
using test::TestMap;

using test::Cli;
using test::Json;
using test::Uitvoer;

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
    const auto terug = LeesJson(g.json);
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

// A number in its shortest form, and as the JSON writer writes it.
template <typename Getal>
std::string Kortste(Getal x) {
  char buf[64];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, x).ptr);
}
template <typename Getal>
std::string Geschreven(Getal x) {
  std::string uit;
  cli::JsonSchrijver j(uit);
  j.Getal(x);
  return uit;
}

// Whole numbers take a quicker way; it must write exactly the shortest
// form: a trailing zero may prefer the exponent, -0 keeps its sign, a large
// float is not its integer's digits.
TEST(JsonSchrijver, WholeNumbersInTheirShortestForm) {
  for (const double d : {0.0, -0.0, 7.0, -7.0, 46023.0, 46020.0, 100000.0, 1e15 - 1, 1e15, -1e15 + 1, 9007199254740993.0,
                         1234567.0, 1e21})
    EXPECT_EQ(Geschreven(d), Kortste(d)) << d;
  for (const float f : {0.0f, -0.0f, 3.0f, 16777215.0f, 16777216.0f, 123456792.0f, -250.0f, 1e10f})
    EXPECT_EQ(Geschreven(f), Kortste(f)) << f;
}

// Amounts in cents are written by their digits, as the shortest form has
// them: named cases at the edges, then cents of every size at random.
TEST(JsonSchrijver, AmountsInCentsInTheirShortestForm) {
  for (const double d : {-31.12, 31.1, 0.5, -0.05, 0.01, 0.1 + 0.2, 1.005, 99.99, 100.01, 9999999999999.99,
                         -9999999999999.99, 10000000000000.01, 1e-7, 123456.789, 0.07, 2.675, 1e22 + 0.5})
    EXPECT_EQ(Geschreven(d), Kortste(d)) << d;
  std::mt19937_64 rnd(23);
  for (int i = 0; i < 200000; ++i) {
    const long long schaal = 1LL << (rnd() % 44);
    const long long centen = static_cast<long long>(rnd() % static_cast<unsigned long long>(schaal)) - schaal / 2;
    const double d = static_cast<double>(centen) / 100;
    ASSERT_EQ(Geschreven(d), Kortste(d)) << centen;
    const double naast = std::nextafter(d, 1e300);
    ASSERT_EQ(Geschreven(naast), Kortste(naast)) << centen;
  }
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
  EXPECT_EQ(boek.kb.sessie.Map, map.pad());

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
  const nlohmann::json d = Json(u.uit);
  ASSERT_TRUE(d.is_object());
  for (const char* sleutel : {"KasNaam", "KasJaar", "IOStatus", "FormaatVlag", "RelatiesAanwezig", "BasisMunt",
                              "HulpMunt", "RekLijst", "GroepLijst", "KasLijst", "RelatieLijst", "KlasseLijst",
                              "SoortLijst", "ValutaLijst", "Config", "SaldoMatrix", "Berichten"})
    EXPECT_EQ(d.count(sleutel), 1u) << sleutel;
  EXPECT_EQ(d.at("KasNaam").get<std::string>(), "Huis08");
  EXPECT_EQ(d.at("KasJaar").get<std::string>(), "2008");
  EXPECT_EQ(d.at("IOStatus").get<double>(), 0);
  EXPECT_TRUE(d.at("RelatiesAanwezig").get<bool>());
  EXPECT_TRUE(d.at("Berichten").empty());  // no success message at start-up

  // The same book loaded here: every list and the matrix, record by record.
  test::BoekMetPoorten boek(MaakDatum(2009, 1, 2));
  Kasboek& kb = boek.kb;
  kb.sessie.Map = map.pad();
  ASSERT_EQ(StartBoek(kb, true, "Huis08"), LaadUitkomst::Geladen);

  ASSERT_EQ(d.at("KasLijst").size(), 61u);
  for (std::size_t i = 0; i < kb.KasLijst.size(); ++i) {
    const TKas& k = kb.KasLijst[i];
    const nlohmann::json& r = d.at("KasLijst")[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(r.at("Index").get<double>(), k.Index);
    EXPECT_EQ(r.at("RekNr").get<double>(), k.RekNr);
    EXPECT_EQ(r.at("VolgBlad").get<double>(), k.VolgBlad);
    EXPECT_EQ(r.at("GroepKode").get<std::string>(), k.GroepKode);
    EXPECT_EQ(r.at("Datum").get<double>(), k.Datum);
    EXPECT_EQ(r.at("Bedrag").get<double>(), k.Bedrag);
    EXPECT_EQ(static_cast<float>(r.at("MuntKoers").get<double>()), k.MuntKoers);
    EXPECT_EQ(static_cast<float>(r.at("Aantal").get<double>()), k.Aantal);
    EXPECT_EQ(static_cast<float>(r.at("Prijs").get<double>()), k.Prijs);
    EXPECT_EQ(r.at("Omschrijving").get<std::string>(), k.Omschrijving);
    EXPECT_EQ(r.at("TegenRek").get<double>(), k.TegenRek);
    EXPECT_EQ(r.at("TegenVolgBlad").get<double>(), k.TegenVolgBlad);
    EXPECT_EQ(r.at("BoekSoort").get<double>(), k.BoekSoort);
    EXPECT_EQ(r.at("Belegging").get<double>(), k.Belegging);
    EXPECT_EQ(r.at("PayDate").get<double>(), k.PayDate);
  }
  ASSERT_EQ(d.at("RekLijst").size(), kb.RekLijst.size());
  EXPECT_EQ(d.at("RekLijst")[0].at("Naam").get<std::string>(), "2008");  // position 0, the header
  EXPECT_EQ(d.at("GroepLijst").size(), kb.GroepLijst.size());
  EXPECT_EQ(d.at("GroepLijst")[static_cast<std::size_t>(kb.MaxGroep())].at("Kode").get<std::string>(), "xxxx");
  EXPECT_EQ(d.at("RelatieLijst").size(), kb.RelatieLijst.size());
  EXPECT_EQ(d.at("RelatieLijst")[7].at("Naam").get<std::string>(), "Bakkerij Café de Zwaan");
  EXPECT_EQ(d.at("ValutaLijst")[0].at("Teken").get<std::string>(), "€");
  EXPECT_EQ(d.at("ValutaLijst")[1].at("Koers").dump(), "0.8");
  EXPECT_EQ(d.at("KlasseLijst").size(), 16u);
  EXPECT_EQ(d.at("Config").at("Persoonsdata").size(), 6u);
  EXPECT_EQ(d.at("Config").at("FontNaam").get<std::string>(), "MS Sans Serif");

  const auto& matrix = d.at("SaldoMatrix");
  ASSERT_EQ(matrix.size(), static_cast<std::size_t>(kb.MaxGroep()) + 2);
  for (std::size_t g = 0; g < matrix.size(); ++g) {
    ASSERT_EQ(matrix[g].size(), static_cast<std::size_t>(kb.MaxRek()) + 2);
    for (std::size_t a = 0; a < matrix[g].size(); ++a) {
      EXPECT_EQ(matrix[g][a][0].get<double>(), kb.SaldoMatrix()[g][a].In);
      EXPECT_EQ(matrix[g][a][1].get<double>(), kb.SaldoMatrix()[g][a].Uit);
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
    const nlohmann::json d = Json(u.uit);
    const auto& berichten = d.at("Berichten");
    ASSERT_EQ(berichten.size(), 2u);
    EXPECT_EQ(berichten[0].at("soort").get<double>(), static_cast<int>(BerichtSoort::Fout));
    EXPECT_EQ(berichten[1].at("tekst").get<std::string>(),
              "Wilt u doorgaan? Zoniet gebruik dan versie 5.x van Valdero!Kasboek.vdr");
    EXPECT_EQ(berichten[1].at("soort").get<double>(), static_cast<int>(BerichtSoort::Bevestig));
    EXPECT_EQ(berichten[1].at("knoppen").get<double>(), knop::JaNee);
    EXPECT_EQ(berichten[1].at("antwoord").get<double>(), g.antwoord);
    EXPECT_EQ(d.at("KasLijst").size(), g.antwoord == antwoord::Ja ? 41u : 0u);
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
  EXPECT_NE(Json(u.uit).at("KasNaam").get<std::string>(), "Valdr2009");
  EXPECT_TRUE(Json(u.uit).at("KasLijst").empty());
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
  const nlohmann::json d = Json(later.uit);
  EXPECT_EQ(d.at("RekLijst")[0].at("Naam").get<std::string>(), "2011");
  EXPECT_EQ(d.at("KasJaar").get<std::string>(), "2008");
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
  EXPECT_EQ(Json(u.uit).at("IOStatus").get<double>(), 1);
  EXPECT_EQ(test::LeesBytes(map / "Huis08.vdr").size(), 12u);
  EXPECT_FALSE(fs::exists(map / "Huis08.~VD"));
}

// ---------------------------------------------------------------- saldi

TEST(CliSaldi, EveryAccountsBalanceWithTheDecimalSeparatorOfTheOption) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 150});
  test::BoekMetPoorten boek(MaakDatum(2008, 6, 1));
  Kasboek& kb = boek.kb;
  kb.sessie.Map = map.pad();
  ASSERT_EQ(StartBoek(kb, true, "Huis08"), LaadUitkomst::Geladen);
  const TInUit& betaal = kb.SaldoMatrix().back()[static_cast<std::size_t>(kb.ZoekRekening(1).value())];
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
  const nlohmann::json d = Json(dump.uit);
  EXPECT_EQ(d.at("KasLijst").size(), 51u);
  EXPECT_EQ(d.at("KasJaar").get<std::string>(), "2009");
  EXPECT_EQ(d.at("KlasseLijst")[7].at("BtwSoort").get<double>(), 2);

  const Uitvoer nogmaals = Cli(map.pad(), {"voorbeeld", "--vandaag", "2-6-2009", "."});
  EXPECT_EQ(nogmaals.code, cli::kMislukt);
  EXPECT_NE(nogmaals.fout.find("bestaat al"), std::string::npos);
  EXPECT_EQ(test::LeesBytes(map / "Valdr09.vdr"), boek);

  EXPECT_EQ(Cli(map.pad(), {"voorbeeld", "bestaat-niet"}).code, cli::kMislukt);
}

}  // namespace
}  // namespace valdero
