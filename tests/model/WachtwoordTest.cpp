#include <gtest/gtest.h>

#include "ScriptWachtwoord.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/WachtwoordOpslag.h"
#include "model/settings/Wachtwoord.h"

namespace valdero {
namespace {

using test::ScriptWachtwoord;
using test::TestBoek;

TEST(ControleerWachtwoord, ABookWithoutPasswordOpensWithoutAQuestion) {
  TestBoek boek;
  BewaarWachtwoord(boek->GroepLijst[0], kGeenWachtwoord);
  ScriptWachtwoord script;
  EXPECT_TRUE(ControleerWachtwoord(*boek, script));
  EXPECT_TRUE(script.getoond.empty());
  EXPECT_TRUE(boek->sessie.WachtwoordGeaccepteerd);
}

TEST(ControleerWachtwoord, ThreeTriesThenTheStopText) {
  struct Geval {
    const char* naam;
    std::vector<std::string> invoer;
    bool toegang;
    std::vector<std::string> statussen;
  };
  const Geval gevallen[] = {
      {"right at once", {"Sesam1"}, true, {"Sluit invoer af met <Enter>"}},
      {"case matters, then right",
       {"sesam1", "Sesam1"},
       true,
       {"Sluit invoer af met <Enter>", " FOUT opnieuw !"}},
      {"three wrong answers",
       {"a", "b", "c", ""},
       false,
       {"Sluit invoer af met <Enter>", " FOUT opnieuw !", " FOUT opnieuw !",
        " FOUT STOP! Geen toegang, By  By..."}},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    TestBoek boek;
    BewaarWachtwoord(boek->GroepLijst[0], "Sesam1");
    ScriptWachtwoord script;
    for (const auto& t : g.invoer) script.antwoorden.push_back({1, t});
    EXPECT_EQ(ControleerWachtwoord(*boek, script), g.toegang);
    EXPECT_EQ(script.Statussen(), g.statussen);
    EXPECT_EQ(script.getoond[0].Label, "Geef Wachtwoord(6 tekens)");
    EXPECT_EQ(script.getoond[0].Titel, "  VALDERO - W A C H T W O O R D ");
    EXPECT_FALSE(script.getoond[0].SchrapZichtbaar);
    if (!g.toegang) {
      EXPECT_FALSE(script.getoond.back().InvoerZichtbaar);
      EXPECT_FALSE(script.getoond.back().LabelZichtbaar);
    }
  }
}

TEST(ZetWachtwoord, TypedTwiceItBecomesThePasswordAndIsSaved) {
  test::TestMap map;
  TestBoek boek;
  boek.Rekening(1, "Giro");
  boek->sessie.Map = map.pad();
  boek->sessie.KasNaam = "Slot26";
  boek->sessie.KasPad = "Slot26.vdr";
  boek.berichten.Bestand((map.pad() / "Slot26.vdr").string());
  ScriptWachtwoord script;
  script.antwoorden = {{1, "kort"}, {1, "Abc123"}, {1, "Abc124"}, {1, "Xyz789"}, {1, "Xyz789"}};
  EXPECT_TRUE(ZetWachtwoord(*boek, script));
  EXPECT_EQ(boek->Wachtwoord, "Xyz789");
  EXPECT_EQ(script.Statussen(),
            (std::vector<std::string>{"Gebruik zowel HOOFD -als kleine-letters", " Niet juist !, Opnieuw",
                                      "Voer nogmaals in, ter CONTROLE", " Niet juist !, Opnieuw",
                                      "Voer nogmaals in, ter CONTROLE"}));
  EXPECT_EQ(script.getoond[0].Label, "Zet wachtwoord (6 tekens)");
  EXPECT_TRUE(script.getoond[0].SchrapZichtbaar);
  EXPECT_EQ(LaadWachtwoord(*boek), "Xyz789");
  EXPECT_TRUE(std::filesystem::exists(map.pad() / "Slot26.vdr"));
}

TEST(ZetWachtwoord, SchrapKeepsTheOldPassword) {
  TestBoek boek;
  boek->Wachtwoord = "Oud123";
  ScriptWachtwoord script;
  script.antwoorden = {{1, "Nieuw1"}, {1, "Nieuw2"}, {2, ""}};
  EXPECT_FALSE(ZetWachtwoord(*boek, script));
  EXPECT_EQ(boek->Wachtwoord, "Oud123");
}

TEST(ZetWachtwoord, APasswordTheFileCannotHoldIsRefused) {
  TestBoek boek;
  ScriptWachtwoord script;
  script.antwoorden = {{1, "日本語abc"}, {2, ""}};
  EXPECT_FALSE(ZetWachtwoord(*boek, script));
  EXPECT_EQ(script.getoond.at(1).Status, " Niet juist !, Opnieuw");
}


// The password is the book's from the moment it is read: a save on any path
// (a tool, a command that never ran the check) keeps it, never writes the
// no-password value over it.
TEST(ControleerWachtwoord, ASaveOnAnyPathKeepsTheBooksPassword) {
  test::TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 5});
  {
    test::BoekMetPoorten boek(MaakDatum(2008, 5, 2));
    boek.kb.sessie.Map = map.pad();
    ASSERT_EQ(StartBoek(boek.kb, true, "Huis08"), LaadUitkomst::Geladen);
    boek.kb.Wachtwoord = "Geheim";
    ASSERT_TRUE(BewaarBoek(boek.kb, false).Gelukt());
  }
  test::BoekMetPoorten boek(MaakDatum(2008, 5, 2));
  boek.kb.sessie.Map = map.pad();
  ASSERT_EQ(StartBoek(boek.kb, true, "Huis08"), LaadUitkomst::Geladen);
  EXPECT_FALSE(boek.kb.sessie.WachtwoordGeaccepteerd);
  ASSERT_TRUE(BewaarBoek(boek.kb, false).Gelukt());
  test::BoekMetPoorten na(MaakDatum(2008, 5, 2));
  na.kb.sessie.Map = map.pad();
  ASSERT_EQ(StartBoek(na.kb, true, "Huis08"), LaadUitkomst::Geladen);
  EXPECT_EQ(LaadWachtwoord(na.kb), "Geheim");
}
}  // namespace
}  // namespace valdero
