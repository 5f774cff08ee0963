// The group overview on paper: the report layout of the overview window
// with its own measures. Every column is printed; the date column is a
// little wider, every cell of a row ends at its column's right edge, there
// are no page numbers and the only footer is the total line.

#include <algorithm>
#include <cmath>

#include "model/core/AfdrukMaten.h"
#include "model/core/Bedragen.h"
#include "model/core/Kasboek.h"
#include "model/core/Printer.h"
#include "model/core/Records.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/reports/PaginaVulling.h"
#include "model/reports/GroepRapport.h"

namespace valdero {
namespace {

class GroepAfdruk {
 public:
  GroepAfdruk(Kasboek& kb, Printer& p, const GroepRapportTabel& t, const std::vector<int>& breedtes)
      : kb_(kb), p_(p), t_(t) {
    const int pagina = p.PaginaBreedte();
    for (int k = 0; k < t.Kolommen(); ++k) {
      const int px = k < static_cast<int>(breedtes.size()) ? breedtes[static_cast<std::size_t>(k)]
                                                            : t.breedtes[static_cast<std::size_t>(k)];
      int w = pagina * px / 800;
      if (k == 1) w = w * 13 / 10;  // the date whole
      w_.push_back(w);
    }
    maten_ = MeetAfdruk(kb, p);
    marge_ = maten_.marge;
    top_ = maten_.boven;
    h_ = maten_.regel;
    tb_ = AfdrukTekenBreedte(kb, maten_);
    vulling_ = PaginaVulling::Van(kb);
    Verbreed(pagina);
  }

  void Druk() {
    y_ = top_;
    Kop();
    for (const RapportRij& rij : t_.rijen) {
      Rij(rij.cellen, false);
      ++teller_;
      // The configured lines per page, or fewer when the next row would run
      // past the bottom margin.
      if (vulling_.Vol(teller_) || maten_.PastNiet(y_)) {
        Streep();
        NieuwePagina();
      }
    }
    Streep();
    y_ += h_ / 2;
    if (maten_.PastNiet(y_)) NieuwePagina();
    p_.Tekst(Links(2), y_, t_.totaalLabel);
    Eindigend(3, t_.totaal.tekst);
    if (t_.btwKolommen) Eindigend(4, t_.btwTotaal.tekst);
  }

 private:
  // Numbers and dates are never cut (a cut amount is a wrong amount): a
  // column too narrow for them grows, as long as the table stays within
  // the page; otherwise every column keeps its proportional width.
  void Verbreed(int pagina) {
    std::vector<int> nodig = w_;
    const int rand = tb_ + 2 * p_.TekstBreedte("|");
    for (int k = 0; k < t_.Kolommen(); ++k) {
      if (k == 2 || k == t_.Kolommen() - 1) continue;  // relation or group title, and the class
      int breedste = 0;
      for (const RapportRij& rij : t_.rijen)
        if (k < static_cast<int>(rij.cellen.size()))
          breedste = std::max(breedste, p_.TekstBreedte(rij.cellen[static_cast<std::size_t>(k)]));
      if (k == 3) breedste = std::max(breedste, p_.TekstBreedte(t_.totaal.tekst));
      if (k == 4) breedste = std::max(breedste, p_.TekstBreedte(t_.btwTotaal.tekst));
      nodig[static_cast<std::size_t>(k)] = std::max(w_[static_cast<std::size_t>(k)], breedste + rand);
    }
    int som = marge_;
    for (int w : nodig) som += w;
    if (som <= pagina) w_ = std::move(nodig);
  }

  int Links(int kolom) const {
    int x = marge_;
    for (int k = 0; k < kolom && k < static_cast<int>(w_.size()); ++k) x += w_[static_cast<std::size_t>(k)];
    return x;
  }
  int Rechts(int kolom) const { return Links(kolom + 1); }
  // Text ending just before the "|" of the next column.
  int Eind(int kolom) const { return Rechts(kolom) - tb_ - p_.TekstBreedte("|"); }
  void Eindigend(int kolom, const std::string& s) {
    if (!s.empty()) p_.Tekst(std::max(Links(kolom), Eind(kolom) - p_.TekstBreedte(s)), y_, s);
  }
  void Streep() { p_.Lijn(marge_, y_, Rechts(t_.Kolommen() - 1), y_); }
  void NieuwePagina() {
    p_.NieuwePagina();
    teller_ = 0;
    y_ = top_;
    if (kb_.Config.Vlaggen & vlag::KopElkePagina) Kop();
  }

  void Kop() {
    if (kb_.Config.Vlaggen & vlag::NaamBovenRapport) {
      const auto& pd = kb_.Config.Persoonsdata;
      for (const std::string& s :
           {pd[0], pd[1], pd[2] + "  " + pd[3], pd[4], EersteTekens(pd[5], 16), std::string()}) {
        p_.Tekst(marge_, y_, s);
        y_ += h_;
      }
      teller_ += 6;
    }
    p_.Tekst(marge_, y_, t_.KopRegel(0) + "  Datum : " + Vandaag(kb_));
    y_ += h_;
    p_.Tekst(marge_, y_, t_.KopRegel(1));
    y_ += 2 * h_;
    Rij(t_.titels, true);
    Streep();
    y_ += h_ / 2;
    teller_ += 5;
  }

  void Rij(const std::vector<std::string>& cellen, bool titel) {
    const int streepje = p_.TekstBreedte("|");
    for (int k = 0; k < t_.Kolommen(); ++k) {
      std::string s = k < static_cast<int>(cellen.size()) ? cellen[static_cast<std::size_t>(k)] : "";
      const int ruimte = w_[static_cast<std::size_t>(k)] - tb_ - 2 * streepje;
      for (std::size_t n = AantalTekens(s); n > 0 && p_.TekstBreedte(s) > ruimte;) s = EersteTekens(s, --n);
      const int x = Links(k);
      p_.Tekst(std::max(0, x - tb_), y_, "|");
      if (titel)
        p_.Tekst(x + streepje, y_, s);
      else
        p_.Tekst(std::max(x, Eind(k) - p_.TekstBreedte(s)), y_, s);
    }
    y_ += h_;
  }

  Kasboek& kb_;
  Printer& p_;
  const GroepRapportTabel& t_;
  std::vector<int> w_;
  AfdrukMaten maten_;
  PaginaVulling vulling_;
  int marge_ = 0, top_ = 0, h_ = 1, tb_ = 1;
  int y_ = 0;
  int teller_ = 0;
};

}  // namespace

bool GroepRapportModel::Print(Printer& printer, const std::vector<int>& breedtes) const {
  if (tabel_.Kolommen() == 0) return false;
  printer.KiesPrinter(kb_.Config.PrinterIndex);
  printer.ZetLiggend((kb_.Config.Vlaggen & vlag::Liggend) != 0);
  if (printer.BeginDocument("Speciale Groep")) {
    GroepAfdruk(kb_, printer, tabel_, breedtes).Druk();
    if (printer.EindDocument()) return true;
  }
  MeldAfdrukMislukt(kb_);
  return false;
}

}  // namespace valdero
