#pragma once
// Where a book keeps its password: the six character bytes of the group
// header's name (bytes 8..13 of group 0), each raised by a fixed key byte.
// The header's length byte stays as it is, so the name still reads empty.

#include <string>

namespace valdero {

class Kasboek;
struct TBudget;

// Stores the first six characters of the password (Windows-1252, missing
// characters as zero bytes) into the byte image of the group header.
void BewaarWachtwoord(TBudget& groepKop, const std::string& wachtwoord);
// The six characters stored in the group header.
std::string LaadWachtwoord(const TBudget& groepKop);
// The password stored in the book's group header; the no-password value when
// the book has no group header.
std::string LaadWachtwoord(const Kasboek& kb);

}  // namespace valdero
