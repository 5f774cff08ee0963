#include "model/bankimport/KleineXml.h"

#include <charconv>

#include "model/core/Windows1252.h"

namespace valdero {
namespace {

std::string_view LokaleNaam(std::string_view naam) {
  const auto p = naam.find(':');
  return p == std::string_view::npos ? naam : naam.substr(p + 1);
}

bool IsWit(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string ZonderWit(const std::string& s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && IsWit(s[b])) ++b;
  while (e > b && IsWit(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string Ontsnap(std::string_view s) {
  std::string uit;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '&') {
      uit += s[i];
      continue;
    }
    const auto eind = s.find(';', i);
    if (eind == std::string_view::npos) {
      uit += s.substr(i);
      break;
    }
    const std::string_view naam = s.substr(i + 1, eind - i - 1);
    if (naam == "amp") uit += '&';
    else if (naam == "lt") uit += '<';
    else if (naam == "gt") uit += '>';
    else if (naam == "quot") uit += '"';
    else if (naam == "apos") uit += '\'';
    else if (!naam.empty() && naam[0] == '#') {
      unsigned waarde = 0;
      const bool hex = naam.size() > 1 && (naam[1] == 'x' || naam[1] == 'X');
      const char* b = naam.data() + (hex ? 2 : 1);
      std::from_chars(b, naam.data() + naam.size(), waarde, hex ? 16 : 10);
      VoegTekenToe(uit, static_cast<char32_t>(waarde));
    } else {
      uit += s.substr(i, eind - i + 1);
    }
    i = eind;
  }
  return uit;
}

class Lezer {
 public:
  explicit Lezer(std::string_view s) : s_(s) {}

  std::unique_ptr<XmlElement> Document() {
    SlaProlooOver();
    if (p_ >= s_.size() || s_[p_] != '<') return nullptr;
    auto wortel = Element(0);
    return wortel;
  }

 private:
  void SlaWitOver() {
    while (p_ < s_.size() && IsWit(s_[p_])) ++p_;
  }
  bool SlaOverTot(std::string_view eind) {
    const auto q = s_.find(eind, p_);
    if (q == std::string_view::npos) return false;
    p_ = q + eind.size();
    return true;
  }
  void SlaProlooOver() {
    for (;;) {
      SlaWitOver();
      if (s_.compare(p_, 2, "<?") == 0) {
        if (!SlaOverTot("?>")) return;
      } else if (s_.compare(p_, 4, "<!--") == 0) {
        if (!SlaOverTot("-->")) return;
      } else if (s_.compare(p_, 2, "<!") == 0) {
        if (!SlaOverTot(">")) return;
      } else {
        return;
      }
    }
  }
  std::string Naam() {
    const std::size_t b = p_;
    while (p_ < s_.size() && !IsWit(s_[p_]) && s_[p_] != '>' && s_[p_] != '/' && s_[p_] != '=') ++p_;
    return std::string(s_.substr(b, p_ - b));
  }

  std::unique_ptr<XmlElement> Element(int diepte) {
    if (diepte > 200 || p_ >= s_.size() || s_[p_] != '<') return nullptr;
    ++p_;
    auto el = std::make_unique<XmlElement>();
    const std::string volleNaam = Naam();
    if (volleNaam.empty()) return nullptr;
    el->naam = std::string(LokaleNaam(volleNaam));
    for (;;) {
      SlaWitOver();
      if (p_ >= s_.size()) return nullptr;
      if (s_[p_] == '/') {
        if (s_.compare(p_, 2, "/>") != 0) return nullptr;
        p_ += 2;
        return el;
      }
      if (s_[p_] == '>') {
        ++p_;
        break;
      }
      const std::string attr = Naam();
      SlaWitOver();
      if (attr.empty() || p_ >= s_.size() || s_[p_] != '=') return nullptr;
      ++p_;
      SlaWitOver();
      if (p_ >= s_.size() || (s_[p_] != '"' && s_[p_] != '\'')) return nullptr;
      const char q = s_[p_++];
      const auto eind = s_.find(q, p_);
      if (eind == std::string_view::npos) return nullptr;
      el->attributen.emplace_back(std::string(LokaleNaam(attr)), Ontsnap(s_.substr(p_, eind - p_)));
      p_ = eind + 1;
    }
    std::string tekst;
    for (;;) {
      if (p_ >= s_.size()) return nullptr;
      if (s_[p_] != '<') {
        const auto eind = s_.find('<', p_);
        if (eind == std::string_view::npos) return nullptr;
        tekst += Ontsnap(s_.substr(p_, eind - p_));
        p_ = eind;
      } else if (s_.compare(p_, 9, "<![CDATA[") == 0) {
        const auto eind = s_.find("]]>", p_ + 9);
        if (eind == std::string_view::npos) return nullptr;
        tekst += s_.substr(p_ + 9, eind - p_ - 9);
        p_ = eind + 3;
      } else if (s_.compare(p_, 4, "<!--") == 0) {
        if (!SlaOverTot("-->")) return nullptr;
      } else if (s_.compare(p_, 2, "<?") == 0) {
        if (!SlaOverTot("?>")) return nullptr;
      } else if (s_.compare(p_, 2, "</") == 0) {
        p_ += 2;
        const std::string sluit = Naam();
        SlaWitOver();
        if (LokaleNaam(sluit) != el->naam || p_ >= s_.size() || s_[p_] != '>') return nullptr;
        ++p_;
        el->tekst = ZonderWit(tekst);
        return el;
      } else {
        auto kind = Element(diepte + 1);
        if (!kind) return nullptr;
        el->kinderen.push_back(std::move(kind));
      }
    }
  }

  std::string_view s_;
  std::size_t p_ = 0;
};

}  // namespace

const XmlElement* XmlElement::Kind(std::string_view n) const {
  for (const auto& k : kinderen)
    if (k->naam == n) return k.get();
  return nullptr;
}

const XmlElement* XmlElement::Pad(std::string_view pad) const {
  const XmlElement* el = this;
  while (el && !pad.empty()) {
    const auto streep = pad.find('/');
    el = el->Kind(pad.substr(0, streep));
    pad = streep == std::string_view::npos ? std::string_view() : pad.substr(streep + 1);
  }
  return el;
}

std::string XmlElement::TekstOp(std::string_view pad) const {
  const XmlElement* el = Pad(pad);
  return el ? el->tekst : std::string();
}

std::vector<const XmlElement*> XmlElement::Kinderen(std::string_view n) const {
  std::vector<const XmlElement*> uit;
  for (const auto& k : kinderen)
    if (k->naam == n) uit.push_back(k.get());
  return uit;
}

std::string XmlElement::Attribuut(std::string_view n) const {
  for (const auto& [a, w] : attributen)
    if (a == n) return w;
  return {};
}

std::unique_ptr<XmlElement> LeesXml(std::string_view tekst) { return Lezer(tekst).Document(); }

}  // namespace valdero
