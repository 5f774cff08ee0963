#pragma once
// The step-by-step account dialog: one field at a time (name, number, kind,
// start balance, currency, start date, and for a new loan account five
// questions about the loan). This class holds every rule; the window only
// shows what it says and hands it the typed text or the chosen list entry.

#include <string>
#include <vector>

#include "model/accounts/Lening.h"
#include "model/core/Records.h"

namespace valdero {

class Kasboek;
class RekeningDialoog;

// Runs the dialog until it is done or cancelled: the desktop program shows
// the window modally, tests and tools answer from a script.
class RekeningDialoogVoerder {
 public:
  virtual ~RekeningDialoogVoerder() = default;
  virtual void Voer(RekeningDialoog& dialoog) = 0;
};

class RekeningDialoog {
 public:
  static constexpr const char* kBankLab = "Geen Valdero zonder rekening !";
  static constexpr const char* kWaarschuwing = "Pas op Begin Saldo!";

  RekeningDialoog(Kasboek& kb, RekeningDialoogVoerder& voerder);

  // Adds an account at the list position (appended beyond the last one) and
  // books its opening balance. Returns 0 when an account was added, 1 when
  // not. The callers renumber, give it its own group and do the loan steps.
  int NewAccount(int positie, const std::string& voorgesteldeNaam);
  // Changes the account at the list position. Returns true when changed.
  bool EditAccount(int positie);

  // The number of the account the last completed NewAccount added; 1 after
  // a cancelled one.
  int NieuwRekNr() const { return nieuwRekNr_; }
  const Lening& LeningGegevens() const { return lening_; }

  // --- What the window shows ---
  bool Nieuw() const { return nieuw_; }
  int Stap() const { return stap_; }
  int LaatsteStap() const { return laatsteStap_; }
  std::string Titel() const;  // window caption
  std::string Kop() const;
  std::string Label() const;
  std::string Help() const;
  // Steps 3 and 5 choose from a list, the others take text; step 0 neither.
  bool LijstStap() const { return stap_ == 3 || stap_ == 5; }
  bool TekstStap() const { return stap_ >= 1 && !LijstStap(); }
  std::vector<std::string> Lijst() const;
  int LijstKeuze() const;  // -1 when nothing is chosen
  std::string VeldTekst() const;
  bool BankLabZichtbaar() const { return bankLab_; }
  bool WaarschuwingZichtbaar() const { return !nieuw_ && stap_ == 4; }
  std::string VerderTekst() const { return stap_ >= laatsteStap_ ? "&Klaar" : "&Verder>"; }
  bool TerugActief() const { return stap_ >= 2; }

  // --- What the user does; `invoer` is the field text or the chosen entry ---
  void Enter(const std::string& invoer);
  void Verder(const std::string& invoer);
  void Terug(const std::string& invoer);
  void Schrap();
  bool Afgelopen() const { return afgelopen_; }
  bool Gereed() const { return afgelopen_ && gereed_; }

  const TBank& Rekening() const { return rek_; }
  double BeginSaldo() const { return beginSaldo_; }
  double BeginDatum() const { return beginDatum_; }

 private:
  void Begin(bool nieuw);
  void BewaarStap(const std::string& invoer);
  void BewaarStapEenmaal(const std::string& invoer);
  void PasNummerToe(int positie);

  Kasboek& kb_;
  RekeningDialoogVoerder& voerder_;
  TBank rek_;
  int positie_ = 0;
  bool nieuw_ = true;
  int stap_ = 0;
  int laatsteStap_ = 6;
  bool afgelopen_ = false;
  bool gereed_ = false;
  bool bankLab_ = false;
  double beginSaldo_ = 0;
  double beginDatum_ = 0;
  int gevraagdRekNr_ = 0;  // edit mode: the number typed, applied at the end
  Lening lening_;
  int nieuwRekNr_ = 1;
  // The entry Enter stored at this step: "&Verder" does not store it twice.
  int opgeslagenStap_ = -1;
  std::string opgeslagenInvoer_;
};

// The opening-balance transaction of a new account, placed in the order.
void BoekBeginSaldo(Kasboek& kb, const TBank& rekening, double beginSaldo, double datum);

}  // namespace valdero
