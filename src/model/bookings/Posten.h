#pragma once
// The list operations behind every posting: ordered insertion, removal of
// picked rows, balances from the matrix, the VAT lookup and the relation
// offer. Only these change KasLijst on behalf of the booking model.

#include <string>
#include <vector>

#include "model/core/Records.h"

namespace valdero {

class Kasboek;

// Inserts at the record's place in the fixed order (date, statement word,
// index), renumbers and updates MaxKas(); returns the position. A binary search
// plus one move of the tail: cheaper than appending and sorting.
int PlaatsKas(Kasboek& kb, TKas kas);

// Removes the records at the given list positions (any order, need not be
// adjacent), taking each stored amount out of the balance matrix, then
// renumbers. Saving is the caller's business. Returns how many went.
int VerwijderBoekingen(Kasboek& kb, std::vector<int> posities);

// In + Uit of the cell (all groups, account); 0 for an unknown account.
double RekeningSaldo(const Kasboek& kb, int rekNr);
// In + Uit of the cell (group, all accounts).
double GroepSaldo(const Kasboek& kb, const std::string& groepKode);

struct BtwUitkomst {
  int soort = 0;  // 0 none, 1 low, 2 high
  float laag = 0;
  float hoog = 0;
  float Percentage() const { return soort == 1 ? laag : soort == 2 ? hoog : 0.0f; }
};
// The VAT kind of a group's class; none for the class of the VAT bookings.
BtwUitkomst BtwVanGroep(const Kasboek& kb, const std::string& groepKode);
// The VAT part of an amount that includes VAT at the percentage.
double BtwDeel(double bedrag, float percentage);

// A posted record whose counter text no relation carries adds a relation.
void BiedRelatieAan(Kasboek& kb, const TKas& kas);

}  // namespace valdero
