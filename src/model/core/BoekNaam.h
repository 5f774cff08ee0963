#pragma once
// A book's name and year as they follow from its file: "Valdr26" for
// ".../Valdr26.vdr", the year 2026 from its last two characters. Every place
// that takes a name or a year from a path or a name asks here.

#include <optional>
#include <string>

namespace valdero {

class Kasboek;
struct BestandsDialoog;

// The path without its ".vdr" extension (in any case); other names whole.
std::string ZonderVdr(const std::string& pad);
// The name of the book in a path: the file name without ".vdr".
std::string BoekNaamUitPad(const std::string& pad);
// A book named at start-up by a path (a double-click in a file manager passes
// the full path): the path's folder becomes the book's folder, as the open
// dialog makes it, so that the configuration, backups and saved files land
// beside the book; returns the name that remains for the load. A bare name
// is returned as it is and leaves the folder alone.
std::string BoekArgumentInMap(Kasboek& kb, const std::string& argument);
// A four-digit year text as a number; nullopt for anything else.
std::optional<int> JaarGetal(const std::string& jaarTekst);
// The year of the open book: KasJaar when it is a year, else today's year,
// so a book whose name holds no year still has dates to book on.
int BoekJaar(const Kasboek& kb);
// The dialog that asks which book to open, from the book's folder.
BestandsDialoog OpenBoekDialoog(const Kasboek& kb);

}  // namespace valdero
