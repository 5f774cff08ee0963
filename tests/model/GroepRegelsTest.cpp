#include <gtest/gtest.h>

#include "GroepTestBoek.h"
#include "model/groups/GroepWeergave.h"
#include "model/groups/GroepRegels.h"

namespace valdero {
namespace {

using test::GroepBoek;
using Teksten = std::vector<std::string>;

struct KodeGeval {
  const char* naam;
  const char* kode;
  const char* huidig;  // the group's code before a change; empty when creating
  bool toegestaan;
  Teksten meldingen;
};

const std::string kRekeningKode = " is gelijk aan RekeningCode,\rInvoeren/wijzigen niet toegestaan";

class KodeRegels : public testing::TestWithParam<KodeGeval> {};

TEST_P(KodeRegels, RefusesWithItsMessages) {
  const KodeGeval& g = GetParam();
  GroepBoek b;
  EXPECT_EQ(KodeToegestaan(b.kb, g.kode, g.huidig), g.toegestaan);
  EXPECT_EQ(b.berichten.Teksten(), g.meldingen);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, KodeRegels,
    testing::Values(
        KodeGeval{"HoofdKode", "410", "", true, {}},
        KodeGeval{"SubKode", "41a", "", true, {}},
        KodeGeval{"VierTekens", "410a", "", true, {}},
        KodeGeval{"Belegging", "E100", "", true, {}},
        KodeGeval{"TweeCijfersIsRekeningKode", "41", "", false, {"Kode :41" + kRekeningKode}},
        KodeGeval{"LegeKode", "", "", false, {"Kode :" + kRekeningKode}},
        KodeGeval{"EenStreepje", "4-10", "", false, {"Groep kode :4-10 niet juist"}},
        KodeGeval{"TweeStreepjes", "4--1", "", false,
                  {"Groep kode :4--1 niet juist", "Groep kode :4--1 niet juist"}},
        KodeGeval{"Spatie", "41 a", "", false, {"Groep kode :41 a niet juist"}},
        KodeGeval{"Accentletter", "41é", "", false, {"Groep kode :41é niet juist"}},
        KodeGeval{"WijzigenVanGewoneGroep", "420", "410", true, {}},
        KodeGeval{"RekeningGroepBlijft", "420", "12", false,
                  {"Bestaande Kode = 12 \rBankKode alleen wijzigen met RekeningNummer"}}),
    [](const testing::TestParamInfo<KodeGeval>& geval) { return geval.param.naam; });

TEST(KodeRegels, MessageKindsAreWarningForAccountCodeAndErrorForCharacters) {
  GroepBoek b;
  KodeToegestaan(b.kb, "41");
  KodeToegestaan(b.kb, "4-10");
  ASSERT_EQ(b.berichten.getoond.size(), 2u);
  EXPECT_EQ(b.berichten.getoond[0].soort, BerichtSoort::Waarschuwing);
  EXPECT_EQ(b.berichten.getoond[1].soort, BerichtSoort::Fout);
}

struct UniekGeval {
  const char* naam;
  const char* kode;
  const char* titel;
  int uitgezonderd;
  bool uniek;
  Teksten meldingen;
};

class Uniciteit : public testing::TestWithParam<UniekGeval> {};

TEST_P(Uniciteit, FirstClashInListOrderIsReported) {
  const UniekGeval& g = GetParam();
  GroepBoek b;
  b.Groep("201", "Auto").Groep("410", "Salaris").Groep("420", "Auto2");
  TBudget groep;
  groep.Kode = g.kode;
  groep.Naam = g.titel;
  EXPECT_EQ(GroepUniek(b.kb, groep, g.uitgezonderd), g.uniek);
  EXPECT_EQ(b.berichten.Teksten(), g.meldingen);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, Uniciteit,
    testing::Values(
        UniekGeval{"Nieuw", "430", "Huur", 0, true, {}},
        UniekGeval{"ZelfdeTitel", "430", "Salaris", 0, false, {"Titel :Salaris is al gebruikt"}},
        UniekGeval{"ZelfdeKode", "410", "Loon", 0, false, {"Groepkode :410 bestaat al!"}},
        // Group 1 clashes by code before group 2 by title.
        UniekGeval{"EersteBotsingTelt", "201", "Salaris", 0, false, {"Groepkode :201 bestaat al!"}},
        UniekGeval{"EigenPositieTeltNiet", "410", "Salaris", 2, true, {}},
        UniekGeval{"PlaatshouderVrij", "zzzz", "Auto", 0, true, {}},
        UniekGeval{"LegeTitelKodeTeltWel", "201", "", 0, false, {"Groepkode :201 bestaat al!"}},
        UniekGeval{"KodesHoofdlettergevoelig", "E10", "Beurs", 0, true, {}}),
    [](const testing::TestParamInfo<UniekGeval>& geval) { return geval.param.naam; });

TEST(GroepWeergave, ConvertsBetweenYearAndShownAmounts) {
  struct {
    const char* naam;
    GroepWeergave w;
    double jaar;
    double getoond;
  } gevallen[] = {
      {"jaar", {2, 1}, -1200, -1200},
      {"maand", {3, 12}, 600, 50},
      {"kwartaal", {4, 4}, -1200, -300},
      {"periode 4 weken", {5, 4}, -1200, -1200.0 * 4 / 52},
      {"periode 26 weken", {5, 26}, 1000, 500},
      {"nooit gekozen", {0, 0}, 700, 700},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    EXPECT_NEAR(g.w.Getoond(g.jaar), g.getoond, 1e-9);
    EXPECT_NEAR(g.w.NaarJaar(g.getoond), g.jaar, 1e-9);
  }
}

TEST(HernoemGroepInKas, AsksOnceForAllTransactionsAndRenamesThemOnJa) {
  GroepBoek b;
  b.Rekening(1, "Giro").Groep("410", "Loon").Kas(1, "410", 5).Kas(1, "201", 3).Kas(1, "410", 7);
  b.berichten.Antwoord(antwoord::Ja);
  EXPECT_EQ(HernoemGroepInKas(b.kb, "410", "411"), 2);
  EXPECT_EQ(b.kb.KasLijst[1].GroepKode, "411");
  EXPECT_EQ(b.kb.KasLijst[2].GroepKode, "201");
  EXPECT_EQ(b.kb.KasLijst[3].GroepKode, "411");
  EXPECT_EQ(b.berichten.Teksten(),
            (Teksten{"Groepkode 410 vervangen door kode 411\rvoor alle 2 transacties met deze kode"}));
  EXPECT_EQ(HernoemGroepInKas(b.kb, "zzzz", "410"), 0);
}

TEST(HernoemGroepInKas, NeeKeepsEveryTransactionAndNoTransactionsAsksNothing) {
  GroepBoek b;
  b.Rekening(1, "Giro").Groep("410", "Loon").Kas(1, "410", 5);
  b.berichten.Antwoord(antwoord::Nee);
  EXPECT_EQ(HernoemGroepInKas(b.kb, "410", "411"), 0);
  EXPECT_EQ(b.kb.KasLijst[1].GroepKode, "410");
  EXPECT_EQ(b.berichten.Teksten(),
            (Teksten{"Groepkode 410 vervangen door kode 411\rvoor de transactie met deze kode"}));
  EXPECT_EQ(HernoemGroepInKas(b.kb, "300", "301"), 0);
  EXPECT_EQ(b.berichten.Teksten().size(), 1u);
}

}  // namespace
}  // namespace valdero
