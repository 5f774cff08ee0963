#pragma once
// When a report's page is full, alike for the text file and for paper: after
// the configured number of lines per page, of which a landscape page holds
// 1.4 times as many. And the character width printed columns are padded
// with.

namespace valdero {

class Kasboek;
struct AfdrukMaten;

struct PaginaVulling {
  int regelsPerPagina = 0;  // 0: no configured count
  int schaal = 100;         // percent of the configured count a page holds

  static PaginaVulling Van(const Kasboek& kb);
  // Whether `regels` lines fill the page.
  bool Vol(int regels) const { return regelsPerPagina > 0 && schaal * regels / 100 >= regelsPerPagina; }
};

// The width measured when the printer was chosen, else the one the printer
// gives now.
int AfdrukTekenBreedte(const Kasboek& kb, const AfdrukMaten& maten);

}  // namespace valdero
