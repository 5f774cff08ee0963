#pragma once
// What the booking model asks of other windows: the record picker (the
// search dialog), the group dialog that creates a missing group, and the
// caller that wants to redraw itself after a change it started. The booking
// window fills these in; tests and the command-line tool script them.

#include <optional>
#include <string>
#include <vector>

namespace valdero {

class Kasboek;

struct KiesVraag {
  std::string titel;    // "Zoek boeking om te wijzigen", ...
  int modus = 0;        // decides which records the picker lists
  bool meerdere = false;   // multi-row selection (deleting)
  bool kopieKnop = false;  // the "&Kopie" button (planned records)
};

struct Keuze {
  // Picked list positions; several only in multi-row selection. Empty when
  // the user cancelled.
  std::vector<int> posities;
  bool kopie = false;  // picked with "&Kopie"
};

class BoekingVensters {
 public:
  virtual ~BoekingVensters() = default;
  virtual Keuze KiesBoeking(Kasboek& kb, const KiesVraag& vraag) = 0;
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
class VasteVensters : public BoekingVensters {
 public:
  std::vector<Keuze> keuzes;  // consumed front to back; none left = cancel
  bool groepMaken = true;      // false: the group dialog reports failure
  std::vector<KiesVraag> gevraagd;
  int ververst = 0;

  Keuze KiesBoeking(Kasboek& kb, const KiesVraag& vraag) override;
  std::optional<std::string> NieuweGroep(Kasboek& kb, const std::string& kode,
                                         const std::string& titel,
                                         const std::string& klasse) override;
  void VerversAanvrager(int) override { ++ververst; }
};

}  // namespace valdero
