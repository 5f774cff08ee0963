// The export window's two exports against the bytes they must write, and the
// journal for plain-text accounting tools checked with ledger itself.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <map>
#include <sstream>

#include "BoekingTestBoek.h"
#include "TestBoek.h"
#include "app/cli/BoekJson.h"
#include "model/bookings/BoekModi.h"
#include "model/core/Bedragen.h"
#include "model/core/SaldoMatrix.h"
#include "model/export/Export.h"
#include "model/export/Journaal.h"
#include "model/storage/BoekBestand.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;

// Two accounts, three groups and four transactions of 2026 (one of them in
// 2025, outside the default range); the book's year is 2026.
struct ExportBoek : test::BoekInMap {
  ExportModel model{kb};
  ExportBoek() {
    kb.KasJaar = "2026";
    kb.BtwActief = true;
    test::VoegValutaToe(kb, "Eur", 1, true);
    test::VoegKlasseToe(kb, " U ", "uitgaven");
    test::VoegKlasseToe(kb, " B ", "btw", 2, 21);
    test::VoegRekeningToe(kb, 1, "Betaal, prive ");
    test::VoegRekeningToe(kb, 2, "Spaar");
    test::VoegGroepToe(kb, "1", "Saldo Betaal", " U ");
    test::VoegGroepToe(kb, "300", "Boodschappen, vers", " U ");
    test::VoegGroepToe(kb, "500", "Gereedschap", " B ");
    test::VoegGroepToe(kb, "600", "Nooit gebruikt", " U ");
    Kas(1, "300", MaakDatum(2026, 2, 3), -12.5, "Bakker, Jansen", "NL12", "brood, krentenbollen");
    Kas(1, "500", MaakDatum(2026, 3, 4), -121, "Gamma", "NL34", "boor");
    Kas(2, "300", MaakDatum(2026, 3, 5), -7.25, "Markt", "", "kaas");
    Kas(1, "300", MaakDatum(2025, 12, 31), -1, "Oud", "", "vorig jaar");
    EXPECT_TRUE(BouwSaldoMatrix(kb).Gelukt());
  }
  void Kas(int rek, const std::string& groep, double datum, double bedrag, const std::string& relatie,
           const std::string& tegen, const std::string& opm) {
    TKas k;
    k.RekNr = rek;
    k.GroepKode = groep;
    k.Datum = datum;
    k.Bedrag = bedrag;
    k.Relatie = relatie;
    k.TegenRekNr = tegen;
    k.Omschrijving = opm;
    k.ActieKode = "BA";
    k.VolgBlad = TKas::MaakVolgBlad(3, 1);
    k.PayDate = datum;
    PlaatsKas(kb, k);
  }
  std::string Bytes() {
    std::string bytes;
    EXPECT_TRUE(model.Inhoud(bytes));
    return bytes;
  }
  void Velden(std::initializer_list<int> velden) {
    model.veldselectie = true;
    model.aangevinkt.assign(kExportVelden, false);
    for (int v : velden) model.aangevinkt[static_cast<std::size_t>(v - 1)] = true;
  }
};

TEST(ExportOpenen, ChoicesAreResetAndTheCommaOnlyOfferedForTransactions) {
  ExportBoek b;
  b.model.Open(1);
  EXPECT_EQ(b.model.Scheidingen().front().tekst, ", komma");
  EXPECT_EQ(b.model.Scheidingen().size(), 6u);
  EXPECT_EQ(b.model.LijstLabel(), "Velden");
  EXPECT_EQ(b.model.LijstRegels().size(), 14u);
  EXPECT_EQ(b.model.beginDatum, MaakDatum(2026, 1, 1));
  EXPECT_EQ(b.model.eindDatum, MaakDatum(2008, 3, 5));  // today
  b.model.quotes = true;
  b.model.Open(0);
  EXPECT_FALSE(b.model.quotes);
  EXPECT_EQ(b.model.Scheidingen().front().tekst, "* asterix");
  EXPECT_EQ(b.model.Scheidingen()[1].teken, '\t');
  EXPECT_EQ(b.model.LijstLabel(), "Rekeningen");
  EXPECT_EQ(b.model.LijstRegels(), (std::vector<std::string>{"1 Betaal, prive ", "2 Spaar"}));
  EXPECT_EQ(b.model.aangevinkt, (std::vector<bool>{true, true}));
}

// Dates of this century pass, however far past 2010.
TEST(ExportTransacties, TheCommaTurnsDecimalCommasIntoPointsAndTextCommasIntoBlanks) {
  ExportBoek b;
  b.model.Open(1);
  b.model.eindDatum = MaakDatum(2026, 12, 31);
  b.Velden({1, 2, 3, 6, 7, 9, 10, 11, 12, 13});
  EXPECT_EQ(b.Bytes(),
            "2,1 Betaal  prive,3,3-2-2026,Bakker  Jansen,-12.50,0.00,1.00000,brood  krentenbollen, U ,\r\n"
            "3,1 Betaal  prive,3,4-3-2026,Gamma,-121.00,-21.00,1.00000,boor, B ,\r\n");
}

TEST(ExportTransacties, QuotesKeepTheTextAndDoubleAQuoteInside) {
  ExportBoek b;
  b.kb.KasLijst[2].Omschrijving = "brood \"vers\"";
  b.model.Open(1);
  b.model.eindDatum = MaakDatum(2026, 12, 31);
  b.model.quotes = true;
  b.Velden({4, 9, 12});
  EXPECT_EQ(b.Bytes(), "\"300\",\"-12,50\",\"brood \"\"vers\"\"\",\r\n\"500\",\"-121,00\",\"boor\",\r\n");
}

TEST(ExportTransacties, TheFieldNameLineEndsWithTheSeparatorUnlessPayDateCloses) {
  ExportBoek b;
  b.model.Open(1);
  b.model.beginDatum = MaakDatum(2026, 3, 1);
  b.model.eindDatum = MaakDatum(2026, 3, 31);
  b.model.veldnamen = true;
  b.model.scheiding = 4;  // "| rechte str."
  b.Velden({1, 5, 8});
  EXPECT_EQ(b.Bytes(), "Index|Actiekode|TegenRek.|\r\n3|BA|NL34|\r\n");
  b.Velden({5, 14});
  EXPECT_EQ(b.Bytes(), "Actiekode|PayDate\r\nBA|4-3-2026|\r\n");
}

TEST(ExportTransacties, ATransactionWithoutPayDateGetsAnEmptyField) {
  ExportBoek b;
  b.kb.KasLijst[2].PayDate = 0;
  b.model.Open(1);
  b.model.eindDatum = MaakDatum(2026, 12, 31);
  b.model.scheiding = 4;  // "| rechte str."
  b.Velden({1, 14});
  EXPECT_EQ(b.Bytes(), "2||\r\n3|4-3-2026|\r\n");
}

TEST(ExportTransacties, WithoutVatTheVatFieldIsLeftOut) {
  ExportBoek b;
  b.kb.BtwActief = false;
  b.model.Open(2);
  b.model.eindDatum = MaakDatum(2026, 12, 31);
  b.model.veldnamen = true;
  b.model.scheiding = 1;  // "* asterix"
  b.Velden({9, 10});
  EXPECT_EQ(b.Bytes(), "Bedrag*\r\n-7,25*\r\n");
}

TEST(ExportTransacties, TheDateRangeIncludesBothEnds) {
  ExportBoek b;
  b.model.Open(1);
  b.Velden({6});
  b.model.beginDatum = MaakDatum(2025, 12, 31) + 0.75;  // its time does not count
  b.model.eindDatum = MaakDatum(2026, 2, 3);
  EXPECT_EQ(b.Bytes(), "31-12-2025,\r\n3-2-2026,\r\n");
}

TEST(ExportTotalen, OneLinePerGroupWithAmountsAndATotalsLine) {
  ExportBoek b;
  b.model.Open(0);
  b.model.veldnamen = true;
  EXPECT_EQ(b.Bytes(),
            "Kode *1 Betaal, prive*2 Spaar*Totaal/kode\r\n"
            "300 Boodschappen, vers*-13,50*-7,25*-20,75\r\n"
            "500 Gereedschap*-121,00*0,00*-121,00\r\n"
            "Totaal*-134,50*-7,25*-141,75\r\n");
}

TEST(ExportTotalen, AGroupWithoutAmountsOnTheTickedAccountsGivesNoLine) {
  ExportBoek b;
  b.model.Open(0);
  b.model.scheiding = 2;  // "/ schuine str."
  b.model.veldselectie = true;
  b.model.aangevinkt = {false, true};
  EXPECT_EQ(b.Bytes(), "300 Boodschappen, vers/-7,25/-7,25\r\nTotaal/-7,25/-7,25\r\n");
}

// Amounts booked and taken back again leave a rounding error in the kept
// cells (0.1 + 0.2 - 0.1 - 0.2 is not 0 as a double): the export is that of
// a rebuilt matrix all the same.
TEST(ExportTotalen, WhatWasTakenBackLeavesNoLine) {
  ExportBoek b;
  int rekMis = 0, groepMis = 0;
  for (double bedrag : {0.1, 0.2}) ASSERT_TRUE(BoekInMatrix(b.kb, "600", 2, true, rekMis, groepMis, bedrag).Gelukt());
  for (double bedrag : {0.1, 0.2}) ASSERT_TRUE(HaalUitMatrix(b.kb, "600", 2, bedrag).Gelukt());
  const auto g = static_cast<std::size_t>(b.kb.ZoekGroep("600").value());
  ASSERT_NE(b.kb.SaldoMatrix()[g][2].In, 0.0);  // the rounding error is there
  b.model.Open(0);
  const std::string bijgehouden = b.Bytes();
  EXPECT_TRUE(BouwSaldoMatrix(b.kb).Gelukt());
  EXPECT_EQ(bijgehouden, b.Bytes());
  EXPECT_EQ(bijgehouden.find("600 Nooit"), std::string::npos) << bijgehouden;
}

TEST(ExportTotalen, ASeparatorInsideALabelBecomesABlank) {
  ExportBoek b;
  b.kb.GroepLijst[3].Naam = "Boren/zagen";
  b.model.Open(0);
  b.model.scheiding = 2;  // "/ schuine str."
  b.model.aangevinkt = {true, false};
  EXPECT_EQ(b.Bytes(),
            "300 Boodschappen, vers/-13,50/-13,50\r\n500 Boren zagen/-121,00/-121,00\r\nTotaal/-134,50/-134,50\r\n");
}

TEST(ExportSchrijven, TheFileIsWindows1252AndReplacedOnlyWhenComplete) {
  ExportBoek b;
  b.kb.KasLijst[2].Omschrijving = "crème brûlée";
  b.model.Open(1);
  b.model.eindDatum = MaakDatum(2026, 12, 31);
  b.Velden({12});
  const fs::path pad = b.map / "uit.txt";
  test::SchrijfBytes(pad, {'o', 'u', 'd'});
  b.berichten.Bestand(pad.string());
  ASSERT_TRUE(b.model.Ok());
  EXPECT_EQ(b.berichten.Teksten(), (std::vector<std::string>{"Bewaren " + pad.string() + " gelukt"}));
  EXPECT_EQ(b.berichten.dialogen[0].filter, "Text files (*.txt)|*.TXT");
  const std::vector<std::uint8_t> verwacht{'c', 'r', 0xE8, 'm', 'e', ' ', 'b', 'r', 0xFB, 'l', 0xE9, 'e', ',',
                                           '\r', '\n', 'b', 'o', 'o', 'r', ',', '\r', '\n'};
  EXPECT_EQ(test::LeesBytes(pad), verwacht);
  EXPECT_FALSE(fs::exists(b.map / "uit.txt.~tmp"));

  // A failed export leaves the file that was there.
  b.model.Open(5);  // no account at position 5: nothing to export
  EXPECT_FALSE(b.model.Schrijf(pad.string()));
  EXPECT_EQ(test::LeesBytes(pad), verwacht);
}

TEST(ExportSchrijven, CancellingTheSaveDialogWritesNothing) {
  ExportBoek b;
  b.model.Open(1);
  EXPECT_FALSE(b.model.Ok());
  EXPECT_TRUE(b.berichten.getoond.empty());
  EXPECT_TRUE(fs::is_empty(b.map.pad()));
}

// ---------------------------------------------------------------- journal

TEST(Journaal, EachTransactionIsAnEntryAndATransferOneEntry) {
  test::BoekingBoek b;
  b.kb.sessie.KasNaam = "Huis26";
  b.Kas(1, "410", -12.5, test::Dag(3, 2), 1, "brood; vers");
  b.kb.KasLijst[1].Relatie = "*Bakker";
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(b.Boek(modus::OverboekenVan, {{veld::TegenRek, "2"}, {veld::Bedrag, "100"}}));
  EXPECT_EQ(JournaalTekst(b.kb),
            "; Valdero Huis26 2026\n"
            "; bedragen in de basismunt; overboekingen als een boeking tussen twee rekeningen\n\n"
            "commodity Eur\n    format -1000.00 Eur\n\n"
            "2026-02-03 Bakker | brood vers\n"
            "    Rekeningen:1 Betaal  -12.50 Eur\n"
            "    Groepen:410 Boodschappen  12.50 Eur\n\n"
            "2026-05-02 Betaal | Overboeken van Betaal\n"
            "    Rekeningen:2 Spaar  100.00 Eur\n"
            "    Rekeningen:1 Betaal  -100.00 Eur\n\n");
}

// ledger's balance of each account, from `ledger balance --flat`.
std::map<std::string, double> LedgerSaldi(const fs::path& journaal) {
  const std::string opdracht = "ledger -f '" + journaal.string() +
                               "' balance --flat --no-total --empty --balance-format "
                               "'%(account)|%(quantity(scrub(display_total)))\\n' 2>&1";
  std::map<std::string, double> saldi;
  FILE* p = ::popen(opdracht.c_str(), "r");
  if (p == nullptr) return saldi;
  char regel[512];
  while (std::fgets(regel, sizeof regel, p) != nullptr) {
    std::string s = regel;
    const auto streep = s.find('|');
    if (streep == std::string::npos) {
      ADD_FAILURE() << "ledger: " << s;
      continue;
    }
    saldi[s.substr(0, streep)] = std::strtod(s.c_str() + streep + 1, nullptr);
  }
  ::pclose(p);
  return saldi;
}

TEST(Journaal, LedgerShowsTheSameBalancePerAccountAsTheBook) {
  if (std::system("ledger --version > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "ledger is not installed (scripts/install-deps.sh installs it)";
  test::BoekingBoek b;
  b.Kas(1, "201", 2500, test::Dag(25, 1));
  b.Kas(1, "410", -12.37, test::Dag(3, 2));
  b.Kas(2, "2", 1000.10, test::Dag(1, 1));
  b.Kas(1, "410", -1.0 / 3.0, test::Dag(4, 2));  // an amount of more than cents
  b.Kas(7, "410", -99, test::Dag(4, 2));         // an unknown account: not in the balances
  b.berichten.standaardAntwoord = antwoord::Ja;
  ASSERT_TRUE(b.Boek(modus::OverboekenVan, {{veld::TegenRek, "2"}, {veld::Bedrag, "250,55"}}));
  ASSERT_TRUE(b.Boek(modus::OverboekenNaar, {{veld::TegenRek, "3"}, {veld::Bedrag, "40"}}));
  b.berichten.standaardAntwoord = antwoord::Nee;  // one leg only
  ASSERT_TRUE(b.Boek(modus::OverboekenVan, {{veld::TegenRek, "3"}, {veld::Bedrag, "5"}}));
  EXPECT_FALSE(BouwSaldoMatrix(b.kb).Gelukt());

  test::TestMap map;
  const fs::path pad = map / "jaar.journal";
  const std::string tekst = JournaalTekst(b.kb);
  test::SchrijfBytes(pad, std::vector<std::uint8_t>(tekst.begin(), tekst.end()));
  const auto saldi = LedgerSaldi(pad);
  ASSERT_FALSE(saldi.empty()) << tekst;
  for (int a = 1; a <= b.kb.MaxRek(); ++a) {
    const TBank& r = b.kb.RekLijst[static_cast<std::size_t>(a)];
    const std::string naam = "Rekeningen:" + std::to_string(r.RekNr) + " " + r.Naam;
    const auto gevonden = saldi.find(naam);
    ASSERT_NE(gevonden, saldi.end()) << naam << "\n" << tekst;
    EXPECT_NEAR(gevonden->second, b.Saldo(r.RekNr), 0.005) << naam;
  }
  EXPECT_NEAR(saldi.at("Groepen:xxxx KRUISPOSTEN"), -b.GroepTotaal("xxxx"), 0.005);
}

}  // namespace
}  // namespace valdero

// ------------------------------------------------ the process's locale

namespace valdero {
namespace {

// The desktop program runs under the user's locale (Qt sets it from the
// environment); a Dutch one writes "12,5" where printf is asked for 12.5.
// Sets the C and C++ locale to Dutch for the length of a test.
class NederlandseLocale {
 public:
  NederlandseLocale() : oud_(std::setlocale(LC_ALL, nullptr)) {
    actief_ = std::setlocale(LC_ALL, "nl_NL.UTF-8") != nullptr;
    if (actief_) std::locale::global(std::locale("nl_NL.UTF-8"));
  }
  ~NederlandseLocale() {
    std::setlocale(LC_ALL, oud_.c_str());
    std::locale::global(std::locale::classic());
  }
  bool Actief() const { return actief_; }

 private:
  std::string oud_;
  bool actief_ = false;
};

TEST(ZonderLocale, JournalExportAndOptionsAreTheSameUnderADutchLocale) {
  ExportBoek b;
  b.model.Open(1);
  b.model.scheiding = 1;
  b.model.eindDatum = MaakDatum(2026, 12, 31);
  const std::string export_ = b.Bytes();
  const std::string journaal = JournaalTekst(b.kb);
  const std::string json = cli::BoekNaarJson(b.kb, {});
  const double groot = 1e15 + 0.25;  // beyond the fast formatting

  NederlandseLocale nl;
  if (!nl.Actief()) GTEST_SKIP() << "nl_NL.UTF-8 is not installed (scripts/install-deps.sh)";
  ASSERT_EQ(std::to_string(0.5), "0,500000");  // the locale really is Dutch
  EXPECT_EQ(GetalTekst(b.kb, groot, 2), "1000000000000000,25");
  EXPECT_EQ(b.Bytes(), export_);
  EXPECT_EQ(JournaalTekst(b.kb), journaal);
  EXPECT_EQ(cli::BoekNaarJson(b.kb, {}), json);
  EXPECT_NE(journaal.find("  -12.50 Eur\n"), std::string::npos) << journaal;
}

}  // namespace
}  // namespace valdero
