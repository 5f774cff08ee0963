#pragma once
// The lines of the main window's small selection panel and the way a chosen
// or hand-typed line is turned back into an account, group, period or
// currency. Accounts and groups are listed by number (code) first, or by name
// first with the number (code) at the end of the line.

#include <optional>
#include <string>
#include <vector>

namespace valdero {

class Kasboek;

enum class SelectieSoort { Rekening, Groep, Periode, Valuta, Btw, Export };

struct SelectieLijst {
  SelectieSoort soort = SelectieSoort::Rekening;
  std::string label;
  std::vector<std::string> regels;
  bool opNaam = false;  // the number or code ends each line
};

// Every account; by name the names are padded to 28 characters for the
// account overview and to 20 elsewhere.
SelectieLijst RekeningSelectie(const Kasboek& kb, bool voorRapport);
SelectieLijst GroepSelectie(const Kasboek& kb);
// The budget periods in weeks.
SelectieLijst PeriodeSelectie();
// Every currency with a rate above 0: code padded to 5, then the name.
SelectieLijst ValutaSelectie(const Kasboek& kb);
// The VAT accounts (kind "BT") and the line for all paying accounts.
SelectieLijst BtwSelectie(const Kasboek& kb);
// Every account except the transfer account, and the line for everything.
SelectieLijst ExportSelectie(const Kasboek& kb);

// The number or code a line stands for, by the listing order: the first word
// when listed by number, the last word when listed by name.
std::string SleutelUitRegel(const std::string& regel, bool opNaam);

// The outcome of Enter in the panel.
struct SelectieKeuze {
  int positie = 0;   // in RekLijst, GroepLijst or ValutaLijst; 0 for "all"
  int nummer = 0;    // account number, or the number of weeks
  std::string kode;  // group or currency code
};

// Looks the line up; reports "Rekening x bestaat niet" or "Groepkode x
// bestaat niet" and gives nullopt when nothing matches. The Btw and Export
// lists accept 0 for all accounts; a period is a whole number of weeks above
// 0; a currency takes the last match of its code.
std::optional<SelectieKeuze> KiesUitSelectie(Kasboek& kb, const SelectieLijst& lijst,
                                             const std::string& regel);

}  // namespace valdero
