// What valdero-cli may touch: a protected book only with its password
// (asked on the terminal or read from --wachtwoord-bestand, never taken from
// the command line) and with the password kept by every save; only the book
// named; output that could not be written is a failure; a write the disk did
// not confirm has an exit code of its own.

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>

#include "FoutBestanden.h"
#include "CliHulp.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Opdrachten.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/WachtwoordOpslag.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;
using test::SchrijfVoorbeeld;
using test::TestMap;

constexpr const char* kWachtwoord = "Geh im";

using test::Uitvoer;

Uitvoer Cli(const TestMap& map, std::vector<std::string> args, cli::WachtwoordLezer lezer = {},
            Bestandssysteem* bestanden = nullptr) {
  return test::Cli(map.pad(), args, {.wachtwoord = std::move(lezer), .bestanden = bestanden});
}

// The password stored in the book on disk, and the name of its first account.
struct OpSchijf {
  std::string wachtwoord;
  std::string rekening;
};
OpSchijf LeesOpSchijf(const TestMap& map) {
  test::BoekMetPoorten boek(MaakDatum(2008, 5, 2));
  boek.kb.sessie.Map = map.pad();
  EXPECT_EQ(StartBoek(boek.kb, true, "Huis08"), LaadUitkomst::Geladen);
  return {LaadWachtwoord(boek.kb), boek.kb.RekLijst.at(1).Naam};
}

void ZetWachtwoordOp(const TestMap& map) {
  test::BoekMetPoorten boek(MaakDatum(2008, 5, 2));
  boek.kb.sessie.Map = map.pad();
  ASSERT_EQ(StartBoek(boek.kb, true, "Huis08"), LaadUitkomst::Geladen);
  boek.kb.Wachtwoord = kWachtwoord;
  ASSERT_TRUE(BewaarBoek(boek.kb, false).Gelukt());
}

const std::vector<std::vector<std::string>> kOpdrachten = {
    {"dump", "Huis08"},
    {"saldi", "Huis08"},
    {"bewaar", "Huis08"},
    {"relaties", "Huis08"},
    {"boek", "Huis08", "2", "rekening=1", "groep=410", "bedrag=5", "datum=3-5"},
    {"rapport", "Huis08", "10"},
    {"exporteer", "Huis08", "0"},
    {"grafiek", "Huis08", "110"},
};

std::vector<std::string> Met(std::vector<std::string> args, std::vector<std::string> opties) {
  opties.insert(opties.begin(), args[0]);
  opties.insert(opties.end(), args.begin() + 1, args.end());
  return opties;
}

// Without the password nothing of the book is shown or written, whatever
// the command; every command asks for it as the desktop program does.
TEST(CliToegang, AProtectedBookNeedsItsPasswordForEveryCommand) {
  for (const auto& opdracht : kOpdrachten) {
    SCOPED_TRACE(opdracht[0]);
    TestMap map;
    SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 20, .metRelaties = false});
    ZetWachtwoordOp(map);
    const OpSchijf voor = LeesOpSchijf(map);
    ASSERT_EQ(voor.wachtwoord, kWachtwoord);
    const auto bytes = test::LeesBytes(map.pad() / "Huis08.vdr");
    test::SchrijfBytes(map.pad() / "goed.txt", {'G', 'e', 'h', ' ', 'i', 'm', '\r', '\n'});
    test::SchrijfBytes(map.pad() / "fout.txt", {'g', 'e', 'h', ' ', 'i', 'm', '\n'});
    const auto basis = Met(opdracht, {"--vandaag", "2-5-2008"});

    // Nobody to ask: refused, and said why.
    const Uitvoer zonder = Cli(map, basis);
    EXPECT_EQ(zonder.code, cli::kMislukt);
    EXPECT_NE(zonder.fout.find("boek heeft een wachtwoord"), std::string::npos) << zonder.fout;
    EXPECT_EQ(zonder.uit.find(voor.rekening), std::string::npos) << zonder.uit.substr(0, 400);
    EXPECT_EQ(test::LeesBytes(map.pad() / "Huis08.vdr"), bytes);

    const Uitvoer fout = Cli(map, Met(opdracht, {"--vandaag", "2-5-2008", "--wachtwoord-bestand", "fout.txt"}));
    EXPECT_EQ(fout.code, cli::kMislukt);
    EXPECT_NE(fout.fout.find("wachtwoord onjuist"), std::string::npos) << fout.fout;
    EXPECT_EQ(test::LeesBytes(map.pad() / "Huis08.vdr"), bytes);

    // From the terminal: three tries, as the dialog gives.
    std::vector<std::string> gevraagd;
    std::vector<std::string> antwoorden = {"fout", "Geh Im", kWachtwoord};
    const Uitvoer terminal = Cli(map, basis, [&](const std::string& vraag) -> std::optional<std::string> {
      gevraagd.push_back(vraag);
      std::string a = antwoorden.front();
      antwoorden.erase(antwoorden.begin());
      return a;
    });
    EXPECT_EQ(terminal.code, cli::kGelukt) << terminal.fout;
    ASSERT_EQ(gevraagd.size(), 3u);
    EXPECT_EQ(gevraagd[0], "Geef Wachtwoord(6 tekens): ");
    EXPECT_EQ(gevraagd[1], " FOUT opnieuw !\nGeef Wachtwoord(6 tekens): ");
    // Every save kept the book's password.
    EXPECT_EQ(LeesOpSchijf(map).wachtwoord, kWachtwoord);

    const Uitvoer goed = Cli(map, Met(opdracht, {"--vandaag", "2-5-2008", "--wachtwoord-bestand", "goed.txt"}));
    EXPECT_EQ(goed.code, cli::kGelukt) << goed.fout;
    EXPECT_EQ(LeesOpSchijf(map).wachtwoord, kWachtwoord);
  }
}

TEST(CliToegang, APasswordIsNeverTakenFromTheCommandLine) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 5});
  const Uitvoer u = Cli(map, {"dump", "--wachtwoord", "Geheim", "Huis08"});
  EXPECT_EQ(u.code, cli::kGebruiksfout);
  EXPECT_NE(u.fout.find("--wachtwoord-bestand"), std::string::npos) << u.fout;
}

// A book that is not there is an error naming it; the default book of the
// year never stands in for it.
TEST(CliToegang, ABookThatDoesNotExistIsAnErrorNeverAnotherBook) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Valdr2026", {.jaar = 2026, .transacties = 5});
  const auto bytes = test::LeesBytes(map.pad() / "Valdr2026.vdr");
  const std::vector<std::vector<std::string>> opdrachten = {
      {"boek", "--vandaag", "2-1-2026", "Bestaatniet26", "2", "rekening=1", "datum=2-1-2026", "groep=201",
       "bedrag=5"},
      {"dump", "--vandaag", "2-1-2026", "Bestaatniet26"},
      {"bewaar", "--vandaag", "2-1-2026", "Bestaatniet26"},
  };
  for (const auto& args : opdrachten) {
    SCOPED_TRACE(args[0]);
    const Uitvoer u = Cli(map, args);
    EXPECT_EQ(u.code, cli::kMislukt);
    EXPECT_NE(u.uit.find("Bestaatniet26.vdr bestaat niet"), std::string::npos) << u.uit.substr(0, 300);
    EXPECT_EQ(u.uit.find("Valdr2026"), std::string::npos);
    EXPECT_EQ(test::LeesBytes(map.pad() / "Valdr2026.vdr"), bytes);
  }
}

// A stream that takes nothing: standard output on a full disk.
struct VolleSchijf : std::streambuf {
  int overflow(int) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CliToegang, OutputThatCouldNotBeWrittenIsAFailure) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 5});
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"dump", "Huis08"}, {"saldi", "Huis08"}, {"rapport", "Huis08", "10"},
        {"exporteer", "Huis08", "0"}, {"help"}}) {
    SCOPED_TRACE(args[0]);
    VolleSchijf vol;
    std::ostream uit(&vol);
    std::ostringstream fout;
    EXPECT_EQ(cli::VoerUit(args, map.pad(), uit, fout), cli::kMislukt);
    if (args[0] != "help") {
      EXPECT_NE(fout.str().find("uitvoer niet (volledig) geschreven"), std::string::npos);
    }
  }
}

// Once the new file took the book's place the change is made; a folder
// flush that fails after it is a warning and exit 3, never "not saved".
TEST(CliToegang, AWriteTheDiskDidNotConfirmHasItsOwnExitCode) {
  struct Geval {
    std::vector<std::string> args;
    const char* bestand;
  };
  const Geval gevallen[] = {
      {{"bewaar", "--vandaag", "2-5-2008", "Huis08"}, "Huis08.vdr"},
      {{"boek", "--vandaag", "2-5-2008", "Huis08", "2", "rekening=1", "groep=410", "bedrag=5", "datum=3-5"},
       "Huis08.vdr"},
      {{"rapport", "--uit", "r.txt", "Huis08", "10"}, "r.txt"},
      {{"exporteer", "--uit", "e.txt", "Huis08", "0"}, "e.txt"},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.args[0]);
    TestMap map;
    SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 5});
    test::FoutBestanden schijf;
    schijf.faaltAltijd = {"FlushMap"};
    const auto voor = fs::exists(map.pad() / g.bestand) ? test::LeesBytes(map.pad() / g.bestand)
                                                        : std::vector<std::uint8_t>{};
    const Uitvoer u = Cli(map, g.args, {}, &schijf);
    EXPECT_EQ(u.code, cli::kOnbevestigd) << u.fout;
    EXPECT_NE(test::LeesBytes(map.pad() / g.bestand), voor) << "the file holds the change";
    EXPECT_NE((u.uit + u.fout).find("bewaard, maar de schijf heeft het niet bevestigd (schijffout)"),
              std::string::npos)
        << u.fout;
  }
}

}  // namespace
}  // namespace valdero
