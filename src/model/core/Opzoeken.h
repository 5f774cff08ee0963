#pragma once
// Lookups that say "not found" as its own value. Position 0 of the account
// and group lists is a header record, but position 0 of the classes and the
// currencies is a real class or currency: a miss returned as 0 would be
// taken for it (a group without a class got the first class's VAT). Callers
// that must tell a miss from a match ask here and decide themselves what a
// miss means; nothing is reported.

#include <optional>
#include <string>

namespace valdero {

class Kasboek;

// The first match from the lowest position, as the list lookups scan.
std::optional<int> VindRekening(const Kasboek& kb, int rekNr);
std::optional<int> VindGroep(const Kasboek& kb, const std::string& kode);
std::optional<int> VindKlasse(const Kasboek& kb, const std::string& letter);
std::optional<int> VindValuta(const Kasboek& kb, const std::string& kode);

}  // namespace valdero
