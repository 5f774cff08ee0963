// "Not found" is its own value: position 0 of the classes and currencies is
// a real class or currency, never a stand-in for a miss.
#include <gtest/gtest.h>

#include "BoekingTestBoek.h"
#include "model/bookings/Posten.h"
#include "model/core/Opzoeken.h"

namespace valdero {
namespace {

using test::BoekingBoek;

TEST(Opzoeken, AMissIsNoPosition) {
  BoekingBoek b;
  struct Geval {
    const char* naam;
    std::optional<int> gevonden;
    std::optional<int> verwacht;
  };
  for (const Geval& g : {
           Geval{"first class", b.kb.ZoekKlasse(" I "), 0},
           Geval{"unknown class", b.kb.ZoekKlasse(" Q "), std::nullopt},
           Geval{"class without padding", b.kb.ZoekKlasse("I"), std::nullopt},
           Geval{"base currency", VindValuta(b.kb, "Eur"), 0},
           Geval{"unknown currency", VindValuta(b.kb, "XYZ"), std::nullopt},
           Geval{"account", b.kb.ZoekRekening(2), 2},
           Geval{"header account", b.kb.ZoekRekening(0), std::nullopt},
           Geval{"group", b.kb.ZoekGroep("201"), 4},
           Geval{"group code with a blank", b.kb.ZoekGroep("201 "), std::nullopt},
       }) {
    EXPECT_EQ(g.gevonden, g.verwacht) << g.naam;
  }
  EXPECT_TRUE(b.berichten.getoond.empty());  // nothing is reported
}

// The first class has VAT; a group whose class does not exist has none.
TEST(Opzoeken, AGroupWithoutItsClassHasNoVat) {
  BoekingBoek b;
  b.kb.KlasseLijst[0].BtwSoort = 2;
  b.kb.KlasseLijst[0].BtwPerc = 21;
  b.Groep("600", "Zonder klasse", " Q ");
  EXPECT_EQ(BtwVanGroep(b.kb, "600").soort, 0);
  EXPECT_EQ(BtwVanGroep(b.kb, "600").hoog, 0);
  EXPECT_EQ(BtwVanGroep(b.kb, "999").soort, 0);  // no group at all
  EXPECT_EQ(BtwVanGroep(b.kb, "500").soort, 2);  // its own class " B " has VAT
}

}  // namespace
}  // namespace valdero
