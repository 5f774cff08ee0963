#include "bookings/GroepHulp.h"

#include <algorithm>
#include <cctype>

#include "core/Kasboek.h"
#include "core/SaldoMatrix.h"
#include "core/TekstHulp.h"

namespace valdero {
namespace {

std::string Boven(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

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
  if (kb.GroepLijst.size() > 2) {
    auto begin = kb.GroepLijst.begin() + 1;
    if (kb.GroepenOpNaam) {
      std::stable_sort(begin, kb.GroepLijst.end(), [](const TBudget& a, const TBudget& b) {
        const bool aLaat = Boven(a.Kode) == "XXXX", bLaat = Boven(b.Kode) == "XXXX";
        if (aLaat != bLaat) return bLaat;
        const bool aVoor = !a.Kode.empty() && a.Kode[0] < 'E';
        const bool bVoor = !b.Kode.empty() && b.Kode[0] < 'E';
        if (aVoor != bVoor) return aVoor;
        if (a.Naam != b.Naam) return a.Naam < b.Naam;
        return a.Kode < b.Kode;
      });
    } else {
      std::stable_sort(begin, kb.GroepLijst.end(), [](const TBudget& a, const TBudget& b) {
        const std::string pa = VulLinks(a.Kode, 3, U'0'), pb = VulLinks(b.Kode, 3, U'0');
        if (pa != pb) return pa < pb;
        return a.Kode < b.Kode;
      });
    }
    for (std::size_t i = 1; i < kb.GroepLijst.size(); ++i)
      kb.GroepLijst[i].Nummer = static_cast<int>(i);
  }
  kb.MaxGroep = static_cast<std::int32_t>(kb.GroepLijst.size()) - 1;
  BouwSaldoMatrix(kb);
}

std::string EigenGroepKode(int rekNr) { return std::to_string(rekNr); }

}  // namespace valdero
