#pragma once
// Removing transactions picked in the search dialog.

#include <vector>

namespace valdero {

class Kasboek;

// TODO(booking model): the free search must delete through the booking
// model's VerwijderBoekingen, which also saves the book; until that is on
// main this does the in-memory part of it: the amounts leave the balance
// matrix, the records leave the list, and the list is renumbered. The book
// is left unsaved.
void VerwijderKasRecords(Kasboek& kb, std::vector<int> posities);

}  // namespace valdero
