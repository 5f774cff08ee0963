#pragma once
// The seven fields the search dialog can search on: their captions, prompts
// and names, and how a record's row is matched against a search text.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace valdero {

enum class ZoekVeld { Index = 0, Kode, Reken, Datum, Relatie, Bedrag, Opm };
inline constexpr int kAantalZoekVelden = 7;

// The caption of the field's radio button ("&1 Index    ").
const std::string& VeldKnop(ZoekVeld veld);
// The radio group's caption once the field is chosen ("Kies recordindex:").
const std::string& VeldVraag(ZoekVeld veld);
// The field's name in "... niet  gevonden" ("Index ").
const std::string& VeldNaam(ZoekVeld veld);


// The texts of one grid row that matching looks at.
struct ZoekRecordTekst {
  int index = 0;
  std::string groepKode;
  int rekNr = 0;
  std::string datum;
  std::string relatie;
  std::string bedrag;  // as the grid shows it
  std::string omschrijving;
};

// Whether the record matches the search text on the field; nullopt when the
// search text cannot be used for the field (a number that is none).
std::optional<bool> VeldPast(ZoekVeld veld, const std::string& zoekTekst, bool beginTekst,
                             const ZoekRecordTekst& record);

// One search text matched against many rows, as VeldPast does for each: the
// text is read, and put in upper case, once; a plain ASCII row text is
// compared in place without a copy. The free search runs this over every
// transaction of the year at each key the user types.
class VeldZoeker {
 public:
  VeldZoeker(ZoekVeld veld, const std::string& zoekTekst, bool beginTekst);
  // False when the search text cannot be used for the field.
  bool Bruikbaar() const { return bruikbaar_; }
  ZoekVeld Veld() const { return veld_; }
  bool Past(const ZoekRecordTekst& record) const;
  // The field's value alone: the number of Index and Reken, the text of the
  // other fields.
  bool PastGetal(int waarde) const { return waarde == getal_; }
  bool PastTekst(std::string_view tekst) const;

 private:
  ZoekVeld veld_;
  std::string zoek_;       // as given: Kode and Datum compare exactly
  std::string hoofd_;      // in upper case, for Relatie, Bedrag and Opm
  std::size_t tekens_ = 0;  // characters of the search text
  bool begin_ = false;
  bool bruikbaar_ = true;
  int getal_ = 0;
};

}  // namespace valdero
