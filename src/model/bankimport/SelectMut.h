#pragma once
// The account or group selection ("Rekening / Groep Selectie"): the list it
// shows and how the chosen text is read back. The window (or a script) only
// shows the entries and hands back the text of the one chosen.

#include <optional>
#include <string>
#include <vector>

namespace valdero {

class Kasboek;

class SelectMut {
 public:
  enum class Soort { Rekening, Groep };

  // Account mode: `aantal` -1 or the number of accounts lists every account,
  // otherwise the accounts in `matches`. Group mode: `positie` is the group
  // shown first; 0 or less shows "nnnn".
  static SelectMut Rekeningen(const Kasboek& kb, int aantal, const std::vector<int>& matches);
  static SelectMut Groepen(const Kasboek& kb, std::optional<int> positie);

  Soort soort() const { return soort_; }
  std::string Titel() const;
  std::string Label() const;
  const std::vector<std::string>& Regels() const { return regels_; }
  const std::string& EersteTekst() const { return eerste_; }

  // OK on the chosen text. Account mode: the account number, or 0 after the
  // error report for a number that is no account.
  int RekeningUit(Kasboek& kb, const std::string& tekst) const;
  // Group mode: the group code, "nnnn" for a text that is no group.
  std::string GroepUit(const Kasboek& kb, const std::string& tekst) const;

 private:
  Soort soort_ = Soort::Rekening;
  bool opNaam_ = false;
  std::vector<std::string> regels_;
  std::string eerste_;
};

// Shows the selection modally: the chosen text, or nothing when cancelled.
class SelectMutVoerder {
 public:
  virtual ~SelectMutVoerder() = default;
  virtual std::optional<std::string> Kies(const SelectMut& selectie) = 0;
};

// Takes what the selection shows first, as pressing Enter at once would.
class EersteKeuzeVoerder : public SelectMutVoerder {
 public:
  std::optional<std::string> Kies(const SelectMut& selectie) override { return selectie.EersteTekst(); }
};

}  // namespace valdero
