#include "model/core/KasVolgorde.h"

#include <algorithm>

#include "model/core/Kasboek.h"

namespace valdero {

bool KasVoor(const TKas& a, const TKas& b) {
  if (a.Datum != b.Datum) return a.Datum < b.Datum;
  if (a.VolgBlad != b.VolgBlad) return a.VolgBlad < b.VolgBlad;
  return a.Index < b.Index;
}

int VoegKasIn(Kasboek& kb, TKas kas) {
  if (kb.KasLijst.empty()) kb.KasLijst.emplace_back();  // the dummy at position 0
  const auto plaats = std::upper_bound(
      kb.KasLijst.begin() + 1, kb.KasLijst.end(), kas, [](const TKas& nieuw, const TKas& oud) {
        if (nieuw.Datum != oud.Datum) return nieuw.Datum < oud.Datum;
        return nieuw.VolgBlad < oud.VolgBlad;
      });
  const auto positie = plaats - kb.KasLijst.begin();
  kb.KasLijst.insert(plaats, std::move(kas));
  kb.HernummerKas();
  return static_cast<int>(positie);
}

void SorteerKas(Kasboek& kb) {
  if (kb.KasLijst.size() > 2) std::sort(kb.KasLijst.begin() + 1, kb.KasLijst.end(), KasVoor);
  kb.HernummerKas();
}

}  // namespace valdero
