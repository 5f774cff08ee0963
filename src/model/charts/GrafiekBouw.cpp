#include "model/charts/GrafiekBouw.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "model/core/Berichten.h"
#include "model/core/BoekNaam.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/reports/RapportHulp.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/ReportSelection.h"

namespace valdero {
namespace {

constexpr double kDagenPerStap = 30;
constexpr int kMeesteStappen = 13;
// The values printed at the budget bars stay readable up to this many
// groups; beyond it they would cover each other, and the bars speak alone.
constexpr std::size_t kMeesteWaarden = 20;

// The class letters whose groups are debit headings: their chart runs
// downwards, so a growing expense climbs the axis.
constexpr const char* kDebetKlassen[] = {" B ", " D ", " L ", " U ", " V ", " S "};

bool IsDebetKlasse(const std::string& klasse) {
  std::string k = klasse;
  while (k.size() < 3) k += ' ';
  return std::any_of(std::begin(kDebetKlassen), std::end(kDebetKlassen), [&k](const char* d) { return k == d; });
}

std::string GekozenKlassen(const Kasboek& kb, const ReportSelection& selectie) {
  std::string s;
  for (std::size_t i = 0; i < selectie.Klassen.size() && i < kb.KlasseLijst.size(); ++i)
    if (!selectie.Klassen[i].empty()) s += selectie.Klassen[i] + ",";
  return s;
}

void Maat(Grafiek& g) {
  switch (g.vorm) {
    case GrafiekVorm::Lijn: g.breedte = 600, g.hoogte = 380, g.vensterHoogte = 500; break;
    case GrafiekVorm::Balken: g.breedte = 650, g.hoogte = 460, g.vensterHoogte = 550; break;
    case GrafiekVorm::Staven: g.breedte = 800, g.hoogte = 540, g.vensterHoogte = 625; break;
  }
}

// The first or the last transaction without a date cannot bound the axis.
void ControleerDatums(Kasboek& kb) {
  if (kb.MaxKas() < 1) return;
  if (kb.KasLijst[1].Datum == 0 || kb.KasLijst[static_cast<std::size_t>(kb.MaxKas())].Datum == 0)
    kb.berichten().BerichtDlg("Begin- of Einddatum foutief", BerichtSoort::Fout, knop::OK);
}

// One line: the running total after each transaction that `hoort` accepts,
// in list order. A transaction without a date adds to the total but gets no
// point of its own: at day 0 it would stretch the axis back to 1899.
template <class Test>
void BouwLijn(Kasboek& kb, Grafiek& g, std::uint32_t lijnKleur, Test hoort) {
  g.onder = DatumAs(kb);
  g.links.titel = "Bedrag";
  GrafiekReeks reeks;
  reeks.kleur = reeks.negatiefKleur = lijnKleur;
  for (int i = 1; i <= kb.MaxKas(); ++i) {
    const TKas& kas = kb.KasLijst[static_cast<std::size_t>(i)];
    if (!hoort(kas)) continue;
    g.lopendTotaal += kas.Bedrag;
    if (kas.Datum > 0) reeks.punten.push_back({kas.Datum, g.lopendTotaal, {}});
  }
  g.reeksen.push_back(std::move(reeks));
  ControleerDatums(kb);
}

void RekeningGrafiek(Kasboek& kb, Grafiek& g, int index) {
  g.bladeren = true;
  if (index < 1 || index > kb.MaxRek()) {
    g.onder = DatumAs(kb);
    g.reeksen.push_back({});
    return;
  }
  const TBank& rek = kb.RekLijst[static_cast<std::size_t>(index)];
  g.titels = {"Rekening " + std::to_string(rek.RekNr), "Rekening Naam :" + rek.Naam + "Soort :" + rek.Soort};
  const int nr = rek.RekNr;
  BouwLijn(kb, g, kleur::Groen, [nr](const TKas& kas) { return kas.RekNr == nr; });
}

void GroepGrafiek(Kasboek& kb, Grafiek& g, int index) {
  g.bladeren = true;
  if (index < 1 || index > kb.MaxGroep()) {
    g.onder = DatumAs(kb);
    g.reeksen.push_back({});
    return;
  }
  const TBudget& groep = kb.GroepLijst[static_cast<std::size_t>(index)];
  g.titels = {"Groep-grafiek  Jaar:" + kb.KasJaar, "Boekings-Code : " + groep.Kode + "  " + groep.Naam};
  const bool debet = IsDebetKlasse(groep.Klasse);
  g.links.omgekeerd = debet;
  const std::string kode = groep.Kode;
  BouwLijn(kb, g, debet ? kleur::Rood : kleur::Groen, [&kode](const TKas& kas) { return kas.GroepKode == kode; });
}

void KlassenGrafiek(Kasboek& kb, const ReportSelection& selectie, Grafiek& g) {
  g.titels = {"Totaal van Klasse(n) Jaar: " + kb.KasJaar,
              "Records van geselecteerde klassen : " + GekozenKlassen(kb, selectie)};
  // Whether each group code is selected, decided once per code.
  std::unordered_map<std::string, bool> gekozen;
  for (int i = 1; i <= kb.MaxGroep(); ++i) {
    const TBudget& groep = kb.GroepLijst[static_cast<std::size_t>(i)];
    gekozen.emplace(groep.Kode, selectie.KlasseGekozen(groep.Klasse));
  }
  BouwLijn(kb, g, kleur::Groen, [&gekozen](const TKas& kas) {
    const auto it = gekozen.find(kas.GroepKode);
    return it != gekozen.end() && it->second;
  });
}

// The first 16 characters (not bytes) of a text.
std::string Eerste16(const std::string& tekst) {
  std::size_t tekens = 0, i = 0;
  while (i < tekst.size()) {
    const auto c = static_cast<unsigned char>(tekst[i]);
    const std::size_t lengte = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (tekens == 16) break;
    ++tekens;
    i += lengte;
  }
  return tekst.substr(0, std::min(i, tekst.size()));
}

void BudgetGrafiek(Kasboek& kb, const ReportSelection& selectie, Grafiek& g) {
  const int soort = g.soort;
  g.titels = {"Valdero Begroting Jaar: " + kb.KasJaar + SoortPeriodeNaam(soort)};
  if (soort == grafiek::BudgetMaand)
    g.titels.push_back("Records van de klassen : B, I, L, U, V");
  else if (soort == grafiek::BudgetSelectie)
    g.titels.push_back("Records van de klassen :" + GekozenKlassen(kb, selectie));
  else
    g.titels.push_back("Records van alle klassen");
  g.onder = {"Groepen", 0, 0, 1, false, 90};
  g.links.titel = "Bedrag";

  // A year not yet over is extrapolated to a whole one, as the budget
  // report does; the current month is at least 1, so d never reaches 0.
  const int p = selectie.PeriodCode;
  const DatumDelen vandaag = SplitsDatum(kb.Vandaag());
  double schaal = 1;
  if (p > 1 && BoekJaar(kb) == vandaag.jaar) {
    const double m = std::max(1, vandaag.maand);
    const double d = p == 4 ? (m - 1) / 3 + 1 : m;
    schaal = p / d;
  }
  auto deel = [p](double x) { return p == 0 ? x : x / p; };

  GrafiekReeks begroot{"Begroot", kleur::Blauw, kleur::Blauw, true, false, {}};
  GrafiekReeks werkelijk{"Werkelijk", kleur::Limoen, kleur::Limoen, true, false, {}};
  GrafiekReeks saldo{"Saldo Werkelijk", kleur::Rood, kleur::Rood, false, true, {}};
  const int alle = MatrixTotaalKolom(kb);
  int laatste = 0;
  double som = 0;
  for (int i = 1; i <= kb.MaxGroep(); ++i) {
    const TBudget& groep = kb.GroepLijst[static_cast<std::size_t>(i)];
    if (!selectie.KlasseGekozen(groep.Klasse)) continue;
    const TInUit cel = MatrixCel(kb, i, alle);
    const double b = deel(groep.Budget);
    const double actueel = deel((cel.In + cel.Uit) * schaal);
    // A damaged budget or total (not a number) would break the whole chart.
    if (!std::isfinite(b) || !std::isfinite(actueel)) {
      kb.berichten().BerichtDlg("Fout in Chart", BerichtSoort::Fout, knop::OK);
      continue;
    }
    const std::string label = Eerste16(groep.Naam);
    begroot.punten.push_back({static_cast<double>(i), b, label});
    werkelijk.punten.push_back({static_cast<double>(i), actueel, label});
    som += actueel;
    saldo.punten.push_back({static_cast<double>(i), som, label});
    laatste = i;
  }
  g.onder.max = std::max(static_cast<double>(begroot.punten.size()), static_cast<double>(laatste + 1));
  begroot.waardenZichtbaar = werkelijk.waardenZichtbaar = begroot.punten.size() <= kMeesteWaarden;
  g.lopendTotaal = som;
  g.reeksen = {std::move(begroot), std::move(werkelijk), std::move(saldo)};
}

void SaldiGrafiek(Kasboek& kb, const ReportSelection& selectie, Grafiek& g) {
  g.titels = {"Valdero saldi Jaar : " + kb.KasJaar};
  if (g.soort == grafiek::SaldiSelectie) {
    std::string soorten = "Voor de rekeningSoorten : ";
    for (const std::string& s : selectie.Soorten)
      if (!s.empty()) soorten += s + " ";
    g.titels.push_back(soorten);
  }
  const int n = kb.MaxRek();
  g.links = {"Rekening", 0, static_cast<double>(n), 1, false, 0};
  g.onder.titel = "Bedrag";
  GrafiekReeks saldi{"KasSaldi", kleur::Groen, kleur::Rood, true, false, {}};
  const int totaal = MatrixTotaalRij(kb);
  for (int a = 1; a <= n; ++a) {
    const TBank& rek = kb.RekLijst[static_cast<std::size_t>(a)];
    if (!selectie.SoortGekozen(rek.Soort)) continue;
    const TInUit cel = MatrixCel(kb, totaal, a);
    const double waarde = cel.In + cel.Uit;
    g.lopendTotaal += waarde;
    const auto b = rek.Naam.find_first_not_of(' ');
    const std::string naam = b == std::string::npos ? std::string() : rek.Naam.substr(b, rek.Naam.find_last_not_of(' ') - b + 1);
    saldi.punten.push_back({static_cast<double>(n - a + 1), waarde, naam});
  }
  g.reeksen.push_back(std::move(saldi));
}

}  // namespace

GrafiekAs DatumAs(const Kasboek& kb) {
  GrafiekAs as{"Maand", 0, 0, kDagenPerStap, false, 90};
  bool iets = false;
  for (int i = 1; i <= kb.MaxKas(); ++i) {
    const double d = kb.KasLijst[static_cast<std::size_t>(i)].Datum;
    if (d <= 0) continue;
    as.min = iets ? std::min(as.min, d) : d;
    as.max = iets ? std::max(as.max, d) : d;
    iets = true;
  }
  if (!iets) as.min = as.max = kb.Vandaag();
  as.min = std::floor(as.min);
  as.max = std::ceil(as.max);
  if (as.max - as.min < kDagenPerStap) {
    // One day, or a few: centre them in one step.
    const double midden = std::floor((as.min + as.max) / 2);
    as.min = midden - kDagenPerStap / 2;
    as.max = as.min + kDagenPerStap;
    return as;
  }
  const double lengte = as.max - as.min;
  as.stap = kDagenPerStap * std::ceil(lengte / (kDagenPerStap * kMeesteStappen));
  as.max = as.min + as.stap * std::ceil(lengte / as.stap);
  return as;
}

Grafiek BouwGrafiek(Kasboek& kb, const ReportSelection& selectie, int soort, int index) {
  Grafiek g;
  g.soort = soort;
  g.vorm = VormVan(soort);
  Maat(g);
  switch (soort) {
    case grafiek::Rekening: RekeningGrafiek(kb, g, index); break;
    case grafiek::Groep: GroepGrafiek(kb, g, index); break;
    case grafiek::Klassen: KlassenGrafiek(kb, selectie, g); break;
    case grafiek::AlleSaldi:
    case grafiek::SaldiSelectie: SaldiGrafiek(kb, selectie, g); break;
    default: BudgetGrafiek(kb, selectie, g); break;
  }
  return g;
}

std::string LeegMelding(const Grafiek& grafiek) {
  if (grafiek.vorm != GrafiekVorm::Lijn || grafiek.lopendTotaal != 0) return {};
  const char* wat = grafiek.soort == grafiek::Rekening ? "rekening" : grafiek.soort == grafiek::Groep ? "groep" : "klasse";
  return std::string("Geen records voor deze ") + wat;
}

}  // namespace valdero
