// valdero-cli grafiek on an example book on disk: the JSON of every chart
// kind, and the exit codes of what stops a chart.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

#include "CliHulp.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "app/cli/GrafiekModule.h"
#include "app/cli/GrafiekModuleLader.h"
#include "app/cli/Opdrachten.h"
#include "model/charts/Grafiek.h"
#include "model/core/Datum.h"

namespace valdero {
namespace {

using test::LeesJson;
using test::TestMap;

using test::Uitvoer;

Uitvoer GrafiekCliMetLader(const TestMap& map, std::vector<std::string> args, cli::GrafiekTekenaarLader lader) {
  args.insert(args.begin(), {"grafiek", "--vandaag", "2-5-2008"});
  return test::Cli(map.pad(), args, {.tekenaar = std::move(lader)});
}

Uitvoer GrafiekCli(const TestMap& map, std::vector<std::string> args, cli::GrafiekTekenaar tekenaar = {}) {
  cli::GrafiekTekenaarLader lader;
  if (tekenaar) lader = [tekenaar = std::move(tekenaar)](std::string&) { return tekenaar; };
  return GrafiekCliMetLader(map, std::move(args), std::move(lader));
}

std::string LeesBestand(const std::filesystem::path& pad) {
  std::ifstream in(pad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void SchrijfBestand(const std::filesystem::path& pad, const std::string& inhoud) {
  std::filesystem::create_directories(pad.parent_path());
  std::ofstream(pad, std::ios::binary) << inhoud;
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
    const auto json = LeesJson(u.uit);
    ASSERT_TRUE(json) << u.uit;
    EXPECT_EQ((*json).at("Titels")[0].get<std::string>(), c.titel);
    ASSERT_EQ((*json).at("Reeksen").size(), c.reeksen);
    EXPECT_TRUE((*json).at("Berichten").empty());
    const auto& punten = (*json).at("Reeksen")[0].at("punten");
    ASSERT_FALSE(punten.empty());
    for (const auto& p : punten) {
      ASSERT_EQ(p.size(), 3u);
      EXPECT_TRUE(p[0].is_number());
      EXPECT_TRUE(p[1].is_number());
      EXPECT_TRUE(p[2].is_string());
    }
    // The line charts' x values are the transactions' dates as TDateTime.
    if (c.args.back() < "111") {
      EXPECT_GE(punten.front()[0].get<double>(), MaakDatum(2008, 1, 1));
      EXPECT_LE(punten.back()[0].get<double>(), MaakDatum(2008, 12, 31));
    }
  }
}

TEST_F(CliGrafiek, BegrotingKentZijnReeksenBijNaam) {
  const Uitvoer u = GrafiekCli(map, {"--klassen", "V", "Huis08", "115"});
  ASSERT_EQ(u.code, 0) << u.fout;
  const auto json = LeesJson(u.uit);
  ASSERT_TRUE(json) << u.uit;
  const auto& r = (*json).at("Reeksen");
  EXPECT_EQ(r[0].at("naam").get<std::string>(), "Begroot");
  EXPECT_EQ(r[1].at("naam").get<std::string>(), "Werkelijk");
  EXPECT_EQ(r[2].at("naam").get<std::string>(), "Saldo Werkelijk");
  // Rent, 11 400 a year, is the first group of class V.
  EXPECT_EQ(r[0].at("punten")[0][2].get<std::string>(), "Huur");
  EXPECT_EQ(r[0].at("punten")[0][1].get<double>(), -11400);
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
  auto tekenaar = [&](const Grafiek& g, char, std::string& png) {
    getekend = g.titels.at(0);
    png = "PNG-bytes";
    return true;
  };
  const Uitvoer u = GrafiekCli(map, {"--png", "saldi.png", "Huis08", "131"}, tekenaar);
  ASSERT_EQ(u.code, 0) << u.fout;
  EXPECT_EQ(getekend, "Valdero saldi Jaar : 2008");
  EXPECT_EQ(LeesBestand(map.pad() / "saldi.png"), "PNG-bytes");
  EXPECT_TRUE(LeesJson(u.uit));
  const Uitvoer mislukt = GrafiekCli(map, {"--png", "saldi.png", "Huis08", "131"},
                                     [](const Grafiek&, char, std::string&) { return false; });
  EXPECT_EQ(mislukt.code, 1);
  EXPECT_NE(mislukt.fout.find("saldi.png wegschrijven NIET gelukt"), std::string::npos);
}

// The drawing comes from a module that valdero-cli loads only for --png; a
// tool without it fails before it reads the book, as one built without the
// windows does, and writes no picture and no JSON.
TEST_F(CliGrafiek, PngZonderGrafiekmoduleMislukt) {
  const std::vector<std::filesystem::path> mappen = {map / "bin", map / "lib/valdero"};
  int geladen = 0;
  auto lader = [&](std::string& waarom) {
    ++geladen;
    return cli::LaadGrafiekModule(mappen, "10.0.1", waarom);
  };
  const Uitvoer u = GrafiekCliMetLader(map, {"--png", "saldi.png", "Huis08", "131"}, lader);
  EXPECT_EQ(u.code, 1);
  EXPECT_EQ(u.fout, "valdero-cli grafiek: de grafiekmodule valdero-grafiektekening.so is niet gevonden in " +
                        (map / "bin").string() + " of " + (map / "lib/valdero").string() +
                        "; zonder die module tekent valdero-cli geen PNG (installeer Valdero opnieuw)\n");
  EXPECT_EQ(u.uit, "");
  EXPECT_FALSE(std::filesystem::exists(map / "saldi.png"));
  // Without --png nothing is loaded.
  EXPECT_EQ(GrafiekCliMetLader(map, {"Huis08", "131"}, lader).code, 0);
  EXPECT_EQ(geladen, 1);
}

TEST(GrafiekModuleLader, ZoektNaastHetProgrammaEnDanInDeInstallatie) {
  EXPECT_EQ(cli::GrafiekModuleMappen("/usr/bin/valdero-cli"),
            (std::vector<std::filesystem::path>{"/usr/bin", "/usr/lib/valdero"}));
  EXPECT_EQ(cli::GrafiekModuleMappen("/opt/v/build/src/app/valdero-cli"),
            (std::vector<std::filesystem::path>{"/opt/v/build/src/app", "/opt/v/build/src/lib/valdero"}));
  EXPECT_TRUE(cli::GrafiekModuleMappen("").empty());
}

TEST(GrafiekModuleLader, WeigertWatGeenBruikbareModuleIs) {
  TestMap map;
  struct Geval {
    const char* naam;
    std::string inhoud;  // of the file in the first folder; none when empty
    const char* versie;
    const char* melding;
  };
  std::vector<Geval> gevallen = {
      {"geen module", "", "10.0.1", "is niet gevonden in "},
      {"geen gedeelde bibliotheek", "geen ELF", "10.0.1", "de grafiekmodule laadt niet: "},
  };
#ifdef VALDERO_GRAFIEKMODULE
  gevallen.push_back({"een andere versie", LeesBestand(VALDERO_GRAFIEKMODULE), "0.0.0",
                      "hoort bij een andere versie dan valdero-cli 0.0.0"});
#endif
  int n = 0;
  for (const Geval& c : gevallen) {
    SCOPED_TRACE(c.naam);
    // Each case its own folder: a loaded library stays loaded under its path.
    const std::filesystem::path eerste = map / std::to_string(++n);
    std::filesystem::create_directories(eerste);
    if (!c.inhoud.empty()) SchrijfBestand(eerste / cli::kGrafiekModuleBestand, c.inhoud);
    std::string waarom;
    EXPECT_FALSE(cli::LaadGrafiekModule({eerste, map / "leeg"}, c.versie, waarom));
    EXPECT_NE(waarom.find(c.melding), std::string::npos) << waarom;
    EXPECT_NE(waarom.find("tekent valdero-cli geen PNG"), std::string::npos) << waarom;
  }
}

#ifdef VALDERO_GRAFIEKMODULE
// A folder whose file does not load does not stop the search: the next one
// (the installation's library folder) is tried.
TEST(GrafiekModuleLader, NeemtDeEersteModuleDieLaadt) {
  TestMap map;
  SchrijfBestand(map / "bin" / cli::kGrafiekModuleBestand, "geen ELF");
  SchrijfBestand(map / "lib/valdero" / cli::kGrafiekModuleBestand, LeesBestand(VALDERO_GRAFIEKMODULE));
  std::string waarom;
  EXPECT_TRUE(cli::LaadGrafiekModule({map / "bin", map / "lib/valdero"}, VALDERO_VERSIE, waarom)) << waarom;
}

// The real tool draws through the module beside it in the build tree.
TEST_F(CliGrafiek, PngUitDeGrafiekmoduleNaastHetProgramma) {
  const std::string regel = "cd '" + map.pad().string() + "' && QT_QPA_PLATFORM=offscreen '" VALDERO_CLI
                            "' grafiek --vandaag 2-5-2008 --png saldi.png Huis08 131 > uit.json 2> fout.txt";
  const int status = std::system(regel.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0) << LeesBestand(map / "fout.txt");
  EXPECT_TRUE(LeesJson(LeesBestand(map / "uit.json")));
  const std::string png = LeesBestand(map / "saldi.png");
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_GT(png.size(), 2000u);
}
#endif

}  // namespace
}  // namespace valdero
