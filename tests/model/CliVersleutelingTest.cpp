// valdero-cli and an encrypted book: versleutel and ontsleutel, and every
// command opening a sealed book with the passphrase from
// --wachtwoord-bestand or the terminal, never from the command line.

#include <gtest/gtest.h>

#include <sstream>

#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Opdrachten.h"
#include "model/core/SysteemBestanden.h"
#include "model/storage/BoekVersleuteling.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;

SysteemBestanden systeem;  // to look at the files as a command left them
using test::TestMap;

const std::string kZin = "paard batterij nietje correct";

struct Uitvoer {
  int code;
  std::string uit;
  std::string fout;
};

Uitvoer Cli(const TestMap& map, std::vector<std::string> args, cli::WachtwoordLezer lezer = {}) {
  std::ostringstream uit, fout;
  const int code = cli::VoerUit(args, map.pad(), uit, fout, cli::GrafiekTekenaarLader{}, nullptr,
                                std::move(lezer));
  return {code, uit.str(), fout.str()};
}

void SchrijfZin(const TestMap& map, const std::string& naam, const std::string& zin) {
  test::SchrijfBytes(map / naam, std::vector<std::uint8_t>(zin.begin(), zin.end()));
}

// An example book "Huis08" sealed with kZin through the tool.
void VersleuteldBoek(const TestMap& map) {
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  SchrijfZin(map, "zin.txt", kZin + "\n");
  const Uitvoer u = Cli(map, {"versleutel", "--wachtwoord-bestand", "zin.txt", "--vandaag", "2-5-2008", "Huis08"});
  ASSERT_EQ(u.code, cli::kGelukt) << u.fout;
  EXPECT_EQ(u.uit, "Huis08.vdr versleuteld\n");
  ASSERT_TRUE(IsVerzegeldBestand(map / "Huis08.vdr", systeem));
  ASSERT_TRUE(IsVerzegeldBestand(map / "Huis08.cfg", systeem));
}

TEST(CliVersleuteling, VersleutelEnOntsleutelGevenHetBoekTerug) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  const Uitvoer voor = Cli(map, {"dump", "--vandaag", "2-5-2008", "Huis08"});
  ASSERT_EQ(voor.code, cli::kGelukt) << voor.fout;
  VersleuteldBoek(map);

  const Uitvoer dump = Cli(map, {"dump", "--vandaag", "2-5-2008", "--wachtwoord-bestand", "zin.txt", "Huis08"});
  ASSERT_EQ(dump.code, cli::kGelukt) << dump.fout;
  EXPECT_EQ(dump.uit, voor.uit);

  const Uitvoer terug = Cli(map, {"ontsleutel", "--vandaag", "2-5-2008", "--wachtwoord-bestand", "zin.txt", "Huis08"});
  ASSERT_EQ(terug.code, cli::kGelukt) << terug.fout;
  EXPECT_EQ(terug.uit, "Huis08.vdr ontsleuteld\n");
  EXPECT_FALSE(IsVerzegeldBestand(map / "Huis08.vdr", systeem));
  EXPECT_FALSE(IsVerzegeldBestand(map / "Huis08.cfg", systeem));
  EXPECT_EQ(Cli(map, {"dump", "--vandaag", "2-5-2008", "Huis08"}).uit, voor.uit);
}

TEST(CliVersleuteling, ElkeOpdrachtOpentEenVersleuteldBoekAlleenMetDeWachtwoordzin) {
  TestMap map;
  VersleuteldBoek(map);
  SchrijfZin(map, "fout.txt", "niet de goede zin\n");
  const auto boekVoor = test::LeesBytes(map / "Huis08.vdr");
  const std::vector<std::vector<std::string>> opdrachten = {
      {"dump", "Huis08"}, {"saldi", "Huis08"}, {"bewaar", "Huis08"}, {"rapport", "Huis08", "10"},
      {"exporteer", "Huis08", "0"}, {"ontsleutel", "Huis08"},
  };
  for (const auto& opdracht : opdrachten) {
    SCOPED_TRACE(opdracht[0]);
    auto met = [&](std::vector<std::string> opties) {
      std::vector<std::string> args = {opdracht[0]};
      args.insert(args.end(), opties.begin(), opties.end());
      args.insert(args.end(), opdracht.begin() + 1, opdracht.end());
      return args;
    };
    const Uitvoer zonder = Cli(map, met({}));
    EXPECT_EQ(zonder.code, cli::kMislukt);
    EXPECT_NE(zonder.fout.find("boek is versleuteld; geef de wachtwoordzin op de terminal of met "
                               "--wachtwoord-bestand BESTAND"),
              std::string::npos)
        << zonder.fout;
    const Uitvoer fout = Cli(map, met({"--wachtwoord-bestand", "fout.txt"}));
    EXPECT_EQ(fout.code, cli::kMislukt);
    EXPECT_NE(fout.fout.find("wachtwoordzin onjuist, of het bestand is beschadigd"), std::string::npos) << fout.fout;
    for (const char* naam : {"Huis algemeen", "Energie Noord", "Auto brandstof"})
      EXPECT_EQ(fout.uit.find(naam), std::string::npos) << "nothing of the book is shown";
    // The terminal: asked once per try, three tries.
    int gevraagd = 0;
    const Uitvoer terminal = Cli(map, met({}), [&](const std::string&) {
      ++gevraagd;
      return std::optional<std::string>("nog steeds fout");
    });
    EXPECT_EQ(terminal.code, cli::kMislukt);
    EXPECT_EQ(gevraagd, 3);
    EXPECT_EQ(test::LeesBytes(map / "Huis08.vdr"), boekVoor);
  }
  EXPECT_NE(Cli(map, {"dump", "--wachtwoord-bestand", "zin.txt", "Huis08"}).uit.find("Huis algemeen"),
            std::string::npos);
  const Uitvoer goed = Cli(map, {"saldi", "Huis08"}, [](const std::string&) { return std::optional<std::string>(kZin); });
  EXPECT_EQ(goed.code, cli::kGelukt) << goed.fout;
  // A save by a command keeps the book sealed.
  ASSERT_EQ(Cli(map, {"bewaar", "--wachtwoord-bestand", "zin.txt", "Huis08"}).code, cli::kGelukt);
  EXPECT_TRUE(IsVerzegeldBestand(map / "Huis08.vdr", systeem));
}

TEST(CliVersleuteling, FoutenEnGebruik) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  SchrijfZin(map, "kort.txt", "kort\n");
  struct Geval {
    const char* naam;
    std::vector<std::string> args;
    int code;
    std::string melding;
  };
  const std::vector<Geval> gevallen = {
      {"passphrase on the command line", {"versleutel", "--wachtwoordzin", "geheim geheim", "Huis08"},
       cli::kGebruiksfout, "geef de wachtwoordzin nooit op de opdrachtregel"},
      {"too short", {"versleutel", "--wachtwoord-bestand", "kort.txt", "Huis08"}, cli::kGebruiksfout,
       "Een wachtwoordzin heeft minstens 8 tekens"},
      {"no file to read", {"versleutel", "--wachtwoord-bestand", "geen.txt", "Huis08"}, cli::kMislukt,
       "wachtwoordbestand geen.txt niet te lezen"},
      {"no terminal", {"versleutel", "Huis08"}, cli::kMislukt, "geef de wachtwoordzin op de terminal"},
      {"not encrypted", {"ontsleutel", "Huis08"}, cli::kMislukt, "Huis08 is niet versleuteld"},
      {"no book", {"versleutel", "--wachtwoord-bestand", "kort.txt"}, cli::kGebruiksfout, "geef precies één BOEK"},
  };
  for (const Geval& geval : gevallen) {
    SCOPED_TRACE(geval.naam);
    const Uitvoer u = Cli(map, geval.args);
    EXPECT_EQ(u.code, geval.code);
    EXPECT_NE(u.fout.find(geval.melding), std::string::npos) << u.fout;
    EXPECT_FALSE(IsVerzegeldBestand(map / "Huis08.vdr", systeem));
  }
  // Typed twice on the terminal; two different ones seal nothing.
  std::vector<std::string> getypt = {kZin, kZin + "x"};
  const Uitvoer anders = Cli(map, {"versleutel", "Huis08"}, [&](const std::string&) {
    auto zin = getypt.front();
    getypt.erase(getypt.begin());
    return std::optional<std::string>(zin);
  });
  EXPECT_EQ(anders.code, cli::kMislukt);
  EXPECT_NE(anders.fout.find("de twee wachtwoordzinnen verschillen"), std::string::npos) << anders.fout;
  EXPECT_FALSE(IsVerzegeldBestand(map / "Huis08.vdr", systeem));
  const Uitvoer getyptGoed = Cli(map, {"versleutel", "Huis08"}, [](const std::string&) { return std::optional<std::string>(kZin); });
  EXPECT_EQ(getyptGoed.code, cli::kGelukt) << getyptGoed.fout;
  EXPECT_TRUE(IsVerzegeldBestand(map / "Huis08.vdr", systeem));
  SchrijfZin(map, "zin.txt", kZin);
  const Uitvoer nogEens = Cli(map, {"versleutel", "--wachtwoord-bestand", "zin.txt", "Huis08"});
  EXPECT_EQ(nogEens.code, cli::kMislukt);
  EXPECT_NE(nogEens.fout.find("Huis08 is al versleuteld"), std::string::npos) << nogEens.fout;
}

}  // namespace
}  // namespace valdero
