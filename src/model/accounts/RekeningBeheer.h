#pragma once
// The rules of the accounts manager: its list of accounts with their
// balances, the hints, the name chooser, and what adding, changing and
// deleting an account does to the book. The account dialog itself is run by
// the dialog's own window through RekeningDialoog.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace valdero {

class Kasboek;
class RekeningDialoog;

// A new account through the dialog at the list position, with everything it
// brings along: the transactions renumbered, its own group, for a loan the
// loan groups and the loan booking, and the balance matrix in the new shape.
// Returns the new account's list position, nothing when none was added.
std::optional<int> NieuweRekeningMetGroepen(Kasboek& kb, RekeningDialoog& dialoog, int positie);

struct RekeningRegel {
  std::string nummer;
  std::string naam;
  std::string soort;
  std::string munt;
  std::string saldo;  // in the account's own currency
  bool negatief = false;
};

class RekeningBeheer {
 public:
  using Bewaarder = std::function<void(Kasboek&)>;

  RekeningBeheer(Kasboek& kb, RekeningDialoog& dialoog, Bewaarder bewaar);

  static std::string Titel() { return "Rekeningen Overzicht"; }
  static constexpr int HelpContext = 213;
  static std::vector<std::string> Koppen() { return {"Nr.", "Soort ", "Munt", "Saldo"}; }
  static std::string Hint(int x);

  // Refills the list: one line per account that has a name.
  void Vul();
  const std::vector<RekeningRegel>& Regels() const { return regels_; }
  std::vector<std::string> Namen() const;

  // The selected line, 0-based; -1 when the list is empty.
  int Gekozen() const { return gekozen_; }
  void Kies(int regel);
  bool KiesNaam(const std::string& naam);
  // The selected account's position in the account list (0 when none).
  int RekPositie() const;

  void Nieuw();
  void Bewerk();
  void Verwijder();

  bool Gewijzigd() const { return gewijzigd_; }
  // "&OK": saves the book when something changed.
  void Ok();

 private:
  void KiesPositie(int positie);

  Kasboek& kb_;
  RekeningDialoog& dialoog_;
  Bewaarder bewaar_;
  std::vector<RekeningRegel> regels_;
  std::vector<int> posities_;  // list position per line
  int gekozen_ = -1;
  bool gewijzigd_ = false;
};

}  // namespace valdero
