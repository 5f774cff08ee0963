#pragma once
// The error report and the plain information message, on top of the message
// port. The error report records the first error number in IOStatus.

#include <string>

namespace valdero {

class Kasboek;

// Error phrases by number (0..12) and hints by number (0..15).
const std::string& FoutZin(int nummer);
const std::string& Hint(int nummer);

// text + error phrase + "\n\r" + hint, kind Fout, OK; then IOStatus := fout
// when it was 0, then the beep.
void Foutmelding(Kasboek& kb, const std::string& tekst, int fout, int hint);
// The information message with an OK button.
void Mededeling(Kasboek& kb, const std::string& tekst);
// A question with Ja and Nee; true for Ja.
bool Vraag(Kasboek& kb, const std::string& tekst);

}  // namespace valdero
