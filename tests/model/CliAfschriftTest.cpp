// valdero-cli afschrift and importeer on a book on disk: the proposal per
// line, the booking without windows, and a second run that books nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "BankImportTestBoek.h"
#include "JsonLezer.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Opdrachten.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/BoekSlot.h"

namespace valdero {
namespace {

using test::JsonLezer;
using test::JsonWaarde;
using test::TestMap;

struct Uitvoer {
  int code;
  JsonWaarde json;
  std::string fout;
};

Uitvoer Cli(const TestMap& map, std::vector<std::string> args) {
  std::ostringstream uit, fout;
  args.insert(args.begin() + 1, {"--vandaag", "15-3-2026"});
  const int code = cli::VoerUit(args, map.pad(), uit, fout);
  return {code, JsonLezer::Lees(uit.str()).value_or(JsonWaarde{}), fout.str()};
}

// The example year with the payments account named after its bank number,
// and the four mutations of the ING fixture beside it.
void MaakBoek(const TestMap& map) {
  test::SchrijfVoorbeeld(map.pad(), "Bank26", {.jaar = 2026, .transacties = 30});
  test::BoekMetPoorten boek(MaakDatum(2026, 3, 15));
  boek.kb.Map = map.pad();
  ASSERT_EQ(StartBoek(boek.kb, true, "Bank26"), LaadUitkomst::Geladen);
  boek.kb.RekLijst[1].Naam = "Betaal 123456789";
  BewaarBoek(boek.kb, false);
  std::ofstream(map / "ing.csv", std::ios::binary) << test::BankFixture("vier.ing.csv");
}

TEST(CliAfschrift, ToontDeRegelsMetHetVoorstelEnVeranderdHetBoekNiet) {
  TestMap map;
  MaakBoek(map);
  const auto voor = test::LeesBytes(map / "Bank26.vdr");
  const Uitvoer u = Cli(map, {"afschrift", "Bank26", "auto", "ing.csv"});
  ASSERT_EQ(u.code, 0) << u.fout;
  EXPECT_EQ(u.json["IOStatus"].Getal(), 0);
  const auto& regels = u.json["Regels"].Lijst();
  ASSERT_EQ(regels.size(), 4u);
  EXPECT_EQ(regels[0]["RekNr"].Getal(), 1);
  EXPECT_EQ(regels[0]["Relatie"].Tekst(), "Bakker Jansen");
  EXPECT_EQ(regels[0]["Bedrag"].Getal(), -12.5);
  EXPECT_TRUE(std::holds_alternative<std::string>(regels[0]["Voorstel"]["GroepKode"].v));
  EXPECT_EQ(test::LeesBytes(map / "Bank26.vdr"), voor);
}

TEST(CliAfschrift, EenBestandZonderMutatiesGeeftExitcode1) {
  TestMap map;
  MaakBoek(map);
  std::ofstream(map / "kop.csv", std::ios::binary) << test::BankFixture("ingkop.csv");
  const Uitvoer u = Cli(map, {"afschrift", "Bank26", "4", "kop.csv"});
  EXPECT_EQ(u.code, 1);
  EXPECT_TRUE(u.json["Regels"].Lijst().empty());
  EXPECT_EQ(Cli(map, {"afschrift", "Bank26", "42", "kop.csv"}).code, 2);
}

TEST(CliAfschrift, ImporteerBoektElkeRegelEenmaal) {
  TestMap map;
  MaakBoek(map);
  const Uitvoer eerste = Cli(map, {"importeer", "--vanaf", "1-1-2026", "Bank26", "9", "ing.csv"});
  ASSERT_EQ(eerste.code, 0) << eerste.fout;
  const std::size_t na1 = eerste.json["KasLijst"].Lijst().size();
  const Uitvoer tweede = Cli(map, {"importeer", "--vanaf", "1-1-2026", "Bank26", "9", "ing.csv"});
  ASSERT_EQ(tweede.code, 0) << tweede.fout;
  EXPECT_EQ(tweede.json["KasLijst"].Lijst().size(), na1);
  // The first run booked all four lines on the payments account.
  int bakker = 0;
  for (const JsonWaarde& k : eerste.json["KasLijst"].Lijst())
    if (k["Relatie"].Tekst() == "Bakker Jansen" && k["RekNr"].Getal() == 1) ++bakker;
  EXPECT_EQ(bakker, 1);
}

// A book another program holds (process 1 lives as long as the machine) is
// not imported into: the tool says who has it and the book stays as it was.
TEST(CliAfschrift, ImporteerWeigertEenBoekDatEenAnderOpenHeeft) {
  TestMap map;
  MaakBoek(map);
  char host[256] = {};
  ::gethostname(host, sizeof host - 1);
  std::ofstream(SlotPad(map / "Bank26.vdr")) << 1 << "\n" << host << "\n01-03-2026 09:15:00\n";
  const auto voor = test::LeesBytes(map / "Bank26.vdr");
  const Uitvoer u = Cli(map, {"importeer", "--vanaf", "1-1-2026", "Bank26", "9", "ing.csv"});
  EXPECT_EQ(u.code, 1);
  EXPECT_NE(u.fout.find("valdero-cli importeer: Bank26.vdr is in gebruik door proces 1 op "),
            std::string::npos)
      << u.fout;
  EXPECT_NE(u.fout.find("niets bewaard"), std::string::npos) << u.fout;
  EXPECT_EQ(test::LeesBytes(map / "Bank26.vdr"), voor);
}

// A folder or a named pipe given as the bank file: a message and exit 1 for
// both commands and every tag, no blocking on the pipe, and no lock left.
TEST(CliAfschrift, EenMapOfPijpAlsBankbestandGeeftExitcode1) {
  TestMap map;
  MaakBoek(map);
  std::filesystem::create_directory(map / "map.csv");
  ASSERT_EQ(::mkfifo((map / "pijp.csv").c_str(), 0600), 0);
  const auto voor = test::LeesBytes(map / "Bank26.vdr");
  for (const std::string bestand : {"map.csv", "pijp.csv"}) {
    for (const std::string tag : {"0", "7", "9", "auto"}) {
      const Uitvoer a = Cli(map, {"afschrift", "Bank26", tag, bestand});
      EXPECT_EQ(a.code, 1) << bestand << " " << tag;
      EXPECT_EQ(a.json["IOStatus"].Getal(), 2) << bestand << " " << tag;
      ASSERT_EQ(a.json["Berichten"].Lijst().size(), 1u) << bestand << " " << tag;
      EXPECT_EQ(a.json["Berichten"].Lijst()[0]["tekst"].Tekst(),
                "Verwerken van " + bestand + " heeft verkeerd formaat\n\r controleer bestandNaam");
    }
    const Uitvoer i = Cli(map, {"importeer", "--vanaf", "1-1-2026", "Bank26", "9", bestand});
    EXPECT_EQ(i.code, 1) << bestand;
    EXPECT_FALSE(std::filesystem::exists(SlotPad(map / "Bank26.vdr"))) << bestand;
  }
  EXPECT_EQ(test::LeesBytes(map / "Bank26.vdr"), voor);
}

// A line whose amount cannot be read is left out with a message naming it;
// on Ja the lines after it are read and booked.
TEST(CliAfschrift, EenOnleesbaarBedragLaatDeRegelsErnaNietVallen) {
  TestMap map;
  MaakBoek(map);
  std::string inhoud = test::BankFixture("vier.ing.csv");
  const auto p = inhoud.find("\"45,10\"");
  ASSERT_NE(p, std::string::npos);
  inhoud.replace(p, 7, "\"1e308\"");
  std::ofstream(map / "fout.csv", std::ios::binary) << inhoud;

  const Uitvoer nee = Cli(map, {"afschrift", "Bank26", "9", "fout.csv"});
  EXPECT_EQ(nee.code, 1);
  const Uitvoer ja = Cli(map, {"afschrift", "--antwoord", "ja", "Bank26", "9", "fout.csv"});
  ASSERT_EQ(ja.code, 0) << ja.fout;
  EXPECT_EQ(ja.json["IOStatus"].Getal(), 5);
  const auto& regels = ja.json["Regels"].Lijst();
  ASSERT_EQ(regels.size(), 3u);
  for (const JsonWaarde& r : regels) EXPECT_NE(r["Bedrag"].Getal(), 0);
  std::vector<std::string> teksten;
  for (const JsonWaarde& b : ja.json["Berichten"].Lijst()) teksten.push_back(b["tekst"].Tekst());
  ASSERT_GE(teksten.size(), 3u);
  EXPECT_EQ(teksten[0], "Inlezen BankFile fout.csv gelukt");
  EXPECT_EQ(teksten[1], "fout.csv regel: 1 Getal 1e308 is geen geldig bedrag\n\r probeer opnieuw of controleer bestand");
  EXPECT_EQ(teksten.back(),
            "De volgende fout is opgetreden bij het inlezen:\r Foutief bedrag (1 regel overgeslagen) Wilt u doorgaan, "
            "vaak wel mogelijk");
}

}  // namespace
}  // namespace valdero
