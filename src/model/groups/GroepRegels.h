#pragma once
// The rules every group code and title must obey, shared by the group dialog,
// the budget grid and the groups manager.

#include <string>

#include "model/core/Records.h"

namespace valdero {

class Kasboek;

// Placeholder code of a group that is being created; exempt from the
// uniqueness check.
inline constexpr const char* kNieuweKode = "zzzz";

// Checks a new or changed code and reports every reason it is refused.
// `huidigeKode` is the group's code before the change, empty when creating.
bool KodeToegestaan(Kasboek& kb, const std::string& kode, const std::string& huidigeKode = {});

// True when no other group (position `uitgezonderd` excluded, 0 for none)
// carries the same title or code; warns about the first clash found.
bool GroepUniek(Kasboek& kb, const TBudget& groep, int uitgezonderd);

// Offers each transaction of the old code for renaming to the new one;
// returns how many were renamed.
int HernoemGroepInKas(Kasboek& kb, const std::string& oud, const std::string& nieuw);

// Sets every group's number to its list position.
void HernummerGroepen(Kasboek& kb);

}  // namespace valdero
