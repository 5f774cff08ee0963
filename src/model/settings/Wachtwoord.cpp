#include "model/settings/Wachtwoord.h"

#include "model/storage/BoekBestand.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/storage/WachtwoordOpslag.h"
#include "model/core/Windows1252.h"

namespace valdero {
namespace {

constexpr int kOK = 1;

// The book stores single bytes: a character the file cannot hold would turn
// into "?" and lock the owner out of the book after the next load.
bool Opslaanbaar(const std::string& wachtwoord) {
  return Cp1252NaarUtf8(Utf8NaarCp1252(wachtwoord)) == wachtwoord;
}

}  // namespace

WachtwoordScherm BereidWachtwoordScherm(WachtwoordModus modus) {
  const bool controle = modus == WachtwoordModus::Controle;
  WachtwoordScherm s;
  s.Titel = "  VALDERO - W A C H T W O O R D ";
  s.Label = controle ? "Geef Wachtwoord(6 tekens)" : "Zet wachtwoord (6 tekens)";
  s.Status = controle ? "Sluit invoer af met <Enter>" : "Gebruik zowel HOOFD -als kleine-letters";
  s.SchrapZichtbaar = !controle;
  s.Pogingen = 0;
  return s;
}

bool ControleerWachtwoord(Kasboek& kb, WachtwoordVoerder& voerder) {
  if (kb.sessie.WachtwoordGeaccepteerd) return true;
  kb.Wachtwoord = LaadWachtwoord(kb);
  if (kb.Wachtwoord == kGeenWachtwoord) {
    kb.sessie.WachtwoordGeaccepteerd = true;
    return true;
  }
  WachtwoordScherm s = BereidWachtwoordScherm(WachtwoordModus::Controle);
  do {
    if (s.Pogingen < 3) s.Invoer.clear();
    voerder.Toon(s);
    if (s.InvoerZichtbaar && s.Invoer == kb.Wachtwoord) {
      kb.sessie.WachtwoordGeaccepteerd = true;
    } else {
      ++s.Pogingen;
      if (s.Pogingen > 2) {
        s.Status = " FOUT STOP! Geen toegang, By  By...";
        s.InvoerZichtbaar = false;
        s.LabelZichtbaar = false;
      } else {
        s.Status = " FOUT opnieuw !";
      }
    }
  } while (!kb.sessie.WachtwoordGeaccepteerd && s.Pogingen <= 3);
  return kb.sessie.WachtwoordGeaccepteerd;
}

bool ZetWachtwoord(Kasboek& kb, WachtwoordVoerder& voerder) {
  WachtwoordScherm s = BereidWachtwoordScherm(WachtwoordModus::Zet);
  std::string eerste;
  for (;;) {
    s.Invoer.clear();
    if (voerder.Toon(s) != kOK) return false;
    const std::string tekst = Kap(s.Invoer, 6);
    if (AantalTekens(tekst) == 6 && Opslaanbaar(tekst)) {
      if (s.Pogingen == 0) {
        eerste = tekst;
        s.Status = "Voer nogmaals in, ter CONTROLE";
        s.Pogingen = 1;
        continue;
      }
      if (tekst == eerste) {
        kb.Wachtwoord = tekst;
        break;
      }
    }
    s.Pogingen = 0;
    s.Status = " Niet juist !, Opnieuw";
  }
  // The password is in force for this run even when the save failed, which
  // the save reported.
  BewaarNaWijziging(kb);
  return true;
}

}  // namespace valdero
