#include "app/cli/BoekStart.h"

#include <ostream>

#include "app/cli/BoekJson.h"
#include "app/cli/CliWachtwoord.h"
#include "model/core/Kasboek.h"
#include "model/storage/BoekLaden.h"

namespace valdero::cli {

LaadUitkomst StartCliBoek(Omgeving& omgeving, std::string_view opdracht, CliBoek& boek,
                          const CliOpties& opties, const std::string& argument, Laadwijze wijze) {
  const LaadUitkomst u = StartBoek(boek.kb, true, argument, wijze);
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
