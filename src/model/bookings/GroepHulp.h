#pragma once
// Group-list chores of posting: adding a group, keeping the list in the
// configured order, an account's own group.

#include <string>

namespace valdero {

class Kasboek;

// Appends a group with zero budget; false when the code is already taken.
bool VoegGroepToe(Kasboek& kb, const std::string& kode, const std::string& naam,
                  const std::string& klasse);
// Sorts the groups in the listing order (by code or by title) and rebuilds
// the balance matrix, whose shape follows the groups.
void SorteerGroepenEnMatrix(Kasboek& kb);
// The code of an account's own group: its number as text.
std::string EigenGroepKode(int rekNr);

}  // namespace valdero
