#pragma once
// The balance matrix: totals per group and account, kept in step with every
// posting and rebuilt after bulk changes. These operations are the only ones
// that change the book's matrix (Kasboek::SaldoMatrix() reads it), so that it
// stays the sum of the transactions over the accounts and groups of the book.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/core/Status.h"

namespace valdero {

class Kasboek;

// Adds one amount to the cells of its group and account and to the totals.
// The miss counters keep a run of unknown codes to one report each. Fails,
// after its report, when the group or the account does not exist.
Status BoekInMatrix(Kasboek& kb, const std::string& groepKode, int rekNr, bool controleerGroepen,
                    int& rekeningMissers, int& groepMissers, double bedrag);

// Takes a stored amount back out of the cells it was added to, from the side
// it went to: a removed +100 lowers In, not Uit. For a record that leaves the
// list or is changed. Fails, after its report, like BoekInMatrix without the
// group check.
Status HaalUitMatrix(Kasboek& kb, const std::string& groepKode, int rekNr, double bedrag);

// Discards the matrix and rebuilds it from all transactions, offering to
// remove records whose group or account does not exist. Returns the first
// failure, also when the user removed the record that caused it.
Status BouwSaldoMatrix(Kasboek& kb);
// The rebuild after an edit of accounts, groups or many transactions, which
// stands whatever the rebuild finds: what it could not place it has reported
// to the user itself.
inline void HerbouwSaldoMatrix(Kasboek& kb) { static_cast<void>(BouwSaldoMatrix(kb)); }

// The matrix built from transactions as they are read, without keeping
// them: for a load that needs the balances only. Made once the accounts and
// groups are in the book; each amount goes to its cells in the order given,
// so the cells equal those of BouwSaldoMatrix over the same transactions.
// Boek refuses, with nothing changed and nothing reported, an amount whose
// group or account does not exist: the caller then loads the book whole,
// where the rebuild reports it and offers to remove the record.
class SaldoOpbouw {
 public:
  explicit SaldoOpbouw(Kasboek& kb);
  ~SaldoOpbouw();
  // The group code as the file holds it (Windows-1252).
  bool Boek(std::string_view groepKodeCp1252, int rekNr, double bedrag);

 private:
  struct Indexen;
  Kasboek& kb_;
  std::unique_ptr<Indexen> indexen_;
};

// Keep the matrix in step when a group or an account leaves its list: call
// these before the record is removed. The row (column) goes, and its amounts
// leave the totals, so the matrix is what a rebuild would give when the
// records that still carry the removed code or number are left out. A matrix
// not of the book's shape is left alone (it is rebuilt anyway).
void SchrapMatrixRij(Kasboek& kb, int groepPositie);
void SchrapMatrixKolom(Kasboek& kb, int rekPositie);
// A new group without transactions was put in at this position of its list:
// an empty row there. Call it after the insert, with whether the matrix had
// the shape of the lists before it; a matrix that had not is left alone.
void VoegMatrixRijIn(Kasboek& kb, std::size_t groepPositie, bool pastVooraf);
// The accounts (groups) are put in a new order: volgorde[i] is the old
// position of what comes at i. Call it before the list is reordered; a
// matrix not of the book's shape is left alone.
void HerschikMatrixKolommen(Kasboek& kb, const std::vector<std::size_t>& volgorde);
void HerschikMatrixRijen(Kasboek& kb, const std::vector<std::size_t>& volgorde);

// No matrix at all: the book is forgotten, or being read anew and rebuilt
// after.
void WisSaldoMatrix(Kasboek& kb);

}  // namespace valdero
