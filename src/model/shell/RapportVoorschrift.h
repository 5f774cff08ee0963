#pragma once
// What a budget, overview or chart command selects before its window opens:
// which classes, the period code, and whether the selection dialog must be
// confirmed first. The windows copy this into their report selection.

namespace valdero {

enum class KlassenKeuze {
  Alle,      // every class
  Maand,     // only " B ", " I ", " L ", " U ", " V "
  Leeg,      // none: the selection dialog chooses
};

struct RapportVoorschrift {
  KlassenKeuze klassen = KlassenKeuze::Alle;
  int periode = 1;              // 1 year, 12 month, 4 quarter, or weeks
  bool dialoog = false;         // the selection dialog must be confirmed
  bool alleSoorten = false;     // every account kind selected (balances)
};

// The selection of a menu tag: budget modes 1..6, overview modes 10..32,
// chart modes (overview mode + 100).
RapportVoorschrift VoorschriftVoor(int tag);
// The selection of an overview or chart command alone: overview kinds 1, 5
// and 6 share their numbers with budget modes but ask no dialog.
RapportVoorschrift VoorschriftVoorRapport(int tag);

// The class letters of the monthly views.
inline constexpr const char* kMaandKlassen[] = {" B ", " I ", " L ", " U ", " V "};

}  // namespace valdero
