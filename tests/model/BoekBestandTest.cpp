#include <gtest/gtest.h>

#include <cmath>

#include <functional>

#include "FoutBestanden.h"
#include "TestBoek.h"
#include "model/storage/Bestanden.h"
#include "model/storage/BoekBestand.h"
#include "model/core/ByteImage.h"
#include "model/storage/WachtwoordOpslag.h"

namespace valdero {
namespace {

using test::BoekInMap;
using Bytes = std::vector<std::uint8_t>;

// Positions in the file image of a book with the given counts.
constexpr std::size_t kTellers = 12;
std::size_t Rekening(int i) { return kTellers + TBank::Grootte * i; }
std::size_t Groep(int maxRek, int i) { return Rekening(maxRek + 1) + TBudget::Grootte * i; }

// A small book with a bit of everything: two accounts, three groups, four
// transactions and two relations.
void VulBoek(Kasboek& kb) {
  test::VoegRekeningToe(kb, 1, "Giro");
  test::VoegRekeningToe(kb, 2, "Spaar", "SP");
  test::VoegGroepToe(kb, "1", "Saldo Giro", " C ");
  test::VoegGroepToe(kb, "201", "Boodschappen", " U ", -2400);
  test::VoegGroepToe(kb, "xxxx", "KRUISPOSTEN", " - ");
  test::VoegTransactieToe(kb, 1, "201", MaakDatum(2008, 1, 3), -45.10, "Bakker");
  test::VoegTransactieToe(kb, 1, "xxxx", MaakDatum(2008, 1, 4), -100);
  test::VoegTransactieToe(kb, 2, "xxxx", MaakDatum(2008, 1, 4), 100);
  test::VoegTransactieToe(kb, 1, "201", MaakDatum(2008, 2, 1), -12.5, "Slager");
  test::VoegRelatieToe(kb, "Bakker de Vries");
  test::VoegRelatieToe(kb, "Slagerij Jansen");
}

// Euro as the base currency and the dollar (0.8) as display currency, with
// the next save converting the book to dollars.
void ZetOmzettingNaarDollars(Kasboek& kb) {
  test::VoegValutaToe(kb, "Eur", 1.0f, true);
  test::VoegValutaToe(kb, "USD", 0.8f);
  kb.weergave.HulpMunt = 1;
  kb.MuntOmzetten = true;
}

// Writes the book's file as SchrijfBoek makes it.
Bytes Bewaar(BoekInMap& boek) {
  Bytes inhoud = SchrijfBoek(boek.kb);
  test::SchrijfBytes(boek.BoekPad(), inhoud);
  return inhoud;
}

TEST(BoekBestand, LoadingAndSavingKeepsEveryByteButTheRewrittenOnes) {
  BoekInMap eerste;
  VulBoek(eerste.kb);
  eerste.kb.Wachtwoord = "Geheim";
  eerste.kb.RekLijst[1].Munt = 2;          // reset on reading
  eerste.kb.KasLijst[2].MuntKoers = 0.0f;  // read as 1.0
  eerste.kb.KasLijst[3].BoekSoort = 300;   // kind 44 with VAT: an investment
  eerste.kb.KasLijst[4].ruw[345] = 0xAB;   // reserved bytes travel unchanged
  eerste.kb.KasLijst[4].ruw[380] = 0xCD;
  const Bytes bestand = Bewaar(eerste);

  BoekInMap tweede;
  tweede.klok.Zet(MaakDatum(2009, 1, 2));
  tweede.kb.sessie.HuidigJaar = "2009";
  tweede.kb.sessie.KasPad = eerste.BoekPad().string();
  EXPECT_TRUE(OpenBoek(tweede.kb, false).Gelukt());
  ASSERT_EQ(tweede.kb.IOStatus, 0);
  tweede.kb.Wachtwoord = LaadWachtwoord(tweede.kb);
  EXPECT_EQ(tweede.kb.Wachtwoord, "Geheim");
  const Bytes terug = SchrijfBoek(tweede.kb);

  Bytes verwacht = bestand;
  const std::size_t kas0 = Groep(2, 4);
  bytes::SchrijfShortStr(&verwacht[Rekening(0) + 4], 32, "2009");
  bytes::SchrijfU16(&verwacht[Rekening(1) + 45], 0);
  bytes::SchrijfF32(&verwacht[kas0 + 2 * TKas::Grootte + 80], 1.0f);
  verwacht[kas0 + 3 * TKas::Grootte + 348] = 1;
  EXPECT_EQ(terug, verwacht);
  EXPECT_TRUE(tweede.berichten.getoond.empty());
}

TEST(BoekBestand, HeaderRecordsAsWrittenAndRead) {
  BoekInMap boek;
  VulBoek(boek.kb);
  boek.kb.BasisMunt = 3;
  boek.kb.FormaatVlag = false;
  boek.kb.RekLijst[0].Naam = "oud";
  boek.kb.GroepLijst[0].Klasse = "x";
  const Bytes bestand = SchrijfBoek(boek.kb);

  TBank rekKop;
  rekKop.Lees(&bestand[Rekening(0)]);
  EXPECT_EQ(rekKop.Naam, "2008");
  EXPECT_EQ(rekKop.RekNrTekst, "0");
  EXPECT_EQ(rekKop.Soort, "Rt");
  TBudget groepKop;
  groepKop.Lees(&bestand[Groep(2, 0)]);
  EXPECT_EQ(groepKop.Kode, "-1");
  EXPECT_EQ(groepKop.Klasse, "3");
  EXPECT_EQ(groepKop.Budget, 3.0);
  EXPECT_EQ(groepKop.Naam, "");
  EXPECT_EQ(LaadWachtwoord(groepKop), "Qu Vo ");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bestand[Groep(2, 0) + 8]), 6).find("Qu"),
            std::string::npos)
      << "the password is stored scrambled";

  EXPECT_TRUE(LeesBoek(boek.kb, bestand).Gelukt());
  EXPECT_FALSE(boek.kb.FormaatVlag);
  EXPECT_TRUE(boek.kb.RelatiesAanwezig);
  EXPECT_EQ(boek.kb.MaxRelatie(), 2);
  EXPECT_EQ(boek.kb.RelatieLijst[2].Naam, "Slagerij Jansen");
}

TEST(BoekBestand, ReadingRepairsTransactions) {
  BoekInMap boek;
  VulBoek(boek.kb);
  TKas& dummy = boek.kb.KasLijst[0];
  dummy.RekNr = 7;
  dummy.GroepKode = "abc";
  dummy.Datum = 5;
  boek.kb.KasLijst[1].Belegging = 1;   // kind 0: not an investment
  boek.kb.KasLijst[2].BoekSoort = 9;
  boek.kb.KasLijst[3].BoekSoort = 10;  // the first investment kind
  boek.kb.KasLijst[4].BoekSoort = 2 + 256 * 2;  // a payment with high-rate VAT
  const Bytes bestand = SchrijfBoek(boek.kb);

  EXPECT_TRUE(LeesBoek(boek.kb, bestand).Gelukt());
  ASSERT_EQ(boek.kb.MaxKas(), 4);
  EXPECT_EQ(boek.kb.KasLijst[0].RekNr, 0);
  EXPECT_EQ(boek.kb.KasLijst[0].GroepKode, "0");
  EXPECT_EQ(boek.kb.KasLijst[0].Datum, 0);
  EXPECT_EQ(boek.kb.KasLijst[1].Belegging, 0);
  EXPECT_EQ(boek.kb.KasLijst[2].Belegging, 0);
  EXPECT_EQ(boek.kb.KasLijst[3].Belegging, 1);
  EXPECT_EQ(boek.kb.KasLijst[4].Belegging, 0);
  EXPECT_TRUE(boek.kb.SaldoMatrix().empty());
}

TEST(BoekBestand, SampleBookRaro2005IsMovedToTheYear2007) {
  BoekInMap boek;
  VulBoek(boek.kb);
  boek.kb.KasLijst[1].Datum = MaakDatum(2005, 6, 14);
  boek.kb.KasLijst[2].Datum = MaakDatum(2004, 2, 29);  // no such day in 2007
  const Bytes bestand = SchrijfBoek(boek.kb);

  boek.kb.sessie.KasNaam = "Raro2005";
  EXPECT_TRUE(LeesBoek(boek.kb, bestand).Gelukt());
  EXPECT_EQ(boek.kb.KasLijst[1].Datum, MaakDatum(2007, 6, 14));
  EXPECT_EQ(boek.kb.KasLijst[2].Datum, MaakDatum(2004, 2, 29));
  EXPECT_EQ(boek.kb.KasLijst[3].Datum, MaakDatum(2007, 1, 4));

  boek.kb.sessie.KasNaam = "Raro2005b";
  EXPECT_TRUE(LeesBoek(boek.kb, bestand).Gelukt());
  EXPECT_EQ(boek.kb.KasLijst[1].Datum, MaakDatum(2005, 6, 14));
}

TEST(BoekBestand, ABookWithoutADummyTransactionGetsOne) {
  BoekInMap boek;
  VulBoek(boek.kb);
  Bytes bestand = SchrijfBoek(boek.kb);
  // Counts say "no transactions at all" and the file holds none.
  const std::size_t kas0 = Groep(2, 4);
  bestand.erase(bestand.begin() + static_cast<std::ptrdiff_t>(kas0), bestand.end());
  bytes::SchrijfI32(&bestand[8], -1);
  boek.kb.RekLijst[0].Soort.clear();
  bestand[Rekening(0) + 42] = 0;

  EXPECT_TRUE(LeesBoek(boek.kb, bestand).Gelukt());
  EXPECT_EQ(boek.kb.IOStatus, 0);
  EXPECT_EQ(boek.kb.MaxKas(), 0);
  ASSERT_EQ(boek.kb.KasLijst.size(), 1u);
  EXPECT_EQ(boek.kb.KasLijst[0].GroepKode, "0");
}

// One deliberate damage to a valid file and what the load must say.
struct Beschadiging {
  const char* naam;
  std::function<void(Bytes&)> schade;
  int ioStatus;
  std::string sectie;  // empty: loads without a report
};

void PrintTo(const Beschadiging& b, std::ostream* os) { *os << b.naam; }

class BeschadigdBoek : public testing::TestWithParam<Beschadiging> {};

std::size_t Kas(int i) { return Groep(2, 4) + TKas::Grootte * i; }
std::size_t Relaties() { return Kas(5); }
void Kap(Bytes& b, std::size_t lengte) { b.resize(lengte); }

TEST_P(BeschadigdBoek, IsReportedAsItsSection) {
  const Beschadiging& geval = GetParam();
  BoekInMap boek;
  VulBoek(boek.kb);
  Bytes bestand = SchrijfBoek(boek.kb);
  geval.schade(bestand);
  test::SchrijfBytes(boek.BoekPad(), bestand);

  EXPECT_EQ(OpenBoek(boek.kb, true).Gelukt(), geval.ioStatus == 0);
  EXPECT_EQ(boek.kb.IOStatus, geval.ioStatus);
  const std::vector<std::string> verwacht = {
      geval.sectie.empty() ? "Inlezen ValderoStream gelukt"
                           : "Inlezen van " + geval.sectie +
                                 " heeft verkeerd formaat\n\r maak eerst Nieuw valdero"};
  EXPECT_EQ(boek.berichten.Teksten(), verwacht);
  // Counters never promise records the lists do not hold.
  EXPECT_LE(boek.kb.MaxRek(), std::max<int>(0, static_cast<int>(boek.kb.RekLijst.size()) - 1));
  EXPECT_LE(boek.kb.MaxGroep(), std::max<int>(0, static_cast<int>(boek.kb.GroepLijst.size()) - 1));
  EXPECT_LE(boek.kb.MaxKas(), std::max<int>(0, static_cast<int>(boek.kb.KasLijst.size()) - 1));
  // Damaged relations leave the transactions usable, but not the relations.
  if (geval.ioStatus == 5) {
    EXPECT_TRUE(boek.kb.KasGelezen);
    EXPECT_FALSE(boek.kb.RelatiesAanwezig);
    EXPECT_TRUE(boek.kb.RelatieLijst.empty());
  } else if (geval.ioStatus != 0) {
    EXPECT_FALSE(boek.kb.KasGelezen);
  }
}

INSTANTIATE_TEST_SUITE_P(
    BoekBestand, BeschadigdBoek,
    testing::Values(
        Beschadiging{"EmptyFile", [](Bytes& b) { b.clear(); }, 1, "Rekening"},
        Beschadiging{"CountsCutShort", [](Bytes& b) { Kap(b, 10); }, 1, "Rekening"},
        Beschadiging{"OnlyTheHeaderAccount", [](Bytes& b) { bytes::SchrijfI32(&b[0], 0); }, 1,
                     "Rekening"},
        Beschadiging{"OnlyTheHeaderGroup", [](Bytes& b) { bytes::SchrijfI32(&b[4], 0); }, 2,
                     "Groepen"},
        Beschadiging{"NoHeadersAtAll",
                     [](Bytes& b) {
                       bytes::SchrijfI32(&b[0], 0);
                       bytes::SchrijfI32(&b[4], 0);
                     },
                     2, "Groepen"},
        Beschadiging{"NegativeAccountCount", [](Bytes& b) { bytes::SchrijfI32(&b[0], -7); }, 1,
                     "Rekening"},
        Beschadiging{"HugeAccountCount", [](Bytes& b) { bytes::SchrijfI32(&b[0], 0x7FFFFFFF); }, 1,
                     "Rekening"},
        Beschadiging{"FlippedHighByteOfGroupCount", [](Bytes& b) { b[7] ^= 0x40; }, 2, "Groepen"},
        Beschadiging{"HugeTransactionCount",
                     [](Bytes& b) { bytes::SchrijfI32(&b[8], 0x7FFFFFFF); }, 3, "Valderodata"},
        Beschadiging{"NegativeTransactionCount", [](Bytes& b) { bytes::SchrijfI32(&b[8], -2); }, 3,
                     "Valderodata"},
        Beschadiging{"CutInTheAccounts", [](Bytes& b) { Kap(b, Rekening(2) + 20); }, 1,
                     "Rekening"},
        Beschadiging{"CutInTheGroups", [](Bytes& b) { Kap(b, Groep(2, 3)); }, 2, "Groepen"},
        Beschadiging{"CutInTheTransactions", [](Bytes& b) { Kap(b, Kas(4) + 381); }, 3,
                     "Valderodata"},
        Beschadiging{"CutInTheRelationCount", [](Bytes& b) { Kap(b, Relaties() + 3); }, 5,
                     "Relaties"},
        Beschadiging{"CutInTheRelations", [](Bytes& b) { Kap(b, Relaties() + 4 + 200); }, 5,
                     "Relaties"},
        Beschadiging{"HugeRelationCount",
                     [](Bytes& b) { bytes::SchrijfI32(&b[Relaties()], 1 << 30); }, 5, "Relaties"},
        Beschadiging{"RelationMarkWithoutRelations",
                     [](Bytes& b) {
                       Kap(b, Relaties());
                       b[Rekening(0) + 42] = 2;
                     },
                     5, "Relaties"},
        // A date no calendar holds would reach a float-to-integer cast.
        Beschadiging{"NaNDate",
                     [](Bytes& b) { bytes::SchrijfF64(&b[Kas(2) + 14], std::nan("")); }, 3,
                     "Valderodata"},
        Beschadiging{"HugeDate", [](Bytes& b) { bytes::SchrijfF64(&b[Kas(3) + 14], 1e300); }, 3,
                     "Valderodata"},
        Beschadiging{"DateAfterTheYear9999",
                     [](Bytes& b) { bytes::SchrijfF64(&b[Kas(1) + 14], MaakDatum(9999, 12, 31) + 1); },
                     3, "Valderodata"},
        Beschadiging{"InfinitePayDate",
                     [](Bytes& b) { bytes::SchrijfF64(&b[Kas(4) + 349], -HUGE_VAL); }, 3,
                     "Valderodata"},
        Beschadiging{"TrailingBytesAreIgnored", [](Bytes& b) { b.insert(b.end(), 7, 0xEE); }, 0,
                     ""}),
    [](const testing::TestParamInfo<Beschadiging>& rij) { return rij.param.naam; });

TEST(BoekBestand, DamagedTransactionsLeaveOnlyTheDummy) {
  BoekInMap boek;
  VulBoek(boek.kb);
  Bytes bestand = SchrijfBoek(boek.kb);
  Kap(bestand, Kas(3));
  EXPECT_FALSE(LeesBoek(boek.kb, bestand).Gelukt());
  EXPECT_EQ(boek.kb.IOStatus, 3);
  EXPECT_TRUE(boek.kb.RekGelezen);
  EXPECT_TRUE(boek.kb.GroepGelezen);
  EXPECT_FALSE(boek.kb.KasGelezen);
  ASSERT_EQ(boek.kb.KasLijst.size(), 1u);
  EXPECT_EQ(boek.kb.MaxKas(), 0);
  EXPECT_EQ(boek.kb.MaxRek(), 2);
}

TEST(BoekBestand, MissingBookIsReported) {
  BoekInMap boek;
  boek.kb.sessie.KasPad = "Elders09.vdr";
  EXPECT_FALSE(OpenBoek(boek.kb, true).Gelukt());
  EXPECT_EQ(boek.kb.IOStatus, 1);
  EXPECT_EQ(boek.berichten.Teksten(),
            std::vector<std::string>{"Elders09.vdr bestaat niet\n\r controleer bestandNaam"});
  EXPECT_FALSE(boek.kb.RekGelezen);
}

TEST(BoekBestand, SuccessIsReportedOnlyWhenAskedFor) {
  BoekInMap boek;
  VulBoek(boek.kb);
  Bewaar(boek);
  EXPECT_TRUE(OpenBoek(boek.kb, false).Gelukt());
  EXPECT_TRUE(boek.berichten.getoond.empty());
  EXPECT_TRUE(OpenBoek(boek.kb, true).Gelukt());
  EXPECT_EQ(boek.berichten.Teksten(), std::vector<std::string>{"Inlezen ValderoStream gelukt"});
  EXPECT_TRUE(boek.kb.KasGelezen);
  EXPECT_EQ(boek.kb.MaxKas(), 4);
}

TEST(BoekBestand, BooksFromBefore2007AskBeforeLoading) {
  const std::string vraag =
      "Valderobestand van vóór 2007, Gebruik RI05, \rconverteer of maak nieuw bestand.\rWilt u "
      "tóch doorgaan?";
  for (const std::string stempel : {"2006", ""}) {
    SCOPED_TRACE("stamp \"" + stempel + "\"");
    BoekInMap boek;
    VulBoek(boek.kb);
    Bytes bestand = SchrijfBoek(boek.kb);
    bytes::SchrijfShortStr(&bestand[Rekening(0) + 4], 32, stempel);
    test::SchrijfBytes(boek.BoekPad(), bestand);

    boek.berichten.Antwoord(antwoord::Ja);
    EXPECT_TRUE(OpenBoek(boek.kb, false).Gelukt());
    EXPECT_EQ(boek.kb.IOStatus, 0);
    EXPECT_EQ(boek.kb.MaxKas(), 4);
    EXPECT_EQ(boek.berichten.Teksten(), std::vector<std::string>{vraag});
    EXPECT_EQ(boek.berichten.getoond[0].soort, BerichtSoort::Bevestig);

    boek.berichten.Wis();
    boek.berichten.Antwoord(antwoord::Nee);
    EXPECT_FALSE(OpenBoek(boek.kb, false).Gelukt());
    EXPECT_EQ(boek.kb.IOStatus, 4);
    EXPECT_EQ(boek.kb.MaxKas(), 0);
    EXPECT_EQ(boek.kb.MaxGroep(), 0);
    EXPECT_FALSE(boek.kb.RekGelezen);
    EXPECT_TRUE(boek.kb.GroepLijst.empty());
    EXPECT_EQ(boek.berichten.Teksten(),
              (std::vector<std::string>{
                  vraag, "Inlezen van Configuratie heeft verkeerd formaat\n\r maak eerst Nieuw valdero"}));
  }
}

TEST(BoekBestand, YearFromTheLastTwoCharactersOfTheName) {
  struct Geval {
    std::string naam, jaar;
    bool melding;
  };
  const Geval gevallen[] = {
      {"Valdr08", "2008", false}, {"Valdr97", "1997", false}, {"Boek79", "2079", false},
      {"Boek80", "1980", false},  {"Boek2k", "202k", false},  {"Boekab", "ab", true},
      {"Boek é", " é", true},     {"7", "7", true},
  };
  for (const auto& geval : gevallen) {
    SCOPED_TRACE(geval.naam);
    BoekInMap boek;
    EXPECT_EQ(JaarUitNaam(boek.kb, geval.naam), geval.jaar);
    if (geval.melding) {
      EXPECT_EQ(boek.berichten.Teksten(),
                std::vector<std::string>{geval.naam +
                                         " heeft verkeerd formaat\n\r gebruik bij voorkeur "
                                         "filenaam met jaartal"});
      // Showing a report leaves IOStatus to the command that ends.
      EXPECT_EQ(boek.kb.IOStatus, 0);
    } else {
      EXPECT_TRUE(boek.berichten.getoond.empty());
    }
  }
}

TEST(BoekBestand, EveryRelationIsWrittenAlsoPastFiveHundred) {
  BoekInMap boek;
  VulBoek(boek.kb);
  for (int i = 3; i <= 700; ++i) test::VoegRelatieToe(boek.kb, "Relatie " + std::to_string(i));
  const Bytes bestand = SchrijfBoek(boek.kb);
  EXPECT_EQ(boek.kb.RelatieLijst.size(), 701u);
  EXPECT_EQ(bytes::LeesI32(&bestand[Relaties()]), 700);
  EXPECT_EQ(bestand.size(), Relaties() + 4 + 701 * TRelat::Grootte);

  EXPECT_TRUE(LeesBoek(boek.kb, bestand).Gelukt());
  EXPECT_EQ(boek.kb.IOStatus, 0);
  EXPECT_EQ(boek.kb.RelatieLijst.size(), 701u);
  EXPECT_EQ(boek.kb.RelatieLijst.back().Naam, "Relatie 700");
}

TEST(BoekBestand, ABackupThatCannotBeMadeIsReportedAndTheSaveGoesOn) {
  BoekInMap boek;
  VulBoek(boek.kb);
  Bewaar(boek);
  // A folder of that name can be neither replaced by a link nor by a copy.
  const auto reserve = boek.map / "Valdr08.~VD";
  std::filesystem::create_directories(reserve / "bezet");

  test::VoegTransactieToe(boek.kb, 1, "201", MaakDatum(2008, 3, 1), -7);
  EXPECT_TRUE(BewaarBoek(boek.kb, false).Gelukt());
  EXPECT_EQ(boek.berichten.Teksten(),
            std::vector<std::string>{"Reservekopie Valdr08.~VD niet gemaakt"});
  EXPECT_TRUE(boek.kb.sessie.Bewaard);
  EXPECT_EQ(test::LeesBytes(boek.BoekPad()), SchrijfBoek(boek.kb));
  EXPECT_TRUE(std::filesystem::is_directory(reserve));
}

TEST(BoekBestand, TheFirstSaveKeepsTheOpenedFileAsBackup) {
  BoekInMap boek;
  VulBoek(boek.kb);
  const Bytes geopend = Bewaar(boek);
  const auto reserve = boek.map / "Valdr08.~VD";
  test::SchrijfBytes(reserve, {1, 2, 3});  // an older backup goes first

  test::VoegTransactieToe(boek.kb, 1, "201", MaakDatum(2008, 3, 1), -7);
  EXPECT_TRUE(BewaarBoek(boek.kb, false).Gelukt());
  EXPECT_EQ(test::LeesBytes(reserve), geopend);
  EXPECT_FALSE(boek.kb.sessie.EersteBewaring);
  EXPECT_TRUE(boek.kb.sessie.Bewaard);
  EXPECT_TRUE(boek.berichten.getoond.empty());

  test::VoegTransactieToe(boek.kb, 1, "201", MaakDatum(2008, 3, 2), -8);
  EXPECT_TRUE(BewaarBoek(boek.kb, false).Gelukt());
  EXPECT_EQ(test::LeesBytes(reserve), geopend);
  EXPECT_EQ(test::LeesBytes(boek.BoekPad()), SchrijfBoek(boek.kb));
  EXPECT_TRUE(test::TijdelijkeBestanden(boek.map.pad()).empty());
}

TEST(BoekBestand, SaveDialogChoosesTheFileAndItsFolder) {
  BoekInMap boek;
  VulBoek(boek.kb);
  test::TestMap elders;
  boek.berichten.Bestand((elders / "Huis09.vdr").string());

  EXPECT_TRUE(BewaarBoek(boek.kb, true).Gelukt());
  ASSERT_EQ(boek.berichten.dialogen.size(), 1u);
  const BestandsDialoog& dialoog = boek.berichten.dialogen[0];
  EXPECT_EQ(dialoog.titel, "KasStrmFile ");
  EXPECT_EQ(dialoog.filter, "Valdero file (*.vdr)|*.VDR");
  EXPECT_EQ(dialoog.standaardExtensie, "vdr");
  EXPECT_EQ(dialoog.voorgesteldeNaam, "Valdr08.vdr");
  EXPECT_EQ(boek.kb.sessie.Map, elders.pad());
  EXPECT_EQ(boek.kb.sessie.KasNaam, "Huis09");
  EXPECT_EQ(boek.kb.sessie.KasPad, (elders / "Huis09.vdr").string());
  EXPECT_TRUE(boek.kb.sessie.Bewaard);
  EXPECT_TRUE(std::filesystem::exists(elders / "Huis09.vdr"));
  EXPECT_FALSE(std::filesystem::exists(elders / "Huis09.~VD"));
  EXPECT_EQ(boek.berichten.Teksten(),
            std::vector<std::string>{"Wegschrijven van " + boek.kb.sessie.KasPad + " gelukt"});
}

TEST(BoekBestand, SaveDialogCancelledOrOverwriteRefused) {
  BoekInMap boek;
  VulBoek(boek.kb);
  boek.kb.MuntOmzetten = true;
  test::VoegValutaToe(boek.kb, "Eur", 1.0f, true);
  boek.berichten.Bestand(std::nullopt);
  EXPECT_FALSE(BewaarBoek(boek.kb, false).Gelukt());  // the book has no file yet: the dialog comes
  EXPECT_EQ(boek.berichten.dialogen.size(), 1u);
  EXPECT_FALSE(boek.kb.MuntOmzetten);
  EXPECT_FALSE(boek.kb.sessie.Bewaard);
  EXPECT_FALSE(std::filesystem::exists(boek.BoekPad()));

  test::SchrijfBytes(boek.map / "Ander08.vdr", {9, 9});
  boek.kb.MuntOmzetten = true;
  boek.berichten.Bestand("Ander08.vdr");
  boek.berichten.Antwoord(antwoord::Nee);
  EXPECT_FALSE(BewaarBoek(boek.kb, true).Gelukt());
  EXPECT_EQ(boek.berichten.Teksten(), std::vector<std::string>{"Bestand bestaat al; Overschrijven?"});
  EXPECT_FALSE(boek.kb.MuntOmzetten);
  EXPECT_EQ(test::LeesBytes(boek.map / "Ander08.vdr"), (Bytes{9, 9}));
  EXPECT_EQ(boek.kb.sessie.KasPad, "Valdr08.vdr");
}

TEST(BoekBestand, SavingInDollarsConvertsAmountsBudgetsAndCurrencies) {
  for (const bool rekeningenOok : {true, false}) {
    SCOPED_TRACE(rekeningenOok ? "accounts converted too" : "accounts kept");
    BoekInMap boek;
    VulBoek(boek.kb);
    ZetOmzettingNaarDollars(boek.kb);
    boek.kb.KasLijst[4].Munt = 2;  // booked in a third currency: stays so
    boek.berichten.Antwoord(rekeningenOok ? antwoord::Ja : antwoord::Nee);

    const Bytes bestand = SchrijfBoek(boek.kb);
    EXPECT_EQ(boek.berichten.Teksten(),
              std::vector<std::string>{"In \"Rekeningen\" de munt ook omzetten naar nieuwe munt "});
    EXPECT_TRUE(LeesBoek(boek.kb, bestand).Gelukt());
    EXPECT_DOUBLE_EQ(boek.kb.GroepLijst[2].Budget, -2400 / double{0.8f});
    EXPECT_DOUBLE_EQ(boek.kb.KasLijst[1].Bedrag, -45.10 / double{0.8f});
    EXPECT_DOUBLE_EQ(boek.kb.KasLijst[3].Bedrag, 100 / double{0.8f});
    EXPECT_EQ(boek.kb.KasLijst[1].Munt, 1);
    EXPECT_EQ(boek.kb.KasLijst[4].Munt, 2);
    // Reading puts every account back on currency 0, so look in the file.
    EXPECT_EQ(bytes::LeesU16(&bestand[Rekening(2) + 45]), rekeningenOok ? 1 : 0);
  }
}

TEST(BoekBestand, ConversionWithoutAUsableRateSavesNothing) {
  BoekInMap boek;
  VulBoek(boek.kb);
  test::VoegValutaToe(boek.kb, "Eur", 1.0f, true);
  test::VoegValutaToe(boek.kb, "XXX", 0.0f);
  boek.kb.weergave.HulpMunt = 1;
  boek.kb.MuntOmzetten = true;
  EXPECT_FALSE(BewaarBoek(boek.kb, false).Gelukt());
  EXPECT_EQ(boek.berichten.Teksten(), std::vector<std::string>{"Muntsoort niet juist"});
  EXPECT_FALSE(boek.kb.MuntOmzetten);
  EXPECT_FALSE(boek.kb.sessie.Bewaard);
  EXPECT_EQ(boek.kb.KasLijst[1].Bedrag, -45.10);
}

TEST(BoekBestand, AFailedSaveLeavesTheOldFileAndTheBookAsTheyWere) {
  BoekInMap boek;
  VulBoek(boek.kb);
  const Bytes oud = Bewaar(boek);
  ZetOmzettingNaarDollars(boek.kb);
  boek.berichten.Antwoord(antwoord::Ja);
  // The disk fills up while the new content is written.
  test::FoutBestanden schijf;
  schijf.faaltBij = 1;
  schijf.fout = ENOSPC;
  boek.kb.poorten.bestandssysteem = schijf;

  EXPECT_FALSE(BewaarBoek(boek.kb, false).Gelukt());
  ASSERT_EQ(schijf.stappen.at(1), "Schrijf (faalt)");
  EXPECT_EQ(test::LeesBytes(boek.BoekPad()), oud);
  EXPECT_TRUE(test::TijdelijkeBestanden(boek.map.pad()).empty());
  EXPECT_FALSE(std::filesystem::exists(boek.map / "Valdr08.~VD"));
  EXPECT_FALSE(boek.kb.sessie.Bewaard);
  EXPECT_TRUE(boek.kb.sessie.EersteBewaring);
  EXPECT_FALSE(boek.kb.MuntOmzetten);
  EXPECT_EQ(boek.kb.KasLijst[1].Bedrag, -45.10);
  EXPECT_EQ(boek.kb.GroepLijst[2].Budget, -2400);
  EXPECT_EQ(boek.kb.RekLijst[1].Munt, 0);
  EXPECT_EQ(boek.kb.IOStatus, 8);
  EXPECT_EQ(boek.berichten.Teksten().back(),
            "Valdr08.vdr (schijf vol) wegschrijven NIET gelukt\n\r probeer opnieuw of controleer bestand");
}

TEST(Wachtwoord, SixCharactersTravelScrambledInTheGroupHeader) {
  TBudget kop;
  BewaarWachtwoord(kop, "AbcdéF");
  EXPECT_EQ(LaadWachtwoord(kop), "AbcdéF");
  EXPECT_NE(kop.ruw[8], 'A');
  EXPECT_EQ(kop.ruw[7], 0) << "the name's length byte is not touched";
  kop.ruw[7] = 6;  // even a header whose name claims the password bytes
  kop.Naam = "zzzzzz";
  BoekInMap boek;
  boek.kb.GroepLijst[0] = kop;
  boek.kb.Wachtwoord = "Nieuw1";
  const Bytes bestand = SchrijfBoek(boek.kb);
  TBudget terug;
  terug.Lees(&bestand[Groep(0, 0)]);
  EXPECT_EQ(LaadWachtwoord(terug), "Nieuw1");
}

}  // namespace
}  // namespace valdero
