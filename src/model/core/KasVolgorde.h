#pragma once
// The fixed order of the transactions: date, then the statement word
// (sequence number x 64 + sheet), then the record index. After every change
// each record's Index equals its position.

#include "model/core/Records.h"

namespace valdero {

class Kasboek;

bool KasVoor(const TKas& a, const TKas& b);

// Inserts one transaction at its place in the order (after every record of
// the same date and statement word, as a full sort of an appended record
// would), renumbers and updates MaxKas(). Returns the new position. The balance
// matrix is the caller's business.
int VoegKasIn(Kasboek& kb, TKas kas);

// Sorts positions 1..end in the fixed order, renumbers and updates MaxKas().
void SorteerKas(Kasboek& kb);

}  // namespace valdero
