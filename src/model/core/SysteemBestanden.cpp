#include "model/core/SysteemBestanden.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace valdero {
namespace fs = std::filesystem;

int SysteemBestanden::MaakNieuw(const fs::path& pad, unsigned rechten, int& bestand) {
  bestand = ::open(pad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (bestand < 0) return errno;
  // Set exactly: the mask of the process must not narrow or widen who may
  // read a book that replaces another.
  if (::fchmod(bestand, rechten) != 0) {
    const int fout = errno;
    ::close(bestand);
    ::unlink(pad.c_str());
    return fout;
  }
  return 0;
}

int SysteemBestanden::OpenLezen(const fs::path& pad, int& bestand) {
  bestand = ::open(pad.c_str(), O_RDONLY | O_CLOEXEC);
  return bestand < 0 ? errno : 0;
}

int SysteemBestanden::Schrijf(int bestand, const std::uint8_t* data, std::size_t n, std::size_t& geschreven) {
  for (;;) {
    const ssize_t w = ::write(bestand, data, n);
    if (w >= 0) {
      geschreven = static_cast<std::size_t>(w);
      return 0;
    }
    if (errno != EINTR) return errno;
  }
}

int SysteemBestanden::Lees(int bestand, std::uint8_t* data, std::size_t n, std::size_t& gelezen) {
  for (;;) {
    const ssize_t r = ::read(bestand, data, n);
    if (r >= 0) {
      gelezen = static_cast<std::size_t>(r);
      return 0;
    }
    if (errno != EINTR) return errno;
  }
}

int SysteemBestanden::Flush(int bestand) { return ::fsync(bestand) == 0 ? 0 : errno; }

int SysteemBestanden::Sluit(int bestand) { return ::close(bestand) == 0 ? 0 : errno; }

int SysteemBestanden::Koppel(const fs::path& bestaand, const fs::path& nieuw) {
  return ::link(bestaand.c_str(), nieuw.c_str()) == 0 ? 0 : errno;
}

int SysteemBestanden::Hernoem(const fs::path& van, const fs::path& naar) {
  return ::rename(van.c_str(), naar.c_str()) == 0 ? 0 : errno;
}

int SysteemBestanden::Verwijder(const fs::path& pad) { return ::unlink(pad.c_str()) == 0 ? 0 : errno; }

int SysteemBestanden::FlushMap(const fs::path& map) {
  const int fd = ::open(map.empty() ? "." : map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int fout = ::fsync(fd) == 0 ? 0 : errno;
  // Some file systems cannot flush a folder at all; they keep no names to lose.
  if (fout == EINVAL || fout == ENOTSUP) fout = 0;
  ::close(fd);
  return fout;
}

int SysteemBestanden::MaakMap(const fs::path& map) {
  if (::mkdir(map.c_str(), 0777) == 0) return 0;
  const int fout = errno;
  struct stat st {};
  if (fout == EEXIST && ::stat(map.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
  return fout;
}

}  // namespace valdero
