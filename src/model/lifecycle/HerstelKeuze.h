#pragma once
// The restore window's model: the restore points of the open book as rows
// (date and time, number of transactions), newest first, and putting the
// chosen one back after the user agreed.

#include <string>
#include <vector>

#include "model/storage/Herstelpunten.h"

namespace valdero {

class Kasboek;

class HerstelKeuze {
 public:
  explicit HerstelKeuze(Kasboek& kb);

  int Aantal() const { return static_cast<int>(punten_.size()); }
  std::string Datum(int rij) const;        // "01-05-2008 09:00:00"
  std::string Transacties(int rij) const;  // "1234"

  // Asks "Herstelpunt van ... terugzetten?" and puts the point back. True
  // when the book on disk was replaced: the caller opens it again.
  bool ZetTerug(int rij);

 private:
  Kasboek& kb_;
  std::vector<Herstelpunt> punten_;
};

}  // namespace valdero
