#pragma once
// Long work says how far it has come: loading or saving a large book, a
// report or export of a large year, a bank file of thousands of lines. The
// desktop program shows a progress bar, the command line writes to standard
// error when that is a terminal, a test records the steps. Work that is over
// before anyone could notice shows nothing: the port decides that, from the
// time that has passed, so the work itself just reports.

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace valdero {

// Work may hold other work (every line a reconciliation books saves the
// book): a port that shows progress shows the outermost work and passes over
// the Begin, Stap and Einde of the work inside it.
class Voortgang {
 public:
  virtual ~Voortgang() = default;
  // The work called `wat` ("Inlezen Valdr26.vdr") begins; `totaal` steps.
  virtual void Begin(std::string_view wat, std::uint64_t totaal) = 0;
  // `gedaan` of the total steps are done (never more than the total).
  virtual void Stap(std::uint64_t gedaan) = 0;
  // The work is over, whether it went well or not.
  virtual void Einde() = 0;
};

// The port of work that shows no progress (benchmarks, a test that does not
// look, work the caller wants quiet).
class GeenVoortgang final : public Voortgang {
 public:
  void Begin(std::string_view, std::uint64_t) override {}
  void Stap(std::uint64_t) override {}
  void Einde() override {}
};

// One piece of work on a port: Begin when made, Einde when
// gone (also when the work stops early), and of all the steps only those that
// move the count on by a hundredth of the total reach the port, so that a
// loop can report every record without cost. The step that reaches the total
// always reaches the port, once; steps never go back.
class VoortgangMelder {
 public:
  VoortgangMelder(Voortgang& poort, std::string_view wat, std::uint64_t totaal)
      : poort_(totaal > 0 ? &poort : nullptr),
        totaal_(totaal),
        stap_(totaal / 100 > 0 ? totaal / 100 : 1),
        volgende_(poort_ ? 0 : kNooit) {
    if (poort_) poort_->Begin(wat, totaal_);
  }
  ~VoortgangMelder() {
    if (poort_) poort_->Einde();
  }
  VoortgangMelder(const VoortgangMelder&) = delete;
  VoortgangMelder& operator=(const VoortgangMelder&) = delete;

  // Between two hundredths, one comparison.
  void Stap(std::uint64_t gedaan) {
    if (gedaan < volgende_ || !poort_) return;
    if (gedaan > totaal_) gedaan = totaal_;
    poort_->Stap(gedaan);
    volgende_ = gedaan >= totaal_ ? kNooit : (gedaan + stap_ < totaal_ ? gedaan + stap_ : totaal_);
  }

 private:
  static constexpr std::uint64_t kNooit = std::numeric_limits<std::uint64_t>::max();
  Voortgang* poort_;
  std::uint64_t totaal_;
  std::uint64_t stap_;
  std::uint64_t volgende_;
};

}  // namespace valdero
