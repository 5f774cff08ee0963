// The VAT overview: the four sums per paying account (a refund counted as
// VAT in income, a class with a VAT kind but no rate giving nothing, a
// group without VAT adding nothing whatever the booking stored), the total
// over all accounts, the table the window shows and its text form.
#include <gtest/gtest.h>

#include "BtwTestBoek.h"
#include "RapportHulpTest.h"
#include "model/reports/BtwRapport.h"
#include "model/reports/RapportTekst.h"

namespace valdero {
namespace {

std::vector<std::vector<std::string>> Cellen(const RapportTabel& t) {
  std::vector<std::vector<std::string>> uit;
  for (const RapportRij& r : t.rijen) uit.push_back(r.cellen);
  return uit;
}

TEST(BtwRapport, VierSommenPerRekening) {
  struct Geval {
    const char* naam;
    int rekNr;
    std::vector<std::vector<std::string>> rijen;  // Rek., uit hoog, uit laag, in hoog, in laag
    std::vector<std::string> totaal;              // empty: no total line
    std::string kop;
  };
  const std::vector<Geval> gevallen = {
      {"alle betaalrekeningen", 0,
       {{"1", "-19,00", "-0,60", "3,80", "6,00"}, {"2", "-38,00", "0,00", "0,00", "0,00"}},
       {"-57,00", "-0,60", "3,80", "6,00"},
       "INKOMSTEN en UITGAVEN alle REKENINGEN  Jaar:2004"},
      {"een rekening", 1, {{"1", "-19,00", "-0,60", "3,80", "6,00"}}, {},
       "INKOMSTEN en UITGAVEN  R E K E N I N G  Nr: 1  Jaar:2004\n\rRekening Naam :Betaalrekening"},
      // Asked by number, an account of another kind is shown too.
      {"spaarrekening", 3, {{"3", "-19,00", "0,00", "0,00", "0,00"}}, {},
       "INKOMSTEN en UITGAVEN  R E K E N I N G  Nr: 3  Jaar:2004\n\rRekening Naam :Spaarrekening"},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    test::BtwBoek b;
    Kasboek& kb = b.boek.kb;
    const RapportTabel t = BtwTabel(kb, BouwBtwRapport(kb, g.rekNr));
    EXPECT_EQ(t.kop, g.kop);
    EXPECT_EQ(t.titels, (std::vector<std::string>{"Rek.", "BTWUit_hoog", "BTWUit_laag", "BTWIn_hoog", "BTWIn-Laag"}));
    EXPECT_EQ(t.breedtes, (std::vector<int>{42, 96, 96, 96, 96}));
    EXPECT_EQ(Cellen(t), g.rijen);
    EXPECT_EQ(t.geselecteerd, static_cast<int>(g.rijen.size()) - 1);
    if (g.totaal.empty()) {
      EXPECT_TRUE(t.totalen.empty());
    } else {
      ASSERT_EQ(t.totalen.size(), 1u);
      EXPECT_EQ(t.totalen[0].label, "TOTAAL  Eur");
      std::vector<std::string> velden;
      for (const RapportVeld& v : t.totalen[0].velden) velden.push_back(v.tekst);
      EXPECT_EQ(velden, g.totaal);
      EXPECT_EQ(t.totalen[0].velden[0].kleur, VeldKleur::Rood);
      EXPECT_EQ(t.totalen[0].velden[3].kleur, VeldKleur::Groen);
    }
    EXPECT_TRUE(b.boek.berichten.Teksten().empty());
  }
}

TEST(BtwRapport, BetaalrekeningZonderBtwGeeftNullen) {
  test::BtwBoek b;
  Kasboek& kb = b.boek.kb;
  test::VoegRekeningToe(kb, 4, "Kas", "BT");
  const BtwRapport o = BouwBtwRapport(kb, 0);
  ASSERT_EQ(o.rijen.size(), 3u);
  EXPECT_EQ(o.rijen[2].rekNr, 4);
  EXPECT_EQ(o.rijen[2].sommen.uitHoog + o.rijen[2].sommen.uitLaag + o.rijen[2].sommen.inHoog +
                o.rijen[2].sommen.inLaag,
            0.0);
}

TEST(BtwRapport, VerwijderdeGroepWordtOvergeslagenMetEenMelding) {
  test::BtwBoek b;
  Kasboek& kb = b.boek.kb;
  b.Kas(2, "999", 10, 2, -119.00, "Weg", 2);
  b.Kas(2, "998", 10, 3, -119.00, "Weg", 2);
  const BtwRapport o = BouwBtwRapport(kb, 2);
  EXPECT_EQ(o.overgeslagen, 2);
  EXPECT_DOUBLE_EQ(o.rijen[0].sommen.uitHoog, -38.0);
  // One message for the whole overview, not one per transaction.
  EXPECT_EQ(b.boek.berichten.Teksten(), std::vector<std::string>{kBtwFout});
}

TEST(BtwRapport, TarievenZonderDelingsfout) {
  struct Geval {
    double bedrag, perc, btw;
  };
  for (const Geval& g : {Geval{-119, 19, -19}, Geval{106, 6, 6}, Geval{-50, 0, 0}, Geval{-50, -100, 0}}) {
    SCOPED_TRACE(g.perc);
    EXPECT_NEAR(BtwIn(g.bedrag, g.perc), g.btw, 1e-9);
  }
}

TEST(BtwRapport, TekstZoalsHetRapportbestand) {
  test::BtwBoek b;
  Kasboek& kb = b.boek.kb;
  kb.Config.LinkerMarge = 236;
  const RapportTabel t = BtwTabel(kb, BouwBtwRapport(kb, 0));
  VerzameldeRegels regels;
  VerzamelRapport(kb, t, t.breedtes, 10, t.Kolommen() - 1, regels);
  EXPECT_EQ(test::TekstRegels(RapportBestandsTekst(kb, regels.regels, 10)),
            (std::vector<std::string>{
                "INKOMSTEN en UITGAVEN alle REKENINGEN  Jaar:2004  Datum : 15-06-2004",
                "",
                "|Rek.|BTWUit_ho|BTWUit_la|BTWIn_hoo|BTWIn-Laa|",
                "|--------------------------------------------",
                "|1   |   -19,00|    -0,60|     3,80|     6,00|",
                "|2   |   -38,00|     0,00|     0,00|     0,00|",
                "|--------------------------------------------",
                " TOTAAL  Eur",
                "         -57,00     -0,60      3,80      6,00",
            }));
}

}  // namespace
}  // namespace valdero
