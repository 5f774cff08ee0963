#include "model/reports/RapportAfdruk.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/core/AfdrukMaten.h"
#include "model/core/Bedragen.h"
#include "model/core/Kasboek.h"
#include "model/core/Printer.h"
#include "model/core/Records.h"
#include "model/core/Voortgang.h"
#include "model/core/Windows1252.h"
#include "model/reports/PaginaVulling.h"
#include "model/reports/RapportHulp.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/RapportTabel.h"
#include "model/reports/RapportTekst.h"

namespace valdero {
namespace {

class Afdruk {
 public:
  Afdruk(Kasboek& kb, Printer& p, const RapportTabel& t, const std::vector<int>& breedtes, int laatste,
         int& pagina)
      : kb_(kb), p_(p), t_(t), laatste_(std::min(laatste, t.Kolommen() - 1)), pagina_(pagina) {
    const int pagBreedte = p.PaginaBreedte();
    for (int k = 0; k <= laatste_; ++k) {
      const int px = k < static_cast<int>(breedtes.size()) ? breedtes[static_cast<std::size_t>(k)]
                                                            : t.breedtes[static_cast<std::size_t>(k)];
      w_.push_back(pagBreedte * px / 800);
    }
    maten_ = MeetAfdruk(kb, p);
    marge_ = maten_.marge;
    top_ = maten_.boven;
    h_ = maten_.regel;
    tb_ = AfdrukTekenBreedte(kb, maten_);
    vulling_ = PaginaVulling::Van(kb);
    Verbreed(pagBreedte);
  }

  void Druk() {
    y_ = top_;
    Kop();
    VoortgangMelder melder(kb_.voortgang(), "Afdrukken", t_.rijen.size());
    std::uint64_t gedaan = 0;
    for (const RapportRij& rij : t_.rijen) {
      melder.Stap(++gedaan);
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
    // The footer (at most three lines) stays together below the table.
    if (maten_.PastNiet(y_, 3)) NieuwePagina();
    Voet();
  }

 private:
  // Whether every filled cell of the column is a number, an amount or a
  // date (and at least one is filled).
  bool IsGetalKolom(int kolom) const {
    bool gevuld = false;
    for (const RapportRij& rij : t_.rijen) {
      if (kolom >= static_cast<int>(rij.cellen.size())) continue;
      const std::string& cel = rij.cellen[static_cast<std::size_t>(kolom)];
      if (cel.find_first_not_of(' ') == std::string::npos) continue;
      if (cel.find_first_not_of("0123456789,.-+% ") != std::string::npos) return false;
      gevuld = true;
    }
    return gevuld;
  }

  // Numbers, amounts and dates are never cut (a cut amount is a wrong
  // amount): their columns grow to their widest cell, or total for amounts,
  // and the widest text columns give up what the page then lacks.
  void Verbreed(int pagBreedte) {
    const int streepje = p_.TekstBreedte("|");
    std::vector<int> nodig(w_.size(), 0);
    std::vector<bool> heel(w_.size(), false);
    for (int k = 0; k <= laatste_; ++k) {
      const auto i = static_cast<std::size_t>(k);
      if (!IsGetalKolom(k)) continue;
      heel[i] = true;
      int b = 0;
      for (const RapportRij& rij : t_.rijen)
        if (i < rij.cellen.size()) b = std::max(b, p_.TekstBreedte(rij.cellen[i]));
      const bool bedrag = IsBedrag(k);
      if (bedrag)
        for (const TotaalRegel& r : t_.totalen)
          for (const RapportVeld& v : r.velden) b = std::max(b, p_.TekstBreedte(v.tekst));
      nodig[i] = b + (bedrag ? 2 * tb_ : 0) + 3 * streepje;
    }
    w_ = VerdeelBreedtes(w_, nodig, heel, pagBreedte - marge_, false);
  }

  int Links(int kolom) const {
    int x = marge_;
    for (int k = 0; k < kolom && k < static_cast<int>(w_.size()); ++k) x += w_[static_cast<std::size_t>(k)];
    return x;
  }
  int Rechts(int kolom) const { return Links(kolom + 1); }
  void Tekst(int x, const std::string& s) { p_.Tekst(x, y_, s); }
  void Eindigend(int kolom, const std::string& s) {
    if (s.empty() || kolom > laatste_) return;
    Tekst(Rechts(kolom) - 2 * tb_ - p_.TekstBreedte(s), s);
  }
  void Streep() { p_.Lijn(marge_, y_, Rechts(laatste_), y_); }
  void NieuwePagina() {
    p_.NieuwePagina();
    teller_ = 0;
    ++pagina_;
    y_ = top_;
    if (kb_.Config.Vlaggen & vlag::KopElkePagina)
      Kop();
    else if (kb_.Config.Vlaggen & vlag::PaginaNummers) {
      PaginaNummer();
      y_ += h_;
      ++teller_;
    }
  }
  void PaginaNummer() {
    const std::string s = "Pagina: " + std::to_string(pagina_);
    Tekst(Rechts(laatste_) - p_.TekstBreedte("Pagina:XXXX"), s);
  }

  bool IsBedrag(int kolom) const {
    if (t_.afschrift) return kolom == 6 || kolom == 7;
    if (t_.soort == rapport::Btw) return t_.IsBedragKolom(kolom);
    if (t_.soort == rapport::Samengesteld && t_.subgroepen > 0) return kolom >= 4 && kolom <= t_.subgroepen + 4;
    if (IsTransactieRapport(t_.soort)) return kolom == 4 || kolom == 5;
    return kolom >= 2 && kolom <= 5;
  }

  void Kop() {
    if (kb_.Config.Vlaggen & vlag::NaamBovenRapport) {
      const auto& pd = kb_.Config.Persoonsdata;
      for (const std::string& s : {pd[0], pd[1], pd[2] + "  " + pd[3], pd[4], EersteTekens(pd[5], 16),
                                   std::string()}) {
        Tekst(marge_, s);
        y_ += h_;
      }
      teller_ += 6;
    }
    Tekst(marge_, t_.KopRegel(0) + "  Datum : " + Vandaag(kb_));
    if (kb_.Config.Vlaggen & vlag::PaginaNummers) PaginaNummer();
    y_ += h_;
    Tekst(marge_, t_.KopRegel(1));
    y_ += 2 * h_;
    Rij(t_.titels, true);
    Streep();
    y_ += h_ / 2;
    teller_ += 5;
  }

  void Rij(const std::vector<std::string>& cellen, bool titel) {
    const int streepje = p_.TekstBreedte("|");
    for (int k = 0; k <= laatste_; ++k) {
      std::string s = k < static_cast<int>(cellen.size()) ? cellen[static_cast<std::size_t>(k)] : "";
      // Room between this column's "|" and the next one's, a "|" wide apart
      // from each, so that no text touches another.
      const int ruimte = w_[static_cast<std::size_t>(k)] - 3 * streepje;
      // The printer text is UTF-8: shorten by whole characters.
      for (std::size_t n = AantalTekens(s); n > 0 && p_.TekstBreedte(s) > ruimte;) s = EersteTekens(s, --n);
      const int x = Links(k);
      p_.Tekst(x, y_, "|");
      if (!titel && IsBedrag(k))
        // An amount too wide to end 2 t before the edge starts after the "|".
        p_.Tekst(std::max(x + 2 * streepje, Rechts(k) - 2 * tb_ - p_.TekstBreedte(s)), y_, s);
      else
        p_.Tekst(x + streepje, y_, s);
    }
    y_ += h_;
  }

  static std::string V(const RapportTabel& t, std::size_t regel, std::size_t veld) {
    if (regel >= t.totalen.size() || !t.totalen[regel].zichtbaar) return {};
    const auto& v = t.totalen[regel].velden;
    return veld < v.size() && v[veld].zichtbaar ? v[veld].tekst : std::string();
  }

  void Voet() {
    const std::string cur = MuntKode(kb_);
    const int soort = t_.soort;
    if (soort == rapport::Groep || soort == rapport::Samengesteld || soort == rapport::Klassen ||
        soort == rapport::Relaties) {
      Tekst(Links(3), "TOTAAL  " + cur);
      Eindigend(4, V(t_, 0, 0));
      if (soort == rapport::Samengesteld && t_.subgroepen > 0) {
        for (int j = 1; j <= t_.subgroepen; ++j) Eindigend(4 + j, V(t_, 0, static_cast<std::size_t>(j)));
      } else {
        Eindigend(5, V(t_, 0, 1));
      }
      y_ += h_;
      Tekst(Links(3), "SALDO  " + cur);
      Eindigend(4, V(t_, 1, 0));
    } else if (IsBudgetRapport(soort) || IsSaldiRapport(soort)) {
      Tekst(Links(1), "TOTAAL  " + cur);
      for (int k = 0; k < 4; ++k) Eindigend(2 + k, V(t_, 0, static_cast<std::size_t>(k)));
      y_ += h_;
      const bool saldi = IsSaldiRapport(soort);
      const std::string label =
          saldi ? (t_.totalen.size() > 1 && t_.totalen[1].zichtbaar ? t_.totalen[1].label : "") : "EIND SALDO  " + cur;
      Tekst(Links(1), label);
      Eindigend(2, V(t_, 1, 0));
      if (saldi) Eindigend(3, V(t_, 1, 1));
      Eindigend(4, V(t_, 1, 2));
      if (saldi) Eindigend(5, V(t_, 1, 3));
    } else if (IsBalansRapport(soort)) {
      Tekst(Links(1), "EIND SALDO  " + cur);
      Eindigend(2, V(t_, 0, 0));
      Eindigend(3, V(t_, 0, 1));
      if (soort != rapport::BalansSelectie) {
        y_ += h_;
        Tekst(Links(1), " * = Jaartotaal ");
      }
    }
  }

  Kasboek& kb_;
  Printer& p_;
  const RapportTabel& t_;
  int laatste_;
  int& pagina_;
  std::vector<int> w_;
  AfdrukMaten maten_;
  PaginaVulling vulling_;
  int marge_ = 0, top_ = 0, h_ = 1, tb_ = 1;
  int y_ = 0;
  int teller_ = 0;
};

}  // namespace

void DrukRapport(Kasboek& kb, Printer& printer, const RapportTabel& tabel, const std::vector<int>& breedtes,
                 int laatsteKolom, int& paginaTeller) {
  if (tabel.Kolommen() == 0) return;
  Afdruk(kb, printer, tabel, breedtes, laatsteKolom, paginaTeller).Druk();
}

bool PrintRapport(Kasboek& kb, Printer& printer, const RapportTabel& tabel, const std::vector<int>& breedtes) {
  printer.KiesPrinter(kb.Config.PrinterIndex);
  printer.ZetLiggend((kb.Config.Vlaggen & vlag::Liggend) != 0);
  if (!printer.BeginDocument("Overzicht")) return false;
  int pagina = 1;
  DrukRapport(kb, printer, tabel, breedtes, LaatsteKolom(tabel, false), pagina);
  return printer.EindDocument();
}

bool PrintBtwRapport(Kasboek& kb, Printer& printer, const RapportTabel& tabel) {
  RapportTabel metTotaal = tabel;
  for (const TotaalRegel& totaal : tabel.totalen) {
    if (!totaal.zichtbaar) continue;
    RapportRij rij;
    rij.cellen.push_back(totaal.label);
    for (const RapportVeld& veld : totaal.velden) rij.cellen.push_back(veld.zichtbaar ? veld.tekst : std::string());
    metTotaal.rijen.push_back(std::move(rij));
  }
  // Its totals are a row: no footer of a report kind.
  metTotaal.totalen.clear();
  printer.KiesPrinter(kb.Config.PrinterIndex);
  printer.ZetLiggend((kb.Config.Vlaggen & vlag::Liggend) != 0);
  // The window sizes its columns to their titles and amounts; so does the
  // paper, at about the pixels of a character on screen.
  constexpr int kSchermPixelsPerTeken = 8;
  std::vector<int> breedtes = metTotaal.breedtes;
  for (std::size_t k = 0; k < breedtes.size(); ++k) {
    std::size_t tekens = k < metTotaal.titels.size() ? AantalTekens(metTotaal.titels[k]) : 0;
    for (const RapportRij& rij : metTotaal.rijen)
      if (k < rij.cellen.size()) tekens = std::max(tekens, AantalTekens(rij.cellen[k]));
    breedtes[k] = std::max(breedtes[k], static_cast<int>(tekens + 2) * kSchermPixelsPerTeken);
  }
  if (tabel.Kolommen() > 0 && printer.BeginDocument("BTW Overzicht")) {
    int pagina = 1;
    DrukRapport(kb, printer, metTotaal, breedtes, metTotaal.Kolommen() - 1, pagina);
    if (printer.EindDocument()) return true;
  }
  MeldAfdrukMislukt(kb);
  return false;
}

}  // namespace valdero
