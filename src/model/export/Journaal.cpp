#include "model/export/Journaal.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
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

void VoegDatumToe(std::string& uit, double datum) {
  const DatumDelen d = SplitsDatum(datum);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.jaar % 10000, d.maand, d.dag);
  uit += buf;
}

// Every digit the amount has, at least two decimals: the journal's sums then
// equal the book's own. (to_chars rounds exactly as printf's "%.8f" does,
// without the locale and several times as fast.)
void VoegGetalToe(std::string& uit, double bedrag) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, bedrag, std::chars_format::fixed, 8);
  std::string_view s(buf, r.ec == std::errc() ? static_cast<std::size_t>(r.ptr - buf) : 0);
  const auto punt = s.find('.');
  if (punt == std::string_view::npos) {
    uit += s;
    return;
  }
  while (s.size() > punt + 3 && s.back() == '0') s.remove_suffix(1);
  if (s == "-0.00") s = "0.00";
  uit += s;
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

// What is written leaves in pieces of this size: a journal of a large
// year is never held whole.
constexpr std::size_t kStuk = 1 << 16;

struct Journaal {
  Kasboek& kb;
  const std::function<void(std::string_view)>& schrijf;
  std::string munt;
  std::string uit;
  // The posting names by list position, made once.
  std::vector<std::string> rekeningNamen, groepNamen;

  void MaakNamen() {
    for (std::size_t a = 0; a < kb.RekLijst.size(); ++a) {
      const TBank& r = kb.RekLijst[a];
      rekeningNamen.push_back(kRekeningen + Schoon(std::to_string(r.RekNr) + " " + r.Naam));
    }
    for (std::size_t g = 0; g < kb.GroepLijst.size(); ++g) {
      const TBudget& b = kb.GroepLijst[g];
      groepNamen.push_back(kGroepen + Schoon(b.Kode + " " + b.Naam));
    }
  }
  const std::string& RekeningNaam(int a) const { return rekeningNamen[static_cast<std::size_t>(a)]; }
  const std::string& GroepNaam(int g) const { return groepNamen[static_cast<std::size_t>(g)]; }
  void Kop(const TKas& kas) {
    VoegDatumToe(uit, kas.Datum);
    uit += ' ';
    uit += Omschrijving(kas);
    uit += '\n';
  }
  void Post(const std::string& rekening, double bedrag) {
    uit += "    ";
    uit += rekening;
    uit += "  ";
    VoegGetalToe(uit, bedrag);
    uit += ' ';
    uit += munt;
    uit += '\n';
  }
  // After each entry: a full piece leaves.
  void Einde() {
    uit += '\n';
    if (uit.size() >= kStuk) Leeg();
  }
  void Leeg() {
    if (!uit.empty()) schrijf(uit);
    uit.clear();
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
  std::string tekst;
  SchrijfJournaal(kb, [&tekst](std::string_view stuk) { tekst += stuk; }, wat);
  return tekst;
}

void SchrijfJournaal(Kasboek& kb, const std::function<void(std::string_view)>& schrijf, std::string_view wat) {
  Journaal j{kb, schrijf, Munt(kb), {}, {}, {}};
  j.MaakNamen();
  j.uit.reserve(kStuk + 4096);
  j.uit += "; Valdero " + kb.sessie.KasNaam + " " + kb.KasJaar + "\n";
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
      const auto b = kb.ZoekRekening(t.RekNr);
      if (!b || !kb.ZoekGroep(t.GroepKode)) continue;
      geschreven[andere] = true;
      j.Kop(k);
      j.Post(j.RekeningNaam(a), k.Bedrag);
      j.Post(j.RekeningNaam(*b), t.Bedrag);
      j.Einde();
      return true;
    }
    return false;
  };

  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i) {
    melder.Stap(n + i);
    if (geschreven[i]) continue;
    const TKas& k = kb.KasLijst[i];
    const auto a = kb.ZoekRekening(k.RekNr);
    const auto g = kb.ZoekGroep(k.GroepKode);
    if (!a || !g) continue;  // the balance matrix does not count it either
    geschreven[i] = true;
    if (IsOverboeking(k) && schrijfPaar(i, *a)) continue;
    j.Kop(k);
    j.Post(j.RekeningNaam(*a), k.Bedrag);
    j.Post(j.GroepNaam(*g), -k.Bedrag);
    j.Einde();
  }
  j.Leeg();
}

}  // namespace valdero
