#pragma once
// Restore points. Every posting saves the whole book at once, so a wrong
// deletion is on disk a moment later, and the ".~VD" backup is the book of
// the first save only. So each time a book is opened, a dated copy of it and
// of its configuration is kept in the folder "Herstelpunten" beside it
// ("Valdr08 20261210-161503.vdr" and ".cfg"); the last ten of each book stay.
// Putting one back makes the book on disk a restore point first.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "model/core/Status.h"

namespace valdero {

class Kasboek;

inline constexpr int kHerstelpuntenBewaard = 10;
inline constexpr const char* kHerstelMap = "Herstelpunten";

struct Herstelpunt {
  std::filesystem::path boek;
  std::filesystem::path config;  // absent when the book had none
  double moment = 0;             // when it was made, to the second
  // Points made within one second: 0 for the first, then 1, 2, ... in the
  // order they were made ("Valdr08 20261210-161503-2.vdr").
  int volgnummer = 0;
  std::int32_t transacties = 0;  // from the copy's header
};

// The folder of the restore points of the open book (beside the file a link
// leads to).
std::filesystem::path HerstelMap(const Kasboek& kb);

// The restore points of the open book, newest first.
std::vector<Herstelpunt> Herstelpunten(const Kasboek& kb);

// Keeps the book and configuration on disk as a restore point, unless a
// kept one already holds this book; removes all but the newest ten (never
// the one just made). False when the copy could not be made (the book
// itself is untouched then), with the reason in the user's words in
// `reden`.
bool MaakHerstelpunt(Kasboek& kb, std::string* reden = nullptr);

// The restore point made when a book is opened; one that cannot be made
// (the folder cannot be written, or "Herstelpunten" is a file) is said once
// per session, not at every opening.
void MaakHerstelpuntBijOpenen(Kasboek& kb);

// Puts the restore point back in the place of the book and its
// configuration, after keeping the book on disk as a restore point itself.
// The caller opens the book again. Nothing is changed when the point cannot
// be read or the current book not be kept.
Status ZetHerstelpuntTerug(Kasboek& kb, const Herstelpunt& punt);

}  // namespace valdero
