#include "model/bankimport/Omschrijvingen.h"

#include <array>
#include <cctype>
#include <string_view>
#include <vector>

#include "model/bankimport/BankTekst.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

// The keys of the structured descriptions in the guides of ABN AMRO, ING,
// Rabobank, de Volksbank and Knab. Only these end a value: a slash inside a
// name or a payment text ("ABN/AMRO", "/INV/123") is part of it.
constexpr std::array<std::string_view, 33> kSleutels = {
    "TRTP", "CNTP", "REMI", "EREF", "MARF", "CSID", "PURP", "ULTC", "ULTD", "ULTB", "BENM",
    "ORDP", "NAME", "IBAN", "BIC",  "ADDR", "ISDT", "RTRN", "PREF", "IREF", "SVCL", "BUSP",
    "ACCW", "CREF", "OREF", "EXCH", "CHGS", "OCMT", "TRCD", "ORDR", "BENF", "SUM",  "NRTX"};

// Length of a known /KEY/ token at p (slashes included), 0 when there is none.
std::size_t SleutelLengte(std::string_view s, std::size_t p) {
  if (p >= s.size() || s[p] != '/') return 0;
  std::size_t k = p + 1;
  while (k < s.size() && s[k] >= 'A' && s[k] <= 'Z') ++k;
  if (k >= s.size() || s[k] != '/') return 0;
  const std::string_view sleutel = s.substr(p + 1, k - p - 1);
  for (const std::string_view bekend : kSleutels)
    if (bekend == sleutel) return sleutel.size() + 2;
  return 0;
}

std::string ZonderStrepen(std::string s) {
  while (!s.empty() && (s.back() == '/' || s.back() == ' ')) s.pop_back();
  std::size_t b = 0;
  while (b < s.size() && (s[b] == '/' || s[b] == ' ')) ++b;
  return s.substr(b);
}

// The value of /REMI/: "USTD//text/" is free text; "STRD/CUR/ref/",
// "STRD/ISO/ref/" and the long form "...CDTRREF/ref/" a payment reference;
// anything else is kept without the slashes around it.
void LeesRemi(const std::string& waarde, GestructureerdeTekst& uit) {
  const std::string r = Getrimd(waarde);
  const auto lang = r.find("CDTRREF/");
  const bool gestructureerd = r.compare(0, 4, "STRD") == 0 || lang != std::string::npos;
  if (!gestructureerd) {
    uit.omschrijving = Getrimd(ZonderStrepen(r.compare(0, 4, "USTD") == 0 ? r.substr(4) : r));
    return;
  }
  std::string kenmerk;
  if (lang != std::string::npos) {
    kenmerk = r.substr(lang + 8);
  } else {
    kenmerk = ZonderStrepen(r.substr(4));
    for (const std::string_view uitgever : {"CUR/", "ISO/", "SCOR/"})
      if (kenmerk.compare(0, uitgever.size(), uitgever) == 0) {
        kenmerk.erase(0, uitgever.size());
        break;
      }
  }
  const auto streep = kenmerk.find('/');
  if (streep != std::string::npos) kenmerk.resize(streep);
  uit.kenmerk = Getrimd(kenmerk);
  uit.omschrijving = uit.kenmerk;
}

// "/CNTP/account/BIC/name/city/": the name may itself hold a slash.
void LeesCntp(const std::string& waarde, GestructureerdeTekst& uit) {
  std::string w = waarde;
  if (!w.empty() && w.back() == '/') w.pop_back();
  std::vector<std::string> delen;
  std::string deel;
  for (char c : w) {
    if (c == '/') {
      delen.push_back(deel);
      deel.clear();
    } else {
      deel += c;
    }
  }
  delen.push_back(deel);
  if (uit.iban.empty()) uit.iban = Getrimd(delen[0]);
  if (delen.size() > 2 && uit.naam.empty()) {
    const std::size_t tot = delen.size() > 3 ? delen.size() - 1 : delen.size();
    std::string naam;
    for (std::size_t i = 2; i < tot; ++i) naam += (i > 2 ? "/" : "") + delen[i];
    uit.naam = Getrimd(naam);
  }
}

bool Bevat(const std::string& hooiberg, const char* naald) { return hooiberg.find(naald) != std::string::npos; }


}  // namespace

bool BegintMetSleutel(const std::string& tekst) { return SleutelLengte(Getrimd(tekst), 0) > 0; }

GestructureerdeTekst LeesGestructureerd(const std::string& tekst) {
  GestructureerdeTekst uit;
  const std::string s = Getrimd(tekst);
  if (SleutelLengte(s, 0) == 0) return uit;
  uit.gestructureerd = true;
  std::string vorige;        // the key before, for "/ULTD//NAME/..."
  bool vorigeLeeg = false;
  std::size_t p = 0;
  while (p < s.size()) {
    const std::size_t lengte = SleutelLengte(s, p);
    const std::string sleutel = s.substr(p + 1, lengte - 2);
    const std::size_t begin = p + lengte;
    std::size_t eind = begin;
    while (eind < s.size() && SleutelLengte(s, eind) == 0) ++eind;
    const std::string waarde = s.substr(begin, eind - begin);
    // The name after an empty ultimate-party key belongs to that party, not
    // to the counter party.
    const bool vanUiteindelijke = vorigeLeeg && (vorige == "ULTD" || vorige == "ULTC" || vorige == "ULTB");
    if (sleutel == "TRTP") {
      uit.soort = Getrimd(ZonderStrepen(waarde));
    } else if (sleutel == "NAME") {
      if (!vanUiteindelijke && uit.naam.empty()) uit.naam = Getrimd(ZonderStrepen(waarde));
    } else if (sleutel == "IBAN") {
      if (!vanUiteindelijke && uit.iban.empty()) uit.iban = Getrimd(ZonderStrepen(waarde));
    } else if (sleutel == "REMI") {
      LeesRemi(waarde, uit);
    } else if (sleutel == "CNTP") {
      LeesCntp(waarde, uit);
    }
    vorige = sleutel;
    vorigeLeeg = Getrimd(waarde).empty();
    p = eind;
  }
  return uit;
}

std::string ActieKodeVanSoort(const std::string& soort) {
  const std::string s = Hoofdletters(soort);
  if (Bevat(s, "INCASSO") || Bevat(s, "DIRECT DEBIT") || Bevat(s, "DDT")) return "IC";
  if (Bevat(s, "GELDAUTOMAAT") || Bevat(s, "GEA") || Bevat(s, "CASH") || Bevat(s, "ATM")) return "GA";
  if (Bevat(s, "BETAALAUTOMAAT") || Bevat(s, "BEA") || Bevat(s, "CARD") || Bevat(s, "POS")) return "BA";
  if (Bevat(s, "RENTE") || Bevat(s, "INTEREST") || Bevat(s, "INT")) return "RE";
  if (Bevat(s, "OVERBOEKING") || Bevat(s, "OVERSCHRIJVING") || Bevat(s, "CREDIT TRANSFER") ||
      Bevat(s, "IDEAL") || Bevat(s, "TRF") || Bevat(s, "ACCEPTGIRO"))
    return "OV";
  return "DV";
}

std::string ActieKodeVanCamt(const std::string& familie, const std::string& subFamilie) {
  const std::string f = Hoofdletters(familie);
  const std::string s = Hoofdletters(subFamilie);
  if (s == "INTR" || f == "INTR") return "RE";
  if (f == "ICDT" || f == "RCDT") return "OV";
  if (f == "IDDT" || f == "RDDT") return "IC";
  if (f == "CCRD" || f == "MCRD" || f == "DCRD") return s == "CWDL" ? "GA" : "BA";
  if (f == "CNTR" || s == "CWDL") return "GA";
  if (s == "POSD" || s == "POSC") return "BA";
  return "DV";
}

}  // namespace valdero
