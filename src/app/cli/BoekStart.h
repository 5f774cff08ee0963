#pragma once
// What the commands that work on one book share: reading the shared options
// and the one BOEK argument, and loading the book the way the program does
// at start-up with that argument.

#include <memory>
#include <string_view>

#include "app/cli/Opdrachten.h"
#include "app/cli/Opties.h"
#include "model/storage/BoekLaden.h"

namespace valdero::cli {

struct GeladenBoek {
  CliOpties opties;
  std::unique_ptr<CliBoek> boek;
  bool geladen = false;  // accounts, groups and transactions were all read
};

// Loads the book named by `argument` as a start-up does and asks for its
// password when it has one (Gestopt when it was not given: the book is
// then out of memory again).
LaadUitkomst StartCliBoek(Omgeving& omgeving, std::string_view opdracht, CliBoek& boek,
                          const CliOpties& opties, const std::string& argument,
                          Laadwijze wijze = Laadwijze::Volledig);

// A save of the command took the book's place but the disk did not
// confirm it: the command ends with kOnbevestigd.
void VolgBewaring(Omgeving& omgeving, const Kasboek& kb);

// Reads the options and BOEK and loads the book (configuration and balance
// matrix included; the success message of a start-up load is not shown).
// Returns kGelukt with `uitkomst` filled, or kGebruiksfout after reporting a
// usage error. Whether the book was loaded is in `uitkomst.geladen`.
// A command that shows balances only loads with Laadwijze::AlleenSaldi.
int StartBoekOpdracht(Omgeving& omgeving, std::string_view opdracht, GeladenBoek& uitkomst,
                      Laadwijze wijze = Laadwijze::Volledig);

// A book another program holds was opened read-only: reports who has it and
// that nothing was written, and returns true (the command then ends with
// kMislukt).
bool MeldBezet(Omgeving& omgeving, std::string_view opdracht, const Kasboek& kb);

// Prints the book as JSON on the output stream.
void ToonBoek(Omgeving& omgeving, const CliBoek& boek);

}  // namespace valdero::cli
