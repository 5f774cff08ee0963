// Which ledger transaction a bank line is shown beside, what "&Vervangen" may
// overwrite and when a line counts as booked already: a table of ledgers and
// lines (same day, another month, equal scores, other action codes, another
// spelling of the counter party) with what the run books, replaces or skips;
// a group typed that the book lacks; then the same account read in two
// layouts one after the other.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "BankImportTestBoek.h"
#include "model/bankimport/AfschriftModel.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/VergelijkModel.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/Domein.h"
#include "model/core/KasVolgorde.h"
#include "model/core/SaldoMatrix.h"

namespace valdero {
namespace {

double D(int dag, int maand) { return MaakDatum(2026, maand, dag); }

struct Post {
  double datum;
  std::string groep;
  double bedrag;
  std::string relatie;
  std::string omschrijving;
  std::string actie;
  std::string tegenRekNr = "";
  int volgBlad = 0;
};

struct BankRegel {
  double datum;
  double bedrag;  // as the layout writes it: the old ones unsigned
  int soort;      // 1 in, 2 out
  std::string relatie;
  std::string omschrijving;
  std::string actie;
  std::string tegenRekNr = "";
};

enum class Knop { Vervangen, Invoeren };
enum class Uitkomst { Geboekt, Vervangen, Overgeslagen };

struct Geval {
  const char* naam;
  std::vector<Post> grootboek;
  std::vector<BankRegel> regels;
  Knop knop;
  // Per line: the date of the transaction shown beside it (nullopt: none),
  // whether "&Vervangen" could be used, and what became of it.
  std::vector<std::optional<double>> getoond;
  std::vector<bool> vervangbaar;
  std::vector<Uitkomst> uitkomst;
};

// The comparison window as a person who presses one button; a refused
// "&Vervangen" leaves them "&Overslaan".
struct KnopVenster : VergelijkVoerder {
  Knop knop = Knop::Invoeren;
  std::vector<std::optional<double>> getoond;
  std::vector<bool> vervangbaar;
  Kasboek* kb = nullptr;
  int positie = 0;
  void Toon(VergelijkModel& v) override {
    getoond.push_back(v.OudeTransactieZichtbaar() ? std::optional<double>(LeesDatum(v.OudeTransactie()[2][1], 2026).value_or(0))
                                                 : std::nullopt);
    vervangbaar.push_back(v.VervangenActief());
    const bool gedaan = knop == Knop::Vervangen ? v.Vervangen() : v.Invoeren();
    if (!gedaan) v.Overslaan();
  }
};

struct BetaalBoek : test::BankBoek {
  BetaalBoek() : a(kb, kiezer, venster) {
    Groep("410", "Huur", " V ");
    Groep("460", "Energie", " V ");
    Groep("310", "Boodschappen");
    a.ZetBewaarder([] {});
    a.dubbeleOverslaan = true;  // the run without a person: a booked line is skipped
  }
  TKas& Zet(const Post& p) {
    TKas& k = Boeking(1, p.groep, p.bedrag, p.datum);
    k.Relatie = p.relatie;
    k.Omschrijving = p.omschrijving;
    k.ActieKode = p.actie;
    k.TegenRekNr = p.tegenRekNr;
    k.VolgBlad = static_cast<std::uint16_t>(p.volgBlad);
    k.BoekSoort = p.bedrag < 0 ? 2 : 1;
    return k;
  }
  static TNewKas Lijn(const BankRegel& r) {
    TNewKas n;
    n.RekNr = 1;
    n.BankRekNr = "123456789";
    n.Datum = r.datum;
    n.Bedrag = r.bedrag;
    n.BoekSoort = r.soort;
    n.Relatie = r.relatie;
    n.Omschrijving = r.omschrijving;
    n.ActieKode = r.actie;
    n.TegenRekNr = r.tegenRekNr;
    return n;
  }
  // One line as "Rekening bijwerken" takes it.
  Uitkomst Verwerk(const TNewKas& regel) {
    const int voor = kb.MaxKas();
    a.invoegen = a.vervangen = a.splitsen = false;
    a.regel = regel;
    a.origineleOmschrijving = regel.Omschrijving;
    a.origineelBedrag = regel.Bedrag;
    a.splitsIndex = 1;
    a.ReconcileLine();
    bool geboekt = false;
    if (a.invoegen) geboekt = a.InsertLine();
    if (a.invoegen || a.vervangen) kb.HernummerKas();
    if (a.vervangen) return Uitkomst::Vervangen;
    return geboekt && kb.MaxKas() > voor ? Uitkomst::Geboekt : Uitkomst::Overgeslagen;
  }
  KnopVenster venster;
  Afstemming a;
};

std::string Naam(Uitkomst u) {
  switch (u) {
    case Uitkomst::Geboekt: return "geboekt";
    case Uitkomst::Vervangen: return "vervangen";
    default: return "overgeslagen";
  }
}

class BetalingTest : public ::testing::TestWithParam<Geval> {};

TEST_P(BetalingTest, BoektVervangtOfSlaatOverZoalsDeBetalingZegt) {
  const Geval& g = GetParam();
  BetaalBoek boek;
  for (const Post& p : g.grootboek) boek.Zet(p);
  SorteerKas(boek.kb);
  const std::vector<TKas> vooraf(boek.kb.KasLijst.begin() + 1, boek.kb.KasLijst.end());
  EXPECT_TRUE(BouwSaldoMatrix(boek.kb).Gelukt());
  boek.venster.knop = g.knop;
  boek.a.laatsteAfschrift = 7 * 64;  // the statement the run is at
  boek.a.BeginRun();
  std::vector<Uitkomst> uitkomst;
  for (const BankRegel& r : g.regels) uitkomst.push_back(boek.Verwerk(BetaalBoek::Lijn(r)));

  ASSERT_EQ(uitkomst.size(), g.uitkomst.size());
  for (std::size_t i = 0; i < uitkomst.size(); ++i)
    EXPECT_EQ(Naam(uitkomst[i]), Naam(g.uitkomst[i])) << "regel " << i + 1;
  EXPECT_EQ(boek.venster.getoond, g.getoond);
  EXPECT_EQ(boek.venster.vervangbaar, g.vervangbaar);

  // No transaction of another payment was lost: each one of the ledger is
  // still there unless a line replaced it on its own day.
  for (const TKas& oud : vooraf) {
    const bool vervangen = std::any_of(g.regels.begin(), g.regels.end(), [&](const BankRegel& r) {
      return g.knop == Knop::Vervangen && MagVervangen(oud, BetaalBoek::Lijn(r));
    });
    if (vervangen) continue;
    const bool er = std::any_of(boek.kb.KasLijst.begin() + 1, boek.kb.KasLijst.end(), [&](const TKas& k) {
      return k.Datum == oud.Datum && k.Bedrag == oud.Bedrag && k.Omschrijving == oud.Omschrijving;
    });
    EXPECT_TRUE(er) << "weg: " << oud.Omschrijving << " van " << DatumTekst(oud.Datum);
  }
  // The ledger is in its fixed order, every Index its position.
  for (int i = 1; i <= boek.kb.MaxKas(); ++i) {
    const TKas& k = boek.kb.KasLijst[static_cast<std::size_t>(i)];
    EXPECT_EQ(k.Index, i);
    if (i > 1) {
      EXPECT_FALSE(KasVoor(k, boek.kb.KasLijst[static_cast<std::size_t>(i - 1)])) << "positie " << i;
    }
  }
}

const Post kHuurJan{D(1, 1), "410", -950, "Woonstichting Thuis", "Huur januari", "AC"};
const Post kHuurDec{D(1, 12), "410", -950, "Woonstichting Thuis", "Huur december", "AC"};
const Post kEnergieJan{D(5, 1), "460", -175, "Energie Noord", "Voorschot energie januari", "AC"};
const BankRegel kHuurDecRegel{D(1, 12), 950, 2, "WOONSTICHTING THUIS", "Huur december", "EI"};
const BankRegel kEnergieDecRegel{D(5, 12), 175, 2, "ENERGIE NOORD", "Voorschot energie december", "AC"};

INSTANTIATE_TEST_SUITE_P(
    Gevallen, BetalingTest,
    ::testing::Values(
        // The equal-scoring January rent stands earlier in the ledger; the
        // December one of the line's own day is shown and replaced.
        Geval{"HuurVanDezelfdeDagVoorDieVanJanuari", {kHuurJan, kHuurDec}, {kHuurDecRegel}, Knop::Vervangen,
              {D(1, 12)}, {true}, {Uitkomst::Vervangen}},
        // Only January's advance exists: it is shown for comparison, but
        // December's line cannot overwrite it.
        Geval{"VervangenVanEenAndereMaandWordtGeweigerd", {kEnergieJan}, {kEnergieDecRegel}, Knop::Vervangen,
              {D(5, 1)}, {false}, {Uitkomst::Overgeslagen}},
        Geval{"EenAndereMaandWordtNieuwGeboekt", {kEnergieJan}, {kEnergieDecRegel}, Knop::Invoeren, {D(5, 1)},
              {false}, {Uitkomst::Geboekt}},
        // Two equal scores on other days: the nearer one is shown.
        Geval{"VanGelijkeScoresDeDichtstbijzijnde",
              {{D(3, 12), "310", -20, "Slager", "Vlees", "BA"}, {D(7, 12), "310", -20, "Slager", "Vlees", "BA"}},
              {{D(6, 12), 20, 2, "SLAGER", "Vlees", "BA"}}, Knop::Invoeren, {D(7, 12)}, {false},
              {Uitkomst::Geboekt}},
        // The rent booked with "AC", the bank says "EI": booked already.
        Geval{"EenAndereActiecodeIsDezelfdeBetaling", {kHuurDec}, {kHuurDecRegel}, Knop::Invoeren, {D(1, 12)},
              {true}, {Uitkomst::Overgeslagen}},
        // Another layout spells the shop otherwise and codes it "OV" for "BC".
        Geval{"EenAndereSchrijfwijzeVanDeNaamIsDezelfdeBetaling",
              {{D(9, 12), "310", -23, "Albert Heijn 1234", "Boodschappen", "BC"}},
              {{D(9, 12), -23, 2, "ALBERT HEIJN 1234 ZWOLLE", "Betaalautomaat 12:03", "OV"}}, Knop::Invoeren,
              {D(9, 12)}, {true}, {Uitkomst::Overgeslagen}},
        // The counter account decides when the names differ.
        Geval{"DezelfdeTegenrekeningIsDezelfdeBetaling",
              {{D(1, 12), "410", -950, "WST", "Huur", "AC", "NL91RABO0300065264"}},
              {{D(1, 12), 950, 2, "Woonstichting Thuis", "Huur december", "EI", "300065264"}},
              Knop::Invoeren, {D(1, 12)}, {true}, {Uitkomst::Overgeslagen}},
        // The same counter party and day but another amount is another payment.
        Geval{"EenAnderBedragIsEenAndereBetaling", {kHuurDec},
              {{D(1, 12), 50, 2, "WOONSTICHTING THUIS", "Servicekosten", "EI"}}, Knop::Invoeren, {D(1, 12)}, {true},
              {Uitkomst::Geboekt}},
        // Money in is not money out.
        Geval{"EenAndereRichtingIsEenAndereBetaling", {kHuurDec},
              {{D(1, 12), 950, 1, "WOONSTICHTING THUIS", "Terugbetaling", "EI"}}, Knop::Invoeren, {D(1, 12)},
              {true}, {Uitkomst::Geboekt}},
        // Two coffees of one day in one file are two payments; the second
        // is not taken for the first.
        Geval{"TweeGelijkeRegelsVanEenBestandWordenBeideGeboekt", {},
              {{D(2, 12), 2.5, 2, "KOFFIEBAR", "Koffie", "BA"}, {D(2, 12), 2.5, 2, "KOFFIEBAR", "Koffie", "BA"}},
              Knop::Invoeren, {std::nullopt, D(2, 12)}, {false, true}, {Uitkomst::Geboekt, Uitkomst::Geboekt}},
        // A replace on a later statement moves the record behind the day's
        // others of earlier statements.
        Geval{"VervangenZetDeBoekingOpZijnPlaats",
              {{D(1, 12), "410", -950, "Woonstichting Thuis", "Huur december", "AC", "", 3 * 64},
               {D(1, 12), "310", -12, "Bakker", "Brood", "BA", "", 5 * 64},
               {D(2, 12), "310", -8, "Bakker", "Brood", "BA", "", 5 * 64}},
              {kHuurDecRegel}, Knop::Vervangen, {D(1, 12)}, {true}, {Uitkomst::Vervangen}}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(BetalingTest, EenVervangenZonderDezelfdeBetalingLaatHetGrootboekOngemoeid) {
  BetaalBoek boek;
  boek.Zet(kEnergieJan);
  EXPECT_TRUE(BouwSaldoMatrix(boek.kb).Gelukt());
  boek.a.BeginRun();
  boek.a.regel = BetaalBoek::Lijn(kEnergieDecRegel);
  boek.a.beste = {63, 1};
  boek.a.VervangBeste();
  EXPECT_EQ(boek.kb.KasLijst[1].Omschrijving, "Voorschot energie januari");
  EXPECT_EQ(boek.kb.KasLijst[1].Datum, D(5, 1));
}

TEST(BetalingTest, MetEenPersoonVraagtEenAndereActiecodeOfHijAlBestaat) {
  BetaalBoek boek;
  boek.Zet(kHuurDec);
  EXPECT_TRUE(BouwSaldoMatrix(boek.kb).Gelukt());
  boek.a.dubbeleOverslaan = false;
  boek.a.BeginRun();
  EXPECT_EQ(boek.Verwerk(BetaalBoek::Lijn(kHuurDecRegel)), Uitkomst::Overgeslagen);
  EXPECT_EQ(boek.berichten.Teksten(), (std::vector<std::string>{"Transactie bestaat al, nogmaals invoeren?"}));
}

// A group typed in the comparison window that the book lacks: with the
// user's yes the window's group maker makes it and the line is booked under
// it; when nothing makes it, the user hears so and the line goes to the
// general group.
TEST(BetalingTest, EenOnbekendeGroepWordtGemaaktOfWordtAlgemeen) {
  struct GroepTyper : VergelijkVoerder {
    void Toon(VergelijkModel& v) override {
      v.Tekst(VergelijkModel::Groep) = "999";
      if (!v.Invoeren()) v.Overslaan();
    }
  };
  for (const bool maker : {true, false}) {
    SCOPED_TRACE(maker);
    BetaalBoek boek;
    GroepTyper typer;
    Afstemming a(boek.kb, boek.kiezer, typer);
    a.ZetBewaarder([] {});
    std::vector<std::string> gevraagd;
    if (maker) {
      a.ZetGroepMaker([&](const std::string& kode) -> std::optional<std::string> {
        gevraagd.push_back(kode);
        test::VoegGroepToe(boek.kb, kode, "Nieuw", " V ");
        return kode;
      });
    }
    boek.berichten.standaardAntwoord = antwoord::Ja;
    EXPECT_TRUE(BouwSaldoMatrix(boek.kb).Gelukt());
    a.BeginRun();
    a.regel = BetaalBoek::Lijn(kHuurDecRegel);
    a.origineleOmschrijving = a.regel.Omschrijving;
    a.ReconcileLine();
    ASSERT_TRUE(a.invoegen);
    ASSERT_TRUE(a.InsertLine());
    const auto geboekt = std::find_if(boek.kb.KasLijst.begin(), boek.kb.KasLijst.end(),
                                      [](const TKas& k) { return k.Omschrijving == kHuurDecRegel.omschrijving; });
    ASSERT_NE(geboekt, boek.kb.KasLijst.end());
    if (maker) {
      EXPECT_EQ(gevraagd, std::vector<std::string>{"999"});
      EXPECT_EQ(geboekt->GroepKode, "999");
      EXPECT_EQ(std::ranges::count(boek.berichten.Teksten(), "Groep niet opgevoerd!"), 0);
    } else {
      EXPECT_EQ(geboekt->GroepKode, kAlgemeenKode);
      EXPECT_EQ(std::ranges::count(boek.berichten.Teksten(), "Groep niet opgevoerd!"), 1);
    }
  }
}

// The Rabobank CSV of an account booked, then the CAMT.053 file of the same
// account and days: its codes differ (BkTxCd against "ba", "ov", "ic"), its
// debits are signed otherwise, and it books nothing a second time.
TEST(BetalingTest, TweeLayoutsVanEenRekeningBoekenNietsDubbel) {
  test::BankBoek boek;  // "Betaal 123456789" holds the files' NL12ABNA0123456789
  struct Invoerder : VergelijkVoerder {
    void Toon(VergelijkModel& v) override {
      if (!v.Invoeren()) v.Overslaan();
    }
  } invoerder;
  auto lees = [&](const std::string& fixture) {
    BankImport& run = boek.LeesFixture(kAutomatischTag, fixture);
    EXPECT_TRUE(boek.gelukt) << fixture;
    Afstemming a(boek.kb, boek.kiezer, invoerder);
    a.ZetBewaarder([] {});
    a.dubbeleOverslaan = true;
    AfschriftModel afschrift(boek.kb, run, a);
    afschrift.NeemOver(MaakDatum(2026, 1, 1));
    afschrift.ProcessStatement();
  };
  EXPECT_TRUE(BouwSaldoMatrix(boek.kb).Gelukt());
  lees("vier.rabo.csv");
  const int naEerste = boek.kb.MaxKas();
  ASSERT_GE(naEerste, 4);
  lees("vier.camt053.xml");
  EXPECT_EQ(boek.kb.MaxKas(), naEerste);
}

}  // namespace
}  // namespace valdero
