#pragma once
// The two orders of the account and group lists: by number (code) or by name
// (title). The choice per list is kept on the book and mirrored in the
// configuration's option bits, and it also decides how drop-down lists show
// accounts and groups (number first or name first).

#include <string>
#include <vector>

namespace valdero {

class Kasboek;

enum class SorteerOnderwerp { Rekeningen = 0, Groepen = 1 };

bool OpNaam(const Kasboek& kb, SorteerOnderwerp onderwerp);
// Stores the choice in the book's setting and in Config.Vlaggen at once.
void ZetOpNaam(Kasboek& kb, SorteerOnderwerp onderwerp, bool opNaam);

// Sort the list by its current setting. The header record stays at position
// 0, every record's index follows its new position, and a balance matrix of
// the book's shape has its rows (groups) or columns (accounts) moved along,
// so the totals stay with their group and account.
void SorteerRekeningen(Kasboek& kb);
void SorteerGroepen(Kasboek& kb);
void Sorteer(Kasboek& kb, SorteerOnderwerp onderwerp);

// The sort dialog's rules: captions, choices, the setting changed on every
// click and the advice after sorting.
class SorteerKeuze {
 public:
  SorteerKeuze(Kasboek& kb, SorteerOnderwerp onderwerp);

  std::string Titel() const;
  std::string KeuzeTitel() const { return "Sorteren Op :"; }
  std::vector<std::string> Keuzes() const;
  // 0 = number or code, 1 = name or title.
  int Keuze() const;
  void Klik(int keuze);
  // Sorts the subject's list and advises to sort the other list the same way.
  void Ok();

 private:
  Kasboek& kb_;
  SorteerOnderwerp onderwerp_;
};

}  // namespace valdero
