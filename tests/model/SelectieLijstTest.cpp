#include <gtest/gtest.h>

#include "TestBoek.h"
#include "model/shell/RapportVoorschrift.h"
#include "model/shell/SelectieLijst.h"
#include "model/shell/ValutaKnoppen.h"
#include "model/shell/VensterLijst.h"

namespace valdero {
namespace {

struct SelectieBoek : test::BoekMetPoorten {
  SelectieBoek() : BoekMetPoorten(MaakDatum(2026, 12, 10)) {}
  void Rekening(int nr, const std::string& naam, const std::string& soort = "BA") {
    test::VoegRekeningToe(kb, nr, naam, soort);
  }
  void Groep(const std::string& kode, const std::string& naam) { test::VoegGroepToe(kb, kode, naam, ""); }
  void Munt(const std::string& kode, const std::string& naam, float koers) {
    test::VoegValutaToe(kb, kode, koers, false, naam);
  }
};

TEST(SelectieLijst, ListsAccountsByNumberOrByNameWithTheNumberLast) {
  SelectieBoek b;
  b.Rekening(3, "Giro");
  b.Rekening(99, "TRANSFER REKENING", "TR");
  EXPECT_EQ(RekeningSelectie(b.kb, true).regels, (std::vector<std::string>{"3 Giro", "99 TRANSFER REKENING"}));
  b.kb.weergave.RekeningenOpNaam = true;
  const auto overzicht = RekeningSelectie(b.kb, true);
  EXPECT_EQ(overzicht.regels[0], "Giro" + std::string(24, ' ') + "   3");
  EXPECT_EQ(RekeningSelectie(b.kb, false).regels[0], "Giro" + std::string(16, ' ') + "   3");
  EXPECT_EQ(overzicht.label, "Kies Rekening");
}

TEST(SelectieLijst, ExportNeverListsTheTransferAccountAndEndsWithAll) {
  SelectieBoek b;
  b.Rekening(3, "Giro");
  b.Rekening(99, "TRANSFER REKENING", "TR");
  b.Rekening(4, "BTW", "BT");
  EXPECT_EQ(ExportSelectie(b.kb).regels, (std::vector<std::string>{"3 Giro", "4 BTW", "0 Alle valdero bedragen"}));
  EXPECT_EQ(BtwSelectie(b.kb).regels, (std::vector<std::string>{"4 BTW", " 0 Alle betaal rekeningen"}));
  const auto lijst = ExportSelectie(b.kb);
  EXPECT_FALSE(KiesUitSelectie(b.kb, lijst, "99"));
  EXPECT_EQ(b.berichten.Teksten(),
            std::vector<std::string>{"Rekening 99 bestaat niet\n\r probeer opnieuw of controleer bestand"});
}

struct RegelGeval {
  const char* naam;
  std::string regel;
  bool opNaam;
  std::string sleutel;
};

class Sleutel : public testing::TestWithParam<RegelGeval> {};

TEST_P(Sleutel, ComesFromTheFrontOrTheEndOfTheLine) {
  EXPECT_EQ(SleutelUitRegel(GetParam().regel, GetParam().opNaam), GetParam().sleutel);
}

INSTANTIATE_TEST_SUITE_P(
    Regels, Sleutel,
    testing::Values(RegelGeval{"OpNummer", "12 Spaar rekening", false, "12"},
                    RegelGeval{"OpNummerMetBlancoVooraan", " 0 Alle betaal rekeningen", false, "0"},
                    RegelGeval{"OpNaam", "Spaar rekening         12", true, "12"},
                    RegelGeval{"OpNaamGetyptNummer", "12", true, "12"},
                    RegelGeval{"OpNaamBlancoAchteraan", "Huis     400a  ", true, "400a"},
                    RegelGeval{"Leeg", "   ", false, ""}),
    [](const auto& p) { return std::string(p.param.naam); });

TEST(KiesUitSelectie, FindsAccountsAndGroupsInBothOrdersAndReportsUnknownOnes) {
  SelectieBoek b;
  b.Rekening(3, "Giro");
  b.Rekening(12, "Spaar");
  b.Groep("400", "Huis");
  b.Groep("400a", "Huur");
  b.kb.weergave.RekeningenOpNaam = b.kb.weergave.GroepenOpNaam = true;
  const auto rek = RekeningSelectie(b.kb, false);
  EXPECT_EQ(KiesUitSelectie(b.kb, rek, rek.regels[1])->positie, 2);
  EXPECT_EQ(KiesUitSelectie(b.kb, rek, rek.regels[1])->nummer, 12);
  const auto groep = GroepSelectie(b.kb);
  EXPECT_EQ(KiesUitSelectie(b.kb, groep, groep.regels[1])->kode, "400a");
  EXPECT_TRUE(b.berichten.getoond.empty());

  EXPECT_FALSE(KiesUitSelectie(b.kb, rek, "Giro"));
  EXPECT_FALSE(KiesUitSelectie(b.kb, groep, "401"));
  EXPECT_EQ(b.berichten.Teksten(),
            (std::vector<std::string>{"Rekening Giro bestaat niet\n\r probeer opnieuw of controleer bestand",
                                      "Groepkode 401 bestaat niet\n\r probeer opnieuw of controleer bestand"}));
  // Showing a report leaves IOStatus to the command that ends.
  EXPECT_EQ(b.kb.IOStatus, 0);
}

TEST(KiesUitSelectie, CurrencyTakesTheLastMatchOfItsCodeAndPeriodsTheirWeeks) {
  SelectieBoek b;
  b.Munt("Eur", "Euro", 1);
  b.Munt("USD", "Dollar", 0);
  b.Munt("AUD", "Austr. dollar", 0.6f);
  b.Munt("AUD", "Australische dollar", 0.6f);
  const auto munten = ValutaSelectie(b.kb);
  EXPECT_EQ(munten.regels, (std::vector<std::string>{"Eur  Euro", "AUD  Austr. dollar", "AUD  Australische dollar"}));
  EXPECT_EQ(KiesUitSelectie(b.kb, munten, munten.regels[1])->positie, 3);
  const auto perioden = PeriodeSelectie();
  EXPECT_EQ(KiesUitSelectie(b.kb, perioden, perioden.regels[5])->nummer, 12);
  EXPECT_FALSE(KiesUitSelectie(b.kb, perioden, "nul"));
}

TEST(VensterLijst, ListsVisibleWindowsOnceAndReportsADoubleClose) {
  SelectieBoek b;
  VensterLijst l;
  l.Registreer(0, "Valdero  ", true);
  l.Registreer(1, "Rekeningen", true);
  l.Registreer(4, "Boekingen", true);
  l.Registreer(4, "Boekingen", true);
  l.Registreer(5, "Overzicht", false);
  ASSERT_EQ(l.Regels().size(), 3u);
  EXPECT_EQ(l.Regels()[2].hint, "Selecteer Boekingen venster");
  l.MeldAf(b.kb, 1);
  l.MeldAf(b.kb, 1);
  l.MeldAf(b.kb, 0);
  EXPECT_EQ(b.berichten.Teksten(), (std::vector<std::string>{"Venster al gesloten", "Venster al gesloten"}));
  ASSERT_EQ(l.Regels().size(), 2u);
  EXPECT_TRUE(l.Geregistreerd(0));
  EXPECT_TRUE(l.Geregistreerd(4));
}

TEST(RapportVoorschrift, FollowsTheTagOfTheCommand) {
  EXPECT_EQ(VoorschriftVoor(3).klassen, KlassenKeuze::Maand);
  EXPECT_EQ(VoorschriftVoor(3).periode, 12);
  EXPECT_EQ(VoorschriftVoor(4).periode, 4);
  EXPECT_TRUE(VoorschriftVoor(6).dialoog);
  EXPECT_EQ(VoorschriftVoor(12).periode, 12);
  EXPECT_EQ(VoorschriftVoor(112).klassen, KlassenKeuze::Maand);
  EXPECT_EQ(VoorschriftVoor(23).periode, 4);
  EXPECT_EQ(VoorschriftVoor(14).periode, 1);
  EXPECT_TRUE(VoorschriftVoor(25).dialoog);
  EXPECT_TRUE(VoorschriftVoor(132).dialoog);
  EXPECT_TRUE(VoorschriftVoor(31).alleSoorten);
  EXPECT_FALSE(VoorschriftVoor(11).dialoog);
  // The overview of a compound group shares its number with a budget mode.
  EXPECT_FALSE(VoorschriftVoorRapport(6).dialoog);
  EXPECT_TRUE(VoorschriftVoorRapport(10).dialoog);
}

TEST(ValutaKnoppen, StandForTheirCurrencyAndShowTheDisplayCurrency) {
  SelectieBoek b;
  b.Munt("USD", "Dollar", 0.8f);
  b.Munt("Eur", "Euro", 1);
  b.Munt("ENP", "Pond", 0);
  b.Munt("NLG", "Gulden", 0.45f);
  b.kb.weergave.HulpMunt = 3;
  const ValutaKnoppen k = BepaalValutaKnoppen(b.kb);
  EXPECT_EQ(k.eur.positie, 1);
  EXPECT_TRUE(k.eur.aan);
  EXPECT_FALSE(k.eur.ingedrukt);
  EXPECT_EQ(k.usd.positie, 0);
  EXPECT_FALSE(k.enp.aan) << "a rate of 0 keeps the button disabled";
  EXPECT_TRUE(k.overig.aan);
  EXPECT_TRUE(k.overig.ingedrukt);
}

}  // namespace
}  // namespace valdero
