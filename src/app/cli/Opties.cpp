#include "app/cli/Opties.h"

#include "model/core/Datum.h"

namespace valdero::cli {
namespace {

std::string ZetOptie(const std::string& naam, const std::string& waarde, CliOpties& opties,
                     const std::set<std::string>& extraOpties) {
  if (naam == "antwoord") {
    if (waarde == "ja") opties.antwoord = antwoord::Ja;
    else if (waarde == "nee") opties.antwoord = antwoord::Nee;
    else return "--antwoord verwacht ja of nee, niet '" + waarde + "'";
  } else if (naam == "vandaag") {
    // Only a whole date: a clock set to a guessed century helps nobody.
    const std::size_t streep = waarde.rfind('-');
    const auto datum = LeesDatum(waarde, 2000);
    if (!datum || streep == std::string::npos || waarde.size() - streep - 1 != 4)
      return "--vandaag verwacht een datum als 15-3-2026, niet '" + waarde + "'";
    opties.vandaag = *datum;
  } else if (naam == "decimaal") {
    if (waarde != "," && waarde != ".")
      return "--decimaal verwacht , of ., niet '" + waarde + "'";
    opties.decimaal = waarde[0];
  } else if (naam == "wachtwoord-bestand") {
    if (waarde.empty()) return "--wachtwoord-bestand verwacht een bestand";
    opties.wachtwoordBestand = waarde;
  } else if (naam == "wachtwoord") {
    return "geef het wachtwoord nooit op de opdrachtregel: gebruik --wachtwoord-bestand BESTAND of de terminal";
  } else if (extraOpties.count(naam)) {
    opties.extra[naam] = waarde;
  } else {
    return "onbekende optie --" + naam;
  }
  return {};
}

}  // namespace

std::string LeesOpties(const std::vector<std::string>& args, CliOpties& opties,
                       const std::set<std::string>& extraOpties) {
  bool optiesVoorbij = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optiesVoorbij || a.size() < 3 || a.compare(0, 2, "--") != 0) {
      if (a == "--") optiesVoorbij = true;
      else opties.argumenten.push_back(a);
      continue;
    }
    std::string naam = a.substr(2);
    std::string waarde;
    if (const auto is = naam.find('='); is != std::string::npos) {
      waarde = naam.substr(is + 1);
      naam.resize(is);
    } else if (i + 1 < args.size()) {
      waarde = args[++i];
    } else {
      return "optie --" + naam + " mist een waarde";
    }
    if (std::string fout = ZetOptie(naam, waarde, opties, extraOpties); !fout.empty()) return fout;
  }
  return {};
}

CliBoek::CliBoek(const CliOpties& opties, const std::filesystem::path& map, Voortgang* voortgang,
                 Bestandssysteem* bestanden)
    : BoekMetPoorten(opties.vandaag ? *opties.vandaag : SysteemKlok().Nu(), opties.decimaal) {
  kb.poorten.voortgang = voortgang;
  kb.poorten.bestandssysteem = bestanden;
  berichten.standaardAntwoord = opties.antwoord;
  kb.Map = map;
  kb.sessie.BezetAlleenLezen = true;
}

}  // namespace valdero::cli
