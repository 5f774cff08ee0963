// The statement window's own rules: carrying ABN AMRO opening balances into
// the accounts' opening-balance transactions, and printing the list.

#include "model/bankimport/AfschriftModel.h"

#include <gtest/gtest.h>

#include "BankImportTestBoek.h"
#include "model/bankimport/Afstemming.h"
#include "model/core/Printer.h"
#include "model/core/SaldoMatrix.h"

namespace valdero {
namespace {

using test::BankBoek;

struct GeenVenster : VergelijkVoerder {
  void Toon(VergelijkModel&) override {}
};

// Records every text the list prints and the pages it takes.
struct LijstPrinter : VastePrinter {
  std::vector<std::string> teksten;
  int documenten = 0;
  int paginas = 0;
  bool BeginDocument(const std::string&) override {
    ++documenten;
    paginas = 1;
    return true;
  }
  void NieuwePagina() override { ++paginas; }
  void Tekst(int, int, const std::string& t) override { teksten.push_back(t); }
};

// A bank book whose accounts 1 and 2 have their opening-balance transaction
// (amount 0, "Saldo", as the account dialog makes it), read from `bestand`
// and handed over to the statement window.
struct Afschrift : BankBoek {
  explicit Afschrift(int tag = 2, const std::string& bestand = "abn.tab") {
    for (int rek : {1, 2}) test::VoegTransactieToe(kb, rek, std::to_string(rek), MaakDatum(2008, 1, 1), 0, "Saldo");
    kb.HernummerKas();
    EXPECT_TRUE(BouwSaldoMatrix(kb).Gelukt());
    LeesFixture(tag, bestand);
    EXPECT_TRUE(gelukt) << ::testing::PrintToString(berichten.Teksten());
    afstemming.bewaar = [this] { ++bewaard; };
    model = std::make_unique<AfschriftModel>(kb, *run, afstemming);
    model->NeemOver(MaakDatum(2008, 1, 1));
    berichten.Wis();
  }

  double Saldo(int rek) const {
    for (const TKas& k : kb.KasLijst)
      if (k.RekNr == rek && k.Omschrijving == "Saldo") return k.Bedrag;
    return -1;
  }

  GeenVenster venster;
  Afstemming afstemming{kb, kiezer, venster};
  std::unique_ptr<AfschriftModel> model;  // once the file is read
  int bewaard = 0;
};

void VerwachtMatrixAlsHerbouwd(Kasboek& kb) {
  const auto bijgehouden = kb.SaldoMatrix;
  ASSERT_TRUE(BouwSaldoMatrix(kb).Gelukt());
  ASSERT_EQ(bijgehouden.size(), kb.SaldoMatrix.size());
  for (std::size_t g = 0; g < bijgehouden.size(); ++g) {
    ASSERT_EQ(bijgehouden[g].size(), kb.SaldoMatrix[g].size());
    for (std::size_t r = 0; r < bijgehouden[g].size(); ++r) {
      EXPECT_EQ(bijgehouden[g][r].In, kb.SaldoMatrix[g][r].In) << "groep " << g << " rekening " << r;
      EXPECT_EQ(bijgehouden[g][r].Uit, kb.SaldoMatrix[g][r].Uit) << "groep " << g << " rekening " << r;
    }
  }
}

TEST(ApplyStartBalances, TheAccountInTheFileGetsTheBalanceBeforeItsFirstLineOnce) {
  Afschrift a;
  ASSERT_TRUE(a.run->InBestand(1));
  ASSERT_FALSE(a.run->InBestand(2));

  a.model->ApplyStartBalances();
  EXPECT_EQ(a.Saldo(1), 1000.0);
  // Account 2 has no line in the file: its opening balance stays as it was.
  EXPECT_EQ(a.Saldo(2), 0.0);
  EXPECT_FALSE(a.run->InBestand(1));
  EXPECT_EQ(a.bewaard, 1);
  EXPECT_TRUE(a.berichten.getoond.empty());
  VerwachtMatrixAlsHerbouwd(a.kb);

  // A second pass finds no account left to do.
  a.model->ApplyStartBalances();
  EXPECT_EQ(a.Saldo(1), 1000.0);
  EXPECT_EQ(a.bewaard, 1);
}

TEST(ApplyStartBalances, AnOpeningBalanceAlreadyFilledInIsLeftAlone) {
  Afschrift a;
  for (TKas& k : a.kb.KasLijst)
    if (k.RekNr == 1 && k.Omschrijving == "Saldo") k.Bedrag = 750;
  ASSERT_TRUE(BouwSaldoMatrix(a.kb).Gelukt());

  a.model->ApplyStartBalances();
  EXPECT_EQ(a.Saldo(1), 750.0);
  // Without its transaction the account keeps its flag for a later run.
  EXPECT_TRUE(a.run->InBestand(1));
  EXPECT_EQ(a.bewaard, 0);
}

TEST(AfschriftPrint, PrintsHeadingTitlesAndEveryRowWithCellsOfAtMostThirtyCharacters) {
  Afschrift a;
  a.run->Lijst()[1].Omschrijving = "Een omschrijving van veel meer dan dertig tekens, tot het eind";
  LijstPrinter printer;
  a.kb.poorten.printer = printer;

  ASSERT_TRUE(a.model->Print());
  EXPECT_EQ(printer.documenten, 1);
  const std::vector<std::string> begin(printer.teksten.begin(), printer.teksten.begin() + 10);
  EXPECT_EQ(begin, (std::vector<std::string>{"Betaal 123456789", a.kb.KasNaam, "Index", "Rek", "Datum", "Naam",
                                             "Omschrijving", "By/Af", "Bedrag", "Mnt"}));
  const std::vector<std::string> eerste(printer.teksten.begin() + 10, printer.teksten.begin() + 18);
  EXPECT_EQ(eerste, (std::vector<std::string>{"1", "123456789", "3-3-2008", "BAKKER JANSEN BREDA",
                                              "Een omschrijving van veel meer", " AF", "  -12,50", "Eur"}));
  // Every one of the five lines is on paper, each cell cut to 30 characters.
  EXPECT_EQ(printer.teksten.size(), 10u + 5u * 8u - 1u) << ::testing::PrintToString(printer.teksten);
  for (const std::string& t : printer.teksten) EXPECT_LE(t.size(), 30u) << t;
  EXPECT_TRUE(a.berichten.getoond.empty());
}

TEST(AfschriftPrint, WithoutAPrinterItSaysSo) {
  Afschrift a;
  GeenPrinter geen;
  a.kb.poorten.printer = geen;
  EXPECT_FALSE(a.model->Print());
  EXPECT_EQ(a.berichten.Teksten(), std::vector<std::string>{"Afdrukken niet gelukt"});
}

}  // namespace
}  // namespace valdero
