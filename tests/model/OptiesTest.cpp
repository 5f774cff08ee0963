// The options window's pages: classes with VAT, account kinds, currencies and
// print options, and when the configuration (and the book) are written.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestBoek.h"
#include "model/settings/Opties.h"
#include "model/settings/Persoonsdata.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;

// A book in its folder with the default configuration, as if read from file.
struct OptiesBoek : test::BoekInMap {
  OptiesModel opties{kb};
  OptiesBoek() {
    StandaardConfig(kb);
    test::VoegRekeningToe(kb, 1, "Betaal");
    test::VoegGroepToe(kb, "1", "Saldo Betaal", " C ");
    test::VoegGroepToe(kb, "300", "Boodschappen", " U ");
    test::VoegGroepToe(kb, "310", "Kleding", " U ");
    test::VoegGroepToe(kb, "400", "Salaris", " I ");
    test::VoegTransactieToe(kb, 1, "300", MaakDatum(2008, 2, 1), -20);
    test::SchrijfBytes(BoekPad(), SchrijfBoek(kb));
  }
  fs::path ConfigPad() const { return kb.Pad("Valdr08.cfg"); }
  int Klasse(const std::string& letter) const {
    for (std::size_t i = 0; i < kb.KlasseLijst.size(); ++i)
      if (kb.KlasseLijst[i].Letter == letter) return static_cast<int>(i);
    return -1;
  }
  int Valuta(const std::string& kode) const {
    for (std::size_t i = 0; i < kb.ValutaLijst.size(); ++i)
      if (kb.ValutaLijst[i].Kode == kode) return static_cast<int>(i);
    return -1;
  }
};

// ---------------------------------------------------------------- classes

TEST(OptiesKlasse, ANewLetterIsPaddedToThreeCharacters) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Klasse);
  b.opties.klassen.Nieuw();
  EXPECT_EQ(b.kb.KlasseLijst.back().Letter, " N ");
  EXPECT_EQ(b.kb.KlasseLijst.back().Naam, "NEW");
  EXPECT_TRUE(b.opties.klassen.editor);
  EXPECT_EQ(b.kb.AantalKlassen(), 17);
  b.opties.klassen.afkorting = "n";
  b.opties.klassen.naam = "nieuw";
  b.opties.klassen.Ok();
  EXPECT_EQ(b.kb.KlasseLijst.back().Letter, " n ");
  EXPECT_FALSE(b.opties.klassen.editor);
  EXPECT_TRUE(b.opties.gewijzigd);
}

TEST(OptiesKlasse, AnExistingLetterIsRefusedAndTheNewClassRemoved) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Klasse);
  b.opties.klassen.Nieuw();
  b.opties.klassen.afkorting = " A";
  b.opties.klassen.Ok();
  EXPECT_EQ(b.berichten.Teksten(), (std::vector<std::string>{"Klasse bestaat al\rGebruik zo nodig Wijzig"}));
  EXPECT_EQ(b.kb.KlasseLijst.size(), 16u);
  EXPECT_EQ(b.kb.AantalKlassen(), 16);
  EXPECT_FALSE(b.opties.gewijzigd);

  // An existing class that would take another's letter stays as it was.
  b.opties.klassen.Kies(b.Klasse(" B "));
  b.opties.klassen.Wijzig();
  b.opties.klassen.afkorting = "A";
  b.opties.klassen.Ok();
  EXPECT_NE(b.Klasse(" B "), -1);
  EXPECT_EQ(b.kb.KlasseLijst.size(), 16u);
}

TEST(OptiesKlasse, RenamingALetterMovesEveryGroupAndOkSavesTheBook) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Klasse);
  b.opties.klassen.Kies(b.Klasse(" U "));
  b.opties.klassen.Wijzig();
  b.opties.klassen.afkorting = "X";
  b.opties.klassen.Ok();
  EXPECT_EQ(b.kb.GroepLijst[2].Klasse, " X ");
  EXPECT_EQ(b.kb.GroepLijst[3].Klasse, " X ");
  EXPECT_EQ(b.kb.GroepLijst[4].Klasse, " I ");
  EXPECT_EQ(b.Klasse(" U "), -1);
  b.opties.Ok();
  EXPECT_TRUE(b.opties.bevestigd);
  EXPECT_TRUE(fs::exists(b.ConfigPad()));
  // Book and configuration agree on disk.
  EXPECT_TRUE(LeesBoek(b.kb, test::LeesBytes(b.BoekPad())).Gelukt());
  EXPECT_EQ(b.kb.GroepLijst[2].Klasse, " X ");
}

struct BtwGeval {
  const char* naam;
  bool hoog;
  std::string tarief;
  int soort;
  float perc;
  std::vector<std::string> meldingen;
};

TEST(OptiesKlasse, TheVatRateIsReadAndAboveFiftyRefused) {
  const BtwGeval gevallen[] = {
      {"high 21", true, "21", 2, 21.0f, {}},
      {"low 9,5", false, "9,5", 1, 9.5f, {}},
      {"fifty is allowed", true, "50", 2, 50.0f, {}},
      {"sixty is refused", true, "60", 0, 0.0f, {"BTW te hoog , kies opnieuw"}},
      {"zero means no VAT", false, "0", 0, 0.0f, {}},
  };
  for (const auto& g : gevallen) {
    OptiesBoek b;
    b.opties.Open(OptiesPagina::Klasse);
    b.opties.klassen.Kies(b.Klasse(" V "));
    b.opties.klassen.Wijzig();
    EXPECT_FALSE(b.opties.klassen.tariefZichtbaar) << g.naam;
    g.hoog ? b.opties.klassen.ZetHoog(true) : b.opties.klassen.ZetLaag(true);
    EXPECT_TRUE(b.opties.klassen.tariefZichtbaar) << g.naam;
    b.opties.klassen.tarief = g.tarief;
    b.opties.klassen.Ok();
    const TKlasse02& k = b.kb.KlasseLijst[static_cast<std::size_t>(b.Klasse(" V "))];
    EXPECT_EQ(k.BtwSoort, g.soort) << g.naam;
    EXPECT_FLOAT_EQ(k.BtwPerc, g.perc) << g.naam;
    EXPECT_EQ(b.kb.BtwActief, g.soort != 0) << g.naam;
    EXPECT_EQ(b.berichten.Teksten(), g.meldingen) << g.naam;
    if (g.soort != 0) {
      EXPECT_EQ(b.opties.klassen.tarief, g.tarief == "9,5" ? "9,5" : g.tarief + ",0") << g.naam;
    }
  }
}

TEST(OptiesKlasse, HighAndLowExcludeEachOther) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Klasse);
  b.opties.klassen.Wijzig();
  b.opties.klassen.ZetHoog(true);
  b.opties.klassen.ZetLaag(true);
  EXPECT_FALSE(b.opties.klassen.hoog);
  b.opties.klassen.ZetLaag(false);
  EXPECT_FALSE(b.opties.klassen.tariefZichtbaar);
}

TEST(OptiesKlasse, SchrapDropsANewClassAndKeepsEarlierChangesToWrite) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Klasse);
  b.opties.klassen.Kies(b.Klasse(" W "));
  b.opties.klassen.Verwijder();
  EXPECT_EQ(b.kb.AantalKlassen(), 15);
  EXPECT_TRUE(b.opties.gewijzigd);
  b.opties.klassen.Nieuw();
  b.opties.klassen.Schrap();
  EXPECT_EQ(b.kb.KlasseLijst.size(), 15u);
  EXPECT_TRUE(b.opties.gewijzigd);  // the removal is still to be written
}

TEST(OptiesKlasse, SortingOrdersByLetter) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Klasse);
  b.opties.Sorteer();
  EXPECT_EQ(b.kb.KlasseLijst.front().Letter, " - ");
  EXPECT_EQ(b.kb.KlasseLijst.back().Letter, " W ");
  EXPECT_TRUE(b.opties.gewijzigd);
}

// ---------------------------------------------------------------- kinds

TEST(OptiesSoort, ANewKindIsCodeBlankNameAndDuplicatesAreRefused) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Soort);
  b.opties.soorten.Nieuw();
  EXPECT_EQ(b.kb.SoortLijst.back().Naam, "N  NEW");
  b.opties.soorten.afkorting = "OV";
  b.opties.soorten.naam = "overig bezit";
  b.opties.soorten.omschrijving = "Wat nergens anders past";
  b.opties.soorten.Ok();
  EXPECT_EQ(b.kb.SoortLijst.back().Naam, "OV overig bezit");
  EXPECT_EQ(b.kb.SoortKodes.back(), "OV");

  b.opties.soorten.Nieuw();
  b.opties.soorten.afkorting = "SP";
  b.opties.soorten.Ok();
  EXPECT_EQ(b.berichten.Teksten(), (std::vector<std::string>{"Soort bestaat al\rGebruik zo nodig Wijzig"}));
  EXPECT_EQ(b.kb.SoortLijst.size(), 8u);
}

TEST(OptiesSoort, SelectingShowsCodeAndName) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Soort);
  b.opties.soorten.Kies(4);
  EXPECT_EQ(b.opties.soorten.afkorting, "SP");
  EXPECT_EQ(b.opties.soorten.naam, "sparen ");
  EXPECT_EQ(b.opties.soorten.Regels()[4].naam, " sparen ");
}

// The configuration reads back only when "BT betalingen" comes first.
TEST(OptiesSoort, ThePayingKindStaysFirst) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Soort);
  b.opties.soorten.Kies(0);
  b.opties.soorten.Verwijder();
  EXPECT_EQ(b.kb.SoortLijst.front().Naam, "BT betalingen");
  b.opties.soorten.Wijzig();
  b.opties.soorten.naam = "betaal";
  b.opties.soorten.omschrijving = "Dagelijks";
  b.opties.soorten.Ok();
  EXPECT_EQ(b.kb.SoortLijst.front().Naam, "BT betalingen");
  EXPECT_EQ(b.kb.SoortLijst.front().Omschrijving, "Dagelijks");
  b.opties.soorten.Nieuw();
  b.opties.soorten.afkorting = "AA";
  b.opties.soorten.Ok();
  b.opties.Sorteer();
  EXPECT_EQ(b.kb.SoortLijst.front().Naam, "BT betalingen");
  EXPECT_EQ(b.kb.SoortLijst[1].Naam.substr(0, 2), "AA");
  b.opties.Ok();
  EXPECT_TRUE(LeesConfig(b.kb).Gelukt());
  EXPECT_TRUE(b.kb.SoortenGelezen);
}

// ---------------------------------------------------------------- currencies

TEST(OptiesValuta, MakingTheDollarTheBaseDividesEveryRate) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Valuta);
  EXPECT_EQ(b.opties.valuta.gekozen, 0);  // the base currency's line
  b.opties.valuta.Kies(b.Valuta("USD"));
  b.opties.valuta.BasisMunt();
  EXPECT_EQ(b.kb.BasisMunt, 1);
  EXPECT_FLOAT_EQ(b.kb.ValutaLijst[1].Koers, 1.0f);
  EXPECT_EQ(b.kb.ValutaLijst[1].Basis, 1);
  EXPECT_EQ(b.kb.ValutaLijst[0].Basis, 0);
  EXPECT_FLOAT_EQ(b.kb.ValutaLijst[0].Koers, 1.25f);
  EXPECT_FLOAT_EQ(b.kb.ValutaLijst[2].Koers, 1.85f);
  EXPECT_EQ(b.kb.KasLijst[1].Bedrag, -20);  // amounts are not converted
  EXPECT_EQ(b.opties.valuta.Regels()[1].koers, " Basis");
  EXPECT_EQ(b.opties.valuta.Regels()[0].koers, "1,25000");  // the book's separator
  EXPECT_TRUE(b.opties.gewijzigd);
}

TEST(OptiesValuta, TheFirstFourAndCurrenciesInUseStay) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Valuta);
  for (int p : {0, 1, 2, 3}) {
    b.opties.valuta.Kies(p);
    b.opties.valuta.Verwijder();
  }
  EXPECT_EQ(b.kb.ValutaLijst.size(), 11u);
  EXPECT_EQ(b.berichten.Teksten(), std::vector<std::string>(4, "Dit valuta kan niet worden verwijderd"));
  b.kb.KasLijst[1].Munt = 6;
  b.opties.valuta.Kies(6);
  b.opties.valuta.Verwijder();
  EXPECT_EQ(b.kb.ValutaLijst.size(), 11u);
  b.opties.valuta.Kies(5);
  b.opties.valuta.Verwijder();
  EXPECT_EQ(b.kb.ValutaLijst.size(), 10u);
  EXPECT_EQ(b.kb.AantalValuta(), 10);
  EXPECT_EQ(b.kb.KasLijst[1].Munt, 5);  // the yen moved up one place
  EXPECT_EQ(b.kb.ValutaLijst[5].Kode, "Yen");
}

TEST(OptiesValuta, ANewCurrencyIsStoredAndADuplicateCodeRefused) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Valuta);
  b.opties.valuta.Nieuw();
  EXPECT_FALSE(b.opties.waarschuwingZichtbaar);
  EXPECT_EQ(b.kb.ValutaLijst.back().Kode, "NEW");
  b.opties.valuta.afkorting = "NOKX";
  b.opties.valuta.titel = "Noorse Kroon";
  b.opties.valuta.koers = "0,09";
  b.opties.valuta.karakter = "kr";
  b.opties.valuta.Ok();
  const TValut& v = b.kb.ValutaLijst.back();
  EXPECT_EQ(v.Kode, "NOK");
  EXPECT_EQ(v.Teken, "k");
  EXPECT_FLOAT_EQ(v.Koers, 0.09f);
  EXPECT_TRUE(b.opties.waarschuwingZichtbaar);
  EXPECT_EQ(b.opties.valuta.RegelTekst(11), "NOK  Noorse Kroon                 0,09000");

  b.opties.valuta.Nieuw();
  b.opties.valuta.afkorting = "USD";
  b.opties.valuta.Ok();
  EXPECT_EQ(b.berichten.Teksten(), (std::vector<std::string>{"Valuta bestaat al\rGebruik zo nodig Wijzig"}));
  EXPECT_EQ(b.kb.ValutaLijst.size(), 12u);
}

// Every amount stays in the currency it was booked in, wherever that
// currency moves to.
TEST(OptiesValuta, MovingACurrencyTakesItsBookingsAlong) {
  OptiesBoek b;
  b.kb.KasLijst[1].Munt = 2;  // ENP
  test::VoegTransactieToe(b.kb, 1, "300", MaakDatum(2008, 3, 1), -5).Munt = 6;  // Yen
  b.kb.weergave.HulpMunt = 1;  // shown in dollars
  b.opties.Open(OptiesPagina::Valuta);
  ASSERT_TRUE(b.opties.valuta.Verplaats(2, 8));
  EXPECT_EQ(b.kb.ValutaLijst[8].Kode, "ENP");
  EXPECT_EQ(b.kb.ValutaLijst[5].Kode, "Yen");
  EXPECT_EQ(b.kb.ValutaLijst[b.kb.KasLijst[1].Munt].Kode, "ENP");
  EXPECT_EQ(b.kb.ValutaLijst[b.kb.KasLijst[2].Munt].Kode, "Yen");
  EXPECT_EQ(b.kb.weergave.HulpMunt, 1);
  ASSERT_TRUE(b.opties.valuta.Verplaats(9, 1));
  EXPECT_EQ(b.kb.ValutaLijst[b.kb.weergave.HulpMunt].Kode, "USD");
  EXPECT_EQ(b.kb.ValutaLijst[b.kb.BasisMunt].Kode, "Eur");
  EXPECT_EQ(b.kb.ValutaLijst[b.kb.KasLijst[1].Munt].Kode, "ENP");
  b.opties.Ok();
  EXPECT_TRUE(LeesBoek(b.kb, test::LeesBytes(b.BoekPad())).Gelukt());
  EXPECT_TRUE(LeesConfig(b.kb).Gelukt());
  EXPECT_EQ(b.kb.ValutaLijst[b.kb.KasLijst[1].Munt].Kode, "ENP");
  EXPECT_EQ(b.kb.ValutaLijst[b.kb.KasLijst[2].Munt].Kode, "Yen");
}

TEST(OptiesValuta, TheFirstCurrencyDoesNotMove) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Valuta);
  for (auto [van, naar] : {std::pair{0, 3}, {3, 0}, {3, 3}, {3, 40}}) {
    b.berichten.Wis();
    EXPECT_FALSE(b.opties.valuta.Verplaats(van, naar));
    EXPECT_EQ(b.berichten.Teksten(), (std::vector<std::string>{"Dit valuta kan niet worden verplaatst"}));
  }
  EXPECT_EQ(b.kb.ValutaLijst[0].Kode, "Eur");
  EXPECT_FALSE(b.opties.gewijzigd);
}

// ---------------------------------------------------------------- print page

TEST(OptiesPrint, MarginsAndLineHeightAreMillimetres) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Print);
  const int ppcm = b.kb.weergave.PixelsPerCm;  // 4961 * 10 / 203
  ASSERT_EQ(ppcm, 244);
  EXPECT_EQ(b.opties.print.LinkerMarge(), "10");
  EXPECT_EQ(b.opties.print.TopMarge(), "15");
  EXPECT_TRUE(b.opties.print.ZetMarge(PrintPagina::Marge::Links, "25"));
  EXPECT_EQ(b.kb.Config.LinkerMarge, 25 * ppcm / 10);
  EXPECT_EQ(b.opties.print.LinkerMarge(), "25");
  for (const char* fout : {"2,5", "abc", "", "-3"}) {
    b.berichten.Wis();
    EXPECT_FALSE(b.opties.print.ZetMarge(PrintPagina::Marge::Onder, fout)) << fout;
    EXPECT_EQ(b.kb.Config.BodemMarge, ppcm) << fout;
    EXPECT_EQ(b.berichten.getoond.size(), 1u) << fout;
  }
  b.opties.print.ZetRegelHoogte("6");
  EXPECT_EQ(b.kb.Config.RegelHoogte, 6 * ppcm / 10);
  EXPECT_EQ(b.kb.Config.RegelsPerPagina,
            b.kb.weergave.PaginaRegels - (b.kb.Config.TopMarge + b.kb.Config.BodemMarge) / b.kb.Config.RegelHoogte);
  b.opties.print.ZetRegelHoogte("1");  // lower than the printer font's own line
  EXPECT_EQ(b.kb.Config.RegelHoogte, b.kb.weergave.PrinterRegelHoogte);
  EXPECT_TRUE(b.opties.gewijzigd);
}

TEST(OptiesPrint, TheFlagsAreTheirOwnBits) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Print);
  b.kb.Config.Vlaggen = vlag::RekeningenOpNaam;
  const std::pair<PrintPagina::Optie, int> gevallen[] = {{PrintPagina::Optie::Eigenaar, 8},
                                                         {PrintPagina::Optie::NieuweKop, 16},
                                                         {PrintPagina::Optie::PaginaNummer, 256},
                                                         {PrintPagina::Optie::Liggend, 64}};
  for (auto [optie, bit] : gevallen) {
    b.opties.print.Zet(optie, true);
    EXPECT_EQ(b.kb.Config.Vlaggen, vlag::RekeningenOpNaam | bit);
    EXPECT_TRUE(b.opties.print.Aan(optie));
    b.opties.print.Zet(optie, false);
    EXPECT_EQ(b.kb.Config.Vlaggen, vlag::RekeningenOpNaam);
  }
  b.opties.print.ZetVensterFont("DejaVu Sans", 6);
  EXPECT_EQ(b.kb.Config.FontNaam, "DejaVu Sans");
  EXPECT_EQ(b.kb.Config.FontGrootte, 8);
}

// ---------------------------------------------------------------- window

TEST(OptiesVenster, OkWritesOnlyAfterAChangeAndSchrapNever) {
  OptiesBoek b;
  b.opties.Open(OptiesPagina::Klasse);
  b.opties.Ok();
  EXPECT_FALSE(fs::exists(b.ConfigPad()));
  EXPECT_TRUE(b.opties.bevestigd);

  b.opties.Open(OptiesPagina::Klasse);
  EXPECT_FALSE(b.opties.bevestigd);
  b.opties.Sorteer();
  b.opties.Schrap();
  EXPECT_FALSE(fs::exists(b.ConfigPad()));
  EXPECT_EQ(b.kb.KlasseLijst.front().Letter, " - ");  // the edit stays in memory

  b.opties.Open(OptiesPagina::Print);
  b.opties.print.Zet(PrintPagina::Optie::Eigenaar, true);
  b.opties.Ok();
  ASSERT_TRUE(fs::exists(b.ConfigPad()));
  EXPECT_FALSE(b.opties.gewijzigd);
}

TEST(OptiesVenster, APageNotReadFromFileIsReported) {
  const std::pair<OptiesPagina, const char*> gevallen[] = {
      {OptiesPagina::Klasse, "KlasseArray"},
      {OptiesPagina::Soort, "SoortArray"},
      {OptiesPagina::Valuta, "ValutaArray"},
      {OptiesPagina::Print, "Configuratie"}};
  for (auto [pagina, lijst] : gevallen) {
    OptiesBoek b;
    b.kb.KlassenGelezen = b.kb.SoortenGelezen = b.kb.ConfigAanwezig = false;
    b.opties.Open(pagina);
    EXPECT_EQ(b.berichten.Teksten(),
              (std::vector<std::string>{std::string(lijst) + " bestaat niet\n\r controleer bestands layout"}));
  }
}

// ---------------------------------------------------------------- personal data

TEST(Persoonsdata, EachLineIsCutToTwentyFourCharacters) {
  OptiesBoek b;
  BewaarPersoonsdata(b.kb, {"Johannes Cornelis van der Bergh", "Kerkstraat 12", "1234 AB", "Utrecht",
                            "030-1234567", "123456789"});
  EXPECT_EQ(b.kb.Config.Persoonsdata[0], "Johannes Cornelis van de");
  EXPECT_EQ(LeesPersoonsdata(b.kb)[3], "Utrecht");
  EXPECT_TRUE(SchrijfConfig(b.kb).Gelukt());
  b.kb.Config.Persoonsdata[0].clear();
  EXPECT_TRUE(LeesConfig(b.kb).Gelukt());
  EXPECT_EQ(b.kb.Config.Persoonsdata[0], "Johannes Cornelis van de");
  EXPECT_EQ(PersoonsLabels()[5], "Sofi Nr.");
}

TEST(Persoonsdata, TheOwnerLinesHeadReportsOnlyWithEigenaar) {
  OptiesBoek b;
  BewaarPersoonsdata(b.kb, {"J. de Vries", "Kerkstraat 12", "", "Utrecht", "", ""});
  EXPECT_TRUE(EigenaarRegels(b.kb).empty());
  b.kb.Config.Vlaggen |= vlag::NaamBovenRapport;
  EXPECT_EQ(EigenaarRegels(b.kb), (std::vector<std::string>{"J. de Vries", "Kerkstraat 12", "Utrecht"}));
}

}  // namespace
}  // namespace valdero
