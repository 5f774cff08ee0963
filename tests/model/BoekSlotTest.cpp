// One writer at a time: the lock beside an open book, what a second opener
// is told, a stale lock taken over, and two programs saving one book.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "FoutBestanden.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/BoekSlot.h"
#include "model/storage/ConfigBestand.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;
using test::TestMap;

std::string Host() {
  char naam[256] = {};
  ::gethostname(naam, sizeof naam - 1);
  return naam;
}

void LegSlot(const fs::path& boek, long pid) {
  std::ofstream(SlotPad(boek)) << pid << "\n" << Host() << "\n01-05-2008 09:15:00\n";
}

// A process id that was in use a moment ago and is free now.
long VerdwenenPid() {
  const pid_t kind = ::fork();
  if (kind == 0) ::_exit(0);
  ::waitpid(kind, nullptr, 0);
  return kind;
}

struct Geopend {
  test::BoekMetPoorten boek{MaakDatum(2008, 5, 2)};
  LaadUitkomst uitkomst;
  Geopend(const TestMap& map, int antwoord) {
    boek.kb.sessie.Map = map.pad();
    boek.berichten.Antwoord(antwoord);
    uitkomst = StartBoek(boek.kb, true, "Huis08");
  }
};

TEST(BoekSlot, ASecondOpenerIsToldWhoHasTheBookAndMayOnlyRead) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  const fs::path boek = map.pad() / "Huis08.vdr";
  LegSlot(boek, 1);  // a process that lives as long as the machine
  const auto voor = test::LeesBytes(boek);
  const std::string vraag =
      "Huis08.vdr is in gebruik door proces 1 op " + Host() +
      " sinds 01-05-2008 09:15:00\rAlleen-lezen openen? (bewaren kan dan niet)";

  {
    Geopend nee(map, antwoord::Nee);
    EXPECT_EQ(nee.uitkomst, LaadUitkomst::Gestopt);
    EXPECT_EQ(nee.boek.berichten.Teksten(), std::vector<std::string>{vraag});
  }
  Geopend ja(map, antwoord::Ja);
  ASSERT_EQ(ja.uitkomst, LaadUitkomst::Geladen);
  EXPECT_TRUE(ja.boek.kb.sessie.AlleenLezen);
  EXPECT_TRUE(ja.boek.kb.KasGelezen);
  test::VoegTransactieToe(ja.boek.kb, 1, "410", MaakDatum(2008, 5, 2), -5);
  ja.boek.berichten.Wis();
  EXPECT_FALSE(BewaarBoek(ja.boek.kb, false).Gelukt());
  EXPECT_EQ(ja.boek.berichten.Teksten().at(0).rfind("Huis08.vdr (alleen-lezen geopend, Huis08.vdr is in gebruik door proces 1", 0), 0u)
      << ja.boek.berichten.Teksten().at(0);
  EXPECT_EQ(test::LeesBytes(boek), voor);
  EXPECT_FALSE(fs::exists(map.pad() / "Herstelpunten")) << "another program's folder is left alone";
}

TEST(BoekSlot, AWriteProtectedBookSaysSoWhenOpenedAndIsOpenedToReadOnly) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  const fs::path boek = map.pad() / "Huis08.vdr";
  fs::permissions(boek, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto voor = test::LeesBytes(boek);
  {
    Geopend open(map, antwoord::Ja);
    ASSERT_EQ(open.uitkomst, LaadUitkomst::Geladen);
    EXPECT_TRUE(open.boek.kb.sessie.AlleenLezen);
    ASSERT_FALSE(open.boek.berichten.Teksten().empty());
    EXPECT_EQ(open.boek.berichten.Teksten().front(),
              "Huis08.vdr is schrijfbeveiligd: het boek is alleen-lezen geopend.\r"
              "Wijzigingen kunnen alleen met \"Bewaren als...\" bewaard worden");
    open.boek.berichten.Wis();
    EXPECT_FALSE(BewaarBoek(open.boek.kb, false).Gelukt());
    EXPECT_EQ(test::LeesBytes(boek), voor);
    // Saved under a name of its own, the book can be written again.
    open.boek.berichten.Bestand((map.pad() / "Kopie08.vdr").string());
    EXPECT_TRUE(BewaarBoek(open.boek.kb, true).Gelukt());
    EXPECT_FALSE(open.boek.kb.sessie.AlleenLezen);
    EXPECT_TRUE(fs::exists(map.pad() / "Kopie08.vdr"));
  }
  fs::permissions(boek, fs::perms::owner_write, fs::perm_options::add);
}

TEST(BoekSlot, TheLockIsHeldWhileOpenAndAStaleOneIsTakenOver) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  const fs::path boek = map.pad() / "Huis08.vdr";
  LegSlot(boek, VerdwenenPid());  // the program that had it crashed
  {
    Geopend open(map, antwoord::Nee);
    ASSERT_EQ(open.uitkomst, LaadUitkomst::Geladen);
    EXPECT_FALSE(open.boek.kb.sessie.AlleenLezen);
    EXPECT_TRUE(open.boek.berichten.getoond.empty());
    std::ifstream slot(SlotPad(boek));
    long pid = 0;
    std::string host;
    slot >> pid >> host;
    EXPECT_EQ(pid, ::getpid());
    EXPECT_EQ(host, Host());
  }
  EXPECT_FALSE(fs::exists(SlotPad(boek))) << "closing the book releases it";
}

// The tool, run as a process of its own in the book's folder.
int Cli(const TestMap& map, const std::string& args, std::string* fout = nullptr) {
  const fs::path foutBestand = map.pad() / "fout.txt";
  const std::string regel = "cd '" + map.pad().string() + "' && '" VALDERO_CLI "' " + args +
                            " > /dev/null 2> '" + foutBestand.string() + "'";
  const int status = std::system(regel.c_str());
  if (fout) {
    std::stringstream s;
    s << std::ifstream(foutBestand).rdbuf();
    *fout = s.str();
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::size_t Boekingen(const TestMap& map, const std::string& omschrijving) {
  test::BoekMetPoorten boek(MaakDatum(2008, 5, 2));
  boek.kb.sessie.Map = map.pad();
  EXPECT_EQ(StartBoek(boek.kb, true, "Huis08"), LaadUitkomst::Geladen);
  std::size_t n = 0;
  for (const TKas& k : boek.kb.KasLijst) n += k.Omschrijving.rfind(omschrijving, 0) == 0;
  return n;
}

const std::string kBoeking = "boek --vandaag 2-5-2008 Huis08 2 groep=410 bedrag=1 datum=3-5 ";

TEST(BoekSlot, TheToolRefusesToWriteABookTheProgramHasOpen) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  {
    // This test process is the desktop program holding the book.
    Geopend programma(map, antwoord::Nee);
    ASSERT_EQ(programma.uitkomst, LaadUitkomst::Geladen);
    std::string fout;
    EXPECT_EQ(Cli(map, kBoeking + "omschrijving=tijdens", &fout), 1);
    EXPECT_NE(fout.find("valdero-cli boek: Huis08.vdr is in gebruik door proces " +
                        std::to_string(::getpid())),
              std::string::npos)
        << fout;
    EXPECT_NE(fout.find("niets bewaard"), std::string::npos) << fout;
  }
  EXPECT_EQ(Boekingen(map, "tijdens"), 0u);
  EXPECT_EQ(Cli(map, kBoeking + "omschrijving=erna"), 0);
  EXPECT_EQ(Boekingen(map, "erna"), 1u);
}

// Two tools booking on one large book at the same moment: each either books
// and says so, or is refused and says so; no booking that was reported is
// lost, and the book is never torn.
TEST(BoekSlot, TwoProgramsSavingOneBookLoseNoPosting) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 20000});
  int geboekt = 0;
  int geweigerd = 0;
  for (int paar = 0; paar < 6; ++paar) {
    const std::string a = "a" + std::to_string(paar), b = "b" + std::to_string(paar);
    const std::string cli = std::string("'") + VALDERO_CLI + "' " + kBoeking + "omschrijving=";
    const std::string regel = "cd '" + map.pad().string() + "' && (" + cli + a +
                              " >/dev/null 2>&1; echo $? > a.code) & (cd '" + map.pad().string() +
                              "' && " + cli + b + " >/dev/null 2>&1; echo $? > b.code) & wait";
    ASSERT_EQ(WEXITSTATUS(std::system(regel.c_str())), 0);
    for (const std::string& wie : {a, b}) {
      int code = -1;
      std::ifstream(map.pad() / (wie.substr(0, 1) + ".code")) >> code;
      SCOPED_TRACE(wie);
      ASSERT_TRUE(code == 0 || code == 1) << code;
      EXPECT_EQ(Boekingen(map, wie), code == 0 ? 1u : 0u);
      (code == 0 ? geboekt : geweigerd)++;
    }
  }
  EXPECT_GT(geboekt, 0);
  RecordProperty("geboekt", geboekt);
  RecordProperty("geweigerd", geweigerd);
}


// No write without the lock: a lock that cannot be made (each of its steps
// failing in turn) lets the book be read, but every save of it is refused
// with the reason, and the book on disk stays as it was.
TEST(BoekSlot, ALockThatCannotBeMadeStopsEverySave) {
  struct Geval {
    const char* stap;
    int fout;
    std::string reden;
  };
  const Geval gevallen[] = {
      {"MaakNieuw", EACCES, "geen toegang"},
      {"Schrijf", ENOSPC, "schijf vol"},
      {"Sluit", EIO, "schijffout"},
      {"Koppel", EIO, "schijffout"},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.stap);
    TestMap map;
    test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
    const fs::path boek = map.pad() / "Huis08.vdr";
    const auto voor = test::LeesBytes(boek);
    test::FoutBestanden schijf;
    schijf.faaltAltijd = {g.stap};
    schijf.fout = g.fout;
    {
      test::BoekMetPoorten open(MaakDatum(2008, 5, 2));
      open.kb.sessie.Map = map.pad();
      open.kb.poorten.bestandssysteem = schijf;
      ASSERT_EQ(StartBoek(open.kb, true, "Huis08"), LaadUitkomst::Geladen);
      EXPECT_TRUE(open.kb.KasGelezen);
      schijf.faaltAltijd.clear();  // only the lock failed; the save would work
      test::VoegTransactieToe(open.kb, 1, "410", MaakDatum(2008, 5, 2), -5);
      open.berichten.Wis();
      EXPECT_FALSE(BewaarBoek(open.kb, false).Gelukt());
      ASSERT_FALSE(open.berichten.Teksten().empty());
      EXPECT_EQ(open.berichten.Teksten()[0].rfind("Huis08.vdr (geen slot: " + g.reden + ")", 0), 0u)
          << open.berichten.Teksten()[0];
      EXPECT_FALSE(SchrijfConfig(open.kb).Gelukt());
      EXPECT_EQ(test::LeesBytes(boek), voor);
    }
    EXPECT_FALSE(fs::exists(SlotPad(boek)));
    EXPECT_EQ(test::TijdelijkeBestanden(map.pad()), std::vector<fs::path>{});
  }
}

// A file system without second names (FAT, some shares) gets its lock all
// the same, made under its own name; saves go on as usual.
TEST(BoekSlot, WithoutHardLinksTheLockIsMadeDirectly) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  const fs::path boek = map.pad() / "Huis08.vdr";
  test::FoutBestanden schijf;
  schijf.faaltAltijd = {"Koppel"};
  schijf.fout = EPERM;
  {
    test::BoekMetPoorten open(MaakDatum(2008, 5, 2));
    open.kb.sessie.Map = map.pad();
    open.kb.poorten.bestandssysteem = schijf;
    ASSERT_EQ(StartBoek(open.kb, true, "Huis08"), LaadUitkomst::Geladen);
    EXPECT_TRUE(open.kb.sessie.GeenSlot.empty()) << open.kb.sessie.GeenSlot;
    EXPECT_TRUE(fs::is_regular_file(SlotPad(boek)));
    test::VoegTransactieToe(open.kb, 1, "410", MaakDatum(2008, 5, 2), -5);
    EXPECT_TRUE(BewaarBoek(open.kb, false).Gelukt());
  }
  EXPECT_FALSE(fs::exists(SlotPad(boek)));
  EXPECT_EQ(test::TijdelijkeBestanden(map.pad()), std::vector<fs::path>{});
}

// The lock goes when the program ends even when it can no longer be read
// back (its content damaged); a lock that is a folder is taken over without
// leaving anything of it, or, holding files of the user's, refuses saves.
TEST(BoekSlot, NothingOfTheLockStaysBehind) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  const fs::path boek = map.pad() / "Huis08.vdr";
  auto alles = [&] {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(map.pad()))
      if (e.path().filename() != "Herstelpunten") namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  };
  const auto voor = alles();
  {
    Geopend open(map, antwoord::Nee);
    ASSERT_EQ(open.uitkomst, LaadUitkomst::Geladen);
    // Overwritten in place: no longer readable as a lock, still the file
    // this program made.
    std::ofstream(SlotPad(boek), std::ios::trunc) << "\x01\x02";
  }
  EXPECT_EQ(alles(), voor);

  fs::create_directory(SlotPad(boek));
  {
    Geopend open(map, antwoord::Nee);
    ASSERT_EQ(open.uitkomst, LaadUitkomst::Geladen);
    EXPECT_TRUE(open.boek.kb.sessie.GeenSlot.empty());
  }
  EXPECT_EQ(alles(), voor) << "an empty folder in the lock's place is taken over and gone";

  fs::create_directories(SlotPad(boek) / "van de gebruiker");
  {
    Geopend open(map, antwoord::Nee);
    ASSERT_EQ(open.uitkomst, LaadUitkomst::Geladen);
    EXPECT_EQ(open.boek.kb.sessie.GeenSlot, "geen slot: Huis08.~LK is een map");
    EXPECT_FALSE(BewaarBoek(open.boek.kb, false).Gelukt());
  }
  EXPECT_TRUE(fs::is_directory(SlotPad(boek) / "van de gebruiker"));
}

// Saves killed part-way leave their files; opening or saving the book
// removes those whose process is gone, and no file of a living one.
TEST(BoekSlot, OrphanedFilesOfKilledSavesAreRemoved) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
  char dood[16], levend[16];
  std::snprintf(dood, sizeof dood, "%lx", VerdwenenPid());
  std::snprintf(levend, sizeof levend, "%x", 1u);
  const std::vector<fs::path> wezen = {
      map.pad() / ("Huis08.vdr.~" + std::string(dood) + "0a1b2c.tmp"),
      map.pad() / ("Huis08.~VD.~" + std::string(dood) + "ffffff.tmp"),
      map.pad() / ("Huis08.cfg.~" + std::string(dood) + "000001.tmp"),
      map.pad() / ("Huis08.~LK.~slot" + std::string(dood) + "-1a2b.tmp"),
      map.pad() / "Herstelpunten" / ("Huis08 20080101-000000.vdr.~" + std::string(dood) + "123456.tmp"),
  };
  const std::vector<fs::path> blijven = {
      map.pad() / ("Huis08.vdr.~" + std::string(levend) + "0a1b2c.tmp"),  // a save running now
      map.pad() / ("Ander08.vdr.~" + std::string(dood) + "0a1b2c.tmp"),   // another book's
      map.pad() / "Huis08.vdr.~notities.tmp",                             // no save's name
  };
  fs::create_directories(map.pad() / "Herstelpunten");
  for (const auto& p : wezen) test::SchrijfBytes(p, {1, 2, 3});
  for (const auto& p : blijven) test::SchrijfBytes(p, {1, 2, 3});
  {
    Geopend open(map, antwoord::Nee);
    ASSERT_EQ(open.uitkomst, LaadUitkomst::Geladen);
    for (const auto& p : wezen) EXPECT_FALSE(fs::exists(p)) << p;
    for (const auto& p : blijven) EXPECT_TRUE(fs::exists(p)) << p;

    test::SchrijfBytes(wezen[0], {1, 2, 3});
    test::VoegTransactieToe(open.boek.kb, 1, "410", MaakDatum(2008, 5, 2), -5);
    ASSERT_TRUE(BewaarBoek(open.boek.kb, false).Gelukt());
    EXPECT_FALSE(fs::exists(wezen[0])) << "the save removes them too";
  }
  for (const auto& p : blijven) EXPECT_TRUE(fs::exists(p)) << p;
}
}  // namespace
}  // namespace valdero
