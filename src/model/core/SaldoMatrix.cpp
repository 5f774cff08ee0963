#include "model/core/SaldoMatrix.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_map>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/Windows1252.h"

namespace valdero {

// The matrix of a book, for the operations of this file only.
class SaldoMatrixHouder {
 public:
  static TSaldoMatrix& Van(Kasboek& kb) { return kb.saldoMatrix_; }
};

namespace {

// Which way an amount goes into the cells.
enum class Richting { Bij, Terug };

// The part of BoekInMatrix after the lookups, so that the rebuild can resolve
// codes through its own index.
Status BoekInCellen(Kasboek& kb, std::optional<int> g, std::optional<int> a, const std::string& groepKode, int rekNr,
                    bool controleerGroepen, int& rekeningMissers, int& groepMissers,
                    double bedrag, Richting richting = Richting::Bij) {
  Status status;
  if (controleerGroepen && kb.GroepGelezen && !g) {
    if (groepMissers == 0)
      Foutmelding(kb, "Groepkode " + groepKode, FoutNr::BestaatNiet, HintNr::GebruikBudget);
    ++groepMissers;
    status = FoutNr::BestaatNiet;
  }
  if (kb.RekGelezen && !a) {
    if (rekeningMissers == 0)
      Foutmelding(kb, "Rekening " + std::to_string(rekNr), FoutNr::BestaatNiet, HintNr::GebruikRekening);
    ++rekeningMissers;
    status = FoutNr::BestaatNiet;
  }
  if (!g || !a) return status;

  auto& m = SaldoMatrixHouder::Van(kb);
  const auto gi = static_cast<std::size_t>(*g);
  const auto ai = static_cast<std::size_t>(*a);
  const bool gedaan = m.VanVorm(kb.MaxGroep(), kb.MaxRek()) &&
                      (richting == Richting::Bij ? m.Boek(gi, ai, bedrag) : m.Haal(gi, ai, bedrag));
  if (!gedaan) {
    Foutmelding(kb, "Rekening: " + std::to_string(rekNr) + "Groepkode: " + groepKode,
                FoutNr::FoutInKasValueLijst, HintNr::ProbeerOpnieuw);
    return FoutNr::FoutInKasValueLijst;
  }
  return {};
}

// The positions of the groups by code, keeping the first match as the linear
// lookup does. A group code is at most four characters: as a number of eight
// bytes with its length on top it is found without hashing a string.
class GroepIndex {
 public:
  explicit GroepIndex(const Kasboek& kb) {
    for (int g = kb.MaxGroep(); g >= 1; --g) {
      if (g >= static_cast<int>(kb.GroepLijst.size())) continue;
      const std::string& kode = kb.GroepLijst[static_cast<std::size_t>(g)].Kode;
      if (const auto sleutel = Sleutel(kode))
        kort_[*sleutel] = g;
      else
        lang_[kode] = g;
    }
  }

  std::optional<int> Zoek(const std::string& kode) const {
    if (const auto sleutel = Sleutel(kode)) {
      const auto gevonden = kort_.find(*sleutel);
      if (gevonden != kort_.end()) return gevonden->second;
      return std::nullopt;
    }
    const auto gevonden = lang_.find(kode);
    if (gevonden != lang_.end()) return gevonden->second;
    return std::nullopt;
  }

 private:
  static std::optional<std::uint64_t> Sleutel(const std::string& kode) {
    if (kode.size() > 7) return std::nullopt;
    std::uint64_t sleutel = 0;
    std::memcpy(&sleutel, kode.data(), kode.size());
    return sleutel | (static_cast<std::uint64_t>(kode.size()) << 56);
  }
  struct Verspreid {
    std::size_t operator()(std::uint64_t s) const { return static_cast<std::size_t>(s * 0x9E3779B97F4A7C15ULL >> 32); }
  };

  std::unordered_map<std::uint64_t, int, Verspreid> kort_;
  std::unordered_map<std::string, int> lang_;
};

// The positions of the accounts by number, keeping the first match.
std::unordered_map<int, int> RekeningIndex(const Kasboek& kb) {
  std::unordered_map<int, int> rekeningen;
  for (int a = kb.MaxRek(); a >= 1; --a)
    if (a < static_cast<int>(kb.RekLijst.size()))
      rekeningen[kb.RekLijst[static_cast<std::size_t>(a)].RekNr] = a;
  return rekeningen;
}

}  // namespace

struct SaldoOpbouw::Indexen {
  GroepIndex groepen;
  std::unordered_map<int, int> rekeningen;
  // Every transaction of the year passes here: the positions found are
  // kept in small tables by the code's bytes and the account number, so
  // that nearly every record costs two array reads instead of two lookups
  // (and no decoding of its code).
  struct Groep {
    std::uint64_t sleutel = ~std::uint64_t{0};
    int positie = 0;
  };
  struct Rekening {
    int rekNr = -1;
    int positie = 0;
  };
  std::array<Groep, 1024> groepCache{};
  std::array<Rekening, 256> rekeningCache{};

  // The position, or 0 for none: the lists' own records start at 1.
  int Groep(std::string_view kodeCp1252) {
    if (kodeCp1252.size() > 7) return groepen.Zoek(Cp1252NaarUtf8(kodeCp1252)).value_or(0);
    std::uint64_t sleutel = 0;
    std::memcpy(&sleutel, kodeCp1252.data(), kodeCp1252.size());
    sleutel |= static_cast<std::uint64_t>(kodeCp1252.size()) << 56;
    auto& plek = groepCache[static_cast<std::size_t>((sleutel * 0x9E3779B97F4A7C15ULL) >> 54)];
    if (plek.sleutel != sleutel) plek = {sleutel, groepen.Zoek(Cp1252NaarUtf8(kodeCp1252)).value_or(0)};
    return plek.positie;
  }
  int Rekening(int rekNr) {
    auto& plek = rekeningCache[static_cast<std::size_t>(rekNr) & 0xFF];
    if (plek.rekNr != rekNr) {
      const auto a = rekeningen.find(rekNr);
      plek = {rekNr, a == rekeningen.end() ? 0 : a->second};
    }
    return plek.positie;
  }
};

SaldoOpbouw::SaldoOpbouw(Kasboek& kb)
    : kb_(kb), indexen_(std::make_unique<Indexen>(Indexen{GroepIndex(kb), RekeningIndex(kb)})) {
  SaldoMatrixHouder::Van(kb).Maak(kb.MaxGroep(), kb.MaxRek());
}

SaldoOpbouw::~SaldoOpbouw() = default;

bool SaldoOpbouw::Boek(std::string_view groepKodeCp1252, int rekNr, double bedrag) {
  if (bedrag == 0) return true;
  const int g = indexen_->Groep(groepKodeCp1252);
  const int a = indexen_->Rekening(rekNr);
  if (g == 0 || a == 0) return false;
  return SaldoMatrixHouder::Van(kb_).Boek(static_cast<std::size_t>(g), static_cast<std::size_t>(a), bedrag);
}

Status BoekInMatrix(Kasboek& kb, const std::string& groepKode, int rekNr, bool controleerGroepen,
                    int& rekeningMissers, int& groepMissers, double bedrag) {
  if (bedrag == 0) return {};
  return BoekInCellen(kb, kb.ZoekGroep(groepKode), kb.ZoekRekening(rekNr), groepKode, rekNr,
               controleerGroepen, rekeningMissers, groepMissers, bedrag);
}

Status HaalUitMatrix(Kasboek& kb, const std::string& groepKode, int rekNr, double bedrag) {
  if (bedrag == 0) return {};
  int rekeningMissers = 0, groepMissers = 0;
  return BoekInCellen(kb, kb.ZoekGroep(groepKode), kb.ZoekRekening(rekNr), groepKode, rekNr, false,
                      rekeningMissers, groepMissers, bedrag, Richting::Terug);
}

Status BouwSaldoMatrix(Kasboek& kb) {
  SaldoMatrixHouder::Van(kb).Maak(kb.MaxGroep(), kb.MaxRek());
  if (kb.MaxKas() == 0) return {};

  // The rebuild touches every transaction: resolve codes through maps that
  // keep the first match, exactly as the linear lookups do.
  const GroepIndex groepen(kb);
  const std::unordered_map<int, int> rekeningen = RekeningIndex(kb);

  int rekeningMissers = 0;
  int groepMissers = 0;
  bool verwijderd = false;
  Status eerste;
  std::size_t i = 1;
  while (i < kb.KasLijst.size()) {
    const TKas& kas = kb.KasLijst[i];
    if (kas.Bedrag != 0) {
      const auto ai = rekeningen.find(kas.RekNr);
      const int rekeningVoor = rekeningMissers, groepVoor = groepMissers;
      const Status status =
          BoekInCellen(kb, groepen.Zoek(kas.GroepKode),
                       ai == rekeningen.end() ? std::nullopt : std::optional<int>(ai->second),
                       kas.GroepKode, kas.RekNr, true,
                       rekeningMissers, groepMissers, kas.Bedrag);
      eerste = eerste.En(status);
      // Only a record whose unknown code was just reported is offered for
      // removal; after Nee the rest of that run is skipped without a word.
      const bool gemeld = (rekeningVoor == 0 && rekeningMissers > 0) ||
                          (groepVoor == 0 && groepMissers > 0);
      if (gemeld) {
        const int a = kb.berichten().BerichtDlg(" Kasrecord: " + std::to_string(i) + " verwijderen",
                                                BerichtSoort::Informatie, knop::JaNee);
        if (a == antwoord::Ja) {
          kb.KasLijst.erase(kb.KasLijst.begin() + static_cast<std::ptrdiff_t>(i));
          rekeningMissers = 0;
          groepMissers = 0;
          verwijderd = true;
          continue;
        }
      }
    }
    ++i;
  }
  // Removing records shifts the ones after them; keep every Index equal to
  // its position.
  if (verwijderd) kb.HernummerKas();
  return eerste;
}

void SchrapMatrixRij(Kasboek& kb, int groepPositie) {
  if (groepPositie < 1 || groepPositie > kb.MaxGroep() || !kb.SaldoMatrix().VanVorm(kb.MaxGroep(), kb.MaxRek()))
    return;
  SaldoMatrixHouder::Van(kb).SchrapRij(static_cast<std::size_t>(groepPositie));
}

void SchrapMatrixKolom(Kasboek& kb, int rekPositie) {
  if (rekPositie < 1 || rekPositie > kb.MaxRek() || !kb.SaldoMatrix().VanVorm(kb.MaxGroep(), kb.MaxRek()))
    return;
  SaldoMatrixHouder::Van(kb).SchrapKolom(static_cast<std::size_t>(rekPositie));
}

namespace {

bool MatrixPast(const Kasboek& kb) { return kb.SaldoMatrix().VanVorm(kb.MaxGroep(), kb.MaxRek()); }

}  // namespace

void VoegMatrixRijIn(Kasboek& kb, std::size_t groepPositie, bool pastVooraf) {
  if (pastVooraf) SaldoMatrixHouder::Van(kb).VoegRijIn(groepPositie);
}

void HerschikMatrixKolommen(Kasboek& kb, const std::vector<std::size_t>& volgorde) {
  if (MatrixPast(kb)) SaldoMatrixHouder::Van(kb).HerschikKolommen(volgorde);
}

void HerschikMatrixRijen(Kasboek& kb, const std::vector<std::size_t>& volgorde) {
  if (MatrixPast(kb)) SaldoMatrixHouder::Van(kb).HerschikRijen(volgorde);
}

void WisSaldoMatrix(Kasboek& kb) { SaldoMatrixHouder::Van(kb).Wis(); }

}  // namespace valdero
