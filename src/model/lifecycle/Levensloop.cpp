#include "model/lifecycle/Levensloop.h"

#include <filesystem>

#include "model/core/Berichten.h"
#include "model/core/BoekNaam.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/ConfigBestand.h"
#include "model/storage/Herstelpunten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/settings/Wachtwoord.h"

namespace valdero {

void ZonderVenster::LaadBoek() { StartBoek(kb_, false); }

void ZonderVenster::VernieuwHoofdvenster() { static_cast<void>(VernieuwBoek(kb_)); }

Levensloop::Levensloop(Kasboek& kb, LevensloopVenster& venster, RekeningDialoog& rekeningDialoog,
                       WachtwoordVoerder& wachtwoord)
    : kb_(kb), venster_(venster), rekeningDialoog_(rekeningDialoog), wachtwoord_(wachtwoord) {}

bool Levensloop::OpenBoekCommando() {
  const auto gekozen = kb_.berichten().OpenDialoog(OpenBoekDialoog(kb_));
  if (!gekozen) return true;
  const std::filesystem::path pad = kb_.Pad(*gekozen);
  kb_.sessie.Map = pad.parent_path();
  kb_.sessie.KasPad = pad.string();
  kb_.sessie.KasNaam = BoekNaamUitPad(kb_.sessie.KasPad);
  // The year follows from the name inside LaadBoek, which also reports a
  // name without one; doing it here too would report it twice.
  venster_.LaadBoek();
  if (!kb_.GroepGelezen) return true;
  return ControleerWachtwoord();
}

bool Levensloop::ControleerWachtwoord() {
  if (!valdero::ControleerWachtwoord(kb_, wachtwoord_)) return false;
  venster_.WachtwoordToegestaan();
  return true;
}

void Levensloop::ZetWachtwoord() { valdero::ZetWachtwoord(kb_, wachtwoord_); }

void Levensloop::Bewaren() {
  if (BewaarBoek(kb_, false).Gelukt()) static_cast<void>(SchrijfConfig(kb_));
}

void Levensloop::BewaarAls() {
  if (kb_.weergave.HulpMunt == kb_.BasisMunt) {
    if (!Vraag(kb_, "Bewaren met andere naam zónder Conversie")) return;
  } else {
    kb_.MuntOmzetten = Vraag(kb_, "Bewaren met Conversie naar ander munt?");
  }
  const bool omzetten = kb_.MuntOmzetten;
  if (BewaarBoek(kb_, true).Gelukt()) {
    static_cast<void>(SchrijfConfig(kb_));
    // The open book is the saved copy now: its lock moved with the save, and
    // its restore points start here, as they would when it was opened.
    static_cast<void>(MaakHerstelpunt(kb_));
    if (omzetten) {
      // The open book now counts in the new base currency, as its file does:
      // its rates, its base and its totals must say so too.
      for (std::size_t i = 0; i < kb_.ValutaLijst.size(); ++i)
        if (kb_.ValutaLijst[i].Basis == 1) kb_.BasisMunt = static_cast<std::int32_t>(i);
      kb_.weergave.HulpMunt = kb_.BasisMunt;
      HerbouwSaldoMatrix(kb_);
    }
  }
  // Never leave a conversion pending for the next plain save.
  kb_.MuntOmzetten = false;
}

}  // namespace valdero
