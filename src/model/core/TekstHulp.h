#pragma once
// Small text helpers used by every window. Lengths count characters, not
// bytes.

#include <string>

namespace valdero {

std::string VulLinks(const std::string& tekst, int n, char32_t vul = U' ');
std::string VulRechts(const std::string& tekst, int n, char32_t vul = U' ');
std::string Herhaal(int n, char32_t teken);
std::string Kap(const std::string& tekst, int n);
// The part before the first occurrence of the character; the whole text when
// the character is absent or first.
std::string VoorTeken(const std::string& tekst, char teken);
bool IsKort(const std::string& tekst);
inline int Min(int a, int b) { return a < b ? a : b; }
inline int Max(int a, int b) { return a > b ? a : b; }

}  // namespace valdero
