#pragma once
// Dates are TDateTime values: whole days since 30 December 1899, the
// fraction being the time of day. Typed and shown as d-m-yyyy.

#include <optional>
#include <string>

namespace valdero {

struct DatumDelen {
  int jaar = 1899;
  int maand = 12;
  int dag = 30;
};

bool GeldigeDatum(int jaar, int maand, int dag);
double MaakDatum(int jaar, int maand, int dag);
DatumDelen SplitsDatum(double datum);
int JaarVan(double datum);

// "5-3-2008": the short date format of the program.
std::string DatumTekst(double datum);
// "05-03-2008": two-digit day and month, used for headings and file stamps.
std::string DatumTekstLang(double datum);
// "14:05:09"
std::string TijdTekst(double moment);

// Parses d-m-yyyy (also d-m-yy, and d-m taking the given year). Two-digit
// years fall in the century that keeps them within 50 years of `jaar`.
std::optional<double> LeesDatum(const std::string& tekst, int jaar);

}  // namespace valdero
