#pragma once
// The year as a journal in the common plain-text accounting format (as read
// by ledger and hledger), for users who also keep their books that way.
//
// One entry per transaction: its date, the relation and the description, and
// two postings: the account ("Rekeningen:<nr> <name>") receives the amount,
// the group ("Groepen:<code> <name>") the opposite. Amounts are in the base
// currency with its code. The two legs of a transfer (both booked on the
// cross-posting group) become one entry between the two accounts. Only
// transactions that the balance matrix counts (known account and group) are
// written, so that the journal's balance per account equals the book's.

#include <functional>
#include <string>
#include <string_view>

namespace valdero {

class Kasboek;

// The journal as UTF-8 text with line feeds; `wat` names the work in its
// progress.
std::string JournaalTekst(Kasboek& kb, std::string_view wat = "Journaal maken");
// The same text handed to `schrijf` in pieces as it is made, entry by entry
// (a piece never ends inside an entry).
void SchrijfJournaal(Kasboek& kb, const std::function<void(std::string_view)>& schrijf,
                     std::string_view wat = "Journaal maken");

}  // namespace valdero
