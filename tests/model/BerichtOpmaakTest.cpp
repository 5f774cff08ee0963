#include <gtest/gtest.h>

#include "model/messages/BerichtOpmaak.h"

namespace valdero {
namespace {

struct KnopGeval {
  const char* naam;
  int knoppen;
  int standaard;
  int annuleer;
};

class EnterEnEscape : public testing::TestWithParam<KnopGeval> {};

TEST_P(EnterEnEscape, PickTheButtonsInTheirOrderOfPreference) {
  const KnopGeval& g = GetParam();
  EXPECT_EQ(StandaardKnop(g.knoppen), g.standaard);
  EXPECT_EQ(AnnuleerKnop(g.knoppen), g.annuleer);
}

INSTANTIATE_TEST_SUITE_P(
    Knoppensets, EnterEnEscape,
    testing::Values(KnopGeval{"OkAlleen", knop::OK, knop::OK, knop::OK},
                    KnopGeval{"JaNee", knop::JaNee, knop::Ja, knop::Nee},
                    KnopGeval{"OkGaatVoorJa", knop::Ja | knop::OK, knop::OK, knop::OK},
                    KnopGeval{"SchrapGaatVoorNee", knop::Ja | knop::Nee | knop::Schrap, knop::Ja, knop::Schrap},
                    KnopGeval{"BijAf", knop::Bij | knop::Af, knop::Af, 0},
                    KnopGeval{"OpnieuwAfbreken", knop::Opnieuw | knop::Breek, knop::Opnieuw, 0}),
    [](const auto& p) { return std::string(p.param.naam); });

TEST(BerichtKnoppen, AppearInBitOrderWithTheirResults) {
  const auto v = KnoppenVan(knop::Help | knop::Nee | knop::Ja | knop::AllesJa);
  ASSERT_EQ(v.size(), 4u);
  EXPECT_STREQ(v[0].naam, "Ja");
  EXPECT_STREQ(v[1].naam, "Nee");
  EXPECT_STREQ(v[2].opschrift, "J&a voor Alle");
  EXPECT_STREQ(v[3].naam, "Help");
  EXPECT_EQ(v[0].resultaat, 6);
  EXPECT_EQ(v[1].resultaat, 7);
  EXPECT_EQ(v[2].resultaat, 10);
  EXPECT_EQ(v[3].resultaat, 0);
}

TEST(BerichtTitel, FollowsTheKind) {
  EXPECT_EQ(BerichtTitel(BerichtSoort::Waarschuwing, "X"), "Waarschuwing");
  EXPECT_EQ(BerichtTitel(BerichtSoort::Fout, "X"), "Fout");
  EXPECT_EQ(BerichtTitel(BerichtSoort::Informatie, "X"), "Informatie");
  EXPECT_EQ(BerichtTitel(BerichtSoort::Bevestig, "X"), "Bevestig");
  EXPECT_EQ(BerichtTitel(BerichtSoort::Titel, "Valdero 10"), "Valdero 10");
}

TEST(BerichtIndeling, ScalesWithTheFontAndRoundsEachMeasure) {
  const BerichtMaten m = MaatVoorFont(7, 13);
  EXPECT_EQ(m.margeX, 14);      // 8*7/4
  EXPECT_EQ(m.margeY, 13);      // 8*13/8
  EXPECT_EQ(m.ruimteX, 18);     // 10*7/4 = 17.5
  EXPECT_EQ(m.ruimteY, 16);     // 10*13/8 = 16.25
  EXPECT_EQ(m.knopBreedte, 88); // 50*7/4 = 87.5
  EXPECT_EQ(m.knopHoogte, 23);  // 14*13/8 = 22.75
  EXPECT_EQ(m.knopTussen, 7);
}

TEST(BerichtIndeling, ShortTextGivesADialogJustWideEnoughForItsButtons) {
  const BerichtMaten m = MaatVoorFont(7, 13);
  const BerichtIndeling d = DeelBerichtIn(m, 20, 13, true, 2);
  EXPECT_EQ(d.breedte, 2 * 88 + 7 + 2 * 14);
  EXPECT_EQ(d.knoppenX, 14);
  EXPECT_EQ(d.tekstX, 14 + 32 + 18);
  EXPECT_EQ(d.tekstHoogte, 32) << "an icon makes the text block at least 32 high";
  EXPECT_EQ(d.hoogte, 32 + 16 + 23 + 2 * 13);
}

TEST(BerichtIndeling, WideTextSetsTheWidthAndCentresTheButtons) {
  const BerichtMaten m = MaatVoorFont(7, 13);
  const BerichtIndeling d = DeelBerichtIn(m, 400, 52, false, 1);
  EXPECT_EQ(d.tekstX, 14);
  EXPECT_EQ(d.breedte, 400 + 28);
  EXPECT_EQ(d.knoppenX, (428 - 88) / 2);
  EXPECT_EQ(d.knoppenY, 13 + 52 + 16);
}

TEST(RegelEinden, TurnsEveryKindOfBreakIntoOneNewline) {
  EXPECT_EQ(RegelEinden("a\rb"), "a\nb");
  EXPECT_EQ(RegelEinden("x heeft verkeerd formaat\n\r hint"), "x heeft verkeerd formaat\n hint");
  EXPECT_EQ(RegelEinden("a\r\nb\n\nc"), "a\nb\n\nc");
  EXPECT_EQ(RegelEinden("a\r\rb"), "a\n\nb");
}

}  // namespace
}  // namespace valdero
