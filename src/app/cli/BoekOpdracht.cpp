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

std::optional<int> AlsGetal(const std::string& s) {
  if (s.empty() || s.size() > 6) return std::nullopt;
  int n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

int BoekOpdracht(Omgeving& omgeving) {
  // "--kopie" is a switch; the shared reader expects a value after an option.
  std::vector<std::string> args;
  for (const std::string& a : omgeving.args) args.push_back(a == "--kopie" ? "--kopie=1" : a);
  GeladenBoek g;
  if (std::string fout = LeesOpties(args, g.opties, {"index", "kopie"}); !fout.empty())
    return Gebruiksfout(omgeving, "boek", fout);
  const auto& arg = g.opties.argumenten;
  if (arg.size() < 2) return Gebruiksfout(omgeving, "boek", "geef BOEK en MODUS");

  valdero::BoekOpdracht opdracht;
  const auto m = AlsGetal(arg[1]);
  if (!m || !IsBoekModus(*m)) return Gebruiksfout(omgeving, "boek", "onbekende modus " + arg[1]);
  opdracht.modus = *m;
  if (const auto i = g.opties.extra.find("index"); i != g.opties.extra.end()) {
    std::size_t begin = 0;
    for (;;) {
      const auto komma = i->second.find(',', begin);
      const auto n = AlsGetal(i->second.substr(begin, komma - begin));
      if (!n) return Gebruiksfout(omgeving, "boek", "--index verwacht N[,N...]: " + i->second);
      opdracht.indexen.push_back(*n);
      if (komma == std::string::npos) break;
      begin = komma + 1;
    }
  }
  if (const auto k = g.opties.extra.find("kopie"); k != g.opties.extra.end())
    opdracht.kopie = k->second != "0";
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
                  << (bewaarFout ? kb.KasPad + " niet bewaard" : std::string("niets geboekt")) << "\n";
    return kMislukt;
  }
  return kGelukt;
}

}  // namespace valdero::cli
