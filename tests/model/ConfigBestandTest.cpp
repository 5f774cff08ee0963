#include <gtest/gtest.h>

#include <algorithm>

#include <functional>
#include <set>

#include "FoutBestanden.h"
#include "TestBoek.h"
#include "model/storage/Bestanden.h"
#include "model/core/ByteImage.h"
#include "model/storage/ConfigBestand.h"

namespace valdero {
namespace {

using test::BoekInMap;
using Bytes = std::vector<std::uint8_t>;

// Positions in the image of the default configuration.
constexpr std::size_t kKlassen = 12;
constexpr std::size_t kSoorten = kKlassen + 16 * TKlasse02::Grootte;
constexpr std::size_t kValuta = kSoorten + 7 * TRekSoort::Grootte;
constexpr std::size_t kConfig = kValuta + 11 * TValut::Grootte;

Bytes StandaardBeeld(BoekInMap& boek) {
  StandaardConfig(boek.kb);
  EXPECT_TRUE(SchrijfConfig(boek.kb).Gelukt());
  return test::LeesBytes(boek.kb.Pad(boek.kb.sessie.ConfigPad));
}

const std::string kStandaardMelding = " probeer opnieuw of controleer bestand";

TEST(ConfigBestand, DefaultTablesWordForWord) {
  BoekInMap boek;
  boek.kb.weergave.RekeningenOpNaam = true;
  const Bytes beeld = StandaardBeeld(boek);
  ASSERT_EQ(beeld.size(), kConfig + TConfig::Grootte);
  EXPECT_EQ(bytes::LeesI32(&beeld[0]), 16);
  EXPECT_EQ(bytes::LeesI32(&beeld[4]), 7);
  EXPECT_EQ(bytes::LeesI32(&beeld[8]), 11);

  const Kasboek& kb = boek.kb;
  EXPECT_EQ(kb.KlasseLijst[3].Letter, " D ");
  EXPECT_EQ(kb.KlasseLijst[3].Omschrijving, "Negatief Bank saldo(\"rood\")");
  EXPECT_EQ(kb.KlasseLijst[13].Naam, "vaste lasten");
  EXPECT_EQ(kb.KlasseLijst[15].Letter, " - ");
  EXPECT_EQ(kb.KlasseLijst[15].Omschrijving, "Zonder klasse");
  EXPECT_EQ(kb.SoortLijst[4].Naam, "SP sparen ");
  EXPECT_EQ(kb.SoortLijst[5].Naam, "TR tranferrek.");
  EXPECT_EQ(kb.SoortLijst[6].Omschrijving, "voor boekingen zonder rekening");
  EXPECT_EQ(kb.SoortKodes,
            (std::vector<std::string>{"BT", "BZ", "EF", "LN", "SP", "TR", "ZN"}));
  EXPECT_EQ(kb.ValutaLijst[2].Naam, "Engelse Pond");
  EXPECT_EQ(kb.ValutaLijst[10].Naam, "Nederlandse gulden");
  EXPECT_EQ(kb.BasisMunt, 0);
  // The signs as the file holds them: Windows-1252 bytes.
  const std::pair<int, std::uint8_t> tekens[] = {{0, 0x80}, {1, '$'}, {2, 0xA3}, {6, 0xA5}, {10, 0x83}};
  for (const auto& [positie, teken] : tekens)
    EXPECT_EQ(beeld[kValuta + TValut::Grootte * positie + 31], teken) << "currency " << positie;
  EXPECT_EQ(bytes::LeesU16(&beeld[kValuta]), 1);
  EXPECT_EQ(bytes::LeesU16(&beeld[kValuta + TValut::Grootte]), 0);
  EXPECT_EQ(bytes::LeesF32(&beeld[kValuta + TValut::Grootte * 2 + 27]), 1.48f);
}

// A printer whose 10-point font is 40 pixels high and whose characters are
// 20 wide, on a page of 4961 x 7016.
struct VeertigPrinter : VastePrinter {
  int TekstHoogte(const std::string&) const override { return FontGrootte() * 4; }
  int TekstBreedte(const std::string& tekst) const override {
    return static_cast<int>(tekst.size()) * FontGrootte() * 2;
  }
};

TEST(ConfigBestand, DefaultPrintLayoutFollowsThePrinter) {
  BoekInMap boek;
  VeertigPrinter veertig;
  boek.kb.poorten.printer = veertig;
  veertig.ZetFont("Arial", 14, false);
  boek.kb.weergave.GroepenOpNaam = true;
  StandaardConfig(boek.kb);
  const TConfig& c = boek.kb.Config;
  EXPECT_EQ(c.FontNaam, "MS Sans Serif");
  EXPECT_EQ(c.FontGrootte, 10);
  EXPECT_EQ(c.RegelHoogte, 48);
  EXPECT_EQ(c.LinkerMarge, 244);  // 4961 * 10 / 203
  EXPECT_EQ(c.TopMarge, 366);
  EXPECT_EQ(c.BodemMarge, 244);
  EXPECT_EQ(c.RegelsPerPagina, 7016 / 48 - 610 / 48);
  EXPECT_EQ(c.PrinterIndex, -1);
  EXPECT_EQ(c.Vlaggen, 1024);
  EXPECT_EQ(boek.kb.weergave.TekenBreedte, 40 * 20 / 40 + 1);

  // Where no printer is installed the printer of fixed measures stands in:
  // at 600 pixels per inch a 10-point font is 96 pixels high (1.15 times
  // its 83 pixels), a line 1.2 times that, about 4.9 mm.
  BoekMetPoorten zonderPrinter(MaakDatum(2008, 3, 5));
  StandaardConfig(zonderPrinter.kb);
  EXPECT_EQ(zonderPrinter.kb.Config.RegelHoogte, 115);
  EXPECT_EQ(zonderPrinter.kb.weergave.TekenBreedte, 1667 / 40 + 1);
}

TEST(ConfigBestand, SavedConfigurationReadsBackUnchanged) {
  BoekInMap boek;
  StandaardConfig(boek.kb);
  boek.kb.KlasseLijst[12].BtwSoort = 2;
  boek.kb.KlasseLijst[12].BtwPerc = 19.0f;
  boek.kb.ValutaLijst[0].Basis = 0;
  boek.kb.ValutaLijst[2].Basis = 1;
  boek.kb.Config.Persoonsdata[0] = "J. de Vries";
  boek.kb.Config.ruw[200] = 0x5A;  // carried as found
  EXPECT_TRUE(SchrijfConfig(boek.kb).Gelukt());
  const Bytes bewaard = test::LeesBytes(boek.kb.Pad(boek.kb.sessie.ConfigPad));

  BoekInMap tweede;
  tweede.kb.sessie.ConfigPad = boek.kb.Pad(boek.kb.sessie.ConfigPad).string();
  EXPECT_TRUE(LeesConfig(tweede.kb).Gelukt());
  EXPECT_TRUE(tweede.berichten.getoond.empty());
  EXPECT_EQ(tweede.kb.IOStatus, 0);
  EXPECT_TRUE(tweede.kb.BtwActief);
  EXPECT_TRUE(tweede.kb.KlassenGelezen);
  EXPECT_TRUE(tweede.kb.SoortenGelezen);
  EXPECT_TRUE(tweede.kb.ConfigAanwezig);
  EXPECT_EQ(tweede.kb.BasisMunt, 2);
  EXPECT_EQ(tweede.kb.Config.Persoonsdata[0], "J. de Vries");
  tweede.kb.sessie.KasNaam = "Kopie08";
  EXPECT_TRUE(SchrijfConfig(tweede.kb).Gelukt());
  EXPECT_EQ(test::LeesBytes(tweede.kb.Pad("Kopie08.cfg")), bewaard);
}

TEST(ConfigBestand, HundredClassesLoad) {
  BoekInMap boek;
  StandaardConfig(boek.kb);
  boek.kb.KlasseLijst.resize(100, boek.kb.KlasseLijst[0]);
  EXPECT_TRUE(SchrijfConfig(boek.kb).Gelukt());
  EXPECT_TRUE(LeesConfig(boek.kb).Gelukt());
  EXPECT_EQ(boek.kb.IOStatus, 0);
  EXPECT_EQ(boek.kb.AantalKlassen(), 100);
  EXPECT_EQ(boek.kb.KlasseLijst.size(), 100u);
}

TEST(ConfigBestand, WithoutABaseCurrencyTheBaseStaysWhereItWas) {
  BoekInMap boek;
  StandaardConfig(boek.kb);
  boek.kb.ValutaLijst[0].Basis = 0;
  EXPECT_TRUE(SchrijfConfig(boek.kb).Gelukt());
  boek.kb.BasisMunt = 4;
  EXPECT_TRUE(LeesConfig(boek.kb).Gelukt());
  EXPECT_EQ(boek.kb.BasisMunt, 4);
  boek.kb.BasisMunt = 40;  // from a book with a longer list
  EXPECT_TRUE(LeesConfig(boek.kb).Gelukt());
  EXPECT_EQ(boek.kb.BasisMunt, 0);
}

struct Beschadiging {
  const char* naam;
  std::function<void(Bytes&)> schade;
  int ioStatus;
  std::string melding;
};

void PrintTo(const Beschadiging& b, std::ostream* os) { *os << b.naam; }

class BeschadigdeConfig : public testing::TestWithParam<Beschadiging> {};

void Aantal(Bytes& b, int welk, std::int32_t waarde) { bytes::SchrijfI32(&b[4 * welk], waarde); }

TEST_P(BeschadigdeConfig, IsReportedAndReplacedByTheDefaults) {
  const Beschadiging& geval = GetParam();
  BoekInMap boek;
  Bytes beeld = StandaardBeeld(boek);
  geval.schade(beeld);
  test::SchrijfBytes(boek.kb.Pad(boek.kb.sessie.ConfigPad), beeld);
  boek.kb.KlasseLijst.clear();
  boek.kb.ValutaLijst.clear();

  EXPECT_EQ(LeesConfig(boek.kb).Gelukt(), geval.ioStatus == 0);
  EXPECT_EQ(boek.kb.IOStatus, geval.ioStatus);
  EXPECT_EQ(boek.berichten.Teksten(),
            (std::vector<std::string>{geval.melding, "Oude configuratie bewaard als Valdr08.~CF"}));
  EXPECT_EQ(boek.kb.AantalKlassen(), 16);
  EXPECT_EQ(boek.kb.KlasseLijst.size(), 16u);
  EXPECT_EQ(boek.kb.SoortLijst.front().Naam, "BT betalingen");
  EXPECT_EQ(boek.kb.ValutaLijst.size(), 11u);
  EXPECT_TRUE(boek.kb.ConfigAanwezig);
  // The damaged file is left for the user to look at, and kept as a copy
  // for when the defaults are written over it.
  EXPECT_EQ(test::LeesBytes(boek.kb.Pad(boek.kb.sessie.ConfigPad)), beeld);
  ASSERT_TRUE(SchrijfConfig(boek.kb).Gelukt());
  EXPECT_EQ(test::LeesBytes(boek.map / "Valdr08.~CF"), beeld);
}

INSTANTIATE_TEST_SUITE_P(
    ConfigBestand, BeschadigdeConfig,
    testing::Values(
        Beschadiging{"NoClasses", [](Bytes& b) { Aantal(b, 0, 0); }, 1,
                     "KlasseArray inlezen NIET gelukt\n\r" + kStandaardMelding},
        Beschadiging{"NegativeClasses", [](Bytes& b) { Aantal(b, 0, -5); }, 1,
                     "KlasseArray inlezen NIET gelukt\n\r" + kStandaardMelding},
        Beschadiging{"NoKinds", [](Bytes& b) { Aantal(b, 1, 0); }, 2,
                     "SoortArray inlezen NIET gelukt\n\r" + kStandaardMelding},
        Beschadiging{"NoCurrencies", [](Bytes& b) { Aantal(b, 2, 0); }, 3,
                     "ValutaArray inlezen NIET gelukt\n\r" + kStandaardMelding},
        Beschadiging{"HundredAndOneClasses", [](Bytes& b) { Aantal(b, 0, 101); }, 5,
                     "KlasseArraylengte inlezen NIET gelukt\n\r controleer bestands layout"},
        Beschadiging{"SeventeenKinds", [](Bytes& b) { Aantal(b, 1, 17); }, 6,
                     "SoortArraylengte inlezen NIET gelukt\n\r controleer bestands layout"},
        Beschadiging{"HugeCurrencyCount", [](Bytes& b) { Aantal(b, 2, 0x7FFFFFFF); }, 7,
                     "ValutaArraylengte inlezen NIET gelukt\n\r controleer bestands layout"},
        Beschadiging{"LaterCountTestWins",
                     [](Bytes& b) {
                       Aantal(b, 0, 0);
                       Aantal(b, 1, 17);
                     },
                     6, "SoortArraylengte inlezen NIET gelukt\n\r controleer bestands layout"},
        Beschadiging{"EmptyFile", [](Bytes& b) { b.clear(); }, 4,
                     "Configuratie inlezen NIET gelukt\n\r" + kStandaardMelding},
        Beschadiging{"CutInTheClasses", [](Bytes& b) { b.resize(kKlassen + 100); }, 4,
                     "Configuratie inlezen NIET gelukt\n\r" + kStandaardMelding},
        Beschadiging{"CutInTheCurrencies", [](Bytes& b) { b.resize(kValuta + 40); }, 4,
                     "Configuratie inlezen NIET gelukt\n\r" + kStandaardMelding},
        Beschadiging{"CutInTheSettings", [](Bytes& b) { b.pop_back(); }, 4,
                     "Configuratie inlezen NIET gelukt\n\r" + kStandaardMelding},
        Beschadiging{"MoreClassesThanTheFileHolds", [](Bytes& b) { Aantal(b, 0, 100); }, 4,
                     "Configuratie inlezen NIET gelukt\n\r" + kStandaardMelding},
        Beschadiging{"FirstKindIsNotPayments", [](Bytes& b) { b[kSoorten + 1] = 'b'; }, 9,
                     "Géén Betaal Rekening inlezen NIET gelukt\n\r" + kStandaardMelding}),
    [](const testing::TestParamInfo<Beschadiging>& rij) { return rij.param.naam; });

// A configuration that stays unreadable is kept once, however often the
// book is opened; another damaged content gets a copy of its own.
TEST(ConfigBestand, OneKeptCopyPerDamagedContent) {
  BoekInMap boek;
  Bytes beeld = StandaardBeeld(boek);
  Aantal(beeld, 0, 0);
  test::SchrijfBytes(boek.kb.Pad(boek.kb.sessie.ConfigPad), beeld);
  for (int keer = 0; keer < 4; ++keer) {
    boek.berichten.Wis();
    EXPECT_FALSE(LeesConfig(boek.kb).Gelukt());
    EXPECT_EQ(boek.berichten.Teksten().back(), "Oude configuratie bewaard als Valdr08.~CF") << keer;
  }
  Aantal(beeld, 1, 0);
  // Another damaged file in its place (the kept copy may be a second name
  // of the old one).
  std::filesystem::remove(boek.kb.Pad(boek.kb.sessie.ConfigPad));
  test::SchrijfBytes(boek.kb.Pad(boek.kb.sessie.ConfigPad), beeld);
  EXPECT_FALSE(LeesConfig(boek.kb).Gelukt());
  EXPECT_FALSE(LeesConfig(boek.kb).Gelukt());
  EXPECT_EQ(boek.berichten.Teksten().back(), "Oude configuratie bewaard als Valdr08-1.~CF");
  std::vector<std::string> kopieen;
  for (const auto& e : std::filesystem::directory_iterator(boek.map.pad()))
    if (e.path().extension() == ".~CF") kopieen.push_back(e.path().filename().string());
  std::sort(kopieen.begin(), kopieen.end());
  EXPECT_EQ(kopieen, (std::vector<std::string>{"Valdr08-1.~CF", "Valdr08.~CF"}));
}

TEST(ConfigBestand, MissingFileIsMadeFromTheDefaultsOnlyForALoadedBook) {
  BoekInMap boek;
  boek.kb.KasGelezen = false;
  EXPECT_TRUE(LeesConfig(boek.kb).Gelukt());
  EXPECT_TRUE(boek.berichten.getoond.empty());
  EXPECT_EQ(boek.kb.ValutaLijst.size(), 11u);
  EXPECT_FALSE(std::filesystem::exists(boek.map / "Valdr08.cfg"));

  boek.kb.KasGelezen = true;
  EXPECT_TRUE(LeesConfig(boek.kb).Gelukt());
  EXPECT_EQ(boek.berichten.Teksten(),
            std::vector<std::string>{"Configuratie bestand bestaat niet\rStandaard bestand wordt aangemaakt"});
  EXPECT_EQ(test::LeesBytes(boek.map / "Valdr08.cfg").size(), kConfig + TConfig::Grootte);
}

TEST(ConfigBestand, SavingInDollarsMakesTheDollarTheBase) {
  BoekInMap boek;
  StandaardConfig(boek.kb);
  boek.kb.weergave.HulpMunt = 1;
  boek.kb.MuntOmzetten = true;
  EXPECT_TRUE(SchrijfConfig(boek.kb).Gelukt());
  EXPECT_EQ(boek.kb.BasisMunt, 1);

  boek.kb.MuntOmzetten = false;
  EXPECT_TRUE(LeesConfig(boek.kb).Gelukt());
  ASSERT_EQ(boek.kb.IOStatus, 0);
  const TValut& eur = boek.kb.ValutaLijst[0];
  const TValut& usd = boek.kb.ValutaLijst[1];
  EXPECT_EQ(usd.Kode, "USD");
  EXPECT_EQ(usd.Koers, 1.0f);
  EXPECT_EQ(usd.Basis, 1);
  EXPECT_EQ(eur.Koers, 1.25f);
  EXPECT_EQ(eur.Basis, 0);
  EXPECT_EQ(boek.kb.BasisMunt, 1);
  EXPECT_FLOAT_EQ(boek.kb.ValutaLijst[2].Koers, 1.48f / 0.8f);
}

TEST(ConfigBestand, AFailedSaveLeavesTheOldFile) {
  BoekInMap boek;
  const Bytes oud = StandaardBeeld(boek);
  const auto pad = boek.kb.Pad(boek.kb.sessie.ConfigPad);
  test::FoutBestanden schijf;
  schijf.faaltBij = 0;  // no new file can be made beside it
  schijf.fout = EACCES;
  boek.kb.poorten.bestandssysteem = schijf;
  boek.kb.Config.Persoonsdata[0] = "Nieuw";
  EXPECT_FALSE(SchrijfConfig(boek.kb).Gelukt());
  EXPECT_EQ(boek.kb.IOStatus, 4);
  EXPECT_EQ(boek.berichten.Teksten(),
            std::vector<std::string>{"Configuratie wegschrijven NIET gelukt\n\r" + kStandaardMelding});
  EXPECT_EQ(test::LeesBytes(pad), oud);
}

// A configuration that exists but cannot be read holds the owner's settings
// all the same: it is kept as a copy before the defaults go over it, and
// where no copy can be made the defaults do not go over it at all.
TEST(ConfigBestand, AConfigurationThatCannotBeReadIsNeverLost) {
  struct Geval {
    const char* naam;
    std::set<std::string> faalt;
    bool kopie;
  };
  for (const Geval& g : {Geval{"a disk error while reading", {"Lees"}, true},
                         Geval{"not even a copy can be made", {"Lees", "Koppel", "OpenLezen"}, false}}) {
    SCOPED_TRACE(g.naam);
    BoekInMap boek;
    const Bytes eigen = StandaardBeeld(boek);
    const auto pad = boek.kb.Pad(boek.kb.sessie.ConfigPad);
    test::FoutBestanden schijf;
    schijf.faaltAltijd = g.faalt;
    boek.kb.poorten.bestandssysteem = schijf;

    EXPECT_FALSE(LeesConfig(boek.kb).Gelukt());
    EXPECT_EQ(boek.kb.IOStatus, 4);
    EXPECT_EQ(boek.berichten.Teksten().at(0), "Configuratie inlezen NIET gelukt\n\r" + kStandaardMelding);
    EXPECT_EQ(boek.kb.ValutaLijst.size(), 11u) << "the defaults are in force";
    boek.kb.poorten.bestandssysteem = boek.bestanden;
    boek.berichten.Wis();
    const bool geschreven = SchrijfConfig(boek.kb).Gelukt();
    EXPECT_EQ(geschreven, g.kopie);
    if (g.kopie) {
      EXPECT_EQ(test::LeesBytes(boek.map / "Valdr08.~CF"), eigen);
    } else {
      EXPECT_EQ(test::LeesBytes(pad), eigen);
      EXPECT_FALSE(std::filesystem::exists(boek.map / "Valdr08.~CF"));
      EXPECT_EQ(boek.berichten.Teksten(),
                std::vector<std::string>{"Configuratie wegschrijven NIET gelukt\n\r" + kStandaardMelding});
    }
  }
}

}  // namespace
}  // namespace valdero
