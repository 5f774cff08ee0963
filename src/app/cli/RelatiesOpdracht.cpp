// valdero-cli relaties: builds the relation list the way the first opening of
// the relations window does, saves the book and shows it as JSON.

#include <ostream>

#include "app/cli/BoekStart.h"
#include "model/relations/RelatieLijst.h"

namespace valdero::cli {

int RelatiesOpdracht(Omgeving& omgeving) {
  GeladenBoek g;
  if (const int code = StartBoekOpdracht(omgeving, "relaties", g); code != kGelukt) return code;
  if (!g.geladen || MeldBezet(omgeving, "relaties", g.boek->kb)) {
    ToonBoek(omgeving, *g.boek);
    return kMislukt;
  }
  Kasboek& kb = g.boek->kb;
  kb.sessie.Bewaard = false;
  const bool alAanwezig = kb.RelatiesAanwezig;
  OpenRelaties(kb);
  // A book that already held relations is not built again, and not saved.
  const bool bewaard = alAanwezig || (kb.sessie.Bewaard && kb.IOStatus == 0);
  VolgBewaring(omgeving, kb);
  ToonBoek(omgeving, *g.boek);
  if (!bewaard) {
    omgeving.fout << "valdero-cli relaties: " << kb.sessie.KasPad << " niet bewaard\n";
    return kMislukt;
  }
  if (!kb.RelatiesAanwezig) {
    omgeving.fout << "valdero-cli relaties: Geen unieke Relaties\n";
    return kMislukt;
  }
  return kGelukt;
}

}  // namespace valdero::cli
