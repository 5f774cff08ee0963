#pragma once
// The seven fields the search dialog can search on: their captions, prompts
// and names, and how a record's row is matched against a search text.

#include <array>
#include <optional>
#include <string>

namespace valdero {

enum class ZoekVeld { Index = 0, Kode, Reken, Datum, Relatie, Bedrag, Opm };
inline constexpr int kAantalZoekVelden = 7;

// The caption of the field's radio button ("&1 Index    ").
const std::string& VeldKnop(ZoekVeld veld);
// The radio group's caption once the field is chosen ("Kies recordindex:").
const std::string& VeldVraag(ZoekVeld veld);
// The field's name in "... niet  gevonden" ("Index ").
const std::string& VeldNaam(ZoekVeld veld);

// Upper case for matching: ASCII and the accented Latin letters a book's
// Windows-1252 text can hold.
std::string Hoofdletters(const std::string& utf8);

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

}  // namespace valdero
