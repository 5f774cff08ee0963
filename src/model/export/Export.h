#pragma once
// The export window's rules: the transactions of one account with chosen
// fields, or the totals per group and account from the balance matrix, as
// delimited text; and, for users who also keep plain-text books, the year as
// a journal (Journaal.h). The window only shows these choices and hands back
// what the user picked.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace valdero {

class Kasboek;
struct TKas;

struct Scheiding {
  std::string tekst;  // the entry in the separator list
  char teken;
};

// The transaction fields, numbered 1 to 14 (index 0 is field 1).
inline constexpr int kExportVelden = 14;
const std::vector<std::string>& ExportVeldNamen();

class ExportModel {
 public:
  explicit ExportModel(Kasboek& kb);

  // The dates a book can hold; the pickers offer no less.
  static double EersteDatum();
  static double LaatsteDatum();
  static const std::vector<std::string>& Uitleg();  // the five memo lines
  static std::string Titel() { return "Export van valdero data"; }

  // Opening with an account position: 0 is the totals export. Resets every
  // choice: the dates (1 January of the book's year to today), the check
  // boxes, the separator (the first offered) and the ticks (all on).
  void Open(int positie);

  int Positie() const { return positie_; }
  bool IsTotalen() const { return positie_ == 0; }
  // The separators offered: the comma only in the transaction export.
  const std::vector<Scheiding>& Scheidingen() const;
  // "Velden" or "Rekeningen", and the entries of the check list.
  std::string LijstLabel() const { return IsTotalen() ? "Rekeningen" : "Velden"; }
  const std::vector<std::string>& LijstRegels() const { return lijst_; }

  // The user's choices.
  int scheiding = 0;  // position in Scheidingen()
  double beginDatum = 0;
  double eindDatum = 0;
  bool quotes = false;
  bool veldnamen = false;
  bool veldselectie = false;
  bool journaal = false;  // the whole year as a journal instead
  std::vector<bool> aangevinkt;

  char ScheidingsTeken() const;

  // The lines of the chosen export. False after reporting a line that could
  // not be made; nothing is to be written then.
  bool Regels(std::vector<std::string>& regels);

  // The bytes of the file: the lines in Windows-1252, each ended by CR LF
  // (the journal in UTF-8 with line feeds). False after reporting.
  bool Inhoud(std::string& bytes);
  // The same bytes handed to `schrijf` in pieces; a journal is handed on
  // as it is made and never held whole.
  bool SchrijfInhoud(const std::function<void(std::string_view)>& schrijf);
  // Writes the export to the file atomically, so that a failure leaves an existing file as it was.
  // False after reporting the failure.
  bool Schrijf(const std::string& pad);
  // The last file written took its place, but the disk did not confirm it
  // (the folder's flush failed): the warning that was shown; empty when
  // the disk confirmed it.
  const std::string& Onbevestigd() const { return onbevestigd_; }

  // "&Ok": the save dialog, the export, "Bewaren <file> gelukt". False when
  // nothing was written (cancelled or failed); the window closes either way.
  bool Ok();

 private:
  std::string onbevestigd_;
  bool TransactieRegels(std::vector<std::string>& regels);
  bool TotaalRegels(std::vector<std::string>& regels);
  // Field i (1..14) of a transaction, before quoting.
  std::string Veld(int veld, const TKas& kas);
  bool VeldMee(int veld) const;

  // What the progress of the export says; with the file's name while writing.
  static constexpr const char* kExporteren = "Exporteren";
  std::string bezig_ = kExporteren;
  Kasboek& kb_;
  int positie_ = 0;
  std::vector<std::string> lijst_;
};

}  // namespace valdero
