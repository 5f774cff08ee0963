#include "model/core/Printer.h"

#include "model/core/Windows1252.h"

namespace valdero {

int VastePrinter::TekstBreedte(const std::string& tekst) const {
  // An average character is about half as wide as the font is high.
  return static_cast<int>(AantalTekens(tekst)) * fontGrootte_ * 2;
}

}  // namespace valdero
