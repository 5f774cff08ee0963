// What the import does with a line it cannot read, in every layout: the line
// is left out rather than read as 0, the lines after it are read, each kind
// of fault is reported once per file naming its first line, and the question
// at the end says why it is asked. Also the file itself: only a regular file
// is read, and a line longer than any bank writes refuses the file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <fstream>

#include "BankImportTestBoek.h"
#include "model/bankimport/BankBestandLezen.h"
#include "model/core/SysteemBestanden.h"
#include "model/bankimport/BankFormaat.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"

namespace valdero {
namespace {

using test::BankBoek;

const std::string kDoorgaan = "De volgende fout is opgetreden bij het inlezen:\r";
const std::string kVraagEinde = " Wilt u doorgaan, vaak wel mogelijk";

// --- Amounts: one layout, every kind of amount that cannot be right ---

std::string RaboRegel(const std::string& bedrag, const std::string& datum = "20080303") {
  return "\"0123456789\",\"EUR\"," + datum + ",\"C\",\"" + bedrag + "\",\"\",\"B\",20080304,\"ba\",\"\",\"x\"\r\n";
}

struct BedragGeval {
  const char* naam;
  std::string bedrag;
  std::string melding;  // what follows "mut.txt regel: 1"
};

class BankBedragTest : public ::testing::TestWithParam<BedragGeval> {};

TEST_P(BankBedragTest, DeRegelBlijftWegDeRegelsErnaWordenGelezen) {
  const BedragGeval& g = GetParam();
  BankBoek boek;
  boek.berichten.standaardAntwoord = antwoord::Ja;
  boek.Lees(0, "mut.txt", RaboRegel("1,00") + RaboRegel(g.bedrag) + RaboRegel("3,00"));
  EXPECT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.kb.IOStatus, 5);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"mut.txt regel: 1" + g.melding,
                                      kDoorgaan + " Foutief bedrag (1 regel overgeslagen)" + kVraagEinde}));
  ASSERT_EQ(boek.run->Laatste(), 2);
  EXPECT_EQ(boek.Regel(1).Bedrag, 1);
  EXPECT_EQ(boek.Regel(2).Bedrag, 3);
  EXPECT_EQ(boek.Regel(2).Index, 2);
}

const std::string kGeenBedrag = " is geen geldig bedrag\n\r probeer opnieuw of controleer bestand";
const std::string kTeGroot = " is te groot\n\r corrigeer bedrag";

INSTANTIATE_TEST_SUITE_P(
    Rabobank, BankBedragTest,
    ::testing::Values(BedragGeval{"Leeg", "", " Bedrag=\"leeg\"\n\r corrigeer bedrag"},
                      BedragGeval{"TwintigCijfers", "99999999999999999999,99", " Getal 99999999999999999999,99" + kTeGroot},
                      BedragGeval{"TienMiljard", "10000000000,00", " Getal 10000000000,00" + kTeGroot},
                      BedragGeval{"MinTienMiljard", "-10000000000", " Getal -10000000000,00" + kTeGroot},
                      BedragGeval{"Exponent", "1e308", " Getal 1e308,00" + kGeenBedrag},
                      BedragGeval{"NaN", "NaN", " Getal NaN,00" + kGeenBedrag},
                      BedragGeval{"LetterAchter", "12,5x", " Getal 12,5x" + kGeenBedrag},
                      BedragGeval{"Duizendtallen", "1.234.567,89", " Getal 1.234.567,89" + kGeenBedrag},
                      BedragGeval{"Hex", "0x10", " Getal 0x10,00" + kGeenBedrag}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(BankBedragGrens, EenBedragNetOnderTienMiljardWordtGelezen) {
  BankBoek boek;
  boek.Lees(0, "mut.txt", RaboRegel("9999999999,99"));
  ASSERT_TRUE(boek.gelukt) << ::testing::PrintToString(boek.berichten.Teksten());
  EXPECT_TRUE(boek.berichten.Teksten().empty());
  EXPECT_DOUBLE_EQ(boek.Regel(1).Bedrag, 9999999999.99);
}

// --- Amounts: every layout, the middle one of three lines unreadable ---

struct LayoutGeval {
  const char* naam;
  int tag;
  std::string inhoud;
  std::string melding;  // the whole fault report
  std::vector<double> bedragen;
};

class BankLayoutFoutTest : public ::testing::TestWithParam<LayoutGeval> {};

TEST_P(BankLayoutFoutTest, EenOnleesbaarBedragHoudtDeRegelsErnaNietTegen) {
  const LayoutGeval& g = GetParam();
  BankBoek boek;
  boek.berichten.standaardAntwoord = antwoord::Ja;
  boek.Lees(g.tag, "mut.txt", g.inhoud);
  EXPECT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.kb.IOStatus, 5);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{g.melding, kDoorgaan + " Foutief bedrag (1 regel overgeslagen)" + kVraagEinde}));
  std::vector<double> bedragen;
  for (int i = 1; i <= boek.run->Laatste(); ++i) bedragen.push_back(boek.Regel(i).Bedrag);
  EXPECT_EQ(bedragen, g.bedragen);
}

std::string Drie(const std::string& kop, const std::function<std::string(const std::string&)>& regel,
                 const std::string& fout) {
  return kop + regel("1,00") + regel(fout) + regel("3,00");
}

std::string Girotel(const std::string& b) {
  return "\"1234567\",\"20080303\",\"GM\",\"x\",\"\",\"bakker\",\"y\",\"" + b + "\",\"B\",\"z\",\"Brood\",\"EUR\"\r\n";
}
std::string Sns(const std::string& b) {
  return "\"x\",\"0123456789\",\"1234\",\"BAKKER\",\"\",\"\",\"\",\"EUR\",\"0.00\",\"\",\"" + b +
         "\",\"03-03-2008\",\"04-03-2008\",\"\",\"\",\"1234\",\"BEA\",\"Brood\"\r\n";
}
const std::string kIngKop =
    "\"Datum\",\"Naam / Omschrijving\",\"Rekening\",\"Tegenrekening\",\"Code\",\"Af Bij\",\"Bedrag (EUR)\","
    "\"MutatieSoort\",\"Mededelingen\"\r\n";
std::string Ing(const std::string& datum, const std::string& b) {
  return "\"" + datum + "\",\"BAKKER\",\"123456789\",\"\",\"BA\",\"Bij\",\"" + b + "\",\"x\",\"Brood\"\r\n";
}
std::string Abn(const std::string& b) {
  // Balances that agree with amounts 1 and 3 around the unread one.
  const std::string saldi = b == "1,00" ? "0,00\t1,00" : b == "3,00" ? "2,00\t5,00" : "1,00\t2,00";
  return "123456789\tEUR\t20080303\t" + saldi + "\t20080303\t" + b + "\tCREDITRENTE\r\n";
}
const std::string kMtKop = ":20:940S260107\r\n:25:NL12ABNA0123456789EUR\r\n";
std::string Mt940(const std::string& b) { return ":61:2601020102C" + b + "NMSCNONREF\r\n:86:Brood\r\n"; }
const std::string kIngCsvKop =
    "\"Datum\";\"Naam / Omschrijving\";\"Rekening\";\"Tegenrekening\";\"Code\";\"Af Bij\";\"Bedrag (EUR)\";"
    "\"Mutatiesoort\";\"Mededelingen\"\r\n";
std::string IngCsv(const std::string& b) {
  return "\"20260106\";\"Energie NV\";\"NL12ABNA0123456789\";\"\";\"IC\";\"Bij\";\"" + b + "\";\"x\";\"y\"\r\n";
}
const std::string kRaboCsvKop = "\"IBAN/BBAN\",\"Munt\",\"Datum\",\"Bedrag\",\"Naam tegenpartij\",\"Tegenrekening IBAN/BBAN\"\r\n";
std::string RaboCsv(const std::string& b) {
  return "\"NL12ABNA0123456789\",\"EUR\",\"2026-01-02\",\"" + b + "\",\"Bakker\",\"\"\r\n";
}
std::string Camt(const std::string& b) {
  std::string uit =
      "<?xml version=\"1.0\"?><Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><BkToCstmrStmt>"
      "<Stmt><Acct><Id><IBAN>NL12ABNA0123456789</IBAN></Id></Acct>\n";
  for (const std::string& bedrag : {std::string("1.00"), b, std::string("3.00")})
    uit += "<Ntry><Amt Ccy=\"EUR\">" + bedrag +
           "</Amt><CdtDbtInd>CRDT</CdtDbtInd><BookgDt><Dt>2026-01-02</Dt></BookgDt></Ntry>\n";
  return uit + "</Stmt></BkToCstmrStmt></Document>\n";
}

const std::string kGetal12 = " Getal 12,5x" + kGeenBedrag;

INSTANTIATE_TEST_SUITE_P(
    ElkeLayout, BankLayoutFoutTest,
    ::testing::Values(
        LayoutGeval{"Rabobank", 0, Drie("", [](const std::string& b) { return RaboRegel(b); }, "12,5x"),
                    "mut.txt regel: 1" + kGetal12, {1, 3}},
        LayoutGeval{"Girotel", 1, Drie("", Girotel, "12,5x"), "mut.txt regel: 1" + kGetal12, {1, 3}},
        LayoutGeval{"GirotelLeeg", 1, Drie("", Girotel, ""), "mut.txt regel: 1 Bedrag=\"leeg\"\n\r corrigeer bedrag",
                    {1, 3}},
        LayoutGeval{"AbnAmro", 2, Drie("", Abn, "12,5x"), "mut.txt regel: 1" + kGetal12, {1, 3}},
        LayoutGeval{"Sns", 3, Drie("", Sns, "12,5x"), "mut.txt regel: 1" + kGetal12, {1, 3}},
        LayoutGeval{"SnsLeeg", 3, Drie("", Sns, ""), "mut.txt regel: 1 Bedrag=\"leeg\"\n\r corrigeer bedrag", {1, 3}},
        LayoutGeval{"Ing1Leeg", 4, Drie(kIngKop, [](const std::string& b) { return Ing("20080303", b); }, ""),
                    "mut.txt regel: 2 Bedrag=\"leeg\"\n\r corrigeer bedrag", {1, 3}},
        LayoutGeval{"Ing1", 4, Drie(kIngKop, [](const std::string& b) { return Ing("20080303", b); }, "12,5x"),
                    "mut.txt regel: 2" + kGetal12, {1, 3}},
        LayoutGeval{"IngLeeg", 5, Drie(kIngKop, [](const std::string& b) { return Ing("03-03-2008", b); }, ""),
                    "mut.txt regel: 2 Bedrag=\"leeg\"\n\r corrigeer bedrag", {1, 3}},
        LayoutGeval{"Mt940Duizendtallen", 7, Drie(kMtKop, Mt940, "1.234,56"),
                    "mut.txt regel: 4 Getal 1.234,56" + kGeenBedrag, {1, 3}},
        LayoutGeval{"Mt940Hex", 7, Drie(kMtKop, Mt940, "0x10"), "mut.txt regel: 4 Getal 0x10" + kGeenBedrag, {1, 3}},
        LayoutGeval{"RaboCsv", 8, Drie(kRaboCsvKop, RaboCsv, "12,5x"), "mut.txt regel: 2" + kGetal12, {1, 3}},
        LayoutGeval{"IngCsvTeGroot", 9, Drie(kIngCsvKop, IngCsv, "10000000000,00"),
                    "mut.txt regel: 2 Getal 10000000000,00" + kTeGroot, {1, 3}},
        LayoutGeval{"Camt053", 6, Camt("1e308"), "mut.txt regel: 1 Getal 1e308" + kGeenBedrag, {1, 3}}),
    [](const auto& info) { return std::string(info.param.naam); });

// --- Dates ---

struct DatumGeval {
  const char* naam;
  int tag;
  std::string inhoud;
  std::string melding;
};

class BankDatumTest : public ::testing::TestWithParam<DatumGeval> {};

TEST_P(BankDatumTest, EenOnleesbareDatumLaatDeRegelWegEnNoemtHem) {
  const DatumGeval& g = GetParam();
  BankBoek boek;
  boek.berichten.standaardAntwoord = antwoord::Ja;
  boek.Lees(g.tag, "mut.txt", g.inhoud);
  EXPECT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.kb.IOStatus, 3);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{g.melding, kDoorgaan + " Foutieve datum (1 regel overgeslagen)" + kVraagEinde}));
  ASSERT_EQ(boek.run->Laatste(), 1);
  EXPECT_GT(boek.Regel(1).Datum, MaakDatum(2000, 1, 1));
}

std::string SnsDatum(const std::string& datum) {
  return "\"x\",\"0123456789\",\"1234\",\"BAKKER\",\"\",\"\",\"\",\"EUR\",\"0.00\",\"\",\"1,00\",\"" + datum +
         "\",\"04-03-2008\",\"\",\"\",\"1234\",\"BEA\",\"Brood\"\r\n";
}

const std::string kVerknoeid = "), importfile vaak \"verknoeid\" ";

INSTANTIATE_TEST_SUITE_P(
    Layouts, BankDatumTest,
    ::testing::Values(
        DatumGeval{"Rabo31Februari", 0, RaboRegel("1,00", "20080231") + RaboRegel("2,00"),
                   "mut.txt regel: 0 Datum foutief (31-02-2008" + kVerknoeid},
        DatumGeval{"RaboJaar9999", 0, RaboRegel("1,00") + RaboRegel("2,00", "99991231"),
                   "mut.txt regel: 1 Datum foutief (31-12-9999" + kVerknoeid},
        DatumGeval{"SnsJaar99999", 3, SnsDatum("01-01-99999") + SnsDatum("03-03-2008"),
                   "mut.txt regel: 0 Datum foutief (01-01-99999" + kVerknoeid},
        DatumGeval{"Sns31Februari", 3, SnsDatum("03-03-2008") + SnsDatum("31-02-2008"),
                   "mut.txt regel: 1 Datum foutief (31-02-2008" + kVerknoeid},
        DatumGeval{"IngDmjJaar99999", 5, kIngKop + Ing("01-01-99999", "1,00") + Ing("03-03-2008", "2,00"),
                   "mut.txt regel: 1 Datum foutief(01-01-99999" + kVerknoeid}),
    [](const auto& info) { return std::string(info.param.naam); });

// --- One report per kind of fault ---

TEST(BankFoutMeldingen, ElkeSoortFoutEenmaalMetHetAantalRegelsEnDeEerste) {
  BankBoek boek;
  boek.berichten.standaardAntwoord = antwoord::Ja;
  std::string inhoud = RaboRegel("1,00");
  for (int i = 0; i < 5; ++i) inhoud += RaboRegel("12.5x");
  inhoud += RaboRegel("2,00", "20081332") + RaboRegel("3,00");
  boek.Lees(0, "mut.txt", inhoud);
  EXPECT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{
                "mut.txt regel: 1 Getal 12,5x" + kGeenBedrag + "\r5 regels met deze fout, de eerste is regel 1",
                "mut.txt regel: 6 Datum foutief (32-13-2008" + kVerknoeid,
                kDoorgaan + " Foutief bedrag (6 regels overgeslagen)" + kVraagEinde}));
  ASSERT_EQ(boek.run->Laatste(), 2);
  EXPECT_EQ(boek.Regel(2).Bedrag, 3);
}

TEST(BankFoutMeldingen, NeeOpDeVraagLeestNiets) {
  BankBoek boek;
  boek.berichten.Antwoord(antwoord::Nee);
  boek.Lees(0, "mut.txt", RaboRegel("x") + RaboRegel("2,00"));
  EXPECT_FALSE(boek.gelukt);
  EXPECT_FALSE(boek.run->RegelsKlaar());
}

// A currency the book lacks: once per file and code, the lines kept with
// the first currency of the list.
TEST(BankFoutMeldingen, EenOnbekendeMuntEenmaalPerBestandEnMunt) {
  BankBoek boek;
  auto regel = [](const std::string& munt) {
    return "\"0123456789\",\"" + munt + "\",20080303,\"C\",\"1,00\",\"\",\"B\",20080304,\"ba\",\"\",\"x\"\r\n";
  };
  std::string inhoud;
  for (int i = 0; i < 16; ++i) inhoud += regel(i % 2 ? "CHF" : "chf");
  inhoud += regel("GBP") + regel("EUR");
  boek.Lees(0, "mut.txt", inhoud);
  EXPECT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.kb.IOStatus, 0);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"mut.txt regel: 0 Geen Munt gevonden: chf\r16 regels met deze fout, de eerste is regel 0",
                                      "mut.txt regel: 16 Geen Munt gevonden: GBP"}));
  ASSERT_EQ(boek.run->Laatste(), 18);
  for (int i = 1; i <= 17; ++i) EXPECT_EQ(boek.Regel(i).Munt, 0) << i;
}

// A balance that could not be read gives its fault, not a warning that the
// balances do not agree.
TEST(BankFoutMeldingen, GeenSaldowaarschuwingVoorEenOnleesbaarSaldo) {
  BankBoek boek;
  boek.berichten.standaardAntwoord = antwoord::Ja;
  boek.Lees(7, "mut.txt",
            kMtKop + ":60F:C251231EUR10x0,00\r\n" + Mt940("1,00") + Mt940("2,00") + ":62F:C260106EUR1.003,00\r\n");
  EXPECT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"mut.txt regel: 2 Getal 10x0,00" + kGeenBedrag +
                                          "\r2 regels met deze fout, de eerste is regel 2",
                                      kDoorgaan + " Foutief bedrag" + kVraagEinde}));
  EXPECT_EQ(boek.run->Laatste(), 2);
}

// Without the amount of one line the closing balance cannot be checked: no
// warning that it does not agree.
TEST(BankFoutMeldingen, GeenEindsaldoWaarschuwingNaEenOnleesbaarBedrag) {
  BankBoek boek;
  boek.berichten.standaardAntwoord = antwoord::Ja;
  boek.Lees(7, "mut.txt",
            kMtKop + ":60F:C251231EUR10,00\r\n" + Mt940("1,00") + Mt940("1x") + Mt940("2,00") +
                ":62F:C260106EUR99,00\r\n");
  const auto teksten = boek.berichten.Teksten();
  ASSERT_EQ(teksten.size(), 2u) << ::testing::PrintToString(teksten);
  EXPECT_EQ(teksten[0], "mut.txt regel: 5 Getal 1x" + kGeenBedrag);
  EXPECT_EQ(boek.run->Laatste(), 2);
}

// The user who answers Ja to stopping at an unknown account gets a question
// that says so, not one about a date.
TEST(BankFoutMeldingen, DeVraagNoemtDeRedenVanEenGevraagdeStop) {
  BankBoek boek;
  boek.berichten.Antwoord(antwoord::Ja);
  boek.berichten.Antwoord(antwoord::Nee);
  boek.Lees(2, "abn.tab", "555\tEUR\t20080303\t0,00\t1,00\t20080303\t1,00\tCREDITRENTE\r\n" + Abn("2,00"));
  EXPECT_FALSE(boek.gelukt);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Rekening 555 bestaat niet\r Nu stoppen ?",
                                      kDoorgaan + " Rekening 555 bestaat niet" + kVraagEinde}));
}

// --- The file itself ---

class BankBestandTest : public ::testing::Test {
 protected:
  void Schrijf(const std::string& naam, const std::string& inhoud) {
    std::ofstream(map / naam, std::ios::binary) << inhoud;
  }
  bool Importeer(int tag, const std::string& naam) {
    boek.kb.sessie.Map = map.pad();
    run = std::make_unique<BankImport>(boek.kb, boek.kiezer, nullptr);
    return run->ImporteerBestand(tag, naam);
  }
  test::TestMap map;
  BankBoek boek;
  std::unique_ptr<BankImport> run;
};

TEST_F(BankBestandTest, GeluktKomtNaHetLezenEnNietBijEenVerkeerdFormaat) {
  Schrijf("goed.txt", RaboRegel("1,00"));
  EXPECT_TRUE(Importeer(0, "goed.txt"));
  EXPECT_EQ(boek.berichten.Teksten(), (std::vector<std::string>{"Inlezen BankFile goed.txt gelukt"}));

  boek.berichten.Wis();
  Schrijf("brief.sta", "Beste Jan,\r\nhierbij de afschriften.\r\n");
  EXPECT_FALSE(Importeer(7, "brief.sta"));
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"brief.sta heeft verkeerd formaat\n\r controleer bestandNaam",
                                      "Bankbestand is niet correct, importeren afgebroken"}));
}

TEST_F(BankBestandTest, EenMapOfPijpIsGeenBankbestand) {
  std::filesystem::create_directory(map / "map.txt");
  ASSERT_EQ(::mkfifo((map / "pijp.txt").c_str(), 0600), 0);
  for (const std::string naam : {"map.txt", "pijp.txt", "bestaatniet.txt"}) {
    boek.berichten.Wis();
    for (const int tag : {0, 7, kAutomatischTag}) {
      boek.berichten.Wis();
      EXPECT_FALSE(Importeer(tag, naam)) << naam;
      EXPECT_EQ(boek.kb.IOStatus, 2) << naam;
      EXPECT_EQ(boek.berichten.Teksten(),
                (std::vector<std::string>{"Verwerken van " + naam + " heeft verkeerd formaat\n\r controleer bestandNaam"}))
          << naam;
      EXPECT_EQ(run->Laatste(), 0);
    }
  }
}

TEST_F(BankBestandTest, EenRegelLangerDanEenBankSchrijftWeigertHetBestand) {
  Schrijf("lang.txt", RaboRegel("1,00") + std::string(kLangsteBankRegel + 1, 'x') + "\r\n" + RaboRegel("2,00"));
  EXPECT_FALSE(Importeer(0, "lang.txt"));
  EXPECT_EQ(boek.kb.IOStatus, 2);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Verwerken van lang.txt regel: 1 is te groot\n\r controleer bestands layout"}));
  EXPECT_EQ(run->Laatste(), 0);
}

TEST(BankBestandLezen, DeGrensVanEenRegelEnVanEenXmlRegel) {
  test::TestMap map;
  SysteemBestanden systeem;
  const auto schrijf = [&](const std::string& inhoud) {
    std::ofstream(map / "f", std::ios::binary) << inhoud;
    return LeesBankBestand(map / "f", systeem);
  };
  const std::string grens(kLangsteBankRegel, 'x');
  EXPECT_EQ(schrijf(grens + "\r\n" + grens).uitkomst, BankBestandUitkomst::Gelezen);
  const BankBestandInhoud te = schrijf("a\r\nb\nc\r" + grens + "y\n");
  EXPECT_EQ(te.uitkomst, BankBestandUitkomst::TeLangeRegel);
  EXPECT_EQ(te.regel, 3u);
  EXPECT_TRUE(te.bytes.empty());
  // A statement in XML may be one line of every entry.
  const std::string xml = "\xEF\xBB\xBF  <?xml version=\"1.0\"?><a>" + std::string(kLangsteBankRegel * 4, 'x') + "</a>";
  const BankBestandInhoud x = schrijf(xml);
  EXPECT_EQ(x.uitkomst, BankBestandUitkomst::Gelezen);
  EXPECT_EQ(x.bytes, xml);
  // The same in UTF-16 with its byte-order mark.
  std::string utf16 = "\xFF\xFE";
  for (const char c : "<?xml version=\"1.0\"?><a>" + std::string(kLangsteBankRegel, 'x') + "</a>") {
    utf16 += c;
    utf16 += '\0';
  }
  EXPECT_EQ(schrijf(utf16).uitkomst, BankBestandUitkomst::Gelezen);
}

TEST(BankBestandLezen, EenTeLangeRegelInHetGeheugenWeigertOokVerwerk) {
  BankBoek boek;
  boek.Lees(0, "mut.txt", std::string(kLangsteBankRegel + 1, '1'));
  EXPECT_FALSE(boek.gelukt);
  EXPECT_EQ(boek.kb.IOStatus, 2);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Verwerken van mut.txt regel: 0 is te groot\n\r controleer bestands layout"}));
}

}  // namespace
}  // namespace valdero
