#pragma once
// Removing transactions picked in the search dialog.

#include <vector>

namespace valdero {

class Kasboek;

// The booking model's deletion: the amounts leave the balance matrix, the
// records leave the list, the list is renumbered. Saving the book is the
// caller's business.
void VerwijderKasRecords(Kasboek& kb, std::vector<int> posities);

}  // namespace valdero
