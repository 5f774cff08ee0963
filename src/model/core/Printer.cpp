#include "model/core/Printer.h"

#include "model/core/Windows1252.h"

namespace valdero {

namespace {

constexpr int kPuntenPerInch = 72;

}  // namespace

int VastePrinter::TekstBreedte(const std::string& tekst) const {
  const long teken = static_cast<long>(AantalTekens(tekst)) * fontGrootte_ * kPrinterPixelsPerInch;
  return static_cast<int>((teken + kPuntenPerInch) / (2 * kPuntenPerInch));
}

int VastePrinter::TekstHoogte(const std::string&) const {
  const long hoogte = static_cast<long>(fontGrootte_) * kPrinterPixelsPerInch * 115;
  return static_cast<int>((hoogte + 50 * kPuntenPerInch) / (100 * kPuntenPerInch));
}

}  // namespace valdero
