#include "model/bookings/GroepHulp.h"

#include "model/core/Kasboek.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"
#include "model/core/Sorteren.h"

namespace valdero {

bool VoegGroepToe(Kasboek& kb, const std::string& kode, const std::string& naam,
                  const std::string& klasse) {
  if (kb.ZoekGroep(kode).has_value()) return false;
  if (kb.GroepLijst.empty()) kb.GroepLijst.emplace_back();
  TBudget g;
  g.Kode = kode;
  g.Naam = Kap(naam, 32);
  g.Klasse = klasse;
  g.Nummer = static_cast<int>(kb.GroepLijst.size());
  kb.GroepLijst.push_back(std::move(g));
  return true;
}

void SorteerGroepenEnMatrix(Kasboek& kb) {
  SorteerGroepen(kb);
  // What the rebuild could not place it reported itself.
  HerbouwSaldoMatrix(kb);
}

std::string EigenGroepKode(int rekNr) { return std::to_string(rekNr); }

}  // namespace valdero
