#include "app/cli/CliWachtwoord.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <ostream>

#include "model/core/Kasboek.h"
#include "model/settings/Wachtwoord.h"
#include "model/storage/Bestanden.h"
#include "model/storage/BoekLaden.h"

namespace valdero::cli {
namespace {

// The dialog's turns: the file gives its answer once (reading it again
// would only give the same wrong answer); the terminal asks each time,
// saying what the dialog's status line says.
class CliWachtwoordVoerder final : public WachtwoordVoerder {
 public:
  CliWachtwoordVoerder(Omgeving& omgeving, std::optional<std::string> uitBestand)
      : omgeving_(omgeving), uitBestand_(std::move(uitBestand)) {}

  int Toon(WachtwoordScherm& scherm) override {
    scherm.Invoer.clear();
    if (!scherm.InvoerZichtbaar) return 1;
    if (uitBestand_) {
      if (beurten_++ == 0) scherm.Invoer = *uitBestand_;
      return 1;
    }
    if (!omgeving_.leesWachtwoord || geenTerminal_) return 2;
    const std::string vraag =
        (beurten_++ == 0 ? std::string() : scherm.Status + "\n") + scherm.Label + ": ";
    const auto getypt = omgeving_.leesWachtwoord(vraag);
    if (!getypt) {
      geenTerminal_ = true;
      return 2;
    }
    scherm.Invoer = *getypt;
    return 1;
  }
  bool GeenTerminal() const { return geenTerminal_ || !omgeving_.leesWachtwoord; }

 private:
  Omgeving& omgeving_;
  std::optional<std::string> uitBestand_;
  int beurten_ = 0;
  bool geenTerminal_ = false;
};

}  // namespace

// Blanks belong to the password: the no-password value itself ends in one.
std::optional<std::string> EersteRegel(const std::filesystem::path& pad, Bestandssysteem& bestanden) {
  std::vector<std::uint8_t> inhoud;
  if (!LeesBestand(pad, inhoud, bestanden)) return std::nullopt;
  std::string tekst(inhoud.begin(), inhoud.end());
  tekst = tekst.substr(0, tekst.find('\n'));
  if (!tekst.empty() && tekst.back() == '\r') tekst.pop_back();
  return tekst;
}

void ZetWachtwoordzinBron(Omgeving& omgeving, CliBoek& boek, const CliOpties& opties) {
  if (opties.wachtwoordBestand) {
    auto uitBestand = std::make_shared<std::optional<std::string>>(
        EersteRegel(boek.kb.Pad(*opties.wachtwoordBestand), boek.kb.bestanden()));
    boek.berichten.wachtwoordzinBron = [uitBestand](const WachtwoordzinVraag&) {
      // The file's answer once: asking again would only give the same one.
      std::optional<std::string> zin = std::move(*uitBestand);
      uitBestand->reset();
      return zin;
    };
    return;
  }
  WachtwoordLezer lezer = omgeving.leesWachtwoord;
  boek.berichten.wachtwoordzinBron = [lezer](const WachtwoordzinVraag& vraag) -> std::optional<std::string> {
    if (!lezer) return std::nullopt;
    return lezer((vraag.melding.empty() ? std::string() : vraag.melding + "\n") + vraag.tekst + " ");
  };
}

bool ControleerCliWachtwoord(Omgeving& omgeving, std::string_view opdracht, CliBoek& boek,
                             const CliOpties& opties) {
  Kasboek& kb = boek.kb;
  if (!kb.GroepGelezen) return true;
  std::optional<std::string> uitBestand;
  if (opties.wachtwoordBestand) {
    uitBestand = EersteRegel(kb.Pad(*opties.wachtwoordBestand), kb.bestanden());
    if (!uitBestand) {
      omgeving.fout << "valdero-cli " << opdracht << ": wachtwoordbestand " << *opties.wachtwoordBestand
                    << " niet te lezen\n";
      VergeetBoek(kb);
      return false;
    }
  }
  CliWachtwoordVoerder voerder(omgeving, uitBestand);
  if (ControleerWachtwoord(kb, voerder)) return true;
  VergeetBoek(kb);
  omgeving.fout << "valdero-cli " << opdracht << ": "
                << (!uitBestand && voerder.GeenTerminal()
                        ? "boek heeft een wachtwoord; geef het op de terminal of met --wachtwoord-bestand BESTAND"
                        : std::string("wachtwoord onjuist, geen toegang"))
                << "\n";
  return false;
}

std::optional<std::string> LeesWachtwoordVanTerminal(const std::string& vraag) {
  const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY);
  if (tty < 0) return std::nullopt;
  termios oud{};
  const bool stil = ::tcgetattr(tty, &oud) == 0;
  if (stil) {
    termios nieuw = oud;
    nieuw.c_lflag &= static_cast<tcflag_t>(~ECHO);
    nieuw.c_lflag |= ECHONL;
    ::tcsetattr(tty, TCSAFLUSH, &nieuw);
  }
  [[maybe_unused]] const ssize_t w = ::write(tty, vraag.data(), vraag.size());
  std::string regel;
  bool gelezen = false;
  for (char c = 0;;) {
    const ssize_t n = ::read(tty, &c, 1);
    if (n <= 0) break;
    gelezen = true;
    if (c == '\n') break;
    regel += c;
  }
  if (stil) ::tcsetattr(tty, TCSAFLUSH, &oud);
  ::close(tty);
  if (!gelezen) return std::nullopt;
  if (!regel.empty() && regel.back() == '\r') regel.pop_back();
  return regel;
}

}  // namespace valdero::cli
