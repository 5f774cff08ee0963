#pragma once
// A message port that records every message and answers from a script:
// used by the tests and by the command-line tool, so nothing ever waits for
// a person.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/core/Berichten.h"

namespace valdero {

struct GetoondBericht {
  BerichtSoort soort;
  int knoppen;
  std::string tekst;
  int antwoord;
};

class ScriptBerichten : public Berichten {
 public:
  // Answers given when the script runs out: questions get the standard
  // answer (Nee unless set), messages with an OK button get OK.
  int standaardAntwoord = antwoord::Nee;

  void Antwoord(int a) { antwoorden_.push_back(a); }
  void Bestand(std::optional<std::string> pad) { bestanden_.push_back(std::move(pad)); }

  int BerichtDlg(const std::string& tekst, BerichtSoort soort, int knoppen, int helpTopic) override;
  std::optional<std::string> OpenDialoog(const BestandsDialoog& dialoog) override;
  std::optional<std::string> BewaarDialoog(const BestandsDialoog& dialoog) override;
  void Piep() override { ++piepjes; }
  // Passphrases: the scripted ones in order, then what `wachtwoordzinBron`
  // gives (the command-line tool reads the terminal or a file there), else
  // none.
  void Wachtwoordzin(std::optional<std::string> zin) { zinnen_.push_back(std::move(zin)); }
  std::function<std::optional<std::string>(const WachtwoordzinVraag&)> wachtwoordzinBron;
  std::optional<std::string> VraagWachtwoordzin(const WachtwoordzinVraag& vraag) override;
  std::vector<WachtwoordzinVraag> zinVragen;

  std::vector<GetoondBericht> getoond;
  std::vector<BestandsDialoog> dialogen;
  int piepjes = 0;

  // The texts shown, in order; handy in test assertions.
  std::vector<std::string> Teksten() const;
  void Wis() { getoond.clear(); dialogen.clear(); }

 private:
  std::deque<int> antwoorden_;
  std::deque<std::optional<std::string>> bestanden_;
  std::deque<std::optional<std::string>> zinnen_;
};

}  // namespace valdero
