#pragma once
// A book with the accounts the bank fixtures in tests/data/bank name, and a
// run that reads one fixture as a menu tag would.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "TestBoek.h"
#include "model/bankimport/BankImport.h"
#include "model/accounts/RekeningDialoog.h"
#include "model/bankimport/SelectMut.h"

namespace valdero::test {

inline std::string BankFixture(const std::string& naam) {
  std::ifstream in(std::filesystem::path(VALDERO_TESTDATA) / "bank" / naam, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct BankBoek : TestBoek {
  BankBoek() {
    Rekening(1, "Betaal 123456789");
    Rekening(2, "Spaar 987654321");
    Rekening(3, "Giro 1234567");
    Rekening(99, "TRANSFER REKENING", "TR");
    for (int nr : {1, 2, 3}) Groep(std::to_string(nr), "Saldo");
    kb.Vandaag();
  }

  // Reads the text as the import of the tag does; declines new accounts.
  BankImport& Lees(int tag, const std::string& naam, const std::string& inhoud) {
    run = std::make_unique<BankImport>(kb, kiezer, nullptr);
    gelukt = run->Verwerk(tag, naam, inhoud);
    return *run;
  }
  BankImport& LeesFixture(int tag, const std::string& naam) { return Lees(tag, naam, BankFixture(naam)); }
  const TNewKas& Regel(int i) const { return run->Lijst()[static_cast<std::size_t>(i)]; }

  EersteKeuzeVoerder kiezer;
  std::unique_ptr<BankImport> run;
  bool gelukt = false;
};

// One import line as a bank file should give it, in the columns the tests
// compare; `groep` is the group the file's category names (none: not
// compared).
struct VerwachteRegel {
  int rekNr;
  double datum;
  double bedrag;
  int soort;
  std::string relatie;
  std::string tegenRekNr;
  int tegenRek;
  std::string actie;
  std::string omschrijving;
  std::optional<std::string> groep;
};

// The line as read, against what it should be; every line read stays in the
// file's currency and has the account's own group until it is reconciled.
inline void VergelijkRegel(const TNewKas& r, const VerwachteRegel& v) {
  EXPECT_EQ(r.RekNr, v.rekNr);
  EXPECT_EQ(r.Datum, v.datum);
  EXPECT_DOUBLE_EQ(r.Bedrag, v.bedrag);
  EXPECT_EQ(r.BoekSoort, v.soort);
  EXPECT_EQ(r.Relatie, v.relatie);
  EXPECT_EQ(r.TegenRekNr, v.tegenRekNr);
  EXPECT_EQ(r.TegenRek, v.tegenRek);
  EXPECT_EQ(r.ActieKode, v.actie);
  EXPECT_EQ(r.Omschrijving, v.omschrijving);
  if (v.groep) {
    EXPECT_EQ(r.BestandGroep, *v.groep);
  }
  EXPECT_EQ(r.GroepKode, "1");
  EXPECT_EQ(r.Munt, 0);
}

}  // namespace valdero::test
