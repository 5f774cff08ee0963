// The balance matrix keeps every amount on the side it was booked on: after
// postings, changes and deletions through the booking model it equals a
// rebuild from the transactions, cell by cell, In and Uit apart.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "BoekingTestBoek.h"
#include "model/bookings/BoekModi.h"
#include "model/bookings/Posten.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TSaldoMatrix.h"

namespace valdero {
namespace {

using test::BoekingBoek;
using test::Dag;

// Cell by cell, so that a failure names the cell and the side.
void VerwachtGelijkAanHerbouw(Kasboek& kb, const std::string& na) {
  const TSaldoMatrix bijgehouden = kb.SaldoMatrix();
  static_cast<void>(BouwSaldoMatrix(kb));
  ASSERT_EQ(bijgehouden.size(), kb.SaldoMatrix().size()) << na;
  for (std::size_t g = 0; g < bijgehouden.size(); ++g) {
    ASSERT_EQ(bijgehouden[g].size(), kb.SaldoMatrix()[g].size()) << na;
    for (std::size_t a = 0; a < bijgehouden[g].size(); ++a) {
      EXPECT_NEAR(bijgehouden[g][a].In, kb.SaldoMatrix()[g][a].In, 1e-6) << na << " In [" << g << "][" << a << "]";
      EXPECT_NEAR(bijgehouden[g][a].Uit, kb.SaldoMatrix()[g][a].Uit, 1e-6) << na << " Uit [" << g << "][" << a << "]";
    }
  }
}

// Posts as the reconciliation does: into the matrix, then into the list.
void Post(BoekingBoek& b, int rekNr, const std::string& groep, double bedrag, double datum) {
  TKas k;
  k.RekNr = rekNr;
  k.GroepKode = groep;
  k.Bedrag = bedrag;
  k.Datum = datum;
  k.BoekSoort = 1;
  int rekMis = 0, groepMis = 0;
  ASSERT_TRUE(BoekInMatrix(b.kb, groep, rekNr, true, rekMis, groepMis, bedrag).Gelukt());
  PlaatsKas(b.kb, k);
}

// Changes one record through the booking window, as the overview window asks.
void Wijzig(BoekingBoek& b, int positie, const std::string& groep, const std::string& bedrag) {
  ASSERT_TRUE(b.model.StartMetRecord(modus::ExternWijzigen, positie));
  b.model.Invoer(veld::Groep, groep);
  b.model.Invoer(veld::Bedrag, bedrag);
  ASSERT_TRUE(b.model.Bewaar());
}

TEST(SaldoMatrixZijden, DeletingAnIncomeTakesItFromIn) {
  BoekingBoek b;
  Post(b, 1, "201", 100, Dag(1, 2));
  Post(b, 1, "201", -30, Dag(2, 2));
  Post(b, 1, "201", 12.5, Dag(3, 2));
  ASSERT_EQ(VerwijderBoekingen(b.kb, {1}), 1);
  const auto g = static_cast<std::size_t>(b.kb.ZoekGroep("201").value());
  EXPECT_DOUBLE_EQ(b.kb.SaldoMatrix()[g][1].In, 12.5);
  EXPECT_DOUBLE_EQ(b.kb.SaldoMatrix()[g][1].Uit, -30);
  VerwachtGelijkAanHerbouw(b.kb, "verwijderen");
}

struct Wijziging {
  const char* naam;
  double voor;
  const char* groep;
  const char* na;
};

class SaldoMatrixWijziging : public testing::TestWithParam<Wijziging> {};

TEST_P(SaldoMatrixWijziging, EqualsARebuild) {
  const Wijziging& w = GetParam();
  BoekingBoek b;
  Post(b, 1, "201", w.voor, Dag(1, 3));
  Post(b, 1, "201", -7, Dag(2, 3));
  Wijzig(b, 1, w.groep, w.na);
  VerwachtGelijkAanHerbouw(b.kb, w.naam);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, SaldoMatrixWijziging,
    testing::Values(Wijziging{"IncomeBecomesExpense", 100, "201", "-40"},
                    Wijziging{"ExpenseBecomesIncome", -25, "201", "60"},
                    Wijziging{"IncomeMovesGroup", 100, "500", "100"},
                    Wijziging{"ExpenseMovesGroup", -25, "500", "-25"},
                    Wijziging{"IncomeBecomesZero", 80, "201", "0"}),
    [](const testing::TestParamInfo<Wijziging>& i) { return std::string(i.param.naam); });

// A generated mix of postings, changes and deletions; after each step the
// kept matrix equals a rebuild.
TEST(SaldoMatrixZijden, AnyMixEqualsARebuild) {
  BoekingBoek b;
  std::mt19937 kans(2112);
  const std::vector<std::string> groepen = {"201", "500", "1", "2", "xxxx"};
  auto kies = [&](int n) { return static_cast<int>(kans() % static_cast<unsigned>(n)); };
  auto bedrag = [&] { return (kies(40001) - 20000) / 100.0; };
  for (int stap = 0; stap < 150; ++stap) {
    const int soort = b.kb.MaxKas() < 3 ? 0 : kies(3);
    const std::string na = "stap " + std::to_string(stap) + " soort " + std::to_string(soort);
    if (soort == 0) {
      Post(b, 1 + kies(3), groepen[static_cast<std::size_t>(kies(5))], bedrag(), Dag(1 + kies(28), 1 + kies(12)));
    } else if (soort == 1) {
      const int p = 1 + kies(b.kb.MaxKas());
      std::string tekst = std::to_string(bedrag());
      for (char& c : tekst)
        if (c == '.') c = ',';
      Wijzig(b, p, groepen[static_cast<std::size_t>(kies(2))], tekst);
    } else {
      ASSERT_EQ(VerwijderBoekingen(b.kb, {1 + kies(b.kb.MaxKas())}), 1);
    }
    if (HasFatalFailure()) return;
    VerwachtGelijkAanHerbouw(b.kb, na);
    if (HasFailure()) return;
  }
}

TEST(TSaldoMatrix, KeepsItsShapeAndTotals) {
  TSaldoMatrix m;
  EXPECT_FALSE(m.Boek(1, 1, 5));  // no matrix yet
  m.Maak(2, 2);
  EXPECT_TRUE(m.VanVorm(2, 2));
  EXPECT_FALSE(m.Boek(3, 1, 5));  // the totals row is no group
  EXPECT_FALSE(m.Boek(1, 3, 5));
  ASSERT_TRUE(m.Boek(1, 1, 5));
  ASSERT_TRUE(m.Boek(2, 2, -3));
  m.SchrapRij(1);
  EXPECT_TRUE(m.VanVorm(1, 2));
  EXPECT_EQ(m.back().back().In, 0);
  EXPECT_EQ(m.back().back().Uit, -3);
  m.VoegRijIn(1);
  EXPECT_TRUE(m.VanVorm(2, 2));
  m.SchrapKolom(2);
  EXPECT_TRUE(m.VanVorm(2, 1));
  EXPECT_EQ(m.back().back().Uit, 0);
}

}  // namespace
}  // namespace valdero
