// valdero-cli afschrift and importeer on a book on disk: the proposal per
// line, the booking without windows, a second run that books nothing, and
// the import as one transaction: a failed save or a run killed part-way
// leaves the book as it was, and the next run imports every line.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "BankImportTestBoek.h"
#include "FoutBestanden.h"
#include "CliHulp.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Opdrachten.h"
#include "model/bankimport/AfschriftModel.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/SelectMut.h"
#include "model/bankimport/VergelijkModel.h"
#include "model/core/Voortgang.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/BoekSlot.h"

namespace valdero {
namespace {

using test::LeesJson;
using test::TestMap;

struct Uitvoer {
  int code;
  nlohmann::json json;
  std::string fout;
};

Uitvoer Cli(const TestMap& map, std::vector<std::string> args) {
  args.insert(args.begin() + 1, {"--vandaag", "15-3-2026"});
  const test::Uitvoer u = test::Cli(map.pad(), args);
  return {u.code, LeesJson(u.uit).value_or(nlohmann::json::object()), u.fout};
}

// The example year with the payments account named after its bank number,
// and the four mutations of the ING fixture beside it.
void MaakBoek(const TestMap& map) {
  test::SchrijfVoorbeeld(map.pad(), "Bank26", {.jaar = 2026, .transacties = 30});
  test::BoekMetPoorten boek(MaakDatum(2026, 3, 15));
  boek.kb.sessie.Map = map.pad();
  ASSERT_EQ(StartBoek(boek.kb, true, "Bank26"), LaadUitkomst::Geladen);
  boek.kb.RekLijst[1].Naam = "Betaal 123456789";
  EXPECT_TRUE(BewaarBoek(boek.kb, false).Gelukt());
  std::ofstream(map / "ing.csv", std::ios::binary) << test::BankFixture("vier.ing.csv");
}

TEST(CliAfschrift, ToontDeRegelsMetHetVoorstelEnVeranderdHetBoekNiet) {
  TestMap map;
  MaakBoek(map);
  const auto voor = test::LeesBytes(map / "Bank26.vdr");
  const Uitvoer u = Cli(map, {"afschrift", "Bank26", "auto", "ing.csv"});
  ASSERT_EQ(u.code, 0) << u.fout;
  EXPECT_EQ(u.json.at("IOStatus").get<double>(), 0);
  const auto& regels = u.json.at("Regels");
  ASSERT_EQ(regels.size(), 4u);
  EXPECT_EQ(regels[0].at("RekNr").get<double>(), 1);
  EXPECT_EQ(regels[0].at("Relatie").get<std::string>(), "Bakker Jansen");
  EXPECT_EQ(regels[0].at("Bedrag").get<double>(), -12.5);
  EXPECT_TRUE(regels[0].at("Voorstel").at("GroepKode").is_string());
  EXPECT_EQ(test::LeesBytes(map / "Bank26.vdr"), voor);
}

TEST(CliAfschrift, EenBestandZonderMutatiesGeeftExitcode1) {
  TestMap map;
  MaakBoek(map);
  std::ofstream(map / "kop.csv", std::ios::binary) << test::BankFixture("ingkop.csv");
  const Uitvoer u = Cli(map, {"afschrift", "Bank26", "4", "kop.csv"});
  EXPECT_EQ(u.code, 1);
  EXPECT_TRUE(u.json.at("Regels").empty());
  EXPECT_EQ(Cli(map, {"afschrift", "Bank26", "42", "kop.csv"}).code, 2);
}

TEST(CliAfschrift, ImporteerBoektElkeRegelEenmaal) {
  TestMap map;
  MaakBoek(map);
  const Uitvoer eerste = Cli(map, {"importeer", "--vanaf", "1-1-2026", "Bank26", "9", "ing.csv"});
  ASSERT_EQ(eerste.code, 0) << eerste.fout;
  const std::size_t na1 = eerste.json.at("KasLijst").size();
  const Uitvoer tweede = Cli(map, {"importeer", "--vanaf", "1-1-2026", "Bank26", "9", "ing.csv"});
  ASSERT_EQ(tweede.code, 0) << tweede.fout;
  EXPECT_EQ(tweede.json.at("KasLijst").size(), na1);
  // The first run booked all four lines on the payments account.
  int bakker = 0;
  for (const nlohmann::json& k : eerste.json.at("KasLijst"))
    if (k.at("Relatie").get<std::string>() == "Bakker Jansen" && k.at("RekNr").get<double>() == 1) ++bakker;
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
      EXPECT_EQ(a.json.at("IOStatus").get<double>(), 2) << bestand << " " << tag;
      ASSERT_EQ(a.json.at("Berichten").size(), 1u) << bestand << " " << tag;
      EXPECT_EQ(a.json.at("Berichten")[0].at("tekst").get<std::string>(),
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
  EXPECT_EQ(ja.json.at("IOStatus").get<double>(), 5);
  const auto& regels = ja.json.at("Regels");
  ASSERT_EQ(regels.size(), 3u);
  for (const nlohmann::json& r : regels) EXPECT_NE(r.at("Bedrag").get<double>(), 0);
  std::vector<std::string> teksten;
  for (const nlohmann::json& b : ja.json.at("Berichten")) teksten.push_back(b.at("tekst").get<std::string>());
  ASSERT_GE(teksten.size(), 3u);
  EXPECT_EQ(teksten[0], "Inlezen BankFile fout.csv gelukt");
  EXPECT_EQ(teksten[1], "fout.csv regel: 1 Getal 1e308 is geen geldig bedrag\n\r probeer opnieuw of controleer bestand");
  EXPECT_EQ(teksten.back(),
            "De volgende fout is opgetreden bij het inlezen:\r Foutief bedrag (1 regel overgeslagen) Wilt u doorgaan, "
            "vaak wel mogelijk");
}

std::size_t AantalTransacties(const TestMap& map) {
  const Uitvoer u = Cli(map, {"dump", "Bank26"});
  return u.json.at("KasLijst").size();
}

// The four mutations of the fixture, booked once each on the payments account.
int GeboekteRegels(const TestMap& map) {
  const Uitvoer u = Cli(map, {"dump", "Bank26"});
  int n = 0;
  for (const nlohmann::json& k : u.json.at("KasLijst"))
    if (k.at("RekNr").get<double>() == 1 && (k.at("Relatie").get<std::string>() == "Bakker Jansen")) ++n;
  return n;
}

// The comparison window of a person who presses "&Invoeren" at once.
struct DirectInvoeren : VergelijkVoerder {
  void Toon(VergelijkModel& venster) override {
    if (!venster.Invoeren()) venster.Overslaan();
  }
};

// The import as valdero-cli importeer runs it, on a book opened here, so
// that the test chooses the file system its save goes through.
Status ImporteerInEenKeer(Kasboek& kb) {
  EersteKeuzeVoerder kiezer;
  DirectInvoeren venster;
  BankImport run(kb, kiezer, nullptr);
  if (!run.ImporteerBestand(9, "ing.csv")) return FoutNr::BestaatNiet;
  Afstemming a(kb, kiezer, venster);
  a.dubbeleOverslaan = true;
  AfschriftModel afschrift(kb, run, a);
  afschrift.NeemOver(MaakDatum(2026, 1, 1));
  return afschrift.ProcessStatementInEenKeer();
}

TEST(CliAfschrift, EenMislukteBewaringLaatHetBoekZoalsHetWasEnDeVolgendeImporteertAlles) {
  for (const char* stap : {"MaakNieuw", "Schrijf", "Flush", "Hernoem"}) {
    SCOPED_TRACE(stap);
    TestMap map;
    MaakBoek(map);
    const auto voor = test::LeesBytes(map / "Bank26.vdr");
    const std::size_t aantal = AantalTransacties(map);
    {
      test::BoekMetPoorten boek(MaakDatum(2026, 3, 15));
      boek.berichten.standaardAntwoord = antwoord::Ja;
      boek.kb.sessie.Map = map.pad();
      ASSERT_EQ(StartBoek(boek.kb, true, "Bank26"), LaadUitkomst::Geladen);
      test::FoutBestanden schijf;
      schijf.faaltAltijd = {stap};
      boek.kb.poorten.bestandssysteem = schijf;
      EXPECT_FALSE(ImporteerInEenKeer(boek.kb).Gelukt());
      EXPECT_NE(boek.berichten.Teksten().back().find("wegschrijven NIET gelukt"), std::string::npos);
      // One save for the whole run: the lines were all in memory when it failed.
      EXPECT_EQ(boek.kb.KasLijst.size(), aantal + 4);
    }
    EXPECT_EQ(test::LeesBytes(map / "Bank26.vdr"), voor);
    EXPECT_EQ(AantalTransacties(map), aantal);

    const Uitvoer tweede = Cli(map, {"importeer", "--vanaf", "1-1-2026", "Bank26", "9", "ing.csv"});
    ASSERT_EQ(tweede.code, 0) << tweede.fout;
    EXPECT_EQ(AantalTransacties(map), aantal + 4);
    EXPECT_EQ(GeboekteRegels(map), 1);
  }
}

// Kills its own process when the work of that name is half done.
class DoodHalverwege : public Voortgang {
 public:
  explicit DoodHalverwege(std::string werk) : werk_(std::move(werk)) {}
  void Begin(std::string_view wat, std::uint64_t totaal) override { werken_.push_back({std::string(wat), totaal}); }
  void Stap(std::uint64_t gedaan) override {
    if (!werken_.empty() && werken_.back().first == werk_ && 2 * gedaan >= werken_.back().second)
      ::kill(::getpid(), SIGKILL);
  }
  void Einde() override {
    if (!werken_.empty()) werken_.pop_back();
  }

 private:
  std::string werk_;
  std::vector<std::pair<std::string, std::uint64_t>> werken_;
};

TEST(CliAfschrift, EenImportDieHalverwegeWordtGedoodLaatHetBoekZoalsHetWas) {
  // Halfway through the lines (two of four booked in memory), and halfway
  // through making the image of the one save.
  for (const char* werk : {"Bankregels afstemmen", "Bewaren Bank26.vdr"}) {
    SCOPED_TRACE(werk);
    TestMap map;
    MaakBoek(map);
    const auto voor = test::LeesBytes(map / "Bank26.vdr");
    const std::size_t aantal = AantalTransacties(map);

    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
      DoodHalverwege dood(werk);
      std::ostringstream uit, fout;
      cli::VoerUit({"importeer", "--vandaag", "15-3-2026", "--vanaf", "1-1-2026", "Bank26", "9", "ing.csv"},
                   map.pad(), uit, fout, cli::GrafiekTekenaarLader{}, &dood);
      ::_exit(0);  // not killed: the parent says so
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the import ran to its end";
    EXPECT_EQ(test::LeesBytes(map / "Bank26.vdr"), voor);

    const Uitvoer tweede = Cli(map, {"importeer", "--vanaf", "1-1-2026", "Bank26", "9", "ing.csv"});
    ASSERT_EQ(tweede.code, 0) << tweede.fout;
    EXPECT_EQ(AantalTransacties(map), aantal + 4);
    EXPECT_EQ(GeboekteRegels(map), 1);
  }
}

}  // namespace
}  // namespace valdero
