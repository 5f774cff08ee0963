#include "model/reports/RapportTekst.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <ostream>
#include <string_view>
#include <system_error>

#include "model/core/Bedragen.h"
#include "model/core/Kasboek.h"
#include "model/core/Printer.h"
#include "model/core/Voortgang.h"
#include "model/core/Windows1252.h"
#include "model/reports/PaginaVulling.h"
#include "model/reports/RapportHulp.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/RapportTabel.h"

namespace valdero {
namespace {

constexpr char kPaginaEinde = '\f';
// The piece of a file written as its rows come that leaves at once.
constexpr std::size_t kStuk = 1 << 16;

// Characters, not bytes; most cells are plain ASCII and skip the decoding.
int Lengte(const std::string& s) { return IsAscii(s) ? static_cast<int>(s.size()) : static_cast<int>(AantalTekens(s)); }
std::string S(int n) { return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string(); }

// Padded on the left to n + 1 characters.
std::string R(const std::string& x, int n) { return S(n + 1 - Lengte(x)) + x; }

std::string VeldTekst(const RapportVeld& v) { return v.zichtbaar ? v.tekst : std::string(); }
const RapportVeld& Veld(const RapportTabel& t, std::size_t regel, std::size_t veld) {
  static const RapportVeld leeg;
  if (regel >= t.totalen.size() || veld >= t.totalen[regel].velden.size()) return leeg;
  return t.totalen[regel].velden[veld];
}

bool RechtsUitgelijnd(const RapportTabel& t, int kolom) {
  if (t.afschrift) return kolom == 6 || kolom == 7;
  if (t.soort == rapport::Btw) return kolom >= 1;
  if (t.soort <= rapport::Klassen || t.soort == rapport::Relaties) {
    if (kolom == 2 || kolom == 4 || kolom == 5) return true;
    return t.soort == rapport::Samengesteld && kolom >= 6 && kolom <= t.subgroepen + 4;
  }
  return kolom >= 2;
}

// Amounts and percentages: never cut, a cut number is a wrong number.
bool IsGetal(const RapportTabel& t, int kolom) {
  if (t.IsBedragKolom(kolom)) return true;
  return t.soort > rapport::Klassen && t.soort != rapport::Relaties && kolom >= 2;
}


std::vector<Uitlijning> Uitlijningen(const RapportTabel& t, int laatste, bool titel) {
  std::vector<Uitlijning> u(static_cast<std::size_t>(laatste) + 1, Uitlijning::Links);
  if (titel) return u;
  for (int k = 0; k <= laatste; ++k)
    if (RechtsUitgelijnd(t, k)) u[static_cast<std::size_t>(k)] = IsGetal(t, k) ? Uitlijning::Heel : Uitlijning::Rechts;
  return u;
}

// Appends one cell as P, Q or Heel write it, without building the pieces.
void VoegCelToe(std::string& regel, const std::string& cel, int n, Uitlijning u) {
  std::string_view deel = cel;
  int lengte = 0;
  if (IsAscii(cel)) {
    if (u != Uitlijning::Heel && deel.size() > static_cast<std::size_t>(std::max(n, 0)))
      deel = deel.substr(0, static_cast<std::size_t>(std::max(n, 0)));
    lengte = static_cast<int>(deel.size());
  } else {
    if (u != Uitlijning::Heel) deel = deel.substr(0, n > 0 ? EersteTekens(cel, static_cast<std::size_t>(n)).size() : 0);
    lengte = static_cast<int>(AantalTekens(deel));
  }
  const int vul = std::max(n - lengte, 0);
  if (u != Uitlijning::Links) regel.append(static_cast<std::size_t>(vul), ' ');
  regel.append(deel);
  if (u == Uitlijning::Links) regel.append(static_cast<std::size_t>(vul), ' ');
}

void VoegRijToe(std::string& regel, const std::vector<std::string>& cellen, const std::vector<int>& w,
                const std::vector<Uitlijning>& uitlijning) {
  static const std::string leeg;
  regel += '|';
  for (std::size_t k = 0; k < uitlijning.size(); ++k) {
    VoegCelToe(regel, k < cellen.size() ? cellen[k] : leeg, w[k], uitlijning[k]);
    regel += '|';
  }
}

std::string RijRegel(const RapportTabel& t, const std::vector<std::string>& cellen, const std::vector<int>& w,
                     int laatste, bool titel) {
  std::string regel;
  VoegRijToe(regel, cellen, w, Uitlijningen(t, laatste, titel));
  return regel;
}

}  // namespace

int LaatsteKolom(const RapportTabel& tabel, bool verzamelen) {
  if (tabel.afschrift) return 6;
  if (tabel.soort == rapport::Samengesteld && tabel.subgroepen > 0) return std::min(tabel.subgroepen + 5, 10);
  if (verzamelen) return tabel.soort > rapport::Klassen && tabel.soort != rapport::Relaties ? 5 : 6;
  if (IsSaldiRapport(tabel.soort)) return 5;
  if (IsBudgetRapport(tabel.soort) || IsBalansRapport(tabel.soort)) return 7;
  return 6;
}

namespace {

// The column widths in characters: the widths in pixels (the table's
// defaults where none is given) over the font's point size.
std::vector<int> Tekenbreedtes(const RapportTabel& t, const std::vector<int>& breedtes, int fontGrootte,
                               int laatste) {
  std::vector<int> w;
  for (int k = 0; k <= laatste; ++k) {
    const int px = k < static_cast<int>(breedtes.size()) ? breedtes[static_cast<std::size_t>(k)]
                                                          : t.breedtes[static_cast<std::size_t>(k)];
    w.push_back(px / fontGrootte);
  }
  return w;
}

std::string Streep(const std::vector<int>& w, int laatste) {
  int som = laatste;
  for (int n : w) som += n;
  return "|" + std::string(static_cast<std::size_t>(std::max(som, 0)), '-');
}

// The heading block, the title row and the dash line under it.
void KopRegels(Kasboek& kb, const RapportTabel& t, const std::vector<int>& w, int laatste, VerzameldeRegels& uit) {
  auto& regels = uit.regels;
  if (kb.Config.Vlaggen & vlag::NaamBovenRapport) {
    const auto& p = kb.Config.Persoonsdata;
    regels.push_back(p[0]);
    regels.push_back(p[1]);
    regels.push_back(p[2] + S(3) + p[3]);
    regels.push_back(p[4]);
    regels.push_back(EersteTekens(p[5], 16));
    regels.emplace_back();
    uit.regelTeller += 6;
  }
  regels.push_back(t.KopRegel(0) + "  Datum : " + Vandaag(kb));
  regels.push_back(t.KopRegel(1));
  regels.push_back(RijRegel(t, t.titels, w, laatste, true));
  regels.push_back(Streep(w, laatste));
  uit.regelTeller += 5;
}

// One row's line; a form feed ends it when the page is full.
void RijMetPagina(const Kasboek& kb, std::string& regel, const std::vector<std::string>& cellen,
                  const std::vector<int>& w, const std::vector<Uitlijning>& uitlijning, int& regelTeller,
                  int& paginaTeller) {
  VoegRijToe(regel, cellen, w, uitlijning);
  ++regelTeller;
  if (PaginaVulling::Van(kb).Vol(regelTeller)) {
    regel += kPaginaEinde;
    regelTeller = 0;
    ++paginaTeller;
  }
}

// The dash line after the rows (unless a page just ended) and the footer
// of the kind.
void VoetRegels(Kasboek& kb, const RapportTabel& t, const std::vector<int>& w, int laatste, VerzameldeRegels& uit) {
  auto& regels = uit.regels;
  if (uit.regelTeller != 0) regels.push_back(Streep(w, laatste));

  const std::string cur = MuntKode(kb);
  auto wk = [&w](int k) { return k < static_cast<int>(w.size()) ? w[static_cast<std::size_t>(k)] : 0; };
  const int soort = t.soort;
  if (soort == rapport::Groep || soort == rapport::Samengesteld || soort == rapport::Klassen ||
      soort == rapport::Relaties) {
    const int o = wk(0) + wk(1) + wk(2) + 3;
    std::string label = "TOTAAL  " + cur;
    std::string regel = S(o) + label + S(wk(3) - Lengte(label) + 1) + R(VeldTekst(Veld(t, 0, 0)), wk(4));
    if (soort == rapport::Samengesteld && t.subgroepen > 0) {
      for (int j = 1; j <= std::min(t.subgroepen, 5); ++j)
        regel += R(VeldTekst(Veld(t, 0, static_cast<std::size_t>(j))), wk(5));
    } else {
      regel += R(VeldTekst(Veld(t, 0, 1)), wk(5));
    }
    regels.push_back(regel);
    label = "SALDO  " + cur;
    const bool zichtbaar = t.totalen.size() > 1 && t.totalen[1].zichtbaar;
    regels.push_back(S(o) + label + S(wk(3) - Lengte(label) + 1) +
                     R(zichtbaar ? VeldTekst(Veld(t, 1, 0)) : std::string(), wk(4)));
  } else if (IsBudgetRapport(soort) || IsSaldiRapport(soort)) {
    std::string label = "TOTAAL  " + cur;
    regels.push_back(S(wk(0) + 1) + label + S(wk(1) - Lengte(label) + 1) + R(VeldTekst(Veld(t, 0, 0)), wk(2)) +
                     R(VeldTekst(Veld(t, 0, 1)), wk(3)) + R(VeldTekst(Veld(t, 0, 2)), wk(4)) +
                     R(VeldTekst(Veld(t, 0, 3)), wk(5)));
    const bool saldi = IsSaldiRapport(soort);
    const bool eindZichtbaar = t.totalen.size() > 1 && t.totalen[1].zichtbaar;
    label = saldi ? (eindZichtbaar ? t.totalen[1].label : std::string()) : "EIND SALDO  " + cur;
    auto g = [&](std::size_t i) { return eindZichtbaar ? VeldTekst(Veld(t, 1, i)) : std::string(); };
    std::string regel = S(wk(0) + 1) + label + S(wk(1) - Lengte(label) + 1) + R(g(0), wk(2));
    regel += saldi ? R(g(1), wk(3)) : S(wk(3) + 1);
    regel += R(g(2), wk(4));
    if (saldi) regel += R(g(3), wk(5));
    regels.push_back(regel);
  } else if (IsBalansRapport(soort)) {
    const std::string label = "EIND SALDO  " + cur;
    regels.push_back(S(wk(0) + 1) + label + S(wk(1) - Lengte(label) + 1) + R(VeldTekst(Veld(t, 0, 0)), wk(2)) +
                     R(VeldTekst(Veld(t, 0, 1)), wk(3)));
    regels.push_back(S(wk(0)) + " * = Jaartotaal ");
  } else if (soort == rapport::Btw && !t.totalen.empty()) {
    // The label does not fit the account column: the sums go on the line
    // under it, each under its column.
    regels.push_back(S(1) + t.totalen[0].label);
    std::string regel = S(wk(0) + 1);
    for (int k = 1; k <= 4; ++k) regel += R(VeldTekst(Veld(t, 0, static_cast<std::size_t>(k - 1))), wk(k));
    regels.push_back(regel);
  } else {
    regels.emplace_back();
  }
}

// One line of the file: the margin, the text in Windows-1252, CR LF, and
// after a form feed a line of its own holding one.
void VoegBestandsRegelToe(std::string& uit, const std::string& marge, const std::string& regel) {
  uit += marge;
  if (IsAscii(regel))
    uit += regel;
  else
    uit += Utf8NaarCp1252(regel);
  uit += "\r\n";
  if (!regel.empty() && regel.back() == kPaginaEinde) uit += "\f\r\n";
}

}  // namespace

void VerzamelRapport(Kasboek& kb, const RapportTabel& t, const std::vector<int>& breedtes, int fontGrootte,
                     int laatste, VerzameldeRegels& uit) {
  if (fontGrootte <= 0) fontGrootte = 10;
  laatste = std::min(laatste, t.Kolommen() - 1);
  if (laatste < 0) return;
  const std::vector<int> w = Tekenbreedtes(t, breedtes, fontGrootte, laatste);
  KopRegels(kb, t, w, laatste, uit);

  const std::vector<Uitlijning> uitlijning = Uitlijningen(t, laatste, false);
  uit.regels.reserve(uit.regels.size() + t.rijen.size() + 4);
  VoortgangMelder melder(kb.voortgang(), "Overzicht opmaken", t.rijen.size());
  std::uint64_t gedaan = 0;
  for (const RapportRij& rij : t.rijen) {
    melder.Stap(++gedaan);
    std::string regel;
    RijMetPagina(kb, regel, rij.cellen, w, uitlijning, uit.regelTeller, uit.paginaTeller);
    uit.regels.push_back(std::move(regel));
  }
  VoetRegels(kb, t, w, laatste, uit);
}

RapportStroom::RapportStroom(Kasboek& kb, int fontGrootte, std::ostream* direct)
    : kb_(kb),
      direct_(direct),
      fontGrootte_(fontGrootte > 0 ? fontGrootte : 10),
      marge_(S(MargeTekens(kb, fontGrootte_))) {}

void RapportStroom::Begin() {
  rijen_.clear();
  klaar_ = false;
}

void RapportStroom::Bereid(const RapportTabel& t) {
  laatste_ = std::min(LaatsteKolom(t, false), t.Kolommen() - 1);
  w_ = laatste_ >= 0 ? Tekenbreedtes(t, {}, fontGrootte_, laatste_) : std::vector<int>{};
  uitlijning_ = laatste_ >= 0 ? Uitlijningen(t, laatste_, false) : std::vector<Uitlijning>{};
  // The heading block comes before the rows in the file.
  regelTeller_ = ((kb_.Config.Vlaggen & vlag::NaamBovenRapport) ? 6 : 0) + 5;
  paginaTeller_ = 1;
  klaar_ = true;
}

void RapportStroom::Rij(const RapportTabel& t, RapportRij&& rij) {
  if (!klaar_) Bereid(t);
  if (laatste_ < 0) return;
  if (direct_ != nullptr && !kopGeschreven_) {
    std::string kop;
    VerzameldeRegels kopRegels;
    KopRegels(kb_, t, w_, laatste_, kopRegels);
    for (const std::string& r : kopRegels.regels) VoegBestandsRegelToe(kop, marge_, r);
    direct_->write(kop.data(), static_cast<std::streamsize>(kop.size()));
    kopGeschreven_ = true;
  }
  regel_.clear();
  RijMetPagina(kb_, regel_, rij.cellen, w_, uitlijning_, regelTeller_, paginaTeller_);
  VoegBestandsRegelToe(rijen_, marge_, regel_);
  if (direct_ != nullptr && rijen_.size() >= kStuk) {
    direct_->write(rijen_.data(), static_cast<std::streamsize>(rijen_.size()));
    rijen_.clear();
  }
}

void RapportStroom::Omlijst(Kasboek& kb, const RapportTabel& t, std::string& kop, std::string& rest) {
  if (!klaar_) Bereid(t);
  if (laatste_ < 0) return;
  if (!kopGeschreven_) {
    VerzameldeRegels kopRegels;
    KopRegels(kb, t, w_, laatste_, kopRegels);
    for (const std::string& r : kopRegels.regels) VoegBestandsRegelToe(kop, marge_, r);
  }
  // Rows the table kept (the reports that are no list of transactions).
  VerzameldeRegels voet;
  voet.regelTeller = regelTeller_;
  voet.paginaTeller = paginaTeller_;
  for (const RapportRij& rij : t.rijen) {
    std::string regel;
    RijMetPagina(kb_, regel, rij.cellen, w_, uitlijning_, voet.regelTeller, voet.paginaTeller);
    VoegBestandsRegelToe(rest, marge_, regel);
  }
  VoetRegels(kb, t, w_, laatste_, voet);
  for (const std::string& r : voet.regels) VoegBestandsRegelToe(rest, marge_, r);
}

std::string RapportStroom::Tekst(Kasboek& kb, const RapportTabel& t) {
  std::string kop, rest;
  Omlijst(kb, t, kop, rest);
  return kop + rijen_ + rest;
}

void RapportStroom::Schrijf(std::ostream& uit, Kasboek& kb, const RapportTabel& t) {
  std::string kop, rest;
  Omlijst(kb, t, kop, rest);
  uit << kop;
  uit.write(rijen_.data(), static_cast<std::streamsize>(rijen_.size()));
  uit << rest;
}

int MargeTekens(const Kasboek& kb, int fontGrootte) {
  if (fontGrootte <= 0) fontGrootte = 10;
  const int breedte = kb.printer().PaginaBreedte();
  const int m = breedte > 0 ? kb.Config.LinkerMarge * 800 / breedte / fontGrootte : 0;
  return std::max(m, 1);
}

std::string RapportBestandsTekst(const Kasboek& kb, const std::vector<std::string>& regels, int fontGrootte) {
  const std::string marge = S(MargeTekens(kb, fontGrootte));
  std::string uit;
  std::size_t totaal = 0;
  for (const std::string& regel : regels) totaal += regel.size() + marge.size() + 2;
  uit.reserve(totaal);
  for (const std::string& regel : regels) VoegBestandsRegelToe(uit, marge, regel);
  return uit;
}

SchrijfUitkomst SchrijfRapportBestand(const std::filesystem::path& pad, const std::string& bytes,
                                      Bestandssysteem& bestanden) {
  return SchrijfTekst(pad, bytes, bestanden);
}

}  // namespace valdero
