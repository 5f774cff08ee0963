// The overview window's row actions in its model: the drill-downs into the
// group overview with what they pass, the search of the account and group
// reports, and the column title of group titles after the view switched.
#include <gtest/gtest.h>

#include "RapportHulpTest.h"
#include "model/reports/GroepRapport.h"

namespace valdero {
namespace {

using test::OpenRapport;
using test::RapportBoek;

int RijVanDatum(const RapportModel& model, const std::string& datum) {
  const auto& rijen = model.Tabel().rijen;
  for (std::size_t r = 0; r < rijen.size(); ++r)
    if (rijen[r].cellen[2] == datum) return static_cast<int>(r);
  return -1;
}

TEST(RapportDoorzoeken, DoorzoekingenGevenModusRekeningEnPositie) {
  struct Geval {
    const char* naam;
    int soort;
    const char* groep;  // kinds 5: the group shown
    int modus;
    bool kan;
    int rekNr;          // account passed on
    const char* index;  // group code whose position is passed, or "kas"
  };
  for (const Geval& g : {
           Geval{"groep in het rekeningoverzicht", 1, nullptr, groeprapport::Groep, true, 2, "201a"},
           Geval{"relatie", 1, nullptr, groeprapport::Relatie, true, 2, "kas"},
           Geval{"klasse", 1, nullptr, groeprapport::Klasse, true, 2, "201a"},
           // "Selecteer &Groep" belongs to the account report only.
           Geval{"groep in het groepoverzicht", 5, "201a", groeprapport::Groep, false, 0, nullptr},
           Geval{"relatie in het groepoverzicht", 5, "201a", groeprapport::Relatie, true, 2, "kas"},
       }) {
    SCOPED_TRACE(g.naam);
    RapportBoek b;
    Kasboek& kb = b.boek.kb;
    b.selectie.RekNr = 0;
    RapportModel model(kb, b.selectie);
    ASSERT_TRUE(OpenRapport(b, model, g.soort, g.groep ? kb.ZoekGroep(g.groep).value() : kb.ZoekRekening(2).value()));
    const int rij = RijVanDatum(model, "03-03-2004");  // statiegeld, account 2
    ASSERT_GE(rij, 0);
    EXPECT_EQ(model.KanDoorzoeken(rij, g.modus), g.kan);
    const auto d = model.Doorzoek(rij, g.modus);
    ASSERT_EQ(d.has_value(), g.kan);
    if (!d) continue;
    EXPECT_EQ(d->modus, g.modus);
    EXPECT_EQ(d->rekNr, g.rekNr);
    const int kas = model.Tabel().rijen[static_cast<std::size_t>(rij)].kasIndex;
    EXPECT_EQ(d->index, std::string(g.index) == "kas" ? kas : kb.ZoekGroep(g.index).value());
    EXPECT_EQ(b.selectie.RekNr, 2);
  }
}

TEST(RapportDoorzoeken, GeenDoorzoekingOpEenVerdwenenGroepOfSamenvatting) {
  RapportBoek b;
  Kasboek& kb = b.boek.kb;
  RapportModel model(kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, 1, kb.ZoekRekening(1).value()));
  const int rij = RijVanDatum(model, "20-05-2004");
  kb.GroepLijst[static_cast<std::size_t>(kb.ZoekGroep("201").value())].Kode = "209";
  EXPECT_FALSE(model.KanDoorzoeken(rij, groeprapport::Groep));
  EXPECT_FALSE(model.KanDoorzoeken(rij, groeprapport::Klasse));
  EXPECT_TRUE(model.KanDoorzoeken(rij, groeprapport::Relatie));
  EXPECT_FALSE(model.KanDoorzoeken(-1, groeprapport::Relatie));
  EXPECT_FALSE(model.KanDoorzoeken(99, groeprapport::Relatie));
  // The account's own group ends in a summary row that has no transaction.
  ASSERT_TRUE(OpenRapport(b, model, 5, kb.ZoekGroep("1").value()));
  ASSERT_EQ(model.Tabel().rijen.back().kasIndex, 0);
  EXPECT_FALSE(model.KanDoorzoeken(static_cast<int>(model.Tabel().rijen.size()) - 1, groeprapport::Relatie));
}

TEST(RapportDoorzoeken, ZoekBoekingPerVeld) {
  struct Geval {
    const char* naam;
    int soort;
    int veld;
    const char* tekst;
    int start;
    bool omhoog;
    const char* datum;  // of the row found, or null
  };
  for (const Geval& g : {
           Geval{"kode", 1, 0, "201", 0, false, "03-03-2004"},
           Geval{"relatie zonder hoofdletters", 1, 1, "bAKK", 0, false, "20-05-2004"},
           Geval{"verder vanaf de startrij", 1, 1, "bakker", 5, false, "15-08-2004"},
           Geval{"omhoog", 1, 1, "bakker", 5, true, "15-08-2004"},
           Geval{"omhoog voorbij het einde", 1, 1, "super", 99, true, "03-03-2004"},
           Geval{"bedrag begint met", 1, 2, "-23", 0, false, "20-05-2004"},
           Geval{"saldo", 1, 3, "1203", 0, false, "20-05-2004"},
           Geval{"omschrijving", 1, 4, "TAART", 0, false, "15-08-2004"},
           Geval{"niets", 1, 1, "Slager", 0, false, nullptr},
           Geval{"alleen het begin", 1, 4, "boodschappen", 0, false, "20-05-2004"},
           Geval{"af in het groepoverzicht", 5, 3, "50", 0, false, "15-08-2004"},
       }) {
    SCOPED_TRACE(g.naam);
    RapportBoek b;
    Kasboek& kb = b.boek.kb;
    RapportModel model(kb, b.selectie);
    ASSERT_TRUE(OpenRapport(b, model, g.soort, g.soort == 1 ? kb.ZoekRekening(1).value() : kb.ZoekGroep("201").value()));
    ASSERT_TRUE(model.KanZoeken());
    const int rij = model.ZoekRij(g.veld, g.tekst, g.start, g.omhoog);
    if (!g.datum) {
      EXPECT_EQ(rij, -1);
      continue;
    }
    ASSERT_GE(rij, 0);
    EXPECT_EQ(model.Tabel().rijen[static_cast<std::size_t>(rij)].cellen[2], g.datum);
  }
  RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, 5, b.boek.kb.ZoekGroep("201").value()));
  EXPECT_EQ(model.ZoekVelden(), (std::vector<std::string>{"Index", "Relatie", "  Bij", "  Af", "Omschr."}));
  ASSERT_TRUE(OpenRapport(b, model, 31));
  EXPECT_FALSE(model.KanZoeken());
}

TEST(RapportDoorzoeken, TitelNaHetWisselenVanDeWeergave) {
  RapportBoek b;
  Kasboek& kb = b.boek.kb;
  kb.weergave.GroepenOpNaam = true;
  RapportModel model(kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, 1, kb.ZoekRekening(1).value()));
  EXPECT_EQ(model.Tabel().titels[1], "Groep");
  model.WisselAfschrift();
  EXPECT_EQ(model.Tabel().titels[1], "Titel");
  model.WisselAfschrift();
  EXPECT_EQ(model.Tabel().titels[1], "Titel");
  // A report opened again starts as new; codes stay "Kode" either way.
  ASSERT_TRUE(OpenRapport(b, model, 1, kb.ZoekRekening(1).value()));
  EXPECT_EQ(model.Tabel().titels[1], "Groep");
  kb.weergave.GroepenOpNaam = false;
  model.WisselAfschrift();
  EXPECT_EQ(model.Tabel().titels[1], "Kode");
}

}  // namespace
}  // namespace valdero
