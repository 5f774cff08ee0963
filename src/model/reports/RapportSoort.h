#pragma once
// The report kinds of the overview window: the numbers are the tags of the
// "&Overzichten" menu entries that launch them (charts use the same number
// plus 100).

namespace valdero {

namespace rapport {
inline constexpr int Rekening = 1;         // all transactions of one account
inline constexpr int Groep = 5;            // all transactions of one group
inline constexpr int Samengesteld = 6;     // a group with its subgroups side by side
inline constexpr int Klassen = 10;         // transactions of the selected classes
inline constexpr int BudgetJaar = 11;      // budget against income and expenses
inline constexpr int BudgetMaand = 12;
inline constexpr int BudgetKwartaal = 13;
inline constexpr int BudgetTijdvak = 14;
inline constexpr int BudgetSelectie = 15;
inline constexpr int Relaties = 16;        // transactions with the selected relations
inline constexpr int BalansJaar = 21;      // budget balances
inline constexpr int BalansMaand = 22;
inline constexpr int BalansKwartaal = 23;
inline constexpr int BalansTijdvak = 24;
inline constexpr int BalansSelectie = 25;
inline constexpr int AlleSaldi = 31;       // balances of every account
inline constexpr int SaldiSelectie = 32;   // balances of the selected account kinds
// Not in the overview window: the VAT overview of the paying accounts.
inline constexpr int Btw = 150;
}  // namespace rapport

// Every kind the overview window shows, in menu order.
inline constexpr int kRapportSoorten[] = {1, 5, 6, 10, 16, 11, 12, 13, 14, 15,
                                          21, 22, 23, 24, 25, 31, 32};

bool IsRapportSoort(int soort);
// Kinds that list single transactions (1, 5, 6, 10, 16).
bool IsTransactieRapport(int soort);
bool IsBudgetRapport(int soort);   // 11 to 15
bool IsBalansRapport(int soort);   // 21 to 25
bool IsSaldiRapport(int soort);    // 31, 32
// The period of a budget or balance kind as its title names it, told by the
// kind's last digit (" per Jaar", " per Maand", " per Kwartaal", " per
// Tijdvak", " Selectie"). Budget charts (kind + 100) name theirs the same way.
const char* SoortPeriodeNaam(int soort);
// The help topic of the "&Help" button.
int RapportHelp(int soort);

}  // namespace valdero
