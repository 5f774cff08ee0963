#pragma once
// The options every command of the command-line tool shares, and the book
// environment they set up: a scripted message port that answers every
// question alike and cancels every file dialog, a fixed or system clock, the
// decimal separator and a printer of fixed measures.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/core/BoekMetPoorten.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/Printer.h"
#include "model/core/ScriptBerichten.h"

namespace valdero::cli {

struct CliOpties {
  int antwoord = antwoord::Nee;          // --antwoord ja|nee
  std::optional<double> vandaag;         // --vandaag D-M-JJJJ
  char decimaal = ',';                   // --decimaal ,|.
  // --wachtwoord-bestand FILE: the password of a protected book, the first
  // line of FILE. Never on the command line itself, where every user of
  // the machine can read it.
  std::optional<std::string> wachtwoordBestand;
  std::map<std::string, std::string> extra;  // options a command adds itself
  std::vector<std::string> argumenten;   // everything that is no option
};

// Reads the arguments after the command name: "--naam waarde" or
// "--naam=waarde", anywhere between the other arguments; "--" ends the
// options. `extraOpties` names the options (without "--") that the command
// accepts besides the shared ones. Returns a Dutch error text, empty when the
// arguments were fine.
std::string LeesOpties(const std::vector<std::string>& args, CliOpties& opties,
                       const std::set<std::string>& extraOpties = {});

// The usage lines of the shared options, for the commands' usage texts.
inline constexpr const char* kOptieGebruik =
    "  --antwoord ja|nee      antwoord op elke vraag (standaard nee)\n"
    "  --vandaag D-M-JJJJ     datum van vandaag (standaard de klok)\n"
    "  --decimaal ,|.         decimaalteken (standaard ,)\n"
    "  --wachtwoord-bestand BESTAND\n"
    "                         het wachtwoord van een beveiligd boek (eerste regel van\n"
    "                         BESTAND); zonder wordt het op de terminal gevraagd\n";

// A book with the ports the options ask for; relative names are resolved
// against `map`. Without --vandaag the clock shows the moment the command
// started: a command is over long before that matters. `voortgang` shows the
// progress of long work (none: nothing shows).
class CliBoek : public BoekMetPoorten {
 public:
  // `bestanden`: the file-system port of the book (none: the system's).
  CliBoek(const CliOpties& opties, const std::filesystem::path& map, Voortgang* voortgang = nullptr,
          Bestandssysteem* bestanden = nullptr);
};

}  // namespace valdero::cli
