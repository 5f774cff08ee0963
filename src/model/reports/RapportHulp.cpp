#include "model/reports/RapportHulp.h"

#include <cstdlib>

#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"

namespace valdero {

std::string RapportBedrag(Kasboek& kb, double bedrag) {
  std::string s = BedragTekst(kb, bedrag);
  // A sum that cancels out can be a hair below zero.
  if (s.size() > 1 && s[0] == '-' && s.find_first_not_of("0.,", 1) == std::string::npos) s.erase(0, 1);
  return s;
}

std::string MuntKode(const Kasboek& kb) {
  if (kb.weergave.HulpMunt < 0 || kb.weergave.HulpMunt >= static_cast<int>(kb.ValutaLijst.size())) return {};
  return kb.ValutaLijst[static_cast<std::size_t>(kb.weergave.HulpMunt)].Kode;
}

std::string MuntTeken(const Kasboek& kb) {
  if (kb.weergave.HulpMunt < 0 || kb.weergave.HulpMunt >= static_cast<int>(kb.ValutaLijst.size())) return {};
  return kb.ValutaLijst[static_cast<std::size_t>(kb.weergave.HulpMunt)].Teken;
}

RapportIndex::RapportIndex(const Kasboek& kb) {
  for (int g = kb.MaxGroep(); g >= 1; --g) groepen[kb.GroepLijst[static_cast<std::size_t>(g)].Kode] = g;
  for (int a = kb.MaxRek(); a >= 1; --a) rekeningen[kb.RekLijst[static_cast<std::size_t>(a)].RekNr] = a;
}

int RapportIndex::Groep(const std::string& kode) const {
  const auto it = groepen.find(kode);
  return it == groepen.end() ? 0 : it->second;
}

int RapportIndex::Rekening(int rekNr) const {
  const auto it = rekeningen.find(rekNr);
  return it == rekeningen.end() ? 0 : it->second;
}

int MatrixTotaalRij(const Kasboek& kb) { return kb.MaxGroep() + 1; }
int MatrixTotaalKolom(const Kasboek& kb) { return kb.MaxRek() + 1; }

TInUit MatrixCel(const Kasboek& kb, int groepPositie, int rekPositie) {
  if (groepPositie < 0 || rekPositie < 0) return {};
  const auto g = static_cast<std::size_t>(groepPositie);
  const auto a = static_cast<std::size_t>(rekPositie);
  if (g >= kb.SaldoMatrix().size() || a >= kb.SaldoMatrix()[g].size()) return {};
  return kb.SaldoMatrix()[g][a];
}

RapportVeld PlusVeld(Kasboek& kb, double bedrag) { return {RapportBedrag(kb, bedrag), VeldKleur::Groen, true}; }
RapportVeld MinVeld(Kasboek& kb, double bedrag) { return {RapportBedrag(kb, bedrag), VeldKleur::Rood, true}; }
RapportVeld SaldoVeld(Kasboek& kb, double bedrag) {
  return {RapportBedrag(kb, bedrag), bedrag >= 0 ? VeldKleur::Groen : VeldKleur::Rood, true};
}
RapportVeld LeegVeld() { return {}; }

}  // namespace valdero
