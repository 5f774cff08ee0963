#pragma once
// How the budget window shows a group's yearly budget: per year, month,
// quarter or period of weeks. The group dialog converts its amounts the same
// way, so an amount typed there means what it means in the budget grid.

namespace valdero {

struct GroepWeergave {
  // 1 plain groups table (no amounts), 2 year, 3 month, 4 quarter,
  // 5 period of `deler` weeks, 6 selected classes.
  int nummer = 2;
  int deler = 1;

  bool MetBedragen() const { return nummer != 1; }
  bool Weken() const { return nummer == 5; }

  // The yearly amount as shown for one period.
  double Getoond(double jaarBedrag) const {
    if (Weken()) return jaarBedrag * deler / 52.0;
    return jaarBedrag / Deler();
  }
  // A period amount as a yearly amount.
  double NaarJaar(double getoond) const {
    if (Weken()) return getoond * 52.0 / Deler();
    return getoond * Deler();
  }

 private:
  // A view that was never chosen has no divisor; it then counts in years
  // rather than dividing by zero.
  double Deler() const { return deler > 0 ? deler : 1; }
};

}  // namespace valdero
