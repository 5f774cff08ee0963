#pragma once
// The texts of the main window's status bar.

#include <cstddef>
#include <string>

namespace valdero {

class Kasboek;

// "BasisMunt: " + the base currency's name cut to `lengte` characters; empty
// when the book has no base currency.
std::string BasisMuntTekst(const Kasboek& kb, int lengte);

}  // namespace valdero
