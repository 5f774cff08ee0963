#include "app/cli/BoekStart.h"

namespace valdero::cli {

int DumpOpdracht(Omgeving& omgeving) {
  GeladenBoek g;
  if (const int code = StartBoekOpdracht(omgeving, "dump", g); code != kGelukt) return code;
  ToonBoek(omgeving, *g.boek);
  return g.geladen ? kGelukt : kMislukt;
}

}  // namespace valdero::cli
