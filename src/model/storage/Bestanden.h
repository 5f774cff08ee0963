#pragma once
// Whole files in and out. A save keeps the old file intact until the new
// one is completely on disk: a file of its own in the same folder (a new,
// unique name, so two saves at once never write into one file), flushed to
// disk, then renamed over the target, and the folder flushed. A failure
// removes the new file and leaves the target as it was. Every step goes
// through the file-system port (model/core/Bestandssysteem.h).

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace valdero {

class Bestandssysteem;

// The file a name stands for: a symbolic link followed to its end (a
// relative target read against the link's folder); any other name as it is.
std::filesystem::path VolgVerwijzing(const std::filesystem::path& pad);

// The save's own files carry this ending after the target's name and a
// unique part ("Valdr08.vdr.~1a2b3c.tmp"); one left by a crash is
// recognisable by it.
inline constexpr const char* kTijdelijkEinde = ".tmp";

// Removes the files that saves of `doel` left beside its target when they
// were torn off (the process killed part-way): those whose process is gone.
// A save still running in another process keeps its file. Returns how many
// were removed.
int RuimWeesBestandenOp(const std::filesystem::path& doel,
                        Bestandssysteem& bestanden);
// The same for the files in `map` whose names begin with `begin` (the
// restore points of one book).
int RuimWeesBestandenOp(const std::filesystem::path& map, const std::string& begin,
                        Bestandssysteem& bestanden);

// How a whole-file write went. `reden` says in the user's words why it did
// not ("schijf vol", "alleen-lezen", ...).
//
// Once the rename is done the file holds the new content: that is a write
// that happened, even when the folder's flush after it failed. A caller that
// said "not saved" then would make a script do the work twice; it says
// "saved" with the warning that the disk did not confirm it (`onbevestigd`,
// with the reason in `reden`).
struct SchrijfUitkomst {
  bool gelukt = false;
  // The new content took the target's place.
  bool vervangen = false;
  // ... but the folder's flush after the rename failed: a power failure may
  // still bring back the old file.
  bool onbevestigd = false;
  std::string reden;
  explicit operator bool() const { return gelukt; }
};

// The warning for a write the disk did not confirm:
// "Valdr08.vdr bewaard, maar de schijf heeft het niet bevestigd (schijffout)".
std::string OnbevestigdTekst(const std::string& naam, const SchrijfUitkomst& uitkomst);

// The failure of a file-system step in the user's words.
std::string FoutReden(int fout);

// Writes `inhoud` as the new content of `doel` (through a symbolic link into
// its target's folder). Refuses a target that is a folder, a link to
// nothing, anything that is not a regular file (a device, a pipe, a socket:
// replacing one would change what it is), or a file without write
// permission. Every file the user names is written through here. `voorVervangen` runs after
// the new content is safely on disk and before it replaces the target (the
// moment to keep a backup of the old file).
SchrijfUitkomst SchrijfAtomisch(const std::filesystem::path& doel,
                                std::span<const std::uint8_t> inhoud, Bestandssysteem& bestanden,
                                const std::function<void()>& voorVervangen = {});

// The same for content made while it is written: `inhoud` hands it out in
// order, piece by piece, each through the writer it is given, and returns
// the first error number that writer gave (0 when every piece went).
// A large book's image then never stands in memory whole. `inhoud` is called
// once the new file exists, and not at all when the target is refused or
// the file cannot be made.
using StukSchrijver = std::function<int(std::span<const std::uint8_t>)>;
using InhoudInStukken = std::function<int(const StukSchrijver&)>;
SchrijfUitkomst SchrijfAtomischInStukken(const std::filesystem::path& doel, const InhoudInStukken& inhoud,
                                         Bestandssysteem& bestanden,
                                         const std::function<void()>& voorVervangen = {});

// True when a save would refuse the file for its permissions (the reason
// SchrijfAtomisch gives as "is alleen-lezen").
bool SchrijfBeveiligd(const std::filesystem::path& pad);

// Puts a copy of `bron` at `doel`, replacing what was there in one step: a
// second name for the same file where the file system has links (safe,
// because a save never writes into a file but replaces it), else a flushed
// copy. False when neither could be made; nothing half-made is left behind
// and `doel` is then as it was.
// With `koppelen` false always a copy: for a copy that must stay as it is
// whatever another program does to the original.
// `foutNr` receives the system's error number of a failure.
bool MaakKopie(const std::filesystem::path& bron, const std::filesystem::path& doel,
               Bestandssysteem& bestanden, bool koppelen = true,
               int* foutNr = nullptr);

// The whole content of a file; false when it cannot be read.
bool LeesBestand(const std::filesystem::path& pad, std::vector<std::uint8_t>& inhoud,
                 Bestandssysteem& bestanden);

// The first `inhoud.size()` bytes of a file (fewer when it is shorter: how
// many in `gelezen`); false when it cannot be read.
bool LeesBegin(const std::filesystem::path& pad, std::span<std::uint8_t> inhoud, std::size_t& gelezen,
               Bestandssysteem& bestanden);

// A text file of lines as the user reads it on Windows: each line in
// Windows-1252, ended by CR LF. Written atomically like the book.
SchrijfUitkomst SchrijfTekstRegels(const std::filesystem::path& doel,
                                   const std::vector<std::string>& regels,
                                   Bestandssysteem& bestanden);

// Text bytes as a whole file, atomically like the book.
SchrijfUitkomst SchrijfTekst(const std::filesystem::path& doel, const std::string& bytes,
                             Bestandssysteem& bestanden);

}  // namespace valdero
