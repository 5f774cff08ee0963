#include <ostream>

#include "app/cli/Opdrachten.h"
#include "app/cli/Opties.h"
#include "model/core/Datum.h"
#include "model/example/VoorbeeldBoek.h"

namespace valdero::cli {

// Writes the example year (of --vandaag, else of today) into MAP.
int VoorbeeldOpdracht(Omgeving& omgeving) {
  CliOpties opties;
  VoorbeeldOpties voorbeeld;
  OptieLezer lezer(opties);
  // The file counts records in 32 bits; beyond a few million a book is no
  // household's any more.
  std::optional<int> transacties;
  lezer.Getal("transacties", transacties, 0, 5'000'000, "--transacties verwacht een aantal van 0 tot 5000000");
  lezer.Waarde("rekeningnummer", [&voorbeeld](const std::string& nr) -> std::string {
    // The import recognises an own account by the digits in its name.
    if (nr.empty() || nr.size() > 18 || nr.find_first_not_of("0123456789") != std::string::npos)
      return "--rekeningnummer verwacht cijfers (hoogstens 18)";
    voorbeeld.betaalNummer = nr;
    return {};
  });
  if (std::string fout = lezer.Lees(omgeving.args); !fout.empty()) return Gebruiksfout(omgeving, "voorbeeld", fout);
  if (opties.argumenten.size() != 1)
    return Gebruiksfout(omgeving, "voorbeeld", "geef precies één MAP");
  if (transacties) voorbeeld.transacties = *transacties;

  std::filesystem::path map = opties.argumenten[0];
  if (map.is_relative()) map = omgeving.map / map;
  std::error_code ec;
  if (!std::filesystem::is_directory(map, ec)) {
    omgeving.fout << "valdero-cli voorbeeld: map " << map.string() << " bestaat niet\n";
    return kMislukt;
  }

  CliBoek boek(opties, map, omgeving.voortgang);
  voorbeeld.jaar = JaarVan(boek.kb.Vandaag());
  std::string fout;
  if (!SchrijfVoorbeeldBoek(boek.kb, voorbeeld, fout)) {
    omgeving.fout << "valdero-cli voorbeeld: " << fout << "\n";
    return kMislukt;
  }
  omgeving.uit << (map / (boek.kb.sessie.KasNaam + ".vdr")).lexically_normal().string() << "\n";
  return kGelukt;
}

}  // namespace valdero::cli
