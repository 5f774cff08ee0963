#pragma once
// What the report builders share: amounts as shown, the display currency,
// fast lookups built once per report, and the balance matrix read safely.

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/core/BoekNaam.h"
#include "model/core/Records.h"
#include "model/reports/RapportTabel.h"

namespace valdero {

class Kasboek;

// What the progress of building a report over the whole year says.
inline constexpr const char* kRapportOpbouwen = "Overzicht opbouwen";

// An amount (base currency) as the report shows it: in the display currency,
// two decimals, never "-0,00".
std::string RapportBedrag(Kasboek& kb, double bedrag);
std::string MuntKode(const Kasboek& kb);   // three characters, "Eur"
std::string MuntTeken(const Kasboek& kb);  // one character

// Lookups of one build: code -> first group position, number -> first
// account position (0 when absent), as ZoekGroep and ZoekRekening answer.
struct RapportIndex {
  explicit RapportIndex(const Kasboek& kb);
  int Groep(const std::string& kode) const;
  int Rekening(int rekNr) const;
  std::unordered_map<std::string, int> groepen;
  std::unordered_map<int, int> rekeningen;
};

// A cell of the balance matrix; zeros when the matrix does not hold it.
TInUit MatrixCel(const Kasboek& kb, int groepPositie, int rekPositie);
// The totals row (all groups) and column (all accounts).
int MatrixTotaalRij(const Kasboek& kb);
int MatrixTotaalKolom(const Kasboek& kb);

RapportVeld PlusVeld(Kasboek& kb, double bedrag);      // green
RapportVeld MinVeld(Kasboek& kb, double bedrag);       // red
RapportVeld SaldoVeld(Kasboek& kb, double bedrag);     // green when >= 0, else red
RapportVeld LeegVeld();

// The cells of a row, each moved or copied once into a list of its size.
template <class... T>
std::vector<std::string> Cellen(T&&... tekst) {
  std::vector<std::string> cellen;
  cellen.reserve(sizeof...(T));
  (cellen.emplace_back(std::forward<T>(tekst)), ...);
  return cellen;
}


}  // namespace valdero
