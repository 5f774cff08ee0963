#pragma once
// What the running program holds about the open book apart from its data:
// where it lies, the lock beside it, whether it may be written, how far its
// saves have come and what was settled with the user. Nothing of it is saved
// in the book; opening another book sets it anew (apart from what holds for
// as long as the program runs).

#include <filesystem>
#include <memory>
#include <string>

namespace valdero {

struct BoekSessie {
  // The book's name (the file's name without ".vdr"), its file and the
  // configuration beside it, as the user gave them: relative names lie below
  // Map.
  std::string KasNaam;
  std::string KasPad;
  std::string ConfigPad;
  // The year of today as four digits, taken from the clock when a book is
  // loaded.
  std::string HuidigJaar;
  // The folder that relative book, configuration and bank file names are
  // resolved against: the process's current folder, moved by the file dialogs.
  std::filesystem::path Map;

  // Life of the open book: the first save makes the backup; the saved mark
  // tells Save as whether its save happened.
  bool EersteBewaring = true;
  bool Bewaard = false;
  // The last save took the book's place but the disk did not confirm it
  // (the folder's flush failed): saved, with a warning.
  bool OnbevestigdBewaard = false;

  // The lock beside the book while it is open (released with the last copy
  // of this handle); a book another program holds is opened read-only, and
  // SlotMelding says who holds it.
  std::shared_ptr<void> Slot;
  bool AlleenLezen = false;
  std::string SlotMelding;
  // Why no lock could be made beside the book (empty: it could): the book
  // is shown, but nothing of it is written.
  std::string GeenSlot;

  // The password of the open book was typed correctly.
  bool WachtwoordGeaccepteerd = false;
  // Account number 99 was confirmed as the transfer account; holds for as
  // long as the program runs, across the books it opens.
  bool TransferBevestigd = false;
  // A book another program holds is opened read-only without asking (the
  // command-line tool, which has nobody to ask).
  bool BezetAlleenLezen = false;
  // That no restore point could be made was said; it is said once.
  bool HerstelpuntGemeld = false;

  // A path as the operating system sees it: relative names below Map.
  std::filesystem::path Pad(const std::string& naam) const {
    std::filesystem::path p(naam);
    return p.is_absolute() ? p : Map / p;
  }
};

}  // namespace valdero
