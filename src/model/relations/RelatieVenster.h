#pragma once
// The rules of the relations window: the grid's texts, the pick lists, what
// "OK", delete, refresh and the relation dialog do with the rows, and the
// printed list. The window only moves text between its widgets and this.

#include <array>
#include <string>
#include <vector>

namespace valdero {

class Kasboek;
class Printer;

// Columns of the grid: index, name, account, address, postcode, place,
// telephone.
inline constexpr int kRelatieKolommen = 7;
using RelatieRij = std::array<std::string, kRelatieKolommen>;

class RelatieVenster {
 public:
  explicit RelatieVenster(Kasboek& kb);

  static std::string KopTekst() { return " RELATIES in VALDERO"; }
  static const RelatieRij& Kop();
  static const std::array<int, kRelatieKolommen>& Breedtes();
  static constexpr int ZichtbareRijen = 13;
  // The hint of the column under a horizontal position in the grid.
  static std::string HintBij(int x);
  // The hint of a column, for a grid whose columns grew to fit their texts.
  static std::string KolomHint(int kolom);
  // The captions of the relation dialog's seven entries.
  static const RelatieRij& DialoogLabels();

  // Builds the list when needed and fills the rows; false when the window
  // must not open (no relations; the warning was shown).
  bool Open();
  // The rows from the relation list: row r - 1 shows relation r.
  void Vul();

  // One row per relation (the grid's header row not included).
  std::vector<RelatieRij> rijen;

  std::vector<std::string> Namen() const;
  std::vector<std::string> Rekeningen() const;

  // Every row into its relation: the index from column 0 (kept when it is no
  // number), the six texts cut to their lengths.
  void BewaarRijen();
  // "OK": store the rows and save the book.
  void Ok();
  // Delete the relation of a row after "Wilt u deze relatie verwijderen ";
  // the relations are renumbered and the rows refilled. True when removed.
  bool Verwijder(int rij);
  // Refresh: store, sort by name, renumber, refill.
  void Ververs();
  // After the relation dialog changed a row: the book is saved (the row
  // itself reaches its relation with "OK" or refresh).
  void NaDialoog();

  // Prints the list on the book's printer with the print settings; false when
  // the printer refused to start a document.
  bool Afdrukken();

 private:
  Kasboek& kb_;
};

}  // namespace valdero
