#pragma once
// Saving in another base currency: every amount and rate is divided by the
// rate of the display currency (HulpMunt), which becomes the new base.

namespace valdero {

class Kasboek;

// The rate of HulpMunt in the current base currency; 0 when HulpMunt is no
// currency of the list or its rate cannot be divided by (zero, negative, not
// a number), since dividing by it would ruin every amount of the book.
double OmzetKoers(const Kasboek& kb);

}  // namespace valdero
