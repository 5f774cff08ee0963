#include "model/reports/ReportSelection.h"

#include <algorithm>

#include "model/core/Kasboek.h"
#include "model/reports/RapportSoort.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

std::string Opgevuld(const std::string& klasse) {
  std::string s = klasse;
  while (s.size() < 3) s += ' ';
  return s;
}

constexpr const char* kMaandLetters[] = {"B", "I", "L", "U", "V"};

// The two-letter codes of the kind list; a book whose configuration was not
// read has them only in the kinds' names.
std::vector<std::string> SoortKodes(const Kasboek& kb) {
  if (!kb.SoortKodes.empty()) return kb.SoortKodes;
  std::vector<std::string> kodes;
  for (const TRekSoort& s : kb.SoortLijst) kodes.push_back(s.Naam.substr(0, 2));
  return kodes;
}

}  // namespace

bool ReportSelection::KlasseGekozen(const std::string& klasse) const {
  const std::string k = Opgevuld(klasse);
  for (const std::string& slot : Klassen)
    if (!slot.empty() && slot == k) return true;
  return false;
}

bool ReportSelection::SoortGekozen(const std::string& soort) const {
  for (const std::string& slot : Soorten)
    if (!slot.empty() && slot == soort) return true;
  return false;
}

bool ReportSelection::HeeftKlassen() const {
  return std::any_of(Klassen.begin(), Klassen.end(), [](const std::string& s) { return !s.empty(); });
}

bool ReportSelection::HeeftSoorten() const {
  return std::any_of(Soorten.begin(), Soorten.end(), [](const std::string& s) { return !s.empty(); });
}

void KiesAlleKlassen(const Kasboek& kb, ReportSelection& selectie) {
  selectie.Klassen.clear();
  for (const TKlasse02& k : kb.KlasseLijst) selectie.Klassen.push_back(k.Letter);
}

void KiesKlassen(const Kasboek& kb, ReportSelection& selectie, const std::vector<std::string>& letters) {
  selectie.Klassen.assign(kb.KlasseLijst.size(), std::string());
  for (std::size_t i = 0; i < kb.KlasseLijst.size(); ++i) {
    const std::string eigen = Getrimd(kb.KlasseLijst[i].Letter);
    if (eigen.empty()) continue;
    for (const std::string& l : letters)
      if (Getrimd(l) == eigen) selectie.Klassen[i] = kb.KlasseLijst[i].Letter;
  }
}

void KiesMaandKlassen(const Kasboek& kb, ReportSelection& selectie) {
  KiesKlassen(kb, selectie, {std::begin(kMaandLetters), std::end(kMaandLetters)});
}

void KiesAlleSoorten(const Kasboek& kb, ReportSelection& selectie) { selectie.Soorten = SoortKodes(kb); }

void KiesSoorten(const Kasboek& kb, ReportSelection& selectie, const std::vector<std::string>& kodes) {
  const std::vector<std::string> alle = SoortKodes(kb);
  selectie.Soorten.assign(alle.size(), std::string());
  for (std::size_t i = 0; i < alle.size(); ++i)
    for (const std::string& k : kodes)
      if (!k.empty() && Getrimd(k) == Getrimd(alle[i])) selectie.Soorten[i] = alle[i];
}

SelectieVraag VraagVoor(int soort) {
  switch (soort) {
    case rapport::Klassen:
    case rapport::BudgetSelectie:
    case rapport::BalansSelectie:
      return SelectieVraag::Klassen;
    case rapport::Relaties:
      return SelectieVraag::Relaties;
    case rapport::SaldiSelectie:
      return SelectieVraag::Soorten;
    default:
      return SelectieVraag::Geen;
  }
}

void BereidSelectieVoor(const Kasboek& kb, ReportSelection& selectie, int soort) {
  switch (soort) {
    case rapport::BudgetMaand:
    case rapport::BalansMaand:
      KiesMaandKlassen(kb, selectie);
      selectie.PeriodCode = 12;
      break;
    case rapport::BudgetJaar:
    case rapport::BudgetTijdvak:
    case rapport::BalansJaar:
    case rapport::BalansTijdvak:
      KiesAlleKlassen(kb, selectie);
      selectie.PeriodCode = 1;
      break;
    case rapport::BudgetKwartaal:
    case rapport::BalansKwartaal:
      KiesAlleKlassen(kb, selectie);
      selectie.PeriodCode = 4;
      break;
    case rapport::BalansSelectie:
      selectie.PeriodCode = 1;
      break;
    case rapport::AlleSaldi:
      KiesAlleSoorten(kb, selectie);
      selectie.PeriodCode = 1;
      break;
    default:
      break;
  }
}

void NaSelectieDialoog(ReportSelection& selectie, int soort) {
  if (soort == rapport::SaldiSelectie) selectie.PeriodCode = 1;
}

std::string SelectieMelding(const ReportSelection& selectie, int soort) {
  if (soort >= rapport::Klassen && soort <= rapport::BudgetSelectie && !selectie.HeeftKlassen())
    return "Geen klassen gekozen";
  if (soort == rapport::Relaties && !selectie.HeeftRelaties()) return "Geen relatie gekozen";
  return {};
}

}  // namespace valdero
