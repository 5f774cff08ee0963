#include "model/search/ZoekVeld.h"

#include <algorithm>
#include <charconv>

#include "model/core/TekstVorm.h"
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

// Upper case of one ASCII byte, as Hoofdletters gives it.
char HoofdAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c; }

}  // namespace

const std::string& VeldKnop(ZoekVeld veld) { return kKnoppen[Nr(veld)]; }
const std::string& VeldVraag(ZoekVeld veld) { return kVragen[Nr(veld)]; }
const std::string& VeldNaam(ZoekVeld veld) { return kNamen[Nr(veld)]; }

VeldZoeker::VeldZoeker(ZoekVeld veld, const std::string& zoekTekst, bool beginTekst)
    : veld_(veld), zoek_(zoekTekst), begin_(beginTekst) {
  switch (veld) {
    case ZoekVeld::Index: {
      const auto n = LeesGeheel(zoekTekst);
      bruikbaar_ = n.has_value();
      getal_ = n.value_or(0);
      break;
    }
    case ZoekVeld::Reken: {
      // The list line is the number, three blanks and the name.
      const auto b = zoekTekst.find_first_not_of(' ');
      const auto e = b == std::string::npos ? b : zoekTekst.find(' ', b);
      const auto n = LeesGeheel(b == std::string::npos ? std::string() : zoekTekst.substr(b, e - b));
      bruikbaar_ = n.has_value();
      getal_ = n.value_or(0);
      break;
    }
    default: break;
  }
  hoofd_ = Hoofdletters(zoekTekst);
  tekens_ = AantalTekens(zoekTekst);
}

bool VeldZoeker::PastTekst(std::string_view tekst) const {
  switch (veld_) {
    case ZoekVeld::Kode:
    case ZoekVeld::Datum: return tekst == zoek_;
    case ZoekVeld::Index:
    case ZoekVeld::Reken: return false;
    default: break;
  }
  if (IsAscii(tekst)) {
    // A shorter record text can never hold the search text. Plain ASCII has
    // as many characters as bytes, and upper case keeps it ASCII.
    if (tekst.size() < tekens_) return false;
    if (hoofd_.empty()) return true;
    const auto gelijk = [](char t, char z) { return HoofdAscii(t) == z; };
    if (begin_)
      return hoofd_.size() <= tekst.size() &&
             std::equal(tekst.begin(), tekst.begin() + static_cast<std::ptrdiff_t>(hoofd_.size()),
                        hoofd_.begin(), gelijk);
    return std::search(tekst.begin(), tekst.end(), hoofd_.begin(), hoofd_.end(), gelijk) !=
           tekst.end();
  }
  if (AantalTekens(tekst) < tekens_) return false;
  const std::string t = Hoofdletters(std::string(tekst));
  return begin_ ? t.compare(0, hoofd_.size(), hoofd_) == 0 : t.find(hoofd_) != std::string::npos;
}

bool VeldZoeker::Past(const ZoekRecordTekst& record) const {
  switch (veld_) {
    case ZoekVeld::Index: return PastGetal(record.index);
    case ZoekVeld::Reken: return PastGetal(record.rekNr);
    case ZoekVeld::Kode: return PastTekst(record.groepKode);
    case ZoekVeld::Datum: return PastTekst(record.datum);
    case ZoekVeld::Relatie: return PastTekst(record.relatie);
    case ZoekVeld::Bedrag: return PastTekst(record.bedrag);
    case ZoekVeld::Opm: return PastTekst(record.omschrijving);
  }
  return false;
}

std::optional<bool> VeldPast(ZoekVeld veld, const std::string& zoekTekst, bool beginTekst,
                             const ZoekRecordTekst& record) {
  const VeldZoeker zoeker(veld, zoekTekst, beginTekst);
  if (!zoeker.Bruikbaar()) return std::nullopt;
  return zoeker.Past(record);
}

}  // namespace valdero
