#include "model/core/TabelAfdruk.h"

#include <algorithm>

#include "model/core/Kasboek.h"
#include "model/core/Printer.h"
#include "model/core/Windows1252.h"

namespace valdero {
namespace {

class Pagina {
 public:
  Pagina(Kasboek& kb, Printer& p, const AfdrukTabel& t) : kb_(kb), p_(p), t_(t) {
    const TConfig& c = kb.Config;
    marge_ = std::max(0, c.LinkerMarge);
    top_ = std::max(0, c.TopMarge);
    regel_ = c.RegelHoogte > 0 ? c.RegelHoogte
             : kb.PrinterRegelHoogte > 0 ? kb.PrinterRegelHoogte
                                         : std::max(1, p.TekstHoogte("Ag"));
    bodem_ = p.PaginaHoogte() - std::max(0, c.BodemMarge);
    int x = marge_;
    for (int b : t.breedtes) {
      x_.push_back(x);
      w_.push_back(p.PaginaBreedte() * b / 800);
      x += w_.back();
    }
    eind_ = x;
  }

  void Kop(bool metNaam) {
    y_ = top_ + 2 * regel_;
    if (metNaam) {
      p_.Tekst(marge_, y_, t_.kop);
      p_.Tekst(p_.TekstBreedte(t_.kop) + 2 * marge_, y_, t_.boekNaam);
      y_ += 2 * regel_;
    }
    Regel(t_.titels);
    Lijn();
  }

  void Rij(const std::vector<std::string>& cellen) {
    if (y_ + regel_ > bodem_) {
      Lijn();
      p_.NieuwePagina();
      Kop((kb_.Config.Vlaggen & vlag::KopElkePagina) != 0);
    }
    Regel(cellen);
  }

  void Lijn() {
    p_.Lijn(marge_, y_, eind_, y_);
    y_ += regel_ / 2;
  }

 private:
  void Regel(const std::vector<std::string>& cellen) {
    for (std::size_t k = 0; k < cellen.size() && k < x_.size(); ++k) {
      std::string tekst = cellen[k];
      if (tekst.empty()) continue;
      // Cut from the end until it fits its column.
      while (!tekst.empty() && p_.TekstBreedte(tekst) > w_[k])
        tekst = EersteTekens(tekst, AantalTekens(tekst) - 1);
      const bool rechts = k < t_.rechts.size() && t_.rechts[k];
      const int x = rechts ? std::max(x_[k], x_[k] + w_[k] - p_.TekstBreedte(tekst) - p_.TekstBreedte(" "))
                           : x_[k];
      p_.Tekst(x, y_, tekst);
    }
    y_ += regel_;
  }

  Kasboek& kb_;
  Printer& p_;
  const AfdrukTabel& t_;
  std::vector<int> x_, w_;
  int marge_ = 0, top_ = 0, regel_ = 1, bodem_ = 0, eind_ = 0, y_ = 0;
};

}  // namespace

bool DrukTabel(Kasboek& kb, const AfdrukTabel& tabel) {
  Printer* printer = &kb.printer();
  printer->KiesPrinter(kb.Config.PrinterIndex);
  printer->ZetLiggend((kb.Config.Vlaggen & vlag::Liggend) != 0);
  if (!printer->BeginDocument(tabel.kop)) return false;
  Pagina pagina(kb, *printer, tabel);
  pagina.Kop(true);
  for (const auto& rij : tabel.rijen) pagina.Rij(rij);
  pagina.Lijn();
  for (const auto& rij : tabel.totalen) pagina.Rij(rij);
  printer->EindDocument();
  return true;
}

}  // namespace valdero
