#include "model/storage/BoekSlot.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <sstream>
#include <system_error>

#include "model/core/Berichten.h"
#include "model/core/Bestandssysteem.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/storage/Bestanden.h"

namespace valdero {
namespace fs = std::filesystem;
namespace {

std::string EigenHost() {
  char naam[256] = {};
  if (::gethostname(naam, sizeof naam - 1) != 0) return "?";
  return naam;
}

fs::path NaamErnaast(const fs::path& pad, const char* soort) {
  static std::mt19937_64 toeval{std::random_device{}()};
  char deel[48];
  std::snprintf(deel, sizeof deel, ".~%s%x-%llx", soort, static_cast<unsigned>(::getpid()),
                static_cast<unsigned long long>(toeval() & 0xffffffffffULL));
  fs::path naam = pad;
  naam += deel;
  naam += kTijdelijkEinde;
  return naam;
}

bool LeesHouder(const fs::path& slot, SlotHouder& houder, Bestandssysteem& bestanden) {
  std::vector<std::uint8_t> inhoud;
  if (!LeesBestand(slot, inhoud, bestanden)) return false;
  std::istringstream in(std::string(inhoud.begin(), inhoud.end()));
  std::string pid;
  if (!std::getline(in, pid) || !std::getline(in, houder.host) || !std::getline(in, houder.tijd))
    return false;
  try {
    houder.pid = std::stol(pid);
  } catch (...) {
    return false;
  }
  return houder.pid > 0;
}

bool VanDitProces(const SlotHouder& houder) {
  return houder.pid == ::getpid() && houder.host == EigenHost();
}

// A lock whose process is gone on this machine; a lock of another machine
// (a book on a shared folder) cannot be judged and stands.
bool Verlaten(const SlotHouder& houder) {
  return houder.host == EigenHost() && ::kill(static_cast<pid_t>(houder.pid), 0) != 0 &&
         errno == ESRCH;
}

// Takes a stale lock out of the way: renamed first, so that a lock another
// program took over it in the meantime is not removed by mistake (it is put
// back instead). Nothing of the stale lock stays behind.
void RuimOp(const fs::path& slot, const SlotHouder& oud, Bestandssysteem& bestanden) {
  const fs::path opzij = NaamErnaast(slot, "oud");
  if (bestanden.Hernoem(slot, opzij) != 0) return;
  SlotHouder gevonden;
  const bool leesbaar = LeesHouder(opzij, gevonden, bestanden);
  if (leesbaar && (gevonden.pid != oud.pid || gevonden.host != oud.host)) {
    // Someone else's fresh lock: back where it was, unless yet another came.
    if (bestanden.Koppel(opzij, slot) != 0) {
      // The name is taken again; the fresh lock we moved is lost to its
      // owner, whose saves still refuse to run without a lock of their own
      // only at the next open.
    }
  }
  bestanden.Verwijder(opzij);
}

// The file systems that know no second names (FAT, some network shares).
bool GeenKoppelingen(int fout) {
  return fout == EPERM || fout == ENOTSUP || fout == EOPNOTSUPP || fout == EMLINK || fout == ENOSYS ||
         fout == EXDEV;
}

// The lock file this process made, known by its identity on disk rather
// than by what it reads: a lock that can no longer be read (damaged,
// unreadable) is still removed when the program ends.
struct Slot {
  fs::path pad;
  dev_t apparaat = 0;
  ino_t knoop = 0;
  ~Slot() {
    struct stat st {};
    if (::lstat(pad.c_str(), &st) == 0 && st.st_dev == apparaat && st.st_ino == knoop)
      ::unlink(pad.c_str());
  }
};

std::shared_ptr<void> EigenSlot(const fs::path& slot) {
  auto eigen = std::make_shared<Slot>();
  eigen->pad = slot;
  struct stat st {};
  if (::lstat(slot.c_str(), &st) == 0) {
    eigen->apparaat = st.st_dev;
    eigen->knoop = st.st_ino;
  }
  return eigen;
}

// Writes the lock's content into a new file `pad` (never one that exists).
int SchrijfSlotBestand(Bestandssysteem& bestanden, const fs::path& pad, const std::string& inhoud) {
  int fd = -1;
  if (const int fout = bestanden.MaakNieuw(pad, 0644, fd)) return fout;
  std::size_t gedaan = 0;
  int fout = 0;
  while (fout == 0 && gedaan < inhoud.size()) {
    std::size_t n = 0;
    fout = bestanden.Schrijf(fd, reinterpret_cast<const std::uint8_t*>(inhoud.data()) + gedaan,
                             inhoud.size() - gedaan, n);
    if (fout == 0 && n == 0) fout = EIO;
    gedaan += n;
  }
  const int dicht = bestanden.Sluit(fd);
  if (fout == 0) fout = dicht;
  if (fout != 0) bestanden.Verwijder(pad);
  return fout;
}

}  // namespace

fs::path SlotPad(const fs::path& boek) {
  fs::path slot = VolgVerwijzing(boek);
  slot.replace_extension(".~LK");
  return slot;
}

std::string SlotTekst(const SlotHouder& houder) {
  return "in gebruik door proces " + std::to_string(houder.pid) + " op " + houder.host +
         " sinds " + houder.tijd;
}

SlotUitkomst NeemSlot(const fs::path& boek, const std::string& tijd, std::shared_ptr<void>& handvat,
                      SlotHouder& houder, Bestandssysteem& bestanden, std::string* reden) {
  handvat.reset();
  const fs::path slot = SlotPad(boek);
  const std::string inhoud = std::to_string(::getpid()) + "\n" + EigenHost() + "\n" + tijd + "\n";
  auto onmogelijk = [&](const std::string& waarom) {
    if (reden) *reden = waarom;
    return SlotUitkomst::Onmogelijk;
  };
  for (int poging = 0; poging < 5; ++poging) {
    // A folder in the lock's place is nobody's lock: an empty one goes, one
    // with something in it is the user's and stays.
    if (std::error_code f; fs::is_directory(fs::symlink_status(slot, f))) {
      if (!fs::remove(slot, f))
        return onmogelijk(slot.filename().string() + " is een map");
      continue;
    }
    // The content first under a name of its own, then the lock's name given
    // to it in one step: nobody ever reads a half-written lock.
    const fs::path nieuw = NaamErnaast(slot, "slot");
    if (const int fout = SchrijfSlotBestand(bestanden, nieuw, inhoud)) return onmogelijk(FoutReden(fout));
    int gekoppeld = bestanden.Koppel(nieuw, slot);
    bestanden.Verwijder(nieuw);
    // Without second names the lock is made under its own name at once; a
    // reader that comes at that very moment finds it unreadable and waits
    // for the next try.
    if (GeenKoppelingen(gekoppeld)) gekoppeld = SchrijfSlotBestand(bestanden, slot, inhoud);
    if (gekoppeld == 0) {
      handvat = EigenSlot(slot);
      return SlotUitkomst::Genomen;
    }
    if (gekoppeld != EEXIST) return onmogelijk(FoutReden(gekoppeld));
    if (!LeesHouder(slot, houder, bestanden)) {
      // Vanished in between, or not a lock of ours at all: try again; a
      // damaged one is treated as stale.
      std::error_code fout;
      if (fs::exists(fs::symlink_status(slot, fout))) RuimOp(slot, houder, bestanden);
      continue;
    }
    if (VanDitProces(houder)) return SlotUitkomst::Genomen;
    if (!Verlaten(houder)) return SlotUitkomst::Bezet;
    RuimOp(slot, houder, bestanden);
  }
  return SlotUitkomst::Bezet;
}

bool NeemBoekSlot(Kasboek& kb) {
  kb.sessie.Slot.reset();
  kb.sessie.AlleenLezen = false;
  kb.sessie.SlotMelding.clear();
  kb.sessie.GeenSlot.clear();
  SlotHouder houder;
  std::string reden;
  const std::string tijd = DatumTekstLang(kb.Nu()) + " " + TijdTekst(kb.Nu());
  const SlotUitkomst uitkomst =
      NeemSlot(kb.Pad(kb.sessie.KasPad), tijd, kb.sessie.Slot, houder, kb.bestanden(), &reden);
  if (uitkomst == SlotUitkomst::Onmogelijk) kb.sessie.GeenSlot = "geen slot: " + reden;
  if (uitkomst != SlotUitkomst::Bezet) {
    // A write-protected file cannot be saved either: say so now, as for a
    // book another program holds, rather than at the first save.
    if (SchrijfBeveiligd(kb.Pad(kb.sessie.KasPad))) {
      kb.sessie.AlleenLezen = true;
      kb.sessie.SlotMelding = "schrijfbeveiligd";
      kb.berichten().BerichtDlg(kb.sessie.KasPad + " is schrijfbeveiligd: het boek is alleen-lezen geopend.\r"
                                "Wijzigingen kunnen alleen met \"Bewaren als...\" bewaard worden",
                                BerichtSoort::Waarschuwing, knop::OK);
    }
    return true;
  }
  kb.sessie.SlotMelding = kb.sessie.KasPad + " is " + SlotTekst(houder);
  if (!kb.sessie.BezetAlleenLezen &&
      !Vraag(kb, kb.sessie.SlotMelding + "\rAlleen-lezen openen? (bewaren kan dan niet)"))
    return false;
  kb.sessie.AlleenLezen = true;
  return true;
}

bool VerhuisSlot(Kasboek& kb) {
  std::shared_ptr<void> nieuw;
  SlotHouder houder;
  std::string reden;
  const std::string tijd = DatumTekstLang(kb.Nu()) + " " + TijdTekst(kb.Nu());
  const SlotUitkomst uitkomst =
      NeemSlot(kb.Pad(kb.sessie.KasPad), tijd, nieuw, houder, kb.bestanden(), &reden);
  if (uitkomst != SlotUitkomst::Genomen) {
    const std::string waarom = uitkomst == SlotUitkomst::Bezet ? SlotTekst(houder) : "geen slot: " + reden;
    Foutmelding(kb, kb.sessie.KasPad + " (" + waarom + ")", FoutNr::WegschrijvenMislukt, HintNr::ProbeerOpnieuw);
    return false;
  }
  // An empty handle: this process holds that lock already (the same book).
  if (nieuw) kb.sessie.Slot = std::move(nieuw);
  kb.sessie.AlleenLezen = false;
  kb.sessie.SlotMelding.clear();
  kb.sessie.GeenSlot.clear();
  return true;
}

bool MagBoekSchrijven(Kasboek& kb) {
  if (kb.sessie.AlleenLezen) {
    // Another program has this book and writes it; only "Opslaan als" to a
    // file of its own keeps what was done here.
    Foutmelding(kb, kb.sessie.KasPad + " (alleen-lezen geopend, " + kb.sessie.SlotMelding + ")",
                FoutNr::WegschrijvenMislukt, HintNr::ProbeerOpnieuw);
    return false;
  }
  if (!kb.sessie.GeenSlot.empty()) {
    Foutmelding(kb, kb.sessie.KasPad + " (" + kb.sessie.GeenSlot + ")", FoutNr::WegschrijvenMislukt,
                HintNr::ProbeerOpnieuw);
    return false;
  }
  return true;
}

}  // namespace valdero
