#pragma once
// The chart drawing and the printing of valdero-cli live in a loadable
// module (valdero-grafiektekening.so), so that the tool starts without Qt and
// only `grafiek --png` and `--pdf` load it. This is what the tool and the
// module agree on: the C entry points the module exports and what they hand
// back.

#include <string>

namespace valdero {
class Printer;
struct Grafiek;
}

namespace valdero::cli {

// Draws the chart as the bytes of a PNG file into `png` with the book's
// decimal separator; true when it was drawn. The tool writes the bytes.
using GrafiekPngTekening = bool (*)(const Grafiek& grafiek, char decimaalTeken, std::string* png);

// The module's entry point: puts its drawing into `tekening` when `versie` is
// the version it was built as, and says whether it did. The drawing reads a
// Grafiek of the tool's build, so a module of another version is refused
// rather than handed a layout it does not know.
using GrafiekModuleInstalleer = bool (*)(const char* versie, GrafiekPngTekening* tekening);

inline constexpr const char* kGrafiekModuleIngang = "valdero_grafiektekening_installeer";

// `--pdf`: the desktop program's printer port on a PDF file at `pad` (made
// with new, the caller deletes it; null when it cannot be made), and a chart
// drawn as PNG bytes of the given size, to print on it. The printer's pages
// are the ones "Afdrukken" gives in the print preview.
struct PdfAfdruk {
  Printer* (*maakPrinter)(const char* pad) = nullptr;
  bool (*grafiekPng)(const Grafiek& grafiek, char decimaalTeken, std::string* png, int* breedte,
                     int* hoogte) = nullptr;
};

// The second entry point, as the first: fills `afdruk` when `versie` is the
// version the module was built as.
using PdfModuleInstalleer = bool (*)(const char* versie, PdfAfdruk* afdruk);

inline constexpr const char* kPdfModuleIngang = "valdero_pdfafdruk_installeer";
inline constexpr const char* kGrafiekModuleBestand = "valdero-grafiektekening.so";

}  // namespace valdero::cli
