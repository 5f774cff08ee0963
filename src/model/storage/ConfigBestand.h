#pragma once
// The configuration file (".cfg") beside every book: account kinds, classes,
// currencies and the TConfig record; and the default tables used when it is
// missing or damaged.

#include "model/core/Status.h"

namespace valdero {

class Kasboek;

// Reads the configuration beside the book; a missing one is made from the
// defaults, a damaged one reported and replaced by them. The first failure
// also goes into IOStatus, after what the load before it left there.
Status LeesConfig(Kasboek& kb);
void StandaardConfig(Kasboek& kb);
// Writes the configuration; a failure is reported and goes into IOStatus.
Status SchrijfConfig(Kasboek& kb);
// Measures the printer of the printer port (fixed measures without one);
// with reset the printer font is first set to "MS Sans Serif", 10.
void MeetPrinter(Kasboek& kb, bool reset);
// Collects the first two characters of every kind's name for the account
// dialog.
void VerzamelSoortKodes(Kasboek& kb);

}  // namespace valdero
