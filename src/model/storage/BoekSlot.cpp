#include "model/storage/BoekSlot.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <sstream>
#include <system_error>

#include "model/core/Berichten.h"
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

bool LeesHouder(const fs::path& slot, SlotHouder& houder) {
  std::vector<std::uint8_t> inhoud;
  if (!LeesBestand(slot, inhoud)) return false;
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
// back instead).
void RuimOp(const fs::path& slot, const SlotHouder& oud) {
  const fs::path opzij = NaamErnaast(slot, "oud");
  if (::rename(slot.c_str(), opzij.c_str()) != 0) return;
  SlotHouder gevonden;
  const bool leesbaar = LeesHouder(opzij, gevonden);
  if (leesbaar && (gevonden.pid != oud.pid || gevonden.host != oud.host)) {
    // Someone else's fresh lock: back where it was, unless yet another came.
    if (::link(opzij.c_str(), slot.c_str()) != 0) {
      // The name is taken again; the fresh lock we moved is lost to its
      // owner, who keeps writing safely all the same (saves never depend on it).
    }
  }
  ::unlink(opzij.c_str());
}

struct Slot {
  fs::path pad;
  ~Slot() {
    SlotHouder houder;
    if (LeesHouder(pad, houder) && VanDitProces(houder)) ::unlink(pad.c_str());
  }
};

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
                      SlotHouder& houder) {
  handvat.reset();
  const fs::path slot = SlotPad(boek);
  const std::string inhoud = std::to_string(::getpid()) + "\n" + EigenHost() + "\n" + tijd + "\n";
  for (int poging = 0; poging < 5; ++poging) {
    // The content first under a name of its own, then the lock's name given
    // to it in one step: nobody ever reads a half-written lock.
    const fs::path nieuw = NaamErnaast(slot, "slot");
    const int fd = ::open(nieuw.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return SlotUitkomst::Onmogelijk;
    const bool geschreven =
        ::write(fd, inhoud.data(), inhoud.size()) == static_cast<ssize_t>(inhoud.size());
    ::close(fd);
    if (!geschreven) {
      ::unlink(nieuw.c_str());
      return SlotUitkomst::Onmogelijk;
    }
    const int gekoppeld = ::link(nieuw.c_str(), slot.c_str()) == 0 ? 0 : errno;
    ::unlink(nieuw.c_str());
    if (gekoppeld == 0) {
      auto eigen = std::make_shared<Slot>();
      eigen->pad = slot;
      handvat = std::move(eigen);
      return SlotUitkomst::Genomen;
    }
    if (gekoppeld != EEXIST) return SlotUitkomst::Onmogelijk;
    if (!LeesHouder(slot, houder)) {
      // Vanished in between, or not a lock of ours at all: try again; a
      // damaged one is treated as stale.
      std::error_code fout;
      if (fs::exists(slot, fout)) RuimOp(slot, houder);
      continue;
    }
    if (VanDitProces(houder)) return SlotUitkomst::Genomen;
    if (!Verlaten(houder)) return SlotUitkomst::Bezet;
    RuimOp(slot, houder);
  }
  return SlotUitkomst::Bezet;
}

bool NeemBoekSlot(Kasboek& kb) {
  kb.Slot.reset();
  kb.AlleenLezen = false;
  kb.SlotMelding.clear();
  SlotHouder houder;
  const std::string tijd = DatumTekstLang(kb.Nu()) + " " + TijdTekst(kb.Nu());
  if (NeemSlot(kb.Pad(kb.KasPad), tijd, kb.Slot, houder) != SlotUitkomst::Bezet) {
    // A write-protected file cannot be saved either: say so now, as for a
    // book another program holds, rather than at the first save.
    if (SchrijfBeveiligd(kb.Pad(kb.KasPad))) {
      kb.AlleenLezen = true;
      kb.SlotMelding = "schrijfbeveiligd";
      kb.berichten().BerichtDlg(kb.KasPad + " is schrijfbeveiligd: het boek is alleen-lezen geopend.\r"
                                "Wijzigingen kunnen alleen met \"Bewaren als...\" bewaard worden",
                                BerichtSoort::Waarschuwing, knop::OK);
    }
    return true;
  }
  kb.SlotMelding = kb.KasPad + " is " + SlotTekst(houder);
  if (!kb.sessie.BezetAlleenLezen &&
      !Vraag(kb, kb.SlotMelding + "\rAlleen-lezen openen? (bewaren kan dan niet)"))
    return false;
  kb.AlleenLezen = true;
  return true;
}

bool VerhuisSlot(Kasboek& kb) {
  std::shared_ptr<void> nieuw;
  SlotHouder houder;
  const std::string tijd = DatumTekstLang(kb.Nu()) + " " + TijdTekst(kb.Nu());
  if (NeemSlot(kb.Pad(kb.KasPad), tijd, nieuw, houder) == SlotUitkomst::Bezet) {
    Foutmelding(kb, kb.KasPad + " (" + SlotTekst(houder) + ")", FoutNr::WegschrijvenMislukt,
                HintNr::ProbeerOpnieuw);
    return false;
  }
  // An empty handle: this process holds that lock already (the same book).
  if (nieuw) kb.Slot = std::move(nieuw);
  kb.AlleenLezen = false;
  kb.SlotMelding.clear();
  return true;
}

}  // namespace valdero
