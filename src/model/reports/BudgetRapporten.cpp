// The reports per group and per account: budget against income and expenses
// (kinds 11 to 15), budget balances (21 to 25) and the balances of the
// accounts without cross-postings (31, 32). They read the balance matrix,
// one lookup per group, except the period budget (14), which sums the
// transactions of its period in one pass.

#include <cmath>
#include <cstdlib>
#include <string>
#include <unordered_map>

#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Centen.h"
#include "model/core/Datum.h"
#include "model/core/Domein.h"
#include "model/core/Kasboek.h"
#include "model/core/Voortgang.h"
#include "model/reports/RapportBouwers.h"
#include "model/reports/RapportHulp.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/RapportStand.h"
#include "model/reports/RapportTabel.h"
#include "model/reports/ReportSelection.h"

namespace valdero {
namespace {

std::string KlasseTekst(const Kasboek& kb, const ReportSelection& selectie, int soort) {
  if (soort == rapport::BudgetMaand) return "Records van de klassen B, I, L, U, V";
  if (soort == rapport::BudgetSelectie || soort == rapport::BalansSelectie) {
    std::string s = " Records van geselecteerde klassen :";
    for (std::size_t i = 0; i < selectie.Klassen.size() && i < kb.KlasseLijst.size(); ++i)
      if (!selectie.Klassen[i].empty()) s += selectie.Klassen[i] + ",";
    return s;
  }
  return "Records van alle klassen";
}

// The whole number nearest to x, halves to the even neighbour.
std::string Procent(double x) {
  const double r = std::nearbyint(x);
  return std::to_string(static_cast<long long>(r)) + "%";
}

// A division that a zero period code cannot turn into infinity.
double Deel(double x, int p) { return p == 0 ? x : x / p; }

}  // namespace

void BouwBudgetRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                       RapportTabel& tabel) {
  const int soort = stand.soort;
  const int p = selectie.PeriodCode;
  tabel.kop = "BUDGET INKOMSTEN en UITGAVEN  Jaar:" + kb.KasJaar + SoortPeriodeNaam(soort) + kKopRegelEinde +
              KlasseTekst(kb, selectie, soort);
  tabel.titels = {"Kode", "Titel", "BIJ_budget", "AF_budget", "Inkomsten", "Uitgaven", "By_%", "Af-%"};
  tabel.breedtes = {42, 176, 96, 96, 96, 96, 45, 40};

  const DatumDelen vandaag = SplitsDatum(kb.Vandaag());
  const bool ditJaar = BoekJaar(kb) == vandaag.jaar;
  const double m = vandaag.maand;
  // A year not yet over is extrapolated to a whole one for the period views.
  double schaal = 1;
  if (soort != rapport::BudgetTijdvak && p > 1 && ditJaar) {
    const double d = p == 4 ? (m - 1) / 3 + 1 : m;
    schaal = p / d;
  }

  // Kind 14: each group's income and expenses within the period, summed in
  // one pass over the transactions.
  std::unordered_map<std::string, TInUit> periode;
  if (soort == rapport::BudgetTijdvak) {
    VoortgangMelder melder(kb.voortgang(), kRapportOpbouwen, static_cast<std::uint64_t>(kb.MaxKas()));
    for (int i = 1; i <= kb.MaxKas(); ++i) {
      const TKas& kas = kb.KasLijst[static_cast<std::size_t>(i)];
      melder.Stap(static_cast<std::uint64_t>(i));
      if (!stand.InPeriode(kas.Datum)) continue;
      TInUit& cel = periode[kas.GroepKode];
      if (kas.Bedrag > 0)
        cel.In += kas.Bedrag;
      else
        cel.Uit += kas.Bedrag;
    }
  }

  double budgetPlus = 0, budgetMin = 0, werkIn = 0, werkUit = 0;
  const int alle = MatrixTotaalKolom(kb);
  for (int g = 1; g <= kb.MaxGroep(); ++g) {
    const TBudget& groep = kb.GroepLijst[static_cast<std::size_t>(g)];
    if (!selectie.KlasseGekozen(groep.Klasse)) continue;
    RapportRij rij;
    rij.cellen.assign(8, std::string());
    rij.cellen[0] = groep.Kode;
    rij.cellen[1] = groep.Naam;
    const double b = groep.Budget;
    if (b > 0) {
      rij.cellen[2] = RapportBedrag(kb, Deel(b, p));
      budgetPlus += b;
    } else if (b < 0) {
      rij.cellen[3] = RapportBedrag(kb, Deel(-b, p));
      budgetMin += b;
    }
    TInUit cel;
    if (soort == rapport::BudgetTijdvak) {
      const auto it = periode.find(groep.Kode);
      if (it != periode.end()) cel = it->second;
    } else {
      cel = MatrixCel(kb, g, alle);
      cel.In *= schaal;
      cel.Uit *= schaal;
    }
    werkIn += cel.In;
    werkUit += cel.Uit;
    rij.cellen[4] = RapportBedrag(kb, Deel(cel.In, p));
    rij.cellen[5] = RapportBedrag(kb, Deel(-cel.Uit, p));
    if (b > 0) rij.cellen[6] = Procent((cel.In + cel.Uit) * 100 / b);
    if (b < 0) rij.cellen[7] = Procent((cel.Uit + cel.In) * 100 / b);
    tabel.rijen.push_back(std::move(rij));
  }

  const std::string cur = MuntKode(kb);
  tabel.totalen = {
      {"TOTAAL IN/UIT   " + cur,
       {PlusVeld(kb, Deel(budgetPlus, p)), MinVeld(kb, Deel(-budgetMin, p)), PlusVeld(kb, Deel(werkIn, p)),
        MinVeld(kb, Deel(-werkUit, p))},
       true},
      {"EIND SALDO  " + cur,
       {SaldoVeld(kb, Deel(budgetPlus + budgetMin, p)), LeegVeld(), SaldoVeld(kb, Deel(werkIn + werkUit, p)),
        LeegVeld()},
       true}};
  tabel.totalen[1].velden[1].zichtbaar = tabel.totalen[1].velden[3].zichtbaar = false;
  if (soort == rapport::BudgetSelectie) tabel.aantal = "Aantal = " + std::to_string(tabel.rijen.size());
  if (!tabel.rijen.empty()) tabel.geselecteerd = 0;
}

void BouwBalansRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                       RapportTabel& tabel) {
  const int soort = stand.soort;
  const int p = selectie.PeriodCode;
  tabel.kop = "BALANS INKOMSTEN en UITGAVEN  Jaar:" + kb.KasJaar + SoortPeriodeNaam(soort) + kKopRegelEinde +
              KlasseTekst(kb, selectie, soort);
  tabel.titels = {"Kode", "Titel", "Bij/Af_budget", "Werkelijk", "Saldi_Balans_+", "Saldi_Balans_-", "%_By", "%_Af"};
  tabel.breedtes = {42, 176, 96, 96, 96, 96, 45, 40};
  tabel.noot = " * = Jaartotaal ";

  const double vandaag = kb.Vandaag();
  const DatumDelen nu = SplitsDatum(vandaag);
  const int jaar = BoekJaar(kb);
  const bool ditJaar = jaar == nu.jaar;
  const double dagen = ditJaar ? vandaag - MaakDatum(jaar, 1, 1) + 1 : 0;

  const RapportIndex index(kb);
  const int alle = MatrixTotaalKolom(kb);
  const int alleGroepen = MatrixTotaalRij(kb);
  double budgetSom = 0, werkSom = 0;
  for (int g = 1; g <= kb.MaxGroep(); ++g) {
    const TBudget& groep = kb.GroepLijst[static_cast<std::size_t>(g)];
    if (!selectie.KlasseGekozen(groep.Klasse)) continue;
    RapportRij rij;
    rij.cellen.assign(8, std::string());
    rij.cellen[0] = groep.Kode;
    rij.cellen[1] = groep.Naam;
    const double b = groep.Budget;
    rij.cellen[2] = RapportBedrag(kb, Deel(b, p));
    budgetSom += b;
    const TInUit cel = MatrixCel(kb, g, alle);
    double a = cel.In + cel.Uit;
    if (p == 12) a = 12 / static_cast<double>(nu.maand) * a;
    werkSom += a;
    // An account's own group compares with everything the account holds.
    if (groep.Kode.size() < 3) {
      const int r = index.Rekening(std::atoi(groep.Kode.c_str()));
      const TInUit rek = MatrixCel(kb, alleGroepen, r);
      a = rek.In + rek.Uit;
    }
    rij.cellen[3] = RapportBedrag(kb, Deel(a, p));
    const std::string& k = groep.Klasse;
    const bool naarRato = (k == " B " || k == " I " || k == " S " || k == " T " || k == " U " || k == " V ") &&
                          ditJaar && p == 1;
    const double r = naarRato ? dagen * b / DagenInJaar(jaar) : b;
    const double d = a - r;
    const std::string ster = naarRato ? "" : "*";
    // Which column shows the difference is decided in cents: a difference
    // of a rounding error is none.
    if (Centen(a) - Centen(r) > 0) rij.cellen[4] = RapportBedrag(kb, Deel(d, p)) + ster;
    if (Centen(a) - Centen(r) < 0) rij.cellen[5] = RapportBedrag(kb, Deel(d, p)) + ster;
    const double u = Deel(b, p);
    const double v = Deel(a, p);
    if (u > 0) {
      if (v >= 0)
        rij.cellen[6] = Procent(v * 100 / u);
      else
        rij.cellen[7] = Procent((u - v) * 100 / u);
    } else if (u < 0) {
      if (v < 0) rij.cellen[7] = Procent(v * 100 / u);
      if (v > 0) rij.cellen[6] = Procent((u - v) * 100 / u);
    } else {
      if (v < 0) rij.cellen[7] = "100%";
      if (v > 0) rij.cellen[6] = "100%";
    }
    tabel.rijen.push_back(std::move(rij));
  }
  tabel.totalen = {{"EIND SALDO  " + MuntKode(kb), {SaldoVeld(kb, Deel(budgetSom, p)), SaldoVeld(kb, Deel(werkSom, p))}, true}};
  if (soort == rapport::BalansSelectie) tabel.aantal = "Aantal = " + std::to_string(tabel.rijen.size());
  if (!tabel.rijen.empty()) tabel.geselecteerd = 0;
}

void BouwSaldiRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand&, RapportTabel& tabel) {
  const std::string teken = MuntTeken(kb);
  tabel.titels = {"Nr.", "Rekening", "Begin-Saldo", "Bij_" + teken, "Af_" + teken, "Saldo_" + teken};
  tabel.breedtes = {45, 176, 96, 96, 96, 96};
  std::string voor;
  if (tabel.soort == rapport::AlleSaldi) {
    voor = "  Voor alle rekeningen";
  } else {
    voor = " Voor de rekeningsoorten : ";
    for (const std::string& s : selectie.Soorten)
      if (!s.empty()) voor += s + " ";
  }
  tabel.kop = "S A L D O`s  -  V I Z U D E Z :   Jaar:" + kb.KasJaar + kKopRegelEinde + voor;

  // The begin balances of every account in one pass: the bookings whose
  // description starts with "Saldo".
  std::unordered_map<int, double> beginSaldi;
  {
    VoortgangMelder melder(kb.voortgang(), kRapportOpbouwen, static_cast<std::uint64_t>(kb.MaxKas()));
    for (int i = 1; i <= kb.MaxKas(); ++i) {
      const TKas& kas = kb.KasLijst[static_cast<std::size_t>(i)];
      melder.Stap(static_cast<std::uint64_t>(i));
      if (kas.Omschrijving.compare(0, 5, "Saldo") == 0 && kas.Omschrijving.size() >= 5)
        beginSaldi[kas.RekNr] += kas.Bedrag;
    }
  }
  const auto kruis = kb.ZoekGroep(kKruispostKode);
  const int alleGroepen = MatrixTotaalRij(kb);
  // Totalled in cents: whether the cross-postings cancel out, and whether the
  // transfer account is shown, must not hang on a rounding error.
  std::int64_t totBegin = 0, totIn = 0, totUit = 0, kruisIn = 0, kruisUit = 0;
  for (int a = 1; a <= kb.MaxRek(); ++a) {
    const TBank& rek = kb.RekLijst[static_cast<std::size_t>(a)];
    if (!selectie.SoortGekozen(rek.Soort)) continue;
    const auto it = beginSaldi.find(rek.RekNr);
    const double begin = it == beginSaldi.end() ? 0 : it->second;
    totBegin += Centen(begin);
    const TInUit cel = MatrixCel(kb, alleGroepen, a);
    double in = cel.In, uit = cel.Uit;
    if (begin > 0)
      in -= begin;
    else
      uit -= begin;
    totIn += Centen(in);
    totUit -= Centen(uit);
    if (rek.RekNr == kTransferRekening && Centen(begin) + Centen(in) + Centen(uit) == 0) continue;
    RapportRij rij;
    rij.cellen = {rek.RekNrTekst, rek.Naam, RapportBedrag(kb, begin), RapportBedrag(kb, in),
                  RapportBedrag(kb, -uit), RapportBedrag(kb, begin + in + uit)};
    tabel.rijen.push_back(std::move(rij));
    if (kruis) {
      const TInUit k = MatrixCel(kb, *kruis, a);
      kruisIn += Centen(k.In);
      kruisUit += Centen(k.Uit);
    }
  }
  const std::string cur = MuntKode(kb);
  auto regel = [&](const std::string& label) {
    return TotaalRegel{label,
                       {PlusVeld(kb, UitCenten(totBegin)), PlusVeld(kb, UitCenten(totIn)),
                        MinVeld(kb, UitCenten(totUit)), PlusVeld(kb, UitCenten(totBegin + totIn - totUit))},
                       true};
  };
  tabel.totalen.push_back(regel("TOTAAL IN/UIT   " + cur));
  if (kruisIn != 0 || kruisUit != 0) {
    totIn -= kruisIn;
    totUit += kruisUit;
    tabel.totalen.push_back(regel("Zonder Kruisposten"));
    if (kruisIn + kruisUit != 0)
      kb.berichten().BerichtDlg(
          "Som van alle Kruisposten moet 0 zijn!\rControleer Groep \"Kruisposten\"van Overzichtenmenu",
          BerichtSoort::Waarschuwing, knop::OK);
  } else {
    TotaalRegel leeg{"", {LeegVeld(), LeegVeld(), LeegVeld(), LeegVeld()}, false};
    tabel.totalen.push_back(leeg);
  }
  if (!tabel.rijen.empty()) tabel.geselecteerd = 0;
}

}  // namespace valdero
