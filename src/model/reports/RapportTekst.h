#pragma once
// The report as fixed-width text lines: what "Ver&zamel" gathers and
// "&Opslaan " writes. The widths come from the current column widths in
// pixels divided by the window font's point size; the file gets the left
// margin in spaces, CR LF line ends and Windows-1252 text.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "model/reports/RapportTabel.h"
#include "model/storage/Bestanden.h"

namespace valdero {

class Kasboek;

// The gathered lines and the counters that run across gathered overviews.
struct VerzameldeRegels {
  std::vector<std::string> regels;  // without line ends, UTF-8
  int aantalOverzichten = 0;        // overviews gathered with "Ver&zamel"
  int regelTeller = 0;
  int paginaTeller = 1;
  void Wis() { *this = VerzameldeRegels(); }
};

// The last column written: for saving and printing (verzamelen false) or
// for gathering.
int LaatsteKolom(const RapportTabel& tabel, bool verzamelen);

// Appends the report's lines: the heading block, the title row, every row
// with a form feed where a page is full, and the footer of the kind.
// `breedtes` are the current column widths in pixels.
void VerzamelRapport(Kasboek& kb, const RapportTabel& tabel, const std::vector<int>& breedtes,
                     int fontGrootte, int laatsteKolom, VerzameldeRegels& uit);

// How a column is written: padded on the right, on the left (both cut to
// the width), or on the left and never cut (an amount or percentage that
// does not fit is written whole and the line grows).
enum class Uitlijning : char { Links, Rechts, Heel };

// The text file of a report whose rows are written as they are built (the
// build hands them over, RapportModel::ZetOntvanger): the same bytes as
// RapportBestandsTekst of VerzamelRapport with the last column of saving,
// the table's default widths and a fresh count of lines, while only the
// file's bytes of the rows are held, never the rows themselves.
//
// With a stream, the heading and the rows are written to it as they come
// (in pieces of 64 kB), and only Schrijf to the same stream ends the file:
// for a report built once, as the command line builds it.
class RapportStroom : public RijOntvanger {
 public:
  RapportStroom(Kasboek& kb, int fontGrootte, std::ostream* direct = nullptr);
  void Begin() override;
  void Rij(const RapportTabel& tabel, RapportRij&& rij) override;
  // The whole file, once the build is done: heading, rows and footer.
  std::string Tekst(Kasboek& kb, const RapportTabel& tabel);
  void Schrijf(std::ostream& uit, Kasboek& kb, const RapportTabel& tabel);

 private:
  void Bereid(const RapportTabel& tabel);
  // The file's bytes before the rows, and after the rows handed over.
  void Omlijst(Kasboek& kb, const RapportTabel& tabel, std::string& kop, std::string& rest);

  Kasboek& kb_;
  std::ostream* direct_;
  bool kopGeschreven_ = false;
  int fontGrootte_;
  std::string marge_;
  bool klaar_ = false;
  int laatste_ = -1;
  std::vector<int> w_;
  std::vector<Uitlijning> uitlijning_;
  int regelTeller_ = 0;
  int paginaTeller_ = 1;
  std::string regel_;  // the line being made, its room kept
  std::string rijen_;  // the file's bytes of the rows so far
};

// The bytes of the report text file for these lines.
std::string RapportBestandsTekst(const Kasboek& kb, const std::vector<std::string>& regels, int fontGrootte);

// The left margin in characters: the configured margin over the printer's
// page width, at least one.
int MargeTekens(const Kasboek& kb, int fontGrootte);

// Writes the report text file as every file the user names is written
// (model/storage/Bestanden.h: a unique temporary name, flushed, renamed into
// place); what is not a regular file is refused, with the reason.
SchrijfUitkomst SchrijfRapportBestand(const std::filesystem::path& pad, const std::string& bytes,
                                      Bestandssysteem& bestanden);

}  // namespace valdero
