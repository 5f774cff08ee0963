#pragma once
// The error report and the plain information message, on top of the message
// port. Showing a report changes nothing in the book: the operation that
// failed returns how it went, and the command that ran it puts that in
// IOStatus when it ends.

#include <string>

#include "model/core/Status.h"

namespace valdero {

class Kasboek;

// The phrase of an error number and the text of a hint.
const std::string& FoutZin(FoutNr fout);
const std::string& Hint(HintNr hint);

// text + error phrase + "\n\r" + hint, kind Fout, OK; then the beep.
void Foutmelding(Kasboek& kb, const std::string& tekst, FoutNr fout, HintNr hint);
// Where a command of the program ends (loading, saving, reading the
// configuration): its status goes to IOStatus, unless a step before it in
// the same command already put its own failure there.
Status EindeOpdracht(Kasboek& kb, Status status);
// The information message with an OK button.
void Mededeling(Kasboek& kb, const std::string& tekst);
// A question with Ja and Nee; true for Ja.
bool Vraag(Kasboek& kb, const std::string& tekst);

}  // namespace valdero
