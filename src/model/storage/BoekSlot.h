#pragma once
// One writer at a time: while a book is open, a small lock file lies beside
// it ("Valdr08.~LK") with the process id, the host and the time it was
// taken. A second program that opens the book sees who has it; a lock whose
// process is gone (the program crashed) is stale and taken over. Taking the
// lock is one step (the file gets its name complete or not at all), so two
// programs opening at the same moment never both get it.

#include <filesystem>
#include <memory>
#include <string>

#include "model/storage/Bestanden.h"

namespace valdero {

class Bestandssysteem;
class Kasboek;

struct SlotHouder {
  long pid = 0;
  std::string host;
  std::string tijd;  // "10-12-2026 16:10:05"
};

// The lock file of a book (beside the file a link leads to).
std::filesystem::path SlotPad(const std::filesystem::path& boek);

enum class SlotUitkomst {
  Genomen,  // ours now (or already this process's)
  Bezet,    // another living process has it; `houder` says who
  Onmogelijk,  // no lock can be made there (a read-only folder, a full disk):
               // the book may be read, never written; `reden` says why
};

// Tries to take the lock of `boek`. `handvat` releases it when the last copy
// of it goes: the lock file is removed while it is still the file this
// process made, whatever its content reads by then. `reden` receives the
// failure in the user's words when no lock could be made.
SlotUitkomst NeemSlot(const std::filesystem::path& boek, const std::string& tijd,
                      std::shared_ptr<void>& handvat, SlotHouder& houder,
                      Bestandssysteem& bestanden,
                      std::string* reden = nullptr);

// "in gebruik door proces 1234 op pc-naam sinds 10-12-2026 16:10:05"
std::string SlotTekst(const SlotHouder& houder);

// Takes the lock of the book at KasPad for the open book, releasing the
// lock of the book it had. When another program has it, asks "... Alleen
// lezen openen?" (or, when the session says so, opens read-only without
// asking): Ja opens the book read-only (kb.sessie.AlleenLezen, every save refused),
// Nee opens nothing and returns false. A lock that cannot be made at all
// opens the book too, but every save of it is refused (kb.sessie.GeenSlot says
// why): no write without the lock.
bool NeemBoekSlot(Kasboek& kb);

// After the save dialog chose a file: the lock moves to it. False (with the
// error report naming who has it, or why no lock could be made) when
// another program holds that file or no lock can be made beside it.
bool VerhuisSlot(Kasboek& kb);

// Whether the open book may be written: not opened read-only, and its lock
// held. Reports why not (error report) and returns false otherwise.
bool MagBoekSchrijven(Kasboek& kb);

}  // namespace valdero
