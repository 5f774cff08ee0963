// valdero-cli grafiek on an example book on disk: the JSON of every chart
// kind, and the exit codes of what stops a chart.
#include <gtest/gtest.h>

#include <sstream>

#include "JsonLezer.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Opdrachten.h"
#include "model/charts/Grafiek.h"
#include "model/core/Datum.h"

namespace valdero {
namespace {

using test::JsonLezer;
using test::TestMap;

struct Uitvoer {
  int code;
  std::string uit;
  std::string fout;
};

Uitvoer GrafiekCli(const TestMap& map, std::vector<std::string> args, cli::GrafiekTekenaar tekenaar = {}) {
  std::ostringstream uit, fout;
  args.insert(args.begin(), {"grafiek", "--vandaag", "2-5-2008"});
  const int code = cli::VoerUit(args, map.pad(), uit, fout, std::move(tekenaar));
  return {code, uit.str(), fout.str()};
}

class CliGrafiek : public ::testing::Test {
 protected:
  void SetUp() override { test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 60}); }
  TestMap map;
};

TEST_F(CliGrafiek, ElkeSoortAlsJson) {
  struct Geval {
    std::vector<std::string> args;
    std::size_t reeksen;
    const char* titel;
  };
  const std::vector<Geval> gevallen = {
      {{"--rekening", "1", "Huis08", "101"}, 1, "Rekening 1"},
      {{"--groep", "1", "Huis08", "105"}, 1, "Groep-grafiek  Jaar:2008"},
      {{"--klassen", "U,V", "Huis08", "110"}, 1, "Totaal van Klasse(n) Jaar: 2008"},
      {{"Huis08", "111"}, 3, "Valdero Begroting Jaar: 2008 per Jaar"},
      {{"Huis08", "112"}, 3, "Valdero Begroting Jaar: 2008 per Maand"},
      {{"Huis08", "113"}, 3, "Valdero Begroting Jaar: 2008 per Kwartaal"},
      {{"--klassen", "I", "--periode", "2", "Huis08", "115"}, 3, "Valdero Begroting Jaar: 2008 Selectie"},
      {{"Huis08", "131"}, 1, "Valdero saldi Jaar : 2008"},
      {{"--soorten", "BT", "Huis08", "132"}, 1, "Valdero saldi Jaar : 2008"},
  };
  for (const Geval& c : gevallen) {
    SCOPED_TRACE(c.args.back());
    const Uitvoer u = GrafiekCli(map, c.args);
    ASSERT_EQ(u.code, 0) << u.fout;
    const auto json = JsonLezer::Lees(u.uit);
    ASSERT_TRUE(json) << u.uit;
    EXPECT_EQ((*json)["Titels"][0].Tekst(), c.titel);
    ASSERT_EQ((*json)["Reeksen"].Lijst().size(), c.reeksen);
    EXPECT_TRUE((*json)["Berichten"].Lijst().empty());
    const auto& punten = (*json)["Reeksen"][0]["punten"].Lijst();
    ASSERT_FALSE(punten.empty());
    for (const auto& p : punten) {
      ASSERT_EQ(p.Lijst().size(), 3u);
      EXPECT_TRUE(std::holds_alternative<double>(p[0].v));
      EXPECT_TRUE(std::holds_alternative<double>(p[1].v));
      EXPECT_TRUE(std::holds_alternative<std::string>(p[2].v));
    }
    // The line charts' x values are the transactions' dates as TDateTime.
    if (c.args.back() < "111") {
      EXPECT_GE(punten.front()[0].Getal(), MaakDatum(2008, 1, 1));
      EXPECT_LE(punten.back()[0].Getal(), MaakDatum(2008, 12, 31));
    }
  }
}

TEST_F(CliGrafiek, BegrotingKentZijnReeksenBijNaam) {
  const Uitvoer u = GrafiekCli(map, {"--klassen", "V", "Huis08", "115"});
  ASSERT_EQ(u.code, 0) << u.fout;
  const auto json = JsonLezer::Lees(u.uit);
  ASSERT_TRUE(json) << u.uit;
  const auto& r = (*json)["Reeksen"];
  EXPECT_EQ(r[0]["naam"].Tekst(), "Begroot");
  EXPECT_EQ(r[1]["naam"].Tekst(), "Werkelijk");
  EXPECT_EQ(r[2]["naam"].Tekst(), "Saldo Werkelijk");
  // Rent, 11 400 a year, is the first group of class V.
  EXPECT_EQ(r[0]["punten"][0][2].Tekst(), "Huur");
  EXPECT_EQ(r[0]["punten"][0][1].Getal(), -11400);
}

TEST_F(CliGrafiek, FoutenEnHunUitgangscodes) {
  struct Geval {
    const char* naam;
    std::vector<std::string> args;
    int code;
    const char* melding;
  };
  const std::vector<Geval> gevallen = {
      {"geen soort", {"Huis08"}, 2, "geef BOEK en SOORT"},
      {"onbekende soort", {"Huis08", "114"}, 2, "onbekende grafieksoort 114"},
      {"rekening ontbreekt", {"Huis08", "101"}, 2, "soort 101 vraagt --rekening NR"},
      {"groep bij de verkeerde soort", {"--groep", "310", "Huis08", "131"}, 2, "--groep hoort bij soort 105"},
      {"rekening bestaat niet", {"--rekening", "77", "Huis08", "101"}, 1, "Rekening 77 bestaat niet"},
      {"groep bestaat niet", {"--groep", "zzz", "Huis08", "105"}, 1, "Groep zzz bestaat niet"},
      {"geen klassen", {"--klassen", "Q", "Huis08", "115"}, 1, "Geen klassen gekozen"},
      {"boek bestaat niet", {"Weg08", "131"}, 1, "niet geladen"},
      {"png zonder tekenaar", {"--png", "g.png", "Huis08", "131"}, 1, "tekent geen PNG"},
  };
  for (const Geval& c : gevallen) {
    SCOPED_TRACE(c.naam);
    const Uitvoer u = GrafiekCli(map, c.args);
    EXPECT_EQ(u.code, c.code);
    EXPECT_NE(u.fout.find(c.melding), std::string::npos) << u.fout;
  }
}

TEST_F(CliGrafiek, PngGaatNaarDeTekenaar) {
  std::string getekend;
  std::filesystem::path pad;
  auto tekenaar = [&](const Grafiek& g, char, const std::filesystem::path& p) {
    getekend = g.titels.at(0);
    pad = p;
    return true;
  };
  const Uitvoer u = GrafiekCli(map, {"--png", "saldi.png", "Huis08", "131"}, tekenaar);
  ASSERT_EQ(u.code, 0) << u.fout;
  EXPECT_EQ(getekend, "Valdero saldi Jaar : 2008");
  EXPECT_EQ(pad, map.pad() / "saldi.png");
  EXPECT_TRUE(JsonLezer::Lees(u.uit));
  const Uitvoer mislukt = GrafiekCli(map, {"--png", "saldi.png", "Huis08", "131"},
                                     [](const Grafiek&, char, const std::filesystem::path&) { return false; });
  EXPECT_EQ(mislukt.code, 1);
  EXPECT_NE(mislukt.fout.find("saldi.png wegschrijven NIET gelukt"), std::string::npos);
}

}  // namespace
}  // namespace valdero
