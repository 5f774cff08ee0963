// A save survives any fault: every step of it fails in turn (on a full disk
// and with a disk error, on a file system with and without hard links), and
// after each the book on disk is the old one or the new one byte for byte,
// no file of the save is left behind, the user is told, and the book in
// memory is still the one the user sees.

#include <gtest/gtest.h>

#include <cerrno>
#include <set>
#include <sys/stat.h>

#include "FoutBestanden.h"
#include "TestBoek.h"
#include "model/core/Datum.h"
#include "model/storage/BoekBestand.h"

namespace valdero {
namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

void VulKleinBoek(Kasboek& kb) {
  test::VoegRekeningToe(kb, 1, "Giro");
  test::VoegGroepToe(kb, "1", "Saldo Giro", " C ");
  test::VoegGroepToe(kb, "201", "Boodschappen", " U ", -2400);
  // Enough transactions that a write in small pieces takes many steps.
  for (int d = 1; d <= 40; ++d)
    test::VoegTransactieToe(kb, 1, "201", MaakDatum(2008, 1, 1) + d, -d, "Bakker");
}

// A book opened from disk (the old content), with one posting more in memory.
struct OpgeslagenBoek {
  test::BoekInMap boek;
  Bytes oud;
  Bytes nieuw;

  explicit OpgeslagenBoek(bool eersteBewaring) {
    VulKleinBoek(boek.kb);
    oud = SchrijfBoek(boek.kb);
    test::SchrijfBytes(boek.BoekPad(), oud);
    boek.kb.sessie.EersteBewaring = eersteBewaring;
    test::VoegTransactieToe(boek.kb, 1, "201", MaakDatum(2008, 3, 1), -7, "nieuw");
    nieuw = SchrijfBoek(boek.kb);
  }
  fs::path Reserve() const { return boek.map / "Valdr08.~VD"; }
};

struct Omstandigheid {
  const char* naam;
  bool eersteBewaring;   // the first save makes the backup
  std::set<std::string> altijd;  // steps that never work ("Koppel": no hard links)
};

TEST(VeiligBewaren, EveryStepOfASaveMayFailWithoutTearingTheBook) {
  const Omstandigheid omstandigheden[] = {
      {"first save, backup by a link", true, {}},
      {"first save, backup by a copy", true, {"Koppel"}},
      {"a later save", false, {}},
  };
  std::set<std::string> geziene;
  for (const Omstandigheid& o : omstandigheden) {
    // Count the steps of a save that goes well.
    int stappen = 0;
    {
      OpgeslagenBoek s(o.eersteBewaring);
      test::FoutBestanden teller;
      teller.faaltAltijd = o.altijd;
      teller.hoogstensPerSchrijf = 4096;
      s.boek.kb.poorten.bestandssysteem = teller;
      ASSERT_TRUE(BewaarBoek(s.boek.kb, false).Gelukt()) << o.naam;
      stappen = static_cast<int>(teller.stappen.size());
      for (const std::string& stap : teller.stappen) geziene.insert(stap);
    }
    for (const int fout : {ENOSPC, EIO}) {
      for (int stap = 0; stap < stappen; ++stap) {
        OpgeslagenBoek s(o.eersteBewaring);
        test::FoutBestanden schijf;
        schijf.faaltAltijd = o.altijd;
        schijf.hoogstensPerSchrijf = 4096;
        schijf.faaltBij = stap;
        schijf.fout = fout;
        s.boek.kb.poorten.bestandssysteem = schijf;
        const Status status = BewaarBoek(s.boek.kb, false);
        SCOPED_TRACE(std::string(o.naam) + ", errno " + std::to_string(fout) + ", " +
                     schijf.stappen.at(static_cast<std::size_t>(stap)));

        const Bytes opSchijf = test::LeesBytes(s.boek.BoekPad());
        EXPECT_TRUE(opSchijf == s.oud || opSchijf == s.nieuw) << "torn book of " << opSchijf.size();
        EXPECT_EQ(test::TijdelijkeBestanden(s.boek.map.pad()), std::vector<fs::path>{});
        // A backup, when there is one, is the book as it was opened.
        if (fs::exists(s.Reserve())) {
          EXPECT_EQ(test::LeesBytes(s.Reserve()), s.oud);
        }
        // Either all of it went well, or the user heard of it.
        const bool alles = status.Gelukt() && opSchijf == s.nieuw &&
                           (!o.eersteBewaring || fs::exists(s.Reserve()));
        if (!alles) {
          EXPECT_FALSE(s.boek.berichten.getoond.empty());
        }
        if (!status.Gelukt()) {
          EXPECT_NE(s.boek.berichten.Teksten().back().find("wegschrijven NIET gelukt"),
                    std::string::npos);
          EXPECT_FALSE(s.boek.kb.sessie.Bewaard);
        }
        // The book in memory is the one the user sees, and the next save
        // puts it on disk.
        ASSERT_EQ(s.boek.kb.KasLijst.size(), 42u);
        EXPECT_EQ(s.boek.kb.KasLijst.back().Omschrijving, "nieuw");
        s.boek.kb.poorten.bestandssysteem = s.boek.bestanden;
        EXPECT_TRUE(BewaarBoek(s.boek.kb, false).Gelukt());
        EXPECT_EQ(test::LeesBytes(s.boek.BoekPad()), s.nieuw);
        if (fs::exists(s.Reserve())) {
          EXPECT_EQ(test::LeesBytes(s.Reserve()), s.oud);
        }
      }
    }
  }
  // Every kind of step was made to fail somewhere.
  for (const char* stap : {"MaakNieuw", "Schrijf", "Flush", "Sluit", "Koppel", "Koppel (faalt)",
                           "OpenLezen", "Lees", "Hernoem", "FlushMap"})
    EXPECT_TRUE(geziene.count(stap)) << stap;
}

// A large book is written while its image is made, a piece at a time: the
// pieces together are the whole image, and a write that fails at any piece
// leaves the book on disk as it was and no file of the save behind.
TEST(VeiligBewaren, ALargeBookIsWrittenInPiecesAndAFailedPieceTearsNothing) {
  auto maak = [](test::BoekInMap& boek) {
    VulKleinBoek(boek.kb);
    // Some 1.5 MB: more than one piece.
    for (int i = 0; i < 4000; ++i)
      test::VoegTransactieToe(boek.kb, 1, "201", MaakDatum(2008, 2, 1) + i % 300, -i, "Winkel " + std::to_string(i));
  };
  test::BoekInMap heel;
  maak(heel);
  const Bytes oud = SchrijfBoek(heel.kb);
  test::VoegTransactieToe(heel.kb, 1, "201", MaakDatum(2008, 3, 1), -7, "nieuw");
  const Bytes nieuw = SchrijfBoek(heel.kb);
  ASSERT_GT(nieuw.size(), std::size_t{1} << 20);

  // The steps of a save that goes well: where its writes are.
  std::vector<int> schrijfStappen;
  auto opgeslagen = [&](test::BoekInMap& boek) {
    maak(boek);
    test::SchrijfBytes(boek.BoekPad(), oud);
    test::VoegTransactieToe(boek.kb, 1, "201", MaakDatum(2008, 3, 1), -7, "nieuw");
  };
  {
    test::BoekInMap boek;
    opgeslagen(boek);
    test::FoutBestanden teller;
    boek.kb.poorten.bestandssysteem = teller;
    ASSERT_TRUE(BewaarBoek(boek.kb, false).Gelukt());
    EXPECT_EQ(test::LeesBytes(boek.BoekPad()), nieuw);
    for (std::size_t i = 0; i < teller.stappen.size(); ++i)
      if (teller.stappen[i] == "Schrijf") schrijfStappen.push_back(static_cast<int>(i));
  }
  EXPECT_GE(schrijfStappen.size(), 2u);

  for (const int stap : schrijfStappen) {
    SCOPED_TRACE("step " + std::to_string(stap) + " fails");
    test::BoekInMap boek;
    opgeslagen(boek);
    test::FoutBestanden schijf;
    schijf.faaltBij = stap;
    schijf.fout = ENOSPC;
    boek.kb.poorten.bestandssysteem = schijf;
    EXPECT_FALSE(BewaarBoek(boek.kb, false).Gelukt());
    EXPECT_EQ(schijf.stappen.at(static_cast<std::size_t>(stap)), "Schrijf (faalt)");
    EXPECT_EQ(test::LeesBytes(boek.BoekPad()), oud);
    EXPECT_EQ(test::TijdelijkeBestanden(boek.map.pad()), std::vector<fs::path>{});
    EXPECT_FALSE(boek.kb.sessie.Bewaard);
    // The next save puts the book in memory on disk whole.
    boek.kb.poorten.bestandssysteem = boek.bestanden;
    EXPECT_TRUE(BewaarBoek(boek.kb, false).Gelukt());
    EXPECT_EQ(test::LeesBytes(boek.BoekPad()), nieuw);
  }
}

// What stands in the way of a save is named; the book on disk and the
// thing in the way stay as they were.
TEST(VeiligBewaren, WhatStandsInTheWayIsNamedAndNothingIsLost) {
  struct Geval {
    const char* naam;
    std::function<void(OpgeslagenBoek&, test::FoutBestanden&)> zetKlaar;
    std::string reden;
  };
  const Geval gevallen[] = {
      {"a full disk",
       [](OpgeslagenBoek&, test::FoutBestanden& f) { f.faaltAltijd = {"Schrijf"}; f.fout = ENOSPC; },
       "schijf vol"},
      {"a folder the user may not write in",
       [](OpgeslagenBoek&, test::FoutBestanden& f) { f.faaltAltijd = {"MaakNieuw"}; f.fout = EACCES; },
       "geen toegang"},
      {"a read-only book",
       [](OpgeslagenBoek& s, test::FoutBestanden&) { ::chmod(s.boek.BoekPad().c_str(), 0444); },
       "is alleen-lezen"},
      {"a book that is a folder",
       [](OpgeslagenBoek& s, test::FoutBestanden&) {
         fs::remove(s.boek.BoekPad());
         fs::create_directories(s.boek.BoekPad() / "binnen");
       },
       "is een map"},
      {"a link to nothing",
       [](OpgeslagenBoek& s, test::FoutBestanden&) {
         fs::remove(s.boek.BoekPad());
         fs::create_symlink("weg/Valdr08.vdr", s.boek.BoekPad());
       },
       "verwijst naar "},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    OpgeslagenBoek s(true);
    test::FoutBestanden schijf;
    g.zetKlaar(s, schijf);
    s.boek.kb.poorten.bestandssysteem = schijf;
    const auto voor = fs::exists(s.boek.BoekPad()) && fs::is_regular_file(s.boek.BoekPad())
                          ? test::LeesBytes(s.boek.BoekPad())
                          : Bytes{};

    EXPECT_FALSE(BewaarBoek(s.boek.kb, false).Gelukt());
    ASSERT_EQ(s.boek.berichten.Teksten().size(), 1u);
    const std::string melding = s.boek.berichten.Teksten()[0];
    EXPECT_EQ(melding.rfind("Valdr08.vdr (" + g.reden, 0), 0u) << melding;
    EXPECT_NE(melding.find(") wegschrijven NIET gelukt"), std::string::npos) << melding;
    EXPECT_TRUE(s.boek.berichten.dialogen.empty()) << "no other name is asked for";
    if (!voor.empty()) {
      EXPECT_EQ(test::LeesBytes(s.boek.BoekPad()), voor);
    }
    EXPECT_FALSE(fs::exists(s.Reserve()));
    EXPECT_EQ(test::TijdelijkeBestanden(s.boek.map.pad()), std::vector<fs::path>{});
    EXPECT_EQ(s.boek.kb.KasLijst.back().Omschrijving, "nieuw");
  }
  OpgeslagenBoek s(true);
  ::chmod(s.boek.BoekPad().c_str(), 0444);
  static_cast<void>(BewaarBoek(s.boek.kb, false));
  struct stat st {};
  ASSERT_EQ(::stat(s.boek.BoekPad().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u) << "the owner's choice stands";
}

// A book reached through a symbolic link is saved into the link's target:
// the link stays, the target gets the posting, the backup lies beside it.
TEST(VeiligBewaren, ABookBehindALinkIsSavedIntoItsTarget) {
  OpgeslagenBoek s(true);
  const fs::path elders = s.boek.map / "elders";
  fs::create_directories(elders);
  fs::rename(s.boek.BoekPad(), elders / "Echt08.vdr");
  fs::create_symlink("elders/Echt08.vdr", s.boek.BoekPad());

  ASSERT_TRUE(BewaarBoek(s.boek.kb, false).Gelukt());
  EXPECT_TRUE(fs::is_symlink(s.boek.BoekPad()));
  EXPECT_EQ(test::LeesBytes(elders / "Echt08.vdr"), s.nieuw);
  EXPECT_EQ(test::LeesBytes(elders / "Echt08.~VD"), s.oud);
  EXPECT_FALSE(fs::exists(s.Reserve()));
  EXPECT_TRUE(s.boek.berichten.getoond.empty());
}

}  // namespace
}  // namespace valdero
