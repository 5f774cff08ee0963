#pragma once
// What the reports of one run work on besides the book: the period code, the
// chosen classes, account kinds and relations, and the current account and
// group. One object is handed to every window that shares it (the main
// window's launchers, the selection dialog, the overview window and later
// the group overview and the charts); only the launchers reset it.

#include <string>
#include <vector>

namespace valdero {

class Kasboek;

struct ReportSelection {
  // 1 year, 2 first half, 3 second half, 4 a typed period (classes and
  // relations), 12 month, 4 quarter, 52 period (account kinds and the
  // monthly and quarterly budget views).
  int PeriodCode = 1;
  // One slot per class of the class list, in list order: the class letter
  // as stored (" B ") or empty.
  std::vector<std::string> Klassen;
  // One slot per account kind of the kind list: its two-letter code or empty.
  std::vector<std::string> Soorten;
  // The chosen relation names, whole (a long name still matches its
  // transactions).
  std::vector<std::string> Relaties;
  int RekNr = 0;          // the account of the account report
  std::string GroepKode;  // the group of the group reports

  // A group is selected when its class letter, padded to three characters,
  // equals a filled slot.
  bool KlasseGekozen(const std::string& klasse) const;
  bool SoortGekozen(const std::string& soort) const;
  bool HeeftKlassen() const;
  bool HeeftSoorten() const;
  bool HeeftRelaties() const { return !Relaties.empty(); }
};

// Every class of the book, or only those of the monthly views (" B ", " I ",
// " L ", " U ", " V " that exist).
void KiesAlleKlassen(const Kasboek& kb, ReportSelection& selectie);
void KiesMaandKlassen(const Kasboek& kb, ReportSelection& selectie);
void KiesAlleSoorten(const Kasboek& kb, ReportSelection& selectie);
// The slots of the given letters ("B", "I"; blanks around them ignored);
// letters that name no class select nothing.
void KiesKlassen(const Kasboek& kb, ReportSelection& selectie, const std::vector<std::string>& letters);
void KiesSoorten(const Kasboek& kb, ReportSelection& selectie, const std::vector<std::string>& kodes);

// Which selection dialog a kind asks before it opens (none for the others).
enum class SelectieVraag { Geen, Klassen, Relaties, Soorten };
SelectieVraag VraagVoor(int soort);

// What a launcher prepares before the selection dialog (if any) and the
// window: the classes and period of the fixed budget views, every account
// kind for the balances of all accounts.
void BereidSelectieVoor(const Kasboek& kb, ReportSelection& selectie, int soort);
// What it sets after a confirmed selection dialog.
void NaSelectieDialoog(ReportSelection& selectie, int soort);
// The message that stops a report for an empty selection ("Geen klassen
// gekozen", "Geen relatie gekozen"), empty when the report can go on.
std::string SelectieMelding(const ReportSelection& selectie, int soort);

}  // namespace valdero
