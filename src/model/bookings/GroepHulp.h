#pragma once
// Group-list chores of posting: adding a group, keeping the list in the
// configured order, an account's own group.

#include <string>

namespace valdero {

class Kasboek;

// Appends a group with zero budget; false when the code is already taken.
bool VoegGroepToe(Kasboek& kb, const std::string& kode, const std::string& naam,
                  const std::string& klasse);
// Sorts the groups by code or by title as the listing order asks, position 0
// and the cross-posting group kept in place, and rebuilds the balance matrix.
void SorteerGroepenEnMatrix(Kasboek& kb);
// The code of an account's own group: its number as text.
std::string EigenGroepKode(int rekNr);

}  // namespace valdero
