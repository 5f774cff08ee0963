#pragma once
// One built report as the overview window shows it: the heading, the column
// titles and default widths, the rows with the transaction behind each, and
// the total fields below the table. The text file, the printout, the window
// and the command-line tool all read this one structure.

#include <string>
#include <vector>

namespace valdero {

// The line break inside a heading: line feed, carriage return.
inline constexpr const char* kKopRegelEinde = "\n\r";

enum class VeldKleur { Geen, Groen, Rood };

struct RapportVeld {
  std::string tekst;
  VeldKleur kleur = VeldKleur::Geen;
  bool zichtbaar = true;
};

// One line of total fields under the table: its label and its fields from
// left to right (a hidden field keeps its place).
struct TotaalRegel {
  std::string label;
  std::vector<RapportVeld> velden;
  bool zichtbaar = true;
};

struct RapportRij {
  std::vector<std::string> cellen;
  int kasIndex = 0;  // 0 for a summary row ("-" in column 1)
  double som = 0;    // compound group: the row's amount and its subgroups' together
  // Statement view: the description wrapped into at most seven lines.
  std::vector<std::string> omschrijving;
};

struct RapportTabel;

// Takes the rows of a transaction report as they are built, instead of the
// table keeping them: the text file of a whole year is then written row by
// row, and the year's rows are never held as cells all at once.
class RijOntvanger {
 public:
  virtual ~RijOntvanger() = default;
  // A build begins: what came before is void.
  virtual void Begin() = 0;
  // The heading, titles and widths of `tabel` are set when a row comes.
  virtual void Rij(const RapportTabel& tabel, RapportRij&& rij) = 0;
};

struct RapportTabel {
  int soort = 0;
  bool afschrift = false;   // the statement view of the account report
  int subgroepen = 0;       // k of the compound group report
  bool groepTitels = false; // group titles shown instead of codes
  std::string kop;          // the heading; its two lines joined by kKopRegelEinde
  std::vector<std::string> titels;
  std::vector<int> breedtes;  // default column widths in pixels
  std::vector<RapportRij> rijen;
  std::vector<TotaalRegel> totalen;
  RapportVeld afschriftSaldo;  // "Saldo" beside the statement view
  // Securities groups: the count and price of the last row.
  bool effectVelden = false;
  std::string aantalEffecten;
  std::string koers;
  std::string aantal;        // "Aantal = n", empty when the kind shows none
  std::string munt;          // "Munt :" + code, account report only
  std::string noot;          // " * = Jaartotaal " under the budget balances
  int geselecteerd = -1;     // the row selected after the build (0-based)
  int laatsteMaand = 0;      // the month of the last row (month buttons)

  // Where the transaction reports' rows go; null: into `rijen`.
  RijOntvanger* ontvanger = nullptr;
  int doorgegeven = 0;  // the rows handed to the receiver

  // A row of a transaction report, kept or handed on.
  void VoegToe(RapportRij&& rij);
  int AantalRijen() const { return ontvanger ? doorgegeven : static_cast<int>(rijen.size()); }

  int Kolommen() const { return static_cast<int>(titels.size()); }
  // Columns drawn right-aligned, red when negative.
  bool IsBedragKolom(int kolom) const;
  // The heading's two lines.
  std::string KopRegel(int nr) const;
};

}  // namespace valdero
