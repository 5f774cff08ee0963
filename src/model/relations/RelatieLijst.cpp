#include "model/relations/RelatieLijst.h"

#include <algorithm>
#include <exception>
#include <numeric>
#include <unordered_set>
#include <vector>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/storage/BoekBestand.h"

namespace valdero {
namespace {

// Two relation names that agree in their first fifteen characters are one
// relation: bank files cut or extend names differently.
constexpr int kNaamVergelijk = 15;
constexpr int kNaamLengte = 32;
constexpr int kRekeningLengte = 12;
constexpr const char* kRelatieMerk = "Rt";

bool BytesVoor(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) {
                                        return static_cast<unsigned char>(x) <
                                               static_cast<unsigned char>(y);
                                      });
}

// Steps 1 to 3 of the build on a list of its own; the book's list is only
// replaced when all went well.
std::vector<TRelat> Bouw(const Kasboek& kb) {
  std::vector<TRelat> lijst(1);
  // One look-up per transaction in these sets instead of a walk through the
  // list: a year of bank lines stays quick.
  std::unordered_set<std::string> namen{std::string()};
  std::unordered_set<std::string> rekeningen{std::string()};
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i) {
    const TKas& kas = kb.KasLijst[i];
    if (kas.TegenRekNr.empty()) continue;
    const std::string rekening = Kap(kas.TegenRekNr, kRekeningLengte);
    const std::string naam = Kap(kas.Relatie, kNaamLengte);
    const std::string begin = Kap(naam, kNaamVergelijk);
    if (namen.count(begin) != 0 || rekeningen.count(rekening) != 0) continue;
    TRelat relatie;
    relatie.KasIndex = static_cast<int>(lijst.size());
    relatie.Naam = naam;
    relatie.Rekening = rekening;
    lijst.push_back(std::move(relatie));
    namen.insert(begin);
    rekeningen.insert(rekening);
  }
  return lijst;
}

}  // namespace

bool NaamVoor(const std::string& a, const std::string& b) {
  return BytesVoor(Utf8NaarCp1252(a), Utf8NaarCp1252(b));
}

void SorteerRelaties(Kasboek& kb) {
  auto& lijst = kb.RelatieLijst;
  // The keys once per relation rather than once per comparison.
  std::vector<std::string> sleutels;
  sleutels.reserve(lijst.size());
  for (const TRelat& r : lijst) sleutels.push_back(Utf8NaarCp1252(r.Naam));
  std::vector<std::size_t> volgorde(lijst.size());
  std::iota(volgorde.begin(), volgorde.end(), std::size_t{0});
  std::stable_sort(volgorde.begin(), volgorde.end(), [&](std::size_t a, std::size_t b) {
    return BytesVoor(sleutels[a], sleutels[b]);
  });
  std::vector<TRelat> gesorteerd;
  gesorteerd.reserve(lijst.size());
  for (std::size_t i : volgorde) gesorteerd.push_back(std::move(lijst[i]));
  lijst = std::move(gesorteerd);
}

void HernummerRelaties(Kasboek& kb) {
  for (std::size_t i = 0; i < kb.RelatieLijst.size(); ++i)
    kb.RelatieLijst[i].KasIndex = static_cast<int>(i);
}

RelatieBouw BouwRelatieLijst(Kasboek& kb) {
  try {
    std::vector<TRelat> lijst = Bouw(kb);
    if (lijst.size() < 2) {
      kb.RelatieLijst.clear();
      return RelatieBouw::GeenNieuwe;
    }
    kb.RelatieLijst = std::move(lijst);
    SorteerRelaties(kb);
    // The position is the relation's number in the window; the sort moved
    // them, so the numbers follow.
    HernummerRelaties(kb);
    if (kb.RekLijst.empty()) kb.RekLijst.emplace_back();
    kb.RekLijst.front().Soort = kRelatieMerk;
    kb.RelatiesAanwezig = true;
    return RelatieBouw::Gebouwd;
  } catch (const std::exception&) {
    kb.RelatieLijst.clear();
    kb.RelatiesAanwezig = false;
    kb.berichten().BerichtDlg("Relatie lijst foutief", BerichtSoort::Fout, knop::OK);
    return RelatieBouw::Mislukt;
  }
}

bool OpenRelaties(Kasboek& kb) {
  if (kb.RelatiesAanwezig) return true;
  BouwRelatieLijst(kb);
  BewaarNaWijziging(kb);
  if (kb.MaxRelatie() < 2) {
    kb.berichten().BerichtDlg("Geen unieke Relaties", BerichtSoort::Waarschuwing, knop::OK);
    return false;
  }
  return true;
}

}  // namespace valdero
