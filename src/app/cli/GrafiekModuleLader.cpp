#include "app/cli/GrafiekModuleLader.h"

#include <dlfcn.h>

#include <system_error>

#include "app/cli/GrafiekModule.h"

namespace valdero::cli {

std::vector<std::filesystem::path> GrafiekModuleMappen(const std::filesystem::path& programma) {
  if (programma.empty()) return {};
  const std::filesystem::path map = programma.parent_path();
  // VALDERO_GRAFIEKMODULE_VANAF_BIN is where the installation puts the module,
  // seen from the folder of the programs ("../lib/valdero"), so an unpacked
  // or relocated installation finds its own module.
  return {map, (map / VALDERO_GRAFIEKMODULE_VANAF_BIN).lexically_normal()};
}

GrafiekTekenaar LaadGrafiekModule(const std::vector<std::filesystem::path>& mappen, const std::string& versie,
                                  std::string& waarom) {
  std::string redenen;
  auto reden = [&redenen](const std::string& r) { redenen += (redenen.empty() ? "" : "; ") + r; };
  for (const std::filesystem::path& map : mappen) {
    const std::filesystem::path bestand = map / kGrafiekModuleBestand;
    std::error_code fout;
    if (!std::filesystem::is_regular_file(bestand, fout)) continue;
    // Never closed again: Qt, once started, keeps threads and exit handlers
    // that live in the module.
    void* module = ::dlopen(bestand.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
      const char* dl = ::dlerror();
      // The loader's own text names the file.
      reden(std::string("de grafiekmodule laadt niet: ") + (dl ? dl : bestand.c_str()));
      continue;
    }
    const auto installeer = reinterpret_cast<GrafiekModuleInstalleer>(::dlsym(module, kGrafiekModuleIngang));
    GrafiekPngTekening tekening = nullptr;
    if (installeer == nullptr) {
      reden(bestand.string() + " is geen grafiekmodule van Valdero");
      continue;
    }
    if (!installeer(versie.c_str(), &tekening) || tekening == nullptr) {
      reden("de grafiekmodule " + bestand.string() + " hoort bij een andere versie dan valdero-cli " + versie);
      continue;
    }
    return [tekening](const Grafiek& grafiek, char decimaalTeken, const std::filesystem::path& pad) {
      return tekening(grafiek, decimaalTeken, pad.c_str());
    };
  }
  if (redenen.empty()) {
    redenen = std::string("de grafiekmodule ") + kGrafiekModuleBestand + " is niet gevonden";
    for (std::size_t i = 0; i < mappen.size(); ++i)
      redenen += (i == 0 ? " in " : " of ") + mappen[i].string();
  }
  waarom = redenen + "; zonder die module tekent valdero-cli geen PNG (installeer Valdero opnieuw)";
  return {};
}

GrafiekTekenaarLader GrafiekModuleLader(const std::filesystem::path& programma) {
  return [programma](std::string& waarom) {
    return LaadGrafiekModule(GrafiekModuleMappen(programma), VALDERO_VERSIE, waarom);
  };
}

}  // namespace valdero::cli
