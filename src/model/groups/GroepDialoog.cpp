#include "model/groups/GroepDialoog.h"

#include <cmath>

#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/groups/GroepRegels.h"

namespace valdero {
namespace {

struct StapTeksten {
  const char* vraagNieuw;
  const char* vraagWijzig;
  const char* label;
  const char* help;
};

const StapTeksten kStappen[6] = {
    {" Invoeren van de velden van een groep", " Wijzigen van de velden van groep : ", "",
     " Vul nu alle velden van een groep in (of wijzig).\rClick daarvoor op verder>."},
    {" Wat is de titel of naam van de groep ?", " Titel van de groep :  ", "Titel",
     "Geef een naam (maximaal 32 karakters)\rbijv. Salaris, Levensonderhoud, Gas Electra "},
    {" Wat wordt de (boekings)kode van de groep?", " Kode of groepNr. van de groep :  ", "Kode",
     "Geef kode van cijfers(+letters), maximaal 4\rDrie cijfer-kodes met letter- achtervoegsel zijn "
     "subkodes, \rBegin Beleggingscode met de letter E"},
    {" Het mogelijke bedrag aan inkomsten ?", " Mogelijk inkostenbedrag van groep :  ", "Bedrag In",
     "Begrotings- bedrag aan inkomsten"},
    {" Het mogelijke bedrag aan uitgaven ?", " Mogelijk uitgavenbedrag van groep :  ", "Bedrag Uit",
     "Begrotings- bedrag aan uitgaven "},
    {" Kies een klasse uit de keuzelijst", " Klasse van de groep :  ", "Klasse",
     "Alleen de klasse uit bestaande lijst"},
};

void MeldFormaatFout(Kasboek& kb) { Foutmelding(kb, "BudgetRecord ", FoutNr::VerkeerdFormaat, HintNr::ProbeerOpnieuw); }

std::string KlasseRegel(const TKlasse02& k) { return k.Letter + Kap(k.Naam, 27); }

}  // namespace

const std::vector<std::string>& VoorgesteldeTitels() {
  static const std::vector<std::string> titels = {
      "Auto", " - belasting", " - benzine", " -onderhoud repar.", " -verzeker.", "Beroepskosten",
      "Boeken", "Computer", "Diversen", "Energieverbruik", " -Electra -Gas", " -Water",
      "Gezondheidszorg", "Huis", " -huur", " -onderhoud", "Hypotheek", " -rente", " -aflossing",
      "Interieur", "Kleding", "Kranten", "Medische kosten", "Muziek", "Geluidsapperatuur",
      "Onderwijs", "Onkosten", "Ontspanning", "Pensioenpremie", "Reizen", "Salaris",
      " -loonheffing", " -sociale wetten", "Schoenen", "Studie", "Telefoon", "Tijdschriften",
      "Uitgaven", "Vakanties", "Verzekeringen", "Voeding etc.", "Zakgeld", "Inkomsten", "Inkomen",
      "Loon", "Lijfrenten", "AOW WW", "Special"};
  return titels;
}

GroepDialoog::GroepDialoog(Kasboek& kb, GroepWeergave weergave) : kb_(kb), weergave_(weergave) {}

void GroepDialoog::BeginNieuw(int positie, const std::string& kode, const std::string& titel,
                              const std::string& klasse) {
  kb_.IOStatus = 0;
  nieuw_ = true;
  positie_ = positie;
  nieuweGroep_ = TBudget{};
  nieuweGroep_.Kode = Kap(kode, 4);
  nieuweGroep_.Naam = Kap(titel, 32);
  nieuweGroep_.Klasse = klasse;
  meegegevenKode_ = kode;
  stap_ = 0;
  terugMag_ = false;
  bedragIn_ = bedragUit_ = 0;
  uitkomst_ = Bezig;
  uitslag_ = {kode, false};
}

void GroepDialoog::BeginWijzig(int positie) {
  stap_ = 0;
  terugMag_ = false;
  bedragIn_ = bedragUit_ = 0;
  uitkomst_ = Bezig;
  if (positie < 1 || positie > kb_.MaxGroep() || positie >= static_cast<int>(kb_.GroepLijst.size())) {
    // Nothing to change: the dialog ends at once, and the caller learns why.
    kb_.berichten().BerichtDlg("Toevoegen van record mislukt", BerichtSoort::Fout, knop::OK);
    kb_.IOStatus = 1;
    nieuw_ = true;
    nieuweGroep_ = TBudget{};
    uitkomst_ = Geschrapt;
    uitslag_ = {};
    return;
  }
  nieuw_ = false;
  positie_ = positie;
  const TBudget& g = Groep();
  oudeKode_ = g.Kode;
  oudeTitel_ = g.Naam;
  meegegevenKode_ = g.Kode;
  uitslag_ = {g.Kode, false};
  if (weergave_.MetBedragen()) {
    if (g.Budget > 0) bedragIn_ = g.Budget;
    if (g.Budget < 0) bedragUit_ = -g.Budget;
  }
}

const TBudget& GroepDialoog::Groep() const {
  if (nieuw_) return nieuweGroep_;
  return kb_.GroepLijst.at(static_cast<std::size_t>(positie_));
}

TBudget& GroepDialoog::Werk() { return const_cast<TBudget&>(Groep()); }

std::string GroepDialoog::Titel() const { return nieuw_ ? "Nieuwe Groep" : "Groep bewerken"; }

std::string GroepDialoog::Vraag() const {
  const StapTeksten& t = kStappen[stap_];
  return nieuw_ ? t.vraagNieuw : std::string(t.vraagWijzig) + Groep().Kode;
}

std::string GroepDialoog::VeldLabel() const { return kStappen[stap_].label; }

std::string GroepDialoog::HelpTekst() const { return kStappen[stap_].help; }

std::vector<std::string> GroepDialoog::Keuzes() const {
  if (stap_ == 1) return VoorgesteldeTitels();
  std::vector<std::string> klassen;
  if (stap_ == 5)
    for (int i = 0; i < kb_.AantalKlassen(); ++i)
      klassen.push_back(KlasseRegel(kb_.KlasseLijst[static_cast<std::size_t>(i)]));
  return klassen;
}

std::string GroepDialoog::VeldTekst() const {
  const TBudget& g = Groep();
  switch (stap_) {
    case 1:
      return g.Naam;
    case 2:
      // The placeholder code means "no code yet": the user types a fresh one.
      return g.Kode == kNieuweKode ? std::string() : g.Kode;
    case 3:
      return BedragTekst(kb_, weergave_.Getoond(bedragIn_));
    case 4:
      return BedragTekst(kb_, weergave_.Getoond(bedragUit_));
    case 5:
      for (int i = 0; i < kb_.AantalKlassen(); ++i)
        if (kb_.KlasseLijst[static_cast<std::size_t>(i)].Letter == g.Klasse)
          return KlasseRegel(kb_.KlasseLijst[static_cast<std::size_t>(i)]);
      return g.Klasse;
    default:
      return {};
  }
}

std::vector<std::string> GroepDialoog::BestaandeKodes() const {
  std::vector<std::string> kodes;
  for (int i = 1; i <= kb_.MaxGroep() && i < static_cast<int>(kb_.GroepLijst.size()); ++i)
    kodes.push_back(kb_.GroepLijst[static_cast<std::size_t>(i)].Kode);
  return kodes;
}

bool GroepDialoog::BewaarBedrag(const std::string& tekst, double& bedrag) {
  std::string t = tekst;
  const auto waarde = LeesBedrag(kb_, t, true);
  if (!waarde) {
    MeldGeenGetal(kb_, t);
    return false;
  }
  const double jaar = weergave_.NaarJaar(*waarde);
  if (!std::isfinite(jaar)) {
    MeldFormaatFout(kb_);
    return false;
  }
  bedrag = jaar;
  return true;
}

bool GroepDialoog::BewaarStap(const std::string& tekst) {
  TBudget& g = Werk();
  switch (stap_) {
    case 1:
      g.Naam = Kap(tekst, 32);
      return true;
    case 2: {
      if (tekst == g.Kode) return true;  // unchanged: nothing to check
      if (AantalTekens(tekst) > 4) {
        kb_.berichten().BerichtDlg("Maximale groeplengte is 4 karakters", BerichtSoort::Fout,
                                   knop::OK);
        return false;
      }
      if (!KodeToegestaan(kb_, tekst, nieuw_ ? std::string() : oudeKode_)) return false;
      g.Kode = Kap(tekst, 4);
      return true;
    }
    case 3:
      return BewaarBedrag(tekst, bedragIn_);
    case 4:
      return BewaarBedrag(tekst, bedragUit_);
    case 5: {
      std::string kode = Kap(tekst, 3);
      if (kode.empty() || kode[0] != ' ') kode = Kap(" " + kode, 3);
      kode = VulRechts(kode, 3);
      if (!kb_.KlasseBestaat(kode)) {
        kb_.berichten().BerichtDlg("Klasse :" + kode + " niet correct", BerichtSoort::Fout,
                                   knop::OK);
        return false;
      }
      g.Klasse = kode;
      return true;
    }
    default:
      return true;
  }
}

bool GroepDialoog::Enter(const std::string& tekst) {
  if (uitkomst_ != Bezig) return false;
  const bool goed = BewaarStap(tekst);
  if (goed && stap_ >= 2) terugMag_ = true;
  return goed;
}

int GroepDialoog::Volgende() const {
  if (stap_ == 2 && !weergave_.MetBedragen()) return 5;
  // A group has an income or an expense budget, not both.
  if (stap_ == 3 && bedragIn_ != 0) return 5;
  return stap_ + 1;
}

void GroepDialoog::Verder(const std::string& tekst) {
  if (uitkomst_ != Bezig) return;
  // A refused entry keeps the dialog at its step, so a group can never be
  // completed with a code, amount or class that failed its check.
  if (!BewaarStap(tekst)) return;
  if (stap_ == 5) {
    Voltooi();
    return;
  }
  stap_ = Volgende();
  terugMag_ = stap_ >= 2;
}

void GroepDialoog::Terug(const std::string& tekst) {
  if (uitkomst_ != Bezig || stap_ <= 1) return;
  BewaarStap(tekst);
  if (stap_ == 5 && !weergave_.MetBedragen())
    stap_ = 2;
  else
    --stap_;
  terugMag_ = stap_ >= 2;
}

void GroepDialoog::Schrap() {
  if (uitkomst_ != Bezig) return;
  uitkomst_ = Geschrapt;
  if (nieuw_) {
    kb_.IOStatus = 1;
    uitslag_ = {meegegevenKode_, false};
    return;
  }
  // Steps already stored stay, unless they left two groups alike.
  HerstelBijDubbel();
  uitslag_ = {Groep().Kode, false};
}

bool GroepDialoog::HerstelBijDubbel() {
  TBudget& g = Werk();
  if (GroepUniek(kb_, g, positie_)) return false;
  g.Kode = oudeKode_;
  g.Naam = oudeTitel_;
  return true;
}

void GroepDialoog::Voltooi() {
  uitkomst_ = Voltooid;
  if (nieuw_)
    VoltooiNieuw();
  else
    VoltooiWijziging();
}

void GroepDialoog::VoltooiNieuw() {
  nieuweGroep_.Budget = bedragIn_ - bedragUit_;
  if (!GroepUniek(kb_, nieuweGroep_, 0)) {
    kb_.IOStatus = 1;
    uitslag_ = {meegegevenKode_, false};
    return;
  }
  auto& lijst = kb_.GroepLijst;
  if (lijst.empty()) {
    Foutmelding(kb_, "BudgetRecord ", FoutNr::WegschrijvenMislukt, HintNr::ProbeerOpnieuw);
    uitslag_ = {meegegevenKode_, false};
    return;
  }
  const std::size_t plek = positie_ < 1 ? 1 : Min(positie_, static_cast<int>(lijst.size()));
  const bool matrixPast = kb_.SaldoMatrix().VanVorm(kb_.MaxGroep(), kb_.MaxRek());
  lijst.insert(lijst.begin() + static_cast<std::ptrdiff_t>(plek), nieuweGroep_);
  HernummerGroepen(kb_);
  // A new group has no transactions yet: an empty row keeps the balance
  // matrix in the shape of the lists.
  VoegMatrixRijIn(kb_, plek, matrixPast);
  uitslag_ = {nieuweGroep_.Kode, true};
}

void GroepDialoog::VoltooiWijziging() {
  TBudget& g = Werk();
  if (weergave_.MetBedragen()) g.Budget = bedragIn_ - bedragUit_;
  if (HerstelBijDubbel()) {
    kb_.IOStatus = 1;
    uitslag_ = {g.Kode, false};
    return;
  }
  uitslag_ = {g.Kode, true};
}

}  // namespace valdero
