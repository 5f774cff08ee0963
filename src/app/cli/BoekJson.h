#pragma once
// The open book as one JSON document: what the command-line tool prints and
// what tests and scripts compare. Every record is an object keyed by its
// field names; dates are their TDateTime numbers; lists include position 0.

#include <iosfwd>
#include <string>
#include <vector>

#include "model/core/ScriptBerichten.h"

namespace valdero {
class Kasboek;
}

namespace valdero::cli {

// The book with the messages shown while it was loaded (and saved), ending
// with a line feed.
std::string BoekNaarJson(const Kasboek& kb, const std::vector<GetoondBericht>& berichten);
// The same text written to `uit` as it is made, and flushed.
void SchrijfBoekJson(std::ostream& uit, const Kasboek& kb, const std::vector<GetoondBericht>& berichten);

}  // namespace valdero::cli
