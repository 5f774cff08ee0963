// Every file the user names (a report, the accounts and groups tables, an
// export, a journal) is written as the book is: a file of its own under a
// unique name, flushed, renamed into place, the folder flushed. What is not a
// regular file is refused with the reason and left as it was; a temporary
// name planted by someone else is never written through.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <functional>
#include <sstream>

#include "FoutBestanden.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Opdrachten.h"
#include "model/core/SysteemBestanden.h"
#include "model/export/Export.h"
#include "model/reports/RapportTekst.h"
#include "model/storage/Bestanden.h"
#include "model/storage/BoekLaden.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;
using test::TestMap;
using Bytes = std::vector<std::uint8_t>;

const std::string kTekst = "regel 1\r\nregel 2\r\n";

struct Schrijver {
  const char* naam;
  std::function<SchrijfUitkomst(const fs::path&, Bestandssysteem&)> schrijf;
};

const Schrijver kSchrijvers[] = {
    {"report", [](const fs::path& p, Bestandssysteem& b) { return SchrijfRapportBestand(p, kTekst, b); }},
    {"table", [](const fs::path& p, Bestandssysteem& b) {
       return SchrijfTekstRegels(p, {"regel 1", "regel 2"}, b);
     }},
};

TEST(GebruikersBestand, WhatIsNotARegularFileIsRefusedAndLeftAsItWas) {
  struct Geval {
    const char* naam;
    std::function<fs::path(const TestMap&)> maak;
    std::string reden;
  };
  const Geval gevallen[] = {
      {"a named pipe",
       [](const TestMap& m) {
         const fs::path p = m / "pijp.txt";
         ::mkfifo(p.c_str(), 0600);
         return p;
       },
       "is geen gewoon bestand"},
      {"a folder",
       [](const TestMap& m) {
         fs::create_directories(m / "map.txt" / "binnen");
         return m / "map.txt";
       },
       "is een map"},
      {"a device", [](const TestMap&) { return fs::path("/dev/full"); }, "is geen gewoon bestand"},
      {"a link to a device",
       [](const TestMap& m) {
         fs::create_symlink("/dev/null", m / "nul.txt");
         return m / "nul.txt";
       },
       "is geen gewoon bestand"},
      {"a link to a pipe",
       [](const TestMap& m) {
         ::mkfifo((m / "pijp2").c_str(), 0600);
         fs::create_symlink("pijp2", m / "naar-pijp.txt");
         return m / "naar-pijp.txt";
       },
       "is geen gewoon bestand"},
  };
  for (const Schrijver& s : kSchrijvers) {
    for (const Geval& g : gevallen) {
      SCOPED_TRACE(std::string(s.naam) + ", " + g.naam);
      TestMap map;
      const fs::path pad = g.maak(map);
      struct stat voor {};
      ASSERT_EQ(::stat(pad.c_str(), &voor), 0);
      SysteemBestanden systeem;
      const SchrijfUitkomst u = s.schrijf(pad, systeem);
      EXPECT_FALSE(u);
      EXPECT_EQ(u.reden, g.reden);
      struct stat na {};
      ASSERT_EQ(::stat(pad.c_str(), &na), 0);
      EXPECT_EQ(na.st_mode, voor.st_mode);
      EXPECT_EQ(na.st_ino, voor.st_ino);
      EXPECT_EQ(test::TijdelijkeBestanden(map.pad()), std::vector<fs::path>{});
    }
  }
}

// Each step of the write fails in turn: the file is the old one or the new
// one, and nothing of the write stays behind. A failure after the rename is
// a write that happened, with the warning that the disk did not confirm it.
TEST(GebruikersBestand, EveryStepMayFailWithoutTearingTheFile) {
  for (const Schrijver& s : kSchrijvers) {
    TestMap map;
    const fs::path pad = map / "uit.txt";
    const Bytes oud = {'o', 'u', 'd'};
    test::SchrijfBytes(pad, oud);
    test::FoutBestanden teller;
    ASSERT_TRUE(s.schrijf(pad, teller));
    const Bytes nieuw = test::LeesBytes(pad);
    const int stappen = static_cast<int>(teller.stappen.size());
    for (int stap = 0; stap < stappen; ++stap) {
      SCOPED_TRACE(std::string(s.naam) + ", " + teller.stappen[static_cast<std::size_t>(stap)]);
      test::SchrijfBytes(pad, oud);
      test::FoutBestanden schijf;
      schijf.faaltBij = stap;
      const SchrijfUitkomst u = s.schrijf(pad, schijf);
      const Bytes na = test::LeesBytes(pad);
      EXPECT_EQ(na, u ? nieuw : oud);
      EXPECT_EQ(test::TijdelijkeBestanden(map.pad()), std::vector<fs::path>{});
      if (teller.stappen[static_cast<std::size_t>(stap)] == "FlushMap") {
        EXPECT_TRUE(u);
        EXPECT_TRUE(u.onbevestigd);
        EXPECT_EQ(OnbevestigdTekst("uit.txt", u), "uit.txt bewaard, maar de schijf heeft het niet bevestigd (schijffout)");
      } else if (!u) {
        EXPECT_FALSE(u.reden.empty());
      }
    }
  }
}

// The report writer once used a fixed temporary name beside the target: a
// link planted there sent the report into another file.
TEST(GebruikersBestand, APlantedTemporaryLinkIsNeverWrittenThrough) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  const Bytes ander = {'v', 'a', 'n', ' ', 'i', 'e', 'm', 'a', 'n', 'd'};
  test::SchrijfBytes(map / "ander.txt", ander);
  for (const char* geplant : {"r.txt.~tmp", "r.txt.tmp", "r.txt.~"}) fs::create_symlink("ander.txt", map / geplant);
  std::ostringstream uit, fout;
  EXPECT_EQ(cli::VoerUit({"rapport", "--uit", "r.txt", "Huis08", "10"}, map.pad(), uit, fout), cli::kGelukt)
      << fout.str();
  EXPECT_EQ(test::LeesBytes(map / "ander.txt"), ander);
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(map / "r.txt")));
  EXPECT_GT(fs::file_size(map / "r.txt"), 100u);

  // And a pipe as the report's own name is refused with the reason, exit 1.
  ::mkfifo((map / "p.txt").c_str(), 0600);
  std::ostringstream uit2, fout2;
  EXPECT_EQ(cli::VoerUit({"rapport", "--uit", "p.txt", "Huis08", "10"}, map.pad(), uit2, fout2), cli::kMislukt);
  EXPECT_NE(fout2.str().find("p.txt (is geen gewoon bestand) wegschrijven NIET gelukt"), std::string::npos)
      << fout2.str();
}

// The export window's and the journal's files go the same way, their
// failures named with the reason.
TEST(GebruikersBestand, TheExportRefusesWhatIsNotARegularFile) {
  for (const bool journaal : {false, true}) {
    SCOPED_TRACE(journaal ? "journal" : "export");
    TestMap map;
    test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
    test::BoekMetPoorten boek(MaakDatum(2008, 6, 1));
    boek.kb.sessie.Map = map.pad();
    ASSERT_EQ(StartBoek(boek.kb, true, "Huis08"), LaadUitkomst::Geladen);
    ExportModel model(boek.kb);
    model.journaal = journaal;
    ::mkfifo((map / "e.txt").c_str(), 0600);
    boek.berichten.Wis();
    EXPECT_FALSE(model.Schrijf("e.txt"));
    ASSERT_FALSE(boek.berichten.Teksten().empty());
    EXPECT_EQ(boek.berichten.Teksten()[0].rfind("e.txt (is geen gewoon bestand)", 0), 0u)
        << boek.berichten.Teksten()[0];
    EXPECT_TRUE(fs::is_fifo(map / "e.txt"));
  }
}

}  // namespace
}  // namespace valdero
