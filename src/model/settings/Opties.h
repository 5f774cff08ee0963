#pragma once
// The rules of the options window: four pages that edit the configuration of
// the open book in memory (classes with their VAT, account kinds, currencies,
// print options). "&OK" writes the configuration file when something changed.
// Each page keeps the texts of its editor; the window copies its widgets into
// them before it calls an action and shows them afterwards.

#include <string>
#include <vector>

namespace valdero {

class Kasboek;

enum class OptiesPagina { Klasse = 0, Soort = 1, Valuta = 2, Print = 3 };

// The most a configuration file holds; a longer list would not read back.
inline constexpr int kMaxKlassen = 100;
inline constexpr int kMaxSoorten = 16;
inline constexpr int kMaxValuta = 32;
// The first currencies stand behind the main window's currency buttons.
inline constexpr int kVasteValuta = 4;

class OptiesModel;

class KlassePagina {
 public:
  explicit KlassePagina(OptiesModel& opties);

  struct Regel {
    std::string letter;
    std::string naam;
    std::string omschrijving;  // the hint
  };
  std::vector<Regel> Regels() const;

  // The editor's texts and switches.
  std::string afkorting, naam, omschrijving, tarief;
  bool hoog = false, laag = false;
  bool tariefZichtbaar = false;
  bool editor = false;
  int gekozen = 0;

  void Kies(int positie);
  void Nieuw();
  void Wijzig();
  void Verwijder();
  void ZetHoog(bool aan);
  void ZetLaag(bool aan);
  void Ok();
  void Schrap();

 private:
  OptiesModel& o_;
  std::string oudeLetter_;
  bool nieuw_ = false;
  bool gewijzigdBijOpenen_ = false;
};

class SoortPagina {
 public:
  explicit SoortPagina(OptiesModel& opties);

  struct Regel {
    std::string kode;  // the first two characters of the name
    std::string naam;  // characters 3..26
    std::string omschrijving;
  };
  std::vector<Regel> Regels() const;

  std::string afkorting, naam, omschrijving;
  bool editor = false;
  int gekozen = 0;

  void Kies(int positie);
  void Nieuw();
  void Wijzig();
  void Verwijder();
  void Ok();
  void Schrap();

 private:
  OptiesModel& o_;
  bool nieuw_ = false;
  bool gewijzigdBijOpenen_ = false;
};

class ValutaPagina {
 public:
  explicit ValutaPagina(OptiesModel& opties);

  struct Regel {
    std::string kode;
    std::string naam;
    std::string koers;  // 5 decimals, or " Basis" for the base currency
    bool zichtbaar = true;  // a currency without a code is not drawn
  };
  std::vector<Regel> Regels() const;
  // The text line of a currency: code padded to 5, name to 28, the rate.
  std::string RegelTekst(int positie) const;
  // The symbol chooser: every currency's symbol, the euro first.
  std::vector<std::string> Tekens() const;

  std::string afkorting, titel, koers, karakter;
  bool editor = false;
  int gekozen = 0;

  void Kies(int positie);
  void Nieuw();
  void Wijzig();
  void Verwijder();
  void Ok();
  void Schrap();
  void BasisMunt();
  // Moves the currency at `van` to position `naar`; every stored currency
  // position follows, so each amount stays in the currency it was booked
  // in. False (after the warning) when the move is not allowed.
  bool Verplaats(int van, int naar);

 private:
  OptiesModel& o_;
  bool nieuw_ = false;
  bool gewijzigdBijOpenen_ = false;
};

class PrintPagina {
 public:
  explicit PrintPagina(OptiesModel& opties);

  // Margins in whole millimetres, the line height with two decimals.
  std::string LinkerMarge() const;
  std::string TopMarge() const;
  std::string BodemMarge() const;
  std::string RegelHoogte() const;
  std::vector<std::string> Printers() const;
  int GekozenPrinter() const;  // -1: the default printer

  enum class Marge { Links, Boven, Onder };
  // Enter in a margin field; false when the text is no whole number of
  // millimetres (the margin stays).
  bool ZetMarge(Marge marge, const std::string& millimeters);
  // Enter in "Lijn hoogte".
  void ZetRegelHoogte(std::string millimeters);
  // "Printer&Font": the font chosen in the font dialog.
  void ZetPrinterFont(const std::string& naam, int grootte);
  // "&Printer": the printer chosen in the printer set-up.
  void KiesPrinter(int index);
  // "&VensterFont"; sizes below 8 become 8.
  void ZetVensterFont(const std::string& naam, int grootte);

  enum class Optie { Eigenaar, NieuweKop, PaginaNummer, Liggend };
  bool Aan(Optie optie) const;
  void Zet(Optie optie, bool aan);

 private:
  int PixelsPerCm() const;
  void HerberekenRegels();
  OptiesModel& o_;
};

class OptiesModel {
 public:
  explicit OptiesModel(Kasboek& kb);

  static std::string BasisWaarschuwing();
  static const std::vector<std::string>& PaginaNamen();

  // OpenOpties(page): select the page, clear the changed flag, close the
  // editors and show the base-currency warning.
  void Open(OptiesPagina pagina);
  // Fills the page; reports a list that was not read from the configuration
  // file ("KlasseArray bestaat niet", ...).
  void KiesPagina(OptiesPagina pagina);
  // "&OK": writes the configuration when something changed (and the book,
  // when class letters or currency positions changed records in it).
  void Ok();
  // "&Schrap": the changes stay in memory, nothing is written.
  void Schrap();
  // The sort button of the class and kind pages.
  void Sorteer();
  bool SorteerZichtbaar() const { return pagina == OptiesPagina::Klasse || pagina == OptiesPagina::Soort; }

  Kasboek& kb;
  OptiesPagina pagina = OptiesPagina::Klasse;
  bool gewijzigd = false;
  bool bevestigd = false;
  bool waarschuwingZichtbaar = true;
  // Records of the book changed with the configuration (groups renamed to a
  // new class letter, transactions whose currency moved): "&OK" saves it.
  bool boekGewijzigd = false;

  KlassePagina klassen;
  SoortPagina soorten;
  ValutaPagina valuta;
  PrintPagina print;
};

}  // namespace valdero
