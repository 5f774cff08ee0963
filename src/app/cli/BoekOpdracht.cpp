// valdero-cli boek: one booking on a book, made the way a user would make it
// in the booking window, then the book as JSON.

#include <ostream>

#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingScript.h"
#include "model/storage/BoekBestand.h"
#include "app/cli/BoekStart.h"
#include "model/storage/BoekLaden.h"

namespace valdero::cli {
namespace {

bool IsBoekModus(int m) {
  return (m >= 0 && m <= 6) || m == 8 || (m >= 10 && m <= 17);
}

}  // namespace

int BoekOpdracht(Omgeving& omgeving) {
  GeladenBoek g;
  valdero::BoekOpdracht opdracht;
  OptieLezer lezer(g.opties);
  lezer.Waarde("index", [&opdracht](const std::string& lijst) -> std::string {
    const auto indexen = AlsGetallen(lijst);
    if (!indexen) return "--index verwacht N[,N...]: " + lijst;
    opdracht.indexen = *indexen;
    return {};
  });
  lezer.Schakelaar("kopie", opdracht.kopie);
  if (std::string fout = lezer.Lees(omgeving.args); !fout.empty()) return Gebruiksfout(omgeving, "boek", fout);
  const auto& arg = g.opties.argumenten;
  if (arg.size() < 2) return Gebruiksfout(omgeving, "boek", "geef BOEK en MODUS");

  const auto m = AlsGetal(arg[1]);
  if (!m || !IsBoekModus(*m)) return Gebruiksfout(omgeving, "boek", "onbekende modus " + arg[1]);
  opdracht.modus = *m;
  for (std::size_t a = 2; a < arg.size(); ++a) {
    const auto is = arg[a].find('=');
    if (is == std::string::npos)
      return Gebruiksfout(omgeving, "boek", "verwacht veld=tekst, niet '" + arg[a] + "'");
    opdracht.velden.emplace_back(arg[a].substr(0, is), arg[a].substr(is + 1));
  }
  for (const auto& [naam, tekst] : opdracht.velden)
    if (naam != "opm" && naam != "btw" && VeldTag(naam) == 0)
      return Gebruiksfout(omgeving, "boek", "onbekend veld " + naam);

  g.boek = std::make_unique<CliBoek>(g.opties, omgeving.map, omgeving.voortgang, omgeving.bestanden);
  Kasboek& kb = g.boek->kb;
  const LaadUitkomst u = StartCliBoek(omgeving, "boek", *g.boek, g.opties, arg[0]);
  g.geladen = u == LaadUitkomst::Geladen && kb.RekGelezen && kb.GroepGelezen && kb.KasGelezen;
  if (!g.geladen) {
    omgeving.fout << "valdero-cli boek: boek " << arg[0] << " niet geladen\n";
    ToonBoek(omgeving, *g.boek);
    return kMislukt;
  }
  if (MeldBezet(omgeving, "boek", kb)) {
    ToonBoek(omgeving, *g.boek);
    return kMislukt;
  }
  // Every booking that happens is written at once; one that was refused
  // writes nothing. So the booking happened when the book was saved, and
  // every save went well.
  int bewaringen = 0;
  bool bewaarFout = false;
  const auto fout = VoerBoekingUit(kb, opdracht, [&](Kasboek& boek) {
    ++bewaringen;
    if (!BewaarBoek(boek, false).Gelukt()) bewaarFout = true;
    VolgBewaring(omgeving, boek);
  });
  ToonBoek(omgeving, *g.boek);
  if (fout) {
    omgeving.fout << "valdero-cli boek: " << *fout << "\n";
    return kMislukt;
  }
  if (bewaringen == 0 || bewaarFout) {
    omgeving.fout << "valdero-cli boek: "
                  << (bewaarFout ? kb.sessie.KasPad + " niet bewaard" : std::string("niets geboekt")) << "\n";
    return kMislukt;
  }
  return kGelukt;
}

}  // namespace valdero::cli
