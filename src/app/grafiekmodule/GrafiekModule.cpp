// valdero-grafiektekening.so: the windows' chart drawing for valdero-cli,
// loaded only by `grafiek --png` so that the tool itself starts without Qt.

#include <QString>
#include <cstring>
#include <type_traits>

#include "app/cli/GrafiekModule.h"
#include "ui/charts/GrafiekTekening.h"

namespace {

bool TekenPng(const valdero::Grafiek& grafiek, char decimaalTeken, const char* pad) {
  return valdero::BewaarGrafiekPng(grafiek, decimaalTeken, QString::fromStdString(pad));
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool valdero_grafiektekening_installeer(
    const char* versie, valdero::cli::GrafiekPngTekening* tekening) {
  if (versie == nullptr || tekening == nullptr || std::strcmp(versie, VALDERO_VERSIE) != 0) return false;
  *tekening = &TekenPng;
  return true;
}

static_assert(std::is_same_v<decltype(&valdero_grafiektekening_installeer), valdero::cli::GrafiekModuleInstalleer>,
              "the entry point is called through GrafiekModuleInstalleer");
