#include "model/core/Windows1252.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "model/core/Utf8.h"

namespace valdero {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kBovenste = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int NaarByte(char32_t teken) {
  if (teken < 0x80 || (teken >= 0xA0 && teken <= 0xFF)) return static_cast<int>(teken);
  for (std::size_t i = 0; i < kBovenste.size(); ++i)
    if (kBovenste[i] == teken) return static_cast<int>(0x80 + i);
  return -1;
}

}  // namespace

std::optional<char32_t> LeesUtf8Teken(std::string_view s, std::size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  std::size_t extra = 0;
  char32_t teken = 0;
  if (b0 < 0x80) {
    ++pos;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    teken = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    teken = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    teken = b0 & 0x07;
  } else {
    ++pos;
    return std::nullopt;
  }
  if (pos + extra >= s.size()) {
    ++pos;
    return std::nullopt;
  }
  for (std::size_t i = 1; i <= extra; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return std::nullopt;
    }
    teken = (teken << 6) | (b & 0x3F);
  }
  // An overlong form would let one character pass for another; surrogates
  // and points beyond Unicode are no characters at all.
  static constexpr char32_t kKleinste[] = {0, 0x80, 0x800, 0x10000};
  if (teken < kKleinste[extra] || teken > 0x10FFFF || (teken >= 0xD800 && teken <= 0xDFFF)) {
    ++pos;
    return std::nullopt;
  }
  pos += extra + 1;
  return teken;
}

bool IsGeldigeUtf8(std::string_view s) {
  for (std::size_t pos = 0; pos < s.size();)
    if (!LeesUtf8Teken(s, pos)) return false;
  return true;
}

char32_t VolgendTeken(std::string_view s, std::size_t& pos) { return LeesUtf8Teken(s, pos).value_or(0xFFFD); }

void VoegTekenToe(std::string& s, char32_t c) {
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Cp1252NaarUtf8(std::string_view cp1252) {
  // Nearly every text of a book is plain ASCII, which both encodings share:
  // loading a large book converts hundreds of thousands of them.
  if (IsAscii(cp1252)) return std::string(cp1252);
  // Every character of the code page takes at most three bytes in UTF-8:
  // one allocation, then bytes written in place.
  std::string uit(cp1252.size() * 3, '\0');
  char* p = uit.data();
  for (char ch : cp1252) {
    const auto b = static_cast<unsigned char>(ch);
    const char32_t c = b >= 0x80 && b < 0xA0 ? kBovenste[b - 0x80] : b;
    if (c < 0x80) {
      *p++ = static_cast<char>(c);
    } else if (c < 0x800) {
      *p++ = static_cast<char>(0xC0 | (c >> 6));
      *p++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
      *p++ = static_cast<char>(0xE0 | (c >> 12));
      *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      *p++ = static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  uit.resize(static_cast<std::size_t>(p - uit.data()));
  return uit;
}

std::string Utf8NaarCp1252(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  // Never longer than the UTF-8: written in place, the plain ASCII between
  // the other characters copied as it is (a report's line holds one name
  // with an accent among eighty plain characters).
  std::string uit(utf8.size(), '\0');
  char* p = uit.data();
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
      *p++ = utf8[pos++];
      continue;
    }
    const int b = NaarByte(VolgendTeken(utf8, pos));
    *p++ = static_cast<char>(b < 0 ? '?' : b);
  }
  uit.resize(static_cast<std::size_t>(p - uit.data()));
  return uit;
}

std::size_t AantalTekens(std::string_view utf8) {
  // Counted as VolgendTeken walks, invalid bytes included: a cut at
  // AantalTekens - 1 characters must always be shorter than the text.
  std::size_t n = 0;
  for (std::size_t pos = 0; pos < utf8.size(); ++n) {
    if (static_cast<unsigned char>(utf8[pos]) < 0x80)
      ++pos;
    else
      VolgendTeken(utf8, pos);
  }
  return n;
}

std::string EersteTekens(std::string_view utf8, std::size_t n) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < n && pos < utf8.size(); ++i) VolgendTeken(utf8, pos);
  return std::string(utf8.substr(0, pos));
}

std::string NietInCp1252(std::string_view utf8) {
  std::string uit;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t begin = pos;
    const char32_t teken = VolgendTeken(utf8, pos);
    if (teken == U'?') continue;
    const std::string_view deel = utf8.substr(begin, pos - begin);
    if (Utf8NaarCp1252(deel) != "?") continue;
    std::string los;
    VoegTekenToe(los, teken);
    if (uit.find(los) == std::string::npos) uit += los;
  }
  return uit;
}

}  // namespace valdero
