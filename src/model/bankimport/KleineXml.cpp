#include "model/bankimport/KleineXml.h"

#include <expat.h>

#include <limits>

namespace valdero {
namespace {

// A statement nests some ten elements deep; a file nested far deeper is no
// statement, and would only cost stack and memory.
constexpr int kMaxDiepte = 64;

std::string LokaleNaam(const XML_Char* naam) {
  const std::string_view n(naam);
  const auto p = n.find(':');
  return std::string(p == std::string_view::npos ? n : n.substr(p + 1));
}

bool IsWit(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string ZonderWit(const std::string& s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && IsWit(s[b])) ++b;
  while (e > b && IsWit(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// Builds the tree from expat's events. Expat itself checks that the text is
// well-formed: character references to NUL, to surrogates or beyond the
// last code point are errors there, never text here.
class Bouwer {
 public:
  explicit Bouwer(XML_Parser parser) : parser_(parser) {}

  std::unique_ptr<XmlElement> wortel;
  bool geweigerd = false;

  static void XMLCALL Begin(void* data, const XML_Char* naam, const XML_Char** attributen) {
    auto* b = static_cast<Bouwer*>(data);
    if (b->stapel_.size() >= static_cast<std::size_t>(kMaxDiepte)) {
      b->Weiger();
      return;
    }
    auto el = std::make_unique<XmlElement>();
    el->naam = LokaleNaam(naam);
    for (const XML_Char** a = attributen; a && a[0]; a += 2) el->attributen.emplace_back(LokaleNaam(a[0]), a[1]);
    XmlElement* nieuw = el.get();
    if (b->stapel_.empty()) {
      b->wortel = std::move(el);
    } else {
      b->stapel_.back()->kinderen.push_back(std::move(el));
    }
    b->stapel_.push_back(nieuw);
  }

  static void XMLCALL Eind(void* data, const XML_Char*) {
    auto* b = static_cast<Bouwer*>(data);
    if (b->stapel_.empty()) return;
    XmlElement* el = b->stapel_.back();
    el->tekst = ZonderWit(el->tekst);
    b->stapel_.pop_back();
  }

  static void XMLCALL Tekst(void* data, const XML_Char* s, int lengte) {
    auto* b = static_cast<Bouwer*>(data);
    if (!b->stapel_.empty() && lengte > 0) b->stapel_.back()->tekst.append(s, static_cast<std::size_t>(lengte));
  }

  // A bank statement has no document type: a DTD could only declare
  // entities that blow up or reach outside the file.
  static void XMLCALL Doctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    static_cast<Bouwer*>(data)->Weiger();
  }
  static void XMLCALL Entiteit(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                               const XML_Char*, const XML_Char*, const XML_Char*) {
    static_cast<Bouwer*>(data)->Weiger();
  }

 private:
  void Weiger() {
    geweigerd = true;
    XML_StopParser(parser_, XML_FALSE);
  }

  XML_Parser parser_;
  std::vector<XmlElement*> stapel_;
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

std::unique_ptr<XmlElement> LeesXml(std::string_view tekst) {
  if (tekst.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return nullptr;
  // The text reaches here as UTF-8 whatever the file was: that overrides
  // the encoding the declaration names.
  XML_Parser parser = XML_ParserCreate("UTF-8");
  if (!parser) return nullptr;
  Bouwer bouwer(parser);
  XML_SetUserData(parser, &bouwer);
  XML_SetElementHandler(parser, &Bouwer::Begin, &Bouwer::Eind);
  XML_SetCharacterDataHandler(parser, &Bouwer::Tekst);
  XML_SetStartDoctypeDeclHandler(parser, &Bouwer::Doctype);
  XML_SetEntityDeclHandler(parser, &Bouwer::Entiteit);
  XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
  const bool goed = XML_Parse(parser, tekst.data(), static_cast<int>(tekst.size()), XML_TRUE) == XML_STATUS_OK;
  XML_ParserFree(parser);
  if (!goed || bouwer.geweigerd) return nullptr;
  return std::move(bouwer.wortel);
}

}  // namespace valdero
