#include "model/core/TekstHulp.h"

#include "model/core/Windows1252.h"

namespace valdero {

std::string Herhaal(int n, char32_t teken) {
  std::string uit;
  for (int i = 0; i < n; ++i) VoegTekenToe(uit, teken);
  return uit;
}

std::string VulLinks(const std::string& tekst, int n, char32_t vul) {
  const int lengte = static_cast<int>(AantalTekens(tekst));
  return lengte >= n ? tekst : Herhaal(n - lengte, vul) + tekst;
}

std::string VulRechts(const std::string& tekst, int n, char32_t vul) {
  const int lengte = static_cast<int>(AantalTekens(tekst));
  return lengte >= n ? tekst : tekst + Herhaal(n - lengte, vul);
}

std::string Kap(const std::string& tekst, int n) {
  return n <= 0 ? std::string() : EersteTekens(tekst, static_cast<std::size_t>(n));
}

std::string VoorTeken(const std::string& tekst, char teken) {
  const auto p = tekst.find(teken);
  if (p == std::string::npos || p == 0) return tekst;
  return tekst.substr(0, p);
}

bool IsKort(const std::string& tekst) { return AantalTekens(tekst) < 3; }

}  // namespace valdero
