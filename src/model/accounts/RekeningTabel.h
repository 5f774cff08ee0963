#pragma once
// The rules of the accounts window: the account list as a table of five
// columns that the user types in, with its row store and row check, Enter,
// the navigator, the kind and currency lists, deletion, sorting, the table as
// a text file and on paper, and closing. The window keeps the typed texts
// here (ZetCel) and shows the rows, the current cell and the lists this
// class gives back.

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace valdero {

class Kasboek;
class RekeningDialoog;

class RekeningTabel {
 public:
  static constexpr int kKolommen = 5;
  using Rij = std::array<std::string, kKolommen>;  // Index, Nummer, Naam, Soort, Munt
  using Bewaarder = std::function<void(Kasboek&)>;

  enum Kolom { kIndex = 0, kNummer = 1, kNaam = 2, kSoort = 3, kMunt = 4 };
  // The navigator's buttons, numbered as on the bar.
  enum Knop { kEerste = 0, kVorige, kVolgende, kLaatste, kInvoegen, kVerwijder, kBewerk, kPost, kHerstel, kVernieuw };

  static constexpr const char* kTitel = "Rekeningen";
  static constexpr const char* kKop = " INVOER VAN REKENINGEN";
  static constexpr const char* kEditorActief = "Editor mode is actief, druk Enter";
  static constexpr const char* kSluitVraag = "Bestand nog redden\r gebruik dan Ok";
  static constexpr std::array<int, kKolommen> kBreedtes = {42, 42, 250, 60, 60};
  static std::vector<std::string> Titels();
  // The hint of the grid at the mouse's x position.
  static std::string Hint(int x);

  // `dialoog` adds and changes accounts; `bewaarBoek` writes the whole book
  // (after a deletion and on "&OK"), `bewaarConfig` the configuration.
  RekeningTabel(Kasboek& kb, RekeningDialoog& dialoog, Bewaarder bewaarBoek, Bewaarder bewaarConfig);

  // Fills the table from the account list and selects row 1, column 1.
  void Open();

  int Rijen() const { return static_cast<int>(rijen_.size()) - 1; }
  const Rij& RijTekst(int r) const { return rijen_[static_cast<std::size_t>(r)]; }
  int HuidigeRij() const { return rij_; }
  int HuidigeKolom() const { return kolom_; }
  void Kies(int rij, int kolom);
  // The text typed into a cell; stored in the account by a row store.
  void ZetCel(int rij, int kolom, const std::string& tekst);

  // Record to row, and row to record; the store refuses (with its message)
  // what fails its check, and the row then shows the stored value again.
  void ToonRij(int r);
  void BewaarRij(int r);
  bool ControleerRij(int r);
  void BewaarAlles();
  // The rows whose texts differ from their accounts.
  bool Gewijzigd(int r) const;

  // Enter in the grid; `editorOpen` while a cell is being typed in.
  void Enter(bool editorOpen);
  // A navigator button; false (after the warning) while a cell is being typed in.
  bool Navigeer(int knop, bool editorOpen);

  // The kind list (double click in column 3) and the currency list (column 4).
  std::vector<std::string> SoortKeuzes() const;
  int SoortKeuze() const;
  void KiesSoort(int index);
  std::vector<std::string> MuntKeuzes() const;
  int MuntKeuze() const;
  void KiesMunt(int index);
  // The name selector: the account names in list order.
  std::vector<std::string> Namen() const;
  void KiesNaam(int index);

  // "&Sorteren": before and after the sort dialog.
  void VoorSorteren();
  void NaSorteren();
  // "&Bewaar": asks a file name and writes the table. False when nothing was written.
  bool BewaarTekst();
  // The lines of the text file (without line ends).
  std::vector<std::string> TekstRegels() const;
  // "&Print" through the book's printer port. False when no document began.
  bool Print();

  // "&OK": true when the window may close; it then has stored all rows and
  // saved the book and the configuration.
  bool Ok();
  void Schrap();
  // Closing by the frame: true when the window may close.
  bool MagSluiten();
  // The window becomes visible again.
  void Heropend() { netjesGesloten_ = false; }

  bool Veranderd() const { return veranderd_; }
  // Groups were added or removed (own groups, loan groups): the budget
  // window refills.
  std::function<void()> groepenVeranderd;

 private:
  Rij RijVan(int r) const;
  void VulAlles();
  void Hernummer();
  void NieuweRekening(int positie, bool metGroepen);
  void Verwijder();
  void Groepen();

  Kasboek& kb_;
  RekeningDialoog& dialoog_;
  Bewaarder bewaarBoek_;
  Bewaarder bewaarConfig_;
  std::vector<Rij> rijen_;  // position 0 unused, as in the account list
  int rij_ = 1;
  int kolom_ = 1;
  bool veranderd_ = false;
  bool netjesGesloten_ = false;
};

}  // namespace valdero
