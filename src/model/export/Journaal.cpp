#include "model/export/Journaal.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>
#include <vector>

#include "model/core/Datum.h"
#include "model/core/Domein.h"
#include "model/core/Kasboek.h"
#include "model/core/Voortgang.h"

namespace valdero {
namespace {

constexpr const char* kRekeningen = "Rekeningen:";
constexpr const char* kGroepen = "Groepen:";

// A name as the journal format allows it: no control characters, no colon
// (it separates levels), no semicolon (it starts a note), single blanks only
// (two blanks end an account name).
std::string Schoon(const std::string& tekst) {
  std::string uit;
  for (char c : tekst) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == ':' || c == ';') c = ' ';
    if (c == ' ' && (uit.empty() || uit.back() == ' ')) continue;
    uit += c;
  }
  while (!uit.empty() && uit.back() == ' ') uit.pop_back();
  return uit;
}

// The description line: a leading '*', '!' or '(' would be read as a state
// or a code.
std::string Omschrijving(const TKas& kas) {
  const std::string relatie = Schoon(kas.Relatie);
  const std::string tekst = Schoon(kas.Omschrijving);
  std::string regel = relatie.empty() ? tekst : tekst.empty() ? relatie : relatie + " | " + tekst;
  while (!regel.empty() && (regel.front() == '*' || regel.front() == '!' || regel.front() == '(' ||
                            regel.front() == ' '))
    regel.erase(regel.begin());
  return regel.empty() ? std::string("-") : regel;
}

std::string Datum(double datum) {
  const DatumDelen d = SplitsDatum(datum);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.jaar % 10000, d.maand, d.dag);
  return buf;
}

// Every digit the amount has, at least two decimals: the journal's sums then
// equal the book's own.
std::string Getal(double bedrag) {
  // Always a full stop, whatever the process's locale: the journal is read
  // by other programs.
  char buf[400];
  const auto [eind, fout] = std::to_chars(buf, buf + sizeof buf, bedrag, std::chars_format::fixed, 8);
  std::string s(buf, fout == std::errc() ? eind : buf);
  const auto punt = s.find('.');
  if (punt == std::string::npos) return s;
  while (s.size() > punt + 3 && s.back() == '0') s.pop_back();
  if (s == "-0.00") s = "0.00";
  return s;
}

std::string Munt(const Kasboek& kb) {
  std::string kode;
  if (kb.BasisMunt >= 0 && kb.BasisMunt < static_cast<int>(kb.ValutaLijst.size()))
    kode = kb.ValutaLijst[static_cast<std::size_t>(kb.BasisMunt)].Kode;
  bool letters = !kode.empty();
  for (char c : kode)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) letters = false;
  if (letters) return kode;
  std::string schoon;
  for (char c : kode)
    if (c != '"' && static_cast<unsigned char>(c) >= 0x20) schoon += c;
  return "\"" + (schoon.empty() ? std::string("EUR") : schoon) + "\"";
}

struct Journaal {
  Kasboek& kb;
  std::string munt;
  std::string uit;

  std::string RekeningNaam(int a) const {
    const TBank& r = kb.RekLijst[static_cast<std::size_t>(a)];
    return kRekeningen + Schoon(std::to_string(r.RekNr) + " " + r.Naam);
  }
  std::string GroepNaam(int g) const {
    const TBudget& b = kb.GroepLijst[static_cast<std::size_t>(g)];
    return kGroepen + Schoon(b.Kode + " " + b.Naam);
  }
  void Kop(const TKas& kas) { uit += Datum(kas.Datum) + " " + Omschrijving(kas) + "\n"; }
  void Post(const std::string& rekening, double bedrag) {
    uit += "    " + rekening + "  " + Getal(bedrag) + " " + munt + "\n";
  }
};

// What pairs the two legs of a transfer: each leg names the other's account
// and statement word; the amounts are opposite and the date the same.
using Sleutel = std::tuple<int, int, int, int, double, double>;

Sleutel EigenSleutel(const TKas& k) {
  return {k.RekNr, k.VolgBlad, k.TegenRek, k.TegenVolgBlad, k.Datum, k.Bedrag};
}
Sleutel PartnerSleutel(const TKas& k) {
  return {k.TegenRek, k.TegenVolgBlad, k.RekNr, k.VolgBlad, k.Datum, -k.Bedrag};
}

bool IsOverboeking(const TKas& k) { return k.GroepKode == kKruispostKode && k.TegenRek != 0; }

}  // namespace

std::string JournaalTekst(Kasboek& kb, std::string_view wat) {
  Journaal j{kb, Munt(kb), {}};
  j.uit = "; Valdero " + kb.KasNaam + " " + kb.KasJaar + "\n";
  j.uit += "; bedragen in de basismunt; overboekingen als een boeking tussen twee rekeningen\n\n";
  // Shown with two decimals, as the book shows them, whatever the amounts
  // below carry.
  j.uit += "commodity " + j.munt + "\n    format -1000.00 " + j.munt + "\n\n";

  // The transfer legs not yet written, by their own key; one pass in list
  // order finds each leg's partner in this index.
  // Two passes over the transactions: steps 1..n the index, n+1..2n the entries.
  const std::size_t n = kb.KasLijst.empty() ? 0 : kb.KasLijst.size() - 1;
  VoortgangMelder melder(kb.voortgang(), wat, 2 * n);
  std::multimap<Sleutel, std::size_t> open;
  std::vector<bool> geschreven(kb.KasLijst.size(), false);
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i) {
    const TKas& k = kb.KasLijst[i];
    if (IsOverboeking(k)) open.emplace(EigenSleutel(k), i);
    melder.Stap(i);
  }

  // Writes leg i with its partner as one entry; false when it has none.
  auto schrijfPaar = [&](std::size_t i, int a) {
    const TKas& k = kb.KasLijst[i];
    const auto [van, tot] = open.equal_range(PartnerSleutel(k));
    for (auto p = van; p != tot; ++p) {
      const std::size_t andere = p->second;
      if (andere == i || geschreven[andere]) continue;
      const TKas& t = kb.KasLijst[andere];
      const int b = kb.ZoekRekening(t.RekNr);
      if (b == 0 || kb.ZoekGroep(t.GroepKode) == 0) continue;
      geschreven[andere] = true;
      j.Kop(k);
      j.Post(j.RekeningNaam(a), k.Bedrag);
      j.Post(j.RekeningNaam(b), t.Bedrag);
      j.uit += "\n";
      return true;
    }
    return false;
  };

  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i) {
    melder.Stap(n + i);
    if (geschreven[i]) continue;
    const TKas& k = kb.KasLijst[i];
    const int a = kb.ZoekRekening(k.RekNr);
    const int g = kb.ZoekGroep(k.GroepKode);
    if (a == 0 || g == 0) continue;  // the balance matrix does not count it either
    geschreven[i] = true;
    if (IsOverboeking(k) && schrijfPaar(i, a)) continue;
    j.Kop(k);
    j.Post(j.RekeningNaam(a), k.Bedrag);
    j.Post(j.GroepNaam(g), -k.Bedrag);
    j.uit += "\n";
  }
  return j.uit;
}

}  // namespace valdero
