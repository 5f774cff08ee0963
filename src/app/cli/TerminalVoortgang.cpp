#include "app/cli/TerminalVoortgang.h"

#include <unistd.h>

#include <chrono>
#include <ostream>

namespace valdero::cli {

TerminalVoortgang::TerminalVoortgang(std::ostream& uit, std::function<double()> nu, double wacht)
    : uit_(uit), nu_(std::move(nu)), wacht_(wacht) {}

void TerminalVoortgang::Begin(std::string_view wat, std::uint64_t totaal) {
  if (diepte_++ > 0) return;
  wat_ = wat;
  totaal_ = totaal;
  begin_ = nu_();
  procent_ = -1;
  breedte_ = 0;
}

void TerminalVoortgang::Stap(std::uint64_t gedaan) {
  if (diepte_ != 1 || totaal_ == 0) return;
  const int procent = static_cast<int>((gedaan >= totaal_ ? totaal_ : gedaan) * 100 / totaal_);
  if (procent == procent_) return;
  if (breedte_ == 0 && nu_() - begin_ < wacht_) return;
  procent_ = procent;
  const std::string regel = wat_ + "  " + std::to_string(procent) + "%";
  // A shorter line than the one on screen (never, as the count only goes
  // up, but a name may change) would leave the old end standing.
  const std::size_t breedte = regel.size() < breedte_ ? breedte_ : regel.size();
  uit_ << '\r' << regel << std::string(breedte - regel.size(), ' ');
  uit_.flush();
  breedte_ = breedte;
}

void TerminalVoortgang::Einde() {
  if (diepte_ == 0 || --diepte_ > 0) return;
  if (breedte_ > 0) {
    uit_ << '\r' << std::string(breedte_, ' ') << '\r';
    uit_.flush();
  }
  breedte_ = 0;
}

std::unique_ptr<Voortgang> VoortgangOpTerminal(int fd, std::ostream& uit) {
  if (::isatty(fd) != 1) return nullptr;
  return std::make_unique<TerminalVoortgang>(uit, [] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  });
}

}  // namespace valdero::cli
