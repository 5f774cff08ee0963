#include "model/bankimport/AfstemIndex.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>
#include <string_view>

#include "model/core/Kasboek.h"
#include "model/core/Voortgang.h"
#include "model/core/Windows1252.h"

namespace valdero {
namespace {

char32_t Klein(char32_t c) { return c >= U'A' && c <= U'Z' ? c + 32 : c; }

std::vector<char32_t> Tekens(const std::string& tekst, std::size_t max) {
  std::vector<char32_t> uit;
  std::size_t p = 0;
  while (p < tekst.size() && uit.size() < max) uit.push_back(VolgendTeken(tekst, p));
  return uit;
}

// The day of a transaction and the size of an amount as whole numbers: the
// lists of one day and one amount.
long long DagSleutel(double datum) { return std::llround(std::floor(datum * 1e6)); }

// Action code, kind and currency in one key, written into a buffer of the
// caller's so that looking it up costs no allocation.
std::string_view RestSleutel(const TKas& k, char (&buf)[64]) {
  char* p = buf;
  char* const eind = buf + sizeof buf;
  const std::size_t n = std::min(k.ActieKode.size(), sizeof buf - 48);
  p = std::copy_n(k.ActieKode.data(), n, p);
  *p++ = '\x1f';
  p = std::to_chars(p, eind, k.BoekSoort & 0xFF).ptr;
  *p++ = '\x1f';
  p = std::to_chars(p, eind, k.Munt).ptr;
  return {buf, static_cast<std::size_t>(p - buf)};
}

void VoegIn(std::vector<int>& lijst, int positie) {
  if (lijst.empty() || lijst.back() < positie)
    lijst.push_back(positie);  // the build adds positions in order
  else
    lijst.insert(std::lower_bound(lijst.begin(), lijst.end(), positie), positie);
}
void HaalUit(std::vector<int>& lijst, int positie) {
  const auto p = std::lower_bound(lijst.begin(), lijst.end(), positie);
  if (p != lijst.end() && *p == positie) lijst.erase(p);
}

}  // namespace

long long BedragSleutel(double bedrag) { return std::llround(std::fabs(bedrag) * 1e6); }

std::uint64_t GelijkenisStuk(const std::string& grootboekTekst) {
  std::uint64_t k = 0;
  std::size_t a = 0;
  for (; a < 5 && a < grootboekTekst.size(); ++a) {
    auto c = static_cast<unsigned char>(grootboekTekst[a]);
    if (c >= 0x80) return kGeenAsciiStuk;
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + 32);
    k |= static_cast<std::uint64_t>(c) << (8 * a);
  }
  return a == 0 ? 0 : k | (static_cast<std::uint64_t>(a) << kStukLengteBit);
}

std::string GelijkenisSleutel(const std::string& grootboekTekst) {
  std::string uit;
  std::size_t p = 0;
  for (int n = 0; n < 5 && p < grootboekTekst.size(); ++n) {
    const auto b = static_cast<unsigned char>(grootboekTekst[p]);
    if (b < 0x80) {
      ++p;
      uit += static_cast<char>(b >= 'A' && b <= 'Z' ? b + 32 : b);
    } else {
      VoegTekenToe(uit, Klein(VolgendTeken(grootboekTekst, p)));
    }
  }
  return uit;
}

std::vector<std::string> GelijkenisSleutelsIn(const std::string& regelTekst) {
  const auto t = Tekens(regelTekst, 24);
  std::size_t b = 0;
  while (b < t.size() && t[b] < U'A') ++b;
  // The characters from b on in lower case, encoded once; a key is then a
  // piece of it, from the start of one character to that of another.
  std::string klein;
  std::vector<std::size_t> begin;
  begin.reserve(t.size() - b + 1);
  for (std::size_t i = b; i < t.size(); ++i) {
    begin.push_back(klein.size());
    VoegTekenToe(klein, Klein(t[i]));
  }
  begin.push_back(klein.size());
  // Sorted and made unique as views of that text: a line's hundred pieces
  // become strings only once each.
  std::vector<std::string_view> stukken;
  stukken.reserve((t.size() - b) * 5);
  const std::size_t n = t.size() - b;
  const std::string_view alles(klein);
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t k = 1; k <= 5 && i + k <= n; ++k) stukken.push_back(alles.substr(begin[i], begin[i + k] - begin[i]));
  std::sort(stukken.begin(), stukken.end());
  stukken.erase(std::unique(stukken.begin(), stukken.end()), stukken.end());
  return {stukken.begin(), stukken.end()};
}

std::size_t AfstemIndex::BedragLijsten::Vak(long long sleutel) const {
  // Keys are whole numbers of millionths, mostly of cents: mixed, so that
  // their low bits spread over the table.
  std::uint64_t h = static_cast<std::uint64_t>(sleutel) * 0x9E3779B97F4A7C15ull;
  h ^= h >> 29;
  return static_cast<std::size_t>(h) & (vakken_.size() - 1);
}

void AfstemIndex::BedragLijsten::Groei() {
  std::vector<Plaats> oud = std::move(vakken_);
  vakken_.assign(oud.empty() ? 64 : oud.size() * 2, Plaats{});
  for (const Plaats& v : oud) {
    if (v.lijst == 0) continue;
    std::size_t i = Vak(v.sleutel);
    while (vakken_[i].lijst != 0) i = (i + 1) & (vakken_.size() - 1);
    vakken_[i] = v;
  }
}

std::vector<int>& AfstemIndex::BedragLijsten::operator[](long long sleutel) {
  // At most half the places taken, so that a search ends soon at a free one.
  if ((lijsten_.size() + 1) * 2 > vakken_.size()) Groei();
  std::size_t i = Vak(sleutel);
  while (vakken_[i].lijst != 0) {
    if (vakken_[i].sleutel == sleutel) return lijsten_[vakken_[i].lijst - 1];
    i = (i + 1) & (vakken_.size() - 1);
  }
  lijsten_.emplace_back();
  vakken_[i] = {sleutel, static_cast<std::uint32_t>(lijsten_.size())};
  return lijsten_.back();
}

const std::vector<int>* AfstemIndex::BedragLijsten::Zoek(long long sleutel) const {
  if (vakken_.empty()) return nullptr;
  for (std::size_t i = Vak(sleutel); vakken_[i].lijst != 0; i = (i + 1) & (vakken_.size() - 1))
    if (vakken_[i].sleutel == sleutel) return &lijsten_[vakken_[i].lijst - 1];
  return nullptr;
}

AfstemIndex::PerRekening& AfstemIndex::Van(int rekNr) {
  if (laatste_ == nullptr || laatsteRekNr_ != rekNr) {
    laatste_ = &rekeningen_[rekNr];  // nodes keep their addresses
    laatsteRekNr_ = rekNr;
  }
  return *laatste_;
}

const AfstemIndex::PerRekening* AfstemIndex::Zoek(int rekNr) const {
  const auto p = rekeningen_.find(rekNr);
  return p == rekeningen_.end() ? nullptr : &p->second;
}

void AfstemIndex::Voeg(const TKas& k, int positie) {
  PerRekening& r = Van(k.RekNr);
  const long long dagSleutel = DagSleutel(k.Datum);
  if (r.vorigeDagLijst == nullptr || r.vorigeDag != dagSleutel) {
    r.vorigeDagLijst = &r.dag[dagSleutel];
    r.vorigeDag = dagSleutel;
  }
  VoegIn(*r.vorigeDagLijst, positie);
  if (r.vorigeGroepLijst == nullptr || r.vorigeGroep != k.GroepKode) {
    r.vorigeGroepLijst = &r.groep[k.GroepKode];
    r.vorigeGroep = k.GroepKode;
  }
  VoegIn(*r.vorigeGroepLijst, positie);
  const long long bedrag = BedragSleutel(k.Bedrag);
  VoegIn(r.bedrag[bedrag], positie);
  if (std::string s = GelijkenisSleutel(k.Relatie); !s.empty()) VoegIn(r.relatie[std::move(s)], positie);
  if (std::string s = GelijkenisSleutel(k.Omschrijving); !s.empty()) VoegIn(r.omschrijving[std::move(s)], positie);
  char buf[64];
  const std::string_view sleutel = RestSleutel(k, buf);
  if (r.vorigeRest == nullptr || r.vorigeRestSleutel != sleutel) {
    auto plek = r.rest.find(std::string(sleutel));
    if (plek == r.rest.end()) {
      const int nummer = static_cast<int>(alleRest_.size());
      plek = r.rest.emplace(std::string(sleutel), Rest{k.ActieKode, k.BoekSoort & 0xFF, k.Munt, {}, nummer}).first;
      r.restVolgorde.push_back(&plek->second);
      alleRest_.push_back(&plek->second);
    }
    r.vorigeRest = &plek->second;
    r.vorigeRestSleutel = sleutel;
  }
  Rest& rest = *r.vorigeRest;
  VoegIn(rest.posities, positie);
  const auto p = static_cast<std::size_t>(positie);
  if (kenmerken_.size() <= p) kenmerken_.resize(p + 1);
  if (vergelijkingen_.size() <= p) vergelijkingen_.resize(p + 1);
  // A checked date is a day number far inside the range; a wild one is kept
  // at its edge rather than wrapped.
  const double dag = std::clamp(std::floor(k.Datum), double{INT32_MIN}, double{INT32_MAX});
  kenmerken_[p] = {static_cast<std::int32_t>(dag), rest.nummer};
  vergelijkingen_[p] = {bedrag, GelijkenisStuk(k.Relatie), GelijkenisStuk(k.Omschrijving), k.RekNr};
}

void AfstemIndex::Haal(const TKas& k, int positie) {
  PerRekening& r = Van(k.RekNr);
  HaalUit(r.dag[DagSleutel(k.Datum)], positie);
  HaalUit(r.groep[k.GroepKode], positie);
  HaalUit(r.bedrag[BedragSleutel(k.Bedrag)], positie);
  if (std::string s = GelijkenisSleutel(k.Relatie); !s.empty()) HaalUit(r.relatie[std::move(s)], positie);
  if (std::string s = GelijkenisSleutel(k.Omschrijving); !s.empty()) HaalUit(r.omschrijving[std::move(s)], positie);
  char buf[64];
  if (const auto plek = r.rest.find(std::string(RestSleutel(k, buf))); plek != r.rest.end())
    HaalUit(plek->second.posities, positie);
  if (static_cast<std::size_t>(positie) < kenmerken_.size()) kenmerken_[static_cast<std::size_t>(positie)] = {};
  if (static_cast<std::size_t>(positie) < vergelijkingen_.size()) vergelijkingen_[static_cast<std::size_t>(positie)] = {};
}

template <class Doe>
void AfstemIndex::VoorElkeLijst(Doe doe) {
  for (auto& [rekNr, r] : rekeningen_) {
    for (auto& [sleutel, lijst] : r.dag) doe(lijst);
    for (auto& lijst : r.bedrag.Alle()) doe(lijst);
    for (auto* lijsten : {&r.groep, &r.relatie, &r.omschrijving})
      for (auto& [sleutel, lijst] : *lijsten) doe(lijst);
    for (auto& [sleutel, rest] : r.rest) doe(rest.posities);
  }
}

void AfstemIndex::Bouw(const Kasboek& kb) {
  rekeningen_.clear();
  alleRest_.clear();
  laatste_ = nullptr;
  kenmerken_.assign(static_cast<std::size_t>(std::max(kb.MaxKas(), 0)) + 1, Kenmerk{});
  vergelijkingen_.assign(kenmerken_.size(), Vergelijking{});
  VoortgangMelder melder(kb.voortgang(), "Afstemming voorbereiden", static_cast<std::uint64_t>(kb.MaxKas()));
  for (int i = 1; i <= kb.MaxKas(); ++i) {
    Voeg(kb.KasLijst[static_cast<std::size_t>(i)], i);
    melder.Stap(static_cast<std::uint64_t>(i));
  }
}

void AfstemIndex::NaInvoegen(const Kasboek& kb, int positie) {
  // A record put behind the last one moves no other position.
  if (positie == kb.MaxKas()) {
    Voeg(kb.KasLijst[static_cast<std::size_t>(positie)], positie);
    return;
  }
  VoorElkeLijst([positie](std::vector<int>& lijst) {
    for (auto p = std::lower_bound(lijst.begin(), lijst.end(), positie); p != lijst.end(); ++p) ++*p;
  });
  if (static_cast<std::size_t>(positie) <= kenmerken_.size())
    kenmerken_.insert(kenmerken_.begin() + positie, Kenmerk{});
  if (static_cast<std::size_t>(positie) <= vergelijkingen_.size())
    vergelijkingen_.insert(vergelijkingen_.begin() + positie, Vergelijking{});
  Voeg(kb.KasLijst[static_cast<std::size_t>(positie)], positie);
}

void AfstemIndex::NaVerwijderen(int positie, const TKas& oud) {
  Haal(oud, positie);
  VoorElkeLijst([positie](std::vector<int>& lijst) {
    for (auto p = std::upper_bound(lijst.begin(), lijst.end(), positie); p != lijst.end(); ++p) --*p;
  });
  if (positie >= 0 && static_cast<std::size_t>(positie) < kenmerken_.size())
    kenmerken_.erase(kenmerken_.begin() + positie);
  if (positie >= 0 && static_cast<std::size_t>(positie) < vergelijkingen_.size())
    vergelijkingen_.erase(vergelijkingen_.begin() + positie);
}

void AfstemIndex::NaVervangen(const Kasboek& kb, int positie, const TKas& oud) {
  Haal(oud, positie);
  Voeg(kb.KasLijst[static_cast<std::size_t>(positie)], positie);
}

template <class Sleutel>
const std::vector<int>& AfstemIndex::In(const Lijsten<Sleutel>& lijsten, const Sleutel& sleutel) {
  static const std::vector<int> leeg;
  const auto p = lijsten.find(sleutel);
  return p == lijsten.end() ? leeg : p->second;
}

const std::vector<int>& AfstemIndex::OpDag(int rekNr, double datum) const {
  static const std::vector<int> leeg;
  const PerRekening* r = Zoek(rekNr);
  return r ? In(r->dag, DagSleutel(datum)) : leeg;
}
const std::vector<int>& AfstemIndex::OpGroep(int rekNr, const std::string& kode) const {
  static const std::vector<int> leeg;
  const PerRekening* r = Zoek(rekNr);
  return r ? In(r->groep, kode) : leeg;
}
const std::vector<int>& AfstemIndex::OpBedrag(int rekNr, double bedrag) const {
  static const std::vector<int> leeg;
  const PerRekening* r = Zoek(rekNr);
  const std::vector<int>* lijst = r ? r->bedrag.Zoek(BedragSleutel(bedrag)) : nullptr;
  return lijst ? *lijst : leeg;
}
const std::vector<int>& AfstemIndex::OpRelatie(int rekNr, const std::string& sleutel) const {
  static const std::vector<int> leeg;
  const PerRekening* r = Zoek(rekNr);
  return r ? In(r->relatie, sleutel) : leeg;
}
const std::vector<int>& AfstemIndex::OpOmschrijving(int rekNr, const std::string& sleutel) const {
  static const std::vector<int> leeg;
  const PerRekening* r = Zoek(rekNr);
  return r ? In(r->omschrijving, sleutel) : leeg;
}

std::vector<const AfstemIndex::Rest*> AfstemIndex::RestVan(int rekNr) const {
  const PerRekening* r = Zoek(rekNr);
  return r ? r->restVolgorde : std::vector<const Rest*>{};
}

}  // namespace valdero
