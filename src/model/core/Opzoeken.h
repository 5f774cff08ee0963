#pragma once
// The currency lookup that says nothing: the book's own lookup reports an
// unknown code to the user, this one leaves that to its caller (a command
// line option, a field that explains the miss in its own words).

#include <optional>
#include <string>

namespace valdero {

class Kasboek;

std::optional<int> VindValuta(const Kasboek& kb, const std::string& kode);

}  // namespace valdero
