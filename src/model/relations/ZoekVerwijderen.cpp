#include "relations/ZoekVerwijderen.h"

#include <algorithm>
#include <functional>

#include "core/Kasboek.h"
#include "core/SaldoMatrix.h"

namespace valdero {

void VerwijderKasRecords(Kasboek& kb, std::vector<int> posities) {
  // From the bottom up, so the positions still to go stay valid.
  std::sort(posities.begin(), posities.end(), std::greater<>());
  posities.erase(std::unique(posities.begin(), posities.end()), posities.end());
  for (int p : posities) {
    if (p < 1 || p >= static_cast<int>(kb.KasLijst.size())) continue;
    const TKas& kas = kb.KasLijst[static_cast<std::size_t>(p)];
    int rekMissers = 0, groepMissers = 0;
    BoekInMatrix(kb, kas.GroepKode, kas.RekNr, false, rekMissers, groepMissers, -kas.Bedrag);
    kb.KasLijst.erase(kb.KasLijst.begin() + p);
  }
  kb.ZetMaxTellers();
  kb.HernummerKas();
}

}  // namespace valdero
