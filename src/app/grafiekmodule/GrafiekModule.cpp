// valdero-grafiektekening.so: the windows' chart drawing and printer port for
// valdero-cli, loaded only by `grafiek --png` and `--pdf` so that the tool
// itself starts without Qt.

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <cstring>
#include <memory>
#include <type_traits>

#include "app/cli/GrafiekModule.h"
#include "model/charts/Grafiek.h"
#include "ui/charts/GrafiekTekening.h"
#include "ui/widgets/QtPrinter.h"

namespace {

bool TekenPng(const valdero::Grafiek& grafiek, char decimaalTeken, std::string* png) {
  if (png == nullptr) return false;
  *png = valdero::GrafiekPng(grafiek, decimaalTeken);
  return !png->empty();
}

// The application lives as long as the printer: it is made first and ended
// last.
struct MetApplicatie {
  std::unique_ptr<QApplication> app = valdero::StartApplicatieZonderScherm();
};

class PdfBestandPrinter : private MetApplicatie, public valdero::QtPrinter {
 public:
  explicit PdfBestandPrinter(const char* pad) : QtPrinter(valdero::PdfPrinter(QString::fromLocal8Bit(pad))) {}
};

valdero::Printer* MaakPrinter(const char* pad) {
  if (pad == nullptr) return nullptr;
  return new PdfBestandPrinter(pad);
}

bool GrafiekPng(const valdero::Grafiek& grafiek, char decimaalTeken, std::string* png, int* breedte, int* hoogte) {
  if (png == nullptr || breedte == nullptr || hoogte == nullptr) return false;
  const MetApplicatie app;
  const QImage beeld = valdero::GrafiekBeeld(grafiek, decimaalTeken);
  if (beeld.isNull()) return false;
  *png = valdero::PngBytes(beeld).toStdString();
  *breedte = beeld.width();
  *hoogte = beeld.height();
  return !png->empty();
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool valdero_grafiektekening_installeer(
    const char* versie, valdero::cli::GrafiekPngTekening* tekening) {
  if (versie == nullptr || tekening == nullptr || std::strcmp(versie, VALDERO_VERSIE) != 0) return false;
  *tekening = &TekenPng;
  return true;
}

extern "C" __attribute__((visibility("default"))) bool valdero_pdfafdruk_installeer(
    const char* versie, valdero::cli::PdfAfdruk* afdruk) {
  if (versie == nullptr || afdruk == nullptr || std::strcmp(versie, VALDERO_VERSIE) != 0) return false;
  afdruk->maakPrinter = &MaakPrinter;
  afdruk->grafiekPng = &GrafiekPng;
  return true;
}

static_assert(std::is_same_v<decltype(&valdero_grafiektekening_installeer), valdero::cli::GrafiekModuleInstalleer>,
              "the entry point is called through GrafiekModuleInstalleer");
static_assert(std::is_same_v<decltype(&valdero_pdfafdruk_installeer), valdero::cli::PdfModuleInstalleer>,
              "the entry point is called through PdfModuleInstalleer");
