#pragma once
// A progress port that records every call, for the tests: what a piece of
// work reported, in order, nested work included.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/core/Voortgang.h"

namespace valdero {

struct VoortgangMelding {
  enum Soort { Begin, Stap, Einde };
  Soort soort;
  std::string wat;          // Begin only
  std::uint64_t waarde = 0; // the total at Begin, the steps done at Stap
};

class OpnameVoortgang : public Voortgang {
 public:
  void Begin(std::string_view wat, std::uint64_t totaal) override {
    meldingen.push_back({VoortgangMelding::Begin, std::string(wat), totaal});
  }
  void Stap(std::uint64_t gedaan) override { meldingen.push_back({VoortgangMelding::Stap, {}, gedaan}); }
  void Einde() override { meldingen.push_back({VoortgangMelding::Einde, {}, 0}); }

  std::vector<VoortgangMelding> meldingen;
};

}  // namespace valdero
