#pragma once
// The report as fixed-width text lines: what "Ver&zamel" gathers and
// "&Opslaan " writes. The widths come from the current column widths in
// pixels divided by the window font's point size; the file gets the left
// margin in spaces, CR LF line ends and Windows-1252 text.

#include <filesystem>
#include <string>
#include <vector>

#include "model/storage/Bestanden.h"

namespace valdero {

class Kasboek;
struct RapportTabel;

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

// The bytes of the report text file for these lines.
std::string RapportBestandsTekst(const Kasboek& kb, const std::vector<std::string>& regels, int fontGrootte);

// The left margin in characters: the configured margin over the printer's
// page width, at least one.
int MargeTekens(const Kasboek& kb, int fontGrootte);

// Writes the report text file as every file the user names is written
// (model/storage/Bestanden.h: a unique temporary name, flushed, renamed into
// place); what is not a regular file is refused, with the reason.
SchrijfUitkomst SchrijfRapportBestand(const std::filesystem::path& pad, const std::string& bytes,
                                      Bestandssysteem& bestanden = EchtBestandssysteem());

}  // namespace valdero
