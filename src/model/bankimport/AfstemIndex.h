#pragma once
// What the reconciliation looks up for every bank line, kept per account so
// that a line costs a few lookups instead of a walk over the whole ledger:
// the transactions per day, per group, per absolute amount, per opening of
// the relation and of the description (the five characters TextsResemble
// compares), and per action code, kind and currency. Positions follow the
// ledger: an insertion shifts the positions behind it.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/core/Records.h"

namespace valdero {

class Kasboek;

// The first characters of a ledger text that TextsResemble looks for:
// at most five of its first 24, in lower case; empty for an empty text.
std::string GelijkenisSleutel(const std::string& grootboekTekst);
// Every key a line text can contain: its pieces of one to five characters
// after the leading characters below "A" of its first 24.
std::vector<std::string> GelijkenisSleutelsIn(const std::string& regelTekst);
// The opening TextsResemble compares of a ledger text whose first five
// bytes are ASCII, packed in one number: those bytes in lower case and their
// count (bit 40 on). 0 for an empty text; kGeenAsciiStuk when a byte of the
// opening is not ASCII (the text must then be compared itself).
inline constexpr int kStukLengteBit = 40;
inline constexpr std::uint64_t kGeenAsciiStuk = ~std::uint64_t{0};
std::uint64_t GelijkenisStuk(const std::string& grootboekTekst);
// The size of an amount as the index keys it: two amounts are the same for
// the reconciliation exactly when their keys are.
long long BedragSleutel(double bedrag);

class AfstemIndex {
 public:
  void Bouw(const Kasboek& kb);
  // After a transaction was placed at `positie`.
  void NaInvoegen(const Kasboek& kb, int positie);
  // After the transaction `oud` at `positie` was taken out of the ledger.
  void NaVerwijderen(int positie, const TKas& oud);
  // After the transaction at `positie` was overwritten (it was `oud`).
  void NaVervangen(const Kasboek& kb, int positie, const TKas& oud);

  // Ascending positions; an empty list when none.
  const std::vector<int>& OpDag(int rekNr, double datum) const;
  const std::vector<int>& OpGroep(int rekNr, const std::string& kode) const;
  const std::vector<int>& OpBedrag(int rekNr, double bedrag) const;
  const std::vector<int>& OpRelatie(int rekNr, const std::string& sleutel) const;
  const std::vector<int>& OpOmschrijving(int rekNr, const std::string& sleutel) const;
  // Per (action code, kind, currency) of the account: the positions.
  struct Rest {
    std::string actie;
    int soort;
    int munt;
    std::vector<int> posities;
    int nummer = 0;  // 0, 1, 2, ... over all accounts, as first met
  };
  std::vector<const Rest*> RestVan(int rekNr) const;
  std::size_t AantalRest() const { return alleRest_.size(); }
  const Rest& RestNummer(int nummer) const { return *alleRest_[static_cast<std::size_t>(nummer)]; }

  // What the scoring reads of the transaction at a position besides the
  // lists: its day and the number of its action code, kind and currency.
  // Kept side by side per position in eight bytes, so that walking a list
  // of positions reads a small array in order instead of a record each
  // somewhere in the ledger. Null for a position the index does not hold.
  struct Kenmerk {
    std::int32_t dag = 0;
    std::int32_t rest = -1;
  };
  const Kenmerk* KenmerkOp(int positie) const {
    const auto p = static_cast<std::size_t>(positie);
    return positie >= 1 && p < kenmerken_.size() && kenmerken_[p].rest >= 0 ? &kenmerken_[p] : nullptr;
  }
  // What the comparison with a same-day candidate reads besides its
  // Kenmerk: its account, the key of its amount and the packed openings of
  // its relation and description. A line has hundreds of same-day
  // candidates; scored from this array their records are not read, unless
  // an opening is not ASCII. Null where KenmerkOp is.
  struct Vergelijking {
    long long bedrag = 0;
    std::uint64_t relatie = 0;
    std::uint64_t omschrijving = 0;
    std::int32_t rekNr = 0;
  };
  const Vergelijking* VergelijkingOp(int positie) const {
    return KenmerkOp(positie) ? &vergelijkingen_[static_cast<std::size_t>(positie)] : nullptr;
  }

 private:
  // Everything of one account. Days and amounts are keyed by number, the
  // texts by their own bytes: a key costs no string built per transaction.
  template <class Sleutel>
  using Lijsten = std::unordered_map<Sleutel, std::vector<int>>;
  // The lists of an account's amounts by their keys, in an open table: an
  // account of a large year holds some twenty thousand amounts, which a map
  // would keep in a block each, met through a bucket each. A list found is
  // good until the next one is added.
  class BedragLijsten {
   public:
    std::vector<int>& operator[](long long sleutel);
    const std::vector<int>* Zoek(long long sleutel) const;
    std::vector<std::vector<int>>& Alle() { return lijsten_; }

   private:
    std::size_t Vak(long long sleutel) const;
    void Groei();
    struct Plaats {
      long long sleutel = 0;
      std::uint32_t lijst = 0;  // the list's number + 1; 0: a free place
    };
    std::vector<Plaats> vakken_;
    std::vector<std::vector<int>> lijsten_;
  };
  struct PerRekening {
    Lijsten<long long> dag;
    BedragLijsten bedrag;
    Lijsten<std::string> groep, relatie, omschrijving;
    // Keyed by action code, kind and currency; the nodes keep their
    // addresses, which the per-position array points at.
    std::unordered_map<std::string, Rest> rest;
    std::vector<const Rest*> restVolgorde;  // as first met
    // The lists the previous transaction of the account went into: a
    // ledger in date order holds long runs of one day, and of one action
    // code, kind and currency, so most lookups are the same key again.
    // The maps' nodes keep their addresses.
    long long vorigeDag = 0;
    std::vector<int>* vorigeDagLijst = nullptr;
    std::string vorigeGroep;
    std::vector<int>* vorigeGroepLijst = nullptr;
    std::string vorigeRestSleutel;
    Rest* vorigeRest = nullptr;
  };
  void Voeg(const TKas& kas, int positie);
  void Haal(const TKas& kas, int positie);
  PerRekening& Van(int rekNr);
  const PerRekening* Zoek(int rekNr) const;
  template <class Sleutel>
  static const std::vector<int>& In(const Lijsten<Sleutel>& lijsten, const Sleutel& sleutel);
  template <class Doe>
  void VoorElkeLijst(Doe doe);

  std::unordered_map<int, PerRekening> rekeningen_;
  // The account met last: a ledger holds long runs of one account.
  int laatsteRekNr_ = 0;
  PerRekening* laatste_ = nullptr;
  std::vector<Kenmerk> kenmerken_;  // by position
  std::vector<Vergelijking> vergelijkingen_;  // by position, beside kenmerken_
  std::vector<const Rest*> alleRest_;  // by number
};

}  // namespace valdero
