#include "model/storage/Bestanden.h"

#include "model/core/Windows1252.h"

#include <cerrno>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define VALDERO_POSIX 1
#endif
#include <fstream>
#include <iterator>

namespace valdero {
namespace fs = std::filesystem;

fs::path TijdelijkPad(const fs::path& doel) {
  fs::path tijdelijk = doel;
  tijdelijk += ".~tmp";
  return tijdelijk;
}

namespace {

#if VALDERO_POSIX

bool SchrijfAlles(int fd, std::span<const std::uint8_t> inhoud) {
  std::size_t gedaan = 0;
  while (gedaan < inhoud.size()) {
    const ssize_t n = ::write(fd, inhoud.data() + gedaan, inhoud.size() - gedaan);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    gedaan += static_cast<std::size_t>(n);
  }
  return true;
}

// The new file gets the permissions of the file it replaces, so a save does
// not quietly widen or narrow who may read the book.
bool SchrijfTijdelijk(const fs::path& tijdelijk, const fs::path& doel,
                      std::span<const std::uint8_t> inhoud) {
  const int fd = ::open(tijdelijk.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  struct stat oud {};
  if (::stat(doel.c_str(), &oud) == 0) ::fchmod(fd, oud.st_mode & 07777);
  bool goed = SchrijfAlles(fd, inhoud) && ::fsync(fd) == 0;
  if (::close(fd) != 0) goed = false;
  return goed;
}

// Makes the rename itself durable.
void SyncMap(const fs::path& map) {
  const int fd = ::open(map.empty() ? "." : map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

#else

bool SchrijfTijdelijk(const fs::path& tijdelijk, const fs::path&,
                      std::span<const std::uint8_t> inhoud) {
  std::ofstream uit(tijdelijk, std::ios::binary | std::ios::trunc);
  if (!uit) return false;
  uit.write(reinterpret_cast<const char*>(inhoud.data()),
            static_cast<std::streamsize>(inhoud.size()));
  uit.flush();
  return static_cast<bool>(uit);
}

void SyncMap(const fs::path&) {}

#endif

}  // namespace

bool SchrijfAtomisch(const fs::path& doel, std::span<const std::uint8_t> inhoud,
                     const std::function<void()>& voorVervangen) {
  const fs::path tijdelijk = TijdelijkPad(doel);
  std::error_code fout;
  if (!SchrijfTijdelijk(tijdelijk, doel, inhoud)) {
    // Never remove what is in the way when it is not our own file.
    if (fs::is_regular_file(tijdelijk, fout)) fs::remove(tijdelijk, fout);
    return false;
  }
  if (voorVervangen) voorVervangen();
  fs::rename(tijdelijk, doel, fout);
  if (fout) {
    std::error_code weg;
    fs::remove(tijdelijk, weg);
    return false;
  }
  SyncMap(doel.parent_path());
  return true;
}

bool LeesBestand(const fs::path& pad, std::vector<std::uint8_t>& inhoud) {
  inhoud.clear();
  std::error_code fout;
  if (!fs::is_regular_file(pad, fout)) return false;
  std::ifstream in(pad, std::ios::binary);
  if (!in) return false;
  // One read of the whole size: a book of 100 000 transactions is 38 MB,
  // and reading it character by character took a good part of a load.
  const auto grootte = fs::file_size(pad, fout);
  if (fout) return false;
  inhoud.resize(static_cast<std::size_t>(grootte));
  in.read(reinterpret_cast<char*>(inhoud.data()), static_cast<std::streamsize>(grootte));
  inhoud.resize(static_cast<std::size_t>(in.gcount()));  // the file may have shrunk meanwhile
  return !in.bad();
}

bool SchrijfTekstRegels(const fs::path& doel, const std::vector<std::string>& regels) {
  std::string tekst;
  for (const std::string& regel : regels) tekst += Utf8NaarCp1252(regel) + "\r\n";
  const auto* begin = reinterpret_cast<const std::uint8_t*>(tekst.data());
  return SchrijfAtomisch(doel, std::span<const std::uint8_t>(begin, tekst.size()));
}

}  // namespace valdero
