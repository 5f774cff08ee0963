#pragma once
// Finds and loads the chart module when `grafiek --png` asks for a picture,
// or `--pdf` for a printout.

#include <filesystem>
#include <string>
#include <vector>

#include "app/cli/Opdrachten.h"

namespace valdero::cli {

// Where the module is looked for, in this order: beside the program (the
// build tree) and then in the program's library folder of the installation
// (`bin/../lib/valdero`), both found from the program's own path.
std::vector<std::filesystem::path> GrafiekModuleMappen(const std::filesystem::path& programma);

// The drawing of the first module found in `mappen` that loads and accepts
// `versie`. Empty when there is none, with the reason in Dutch in `waarom`.
// A loaded module stays loaded until the program ends: the drawing lives in it.
GrafiekTekenaar LaadGrafiekModule(const std::vector<std::filesystem::path>& mappen, const std::string& versie,
                                  std::string& waarom);

// What valdero-cli hands `grafiek --png`: the module of this version, looked
// for from the program at `programma` when the command asks for it.
GrafiekTekenaarLader GrafiekModuleLader(const std::filesystem::path& programma);

// The printing of the first module found in `mappen` that loads and accepts
// `versie`, as LaadGrafiekModule.
PdfAfdrukker LaadPdfModule(const std::vector<std::filesystem::path>& mappen, const std::string& versie,
                           std::string& waarom);

// What valdero-cli hands `--pdf`: the module of this version, looked for from
// the program at `programma` when the command asks for it.
PdfAfdrukkerLader PdfModuleLader(const std::filesystem::path& programma);

}  // namespace valdero::cli
