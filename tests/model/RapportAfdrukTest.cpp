// The report on the printer port: the page heading with the owner's data
// and page numbers, the rows with their amounts ending before the column's
// right edge, and a new page (with or without the heading again) when the
// configured lines are used, a landscape page holding fewer rows (and a
// repeated heading counting its five lines on every page).
#include <gtest/gtest.h>

#include "RapportHulpTest.h"
#include "model/reports/RapportAfdruk.h"

namespace valdero {
namespace {

struct OpnamePrinter : VastePrinter {
  struct Stuk {
    int pagina, x, y;
    std::string tekst;
  };
  std::vector<Stuk> teksten;
  int pagina = 1;
  int lijnen = 0;
  bool liggend = false;
  bool begonnen = false, beeindigd = false;
  void ZetLiggend(bool l) override {
    liggend = l;
    VastePrinter::ZetLiggend(l);
  }
  bool BeginDocument(const std::string&) override { return begonnen = true; }
  bool EindDocument() override { return beeindigd = true; }
  void NieuwePagina() override { ++pagina; }
  void Tekst(int x, int y, const std::string& t) override { teksten.push_back({pagina, x, y, t}); }
  void Lijn(int, int, int, int) override { ++lijnen; }
  const Stuk* Zoek(const std::string& t) const {
    for (const Stuk& s : teksten)
      if (s.tekst == t) return &s;
    return nullptr;
  }
  int Aantal(const std::string& t) const {
    int n = 0;
    for (const Stuk& s : teksten) n += s.tekst == t;
    return n;
  }
};

TEST(RapportAfdruk, KopRijenEnVoet) {
  test::RapportBoek b;
  Kasboek& kb = b.boek.kb;
  kb.Config.Vlaggen |= vlag::NaamBovenRapport | vlag::PaginaNummers;
  kb.Config.Persoonsdata = {"J. Jansen", "Dorpsstraat 1", "1234 AB", "Ergens", "0123-456789", "123456789012345678"};
  kb.Config.TopMarge = 354;
  kb.Config.RegelHoogte = 48;
  OpnamePrinter p;
  RapportModel model(kb, b.selectie);
  ASSERT_TRUE(test::OpenRapport(b, model, rapport::Groep, 3));
  ASSERT_TRUE(model.Print(p, model.Tabel().breedtes));
  EXPECT_TRUE(p.begonnen && p.beeindigd);
  EXPECT_NE(p.Zoek("1234 AB  Ergens"), nullptr);
  EXPECT_NE(p.Zoek("1234567890123456"), nullptr);  // the sixth line cut to 16
  const auto* kop = p.Zoek("GROEP-POST TRANSACTIES  Jaar:2004  Datum : 15-06-2004");
  ASSERT_NE(kop, nullptr);
  EXPECT_EQ(kop->x, 236);
  EXPECT_NE(p.Zoek("Pagina: 1"), nullptr);
  // An amount ends 2 t before its column's right edge: W(k) = 4961 x px / 800,
  // but the date column grows to hold its dates whole.
  const auto* bedrag = p.Zoek("773,33");
  ASSERT_NE(bedrag, nullptr);
  const int datum = p.TekstBreedte("15-06-2004") + 3 * p.TekstBreedte("|");
  ASSERT_GT(datum, 4961 * 65 / 800);
  int rechts = 236 + datum;
  for (int px : {40, 45, 159, 96, 96}) rechts += 4961 * px / 800;
  EXPECT_EQ(bedrag->x + p.TekstBreedte("773,33"), rechts - 2 * (p.TekstBreedte("AbCdEfGhIjKlMnOpQrStUvWxYz0123456789.,!/") / 40 + 1));
  EXPECT_NE(p.Zoek("TOTAAL  Eur"), nullptr);
  EXPECT_NE(p.Zoek("846,78"), nullptr);
}

TEST(RapportAfdruk, LiggendeBladzijdeBreektEerder) {
  struct Geval {
    const char* naam;
    bool liggend;
    bool kopElkePagina;
    int paginas;
  };
  for (const Geval& g : {Geval{"staand", false, false, 2}, Geval{"liggend", true, false, 3},
                         Geval{"liggend met kop", true, true, 6}}) {
    SCOPED_TRACE(g.naam);
    test::RapportBoek b;
    Kasboek& kb = b.boek.kb;
    kb.Config.RegelsPerPagina = 9;
    if (g.liggend) kb.Config.Vlaggen |= vlag::Liggend;
    if (g.kopElkePagina) kb.Config.Vlaggen |= vlag::KopElkePagina;
    OpnamePrinter p;
    RapportModel model(kb, b.selectie);
    ASSERT_TRUE(test::OpenRapport(b, model, rapport::Klassen));
    ASSERT_EQ(model.Tabel().rijen.size(), 10u);
    ASSERT_TRUE(model.Print(p, model.Tabel().breedtes));
    EXPECT_EQ(p.liggend, g.liggend);
    EXPECT_EQ(p.pagina, g.paginas);
    EXPECT_EQ(p.Aantal("Rek."), g.kopElkePagina ? g.paginas : 1);
  }
}

}  // namespace
}  // namespace valdero
