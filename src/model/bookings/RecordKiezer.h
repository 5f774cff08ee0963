#pragma once
// The record picker the booking window asks for the record to change, copy,
// delete or transfer. The desktop program answers with the search dialog;
// tests can answer with a fixed choice.

#include <string>
#include <vector>

namespace valdero {

struct KiesResultaat {
  bool gekozen = false;
  // List position of the picked record; with several rows picked, that of
  // the bottom row.
  int positie = 0;
  // Number of picked rows minus one.
  int extraRijen = 0;
  // Picked with "&Kopie": the booking starts a new record from it.
  bool kopie = false;
  // Every picked list position, ascending. The rows of a multi-row pick
  // need not be adjacent, so deleting must use these and not a range.
  std::vector<int> posities;
};

class RecordKiezer {
 public:
  virtual ~RecordKiezer() = default;
  // Shows the transactions listed for the booking mode and waits for a pick.
  virtual KiesResultaat KiesRecord(int modus, const std::string& titel) = 0;
};

}  // namespace valdero
