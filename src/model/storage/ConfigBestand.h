#pragma once
// The configuration file (".cfg") beside every book: account kinds, classes,
// currencies and the TConfig record; and the default tables used when it is
// missing or damaged.

namespace valdero {

class Kasboek;

void LeesConfig(Kasboek& kb);
void StandaardConfig(Kasboek& kb);
void SchrijfConfig(Kasboek& kb);
// Measures the printer of the printer port (fixed measures without one);
// with reset the printer font is first set to "MS Sans Serif", 10.
void MeetPrinter(Kasboek& kb, bool reset);
// Collects the first two characters of every kind's name for the account
// dialog.
void VerzamelSoortKodes(Kasboek& kb);

}  // namespace valdero
