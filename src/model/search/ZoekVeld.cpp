#include "model/search/ZoekVeld.h"

#include <charconv>

#include "model/core/Windows1252.h"

namespace valdero {
namespace {

const std::array<std::string, kAantalZoekVelden> kKnoppen = {
    "&1 Index    ", "&2 Kode ", "&3 Reken", "&4 Datum", "&5 Relatie", "&6 Bedrag", "&7 Opm."};

const std::array<std::string, kAantalZoekVelden> kVragen = {
    "Kies recordindex:",  "Selecteer groep :", "Selecteer rekening:", "Selecteer datum :",
    "Geef relatie     :", "Kies zoekbedrag :", "Geef omschrijving:"};

const std::array<std::string, kAantalZoekVelden> kNamen = {
    "Index ", "Kode ", "VolgNr ", "Datum ", "Relatie ", "Bedrag ", "Opmerking"};

std::size_t Nr(ZoekVeld veld) { return static_cast<std::size_t>(veld); }

// A whole number with optional blanks around it.
std::optional<int> LeesGeheel(const std::string& tekst) {
  const auto b = tekst.find_first_not_of(' ');
  if (b == std::string::npos) return std::nullopt;
  const auto e = tekst.find_last_not_of(' ') + 1;
  const char* begin = tekst.data() + b;
  if (*begin == '+') ++begin;
  int waarde = 0;
  const auto [ptr, ec] = std::from_chars(begin, tekst.data() + e, waarde);
  if (ec != std::errc() || ptr != tekst.data() + e) return std::nullopt;
  return waarde;
}

bool TekstPast(const std::string& zoek, bool beginTekst, const std::string& tekst) {
  // A shorter record text can never hold the search text.
  if (AantalTekens(tekst) < AantalTekens(zoek)) return false;
  const std::string z = Hoofdletters(zoek);
  const std::string t = Hoofdletters(tekst);
  return beginTekst ? t.compare(0, z.size(), z) == 0 : t.find(z) != std::string::npos;
}

}  // namespace

const std::string& VeldKnop(ZoekVeld veld) { return kKnoppen[Nr(veld)]; }
const std::string& VeldVraag(ZoekVeld veld) { return kVragen[Nr(veld)]; }
const std::string& VeldNaam(ZoekVeld veld) { return kNamen[Nr(veld)]; }

std::string Hoofdletters(const std::string& utf8) {
  std::string uit;
  uit.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = VolgendTeken(utf8, pos);
    if (c >= U'a' && c <= U'z') {
      c -= 0x20;
    } else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
      c -= 0x20;
    } else if (c == 0xFF) {
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

std::optional<bool> VeldPast(ZoekVeld veld, const std::string& zoekTekst, bool beginTekst,
                             const ZoekRecordTekst& record) {
  switch (veld) {
    case ZoekVeld::Index: {
      const auto n = LeesGeheel(zoekTekst);
      if (!n) return std::nullopt;
      return *n == record.index;
    }
    case ZoekVeld::Kode:
      return zoekTekst == record.groepKode;
    case ZoekVeld::Reken: {
      // The list line is the number, three blanks and the name.
      const auto b = zoekTekst.find_first_not_of(' ');
      const auto e = b == std::string::npos ? b : zoekTekst.find(' ', b);
      const auto n = LeesGeheel(b == std::string::npos ? std::string() : zoekTekst.substr(b, e - b));
      if (!n) return std::nullopt;
      return *n == record.rekNr;
    }
    case ZoekVeld::Datum:
      return zoekTekst == record.datum;
    case ZoekVeld::Relatie:
      return TekstPast(zoekTekst, beginTekst, record.relatie);
    case ZoekVeld::Bedrag:
      return TekstPast(zoekTekst, beginTekst, record.bedrag);
    case ZoekVeld::Opm:
      return TekstPast(zoekTekst, beginTekst, record.omschrijving);
  }
  return std::nullopt;
}

}  // namespace valdero
