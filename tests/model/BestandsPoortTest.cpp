// Every file the program reads or writes from outside goes through the one
// file-system port, so a test can fail any step of any of them: the failure
// is told to the user, and the file that was there stays as it was.

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <vector>

#include "BankImportTestBoek.h"
#include "CliHulp.h"
#include "FoutBestanden.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "model/core/Datum.h"
#include "model/storage/Herstelpunten.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;
using test::TestMap;
using Bytes = std::vector<std::uint8_t>;

struct Soort {
  const char *naam;
  // The file whose steps fail (the start of its name) and the file that must
  // stay as it was.
  const char *bestand;
  const char *blijft;
  std::vector<std::string> args;
  std::vector<std::string> stappen;
  // What the user is told (a part of it).
  const char *gemeld;
};

const std::vector<std::string> kSchrijfStappen = {"MaakNieuw", "Schrijf", "Flush", "Sluit", "Hernoem"};

TEST(BestandsPoort, AFailedStepOfEveryKindOfFileIsToldAndLeavesTheOldFile) {
  const Soort soorten[] = {
      {"book",
       "Bank26.vdr",
       "Bank26.vdr",
       {"bewaar", "Bank26"},
       kSchrijfStappen,
       "Bank26.vdr niet (volledig) bewaard"},
      {"configuration",
       "Bank26.cfg",
       "Bank26.cfg",
       {"bewaar", "Bank26"},
       kSchrijfStappen,
       "Configuratie wegschrijven NIET gelukt"},
      {"lock",
       "Bank26.~LK",
       "Bank26.vdr",
       {"bewaar", "Bank26"},
       {"MaakNieuw", "Schrijf", "Koppel"},
       "(geen slot: schijf vol) wegschrijven NIET gelukt"},
      {"restore point",
       "Bank26 ",
       "Bank26.vdr",
       {"dump", "Bank26"},
       {"MaakNieuw", "Schrijf", "Flush", "Hernoem"},
       "Geen herstelpunt gemaakt van Bank26.vdr (schijf vol)"},
      {"bank file",
       "ing.csv",
       "ing.csv",
       {"afschrift", "Bank26", "auto", "ing.csv"},
       {"OpenLezen", "Lees"},
       "Verwerken van ing.csv"},
      {"report",
       "r.txt",
       "r.txt",
       {"rapport", "--uit", "r.txt", "Bank26", "10"},
       kSchrijfStappen,
       "r.txt (schijf vol) wegschrijven NIET gelukt"},
      {"export",
       "e.txt",
       "e.txt",
       {"exporteer", "--uit", "e.txt", "Bank26", "0"},
       kSchrijfStappen,
       "e.txt niet geschreven"},
      {"journal",
       "j.journal",
       "j.journal",
       {"exporteer", "--journal", "--uit", "j.journal", "Bank26"},
       kSchrijfStappen,
       "j.journal niet geschreven"},
      {"chart picture",
       "g.png",
       "g.png",
       {"grafiek", "--png", "g.png", "Bank26", "131"},
       kSchrijfStappen,
       "g.png wegschrijven NIET gelukt (schijf vol)"},
  };
  for (const Soort &soort : soorten) {
    for (const std::string &stap : soort.stappen) {
      SCOPED_TRACE(std::string(soort.naam) + ", " + stap);
      TestMap map;
      test::SchrijfVoorbeeld(map.pad(), "Bank26", {.jaar = 2026, .transacties = 30});
      std::ofstream(map / "ing.csv", std::ios::binary) << test::BankFixture("vier.ing.csv");
      if (!fs::exists(map / soort.blijft)) test::SchrijfBytes(map / soort.blijft, Bytes{'o', 'u', 'd'});
      const Bytes voor = test::LeesBytes(map / soort.blijft);

      test::FoutBestanden schijf;
      schijf.alleenVoor = soort.bestand;
      schijf.faaltAltijd = {stap};
      schijf.fout = ENOSPC;
      std::vector<std::string> args = soort.args;
      args.insert(args.begin() + 1, {"--vandaag", "15-3-2026"});
      const test::Uitvoer u = test::Cli(map.pad(), args,
                                        {.tekenaar = [](std::string &) -> cli::GrafiekTekenaar {
                                           return [](const Grafiek &, char, std::string &png) {
                                             png = "PNG";
                                             return true;
                                           };
                                         },
                                         .bestanden = &schijf});
      // Messages go to standard error or, from the book's message port, into
      // the JSON's "Berichten".
      const std::string gezegd = u.fout + u.uit;
      EXPECT_NE(gezegd.find(soort.gemeld), std::string::npos) << u.fout << u.uit.substr(0, 2000);
      EXPECT_EQ(test::LeesBytes(map / soort.blijft), voor);
      EXPECT_EQ(test::TijdelijkeBestanden(map.pad()), std::vector<fs::path>{});
      // Nothing half-made passes for a restore point.
      std::error_code geen;
      for (const auto &e : fs::directory_iterator(map / kHerstelMap, geen))
        EXPECT_NE(e.path().filename().string().rfind(soort.bestand, 0), 0u) << e.path();
    }
  }
}

}  // namespace
}  // namespace valdero
