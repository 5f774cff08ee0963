// History brought along from other bookkeeping programs: QIF and OFX files,
// one per variant, read into the same import lines as a bank's file, found
// by "&Automatisch", and reconciled as every bank line is.
#include <gtest/gtest.h>

#include "BankImportTestBoek.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/HistorieFormaten.h"
#include "model/bankimport/VergelijkModel.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"

namespace valdero {
namespace {

using test::BankBoek;

double D(int j, int m, int d) { return MaakDatum(j, m, d); }

using Regel = test::VerwachteRegel;

struct Bestand {
  const char* naam;
  int tag;
  std::vector<Regel> regels;
  std::vector<std::string> berichten;
};

const std::vector<Bestand>& Bestanden() {
  static const std::vector<Bestand> lijst = {
      {"bank-dmj.qif",
       bankformaat::Qif,
       {{1, D(2024, 3, 15), -12.5, 2, "Albert Heijn", "", 0, "DV", "Boodschappen week 11", "4000"},
        {1, D(2024, 4, 1), 2500, 1, "Werkgever BV", "", 0, "DV", "Salaris maart", ""},
        {1, D(2024, 4, 2), -100, 6, "Spaarrekening", "987654321", 2, "OB", "Spaarrekening", ""}},
       {"Geen groep met de naam van de categorie: Salaris\rDeze regels krijgen hun groep in het vergelijkvenster"}},
      {"quicken-mdj.qif",
       bankformaat::Qif,
       {{1, D(2023, 12, 5), -7.5, 2, "Gas station", "", 0, "DV", "Gas station", "4100"},
        {1, D(2024, 1, 31), -1234.56, 2, "Huur Woning BV", "", 0, "DV", "Huur januari", ""},
        {1, D(2024, 2, 1), 45, 1, "Refund", "", 0, "DV", "Refund", ""}},
       {"Geen groep met de naam van de categorie: Housing:Rent\rDeze regels krijgen hun groep in het "
        "vergelijkvenster"}},
      {"splits.qif",
       bankformaat::Qif,
       {{1, D(2024, 5, 3), -100, 2, "Supermarkt", "", 0, "DV", "Eten", "4000"},
        {1, D(2024, 5, 3), -50, 2, "Supermarkt", "", 0, "DV", "Weekboodschappen", ""},
        {1, D(2024, 5, 4), -20, 2, "Kapper", "", 0, "DV", "Kapper", ""}},
       {"Geen groep met de naam van de categorie: Huishouden:Schoonmaak\rDeze regels krijgen hun groep in het "
        "vergelijkvenster",
        "splits.qif regel: 12 som van de splitsingen is niet het bedrag -20.00",
        "De volgende fout is opgetreden bij het inlezen:\r Foutief bedrag Wilt u doorgaan, vaak wel mogelijk"}},
      {"creditcard.qif",
       bankformaat::Qif,
       {{1, D(2024, 6, 3), -49.95, 2, "Webwinkel", "", 0, "BA", "Bestelling 123", ""},
        {1, D(2024, 6, 28), 49.95, 1, "Retour Webwinkel", "", 0, "BA", "Retour Webwinkel", ""}},
       {}},
      {"sgml-102.ofx",
       bankformaat::Ofx,
       {{1, D(2024, 6, 15), -23.4, 2, "Caf\u00e9 de Zon & Zn", "", 0, "BA", "Pinbetaling 14:02", ""},
        {1, D(2024, 6, 20), -250, 6, "Eigen spaarrekening", "987654321", 2, "OV", "Sparen juni", ""},
        {1, D(2024, 6, 25), 1800, 1, "Werkgever BV", "", 0, "BY", "Salaris juni", ""}},
       {}},
      {"xml-211.ofx",
       bankformaat::Ofx,
       {{3, D(2024, 7, 2), -65.1, 2, "Energie Noord", "", 0, "IC", "Termijn juli & verrekening", ""},
        {3, D(2024, 7, 10), -50, 2, "Geldautomaat Utrecht", "", 0, "GA", "Geldautomaat Utrecht", ""},
        {3, D(2024, 7, 31), 0.42, 1, "Rente", "", 0, "RE", "Creditrente juli", ""}},
       {}},
      {"twee-rekeningen.ofx",
       bankformaat::Ofx,
       {{1, D(2024, 9, 5), -100, 6, "Spaarrekening", "987654321", 2, "OV", "Naar sparen", ""},
        {2, D(2024, 9, 5), 100, 5, "Betaalrekening", "123456789", 1, "OV", "Van betalen", ""},
        {2, D(2024, 9, 30), 3.15, 1, "ABN AMRO", "", 0, "RE", "Rente september", ""}},
       {}},
  };
  return lijst;
}

struct HistorieBoek : BankBoek {
  HistorieBoek() {
    Groep("4000", "Boodschappen");
    Groep("4100", "Brandstof");
    berichten.standaardAntwoord = antwoord::Ja;
  }
};

void Vergelijk(const HistorieBoek& boek, const Bestand& b) {
  ASSERT_EQ(boek.run->Laatste(), static_cast<int>(b.regels.size()));
  for (std::size_t i = 0; i < b.regels.size(); ++i) {
    const Regel& v = b.regels[i];
    const TNewKas& r = boek.Regel(static_cast<int>(i) + 1);
    SCOPED_TRACE(std::string(b.naam) + " regel " + std::to_string(i + 1));
    test::VergelijkRegel(r, v);
  }
}

class HistorieBestandTest : public ::testing::TestWithParam<Bestand> {};

TEST_P(HistorieBestandTest, LeestElkeRegel) {
  const Bestand& b = GetParam();
  HistorieBoek boek;
  boek.LeesFixture(b.tag, b.naam);
  ASSERT_TRUE(boek.gelukt) << ::testing::PrintToString(boek.berichten.Teksten());
  EXPECT_EQ(boek.berichten.Teksten(), b.berichten);
  EXPECT_EQ(boek.run->Formaat(), b.tag);
  Vergelijk(boek, b);
}

TEST_P(HistorieBestandTest, AutomatischHerkend) {
  const Bestand& b = GetParam();
  HistorieBoek boek;
  boek.LeesFixture(kAutomatischTag, b.naam);
  ASSERT_TRUE(boek.gelukt) << ::testing::PrintToString(boek.berichten.Teksten());
  EXPECT_EQ(boek.run->Formaat(), b.tag);
  Vergelijk(boek, b);
}

INSTANTIATE_TEST_SUITE_P(Varianten, HistorieBestandTest, ::testing::ValuesIn(Bestanden()),
                         [](const ::testing::TestParamInfo<Bestand>& info) {
                           std::string naam;
                           for (const char c : std::string(info.param.naam))
                             naam += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return naam;
                         });

TEST(BankHistorieTest, QifDatumsInDeVolgordeVanHetBestand) {
  struct Geval {
    const char* tekst;
    QifVolgorde volgorde;
    double datum;  // 0: no date
  };
  const Geval gevallen[] = {
      {"31/12/2024", QifVolgorde::DagMaand, D(2024, 12, 31)},
      {"1/2/2024", QifVolgorde::DagMaand, D(2024, 2, 1)},
      {"1/2/2024", QifVolgorde::MaandDag, D(2024, 1, 2)},
      {"12/31'24", QifVolgorde::MaandDag, D(2024, 12, 31)},
      {" 1/ 5' 4", QifVolgorde::MaandDag, D(2004, 1, 5)},
      {"12/31/99", QifVolgorde::MaandDag, D(1999, 12, 31)},
      {"31-12-24", QifVolgorde::DagMaand, D(2024, 12, 31)},
      {"31.12.2024", QifVolgorde::DagMaand, D(2024, 12, 31)},
      {"2024-02-29", QifVolgorde::MaandDag, D(2024, 2, 29)},
      {"2023-02-29", QifVolgorde::DagMaand, 0},
      {"31/12/2024", QifVolgorde::MaandDag, 0},
      {"1/2", QifVolgorde::DagMaand, 0},
      {"1/2/3/4", QifVolgorde::DagMaand, 0},
      {"a1/2/2024", QifVolgorde::DagMaand, 0},
      {"1/2/12345", QifVolgorde::DagMaand, 0},
      {"", QifVolgorde::DagMaand, 0},
  };
  for (const Geval& g : gevallen) {
    const auto d = QifDatum(g.tekst, g.volgorde);
    if (g.datum == 0) {
      EXPECT_FALSE(d.has_value()) << g.tekst;
    } else {
      ASSERT_TRUE(d.has_value()) << g.tekst;
      EXPECT_EQ(*d, g.datum) << g.tekst;
    }
  }
}

TEST(BankHistorieTest, DeVolgordeWordtPerBestandBeslist) {
  using V = std::vector<std::string>;
  EXPECT_EQ(QifDatumVolgorde(V{"1/2/2024", "13/2/2024"}), QifVolgorde::DagMaand);
  EXPECT_EQ(QifDatumVolgorde(V{"1/2/2024", "2/13/2024"}), QifVolgorde::MaandDag);
  EXPECT_EQ(QifDatumVolgorde(V{"1/2'24", "2/3'24"}), QifVolgorde::MaandDag);
  EXPECT_EQ(QifDatumVolgorde(V{"1/2/2024", "2/3/2024"}), QifVolgorde::DagMaand);
  EXPECT_EQ(QifDatumVolgorde(V{"2024-01-13", "1/2/2024"}), QifVolgorde::DagMaand);
}

TEST(BankHistorieTest, QifBedragen) {
  const std::pair<const char*, const char*> gevallen[] = {
      {"-1,234.56", "-1234.56"}, {"2.500,00", "2500.00"}, {"-7.5", "-7.5"}, {"12,50", "12.50"},
      {"1,234", "1234"},         {"45", "45"},             {"1 000,00", "1000.00"}};
  for (const auto& [in, uit] : gevallen) EXPECT_EQ(QifBedrag(in), uit) << in;
}

TEST(BankHistorieTest, OfxSgmlWordtXml) {
  EXPECT_EQ(OfxAlsXml("OFXHEADER:100\r\n\r\n<OFX>\r\n<A>\r\n<B>1\r\n<C>x & y\r\n</A>\r\n</OFX>\r\n"),
            "<OFX>\r\n<A>\r\n<B>1\r\n</B><C>x &amp; y\r\n</C></A>\r\n</OFX>\r\n");
  // XML stays as it is; the declarations before it are dropped.
  EXPECT_EQ(OfxAlsXml("<?xml version=\"1.0\"?><?OFX OFXHEADER=\"200\"?><OFX><B>1 &amp; 2</B><C/></OFX>"),
            "<OFX><B>1 &amp; 2</B><C/></OFX>");
  EXPECT_EQ(OfxAlsXml("geen ofx"), "");
}

TEST(BankHistorieTest, EenBestandZonderOfxIsVanVerkeerdFormaat) {
  HistorieBoek boek;
  boek.Lees(bankformaat::Ofx, "kapot.ofx", "OFXHEADER:100\r\n<OFX>\r\n<BANKMSGSRSV1>\r\n<STMTTRN>\r\n");
  EXPECT_FALSE(boek.gelukt);
  EXPECT_EQ(boek.kb.IOStatus, importfout::Onverwacht);
}

TEST(BankHistorieTest, EenTekstZonderQifKopIsVanVerkeerdFormaat) {
  HistorieBoek boek;
  boek.Lees(bankformaat::Qif, "kapot.qif", "D1/2/2024\r\nT-1.00\r\n^\r\n");
  EXPECT_FALSE(boek.gelukt);
  EXPECT_EQ(boek.kb.IOStatus, importfout::Onverwacht);
}

// The reconciliation finds a line already in the ledger as it does for a
// bank's file, and a new line goes to the group its category named.
TEST(BankHistorieTest, AfstemmingVindtDubbelenEnNeemtDeGroepVanDeCategorie) {
  HistorieBoek boek;
  boek.LeesFixture(bankformaat::Qif, "bank-dmj.qif");
  ASSERT_TRUE(boek.gelukt);
  TKas& al = test::VoegTransactieToe(boek.kb, 1, "4000", D(2024, 4, 1), 2500, "Salaris maart");
  al.Relatie = "Werkgever BV";
  al.ActieKode = "DV";
  boek.kb.HernummerKas();

  class Geen : public VergelijkVoerder {
   public:
    void Toon(VergelijkModel&) override {}
  } venster;
  Afstemming a(boek.kb, boek.kiezer, venster);
  a.BeginRun();
  a.regel = boek.Regel(2);
  const Afstemming::Voorstel dubbel = a.StelVoor(false);
  EXPECT_GE(dubbel.besteScore, 54);
  EXPECT_EQ(dubbel.modus, vergelijkmodus::Vergelijk);

  a.regel = boek.Regel(1);
  const Afstemming::Voorstel nieuw = a.StelVoor(false);
  EXPECT_LE(nieuw.besteScore, 8);
  EXPECT_EQ(nieuw.groepKode, "4000");
}

}  // namespace
}  // namespace valdero
