#pragma once
// The error report and the plain information message, on top of the message
// port. The error report records the first error number in IOStatus.

#include <string>

#include "model/core/Status.h"

namespace valdero {

class Kasboek;

// The phrase of an error number and the text of a hint.
const std::string& FoutZin(FoutNr fout);
const std::string& Hint(HintNr hint);

// text + error phrase + "\n\r" + hint, kind Fout, OK; then IOStatus := fout
// when it was 0, then the beep.
void Foutmelding(Kasboek& kb, const std::string& tekst, FoutNr fout, HintNr hint);
// The information message with an OK button.
void Mededeling(Kasboek& kb, const std::string& tekst);
// A question with Ja and Nee; true for Ja.
bool Vraag(Kasboek& kb, const std::string& tekst);

}  // namespace valdero
