// The command-line tool's progress line: written on a terminal only, after
// the work has run a moment, rewritten in place, wiped at the end.

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/cli/TerminalVoortgang.h"

namespace valdero {
namespace {

struct NepKlok {
  double nu = 100;
};

TEST(CliVoortgang, AOneLineProgressRewrittenInPlaceAndWipedAtTheEnd) {
  std::ostringstream uit;
  NepKlok klok;
  cli::TerminalVoortgang voortgang(uit, [&klok] { return klok.nu; });
  voortgang.Begin("Inlezen Valdr26.vdr", 200);
  voortgang.Stap(10);  // within the first moment: nothing yet
  EXPECT_EQ(uit.str(), "");
  klok.nu += 0.5;
  voortgang.Stap(84);
  EXPECT_EQ(uit.str(), "\rInlezen Valdr26.vdr  42%");
  voortgang.Stap(85);  // the same percentage: not written again
  // Work inside the work shows as the work itself.
  voortgang.Begin("Bewaren Valdr26.vdr", 10);
  voortgang.Stap(9);
  voortgang.Einde();
  voortgang.Stap(200);
  EXPECT_EQ(uit.str(), "\rInlezen Valdr26.vdr  42%\rInlezen Valdr26.vdr  100%");
  voortgang.Einde();
  const std::string wis = "\r" + std::string(std::string("Inlezen Valdr26.vdr  100%").size(), ' ') + "\r";
  EXPECT_EQ(uit.str(), "\rInlezen Valdr26.vdr  42%\rInlezen Valdr26.vdr  100%" + wis);
}

TEST(CliVoortgang, WorkOverWithinAMomentWritesNothing) {
  std::ostringstream uit;
  NepKlok klok;
  cli::TerminalVoortgang voortgang(uit, [&klok] { return klok.nu; });
  voortgang.Begin("Overzicht opbouwen", 1000);
  for (std::uint64_t i = 0; i <= 1000; i += 10) {
    klok.nu += 0.001;
    voortgang.Stap(i);
  }
  voortgang.Einde();
  voortgang.Einde();  // a stray end changes nothing
  EXPECT_EQ(uit.str(), "");
}

// Scripts, pipes and files see exactly what they saw before: no port at all.
TEST(CliVoortgang, OnlyATerminalGetsAProgressLine) {
  std::ostringstream uit;
  int pijp[2];
  ASSERT_EQ(::pipe(pijp), 0);
  EXPECT_EQ(cli::VoortgangOpTerminal(pijp[1], uit), nullptr);
  ::close(pijp[0]);
  ::close(pijp[1]);
  const int leeg = ::open("/dev/null", O_WRONLY);
  ASSERT_GE(leeg, 0);
  EXPECT_EQ(cli::VoortgangOpTerminal(leeg, uit), nullptr);
  ::close(leeg);

  const int meester = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (meester < 0) GTEST_SKIP() << "geen pseudo-terminal op deze machine";
  ASSERT_EQ(::grantpt(meester), 0);
  ASSERT_EQ(::unlockpt(meester), 0);
  const int terminal = ::open(::ptsname(meester), O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0);
  EXPECT_NE(cli::VoortgangOpTerminal(terminal, uit), nullptr);
  ::close(terminal);
  ::close(meester);
}

}  // namespace
}  // namespace valdero
