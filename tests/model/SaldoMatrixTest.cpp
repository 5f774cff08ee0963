#include <gtest/gtest.h>

#include "BoekBouwer.h"
#include "TestBoek.h"
#include "model/core/SaldoMatrix.h"

namespace valdero {
namespace {

// Accounts 1 and 2, groups "201" and "430", and the given transactions.
struct KleinBoek : test::BoekMetPoorten {
  KleinBoek() : BoekMetPoorten(46000) {
    for (int nr : {1, 2}) test::VoegRekeningToe(kb, nr, "", "");
    for (const char* kode : {"201", "430"}) test::VoegGroepToe(kb, kode, "", "");
    test::MarkeerGelezen(kb);
  }
  void Boek(int rekNr, const std::string& groep, double bedrag) {
    test::VoegTransactieToe(kb, rekNr, groep, 0, bedrag);
  }
  const TInUit& Cel(int g, int a) const {
    return kb.SaldoMatrix()[static_cast<std::size_t>(g)][static_cast<std::size_t>(a)];
  }
};

TEST(SaldoMatrix, CellsAndTotalsSplitInAndOut) {
  KleinBoek b;
  b.Boek(1, "201", 100);
  b.Boek(1, "201", -30);
  b.Boek(2, "430", -5);
  EXPECT_TRUE(BouwSaldoMatrix(b.kb).Gelukt());
  ASSERT_EQ(b.kb.SaldoMatrix().size(), 4u);     // groups 0..2 + totals
  ASSERT_EQ(b.kb.SaldoMatrix()[0].size(), 4u);  // accounts 0..2 + totals
  EXPECT_EQ(b.Cel(1, 1).In, 100);
  EXPECT_EQ(b.Cel(1, 1).Uit, -30);
  EXPECT_EQ(b.Cel(1, 3).In + b.Cel(1, 3).Uit, 70);  // group total
  EXPECT_EQ(b.Cel(3, 2).Uit, -5);                   // account total
  EXPECT_EQ(b.Cel(3, 3).In, 100);
  EXPECT_EQ(b.Cel(3, 3).Uit, -35);
  EXPECT_EQ(b.Cel(0, 0).In, 0);
  EXPECT_TRUE(b.berichten.getoond.empty());
}

TEST(SaldoMatrix, ZeroAmountWithUnknownGroupIsSilent) {
  KleinBoek b;
  b.Boek(1, "999", 0);
  EXPECT_TRUE(BouwSaldoMatrix(b.kb).Gelukt());
  EXPECT_TRUE(b.berichten.getoond.empty());
  EXPECT_EQ(b.kb.MaxKas(), 1);
}

TEST(SaldoMatrix, AfterNeeFurtherUnknownRecordsAreSkippedSilently) {
  KleinBoek b;
  b.Boek(1, "999", 10);
  b.Boek(1, "998", 20);
  b.Boek(1, "201", 5);
  b.berichten.Antwoord(antwoord::OK);   // the report
  b.berichten.Antwoord(antwoord::Nee);  // keep the record
  EXPECT_FALSE(BouwSaldoMatrix(b.kb).Gelukt());
  ASSERT_EQ(b.berichten.getoond.size(), 2u);
  EXPECT_EQ(b.berichten.getoond[0].tekst,
            "Groepkode 999 bestaat niet\n\r gebruik eventueel optie Budget van Bestand menu");
  EXPECT_EQ(b.berichten.getoond[1].tekst, " Kasrecord: 1 verwijderen");
  EXPECT_EQ(b.berichten.getoond[1].soort, BerichtSoort::Informatie);
  EXPECT_EQ(b.kb.MaxKas(), 3);
  EXPECT_EQ(b.Cel(3, 3).In, 5);  // only the known record counts
}

TEST(SaldoMatrix, RemovingARecordDoesNotSkipItsSuccessor) {
  KleinBoek b;
  b.Boek(1, "999", 10);
  b.Boek(1, "998", 20);
  b.Boek(9, "201", 7);
  b.berichten.standaardAntwoord = antwoord::Ja;
  EXPECT_FALSE(BouwSaldoMatrix(b.kb).Gelukt());
  // Each unknown record is reported and removed in turn: the second moved
  // into position 1 after the first went, then the unknown account.
  const auto teksten = b.berichten.Teksten();
  ASSERT_EQ(teksten.size(), 6u);
  EXPECT_EQ(teksten[1], " Kasrecord: 1 verwijderen");
  EXPECT_EQ(teksten[2], "Groepkode 998 bestaat niet\n\r gebruik eventueel optie Budget van Bestand menu");
  EXPECT_EQ(teksten[3], " Kasrecord: 1 verwijderen");
  EXPECT_EQ(teksten[4], "Rekening 9 bestaat niet\n\r gebruik eventueel optie Rekening van Bestand menu");
  EXPECT_EQ(b.kb.MaxKas(), 0);
  EXPECT_EQ(b.kb.KasLijst.size(), 1u);
}

TEST(SaldoMatrix, RemovalKeepsIndexesInStep) {
  KleinBoek b;
  b.Boek(1, "999", 10);
  b.Boek(1, "201", 20);
  b.Boek(2, "430", 30);
  b.berichten.standaardAntwoord = antwoord::Ja;
  EXPECT_FALSE(BouwSaldoMatrix(b.kb).Gelukt());
  ASSERT_EQ(b.kb.MaxKas(), 2);
  for (int i = 0; i <= b.kb.MaxKas(); ++i) EXPECT_EQ(b.kb.KasLijst[static_cast<std::size_t>(i)].Index, i);
  EXPECT_EQ(b.Cel(3, 3).In, 50);
}

TEST(SaldoMatrix, SinglePostingAndMissingCell) {
  KleinBoek b;
  EXPECT_TRUE(BouwSaldoMatrix(b.kb).Gelukt());
  int rekMis = 0, groepMis = 0;
  EXPECT_TRUE(BoekInMatrix(b.kb, "430", 2, true, rekMis, groepMis, -12.5).Gelukt());
  EXPECT_EQ(b.Cel(2, 2).Uit, -12.5);
  EXPECT_EQ(b.kb.IOStatus, 0);

  // A matrix out of step with the lists is reported, not written past: a
  // group came in behind the matrix's back.
  test::VoegGroepToe(b.kb, "999", "Achteraf");
  EXPECT_EQ(BoekInMatrix(b.kb, "430", 2, true, rekMis, groepMis, 1), Status(FoutNr::FoutInKasValueLijst));
  ASSERT_EQ(b.berichten.getoond.size(), 1u);
  EXPECT_EQ(b.berichten.getoond[0].tekst,
            "Rekening: 2Groepkode: 430 fout in KasValuelijst \n\r probeer opnieuw of controleer bestand");
  // Showing a report leaves IOStatus to the command that ends.
  EXPECT_EQ(b.kb.IOStatus, 0);
}

TEST(Lookups, CodesCompareExactlyAndZeroMeansNotFound) {
  KleinBoek b;
  EXPECT_EQ(b.kb.ZoekGroep("201"), std::optional<int>(1));
  EXPECT_EQ(b.kb.ZoekGroep("201 "), std::nullopt);
  EXPECT_EQ(b.kb.ZoekRekening(2), std::optional<int>(2));
  EXPECT_EQ(b.kb.ZoekRekening(0), std::nullopt);  // the header never matches
  test::BoekBouwer(b.kb).Klasse(" A ").Klasse(" U ");
  EXPECT_EQ(b.kb.ZoekKlasse(" U "), std::optional<int>(1));
  EXPECT_EQ(b.kb.ZoekKlasse(" Q "), std::nullopt);
  EXPECT_FALSE(b.kb.KlasseBestaat(" Q "));
  EXPECT_TRUE(b.kb.KlasseBestaat(" A "));
}

TEST(Lookups, UnknownCurrencyIsReported) {
  KleinBoek b;
  test::BoekBouwer(b.kb).Valuta("Eur", 1.0f);
  EXPECT_EQ(b.kb.ZoekValuta("USD"), std::nullopt);
  ASSERT_EQ(b.berichten.getoond.size(), 1u);
  EXPECT_EQ(b.berichten.getoond[0].tekst, "Muntsoort niet juist");
  EXPECT_EQ(b.berichten.getoond[0].soort, BerichtSoort::Fout);
}

}  // namespace
}  // namespace valdero
