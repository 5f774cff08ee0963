#include "model/bankimport/Omschrijvingen.h"

#include <cctype>
#include <vector>

#include "model/bankimport/BankTekst.h"

namespace valdero {
namespace {

// Length of a /KEY/ token at p (slashes included), 0 when there is none.
std::size_t SleutelLengte(const std::string& s, std::size_t p) {
  if (p >= s.size() || s[p] != '/') return 0;
  std::size_t k = p + 1;
  while (k < s.size() && s[k] >= 'A' && s[k] <= 'Z') ++k;
  const std::size_t n = k - p - 1;
  if (n < 2 || n > 4 || k >= s.size() || s[k] != '/') return 0;
  return n + 2;
}

std::string Hoofdletters(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool Bevat(const std::string& hooiberg, const char* naald) { return hooiberg.find(naald) != std::string::npos; }

std::string ZonderSlotStrepen(std::string s) {
  while (!s.empty() && (s.back() == '/' || s.back() == ' ')) s.pop_back();
  return s;
}

}  // namespace

GestructureerdeTekst LeesGestructureerd(const std::string& tekst) {
  GestructureerdeTekst uit;
  const std::string s = TrimBlanks(tekst);
  if (SleutelLengte(s, 0) == 0) return uit;
  uit.gestructureerd = true;
  std::size_t p = 0;
  while (p < s.size()) {
    const std::size_t lengte = SleutelLengte(s, p);
    const std::string sleutel = s.substr(p + 1, lengte - 2);
    std::size_t begin = p + lengte;
    std::size_t eind = begin;
    if (sleutel == "CNTP") {
      // iban/bic/name/: the parts may themselves look like keys.
      for (int deel = 0; deel < 3 && eind < s.size(); ++deel) {
        const auto streep = s.find('/', eind);
        eind = streep == std::string::npos ? s.size() : streep + 1;
      }
      if (eind > begin && eind <= s.size() && s[eind - 1] == '/') --eind;
    }
    while (eind < s.size() && SleutelLengte(s, eind) == 0) ++eind;
    const std::string waarde = s.substr(begin, eind - begin);
    if (sleutel == "TRTP") {
      uit.soort = TrimBlanks(waarde);
    } else if (sleutel == "NAME") {
      uit.naam = TrimBlanks(waarde);
    } else if (sleutel == "IBAN") {
      uit.iban = TrimBlanks(waarde);
    } else if (sleutel == "REMI") {
      std::string r = waarde;
      if (r.compare(0, 6, "USTD//") == 0) r.erase(0, 6);
      uit.omschrijving = TrimBlanks(ZonderSlotStrepen(r));
    } else if (sleutel == "CNTP") {
      std::vector<std::string> delen;
      std::string deel;
      for (char c : waarde) {
        if (c == '/') {
          delen.push_back(deel);
          deel.clear();
        } else {
          deel += c;
        }
      }
      delen.push_back(deel);
      if (!delen.empty() && uit.iban.empty()) uit.iban = TrimBlanks(delen[0]);
      if (delen.size() > 2 && uit.naam.empty()) uit.naam = TrimBlanks(delen[2]);
    }
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
