#pragma once
// A message port that records every message and answers from a script:
// used by the tests and by the command-line tool, so nothing ever waits for
// a person.

#include <deque>
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

  std::vector<GetoondBericht> getoond;
  std::vector<BestandsDialoog> dialogen;
  int piepjes = 0;

  // The texts shown, in order; handy in test assertions.
  std::vector<std::string> Teksten() const;
  void Wis() { getoond.clear(); dialogen.clear(); }

 private:
  std::deque<int> antwoorden_;
  std::deque<std::optional<std::string>> bestanden_;
};

}  // namespace valdero
