#pragma once
// A believable example year, built with the book's own operations: a
// payments, a savings and a securities account and the transfer account 99,
// the account groups, some thirty ordinary groups with budgets, the
// cross-posting group, relations, a VAT class in the configuration, and
// transactions over the whole year (salary, rent, energy, groceries,
// transfers between own accounts, purchases, dividend and revaluation of
// securities, planned payments on account 99). The same settings always give
// the same book, so tests and benchmarks can rely on it.

#include <cstdint>
#include <string>

namespace valdero {

class Kasboek;

struct VoorbeeldOpties {
  int jaar = 2026;
  // Exactly this many transactions (positions 1..transacties).
  int transacties = 400;
  std::uint64_t zaad = 0x5eed2026;
  // A bank account number carried in the payments account's name (after a
  // blank), so that a bank file of that number is recognised as its own;
  // empty for the plain name.
  std::string betaalNummer{};
};

// Replaces the open book by the example year: KasNaam Valdr + the last two
// digits of the year, the lists, the default configuration with VAT on class
// " K ", the transactions in their order and the balance matrix.
void MaakVoorbeeldBoek(Kasboek& kb, const VoorbeeldOpties& opties);

// MaakVoorbeeldBoek, then writes the book and its configuration beside it in
// kb.sessie.Map. An existing book of that name is never overwritten. Returns false
// with a Dutch reason in `fout` when nothing or not everything was written.
bool SchrijfVoorbeeldBoek(Kasboek& kb, const VoorbeeldOpties& opties, std::string& fout);

}  // namespace valdero
