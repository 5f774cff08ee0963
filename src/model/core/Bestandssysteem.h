#pragma once
// The file system as a save sees it: every step that can fail on the way
// from the book in memory to the book on disk is one call here, and so is
// every step of the lock, the restore points and the files the user names. The program
// uses the operating system's calls (model/storage/Bestanden.h); a test puts
// in one that fails a chosen step, to prove that no step can tear a book.
//
// Each call returns 0 when it went well, else the system's error number
// (ENOSPC, EIO, EACCES, ...).

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace valdero {

class Bestandssysteem {
 public:
  virtual ~Bestandssysteem() = default;

  // Creates a file that did not exist yet (never opens one that is there),
  // for writing, with the given permission bits.
  virtual int MaakNieuw(const std::filesystem::path& pad, unsigned rechten, int& bestand) = 0;
  virtual int OpenLezen(const std::filesystem::path& pad, int& bestand) = 0;
  // Writes at most `n` bytes; how many it wrote in `geschreven`.
  virtual int Schrijf(int bestand, const std::uint8_t* data, std::size_t n,
                      std::size_t& geschreven) = 0;
  // Reads at most `n` bytes; 0 in `gelezen` at the end of the file.
  virtual int Lees(int bestand, std::uint8_t* data, std::size_t n, std::size_t& gelezen) = 0;
  // Until this returns 0 the written bytes may still be lost in a crash.
  virtual int Flush(int bestand) = 0;
  virtual int Sluit(int bestand) = 0;
  // Gives an existing file a second name (a hard link).
  virtual int Koppel(const std::filesystem::path& bestaand, const std::filesystem::path& nieuw) = 0;
  // Puts `van` in the place of `naar` in one step.
  virtual int Hernoem(const std::filesystem::path& van, const std::filesystem::path& naar) = 0;
  virtual int Verwijder(const std::filesystem::path& pad) = 0;
  // Makes the names created, renamed and removed in a folder durable.
  virtual int FlushMap(const std::filesystem::path& map) = 0;
  // Creates a folder (0 also when it exists as a folder already).
  virtual int MaakMap(const std::filesystem::path& map) = 0;
};

}  // namespace valdero
