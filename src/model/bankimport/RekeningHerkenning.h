#pragma once
// Own and counter accounts of a bank line are recognised by the digits in
// the accounts' names: the account dialog asks the user to type the bank's
// number into the name ("Betaal 123456789", "Spaarrekening 4.56").

#include <string>
#include <vector>

namespace valdero {

class Kasboek;

// A Dutch IBAN (NLkk BANK 0123456789) becomes its account number without
// leading zeros; another IBAN keeps its first 12 characters; any other text
// is returned trimmed. Blanks inside an IBAN are ignored.
std::string ReduceerRekeningNummer(const std::string& tekst);

// The digits in a text, in order.
std::string NaamCijfers(const std::string& naam);

struct RekeningMatch {
  int rekNr = 0;                // the account when exactly one matched, else 0
  int aantal = -1;              // -1 none, else the number of accounts matched
  std::vector<int> rekeningen;  // the numbers of every account that matched
};

// Trims the text, reduces an IBAN, removes leading zeros (keeping at least
// one character) and writes it back; then collects the accounts whose name
// digits equal it. An empty text matches nothing: a wallet or the transfer
// account has no digits in its name and must not become every card payment's
// counter account.
RekeningMatch MatchOwnAccount(const Kasboek& kb, std::string& tekst);
// The same; on a match the text becomes the name of the matching account.
RekeningMatch MatchCounterAccount(const Kasboek& kb, std::string& tekst);

// The first 24 characters of the name of the first account whose name
// digits equal the digits given; empty when none.
std::string AccountNameByDigits(const Kasboek& kb, const std::string& cijfers);
// The digits in the name of the account with that number; reports
// "Geen Rekening gevonden: " + number when no account has it.
std::string AccountNameDigits(Kasboek& kb, int rekNr);

}  // namespace valdero
