#include "model/bankimport/BankTekst.h"

#include <charconv>

#include "model/core/Utf8.h"
#include "model/core/Windows1252.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

bool IsSpatie(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}


// UTF-16 with its byte-order mark (some banks' XML and CSV exports): into
// UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16NaarUtf8(std::string_view bytes, bool kleinEindig) {
  std::string uit;
  auto eenheid = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return kleinEindig ? static_cast<char32_t>(a | (b << 8)) : static_cast<char32_t>((a << 8) | b);
  };
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    char32_t c = eenheid(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t laag = eenheid(i + 2);
      if (laag >= 0xDC00 && laag <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (laag - 0xDC00);
        i += 2;
      }
    }
    if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
    VoegTekenToe(uit, c);
  }
  return uit;
}

}  // namespace

std::string BankTekstNaarUtf8(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  if (bytes.substr(0, 2) == "\xFF\xFE") return Utf16NaarUtf8(bytes, true);
  if (bytes.substr(0, 2) == "\xFE\xFF") return Utf16NaarUtf8(bytes, false);
  if (IsGeldigeUtf8(bytes)) return std::string(bytes);
  return Cp1252NaarUtf8(bytes);
}

std::vector<std::string> TekstRegels(std::string_view tekst) {
  std::vector<std::string> regels;
  std::size_t begin = 0;
  std::size_t i = 0;
  while (i < tekst.size()) {
    if (tekst[i] == '\r' || tekst[i] == '\n') {
      regels.emplace_back(tekst.substr(begin, i - begin));
      if (tekst[i] == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n') ++i;
      begin = ++i;
    } else {
      ++i;
    }
  }
  if (begin < tekst.size()) regels.emplace_back(tekst.substr(begin));
  return regels;
}

std::vector<std::string> SplitsRegel(std::string_view regel, char scheiding, bool* fout) {
  std::vector<std::string> velden;
  const std::size_t n = regel.size();
  std::size_t i = 0;
  auto slaOver = [&] {
    while (i < n && IsSpatie(regel[i])) ++i;
  };
  slaOver();
  while (i < n) {
    const std::size_t voor = i;
    std::string veld;
    if (regel[i] == '"') {
      ++i;
      bool gesloten = false;
      while (i < n) {
        if (regel[i] == '"') {
          if (i + 1 < n && regel[i + 1] == '"') {
            veld += '"';
            i += 2;
            continue;
          }
          ++i;
          gesloten = true;
          break;
        }
        veld += regel[i++];
      }
      if (!gesloten && !veld.empty()) veld.pop_back();
    } else {
      while (i < n && static_cast<unsigned char>(regel[i]) > 32 && regel[i] != scheiding)
        veld += regel[i++];
    }
    velden.push_back(std::move(veld));
    slaOver();
    if (i < n && regel[i] == scheiding) {
      if (i == n - 1) velden.emplace_back();
      ++i;
      slaOver();
    }
    if (i == voor) {
      // A character no rule consumes (a NUL): give up on the rest of the line.
      if (fout) *fout = true;
      break;
    }
  }
  return velden;
}

int GeheelGetal(std::string_view tekst) {
  const std::string s = Getrimd(tekst);
  int waarde = 0;
  const char* begin = s.data();
  if (!s.empty() && s[0] == '+') ++begin;
  const auto [ptr, ec] = std::from_chars(begin, s.data() + s.size(), waarde);
  return ec == std::errc() && ptr == s.data() + s.size() && !s.empty() ? waarde : 0;
}

}  // namespace valdero
