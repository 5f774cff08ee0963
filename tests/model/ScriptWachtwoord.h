#pragma once
// Answers the password dialog from a script and keeps every screen it showed.

#include <string>
#include <utility>
#include <vector>

#include "model/settings/Wachtwoord.h"

namespace valdero::test {

struct ScriptWachtwoord : WachtwoordVoerder {
  // (button result, typed text) per showing; past the script: "Schrap".
  std::vector<std::pair<int, std::string>> antwoorden;
  std::vector<WachtwoordScherm> getoond;

  int Toon(WachtwoordScherm& s) override {
    getoond.push_back(s);
    if (getoond.size() > antwoorden.size()) return 2;
    const auto& [knop, tekst] = antwoorden[getoond.size() - 1];
    s.Invoer = tekst;
    return knop;
  }

  std::vector<std::string> Statussen() const {
    std::vector<std::string> s;
    for (const auto& g : getoond) s.push_back(g.Status);
    return s;
  }
};

}  // namespace valdero::test
