// The chart series of every kind on the small report book: points, labels,
// titles, colours, axes and sums; the date axis of short and long years; the
// budget chart's extrapolation of a year not yet over; paging; the empty-total
// messages; and printing in the orientation of the kind.
#include <gtest/gtest.h>

#include <cmath>

#include "RapportTestBoek.h"
#include "model/charts/GrafiekBouw.h"
#include "model/charts/GrafiekModel.h"
#include "model/reports/ReportSelection.h"

namespace valdero {
namespace {

using test::RapportBoek;

// What a launcher prepares: the fixed selections of the kind, or the
// classes and account kinds the selection dialog would choose.
void Kies(RapportBoek& b, int soort, std::vector<std::string> klassen = {}, std::vector<std::string> soorten = {}) {
  BereidSelectieVoor(b.boek.kb, b.selectie, RapportSoortVan(soort));
  if (!klassen.empty()) KiesKlassen(b.boek.kb, b.selectie, klassen);
  if (!soorten.empty()) KiesSoorten(b.boek.kb, b.selectie, soorten);
}

struct Punt {
  int dag, maand;
  double y;
};

void VerwachtLijn(const Grafiek& g, const std::vector<Punt>& punten) {
  ASSERT_EQ(g.reeksen.size(), 1u);
  const auto& p = g.reeksen[0].punten;
  ASSERT_EQ(p.size(), punten.size());
  for (std::size_t i = 0; i < p.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(p[i].x, MaakDatum(2004, punten[i].maand, punten[i].dag));
    EXPECT_NEAR(p[i].y, punten[i].y, 0.005);
  }
}

TEST(Grafiek, LijnenVanRekeningGroepEnKlassen) {
  struct Geval {
    const char* naam;
    int soort, index;
    std::vector<std::string> klassen;
    std::vector<std::string> titels;
    std::uint32_t kleur;
    bool omgekeerd;
    std::vector<Punt> punten;
  };
  const std::vector<Geval> gevallen = {
      {"rekening 1", 101, 1, {}, {"Rekening 1", "Rekening Naam :BetaalrekeningSoort :BT"}, kleur::Groen, false,
       {{1, 1, 1000}, {25, 1, 3000}, {10, 2, 2000}, {3, 3, 1226.67}, {20, 5, 1203.22}, {15, 8, 1153.22}}},
      {"uitgavengroep loopt omlaag in rood", 105, 3, {}, {"Groep-grafiek  Jaar:2004", "Boekings-Code : 201  Boodschappen"},
       kleur::Rood, true, {{3, 3, -773.33}, {20, 5, -796.78}, {15, 8, -846.78}}},
      {"inkomstengroep in groen", 105, 6, {}, {"Groep-grafiek  Jaar:2004", "Boekings-Code : 300  Salaris"},
       kleur::Groen, false, {{25, 1, 2000}}},
      {"klassen I en U", 110, 0, {"I", "U"},
       {"Totaal van Klasse(n) Jaar: 2004", "Records van geselecteerde klassen :  I , U ,"}, kleur::Groen, false,
       {{25, 1, 2000}, {3, 3, 1226.67}, {3, 3, 1214.17}, {20, 5, 1190.72}, {20, 5, 1186.62}, {15, 8, 1136.62}}},
  };
  for (const Geval& c : gevallen) {
    SCOPED_TRACE(c.naam);
    RapportBoek b;
    Kies(b, c.soort, c.klassen);
    const Grafiek g = BouwGrafiek(b.boek.kb, b.selectie, c.soort, c.index);
    EXPECT_EQ(g.vorm, GrafiekVorm::Lijn);
    EXPECT_EQ(g.titels, c.titels);
    EXPECT_EQ(g.onder.titel, "Maand");
    EXPECT_EQ(g.onder.labelHoek, 90);
    EXPECT_EQ(g.links.titel, "Bedrag");
    EXPECT_EQ(g.links.omgekeerd, c.omgekeerd);
    EXPECT_EQ(g.bladeren, c.soort != 110);
    EXPECT_EQ(g.reeksen.at(0).kleur, c.kleur);
    VerwachtLijn(g, c.punten);
    EXPECT_NEAR(g.lopendTotaal, c.punten.back().y, 0.005);
    EXPECT_TRUE(b.boek.berichten.getoond.empty());
  }
}

// Every line chart covers the whole book, whatever the period.
TEST(Grafiek, DatumAsVanKorteEnLangeJaren) {
  struct Geval {
    const char* naam;
    std::vector<double> datums;
    double min, max, stap;
  };
  const double d1 = MaakDatum(2004, 1, 1);
  const std::vector<Geval> gevallen = {
      {"een jaar in stappen van 30 dagen", {d1, MaakDatum(2004, 8, 15)}, d1, d1 + 240, 30},
      {"een enkele dag in het midden van een stap", {MaakDatum(2004, 5, 20)}, MaakDatum(2004, 5, 5),
       MaakDatum(2004, 6, 4), 30},
      {"tien jaar met hoogstens 14 labels", {d1, MaakDatum(2014, 1, 1)}, d1, d1 + 3900, 300},
      {"een datum 0 telt niet mee", {0, MaakDatum(2004, 3, 1), MaakDatum(2004, 4, 30)}, MaakDatum(2004, 3, 1),
       MaakDatum(2004, 3, 1) + 60, 30},
  };
  for (const Geval& c : gevallen) {
    SCOPED_TRACE(c.naam);
    test::BoekMetPoorten boek(MaakDatum(2004, 6, 1));
    for (double d : c.datums) test::VoegTransactieToe(boek.kb, 1, "300", d, 10);
    const GrafiekAs as = DatumAs(boek.kb);
    EXPECT_EQ(as.min, c.min);
    EXPECT_EQ(as.max, c.max);
    EXPECT_EQ(as.stap, c.stap);
    EXPECT_LE((as.max - as.min) / as.stap, 13);
  }
}

TEST(Grafiek, FoutieveBeginDatumWordtGemeldEnDeLijnGetekend) {
  RapportBoek b;
  b.boek.kb.KasLijst[1].Datum = 0;
  const Grafiek g = BouwGrafiek(b.boek.kb, b.selectie, 101, 1);
  EXPECT_EQ(b.boek.berichten.Teksten(), std::vector<std::string>{"Begin- of Einddatum foutief"});
  EXPECT_EQ(b.boek.berichten.getoond.at(0).soort, BerichtSoort::Fout);
  // The undated opening balance counts in the total without a point.
  ASSERT_EQ(g.reeksen.at(0).punten.size(), 5u);
  EXPECT_NEAR(g.reeksen[0].punten[0].y, 3000, 0.005);
}

TEST(Grafiek, LeegTotaalToontLijnEnMelding) {
  struct Geval {
    const char* naam;
    int soort, index;
    std::vector<std::string> klassen;
    std::size_t punten;
    const char* melding;
  };
  const std::vector<Geval> gevallen = {
      {"transferrekening zonder transacties", 101, 3, {}, 0, "Geen records voor deze rekening"},
      {"kruisposten sommeren tot 0", 105, 8, {}, 2, "Geen records voor deze groep"},
      {"klasse zonder groepen met transacties", 110, 0, {"B"}, 4, nullptr},
  };
  for (const Geval& c : gevallen) {
    SCOPED_TRACE(c.naam);
    RapportBoek b;
    Kies(b, c.soort, c.klassen);
    GrafiekModel model(b.boek.kb, b.selectie);
    ASSERT_TRUE(model.ShowChart(c.soort, c.index));
    EXPECT_EQ(model.Huidig().reeksen.at(0).punten.size(), c.punten);
    EXPECT_EQ(b.boek.berichten.Teksten(),
              c.melding ? std::vector<std::string>{c.melding} : std::vector<std::string>{});
  }
  RapportBoek b;
  Kies(b, 110, {"B"});
  b.boek.kb.KasLijst[4].Bedrag = -1500;  // the balances of class B now sum to 0
  b.boek.kb.KasLijst[5].Bedrag = 0;
  GrafiekModel model(b.boek.kb, b.selectie);
  model.ShowChart(110, 0);
  EXPECT_EQ(b.boek.berichten.Teksten(), std::vector<std::string>{"Geen records voor deze klasse"});
}

struct Staaf {
  double x;
  const char* label;
  double begroot, werkelijk;
};

void VerwachtStaven(const Grafiek& g, const std::vector<Staaf>& staven) {
  ASSERT_EQ(g.reeksen.size(), 3u);
  EXPECT_EQ(g.reeksen[0].naam, "Begroot");
  EXPECT_EQ(g.reeksen[0].kleur, kleur::Blauw);
  EXPECT_EQ(g.reeksen[1].naam, "Werkelijk");
  EXPECT_EQ(g.reeksen[1].kleur, kleur::Limoen);
  EXPECT_EQ(g.reeksen[2].naam, "Saldo Werkelijk");
  EXPECT_EQ(g.reeksen[2].kleur, kleur::Rood);
  EXPECT_TRUE(g.reeksen[2].alsLijn);
  EXPECT_TRUE(g.reeksen[0].waardenZichtbaar);
  EXPECT_TRUE(g.reeksen[1].waardenZichtbaar);
  for (const GrafiekReeks& r : g.reeksen) ASSERT_EQ(r.punten.size(), staven.size()) << r.naam;
  double som = 0;
  for (std::size_t i = 0; i < staven.size(); ++i) {
    SCOPED_TRACE(staven[i].label);
    for (const GrafiekReeks& r : g.reeksen) {
      EXPECT_EQ(r.punten[i].x, staven[i].x);
      EXPECT_EQ(r.punten[i].label, staven[i].label);
    }
    EXPECT_NEAR(g.reeksen[0].punten[i].y, staven[i].begroot, 0.005);
    EXPECT_NEAR(g.reeksen[1].punten[i].y, staven[i].werkelijk, 0.005);
    som += staven[i].werkelijk;
    EXPECT_NEAR(g.reeksen[2].punten[i].y, som, 0.005);
  }
}

TEST(Grafiek, BegrotingPerJaarSelectieEnKwartaal) {
  struct Geval {
    const char* naam;
    int soort;
    double vandaag;
    std::vector<std::string> klassen;
    std::vector<std::string> titels;
    std::vector<Staaf> staven;
  };
  const double juni = MaakDatum(2004, 6, 15);
  const std::vector<Geval> gevallen = {
      {"per jaar, alle klassen", 111, juni, {},
       {"Valdero Begroting Jaar: 2004 per Jaar", "Records van alle klassen"},
       {{1, "Saldo Betaalreke", 0, 1000},
        {2, "Saldo Spaarreken", 0, 500},
        {3, "Boodschappen", -1200, -846.78},
        {4, "Statiegeld", 0, -12.5},
        {5, "Koffie", 0, -4.1},
        {6, "Salaris", 24000, 2000},
        {7, "Huur", -6000, 0},
        {8, "KRUISPOSTEN", 0, 0}}},
      {"selectie van klasse I", 115, juni, {"I"},
       {"Valdero Begroting Jaar: 2004 Selectie", "Records van de klassen : I ,"}, {{6, "Salaris", 24000, 2000}}},
      // June of the book's own year: (6 - 1) / 3 + 1 quarters have passed,
      // so the actuals count 4 / 2.67 times before the division by 4.
      {"per kwartaal in juni van dit jaar", 113, juni, {"I"},
       {"Valdero Begroting Jaar: 2004 per Kwartaal", "Records van alle klassen"}, {{6, "Salaris", 6000, 750}}},
      {"per kwartaal in januari van dit jaar", 113, MaakDatum(2004, 1, 20), {"I"},
       {"Valdero Begroting Jaar: 2004 per Kwartaal", "Records van alle klassen"}, {{6, "Salaris", 6000, 2000}}},
      {"per kwartaal in een ander jaar", 113, MaakDatum(2005, 6, 15), {"I"},
       {"Valdero Begroting Jaar: 2004 per Kwartaal", "Records van alle klassen"}, {{6, "Salaris", 6000, 500}}},
  };
  for (const Geval& c : gevallen) {
    SCOPED_TRACE(c.naam);
    RapportBoek b(c.vandaag);
    Kies(b, c.soort);
    if (!c.klassen.empty()) KiesKlassen(b.boek.kb, b.selectie, c.klassen);
    GrafiekModel model(b.boek.kb, b.selectie);
    ASSERT_TRUE(model.ShowChart(c.soort, 0));
    const Grafiek& g = model.Huidig();
    EXPECT_EQ(g.vorm, GrafiekVorm::Staven);
    EXPECT_EQ(g.titels, c.titels);
    EXPECT_EQ(g.onder.titel, "Groepen");
    EXPECT_EQ(g.onder.stap, 1);
    EXPECT_EQ(g.onder.labelHoek, 90);
    VerwachtStaven(g, c.staven);
    EXPECT_TRUE(b.boek.berichten.getoond.empty());
  }
}

TEST(Grafiek, BegrotingPerMaandKiestAlleenBILUV) {
  RapportBoek b;
  Kies(b, 112);
  GrafiekModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(model.ShowChart(112, 0));
  EXPECT_EQ(model.Huidig().titels.at(1), "Records van de klassen : B, I, L, U, V");
  // June of this year: twice the actuals, divided by 12; class I is in.
  const GrafiekReeks& w = model.Huidig().reeksen.at(1);
  ASSERT_EQ(w.punten.size(), 8u);
  EXPECT_NEAR(w.punten[5].y, 2000.0 * 2 / 12, 0.005);

  // A book without any of those classes stops before the window opens.
  RapportBoek zonder;
  zonder.boek.kb.KlasseLijst.clear();
  test::VoegKlasseToe(zonder.boek.kb, " E ", "Effecten");
  Kies(zonder, 112);
  GrafiekModel leeg(zonder.boek.kb, zonder.selectie);
  EXPECT_FALSE(leeg.ShowChart(112, 0));
  EXPECT_EQ(zonder.boek.berichten.Teksten(), std::vector<std::string>{"Geen klassen gekozen"});
}

TEST(Grafiek, WaardenBijDeStavenAlleenWaarZePassen) {
  for (const auto& [extra, zichtbaar] : {std::pair{12, true}, std::pair{13, false}}) {
    SCOPED_TRACE(extra);
    RapportBoek b;
    for (int i = 0; i < extra; ++i) test::VoegGroepToe(b.boek.kb, std::to_string(500 + i), "Extra", " U ", -100);
    EXPECT_TRUE(BouwSaldoMatrix(b.boek.kb).Gelukt());
    Kies(b, 111);
    const Grafiek g = BouwGrafiek(b.boek.kb, b.selectie, 111, 0);
    ASSERT_EQ(g.reeksen.at(0).punten.size(), static_cast<std::size_t>(8 + extra));
    EXPECT_EQ(g.reeksen[0].waardenZichtbaar, zichtbaar);
    EXPECT_EQ(g.reeksen[1].waardenZichtbaar, zichtbaar);
  }
}

TEST(Grafiek, OngeldigBudgetGeeftFoutInChartEnSlaatDeGroepOver) {
  RapportBoek b;
  b.boek.kb.GroepLijst[3].Budget = std::nan("");
  Kies(b, 111);
  const Grafiek g = BouwGrafiek(b.boek.kb, b.selectie, 111, 0);
  EXPECT_EQ(b.boek.berichten.Teksten(), std::vector<std::string>{"Fout in Chart"});
  ASSERT_EQ(g.reeksen.at(0).punten.size(), 7u);
  EXPECT_EQ(g.reeksen[0].punten[2].label, "Statiegeld");
}

TEST(Grafiek, SaldiVanAlleEnGekozenRekeningen) {
  struct Balk {
    double x;
    const char* label;
    double y;
  };
  struct Geval {
    const char* naam;
    int soort;
    std::vector<std::string> soorten;
    std::vector<std::string> titels;
    std::vector<Balk> balken;
  };
  const std::vector<Geval> gevallen = {
      {"alle rekeningen, de eerste bovenaan, de transferrekening gewoon mee", 131, {},
       {"Valdero saldi Jaar : 2004"},
       {{3, "Betaalrekening", 1153.22}, {2, "Spaarrekening", 1483.4}, {1, "TRANSFER REKENING", 0}}},
      {"alleen de spaarrekeningen", 132, {"SP"},
       {"Valdero saldi Jaar : 2004", "Voor de rekeningSoorten : SP "}, {{2, "Spaarrekening", 1483.4}}},
  };
  for (const Geval& c : gevallen) {
    SCOPED_TRACE(c.naam);
    RapportBoek b;
    b.boek.kb.RekLijst[1].Naam = "  Betaalrekening ";
    Kies(b, c.soort, {}, c.soorten);
    const Grafiek g = BouwGrafiek(b.boek.kb, b.selectie, c.soort, 0);
    EXPECT_EQ(g.vorm, GrafiekVorm::Balken);
    EXPECT_EQ(g.titels, c.titels);
    EXPECT_EQ(g.links.titel, "Rekening");
    EXPECT_EQ(g.links.max, 3);
    EXPECT_EQ(g.onder.titel, "Bedrag");
    ASSERT_EQ(g.reeksen.size(), 1u);
    EXPECT_EQ(g.reeksen[0].naam, "KasSaldi");
    EXPECT_TRUE(g.reeksen[0].waardenZichtbaar);
    ASSERT_EQ(g.reeksen[0].punten.size(), c.balken.size());
    for (std::size_t i = 0; i < c.balken.size(); ++i) {
      EXPECT_EQ(g.reeksen[0].punten[i].x, c.balken[i].x);
      EXPECT_EQ(g.reeksen[0].punten[i].label, c.balken[i].label);
      EXPECT_NEAR(g.reeksen[0].punten[i].y, c.balken[i].y, 0.005);
    }
  }
}

TEST(Grafiek, VolgendEnVorigeBladerenEnStoppenAanDeRanden) {
  RapportBoek b;
  GrafiekModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(model.ShowChart(101, 2));
  ASSERT_TRUE(model.Vorige());
  EXPECT_EQ(model.Huidig().titels.at(0), "Rekening 1");
  // At the first account, "&Vorige" does nothing.
  EXPECT_FALSE(model.Vorige());
  ASSERT_TRUE(model.Volgend());
  ASSERT_TRUE(model.Volgend());
  EXPECT_EQ(model.Huidig().titels.at(0), "Rekening 99");
  b.boek.berichten.Wis();
  const Grafiek voor = model.Huidig();
  EXPECT_FALSE(model.Volgend());
  EXPECT_EQ(model.Huidig().titels, voor.titels);
  EXPECT_TRUE(b.boek.berichten.getoond.empty());

  ASSERT_TRUE(model.ShowChart(105, 7));
  ASSERT_TRUE(model.Volgend());
  EXPECT_EQ(model.Huidig().titels.at(1), "Boekings-Code : xxxx  KRUISPOSTEN");
  EXPECT_FALSE(model.Volgend());
  ASSERT_TRUE(model.ShowChart(131, 0));
  EXPECT_FALSE(model.Volgend());
}

// Records the orientation and the picture; prints nowhere.
struct AfdrukPrinter : VastePrinter {
  void ZetLiggend(bool liggend) override {
    standen.push_back(liggend);
    VastePrinter::ZetLiggend(liggend);
  }
  bool BeginDocument(const std::string&) override {
    pagina = {PaginaBreedte(), PaginaHoogte()};
    return true;
  }
  void Afbeelding(int x, int y, int b, int h, const std::string& png) override {
    beeld = {x, y, b, h};
    bytes = png;
  }
  std::vector<bool> standen;
  std::vector<int> pagina, beeld;
  std::string bytes;
};

TEST(Grafiek, PrintLiggendOfStaandEnDanWeerZoalsIngesteld) {
  struct Geval {
    int soort;
    bool liggend;
  };
  for (const Geval& c : {Geval{101, true}, Geval{111, true}, Geval{131, false}}) {
    SCOPED_TRACE(c.soort);
    RapportBoek b;
    b.boek.kb.Config.Vlaggen |= vlag::Liggend;
    b.boek.kb.Config.TopMarge = 100;
    Kies(b, c.soort);
    GrafiekModel model(b.boek.kb, b.selectie);
    ASSERT_TRUE(model.ShowChart(c.soort, c.soort == 101 ? 1 : 0));
    AfdrukPrinter printer;
    ASSERT_TRUE(model.Print(printer, "PNG", 800, 400));
    EXPECT_EQ(printer.standen, (std::vector<bool>{c.liggend, true}));
    EXPECT_EQ(printer.bytes, "PNG");
    ASSERT_EQ(printer.beeld.size(), 4u);
    // Within the margins, the proportions kept.
    EXPECT_GE(printer.beeld[0], b.boek.kb.Config.LinkerMarge);
    EXPECT_EQ(printer.beeld[1], 100);
    EXPECT_LE(printer.beeld[0] + printer.beeld[2], printer.pagina[0] - b.boek.kb.Config.LinkerMarge);
    EXPECT_NEAR(static_cast<double>(printer.beeld[2]) / printer.beeld[3], 2.0, 0.01);
  }
}

}  // namespace
}  // namespace valdero
