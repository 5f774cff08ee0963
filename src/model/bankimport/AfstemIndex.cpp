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

std::string Utf8(const std::vector<char32_t>& tekens, std::size_t van, std::size_t n) {
  std::string uit;
  for (std::size_t i = van; i < van + n; ++i) VoegTekenToe(uit, Klein(tekens[i]));
  return uit;
}

// Keys are built in one piece: most fit in the string itself, so a key costs
// no allocation.
class SleutelBouwer {
 public:
  explicit SleutelBouwer(int rekNr) { Getal(rekNr); }
  SleutelBouwer& Getal(long long n) {
    p_ = std::to_chars(p_, buf_ + sizeof buf_, n).ptr;
    return *this;
  }
  SleutelBouwer& Teken(char c) {
    if (p_ < buf_ + sizeof buf_) *p_++ = c;
    return *this;
  }
  std::string Klaar(std::string_view rest = {}) const {
    std::string s;
    s.reserve(static_cast<std::size_t>(p_ - buf_) + rest.size());
    s.append(buf_, static_cast<std::size_t>(p_ - buf_));
    s.append(rest);
    return s;
  }

 private:
  char buf_[64];
  char* p_ = buf_;
};

std::string Sleutel(int rekNr, const std::string& rest) { return SleutelBouwer(rekNr).Teken('\x1f').Klaar(rest); }
std::string DagSleutel(int rekNr, double datum) {
  return SleutelBouwer(rekNr).Teken('\x1f').Getal(std::llround(std::floor(datum * 1e6))).Klaar();
}
std::string BedragSleutel(int rekNr, double bedrag) {
  return SleutelBouwer(rekNr).Teken('\x1f').Getal(std::llround(std::fabs(bedrag) * 1e6)).Klaar();
}
std::string RestSleutel(const TKas& k) {
  const std::string soortMunt = SleutelBouwer(k.BoekSoort & 0xFF).Teken('\x1f').Getal(k.Munt).Klaar();
  return SleutelBouwer(k.RekNr).Teken('\x1f').Klaar(k.ActieKode + '\x1f' + soortMunt);
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
  std::vector<std::string> sleutels;
  sleutels.reserve((t.size() - b) * 5);
  for (std::size_t i = b; i < t.size(); ++i)
    for (std::size_t n = 1; n <= 5 && i + n <= t.size(); ++n) sleutels.push_back(Utf8(t, i, n));
  std::sort(sleutels.begin(), sleutels.end());
  sleutels.erase(std::unique(sleutels.begin(), sleutels.end()), sleutels.end());
  return sleutels;
}

void AfstemIndex::Voeg(const TKas& k, int positie) {
  VoegIn(dag_[DagSleutel(k.RekNr, k.Datum)], positie);
  VoegIn(groep_[Sleutel(k.RekNr, k.GroepKode)], positie);
  VoegIn(bedrag_[BedragSleutel(k.RekNr, k.Bedrag)], positie);
  const std::string r = GelijkenisSleutel(k.Relatie);
  if (!r.empty()) VoegIn(relatie_[k.RekNr][r], positie);
  const std::string o = GelijkenisSleutel(k.Omschrijving);
  if (!o.empty()) VoegIn(omschrijving_[k.RekNr][o], positie);
  const std::string s = RestSleutel(k);
  auto [plek, nieuw] = rest_.try_emplace(s);
  if (nieuw) {
    plek->second.actie = k.ActieKode;
    plek->second.soort = k.BoekSoort & 0xFF;
    plek->second.munt = k.Munt;
    restSleutels_[k.RekNr].push_back(s);
  }
  VoegIn(plek->second.posities, positie);
  const auto p = static_cast<std::size_t>(positie);
  if (kenmerken_.size() <= p) kenmerken_.resize(p + 1);
  // The rest entries live in a node map: their addresses stay.
  kenmerken_[p] = {static_cast<long long>(std::floor(k.Datum)), &plek->second};
}

void AfstemIndex::Haal(const TKas& k, int positie) {
  HaalUit(dag_[DagSleutel(k.RekNr, k.Datum)], positie);
  HaalUit(groep_[Sleutel(k.RekNr, k.GroepKode)], positie);
  HaalUit(bedrag_[BedragSleutel(k.RekNr, k.Bedrag)], positie);
  const std::string r = GelijkenisSleutel(k.Relatie);
  if (!r.empty()) HaalUit(relatie_[k.RekNr][r], positie);
  const std::string o = GelijkenisSleutel(k.Omschrijving);
  if (!o.empty()) HaalUit(omschrijving_[k.RekNr][o], positie);
  HaalUit(rest_[RestSleutel(k)].posities, positie);
  if (static_cast<std::size_t>(positie) < kenmerken_.size()) kenmerken_[static_cast<std::size_t>(positie)] = {};
}

void AfstemIndex::Bouw(const Kasboek& kb) {
  dag_.clear();
  groep_.clear();
  bedrag_.clear();
  relatie_.clear();
  omschrijving_.clear();
  rest_.clear();
  restSleutels_.clear();
  kenmerken_.assign(static_cast<std::size_t>(std::max(kb.MaxKas(), 0)) + 1, Kenmerk{});
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
  auto schuif = [positie](Lijsten& lijsten) {
    for (auto& [sleutel, lijst] : lijsten)
      for (auto p = std::lower_bound(lijst.begin(), lijst.end(), positie); p != lijst.end(); ++p) ++*p;
  };
  schuif(dag_);
  schuif(groep_);
  schuif(bedrag_);
  for (auto& [rekNr, lijsten] : relatie_) schuif(lijsten);
  for (auto& [rekNr, lijsten] : omschrijving_) schuif(lijsten);
  for (auto& [sleutel, rest] : rest_)
    for (auto p = std::lower_bound(rest.posities.begin(), rest.posities.end(), positie); p != rest.posities.end(); ++p)
      ++*p;
  if (static_cast<std::size_t>(positie) <= kenmerken_.size())
    kenmerken_.insert(kenmerken_.begin() + positie, Kenmerk{});
  Voeg(kb.KasLijst[static_cast<std::size_t>(positie)], positie);
}

void AfstemIndex::NaVerwijderen(int positie, const TKas& oud) {
  Haal(oud, positie);
  auto schuif = [positie](std::vector<int>& lijst) {
    for (auto p = std::upper_bound(lijst.begin(), lijst.end(), positie); p != lijst.end(); ++p) --*p;
  };
  for (auto& [sleutel, lijst] : dag_) schuif(lijst);
  for (auto& [sleutel, lijst] : groep_) schuif(lijst);
  for (auto& [sleutel, lijst] : bedrag_) schuif(lijst);
  for (auto& [rekNr, lijsten] : relatie_)
    for (auto& [sleutel, lijst] : lijsten) schuif(lijst);
  for (auto& [rekNr, lijsten] : omschrijving_)
    for (auto& [sleutel, lijst] : lijsten) schuif(lijst);
  for (auto& [sleutel, rest] : rest_) schuif(rest.posities);
  if (positie >= 0 && static_cast<std::size_t>(positie) < kenmerken_.size())
    kenmerken_.erase(kenmerken_.begin() + positie);
}

void AfstemIndex::NaVervangen(const Kasboek& kb, int positie, const TKas& oud) {
  Haal(oud, positie);
  Voeg(kb.KasLijst[static_cast<std::size_t>(positie)], positie);
}

const std::vector<int>& AfstemIndex::In(const Lijsten& lijsten, const std::string& sleutel) {
  static const std::vector<int> leeg;
  const auto p = lijsten.find(sleutel);
  return p == lijsten.end() ? leeg : p->second;
}

const std::vector<int>& AfstemIndex::OpDag(int rekNr, double datum) const { return In(dag_, DagSleutel(rekNr, datum)); }
const std::vector<int>& AfstemIndex::OpGroep(int rekNr, const std::string& kode) const {
  return In(groep_, Sleutel(rekNr, kode));
}
const std::vector<int>& AfstemIndex::OpBedrag(int rekNr, double bedrag) const {
  return In(bedrag_, BedragSleutel(rekNr, bedrag));
}
const std::vector<int>& AfstemIndex::In(const PerRekening& lijsten, int rekNr, const std::string& sleutel) {
  static const std::vector<int> leeg;
  const auto p = lijsten.find(rekNr);
  return p == lijsten.end() ? leeg : In(p->second, sleutel);
}

const std::vector<int>& AfstemIndex::OpRelatie(int rekNr, const std::string& sleutel) const {
  return In(relatie_, rekNr, sleutel);
}
const std::vector<int>& AfstemIndex::OpOmschrijving(int rekNr, const std::string& sleutel) const {
  return In(omschrijving_, rekNr, sleutel);
}

std::vector<const AfstemIndex::Rest*> AfstemIndex::RestVan(int rekNr) const {
  std::vector<const Rest*> uit;
  const auto p = restSleutels_.find(rekNr);
  if (p == restSleutels_.end()) return uit;
  for (const auto& s : p->second) uit.push_back(&rest_.at(s));
  return uit;
}

}  // namespace valdero
