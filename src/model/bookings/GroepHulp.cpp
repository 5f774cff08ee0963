#include "bookings/GroepHulp.h"

#include "core/Kasboek.h"
#include "core/SaldoMatrix.h"
#include "core/TekstHulp.h"
#include "relations/Sorteren.h"

namespace valdero {

bool VoegGroepToe(Kasboek& kb, const std::string& kode, const std::string& naam,
                  const std::string& klasse) {
  if (kb.ZoekGroep(kode) != 0) return false;
  if (kb.GroepLijst.empty()) kb.GroepLijst.emplace_back();
  TBudget g;
  g.Kode = kode;
  g.Naam = Kap(naam, 32);
  g.Klasse = klasse;
  g.Nummer = static_cast<int>(kb.GroepLijst.size());
  kb.GroepLijst.push_back(std::move(g));
  kb.MaxGroep = static_cast<std::int32_t>(kb.GroepLijst.size()) - 1;
  return true;
}

void SorteerGroepenEnMatrix(Kasboek& kb) {
  SorteerGroepen(kb);
  kb.MaxGroep = static_cast<std::int32_t>(kb.GroepLijst.size()) - 1;
  BouwSaldoMatrix(kb);
}

std::string EigenGroepKode(int rekNr) { return std::to_string(rekNr); }

}  // namespace valdero
