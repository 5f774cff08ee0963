// The selection dialog's rules: what each mode lists, how "&Ok" fills the
// shared selection and its period code, and the message when nothing was
// ticked.
#include <gtest/gtest.h>

#include "RapportHulpTest.h"
#include "model/reports/SelectieDialoog.h"

namespace valdero {
namespace {

TEST(SelectieDialoog, ModiEnHunLijsten) {
  test::RapportBoek b;
  Kasboek& kb = b.boek.kb;
  const SelectieInhoud klassen = VulSelectie(kb, 15);
  EXPECT_EQ(klassen.kader, "Klassen");
  EXPECT_EQ(klassen.items, (std::vector<std::string>{"B Balans", "I Inkomsten", "U Uitgaven"}));
  EXPECT_EQ(klassen.lijstHoogte, 305);
  EXPECT_TRUE(klassen.periodeZichtbaar);
  EXPECT_FALSE(VulSelectie(kb, 112).periodeZichtbaar);
  EXPECT_TRUE(VulSelectie(kb, 115).periodeZichtbaar);

  // Two names alike in their first 20 characters are one relation, named as
  // the first transaction had it; the empty name is no choice.
  b.Kas(1, "201", 4, 4, 20, -1, "Supermarkt Vers en Co", "a");
  b.Kas(1, "201", 5, 4, 21, -1, "Supermarkt Vers en Compagnie", "b");
  const SelectieInhoud relaties = VulSelectie(kb, 16);
  EXPECT_EQ(relaties.kader, "Relaties ");
  EXPECT_EQ(relaties.items, (std::vector<std::string>{"Bakker", "Betaalrekening", "Spaarrekening", "Supermarkt",
                                                      "Supermarkt Vers en Co", "Werkgever"}));
  const SelectieInhoud soorten = VulSelectie(kb, 32);
  EXPECT_EQ(soorten.kader, "Rekening Typen");
  EXPECT_EQ(soorten.perioden, (std::vector<std::string>{"Jaar", "Maand", "Kwartaal", "Periode"}));
  EXPECT_EQ(soorten.lijstHoogte, 200);
}

TEST(SelectieDialoog, OkVultDeSelectie) {
  struct Geval {
    const char* naam;
    int soort;
    std::vector<bool> vink;
    int periode;
    int periodeCode;
  };
  for (const Geval& g : {Geval{"klassen, 2e halfjaar", 10, {false, true, true}, 2, 3},
                         Geval{"soorten, kwartaal", 32, {true, false, false}, 2, 4},
                         Geval{"relaties, geen keuze", 16, {true, false, false, false, true}, -1, 1}}) {
    SCOPED_TRACE(g.naam);
    test::RapportBoek b;
    const SelectieInhoud in = VulSelectie(b.boek.kb, g.soort);
    EXPECT_EQ(BevestigSelectie(b.boek.kb, in, g.vink, g.periode, b.selectie), "");
    EXPECT_EQ(b.selectie.PeriodCode, g.periodeCode);
  }
  test::RapportBoek b;
  const SelectieInhoud in = VulSelectie(b.boek.kb, 10);
  ASSERT_EQ(BevestigSelectie(b.boek.kb, in, {false, true, true}, 0, b.selectie), "");
  EXPECT_EQ(b.selectie.Klassen, (std::vector<std::string>{"", " I ", " U "}));
  const SelectieInhoud rel = VulSelectie(b.boek.kb, 16);
  ASSERT_EQ(BevestigSelectie(b.boek.kb, rel, {true, false, false, false, true}, 0, b.selectie), "");
  EXPECT_EQ(b.selectie.Relaties, (std::vector<std::string>{"Bakker", "Werkgever"}));
  const SelectieInhoud srt = VulSelectie(b.boek.kb, 32);
  ASSERT_EQ(BevestigSelectie(b.boek.kb, srt, {false, true}, 0, b.selectie), "");
  EXPECT_EQ(b.selectie.Soorten, (std::vector<std::string>{"", "SP", ""}));
}

TEST(SelectieDialoog, NietsAangevinktHoudtDeDialoogOpen) {
  for (auto [soort, melding] : std::vector<std::pair<int, std::string>>{
           {10, "Kies minstens één klasse"}, {16, "Kies minstens één relatie"}, {32, "Kies minstens één rekening"}}) {
    test::RapportBoek b;
    b.selectie.PeriodCode = 4;
    const SelectieInhoud in = VulSelectie(b.boek.kb, soort);
    EXPECT_EQ(BevestigSelectie(b.boek.kb, in, std::vector<bool>(in.items.size(), false), 1, b.selectie), melding);
    EXPECT_EQ(b.selectie.PeriodCode, 4) << "the selection stays as it was";
  }
}

}  // namespace
}  // namespace valdero
