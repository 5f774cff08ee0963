// The four layouts banks give today: the same four transactions, written by
// each, become the same import lines; their balances are checked.
#include <gtest/gtest.h>

#include "BankImportTestBoek.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"

namespace valdero {
namespace {

using test::BankBoek;

using test::VerwachteRegel;

std::vector<VerwachteRegel> VierMutaties() {
  return {
      {1, MaakDatum(2026, 1, 2), -12.5, 2, "Bakker Jansen", "300065264", 0, "BA", "Brood en banket", {}},
      {1, MaakDatum(2026, 1, 3), 2500, 1, "Werkgever BV", "1234567", 0, "OV", "Salaris januari", {}},
      {1, MaakDatum(2026, 1, 5), -100, 6, "J. de Vries", "987654321", 2, "OV", "Sparen", {}},
      {1, MaakDatum(2026, 1, 6), -45.1, 2, "Energie NV", "2345678", 0, "IC", "Voorschot januari", {}},
  };
}

class HuidigeFormatenTest : public ::testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(HuidigeFormatenTest, GevenDezelfdeImportregels) {
  const auto [tag, bestand] = GetParam();
  BankBoek boek;
  // The employer's giro account is no own account in this book.
  boek.kb.RekLijst[3].Naam = "Giro";
  boek.LeesFixture(tag, bestand);
  ASSERT_TRUE(boek.gelukt) << ::testing::PrintToString(boek.berichten.Teksten());
  EXPECT_TRUE(boek.berichten.Teksten().empty()) << ::testing::PrintToString(boek.berichten.Teksten());
  const auto verwacht = VierMutaties();
  ASSERT_EQ(boek.run->Laatste(), 4);
  for (int i = 1; i <= 4; ++i) {
    const TNewKas& r = boek.Regel(i);
    const VerwachteRegel& v = verwacht[static_cast<std::size_t>(i - 1)];
    SCOPED_TRACE(std::string(bestand) + " regel " + std::to_string(i));
    test::VergelijkRegel(r, v);
    EXPECT_EQ(r.BankRekNr, "123456789");
    EXPECT_EQ(r.PayDate, v.datum);
    EXPECT_EQ(r.VolgBlad, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Formaten, HuidigeFormatenTest,
                         ::testing::Values(std::pair{6, "vier.camt053.xml"}, std::pair{7, "vier.mt940.sta"},
                                           std::pair{8, "vier.rabo.csv"}, std::pair{9, "vier.ing.csv"}),
                         [](const auto& info) { return std::to_string(info.param.first); });

TEST(HuidigeFormatenTest, Mt940EindsaldoDatNietKloptGeeftEenWaarschuwing) {
  BankBoek boek;
  std::string inhoud = test::BankFixture("vier.mt940.sta");
  inhoud.replace(inhoud.find("3342,40"), 7, "3342,41");
  boek.Lees(7, "vier.mt940.sta", inhoud);
  EXPECT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Eindsaldo 3342,41 klopt niet met beginsaldo plus mutaties 3342,40"}));
  EXPECT_EQ(boek.run->Laatste(), 4);
}

TEST(HuidigeFormatenTest, IngSaldoNaMutatieWordtVanOudNaarNieuwGecontroleerd) {
  BankBoek boek;
  std::string inhoud = test::BankFixture("vier.ing.csv");
  // The savings line is cut from the file: the next balance no longer follows.
  const auto begin = inhoud.find("\"20260105\"");
  inhoud.erase(begin, inhoud.find('\n', begin) + 1 - begin);
  boek.Lees(9, "vier.ing.csv", inhoud);
  EXPECT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Saldo klopt niet bij regel 2 (6-1-2026): bank 3342,40, berekend 3442,40"}));

  BankBoek boek2;
  inhoud = test::BankFixture("vier.ing.csv");
  inhoud.replace(inhoud.find("\"3387,50\""), 9, "\"3387,00\"");
  boek2.Lees(9, "vier.ing.csv", inhoud);
  ASSERT_FALSE(boek2.berichten.Teksten().empty());
  EXPECT_EQ(boek2.berichten.Teksten()[0], "Saldo klopt niet bij regel 3 (5-1-2026): bank 3387,00, berekend 3387,50");
}

TEST(HuidigeFormatenTest, CamtMetEenVerzamelpostGeeftEenRegelPerTransactie) {
  BankBoek boek;
  const std::string xml =
      "<?xml version=\"1.0\"?><Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\">"
      "<BkToCstmrStmt><Stmt><Acct><Id><IBAN>NL12ABNA0123456789</IBAN></Id></Acct>"
      "<Ntry><Amt Ccy=\"EUR\">30.00</Amt><CdtDbtInd>DBIT</CdtDbtInd><BookgDt><Dt>2026-02-01</Dt></BookgDt>"
      "<NtryDtls><TxDtls><AmtDtls><TxAmt><Amt Ccy=\"EUR\">10.00</Amt></TxAmt></AmtDtls>"
      "<RltdPties><Cdtr><Pty><Nm>A &amp; B</Nm></Pty></Cdtr></RltdPties></TxDtls>"
      "<TxDtls><Amt Ccy=\"EUR\">20.00</Amt><RltdPties><Cdtr><Nm>C</Nm></Cdtr></RltdPties></TxDtls></NtryDtls>"
      "<AddtlNtryInf>Batch 7</AddtlNtryInf></Ntry></Stmt></BkToCstmrStmt></Document>";
  boek.Lees(6, "batch.xml", xml);
  ASSERT_TRUE(boek.gelukt);
  ASSERT_EQ(boek.run->Laatste(), 2);
  EXPECT_EQ(boek.Regel(1).Bedrag, -10);
  EXPECT_EQ(boek.Regel(1).Relatie, "A & B");
  EXPECT_EQ(boek.Regel(1).Omschrijving, "Batch 7");
  EXPECT_EQ(boek.Regel(1).PayDate, boek.Regel(1).Datum);
  EXPECT_EQ(boek.Regel(2).Bedrag, -20);
  EXPECT_EQ(boek.Regel(2).ActieKode, "DV");
}

// A file cut off inside a ":61:" line (a download broken off) is read up to
// the cut and the damage reported, naming the line; the cut line holds no
// amount and is left out rather than read as 0. The program does not stop.
TEST(HuidigeFormatenTest, Mt940AfgebrokenInEenMutatieregelWordtGemeld) {
  const std::string bedrag = "kort.sta regel: 8 Bedrag=\"leeg\"\n\r corrigeer bedrag";
  const std::string vraag =
      "De volgende fout is opgetreden bij het inlezen:\r Foutief bedrag (1 regel overgeslagen) Wilt u doorgaan, vaak "
      "wel mogelijk";
  const struct {
    std::size_t lengte;  // of the cut ":61:" line
    std::vector<std::string> meldingen;
  } gevallen[] = {
      {4, {bedrag, "kort.sta regel: 8 Rentedatum foutief(), importfile vaak \"verknoeid\" ", vraag}},
      {8, {bedrag, "kort.sta regel: 8 Rentedatum foutief(2601), importfile vaak \"verknoeid\" ", vraag}},
      {14, {bedrag, vraag}},
  };
  const std::string heel = test::BankFixture("vier.mt940.sta");
  for (const auto& g : gevallen) {
    BankBoek boek;
    boek.berichten.standaardAntwoord = antwoord::Ja;
    const std::string inhoud = heel.substr(0, heel.find(":61:2601030103") + g.lengte);
    ASSERT_NO_THROW(boek.Lees(7, "kort.sta", inhoud)) << g.lengte;
    EXPECT_TRUE(boek.gelukt) << g.lengte;
    EXPECT_EQ(boek.berichten.Teksten(), g.meldingen) << g.lengte;
    ASSERT_EQ(boek.run->Laatste(), 1) << g.lengte;
    EXPECT_EQ(boek.Regel(1).Bedrag, -12.5) << g.lengte;
  }
}

TEST(HuidigeFormatenTest, Mt940BoekdatumNeemtHetJaarOverDeJaargrens) {
  BankBoek boek;
  boek.Lees(7, "jaar.sta",
            ":20:X\r\n:25:NL12ABNA0123456789\r\n:60F:C251231EUR0,00\r\n"
            ":61:2512310102C5,00NINTNONREF\r\n:86:Rente 2025\r\n:62F:C260102EUR5,00\r\n");
  ASSERT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.Regel(1).Datum, MaakDatum(2026, 1, 2));
  EXPECT_EQ(boek.Regel(1).PayDate, MaakDatum(2025, 12, 31));
  EXPECT_EQ(boek.Regel(1).ActieKode, "RE");
  EXPECT_EQ(boek.Regel(1).Omschrijving, "Rente 2025");
}

}  // namespace
}  // namespace valdero
