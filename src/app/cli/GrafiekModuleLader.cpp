#include "app/cli/GrafiekModuleLader.h"

#include <dlfcn.h>

#include <functional>
#include <system_error>

#include "app/cli/GrafiekModule.h"
#include "model/core/Printer.h"

namespace valdero::cli {

std::vector<std::filesystem::path> GrafiekModuleMappen(const std::filesystem::path& programma) {
  if (programma.empty()) return {};
  const std::filesystem::path map = programma.parent_path();
  // VALDERO_GRAFIEKMODULE_VANAF_BIN is where the installation puts the module,
  // seen from the folder of the programs ("../lib/valdero"), so an unpacked
  // or relocated installation finds its own module.
  return {map, (map / VALDERO_GRAFIEKMODULE_VANAF_BIN).lexically_normal()};
}

namespace {

// Calls `neem` with the entry point `ingang` of the first module in `mappen`
// that loads and has it, until `neem` accepts one (a module of this version
// does); the reasons the others were passed go into `redenen`.
bool ZoekModule(const std::vector<std::filesystem::path>& mappen, const char* ingang, const std::string& versie,
                const std::function<bool(void*)>& neem, std::string& redenen) {
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
    void* installeer = ::dlsym(module, ingang);
    if (installeer == nullptr) {
      reden(bestand.string() + " is geen grafiekmodule van Valdero");
      continue;
    }
    if (!neem(installeer)) {
      reden("de grafiekmodule " + bestand.string() + " hoort bij een andere versie dan valdero-cli " + versie);
      continue;
    }
    return true;
  }
  if (redenen.empty()) {
    redenen = std::string("de grafiekmodule ") + kGrafiekModuleBestand + " is niet gevonden";
    for (std::size_t i = 0; i < mappen.size(); ++i)
      redenen += (i == 0 ? " in " : " of ") + mappen[i].string();
  }
  return false;
}

}  // namespace

GrafiekTekenaar LaadGrafiekModule(const std::vector<std::filesystem::path>& mappen, const std::string& versie,
                                  std::string& waarom) {
  GrafiekPngTekening tekening = nullptr;
  std::string redenen;
  const bool gevonden = ZoekModule(
      mappen, kGrafiekModuleIngang, versie,
      [&](void* ingang) {
        const auto installeer = reinterpret_cast<GrafiekModuleInstalleer>(ingang);
        return installeer(versie.c_str(), &tekening) && tekening != nullptr;
      },
      redenen);
  if (!gevonden) {
    waarom = redenen + "; zonder die module tekent valdero-cli geen PNG (installeer Valdero opnieuw)";
    return {};
  }
  return [tekening](const Grafiek& grafiek, char decimaalTeken, std::string& png) {
    return tekening(grafiek, decimaalTeken, &png);
  };
}

PdfAfdrukker LaadPdfModule(const std::vector<std::filesystem::path>& mappen, const std::string& versie,
                           std::string& waarom) {
  PdfAfdruk afdruk;
  std::string redenen;
  const bool gevonden = ZoekModule(
      mappen, kPdfModuleIngang, versie,
      [&](void* ingang) {
        const auto installeer = reinterpret_cast<PdfModuleInstalleer>(ingang);
        return installeer(versie.c_str(), &afdruk) && afdruk.maakPrinter != nullptr && afdruk.grafiekPng != nullptr;
      },
      redenen);
  if (!gevonden) {
    waarom = redenen + "; zonder die module drukt valdero-cli geen PDF af (installeer Valdero opnieuw)";
    return {};
  }
  PdfAfdrukker afdrukker;
  afdrukker.printer = [maak = afdruk.maakPrinter](const std::filesystem::path& pad) {
    return std::unique_ptr<Printer>(maak(pad.c_str()));
  };
  afdrukker.grafiekPng = [teken = afdruk.grafiekPng](const Grafiek& grafiek, char decimaalTeken, std::string& png,
                                                     int& breedte, int& hoogte) {
    return teken(grafiek, decimaalTeken, &png, &breedte, &hoogte);
  };
  return afdrukker;
}

GrafiekTekenaarLader GrafiekModuleLader(const std::filesystem::path& programma) {
  return [programma](std::string& waarom) {
    return LaadGrafiekModule(GrafiekModuleMappen(programma), VALDERO_VERSIE, waarom);
  };
}

}  // namespace valdero::cli

namespace valdero::cli {

PdfAfdrukkerLader PdfModuleLader(const std::filesystem::path& programma) {
  return [programma](std::string& waarom) {
    return LaadPdfModule(GrafiekModuleMappen(programma), VALDERO_VERSIE, waarom);
  };
}

}  // namespace valdero::cli
