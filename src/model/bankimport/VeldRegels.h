#pragma once
// The line loop the delimited layouts share: the expected field count from
// the first line, the per-line checks and the reports of the error codes.

#include <functional>
#include <string>
#include <vector>

namespace valdero {

class BankImport;
struct TNewKas;

struct VeldRegelOpmaak {
  char scheiding = ',';
  bool kopRegel = false;      // the first line is a header
  bool tabTelling = false;    // expected count = the TABs of the first line, more fields allowed
  bool legeSlotregel = true;  // an empty last line ends the file quietly
};

using VeldVerwerker =
    std::function<void(BankImport& run, TNewKas& regel, const std::vector<std::string>& velden, const std::string& tekst)>;

void LeesVeldRegels(BankImport& run, const VeldRegelOpmaak& opmaak, const VeldVerwerker& verwerk);

// Field i, or an empty text past the end.
const std::string& Veld(const std::vector<std::string>& velden, std::size_t i);

}  // namespace valdero
