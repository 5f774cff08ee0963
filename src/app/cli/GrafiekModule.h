#pragma once
// The chart drawing of valdero-cli lives in a loadable module
// (valdero-grafiektekening.so), so that the tool starts without Qt and only
// `grafiek --png` loads Qt Charts. This is what the tool and the module agree
// on: the one C entry point the module exports and the drawing it hands back.

namespace valdero {
struct Grafiek;
}

namespace valdero::cli {

// Draws the chart into a PNG file at `pad` (the file name's bytes as the
// system takes them) with the book's decimal separator; true when the file
// was written.
using GrafiekPngTekening = bool (*)(const Grafiek& grafiek, char decimaalTeken, const char* pad);

// The module's entry point: puts its drawing into `tekening` when `versie` is
// the version it was built as, and says whether it did. The drawing reads a
// Grafiek of the tool's build, so a module of another version is refused
// rather than handed a layout it does not know.
using GrafiekModuleInstalleer = bool (*)(const char* versie, GrafiekPngTekening* tekening);

inline constexpr const char* kGrafiekModuleIngang = "valdero_grafiektekening_installeer";
inline constexpr const char* kGrafiekModuleBestand = "valdero-grafiektekening.so";

}  // namespace valdero::cli
