#include <gtest/gtest.h>

#include "GroepTestBoek.h"
#include "model/core/Sorteren.h"

namespace valdero {
namespace {

using test::GroepBoek;

std::string RekeningVolgorde(const Kasboek& kb) {
  std::string s;
  for (std::size_t i = 0; i < kb.RekLijst.size(); ++i)
    s += (i ? "," : "") + std::to_string(kb.RekLijst[i].RekNr);
  return s;
}

TEST(SorteerGroepen, ByCodePadsShortCodesAndEndsWithTheCrossPostingGroup) {
  GroepBoek b;
  b.Groep("xxxx", "KRUISPOSTEN").Groep("220", "Huur").Groep("E10", "Aandelen")
      .Groep("210a", "Gas").Groep("410", "Salaris").Groep("210", "Energie").Groep("201", "Auto")
      .Groep("12", "Saldo Giro");
  SorteerGroepen(b.kb);
  EXPECT_EQ(b.Kodes(), "-1,12,201,210,210a,220,410,E10,xxxx");
  for (std::size_t i = 0; i < b.kb.GroepLijst.size(); ++i)
    EXPECT_EQ(b.kb.GroepLijst[i].Nummer, static_cast<int>(i));
}

TEST(SorteerGroepen, ByTitlePutsNumericCodesBeforeLetterCodesAndCrossPostingLast) {
  GroepBoek b;
  b.Groep("xxxx", "AAA kruis").Groep("E10", "Aandelen").Groep("410", "salaris")
      .Groep("201", "Zakgeld").Groep("F01", "Beurs").Groep("202", "Auto").Groep("203", "auto");
  ZetOpNaam(b.kb, SorteerOnderwerp::Groepen, true);
  SorteerGroepen(b.kb);
  // Titles compare without regard to case; equal titles by code.
  EXPECT_EQ(b.Kodes(), "-1,202,203,410,201,E10,F01,xxxx");
}

TEST(SorteerGroepen, MatrixRowsMoveWithTheirGroups) {
  GroepBoek b;
  b.Rekening(1, "Giro").Groep("300", "Drie").Groep("100", "Een").Kas(1, "300", -30).Kas(1, "100", 10)
      .Matrix();
  SorteerGroepen(b.kb);
  ASSERT_EQ(b.Kodes(), "-1,100,300");
  EXPECT_DOUBLE_EQ(b.kb.SaldoMatrix()[1][1].In, 10);
  EXPECT_DOUBLE_EQ(b.kb.SaldoMatrix()[2][1].Uit, -30);
  EXPECT_DOUBLE_EQ(b.kb.SaldoMatrix()[3][2].In + b.kb.SaldoMatrix()[3][2].Uit, -20);
}

TEST(SorteerRekeningen, ByNumberAndByNameKeepTheHeaderFirst) {
  GroepBoek b;
  b.Rekening(7, "spaar").Rekening(99, "TRANSFER REKENING").Rekening(3, "Zeta")
      .Rekening(5, "Spaar").Rekening(4, "1e Giro");
  SorteerRekeningen(b.kb);
  EXPECT_EQ(RekeningVolgorde(b.kb), "0,3,4,5,7,99");

  ZetOpNaam(b.kb, SorteerOnderwerp::Rekeningen, true);
  SorteerRekeningen(b.kb);
  // "1e Giro" sorts before the header's year text; the header stays first.
  // Names compare in upper case, equal names by number.
  EXPECT_EQ(RekeningVolgorde(b.kb), "0,4,5,7,99,3");
  EXPECT_EQ(b.kb.RekLijst[0].Naam, "2024");
  for (std::size_t i = 0; i < b.kb.RekLijst.size(); ++i)
    EXPECT_EQ(b.kb.RekLijst[i].Index, static_cast<int>(i));
}

TEST(SorteerRekeningen, EqualNumbersOrderByNameAndMatrixColumnsFollow) {
  GroepBoek b;
  b.Rekening(8, "Beta").Rekening(2, "Zeta").Rekening(8, "Alfa").Groep("100", "Een")
      .Kas(2, "100", 5).Matrix();
  SorteerRekeningen(b.kb);
  EXPECT_EQ(b.kb.RekLijst[2].Naam, "Alfa");
  EXPECT_EQ(b.kb.RekLijst[3].Naam, "Beta");
  EXPECT_DOUBLE_EQ(b.kb.SaldoMatrix()[1][1].In, 5);
  EXPECT_DOUBLE_EQ(b.kb.SaldoMatrix()[1][4].In, 5);
}

TEST(SorteerKeuze, ClickStoresTheSettingAtOnceAndOkSortsWithAdvice) {
  GroepBoek b;
  b.Rekening(2, "Zeta").Rekening(1, "Alfa").Groep("200", "A").Groep("100", "B");
  SorteerKeuze rekeningen(b.kb, SorteerOnderwerp::Rekeningen);
  EXPECT_EQ(rekeningen.Titel(), "Sorteren van Rekeningen");
  EXPECT_EQ(rekeningen.Keuze(), 0);
  rekeningen.Klik(1);  // and then "&Schrap": nothing sorted, setting kept
  EXPECT_TRUE(b.kb.weergave.RekeningenOpNaam);
  EXPECT_EQ(b.kb.Config.Vlaggen & vlag::RekeningenOpNaam, vlag::RekeningenOpNaam);
  EXPECT_EQ(b.kb.RekLijst[1].Naam, "Zeta");
  EXPECT_TRUE(b.berichten.getoond.empty());

  SorteerKeuze groepen(b.kb, SorteerOnderwerp::Groepen);
  EXPECT_EQ(groepen.Titel(), "Sorteren van \"Groepen");
  EXPECT_EQ(groepen.Keuzes(), (std::vector<std::string>{"Groep Kode", "Groep Titel"}));
  groepen.Klik(0);
  groepen.Ok();
  EXPECT_EQ(b.Kodes(), "-1,100,200");
  EXPECT_EQ(b.kb.Config.Vlaggen & vlag::GroepenOpNaam, 0);
  EXPECT_EQ(b.berichten.Teksten(),
            (std::vector<std::string>{"Sorteer bij voorkeur, de rekeningen overeenkomstig"}));
}

}  // namespace
}  // namespace valdero
