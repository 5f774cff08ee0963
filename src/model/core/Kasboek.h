#pragma once
// The open cash book: its lists, counters, flags and balance matrix. Windows
// and operations work on one Kasboek object handed to them; nothing is global,
// so a test can hold several books at once.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/core/Poorten.h"
#include "model/core/Records.h"
#include "model/core/TSaldoMatrix.h"

namespace valdero {

class Berichten;

// The password of a book without one.
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
  std::int32_t HulpMunt = 0;
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

  // Listing order of the accounts (by name, else by number) and of the groups
  // (by title, else by code); the configuration keeps them in Vlaggen bits
  // 9 and 10.
  bool RekeningenOpNaam = false;
  bool GroepenOpNaam = false;

  // Printer measures, recomputed by MeetPrinter.
  int TekenBreedte = 0;
  int PrinterRegelHoogte = 0;
  int PaginaRegels = 0;
  int PixelsPerCm = 0;

  std::string KasJaar;
  std::string HuidigJaar;
  std::string KasNaam;
  std::string KasPad;
  std::string ConfigPad;
  double StartDatum = 0;
  // The folder that relative book, configuration and bank file names are
  // resolved against: the process's current folder, moved by the file dialogs.
  std::filesystem::path Map;

  // Life of the open book: the first save makes the backup; the saved mark
  // tells Save as whether its save happened.
  bool EersteBewaring = true;
  bool Bewaard = false;
  // The last save took the book's place but the disk did not confirm it
  // (the folder's flush failed): saved, with a warning.
  bool OnbevestigdBewaard = false;
  // The lock beside the book while it is open (released with the last copy
  // of this handle); a book another program holds is opened read-only, and
  // SlotMelding says who holds it.
  std::shared_ptr<void> Slot;
  bool AlleenLezen = false;
  std::string SlotMelding;
  // Why no lock could be made beside the book (empty: it could): the book
  // is shown, but nothing of it is written.
  std::string GeenSlot;
  std::string Wachtwoord = kGeenWachtwoord;

  // What the running program has settled with its user, apart from the
  // book's data: nothing of it is saved.
  struct Sessie {
    // The password of the open book was typed correctly.
    bool WachtwoordGeaccepteerd = false;
    // Account number 99 was confirmed as the transfer account; holds for as
    // long as the program runs, across the books it opens.
    bool TransferBevestigd = false;
    // A book another program holds is opened read-only without asking (the
    // command-line tool, which has nobody to ask).
    bool BezetAlleenLezen = false;
    // That no restore point could be made was said; it is said once.
    bool HerstelpuntGemeld = false;
  } sessie;

  // A path as the operating system sees it: relative names below Map.
  std::filesystem::path Pad(const std::string& naam) const;

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
