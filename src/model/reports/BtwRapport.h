#pragma once
// The VAT overview "BTW Overzicht": per paying account the VAT contained in
// its expenses and its income, at the high and the low rate, and for all
// paying accounts together the sums of the four columns. The rate and its
// kind are those of the class of each transaction's group. The window, the
// command-line tool and its text form all read this one table.

#include <string>
#include <vector>

#include "model/reports/RapportTabel.h"

namespace valdero {

class Kasboek;

// VAT contained in an amount that includes it: r × a / (r + 100). A rate of
// 0 or below (a class with a VAT kind but no percentage) contains none.
double BtwIn(double bedrag, double percentage);

// The four sums of one account, in base currency; the expense sums are
// negative.
struct BtwSommen {
  double uitHoog = 0;
  double uitLaag = 0;
  double inHoog = 0;
  double inLaag = 0;
  void Tel(const BtwSommen& s);
};

struct BtwRij {
  int rekNr = 0;
  BtwSommen sommen;
};

struct BtwRapport {
  int rekNr = 0;  // 0: every paying account
  std::string kop;  // two lines joined by kKopRegelEinde
  std::vector<BtwRij> rijen;
  BtwSommen totaal;
  int overgeslagen = 0;  // transactions whose group no longer exists
};

// The overview of one account (its number) or, for 0, of every account of
// kind "BT" in list order. A transaction whose group no longer exists is
// skipped and counted, and the error kBtwFout is shown once. Changes nothing
// in the book.
BtwRapport BouwBtwRapport(Kasboek& kb, int rekNr);

// The overview as the window shows it: heading, titles "Rek.",
// "BTWUit_hoog", "BTWUit_laag", "BTWIn_hoog", "BTWIn-Laag", default widths,
// one row per account with the amounts formatted in the display currency
// and, for all accounts, the total line "TOTAAL  " + currency under it.
// The last row is selected.
RapportTabel BtwTabel(Kasboek& kb, const BtwRapport& overzicht);

// The error shown once when transactions had to be skipped.
inline constexpr const char* kBtwFout = "BTW berekening foutief \n\r corrigeer rekening";

}  // namespace valdero
