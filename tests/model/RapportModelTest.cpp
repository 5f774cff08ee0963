// The overview window's model: opening every kind, the period filter and
// its edge cases, paging, sorting, the statement view, the month buttons,
// the rows and totals of the kinds, and books whose rows name an account or
// group that no longer exists.
#include <gtest/gtest.h>

#include "RapportHulpTest.h"
#include "model/core/Bedragen.h"
#include "model/reports/RapportHulp.h"
#include "model/reports/SelectieDialoog.h"

namespace valdero {
namespace {

using test::OpenRapport;
using test::RapportBoek;

std::vector<std::string> Kolom(const RapportTabel& t, std::size_t k) {
  std::vector<std::string> uit;
  for (const RapportRij& r : t.rijen) uit.push_back(k < r.cellen.size() ? r.cellen[k] : "");
  return uit;
}

const RapportRij* RijVan(const RapportTabel& t, const std::string& kode) {
  for (const RapportRij& r : t.rijen)
    if (!r.cellen.empty() && r.cellen[0] == kode) return &r;
  return nullptr;
}

TEST(RapportModel, ElkeSoortOpentOpHetVoorbeeld) {
  for (int soort : kRapportSoorten) {
    SCOPED_TRACE(soort);
    RapportBoek b;
    if (soort == rapport::Relaties) b.selectie.Relaties = {"Bakker"};
    RapportModel model(b.boek.kb, b.selectie);
    ASSERT_TRUE(OpenRapport(b, model, soort, soort == 1 ? 1 : (soort == 5 || soort == 6) ? 3 : 0));
    EXPECT_FALSE(model.Tabel().rijen.empty());
    EXPECT_EQ(model.Tabel().Kolommen(), static_cast<int>(model.Tabel().breedtes.size()));
    EXPECT_GT(RapportHelp(soort), 0);
  }
}

TEST(RapportModel, ZonderTransactiesOfSelectieGeenRapport) {
  struct Geval {
    const char* naam;
    int soort;
    const char* melding;
  };
  for (const Geval& g : {Geval{"geen transacties", 11, "Er zijn nog geen Transacties"},
                         Geval{"klassen leeg", 10, "Geen klassen gekozen"},
                         Geval{"relaties leeg", 16, "Geen relatie gekozen"}}) {
    SCOPED_TRACE(g.naam);
    RapportBoek b;
    if (g.soort == 11) b.boek.kb.KasLijst.resize(1);
    if (g.soort == 10) b.selectie.Klassen.assign(3, "");
    if (g.soort == 11) BereidSelectieVoor(b.boek.kb, b.selectie, g.soort);
    RapportModel model(b.boek.kb, b.selectie);
    EXPECT_FALSE(model.ShowReport(g.soort, 0));
    EXPECT_EQ(b.boek.berichten.Teksten(), std::vector<std::string>{g.melding});
  }
}

// Kind 12 selects only those of B, I, L, U, V that exist; with none it
// stops, while kind 22 opens with no rows.
TEST(RapportModel, MaandKlassenDieNietBestaan) {
  RapportBoek b;
  Kasboek& kb = b.boek.kb;
  kb.KlasseLijst = {kb.KlasseLijst[0]};
  kb.KlasseLijst[0].Letter = " Q ";
  RapportModel model(kb, b.selectie);
  EXPECT_FALSE(OpenRapport(b, model, rapport::BudgetMaand));
  EXPECT_EQ(b.boek.berichten.Teksten(), std::vector<std::string>{"Geen klassen gekozen"});
  ASSERT_TRUE(OpenRapport(b, model, rapport::BalansMaand));
  EXPECT_TRUE(model.Tabel().rijen.empty());
}

TEST(RapportModel, PeriodeRanden) {
  struct Geval {
    const char* naam;
    std::string begin, eind;
    double verwachtBegin, verwachtEind;
  };
  const double eerste = MaakDatum(2004, 1, 1), laatste = MaakDatum(2004, 8, 15);
  for (const Geval& g : {Geval{"eind voor begin wordt begin", "20-5-2004", "1-3-2004", MaakDatum(2004, 5, 20),
                               MaakDatum(2004, 5, 20)},
                         Geval{"buiten de transacties geklemd", "1-1-2003", "31-12-2005", eerste, laatste},
                         Geval{"half getypt aangevuld", "2003", "3", MaakDatum(2004, 3, 20), MaakDatum(2004, 6, 3)}}) {
    SCOPED_TRACE(g.naam);
    RapportBoek b;
    RapportModel model(b.boek.kb, b.selectie);
    ASSERT_TRUE(OpenRapport(b, model, rapport::Rekening, 1));
    ASSERT_TRUE(model.PeriodeOk(g.begin, g.eind));
    EXPECT_EQ(model.Stand().begin, g.verwachtBegin);
    EXPECT_EQ(model.Stand().eind, g.verwachtEind);
  }
}

// Dates on the begin and end are in, also when the begin carries a time;
// the running balance of a later period starts at 0.
TEST(RapportModel, PeriodeInsluitendEnSaldoVanafNul) {
  RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::Rekening, 1));
  ASSERT_TRUE(model.PeriodeOk("3-3-2004", "20-5-2004"));
  EXPECT_EQ(Kolom(model.Tabel(), 0), (std::vector<std::string>{"7", "12"}));
  EXPECT_EQ(Kolom(model.Tabel(), 5), (std::vector<std::string>{"-773,33", "-796,78"}));
  RapportStand stand;
  stand.begin = MaakDatum(2004, 3, 3) + 0.75;
  stand.eind = MaakDatum(2004, 5, 20);
  EXPECT_TRUE(stand.InPeriode(MaakDatum(2004, 3, 3)));
  EXPECT_TRUE(stand.InPeriode(MaakDatum(2004, 5, 20)));
  EXPECT_FALSE(stand.InPeriode(MaakDatum(2004, 5, 21)));
}

TEST(RapportModel, OngeldigeDatumLaatPeriodeStaan) {
  RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::Klassen));
  EXPECT_TRUE(model.PeriodePaneel());
  const double begin = model.Stand().begin;
  EXPECT_FALSE(model.PeriodeOk("31-2-2004", "1-6-2004"));
  EXPECT_EQ(model.Stand().begin, begin);
  EXPECT_EQ(b.boek.berichten.Teksten().back(),
            "31-2-2004 is geen geldige datum\n\r probeer opnieuw of controleer bestand");
}

// Kinds 10 and 16 take the period of the period code: the halves of the
// book's year.
TEST(RapportModel, PeriodeCodeKiestHalfjaar) {
  RapportBoek b;
  KiesAlleKlassen(b.boek.kb, b.selectie);
  b.selectie.PeriodCode = 2;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(model.ShowReport(rapport::Klassen, 0));
  EXPECT_EQ(model.BeginTekst(), "1-1-2004");
  EXPECT_EQ(model.EindTekst(), "30-6-2004");
  EXPECT_EQ(model.Tabel().rijen.size(), 9u);
  EXPECT_EQ(model.Tabel().KopRegel(0), "SPECIFIEKE KLASSE TRANSACTIES  Jaar:2004 1e Halfjaar");
}

// Kind 10 lists the amounts as booked, also for a half year or a period
// seen in another month: a divided amount would match no transaction.
TEST(RapportModel, KlasseRapportDeeltBedragenNiet) {
  for (int code : {2, 3, 4}) {
    SCOPED_TRACE(code);
    RapportBoek b(MaakDatum(2004, 4, 10));
    KiesKlassen(b.boek.kb, b.selectie, {"U"});
    b.selectie.PeriodCode = code;
    RapportModel model(b.boek.kb, b.selectie);
    ASSERT_TRUE(model.ShowReport(rapport::Klassen, 0));
    for (const RapportRij& r : model.Tabel().rijen) {
      const TKas& kas = b.boek.kb.KasLijst[static_cast<std::size_t>(r.kasIndex)];
      EXPECT_EQ(r.cellen[5], RapportBedrag(b.boek.kb, -kas.Bedrag));
    }
  }
}

TEST(RapportModel, VolgendeEnVorigeAanDeRanden) {
  RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::Rekening, 3));
  EXPECT_FALSE(model.Volgende());
  EXPECT_EQ(model.Stand().positie, 3);
  EXPECT_TRUE(model.Vorige());
  EXPECT_EQ(b.selectie.RekNr, 2);
  EXPECT_TRUE(model.Vorige());
  EXPECT_FALSE(model.Vorige());
  EXPECT_EQ(model.Stand().positie, 1);
  EXPECT_EQ(model.VolgendeHint(), "Toon volgende rekening");
}

TEST(RapportModel, SamengesteldWordtEnkelZonderSubgroepen) {
  struct Geval {
    const char* naam;
    int groep;
    const char* melding;
  };
  for (const Geval& g : {Geval{"subgroep zelf", 4, "Groep = Subgroep "},
                         Geval{"geen subgroepen", 6, "Geen Samengestelde groep"},
                         Geval{"rekeninggroep", 1, "Geen Samengestelde groep"}}) {
    SCOPED_TRACE(g.naam);
    RapportBoek b;
    RapportModel model(b.boek.kb, b.selectie);
    ASSERT_TRUE(OpenRapport(b, model, rapport::Samengesteld, g.groep));
    EXPECT_EQ(model.Soort(), rapport::Groep);
    EXPECT_EQ(b.boek.berichten.Teksten().front(), g.melding);
  }
  // Paging from a compound group onto a plain one turns the kind to 5.
  RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::Samengesteld, 3));
  EXPECT_EQ(model.Soort(), rapport::Samengesteld);
  EXPECT_TRUE(model.Volgende());
  EXPECT_EQ(model.Soort(), rapport::Groep);
}

// A group of an account gets a summary row for what the account holds
// under other groups; its totals are then the account's.
TEST(RapportModel, RekeningGroepKrijgtSamenvatting) {
  RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::Groep, 1));
  const auto& t = model.Tabel();
  ASSERT_EQ(t.rijen.size(), 2u);
  EXPECT_EQ(t.rijen[1].cellen, (std::vector<std::string>{"1", "-", "15-06-2004", "Betaalrekening", "2000,00",
                                                          "1846,78", "Inkomsten/Uitgaven"}));
  EXPECT_EQ(t.rijen[1].kasIndex, 0);
  EXPECT_EQ(t.totalen[0].velden[0].tekst, "3000,00");
  EXPECT_EQ(t.totalen[0].velden[1].tekst, "1846,78");
  EXPECT_EQ(t.totalen[1].velden[0].tekst, "1153,22");
  EXPECT_TRUE(t.totalen[1].zichtbaar);
  EXPECT_EQ(t.aantal, "Aantal = 2");
}

TEST(RapportModel, AflopendEnAfschrift) {
  RapportBoek b;
  b.boek.kb.KasLijst[8].Omschrijving =
      "een lange omschrijving die over meer dan een regel loopt want zij is lang genoeg";
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::Rekening, 1));
  model.ZetAflopend(true);
  EXPECT_EQ(Kolom(model.Tabel(), 0), (std::vector<std::string>{"13", "12", "7", "3", "2", "1"}));
  model.ZetAflopend(false);
  model.WisselAfschrift();
  const auto& t = model.Tabel();
  EXPECT_EQ(t.titels[3], "Tegenrek.");
  EXPECT_EQ(t.rijen[4].omschrijving,
            (std::vector<std::string>{"een lange omschrijving die over meer dan ", "een regel loopt want zij is lang genoeg"}));
  EXPECT_EQ(t.afschriftSaldo.tekst, "1153,22");
  EXPECT_EQ(LaatsteKolom(t, false), 6);
}

TEST(RapportModel, MaandKnoppen) {
  RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::Rekening, 1));
  EXPECT_EQ(model.Tabel().laatsteMaand, 8);
  EXPECT_EQ(model.KiesMaand(3), 3);
  EXPECT_EQ(model.KiesMaand(4), -1);
  EXPECT_TRUE(b.boek.berichten.Teksten().empty());
  EXPECT_EQ(model.KiesMaand(9), -1);
  EXPECT_EQ(b.boek.berichten.Teksten(), std::vector<std::string>{"Maand bestaat niet"});
}

// A relation report matches the whole name, however long.
TEST(RapportModel, LangeRelatieNaamVindtZijnTransacties) {
  RapportBoek b;
  const std::string lang = "Stichting Beheer Gezamenlijke Bakkerijen";
  b.Kas(1, "201", 21, 5, 14, -5.00, lang, "brood");
  SelectieInhoud in = VulSelectie(b.boek.kb, rapport::Relaties);
  std::vector<bool> vink(in.items.size(), false);
  for (std::size_t i = 0; i < in.items.size(); ++i) vink[i] = in.items[i] == lang;
  ASSERT_EQ(BevestigSelectie(b.boek.kb, in, vink, 0, b.selectie), "");
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(model.ShowReport(rapport::Relaties, 0));
  ASSERT_EQ(model.Tabel().rijen.size(), 1u);
  EXPECT_EQ(model.Tabel().rijen[0].cellen[6], "brood");
}

TEST(RapportModel, BudgetPercentagesEnJaartotaal) {
  // Another year: R = B, and the difference carries "*".
  RapportBoek b(MaakDatum(2006, 6, 15));
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::BalansJaar));
  const RapportRij* boodschappen = RijVan(model.Tabel(), "201");
  ASSERT_NE(boodschappen, nullptr);
  EXPECT_EQ(boodschappen->cellen[4], "353,22*");
  EXPECT_EQ(boodschappen->cellen[5], "");
  // Budget 0: income shows 100% in column 6, expenses in column 7.
  EXPECT_EQ(RijVan(model.Tabel(), "1")->cellen[6], "100%");
  EXPECT_EQ(RijVan(model.Tabel(), "201a")->cellen[7], "100%");
  EXPECT_EQ(RijVan(model.Tabel(), "xxxx")->cellen[6], "");
  EXPECT_EQ(model.Tabel().noot, " * = Jaartotaal ");

  // Kind 22 in June doubles the actual amounts before dividing by 12.
  ASSERT_TRUE(OpenRapport(b, model, rapport::BalansMaand));
  EXPECT_EQ(RijVan(model.Tabel(), "201")->cellen[3], "-141,13");
  // Kind 12 extrapolates only in the book's own year.
  ASSERT_TRUE(OpenRapport(b, model, rapport::BudgetMaand));
  EXPECT_EQ(RijVan(model.Tabel(), "201")->cellen[5], "70,57");
}

TEST(RapportModel, SaldiZonderKruispostenEnTransferRekening) {
  RapportBoek b;
  Kasboek& kb = b.boek.kb;
  RapportModel model(kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::AlleSaldi));
  // Account 99 has nothing: left out.
  EXPECT_EQ(Kolom(model.Tabel(), 0), (std::vector<std::string>{"1", "2"}));
  EXPECT_TRUE(b.boek.berichten.Teksten().empty());
  // Amounts on the transfer account that cancel out to a rounding error
  // leave it out all the same, and cross-postings that cancel out so give
  // no warning.
  b.Kas(99, "xxxx", 1, 6, 10, 0.1, "", "a");
  b.Kas(99, "xxxx", 1, 6, 11, 0.2, "", "b");
  b.Kas(99, "xxxx", 1, 6, 12, -0.3, "", "c");
  EXPECT_TRUE(BouwSaldoMatrix(kb).Gelukt());
  ASSERT_TRUE(OpenRapport(b, model, rapport::AlleSaldi));
  EXPECT_EQ(Kolom(model.Tabel(), 0), (std::vector<std::string>{"1", "2"}));
  EXPECT_TRUE(b.boek.berichten.Teksten().empty());
  // One leg of a transfer without its counterpart: the warning.
  b.Kas(1, "xxxx", 1, 6, 14, -10.00, "", "half");
  EXPECT_TRUE(BouwSaldoMatrix(kb).Gelukt());
  ASSERT_TRUE(OpenRapport(b, model, rapport::AlleSaldi));
  EXPECT_EQ(b.boek.berichten.Teksten(),
            std::vector<std::string>{
                "Som van alle Kruisposten moet 0 zijn!\rControleer Groep \"Kruisposten\"van Overzichtenmenu"});
  // Only the chosen kinds.
  KiesSoorten(kb, b.selectie, {"SP"});
  ASSERT_TRUE(model.ShowReport(rapport::SaldiSelectie, 0));
  EXPECT_EQ(Kolom(model.Tabel(), 0), (std::vector<std::string>{"2"}));
  EXPECT_EQ(model.Tabel().KopRegel(1), " Voor de rekeningsoorten : SP ");
}

// Transactions whose account or group was deleted with "Nee" keep their
// codes; every report still builds.
TEST(RapportModel, VerdwenenRekeningOfGroepLaatNietsVallen) {
  RapportBoek b;
  Kasboek& kb = b.boek.kb;
  b.Kas(7, "201", 5, 5, 1, -3.00, "Wees", "zonder rekening");
  b.Kas(1, "999", 6, 5, 15, -4.00, "Wees", "zonder groep");
  kb.HernummerKas();
  EXPECT_FALSE(BouwSaldoMatrix(kb).Gelukt());
  b.boek.berichten.Wis();
  b.selectie.Relaties = {"Wees"};
  for (int soort : kRapportSoorten) {
    SCOPED_TRACE(soort);
    RapportModel model(kb, b.selectie);
    ASSERT_TRUE(OpenRapport(b, model, soort, soort == 1 ? 1 : (soort == 5 || soort == 6) ? 3 : 0));
    (void)model.OpslaanTekst(model.Tabel().breedtes, 10);
  }
  RapportModel model(kb, b.selectie);
  ASSERT_TRUE(model.ShowReport(rapport::Relaties, 0));
  EXPECT_EQ(model.Tabel().rijen.size(), 2u);
}

// A sum that cancels out is "0,00", never "-0,00".
TEST(RapportModel, NulIsNooitMinNul) {
  RapportBoek b;
  EXPECT_EQ(RapportBedrag(b.boek.kb, -0.0), "0,00");
  EXPECT_EQ(RapportBedrag(b.boek.kb, -0.004), "0,00");
  EXPECT_EQ(RapportBedrag(b.boek.kb, 0.1 + 0.2 - 0.3 - 1e-17), "0,00");
  EXPECT_EQ(RapportBedrag(b.boek.kb, -0.01), "-0,01");
}

TEST(RapportModel, DetailRasterVanDeGekozenTransactie) {
  RapportBoek b;
  RapportModel model(b.boek.kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::Rekening, 1));
  const auto d = model.Detail(4);
  ASSERT_EQ(d.size(), 6u);
  EXPECT_EQ(d[0], (std::vector<std::string>{"Groep ", "201 Boodschappen", "VolgNr", "12"}));
  EXPECT_EQ(d[1][1], "20-5-2004");
  EXPECT_EQ(d[3], (std::vector<std::string>{"Relatie", "Bakker", "Koers", "1,00000"}));
  // Class " U " carries VAT at 19%: 19 x -23,45 / 119.
  EXPECT_EQ(d[4], (std::vector<std::string>{"Bedrag", "-23,45", "BTW bedrag", "-3,74"}));
  EXPECT_EQ(d[5], (std::vector<std::string>{"Omschrijving", "boodschappen", "Klasse", " U "}));
  // The compound group totals the row with its subgroups.
  ASSERT_TRUE(OpenRapport(b, model, rapport::Samengesteld, 3));
  EXPECT_EQ(model.Detail(1)[4][1], "-27,55 totaal");
  EXPECT_EQ(model.Detail(1)[0][1], "1 Betaalrekening");
  // Budget reports have no detail.
  ASSERT_TRUE(OpenRapport(b, model, rapport::BudgetJaar));
  EXPECT_TRUE(model.Detail(0).empty());
}

// After a deletion the row at the old position is selected, or the last.
TEST(RapportModel, RefreshKiestRijOpDezelfdePlaats) {
  RapportBoek b;
  Kasboek& kb = b.boek.kb;
  RapportModel model(kb, b.selectie);
  ASSERT_TRUE(OpenRapport(b, model, rapport::Rekening, 1));
  model.ZetGekozenRij(4);
  kb.KasLijst.erase(kb.KasLijst.begin() + model.Tabel().rijen[4].kasIndex);
  kb.HernummerKas();
  model.RefreshReport();
  EXPECT_EQ(model.GekozenRij(), 4);
  EXPECT_EQ(model.Tabel().rijen[4].cellen[6], "taart");
  model.ZetGekozenRij(4);
  kb.KasLijst.erase(kb.KasLijst.begin() + model.Tabel().rijen[4].kasIndex);
  kb.HernummerKas();
  model.RefreshReport();
  EXPECT_EQ(model.GekozenRij(), 3);
}

}  // namespace
}  // namespace valdero
