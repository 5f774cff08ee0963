// valdero-cli relaties and exporteer, run in-process on books on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "CliHulp.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Opdrachten.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;
using test::LeesJson;
using test::SchrijfVoorbeeld;
using test::TestMap;

using test::Cli;
using test::Json;
using test::Uitvoer;

// ---------------------------------------------------------------- relaties

TEST(CliRelaties, BuildsTheListSavesAndPrintsTheBook) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 120, .metRelaties = false});
  const Uitvoer u = Cli(map.pad(), {"relaties", "--vandaag", "1-6-2008", "Huis08"});
  ASSERT_EQ(u.code, 0) << u.fout;
  const nlohmann::json d = Json(u.uit);
  EXPECT_TRUE(d.at("RelatiesAanwezig").get<bool>());
  const auto& lijst = d.at("RelatieLijst");
  ASSERT_GT(lijst.size(), 2u);
  for (std::size_t i = 2; i < lijst.size(); ++i)
    EXPECT_LE(lijst[i - 1].at("Naam").get<std::string>(), lijst[i].at("Naam").get<std::string>());

  // On disk: the mark and the section.
  test::BoekMetPoorten boek(MaakDatum(2008, 6, 1));
  EXPECT_TRUE(LeesBoek(boek.kb, test::LeesBytes(map / "Huis08.vdr")).Gelukt());
  EXPECT_TRUE(boek.kb.RelatiesAanwezig);
  EXPECT_EQ(boek.kb.RelatieLijst.size(), lijst.size());

  // A second run finds the list and leaves it.
  EXPECT_EQ(Cli(map.pad(), {"relaties", "--vandaag", "1-6-2008", "Huis08"}).code, 0);
}

TEST(CliRelaties, ABookWithoutCounterAccountsHasNoRelations) {
  TestMap map;
  {
    test::BoekMetPoorten boek(MaakDatum(2008, 6, 1));
    Kasboek& kb = boek.kb;
    kb.sessie.Map = map.pad();
    kb.sessie.KasNaam = "Kaal08";
    kb.sessie.KasPad = "Kaal08.vdr";
    test::VoegRekeningToe(kb, 1, "Betaal");
    test::VoegGroepToe(kb, "1", "Saldo Betaal");
    test::VoegTransactieToe(kb, 1, "1", MaakDatum(2008, 1, 1), 10).Relatie = "Zonder rekening";
    test::MarkeerGelezen(kb);
    StandaardConfig(kb);
    ASSERT_TRUE(SchrijfAtomisch(kb.Pad(kb.sessie.KasPad), SchrijfBoek(kb), kb.bestanden()));
    EXPECT_TRUE(SchrijfConfig(kb).Gelukt());
  }
  const Uitvoer u = Cli(map.pad(), {"relaties", "--vandaag", "1-6-2008", "Kaal08"});
  EXPECT_EQ(u.code, cli::kMislukt);
  EXPECT_NE(u.fout.find("Geen unieke Relaties"), std::string::npos);
  EXPECT_NE(u.uit.find("Geen unieke Relaties"), std::string::npos);  // among the messages
  EXPECT_FALSE(Json(u.uit).at("RelatiesAanwezig").get<bool>());
}

// ---------------------------------------------------------------- exporteer

TEST(CliExporteer, WritesTheWindowsBytesToTheOutputOrAFile) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 80});
  const std::vector<std::string> args{"exporteer", "--vandaag",   "31-12-2008", "--veldnamen",
                                      "--velden",  "1,6,9,14",    "--van",      "1-2-2008",
                                      "--tot",     "31-3-2008",   "Huis08",     "1"};
  const Uitvoer u = Cli(map.pad(), args);
  ASSERT_EQ(u.code, 0) << u.fout;
  ASSERT_EQ(u.uit.substr(0, 28), "Index,Datum,Bedrag,PayDate\r\n");
  std::istringstream regels(u.uit);
  std::string regel;
  std::getline(regels, regel);
  int aantal = 0;
  while (std::getline(regels, regel)) {
    ASSERT_GE(regel.size(), 2u);
    EXPECT_EQ(regel.substr(regel.size() - 2), ",\r") << regel;
    EXPECT_EQ(std::count(regel.begin(), regel.end(), ','), 4) << regel;  // decimal commas are points
    ++aantal;
  }
  EXPECT_GT(aantal, 0);

  std::vector<std::string> naarBestand = args;
  naarBestand.insert(naarBestand.end() - 2, {"--uit", "maart.txt"});
  const Uitvoer b = Cli(map.pad(), naarBestand);
  ASSERT_EQ(b.code, 0) << b.fout;
  EXPECT_EQ(b.uit, "Bewaren maart.txt gelukt\n");
  const auto bytes = test::LeesBytes(map / "maart.txt");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), u.uit);
}

TEST(CliExporteer, TheTotalsExportOfPositionZero) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 80});
  const Uitvoer u = Cli(map.pad(), {"exporteer", "--vandaag", "31-12-2008", "--scheiding", "tab",
                                    "--veldnamen", "--rekeningen", "1", "Huis08", "0"});
  ASSERT_EQ(u.code, 0) << u.fout;
  EXPECT_EQ(u.uit.substr(0, 6), "Kode \t");
  EXPECT_NE(u.uit.find("\tTotaal/kode\r\n"), std::string::npos);
  EXPECT_NE(u.uit.find("\r\nTotaal\t"), std::string::npos);
}

TEST(CliExporteer, UsageErrorsAndMissingAccounts) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 20});
  struct Geval {
    std::vector<std::string> args;
    int code;
  };
  const Geval gevallen[] = {
      {{"exporteer", "Huis08"}, cli::kGebruiksfout},
      {{"exporteer", "Huis08", "een"}, cli::kGebruiksfout},
      {{"exporteer", "--scheiding", "puntkomma", "Huis08", "1"}, cli::kGebruiksfout},
      {{"exporteer", "--scheiding", "komma", "Huis08", "0"}, cli::kGebruiksfout},
      {{"exporteer", "--velden", "1,15", "Huis08", "1"}, cli::kGebruiksfout},
      {{"exporteer", "--van", "1-2", "Huis08", "1"}, cli::kGebruiksfout},
      {{"exporteer", "--journal", "Huis08", "1"}, cli::kGebruiksfout},
      {{"exporteer", "Huis08", "40"}, cli::kMislukt},
      {{"exporteer", "--rekeningen", "77", "Huis08", "0"}, cli::kMislukt},
      {{"exporteer", "Ander08", "1"}, cli::kMislukt},
  };
  for (const Geval& g : gevallen) {
    std::vector<std::string> args = g.args;
    args.insert(args.begin() + 1, {"--vandaag", "1-6-2008"});
    const Uitvoer u = Cli(map.pad(), args);
    EXPECT_EQ(u.code, g.code) << u.fout;
    EXPECT_FALSE(u.fout.empty());
  }
}

// ---------------------------------------------------------------- journal

// The balance per account as `saldi` prints it: number -> amount.
std::map<int, double> Saldi(const std::string& uitvoer) {
  std::map<int, double> saldi;
  std::istringstream regels(uitvoer);
  std::string regel;
  while (std::getline(regels, regel)) {
    if (regel.size() < 50 || regel.substr(0, 4).find_first_not_of(' ') == std::string::npos) continue;
    const int nr = std::atoi(regel.substr(0, 4).c_str());
    std::string bedrag = regel.substr(regel.size() - 14);
    saldi[nr] = std::strtod(bedrag.c_str(), nullptr);
  }
  return saldi;
}

TEST(CliExporteer, TheJournalBalancesInLedgerAsSaldiShowsThem) {
  if (std::system("ledger --version > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "ledger is not installed (scripts/install-deps.sh installs it)";
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 400});
  const Uitvoer j = Cli(map.pad(), {"exporteer", "--vandaag", "31-12-2008", "--journal", "--uit", "huis.journal",
                                    "Huis08"});
  ASSERT_EQ(j.code, 0) << j.fout;
  const Uitvoer s = Cli(map.pad(), {"saldi", "--decimaal", ".", "--vandaag", "31-12-2008", "Huis08"});
  ASSERT_EQ(s.code, 0) << s.fout;
  const auto saldi = Saldi(s.uit);
  ASSERT_GT(saldi.size(), 2u) << s.uit;

  const std::string opdracht = "ledger -f '" + (map / "huis.journal").string() +
                               "' balance --flat --no-total --empty ^Rekeningen: 2>&1";
  FILE* p = ::popen(opdracht.c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::map<int, std::string> ledger;
  char buf[512];
  while (std::fgets(buf, sizeof buf, p) != nullptr) {
    // "      -1234.56 Eur  Rekeningen:1 Betaalrekening"
    const std::string r = buf;
    const auto naam = r.find("Rekeningen:");
    ASSERT_NE(naam, std::string::npos) << r;
    const auto begin = r.find_first_not_of(' ');
    ledger[std::atoi(r.c_str() + naam + 11)] = r.substr(begin, r.find(' ', begin) - begin);
  }
  ::pclose(p);
  for (const auto& [nr, saldo] : saldi) {
    char verwacht[32];
    std::snprintf(verwacht, sizeof verwacht, "%.2f", saldo);
    ASSERT_EQ(ledger.count(nr), 1u) << "rekening " << nr;
    // ledger shows 0 without decimals.
    EXPECT_EQ(ledger[nr] == "0" ? std::string("0.00") : ledger[nr], verwacht) << "rekening " << nr;
  }
}

}  // namespace
}  // namespace valdero
