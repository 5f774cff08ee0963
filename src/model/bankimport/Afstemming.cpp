#include "model/bankimport/Afstemming.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <iterator>
#include <limits>
#include <set>

#include "model/bankimport/BankTekst.h"
#include "model/bankimport/RekeningHerkenning.h"
#include "model/bankimport/SelectMut.h"
#include "model/bankimport/VergelijkModel.h"
#include "model/bookings/Posten.h"
#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Domein.h"
#include "model/core/KasVolgorde.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/storage/BoekBestand.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

// The first 24 characters of a text in lower case, on the stack: every
// same-day candidate of every line compares two texts twice.
struct Tekens24 {
  std::array<char32_t, 24> t;
  std::size_t n = 0;
};

// A line text prepared once for all the ledger texts it meets: from its
// first character at or above "A" on.
struct RegelVorm {
  Tekens24 r;
  std::size_t b = 0;
};

Tekens24 LeesTekens24(const std::string& tekst, std::size_t max = 24) {
  Tekens24 uit;
  std::size_t p = 0;
  while (p < tekst.size() && uit.n < max) {
    const auto b = static_cast<unsigned char>(tekst[p]);
    char32_t c = b < 0x80 ? (++p, b) : VolgendTeken(tekst, p);
    if (c >= U'A' && c <= U'Z') c += 32;
    uit.t[uit.n++] = c;
  }
  return uit;
}

// Codes of a few characters compared in place: a library call per pair
// costs more than the comparison, and the scoring compares them for every
// position a line meets.
bool ZelfdeKode(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

bool ZelfdeBedrag(double a, double b) { return std::llround(std::fabs(a) * 1e6) == std::llround(std::fabs(b) * 1e6); }

std::string Gewoon(const std::string& s) {
  std::string t = Getrimd(s);
  for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return t;
}

long long Dag(double datum) { return static_cast<long long>(std::floor(datum)); }

// The highest score wins; of equal scores the one nearest to the line's date
// (a same-day transaction before one of another month); of those, the one
// examined last. `afstand` is that of the best so far.
void Weeg(Beste& b, long long& bAfstand, int score, int positie, long long afstand) {
  if (score > b.score || (score == b.score && afstand <= bAfstand)) {
    b.score = score;
    b.positie = positie;
    bAfstand = afstand;
  }
}

constexpr long long kGeenAfstand = std::numeric_limits<long long>::max();

}  // namespace

namespace {

RegelVorm VormVan(const std::string& regel) {
  RegelVorm v{LeesTekens24(regel)};
  while (v.b < v.r.n && v.r.t[v.b] < U'A') ++v.b;
  return v;
}

// Only the ledger text's first five characters count.
bool Lijkt(const std::string& grootboek, const RegelVorm& v) {
  const Tekens24 g = LeesTekens24(grootboek, 5);
  const std::size_t a = g.n;
  if (a == 0 || a > v.r.n - v.b) return false;
  const auto eind = v.r.t.begin() + static_cast<std::ptrdiff_t>(v.r.n);
  return std::search(v.r.t.begin() + static_cast<std::ptrdiff_t>(v.b), eind, g.t.begin(),
                     g.t.begin() + static_cast<std::ptrdiff_t>(a)) != eind;
}

// A text of at most five ASCII characters in lower case, packed in one
// number as GelijkenisStuk packs a ledger text's opening.
constexpr int kLengteBit = kStukLengteBit;

// Every piece of one to five ASCII characters of a line text (from its first
// character at or above "A"), packed and sorted: the ledger text resembles
// the line exactly when its packed opening is one of them.
std::vector<std::uint64_t> StukkenVan(const RegelVorm& v) {
  std::vector<std::uint64_t> stukken;
  for (std::size_t i = v.b; i < v.r.n; ++i) {
    std::uint64_t k = 0;
    for (std::size_t n = 0; n < 5 && i + n < v.r.n; ++n) {
      const char32_t c = v.r.t[i + n];
      if (c >= 0x80) break;
      k |= static_cast<std::uint64_t>(c) << (8 * n);
      stukken.push_back(k | (static_cast<std::uint64_t>(n + 1) << kLengteBit));
    }
  }
  std::sort(stukken.begin(), stukken.end());
  stukken.erase(std::unique(stukken.begin(), stukken.end()), stukken.end());
  return stukken;
}

// Lijkt, for a ledger text whose opening is ASCII by a lookup among the
// line's pieces (a day of a large year holds hundreds of the account's
// transactions, each compared with every line of that day).
bool LijktOpStukken(const std::string& grootboek, const RegelVorm& v, const std::vector<std::uint64_t>& stukken) {
  const std::uint64_t stuk = GelijkenisStuk(grootboek);
  if (stuk == kGeenAsciiStuk) return Lijkt(grootboek, v);
  return stuk != 0 && std::binary_search(stukken.begin(), stukken.end(), stuk);
}

// The same for a ledger text known by its packed opening (GelijkenisStuk);
// the text itself is read only when that opening is not ASCII.
template <class Tekst>
bool LijktOpStuk(std::uint64_t stuk, Tekst&& grootboek, const RegelVorm& v, const std::vector<std::uint64_t>& stukken) {
  if (stuk == kGeenAsciiStuk) return Lijkt(grootboek(), v);
  return stuk != 0 && std::binary_search(stukken.begin(), stukken.end(), stuk);
}

// The line's side of the score, prepared once per line.
struct RegelKenmerken {
  explicit RegelKenmerken(const TNewKas& r)
      : regel(r),
        relatie(VormVan(r.Relatie)),
        omschrijving(VormVan(r.Omschrijving)),
        actie(Hoofdletters(r.ActieKode)),
        relatieStukken(StukkenVan(relatie)),
        omschrijvingStukken(StukkenVan(omschrijving)) {}
  const TNewKas& regel;
  RegelVorm relatie;
  RegelVorm omschrijving;
  std::string actie;
  std::vector<std::uint64_t> relatieStukken;
  std::vector<std::uint64_t> omschrijvingStukken;
};

// The criteria without the two texts, which cost the most to compare.
int ScoreZonderTeksten(const TKas& kas, const RegelKenmerken& k, bool groepTelt) {
  int s = 0;
  if (groepTelt && ZelfdeKode(kas.GroepKode, k.regel.GroepKode)) s += score::Groep;
  if (ZelfdeBedrag(kas.Bedrag, k.regel.Bedrag)) s += score::Bedrag;
  if (ZelfdeKode(kas.ActieKode, k.actie)) s += score::Actie;
  if ((kas.BoekSoort & 0xFF) == (k.regel.BoekSoort & 0xFF)) s += score::Soort;
  if (kas.Munt == k.regel.Munt) s += score::Munt;
  return s;
}

int TekstScore(const TKas& kas, const RegelKenmerken& k) {
  return (LijktOpStukken(kas.Relatie, k.relatie, k.relatieStukken) ? score::Relatie : 0) +
         (LijktOpStukken(kas.Omschrijving, k.omschrijving, k.omschrijvingStukken) ? score::Omschrijving : 0);
}

int Score(const TKas& kas, const RegelKenmerken& k, bool groepTelt) {
  return ScoreZonderTeksten(kas, k, groepTelt) + TekstScore(kas, k);
}

}  // namespace

bool TextsResemble(const std::string& grootboek, const std::string& regel) { return Lijkt(grootboek, VormVan(regel)); }

int MatchScore(const TKas& kas, const TNewKas& regel, bool groepTelt) {
  return Score(kas, RegelKenmerken(regel), groepTelt);
}

TKas TransactionFromLine(const TNewKas& r) {
  TKas k;
  k.Index = r.Index;
  k.RekNr = r.RekNr;
  k.VolgBlad = r.VolgBlad;
  k.GroepKode = r.GroepKode;
  k.ActieKode = r.ActieKode;
  k.Datum = r.Datum;
  k.TegenRekNr = r.TegenRekNr;
  k.Relatie = r.Belegging == 1 ? Kap(r.Relatie, 24) : r.Relatie;
  k.TegenRek = r.TegenRek;
  k.TegenVolgBlad = r.TegenVolgBlad;
  k.Bedrag = r.Bedrag;
  k.MuntKoers = r.MuntKoers;
  k.Omschrijving = r.Omschrijving;
  k.Munt = r.Munt;
  k.BoekSoort = r.BoekSoort;
  k.Extra1 = r.Extra1 & 0xFF;
  k.Belegging = r.Belegging;
  k.PayDate = r.PayDate;
  if (r.Belegging == 1) {
    k.Aantal = r.Aantal;
    k.Prijs = r.Prijs;
  }
  return k;
}

namespace {

// A counter account as digits without leading zeros: an IBAN, the old
// account number and an own account's name ("Spaar 987654321") compare alike.
std::string TegenCijfers(const std::string& tekst) {
  std::string c = NaamCijfers(ReduceerRekeningNummer(tekst));
  const std::size_t eerste = c.find_first_not_of('0');
  return eerste == std::string::npos ? std::string() : c.substr(eerste);
}

// The counter account is the surest sign of one counter party; without it
// the names decide. Layouts write a name differently ("ALBERT HEIJN 1234
// AMSTERDAM", "Albert Heijn 1234"), so either may hold the other.
bool ZelfdeTegenpartij(const TKas& kas, const TNewKas& regel) {
  const std::string a = TegenCijfers(kas.TegenRekNr);
  const std::string b = TegenCijfers(regel.TegenRekNr);
  constexpr std::size_t kMinsteCijfers = 3;
  if (a.size() >= kMinsteCijfers && a == b) return true;
  if (Gewoon(kas.Relatie) == Gewoon(regel.Relatie)) return true;
  return TextsResemble(kas.Relatie, regel.Relatie) || TextsResemble(regel.Relatie, kas.Relatie);
}

// Money out: a negative ledger amount; a line's kind says it, whatever sign
// its layout writes.
bool RegelIsAf(const TNewKas& r) {
  const int soort = r.BoekSoort & 0xFF;
  if (soort == importsoort::Af || soort == importsoort::AfNaarEigen) return true;
  if (soort == importsoort::Bij || soort == importsoort::BijVanEigen) return false;
  return r.Bedrag < 0;
}

}  // namespace

bool ZelfdeBetaling(const TKas& kas, const TNewKas& regel) {
  if (kas.RekNr != regel.RekNr || Dag(kas.Datum) != Dag(regel.Datum)) return false;
  if (!ZelfdeBedrag(kas.Bedrag, regel.Bedrag * regel.MuntKoers) && !ZelfdeBedrag(kas.Bedrag, regel.Bedrag)) return false;
  if (kas.Bedrag != 0 && regel.Bedrag != 0 && (kas.Bedrag < 0) != RegelIsAf(regel)) return false;
  return ZelfdeTegenpartij(kas, regel);
}

bool MagVervangen(const TKas& kas, const TNewKas& regel) {
  if (kas.RekNr != regel.RekNr || Dag(kas.Datum) != Dag(regel.Datum)) return false;
  return ZelfdeBedrag(kas.Bedrag, regel.Bedrag) || ZelfdeTegenpartij(kas, regel) ||
         TextsResemble(kas.Omschrijving, regel.Omschrijving);
}

Afstemming::Afstemming(Kasboek& kb, SelectMutVoerder& kiezer, VergelijkVoerder& venster)
    : bewaar_([&kb] { BewaarNaWijziging(kb); }), kb_(kb), kiezer_(kiezer), venster_(venster) {}

void Afstemming::BewaarNaRegel() const {
  if (!achterAan && bewaar_) bewaar_();
}

std::optional<std::string> Afstemming::MaakGroep(const std::string& kode) const {
  return groepMaker_ ? groepMaker_(kode) : std::nullopt;
}

void Afstemming::BeginRun() {
  grootboekBijStart_ = kb_.MaxKas();
  index_.Bouw(kb_);
  stoppen = false;
}

long long Afstemming::Afstand(int positie) const {
  const long long d = Dag(kb_.KasLijst[static_cast<std::size_t>(positie)].Datum) - Dag(regel.Datum);
  return d < 0 ? -d : d;
}

void Afstemming::FindSameDayCandidates() {
  kandidaten = index_.OpDag(regel.RekNr, regel.Datum);
  modus = kandidaten.empty() ? vergelijkmodus::Nieuw : vergelijkmodus::Vergelijk;
}

Beste Afstemming::ScoreCandidates(bool heleGrootboek, bool groepTelt) const {
  Beste b;
  b.positie = heleGrootboek ? grootboekBijStart_ : static_cast<int>(kandidaten.size());
  auto kas = [&](int p) -> const TKas& { return kb_.KasLijst[static_cast<std::size_t>(p)]; };
  const RegelKenmerken kenmerken(regel);
  const std::string& actie = kenmerken.actie;
  const int soort = regel.BoekSoort & 0xFF;
  auto rest = [&](const TKas& k) {
    return (ZelfdeKode(k.ActieKode, actie) ? score::Actie : 0) + ((k.BoekSoort & 0xFF) == soort ? score::Soort : 0) +
           (k.Munt == regel.Munt ? score::Munt : 0);
  };
  // The rest score of each action code, kind and currency the index holds,
  // worked out once per line when first met: the candidates and the walks
  // ask it per position.
  std::vector<signed char>& restScores = restScoreScratch_;
  restScores.assign(index_.AantalRest(), -1);
  auto restVan = [&](const AfstemIndex::Kenmerk& k) {
    signed char& s = restScores[static_cast<std::size_t>(k.rest)];
    if (s < 0) {
      const AfstemIndex::Rest& r = index_.RestNummer(k.rest);
      s = static_cast<signed char>((ZelfdeKode(r.actie, actie) ? score::Actie : 0) +
                                   (r.soort == soort ? score::Soort : 0) + (r.munt == regel.Munt ? score::Munt : 0));
    }
    return static_cast<int>(s);
  };
  auto restOp = [&](int p) {
    const AfstemIndex::Kenmerk* k = index_.KenmerkOp(p);
    return k ? restVan(*k) : rest(kas(p));
  };

  long long bAfstand = kGeenAfstand;
  const long long regelBedrag = BedragSleutel(regel.Bedrag);
  const long long regelDag = Dag(regel.Datum);
  for (int p : kandidaten) {
    if (p > kb_.MaxKas()) continue;
    // A day of a large year holds hundreds of the account's transactions:
    // the texts are compared only for one that could still win (a tie may).
    const AfstemIndex::Kenmerk* k = index_.KenmerkOp(p);
    if (k == nullptr || groepTelt) {
      if (kas(p).RekNr != regel.RekNr) continue;
      const int vast = ScoreZonderTeksten(kas(p), kenmerken, groepTelt);
      if (vast + score::Relatie + score::Omschrijving < b.score) continue;
      Weeg(b, bAfstand, vast + TekstScore(kas(p), kenmerken), p, Afstand(p));
      continue;
    }
    // Without the group every criterion is in the index's arrays: the
    // record is read only for a text whose opening is not ASCII.
    const AfstemIndex::Vergelijking& v = *index_.VergelijkingOp(p);
    if (v.rekNr != regel.RekNr) continue;
    const int vast = (v.bedrag == regelBedrag ? score::Bedrag : 0) + restVan(*k);
    if (vast + score::Relatie + score::Omschrijving < b.score) continue;
    const int tekst =
        (LijktOpStuk(v.relatie, [&]() -> const std::string& { return kas(p).Relatie; }, kenmerken.relatie,
                     kenmerken.relatieStukken)
             ? score::Relatie
             : 0) +
        (LijktOpStuk(v.omschrijving, [&]() -> const std::string& { return kas(p).Omschrijving; },
                     kenmerken.omschrijving, kenmerken.omschrijvingStukken)
             ? score::Omschrijving
             : 0);
    const long long d = k->dag - regelDag;
    Weeg(b, bAfstand, vast + tekst, p, d < 0 ? -d : d);
  }
  if (!heleGrootboek) return b;

  // Then the account's transactions from position n - (candidates) down to 1:
  // the last examined (the lowest position) wins a tie. Only the positions
  // in the index lists of group, amount, relation and description can score
  // 8 or more; the others score by action code, kind and currency alone.
  const int grens = grootboekBijStart_ - static_cast<int>(kandidaten.size());
  if (grens < 1) return b;
  // Each criterion's positions up to the limit, as ascending runs: the
  // relation and the description have a run for every key the line's text
  // holds (a position sits in at most one run of each).
  auto tot = [grens](const std::vector<int>& lijst) {
    return Lijst{lijst.data(), lijst.data() + (std::upper_bound(lijst.begin(), lijst.end(), grens) - lijst.begin())};
  };
  auto vul = [&](std::vector<Lijst>& runs, auto&& lijstVan, const std::vector<std::string>& sleutels) {
    runs.clear();
    for (const auto& s : sleutels)
      if (const Lijst l = tot(lijstVan(s)); !l.Leeg()) runs.push_back(l);
  };
  std::array<std::vector<Lijst>, 4>& runs = runsScratch_;  // by weight: group, amount, relation, description
  runs[0].clear();
  if (const Lijst l = tot(index_.OpGroep(regel.RekNr, regel.GroepKode)); groepTelt && !l.Leeg()) runs[0].push_back(l);
  runs[1].clear();
  if (const Lijst l = tot(index_.OpBedrag(regel.RekNr, regel.Bedrag)); !l.Leeg()) runs[1].push_back(l);
  // A line is scored more than once (without and with its group): its keys
  // are made once per text.
  auto sleutels = [](SleutelsVan& bewaard, const std::string& tekst) -> const std::vector<std::string>& {
    if (!bewaard.geldig || bewaard.tekst != tekst) bewaard = {tekst, GelijkenisSleutelsIn(tekst), true};
    return bewaard.sleutels;
  };
  vul(runs[2], [&](const std::string& k) -> const auto& { return index_.OpRelatie(regel.RekNr, k); },
      sleutels(relatieSleutels_, regel.Relatie));
  vul(runs[3], [&](const std::string& k) -> const auto& { return index_.OpOmschrijving(regel.RekNr, k); },
      sleutels(omschrijvingSleutels_, regel.Omschrijving));
  constexpr std::array<int, 4> gewichten{score::Groep, score::Bedrag, score::Relatie, score::Omschrijving};
  auto grootte = [&](int c) {
    std::size_t n = 0;
    for (const Lijst& l : runs[static_cast<std::size_t>(c)]) n += l.Grootte();
    return n;
  };
  // Whether criterion c holds position p, for positions that only rise
  // during one walk: each run keeps a cursor that gallops forward, so that
  // two long lists of nearly the same positions cost a step per position
  // instead of a search through the whole list.
  std::array<std::vector<const int*>, 4> cursors;
  auto bevatVanaf = [&](int c, int p) {
    const auto& lijsten = runs[static_cast<std::size_t>(c)];
    auto& cursor = cursors[static_cast<std::size_t>(c)];
    for (std::size_t r = 0; r < lijsten.size(); ++r) {
      const int* eind = lijsten[r].eind;
      const int*& q = cursor[r];
      if (q != eind && *q < p) {
        // *laag < p throughout; the first position >= p lies after it.
        const int* laag = q;
        std::ptrdiff_t stap = 1;
        while (stap < eind - laag && laag[stap] < p) {
          laag += stap;
          stap *= 2;
        }
        q = std::lower_bound(laag + 1, stap < eind - laag ? laag + stap + 1 : eind, p);
      }
      if (q != eind && *q == p) return true;
    }
    return false;
  };
  // The walks below meet thousands of positions per line: they read the
  // index's small array of day and rest per position, and the record itself
  // only for a position the index does not hold.
  // The highest rest score any transaction of the account can reach.
  int hoogsteRest = -1;
  auto besteRest = [&] {
    if (hoogsteRest < 0) {
      hoogsteRest = 0;
      for (const AfstemIndex::Rest* r : index_.RestVan(regel.RekNr))
        hoogsteRest = std::max(hoogsteRest, (ZelfdeKode(r->actie, actie) ? score::Actie : 0) +
                                                (r->soort == soort ? score::Soort : 0) +
                                                (r->munt == regel.Munt ? score::Munt : 0));
    }
    return hoogsteRest;
  };
  auto dagOp = [&](int p) {
    const AfstemIndex::Kenmerk* k = index_.KenmerkOp(p);
    return k ? k->dag : Dag(kas(p).Datum);
  };
  auto afstandOp = [&](int p) {
    const long long d = dagOp(p) - Dag(regel.Datum);
    return d < 0 ? -d : d;
  };

  // The group, amount, relation and description weigh 8 or more each, the
  // rest 7 at most together, so the best score has the heaviest combination
  // of criteria that some position meets. The combinations are tried from
  // heavy to light, each by walking its shortest criterion and looking the
  // position up in the others; the positions found meet exactly that
  // combination, and the one with the most of the rest wins (on a tie the
  // one nearest to the line's date, then the lowest position: the walk
  // goes down).
  Beste fase2{-1, 0};
  long long fase2Afstand = kGeenAfstand;
  auto beter = [&](int s, int p, long long afstand) {
    return s > fase2.score || (s == fase2.score && (afstand < fase2Afstand || (afstand == fase2Afstand && p < fase2.positie)));
  };
  bool ergens = false;
  for (const auto& r : runs) ergens = ergens || !r.empty();
  for (int combinatie = 15; ergens && combinatie >= 1 && fase2.score < 0; --combinatie) {
    int kortste = -1, gewicht = 0;
    bool mogelijk = true;
    for (int c = 0; c < 4 && mogelijk; ++c) {
      if (!(combinatie & (8 >> c))) continue;
      mogelijk = !runs[static_cast<std::size_t>(c)].empty();
      if (kortste < 0 || grootte(c) < grootte(kortste)) kortste = c;
      gewicht += gewichten[static_cast<std::size_t>(c)];
    }
    if (!mogelijk) continue;
    for (const Lijst& l : runs[static_cast<std::size_t>(kortste)]) {
      for (int c = 0; c < 4; ++c) {
        auto& cursor = cursors[static_cast<std::size_t>(c)];
        cursor.clear();
        for (const Lijst& r : runs[static_cast<std::size_t>(c)]) cursor.push_back(r.begin);
      }
      for (const int* p = l.begin; p != l.eind; ++p) {
        bool overal = true;
        for (int c = 0; c < 4 && overal; ++c)
          if (c != kortste && (combinatie & (8 >> c))) overal = bevatVanaf(c, *p);
        if (!overal) continue;
        const int s = gewicht + restOp(*p);
        const long long afstand = afstandOp(*p);
        if (beter(s, *p, afstand)) {
          fase2 = {s, *p};
          fase2Afstand = afstand;
        }
        // Higher positions lie no nearer once the line's date is reached;
        // past the distance of the best so far they lie farther, and then
        // only a higher score could still win.
        if (s == gewicht + score::Actie + score::Soort + score::Munt && dagOp(*p) >= regelDag) break;
        if (fase2.score == gewicht + besteRest() && dagOp(*p) - regelDag > fase2Afstand) break;
      }
    }
  }
  if (!ergens) {
    // Per action code, kind and currency: the positions nearest to the
    // line's date on either side (the lowest of a day).
    auto eersteVanDag = [&](const std::vector<int>& pos, std::vector<int>::const_iterator eind, long long dag) {
      return std::lower_bound(pos.begin(), eind, dag, [&](int p, long long d) { return dagOp(p) < d; });
    };
    for (const AfstemIndex::Rest* r : index_.RestVan(regel.RekNr)) {
      const auto& pos = r->posities;
      const auto eind = std::upper_bound(pos.begin(), pos.end(), grens);
      if (pos.begin() == eind) continue;
      const int s = (r->actie == actie ? score::Actie : 0) + (r->soort == soort ? score::Soort : 0) +
                    (r->munt == regel.Munt ? score::Munt : 0);
      const auto na = eersteVanDag(pos, eind, regelDag);
      if (na != eind && beter(s, *na, afstandOp(*na))) {
        fase2 = {s, *na};
        fase2Afstand = afstandOp(*na);
      }
      if (na != pos.begin()) {
        const auto voor = eersteVanDag(pos, eind, dagOp(*std::prev(na)));
        if (beter(s, *voor, afstandOp(*voor))) {
          fase2 = {s, *voor};
          fase2Afstand = afstandOp(*voor);
        }
      }
    }
  }
  // The walk over the ledger comes after the candidates: it wins a tie of
  // score and distance.
  if (fase2.score >= 0 && (fase2.score > b.score || (fase2.score == b.score && fase2Afstand <= bAfstand))) b = fase2;
  return b;
}

Beste Afstemming::ScoreCandidatesDoorLopen(bool heleGrootboek, bool groepTelt) const {
  const int n = heleGrootboek ? grootboekBijStart_ : static_cast<int>(kandidaten.size());
  Beste b;
  b.positie = n;
  auto kas = [&](int p) -> const TKas& { return kb_.KasLijst[static_cast<std::size_t>(p)]; };
  long long bAfstand = kGeenAfstand;
  for (int p : kandidaten)
    if (kas(p).RekNr == regel.RekNr) Weeg(b, bAfstand, MatchScore(kas(p), regel, groepTelt), p, Afstand(p));
  if (!heleGrootboek) return b;
  for (int p = n - static_cast<int>(kandidaten.size()); p >= 1; --p)
    if (kas(p).RekNr == regel.RekNr) Weeg(b, bAfstand, MatchScore(kas(p), regel, groepTelt), p, Afstand(p));
  return b;
}

Afstemming::Voorstel Afstemming::StelVoor(bool kiesGroep) {
  invoegen = false;
  groepGekozen_ = false;
  FindSameDayCandidates();
  beste = ScoreCandidates(true, false);
  const bool bestaat = beste.positie >= 1 && beste.positie <= kb_.MaxKas();
  if (bestaat) {
    const TKas& b = kb_.KasLijst[static_cast<std::size_t>(beste.positie)];
    regel.GroepKode = b.GroepKode;
    if (beste.score > 54) regel.Munt = b.Munt;
  }
  if (beste.score >= 16) modus = vergelijkmodus::Vergelijk;
  if (beste.score < 31) {
    if (beste.score <= 8) {
      // A history file's category names the group a new line goes to.
      regel.GroepKode = regel.BestandGroep.empty() ? kOnbekendeGroepKode : regel.BestandGroep;
      invoegen = true;
    } else if (kiesGroep) {
      const SelectMut selectie = SelectMut::Groepen(kb_, kb_.ZoekGroep(regel.GroepKode));
      if (const auto tekst = kiezer_.Kies(selectie)) {
        regel.GroepKode = selectie.GroepUit(kb_, *tekst);
        invoegen = true;
        groepGekozen_ = true;
        beste = ScoreCandidates(true, true);
        if (beste.score >= 80) modus = vergelijkmodus::Vergelijk;
      }
    } else {
      invoegen = true;
    }
  }
  return {beste.score, beste.positie, regel.GroepKode, modus};
}

void Afstemming::ReconcileLine() {
  StelVoor(true);
  if (beste.score < 31 && !invoegen) return;  // the group selection was cancelled
  ToonVenster(beste.positie, modus);
  if (vervangen && modus == vergelijkmodus::Vergelijk) VervangBeste();
}

bool Afstemming::ToonVenster(int positie, int m) {
  VergelijkModel venster(*this, positie, m);
  venster_.Toon(venster);
  return venster.Gesloten();
}

bool Afstemming::VervangenToegestaan(int positie) const {
  return positie >= 1 && positie <= kb_.MaxKas() && MagVervangen(kb_.KasLijst[static_cast<std::size_t>(positie)], regel);
}

void Afstemming::VervangBeste() {
  if (!VervangenToegestaan(beste.positie)) return;
  const int positie = beste.positie;
  TKas& doel = kb_.KasLijst[static_cast<std::size_t>(positie)];
  const TKas oud = doel;
  TKas nieuw = TransactionFromLine(regel);
  nieuw.Index = oud.Index;
  nieuw.ruw = oud.ruw;
  doel = nieuw;
  // The balances follow the replaced amount at once. The replacement stands
  // as the statement gives it; a code without cells adds nothing.
  int rekMis = 0, groepMis = 0;
  static_cast<void>(HaalUitMatrix(kb_, oud.GroepKode, oud.RekNr, oud.Bedrag));
  static_cast<void>(BoekInMatrix(kb_, nieuw.GroepKode, nieuw.RekNr, false, rekMis, groepMis, nieuw.Bedrag));
  dezeImport_.push_back(nieuw);
  // The line's date or statement word may put the record elsewhere in the
  // fixed order: it moves there, as a new booking would stand.
  const auto& lijst = kb_.KasLijst;
  const auto p = static_cast<std::size_t>(positie);
  const bool opZijnPlaats = (p == 1 || !KasVoor(nieuw, lijst[p - 1])) && (p + 1 >= lijst.size() || !KasVoor(lijst[p + 1], nieuw));
  if (opZijnPlaats) {
    index_.NaVervangen(kb_, positie, oud);
    return;
  }
  kb_.KasLijst.erase(kb_.KasLijst.begin() + positie);
  kb_.HernummerKas();
  index_.NaVerwijderen(positie, oud);
  const int nieuwePositie = VoegKasIn(kb_, std::move(nieuw));
  index_.NaInvoegen(kb_, nieuwePositie);
  beste.positie = nieuwePositie;
}

int Afstemming::Boek(TKas kas) {
  // The line is booked as the statement gives it; an unknown group was
  // reported by the posting and stays visible in the reports.
  int rekMis = 0, groepMis = 0;
  static_cast<void>(BoekInMatrix(kb_, kas.GroepKode, kas.RekNr, true, rekMis, groepMis, kas.Bedrag));
  if (kb_.RelatiesAanwezig) BiedRelatieAan(kb_, kas);
  if (achterAan) {
    if (kb_.KasLijst.empty()) kb_.KasLijst.emplace_back();
    if (eersteAchterAan_ == 0) eersteAchterAan_ = static_cast<int>(kb_.KasLijst.size());
    kas.Index = static_cast<int>(kb_.KasLijst.size());
    kb_.KasLijst.push_back(std::move(kas));
    index_.NaInvoegen(kb_, kb_.MaxKas());
    return kb_.MaxKas();
  }
  const int positie = PlaatsKas(kb_, std::move(kas));
  index_.NaInvoegen(kb_, positie);
  return positie;
}

void Afstemming::OrdenNaRun() {
  if (eersteAchterAan_ > 0 && eersteAchterAan_ < static_cast<int>(kb_.KasLijst.size())) {
    // The ledger before the run is in order, and so is a tail sorted on its
    // own (its indexes follow the order of booking): one merge. A replaced
    // record may have taken another day, and then the whole list is sorted.
    const auto begin = kb_.KasLijst.begin() + 1;
    const auto midden = kb_.KasLijst.begin() + eersteAchterAan_;
    if (std::is_sorted(begin, midden, KasVoor)) {
      std::sort(midden, kb_.KasLijst.end(), KasVoor);
      std::inplace_merge(begin, midden, kb_.KasLijst.end(), KasVoor);
    } else {
      std::stable_sort(begin, kb_.KasLijst.end(), KasVoor);
    }
  }
  eersteAchterAan_ = 0;
  kb_.HernummerKas();
}

bool Afstemming::InsertLine() {
  // Every same-day candidate takes part; a relation or description equal to
  // the line's (empty ones included) counts as resembling here, so interest
  // and fees without a relation are recognised as booked too.
  // The payment counts as booked already when the ledger holds it more often
  // than the lines of this file booked it: whatever action code, kind or
  // group the bank or the user gave it. The day's transactions of the
  // account as the line now stands (the window may have changed either).
  if (AlGeboekt() && (dubbeleOverslaan || !Vraag(kb_, "Transactie bestaat al, nogmaals invoeren?"))) return false;
  TKas kas = TransactionFromLine(regel);
  kas.Bedrag = regel.Bedrag * regel.MuntKoers;
  kas.Index = kb_.MaxKas() + 1;
  dezeImport_.push_back(kas);
  Boek(std::move(kas));
  if (regel.GroepKode == kKruispostKode) PostCounterTransfer();
  return true;
}

bool Afstemming::AlGeboekt() const {
  std::size_t inGrootboek = 0;
  // A transaction of another amount is no same payment: known from the
  // index's array, its record is not read.
  const long long bedrag = BedragSleutel(regel.Bedrag);
  const long long omgerekend = BedragSleutel(regel.Bedrag * regel.MuntKoers);
  for (int p : index_.OpDag(regel.RekNr, regel.Datum)) {
    if (p > kb_.MaxKas()) continue;
    if (const AfstemIndex::Vergelijking* v = index_.VergelijkingOp(p); v && v->bedrag != bedrag && v->bedrag != omgerekend)
      continue;
    if (ZelfdeBetaling(kb_.KasLijst[static_cast<std::size_t>(p)], regel)) ++inGrootboek;
  }
  if (inGrootboek == 0) return false;
  const auto doorDezeImport = std::count_if(dezeImport_.begin(), dezeImport_.end(),
                                            [this](const TKas& k) { return ZelfdeBetaling(k, regel); });
  return inGrootboek > static_cast<std::size_t>(doorDezeImport);
}

bool Afstemming::PostCounterTransfer() {
  if (!Vraag(kb_, "Overschrijving tegenrekening invoeren")) {
    Mededeling(kb_, "Bedrag niet geboekt in tegenrekening");
    return false;
  }
  const auto a = kb_.ZoekRekening(regel.RekNr);
  const auto b = kb_.ZoekRekening(regel.TegenRek);
  if (a == b) {
    kb_.berichten().BerichtDlg("Geen Overboeking naar zelfde rekening", BerichtSoort::Waarschuwing, knop::OK);
    return false;
  }
  if (!b) {
    kb_.berichten().BerichtDlg("Tegenrekening niet gevonden", BerichtSoort::Waarschuwing, knop::OK);
    return false;
  }
  TKas kas = TransactionFromLine(regel);
  kas.Index = kb_.MaxKas() + 1;
  std::swap(kas.RekNr, kas.TegenRek);
  std::swap(kas.VolgBlad, kas.TegenVolgBlad);
  kas.ActieKode = "OB";
  kas.BoekSoort = 5;
  kas.Bedrag = -regel.Bedrag * regel.MuntKoers;
  kas.Omschrijving = Kap("Overboeken v." + regel.Omschrijving, 255);
  kas.Relatie = a ? Kap(kb_.RekLijst[static_cast<std::size_t>(*a)].Naam, 32) : std::string();
  Boek(std::move(kas));
  Mededeling(kb_, "Kasrecords van beide rekeningen gered");
  return true;
}

void Afstemming::SplitLine() {
  const std::string prefix = Kap(regel.GroepKode, 3);
  std::vector<std::string> groepen{regel.GroepKode};
  bool teVeel = false;
  if (AantalTekens(prefix) == 3) {
    for (int i = 1; i <= kb_.MaxGroep(); ++i) {
      const std::string& kode = kb_.GroepLijst[static_cast<std::size_t>(i)].Kode;
      if (kode.compare(0, prefix.size(), prefix) != 0) continue;
      if (kode > regel.GroepKode) {
        if (static_cast<int>(groepen.size()) < kSplitsItems) groepen.push_back(kode);
        else teVeel = true;
      } else {
        groepen[0] = kode;
      }
    }
  }
  if (teVeel)
    kb_.berichten().BerichtDlg("Meer dan " + std::to_string(kSplitsItems) + " subgroepen: alleen de eerste " +
                                   std::to_string(kSplitsItems) + " worden aangeboden",
                               BerichtSoort::Waarschuwing, knop::OK);
  splitsTabel.assign(kSplitsItems + 1, TNewKas{});
  splitsGeboekt.assign(kSplitsItems + 1, false);
  // Slot 0 is the line as the file gave it: the split offer may have put the
  // first amount of the description into the line.
  splitsTabel[0] = regel;
  splitsTabel[0].Bedrag = origineelBedrag;
  if ((regel.BoekSoort & 0xFF) == 2 && splitsTabel[0].Bedrag > 0) splitsTabel[0].Bedrag = -splitsTabel[0].Bedrag;
  for (int k = 1; k <= kSplitsItems; ++k) splitsTabel[static_cast<std::size_t>(k)].Bedrag = 0;
  splitsIndex = 1;
  invoegen = vervangen = false;

  // The runs of sign, digits and separators that hold the decimal separator.
  std::vector<std::string> bedragen;
  {
    std::string run;
    auto sluit = [&] {
      if (run.find(kb_.DecimaalTeken()) != std::string::npos && run.size() >= 4) bedragen.push_back(run);
      run.clear();
    };
    for (char c : origineleOmschrijving) {
      if (c == '+' || c == ',' || c == '-' || c == '.' || (c >= '0' && c <= '9')) run += c;
      else sluit();
    }
    sluit();
  }

  const int n = static_cast<int>(groepen.size());
  for (int k = 1; k <= n; ++k) {
    splitsIndex = k;
    const std::string& kode = groepen[static_cast<std::size_t>(k - 1)];
    if (!(k == 1 && AantalTekens(regel.GroepKode) == 3)) {
      if (kode.compare(0, prefix.size(), prefix) != 0 || AantalTekens(kode) < 4) continue;
      regel.GroepKode = kode;
    }
    const auto g = kb_.ZoekGroep(regel.GroepKode);
    const std::string naam = g ? kb_.GroepLijst[static_cast<std::size_t>(*g)].Naam : regel.GroepKode;
    if (!Vraag(kb_, std::string("Splitscode ") + '"' + naam + '"' + " boeken?")) continue;
    if (g) {
      const std::string klasse = Getrimd(kb_.GroepLijst[static_cast<std::size_t>(*g)].Klasse);
      if (klasse == "B" || klasse == "U" || klasse == "V") regel.ActieKode = "AF";
      if (klasse == "I" || klasse == "R" || klasse == "T") regel.ActieKode = "BY";
    }
    if (!bedragen.empty()) {
      std::string tekst = bedragen[std::min<std::size_t>(static_cast<std::size_t>(k - 1), bedragen.size() - 1)];
      const auto bedrag = LeesGetal(kb_, tekst);
      if (!bedrag) MeldGeenGetal(kb_, tekst);
      regel.Bedrag = bedrag.value_or(0);
    }
    modus = vergelijkmodus::SplitsNieuw;
    FindSameDayCandidates();
    beste = ScoreCandidates(false, true);
    modus = beste.score >= 16 ? vergelijkmodus::SplitsVergelijk : vergelijkmodus::SplitsNieuw;
    invoegen = vervangen = false;
    ToonVenster(beste.positie, modus);
    if (stoppen) break;
    splitsTabel[static_cast<std::size_t>(k)] = regel;
    if (vervangen && modus == vergelijkmodus::SplitsVergelijk) VervangBeste();
    if (invoegen) InsertLine();
    if (invoegen || vervangen) {
      splitsGeboekt[static_cast<std::size_t>(k)] = true;
      kb_.HernummerKas();
      BewaarNaRegel();
    }
  }
  double som = 0;
  for (int k = 1; k <= kSplitsItems; ++k)
    if (splitsGeboekt[static_cast<std::size_t>(k)]) som += splitsTabel[static_cast<std::size_t>(k)].Bedrag;
  if (std::llround(som * 100) != std::llround(splitsTabel[0].Bedrag * 100)) {
    kb_.berichten().BerichtDlg("Som v. Subbedragen = " + BedragTekst(kb_, som) + "\r" +
                                   "Som totaal moet zijn   = " + BedragTekst(kb_, splitsTabel[0].Bedrag),
                               BerichtSoort::Fout, knop::OK);
    kb_.berichten().Piep();
  }
  splitsIndex = 0;
}

}  // namespace valdero
