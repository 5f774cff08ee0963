// Reading and writing the configuration file beside a book.

#include "model/storage/ConfigBestand.h"

#include "model/storage/Bestanden.h"
#include "model/storage/BoekVersleuteling.h"
#include "model/core/Berichten.h"
#include "model/core/Bestandssysteem.h"
#include "model/storage/ByteLezer.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/MuntOmzetting.h"

namespace valdero {
namespace {

constexpr std::int32_t kMaxKlassen = 100;
constexpr std::int32_t kMaxSoorten = 16;
constexpr std::int32_t kMaxValuta = 32;
constexpr std::uint16_t kGeenBetaalRekening = 9;

std::string LeesNaam(int ioStatus) {
  switch (ioStatus) {
    case 1: return "KlasseArray";
    case 2: return "SoortArray";
    case 3: return "ValutaArray";
    case 4: return "Configuratie";
    case 5: return "KlasseArraylengte";
    case 6: return "SoortArraylengte";
    case 7: return "ValutaArraylengte";
    case kGeenBetaalRekening: return "Géén Betaal Rekening";
    default: return {};
  }
}

// Each later test overrides an earlier one, so the last failing one is
// reported.
std::uint16_t ControleerAantallen(std::int32_t klassen, std::int32_t soorten, std::int32_t valuta) {
  std::uint16_t status = 0;
  if (klassen <= 0) status = 1;
  if (soorten <= 0) status = 2;
  if (valuta <= 0) status = 3;
  if (klassen > kMaxKlassen) status = 5;
  if (soorten > kMaxSoorten) status = 6;
  if (valuta > kMaxValuta) status = 7;
  return status;
}

// Reads the tables after the counts; returns the failing table's number.
// What was read before a failure stays in the lists (the defaults replace it).
std::uint16_t LeesTabellen(Kasboek& kb, ByteLezer& lezer, std::int32_t klassen, std::int32_t soorten,
                           std::int32_t valuta) {
  if (!lezer.LeesRecords(klassen - 1, kb.KlasseLijst)) return 4;
  for (const auto& klasse : kb.KlasseLijst)
    if (klasse.BtwSoort != 0) kb.BtwActief = true;
  kb.KlassenGelezen = true;

  if (!lezer.LeesRecords(soorten - 1, kb.SoortLijst)) return 4;
  std::uint16_t status = 0;
  if (kb.SoortLijst.front().Naam != "BT betalingen")
    status = kGeenBetaalRekening;
  else
    kb.SoortenGelezen = true;

  if (!lezer.LeesRecords(valuta - 1, kb.ValutaLijst)) return 4;
  for (std::size_t i = 0; i < kb.ValutaLijst.size(); ++i)
    if (kb.ValutaLijst[i].Basis == 1) kb.BasisMunt = static_cast<std::int32_t>(i);
  // A base currency left over from a longer list of another book would
  // point past this one.
  if (kb.BasisMunt >= valuta) kb.BasisMunt = 0;

  std::vector<TConfig> config;
  if (!lezer.LeesRecords(0, config)) return 4;
  kb.Config = config.front();
  kb.ConfigAanwezig = true;
  return status;
}

// The failure is recorded before its report, so that IOStatus holds the
// configuration's own number rather than the report's.
Status MeldConfigFout(Kasboek& kb, std::uint16_t status, FoutNr fout, HintNr hint) {
  if (kb.IOStatus == 0) kb.IOStatus = status;
  Foutmelding(kb, LeesNaam(status), fout, hint);
  return Status::Stap(status);
}

Status LeesConfigBestand(Kasboek& kb, std::span<const std::uint8_t> inhoud) {
  ByteLezer lezer(inhoud);
  std::int32_t klassen = 0, soorten = 0, valuta = 0;
  std::uint16_t status = 0;
  if (!lezer.LeesI32(klassen) || !lezer.LeesI32(soorten) || !lezer.LeesI32(valuta)) {
    status = 4;
  } else {
    status = ControleerAantallen(klassen, soorten, valuta);
    if (status > 3) {
      const Status gemeld = MeldConfigFout(kb, status, FoutNr::InlezenMislukt, HintNr::ControleerLayout);
      StandaardConfig(kb);
      return gemeld;
    }
    if (status == 0) status = LeesTabellen(kb, lezer, klassen, soorten, valuta);
  }
  if (status == 0) return {};
  const Status gemeld = MeldConfigFout(kb, status, FoutNr::InlezenMislukt, HintNr::ProbeerOpnieuw);
  StandaardConfig(kb);
  return gemeld;
}

// A configuration that could not be read holds the owner's settings and
// personal data all the same: a copy of it is kept under a name of its own
// before the defaults are ever written in its place (the file itself stays
// for the user to look at until then). Where not even a copy can be made,
// the defaults are not written over it at all.
// One kept copy per content: a configuration that stays unreadable is kept
// once, however often the book is opened.
void BewaarBeschadigde(Kasboek& kb, const std::filesystem::path& pad) {
  std::error_code fout;
  std::vector<std::uint8_t> beschadigd;
  const bool leesbaar = LeesBestand(pad, beschadigd, kb.bestanden());
  for (int n = 0; n < 100; ++n) {
    const std::string naam = kb.sessie.KasNaam + (n == 0 ? "" : "-" + std::to_string(n)) + ".~CF";
    const auto kopie = pad.parent_path() / naam;
    if (std::filesystem::exists(std::filesystem::symlink_status(kopie, fout))) {
      std::vector<std::uint8_t> bewaard;
      if (leesbaar && LeesBestand(kopie, bewaard, kb.bestanden()) && bewaard == beschadigd) {
        Mededeling(kb, "Oude configuratie bewaard als " + naam);
        return;
      }
      continue;
    }
    if (!MaakKopie(pad, kopie, kb.bestanden())) break;
    Mededeling(kb, "Oude configuratie bewaard als " + naam);
    return;
  }
  kb.ConfigBehouden = true;
}

}  // namespace

static Status LeesConfigStappen(Kasboek& kb) {
  kb.SoortLijst.clear();
  kb.KlasseLijst.clear();
  kb.ValutaLijst.clear();
  kb.KlassenGelezen = kb.SoortenGelezen = kb.ConfigAanwezig = kb.BtwActief = false;
  kb.ConfigBehouden = false;
  if (kb.sessie.ConfigPad.empty()) kb.sessie.ConfigPad = kb.sessie.KasNaam + ".cfg";

  if (!kb.KasGelezen) {
    StandaardConfig(kb);
    return {};
  }
  const auto pad = kb.Pad(kb.sessie.ConfigPad);
  std::error_code fout;
  if (!std::filesystem::exists(pad, fout)) {
    Mededeling(kb, "Configuratie bestand bestaat niet\rStandaard bestand wordt aangemaakt");
    StandaardConfig(kb);
    return SchrijfConfig(kb);
  }
  std::vector<std::uint8_t> inhoud;
  Status status;
  if (!LeesBestand(pad, inhoud, kb.bestanden())) {
    status = MeldConfigFout(kb, 4, FoutNr::InlezenMislukt, HintNr::ProbeerOpnieuw);
    StandaardConfig(kb);
  } else {
    // A sealed configuration (of an encrypted book) that the book's key
    // does not open is unreadable like a damaged one.
    if (auto open = VanSchijf(kb, std::move(inhoud))) {
      status = LeesConfigBestand(kb, *open);
    } else {
      status = MeldConfigFout(kb, 4, FoutNr::InlezenMislukt, HintNr::ProbeerOpnieuw);
      StandaardConfig(kb);
    }
  }
  // Another program's configuration is not ours to move.
  if (!status.Gelukt() && !kb.sessie.AlleenLezen) BewaarBeschadigde(kb, pad);
  return status;
}

Status LeesConfig(Kasboek& kb) {
  return EindeOpdracht(kb, LeesConfigStappen(kb));
}

static Status SchrijfConfigStappen(Kasboek& kb) {
  kb.sessie.ConfigPad = kb.sessie.KasNaam + ".cfg";
  ByteSchrijver uit;
  uit.SchrijfI32(static_cast<std::int32_t>(kb.KlasseLijst.size()));
  uit.SchrijfI32(static_cast<std::int32_t>(kb.SoortLijst.size()));
  uit.SchrijfI32(static_cast<std::int32_t>(kb.ValutaLijst.size()));
  for (const auto& klasse : kb.KlasseLijst) uit.Schrijf(klasse);
  for (const auto& soort : kb.SoortLijst) uit.Schrijf(soort);
  VerzamelSoortKodes(kb);

  // The book file converted its amounts with the same rate; a rate that
  // cannot be divided by converted nothing there, so nothing here either.
  const double koers = OmzetKoers(kb);
  if (kb.MuntOmzetten && koers > 0) {
    for (std::size_t i = 0; i < kb.ValutaLijst.size(); ++i) {
      TValut& valuta = kb.ValutaLijst[i];
      valuta.Koers = static_cast<float>(valuta.Koers / koers);
      valuta.Basis = static_cast<int>(i) == kb.weergave.HulpMunt ? 1 : 0;
    }
    kb.BasisMunt = kb.weergave.HulpMunt;
  }
  for (const auto& valuta : kb.ValutaLijst) uit.Schrijf(valuta);
  uit.Schrijf(kb.Config);

  // No write without the book's lock, as for the book itself.
  if (kb.ConfigBehouden || kb.sessie.AlleenLezen || !kb.sessie.GeenSlot.empty())
    return MeldConfigFout(kb, 4, FoutNr::WegschrijvenMislukt, HintNr::ProbeerOpnieuw);
  const SchrijfUitkomst uitkomst =
      SchrijfAtomisch(kb.Pad(kb.sessie.ConfigPad), VoorSchijf(kb, std::move(uit.inhoud)), kb.bestanden());
  if (!uitkomst) return MeldConfigFout(kb, 4, FoutNr::WegschrijvenMislukt, HintNr::ProbeerOpnieuw);
  if (uitkomst.onbevestigd) {
    kb.sessie.OnbevestigdBewaard = true;
    kb.berichten().BerichtDlg(OnbevestigdTekst(kb.sessie.ConfigPad, uitkomst), BerichtSoort::Waarschuwing,
                              knop::OK);
  }
  return {};
}

Status SchrijfConfig(Kasboek& kb) {
  return EindeOpdracht(kb, SchrijfConfigStappen(kb));
}

}  // namespace valdero
