#pragma once
// The rules of the groups manager: its list of groups with their balances,
// the hints, the title chooser and what adding, changing and deleting a
// group does to the book. The group dialog itself is run by the window.

#include <functional>
#include <string>
#include <vector>

namespace valdero {

class Kasboek;

struct GroepRegel {
  std::string kode;
  std::string titel;
  std::string klasse;
  std::string saldo;  // formatted in the display currency
  bool negatief = false;
};

class GroepBeheer {
 public:
  // How the book is saved on "&OK"; the window passes BewaarBoek.
  using Bewaarder = std::function<void(Kasboek&)>;

  GroepBeheer(Kasboek& kb, Bewaarder bewaar);

  static std::string Titel() { return "Groepen Overzicht"; }
  static constexpr int HelpContext = 214;

  // Refills the list: one line per group, its balance the sum of the
  // amounts of all transactions carrying its code.
  void Vul();
  const std::vector<GroepRegel>& Regels() const { return regels_; }
  std::vector<std::string> Titels() const;
  static std::string Hint(int x);

  // The selected line, 0-based; -1 when the list is empty.
  int Gekozen() const { return gekozen_; }
  void Kies(int regel);
  // Selects the first group with that title; false when there is none.
  bool KiesTitel(const std::string& titel);
  // The selected group's position in the groups list (0 when none).
  int GroepPositie() const { return gekozen_ + 1; }

  // After the group dialog created a group at the selected position.
  void NaNieuweGroep(bool gelukt, const std::string& kode);
  // After the group dialog changed the selected group that had `oudeKode`.
  void NaBewerken(const std::string& oudeKode);
  void Verwijder();

  bool Gewijzigd() const { return gewijzigd_; }
  // "&OK": saves the book when something changed.
  void Ok();

 private:
  Kasboek& kb_;
  Bewaarder bewaar_;
  std::vector<GroepRegel> regels_;
  int gekozen_ = -1;
  bool gewijzigd_ = false;
};

}  // namespace valdero
