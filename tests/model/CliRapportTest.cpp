// valdero-cli rapport on an example book on disk: the text file's bytes, the
// JSON of the table, and the exit codes of what stops a report.
#include <gtest/gtest.h>

#include <sstream>

#include "CliHulp.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Opdrachten.h"

namespace valdero {
namespace {

using test::LeesJson;
using test::TestMap;

using test::Uitvoer;

Uitvoer Rapport(const TestMap& map, std::vector<std::string> args) {
  args.insert(args.begin(), {"rapport", "--vandaag", "2-5-2008"});
  return test::Cli(map.pad(), args);
}

class CliRapport : public ::testing::Test {
 protected:
  void SetUp() override { test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 60}); }
  TestMap map;
};

TEST_F(CliRapport, RekeningAlsTekstbestand) {
  const Uitvoer u = Rapport(map, {"--rekening", "1", "Huis08", "1"});
  ASSERT_EQ(u.code, 0) << u.fout;
  EXPECT_EQ(u.uit.rfind("   INKOMSTEN en UITGAVEN  R E K E N I N G  Nr: 1  Jaar:2008  Datum : 02-05-2008\r\n", 0), 0u)
      << u.uit;
  EXPECT_NE(u.uit.find("   |Vlgn|Kode|Datum |Relatie         |Bedrag |Saldo  |Omschrijving            |\r\n"),
            std::string::npos);
  // --uit writes the same bytes into a file.
  const Uitvoer f = Rapport(map, {"--rekening", "1", "--uit", "rek1.txt", "Huis08", "1"});
  ASSERT_EQ(f.code, 0) << f.fout;
  EXPECT_TRUE(f.uit.empty());
  std::ifstream bestand(map.pad() / "rek1.txt", std::ios::binary);
  const std::string inhoud{std::istreambuf_iterator<char>(bestand), std::istreambuf_iterator<char>()};
  EXPECT_EQ(inhoud, u.uit);
}

TEST_F(CliRapport, JsonGeeftRijenEnTotalen) {
  const Uitvoer u = Rapport(map, {"--json", "Huis08", "31"});
  ASSERT_EQ(u.code, 0) << u.fout;
  const auto json = LeesJson(u.uit);
  ASSERT_TRUE(json) << u.uit;
  EXPECT_EQ((*json).at("Kop").size(), 2u);
  EXPECT_EQ((*json).at("Kop")[1].get<std::string>(), "  Voor alle rekeningen");
  EXPECT_EQ((*json).at("Titels")[0].get<std::string>(), "Nr.");
  EXPECT_FALSE((*json).at("Rijen").empty());
  EXPECT_EQ((*json).at("Rijen")[0].size(), 6u);
  ASSERT_FALSE((*json).at("Totalen").empty());
  EXPECT_EQ((*json).at("Totalen")[0].at("label").get<std::string>(), "TOTAAL IN/UIT   Eur");
  EXPECT_EQ((*json).at("Totalen")[0].at("velden").size(), 4u);
}

TEST_F(CliRapport, OptiesKiezenZoalsHetVenster) {
  // Classes, period code and typed dates, descending: the rows follow.
  const Uitvoer u = Rapport(map, {"--json", "--klassen", "U", "--periode", "4", "--van", "1-2-2008", "--tot",
                                  "31-3-2008", "--aflopend", "Huis08", "10"});
  ASSERT_EQ(u.code, 0) << u.fout;
  const auto json = LeesJson(u.uit);
  ASSERT_TRUE(json);
  const auto& rijen = (*json).at("Rijen");
  ASSERT_FALSE(rijen.empty());
  EXPECT_EQ(rijen.front()[2].get<std::string>().substr(3), "03-2008");
  EXPECT_EQ(rijen.back()[2].get<std::string>().substr(3), "02-2008");
  EXPECT_EQ((*json).at("Kop")[0].get<std::string>(), "SPECIFIEKE KLASSE TRANSACTIES  Jaar:2008 Tijdvak");
  // --verzamel writes the gathered form: budget columns 0 to 5 only.
  const Uitvoer v = Rapport(map, {"--verzamel", "Huis08", "11"});
  ASSERT_EQ(v.code, 0) << v.fout;
  EXPECT_NE(v.uit.find("|Kode|Titel            |BIJ_budge|AF_budget|Inkomsten|Uitgaven |\r\n"), std::string::npos);
  EXPECT_EQ(v.fout, "Aantal verzamelde Overzichten : 1\n");
  // Another currency divides by its rate.
  const Uitvoer m = Rapport(map, {"--munt", "USD", "--json", "Huis08", "31"});
  ASSERT_EQ(m.code, 0) << m.fout;
  EXPECT_EQ(LeesJson(m.uit).value().at("Titels")[3].get<std::string>(), "Bij_$");
}

TEST_F(CliRapport, BtwOverzichtAlsTekstEnJson) {
  const Uitvoer u = Rapport(map, {"Huis08", "150"});
  ASSERT_EQ(u.code, 0) << u.fout;
  EXPECT_EQ(u.uit.rfind("   INKOMSTEN en UITGAVEN alle REKENINGEN  Jaar:2008  Datum : 02-05-2008\r\n", 0), 0u) << u.uit;
  EXPECT_NE(u.uit.find("   |Rek.|BTWUit_ho|BTWUit_la|BTWIn_hoo|BTWIn-Laa|\r\n"), std::string::npos) << u.uit;
  EXPECT_NE(u.uit.find("    TOTAAL  Eur\r\n"), std::string::npos) << u.uit;

  const Uitvoer j = Rapport(map, {"--json", "--rekening", "1", "Huis08", "150"});
  ASSERT_EQ(j.code, 0) << j.fout;
  const auto json = LeesJson(j.uit);
  ASSERT_TRUE(json) << j.uit;
  EXPECT_EQ((*json).at("Kop")[0].get<std::string>(), "INKOMSTEN en UITGAVEN  R E K E N I N G  Nr: 1  Jaar:2008");
  EXPECT_EQ((*json).at("Titels")[4].get<std::string>(), "BTWIn-Laag");
  ASSERT_EQ((*json).at("Rijen").size(), 1u);
  EXPECT_EQ((*json).at("Rijen")[0][0].get<std::string>(), "1");
  EXPECT_TRUE((*json).at("Totalen").empty());
}

TEST_F(CliRapport, FoutenEnAfsluitcodes) {
  struct Geval {
    const char* naam;
    std::vector<std::string> args;
    int code;
    const char* fout;
  };
  for (const Geval& g : std::vector<Geval>{
           {"onbekende soort", {"Huis08", "7"}, 2, "onbekende rapportsoort 7"},
           {"rekening ontbreekt", {"Huis08", "1"}, 2, "soort 1 vraagt --rekening NR"},
           {"klassen leeg", {"--klassen", "", "Huis08", "10"}, 1, "Geen klassen gekozen\n"},
           {"geen klasse", {"--klassen", "Q", "Huis08", "15"}, 1, "Geen klassen gekozen\n"},
           {"relaties leeg", {"--relaties", "", "Huis08", "16"}, 1, "Geen relatie gekozen\n"},
           {"geen rekening", {"--rekening", "42", "Huis08", "1"}, 1, "Rekening 42 bestaat niet\n"},
           {"geen boek", {"Weg08", "31"}, 1, "valdero-cli rapport: boek Weg08 niet geladen\n"},
           {"btw: geen rekening", {"--rekening", "42", "Huis08", "150"}, 1, "Rekening 42 bestaat niet\n"},
           {"btw: geen groep", {"--groep", "300", "Huis08", "150"}, 2, "--groep hoort bij soort 5 en 6"},
           {"onbekende munt", {"--munt", "XYZ", "Huis08", "31"}, 1, "Muntsoort niet juist\n"},
           {"btw: onbekende munt", {"--munt", "XYZ", "Huis08", "150"}, 1, "Muntsoort niet juist\n"},
           {"munt zonder koers", {"--munt", "", "Huis08", "31"}, 1, "Muntsoort niet juist\n"},
       }) {
    SCOPED_TRACE(g.naam);
    const Uitvoer u = Rapport(map, g.args);
    EXPECT_EQ(u.code, g.code);
    EXPECT_NE(u.fout.find(g.fout), std::string::npos) << u.fout;
    EXPECT_TRUE(u.uit.empty());
  }
}

}  // namespace
}  // namespace valdero
