// Scoring a bank line against the ledger and what the comparison window's
// buttons book: the duplicate question at 127, the group selection, the
// split sum check and the counter leg of a transfer.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "BankImportTestBoek.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/VergelijkModel.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/SaldoMatrix.h"

namespace valdero {
namespace {

using test::BankBoek;

struct TextsGeval {
  const char* naam;
  std::string grootboek;
  std::string regel;
  bool lijkt;
};

class TextsResembleTest : public ::testing::TestWithParam<TextsGeval> {};

TEST_P(TextsResembleTest, VergelijktDeEersteVijfTekens) {
  EXPECT_EQ(TextsResemble(GetParam().grootboek, GetParam().regel), GetParam().lijkt);
}

// The score looks the ledger text's opening up among the line's pieces; it
// must say what TextsResemble says, for the relation and the description.
TEST_P(TextsResembleTest, DeScoreTeltDeTekstenAlsTextsResemble) {
  TKas kas;
  kas.Relatie = GetParam().grootboek;
  kas.Omschrijving = GetParam().grootboek;
  TNewKas regel;
  regel.Relatie = GetParam().regel;
  regel.Omschrijving = GetParam().regel;
  regel.Munt = 1;  // no other criterion is met
  regel.BoekSoort = 9;
  regel.ActieKode = "ZZ";
  regel.Bedrag = 12345;
  const int verwacht = GetParam().lijkt ? score::Relatie + score::Omschrijving : 0;
  EXPECT_EQ(MatchScore(kas, regel, false), verwacht);
}

INSTANTIATE_TEST_SUITE_P(
    Gevallen, TextsResembleTest,
    ::testing::Values(TextsGeval{"BakkerJansen", "Bakker Jansen", "123 BAKKER JANSEN 456", true},
                      TextsGeval{"MiddenInDeTekst", "Jansen", "Fa Bakker JANSEN", true},
                      TextsGeval{"KorteGrootboektekst", "Bak", "bak", true},
                      TextsGeval{"AndereNaam", "Bakker", "Slager", false},
                      TextsGeval{"LegeGrootboektekst", "", "Bakker", false},
                      TextsGeval{"AlleenCijfersInRegel", "Bakker", "123 456", false},
                      TextsGeval{"Na24TekensTeltNiet", "Bakker", "xxxxxxxxxxxxxxxxxxxxBakker", false},
                      TextsGeval{"VijfTekensOpHetEinde", "Bakker", "xxxxxxxxxxxxxxxxxxxBakke", true},
                      TextsGeval{"AccentInGrootboektekst", "Café de Zwaan", "BAKKERIJ CAFé DE ZWAAN", true},
                      TextsGeval{"AccentAlleenInGrootboek", "Café", "CAFE", false},
                      TextsGeval{"AccentInRegel", "Zwaan", "Café Zwaan", true},
                      TextsGeval{"LangerDanDeRegel", "Bakker", "Bak", false},
                      TextsGeval{"LeestekensInGrootboek", "A-1 B", "Garage a-1 b", true}),
    [](const auto& info) { return std::string(info.param.naam); });

// The comparison window as a test drives it: one action per showing.
struct TestVenster : VergelijkVoerder {
  std::function<void(VergelijkModel&)> actie = [](VergelijkModel& v) { v.Invoeren(); };
  int getoond = 0;
  std::vector<int> modi;
  std::vector<std::string> groepTeksten;
  void Toon(VergelijkModel& v) override {
    ++getoond;
    modi.push_back(v.Modus());
    groepTeksten.push_back(v.Tekst(VergelijkModel::Groep));
    actie(v);
  }
};

struct SchrapKiezer : SelectMutVoerder {
  int gevraagd = 0;
  std::optional<std::string> Kies(const SelectMut&) override {
    ++gevraagd;
    return std::nullopt;
  }
};

struct AfstemBoek : BankBoek {
  AfstemBoek() : a(kb, kiezer, venster) {
    Groep("410", "Boodschappen");
    Groep("410a", "Brood");
    Groep("410b", "Kaas");
    Groep("xxxx", "KRUISPOSTEN", " X ");
    a.ZetBewaarder([this] { ++bewaard; });
    EXPECT_TRUE(BouwSaldoMatrix(kb).Gelukt());
    berichten.Wis();
  }
  TKas& Bakker(double datum) {
    TKas& k = Boeking(1, "410", -12.5, datum);
    k.Relatie = "Bakker Jansen";
    k.Omschrijving = "Brood";
    k.ActieKode = "BA";
    k.BoekSoort = 2;
    return k;
  }
  TNewKas BakkerRegel(double datum) {
    TNewKas r;
    r.Index = 1;
    r.RekNr = 1;
    r.Datum = datum;
    r.Bedrag = -12.5;
    r.Relatie = "Bakker Jansen";
    r.Omschrijving = "Brood";
    r.ActieKode = "ba";
    r.BoekSoort = 2;
    return r;
  }
  void Start(const TNewKas& r) {
    EXPECT_TRUE(BouwSaldoMatrix(kb).Gelukt());
    berichten.Wis();
    a.BeginRun();
    a.regel = r;
    a.origineleOmschrijving = r.Omschrijving;
    a.origineelBedrag = r.Bedrag;
    a.splitsIndex = 1;
    a.invoegen = a.vervangen = a.splitsen = false;
  }
  TestVenster venster;
  int bewaard = 0;
  Afstemming a;
};

const double kDag = MaakDatum(2026, 3, 2);

TEST(AfstemmingTest, EenRegelGelijkInAllesScoort127EnInvoerenVraagtOfHijAlBestaat) {
  AfstemBoek boek;
  boek.Bakker(kDag);
  boek.Start(boek.BakkerRegel(kDag));
  boek.a.ReconcileLine();
  ASSERT_EQ(boek.venster.getoond, 1);
  EXPECT_EQ(boek.venster.modi[0], vergelijkmodus::Vergelijk);
  EXPECT_EQ(boek.a.regel.GroepKode, "410");
  ASSERT_TRUE(boek.a.invoegen);
  const int voor = boek.kb.MaxKas();
  EXPECT_FALSE(boek.a.InsertLine());
  EXPECT_EQ(boek.berichten.Teksten(), (std::vector<std::string>{"Transactie bestaat al, nogmaals invoeren?"}));
  EXPECT_EQ(boek.kb.MaxKas(), voor);

  // Ja books it a second time.
  boek.berichten.Antwoord(antwoord::Ja);
  EXPECT_TRUE(boek.a.InsertLine());
  EXPECT_EQ(boek.kb.MaxKas(), voor + 1);
}

TEST(AfstemmingTest, ZonderTransactiesVanDeRekeningScoortHij0EnWordtHetNomenNescio) {
  AfstemBoek boek;
  boek.Boeking(2, "2", 50, kDag);
  TNewKas r = boek.BakkerRegel(kDag);
  boek.Start(r);
  boek.venster.actie = [](VergelijkModel& v) { v.Overslaan(); };
  boek.a.ReconcileLine();
  EXPECT_EQ(boek.a.beste.score, 0);
  ASSERT_EQ(boek.venster.getoond, 1);
  EXPECT_EQ(boek.venster.modi[0], vergelijkmodus::Nieuw);
  EXPECT_EQ(boek.venster.groepTeksten[0], "nnnn  Nomen Nescio");
}

TEST(AfstemmingTest, EenBesteScoreVan20OpentDeGroepskeuzeEnSchrappenSlaatDeRegelOver) {
  AfstemBoek boek;
  TKas& k = boek.Bakker(kDag - 10);
  k.Bedrag = -99;
  k.BoekSoort = 1;
  k.Munt = 1;
  k.Omschrijving = "Anders";  // relation 16 + action code 4
  SchrapKiezer schrap;
  Afstemming a(boek.kb, schrap, boek.venster);
  a.ZetBewaarder([] {});
  EXPECT_TRUE(BouwSaldoMatrix(boek.kb).Gelukt());
  a.BeginRun();
  a.regel = boek.BakkerRegel(kDag);
  a.ReconcileLine();
  EXPECT_EQ(a.beste.score, 20);
  EXPECT_EQ(schrap.gevraagd, 1);
  EXPECT_EQ(boek.venster.getoond, 0);
  EXPECT_FALSE(a.invoegen);
}

TEST(AfstemmingTest, EenGesplitsteRegelDieTekortKomtMeldtDeSom) {
  AfstemBoek boek;
  TNewKas r = boek.BakkerRegel(kDag);
  r.GroepKode = "410";
  r.Omschrijving = "Brood 5,00 kaas 4,00";
  boek.Start(r);
  boek.berichten.Antwoord(antwoord::Ja);   // Boodschappen: the first amount, 5,00
  boek.berichten.Antwoord(antwoord::Ja);   // Brood: the second, 4,00
  boek.berichten.Antwoord(antwoord::Nee);  // Kaas
  boek.a.SplitLine();
  EXPECT_EQ(boek.venster.getoond, 2);
  EXPECT_EQ(boek.kb.MaxKas(), 2);
  EXPECT_EQ(boek.kb.KasLijst[1].Bedrag + boek.kb.KasLijst[2].Bedrag, -9);
  const auto teksten = boek.berichten.Teksten();
  ASSERT_FALSE(teksten.empty());
  EXPECT_EQ(teksten.back(), "Som v. Subbedragen = -9,00\rSom totaal moet zijn   = -12,50");
  EXPECT_EQ(boek.a.splitsIndex, 0);
}

TEST(AfstemmingTest, EenOverboekingOpXxxxBoektOokDeTegenrekening) {
  AfstemBoek boek;
  TNewKas r = boek.BakkerRegel(kDag);
  r.Relatie = "J. de Vries";
  r.Omschrijving = "Sparen";
  r.Bedrag = 100;  // unsigned, as the older layouts write a debit
  r.BoekSoort = 6;
  r.TegenRek = 2;
  r.TegenRekNr = "987654321";
  boek.Start(r);
  boek.berichten.Antwoord(antwoord::Ja);  // counter leg
  boek.a.ReconcileLine();
  ASSERT_TRUE(boek.a.invoegen);
  EXPECT_EQ(boek.a.regel.GroepKode, "xxxx");
  EXPECT_TRUE(boek.a.InsertLine());
  ASSERT_EQ(boek.kb.MaxKas(), 2);
  const TKas* eigen = &boek.kb.KasLijst[1];
  const TKas* tegen = &boek.kb.KasLijst[2];
  if (eigen->RekNr != 1) std::swap(eigen, tegen);
  EXPECT_EQ(eigen->Bedrag, -100);
  EXPECT_EQ(tegen->RekNr, 2);
  EXPECT_EQ(tegen->TegenRek, 1);
  EXPECT_EQ(tegen->Bedrag, 100);
  EXPECT_EQ(tegen->ActieKode, "OB");
  EXPECT_EQ(tegen->Omschrijving, "Overboeken v.Sparen");
  EXPECT_EQ(tegen->Relatie, "Betaal 123456789");
  EXPECT_EQ(boek.berichten.Teksten().back(), "Kasrecords van beide rekeningen gered");
}

TEST(AfstemmingTest, RenteZonderRelatieWordtBijEenTweedeImportHerkend) {
  AfstemBoek boek;
  TKas& k = boek.Boeking(1, "410", 3.21, kDag);
  k.ActieKode = "RE";
  k.BoekSoort = 1;
  TNewKas r;
  r.RekNr = 1;
  r.Datum = kDag;
  r.Bedrag = 3.21;
  r.ActieKode = "RE";
  r.BoekSoort = 1;
  r.GroepKode = "410";
  r.Omschrijving = "boeking";
  boek.Start(r);
  boek.a.FindSameDayCandidates();
  EXPECT_FALSE(boek.a.InsertLine());
  EXPECT_EQ(boek.berichten.Teksten(), (std::vector<std::string>{"Transactie bestaat al, nogmaals invoeren?"}));
}

TEST(AfstemmingTest, VervangenWerktDeSaldiMeteenBij) {
  AfstemBoek boek;
  boek.Bakker(kDag);
  TNewKas r = boek.BakkerRegel(kDag);
  r.Bedrag = -13.75;
  boek.Start(r);
  boek.venster.actie = [](VergelijkModel& v) { v.Vervangen(); };
  boek.a.ReconcileLine();
  EXPECT_EQ(boek.kb.KasLijst[1].Bedrag, -13.75);
  const auto bijgewerkt = boek.kb.SaldoMatrix();
  EXPECT_TRUE(BouwSaldoMatrix(boek.kb).Gelukt());
  ASSERT_EQ(bijgewerkt.size(), boek.kb.SaldoMatrix().size());
  for (std::size_t g = 0; g < bijgewerkt.size(); ++g)
    for (std::size_t r = 0; r < bijgewerkt[g].size(); ++r)
      EXPECT_DOUBLE_EQ(bijgewerkt[g][r].In + bijgewerkt[g][r].Uit,
                       boek.kb.SaldoMatrix()[g][r].In + boek.kb.SaldoMatrix()[g][r].Uit);
}

TEST(AfstemmingTest, HetVensterSluitenBoektNietsOokNietVoorNomenNescio) {
  AfstemBoek boek;
  TNewKas r = boek.BakkerRegel(kDag);
  boek.Start(r);
  boek.venster.actie = [](VergelijkModel& v) { v.SluitVenster(); };
  boek.a.ReconcileLine();
  EXPECT_EQ(boek.venster.groepTeksten[0], "nnnn  Nomen Nescio");
  EXPECT_FALSE(boek.a.invoegen);
  EXPECT_EQ(boek.kb.MaxKas(), 0);
}

TEST(AfstemmingTest, EenOnverwanteBesteTransactieLeentGeenTegenrekening) {
  AfstemBoek boek;
  TKas& overboeking = boek.Boeking(1, "xxxx", -50, kDag - 20);
  overboeking.TegenRek = 2;
  overboeking.ActieKode = "OB";
  boek.Start(boek.BakkerRegel(kDag));
  boek.venster.actie = [](VergelijkModel& v) { v.Overslaan(); };
  boek.a.ReconcileLine();
  EXPECT_LT(boek.a.beste.score, 16);
  EXPECT_EQ(boek.a.regel.TegenRek, 0);
}

TEST(AfstemmingTest, MeerDanTienSubgroepenWordenGemeldEnNietOverschreven) {
  AfstemBoek boek;
  for (char c = 'c'; c <= 'm'; ++c) boek.Groep(std::string("410") + c, std::string("Deel ") + c);
  TNewKas r = boek.BakkerRegel(kDag);
  r.GroepKode = "410";
  boek.Start(r);
  boek.berichten.standaardAntwoord = antwoord::Nee;
  boek.a.SplitLine();
  const auto teksten = boek.berichten.Teksten();
  ASSERT_FALSE(teksten.empty());
  EXPECT_EQ(teksten[0], "Meer dan 10 subgroepen: alleen de eerste 10 worden aangeboden");
  EXPECT_EQ(boek.a.splitsTabel.size(), 11u);
  EXPECT_EQ(boek.kb.MaxKas(), 0);
}

// Random ledgers and lines: the index gives the best match that walking the
// whole ledger gives, score and position (ties included).
void VergelijkIndexMetAflopen(const std::vector<std::string>& relaties, unsigned zaad) {
  BankBoek boek;
  for (const char* g : {"410", "420", "430"}) boek.Groep(g, g);
  std::mt19937 rnd(zaad);
  const std::vector<std::string> acties{"BA", "OV", "IC", ""};
  auto kies = [&](const auto& v) { return v[rnd() % v.size()]; };
  for (int i = 0; i < 3000; ++i) {
    // Whole amounts that lines meet, and amounts in cents: thousands of keys.
    const double bedrag = i % 2 ? static_cast<double>(rnd() % 20) : static_cast<double>(rnd() % 5000) / 100;
    TKas& k = boek.Boeking(1 + static_cast<int>(rnd() % 3), kies(std::vector<std::string>{"410", "420", "430"}),
                           -bedrag, MaakDatum(2026, 1, 1) + static_cast<int>(rnd() % 60));
    k.Relatie = kies(relaties);
    k.Omschrijving = kies(relaties);
    k.ActieKode = kies(acties);
    k.BoekSoort = 1 + static_cast<int>(rnd() % 2);
    k.Munt = static_cast<int>(rnd() % 2);
  }
  std::sort(boek.kb.KasLijst.begin() + 1, boek.kb.KasLijst.end(),
            [](const TKas& x, const TKas& y) { return x.Datum < y.Datum; });
  boek.kb.HernummerKas();
  TestVenster venster;
  Afstemming a(boek.kb, boek.kiezer, venster);
  a.BeginRun();
  for (int i = 0; i < 400; ++i) {
    TNewKas r;
    r.RekNr = 1 + static_cast<int>(rnd() % 4);
    r.Datum = MaakDatum(2026, 1, 1) + static_cast<int>(rnd() % 70);
    r.Bedrag = static_cast<double>(rnd() % 25);
    r.Relatie = kies(relaties) + " x";
    r.Omschrijving = kies(relaties);
    r.ActieKode = kies(acties);
    r.BoekSoort = 1 + static_cast<int>(rnd() % 2);
    r.Munt = static_cast<int>(rnd() % 2);
    r.GroepKode = kies(std::vector<std::string>{"410", "420", "999"});
    a.regel = r;
    a.FindSameDayCandidates();
    for (bool groep : {false, true}) {
      const Beste snel = a.ScoreCandidates(true, groep);
      const Beste traag = a.ScoreCandidatesDoorLopen(true, groep);
      ASSERT_EQ(snel.score, traag.score) << "regel " << i;
      ASSERT_EQ(snel.positie, traag.positie) << "regel " << i;
    }
    // Now and then the line is booked, in its place among the ledger's: the
    // index follows the positions that move.
    if (i % 7 == 3) {
      a.regel.GroepKode = "410";
      a.dubbeleOverslaan = true;
      a.InsertLine();
      boek.kb.HernummerKas();
    }
  }
}

TEST(AfstemmingTest, DeIndexGeeftDezelfdeBesteAlsHetHeleGrootboekAflopen) {
  VergelijkIndexMetAflopen({"", "Bakker Jansen", "AH", "Energie NV", "123 BAKKER", "Slager"}, 7);
}

// Ledger texts whose openings overlap ("Bak", "Bakke", "Bakker Jansen"), so a
// line text holds several of them, and texts with accents.
TEST(AfstemmingTest, DeIndexGeeftDezelfdeBesteBijOverlappendeTeksten) {
  VergelijkIndexMetAflopen({"Bak", "Bakke", "Bakker Jansen", "ker J", "Café Één", "é", "", "an"}, 11);
}

}  // namespace
}  // namespace valdero
