#include "model/storage/GeheugenKaart.h"

#include "model/core/SysteemBestanden.h"
#include "model/storage/Bestanden.h"

#if defined(__unix__)
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace valdero {

const std::uint8_t* BrengInGeheugen(Bestandssysteem& bestanden, int bestand, std::uint64_t van, std::size_t n) {
#if defined(__unix__)
  // The descriptor is the system's own only behind the system's own port.
  if (dynamic_cast<SysteemBestanden*>(&bestanden) == nullptr || n == 0 || van % kKaartUitlijning != 0) return nullptr;
  // Bytes past the file's end would stop the program when touched: a file
  // shorter than the piece (changed since its size was taken) is read.
  struct stat status {};
  if (::fstat(bestand, &status) != 0 || van + n > static_cast<std::uint64_t>(status.st_size)) return nullptr;
  int vlaggen = MAP_PRIVATE;
#if defined(MAP_POPULATE)
  // All of the piece is read at once: its pages are set up in one call.
  vlaggen |= MAP_POPULATE;
#endif
  void* stuk = ::mmap(nullptr, n, PROT_READ, vlaggen, bestand, static_cast<off_t>(van));
  return stuk == MAP_FAILED ? nullptr : static_cast<const std::uint8_t*>(stuk);
#else
  static_cast<void>(bestanden);
  static_cast<void>(bestand);
  static_cast<void>(van);
  static_cast<void>(n);
  return nullptr;
#endif
}

void HaalUitGeheugen(const std::uint8_t* stuk, std::size_t n) {
#if defined(__unix__)
  if (stuk != nullptr) ::munmap(const_cast<std::uint8_t*>(stuk), n);
#else
  static_cast<void>(stuk);
  static_cast<void>(n);
#endif
}

}  // namespace valdero
