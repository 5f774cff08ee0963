#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "BoekBouwer.h"
#include "model/core/Bedragen.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/ScriptBerichten.h"

namespace valdero {
namespace {

// A book with the three usual currencies, today 10-12-2026.
struct MuntBoek : BoekMetPoorten {
  explicit MuntBoek(char decimaal) : BoekMetPoorten(MaakDatum(2026, 12, 10), decimaal) {
    test::BoekBouwer bouwer(kb);
    for (auto [kode, koers] : {std::pair{"Eur", 1.0f}, {"USD", 0.8f}, {"ENP", 1.48f}}) bouwer.Valuta(kode, koers);
  }
};

// `bedrag` is what is read, nothing for a text that is no number; reading
// shows only the warning about a changed separator, never a report.
struct LeesGeval {
  const char* naam;
  char decimaal;
  std::string invoer;
  std::string genormaliseerd;
  std::optional<double> bedrag;
  int meldingen;
};

class LeesBedragTabel : public testing::TestWithParam<LeesGeval> {};

TEST_P(LeesBedragTabel, NormalisesAndConverts) {
  const LeesGeval& g = GetParam();
  MuntBoek b(g.decimaal);
  std::string tekst = g.invoer;
  EXPECT_EQ(LeesBedrag(b.kb, tekst, true), g.bedrag);
  EXPECT_EQ(tekst, g.genormaliseerd);
  EXPECT_EQ(static_cast<int>(b.berichten.getoond.size()), g.meldingen);
  EXPECT_EQ(b.kb.IOStatus, 0);  // no side effect on the book's status
}

INSTANTIATE_TEST_SUITE_P(
    Bedragen, LeesBedragTabel,
    testing::Values(LeesGeval{"KommaBlijft", ',', "12,5", "12,5", 12.5, 0},
                    LeesGeval{"PuntWordtKomma", ',', "12.5", "12,5", 12.5, 1},
                    LeesGeval{"HeelGetalKrijgtDecimalen", ',', "12", "12,00", 12.0, 0},
                    LeesGeval{"DuizendtalPuntenGeweigerd", ',', "1.234.56", "1,234.56", std::nullopt, 1},
                    LeesGeval{"LeegIsNul", ',', "", "", 0.0, 0},
                    LeesGeval{"PuntLandinstelling", '.', "7,25", "7.25", 7.25, 1},
                    LeesGeval{"Negatief", ',', "-3,10", "-3,10", -3.10, 0},
                    LeesGeval{"Letters", ',', "12a", "12a,00", std::nullopt, 0}),
    [](const auto& rij) { return std::string(rij.param.naam); });

TEST(Bedragen, WarningNamesTheCorrectedText) {
  MuntBoek b(',');
  std::string tekst = "12.5";
  EXPECT_EQ(LeesBedrag(b.kb, tekst, true), 12.5);
  ASSERT_EQ(b.berichten.getoond.size(), 1u);
  EXPECT_EQ(b.berichten.getoond[0].tekst, "Decimaalteken in 12,5 gewijzigd");
  EXPECT_EQ(b.berichten.getoond[0].soort, BerichtSoort::Waarschuwing);
}

// The caller that refuses the text shows the report.
TEST(Bedragen, RefusedNumberReportsAndRecordsErrorFive) {
  MuntBoek b(',');
  std::string tekst = "1.234.56";
  EXPECT_FALSE(LeesBedrag(b.kb, tekst, false));
  EXPECT_TRUE(b.berichten.getoond.empty());
  MeldGeenGetal(b.kb, tekst);
  ASSERT_EQ(b.berichten.getoond.size(), 1u);
  EXPECT_EQ(b.berichten.getoond[0].tekst,
            "Getal 1,234.56 is geen geldig bedrag\n\r probeer opnieuw of controleer bestand");
  // Showing a report leaves IOStatus to the command that ends.
  EXPECT_EQ(b.kb.IOStatus, 0);
}

TEST(Bedragen, DisplayCurrencyConvertsBothWays) {
  MuntBoek b(',');
  b.kb.weergave.HulpMunt = 1;  // USD at 0.8
  std::string tekst = "100";
  EXPECT_NEAR(LeesBedrag(b.kb, tekst, false).value_or(0), 80.0, 1e-5);
  EXPECT_EQ(BedragTekst(b.kb, 80.0), "100,00");
  EXPECT_EQ(BedragTekst(b.kb, -0.004), "0,00");
}

TEST(Bedragen, RateZeroShowsUnconvertedAfterOneReportPerAmount) {
  MuntBoek b(',');
  b.kb.ValutaLijst[2].Koers = 0;
  b.kb.weergave.HulpMunt = 2;
  EXPECT_EQ(BedragTekst(b.kb, 12.345), "12,35");
  EXPECT_EQ(BedragTekst(b.kb, 1), "1,00");
  ASSERT_EQ(b.berichten.getoond.size(), 2u);
  EXPECT_EQ(b.berichten.getoond[0].tekst, " Koers = 0 \n\r corrigeer Valuta");
}

TEST(Bedragen, LeesGetal4) {
  MuntBoek b(',');
  std::string leeg;
  EXPECT_EQ(LeesGetal4(b.kb, leeg), std::nullopt);
  MeldGeenGetal(b.kb, leeg);
  EXPECT_EQ(b.berichten.getoond.at(0).tekst, "Bedrag=\"leeg\"\n\r corrigeer bedrag");
  std::string aantal = "2.5";
  EXPECT_EQ(LeesGetal4(b.kb, aantal), 2.5f);
  EXPECT_EQ(aantal, "2,5");
  std::string heel = "12";
  EXPECT_EQ(LeesGetal4(b.kb, heel), 12.0f);
  EXPECT_EQ(heel, "12");
  // Beyond what four bytes hold: refused, not stored as infinity.
  b.berichten.Wis();
  for (std::string te : {"1e70", "-4e38"}) {
    EXPECT_EQ(LeesGetal4(b.kb, te), std::nullopt) << te;
    MeldGeenGetal(b.kb, te);
    EXPECT_EQ(b.berichten.Teksten(),
              std::vector<std::string>{"Getal " + te + " is geen geldig bedrag\n\r probeer opnieuw of controleer bestand"});
    b.berichten.Wis();
  }
  std::string grens = "3e38";
  EXPECT_EQ(LeesGetal4(b.kb, grens), 3e38f);
}

struct DatumGeval {
  const char* naam;
  std::string invoer;
  std::string uitkomst;
  bool geldig;
};

class DatumAanvullenTabel : public testing::TestWithParam<DatumGeval> {};

TEST_P(DatumAanvullenTabel, CompletesOrRefuses) {
  const DatumGeval& g = GetParam();
  MuntBoek b(',');
  std::string tekst = g.invoer;
  EXPECT_EQ(DatumAanvullen(b.kb, tekst), g.geldig);
  if (g.geldig) {
    EXPECT_EQ(tekst, g.uitkomst);
    EXPECT_TRUE(b.berichten.getoond.empty());
  } else {
    ASSERT_EQ(b.berichten.getoond.size(), 1u);
    EXPECT_EQ(b.berichten.getoond[0].tekst,
              g.uitkomst + " is geen geldige datum\n\r probeer opnieuw of controleer bestand");
    // Showing a report leaves IOStatus to the command that ends.
    EXPECT_EQ(b.kb.IOStatus, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Datums, DatumAanvullenTabel,
    testing::Values(DatumGeval{"DagAlleen", "7", "7-12-2026", true},
                    DatumGeval{"DagEnMaand", "0703", "7-3-2026", true},
                    DatumGeval{"ZesCijfers", "070308", "7-3-2008", true},
                    DatumGeval{"AchtCijfers", "07032008", "7-3-2008", true},
                    DatumGeval{"MetStreepjes", "7-3", "7-3-2026", true},
                    DatumGeval{"Volledig", "07-03-2008", "7-3-2008", true},
                    DatumGeval{"Schrikkeldag", "29-2-2008", "29-2-2008", true},
                    DatumGeval{"BestaatNiet", "31-2-2008", "31-2-2008", false},
                    DatumGeval{"VijfCijfers", "12345", "12345", false},
                    DatumGeval{"ZesLetters", "morgen", "mo-rg-en", false}),
    [](const auto& rij) { return std::string(rij.param.naam); });

TEST(Datums, EmptyFieldIsLeftAlone) {
  MuntBoek b(',');
  std::string leeg;
  EXPECT_TRUE(DatumAanvullen(b.kb, leeg));
  EXPECT_EQ(leeg, "");
}

TEST(Datums, TDateTimeDaysAndLeapYears) {
  EXPECT_EQ(MaakDatum(1899, 12, 30), 0.0);
  EXPECT_EQ(MaakDatum(2008, 3, 5), 39512.0);
  EXPECT_EQ(DatumTekst(39512.0), "5-3-2008");
  EXPECT_EQ(DatumTekstLang(39512.0), "05-03-2008");
  EXPECT_EQ(DagenInJaar(1900), 365);
  EXPECT_EQ(DagenInJaar(2000), 366);
  EXPECT_EQ(DagenInJaar(2008), 366);
  MuntBoek b(',');
  EXPECT_EQ(Vandaag(b.kb), "10-12-2026");
}


// Amounts and numbers are written as "%.*f" writes them, with the book's
// decimal separator; a zero never carries a minus sign at two decimals.
// Ties and values that sit a hair beside one, in both signs, and a sweep of
// cent amounts and of three-decimal prices.
TEST(Bedragen, NumbersAreWrittenAsPrintfWritesThem) {
  MuntBoek b(',');
  auto printf = [](double x, int d) {
    char buf[400];  // 1e300 has 301 digits before the point
    std::snprintf(buf, sizeof buf, "%.*f", d, x);
    std::string s = buf;
    if (s == "-0.00" || s == "-0") s.erase(0, 1);
    for (char& c : s)
      if (c == '.') c = ',';
    return s;
  };
  std::vector<double> waarden = {0.0,       -0.0,        0.005,     0.015,      0.025,   1.005,   2.675,
                                 -2.675,    1.115,       -0.004,    -0.005,     0.125,   0.375,   1e11 + 0.125,
                                 999999.995, 1e12,       1.5e15,    -1203.22,   23.45,   -23.45,  0.5,
                                 2.5,       -2.5,        1e300,     -1e-300,    123456789.987654321};
  for (int c = -200000; c <= 200000; c += 7) waarden.push_back(c / 100.0);
  for (int c = -30000; c <= 30000; c += 3) waarden.push_back(c / 1000.0 * 1.1);
  for (double x : waarden)
    for (int d = 0; d <= 6; ++d) ASSERT_EQ(GetalTekst(b.kb, x, d), printf(x, d)) << x << " met " << d;
  EXPECT_EQ(GetalTekst(b.kb, -0.001, 2), "0,00");
  EXPECT_EQ(GetalTekst(b.kb, -0.001, 1), "-0,0");
}

TEST(Datums, LongDatesOfEveryDayOfTheYear) {
  for (double d = MaakDatum(2024, 1, 1); d < MaakDatum(2025, 1, 1); d += 1) {
    const DatumDelen delen = SplitsDatum(d);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", delen.dag, delen.maand, delen.jaar);
    ASSERT_EQ(DatumTekstLang(d + 0.75), buf);
  }
  EXPECT_EQ(DatumTekstLang(MaakDatum(987, 6, 1)), "01-06-0987");
}

// A day number no calendar holds is shown as day 0, never cast to an integer.
TEST(Datums, DayNumbersNoCalendarHoldsAreDayZero) {
  for (double d : {std::nan(""), 1e300, -1e300, HUGE_VAL, MaakDatum(9999, 12, 31) + 1, MaakDatum(1, 1, 1) - 1}) {
    const DatumDelen delen = SplitsDatum(d);
    EXPECT_EQ(delen.jaar, 1899) << d;
    EXPECT_EQ(DatumTekst(d), "30-12-1899") << d;
  }
  EXPECT_EQ(SplitsDatum(MaakDatum(9999, 12, 31) + 0.5).jaar, 9999);
  EXPECT_EQ(SplitsDatum(MaakDatum(1, 1, 1)).jaar, 1);
}

}  // namespace
}  // namespace valdero
