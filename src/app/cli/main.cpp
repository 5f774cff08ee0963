#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/Opdrachten.h"
#include "app/cli/TerminalVoortgang.h"

#ifdef VALDERO_GRAFIEK_PNG
#include "model/charts/Grafiek.h"
#include "ui/charts/GrafiekTekening.h"
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  valdero::cli::GrafiekTekenaar tekenaar;
#ifdef VALDERO_GRAFIEK_PNG
  tekenaar = [](const valdero::Grafiek& grafiek, char decimaalTeken, const std::filesystem::path& pad) {
    return valdero::BewaarGrafiekPng(grafiek, decimaalTeken, QString::fromStdString(pad.string()));
  };
#endif
  // Progress on standard error only where a person watches it.
  const auto voortgang = valdero::cli::VoortgangOpTerminal(2, std::cerr);
  return valdero::cli::VoerUit(args, std::filesystem::current_path(), std::cout, std::cerr, tekenaar,
                               voortgang.get());
}
