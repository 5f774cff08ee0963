// The sealed format on its own: what goes in comes out, with the right
// passphrase only, and no byte of a sealed file can be changed unnoticed.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/storage/Verzegeling.h"

namespace valdero {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& tekst) { return {tekst.begin(), tekst.end()}; }

std::shared_ptr<const BoekSleutel> TestSleutel(const std::string& zin = "correct paard batterij niet") {
  auto sleutel = NieuweSleutel(zin, MinimaleKosten());
  EXPECT_TRUE(sleutel);
  return sleutel;
}

TEST(Verzegeling, GeeftTerugWatErinGing) {
  const auto sleutel = TestSleutel();
  // Empty, small, exactly one piece, and more than one piece.
  for (const std::size_t lengte : {std::size_t{0}, std::size_t{1}, std::size_t{1000},
                                   std::size_t{64 * 1024}, std::size_t{200 * 1024 + 7}}) {
    std::vector<std::uint8_t> open(lengte);
    for (std::size_t i = 0; i < lengte; ++i) open[i] = static_cast<std::uint8_t>(i * 31 + 7);
    const auto verzegeld = Verzegel(*sleutel, open);
    ASSERT_TRUE(IsVerzegeld(verzegeld)) << lengte;
    const auto terug = Ontzegel(*sleutel, verzegeld);
    ASSERT_TRUE(terug) << lengte;
    EXPECT_EQ(*terug, open) << lengte;
  }
}

TEST(Verzegeling, OpentMetDeWachtwoordzinEnDeKostenUitDeKop) {
  const std::string zin = "Één lange zin met ü en \"aanhalingstekens\"";
  const auto sleutel = NieuweSleutel(zin, MinimaleKosten());
  ASSERT_TRUE(sleutel);
  const auto verzegeld = Verzegel(*sleutel, Bytes("Huishoudboek van Jansen"));

  const auto zelfde = SleutelVoor(verzegeld, zin);
  ASSERT_TRUE(zelfde);
  EXPECT_EQ(zelfde->kosten, MinimaleKosten());
  EXPECT_TRUE(PastBij(*zelfde, verzegeld));
  EXPECT_EQ(Ontzegel(*zelfde, verzegeld), Bytes("Huishoudboek van Jansen"));

  const auto verkeerd = SleutelVoor(verzegeld, zin + " ");
  ASSERT_TRUE(verkeerd);
  EXPECT_FALSE(Ontzegel(*verkeerd, verzegeld));
}

TEST(Verzegeling, ElkeVerzegelingIsAnders) {
  // A fresh stream header for every seal: the same book saved twice shows
  // nothing of which parts stayed the same.
  const auto sleutel = TestSleutel();
  const auto open = Bytes("Rekening Spaarrekening Jansen");
  EXPECT_NE(Verzegel(*sleutel, open), Verzegel(*sleutel, open));
}

TEST(Verzegeling, BevatNietsVanDeInhoud) {
  const auto sleutel = TestSleutel();
  const std::string naam = "Spaarrekening Jansen";
  std::string open;
  for (int i = 0; i < 100; ++i) open += naam;
  const auto verzegeld = Verzegel(*sleutel, Bytes(open));
  EXPECT_EQ(std::search(verzegeld.begin(), verzegeld.end(), naam.begin(), naam.end()), verzegeld.end());
}

TEST(Verzegeling, ElkeVeranderdeByteWordtGeweigerd) {
  // Every byte of a small sealed file, header included, flipped in turn:
  // none of the files opens, whether through the passphrase (which derives
  // the key from the changed header) or with the key already at hand.
  const std::string zin = "wachtwoordzin voor de test";
  const auto sleutel = NieuweSleutel(zin, MinimaleKosten());
  ASSERT_TRUE(sleutel);
  const auto verzegeld = Verzegel(*sleutel, Bytes("Boodschappen Albert Heijn 12,50"));
  for (std::size_t i = 0; i < verzegeld.size(); ++i) {
    for (const std::uint8_t bit : {std::uint8_t{0x01}, std::uint8_t{0x80}}) {
      auto kapot = verzegeld;
      kapot[i] ^= bit;
      EXPECT_FALSE(Ontzegel(*sleutel, kapot)) << "byte " << i;
      const auto afgeleid = SleutelVoor(kapot, zin);
      EXPECT_FALSE(afgeleid && Ontzegel(*afgeleid, kapot)) << "byte " << i;
    }
  }
}

TEST(Verzegeling, AfgekaptOfVerlengdWordtGeweigerd) {
  const auto sleutel = TestSleutel();
  std::vector<std::uint8_t> open(150 * 1024, 0x41);
  const auto verzegeld = Verzegel(*sleutel, open);
  const std::size_t stuk = 64 * 1024 + 17;
  const std::size_t kop = verzegeld.size() - (open.size() + 3 * 17);
  struct Geval {
    const char* naam;
    std::vector<std::uint8_t> bytes;
  };
  const std::vector<Geval> gevallen = {
      {"een byte minder", {verzegeld.begin(), verzegeld.end() - 1}},
      {"laatste stuk weg", {verzegeld.begin(), verzegeld.begin() + static_cast<long>(kop + 2 * stuk)}},
      {"alleen de kop", {verzegeld.begin(), verzegeld.begin() + static_cast<long>(kop)}},
      {"een byte erbij", [&] { auto v = verzegeld; v.push_back(0); return v; }()},
  };
  for (const Geval& geval : gevallen) EXPECT_FALSE(Ontzegel(*sleutel, geval.bytes)) << geval.naam;
}

TEST(Verzegeling, EenKopDieTeveelVraagtWordtNietAfgeleid) {
  // Costs beyond the highest allowed are refused before any memory is
  // claimed: a forged header cannot make the program allocate gigabytes.
  const auto sleutel = TestSleutel();
  auto verzegeld = Verzegel(*sleutel, Bytes("x"));
  EXPECT_EQ(KopGebrek(verzegeld), "");
  auto teveel = verzegeld;
  teveel[18 + 5] = 0x40;  // memlimit of some terabytes
  EXPECT_EQ(KopGebrek(teveel), "te hoge kosten");
  EXPECT_FALSE(SleutelVoor(teveel, "correct paard batterij niet"));
  auto versie = verzegeld;
  versie[8] = 2;
  EXPECT_EQ(KopGebrek(versie), "onbekende versie");
  EXPECT_EQ(KopGebrek(std::vector<std::uint8_t>(verzegeld.begin(), verzegeld.begin() + 20)), "te kort");
}

TEST(Verzegeling, StandaardKostenLiggenBinnenDeGrenzen) {
  const KdfKosten standaard = StandaardKosten();
  EXPECT_GE(standaard.geheugen, MinimaleKosten().geheugen);
  EXPECT_LE(standaard.geheugen, HoogsteKosten().geheugen);
  EXPECT_LE(standaard.rekenwerk, HoogsteKosten().rekenwerk);
}

}  // namespace
}  // namespace valdero
