#pragma once
// The state of the main window's currency buttons after the configuration is
// applied: which currency each button stands for, whether it can be used and
// whether it shows the display currency.

#include <string>

namespace valdero {

class Kasboek;

struct ValutaKnop {
  int positie = -1;  // in ValutaLijst; -1 when the currency is missing
  bool aan = false;  // usable
  bool ingedrukt = false;
};

struct ValutaKnoppen {
  ValutaKnop eur, usd, enp;
  ValutaKnop overig;  // "X": one of the other known currencies
};

ValutaKnoppen BepaalValutaKnoppen(const Kasboek& kb);

// The codes the "X" button stands for.
bool IsOverigeValuta(const std::string& kode);

}  // namespace valdero
