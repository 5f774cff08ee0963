#include <gtest/gtest.h>

#include "TestBoek.h"
#include "model/core/SaldoMatrix.h"
#include "model/search/ZoekModel.h"

namespace valdero {
namespace {

using test::VoegGroepToe;
using test::VoegRekeningToe;

// A small book: a payment account, a securities account and the agenda
// account; income, expense, securities and VAT groups; and transactions
// added in list order.
struct ZoekBoek : test::BoekMetPoorten {
  ZoekBoek() : BoekMetPoorten(MaakDatum(2025, 6, 30)) {
    VoegRekeningToe(kb, 1, "Betaalrekening", "BT");
    VoegRekeningToe(kb, 2, "Effecten", "EF");
    VoegRekeningToe(kb, 99, "TRANSFER REKENING", "TR");
    VoegGroepToe(kb, "201", "Salaris", " I ");
    VoegGroepToe(kb, "430", "Boodschappen", " U ");
    VoegGroepToe(kb, "510", "Reparaties", " V ");
    VoegGroepToe(kb, "900", "Aandelen", " E ");
    test::VoegKlasseToe(kb, " A ", "algemeen", 0, 0);
    test::VoegKlasseToe(kb, " V ", "met btw", 2, 21);
    test::VoegValutaToe(kb, "Eur", 1, true, "Euro");
    kb.KasJaar = "2025";
    kb.StartDatum = MaakDatum(2025, 1, 1);
    test::MarkeerGelezen(kb);
  }
  // Returns the new record's position.
  int Boek(int rek, const std::string& groep, int dag, const std::string& relatie, double bedrag,
           const std::string& opm = "") {
    TKas& k = test::VoegTransactieToe(kb, rek, groep, MaakDatum(2025, 3, dag), bedrag, opm);
    k.VolgBlad = TKas::MaakVolgBlad(dag, 1);
    k.Relatie = relatie;
    return kb.MaxKas();
  }
  // Five records on the payment account, one on securities, one on 99.
  void Standaard() {
    Boek(1, "201", 1, "Werkgever BV", 2500, "SALARIS MAART");
    Boek(1, "430", 2, "Jansen Supermarkt", -12.5, "boodschappen");
    Boek(2, "900", 3, "Broker", -1000, "aankoop aandelen");
    Boek(1, "510", 4, "Garage Jan", -121, "APK en reparatie");
    Boek(99, "430", 5, "Agenda", -40, "verwacht");
    Boek(1, "430", 6, "Bakker Jansen", -7.25, "brood");
    Boek(1, "201", 7, "Werkgever BV", 120, "Vakantiegeld");
  }
  std::vector<int> Indexen(const ZoekModel& m) const {
    std::vector<int> uit;
    for (int r = 1; r <= m.AantalRijen(); ++r) uit.push_back(m.IndexVanRij(r));
    return uit;
  }
};

TEST(ZoekModel, ListsTheRecordsOfTheModeOnly) {
  struct Geval {
    const char* naam;
    int modus;
    std::vector<int> indexen;
  };
  const Geval gevallen[] = {
      {"change: no securities, no agenda", 0, {1, 2, 4, 6, 7}},
      {"delete: no securities, no agenda", 3, {1, 2, 4, 6, 7}},
      {"copy: every kind but the agenda", 4, {1, 2, 3, 4, 6, 7}},
      {"transfer: the agenda account only", 8, {5}},
      {"securities change", 10, {3}},
      {"securities delete", 13, {3}},
      {"securities valuation", 14, {3}},
      {"free search: all but the agenda", kVrijeZoekModus, {1, 2, 3, 4, 6, 7}},
  };
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  for (const auto& g : gevallen) {
    m.Open(g.modus);
    EXPECT_EQ(b.Indexen(m), g.indexen) << g.naam;
    EXPECT_EQ(m.HuidigeRij(), m.AantalRijen()) << g.naam;
  }
}

TEST(ZoekModel, RowTextsHeaderAndLabels) {
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  m.Open(0);
  const ZoekRij& rij = m.Rij(2);
  const std::array<std::string, 7> cellen = {"2",         "430",     "1 2",          "2-3-2025",
                                             "Jansen Supermarkt", "-12,50", "boodschappen "};
  EXPECT_EQ(rij.cellen, cellen);
  EXPECT_TRUE(rij.rood);
  EXPECT_FALSE(m.Rij(1).rood);
  EXPECT_EQ(ZoekModel::Koppen()[6], "Omschrijving");
  EXPECT_EQ(m.AantalTekst(), "Aantal=5");
  EXPECT_EQ(m.MuntTekst(), " Munt = Euro");
  EXPECT_TRUE(m.ToontAlles());
  EXPECT_FALSE(m.KopieZichtbaar());
  EXPECT_TRUE(m.SchrapZichtbaar());
  EXPECT_EQ(m.HelpTopic(), 233);
  m.Open(8);
  EXPECT_TRUE(m.KopieZichtbaar());
  EXPECT_EQ(m.HelpTopic(), 235);
  m.Open(kVrijeZoekModus);
  EXPECT_FALSE(m.SchrapZichtbaar());
  EXPECT_FALSE(m.MuntZichtbaar());
  EXPECT_EQ(m.HelpTopic(), 257);
}

TEST(ZoekModel, FreeSearchCollectsEveryMatchOfTheField) {
  struct Geval {
    const char* naam;
    ZoekVeld veld;
    std::string invoer;
    bool beginTekst;
    std::vector<int> indexen;
  };
  const Geval gevallen[] = {
      {"relation anywhere", ZoekVeld::Relatie, "jans", false, {2, 6}},
      {"relation at the start only", ZoekVeld::Relatie, "jans", true, {2}},
      {"lower case finds capitals", ZoekVeld::Opm, "maart", false, {1}},
      {"remark at the start", ZoekVeld::Opm, "aan", true, {3}},
      {"minus and digits find debits", ZoekVeld::Bedrag, "-12", false, {2, 4}},
      {"amount as shown", ZoekVeld::Bedrag, "2500,00", false, {1}},
      {"group code from the list line", ZoekVeld::Kode, "430   Boodschappen", false, {2, 6}},
      {"group code is exact", ZoekVeld::Kode, "43", false, {}},
      {"account from the list line", ZoekVeld::Reken, "2   Effecten", false, {3}},
      {"longer than every text", ZoekVeld::Opm, "brood en nog veel meer", false, {}},
  };
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  for (const auto& g : gevallen) {
    m.Open(kVrijeZoekModus);
    m.KiesVeld(g.veld);
    m.ZetBeginTekst(g.beginTekst);
    m.Zoek(g.invoer);
    EXPECT_EQ(b.Indexen(m), g.indexen) << g.naam;
    EXPECT_FALSE(m.ToontAlles()) << g.naam;
    EXPECT_EQ(m.AantalTekst(), "Aantal = " + std::to_string(g.indexen.size())) << g.naam;
  }
  m.Open(kVrijeZoekModus);
  m.KiesVeld(ZoekVeld::Datum);
  m.ZoekDatum(MaakDatum(2025, 3, 4));
  EXPECT_EQ(b.Indexen(m), std::vector<int>{4});
  EXPECT_TRUE(b.berichten.getoond.empty());
}

TEST(ZoekModel, NothingFoundLeavesAnEmptyGridUntilOpnieuw) {
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  m.Open(kVrijeZoekModus);
  m.KiesVeld(ZoekVeld::Relatie);
  EXPECT_FALSE(m.Zoek("Pietersen"));
  EXPECT_TRUE(m.NietsGevonden());
  EXPECT_EQ(ZoekModel::NietsGevondenTekst(), "Niets gevonden! ");
  EXPECT_EQ(m.AantalRijen(), 0);
  m.Zoek("Jansen");
  EXPECT_EQ(m.AantalRijen(), 0);
  m.Opnieuw();
  EXPECT_FALSE(m.NietsGevonden());
  EXPECT_TRUE(m.ToontAlles());
  EXPECT_EQ(m.AantalRijen(), 6);
  EXPECT_EQ(m.HuidigeRij(), 6);
  EXPECT_TRUE(m.Neer());
  EXPECT_TRUE(m.ZoekTekst().empty());
  EXPECT_FALSE(m.Resultaat().gekozen);
}

TEST(ZoekModel, SearchingWhileTypingOnlyInTheFreeSearch) {
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  m.Open(kVrijeZoekModus);
  m.KiesVeld(ZoekVeld::Index);
  EXPECT_FALSE(m.ZoekBijTypen("2"));
  EXPECT_TRUE(m.ToontAlles());
  m.KiesVeld(ZoekVeld::Relatie);
  EXPECT_FALSE(m.ZoekBijTypen("  "));
  EXPECT_TRUE(m.ToontAlles());
  EXPECT_TRUE(m.ZoekBijTypen("Werk"));
  EXPECT_EQ(b.Indexen(m), (std::vector<int>{1, 7}));
  m.Open(0);
  m.KiesVeld(ZoekVeld::Relatie);
  EXPECT_FALSE(m.ZoekBijTypen("Werk"));
  EXPECT_TRUE(b.berichten.getoond.empty());
}

TEST(ZoekModel, ANewTextForTheSameFieldSearchesAgainWhileOtherFieldsNarrow) {
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  m.Open(kVrijeZoekModus);
  m.KiesVeld(ZoekVeld::Relatie);
  m.ZoekBijTypen("jansen");
  EXPECT_EQ(b.Indexen(m), (std::vector<int>{2, 6}));
  m.ZoekBijTypen("jan");  // a letter deleted: the garage is found again
  EXPECT_EQ(b.Indexen(m), (std::vector<int>{2, 4, 6}));
  m.KiesVeld(ZoekVeld::Bedrag);
  m.Zoek("-1");
  EXPECT_EQ(b.Indexen(m), (std::vector<int>{2, 4}));
  m.Zoek("-7");
  EXPECT_EQ(b.Indexen(m), std::vector<int>{6});
  m.KiesVeld(ZoekVeld::Opm);
  m.Zoek("kaas");
  EXPECT_TRUE(m.NietsGevonden());
  m.Zoek("brood");  // after nothing found the grid stays empty
  EXPECT_EQ(m.AantalRijen(), 0);
}

TEST(ZoekModel, StepsFromTheCurrentRowAndTurnsAtTheEnds) {
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  m.Open(0);  // rows: 1, 2, 4, 6, 7; the current row is the last
  m.KiesVeld(ZoekVeld::Relatie);
  EXPECT_EQ(m.RichtingTekst(), "Neer");
  // Down from the last row leads nowhere, so the search goes up.
  ASSERT_TRUE(m.Zoek("Werkgever"));
  EXPECT_EQ(m.HuidigeRij(), 5);
  EXPECT_EQ(m.Resultaat().positie, 7);
  EXPECT_EQ(m.RichtingTekst(), "Op");
  ASSERT_TRUE(m.Zoek("Werkgever"));  // the next one up
  EXPECT_EQ(m.HuidigeRij(), 1);
  EXPECT_EQ(m.Resultaat().positie, 1);
  EXPECT_TRUE(m.Neer());  // row 1 turns the direction
  ASSERT_TRUE(m.Zoek("Werkgever"));
  EXPECT_EQ(m.Resultaat().positie, 7);
  EXPECT_EQ(m.RichtingTekst(), "Op");  // found on the last row
  ASSERT_TRUE(m.Zoek("Garage"));       // another text starts at the current row
  EXPECT_EQ(m.HuidigeRij(), 3);
  EXPECT_FALSE(m.Zoek("Garage"));  // nothing more above it
  EXPECT_EQ(b.berichten.Teksten().back(), "Relatie  Garage niet  gevonden");
  EXPECT_EQ(m.HuidigeRij(), 1);
  EXPECT_EQ(m.RichtingTekst(), "Neer");
  m.DraaiRichting();
  EXPECT_EQ(m.RichtingTekst(), "Op");
  // A row chosen by hand is examined itself.
  m.ZetHuidigeRij(3);
  m.KiesVeld(ZoekVeld::Index);
  EXPECT_TRUE(m.Zoek("4"));
  EXPECT_EQ(m.HuidigeRij(), 3);
}

TEST(ZoekModel, PickerErrorsAreReportedWordForWord) {
  struct Geval {
    const char* naam;
    ZoekVeld veld;
    std::string invoer;
    std::string bericht;
  };
  const Geval gevallen[] = {
      {"index not a number", ZoekVeld::Index, "twee", "Zoek tekst niet Correct"},
      {"account not a number", ZoekVeld::Reken, "x   Kas", "Zoek tekst niet Correct"},
      {"list line without a code", ZoekVeld::Kode, "   Salaris", "Rekening/Kode Nummer foutief"},
      {"index absent", ZoekVeld::Index, "3", "Index  3 niet  gevonden"},
      {"group absent", ZoekVeld::Kode, "900   Aandelen", "Kode  900 niet  gevonden"},
      {"account absent", ZoekVeld::Reken, "2   Effecten", "VolgNr  2   Effecten niet  gevonden"},
      {"remark absent", ZoekVeld::Opm, "xyz", "Opmerking xyz niet  gevonden"},
  };
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  for (const auto& g : gevallen) {
    m.Open(0);
    b.berichten.Wis();
    m.KiesVeld(g.veld);
    EXPECT_FALSE(m.Zoek(g.invoer)) << g.naam;
    EXPECT_EQ(b.berichten.Teksten(), std::vector<std::string>{g.bericht}) << g.naam;
    EXPECT_EQ(m.AantalRijen(), 5) << g.naam;
    EXPECT_FALSE(m.Resultaat().gekozen) << g.naam;
  }
  b.berichten.Wis();
  EXPECT_FALSE(m.KiesRij(9));
  EXPECT_EQ(b.berichten.Teksten(), std::vector<std::string>{"Record index 0 foutief"});
  EXPECT_EQ(b.berichten.getoond[0].soort, BerichtSoort::Informatie);
}

TEST(ZoekModel, PicksOneRowACopyOrSeveralRows) {
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  m.Open(0);
  ASSERT_TRUE(m.KiesRij(3));
  EXPECT_EQ(m.Resultaat().positie, 4);
  EXPECT_FALSE(m.Resultaat().kopie);
  m.Schrap();
  EXPECT_FALSE(m.Resultaat().gekozen);

  m.Open(8);
  ASSERT_TRUE(m.KiesKopie());
  EXPECT_EQ(m.Resultaat().positie, 5);
  EXPECT_TRUE(m.Resultaat().kopie);

  // Three rows that are not adjacent: the bottom one is the picked position.
  m.Open(3);
  ASSERT_TRUE(m.KiesRijen({4, 1, 2}));
  EXPECT_EQ(m.Resultaat().positie, 6);
  EXPECT_EQ(m.Resultaat().extraRijen, 2);
  EXPECT_EQ(m.Resultaat().posities, (std::vector<int>{1, 2, 6}));
  EXPECT_EQ(m.HuidigeRij(), 4);
  // Outside modes 3 and 13 only the current row counts.
  m.Open(0);
  ASSERT_TRUE(m.KiesRijen({1, 2}));
  EXPECT_EQ(m.Resultaat().posities, std::vector<int>{2});
}

TEST(ZoekModel, FieldEntriesFollowTheMode) {
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  m.Open(0);
  VeldInvoer index = m.KiesVeld(ZoekVeld::Index);
  EXPECT_EQ(index.tekst, "7");
  EXPECT_EQ(index.label, "Kies uit : 1..7");
  VeldInvoer kode = m.KiesVeld(ZoekVeld::Kode);
  EXPECT_EQ(kode.lijst, (std::vector<std::string>{"201   Salaris", "430   Boodschappen",
                                                  "510   Reparaties"}));
  EXPECT_EQ(kode.label, "Kies uit :201...510");
  EXPECT_EQ(kode.tekst, "510");  // the first time: the last code
  EXPECT_EQ(m.KiesVeld(ZoekVeld::Kode).tekst, "201   Salaris");
  VeldInvoer reken = m.KiesVeld(ZoekVeld::Reken);
  EXPECT_EQ(reken.lijst,
            (std::vector<std::string>{"1   Betaalrekening", "99   TRANSFER REKENING"}));
  EXPECT_EQ(reken.label, "Kies uit : 1...3");
  VeldInvoer datum = m.KiesVeld(ZoekVeld::Datum);
  EXPECT_EQ(datum.soort, InvoerSoort::Datum);
  EXPECT_EQ(datum.vanDatum, MaakDatum(2025, 1, 1));
  EXPECT_EQ(datum.totDatum, MaakDatum(2025, 6, 30));
  EXPECT_EQ(m.KiesVeld(ZoekVeld::Bedrag).label, "Geef bedrag (met teken)");
  EXPECT_EQ(m.KiesVeld(ZoekVeld::Opm).label, "Geef Trefwoord(gedeelte)");

  m.Open(10);
  EXPECT_EQ(m.KiesVeld(ZoekVeld::Kode).lijst, std::vector<std::string>{"900   Aandelen"});
  EXPECT_EQ(m.KiesVeld(ZoekVeld::Reken).lijst, std::vector<std::string>{"2   Effecten"});
  m.Open(kVrijeZoekModus);
  EXPECT_EQ(m.KiesVeld(ZoekVeld::Kode).lijst.size(), 4u);
  EXPECT_EQ(m.KiesVeld(ZoekVeld::Reken).lijst.size(), 3u);
  EXPECT_EQ(VeldVraag(ZoekVeld::Relatie), "Geef relatie     :");
  EXPECT_EQ(VeldKnop(ZoekVeld::Index), "&1 Index    ");
}

TEST(ZoekModel, DetailShowsTheWholeRecordWithItsVat) {
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  m.Open(kVrijeZoekModus);
  const auto detail = m.Detail(4);  // index 4: 510 in the 21% VAT class
  ASSERT_TRUE(detail);
  EXPECT_EQ((*detail)[0][1], "1 Betaalrekening");
  EXPECT_EQ((*detail)[0][3], "4");
  EXPECT_EQ((*detail)[1][1], "4-3-2025");
  EXPECT_EQ((*detail)[2][3], "Euro");
  EXPECT_EQ((*detail)[3][3], "1,00000");
  EXPECT_EQ((*detail)[4], (std::array<std::string, 4>{"Bedrag", "-121,00", "BTW bedrag", "-21,00"}));
  EXPECT_EQ((*detail)[5][3], " V ");
  EXPECT_EQ((*m.Detail(1))[4][2], "");  // no VAT in an income class without it
  EXPECT_FALSE(m.Detail(7));
  EXPECT_EQ(b.berichten.Teksten().back(),
            "Record niet op regel 7 heeft verkeerd formaat\n\r probeer opnieuw of controleer bestand");
  // Showing a report leaves IOStatus to the command that ends.
  EXPECT_EQ(b.kb.IOStatus, 0);
}

TEST(ZoekModel, DeletingFromTheFreeSearchAsksAndRefreshes) {
  ZoekBoek b;
  b.Standaard();
  EXPECT_TRUE(BouwSaldoMatrix(b.kb).Gelukt());
  ZoekModel m(b.kb);
  int bewaard = 0;
  m.ZetBewaarder([&](Kasboek&) { ++bewaard; });
  m.Open(kVrijeZoekModus);
  m.KiesVeld(ZoekVeld::Relatie);
  m.Zoek("jansen");  // rows: 2 and 6
  b.berichten.Antwoord(antwoord::Nee);
  EXPECT_FALSE(m.VerwijderRij(1));
  EXPECT_EQ(b.kb.MaxKas(), 7);
  b.berichten.Antwoord(antwoord::Ja);
  ASSERT_TRUE(m.VerwijderRij(1));
  EXPECT_EQ(b.berichten.Teksten(), (std::vector<std::string>{
                                        "Weet u zeker dat u dit Record wilt verwijderen ? ",
                                        "Weet u zeker dat u dit Record wilt verwijderen ? ",
                                        " Kasrecord(s) verwijderd"}));
  EXPECT_EQ(b.kb.MaxKas(), 6);
  EXPECT_EQ(bewaard, 1);
  EXPECT_EQ(b.kb.KasLijst[2].Relatie, "Broker");
  // Group 430 on account 1 now only holds the baker.
  EXPECT_DOUBLE_EQ(b.kb.SaldoMatrix()[2][1].In + b.kb.SaldoMatrix()[2][1].Uit, -7.25);
  // Two were found, so the search is made again on the renumbered list.
  EXPECT_EQ(b.Indexen(m), std::vector<int>{5});
  EXPECT_EQ(m.Rij(1).record.relatie, "Bakker Jansen");
}

TEST(ZoekModel, DeletingNeverHitsARecordThatMovedUnderTheRow) {
  ZoekBoek b;
  b.Standaard();
  EXPECT_TRUE(BouwSaldoMatrix(b.kb).Gelukt());
  ZoekModel m(b.kb);
  m.Open(kVrijeZoekModus);  // row 2 shows index 2, the supermarket
  // Elsewhere a record is inserted before it while the search stays open.
  TKas nieuw = b.kb.KasLijst[1];
  nieuw.Relatie = "Nieuw";
  b.kb.KasLijst.insert(b.kb.KasLijst.begin() + 1, nieuw);
  b.kb.HernummerKas();
  EXPECT_FALSE(m.RijActueel(2));
  b.berichten.Antwoord(antwoord::Ja);
  EXPECT_FALSE(m.VerwijderRij(2));
  EXPECT_EQ(b.kb.MaxKas(), 8);
  EXPECT_EQ(b.berichten.Teksten(), std::vector<std::string>{"Record index 2 foutief"});
  EXPECT_EQ(m.AantalRijen(), 7);  // the list as the book holds it now
  EXPECT_TRUE(m.RijActueel(2));
}

TEST(ZoekModel, RefreshShowsEverythingAfterFewerThanTwoFound) {
  ZoekBoek b;
  b.Standaard();
  ZoekModel m(b.kb);
  m.Open(kVrijeZoekModus);
  m.KiesVeld(ZoekVeld::Opm);
  m.Zoek("brood");
  ASSERT_EQ(m.AantalRijen(), 1);
  b.kb.KasLijst[6].Omschrijving = "krentenbollen";
  m.Ververs();
  EXPECT_TRUE(m.ToontAlles());
  EXPECT_EQ(m.AantalRijen(), 6);
  EXPECT_EQ(m.Rij(5).cellen[6], "krentenbollen ");
}

}  // namespace
}  // namespace valdero
