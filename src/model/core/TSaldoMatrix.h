#pragma once
// The balance matrix as a value that keeps itself whole: a rectangle of
// cells, one row per group position plus a totals row, one cell per account
// position plus a totals cell, where every amount sits on the side (In or
// Uit) it was booked on. Code outside reads it; it changes only through the
// operations below, each of which keeps the totals equal to the sum of the
// cells and the shape rectangular.

#include <cstddef>
#include <vector>

#include "model/core/Records.h"

namespace valdero {

class TSaldoMatrix {
 public:
  using const_iterator = std::vector<TKasValue>::const_iterator;

  // A matrix of zero cells for groups 0..maxGroep and accounts 0..maxRek,
  // with the totals row and column after them.
  void Maak(int maxGroep, int maxRek);
  // No matrix at all (no book, or one that must be rebuilt first).
  void Wis() { rijen_.clear(); }

  // True when the matrix has the shape of lists ending at these positions.
  bool VanVorm(int maxGroep, int maxRek) const;

  // The cell, or nullptr when the matrix has no such cell.
  const TInUit* Cel(std::size_t groep, std::size_t rekening) const;

  // Adds an amount to a cell, its group total, its account total and the
  // grand total: a positive amount to In, any other to Uit. False, with
  // nothing changed, when the cell or a total is missing.
  bool Boek(std::size_t groep, std::size_t rekening, double bedrag);
  // Takes back an amount that Boek added, from the same side it went to, so
  // removing a posting of +100 lowers In and leaves Uit alone.
  bool Haal(std::size_t groep, std::size_t rekening, double bedrag);

  // A group (account) leaves its list: its row (column) goes and its amounts
  // leave the totals. A matrix not of the book's shape is left alone.
  void SchrapRij(std::size_t groep);
  void SchrapKolom(std::size_t rekening);
  // A new group without transactions comes in at this position.
  void VoegRijIn(std::size_t groep);
  // The groups (accounts) were put in a new order: volgorde[i] is the old
  // position of what is now at i, for positions 1.. up to the totals, which
  // stay where they are.
  void HerschikRijen(const std::vector<std::size_t>& volgorde);
  void HerschikKolommen(const std::vector<std::size_t>& volgorde);

  // Reading as a list of rows.
  std::size_t size() const { return rijen_.size(); }
  bool empty() const { return rijen_.empty(); }
  const TKasValue& operator[](std::size_t groep) const { return rijen_[groep]; }
  const TKasValue& back() const { return rijen_.back(); }
  const_iterator begin() const { return rijen_.begin(); }
  const_iterator end() const { return rijen_.end(); }

  // Cell by cell, both sides.
  friend bool operator==(const TSaldoMatrix& a, const TSaldoMatrix& b);

 private:
  bool Rechthoek() const;

  std::vector<TKasValue> rijen_;
};

}  // namespace valdero
