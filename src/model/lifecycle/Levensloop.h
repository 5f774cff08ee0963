#pragma once
// The life of a book: New (a brand-new book, or this year's book built from
// the open one), Open, Save and Save as. The commands work on the open book
// and tell the main window, through LevensloopVenster, what it must show.

#include <string>

namespace valdero {

class Kasboek;
class RekeningDialoog;
class WachtwoordVoerder;

// What the main window does for the life-cycle commands. The desktop program
// implements it with its menus and panels; ZonderVenster serves tools and
// tests.
class LevensloopVenster {
 public:
  virtual ~LevensloopVenster() = default;
  // LaadBoek(false): load KasNaam from the current folder and refresh.
  virtual void LaadBoek() = 0;
  // Refresh the menus and panels from the load flags, without loading.
  virtual void VernieuwHoofdvenster() = 0;
  // A new book has its first account: "&Nieuw" off, start panel hidden,
  // "Open &Rekening" on.
  virtual void NieuweRekeningGemaakt() {}
  // A new book has its groups: the groups window opens on them, the group,
  // budget and relation menus come on, transfers go off.
  virtual void NieuweGroepenGemaakt() {}
  // New year without last year's transactions: show the start-date panel,
  // dates limited to [van, tot]; its "Ok" calls Levensloop::StartDatumOk.
  virtual void ToonStartDatum(double van, double tot) { (void)van; (void)tot; }
  // The password check passed: "&Wachtwoord" on.
  virtual void WachtwoordToegestaan() {}
};

// For callers without windows: loading is StartBoek, refreshing rebuilds the
// balance matrix.
class ZonderVenster : public LevensloopVenster {
 public:
  explicit ZonderVenster(Kasboek& kb) : kb_(kb) {}
  void LaadBoek() override;
  void VernieuwHoofdvenster() override;

 private:
  Kasboek& kb_;
};

class Levensloop {
 public:
  Levensloop(Kasboek& kb, LevensloopVenster& venster, RekeningDialoog& rekeningDialoog,
             WachtwoordVoerder& wachtwoord);

  // "&Nieuw": a brand-new book when none is open, else asks whether to build
  // this year's book from the open one.
  void NieuwBoek();
  // A brand-new book with the account the account dialog asks for, the
  // default groups, saved under a name the user chooses.
  void MaakLeegBoek();
  // This year's book from the open one, with or without its transactions.
  void NieuwJaar();
  // "Ok" of the start-date panel in its new-year use.
  void StartDatumOk(double datum);
  // "Open &Valdero". Returns false when the book's password was not given:
  // the caller then closes the main window.
  bool OpenBoekCommando();
  // "&Bewaren".
  void Bewaren();
  // "Bewaren &als...", converting to the display currency when asked.
  void BewaarAls();
  // The password check after a load; false: close the main window.
  bool ControleerWachtwoord();
  // "&Wachtwoord".
  void ZetWachtwoord();

 private:
  Kasboek& kb_;
  LevensloopVenster& venster_;
  RekeningDialoog& rekeningDialoog_;
  WachtwoordVoerder& wachtwoord_;
};

// The opening balances of a new year from the balance matrix of the old one:
// one record per account with a balance (none for account 99), and for a
// securities account one per group of class A, E, F or R with a balance.
void Openingssaldi(Kasboek& kb, double datum);

// The groups of a brand-new book: one per account, the 31 default groups and
// KRUISPOSTEN.
void MaakStandaardGroepen(Kasboek& kb);

}  // namespace valdero
