#include <ostream>

#include "app/cli/BoekStart.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"

namespace valdero::cli {

// Saves as the Save command of the main window does.
int BewaarOpdracht(Omgeving& omgeving) {
  GeladenBoek g;
  if (const int code = StartBoekOpdracht(omgeving, "bewaar", g); code != kGelukt) return code;
  if (!g.geladen || MeldBezet(omgeving, "bewaar", g.boek->kb)) {
    // Saving a book that was not read would overwrite the file with nothing.
    ToonBoek(omgeving, *g.boek);
    return kMislukt;
  }
  Kasboek& kb = g.boek->kb;
  const bool bewaard = BewaarBoek(kb, false).Gelukt() && SchrijfConfig(kb).Gelukt();
  VolgBewaring(omgeving, kb);
  ToonBoek(omgeving, *g.boek);
  if (!bewaard) {
    omgeving.fout << "valdero-cli bewaar: " << kb.sessie.KasPad << " niet (volledig) bewaard\n";
    return kMislukt;
  }
  return kGelukt;
}

}  // namespace valdero::cli
