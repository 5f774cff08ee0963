#pragma once
// A strict little JSON reader for the tests: it rejects anything that is not
// JSON, so that "the dump parses" means something, and gives the values back
// for comparison.

#include <charconv>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/core/Windows1252.h"

namespace valdero::test {

struct JsonWaarde;
using JsonObject = std::map<std::string, JsonWaarde>;
using JsonLijst = std::vector<JsonWaarde>;

struct JsonWaarde {
  std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<JsonLijst>,
               std::shared_ptr<JsonObject>>
      v;
  std::string getalTekst;  // the number as written

  bool IsObject() const { return std::holds_alternative<std::shared_ptr<JsonObject>>(v); }
  bool IsLijst() const { return std::holds_alternative<std::shared_ptr<JsonLijst>>(v); }
  const JsonObject& Object() const { return *std::get<std::shared_ptr<JsonObject>>(v); }
  const JsonLijst& Lijst() const { return *std::get<std::shared_ptr<JsonLijst>>(v); }
  double Getal() const { return std::get<double>(v); }
  const std::string& Tekst() const { return std::get<std::string>(v); }
  bool Waarheid() const { return std::get<bool>(v); }
  const JsonWaarde& operator[](const std::string& sleutel) const { return Object().at(sleutel); }
  const JsonWaarde& operator[](std::size_t i) const { return Lijst().at(i); }
};

class JsonLezer {
 public:
  // nullopt when the text is not exactly one JSON value (white space around
  // it allowed).
  static std::optional<JsonWaarde> Lees(std::string_view tekst) {
    JsonLezer l(tekst);
    JsonWaarde w;
    if (!l.Waarde(w)) return std::nullopt;
    l.Wit();
    if (l.i_ != tekst.size()) return std::nullopt;
    return w;
  }

 private:
  explicit JsonLezer(std::string_view t) : t_(t) {}

  void Wit() {
    while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n' || t_[i_] == '\r' || t_[i_] == '\t')) ++i_;
  }
  bool Woord(std::string_view w) {
    if (t_.substr(i_, w.size()) != w) return false;
    i_ += w.size();
    return true;
  }
  bool Waarde(JsonWaarde& w) {
    if (++diepte_ > 64) return false;
    Wit();
    if (i_ >= t_.size()) return false;
    bool goed;
    const char c = t_[i_];
    if (c == '{') goed = Object(w);
    else if (c == '[') goed = Lijst(w);
    else if (c == '"') {
      std::string s;
      goed = Tekst(s);
      w.v = std::move(s);
    } else if (Woord("true")) { w.v = true; goed = true; }
    else if (Woord("false")) { w.v = false; goed = true; }
    else if (Woord("null")) { w.v = nullptr; goed = true; }
    else goed = Getal(w);
    --diepte_;
    return goed;
  }
  bool Object(JsonWaarde& w) {
    auto obj = std::make_shared<JsonObject>();
    ++i_;
    Wit();
    if (i_ < t_.size() && t_[i_] == '}') { ++i_; w.v = obj; return true; }
    for (;;) {
      Wit();
      std::string sleutel;
      if (i_ >= t_.size() || t_[i_] != '"' || !Tekst(sleutel)) return false;
      Wit();
      if (i_ >= t_.size() || t_[i_++] != ':') return false;
      JsonWaarde waarde;
      if (!Waarde(waarde)) return false;
      if (!obj->emplace(sleutel, std::move(waarde)).second) return false;  // no duplicate keys
      Wit();
      if (i_ >= t_.size()) return false;
      if (t_[i_] == ',') { ++i_; continue; }
      if (t_[i_] == '}') { ++i_; break; }
      return false;
    }
    w.v = obj;
    return true;
  }
  bool Lijst(JsonWaarde& w) {
    auto lijst = std::make_shared<JsonLijst>();
    ++i_;
    Wit();
    if (i_ < t_.size() && t_[i_] == ']') { ++i_; w.v = lijst; return true; }
    for (;;) {
      JsonWaarde waarde;
      if (!Waarde(waarde)) return false;
      lijst->push_back(std::move(waarde));
      Wit();
      if (i_ >= t_.size()) return false;
      if (t_[i_] == ',') { ++i_; continue; }
      if (t_[i_] == ']') { ++i_; break; }
      return false;
    }
    w.v = lijst;
    return true;
  }
  bool Tekst(std::string& s) {
    ++i_;
    while (i_ < t_.size()) {
      const auto c = static_cast<unsigned char>(t_[i_++]);
      if (c == '"') return true;
      if (c < 0x20) return false;  // control characters must be escaped
      if (c != '\\') { s += static_cast<char>(c); continue; }
      if (i_ >= t_.size()) return false;
      switch (t_[i_++]) {
        case '"': s += '"'; break;
        case '\\': s += '\\'; break;
        case '/': s += '/'; break;
        case 'b': s += '\b'; break;
        case 'f': s += '\f'; break;
        case 'n': s += '\n'; break;
        case 'r': s += '\r'; break;
        case 't': s += '\t'; break;
        case 'u': {
          if (i_ + 4 > t_.size()) return false;
          std::uint32_t p = 0;
          const auto r = std::from_chars(t_.data() + i_, t_.data() + i_ + 4, p, 16);
          if (r.ptr != t_.data() + i_ + 4) return false;
          i_ += 4;
          VoegTekenToe(s, p);
          break;
        }
        default: return false;
      }
    }
    return false;
  }
  bool Getal(JsonWaarde& w) {
    const std::size_t begin = i_;
    if (i_ < t_.size() && t_[i_] == '-') ++i_;
    if (i_ >= t_.size() || !(t_[i_] >= '0' && t_[i_] <= '9')) return false;
    if (t_[i_] == '0') ++i_;
    else while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9') ++i_;
    if (i_ < t_.size() && t_[i_] == '.') {
      ++i_;
      if (i_ >= t_.size() || !(t_[i_] >= '0' && t_[i_] <= '9')) return false;
      while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9') ++i_;
    }
    if (i_ < t_.size() && (t_[i_] == 'e' || t_[i_] == 'E')) {
      ++i_;
      if (i_ < t_.size() && (t_[i_] == '+' || t_[i_] == '-')) ++i_;
      if (i_ >= t_.size() || !(t_[i_] >= '0' && t_[i_] <= '9')) return false;
      while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9') ++i_;
    }
    w.getalTekst = std::string(t_.substr(begin, i_ - begin));
    double d = 0;
    std::from_chars(t_.data() + begin, t_.data() + i_, d);
    w.v = d;
    return true;
  }

  std::string_view t_;
  std::size_t i_ = 0;
  int diepte_ = 0;
};

}  // namespace valdero::test
