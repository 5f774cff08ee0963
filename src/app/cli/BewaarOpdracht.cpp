#include <ostream>

#include "app/cli/BoekStart.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"

namespace valdero::cli {

// Saves as the Save command of the main window does.
int BewaarOpdracht(Omgeving& omgeving) {
  GeladenBoek g;
  if (const int code = StartBoekOpdracht(omgeving, "bewaar", g); code != kGelukt) return code;
  if (!g.geladen) {
    // Saving a book that was not read would overwrite the file with nothing.
    ToonBoek(omgeving, *g.boek);
    return kMislukt;
  }
  Kasboek& kb = g.boek->kb;
  kb.Bewaard = false;
  BewaarBoek(kb, false);
  const bool bewaard = kb.Bewaard && kb.IOStatus == 0;
  if (kb.Bewaard) SchrijfConfig(kb);
  ToonBoek(omgeving, *g.boek);
  if (!bewaard || kb.IOStatus != 0) {
    omgeving.fout << "valdero-cli bewaar: " << kb.KasPad << " niet (volledig) bewaard\n";
    return kMislukt;
  }
  return kGelukt;
}

}  // namespace valdero::cli
