#pragma once
// The rules of the budget window: the groups as a table (view 1) or as a
// budget per year, month, quarter, period of weeks or selected classes
// (views 2 to 6), with the amounts shown per period and typed back as yearly
// budgets, the totals, the class list, code and title changes, validation,
// the navigator, the table as a text file and on paper, and closing. The
// window keeps the typed texts here (ZetCel) and shows what this class gives
// back; the group dialog is run by the window between the calls below.

#include <functional>
#include <string>
#include <vector>

#include "model/groups/GroepWeergave.h"

namespace valdero {

class Kasboek;
struct TBudget;

struct BudgetTotalen {
  std::string in;
  std::string uit;
  std::string posSaldo;  // shown when the net is positive
  std::string negSaldo;  // else
};

class GroepTabel {
 public:
  using Rij = std::vector<std::string>;
  using Bewaarder = std::function<void(Kasboek&)>;

  enum Knop { kEerste = 0, kVorige, kVolgende, kLaatste, kInvoegen, kVerwijder, kBewerk, kPost, kHerstel, kVernieuw };
  // What the window must do after a navigator button.
  enum class Vervolg { Niets, NieuweGroep, BewerkGroep };

  static constexpr const char* kEditorActief = "Editor mode is actief, druk Enter";
  static constexpr const char* kSluitVraag = "Bestand nog redden\r gebruik dan Ok";
  static constexpr const char* kBankKode = "Kode is Bankkode, Onveranderlijk";

  // `bewaarBoek` writes the whole book (asking a name when the groups were
  // not read from a file), `bewaarConfig` the configuration.
  GroepTabel(Kasboek& kb, Bewaarder bewaarBoek, Bewaarder bewaarConfig);

  // Opens a view: 1 groups, 2 year, 3 month, 4 quarter, 5 period of `weken`
  // weeks, 6 the `klassen` chosen in the selection dialog. Views 1, 2, 4 and 5
  // take every class, view 3 the monthly ones. False after "Geen selectie van
  // klassen" when no class is selected.
  bool Open(int view, int weken = 0, const std::vector<std::string>& klassen = {});

  // The groups changed elsewhere (an account's own group, loan groups):
  // the list and the rows follow, the rest stays.
  void Herlaad();

  int View() const { return weergave_.nummer; }
  GroepWeergave Weergave() const { return weergave_; }
  bool MetBedragen() const { return weergave_.MetBedragen(); }
  std::string Titel() const { return MetBedragen() ? "Begroting" : "Groepen"; }
  std::string Kop() const;
  int HelpContext() const { return MetBedragen() ? 225 : 224; }
  int Kolommen() const { return MetBedragen() ? 6 : 4; }
  std::vector<std::string> Titels() const;
  std::vector<int> Breedtes() const;
  int KlasseKolom() const { return Kolommen() - 1; }
  bool BedragKolom(int kolom) const { return MetBedragen() && (kolom == 3 || kolom == 4); }
  static std::string Hint(int kolom, bool metBedragen);
  // The navigator's visible buttons.
  std::vector<int> Knoppen() const;

  int Rijen() const { return static_cast<int>(posities_.size()); }
  const Rij& RijTekst(int r) const { return rijen_[static_cast<std::size_t>(r)]; }
  // The group behind row r (1-based) and its position in the groups list.
  int Positie(int r) const;
  int HuidigeRij() const { return rij_; }
  int HuidigeKolom() const { return kolom_; }
  void Kies(int rij, int kolom);
  void ZetCel(int rij, int kolom, const std::string& tekst);

  void ToonRij(int r);
  // False when a typed value was refused (its message was shown).
  bool BewaarRij(int r);
  bool Valideer(int r);
  void BewaarAlles();
  bool Gewijzigd(int r) const;

  // Enter in the grid; `editorOpen` while a cell is being typed in.
  void Enter(bool editorOpen);
  void Tab(bool editorOpen);
  // A navigator button. While a cell is being typed in only the warning.
  Vervolg Navigeer(int knop, bool editorOpen);
  // The new group's position when the dialog is to create one.
  int NieuwePositie() const { return Rijen() + 1; }
  // After the group dialog: created (with its code) or not; changed.
  void NaNieuweGroep(bool gelukt, const std::string& kode);
  void NaBewerken(const std::string& oudeKode);

  const BudgetTotalen& Totalen() const { return totalen_; }
  std::string TotaalLabel() const;
  std::string SaldoLabel() const;

  // The class pick list: code + up to 27 characters of the name.
  std::vector<std::string> KlasseKeuzes() const;
  int KlasseKeuze() const;
  void KiesKlasse(int index);
  // The title chooser: the titles of the rows.
  std::vector<std::string> TitelKeuzes() const;
  void KiesTitel(int index);

  // "&Sorteren": after the sort dialog.
  void NaSorteren();
  // "&Bewaar": asks a file name and writes the table.
  bool BewaarTekst();
  std::vector<std::string> TekstRegels() const;
  bool Print();

  bool Ok();
  void Schrap() { netjesGesloten_ = true; }
  bool MagSluiten();
  bool Veranderd() const { return veranderd_; }
  // The warning label under the grid ("" when hidden).
  const std::string& Waarschuwing() const { return waarschuwing_; }

 private:
  TBudget& Groep(int r);
  const TBudget& Groep(int r) const;
  Rij RijVan(int r) const;
  std::string GetoondBedrag(const TBudget& g, int kolom) const;
  bool KlasseGekozen(const std::string& klasse) const;
  void BouwLijst();
  void Vul();
  void Hernummer();
  void Tel();
  void ZetBedrag(int r, int kolom);
  void ZetKlasse(int r, const std::string& tekst);
  void WijzigKode(int r, const std::string& kode);
  void WijzigTitel(int r, const std::string& titel);
  void Verwijder();

  Kasboek& kb_;
  Bewaarder bewaarBoek_;
  Bewaarder bewaarConfig_;
  GroepWeergave weergave_{1, 1};
  std::vector<std::string> klassen_;
  std::vector<int> posities_;  // groups-list position per row (row r at r - 1)
  std::vector<Rij> rijen_;     // position 0 unused
  int rij_ = 1;
  int kolom_ = 1;
  BudgetTotalen totalen_;
  bool veranderd_ = false;
  bool netjesGesloten_ = false;
  bool geweigerd_ = false;
  std::string waarschuwing_;
  std::string laatsteBestand_ = "*.txt";
};

}  // namespace valdero
