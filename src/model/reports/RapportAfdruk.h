#pragma once
// The report on paper, through the printer port: the page heading (with the
// owner's personal data and page numbers when the options say so), the
// column titles, the rows with proportional widths, a new page (with the
// heading again when asked) when a page is full, and the footer of the kind.

#include <vector>

namespace valdero {

class Kasboek;
class Printer;
struct RapportTabel;

// Chooses the configured printer and orientation, prints the report as one
// document and ends it. `breedtes` are the current column widths in pixels.
// False when the document could not be started or did not come out.
bool PrintRapport(Kasboek& kb, Printer& printer, const RapportTabel& tabel, const std::vector<int>& breedtes);

// Prints the report on a document that is already open; the page counter
// runs on.
void DrukRapport(Kasboek& kb, Printer& printer, const RapportTabel& tabel, const std::vector<int>& breedtes,
                 int laatsteKolom, int& paginaTeller);

// The VAT overview on paper: its rows and, as the last row, the totals of
// all accounts, every column printed. False, after saying so, when it did
// not come out.
bool PrintBtwRapport(Kasboek& kb, Printer& printer, const RapportTabel& tabel);

}  // namespace valdero
