#include "model/charts/GrafiekModel.h"

#include <algorithm>
#include <optional>

#include "model/charts/GrafiekBouw.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/AfdrukMaten.h"
#include "model/core/Printer.h"
#include "model/reports/ReportSelection.h"

namespace valdero {

GrafiekModel::GrafiekModel(Kasboek& kb, const ReportSelection& selectie) : kb_(kb), selectie_(selectie) {}

bool GrafiekModel::ShowChart(int soort, int index) {
  if (VormVan(soort) == GrafiekVorm::Staven) {
    if (const std::string melding = SelectieMelding(selectie_, RapportSoortVan(soort)); !melding.empty()) {
      Mededeling(kb_, melding);
      return false;
    }
  }
  Bouw(soort, index);
  return true;
}

void GrafiekModel::Bouw(int soort, int index) {
  grafiek_ = BouwGrafiek(kb_, selectie_, soort, index);
  rekNr_ = 0;
  groepKode_.clear();
  if (soort == grafiek::Rekening && index >= 1 && index <= kb_.MaxRek())
    rekNr_ = kb_.RekLijst[static_cast<std::size_t>(index)].RekNr;
  if (soort == grafiek::Groep && index >= 1 && index <= kb_.MaxGroep())
    groepKode_ = kb_.GroepLijst[static_cast<std::size_t>(index)].Kode;
  if (const std::string melding = LeegMelding(grafiek_); !melding.empty()) Mededeling(kb_, melding);
}

bool GrafiekModel::Volgend() { return Blader(1); }
bool GrafiekModel::Vorige() { return Blader(-1); }

bool GrafiekModel::Blader(int stap) {
  const int soort = grafiek_.soort;
  std::optional<int> positie;
  int laatste = 0;
  if (soort == grafiek::Rekening) {
    positie = kb_.ZoekRekening(rekNr_);
    laatste = kb_.MaxRek();
  } else if (soort == grafiek::Groep) {
    positie = kb_.ZoekGroep(groepKode_);
    laatste = kb_.MaxGroep();
  } else {
    return false;
  }
  // The account or group shown may have been deleted meanwhile.
  if (!positie) return false;
  const int nieuw = *positie + stap;
  if (nieuw < 1 || nieuw > laatste) return false;
  Bouw(soort, nieuw);
  return true;
}

bool GrafiekModel::PrintLiggend() const { return grafiek_.vorm != GrafiekVorm::Balken; }

bool GrafiekModel::Print(Printer& printer, const std::string& png, int breedte, int hoogte) {
  const bool liggend = (kb_.Config.Vlaggen & vlag::Liggend) != 0;
  printer.KiesPrinter(kb_.Config.PrinterIndex);
  printer.ZetLiggend(PrintLiggend());
  if (!printer.BeginDocument("Grafiek")) {
    printer.ZetLiggend(liggend);
    MeldAfdrukMislukt(kb_);
    return false;
  }
  const int marge = std::max(0, kb_.Config.LinkerMarge);
  const int boven = std::max(0, kb_.Config.TopMarge);
  const int ruimteB = std::max(1, printer.PaginaBreedte() - 2 * marge);
  const int ruimteH = std::max(1, printer.PaginaHoogte() - boven - std::max(0, kb_.Config.BodemMarge));
  // As large as fits, keeping the picture's proportions.
  const double schaal = breedte > 0 && hoogte > 0
                            ? std::min(static_cast<double>(ruimteB) / breedte, static_cast<double>(ruimteH) / hoogte)
                            : 1;
  const int b = std::max(1, static_cast<int>(breedte * schaal));
  const int h = std::max(1, static_cast<int>(hoogte * schaal));
  printer.Afbeelding(marge + (ruimteB - b) / 2, boven, b, h, png);
  const bool gelukt = printer.EindDocument();
  printer.ZetLiggend(liggend);
  if (!gelukt) MeldAfdrukMislukt(kb_);
  return gelukt;
}

}  // namespace valdero
