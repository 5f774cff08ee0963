#pragma once
// The one port through which every message, question and file choice of the
// program passes. The desktop program installs real dialogs; tests and the
// command-line tool install a scripted port that records and answers.

#include <optional>
#include <string>

namespace valdero {

// Kinds of message: they choose the caption and the icon.
enum class BerichtSoort { Waarschuwing = 0, Fout = 1, Informatie = 2, Bevestig = 3, Titel = 4 };

// Button set bits; the buttons appear left to right in bit order.
namespace knop {
constexpr int Bij = 1;
constexpr int Af = 2;
constexpr int Ja = 4;
constexpr int Nee = 8;
constexpr int OK = 16;
constexpr int Schrap = 32;
constexpr int Breek = 64;
constexpr int Opnieuw = 128;
constexpr int Negeren = 256;
constexpr int Alles = 512;
constexpr int AllesNee = 1024;
constexpr int AllesJa = 2048;
constexpr int Help = 4096;
constexpr int JaNee = Ja | Nee;
}  // namespace knop

// Results of the buttons.
namespace antwoord {
constexpr int OK = 1;
constexpr int Schrap = 2;  // also: dialog closed by its frame
constexpr int Afbreken = 3;
constexpr int Opnieuw = 4;
constexpr int Negeer = 5;
constexpr int Ja = 6;
constexpr int Nee = 7;
constexpr int Alle = 8;
constexpr int NeeVoorAlle = 9;
constexpr int JaVoorAlle = 10;
}  // namespace antwoord

// What a file dialog shows. The filter is in the "Omschrijving|*.ext" form.
struct BestandsDialoog {
  std::string titel;
  std::string filter;
  std::string standaardExtensie;
  std::string voorgesteldeNaam;
  std::string map;  // the folder the dialog starts in
};

// The question for the passphrase of an encrypted book: typed masked.
struct WachtwoordzinVraag {
  std::string titel;
  std::string tekst;
  // A new passphrase is set: it is typed twice.
  bool nieuw = false;
  // Why it is asked again ("Wachtwoordzin onjuist ..."); empty the first time.
  std::string melding;
};

class Berichten {
 public:
  virtual ~Berichten() = default;

  // Shows the message modally and returns the result of the button pressed.
  virtual int BerichtDlg(const std::string& tekst, BerichtSoort soort, int knoppen,
                         int helpTopic = 0) = 0;
  // The open and save dialogs; nullopt when cancelled. The answer is a path.
  virtual std::optional<std::string> OpenDialoog(const BestandsDialoog& dialoog) = 0;
  virtual std::optional<std::string> BewaarDialoog(const BestandsDialoog& dialoog) = 0;
  virtual void Piep() {}
  // The passphrase typed; nullopt when the user stopped (and where there is
  // nobody to ask).
  virtual std::optional<std::string> VraagWachtwoordzin(const WachtwoordzinVraag& vraag) {
    static_cast<void>(vraag);
    return std::nullopt;
  }
};

}  // namespace valdero
