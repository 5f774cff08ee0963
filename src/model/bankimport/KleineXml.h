#pragma once
// A bank statement's XML as a small tree, read by libexpat: elements by local
// name (namespace prefixes dropped), attributes, and each element's own text.
// A document type (DTD) and nesting deeper than a statement needs are
// refused.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace valdero {

struct XmlElement {
  std::string naam;  // local name
  std::vector<std::pair<std::string, std::string>> attributen;
  std::string tekst;  // the element's own text, trimmed
  std::vector<std::unique_ptr<XmlElement>> kinderen;

  // The first child of that name; nullptr when none.
  const XmlElement* Kind(std::string_view naam) const;
  // The first element along a path of child names ("Amt", "BookgDt/Dt").
  const XmlElement* Pad(std::string_view pad) const;
  std::string TekstOp(std::string_view pad) const;
  std::vector<const XmlElement*> Kinderen(std::string_view naam) const;
  std::string Attribuut(std::string_view naam) const;
};

// nullptr when the text is no well-formed document.
std::unique_ptr<XmlElement> LeesXml(std::string_view tekst);

}  // namespace valdero
