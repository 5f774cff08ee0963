#include "model/storage/BoekBestand.h"
#include "model/lifecycle/BoekMomentopname.h"
#include "model/storage/ConfigBestand.h"
#include "model/core/BoekNaam.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/lifecycle/Levensloop.h"
#include "model/core/Meldingen.h"

namespace valdero {
namespace {

int HuidigJaar(const Kasboek& kb) { return JaarGetal(kb.sessie.HuidigJaar).value_or(JaarVan(kb.Vandaag())); }

// This year's name, proposed by the save dialog.
void ZetNaamVanDitJaar(Kasboek& kb) {
  std::string jaar = std::to_string(HuidigJaar(kb) % 100);
  if (jaar.size() < 2) jaar.insert(jaar.begin(), '0');
  kb.sessie.KasNaam = "Valdr" + jaar;
  kb.sessie.KasPad = kb.sessie.KasNaam + ".vdr";
  kb.KasJaar = JaarUitNaam(kb, kb.sessie.KasNaam);
}

}  // namespace

void Levensloop::NieuwJaar() {
  if (Vraag(kb_, "Wilt u alle transacties van vorig jaar ook bewaren")) {
    const BoekMomentopname voor(kb_);
    ZetNaamVanDitJaar(kb_);
    if (!BewaarBoek(kb_, true).Gelukt()) {
      voor.Herstel(kb_);
      return;
    }
    static_cast<void>(SchrijfConfig(kb_));
    venster_.LaadBoek();
    return;
  }
  const int jaar = HuidigJaar(kb_);
  venster_.ToonStartDatum(MaakDatum(jaar, 1, 1), MaakDatum(jaar, 12, 31));
}

void Levensloop::StartDatumOk(double datum) {
  // Nothing of the new year may remain in memory when it is not saved: a
  // later Save would write it over last year's book.
  const BoekMomentopname voor(kb_);
  if (Vraag(kb_, "Wilt u wel de Eindbedragen van alle rekeningen bewaren")) {
    Openingssaldi(kb_, datum);
  } else {
    kb_.KasLijst.assign(1, TKas{});
  }
  ZetNaamVanDitJaar(kb_);
  if (!BewaarBoek(kb_, true).Gelukt()) {
    voor.Herstel(kb_);
    return;
  }
  // A configuration that could not be written was reported; the new year's
  // book is on disk and is opened all the same.
  static_cast<void>(SchrijfConfig(kb_));
  venster_.LaadBoek();
}

}  // namespace valdero
