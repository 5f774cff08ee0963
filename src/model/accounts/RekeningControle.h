#pragma once
// The checks an account number and kind must pass, wherever they are typed:
// in the accounts table and in the account dialog.

#include <optional>
#include <string>

namespace valdero {

class Kasboek;
struct TBank;

// The number check: 1..98 pass; 99 passes too, after the question whether it
// is the transfer account (asked until confirmed once while the program runs);
// once confirmed, `rekening` becomes "TRANSFER REKENING" of kind "TR" (kTransferSoort).
// Returns the number, or nullopt after reporting a refused text.
std::optional<int> ControleerRekNr(Kasboek& kb, const std::string& tekst, TBank& rekening);

// True when no account other than the one at `positie` has the number;
// otherwise reports "RekenFile <nr> bestaat al".
bool RekNrUniek(Kasboek& kb, int rekNr, int positie);

// True when the first two characters are the code of an account kind;
// otherwise reports the text and the row.
bool ControleerSoort(Kasboek& kb, const std::string& tekst, int rij);

// A changed account number takes its own group and its transactions along,
// so that nothing in the ledger is left pointing at a number that is gone.
void VerhuisRekNr(Kasboek& kb, int oud, int nieuw);

// The lowest number from 1 upward that no account has.
int VrijRekNr(const Kasboek& kb);

}  // namespace valdero
