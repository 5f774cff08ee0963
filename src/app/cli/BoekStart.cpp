#include "app/cli/BoekStart.h"

#include <algorithm>
#include <ostream>

#include "app/cli/BoekJson.h"
#include "app/cli/CliWachtwoord.h"
#include "model/core/Kasboek.h"
#include "model/storage/BoekLaden.h"

namespace valdero::cli {

LaadUitkomst StartCliBoek(Omgeving& omgeving, std::string_view opdracht, CliBoek& boek,
                          const CliOpties& opties, const std::string& argument, Laadwijze wijze) {
  ZetWachtwoordzinBron(omgeving, boek, opties);
  const LaadUitkomst u = StartBoek(boek.kb, true, argument, wijze);
  // An encrypted book that did not open: the reason in a line of its own.
  if (u == LaadUitkomst::Gestopt && !boek.berichten.zinVragen.empty()) {
    const auto teksten = boek.berichten.Teksten();
    const bool onjuist = std::any_of(teksten.begin(), teksten.end(), [](const std::string& t) {
      return t.rfind("Wachtwoordzin onjuist", 0) == 0;
    });
    omgeving.fout << "valdero-cli " << opdracht << ": "
                  << (onjuist ? "wachtwoordzin onjuist, of het bestand is beschadigd"
                              : "boek is versleuteld; geef de wachtwoordzin op de terminal of met "
                                "--wachtwoord-bestand BESTAND")
                  << "\n";
  }
  if (u == LaadUitkomst::Geladen && !ControleerCliWachtwoord(omgeving, opdracht, boek, opties))
    return LaadUitkomst::Gestopt;
  return u;
}

void VolgBewaring(Omgeving& omgeving, const Kasboek& kb) {
  if (kb.sessie.OnbevestigdBewaard) omgeving.onbevestigd = true;
}

int StartBoekOpdracht(Omgeving& omgeving, std::string_view opdracht, GeladenBoek& uitkomst, Laadwijze wijze) {
  if (std::string fout = LeesOpties(omgeving.args, uitkomst.opties); !fout.empty())
    return Gebruiksfout(omgeving, opdracht, fout);
  if (uitkomst.opties.argumenten.size() != 1)
    return Gebruiksfout(omgeving, opdracht, "geef precies één BOEK");

  uitkomst.boek = std::make_unique<CliBoek>(uitkomst.opties, omgeving.map, omgeving.voortgang, omgeving.bestanden);
  Kasboek& kb = uitkomst.boek->kb;
  const LaadUitkomst u = StartCliBoek(omgeving, opdracht, *uitkomst.boek, uitkomst.opties,
                                      uitkomst.opties.argumenten[0], wijze);
  uitkomst.geladen =
      u == LaadUitkomst::Geladen && kb.RekGelezen && kb.GroepGelezen && kb.KasGelezen;
  if (!uitkomst.geladen)
    omgeving.fout << "valdero-cli " << opdracht << ": boek " << uitkomst.opties.argumenten[0]
                  << " niet geladen\n";
  return kGelukt;
}

bool MeldBezet(Omgeving& omgeving, std::string_view opdracht, const Kasboek& kb) {
  if (!kb.sessie.AlleenLezen) return false;
  omgeving.fout << "valdero-cli " << opdracht << ": " << kb.sessie.SlotMelding << "; niets bewaard\n";
  return true;
}

void ToonBoek(Omgeving& omgeving, const CliBoek& boek) {
  SchrijfBoekJson(omgeving.uit, boek.kb, boek.berichten.getoond);
}

}  // namespace valdero::cli
