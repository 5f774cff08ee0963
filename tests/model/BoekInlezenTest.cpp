// Opening a book reads its file a piece at a time and keeps a transaction's
// image only when it holds more than the fields: what is written back must
// still be every byte that was read.

#include <gtest/gtest.h>

#include <algorithm>

#include "FoutBestanden.h"
#include "TestBoek.h"
#include "model/core/ByteImage.h"
#include "model/core/Voortgang.h"
#include "model/storage/BoekBestand.h"

namespace valdero {
namespace {

using test::BoekInMap;
using Bytes = std::vector<std::uint8_t>;

Bytes SchoneKas() {
  TKas kas;
  kas.Index = 3;
  kas.RekNr = 1;
  kas.GroepKode = "201";
  kas.ActieKode = "A";
  kas.TegenRekNr = "NL01BANK";
  kas.Relatie = "Bakker de Vries";
  kas.Omschrijving = "brood en koek";  // one character beyond ASCII
  kas.Omschrijving += "\xC3\xA9";
  kas.Bedrag = -4.5;
  Bytes beeld(TKas::Grootte);
  kas.Schrijf(beeld.data());
  return beeld;
}

TEST(BoekInlezen, ATransactionKeepsItsImageOnlyWhenTheFieldsCannotGiveItBack) {
  struct Geval {
    const char* wat;
    std::size_t plek;
    std::uint8_t waarde;
    bool bewaard;
  };
  const Geval gevallen[] = {
      {"a clean record", 0, 3, false},  // byte 0 is the index: a field
      {"text after the description's length", 84 + 1 + 20, 'x', true},
      {"the last byte of the description's room", 339, 'x', true},
      {"text after the group code", 6 + 1 + 3, '9', true},
      {"a reserved byte between the fields", 346, 0x7F, true},
      {"the last reserved byte", 381, 1, true},
      {"the investment flag", 348, 1, false},
  };
  for (const Geval& g : gevallen) {
    Bytes beeld = SchoneKas();
    beeld[g.plek] = g.waarde;
    TKas kas;
    kas.Lees(beeld.data());
    EXPECT_EQ(kas.ruw.Leeg(), !g.bewaard) << g.wat;
    Bytes terug(TKas::Grootte, 0xEE);
    kas.Schrijf(terug.data());
    EXPECT_EQ(terug, beeld) << g.wat;
  }
}

TEST(BoekInlezen, AChangedRecordWritesItsKeptBytesAndNewFields) {
  Bytes beeld = SchoneKas();
  beeld[370] = 0x42;
  TKas kas;
  kas.Lees(beeld.data());
  TKas kopie = kas;  // a copy keeps its own image
  kopie.Omschrijving = "x";
  kas.ruw[370] = 0;
  Bytes terug(TKas::Grootte);
  kopie.Schrijf(terug.data());
  EXPECT_EQ(terug[370], 0x42);
  EXPECT_EQ(bytes::LeesShortStr(&terug[84], 255), "x");
  kas.Schrijf(terug.data());
  EXPECT_EQ(terug[370], 0);
}

struct OpnameVoortgang final : Voortgang {
  std::vector<std::string> begonnen;
  std::vector<std::uint64_t> stappen;
  std::uint64_t totaal = 0;
  int einden = 0;
  void Begin(std::string_view wat, std::uint64_t t) override {
    begonnen.emplace_back(wat);
    totaal = t;
  }
  void Stap(std::uint64_t gedaan) override { stappen.push_back(gedaan); }
  void Einde() override { ++einden; }
};

// A book large enough to be read in many pieces, with records across the
// borders of the pieces.
Bytes GrootBoek(BoekInMap& boek, int aantal) {
  test::VoegRekeningToe(boek.kb, 1, "Giro");
  test::VoegGroepToe(boek.kb, "201", "Boodschappen", " U ");
  for (int i = 1; i <= aantal; ++i) {
    TKas& kas = test::VoegTransactieToe(boek.kb, 1, "201", MaakDatum(2008, 1 + i % 12, 1), -i * 0.25,
                                        "boeking " + std::to_string(i));
    if (i % 97 == 0) kas.ruw[366] = static_cast<std::uint8_t>(i);
  }
  const Bytes bestand = SchrijfBoek(boek.kb);
  test::SchrijfBytes(boek.BoekPad(), bestand);
  return bestand;
}

TEST(BoekInlezen, ALargeBookReadInPiecesIsTheWholeBookWithProgress) {
  BoekInMap boek;
  const Bytes bestand = GrootBoek(boek, 3000);
  ASSERT_GT(bestand.size(), 1'000'000u);
  OpnameVoortgang voortgang;
  boek.kb.poorten.voortgang = voortgang;

  ASSERT_TRUE(OpenBoek(boek.kb, false).Gelukt());
  EXPECT_EQ(boek.kb.MaxKas(), 3000);
  EXPECT_EQ(boek.kb.KasLijst[2999].Omschrijving, "boeking 2999");
  EXPECT_EQ(SchrijfBoek(boek.kb), bestand);

  EXPECT_EQ(voortgang.begonnen, std::vector<std::string>{"Inlezen Valdr08.vdr"});
  EXPECT_EQ(voortgang.totaal, bestand.size());
  EXPECT_EQ(voortgang.einden, 1);
  ASSERT_FALSE(voortgang.stappen.empty());
  EXPECT_TRUE(std::is_sorted(voortgang.stappen.begin(), voortgang.stappen.end()));
  EXPECT_LE(voortgang.stappen.size(), 101u);
  EXPECT_EQ(voortgang.stappen.back(), bestand.size());
}

TEST(BoekInlezen, AReadErrorHalfWayIsAFailureNeverAShorterBook) {
  BoekInMap boek;
  GrootBoek(boek, 3000);
  test::FoutBestanden bestanden;
  boek.kb.poorten.bestandssysteem = bestanden;
  // The look at the first bytes (is it sealed?) opens, reads and closes;
  // then open, the first piece, and the second piece fails.
  bestanden.faaltBij = 5;

  EXPECT_EQ(OpenBoek(boek.kb, false), Status(FoutNr::InlezenMislukt));
  EXPECT_TRUE(boek.kb.KasLijst.empty());
  EXPECT_TRUE(boek.kb.RekLijst.empty());
  EXPECT_FALSE(boek.kb.KasGelezen);
  ASSERT_EQ(boek.berichten.getoond.size(), 1u);
  EXPECT_NE(boek.berichten.getoond[0].tekst.find("Valdr08.vdr"), std::string::npos);
}

TEST(BoekInlezen, AFileShorterThanItsCountsIsTheDamagedSection) {
  BoekInMap boek;
  Bytes bestand = GrootBoek(boek, 3000);
  bestand.resize(bestand.size() - 1000);
  test::SchrijfBytes(boek.BoekPad(), bestand);
  EXPECT_EQ(OpenBoek(boek.kb, false), Status(Sectie::Transacties));
  EXPECT_EQ(boek.kb.MaxKas(), 0) << "only the dummy";
}

}  // namespace
}  // namespace valdero
