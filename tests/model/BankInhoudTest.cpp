// What the current layouts take from a line's text: the MT940 description
// forms of the banks, amounts with a decimal point, the own account of
// ":25:", CAMT.053's references and accounts and its XML guarded, and CSV
// records over line breaks.
#include <gtest/gtest.h>

#include "BankImportTestBoek.h"
#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/CsvRecords.h"
#include "model/bankimport/KleineXml.h"
#include "model/bankimport/Omschrijvingen.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"

namespace valdero {
namespace {

using test::BankBoek;

std::string Mt940(const std::string& mutaties, const std::string& slot = ":62F:C260131EUR0,00\r\n") {
  return ":20:X\r\n:25:NL12ABNA0123456789\r\n:28C:1\r\n:60F:C260101EUR0,00\r\n" + mutaties + slot;
}

// --- Structured descriptions: only the guides' keys end a value ----------

TEST(GestructureerdeTekstTest, WaardenMetSchuineStrepenBlijvenHeel) {
  const struct {
    const char* naam;
    const char* tekst;
    const char* soort;
    const char* tegenpartij;
    const char* iban;
    const char* omschrijving;
  } gevallen[] = {
      {"kenmerk", "/TRTP/SEPA OVERBOEKING/IBAN/NL91RABO0300065264/BIC/RABONL2U/NAME/Bakker/REMI/STRD/CUR/5200150700013379/",
       "SEPA OVERBOEKING", "Bakker", "NL91RABO0300065264", "5200150700013379"},
      {"iso-kenmerk", "/REMI/STRD/ISO/RF18539007547034/EREF/X", "", "", "", "RF18539007547034"},
      {"lang kenmerk", "/REMI/STRD/CDTRREFTP//CD/SCOR/ISSR/CUR/CDTRREF/1234567890123456/", "", "", "", "1234567890123456"},
      {"factuur", "/TRTP/SEPA OVERBOEKING/NAME/Jansen/REMI//INV/1511682351 1.12.2016/EREF/NOTPROVIDED", "SEPA OVERBOEKING",
       "Jansen", "", "INV/1511682351 1.12.2016"},
      {"vrije tekst", "/REMI/USTD//Huur 1/2 jaar, ABN/AMRO/", "", "", "", "Huur 1/2 jaar, ABN/AMRO"},
      {"naam met streep", "/NAME/Jansen/De Vries/IBAN/NL02ABNA0002345678", "", "Jansen/De Vries", "NL02ABNA0002345678", ""},
      {"cntp", "/EREF/1//CNTP/NL32INGB0000012345/INGBNL2A/ING BANK NV/Amsterdam//REMI/USTD//Rente/", "", "ING BANK NV",
       "NL32INGB0000012345", "Rente"},
      {"cntp zonder plaats", "/CNTP/NL32INGB0000012345/INGBNL2A/A/B///REMI/USTD//X/", "", "A/B", "NL32INGB0000012345", "X"},
      {"uiteindelijke partij", "/BENM//NAME/Energie NV/ULTC//NAME/Holding/REMI/Voorschot", "", "Energie NV", "",
       "Voorschot"},
  };
  for (const auto& g : gevallen) {
    const GestructureerdeTekst t = LeesGestructureerd(g.tekst);
    EXPECT_TRUE(t.gestructureerd) << g.naam;
    EXPECT_EQ(t.soort, g.soort) << g.naam;
    EXPECT_EQ(t.naam, g.tegenpartij) << g.naam;
    EXPECT_EQ(t.iban, g.iban) << g.naam;
    EXPECT_EQ(t.omschrijving, g.omschrijving) << g.naam;
  }
  EXPECT_FALSE(LeesGestructureerd("/XYZ/geen sleutel van een bank").gestructureerd);
}

// --- MT940 ----------------------------------------------------------------

TEST(Mt940InhoudTest, OmschrijvingVanHetAfschriftEnSlotHorenNietBijDeLaatsteRegel) {
  for (const char* tussen : {":62F:C260131EUR5,00\r\n", ":62F:C260131EUR5,00\r\n:64:C260131EUR5,00\r\n",
                             ":62F:C260131EUR5,00\r\n:64:C260131EUR5,00\r\n:65:C260201EUR5,00\r\n"}) {
    BankBoek boek;
    boek.Lees(7, "ing.sta",
              "{4:\r\n" +
                  Mt940(":61:2601050105C5,00NTRFEREF//1\r\n/TRCD/00100/\r\n"
                        ":86:/CNTP/NL91RABO0300065264/RABONL2U/Bakker Jansen///REMI/USTD//Brood/\r\n",
                        tussen) +
                  ":86:/SUM/1/0/0,00/5,00/\r\n-}\r\n");
    ASSERT_TRUE(boek.gelukt) << tussen;
    ASSERT_EQ(boek.run->Laatste(), 1) << tussen;
    EXPECT_EQ(boek.Regel(1).Omschrijving, "Brood") << tussen;
    EXPECT_EQ(boek.Regel(1).Relatie, "Bakker Jansen") << tussen;
    EXPECT_EQ(boek.Regel(1).TegenRekNr, "300065264") << tussen;
  }
}

TEST(Mt940InhoudTest, SlotregelWordtNietAanEenVrijeOmschrijvingGeplakt) {
  for (const char* slot : {"-}", "-", "-XXX"}) {
    BankBoek boek;
    boek.Lees(7, "slot.sta",
              ":20:X\r\n:25:NL12ABNA0123456789\r\n:60F:C260101EUR0,00\r\n:61:2601050105C5,00NTRFNONREF\r\n"
              ":86:Rente\r\n" +
                  std::string(slot) + "\r\n");
    ASSERT_EQ(boek.run->Laatste(), 1) << slot;
    EXPECT_EQ(boek.Regel(1).Omschrijving, "Rente") << slot;
  }
}

TEST(Mt940InhoudTest, MeerdereOmschrijvingenOnderEenMutatieWordenSamengevoegd) {
  BankBoek boek;
  boek.Lees(7, "rabo.swi",
            Mt940(":61:260105D000000000100,00N541NONREF\r\n:86:TERUGBOEKING\r\n"
                  ":86:NIET AKKOORD MET AFSCHRIJVING\r\n:86:BETALINGSKENM. 123\r\n",
                  ":62F:D260131EUR100,00\r\n"));
  ASSERT_EQ(boek.run->Laatste(), 1);
  EXPECT_EQ(boek.Regel(1).Omschrijving, "TERUGBOEKING NIET AKKOORD MET AFSCHRIJVING BETALINGSKENM. 123");
}

TEST(Mt940InhoudTest, TegenrekeningOpDeMutatieregel) {
  const struct {
    const char* naam;
    const char* mutatie;
    const char* tegen;
    const char* relatie;
  } gevallen[] = {
      {"oude Rabobank", ":61:260105D000000000100,00N1020300065264     BAKKER JANSEN\r\n:86:BROOD\r\n", "0300065264",
       "BAKKER JANSEN"},
      {"Rabobank IBAN", ":61:260105D000000000100,00N102EREF\r\nNL91RABO0300065264\r\n:86:/EREF/1/BENM//NAME/Bakker/\r\n",
       "300065264", "Bakker"},
      {"oude Rabobank achter NONREF", ":61:260105D000000000100,00N541NONREF        0300065264\r\n:86:BROOD\r\n",
       "0300065264", ""},
      {"geen rekening", ":61:260105D000000000100,00N102NONREF\r\n:86:BROOD\r\n", "", ""},
      {"nullen", ":61:260105D000000000100,00N1020000000000\r\n:86:BROOD\r\n", "", ""},
  };
  for (const auto& g : gevallen) {
    BankBoek boek;
    boek.Lees(7, "rabo.swi", Mt940(g.mutatie, ":62F:D260131EUR100,00\r\n"));
    ASSERT_EQ(boek.run->Laatste(), 1) << g.naam;
    EXPECT_EQ(boek.Regel(1).TegenRekNr, g.tegen) << g.naam;
    EXPECT_EQ(boek.Regel(1).Relatie, g.relatie) << g.naam;
    EXPECT_DOUBLE_EQ(boek.Regel(1).Bedrag, -100) << g.naam;
  }
}

TEST(Mt940InhoudTest, VrijeTekstenVanAbnAmro) {
  const struct {
    const char* naam;
    const char* tekst;
    const char* tegen;
    const char* relatie;
    const char* omschrijving;
  } gevallen[] = {
      {"giro", ":86:GIRO   5213722 TNT POST BV      BETALINGSKENM.  121010015478\r\n", "5213722", "TNT POST BV",
       "GIRO 5213722 TNT POST BV BETALINGSKENM. 121010015478"},
      {"betaalautomaat", ":86:BEA   NR:SG371X   24.05.11/14.19 T-MOBILE NL BV DEN HAAG,PAS365\r\n", "",
       "T-MOBILE NL BV DEN HAAG", "BEA NR:SG371X 24.05.11/14.19 T-MOBILE NL BV DEN HAAG,PAS365"},
      {"acceptgiro",
       ":86:SEPA ACCEPTGIROBETALING          IBAN: NL86INGB0002445588\r\nBIC: INGBNL2A                    NAAM: "
       "BELASTINGDIENST\r\nBETALINGSKENM.: 1234567890123456\r\n",
       "2445588", "BELASTINGDIENST", "1234567890123456"},
  };
  for (const auto& g : gevallen) {
    BankBoek boek;
    boek.Lees(7, "abn.sta", Mt940(std::string(":61:2601050105D5,00N426NONREF\r\n") + g.tekst, ":62F:D260131EUR5,00\r\n"));
    ASSERT_EQ(boek.run->Laatste(), 1) << g.naam;
    EXPECT_EQ(boek.Regel(1).TegenRekNr, g.tegen) << g.naam;
    EXPECT_EQ(boek.Regel(1).Relatie, g.relatie) << g.naam;
    EXPECT_EQ(boek.Regel(1).Omschrijving, g.omschrijving) << g.naam;
  }
}

TEST(Mt940InhoudTest, BedragMetDecimalePuntVerliestGeenCenten) {
  BankBoek boek;
  boek.Lees(7, "punt.sta",
            ":20:X\r\n:25:NL12ABNA0123456789\r\n:60F:C260101EUR1000.00\r\n"
            ":61:2601050105D350.43NTRFNONREF\r\n:86:Huur\r\n:61:2601060106C0.5NTRFNONREF\r\n:86:Rente\r\n"
            ":62F:C260131EUR650.07\r\n");
  ASSERT_TRUE(boek.gelukt);
  EXPECT_TRUE(boek.berichten.Teksten().empty()) << ::testing::PrintToString(boek.berichten.Teksten());
  ASSERT_EQ(boek.run->Laatste(), 2);
  EXPECT_DOUBLE_EQ(boek.Regel(1).Bedrag, -350.43);
  EXPECT_DOUBLE_EQ(boek.Regel(2).Bedrag, 0.5);
}

TEST(Mt940InhoudTest, BedragDatTweeLezingenToelaatWordtGeweigerdMetZijnTekst) {
  for (const char* bedrag : {"1.234", "1.234,56", "1,234.56"}) {
    BankBoek boek;
    boek.berichten.standaardAntwoord = antwoord::Ja;
    boek.Lees(7, "punt.sta",
              Mt940(std::string(":61:2601050105D") + bedrag + "NTRFNONREF\r\n:86:Huur\r\n", ":62F:D260131EUR0,00\r\n"));
    const auto teksten = boek.berichten.Teksten();
    ASSERT_FALSE(teksten.empty()) << bedrag;
    // The report names the line of the file, then the amount.
    EXPECT_EQ(teksten[0].rfind(std::string("punt.sta regel: "), 0), 0u) << teksten[0];
    EXPECT_NE(teksten[0].find(std::string(" Getal ") + bedrag + " is geen geldig bedrag"), std::string::npos)
        << teksten[0];
    for (int i = 1; i <= boek.run->Laatste(); ++i) {
      EXPECT_NE(boek.Regel(i).Bedrag, -1) << bedrag;
      EXPECT_NE(boek.Regel(i).Bedrag, -1234) << bedrag;
      EXPECT_NE(boek.Regel(i).Bedrag, -1.23) << bedrag;
    }
  }
}

// The own account is the IBAN without what follows it (a currency, after a
// blank or not).
TEST(Mt940InhoudTest, EigenRekeningGevolgdDoorMunt) {
  for (const char* rekening : {"NL91RABO0315273637 EUR", "NL91RABO0315273637EUR", "NL91RABO0315273637",
                               "RABONL2U/NL91RABO0315273637 EUR", "0315273637 EUR", "NL91RABO0315273637/EUR"}) {
    BankBoek boek;
    boek.Rekening(4, "Zakelijk 315273637");
    boek.Groep("4", "Saldo");
    boek.Lees(7, "rabo.swi",
              std::string(":20:X\r\n:25:") + rekening +
                  "\r\n:60F:C260101EUR0,00\r\n:61:2601050105C5,00NTRFNONREF\r\n:86:Rente\r\n:62F:C260131EUR5,00\r\n");
    EXPECT_TRUE(boek.berichten.Teksten().empty()) << rekening << ::testing::PrintToString(boek.berichten.Teksten());
    ASSERT_EQ(boek.run->Laatste(), 1) << rekening;
    EXPECT_EQ(boek.Regel(1).RekNr, 4) << rekening;
    EXPECT_EQ(boek.Regel(1).BankRekNr, "315273637") << rekening;
  }
}

// --- CAMT.053 ---------------------------------------------------------------

std::string Camt(const std::string& tekst, const std::string& acct = "<IBAN>NL12ABNA0123456789</IBAN>",
                 const std::string& voor = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + voor +
         "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><BkToCstmrStmt><Stmt><Acct><Id>" +
         acct +
         "</Id></Acct><Ntry><Amt Ccy=\"EUR\">5.00</Amt><CdtDbtInd>DBIT</CdtDbtInd><BookgDt><Dt>2026-01-05</Dt>"
         "</BookgDt><NtryDtls><TxDtls><RltdPties><Cdtr><Nm>Energie NV</Nm></Cdtr></RltdPties><RmtInf>" +
         tekst + "</RmtInf></TxDtls></NtryDtls></Ntry></Stmt></BkToCstmrStmt></Document>";
}

TEST(CamtInhoudTest, GestructureerdKenmerkEnAndereRekening) {
  BankBoek boek;
  boek.Lees(6, "k.xml",
            Camt("<Strd><CdtrRefInf><Tp><CdOrPrtry><Cd>SCOR</Cd></CdOrPrtry><Issr>CUR</Issr></Tp>"
                 "<Ref>5200150700013379</Ref></CdtrRefInf></Strd>",
                 "<Othr><Id>123456789</Id></Othr>"));
  ASSERT_TRUE(boek.gelukt);
  EXPECT_TRUE(boek.berichten.Teksten().empty()) << ::testing::PrintToString(boek.berichten.Teksten());
  ASSERT_EQ(boek.run->Laatste(), 1);
  EXPECT_EQ(boek.Regel(1).RekNr, 1);
  EXPECT_EQ(boek.Regel(1).BankRekNr, "123456789");
  EXPECT_EQ(boek.Regel(1).Omschrijving, "5200150700013379");
}

// A text that is no sound XML is refused whole: no NUL and no invalid UTF-8
// ever reach a description, no entity is expanded, no depth costs the stack.
TEST(CamtInhoudTest, OngeldigeXmlWordtGeweigerd) {
  std::string diep;
  for (int i = 0; i < 100; ++i) diep += "<a>";
  for (int i = 0; i < 100; ++i) diep += "</a>";
  const struct {
    const char* naam;
    std::string xml;
  } gevallen[] = {
      {"NUL", Camt("<Ustrd>a&#0;b</Ustrd>")},
      {"voorbij het laatste teken", Camt("<Ustrd>a&#x7FFFFFFF;b</Ustrd>")},
      {"surrogaat", Camt("<Ustrd>a&#xD800;b</Ustrd>")},
      {"stuurteken", Camt("<Ustrd>a&#1;b</Ustrd>")},
      {"DTD", Camt("<Ustrd>&x;</Ustrd>", "<IBAN>NL12ABNA0123456789</IBAN>",
                   "<!DOCTYPE Document [<!ENTITY x \"xxxxxxxxxx\">]>")},
      {"externe DTD", Camt("<Ustrd>a</Ustrd>", "<IBAN>NL12ABNA0123456789</IBAN>",
                           "<!DOCTYPE Document SYSTEM \"file:///etc/passwd\">")},
      {"te diep", Camt("<Ustrd>a</Ustrd>" + diep)},
  };
  for (const auto& g : gevallen) {
    EXPECT_EQ(LeesXml(g.xml), nullptr) << g.naam;
    BankBoek boek;
    boek.Lees(6, "x.xml", g.xml);
    EXPECT_EQ(boek.run->Laatste(), 0) << g.naam;
  }
  EXPECT_NE(LeesXml(Camt("<Ustrd>caf&#xE9; &#x1F600;</Ustrd>")), nullptr);
}

TEST(CamtInhoudTest, TekenverwijzingenWordenTekens) {
  BankBoek boek;
  boek.Lees(6, "x.xml", Camt("<Ustrd>Caf&#xE9; &amp; &#60;bar&#62;</Ustrd>"));
  ASSERT_EQ(boek.run->Laatste(), 1);
  EXPECT_EQ(boek.Regel(1).Omschrijving, "Caf\u00e9 & <bar>");
}

// --- CSV records ------------------------------------------------------------

TEST(CsvRecordsTest, AanhalingstekensOverRegelsHeen) {
  const std::vector<std::string> regels = {"\"a\";\"b;c\";d", "\"Brood e", "n \"\"banket\"\"\";2", "", "x;"};
  const auto records = LeesCsvRecords(regels, ';');
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].velden, (std::vector<std::string>{"a", "b;c", "d"}));
  EXPECT_EQ(records[1].regel, 1u);
  EXPECT_EQ(records[1].velden, (std::vector<std::string>{"Brood e\nn \"banket\"", "2"}));
  EXPECT_EQ(records[2].regel, 4u);
  EXPECT_EQ(records[2].velden, (std::vector<std::string>{"x", ""}));
  EXPECT_EQ(LeesCsvRecords({"\"open"}, ';')[0].velden, (std::vector<std::string>{"open"}));
  EXPECT_EQ(CsvScheiding("\"Datum\",\"Naam / Omschrijving\",\"a;b\""), ',');
  EXPECT_EQ(CsvScheiding("\"Datum\";\"Naam, Omschrijving\""), ';');
}

TEST(CsvInhoudTest, IngOmschrijvingMetRegelovergangBlijftEenRegel) {
  BankBoek boek;
  boek.Lees(9, "ing.csv",
            "\"Datum\";\"Naam / Omschrijving\";\"Rekening\";\"Tegenrekening\";\"Code\";\"Af Bij\";\"Bedrag (EUR)\";"
            "\"Mutatiesoort\";\"Mededelingen\"\r\n"
            "\"20260102\";\"Bakker\";\"NL12ABNA0123456789\";\"\";\"BA\";\"Af\";\"1,50\";\"x\";\"Brood e\r\nn banket\"\r\n");
  ASSERT_TRUE(boek.gelukt);
  EXPECT_TRUE(boek.berichten.Teksten().empty()) << ::testing::PrintToString(boek.berichten.Teksten());
  ASSERT_EQ(boek.run->Laatste(), 1);
  EXPECT_EQ(boek.Regel(1).Omschrijving, "Brood e n banket");
  EXPECT_DOUBLE_EQ(boek.Regel(1).Bedrag, -1.5);
}

}  // namespace
}  // namespace valdero
