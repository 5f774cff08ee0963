#pragma once
// The cash-book file (".vdr"): accounts, groups, transactions and optionally
// relations, each section the byte images of its records. The layout is in
// docs/file-format.md.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/core/Status.h"

namespace valdero {

class Kasboek;

// The four-character year of a book from the last two characters of its
// name; reports a name without a year (error number 2).
std::string JaarUitNaam(Kasboek& kb, const std::string& naam);
// The year in the name, quietly: nothing when the name holds none.
std::optional<std::string> JaarInNaam(const std::string& naam);

// Reads the sections of a whole file into the (emptied) lists and sets the
// load flags. Fails with the first section that could not be read; IOStatus
// holds that section afterwards.
Status LeesBoek(Kasboek& kb, std::span<const std::uint8_t> inhoud);
// Loads KasPad with its reports; "Inlezen ValderoStream gelukt" only when
// asked for. IOStatus holds the outcome afterwards.
Status OpenBoek(Kasboek& kb, bool meldSucces);

// What a load keeps of the transactions.
enum class Laadwijze {
  // Every record, decoded: the book as the windows and every command use it.
  Volledig,
  // Only what the balances need: each transaction's amount goes straight to
  // the balance matrix (built here) and the records are not kept, so no text
  // of them is decoded. The list holds the dummy record alone. A book whose
  // transactions need more (an unknown group or account, a damaged date,
  // the sample book) is loaded whole instead, with the reports of a whole
  // load, and the mode then says Volledig.
  AlleenSaldi,
};
Status OpenBoek(Kasboek& kb, bool meldSucces, Laadwijze& wijze);

// The file image of the book in memory, converting amounts first when
// MuntOmzetten is set.
std::vector<std::uint8_t> SchrijfBoek(Kasboek& kb);
// Saves the book: the save dialog when asked for or when KasPad does not
// exist, the one-time ".~VD" backup, an atomic write, and the reports.
// Fails when nothing was written (the user stopped, or the write failed).
Status BewaarBoek(Kasboek& kb, bool vraagNaam);
// The save after an edit that stands whatever the save does (the book stays
// in memory as the user sees it); a failure was reported by the save itself.
inline void BewaarNaWijziging(Kasboek& kb) { static_cast<void>(BewaarBoek(kb, false)); }

// Section names of the load and save reports by IOStatus (1..5).
std::string SectieNaam(int ioStatus);

}  // namespace valdero
