#pragma once
// The open cash book: its lists, counters, flags and balance matrix. Windows
// and operations work on one Kasboek object handed to them; nothing is global,
// so a test can hold several books at once.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/core/BoekSessie.h"
#include "model/core/BoekWeergave.h"
#include "model/core/Poorten.h"
#include "model/core/Records.h"
#include "model/core/TSaldoMatrix.h"

namespace valdero {

class Berichten;

// The password of a book without one.
// The key an encrypted book is sealed with (model/storage/Verzegeling.h).
class BoekSleutel;

inline constexpr const char* kGeenWachtwoord = "Qu Vo ";

class Kasboek {
 public:
  explicit Kasboek(Poorten poorten);

  Poorten poorten;
  Berichten& berichten() const { return poorten.berichten; }
  Printer& printer() const { return poorten.printer; }
  Bestandssysteem& bestanden() const { return poorten.bestandssysteem; }
  Voortgang& voortgang() const { return poorten.voortgang; }
  double Nu() const;       // now, from the clock port
  double Vandaag() const;  // today's date without the time
  char DecimaalTeken() const;
  // The other separator: the full stop for a comma locale, else the comma.
  char AnderTeken() const { return DecimaalTeken() == ',' ? '.' : ','; }

  // The lists; position 0 of the first four is a header or dummy record.
  std::vector<TBank> RekLijst;
  std::vector<TBudget> GroepLijst;
  std::vector<TKas> KasLijst;
  std::vector<TRelat> RelatieLijst;
  std::vector<TRekSoort> SoortLijst;
  std::vector<TKlasse02> KlasseLijst;
  std::vector<TValut> ValutaLijst;
  TConfig Config;
  // The totals per group and account: rows per group position
  // 0..MaxGroep()+1, cells per account 0..MaxRek()+1. Everyone reads it; it
  // changes only through the operations of SaldoMatrix.h, which post and
  // unpost amounts and follow the accounts and groups as they come, go or
  // are put in a new order, so it never drifts from the lists it sums.
  const TSaldoMatrix& SaldoMatrix() const { return saldoMatrix_; }

  // The highest position of each list: its length - 1, and 0 for an empty
  // list, so that a loop from 1 to it never walks past the end.
  std::int32_t MaxRek() const { return HoogstePositie(RekLijst); }
  std::int32_t MaxGroep() const { return HoogstePositie(GroepLijst); }
  std::int32_t MaxKas() const { return HoogstePositie(KasLijst); }
  std::int32_t MaxRelatie() const { return HoogstePositie(RelatieLijst); }
  // The number of classes, account kinds and currencies: the sizes of their
  // lists, so that they cannot disagree.
  std::int32_t AantalKlassen() const { return Aantal(KlasseLijst); }
  std::int32_t AantalSoorten() const { return Aantal(SoortLijst); }
  std::int32_t AantalValuta() const { return Aantal(ValutaLijst); }
  std::int32_t BasisMunt = 0;
  std::uint16_t IOStatus = 0;

  bool RekGelezen = false;
  bool GroepGelezen = false;
  bool KasGelezen = false;
  bool RelatiesAanwezig = false;
  bool FormaatVlag = false;
  bool MuntOmzetten = false;

  // Configuration state.
  bool KlassenGelezen = false;
  bool SoortenGelezen = false;
  bool ConfigAanwezig = false;
  bool BtwActief = false;
  // The configuration file on disk could not be read and not be moved aside:
  // it keeps the owner's settings, so nothing may be written over it.
  bool ConfigBehouden = false;
  // The two-letter account kind codes offered by the account dialog.
  std::vector<std::string> SoortKodes;

  // The book's year and its first day.
  std::string KasJaar;
  double StartDatum = 0;
  // The book's password: it is kept in the book file (in the groups'
  // header record), so it belongs to the book; whether it was typed
  // correctly belongs to the session.
  std::string Wachtwoord = kGeenWachtwoord;
  // Set while the open book is encrypted: every file of it (the book, its
  // configuration, backup and restore points) is written sealed under this
  // key. Derived from the passphrase when the book was opened or encrypted;
  // never written anywhere.
  std::shared_ptr<const BoekSleutel> Sleutel;

  // Beside the book's data, for now held with it so that every operation
  // handed the book reaches them: the session (where the book lies, its
  // lock, read-only, the life of its saves) and how it is shown (display
  // currency, listing order, printer measures).
  BoekSessie sessie;
  BoekWeergave weergave;

  // A path as the operating system sees it: relative names below the
  // session's folder.
  std::filesystem::path Pad(const std::string& naam) const { return sessie.Pad(naam); }

  // Lookups: the first match from the lowest position, or nothing. Position
  // 0 of the accounts and groups is the header record and never matches;
  // position 0 of the classes and currencies is a real class or currency, so
  // a miss is never returned as a position: each caller decides what a miss
  // means.
  std::optional<int> ZoekRekening(int rekNr) const;
  std::optional<int> ZoekGroep(const std::string& kode) const;
  std::optional<int> ZoekKlasse(const std::string& letter) const;
  bool KlasseBestaat(const std::string& letter) const { return ZoekKlasse(letter).has_value(); }
  // Reports "Muntsoort niet juist" when the code is unknown.
  std::optional<int> ZoekValuta(const std::string& kode);

  // Sets every transaction's Index to its position.
  void HernummerKas();

 private:
  // The one door through which SaldoMatrix.cpp keeps the matrix.
  friend class SaldoMatrixHouder;
  TSaldoMatrix saldoMatrix_;

  template <class Record>
  static std::int32_t Aantal(const std::vector<Record>& lijst) {
    return static_cast<std::int32_t>(lijst.size());
  }
  template <class Record>
  static std::int32_t HoogstePositie(const std::vector<Record>& lijst) {
    return lijst.empty() ? 0 : static_cast<std::int32_t>(lijst.size()) - 1;
  }
};

}  // namespace valdero
