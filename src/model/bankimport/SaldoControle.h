#pragma once
// Files that carry balances let the import check that nothing is missing:
// each balance must equal the one before plus the line's amount, and the
// opening balance plus all lines the closing one. A mismatch (a file cut
// short or edited) is only a warning; the lines are read as usual.

#include <optional>
#include <vector>

namespace valdero {

class Kasboek;

struct SaldoRegel {
  int regelNr = 0;   // as the warning names it
  double datum = 0;
  double bedrag = 0;
  std::optional<double> saldoVoor;  // the balance before the line, when the file gives it
  std::optional<double> saldoNa;    // the balance after the line
};

// One statement of one account, its lines in the file's order.
struct SaldoAfschrift {
  std::optional<double> begin;
  std::optional<double> eind;
  std::vector<SaldoRegel> regels;
};

// Warns "Saldo klopt niet bij regel N (d-m-jjjj): bank X, berekend Y" per
// line and "Eindsaldo X klopt niet met beginsaldo plus mutaties Y" per
// statement. Lines whose dates run backwards (newest first) are checked from
// the last to the first. Returns the number of warnings.
int ControleerSaldi(Kasboek& kb, const SaldoAfschrift& afschrift);

}  // namespace valdero
