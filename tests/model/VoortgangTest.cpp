// The progress of long work: the reporter that passes on whole hundredths,
// and what a save, the large reports, the exports, a bank file and an
// unattended reconciliation report through the port.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "BankImportTestBoek.h"
#include "FoutBestanden.h"
#include "TestBoek.h"
#include "model/bankimport/AfschriftModel.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/BankFormaat.h"
#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingModel.h"
#include "model/core/OpnameVoortgang.h"
#include "model/core/Voortgang.h"
#include "model/example/VoorbeeldBoek.h"
#include "model/export/Export.h"
#include "model/reports/BtwRapport.h"
#include "model/reports/RapportModel.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/ReportSelection.h"
#include "model/storage/BoekBestand.h"

namespace valdero {
namespace {

// One piece of work as the port saw it, with the work it held.
struct Werk {
  std::string wat;
  std::uint64_t totaal = 0;
  std::vector<std::uint64_t> stappen;
  bool beeindigd = false;
  int diepte = 0;
};

// The works of a recording in the order they began; a Stap or Einde belongs
// to the innermost work that is still open.
std::vector<Werk> Werken(const OpnameVoortgang& opname) {
  std::vector<Werk> werken;
  std::vector<std::size_t> open;
  for (const VoortgangMelding& m : opname.meldingen) {
    switch (m.soort) {
      case VoortgangMelding::Begin:
        werken.push_back({m.wat, m.waarde, {}, false, static_cast<int>(open.size())});
        open.push_back(werken.size() - 1);
        break;
      case VoortgangMelding::Stap:
        EXPECT_FALSE(open.empty()) << "een stap buiten elk werk";
        if (!open.empty()) werken[open.back()].stappen.push_back(m.waarde);
        break;
      case VoortgangMelding::Einde:
        EXPECT_FALSE(open.empty()) << "een einde zonder begin";
        if (!open.empty()) {
          werken[open.back()].beeindigd = true;
          open.pop_back();
        }
        break;
    }
  }
  EXPECT_TRUE(open.empty()) << "werk zonder einde";
  return werken;
}

// Steps that only go forward, about a hundred of them at most (a hundredth
// rounds down, so a few more), and the last one the total.
void ControleerVoltooid(const Werk& w) {
  SCOPED_TRACE(w.wat);
  EXPECT_TRUE(w.beeindigd);
  ASSERT_FALSE(w.stappen.empty());
  for (std::size_t i = 1; i < w.stappen.size(); ++i) EXPECT_LT(w.stappen[i - 1], w.stappen[i]);
  EXPECT_LE(w.stappen.size(), 104u);
  EXPECT_EQ(w.stappen.back(), w.totaal);
}

std::vector<Werk> Met(const std::vector<Werk>& werken, const std::string& wat) {
  std::vector<Werk> uit;
  for (const Werk& w : werken)
    if (w.wat == wat) uit.push_back(w);
  return uit;
}

// --- The reporter ---

struct MelderGeval {
  const char* naam;
  std::uint64_t totaal;
  std::uint64_t van, tot;  // Stap(van..tot), every one
  std::vector<std::uint64_t> doorgegeven;
};

std::vector<std::uint64_t> Reeks(std::uint64_t van, std::uint64_t tot, std::uint64_t stap) {
  std::vector<std::uint64_t> r;
  for (std::uint64_t i = van; i <= tot; i += stap) r.push_back(i);
  return r;
}

TEST(VoortgangMelder, PassesOnWholeHundredthsAndAlwaysTheTotal) {
  std::vector<std::uint64_t> metSlot = Reeks(1, 1041, 10);
  metSlot.push_back(1050);
  const std::vector<MelderGeval> gevallen = {
      {"duizend stappen van 0", 1000, 0, 1000, Reeks(0, 1000, 10)},
      {"minder dan honderd: elke stap", 40, 1, 40, Reeks(1, 40, 1)},
      {"het totaal ligt tussen twee honderdsten", 1050, 1, 1050, metSlot},
      {"voorbij het totaal: het totaal, eenmaal", 10, 9, 25, {9, 10}},
  };
  for (const MelderGeval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    OpnameVoortgang opname;
    {
      VoortgangMelder melder(opname, "Werk", g.totaal);
      for (std::uint64_t i = g.van; i <= g.tot; ++i) melder.Stap(i);
    }
    const auto werken = Werken(opname);
    ASSERT_EQ(werken.size(), 1u);
    EXPECT_EQ(werken[0].wat, "Werk");
    EXPECT_EQ(werken[0].totaal, g.totaal);
    EXPECT_EQ(werken[0].stappen, g.doorgegeven);
    EXPECT_TRUE(werken[0].beeindigd);
  }
}

TEST(VoortgangMelder, EndsWorkThatStopsEarlyAndNeverGoesBack) {
  OpnameVoortgang opname;
  {
    VoortgangMelder melder(opname, "Half", 200);
    melder.Stap(50);
    melder.Stap(20);  // back: nothing
    melder.Stap(51);  // within the same hundredth: nothing
  }
  const auto werken = Werken(opname);
  ASSERT_EQ(werken.size(), 1u);
  EXPECT_EQ(werken[0].stappen, (std::vector<std::uint64_t>{50}));
  EXPECT_TRUE(werken[0].beeindigd);
}

TEST(VoortgangMelder, OnThePortOfNoProgressOrWithoutWorkNothingHappens) {
  GeenVoortgang geen;
  VoortgangMelder geenPoort(geen, "Niets", 1000);
  for (std::uint64_t i : {std::uint64_t{0}, std::uint64_t{500}, std::uint64_t{1000}, UINT64_MAX})
    geenPoort.Stap(i);

  OpnameVoortgang opname;
  {
    VoortgangMelder leeg(opname, "Leeg", 0);
    leeg.Stap(0);
    leeg.Stap(1);
  }
  EXPECT_TRUE(opname.meldingen.empty());
}

// --- The work that reports ---

// A port that also notes how many messages had been shown when the work
// ended: a message about the outcome must come after the progress is gone.
struct BerichtBewusteOpname : OpnameVoortgang {
  explicit BerichtBewusteOpname(const ScriptBerichten& b) : berichten(b) {}
  void Einde() override {
    OpnameVoortgang::Einde();
    berichtenBijEinde.push_back(berichten.getoond.size());
  }
  const ScriptBerichten& berichten;
  std::vector<std::size_t> berichtenBijEinde;
};

// The example year written into a folder of its own, the port attached
// after the writing.
struct VoorbeeldJaar : BoekMetPoorten {
  explicit VoorbeeldJaar(int transacties) : BoekMetPoorten(MaakDatum(2026, 6, 15)) {
    kb.sessie.Map = map.pad();
    std::string fout;
    EXPECT_TRUE(SchrijfVoorbeeldBoek(kb, {.jaar = 2026, .transacties = transacties}, fout)) << fout;
    berichten.Wis();
    kb.poorten.voortgang = opname;
  }
  test::TestMap map;
  BerichtBewusteOpname opname{berichten};
};

TEST(Voortgang, ASaveReportsEveryRecordAndEndsWhenTheFileIsOnDisk) {
  VoorbeeldJaar jaar(3000);
  Kasboek& kb = jaar.kb;
  kb.MuntOmzetten = false;
  ASSERT_TRUE(BewaarBoek(kb, false).Gelukt());

  const auto werken = Werken(jaar.opname);
  ASSERT_EQ(werken.size(), 1u);
  EXPECT_EQ(werken[0].wat, "Bewaren Valdr26.vdr");
  // Every record of the four sections, and the write.
  const std::uint64_t records = static_cast<std::uint64_t>(kb.MaxRek() + 1 + kb.MaxGroep() + 1 + kb.MaxKas() + 1 +
                                                           (kb.RelatiesAanwezig ? kb.MaxRelatie() + 1 : 0));
  EXPECT_EQ(werken[0].totaal, records + 1);
  ControleerVoltooid(werken[0]);
  // The file on disk is the last step; the records come before it.
  EXPECT_LE(werken[0].stappen[werken[0].stappen.size() - 2], records);
}

TEST(Voortgang, AFailedSaveEndsItsProgressBeforeTheErrorReport) {
  VoorbeeldJaar jaar(500);
  jaar.kb.sessie.EersteBewaring = false;  // no backup: the first step is the new file's
  test::FoutBestanden bestanden;
  bestanden.faaltBij = 0;
  jaar.kb.poorten.bestandssysteem = bestanden;
  EXPECT_FALSE(BewaarBoek(jaar.kb, false).Gelukt());

  const auto werken = Werken(jaar.opname);
  ASSERT_EQ(werken.size(), 1u);
  EXPECT_TRUE(werken[0].beeindigd);
  ASSERT_FALSE(werken[0].stappen.empty());
  EXPECT_LT(werken[0].stappen.back(), werken[0].totaal) << "niet op schijf: het laatste deel blijft open";
  EXPECT_EQ(jaar.opname.berichtenBijEinde, (std::vector<std::size_t>{0}));
  EXPECT_FALSE(jaar.berichten.getoond.empty());
}

TEST(Voortgang, LargeReportsReportTheirWalkOverTheYearTheirTextAndTheirPrint) {
  VoorbeeldJaar jaar(5000);
  Kasboek& kb = jaar.kb;
  ReportSelection selectie;
  for (int soort : {rapport::Rekening, rapport::Groep, rapport::Klassen, rapport::BudgetTijdvak,
                    rapport::AlleSaldi}) {
    SCOPED_TRACE(soort);
    jaar.opname.meldingen.clear();
    BereidSelectieVoor(kb, selectie, soort);
    if (VraagVoor(soort) == SelectieVraag::Klassen) KiesAlleKlassen(kb, selectie);
    if (VraagVoor(soort) == SelectieVraag::Soorten) KiesAlleSoorten(kb, selectie);
    RapportModel model(kb, selectie);
    ASSERT_TRUE(model.ShowReport(soort, 1));
    auto werken = Met(Werken(jaar.opname), "Overzicht opbouwen");
    ASSERT_EQ(werken.size(), 1u);
    EXPECT_EQ(werken[0].totaal, static_cast<std::uint64_t>(kb.MaxKas()));
    ControleerVoltooid(werken[0]);

    jaar.opname.meldingen.clear();
    EXPECT_FALSE(model.OpslaanTekst(model.Tabel().breedtes, 10).empty());
    werken = Werken(jaar.opname);
    ASSERT_EQ(werken.size(), 1u);
    EXPECT_EQ(werken[0].wat, "Overzicht opmaken");
    EXPECT_EQ(werken[0].totaal, model.Tabel().rijen.size());
    ControleerVoltooid(werken[0]);
  }

  // The account report printed: one step per row.
  RapportModel model(kb, selectie);
  ASSERT_TRUE(model.ShowReport(rapport::Rekening, 1));
  jaar.opname.meldingen.clear();
  ASSERT_TRUE(model.Print(jaar.printer, model.Tabel().breedtes));
  const auto werken = Werken(jaar.opname);
  ASSERT_EQ(werken.size(), 1u);
  EXPECT_EQ(werken[0].wat, "Afdrukken");
  EXPECT_EQ(werken[0].totaal, model.Tabel().rijen.size());
  ControleerVoltooid(werken[0]);
}

TEST(Voortgang, TheVatOverviewEndsItsProgressBeforeItsMessage) {
  VoorbeeldJaar jaar(2000);
  const BtwRapport o = BouwBtwRapport(jaar.kb, 0);
  const auto werken = Werken(jaar.opname);
  ASSERT_EQ(werken.size(), 1u);
  EXPECT_EQ(werken[0].wat, "BTW-overzicht opbouwen");
  ControleerVoltooid(werken[0]);
  EXPECT_EQ(jaar.opname.berichtenBijEinde, (std::vector<std::size_t>{0}));
  static_cast<void>(o);
}

TEST(Voortgang, AnExportAndAJournalReportTheirWalkUnderTheFileName) {
  VoorbeeldJaar jaar(3000);
  Kasboek& kb = jaar.kb;
  ExportModel model(kb);
  model.Open(1);
  ASSERT_TRUE(model.Schrijf("rekening.txt"));
  auto werken = Werken(jaar.opname);
  ASSERT_EQ(werken.size(), 1u);
  EXPECT_EQ(werken[0].wat, "Exporteren rekening.txt");
  EXPECT_EQ(werken[0].totaal, static_cast<std::uint64_t>(kb.MaxKas()));
  ControleerVoltooid(werken[0]);

  jaar.opname.meldingen.clear();
  model.journaal = true;
  ASSERT_TRUE(model.Schrijf("jaar.journal"));
  werken = Werken(jaar.opname);
  ASSERT_EQ(werken.size(), 1u);
  EXPECT_EQ(werken[0].wat, "Exporteren jaar.journal");
  EXPECT_EQ(werken[0].totaal, 2u * static_cast<std::uint64_t>(kb.MaxKas()));
  ControleerVoltooid(werken[0]);
}

// A bank file of `n` lines: the first line of the ABN AMRO fixture again
// and again.
std::string VeleAbnRegels(int n) {
  const std::string fixture = test::BankFixture("abn.tab");
  const std::string regel = fixture.substr(0, fixture.find('\n') + 1);
  std::string tekst;
  for (int i = 0; i < n; ++i) tekst += regel;
  return tekst;
}

TEST(Voortgang, ABankFileOfThousandsOfLinesReportsItsReading) {
  test::BankBoek boek;
  OpnameVoortgang opname;
  boek.kb.poorten.voortgang = opname;
  BankImport& run = boek.Lees(2, "map/AbnMut.tab", VeleAbnRegels(4000));
  ASSERT_EQ(run.Laatste(), 4000);
  const auto werken = Werken(opname);
  ASSERT_EQ(werken.size(), 1u);
  EXPECT_EQ(werken[0].wat, "Inlezen AbnMut.tab");
  EXPECT_EQ(werken[0].totaal, run.Regels().size());
  ControleerVoltooid(werken[0]);
}

TEST(Voortgang, EveryBankLayoutReportsItsLines) {
  const std::vector<std::pair<int, const char*>> bestanden = {
      {2, "abn.tab"},
      {0, "rabo.txt"},
      {kAutomatischTag, "vier.camt053.xml"},
      {kAutomatischTag, "vier.mt940.sta"},
      {kAutomatischTag, "vier.rabo.csv"},
      {kAutomatischTag, "vier.ing.csv"},
      {4, "ing1.csv"},
  };
  for (const auto& [tag, bestand] : bestanden) {
    SCOPED_TRACE(bestand);
    test::BankBoek boek;
    OpnameVoortgang opname;
    boek.kb.poorten.voortgang = opname;
    BankImport& run = boek.LeesFixture(tag, bestand);
    EXPECT_GT(run.Laatste(), 0);
    const auto werken = Met(Werken(opname), std::string("Inlezen ") + bestand);
    ASSERT_EQ(werken.size(), 1u);
    EXPECT_EQ(werken[0].totaal, run.Regels().size());
    ControleerVoltooid(werken[0]);
    EXPECT_GE(werken[0].stappen.size(), 2u) << "stappen onderweg, niet alleen het einde";
  }
}

struct GeenVenster : VergelijkVoerder {
  void Toon(VergelijkModel&) override {}
};

TEST(Voortgang, AnUnattendedReconciliationReportsItsLinesAndAPersonsDoesNot) {
  for (bool zonderPersoon : {true, false}) {
    SCOPED_TRACE(zonderPersoon);
    test::BankBoek boek;
    for (int i = 1; i <= 400; ++i) test::VoegTransactieToe(*boek, 1, "1", MaakDatum(2008, 1, 1 + i % 28), -i);
    boek->HernummerKas();
    BankImport& run = boek.Lees(2, "AbnMut.tab", VeleAbnRegels(300));
    ASSERT_EQ(run.Laatste(), 300);
    OpnameVoortgang opname;
    boek.kb.poorten.voortgang = opname;
    GeenVenster venster;
    Afstemming afstemming(boek.kb, boek.kiezer, venster);
    int bewaard = 0;
    afstemming.ZetBewaarder([&bewaard] { ++bewaard; });
    AfschriftModel model(boek.kb, run, afstemming);
    model.NeemOver(0);
    model.voortgangMelden = zonderPersoon;
    model.ProcessStatement();

    const auto werken = Werken(opname);
    // The index over the ledger is built at the start (and again after the
    // opening balances).
    const auto index = Met(werken, "Afstemming voorbereiden");
    ASSERT_GE(index.size(), 1u);
    EXPECT_EQ(index[0].totaal, 400u);
    ControleerVoltooid(index[0]);
    const auto afstemmen = Met(werken, "Bankregels afstemmen");
    if (!zonderPersoon) {
      EXPECT_TRUE(afstemmen.empty());
      continue;
    }
    ASSERT_EQ(afstemmen.size(), 1u);
    EXPECT_EQ(afstemmen[0].totaal, 300u);
    ControleerVoltooid(afstemmen[0]);
  }
}

}  // namespace
}  // namespace valdero

namespace valdero {
namespace {

TEST(Voortgang, TheBookingWindowsAccountGridReportsItsRows) {
  VoorbeeldJaar jaar(3000);
  Kasboek& kb = jaar.kb;
  VasteVensters vensters;
  BoekingModel model(kb, vensters, vensters, [](Kasboek&) {});
  ASSERT_TRUE(model.Start(modus::Afboeken, true));
  EXPECT_TRUE(Werken(jaar.opname).empty());  // a hidden grid costs nothing
  model.ToonGrid();

  const auto werken = Met(Werken(jaar.opname), "Rekening tonen");
  ASSERT_EQ(werken.size(), 1u);
  std::uint64_t rijen = 0;
  for (int p = 1; p <= kb.MaxKas(); ++p)
    if (kb.KasLijst[static_cast<std::size_t>(p)].RekNr == model.Stand().werk.RekNr) ++rijen;
  EXPECT_GT(rijen, 100u);
  EXPECT_EQ(werken[0].totaal, rijen);
  ControleerVoltooid(werken[0]);
  EXPECT_EQ(model.Stand().grid.rijen.size(), rijen + 1);  // and the closing row
}

}  // namespace
}  // namespace valdero
