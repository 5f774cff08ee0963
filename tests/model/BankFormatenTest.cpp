// The six delimited layouts, read from small files built from their field
// tables, with their error paths and exact messages.
#include <algorithm>
#include <gtest/gtest.h>

#include "BankImportTestBoek.h"
#include "model/core/Sorteren.h"
#include "model/bankimport/BankFormaat.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"

namespace valdero {
namespace {

using test::BankBoek;

double D(int j, int m, int d) { return MaakDatum(j, m, d); }

TEST(BankFormatenTest, RabobankLeestElkVeldEnEindigtStilBijEenLegeSlotregel) {
  BankBoek boek;
  boek.LeesFixture(0, "rabo.txt");
  ASSERT_TRUE(boek.gelukt);
  EXPECT_TRUE(boek.berichten.Teksten().empty());
  ASSERT_EQ(boek.run->Laatste(), 3);
  // Sorted by date: the transfer of 1 March comes first.
  const TNewKas& sparen = boek.Regel(1);
  EXPECT_EQ(sparen.Index, 2);
  EXPECT_EQ(sparen.RekNr, 1);
  EXPECT_EQ(sparen.BankRekNr, "123456789");
  EXPECT_EQ(sparen.Datum, D(2008, 3, 1));
  EXPECT_EQ(sparen.BoekSoort, 6);
  EXPECT_EQ(sparen.TegenRek, 2);
  EXPECT_EQ(sparen.TegenRekNr, "0987654321");
  EXPECT_EQ(sparen.Omschrijving, "Sparen ");
  EXPECT_EQ(sparen.ActieKode, "tb");
  EXPECT_EQ(sparen.GroepKode, "1");

  const TNewKas& bakker = boek.Regel(2);
  EXPECT_EQ(bakker.Bedrag, 12.5);  // 12.50 read with a decimal comma
  EXPECT_EQ(bakker.BoekSoort, 2);
  EXPECT_EQ(bakker.TegenRek, 0);
  EXPECT_EQ(bakker.Relatie, "BAKKER JANSEN");
  EXPECT_EQ(bakker.PayDate, D(2008, 3, 4));
  EXPECT_EQ(bakker.Omschrijving, "Brood en banket ");

  // A description field of exactly 32 characters is joined without a blank.
  EXPECT_EQ(boek.Regel(3).Omschrijving, "SALARIS MAART 2008 ABCDEFGHIJKLMDeel twee ");
  EXPECT_EQ(boek.Regel(3).BoekSoort, 1);
  EXPECT_EQ(boek.Regel(3).Bedrag, 2500);
}

TEST(BankFormatenTest, GirotelSchrijftDeRelatieMetHoofdlettersEnEnkeleSpaties) {
  BankBoek boek;
  boek.LeesFixture(1, "girotel.csv");
  ASSERT_TRUE(boek.gelukt);
  const TNewKas& r = boek.Regel(1);
  EXPECT_EQ(r.RekNr, 3);
  EXPECT_EQ(r.Relatie, "Bakker Jansen");
  EXPECT_EQ(r.Omschrijving, "Brood en banket");
  EXPECT_EQ(r.ActieKode, "GM");
  EXPECT_EQ(r.BoekSoort, 2);
  EXPECT_EQ(r.Bedrag, 12.5);
  EXPECT_EQ(r.PayDate, r.Datum);
  EXPECT_EQ(boek.Regel(2).Relatie, "J De Vries");
  EXPECT_EQ(boek.Regel(2).BoekSoort, 5);
}

TEST(BankFormatenTest, AbnAmroKiestOpHetEersteWoordEnLeestGestructureerdeTekst) {
  BankBoek boek;
  boek.LeesFixture(2, "abn.tab");
  ASSERT_TRUE(boek.gelukt) << ::testing::PrintToString(boek.berichten.Teksten());
  EXPECT_TRUE(boek.berichten.Teksten().empty()) << ::testing::PrintToString(boek.berichten.Teksten());
  ASSERT_EQ(boek.run->Laatste(), 5);
  EXPECT_TRUE(boek.run->InBestand(1));

  const TNewKas& bea = boek.Regel(1);
  EXPECT_EQ(bea.ActieKode, "BA");
  EXPECT_EQ(bea.Relatie, "BAKKER JANSEN BREDA");
  EXPECT_EQ(bea.Omschrijving.substr(0, 10), "NR:3C9Q01 ");
  EXPECT_EQ(bea.BeginSaldo, 1000);
  EXPECT_EQ(bea.EindSaldo, 987.5);
  EXPECT_EQ(bea.Bedrag, -12.5);
  EXPECT_EQ(bea.BoekSoort, 2);

  const TNewKas& giro = boek.Regel(2);
  EXPECT_EQ(giro.Relatie, "WERKGEVER BV");
  EXPECT_EQ(giro.TegenRekNr, "1234567");
  EXPECT_EQ(giro.TegenRek, 3);
  EXPECT_EQ(giro.BoekSoort, 5);
  EXPECT_EQ(giro.Omschrijving, "SALARIS MAART");

  const TNewKas& nummer = boek.Regel(3);
  EXPECT_EQ(nummer.Relatie, "J DE VRIES");
  EXPECT_EQ(nummer.TegenRekNr, "987654321");
  EXPECT_EQ(nummer.TegenRek, 2);
  EXPECT_EQ(nummer.BoekSoort, 6);
  EXPECT_EQ(nummer.Omschrijving, "SPAREN MAART");

  const TNewKas& sepa = boek.Regel(4);
  EXPECT_EQ(sepa.ActieKode, "OV");
  EXPECT_EQ(sepa.Relatie, "Werkgever BV");
  EXPECT_EQ(sepa.TegenRekNr, "1234567");
  EXPECT_EQ(sepa.TegenRek, 3);
  EXPECT_EQ(sepa.Omschrijving, "Bonus 2008");

  // A zero amount is a debit.
  EXPECT_EQ(boek.Regel(5).BoekSoort, 2);
  EXPECT_EQ(boek.Regel(5).ActieKode, "RE");
}

TEST(BankFormatenTest, AbnAmroMetMinderVeldenDanTabsInDeEersteRegelIsFout2) {
  BankBoek boek;
  boek.berichten.Antwoord(antwoord::Nee);
  boek.Lees(2, "kort.tab",
            "123456789\tEUR\t20080303\t1000,00\t987,50\t20080303\t-12,50\tBEA\r\n"
            "123456789\tEUR\t20080303\t1000,00\r\n");
  EXPECT_FALSE(boek.gelukt);
  EXPECT_EQ(boek.kb.IOStatus, 2);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"kort.tab regel: 1 fout in veld, gebruik MS Excel\n\r corrigeer afschrift",
                                      "De volgende fout is opgetreden bij het inlezen:\rFoutief import-record (1 "
                                      "regel overgeslagen) Wilt u doorgaan, vaak wel mogelijk"}));
  EXPECT_EQ(boek.run->Laatste(), 1);
}

TEST(BankFormatenTest, AbnAmroSaldoDatNietAansluitGeeftEenWaarschuwing) {
  BankBoek boek;
  std::string inhoud = test::BankFixture("abn.tab");
  const auto p = inhoud.find("3487,50\t3387,50");
  inhoud.replace(p, 7, "3400,00");
  boek.Lees(2, "abn.tab", inhoud);
  EXPECT_TRUE(boek.gelukt);
  const auto teksten = boek.berichten.Teksten();
  ASSERT_FALSE(teksten.empty());
  EXPECT_EQ(teksten[0], "Saldo klopt niet bij regel 3 (5-3-2008): bank 3400,00, berekend 3487,50");
  EXPECT_EQ(boek.run->Laatste(), 5);
}

TEST(BankFormatenTest, SnsLeestHetVolgwoordEnEenLegeSlotregelIsLeegImportRecord) {
  BankBoek boek;
  boek.berichten.standaardAntwoord = antwoord::Ja;
  boek.LeesFixture(3, "sns.txt");
  EXPECT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.kb.IOStatus, 1);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"sns.txt regel: 2 aantalvelden = 0\n\r corrigeer afschrift",
                                      "De volgende fout is opgetreden bij het inlezen:\rLeeg import-record (1 regel "
                                      "overgeslagen) Wilt u doorgaan, vaak wel mogelijk"}));
  ASSERT_EQ(boek.run->Laatste(), 2);
  const TNewKas& r = boek.Regel(1);
  EXPECT_EQ(r.TegenRekNr, "Giro 1234");
  EXPECT_EQ(r.VolgBlad, 1234 >> 6);
  EXPECT_EQ(r.ActieKode, "BA");
  EXPECT_EQ(r.Omschrijving, "BroodBEA");
  EXPECT_EQ(r.Bedrag, -12.5);
  EXPECT_EQ(r.Datum, D(2008, 3, 3));
  EXPECT_EQ(r.PayDate, D(2008, 3, 4));
  // A zero amount is a credit here; to an own account it is kind 5.
  EXPECT_EQ(boek.Regel(2).BoekSoort, 5);
  EXPECT_EQ(boek.Regel(2).Omschrijving, "");
}

TEST(BankFormatenTest, IngSlaatDeKopOverInBeideDatumvormen) {
  for (const auto& [tag, bestand] : {std::pair{4, "ing1.csv"}, std::pair{5, "ing2.csv"}}) {
    BankBoek boek;
    boek.LeesFixture(tag, bestand);
    ASSERT_TRUE(boek.gelukt) << bestand;
    const TNewKas& r = boek.Regel(1);
    EXPECT_EQ(r.Index, 1) << bestand;
    EXPECT_EQ(r.Datum, D(2008, 3, 3)) << bestand;
    EXPECT_EQ(r.PayDate, r.Datum);
    EXPECT_EQ(r.Relatie, " BAKKER JANSEN");
    EXPECT_EQ(r.RekNr, 1);
    EXPECT_EQ(r.TegenRekNr, "300065264");
    EXPECT_EQ(r.BoekSoort, 2);
    EXPECT_EQ(r.Bedrag, 12.5);
    EXPECT_EQ(r.Omschrijving, "Brood");
  }
}

TEST(BankFormatenTest, EenBestandZonderMutatiesMeldtDatEnStopt) {
  BankBoek boek;
  boek.LeesFixture(4, "ingkop.csv");
  EXPECT_FALSE(boek.gelukt);
  EXPECT_EQ(boek.run->Laatste(), 0);
  EXPECT_EQ(boek.berichten.Teksten(), (std::vector<std::string>{"Geen mutaties in ingkop.csv"}));
}

struct FoutGeval {
  const char* naam;
  std::string inhoud;
  int fout;
  std::vector<std::string> meldingen;
  bool gelukt = false;
};

class BankFoutTest : public ::testing::TestWithParam<FoutGeval> {};

TEST_P(BankFoutTest, MeldtHetEnVraagtOfHijDoorMoetGaan) {
  const FoutGeval& g = GetParam();
  BankBoek boek;
  boek.Lees(0, "mut.txt", g.inhoud);
  EXPECT_EQ(boek.gelukt, g.gelukt);
  EXPECT_EQ(boek.kb.IOStatus, g.fout);
  EXPECT_EQ(boek.berichten.Teksten(), g.meldingen);
}

const std::string kGoed = "\"0123456789\",\"EUR\",20080303,\"D\",12.50,\"0300065264\",\"B\",20080304,\"ba\",\"\",\"x\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    Rabobank, BankFoutTest,
    ::testing::Values(
        FoutGeval{"VerkeerdAantalVelden", kGoed + "\"0123456789\",\"EUR\"\r\n" + kGoed, 2,
                  {"mut.txt regel: 1 fout in veld, gebruik MS Excel\n\r corrigeer afschrift",
                   "De volgende fout is opgetreden bij het inlezen:\rFoutief import-record (1 regel overgeslagen) Wilt u "
                   "doorgaan, vaak wel mogelijk"}},
        FoutGeval{"FouteDatum",
                  "\"0123456789\",\"EUR\",20081332,\"D\",12.50,\"0300065264\",\"B\",20080304,\"ba\",\"\",\"x\"\r\n", 3,
                  {"mut.txt regel: 0 Datum foutief (32-13-2008), importfile vaak \"verknoeid\" ",
                   "De volgende fout is opgetreden bij het inlezen:\r Foutieve datum (1 regel overgeslagen) Wilt u "
                   "doorgaan, vaak wel mogelijk"}},
        FoutGeval{"BedragMetDuizendtallen",
                  "\"0123456789\",\"EUR\",20080303,\"D\",\"1.234,56\",\"0300065264\",\"B\",20080304,\"ba\",\"\",\"x\"\r\n",
                  5,
                  {"mut.txt regel: 0 Getal 1.234,56 is geen geldig bedrag\n\r probeer opnieuw of controleer bestand",
                   "De volgende fout is opgetreden bij het inlezen:\r Foutief bedrag (1 regel overgeslagen) Wilt u "
                   "doorgaan, vaak wel mogelijk"}},
        FoutGeval{"OnbekendeMunt",
                  "\"0123456789\",\"XYZ\",20080303,\"D\",1,\"0300065264\",\"B\",20080304,\"ba\",\"\",\"x\"\r\n", 0,
                  {"mut.txt regel: 0 Geen Munt gevonden: XYZ"}, true}),
    [](const auto& info) { return std::string(info.param.naam); });

// A new account declined: the existing accounts are offered once for the
// file's number, and the choice is taken for every line of it.
TEST(BankFormatenTest, EenAfgeslagenNieuweRekeningBiedtDeBestaandeRekeningenEenmaalAan) {
  BankBoek boek;
  struct Schrap : RekeningDialoogVoerder {
    void Voer(RekeningDialoog& d) override { d.Schrap(); }
  } schrap;
  struct Kiezer : SelectMutVoerder {
    std::vector<std::string> lijst;
    std::optional<std::string> Kies(const SelectMut& s) override {
      lijst = s.Regels();
      return lijst.at(1);  // Spaar
    }
  } kiezer;
  BankImport run(boek.kb, kiezer, &schrap);
  boek.berichten.Antwoord(antwoord::Nee);  // no new account
  boek.berichten.Antwoord(antwoord::Ja);   // an existing one
  const std::string regel = "\"0555555555\",\"EUR\",20080303,\"D\",1,\"\",\"B\",20080304,\"ba\",\"\",\"x\"\r\n";
  EXPECT_TRUE(run.Verwerk(0, "mut.txt", regel + regel + regel));
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Wilt u rekening Toevoegen: 555555555",
                                      "Het Mutatie-rekeningnummer = 555555555\rWilt u een bestaande rekening kiezen?"}));
  EXPECT_EQ(kiezer.lijst.size(), 4u);  // every account of the book
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(run.Lijst()[static_cast<std::size_t>(i)].RekNr, 2);
    EXPECT_EQ(run.Lijst()[static_cast<std::size_t>(i)].BankRekNr, "555555555");
  }
}

// Declined twice: the lines of no account leave the list, said once.
TEST(BankFormatenTest, EenOnbekendeEigenRekeningZonderKeuzeWordtEenmaalGemeld) {
  BankBoek boek;
  struct Schrap : RekeningDialoogVoerder {
    void Voer(RekeningDialoog& d) override { d.Schrap(); }
  } schrap;
  BankImport run(boek.kb, boek.kiezer, &schrap);
  boek.berichten.standaardAntwoord = antwoord::Nee;
  const std::string onbekend = "\"0555555555\",\"EUR\",20080303,\"D\",1,\"\",\"B\",20080304,\"ba\",\"\",\"x\"\r\n";
  const std::string bekend = "\"0123456789\",\"EUR\",20080304,\"D\",2,\"\",\"B\",20080304,\"ba\",\"\",\"y\"\r\n";
  EXPECT_TRUE(run.Verwerk(0, "mut.txt", onbekend + bekend + onbekend));
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Wilt u rekening Toevoegen: 555555555",
                                      "Het Mutatie-rekeningnummer = 555555555\rWilt u een bestaande rekening kiezen?",
                                      "Geen Rekening gevonden: 555555555\r2 regels worden niet verwerkt"}));
  ASSERT_EQ(run.Laatste(), 1);
  EXPECT_EQ(run.Lijst()[1].RekNr, 1);
}

// Accounts listed by name: the account made from the offer takes its place in
// that order at once, with its group before "xxxx", so the selection lists
// and the positions the windows use are right for the rest of the import.
TEST(BankFormatenTest, EenNieuweRekeningUitHetAanbodStaatMeteenInDeGekozenVolgorde) {
  BankBoek boek;
  boek.Groep("xxxx", "Overboekingen");
  ZetOpNaam(boek.kb, SorteerOnderwerp::Rekeningen, true);
  SorteerRekeningen(boek.kb);
  struct Aegon : RekeningDialoogVoerder {
    void Voer(RekeningDialoog& d) override {
      d.Verder("");
      for (const std::string tekst : {"Aegon 555555555", "", "SP sparen ", "0", "Eur", "1-1-2008"})
        d.Verder(tekst.empty() ? d.VeldTekst() : tekst);
    }
  } aegon;
  BankImport run(boek.kb, boek.kiezer, &aegon);
  boek.berichten.Antwoord(antwoord::Ja);
  const std::string regel = "\"0555555555\",\"EUR\",20080303,\"D\",1,\"\",\"B\",20080304,\"ba\",\"\",\"x\"\r\n";
  ASSERT_TRUE(run.Verwerk(0, "mut.txt", regel));

  std::vector<std::string> namen;
  for (std::size_t i = 1; i < boek.kb.RekLijst.size(); ++i) {
    namen.push_back(boek.kb.RekLijst[i].Naam);
    EXPECT_EQ(boek.kb.RekLijst[i].Index, static_cast<int>(i));
  }
  EXPECT_EQ(namen, (std::vector<std::string>{"Aegon 555555555", "Betaal 123456789", "Giro 1234567",
                                             "Spaar 987654321", "TRANSFER REKENING"}));
  const int nieuw = boek.kb.RekLijst[1].RekNr;
  EXPECT_EQ(run.Lijst()[1].RekNr, nieuw);
  EXPECT_EQ(SelectMut::Rekeningen(boek.kb, -1, {}).EersteTekst().substr(0, 15), "Aegon 555555555");
  EXPECT_EQ(boek.kb.GroepLijst.back().Kode, "xxxx");
  EXPECT_TRUE(boek.kb.ZoekGroep(std::to_string(nieuw)).has_value());
}

TEST(BankFormatenTest, TweeRekeningenMetDezelfdeCijfersLatenDeGebruikerKiezen) {
  BankBoek boek;
  boek.Rekening(4, "Spaarrekening 12");
  boek.Rekening(5, "Vakantie 1.2");
  boek.berichten.Antwoord(antwoord::Nee);
  boek.Lees(0, "mut.txt", "\"012\",\"EUR\",20080303,\"D\",1,\"\",\"B\",20080304,\"ba\",\"\",\"x\"\r\n");
  EXPECT_TRUE(boek.gelukt);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{"Het Mutatie-rekeningnummer = 12\rWilt u een bestaande rekening kiezen?"}));
  EXPECT_EQ(boek.Regel(1).RekNr, 4);
}

TEST(BankFormatenTest, AutomatischHerkentElkeLayout) {
  for (const auto& [bestand, formaat] :
       std::vector<std::pair<std::string, int>>{{"rabo.txt", 0}, {"girotel.csv", 1}, {"abn.tab", 2}, {"sns.txt", 3},
                                                {"ing1.csv", 4}, {"ing2.csv", 5}, {"vier.camt053.xml", 6},
                                                {"vier.mt940.sta", 7}, {"vier.rabo.csv", 8}, {"vier.ing.csv", 9}}) {
    BankBoek boek;
    boek.berichten.standaardAntwoord = antwoord::Ja;
    boek.LeesFixture(kAutomatischTag, bestand);
    EXPECT_EQ(boek.run->Formaat(), formaat) << bestand;
    EXPECT_GE(boek.run->Laatste(), 1) << bestand;
  }
  BankBoek boek;
  boek.Lees(kAutomatischTag, "brief.txt", "Beste Jan,\r\nhierbij de afschriften.\r\n");
  EXPECT_FALSE(boek.gelukt);
  ASSERT_EQ(boek.berichten.Teksten().size(), 1u);
  EXPECT_EQ(boek.berichten.Teksten()[0],
            "Het formaat van brief.txt is niet herkend.\rVerwacht: CAMT.053 (XML), MT940, Rabobank CSV, ING CSV, "
            "QIF, OFX, of een bestand van Rabobank, Girotel, ABN AMRO, SNS of ING in het oude formaat");
}

}  // namespace
}  // namespace valdero

namespace valdero {
namespace {

// A chosen file in a folder deeper than 78 characters is read from where it
// is, never from a path cut short.
TEST(BankFormatenTest, EenGekozenBestandInEenDiepeMapWordtHeelGelezen) {
  test::TestMap map;
  const auto diep = map.pad() / std::string(60, 'a') / std::string(40, 'b');
  std::filesystem::create_directories(diep);
  const std::string pad = (diep / "mutaties-van-maart.txt").string();
  ASSERT_GT(pad.size(), 120u);
  const std::string inhoud = test::BankFixture("rabo.txt");
  test::SchrijfBytes(pad, std::vector<std::uint8_t>(inhoud.begin(), inhoud.end()));
  test::BankBoek boek;
  boek.kb.sessie.Map = map.pad();
  boek.berichten.Bestand(pad);
  boek.run = std::make_unique<BankImport>(boek.kb, boek.kiezer, nullptr);
  EXPECT_TRUE(boek.run->Importeer(0));
  EXPECT_EQ(boek.run->Laatste(), 3);
}

// A statement file of two own accounts the book lacks: each is offered as a
// new account, and after Nee each is offered the existing accounts.
TEST(BankFormatenTest, ElkeEigenRekeningVanHetBestandWordtAangeboden) {
  test::BankBoek boek;
  struct Schrap : RekeningDialoogVoerder {
    void Voer(RekeningDialoog& d) override { d.Schrap(); }
  } schrap;
  BankImport run(boek.kb, boek.kiezer, &schrap);
  boek.berichten.standaardAntwoord = antwoord::Nee;
  auto stmt = [](const std::string& iban, const std::string& dag) {
    return "<Stmt><Id>1</Id><Acct><Id><IBAN>" + iban +
           "</IBAN></Id><Ccy>EUR</Ccy></Acct><Ntry><Amt Ccy=\"EUR\">5.00</Amt><CdtDbtInd>DBIT</CdtDbtInd>"
           "<BookgDt><Dt>" + dag + "</Dt></BookgDt><NtryDtls><TxDtls><RltdPties><Cdtr><Nm>Winkel</Nm></Cdtr>"
           "</RltdPties></TxDtls></NtryDtls></Ntry></Stmt>";
  };
  const std::string camt =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\">"
      "<BkToCstmrStmt><GrpHdr><MsgId>V</MsgId></GrpHdr>" +
      stmt("NL12ABNA0555555555", "2014-12-30") + stmt("NL12ABNA0666666666", "2014-12-31") +
      "</BkToCstmrStmt></Document>";
  run.Verwerk(kAutomatischTag, "twee.xml", camt);
  const auto teksten = boek.berichten.Teksten();
  for (const std::string nummer : {"555555555", "666666666"}) {
    EXPECT_NE(std::find(teksten.begin(), teksten.end(), "Wilt u rekening Toevoegen: " + nummer), teksten.end())
        << nummer;
    EXPECT_NE(std::find(teksten.begin(), teksten.end(),
                        "Het Mutatie-rekeningnummer = " + nummer + "\rWilt u een bestaande rekening kiezen?"),
              teksten.end())
        << nummer;
  }
}

}  // namespace
}  // namespace valdero
