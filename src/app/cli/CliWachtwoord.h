#pragma once
// The password of a protected book, asked as the desktop program asks it
// (three tries), from the file named by --wachtwoord-bestand or else on the
// user's terminal. A command that cannot get it opens nothing of the book.

#include <string_view>

#include "app/cli/Opdrachten.h"
#include "app/cli/Opties.h"

namespace valdero::cli {

// Runs the password check on the loaded book. False after reporting on the
// error stream why access was refused; the book is then taken out of
// memory (nothing of it is shown or saved).
bool ControleerCliWachtwoord(Omgeving& omgeving, std::string_view opdracht, CliBoek& boek,
                             const CliOpties& opties);

// Where the passphrase of an encrypted book comes from: the first line of
// the --wachtwoord-bestand file (given once: a wrong one is not asked again),
// else the terminal. Set before the book is loaded.
void ZetWachtwoordzinBron(Omgeving& omgeving, CliBoek& boek, const CliOpties& opties);

// The first line of the file, without its line end; none when it cannot be
// read.
std::optional<std::string> EersteRegel(const std::filesystem::path& pad, Bestandssysteem& bestanden);

// The terminal of the process (/dev/tty), with the typing not echoed; none
// when the process has no terminal.
std::optional<std::string> LeesWachtwoordVanTerminal(const std::string& vraag);

}  // namespace valdero::cli
