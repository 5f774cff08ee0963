#pragma once
// The progress of long work on a terminal: one line on standard error,
// "Inlezen Valdr26.vdr  42%", rewritten in place with a carriage return and
// wiped when the work ends. Work that is over within a moment writes
// nothing, and where standard error is no terminal (a script, a pipe, a
// file, the tests) there is no port at all, so such output stays exactly as
// it was.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "model/core/Voortgang.h"

namespace valdero::cli {

class TerminalVoortgang : public Voortgang {
 public:
  // `nu`: seconds on a clock that only goes forward; `wacht`: how long work
  // runs before its line appears.
  TerminalVoortgang(std::ostream& uit, std::function<double()> nu, double wacht = 0.3);

  void Begin(std::string_view wat, std::uint64_t totaal) override;
  void Stap(std::uint64_t gedaan) override;
  void Einde() override;

 private:
  std::ostream& uit_;
  std::function<double()> nu_;
  double wacht_;
  int diepte_ = 0;  // work inside work shows as the outer work
  std::string wat_;
  std::uint64_t totaal_ = 0;
  double begin_ = 0;
  int procent_ = -1;
  std::size_t breedte_ = 0;  // of the line on screen, 0 when none
};

// A TerminalVoortgang on `uit` when the file descriptor `fd` (2 for standard
// error) is a terminal; none otherwise.
std::unique_ptr<Voortgang> VoortgangOpTerminal(int fd, std::ostream& uit);

}  // namespace valdero::cli
