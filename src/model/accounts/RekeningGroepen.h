#pragma once
// What a new account brings along: its own group, and for a loan the three
// loan groups and the booking of the loan itself.

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

}  // namespace valdero
