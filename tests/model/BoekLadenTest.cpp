#include "model/storage/BoekLaden.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "model/core/BoekNaam.h"
#include "model/core/SaldoMatrix.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;
using test::SchrijfVoorbeeld;
using test::TestMap;
using test::VoegGroepToe;
using test::VoegRekeningToe;
using test::VoorbeeldBestand;

// A program about to start on 15 March of `jaar` in a folder of its own.
struct Start : BoekMetPoorten {
  explicit Start(int jaar) : BoekMetPoorten(MaakDatum(jaar, 3, 15)) { kb.sessie.Map = map.pad(); }
  TestMap map;
};

struct ZoekGeval {
  const char* naam;
  std::vector<std::string> boeken;  // present in the folder
  std::string argument;
  LaadUitkomst uitkomst;
  std::string kasNaam;
  std::string kasJaar;
};

class BoekZoeken : public testing::TestWithParam<ZoekGeval> {};

TEST_P(BoekZoeken, StartUpLooksForTheArgumentThenTheDefaultNamesThenAsks) {
  const ZoekGeval& g = GetParam();
  Start s(2009);
  for (const auto& boek : g.boeken) SchrijfVoorbeeld(s.map.pad(), boek);

  EXPECT_EQ(LaadBoek(s.kb, true, g.argument), g.uitkomst);
  EXPECT_EQ(s.kb.sessie.HuidigJaar, "2009");
  if (g.uitkomst == LaadUitkomst::NietsGekozen) {
    EXPECT_EQ(s.kb.sessie.KasPad, "*.vdr");
    ASSERT_EQ(s.berichten.dialogen.size(), 1u);
    EXPECT_EQ(s.berichten.dialogen[0].titel, "Ópen Valdero");
    EXPECT_FALSE(s.kb.RekGelezen || s.kb.GroepGelezen || s.kb.KasGelezen);
    return;
  }
  EXPECT_TRUE(s.berichten.dialogen.empty());
  EXPECT_EQ(s.kb.sessie.KasNaam, g.kasNaam);
  EXPECT_EQ(s.kb.sessie.KasPad, g.kasNaam + ".vdr");
  EXPECT_EQ(s.kb.sessie.ConfigPad, g.kasNaam + ".cfg");
  EXPECT_EQ(s.kb.KasJaar, g.kasJaar);
  EXPECT_EQ(s.kb.StartDatum, MaakDatum(std::stoi(g.kasJaar), 1, 1));
  EXPECT_TRUE(s.kb.RekGelezen && s.kb.GroepGelezen && s.kb.KasGelezen);
  EXPECT_TRUE(s.kb.ConfigAanwezig);
  EXPECT_EQ(s.kb.IOStatus, 0);
  // At start-up the successful load is not announced, and the configuration
  // beside the book was found.
  EXPECT_TRUE(s.berichten.getoond.empty()) << s.berichten.Teksten()[0];
}

INSTANTIATE_TEST_SUITE_P(
    LaadBoek, BoekZoeken,
    testing::Values(
        ZoekGeval{"ArgumentNamesTheBook", {"Huis08", "Valdr09"}, "Huis08", LaadUitkomst::Geladen, "Huis08", "2008"},
        ZoekGeval{"ArgumentWithItsExtension", {"Huis08"}, "Huis08.vdr", LaadUitkomst::Geladen, "Huis08", "2008"},
        ZoekGeval{"TwoDigitDefaultFirst", {"Valdr09", "Valdr2009"}, "", LaadUitkomst::Geladen, "Valdr09", "2009"},
        ZoekGeval{"FourDigitDefaultNext", {"Valdr2009"}, "", LaadUitkomst::Geladen, "Valdr2009", "2009"},
        // A book named that is not there is said to be missing; the year's
        // default never stands in for it.
        ZoekGeval{"MissingArgumentIsNotReplacedByADefault", {"Valdr09", "Valdr2009"}, "Huis08",
                  LaadUitkomst::NietsGekozen, "", ""},
        ZoekGeval{"MissingArgumentDoesNotTryTheTwoDigitDefault", {"Valdr09"}, "Huis08",
                  LaadUitkomst::NietsGekozen, "", ""},
        ZoekGeval{"LastYearsBookIsNotTaken", {"Valdr08"}, "", LaadUitkomst::NietsGekozen, "", ""},
        ZoekGeval{"NothingThereAndTheDialogCancelled", {}, "", LaadUitkomst::NietsGekozen, "", ""}),
    [](const testing::TestParamInfo<ZoekGeval>& info) { return std::string(info.param.naam); });

TEST(LaadBoek, TheOpenDialogChoosesTheBookAndItsFolder) {
  Start s(2009);
  const fs::path archief = s.map / "archief";
  fs::create_directories(archief);
  SchrijfVoorbeeld(archief, "Boek07", {.jaar = 2007});
  s.berichten.Bestand((archief / "Boek07.vdr").string());

  ASSERT_EQ(LaadBoek(s.kb, true), LaadUitkomst::Geladen);
  ASSERT_EQ(s.berichten.dialogen.size(), 1u);
  EXPECT_EQ(s.berichten.dialogen[0].map, s.map.pad().string());
  EXPECT_EQ(s.kb.sessie.KasNaam, "Boek07");
  EXPECT_EQ(s.kb.KasJaar, "2007");
  EXPECT_EQ(s.kb.sessie.Map, archief);
  EXPECT_TRUE(s.kb.KasGelezen);
  // The configuration came from the chosen folder, not from the defaults.
  EXPECT_TRUE(s.berichten.getoond.empty());
  EXPECT_FALSE(fs::exists(s.map / "Boek07.cfg"));
}

// A double-click in a file manager starts the program in another folder with
// the book's full path; a relative path works the same way.
TEST(LaadBoek, ABookGivenByPathIsLoadedFromItsOwnFolder) {
  for (const bool volledig : {true, false}) {
    Start s(2009);
    const fs::path archief = s.map / "archief";
    fs::create_directories(archief);
    SchrijfVoorbeeld(archief, "Boek07", {.jaar = 2007});
    const std::string pad = volledig ? (archief / "Boek07.vdr").string() : "archief/Boek07.vdr";

    const std::string naam = BoekArgumentInMap(s.kb, pad);
    ASSERT_EQ(LaadBoek(s.kb, true, naam), LaadUitkomst::Geladen) << pad;
    EXPECT_TRUE(s.berichten.dialogen.empty()) << pad;
    EXPECT_EQ(s.kb.sessie.KasNaam, "Boek07") << pad;
    EXPECT_EQ(s.kb.KasJaar, "2007") << pad;
    EXPECT_EQ(fs::weakly_canonical(s.kb.sessie.Map), fs::weakly_canonical(archief)) << pad;
    EXPECT_TRUE(s.kb.KasGelezen && s.kb.ConfigAanwezig) << pad;
    EXPECT_TRUE(s.berichten.getoond.empty()) << pad;
  }
  // A bare name stays in the folder the program started in.
  Start s(2009);
  EXPECT_EQ(BoekArgumentInMap(s.kb, "Valdr09"), "Valdr09");
  EXPECT_EQ(s.kb.sessie.Map, s.map.pad());
}

TEST(LaadBoek, ANameWithoutAYearAsksWhetherToGoOn) {
  for (const int antwoord : {antwoord::Nee, antwoord::Ja}) {
    SCOPED_TRACE(antwoord == antwoord::Ja ? "Ja" : "Nee");
    Start s(2009);
    SchrijfVoorbeeld(s.map.pad(), "Kasboek");
    s.berichten.standaardAntwoord = antwoord;

    const LaadUitkomst u = LaadBoek(s.kb, true, "Kasboek");
    ASSERT_GE(s.berichten.getoond.size(), 2u);
    EXPECT_EQ(s.berichten.getoond[0].soort, BerichtSoort::Fout);
    EXPECT_EQ(s.berichten.getoond[0].tekst.rfind("Kasboek heeft verkeerd formaat", 0), 0u);
    EXPECT_EQ(s.berichten.getoond[1].tekst,
              "Wilt u doorgaan? Zoniet gebruik dan versie 5.x van Valdero!Kasboek.vdr");
    EXPECT_EQ(s.berichten.getoond[1].knoppen, knop::JaNee);
    EXPECT_EQ(s.kb.KasJaar, "ek");
    if (antwoord == antwoord::Nee) {
      EXPECT_EQ(u, LaadUitkomst::Gestopt);
      EXPECT_FALSE(s.kb.RekGelezen || s.kb.KasGelezen);
      EXPECT_EQ(s.berichten.getoond.size(), 2u);
    } else {
      EXPECT_EQ(u, LaadUitkomst::Geladen);
      EXPECT_TRUE(s.kb.KasGelezen);
      EXPECT_EQ(s.kb.IOStatus, 0);
      // "ek" is no year: the book starts on 1 January of this year.
      EXPECT_EQ(s.kb.StartDatum, MaakDatum(2009, 1, 1));
    }
  }
}

TEST(LaadBoek, AfterOpenTheLoadIsAnnouncedAndTheCallersNameKept) {
  Start s(2009);
  SchrijfVoorbeeld(s.map.pad(), "Huis08");
  SchrijfVoorbeeld(s.map.pad(), "Valdr09", {.jaar = 2009});
  s.kb.sessie.KasNaam = "Huis08";

  ASSERT_EQ(LaadBoek(s.kb, false, "Valdr09"), LaadUitkomst::Geladen);
  EXPECT_EQ(s.kb.sessie.KasNaam, "Huis08");
  EXPECT_EQ(s.berichten.Teksten(), std::vector<std::string>{"Inlezen ValderoStream gelukt"});
  EXPECT_TRUE(s.kb.sessie.EersteBewaring);
}

TEST(LaadBoek, ABookWithoutConfigurationGetsTheDefaultsWritten) {
  Start s(2008);
  SchrijfVoorbeeld(s.map.pad(), "Valdr08", {.metConfig = false});
  ASSERT_EQ(LaadBoek(s.kb, true), LaadUitkomst::Geladen);
  EXPECT_EQ(s.berichten.Teksten(),
            std::vector<std::string>{"Configuratie bestand bestaat niet\rStandaard bestand wordt aangemaakt"});
  EXPECT_TRUE(fs::exists(s.map / "Valdr08.cfg"));
  EXPECT_EQ(s.kb.AantalKlassen(), 16);
}

TEST(LaadBoek, ABookWithoutAccountsLeavesNothingReadAndWritesNoConfiguration) {
  Start s(2008);
  // Only the three counts, the first of them 0.
  test::SchrijfBytes(s.map / "Valdr08.vdr", {0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0});
  ASSERT_EQ(LaadBoek(s.kb, true), LaadUitkomst::Geladen);
  EXPECT_EQ(s.kb.IOStatus, 1);
  EXPECT_FALSE(s.kb.RekGelezen || s.kb.GroepGelezen || s.kb.KasGelezen);
  EXPECT_EQ(s.kb.AantalValuta(), 11);  // the defaults, in memory only
  EXPECT_FALSE(fs::exists(s.map / "Valdr08.cfg"));
  ASSERT_EQ(s.berichten.getoond.size(), 1u);
  EXPECT_EQ(s.berichten.getoond[0].tekst.rfind("Inlezen van Rekening heeft verkeerd formaat", 0), 0u);

  s.berichten.Wis();
  EXPECT_TRUE(VernieuwBoek(s.kb).Gelukt());
  EXPECT_TRUE(s.kb.SaldoMatrix().empty());
  EXPECT_TRUE(s.berichten.getoond.empty());
}

TEST(LaadBoek, ARefusedOldBookStopsTheLoad) {
  Start s(2008);
  SchrijfVoorbeeld(s.map.pad(), "Valdr08", {.geschreven = MaakDatum(2005, 6, 1)});
  EXPECT_EQ(LaadBoek(s.kb, true), LaadUitkomst::Gestopt);
  EXPECT_EQ(s.kb.IOStatus, 4);
  EXPECT_FALSE(s.kb.RekGelezen);
  EXPECT_FALSE(s.kb.ConfigAanwezig);
  ASSERT_FALSE(s.berichten.getoond.empty());
  EXPECT_EQ(s.berichten.getoond[0].soort, BerichtSoort::Bevestig);
}

TEST(LaadBoek, TheRelationsOfThePreviousBookAreGone) {
  Start s(2008);
  SchrijfVoorbeeld(s.map.pad(), "Valdr08");
  SchrijfVoorbeeld(s.map.pad(), "Zonder08", {.metRelaties = false});
  ASSERT_EQ(StartBoek(s.kb, true), LaadUitkomst::Geladen);
  ASSERT_TRUE(s.kb.RelatiesAanwezig);
  ASSERT_GT(s.kb.RelatieLijst.size(), 1u);

  ASSERT_EQ(StartBoek(s.kb, true, "Zonder08"), LaadUitkomst::Geladen);
  EXPECT_FALSE(s.kb.RelatiesAanwezig);
  EXPECT_TRUE(s.kb.RelatieLijst.empty());
  EXPECT_EQ(s.kb.MaxRelatie(), 0);
}

TEST(VernieuwBoek, TransactionsWithoutAccountsOrGroupsAreReported) {
  Start s(2008);
  // A matrix left over from another book, of one account and one group.
  VoegRekeningToe(s.kb, 1, "Kas");
  VoegGroepToe(s.kb, "1", "Huis");
  HerbouwSaldoMatrix(s.kb);
  s.kb.RekLijst.resize(1);
  s.kb.GroepLijst.resize(1);
  ASSERT_FALSE(s.kb.SaldoMatrix().empty());
  s.kb.KasGelezen = true;
  s.kb.RekGelezen = true;
  EXPECT_FALSE(VernieuwBoek(s.kb).Gelukt());
  ASSERT_EQ(s.berichten.getoond.size(), 1u);
  EXPECT_EQ(s.berichten.getoond[0].tekst.rfind("Rekening- of Budgetsectie heeft verkeerd formaat", 0), 0u);
  EXPECT_EQ(s.kb.IOStatus, 2);
  EXPECT_TRUE(s.kb.SaldoMatrix().empty());
}

TEST(StartBoek, BuildsTheMatrixAndAppliesTheConfiguration) {
  Start s(2008);
  SchrijfVoorbeeld(s.map.pad(), "Valdr08", {.transacties = 120});
  ASSERT_EQ(StartBoek(s.kb, true), LaadUitkomst::Geladen);
  EXPECT_EQ(s.kb.IOStatus, 0);
  ASSERT_EQ(s.kb.SaldoMatrix().size(), static_cast<std::size_t>(s.kb.MaxGroep()) + 2);
  ASSERT_EQ(s.kb.SaldoMatrix()[0].size(), static_cast<std::size_t>(s.kb.MaxRek()) + 2);
  // The cross-posting group sums to zero over the book.
  const TInUit& kruis = s.kb.SaldoMatrix()[static_cast<std::size_t>(s.kb.ZoekGroep("xxxx").value())].back();
  EXPECT_NEAR(kruis.In + kruis.Uit, 0, 1e-9);
  EXPECT_NE(kruis.In, 0);
  EXPECT_EQ(s.kb.weergave.HulpMunt, s.kb.BasisMunt);
  EXPECT_EQ(s.kb.SoortKodes.front(), "BT");
  EXPECT_TRUE(s.kb.BtwActief);
  // The securities account is not the last account.
  EXPECT_TRUE(BeleggingActief(s.kb));
  EXPECT_TRUE(TransferActief(s.kb));
}

// A damaged configuration is reported and replaced by the defaults, which are
// then in force: whether the book holds a posted amount has nothing to say
// about that.
TEST(StartBoek, ADamagedConfigurationIsReplacedAndAppliedWithOrWithoutPostings) {
  for (const int transacties : {0, 30}) {
    SCOPED_TRACE(transacties);
    Start s(2008);
    SchrijfVoorbeeld(s.map.pad(), "Valdr08", {.transacties = transacties});
    test::SchrijfBytes(s.map.pad() / "Valdr08.cfg", {1, 2, 3});
    s.kb.weergave.HulpMunt = 2;  // left over from a book opened before
    ASSERT_EQ(StartBoek(s.kb, true), LaadUitkomst::Geladen);
    EXPECT_EQ(s.kb.IOStatus, 4);
    ASSERT_FALSE(s.berichten.getoond.empty());
    EXPECT_EQ(s.berichten.getoond[0].tekst.rfind("Configuratie inlezen NIET gelukt", 0), 0u);
    EXPECT_EQ(s.kb.weergave.HulpMunt, s.kb.BasisMunt);
    EXPECT_EQ(s.kb.SoortKodes.front(), "BT");
    ASSERT_EQ(s.kb.SaldoMatrix().size(), static_cast<std::size_t>(s.kb.MaxGroep()) + 2);
  }
}

TEST(StartBoek, TheListingOrderOfTheConfigurationSortsTheLists) {
  Start s(2008);
  SchrijfVoorbeeld(s.map.pad(), "Valdr08");
  ASSERT_EQ(StartBoek(s.kb, true), LaadUitkomst::Geladen);
  EXPECT_FALSE(s.kb.weergave.RekeningenOpNaam);
  EXPECT_EQ(s.kb.RekLijst[1].Naam, "Betaalrekening");
  s.kb.Config.Vlaggen |= vlag::RekeningenOpNaam;
  EXPECT_TRUE(SchrijfConfig(s.kb).Gelukt());

  Start opnieuw(2008);
  opnieuw.kb.sessie.Map = s.map.pad();
  ASSERT_EQ(StartBoek(opnieuw.kb, true), LaadUitkomst::Geladen);
  EXPECT_TRUE(opnieuw.kb.weergave.RekeningenOpNaam);
  std::vector<std::string> namen;
  for (int i = 1; i <= opnieuw.kb.MaxRek(); ++i) namen.push_back(opnieuw.kb.RekLijst[static_cast<std::size_t>(i)].Naam);
  EXPECT_EQ(namen, (std::vector<std::string>{"Beleggingsrekening", "Betaalrekening", "Spaarrekening",
                                             "TRANSFER REKENING"}));
  // The balances moved along with their accounts.
  const auto spaar = static_cast<std::size_t>(opnieuw.kb.ZoekRekening(2).value());
  const TInUit& rij = opnieuw.kb.SaldoMatrix().back()[spaar];
  const TInUit& oud = s.kb.SaldoMatrix().back()[static_cast<std::size_t>(s.kb.ZoekRekening(2).value())];
  EXPECT_EQ(rij.In, oud.In);
  EXPECT_EQ(rij.Uit, oud.Uit);
}

TEST(BoekLaden, TransferAndSecuritiesNeedTheirRecords) {
  test::BoekInMap b;
  test::VoegRekeningToe(b.kb, 1, "Betaal");
  test::VoegRekeningToe(b.kb, 99, "TRANSFER REKENING", "TR");
  test::VoegTransactieToe(b.kb, 99, "201", MaakDatum(2008, 1, 1), 0);
  EXPECT_FALSE(TransferActief(b.kb));  // a zero amount plans nothing
  EXPECT_FALSE(BeleggingActief(b.kb));
  test::VoegTransactieToe(b.kb, 99, "201", MaakDatum(2008, 1, 2), -5);
  test::VoegRekeningToe(b.kb, 3, "Effecten", "EF");
  EXPECT_TRUE(TransferActief(b.kb));
  EXPECT_TRUE(BeleggingActief(b.kb));
}

}  // namespace
}  // namespace valdero
