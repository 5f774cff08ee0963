// Encrypting a book and lifting it again, as "Versleutelen..." and
// "Versleuteling opheffen" in the Bestand menu do.

#include <ostream>

#include "app/cli/BoekStart.h"
#include "app/cli/CliWachtwoord.h"
#include "model/core/BoekNaam.h"
#include "model/core/Kasboek.h"
#include "model/storage/BoekVersleuteling.h"

namespace valdero::cli {
namespace {

// The new passphrase: the first line of the --wachtwoord-bestand file, or
// typed twice on the terminal. None after saying why.
std::optional<std::string> NieuweWachtwoordzin(Omgeving& omgeving, const CliOpties& opties,
                                               const std::filesystem::path& map,
                                               Bestandssysteem& bestanden) {
  if (opties.wachtwoordBestand) {
    auto zin = EersteRegel(map / *opties.wachtwoordBestand, bestanden);
    if (!zin)
      omgeving.fout << "valdero-cli versleutel: wachtwoordbestand " << *opties.wachtwoordBestand
                    << " niet te lezen\n";
    return zin;
  }
  if (!omgeving.leesWachtwoord) {
    omgeving.fout << "valdero-cli versleutel: geef de wachtwoordzin op de terminal of met "
                     "--wachtwoord-bestand BESTAND\n";
    return std::nullopt;
  }
  auto zin = omgeving.leesWachtwoord("Nieuwe wachtwoordzin: ");
  auto nogmaals = zin ? omgeving.leesWachtwoord("Nogmaals, ter controle: ") : std::nullopt;
  if (!zin || !nogmaals) {
    omgeving.fout << "valdero-cli versleutel: geen wachtwoordzin gegeven\n";
    return std::nullopt;
  }
  if (*zin != *nogmaals) {
    omgeving.fout << "valdero-cli versleutel: de twee wachtwoordzinnen verschillen\n";
    return std::nullopt;
  }
  return zin;
}

// The Dutch reasons the model gave, on the error stream.
void ToonFouten(Omgeving& omgeving, std::string_view opdracht, const CliBoek& boek) {
  for (const GetoondBericht& bericht : boek.berichten.getoond)
    if (bericht.soort == BerichtSoort::Fout || bericht.soort == BerichtSoort::Waarschuwing)
      omgeving.fout << "valdero-cli " << opdracht << ": " << bericht.tekst << "\n";
}

}  // namespace

int VersleutelOpdracht(Omgeving& omgeving) {
  CliOpties opties;
  if (std::string fout = LeesOpties(omgeving.args, opties); !fout.empty())
    return Gebruiksfout(omgeving, "versleutel", fout);
  if (opties.argumenten.size() != 1) return Gebruiksfout(omgeving, "versleutel", "geef precies één BOEK");
  const std::string& argument = opties.argumenten[0];
  // The file holds the new passphrase: a book with a six-character
  // password is asked that on the terminal.
  CliOpties laden = opties;
  laden.wachtwoordBestand.reset();
  CliBoek boek(laden, omgeving.map, omgeving.voortgang, omgeving.bestanden);
  if (IsVerzegeldBestand(omgeving.map / (ZonderVdr(argument) + ".vdr"), boek.kb.bestanden())) {
    omgeving.fout << "valdero-cli versleutel: " << argument << " is al versleuteld\n";
    return kMislukt;
  }
  const auto zin = NieuweWachtwoordzin(omgeving, opties, omgeving.map, boek.kb.bestanden());
  if (!zin) return kMislukt;
  if (const std::string gebrek = WachtwoordzinGebrek(*zin); !gebrek.empty())
    return Gebruiksfout(omgeving, "versleutel", gebrek);

  const LaadUitkomst u = StartCliBoek(omgeving, "versleutel", boek, laden, argument);
  Kasboek& kb = boek.kb;
  if (u != LaadUitkomst::Geladen || !kb.KasGelezen) {
    omgeving.fout << "valdero-cli versleutel: boek " << argument << " niet geladen\n";
    return kMislukt;
  }
  if (MeldBezet(omgeving, "versleutel", kb)) return kMislukt;
  boek.berichten.Wis();
  const bool gelukt = VersleutelBoek(kb, *zin).Gelukt();
  VolgBewaring(omgeving, kb);
  ToonFouten(omgeving, "versleutel", boek);
  if (!gelukt) {
    omgeving.fout << "valdero-cli versleutel: " << argument << " niet (volledig) versleuteld\n";
    return kMislukt;
  }
  omgeving.uit << kb.sessie.KasPad << " versleuteld\n";
  return kGelukt;
}

int OntsleutelOpdracht(Omgeving& omgeving) {
  GeladenBoek g;
  if (const int code = StartBoekOpdracht(omgeving, "ontsleutel", g); code != kGelukt) return code;
  if (!g.geladen || MeldBezet(omgeving, "ontsleutel", g.boek->kb)) return kMislukt;
  Kasboek& kb = g.boek->kb;
  if (!kb.Sleutel) {
    omgeving.fout << "valdero-cli ontsleutel: " << g.opties.argumenten[0] << " is niet versleuteld\n";
    return kMislukt;
  }
  g.boek->berichten.Wis();
  const bool gelukt = HefVersleutelingOp(kb).Gelukt();
  VolgBewaring(omgeving, kb);
  ToonFouten(omgeving, "ontsleutel", *g.boek);
  if (!gelukt) {
    omgeving.fout << "valdero-cli ontsleutel: " << g.opties.argumenten[0] << " niet (volledig) ontsleuteld\n";
    return kMislukt;
  }
  omgeving.uit << kb.sessie.KasPad << " ontsleuteld\n";
  return kGelukt;
}

}  // namespace valdero::cli
