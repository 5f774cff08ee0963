#include "model/example/VoorbeeldBoek.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "TestBoek.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/core/KasVolgorde.h"

namespace valdero {
namespace {

struct Voorbeeld : test::BoekMetPoorten {
  explicit Voorbeeld(int transacties, int jaar = 2026) : BoekMetPoorten(MaakDatum(2026, 6, 1)) {
    kb.sessie.Map = map.pad();
    MaakVoorbeeldBoek(kb, {.jaar = jaar, .transacties = transacties});
  }
  test::TestMap map;
};

TEST(VoorbeeldBoek, ExactlyTheTransactionsAskedForInTheirOrder) {
  for (const int n : {0, 1, 17, 40, 400, 3000}) {
    SCOPED_TRACE(n);
    Voorbeeld v(n);
    EXPECT_EQ(v.kb.MaxKas(), n);
    ASSERT_EQ(v.kb.KasLijst.size(), static_cast<std::size_t>(n) + 1);
    EXPECT_EQ(v.kb.KasLijst[0].GroepKode, "0");
    for (int i = 1; i <= n; ++i) {
      const TKas& k = v.kb.KasLijst[static_cast<std::size_t>(i)];
      EXPECT_EQ(k.Index, i);
      if (i > 1) {
        EXPECT_FALSE(KasVoor(k, v.kb.KasLijst[static_cast<std::size_t>(i) - 1]));
      }
      EXPECT_EQ(SplitsDatum(k.Datum).jaar, 2026);
      // Every code and account exists: no message from the matrix.
      EXPECT_TRUE(v.kb.ZoekGroep(k.GroepKode).has_value()) << k.GroepKode;
      EXPECT_TRUE(v.kb.ZoekRekening(k.RekNr).has_value());
    }
    EXPECT_TRUE(v.berichten.getoond.empty());
    ASSERT_EQ(v.kb.SaldoMatrix().size(), static_cast<std::size_t>(v.kb.MaxGroep()) + 2);
  }
}

TEST(VoorbeeldBoek, AYearWithEveryKindOfRecord) {
  Voorbeeld v(400);
  const Kasboek& kb = v.kb;
  EXPECT_EQ(kb.sessie.KasNaam, "Valdr26");
  std::set<std::string> soorten;
  for (int i = 1; i <= kb.MaxRek(); ++i) soorten.insert(kb.RekLijst[static_cast<std::size_t>(i)].Soort);
  EXPECT_EQ(soorten, (std::set<std::string>{"BT", "SP", "EF", "TR"}));
  EXPECT_EQ(kb.RekLijst[static_cast<std::size_t>(kb.ZoekRekening(99).value())].Naam, "TRANSFER REKENING");

  // Each account has its own group; the cross-posting group comes last.
  for (int i = 1; i <= kb.MaxRek(); ++i) {
    const TBank& r = kb.RekLijst[static_cast<std::size_t>(i)];
    const int g = kb.ZoekGroep(r.RekNrTekst).value();
    ASSERT_NE(g, 0);
    EXPECT_EQ(kb.GroepLijst[static_cast<std::size_t>(g)].Naam, "Saldo " + r.Naam);
  }
  EXPECT_EQ(kb.GroepLijst.back().Kode, "xxxx");
  EXPECT_EQ(kb.GroepLijst.back().Naam, "KRUISPOSTEN");
  EXPECT_GE(kb.MaxGroep(), 35);
  for (const TBudget& g : kb.GroepLijst)
    if (&g != &kb.GroepLijst[0]) {
      EXPECT_TRUE(kb.KlasseBestaat(g.Klasse)) << g.Kode;
    }

  // Transfers: two legs on "xxxx", each pointing at the other.
  std::map<std::pair<int, int>, const TKas*> opRekeningEnBlad;
  for (int i = 1; i <= kb.MaxKas(); ++i) {
    const TKas& k = kb.KasLijst[static_cast<std::size_t>(i)];
    if (k.GroepKode == "xxxx") opRekeningEnBlad[{k.RekNr, k.VolgBlad}] = &k;
  }
  ASSERT_GE(opRekeningEnBlad.size(), 24u);
  for (const auto& [sleutel, leg] : opRekeningEnBlad) {
    const auto ander = opRekeningEnBlad.find({leg->TegenRek, leg->TegenVolgBlad});
    ASSERT_NE(ander, opRekeningEnBlad.end());
    EXPECT_EQ(ander->second->Bedrag, -leg->Bedrag);
    EXPECT_EQ(ander->second->Datum, leg->Datum);
    EXPECT_EQ(ander->second->ActieKode, "OB");
  }

  int effecten = 0, btw = 0, gepland = 0;
  for (int i = 1; i <= kb.MaxKas(); ++i) {
    const TKas& k = kb.KasLijst[static_cast<std::size_t>(i)];
    if (k.Belegging == 1 && (k.BoekSoort & 0xFF) >= 10 && k.Aantal > 0) ++effecten;
    if (k.BoekSoort >= 256) {
      ++btw;
      EXPECT_EQ(kb.KlasseLijst[static_cast<std::size_t>(
                                   kb.ZoekKlasse(kb.GroepLijst[static_cast<std::size_t>(kb.ZoekGroep(k.GroepKode).value())].Klasse).value())]
                    .BtwSoort,
                k.BoekSoort >> 8);
    }
    if (k.RekNr == 99) ++gepland;
  }
  EXPECT_GE(effecten, 6);
  EXPECT_GT(btw, 0);
  EXPECT_GT(gepland, 0);
  EXPECT_TRUE(TransferActief(kb));
  EXPECT_TRUE(BeleggingActief(kb));
  EXPECT_TRUE(kb.BtwActief);

  // The cross-posting group sums to zero; salary came in every month.
  const auto& totaal = kb.SaldoMatrix()[static_cast<std::size_t>(kb.ZoekGroep("xxxx").value())].back();
  EXPECT_NEAR(totaal.In + totaal.Uit, 0, 1e-9);
  EXPECT_NEAR(kb.SaldoMatrix()[static_cast<std::size_t>(kb.ZoekGroep("210").value())].back().In, 12 * 3187.42 + 850, 1e-6);
}

TEST(VoorbeeldBoek, TheSameSettingsGiveTheSameBook) {
  Voorbeeld a(500), b(500), anderJaar(500, 2027);
  EXPECT_EQ(SchrijfBoek(a.kb), SchrijfBoek(b.kb));
  EXPECT_NE(SchrijfBoek(a.kb), SchrijfBoek(anderJaar.kb));
}

TEST(VoorbeeldBoek, WrittenAndLoadedItIsTheSameBook) {
  Voorbeeld v(300);
  std::string fout;
  ASSERT_TRUE(SchrijfVoorbeeldBoek(v.kb, {.jaar = 2026, .transacties = 300}, fout)) << fout;

  Voorbeeld geladen(0);
  geladen.kb.sessie.Map = v.map.pad();
  ASSERT_EQ(StartBoek(geladen.kb, true), LaadUitkomst::Geladen);
  EXPECT_TRUE(geladen.berichten.getoond.empty());
  ASSERT_EQ(geladen.kb.MaxKas(), 300);
  std::array<std::uint8_t, TKas::Grootte> x{}, y{};
  for (std::size_t i = 0; i < v.kb.KasLijst.size(); ++i) {
    v.kb.KasLijst[i].Schrijf(x.data());
    geladen.kb.KasLijst[i].Schrijf(y.data());
    EXPECT_EQ(x, y) << i;
  }
  EXPECT_EQ(geladen.kb.RelatieLijst.size(), v.kb.RelatieLijst.size());
  EXPECT_EQ(geladen.kb.KlasseLijst[static_cast<std::size_t>(geladen.kb.ZoekKlasse(" K ").value())].BtwPerc, 21.0f);

  // An existing book is left alone.
  const auto voor = test::LeesBytes(v.map / "Valdr26.vdr");
  EXPECT_FALSE(SchrijfVoorbeeldBoek(v.kb, {.jaar = 2026, .transacties = 10}, fout));
  EXPECT_NE(fout.find("bestaat al"), std::string::npos);
  EXPECT_EQ(test::LeesBytes(v.map / "Valdr26.vdr"), voor);
}

}  // namespace
}  // namespace valdero
