#pragma once
// One reader per bank layout: it turns the lines of a file into import lines
// through the helpers of the run (dates, amounts, currencies, account
// matching, messages). Everything after it sees only TNewKas.

#include <string>
#include <vector>

namespace valdero {

class BankImport;

class BankLezer {
 public:
  virtual ~BankLezer() = default;
  virtual int Formaat() const = 0;
  // Whether the file's lines look like this layout ("&Automatisch").
  virtual bool Herkent(const std::vector<std::string>& regels) const = 0;
  // Reads run.Regels() into run's import lines; errors go through the run.
  virtual void Lees(BankImport& run) const = 0;
};

// The reader of a layout number (0..9, QIF, OFX); nullptr for another number.
const BankLezer* LezerVoorFormaat(int formaat);
// The first reader that recognises the lines, the most particular first;
// nullptr when none does.
const BankLezer* HerkenLezer(const std::vector<std::string>& regels);

}  // namespace valdero
