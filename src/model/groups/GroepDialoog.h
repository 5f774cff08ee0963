#pragma once
// The rules of the step-by-step group dialog: which question, label, help
// text and entry each step shows, how a typed entry is stored, which step
// follows, and what completing or cancelling does to the groups list.
// The window only moves text between its controls and this class.

#include <string>
#include <vector>

#include "model/core/Records.h"
#include "model/groups/GroepWeergave.h"

namespace valdero {

class Kasboek;

// The 48 titles the dialog suggests at step 1.
const std::vector<std::string>& VoorgesteldeTitels();

struct GroepResultaat {
  std::string kode;  // the new group's code, or the code passed in on failure
  bool gelukt = false;
};

class GroepDialoog {
 public:
  enum Uitkomst { Bezig = 0, Voltooid = 1, Geschrapt = 2 };

  GroepDialoog(Kasboek& kb, GroepWeergave weergave);

  // Creating a group to be inserted at `positie` of the groups list.
  void BeginNieuw(int positie, const std::string& kode, const std::string& titel,
                  const std::string& klasse);
  // Changing the group at `positie` of the groups list; each stored step
  // writes into that group at once.
  void BeginWijzig(int positie);

  // What the window shows.
  bool Nieuw() const { return nieuw_; }
  int Stap() const { return stap_; }
  std::string Titel() const;
  std::string Vraag() const;
  std::string VeldLabel() const;
  std::string HelpTekst() const;
  // Steps 1 and 5 use the choice box, 2 to 4 the entry; step 0 neither.
  bool MetKeuzeLijst() const { return stap_ == 1 || stap_ == 5; }
  bool MetInvoer() const { return stap_ >= 2 && stap_ <= 4; }
  std::vector<std::string> Keuzes() const;
  std::string VeldTekst() const;
  bool ToonBestaandeKodes() const { return stap_ == 2 && nieuw_; }
  std::vector<std::string> BestaandeKodes() const;
  static std::string BestaandeKodesLabel() { return "    Bestaande        GroepKoden"; }
  bool TerugMag() const { return terugMag_; }
  std::string VerderTekst() const { return stap_ == 5 ? "&Klaar" : "&Verder>"; }

  // Enter in the entry or choice box: stores the step. False when refused.
  bool Enter(const std::string& tekst);
  void Verder(const std::string& tekst);
  void Terug(const std::string& tekst);
  void Schrap();

  Uitkomst Resultaat() const { return uitkomst_; }
  GroepResultaat Uitslag() const { return uitslag_; }
  const TBudget& Groep() const;
  double BedragIn() const { return bedragIn_; }
  double BedragUit() const { return bedragUit_; }

 private:
  TBudget& Werk();
  bool BewaarStap(const std::string& tekst);
  bool BewaarBedrag(const std::string& tekst, double& bedrag);
  int Volgende() const;
  void Voltooi();
  void VoltooiNieuw();
  void VoltooiWijziging();
  // After a refused or cancelled change: put code and title back when they
  // clash with another group.
  bool HerstelBijDubbel();

  Kasboek& kb_;
  GroepWeergave weergave_;
  bool nieuw_ = true;
  int positie_ = 0;
  int stap_ = 0;
  bool terugMag_ = false;
  double bedragIn_ = 0;
  double bedragUit_ = 0;
  TBudget nieuweGroep_;
  std::string oudeKode_;
  std::string oudeTitel_;
  std::string meegegevenKode_;
  Uitkomst uitkomst_ = Bezig;
  GroepResultaat uitslag_;
};

}  // namespace valdero
