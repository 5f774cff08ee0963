#pragma once
// The password of a book: the check after loading (three tries) and setting
// it (typed twice). The dialog is only a screen: what it shows is decided
// here, and the port that shows it hands back the typed text.

#include <string>

namespace valdero {

class Kasboek;

// What the password dialog shows, and the text typed into it.
struct WachtwoordScherm {
  std::string Titel;
  std::string Label;
  std::string Status;  // the status line at the bottom
  bool LabelZichtbaar = true;
  bool InvoerZichtbaar = true;
  bool SchrapZichtbaar = false;
  int Pogingen = 0;
  std::string Invoer;
};

// Shows the dialog modally once; returns 1 for OK, 2 for "Schrap" (also when
// the dialog is closed by its frame).
class WachtwoordVoerder {
 public:
  virtual ~WachtwoordVoerder() = default;
  virtual int Toon(WachtwoordScherm& scherm) = 0;
};

enum class WachtwoordModus { Controle, Zet };
WachtwoordScherm BereidWachtwoordScherm(WachtwoordModus modus);

// Loads the stored password and asks for it unless the book has none.
// Returns the password-accepted flag; the caller ends the program when false.
bool ControleerWachtwoord(Kasboek& kb, WachtwoordVoerder& voerder);

// Asks for a new password twice and saves the book with it. Returns false
// when cancelled: the password stays as it was.
bool ZetWachtwoord(Kasboek& kb, WachtwoordVoerder& voerder);

}  // namespace valdero
