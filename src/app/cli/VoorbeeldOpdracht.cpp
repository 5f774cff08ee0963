#include <charconv>
#include <ostream>

#include "app/cli/Opdrachten.h"
#include "app/cli/Opties.h"
#include "model/core/Datum.h"
#include "model/example/VoorbeeldBoek.h"

namespace valdero::cli {

// Writes the example year (of --vandaag, else of today) into MAP.
int VoorbeeldOpdracht(Omgeving& omgeving) {
  CliOpties opties;
  if (std::string fout = LeesOpties(omgeving.args, opties, {"transacties", "rekeningnummer"}); !fout.empty())
    return Gebruiksfout(omgeving, "voorbeeld", fout);
  if (opties.argumenten.size() != 1)
    return Gebruiksfout(omgeving, "voorbeeld", "geef precies één MAP");

  VoorbeeldOpties voorbeeld;
  if (const auto it = opties.extra.find("transacties"); it != opties.extra.end()) {
    const std::string& t = it->second;
    int n = -1;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), n);
    // The file counts records in 32 bits; beyond a few million a book is no
    // household's any more.
    if (r.ec != std::errc{} || r.ptr != t.data() + t.size() || n < 0 || n > 5'000'000)
      return Gebruiksfout(omgeving, "voorbeeld", "--transacties verwacht een aantal van 0 tot 5000000");
    voorbeeld.transacties = n;
  }
  if (const auto it = opties.extra.find("rekeningnummer"); it != opties.extra.end()) {
    const std::string& nr = it->second;
    // The import recognises an own account by the digits in its name.
    if (nr.empty() || nr.size() > 18 || nr.find_first_not_of("0123456789") != std::string::npos)
      return Gebruiksfout(omgeving, "voorbeeld", "--rekeningnummer verwacht cijfers (hoogstens 18)");
    voorbeeld.betaalNummer = nr;
  }

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
  omgeving.uit << (map / (boek.kb.KasNaam + ".vdr")).lexically_normal().string() << "\n";
  return kGelukt;
}

}  // namespace valdero::cli
