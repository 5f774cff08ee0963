#include "model/core/TabelAfdruk.h"

#include <algorithm>

#include "model/core/AfdrukMaten.h"
#include "model/core/Kasboek.h"
#include "model/core/Printer.h"
#include "model/core/Windows1252.h"

namespace valdero {
namespace {

class Pagina {
 public:
  Pagina(Kasboek& kb, Printer& p, const AfdrukTabel& t) : kb_(kb), p_(p), t_(t) {
    const AfdrukMaten m = MeetAfdruk(kb, p);
    marge_ = m.marge;
    top_ = m.boven;
    regel_ = m.regel;
    bodem_ = m.onderkant;
    // The grid's widths scaled to the page; a column grows to its widest
    // text where the page has room, and an amount is never cut.
    const int tussen = p.TekstBreedte(" ");
    std::vector<int> nodig;
    std::vector<bool> heel;
    for (std::size_t k = 0; k < t.breedtes.size(); ++k) {
      w_.push_back(p.PaginaBreedte() * t.breedtes[k] / 800);
      int b = k < t.titels.size() ? p.TekstBreedte(t.titels[k]) : 0;
      for (const auto* rijen : {&t.rijen, &t.totalen})
        for (const auto& rij : *rijen)
          if (k < rij.size()) b = std::max(b, p.TekstBreedte(rij[k]));
      nodig.push_back(b + 2 * tussen);
      heel.push_back(k < t.rechts.size() && t.rechts[k]);
    }
    w_ = VerdeelBreedtes(w_, nodig, heel, p.PaginaBreedte() - marge_, true);
    int x = marge_;
    for (int w : w_) {
      x_.push_back(x);
      x += w;
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
    const int tussen = p_.TekstBreedte(" ");
    for (std::size_t k = 0; k < cellen.size() && k < x_.size(); ++k) {
      std::string tekst = cellen[k];
      if (tekst.empty()) continue;
      // Cut from the end until it fits its column with a space to spare, so
      // that it never touches the next column's text.
      while (!tekst.empty() && p_.TekstBreedte(tekst) > w_[k] - tussen)
        tekst = EersteTekens(tekst, AantalTekens(tekst) - 1);
      const bool rechts = k < t_.rechts.size() && t_.rechts[k];
      const int x = rechts ? std::max(x_[k], x_[k] + w_[k] - p_.TekstBreedte(tekst) - tussen) : x_[k];
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
  return printer->EindDocument();
}

}  // namespace valdero
