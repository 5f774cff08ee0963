#pragma once
// The state of the overview window that a build of its report reads: kind,
// account or group, period, order and view. The builders turn it and the
// book into a RapportTabel; they read the lists and the balance matrix and
// change nothing in the book.

#include <string>
#include <vector>

namespace valdero {

class Kasboek;
struct ReportSelection;
struct RapportTabel;
class RijOntvanger;

struct RapportStand {
  int soort = 0;
  int positie = 0;          // account position (kind 1), group position (5, 6)
  double begin = 0;         // period: trunc(begin) <= date <= eind
  double eind = 0;
  bool aflopend = false;
  bool afschrift = false;   // statement view of the account report
  bool gewisseld = false;   // the view was switched since the report opened
  std::vector<std::string> subgroepen;  // codes of the compound group's subgroups

  bool InPeriode(double datum) const;
};

// Builds the whole report of the state: layout, heading, rows and totals.
// Messages of an empty result or a failed check go through the book's port.
// With a receiver, the rows of a transaction report go to it instead of
// into the table.
RapportTabel BouwRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                         RijOntvanger* ontvanger = nullptr);

// The subgroups of a compound group: codes of the groups whose first three
// characters are the main code and that sort after it, in list order, at
// most 48. Tells the user when the group is itself a subgroup ("Groep =
// Subgroep ") or has none ("Geen Samengestelde groep") when `melden` is set.
std::vector<std::string> BepaalSubgroepen(Kasboek& kb, const std::string& kode, bool melden);

// The first and last transaction date (0 when there are none).
double EersteDatum(const Kasboek& kb);
double LaatsteDatum(const Kasboek& kb);

// The period of a period code for kinds 10, 14, 16 and 24: the year, its
// first or second half; other codes keep the transactions' range.
void PeriodeVoorCode(const Kasboek& kb, int code, double& begin, double& eind);

}  // namespace valdero
