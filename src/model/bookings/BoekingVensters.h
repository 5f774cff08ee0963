#pragma once
// What the booking model asks of other windows besides the record picker
// (RecordKiezer, answered by the search dialog): the group dialog that
// creates a missing group, and the caller that wants to redraw itself after
// a change it started. The booking window fills these in; tests and the
// command-line tool script them.

#include <optional>
#include <string>
#include <vector>

#include "model/bookings/RecordKiezer.h"

namespace valdero {

class Kasboek;

class BoekingVensters {
 public:
  virtual ~BoekingVensters() = default;
  // Creates a group at the end of the groups list through the group dialog;
  // the code of the new group, or nullopt when the dialog failed or was
  // cancelled.
  virtual std::optional<std::string> NieuweGroep(Kasboek& kb, const std::string& kode,
                                                 const std::string& titel,
                                                 const std::string& klasse) = 0;
  // The search dialog or overview window that started a change of one record.
  virtual void VerversAanvrager(int /*modus*/) {}
};

// Picks from a fixed list of answers and creates groups without a dialog:
// the tests and the command-line tool.
class VasteVensters : public RecordKiezer, public BoekingVensters {
 public:
  struct Vraag {
    int modus;
    std::string titel;
  };
  // Picked positions, consumed front to back; none left = cancel.
  struct Keuze {
    std::vector<int> posities;
    bool kopie = false;
  };
  std::vector<Keuze> keuzes;
  bool groepMaken = true;  // false: the group dialog reports failure
  std::vector<Vraag> gevraagd;
  int ververst = 0;

  KiesResultaat KiesRecord(int modus, const std::string& titel) override;
  std::optional<std::string> NieuweGroep(Kasboek& kb, const std::string& kode,
                                         const std::string& titel,
                                         const std::string& klasse) override;
  void VerversAanvrager(int) override { ++ververst; }
};

}  // namespace valdero
