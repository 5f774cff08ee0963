#include <gtest/gtest.h>

#include "model/core/Records.h"
#include "model/core/Utf8.h"
#include "model/core/Windows1252.h"

namespace valdero {
namespace {

TEST(Records, KasRoundTripKeepsReservedBytesAndStringTails) {
  std::array<std::uint8_t, TKas::Grootte> beeld{};
  for (std::size_t i = 0; i < beeld.size(); ++i) beeld[i] = static_cast<std::uint8_t>(i * 7 + 3);
  beeld[6] = 3;    // GroepKode length
  beeld[11] = 2;   // ActieKode length
  beeld[22] = 12;  // TegenRekNr length
  beeld[35] = 10;  // Relatie length
  beeld[84] = 200; // Omschrijving length
  TKas kas;
  kas.Lees(beeld.data());
  std::array<std::uint8_t, TKas::Grootte> terug{};
  kas.Schrijf(terug.data());
  EXPECT_EQ(beeld, terug);
}

TEST(Records, ShortenedTextKeepsTheOldTailBytes) {
  TBank bank;
  bank.Naam = "Betaalrekening";
  std::array<std::uint8_t, TBank::Grootte> eerste{};
  bank.Schrijf(eerste.data());
  bank.Lees(eerste.data());
  bank.Naam = "Giro";
  std::array<std::uint8_t, TBank::Grootte> tweede{};
  bank.Schrijf(tweede.data());
  EXPECT_EQ(tweede[4], 4);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(&tweede[5]), 14), "Giroalrekening");
}

TEST(Windows1252, EveryByteSurvivesTheTripThroughUtf8) {
  std::string alle;
  for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
  EXPECT_EQ(Utf8NaarCp1252(Cp1252NaarUtf8(alle)), alle);
  EXPECT_EQ(Cp1252NaarUtf8("\x80"), "€");
  EXPECT_EQ(Utf8NaarCp1252("Kopiëren €"), "Kopi\xEBren \x80");
  EXPECT_EQ(Utf8NaarCp1252("日"), "?");
}

// Bytes that are no UTF-8 (a stray continuation byte, a character cut short)
// count one character each, as VolgendTeken steps over them, so cutting the
// last character off always shortens the text.
TEST(Windows1252, InvalidUtf8CountsAsVolgendTekenWalks) {
  struct Geval {
    const char* tekst;
    std::size_t tekens;
  };
  for (const Geval& g : {Geval{"\x81", 1}, Geval{"a\x81\x81" "b", 4}, Geval{"\xe2\x82", 2}, Geval{"\xc3", 1},
                         Geval{"\xe2\x82\xac\x80", 2}, Geval{"Caf\xc3\xa9", 4}}) {
    EXPECT_EQ(AantalTekens(g.tekst), g.tekens) << g.tekst;
    const std::string tekst = g.tekst;
    EXPECT_LT(EersteTekens(tekst, AantalTekens(tekst) - 1).size(), tekst.size()) << g.tekst;
  }
}

// One strict decoder: what the JSON writer refuses, the book's texts do not
// count as a character either.
TEST(Windows1252, OnlyWellFormedUtf8IsACharacter) {
  struct Geval {
    const char* naam;
    std::string tekst;
    bool geldig;
  };
  const Geval gevallen[] = {
      {"euro sign", "\xE2\x82\xAC", true},
      {"highest point", "\xF4\x8F\xBF\xBF", true},
      {"overlong slash", "\xC0\xAF", false},
      {"overlong three bytes", "\xE0\x80\xAF", false},
      {"surrogate", "\xED\xA0\x80", false},
      {"beyond Unicode", "\xF4\x90\x80\x80", false},
      {"cut off", "\xE2\x82", false},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    EXPECT_EQ(IsGeldigeUtf8(g.tekst), g.geldig);
    std::size_t pos = 0;
    const auto teken = LeesUtf8Teken(g.tekst, pos);
    EXPECT_EQ(teken.has_value(), g.geldig);
    EXPECT_EQ(pos, g.geldig ? g.tekst.size() : 1u);
    EXPECT_EQ(AantalTekens(g.tekst), g.geldig ? 1u : g.tekst.size());
  }
}

TEST(Windows1252, LengthLimitsCountCharacters) {
  TBank bank;
  bank.Naam = std::string(40, 'x');
  bank.RekNrTekst = "éééééé";
  std::array<std::uint8_t, TBank::Grootte> beeld{};
  bank.Schrijf(beeld.data());
  TBank terug;
  terug.Lees(beeld.data());
  EXPECT_EQ(terug.Naam, std::string(32, 'x'));
  EXPECT_EQ(terug.RekNrTekst, "éééé");
  EXPECT_EQ(AantalTekens("éééé"), 4u);
}

}  // namespace
}  // namespace valdero
