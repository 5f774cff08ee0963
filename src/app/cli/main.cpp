#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "app/cli/CliWachtwoord.h"
#include "app/cli/Opdrachten.h"
#include "app/cli/TerminalVoortgang.h"

#ifdef VALDERO_GRAFIEK_PNG
#include "app/cli/GrafiekModuleLader.h"
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  valdero::cli::GrafiekTekenaarLader laadTekenaar;
  valdero::cli::PdfAfdrukkerLader laadPdf;
#ifdef VALDERO_GRAFIEK_PNG
  // The chart module is looked for from the program's own file, wherever it
  // was started from.
  std::error_code fout;
  std::filesystem::path programma = std::filesystem::read_symlink("/proc/self/exe", fout);
  if (fout && argc > 0 && std::string_view(argv[0]).find('/') != std::string_view::npos)
    programma = std::filesystem::absolute(argv[0], fout);
  laadTekenaar = valdero::cli::GrafiekModuleLader(fout ? std::filesystem::path() : programma);
  laadPdf = valdero::cli::PdfModuleLader(fout ? std::filesystem::path() : programma);
#endif
  // Progress on standard error only where a person watches it.
  const auto voortgang = valdero::cli::VoortgangOpTerminal(2, std::cerr);
  return valdero::cli::VoerUit(args, std::filesystem::current_path(), std::cout, std::cerr,
                               std::move(laadTekenaar), voortgang.get(),
                               valdero::cli::LeesWachtwoordVanTerminal, nullptr, std::move(laadPdf));
}
