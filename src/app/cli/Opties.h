#pragma once
// The options every command of the command-line tool shares, how a command
// declares its own, and the book environment they set up: a scripted message
// port that answers every question alike and cancels every file dialog, a
// fixed or system clock, the decimal separator and a printer of fixed
// measures.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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
  // --wachtwoord-bestand FILE: the password of a protected book or the
  // passphrase of an encrypted one, the first line of FILE. Never on the command line itself, where every user of
  // the machine can read it.
  std::optional<std::string> wachtwoordBestand;
  std::vector<std::string> argumenten;   // everything that is no option
};

// Reads the arguments after the command name into the shared options and
// the options a command declares: "--naam waarde" or "--naam=waarde",
// anywhere between the other arguments; "--" ends the options. The parsing
// is CLI11's; the values are checked here, so that every usage error is
// one Dutch sentence.
class OptieLezer {
 public:
  explicit OptieLezer(CliOpties& opties);
  ~OptieLezer();
  OptieLezer(const OptieLezer&) = delete;
  OptieLezer& operator=(const OptieLezer&) = delete;

  // Checks and keeps the value of an option; returns the Dutch usage error,
  // empty when the value is fine.
  using Zetter = std::function<std::string(const std::string& waarde)>;

  // --naam with a value checked by `zet`.
  void Waarde(const std::string& naam, Zetter zet);
  // --naam with any value.
  void Tekst(const std::string& naam, std::optional<std::string>& doel);
  // --naam with a whole number from `min` to `max`; any other text is the
  // usage error `melding`.
  void Getal(const std::string& naam, std::optional<int>& doel, int min, int max, const std::string& melding);
  // --naam D-M-JJJJ, a whole date.
  void Datum(const std::string& naam, std::optional<double>& doel, const std::string& melding);
  // --naam without a value.
  void Schakelaar(const std::string& naam, bool& doel);

  // Reads `args`; returns the Dutch usage error, empty when the arguments
  // were fine.
  std::string Lees(const std::vector<std::string>& args);

 private:
  struct Binnenkant;
  std::unique_ptr<Binnenkant> binnen_;
};

// Reads the arguments of a command that has only the shared options.
std::string LeesOpties(const std::vector<std::string>& args, CliOpties& opties);

// A number of digits that fits an int (no sign: every number the commands
// take counts from 0).
std::optional<int> AlsGetal(std::string_view tekst);
// N[,N...].
std::optional<std::vector<int>> AlsGetallen(std::string_view lijst);
// D-M-JJJJ: only a whole date; a clock or period set to a guessed century
// helps nobody.
std::optional<double> AlsVolleDatum(const std::string& tekst);
// The parts of `tekst` between `teken`s; none of an empty text.
std::vector<std::string> Splits(std::string_view tekst, char teken);

// The usage lines of the shared options, for the commands' usage texts.
inline constexpr const char* kOptieGebruik =
    "  --antwoord ja|nee      antwoord op elke vraag (standaard nee)\n"
    "  --vandaag D-M-JJJJ     datum van vandaag (standaard de klok)\n"
    "  --decimaal ,|.         decimaalteken (standaard ,)\n"
    "  --wachtwoord-bestand BESTAND\n"
    "                         het wachtwoord van een beveiligd boek of de wachtwoordzin\n"
    "                         van een versleuteld boek (eerste regel van BESTAND);\n"
    "                         zonder wordt het op de terminal gevraagd\n";

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
