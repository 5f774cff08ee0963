#include <ostream>

#include "app/cli/BoekStart.h"
#include "model/core/Bedragen.h"
#include "model/core/Domein.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"

namespace valdero::cli {

// The balance of every account, in the display currency, as a small table:
// what a person without a screen for the desktop program wants to see.
int SaldiOpdracht(Omgeving& omgeving) {
  GeladenBoek g;
  // The balances need no transaction in memory: read for the matrix alone.
  if (const int code = StartBoekOpdracht(omgeving, "saldi", g, Laadwijze::AlleenSaldi); code != kGelukt)
    return code;
  if (!g.geladen) return kMislukt;
  Kasboek& kb = g.boek->kb;
  if (kb.SaldoMatrix().size() != static_cast<std::size_t>(kb.MaxGroep()) + 2) return kMislukt;

  const TKasValue& totalen = kb.SaldoMatrix().back();
  auto regel = [&](const std::string& nr, const std::string& naam, const std::string& soort, double saldo) {
    omgeving.uit << VulLinks(nr, 4) << "  " << VulRechts(Kap(naam, 32), 32) << "  " << VulRechts(soort, 2)
                 << "  " << VulLinks(BedragTekst(kb, saldo), 14) << "\n";
  };
  omgeving.uit << "Saldi van " << kb.sessie.KasNaam << " (" << kb.KasJaar << ")\n\n";
  double totaal = 0;
  for (int a = 1; a <= kb.MaxRek(); ++a) {
    const TBank& r = kb.RekLijst[static_cast<std::size_t>(a)];
    const TInUit& cel = totalen[static_cast<std::size_t>(a)];
    // The planned records of the transfer account are no money yet.
    if (r.RekNr != kTransferRekening) totaal += cel.In + cel.Uit;
    regel(std::to_string(r.RekNr), r.Naam, r.Soort, cel.In + cel.Uit);
  }
  omgeving.uit << "\n";
  regel("", "Totaal (zonder transferrekening)", "", totaal);
  return kGelukt;
}

}  // namespace valdero::cli
