#include <gtest/gtest.h>

#include "model/bookings/GridKleur.h"
#include "model/bookings/WijzigModus.h"

namespace valdero {
namespace {

struct KleurGeval {
  const char* naam;
  int gridModus;
  int rij, kolom;
  CelKleur verwacht;
};

TEST(BookingGridColour, AmountsGreenOrRedLabelsAndTextsPlain) {
  GridInhoud rekening;
  rekening.kop = {"VolgNr", "Kode", "Datum", "Relatie", "Bij", " Af", "Saldo"};
  rekening.rijen = {{"12", "201", "3-5-2026", "Werkgever", "1.250,00", "", "1.250,00"},
                    {"12", "410", "4-5-2026", "Bakker-Jansen", "", "-2.500,00", "-1.250,00"},
                    {"", "", "4-5-2026", "", "Eur", "Eindsaldo : ", "0,00"}};
  GridInhoud saldi;
  saldi.kop = {"Nummer", "Naam", "---", "---", " Saldo"};
  saldi.rijen = {{"1", "Betaal", "", "", "-3,10"}, {"2", "Spaar-2", "", "", "10,00"}};
  const KleurGeval gevallen[] = {
      {"credit", 0, 0, 4, CelKleur::Groen},
      {"debit", 0, 1, 5, CelKleur::Rood},
      {"negative running balance", 0, 1, 6, CelKleur::Rood},
      {"zero closing balance", 0, 2, 6, CelKleur::Groen},
      {"closing label", 0, 2, 5, CelKleur::Gewoon},
      {"currency code", 0, 2, 4, CelKleur::Gewoon},
      {"relation with a dash", 0, 1, 3, CelKleur::Gewoon},
      {"empty amount cell", 0, 0, 5, CelKleur::Gewoon},
      {"negative account balance", 1, 0, 4, CelKleur::Rood},
      {"account name with a dash", 1, 1, 1, CelKleur::Gewoon},
      {"outside the rows", 0, 3, 4, CelKleur::Gewoon},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    EXPECT_EQ(KleurVanCel(g.gridModus == 1 ? saldi : rekening, g.gridModus, g.rij, g.kolom),
              g.verwacht);
  }
}

TEST(BookingGridColour, SecuritiesRecordsChangeInTheSecuritiesMode) {
  TKas gewoon, effect;
  effect.Belegging = 1;
  EXPECT_EQ(WijzigModusVoor(gewoon), 200);
  EXPECT_EQ(WijzigModusVoor(effect), 210);
}

}  // namespace
}  // namespace valdero
