#include "model/shell/HoofdvensterStand.h"

#include "model/core/Kasboek.h"
#include "model/storage/BoekLaden.h"

namespace valdero {

HoofdvensterStand BepaalHoofdvensterStand(const Kasboek& kb) {
  HoofdvensterStand s;
  s.rekeningenGelezen = kb.RekGelezen;
  s.groepenGelezen = kb.GroepGelezen;
  s.transactiesGelezen = kb.KasGelezen;
  s.transfereren = kb.KasGelezen && TransferActief(kb);
  s.boeken = kb.RekGelezen && kb.GroepGelezen;
  s.menuPaneel = kb.KasGelezen || s.boeken;
  s.nieuwKasPaneel = !kb.KasGelezen && !kb.RekGelezen && !kb.GroepGelezen;
  s.kasOpen = s.boeken;
  s.btwActief = BtwActiefIn(kb);
  return s;
}

bool BtwActiefIn(const Kasboek& kb) {
  for (int i = 0; i < kb.AantalKlassen(); ++i)
    if (kb.KlasseLijst[static_cast<std::size_t>(i)].BtwSoort != 0) return true;
  return false;
}

}  // namespace valdero
