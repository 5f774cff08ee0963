#pragma once
// The relation list of a book: built once from the transactions (the first
// time the relations window opens), then kept by hand in that window and
// extended by every posting (BiedRelatieAan in the posting code).

#include <string>

namespace valdero {

class Kasboek;

enum class RelatieBouw {
  Gebouwd,     // at least one relation was found; the book holds relations now
  GeenNieuwe,  // no transaction yielded a relation; the list was discarded
  Mislukt,     // "Relatie lijst foutief" was reported
};

// Builds the list from the transactions in list order: a transaction yields a
// relation unless its counter text is empty, a relation already carries that
// account, or a relation's name has the same first fifteen characters as the
// transaction's relation. The list is then sorted by name and renumbered, the
// header account gets the "Rt" mark and RelatiesAanwezig is set. Does not save.
RelatieBouw BouwRelatieLijst(Kasboek& kb);

// What opening the relations window does: builds the list when the book holds
// none yet, saves the book (built or not) and warns "Geen unieke Relaties"
// when fewer than two relations resulted. True when the window may open.
// A list of exactly one relation stays in the book: posting goes on adding
// to it and the next opening shows it.
bool OpenRelaties(Kasboek& kb);

// Sorts positions 0..R by name (the empty record at 0 stays first: every
// relation has a name that sorts after the empty one or equals it).
void SorteerRelaties(Kasboek& kb);
// Every relation's KasIndex := its position.
void HernummerRelaties(Kasboek& kb);

// The order of names: plain character order of the names as the file holds
// them (Windows-1252), so that the order does not change with the encoding
// used in memory.
bool NaamVoor(const std::string& a, const std::string& b);

}  // namespace valdero
