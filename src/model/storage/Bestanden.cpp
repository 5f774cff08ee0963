#include "model/storage/Bestanden.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#include "model/core/Bestandssysteem.h"
#include "model/core/Windows1252.h"

namespace valdero {
namespace fs = std::filesystem;

namespace {

fs::path MapVan(const fs::path& pad) {
  return pad.has_parent_path() ? pad.parent_path() : fs::path(".");
}

// A name beside `doel` that no other save uses: the process id and a
// random part, created exclusively by the caller (a name that turns out to
// exist is simply passed over).
fs::path UniekeNaam(const fs::path& doel) {
  static std::atomic<std::uint64_t> teller{std::random_device{}()};
  char deel[40];
  std::snprintf(deel, sizeof deel, ".~%x%06llx", static_cast<unsigned>(::getpid()),
                static_cast<unsigned long long>(teller.fetch_add(0x9e3779b9) & 0xffffff));
  fs::path naam = doel;
  naam += deel;
  naam += kTijdelijkEinde;
  return naam;
}

int MaakTijdelijk(Bestandssysteem& bestanden, const fs::path& doel, unsigned rechten,
                  fs::path& tijdelijk, int& bestand) {
  int fout = EEXIST;
  for (int poging = 0; poging < 100 && fout == EEXIST; ++poging) {
    tijdelijk = UniekeNaam(doel);
    fout = bestanden.MaakNieuw(tijdelijk, rechten, bestand);
  }
  return fout;
}

int SchrijfAlles(Bestandssysteem& bestanden, int bestand, std::span<const std::uint8_t> inhoud) {
  std::size_t gedaan = 0;
  while (gedaan < inhoud.size()) {
    std::size_t n = 0;
    if (const int fout = bestanden.Schrijf(bestand, inhoud.data() + gedaan, inhoud.size() - gedaan, n))
      return fout;
    if (n == 0) return EIO;  // a write that makes no progress would loop for ever
    gedaan += n;
  }
  return 0;
}

// Writes the content to a new file of its own, flushed and closed; the file
// is removed again when any of it fails.
int SchrijfNieuw(Bestandssysteem& bestanden, const fs::path& doel, unsigned rechten,
                 const InhoudInStukken& inhoud, fs::path& tijdelijk) {
  int bestand = -1;
  if (const int fout = MaakTijdelijk(bestanden, doel, rechten, tijdelijk, bestand)) return fout;
  int fout = inhoud([&](std::span<const std::uint8_t> stuk) { return SchrijfAlles(bestanden, bestand, stuk); });
  if (fout == 0) fout = bestanden.Flush(bestand);
  const int dicht = bestanden.Sluit(bestand);
  if (fout == 0) fout = dicht;
  if (fout != 0) bestanden.Verwijder(tijdelijk);
  return fout;
}

// Copies `bron` into a new file beside `doel`, flushed and closed.
int KopieerNieuw(Bestandssysteem& bestanden, const fs::path& bron, const fs::path& doel,
                 unsigned rechten, fs::path& tijdelijk) {
  int in = -1;
  if (const int fout = bestanden.OpenLezen(bron, in)) return fout;
  int uit = -1;
  int fout = MaakTijdelijk(bestanden, doel, rechten, tijdelijk, uit);
  if (fout != 0) {
    bestanden.Sluit(in);
    return fout;
  }
  std::vector<std::uint8_t> blok(1 << 16);
  for (;;) {
    std::size_t n = 0;
    fout = bestanden.Lees(in, blok.data(), blok.size(), n);
    if (fout != 0 || n == 0) break;
    fout = SchrijfAlles(bestanden, uit, std::span<const std::uint8_t>(blok.data(), n));
    if (fout != 0) break;
  }
  if (fout == 0) fout = bestanden.Flush(uit);
  const int dicht = bestanden.Sluit(uit);
  if (fout == 0) fout = dicht;
  bestanden.Sluit(in);
  if (fout != 0) bestanden.Verwijder(tijdelijk);
  return fout;
}

// What stands in the way of replacing `echt` (the end of the links from
// `doel`); empty when nothing does.
std::string Belemmering(const fs::path& doel, const fs::path& echt, unsigned& rechten) {
  rechten = 0666;
  struct stat st {};
  if (::stat(echt.c_str(), &st) != 0) {
    std::error_code fout;
    if (fs::is_symlink(doel, fout)) return "verwijst naar " + echt.string() + ", dat niet bestaat";
    // A new file gets what the mask of the process allows.
    const mode_t masker = ::umask(0);
    ::umask(masker);
    rechten = 0666 & ~static_cast<unsigned>(masker);
    return {};
  }
  if (S_ISDIR(st.st_mode)) return "is een map";
  if (!S_ISREG(st.st_mode)) return "is geen gewoon bestand";
  // Write bits all off is the owner's "keep this": even the administrator,
  // whom the system lets write anyway, must not replace it.
  if ((st.st_mode & 0222) == 0 || ::access(echt.c_str(), W_OK) != 0) return "is alleen-lezen";
  rechten = st.st_mode & 07777;
  return {};
}

}  // namespace

fs::path VolgVerwijzing(const fs::path& pad) {
  fs::path echt = pad;
  std::error_code fout;
  // A loop of links ends somewhere; the write then fails on it.
  for (int stap = 0; stap < 40 && fs::is_symlink(echt, fout); ++stap) {
    const fs::path doel = fs::read_symlink(echt, fout);
    if (fout) break;
    echt = doel.is_absolute() ? doel : MapVan(echt) / doel;
  }
  return echt;
}

std::string FoutReden(int fout) {
  switch (fout) {
    case 0: return {};
    case ENOSPC: return "schijf vol";
    case EDQUOT: return "schijfruimte van gebruiker op";
    case EACCES:
    case EPERM: return "geen toegang";
    case EROFS: return "schijf is alleen-lezen";
    case EIO: return "schijffout";
    case EISDIR: return "is een map";
    case ENOENT: return "map bestaat niet";
    case ENOTDIR: return "is geen map";
    case EEXIST: return "geen vrije naam";
    default: return "systeemfout " + std::to_string(fout);
  }
}

SchrijfUitkomst SchrijfAtomisch(const fs::path& doel, std::span<const std::uint8_t> inhoud,
                                Bestandssysteem& bestanden, const std::function<void()>& voorVervangen) {
  return SchrijfAtomischInStukken(
      doel, [inhoud](const StukSchrijver& stuk) { return stuk(inhoud); }, bestanden, voorVervangen);
}

SchrijfUitkomst SchrijfAtomischInStukken(const fs::path& doel, const InhoudInStukken& inhoud,
                                         Bestandssysteem& bestanden, const std::function<void()>& voorVervangen) {
  SchrijfUitkomst uitkomst;
  const fs::path echt = VolgVerwijzing(doel);
  unsigned rechten = 0;
  uitkomst.reden = Belemmering(doel, echt, rechten);
  if (!uitkomst.reden.empty()) return uitkomst;

  fs::path tijdelijk;
  if (const int fout = SchrijfNieuw(bestanden, echt, rechten, inhoud, tijdelijk)) {
    uitkomst.reden = FoutReden(fout);
    return uitkomst;
  }
  if (voorVervangen) voorVervangen();
  if (const int fout = bestanden.Hernoem(tijdelijk, echt)) {
    bestanden.Verwijder(tijdelijk);
    uitkomst.reden = FoutReden(fout);
    return uitkomst;
  }
  uitkomst.vervangen = true;
  uitkomst.gelukt = true;
  // Until the folder is flushed, a power failure may bring back the old file.
  if (const int fout = bestanden.FlushMap(MapVan(echt))) {
    uitkomst.onbevestigd = true;
    uitkomst.reden = FoutReden(fout);
  }
  return uitkomst;
}

bool SchrijfBeveiligd(const fs::path& pad) {
  const fs::path echt = VolgVerwijzing(pad);
  struct stat st {};
  if (::stat(echt.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  unsigned rechten = 0;
  return Belemmering(pad, echt, rechten) == "is alleen-lezen";
}

bool MaakKopie(const fs::path& bron, const fs::path& doel, Bestandssysteem& bestanden,
               bool koppelen, int* foutNr) {
  int stub = 0;
  int& uit = foutNr ? *foutNr : stub;
  uit = 0;
  const fs::path echt = VolgVerwijzing(bron);
  struct stat st {};
  if (::stat(echt.c_str(), &st) != 0) {
    uit = errno;
    return false;
  }
  fs::path tijdelijk = UniekeNaam(doel);
  if (!koppelen || bestanden.Koppel(echt, tijdelijk) != 0) {
    if (const int fout = KopieerNieuw(bestanden, echt, doel, st.st_mode & 07777, tijdelijk)) {
      uit = fout;
      return false;
    }
  }
  if (const int fout = bestanden.Hernoem(tijdelijk, doel)) {
    bestanden.Verwijder(tijdelijk);
    uit = fout;
    return false;
  }
  // Renaming a name onto another name of the same file leaves both.
  std::error_code fout;
  if (fs::exists(tijdelijk, fout)) bestanden.Verwijder(tijdelijk);
  // The copy is in its place; a folder flush that fails leaves it there
  // all the same (the next flush of the folder makes it durable).
  bestanden.FlushMap(MapVan(doel));
  return true;
}

bool LeesBestand(const fs::path& pad, std::vector<std::uint8_t>& inhoud,
                 Bestandssysteem& bestanden) {
  inhoud.clear();
  std::error_code fout;
  if (!fs::is_regular_file(pad, fout)) return false;
  int bestand = -1;
  if (bestanden.OpenLezen(pad, bestand) != 0) return false;
  // Large pieces into room for the whole size: a book of 100 000
  // transactions is 38 MB. An error half-way is a failure, never a shorter
  // file.
  const auto grootte = fs::file_size(pad, fout);
  inhoud.resize(fout ? 1 << 16 : static_cast<std::size_t>(grootte) + 1);
  std::size_t gedaan = 0;
  bool goed = true;
  for (;;) {
    if (gedaan == inhoud.size()) inhoud.resize(inhoud.size() * 2);  // it grew meanwhile
    std::size_t n = 0;
    if (bestanden.Lees(bestand, inhoud.data() + gedaan, inhoud.size() - gedaan, n) != 0) {
      goed = false;
      break;
    }
    if (n == 0) break;
    gedaan += n;
  }
  bestanden.Sluit(bestand);
  inhoud.resize(goed ? gedaan : 0);
  return goed;
}

bool LeesBegin(const fs::path& pad, std::span<std::uint8_t> inhoud, std::size_t& gelezen,
               Bestandssysteem& bestanden) {
  gelezen = 0;
  int bestand = -1;
  if (bestanden.OpenLezen(pad, bestand) != 0) return false;
  bool goed = true;
  while (gelezen < inhoud.size()) {
    std::size_t n = 0;
    if (bestanden.Lees(bestand, inhoud.data() + gelezen, inhoud.size() - gelezen, n) != 0) {
      goed = false;
      break;
    }
    if (n == 0) break;
    gelezen += n;
  }
  bestanden.Sluit(bestand);
  return goed;
}

namespace {

// The process id in the name of a file of a save ("Valdr08.vdr.~1a2b3c4d5e.tmp":
// the id in hex, then six hex digits of the unique part) or of a lock being
// made or put aside ("Valdr08.~LK.~slot1a2b-3c4d.tmp"); 0 when the name is
// none of these.
long PidUitNaam(const std::string& deel) {
  auto hex = [](const std::string& t) {
    if (t.empty() || t.size() > 8) return -1L;
    long waarde = 0;
    for (const char c : t) {
      const int cijfer = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
      if (cijfer < 0) return -1L;
      waarde = waarde * 16 + cijfer;
    }
    return waarde;
  };
  for (const char* soort : {"slot", "oud"}) {
    const std::string s = soort;
    if (deel.rfind(s, 0) != 0) continue;
    const std::size_t streep = deel.find('-', s.size());
    if (streep == std::string::npos) return 0;
    const long pid = hex(deel.substr(s.size(), streep - s.size()));
    return pid > 0 ? pid : 0;
  }
  if (deel.size() <= 6 || hex(deel.substr(deel.size() - 6)) < 0) return 0;
  const long pid = hex(deel.substr(0, deel.size() - 6));
  return pid > 0 ? pid : 0;
}

bool ProcesLeeft(long pid) {
  return pid == static_cast<long>(::getpid()) || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

}  // namespace

int RuimWeesBestandenOp(const fs::path& map, const std::string& begin, Bestandssysteem& bestanden) {
  const std::string eind = kTijdelijkEinde;
  int weg = 0;
  std::error_code fout;
  for (fs::directory_iterator it(map, fout), einde; !fout && it != einde; it.increment(fout)) {
    const std::string naam = it->path().filename().string();
    const std::size_t merk = naam.rfind(".~");
    if (naam.size() <= begin.size() + eind.size() || naam.rfind(begin, 0) != 0 ||
        merk == std::string::npos || merk + 2 + eind.size() > naam.size() ||
        naam.compare(naam.size() - eind.size(), eind.size(), eind) != 0)
      continue;
    const long pid = PidUitNaam(naam.substr(merk + 2, naam.size() - merk - 2 - eind.size()));
    std::error_code f;
    if (pid == 0 || ProcesLeeft(pid) || !fs::is_regular_file(fs::symlink_status(it->path(), f))) continue;
    if (bestanden.Verwijder(it->path()) == 0) ++weg;
  }
  return weg;
}

int RuimWeesBestandenOp(const fs::path& doel, Bestandssysteem& bestanden) {
  const fs::path echt = VolgVerwijzing(doel);
  return RuimWeesBestandenOp(MapVan(echt), echt.filename().string() + ".~", bestanden);
}

std::string OnbevestigdTekst(const std::string& naam, const SchrijfUitkomst& uitkomst) {
  return naam + " bewaard, maar de schijf heeft het niet bevestigd (" + uitkomst.reden + ")";
}

SchrijfUitkomst SchrijfTekst(const fs::path& doel, const std::string& bytes, Bestandssysteem& bestanden) {
  const auto* begin = reinterpret_cast<const std::uint8_t*>(bytes.data());
  return SchrijfAtomisch(doel, std::span<const std::uint8_t>(begin, bytes.size()), bestanden);
}

SchrijfUitkomst SchrijfTekstRegels(const fs::path& doel, const std::vector<std::string>& regels,
                                   Bestandssysteem& bestanden) {
  std::string tekst;
  for (const std::string& regel : regels) tekst += Utf8NaarCp1252(regel) + "\r\n";
  return SchrijfTekst(doel, tekst, bestanden);
}

}  // namespace valdero
