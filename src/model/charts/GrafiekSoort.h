#pragma once
// The chart kinds of the chart window: the tag of the "Grafieken" entry that
// launches each, always the report kind it draws plus 100.

namespace valdero {

namespace grafiek {
inline constexpr int Rekening = 101;        // running balance of one account
inline constexpr int Groep = 105;           // running total of one group
inline constexpr int Klassen = 110;         // running total of the selected classes
inline constexpr int BudgetJaar = 111;      // budget against actual per group
inline constexpr int BudgetMaand = 112;
inline constexpr int BudgetKwartaal = 113;
inline constexpr int BudgetSelectie = 115;
inline constexpr int AlleSaldi = 131;       // balance of every account
inline constexpr int SaldiSelectie = 132;   // balances of the selected account kinds
// A chart kind is its report kind plus this.
inline constexpr int kRapportVerschil = 100;
}  // namespace grafiek

// Every kind, in the order of the "Grafieken" menu.
inline constexpr int kGrafiekSoorten[] = {101, 105, 110, 111, 112, 113, 115, 131, 132};

// The three charts of the window: a line over a date axis, vertical bars of
// budget against actual with the running sum, horizontal balance bars.
enum class GrafiekVorm { Lijn, Staven, Balken };

bool IsGrafiekSoort(int soort);
GrafiekVorm VormVan(int soort);
// The report kind whose selection the chart shares.
inline int RapportSoortVan(int soort) { return soort - grafiek::kRapportVerschil; }

}  // namespace valdero
