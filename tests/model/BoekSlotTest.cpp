// One writer at a time: the lock beside an open book, what a second opener
// is told, a stale lock taken over, and two programs saving one book.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/BoekSlot.h"

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
    boek.kb.Map = map.pad();
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
  EXPECT_TRUE(ja.boek.kb.AlleenLezen);
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
    EXPECT_TRUE(open.boek.kb.AlleenLezen);
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
    EXPECT_FALSE(open.boek.kb.AlleenLezen);
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
    EXPECT_FALSE(open.boek.kb.AlleenLezen);
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
  boek.kb.Map = map.pad();
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

}  // namespace
}  // namespace valdero
