#include <gtest/gtest.h>

#include <sstream>

#include "CliHulp.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Opdrachten.h"
#include "model/storage/BoekLaden.h"

namespace valdero {
namespace {

using test::LeesJson;
using test::SchrijfVoorbeeld;
using test::TestMap;

struct Uitvoer {
  int code;
  nlohmann::json boek;
  std::string fout;
};

Uitvoer Boek(const TestMap& map, std::vector<std::string> args) {
  args.insert(args.begin(), {"boek", "--vandaag", "2-5-2008"});
  const test::Uitvoer u = test::Cli(map.pad(), args);
  return {u.code, test::LeesJson(u.uit).value_or(nlohmann::json::object()), u.fout};
}

std::vector<std::string> Teksten(const nlohmann::json& boek) {
  std::vector<std::string> uit;
  for (const nlohmann::json& b : boek.at("Berichten")) uit.push_back(b.at("tekst").get<std::string>());
  return uit;
}

// The book as a second start-up finds it on disk.
std::vector<TKas> OpSchijf(const TestMap& map) {
  test::BoekMetPoorten boek(MaakDatum(2008, 5, 2));
  Kasboek& kb = boek.kb;
  kb.sessie.Map = map.pad();
  EXPECT_EQ(StartBoek(kb, true, "Huis08"), LaadUitkomst::Geladen);
  return kb.KasLijst;
}

TEST(CliBoek, DebitIsPostedSavedAndPrinted) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 30});
  const std::size_t voor = OpSchijf(map).size();
  const Uitvoer u = Boek(map, {"Huis08", "2", "groep=410", "bedrag=12.50", "datum=3-5",
                               "omschrijving=boek test"});
  ASSERT_EQ(u.code, 0) << u.fout;
  EXPECT_EQ(Teksten(u.boek), (std::vector<std::string>{"Decimaalteken in 12,50 gewijzigd"}));
  const auto kas = OpSchijf(map);
  ASSERT_EQ(kas.size(), voor + 1);
  ASSERT_EQ(u.boek.at("KasLijst").size(), kas.size());
  const auto nieuw = std::find_if(kas.begin(), kas.end(),
                                  [](const TKas& k) { return k.Omschrijving == "boek test"; });
  ASSERT_NE(nieuw, kas.end());
  EXPECT_EQ(nieuw->Bedrag, -12.5);
  EXPECT_EQ(nieuw->GroepKode, "410");
  EXPECT_EQ(nieuw->Datum, MaakDatum(2008, 5, 3));
  EXPECT_EQ(nieuw->BoekSoort, 2);
}

TEST(CliBoek, TransferQuestionGetsTheAnswerOfTheOption) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 30});
  const std::size_t voor = OpSchijf(map).size();
  const Uitvoer u = Boek(map, {"--antwoord", "ja", "Huis08", "6", "tegenrek=2", "bedrag=100"});
  ASSERT_EQ(u.code, 0) << u.fout;
  EXPECT_EQ(Teksten(u.boek), (std::vector<std::string>{"Wilt u ook overboeken naar tegenrekening",
                                                       "Kasrecords van beide rekeningen gered"}));
  EXPECT_EQ(OpSchijf(map).size(), voor + 2);
}

TEST(CliBoek, DeletingPicksTheIndexedRows) {
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 30});
  const auto voor = OpSchijf(map);
  const Uitvoer u = Boek(map, {"--antwoord", "ja", "--index", "2,5", "Huis08", "3"});
  ASSERT_EQ(u.code, 0) << u.fout;
  const auto na = OpSchijf(map);
  ASSERT_EQ(na.size(), voor.size() - 2);
  EXPECT_EQ(na[2].Omschrijving, voor[3].Omschrijving);
  EXPECT_EQ(na[4].Omschrijving, voor[6].Omschrijving);
}

// What the command was asked to do did not happen: exit 1, and the book on
// disk is what it was.
TEST(CliBoek, ARefusedBookingOrAFailedSaveExitsWithOne) {
  struct Geval {
    const char* naam;
    std::vector<std::string> args;
    bool schrijvenFaalt;
  };
  for (const Geval& g : {Geval{"a date that is no date", {"Huis08", "2", "groep=410", "bedrag=5", "datum=31-2"}, false},
                         Geval{"deletion answered Nee", {"--antwoord", "nee", "--index", "2", "Huis08", "3"}, false},
                         Geval{"a save that cannot write", {"Huis08", "2", "groep=410", "bedrag=5"}, true}}) {
    SCOPED_TRACE(g.naam);
    TestMap map;
    SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
    const auto voor = OpSchijf(map);
    // A book its owner made read-only stops any writer, the administrator
    // included.
    if (g.schrijvenFaalt)
      std::filesystem::permissions(map.pad() / "Huis08.vdr", std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::group_read |
                                                               std::filesystem::perms::others_read);
    const Uitvoer u = Boek(map, g.args);
    EXPECT_EQ(u.code, cli::kMislukt) << u.fout;
    EXPECT_FALSE(u.fout.empty());
    EXPECT_EQ(OpSchijf(map).size(), voor.size());
  }
}

TEST(CliBoek, UsageErrors) {
  struct Geval {
    const char* naam;
    std::vector<std::string> args;
    const char* melding;
  };
  TestMap map;
  SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 5});
  for (const Geval& g : {Geval{"no mode", {"Huis08"}, "geef BOEK en MODUS"},
                         Geval{"unknown mode", {"Huis08", "7"}, "onbekende modus 7"},
                         Geval{"unknown field", {"Huis08", "1", "bedarg=1"}, "onbekend veld bedarg"},
                         Geval{"no equals sign", {"Huis08", "1", "bedrag"}, "verwacht veld=tekst"},
                         Geval{"bad index", {"--index", "1,x", "Huis08", "3"}, "--index verwacht"}}) {
    SCOPED_TRACE(g.naam);
    const Uitvoer u = Boek(map, g.args);
    EXPECT_EQ(u.code, cli::kGebruiksfout);
    EXPECT_NE(u.fout.find(g.melding), std::string::npos) << u.fout;
  }
}

// The tool's fields are the booking window's fields: what the window refuses,
// the tool refuses with the window's message (exit 1, nothing on disk), and
// what the window asks, the tool asks through --antwoord.
TEST(CliBoek, FieldsAreCheckedAsTheBookingWindowChecksThem) {
  struct Geval {
    const char* naam;
    std::vector<std::string> args;
    int code;
    std::string melding;
  };
  const std::string buitenJaar = "Datum 3-5-2007 valt buiten boekjaar 2008\rToch boeken?";
  const Geval gevallen[] = {
      {"a date outside the book's year, answered Nee", {"Huis08", "2", "groep=410", "bedrag=5", "datum=3-5-2007"}, 1, buitenJaar},
      {"a date outside the book's year, answered Ja", {"--antwoord", "ja", "Huis08", "2", "groep=410", "bedrag=5", "datum=3-5-2007"}, 0, buitenJaar},
      {"the year 1800", {"Huis08", "2", "groep=410", "bedrag=5", "datum=1-1-1800"}, 1,
       "1-1-1800 is geen geldige datum\n\r probeer opnieuw of controleer bestand"},
      {"an amount of 1e23", {"Huis08", "2", "groep=410", "bedrag=1e23"}, 1, ""},
      {"an amount of a hundred billion", {"Huis08", "2", "groep=410", "bedrag=100000000000"}, 1,
       "Getal 100000000000,00 is te groot\n\r corrigeer bedrag"},
      {"a sequence number above 1023", {"Huis08", "2", "groep=410", "bedrag=5", "volgnr=1024"}, 1,
       "Volgnummer 1024 is te groot\n\r corrigeer afschrift"},
      {"characters the file cannot hold", {"Huis08", "2", "groep=410", "bedrag=5", "omschrijving=Łódź €"}, 1,
       "Omschrijving bevat tekens die niet bewaard kunnen worden: Łź"},
      {"a sequence number of 1023 and the euro sign", {"Huis08", "2", "groep=410", "bedrag=5", "volgnr=1023", "omschrijving=5 €"}, 0, ""},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    TestMap map;
    SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 10});
    const auto voor = OpSchijf(map);
    const Uitvoer u = Boek(map, g.args);
    EXPECT_EQ(u.code, g.code) << u.fout;
    const auto teksten = Teksten(u.boek);
    if (!g.melding.empty()) {
      EXPECT_NE(std::find(teksten.begin(), teksten.end(), g.melding), teksten.end())
          << (teksten.empty() ? "" : teksten.back());
    }
    EXPECT_EQ(OpSchijf(map).size(), voor.size() + (g.code == 0 ? 1 : 0));
  }
}

}  // namespace
}  // namespace valdero
