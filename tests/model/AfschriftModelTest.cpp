// The statement window's own rules: carrying ABN AMRO opening balances into
// the accounts' opening-balance transactions, and printing the list.

#include "model/bankimport/AfschriftModel.h"

#include <gtest/gtest.h>

#include "BankImportTestBoek.h"
#include "BoekBouwer.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/VergelijkModel.h"
#include "model/core/Datum.h"
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
    test::BoekBouwer bouwer(kb);
    for (int rek : {1, 2}) bouwer.Boeking(rek, std::to_string(rek), MaakDatum(2008, 1, 1), 0, "Saldo");
    EXPECT_TRUE(bouwer.Klaar().Gelukt());
    LeesFixture(tag, bestand);
    EXPECT_TRUE(gelukt) << ::testing::PrintToString(berichten.Teksten());
    afstemming.ZetBewaarder([this] { ++bewaard; });
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
  const auto bijgehouden = kb.SaldoMatrix();
  ASSERT_TRUE(BouwSaldoMatrix(kb).Gelukt());
  ASSERT_EQ(bijgehouden.size(), kb.SaldoMatrix().size());
  for (std::size_t g = 0; g < bijgehouden.size(); ++g) {
    ASSERT_EQ(bijgehouden[g].size(), kb.SaldoMatrix()[g].size());
    for (std::size_t r = 0; r < bijgehouden[g].size(); ++r) {
      EXPECT_EQ(bijgehouden[g][r].In, kb.SaldoMatrix()[g][r].In) << "groep " << g << " rekening " << r;
      EXPECT_EQ(bijgehouden[g][r].Uit, kb.SaldoMatrix()[g][r].Uit) << "groep " << g << " rekening " << r;
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
  EXPECT_EQ(begin, (std::vector<std::string>{"Betaal 123456789", a.kb.sessie.KasNaam, "Index", "Rek", "Datum", "Naam",
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

namespace valdero {
namespace {

struct Lijst : BankBoek {
  explicit Lijst(const std::string& inhoud, int tag = 0) {
    Lees(tag, "mut.txt", inhoud);
    EXPECT_TRUE(gelukt) << ::testing::PrintToString(berichten.Teksten());
    afstemming.ZetBewaarder([] {});
    model = std::make_unique<AfschriftModel>(kb, *run, afstemming);
  }
  struct Overslaan : VergelijkVoerder {
    void Toon(VergelijkModel& v) override { v.Overslaan(); }
  } venster;
  Afstemming afstemming{kb, kiezer, venster};
  std::unique_ptr<AfschriftModel> model;
};

const char* kTweeRegels =
    "\"0123456789\",\"EUR\",20260302,\"D\",950.00,\"\",\"VERHUURDER\",20260302,\"ac\",\"\",\"Huur\"\r\n"
    "\"0123456789\",\"EUR\",20260303,\"C\",50.00,\"\",\"WERKGEVER\",20260303,\"tb\",\"\",\"Bonus\"\r\n";

// The old Rabobank layout writes a debit unsigned with "D", CAMT.053 signs
// it: the amount column shows both with a minus.
TEST(AfschriftLijst, AfgaandeBedragenStaanInElkeLayoutMetEenMinteken) {
  Lijst oud(kTweeRegels);
  oud.model->NeemOver(MaakDatum(2026, 1, 1));
  auto rijen = oud.model->Rijen();
  ASSERT_EQ(rijen.size(), 3u);
  EXPECT_EQ(rijen[1][5], " AF");
  EXPECT_EQ(rijen[1][6], "  -950,00");
  EXPECT_EQ(rijen[2][6], "  50,00");

  Lijst camt(test::BankFixture("vier.camt053.xml"), kAutomatischTag);
  camt.model->NeemOver(MaakDatum(2026, 1, 1));
  rijen = camt.model->Rijen();
  ASSERT_GE(rijen.size(), 3u);
  EXPECT_EQ(rijen[1][6], "  -12,50");  // Bakker Jansen, DBIT
  EXPECT_EQ(rijen[2][6].find('-'), std::string::npos);  // the salary, CRDT
}

// A file of another year: how many lines the start date drops and how many
// fall outside the book's year is said once; without either nothing is said.
TEST(AfschriftLijst, EenBestandVanEenAnderJaarZegtHoeveelRegelsWegvallen) {
  Lijst lijst(std::string("\"0123456789\",\"EUR\",20141230,\"D\",5.00,\"\",\"A\",20141230,\"ba\",\"\",\"x\"\r\n") +
              "\"0123456789\",\"EUR\",20141231,\"D\",6.00,\"\",\"B\",20141231,\"ba\",\"\",\"y\"\r\n" + kTweeRegels);
  lijst.berichten.Wis();
  lijst.model->NeemOver(MaakDatum(2026, 3, 3));
  EXPECT_EQ(lijst.model->LaatsteOvername().voorStart, 3);
  EXPECT_EQ(lijst.model->LaatsteOvername().buitenJaar, 2);
  EXPECT_EQ(lijst.berichten.Teksten(),
            (std::vector<std::string>{"3 regels van het bestand liggen voor de begindatum 3-3-2026 en worden niet "
                                      "getoond\r2 regels van het bestand vallen buiten het boekjaar 2026"}));
  EXPECT_EQ(lijst.model->Laatste(), 1);

  Lijst gewoon(kTweeRegels);
  gewoon.berichten.Wis();
  gewoon.model->NeemOver(MaakDatum(2026, 3, 1));
  EXPECT_TRUE(gewoon.berichten.Teksten().empty());
}

// The run tells the window before each line, so the list shows where it is,
// and keeps what became of every line dealt with.
TEST(AfschriftLijst, DeRunMeldtElkeRegelEnHoudtDeUitkomstenBij) {
  Lijst lijst(kTweeRegels);
  lijst.model->NeemOver(MaakDatum(2026, 1, 1));
  std::vector<int> over;
  lijst.model->regelBegint = [&] { over.push_back(lijst.model->Laatste()); };
  lijst.model->ProcessStatement();
  EXPECT_EQ(over, (std::vector<int>{2, 1, 0}));
  const auto& verwerkt = lijst.model->VerwerkteRegels();
  ASSERT_EQ(verwerkt.size(), 2u);
  EXPECT_EQ(verwerkt[0].rij[3], "VERHUURDER");
  EXPECT_EQ(AfschriftModel::UitkomstTekst(verwerkt[0].uitkomst), "overgeslagen");
  EXPECT_EQ(verwerkt[1].rij[3], "WERKGEVER");
}

// Without a window to follow it, the run takes the lines done off the list
// together at its end: what became of each line, and what is left when the
// run is broken off, are as when each left the list at once.
TEST(AfschriftLijst, ZonderVensterVerlatenDeRegelsDeLijstSamenEnGelijk) {
  const std::string drie =
      kTweeRegels + std::string("\"0123456789\",\"EUR\",20260304,\"D\",7.00,\"\",\"BAKKER\",20260304,\"ba\",\"\",\"Brood\"\r\n");
  struct Geval {
    const char* naam;
    bool venster;
  };
  for (const Geval g : {Geval{"with the window", true}, Geval{"unattended", false}}) {
    SCOPED_TRACE(g.naam);
    Lijst lijst(drie);
    lijst.model->NeemOver(MaakDatum(2026, 1, 1));
    if (g.venster) lijst.model->regelBegint = [] {};
    lijst.model->ProcessStatement();
    EXPECT_EQ(lijst.model->Laatste(), 0);
    const auto& verwerkt = lijst.model->VerwerkteRegels();
    ASSERT_EQ(verwerkt.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(verwerkt[i].rij[0], "1");
    EXPECT_EQ(verwerkt[0].rij[3], "VERHUURDER");
    EXPECT_EQ(verwerkt[1].rij[3], "WERKGEVER");
    EXPECT_EQ(verwerkt[2].rij[3], "BAKKER");
  }
  // Broken off at the second line: it and the third stay in the list.
  for (const Geval g : {Geval{"with the window", true}, Geval{"unattended", false}}) {
    SCOPED_TRACE(std::string(g.naam) + ", broken off");
    struct TweedeBreektAf : VergelijkVoerder {
      int getoond = 0;
      void Toon(VergelijkModel& v) override {
        if (++getoond == 2)
          v.BreekAf();
        else
          v.Overslaan();
      }
    } venster;
    Lijst lijst(drie);
    Afstemming a{lijst.kb, lijst.kiezer, venster};
    a.ZetBewaarder([] {});
    AfschriftModel model(lijst.kb, *lijst.run, a);
    model.NeemOver(MaakDatum(2026, 1, 1));
    if (g.venster) model.regelBegint = [] {};
    model.ProcessStatement();
    ASSERT_EQ(model.Laatste(), 2);
    EXPECT_EQ(model.Lijst()[1].Relatie, "WERKGEVER");
    EXPECT_EQ(model.Lijst()[2].Relatie, "BAKKER");
    ASSERT_EQ(model.VerwerkteRegels().size(), 1u);
    EXPECT_EQ(model.VerwerkteRegels()[0].rij[3], "VERHUURDER");
  }
}

}  // namespace
}  // namespace valdero
