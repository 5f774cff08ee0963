#pragma once
// What a new account brings along: its own group, and for a loan the three
// loan groups and the booking of the loan itself; and what goes when an
// account is deleted.

#include <functional>

namespace valdero {

class Kasboek;
struct Lening;

// Appends the account's own group (code = its number text) when it has none.
// The transfer account 99 has no own group.
void EnsureAccountGroup(Kasboek& kb, int positie, const Lening& lening);

// Inserts the loan group and its interest and repayment sub-groups at their
// place in code order. Returns false, after the warning, when the code or the
// title is already in use.
bool AddLoanGroups(Kasboek& kb, const Lening& lening);

// Books the loan on its account in the loan group; the caller rebuilds the
// balance matrix.
void PostLoanBooking(Kasboek& kb, const Lening& lening);

// How the book is written after transactions were removed.
using BoekBewaarFunctie = std::function<void(Kasboek&)>;

// Deletes the account at the list position together with its own group, and
// asks whether its transactions go too. On Ja they are removed, the rest is
// renumbered, the book is saved through `bewaar` and the count is reported.
// On Nee they stay, carrying a number no account has; the balance matrix
// leaves them out, as a rebuild would. Returns false for a position outside
// the list.
bool DeleteAccount(Kasboek& kb, int positie, const BoekBewaarFunctie& bewaar);

}  // namespace valdero
