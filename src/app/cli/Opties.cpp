#include "app/cli/Opties.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <utility>

#include "model/core/Datum.h"

namespace valdero::cli {

// What CLI11 fills while it reads, and the checks that run on it afterwards
// in the order the options were declared.
struct OptieLezer::Binnenkant {
  struct Optie {
    std::string naam;
    std::string waarde;
    CLI::Option* cli = nullptr;
    Zetter zet;
  };
  CLI::App app;
  std::vector<std::unique_ptr<Optie>> opties;  // CLI11 writes into them: they must not move
  CliOpties& uitkomst;

  explicit Binnenkant(CliOpties& o) : uitkomst(o) {
    // The usage texts are the commands' own; "--help" is a command.
    app.set_help_flag();
    app.allow_extras();
    // As before CLI11: an option given twice counts once, the last time.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("argumenten", uitkomst.argumenten);
  }
};

OptieLezer::OptieLezer(CliOpties& opties) : binnen_(std::make_unique<Binnenkant>(opties)) {
  Waarde("antwoord", [&opties](const std::string& w) -> std::string {
    if (w == "ja") opties.antwoord = antwoord::Ja;
    else if (w == "nee") opties.antwoord = antwoord::Nee;
    else return "--antwoord verwacht ja of nee, niet '" + w + "'";
    return {};
  });
  Datum("vandaag", opties.vandaag, "--vandaag verwacht een datum als 15-3-2026");
  Waarde("decimaal", [&opties](const std::string& w) -> std::string {
    if (w != "," && w != ".") return "--decimaal verwacht , of ., niet '" + w + "'";
    opties.decimaal = w[0];
    return {};
  });
  Waarde("wachtwoord-bestand", [&opties](const std::string& w) -> std::string {
    if (w.empty()) return "--wachtwoord-bestand verwacht een bestand";
    opties.wachtwoordBestand = w;
    return {};
  });
  Waarde("wachtwoord", [](const std::string&) -> std::string {
    return "geef het wachtwoord nooit op de opdrachtregel: gebruik --wachtwoord-bestand BESTAND of de terminal";
  });
  Waarde("wachtwoordzin", [](const std::string&) -> std::string {
    return "geef de wachtwoordzin nooit op de opdrachtregel: gebruik --wachtwoord-bestand BESTAND of de terminal";
  });
}

OptieLezer::~OptieLezer() = default;

void OptieLezer::Waarde(const std::string& naam, Zetter zet) {
  auto optie = std::make_unique<Binnenkant::Optie>();
  optie->naam = naam;
  optie->zet = std::move(zet);
  optie->cli = binnen_->app.add_option("--" + naam, optie->waarde);
  binnen_->opties.push_back(std::move(optie));
}

void OptieLezer::Tekst(const std::string& naam, std::optional<std::string>& doel) {
  Waarde(naam, [&doel](const std::string& w) -> std::string {
    doel = w;
    return {};
  });
}

void OptieLezer::Getal(const std::string& naam, std::optional<int>& doel, int min, int max,
                       const std::string& melding) {
  Waarde(naam, [&doel, min, max, melding](const std::string& w) -> std::string {
    const auto n = AlsGetal(w);
    if (!n || *n < min || *n > max) return melding;
    doel = n;
    return {};
  });
}

void OptieLezer::Datum(const std::string& naam, std::optional<double>& doel, const std::string& melding) {
  Waarde(naam, [&doel, melding](const std::string& w) -> std::string {
    doel = AlsVolleDatum(w);
    return doel ? std::string() : melding + ", niet '" + w + "'";
  });
}

void OptieLezer::Schakelaar(const std::string& naam, bool& doel) {
  binnen_->app.add_flag("--" + naam, doel);
}

std::string OptieLezer::Lees(const std::vector<std::string>& args) {
  CLI::App& app = binnen_->app;
  // CLI11 takes the arguments last first.
  std::vector<std::string> omgekeerd(args.rbegin(), args.rend());
  try {
    app.parse(omgekeerd);
  } catch (const CLI::ArgumentMismatch& e) {
    // CLI11 names the option before the colon: "--antwoord: 1 required TEXT missing".
    const std::string tekst = e.what();
    const auto dubbelepunt = tekst.find(':');
    if (tekst.rfind("--", 0) == 0 && dubbelepunt != std::string::npos)
      return "optie " + tekst.substr(0, dubbelepunt) + " mist een waarde";
    return "een optie mist een waarde";
  } catch (const CLI::ConversionError& e) {
    // A switch given a value it cannot take: "Could not convert: --json = ja".
    const std::string tekst = e.what();
    const auto begin = tekst.find("--");
    const auto eind = tekst.find(' ', begin);
    if (begin == std::string::npos) return "een schakelaar kreeg een waarde";
    return "optie " + tekst.substr(begin, eind - begin) + " is een schakelaar zonder waarde";
  } catch (const CLI::Error& e) {
    return std::string("onjuiste opties: ") + e.what();
  }
  // What CLI11 did not know is left over, "--" among it.
  for (const std::string& over : app.remaining()) {
    if (over != "--" && over.size() > 1 && over[0] == '-') return "onbekende optie " + over.substr(0, over.find('='));
  }
  for (const auto& optie : binnen_->opties) {
    if (optie->cli->count() == 0) continue;
    if (std::string fout = optie->zet(optie->waarde); !fout.empty()) return fout;
  }
  return {};
}

std::string LeesOpties(const std::vector<std::string>& args, CliOpties& opties) {
  return OptieLezer(opties).Lees(args);
}

std::optional<int> AlsGetal(std::string_view tekst) {
  if (tekst.empty() || tekst.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  int n = 0;
  const auto [p, ec] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), n);
  if (ec != std::errc() || p != tekst.data() + tekst.size()) return std::nullopt;
  return n;
}

std::optional<std::vector<int>> AlsGetallen(std::string_view lijst) {
  std::vector<int> uit;
  for (const std::string& deel : Splits(lijst, ',')) {
    const auto n = AlsGetal(deel);
    if (!n) return std::nullopt;
    uit.push_back(*n);
  }
  if (uit.empty()) return std::nullopt;
  return uit;
}

std::optional<double> AlsVolleDatum(const std::string& tekst) {
  const std::size_t streep = tekst.rfind('-');
  const auto datum = LeesDatum(tekst, 2000);
  if (!datum || streep == std::string::npos || tekst.size() - streep - 1 != 4) return std::nullopt;
  return datum;
}

std::vector<std::string> Splits(std::string_view tekst, char teken) {
  std::vector<std::string> delen;
  if (tekst.empty()) return delen;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t eind = tekst.find(teken, begin);
    delen.emplace_back(tekst.substr(begin, eind - begin));
    if (eind == std::string_view::npos) return delen;
    begin = eind + 1;
  }
}

CliBoek::CliBoek(const CliOpties& opties, const std::filesystem::path& map, Voortgang* eigenVoortgang,
                 Bestandssysteem* eigenBestanden)
    : BoekMetPoorten(opties.vandaag ? *opties.vandaag : SysteemKlok().Nu(), opties.decimaal) {
  // The caller's progress and files where it brings its own (a test, the
  // terminal's progress), else the book's own ports.
  if (eigenVoortgang) kb.poorten.voortgang = *eigenVoortgang;
  if (eigenBestanden) kb.poorten.bestandssysteem = *eigenBestanden;
  berichten.standaardAntwoord = opties.antwoord;
  kb.sessie.Map = map;
  kb.sessie.BezetAlleenLezen = true;
}

}  // namespace valdero::cli
