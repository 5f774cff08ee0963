#include "model/core/TekstVorm.h"

#include "model/core/Windows1252.h"

namespace valdero {

std::string Hoofdletters(std::string_view utf8) {
  std::string uit;
  uit.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = VolgendTeken(utf8, pos);
    if (c >= U'a' && c <= U'z') {
      c -= 0x20;
    } else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {  // à..þ without ÷
      c -= 0x20;
    } else if (c == 0xFF) {  // ÿ
      c = 0x178;
    } else if (c == 0x161 || c == 0x17E) {  // š ž
      c -= 1;
    } else if (c == 0x153) {  // œ
      c = 0x152;
    }
    VoegTekenToe(uit, c);
  }
  return uit;
}

std::string Getrimd(std::string_view tekst) {
  const auto begin = tekst.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  return std::string(tekst.substr(begin, tekst.find_last_not_of(' ') - begin + 1));
}

}  // namespace valdero
