#include "app/cli/KeuzeIndex.h"

namespace valdero::cli {

std::optional<int> KeuzeIndex(const Kasboek& kb, std::optional<int> rekNr, const std::string* groep,
                              std::ostream& fout) {
  int index = 0;
  if (rekNr) {
    index = kb.ZoekRekening(*rekNr);
    if (index == 0) {
      fout << "Rekening " << *rekNr << " bestaat niet\n";
      return std::nullopt;
    }
  }
  if (groep) {
    index = kb.ZoekGroep(*groep);
    if (index == 0) {
      fout << "Groep " << *groep << " bestaat niet\n";
      return std::nullopt;
    }
  }
  return index;
}

}  // namespace valdero::cli
