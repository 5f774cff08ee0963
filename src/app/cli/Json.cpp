#include "app/cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "model/core/Utf8.h"

namespace valdero::cli {
namespace {

// Length of the well-formed UTF-8 sequence at s[i], or 0 when it is not one.
std::size_t Utf8Lengte(std::string_view s, std::size_t i) {
  std::size_t na = i;
  return LeesUtf8Teken(s, na) ? na - i : 0;
}

// Appended in place: a dump of a large book writes millions of numbers.
template <typename T>
void VoegKortsteGetalToe(std::string& uit, T waarde) {
  // JSON knows no NaN or infinity; a damaged file may hold them.
  if (!std::isfinite(waarde)) {
    uit += "null";
    return;
  }
  char buf[64];
  // Whole numbers whose last digit is not 0 (days, counts, round amounts):
  // their shortest form is their digits, which the integer conversion
  // writes several times faster. A trailing 0 may make the exponent form
  // shorter ("1e+05"), and -0 keeps its sign: those take the general way.
  // Below the limit every whole number is exact and its neighbours lie at
  // most 1 apart, so no shorter row of digits gives the same value back.
  constexpr T kGeheelGrens = sizeof(T) == sizeof(float) ? T(1 << 24) : T(1e15);
  if (waarde > -kGeheelGrens && waarde < kGeheelGrens && waarde == std::trunc(waarde)) {
    const auto geheel = static_cast<long long>(waarde);
    if (geheel % 10 != 0) {
      const auto r = std::to_chars(buf, buf + sizeof buf, geheel);
      uit.append(buf, r.ptr);
      return;
    }
    // Nought (the quantity and price of nearly every transaction); -0 keeps
    // its sign the general way.
    if (geheel == 0 && !std::signbit(waarde)) {
      uit += '0';
      return;
    }
  }
  if constexpr (sizeof(T) == sizeof(double)) {
    // Amounts in cents (-31.12, 0.5): a value that is the double nearest to
    // a whole number of cents, not of euros, has as its shortest form those
    // cents with two decimals, a trailing 0 left off. Every other row of at
    // most as many characters is another number of cents (0.01 or more
    // away) or lies outside the whole euro next to it, while below the limit
    // the doubles lie less than 0.002 apart: none of them gives this value
    // back.
    constexpr double kCentenGrens = 1e13;
    if (waarde > -kCentenGrens && waarde < kCentenGrens) {
      const long long centen = std::llround(waarde * 100);
      if (centen % 100 != 0 && static_cast<double>(centen) / 100 == waarde) {
        const unsigned long long a = static_cast<unsigned long long>(centen < 0 ? -centen : centen);
        char* p = buf;
        if (centen < 0) *p++ = '-';
        p = std::to_chars(p, buf + sizeof buf, a / 100).ptr;
        const auto rest = static_cast<unsigned>(a % 100);
        *p++ = '.';
        *p++ = static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0) *p++ = static_cast<char>('0' + rest % 10);
        uit.append(buf, p);
        return;
      }
    }
  }
  const auto r = std::to_chars(buf, buf + sizeof buf, waarde);
  uit.append(buf, r.ptr);
}

// Printable ASCII without quote or backslash: written as it is.
bool Gewoon(std::string_view tekst) {
  for (const char c : tekst) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b >= 0x7F || b == '"' || b == '\\') return false;
  }
  return true;
}

}  // namespace

void VoegJsonTekstToe(std::string& uit, std::string_view tekst) {
  // Nearly every key and text of a book: one piece, no escapes.
  if (Gewoon(tekst)) {
    const std::size_t n = uit.size();
    uit.resize(n + tekst.size() + 2);
    char* p = uit.data() + n;
    *p++ = '"';
    if (!tekst.empty()) std::memcpy(p, tekst.data(), tekst.size());
    p[tekst.size()] = '"';
    return;
  }
  uit += '"';
  for (std::size_t i = 0; i < tekst.size();) {
    // A run of printable ASCII without quote or backslash goes in one piece:
    // the book's texts are nearly all of it.
    std::size_t j = i;
    while (j < tekst.size()) {
      const auto b = static_cast<unsigned char>(tekst[j]);
      if (b < 0x20 || b >= 0x7F || b == '"' || b == '\\') break;
      ++j;
    }
    uit.append(tekst.data() + i, j - i);
    i = j;
    if (i >= tekst.size()) break;
    const char c = tekst[i];
    const std::size_t n = Utf8Lengte(tekst, i);
    if (n == 0) {
      uit += "\\ufffd";
      ++i;
      continue;
    }
    if (n > 1) {
      uit.append(tekst.substr(i, n));
      i += n;
      continue;
    }
    switch (c) {
      case '"': uit += "\\\""; break;
      case '\\': uit += "\\\\"; break;
      case '\n': uit += "\\n"; break;
      case '\r': uit += "\\r"; break;
      case '\t': uit += "\\t"; break;
      case '\b': uit += "\\b"; break;
      case '\f': uit += "\\f"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          static const char hex[] = "0123456789abcdef";
          uit += "\\u00";
          uit += hex[(c >> 4) & 0xF];
          uit += hex[c & 0xF];
        } else {
          uit += c;
        }
    }
    ++i;
  }
  uit += '"';
}

std::string JsonTekst(std::string_view tekst) {
  std::string uit;
  uit.reserve(tekst.size() + 2);
  VoegJsonTekstToe(uit, tekst);
  return uit;
}

JsonSchrijver::JsonSchrijver(std::string& uit, int uitgevouwen)
    : uit_(uit), uitgevouwen_(uitgevouwen) {}

void JsonSchrijver::NieuweRegel(std::size_t diepte) {
  uit_ += '\n';
  uit_.append(diepte * 2, ' ');
}

void JsonSchrijver::VoorWaarde() {
  if (naSleutel_) {
    naSleutel_ = false;
    return;
  }
  if (niveaus_.empty()) return;
  Niveau& n = niveaus_.back();
  if (n.object) throw std::logic_error("JsonSchrijver: waarde zonder sleutel");
  if (n.aantal++ > 0) uit_ += ',';
  if (static_cast<int>(niveaus_.size()) <= uitgevouwen_) NieuweRegel(niveaus_.size());
}

void JsonSchrijver::Sleutel(std::string_view sleutel) {
  if (niveaus_.empty() || !niveaus_.back().object || naSleutel_)
    throw std::logic_error("JsonSchrijver: sleutel buiten een object");
  Niveau& n = niveaus_.back();
  if (n.aantal++ > 0) uit_ += ',';
  if (static_cast<int>(niveaus_.size()) <= uitgevouwen_) NieuweRegel(niveaus_.size());
  VoegJsonTekstToe(uit_, sleutel);
  uit_ += ':';
  naSleutel_ = true;
}

void JsonSchrijver::Open(char teken, bool object) {
  VoorWaarde();
  uit_ += teken;
  niveaus_.push_back({object, 0});
}

void JsonSchrijver::Sluit(char teken) {
  if (niveaus_.empty() || naSleutel_ || niveaus_.back().object != (teken == '}'))
    throw std::logic_error("JsonSchrijver: niets te sluiten");
  const bool hadInhoud = niveaus_.back().aantal > 0;
  niveaus_.pop_back();
  if (hadInhoud && static_cast<int>(niveaus_.size()) < uitgevouwen_) NieuweRegel(niveaus_.size());
  uit_ += teken;
}

void JsonSchrijver::BeginObject() { Open('{', true); }
void JsonSchrijver::EindObject() { Sluit('}'); }
void JsonSchrijver::BeginLijst() { Open('[', false); }
void JsonSchrijver::EindLijst() { Sluit(']'); }

void JsonSchrijver::Tekst(std::string_view tekst) {
  VoorWaarde();
  VoegJsonTekstToe(uit_, tekst);
}

void VoegJsonGetalToe(std::string& uit, double waarde) { VoegKortsteGetalToe(uit, waarde); }
void VoegJsonGetalToe(std::string& uit, float waarde) { VoegKortsteGetalToe(uit, waarde); }
void VoegJsonGeheelToe(std::string& uit, std::int64_t waarde) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, waarde);
  uit.append(buf, r.ptr);
}

void JsonSchrijver::Getal(double waarde) {
  VoorWaarde();
  VoegKortsteGetalToe(uit_, waarde);
}

void JsonSchrijver::Getal(float waarde) {
  VoorWaarde();
  VoegKortsteGetalToe(uit_, waarde);
}

void JsonSchrijver::Geheel(std::int64_t waarde) {
  VoorWaarde();
  VoegJsonGeheelToe(uit_, waarde);
}

std::string& JsonSchrijver::Waarde() {
  VoorWaarde();
  return uit_;
}

void JsonSchrijver::Waarheid(bool waarde) {
  VoorWaarde();
  uit_ += waarde ? "true" : "false";
}

void JsonSchrijver::Null() {
  VoorWaarde();
  uit_ += "null";
}

}  // namespace valdero::cli
