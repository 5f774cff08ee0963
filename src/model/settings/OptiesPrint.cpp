// The print page of the options window: margins and line height in
// millimetres (kept in printer pixels), the printer and its font, the window
// font and the print flags.

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/core/Bedragen.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/Printer.h"
#include "model/core/TekstHulp.h"
#include "model/settings/Opties.h"
#include "model/storage/ConfigBestand.h"

namespace valdero {
namespace {

constexpr int kKleinsteVensterFont = 8;
constexpr int kGrootsteWord = 0xFFFF;

int Vlag(PrintPagina::Optie optie) {
  switch (optie) {
    case PrintPagina::Optie::Eigenaar: return vlag::NaamBovenRapport;
    case PrintPagina::Optie::NieuweKop: return vlag::KopElkePagina;
    case PrintPagina::Optie::PaginaNummer: return vlag::PaginaNummers;
    case PrintPagina::Optie::Liggend: return vlag::Liggend;
  }
  return 0;
}

bool HeelGetal(const std::string& tekst, int& getal) {
  const auto b = tekst.find_first_not_of(' ');
  if (b == std::string::npos) return false;
  const auto e = tekst.find_last_not_of(' ') + 1;
  const auto [p, fout] = std::from_chars(tekst.data() + b, tekst.data() + e, getal);
  return fout == std::errc() && p == tekst.data() + e && getal >= 0;
}

}  // namespace

PrintPagina::PrintPagina(OptiesModel& opties) : o_(opties) {}

int PrintPagina::PixelsPerCm() const {
  if (o_.kb.weergave.PixelsPerCm <= 0) MeetPrinter(o_.kb, false);
  return o_.kb.weergave.PixelsPerCm > 0 ? o_.kb.weergave.PixelsPerCm : 1;
}

std::string PrintPagina::LinkerMarge() const {
  return std::to_string(std::lround(o_.kb.Config.LinkerMarge * 10.0 / PixelsPerCm()));
}
std::string PrintPagina::TopMarge() const {
  return std::to_string(std::lround(o_.kb.Config.TopMarge * 10.0 / PixelsPerCm()));
}
std::string PrintPagina::BodemMarge() const {
  return std::to_string(std::lround(o_.kb.Config.BodemMarge * 10.0 / PixelsPerCm()));
}
std::string PrintPagina::RegelHoogte() const {
  return GetalTekst(o_.kb, o_.kb.Config.RegelHoogte * 10.0 / PixelsPerCm(), 2);
}

std::vector<std::string> PrintPagina::Printers() const {
  return o_.kb.printer().Printers();
}

int PrintPagina::GekozenPrinter() const { return o_.kb.Config.PrinterIndex; }

bool PrintPagina::ZetMarge(Marge marge, const std::string& millimeters) {
  int mm = 0;
  if (!HeelGetal(millimeters, mm)) {
    Foutmelding(o_.kb, "Getal " + millimeters, FoutNr::GeenGeldigBedrag, HintNr::CorrigeerGetal);
    return false;
  }
  const long pixels = static_cast<long>(mm) * PixelsPerCm() / 10;
  if (pixels > kGrootsteWord) {
    Foutmelding(o_.kb, "Getal " + millimeters, FoutNr::TeGroot, HintNr::CorrigeerGetal);
    return false;
  }
  TConfig& c = o_.kb.Config;
  (marge == Marge::Links ? c.LinkerMarge : marge == Marge::Boven ? c.TopMarge : c.BodemMarge) =
      static_cast<int>(pixels);
  o_.gewijzigd = true;
  return true;
}

void PrintPagina::HerberekenRegels() {
  TConfig& c = o_.kb.Config;
  if (c.RegelHoogte <= 0) return;
  const int marges = (c.TopMarge + c.BodemMarge) / c.RegelHoogte;
  // A page smaller than its margins has no lines rather than a negative count.
  c.RegelsPerPagina = o_.kb.weergave.PaginaRegels > marges ? o_.kb.weergave.PaginaRegels - marges : 0;
}

void PrintPagina::ZetRegelHoogte(std::string millimeters) {
  Kasboek& kb = o_.kb;
  const auto gelezen = LeesGetal4(kb, millimeters);
  if (!gelezen) MeldGeenGetal(kb, millimeters);
  const float mm = gelezen.value_or(0.0f);
  int hoogte = static_cast<int>(std::lround(mm)) * PixelsPerCm() / 10;
  if (hoogte < kb.weergave.PrinterRegelHoogte) hoogte = kb.weergave.PrinterRegelHoogte;
  if (hoogte > kGrootsteWord) hoogte = kGrootsteWord;
  kb.Config.RegelHoogte = hoogte;
  HerberekenRegels();
  o_.gewijzigd = true;
}

void PrintPagina::ZetPrinterFont(const std::string& naam, int grootte) {
  Kasboek& kb = o_.kb;
  kb.printer().ZetFont(naam, grootte);
  MeetPrinter(kb, false);
  kb.Config.RegelHoogte = kb.weergave.PrinterRegelHoogte;
  HerberekenRegels();
  o_.gewijzigd = true;
}

void PrintPagina::KiesPrinter(int index) {
  Kasboek& kb = o_.kb;
  kb.printer().KiesPrinter(index);
  MeetPrinter(kb, true);
  kb.Config.PrinterIndex = index;
  kb.Config.RegelHoogte = kb.weergave.PrinterRegelHoogte;
  HerberekenRegels();
  o_.gewijzigd = true;
}

void PrintPagina::ZetVensterFont(const std::string& naam, int grootte) {
  o_.kb.Config.FontNaam = Kap(naam, 32);
  o_.kb.Config.FontGrootte = grootte < kKleinsteVensterFont ? kKleinsteVensterFont : grootte;
  o_.gewijzigd = true;
}

bool PrintPagina::Aan(Optie optie) const { return (o_.kb.Config.Vlaggen & Vlag(optie)) != 0; }

void PrintPagina::Zet(Optie optie, bool aan) {
  int& vlaggen = o_.kb.Config.Vlaggen;
  vlaggen = aan ? (vlaggen | Vlag(optie)) : (vlaggen & ~Vlag(optie));
  o_.gewijzigd = true;
}

}  // namespace valdero
