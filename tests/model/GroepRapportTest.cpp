// The group overview in its six modes: which transactions are listed, the
// cells, titles, widths and headings, the totals with their VAT, the
// "Transactiefilter" choosing the VAT by the booking's own kind, the empty
// result, and the printout on the printer port.
#include <gtest/gtest.h>

#include "BtwTestBoek.h"
#include "model/core/Printer.h"
#include "model/reports/GroepRapport.h"

namespace valdero {
namespace {

using namespace groeprapport;

std::vector<std::vector<std::string>> Cellen(const GroepRapportTabel& t) {
  std::vector<std::vector<std::string>> uit;
  for (const RapportRij& r : t.rijen) uit.push_back(r.cellen);
  return uit;
}

TEST(GroepRapport, ZesModi) {
  struct Geval {
    const char* naam;
    int modus;
    int rekNr;
    const char* groep;  // the group whose position is passed, or null
    int kas;            // else the transaction whose relation is listed
    std::vector<std::string> titels;
    std::vector<int> breedtes;
    std::vector<std::vector<std::string>> rijen;
    std::string totaal, btw;
    std::string kop;
  };
  const std::vector<Geval> gevallen = {
      {"groep op een rekening", Groep, 1, "600", 0,
       {"VlgNr.", "Datum", "Relatie", "BIJ/AF--Fl", "BTW", "Klasse"},
       {42, 66, 129, 96, 70, 36},
       {{"1", "01-02-2004", "Winkel", "-119,00", "-19,00", " H   "},
        {"2", "01-03-2004", "Winkel", "23,80", "3,80", " H   "}},
       "-95,20", "-15,20",
       "GROEP-POST TRANSACTIES  Jaar:2004\n\rGroep-Kode : 600 Apparaten"},
      {"groep op alle rekeningen", GroepAlle, 0, "600", 0,
       {"RekNr.", "Datum", "Relatie", "BIJ/AF--Fl", "BTW", "Klasse"},
       {42, 66, 129, 96, 70, 36},
       {{" 1-1", "01-02-2004", "Winkel", "-119,00", "-19,00", " H   "},
        {" 1-2", "01-03-2004", "Winkel", "23,80", "3,80", " H   "},
        {" 2-1", "01-08-2004", "Winkel", "-238,00", "-38,00", " H   "},
        {" 3-1", "01-09-2004", "Winkel ", "-119,00", "-19,00", " H   "}},
       "-452,20", "-72,20",
       "GROEP-POST TRANSACTIES  Jaar:2004\n\rGroep-Kode : 600 Apparaten"},
      {"groep zonder btw", Groep, 1, "700", 0,
       {"VlgNr.", "Datum", "Relatie", "BIJ/AF--Fl", "Klasse"},
       {42, 66, 129, 96, 36},
       {{"5", "01-06-2004", "Verhuurder", "-500,00", " N   "}},
       "-500,00", "",
       "GROEP-POST TRANSACTIES  Jaar:2004\n\rGroep-Kode : 700 Huur"},
      {"relatie op een rekening", Relatie, 1, nullptr, 1,
       {"VlgNr.", "Datum", "Groep+Titel", "BIJ/AF--Fl", "BTW", "Klasse"},
       {42, 66, 159, 96, 70, 36},
       {{"1", "01-02-2004", "600 Apparaten", "-119,00", "-19,00", " H   "},
        {"2", "01-03-2004", "600 Apparaten", "23,80", "3,80", " H   "},
        {"6", "01-07-2004", "610 Vrijgesteld", "-50,00", "0,00", " Z   "}},
       "-145,20", "-15,20",
       "GROEP-POST TRANSACTIES  Jaar:2004\n\rRelatie : Winkel"},
      // "Winkel " with its trailing blank is another relation.
      {"relatie op alle rekeningen", RelatieAlle, 0, nullptr, 1,
       {"RekNr.", "Datum", "Groep+Titel", "BIJ/AF--Fl", "BTW", "Klasse"},
       {42, 66, 159, 96, 70, 36},
       {{" 1-1", "01-02-2004", "600 Apparaten", "-119,00", "-19,00", " H   "},
        {" 1-2", "01-03-2004", "600 Apparaten", "23,80", "3,80", " H   "},
        {" 1-6", "01-07-2004", "610 Vrijgesteld", "-50,00", "0,00", " Z   "},
        {" 2-1", "01-08-2004", "600 Apparaten", "-238,00", "-38,00", " H   "}},
       "-383,20", "-53,20",
       "GROEP-POST TRANSACTIES  Jaar:2004\n\rRelatie : Winkel"},
      {"klasse op een rekening", Klasse, 1, "500", 0,
       {"VlgNr.", "Datum", "Relatie", "BIJ/AF--Fl", "BTW", "Kode"},
       {42, 66, 129, 96, 70, 41},
       {{"3", "01-04-2004", "Boekhandel", "-10,60", "-0,60", "500"},
        {"4", "01-05-2004", "Boekhandel", "106,00", "6,00", "500"}},
       "95,40", "5,40",
       "SPECIFIEKE KLASSE TRANSACTIES  Jaar: 2004\n\rGeselecteerde klassen : L "},
      {"klasse op alle rekeningen", KlasseAlle, 0, "610", 0,
       {"RekNr.", "Datum", "Relatie", "BIJ/AF--Fl", "BTW", "Kode"},
       {42, 66, 129, 96, 70, 41},
       {{" 1-6", "01-07-2004", "Winkel", "-50,00", "0,00", "610"}},
       "-50,00", "0,00",
       "SPECIFIEKE KLASSE TRANSACTIES  Jaar: 2004\n\rGeselecteerde klassen : Z "},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    test::BtwBoek b;
    Kasboek& kb = b.boek.kb;
    GroepRapportModel model(kb);
    ASSERT_TRUE(model.Toon(g.modus, g.rekNr, g.groep ? kb.ZoekGroep(g.groep).value() : g.kas));
    const GroepRapportTabel& t = model.Tabel();
    EXPECT_EQ(t.kop, g.kop);
    EXPECT_EQ(t.titels, g.titels);
    EXPECT_EQ(t.breedtes, g.breedtes);
    EXPECT_EQ(Cellen(t), g.rijen);
    EXPECT_EQ(t.totaalLabel, "TOTAAL  Eur");
    EXPECT_EQ(t.totaal.tekst, g.totaal);
    EXPECT_EQ(t.totaal.kleur, g.totaal[0] == '-' ? VeldKleur::Rood : VeldKleur::Groen);
    EXPECT_EQ(t.btwTotaal.zichtbaar, !g.btw.empty());
    if (!g.btw.empty()) {
      EXPECT_EQ(t.btwTotaal.tekst, g.btw);
    }
    EXPECT_EQ(t.aantal, "Aantal = " + std::to_string(g.rijen.size()));
    EXPECT_EQ(t.geselecteerd, 0);
    EXPECT_TRUE(b.boek.berichten.Teksten().empty());
  }
}

TEST(GroepRapport, TransactiefilterKiestDeBtwVanDeBoeking) {
  struct Geval {
    const char* naam;
    const char* groep;
    std::vector<std::string> btwUit;  // the VAT cells unticked
    std::vector<std::string> btwAan;  // ticked
    std::string totaalAan;
  };
  for (const Geval& g : {
           // The first was stored without VAT: none when ticked.
           Geval{"groep met btw", "600", {"-19,00", "3,80"}, {"0,00", "3,80"}, "3,80"},
           // A group without VAT whose booking carries the high kind: the
           // column appears, at the book's high rate.
           Geval{"groep zonder btw", "700", {}, {"-79,83"}, "-79,83"},
       }) {
    SCOPED_TRACE(g.naam);
    test::BtwBoek b;
    Kasboek& kb = b.boek.kb;
    GroepRapportModel model(kb);
    ASSERT_TRUE(model.Toon(Groep, 1, kb.ZoekGroep(g.groep).value()));
    auto btw = [&model] {
      std::vector<std::string> uit;
      const auto& t = model.Tabel();
      if (!t.btwKolommen) return uit;
      for (const RapportRij& r : t.rijen) uit.push_back(r.cellen[4]);
      return uit;
    };
    EXPECT_EQ(btw(), g.btwUit);
    model.ZetTransactiefilter(true);
    EXPECT_TRUE(model.Tabel().btwKolommen);
    EXPECT_EQ(model.Tabel().titels[4], "BTW");
    EXPECT_EQ(btw(), g.btwAan);
    EXPECT_EQ(model.Tabel().btwTotaal.tekst, g.totaalAan);
    model.ZetTransactiefilter(false);
    EXPECT_EQ(btw(), g.btwUit);
    EXPECT_EQ(model.Tabel().Kolommen(), g.btwUit.empty() ? 5 : 6);
  }
}

TEST(GroepRapport, GeenRijenGeeftDeMelding) {
  test::BtwBoek b;
  Kasboek& kb = b.boek.kb;
  GroepRapportModel model(kb);
  ASSERT_TRUE(model.Toon(Groep, 2, kb.ZoekGroep("500").value()));
  EXPECT_TRUE(model.Tabel().rijen.empty());
  EXPECT_EQ(model.Tabel().geselecteerd, -1);
  EXPECT_EQ(model.Tabel().aantal, "Aantal = 0");
  EXPECT_TRUE(model.Tabel().totaal.tekst.empty());
  EXPECT_EQ(b.boek.berichten.Teksten(), std::vector<std::string>{"Geen records voor deze Groep/Klasse"});
}

TEST(GroepRapport, OngeldigeModusOfPositieOpentNiets) {
  test::BtwBoek b;
  Kasboek& kb = b.boek.kb;
  GroepRapportModel model(kb);
  for (auto [modus, index] : {std::pair{0, 1}, {4, 1}, {44, 1}, {Groep, 0}, {Groep, kb.MaxGroep() + 1},
                              {RelatieAlle, kb.MaxKas() + 1}, {Klasse, -1}}) {
    SCOPED_TRACE(std::to_string(modus) + " " + std::to_string(index));
    EXPECT_FALSE(model.Toon(modus, 1, index));
  }
  EXPECT_TRUE(b.boek.berichten.Teksten().empty());
}

// A printer that keeps what was drawn, whose characters are twice the
// font's size wide.
struct TekenPrinter : VastePrinter {
  int TekstBreedte(const std::string& t) const override { return static_cast<int>(t.size()) * FontGrootte() * 2; }
  struct Stuk {
    int x, y;
    std::string tekst;
  };
  std::vector<Stuk> teksten;
  int paginas = 1;
  bool begonnen = false, beeindigd = false;
  bool BeginDocument(const std::string&) override { return begonnen = true; }
  bool EindDocument() override { return beeindigd = true; }
  void NieuwePagina() override { ++paginas; }
  void Tekst(int x, int y, const std::string& t) override { teksten.push_back({x, y, t}); }
  const Stuk* Zoek(const std::string& t) const {
    for (const Stuk& s : teksten)
      if (s.tekst == t) return &s;
    return nullptr;
  }
};

TEST(GroepRapport, AfdrukMetTotaalregel) {
  test::BtwBoek b;
  Kasboek& kb = b.boek.kb;
  kb.Config.LinkerMarge = 200;
  kb.Config.RegelHoogte = 50;
  kb.Config.RegelsPerPagina = 7;  // the heading's five lines and two rows
  GroepRapportModel model(kb);
  ASSERT_TRUE(model.Toon(GroepAlle, 0, kb.ZoekGroep("600").value()));
  TekenPrinter p;
  ASSERT_TRUE(model.Print(p, model.Tabel().breedtes));
  EXPECT_TRUE(p.begonnen && p.beeindigd);
  EXPECT_NE(p.Zoek("GROEP-POST TRANSACTIES  Jaar:2004  Datum : 15-06-2004"), nullptr);
  EXPECT_NE(p.Zoek("Groep-Kode : 600 Apparaten"), nullptr);
  EXPECT_EQ(p.paginas, 2);
  EXPECT_EQ(p.Zoek("Pagina: 1"), nullptr);
  // Columns: page width × pixels / 800, the date column 13/10 wider.
  const int w0 = 4961 * 42 / 800, w1 = 4961 * 66 / 800 * 13 / 10, w2 = 4961 * 129 / 800, w3 = 4961 * 96 / 800,
            w4 = 4961 * 70 / 800;
  const auto* label = p.Zoek("TOTAAL  Eur");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->x, 200 + w0 + w1);
  // The total ends before the "|" of column 4, the VAT total before column 5's.
  const auto* totaal = p.Zoek("-452,20");
  const auto* btw = p.Zoek("-72,20");
  ASSERT_NE(totaal, nullptr);
  ASSERT_NE(btw, nullptr);
  EXPECT_EQ(totaal->y, label->y);
  const int eind3 = 200 + w0 + w1 + w2 + w3 - (p.TekstBreedte("AbCdEfGhIjKlMnOpQrStUvWxYz0123456789.,!/") / 40 + 1) -
                    p.TekstBreedte("|");
  EXPECT_EQ(totaal->x + p.TekstBreedte("-452,20"), eind3);
  EXPECT_EQ(btw->x + p.TekstBreedte("-72,20"), eind3 + w4);
  // A row's cells end at the same place: right-aligned.
  const auto* bedrag = p.Zoek("-238,00");
  ASSERT_NE(bedrag, nullptr);
  EXPECT_EQ(bedrag->x + p.TekstBreedte("-238,00"), eind3);
}

// Numbers and dates are printed whole while the widened table fits the
// page; a font so large that it cannot keeps every column's own width.
TEST(GroepRapport, AfdrukSnijdtGeenGetallenZolangDePaginaHetToelaat) {
  struct Geval {
    int font;
    bool heel;
  };
  for (const Geval& g : {Geval{10, true}, Geval{30, true}, Geval{80, false}}) {
    SCOPED_TRACE(g.font);
    test::BtwBoek b;
    Kasboek& kb = b.boek.kb;
    GroepRapportModel model(kb);
    ASSERT_TRUE(model.Toon(GroepAlle, 0, kb.ZoekGroep("600").value()));
    TekenPrinter p;
    p.ZetFont("Arial", g.font, false);
    ASSERT_TRUE(model.Print(p, model.Tabel().breedtes));
    for (const char* s : {" 2-1", "01-08-2004", "-238,00", "-38,00"})
      EXPECT_EQ(p.Zoek(s) != nullptr, g.heel) << s;
  }
}

}  // namespace
}  // namespace valdero
