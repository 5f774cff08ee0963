#pragma once
// The files hold Windows-1252 text; in memory every text is UTF-8.
// The conversion is a bijection: the five bytes that Windows-1252 leaves
// undefined map to the C1 control characters of the same value, so any byte
// read from a file is written back unchanged.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace valdero {

std::string Cp1252NaarUtf8(std::string_view cp1252);

// Characters that Windows-1252 cannot hold become '?'.
std::string Utf8NaarCp1252(std::string_view utf8);

// The characters of a UTF-8 text that Windows-1252 cannot hold, each once,
// in the order they first appear; empty when the text fits.
std::string NietInCp1252(std::string_view utf8);
// True when every byte is below 0x80: such a text is the same in UTF-8 and
// Windows-1252, so the book's reads and writes and the report lines pass it
// on as it stands. Inline: the book's reads and writes ask it for every
// text of every record.
inline bool IsAscii(std::string_view s) {
  // Eight bytes at a time: a book's descriptions are most of its bytes.
  const char* p = s.data();
  std::size_t n = s.size();
  for (; n >= 8; p += 8, n -= 8) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    if (w & 0x8080808080808080ULL) return false;
  }
  for (; n > 0; ++p, --n)
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
  return true;
}

// Number of characters (code points) in a UTF-8 text.
std::size_t AantalTekens(std::string_view utf8);

// The first n characters of a UTF-8 text.
std::string EersteTekens(std::string_view utf8, std::size_t n);

// Decodes one UTF-8 character at pos and advances pos; bytes that are no
// well-formed character (Utf8.h) decode as U+FFFD one byte at a time.
char32_t VolgendTeken(std::string_view utf8, std::size_t& pos);
void VoegTekenToe(std::string& utf8, char32_t teken);

}  // namespace valdero
