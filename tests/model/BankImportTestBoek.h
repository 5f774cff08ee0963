#pragma once
// A book with the accounts the bank fixtures in tests/data/bank name, and a
// run that reads one fixture as a menu tag would.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
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

}  // namespace valdero::test
