#include "model/reports/RapportModel.h"

#include <algorithm>

#include "model/core/AfdrukMaten.h"
#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/reports/RapportAfdruk.h"
#include "model/reports/RapportHulp.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/ReportSelection.h"

namespace valdero {

RapportModel::RapportModel(Kasboek& kb, ReportSelection& selectie) : kb_(kb), selectie_(selectie) {}

bool RapportModel::PeriodeUitCode() const {
  const int s = stand_.soort;
  return s == rapport::Klassen || s == rapport::BudgetTijdvak || s == rapport::Relaties ||
         s == rapport::BalansTijdvak;
}

bool RapportModel::ShowReport(int soort, int index) {
  if (!IsRapportSoort(soort)) return false;
  if (const std::string melding = SelectieMelding(selectie_, soort); !melding.empty()) {
    Mededeling(kb_, melding);
    return false;
  }
  if (kb_.MaxKas() == 0) {
    kb_.berichten().BerichtDlg("Er zijn nog geen Transacties", BerichtSoort::Waarschuwing, knop::OK);
    return false;
  }
  if (soort == rapport::Rekening && (index < 1 || index > kb_.MaxRek())) return false;
  if ((soort == rapport::Groep || soort == rapport::Samengesteld) && (index < 1 || index > kb_.MaxGroep()))
    return false;
  stand_ = RapportStand();
  stand_.soort = soort;
  stand_.positie = index;
  stand_.begin = EersteDatum(kb_);
  stand_.eind = LaatsteDatum(kb_);
  if (soort == rapport::Rekening) selectie_.RekNr = kb_.RekLijst[static_cast<std::size_t>(index)].RekNr;
  if (soort == rapport::Groep || soort == rapport::Samengesteld) {
    selectie_.GroepKode = kb_.GroepLijst[static_cast<std::size_t>(index)].Kode;
    if (soort == rapport::Samengesteld) {
      stand_.subgroepen = BepaalSubgroepen(kb_, selectie_.GroepKode, true);
      if (stand_.subgroepen.empty()) stand_.soort = rapport::Groep;
    }
  }
  periodePaneel_ = false;
  if (PeriodeUitCode()) {
    PeriodeVoorCode(kb_, selectie_.PeriodCode, stand_.begin, stand_.eind);
    periodePaneel_ = true;
  }
  verzameld_.Wis();
  onbewaard_ = false;
  gekozenRij_ = -1;
  Bouw();
  return true;
}

void RapportModel::Bouw() {
  tabel_ = BouwRapport(kb_, selectie_, stand_, ontvanger_);
  gekozenRij_ = tabel_.geselecteerd;
}

void RapportModel::RefreshReport() {
  if (stand_.soort == 0) return;
  const int oud = gekozenRij_;
  Bouw();
  // The row at the old place (a deletion renumbers the transactions), or
  // the last one.
  if (oud >= 0 && !tabel_.rijen.empty()) gekozenRij_ = std::min(oud, static_cast<int>(tabel_.rijen.size()) - 1);
}

bool RapportModel::KanBladeren() const {
  return stand_.soort == rapport::Rekening || stand_.soort == rapport::Groep ||
         stand_.soort == rapport::Samengesteld;
}

std::string RapportModel::VolgendeHint() const {
  return stand_.soort == rapport::Rekening ? "Toon volgende rekening" : "Toon volgende groep of boekingskode";
}
std::string RapportModel::VorigeHint() const {
  return stand_.soort == rapport::Rekening ? "Toon vorige rekening" : "Toon vorige groep of boekingskode";
}
std::string RapportModel::VerzamelHint() const {
  return stand_.soort == rapport::Rekening ? "Verzamel rekening voor afdrukken" : "Verzamel groep voor afdrukken";
}

bool RapportModel::Volgende() {
  const int oud = stand_.positie;
  Stap(1);
  return stand_.positie != oud;
}

bool RapportModel::Vorige() {
  const int oud = stand_.positie;
  Stap(-1);
  return stand_.positie != oud;
}

void RapportModel::Stap(int richting) {
  if (!KanBladeren()) return;
  const int hoogste = stand_.soort == rapport::Rekening ? kb_.MaxRek() : kb_.MaxGroep();
  const int nieuw = stand_.positie + richting;
  if (nieuw < 1 || nieuw > hoogste) return;
  stand_.positie = nieuw;
  if (stand_.soort == rapport::Rekening) {
    selectie_.RekNr = kb_.RekLijst[static_cast<std::size_t>(nieuw)].RekNr;
  } else {
    selectie_.GroepKode = kb_.GroepLijst[static_cast<std::size_t>(nieuw)].Kode;
    if (stand_.soort == rapport::Samengesteld) {
      stand_.subgroepen = BepaalSubgroepen(kb_, selectie_.GroepKode, true);
      if (stand_.subgroepen.empty()) stand_.soort = rapport::Groep;
    }
  }
  Bouw();
}

void RapportModel::ZetAflopend(bool aflopend) {
  stand_.aflopend = aflopend;
  if (IsTransactieRapport(stand_.soort)) Bouw();
}

void RapportModel::WisselAfschrift() {
  if (stand_.soort != rapport::Rekening) return;
  stand_.afschrift = !stand_.afschrift;
  stand_.gewisseld = true;
  verzameld_.regelTeller = 0;
  verzameld_.aantalOverzichten = 0;
  Bouw();
}

void RapportModel::KiesTijdvak() {
  PeriodeVoorCode(kb_, selectie_.PeriodCode, stand_.begin, stand_.eind);
  periodePaneel_ = true;
}

std::string RapportModel::BeginTekst() const { return DatumTekst(stand_.begin); }
std::string RapportModel::EindTekst() const { return DatumTekst(stand_.eind); }

bool RapportModel::PeriodeOk(std::string begin, std::string eind) {
  if (!DatumAanvullen(kb_, begin) || !DatumAanvullen(kb_, eind)) return false;
  const int jaar = JaarVan(kb_.Vandaag());
  const auto b = LeesDatum(begin, jaar);
  const auto e = LeesDatum(eind, jaar);
  if (!b || !e) return false;
  double nieuwBegin = *b;
  double nieuwEind = *e;
  if (nieuwEind < nieuwBegin) nieuwEind = nieuwBegin;
  nieuwBegin = std::max(nieuwBegin, EersteDatum(kb_));
  nieuwEind = std::min(nieuwEind, LaatsteDatum(kb_));
  stand_.begin = nieuwBegin;
  stand_.eind = nieuwEind;
  periodePaneel_ = false;
  RefreshReport();
  return true;
}

int RapportModel::KiesMaand(int maand) {
  if (maand > tabel_.laatsteMaand) {
    Mededeling(kb_, "Maand bestaat niet");
    return -1;
  }
  for (std::size_t r = 0; r < tabel_.rijen.size(); ++r) {
    const int kas = tabel_.rijen[r].kasIndex;
    if (kas > 0 && kas <= kb_.MaxKas() && SplitsDatum(kb_.KasLijst[static_cast<std::size_t>(kas)].Datum).maand == maand)
      return static_cast<int>(r);
  }
  return -1;
}

std::vector<std::vector<std::string>> RapportModel::Detail(int rij) const {
  if (!IsTransactieRapport(stand_.soort) || rij < 0 || rij >= static_cast<int>(tabel_.rijen.size())) return {};
  const RapportRij& r = tabel_.rijen[static_cast<std::size_t>(rij)];
  if (r.kasIndex <= 0 || r.kasIndex > kb_.MaxKas()) return {};
  const TKas& kas = kb_.KasLijst[static_cast<std::size_t>(r.kasIndex)];
  const auto g = kb_.ZoekGroep(kas.GroepKode);
  const TBudget* groep = g ? &kb_.GroepLijst[static_cast<std::size_t>(*g)] : nullptr;
  std::string eerste;
  if (stand_.soort == rapport::Rekening) {
    const std::string titel = groep ? groep->Naam : std::string();
    eerste = kb_.weergave.RekeningenOpNaam ? titel + " " + kas.GroepKode : kas.GroepKode + " " + titel;
  } else {
    const auto a = kb_.ZoekRekening(kas.RekNr);
    const std::string naam = a ? kb_.RekLijst[static_cast<std::size_t>(*a)].Naam : std::string();
    const std::string nr = std::to_string(kas.RekNr);
    eerste = kb_.weergave.RekeningenOpNaam ? naam + " " + nr : nr + " " + naam;
  }
  const bool samen = stand_.soort == rapport::Samengesteld && tabel_.subgroepen > 0;
  std::string btwLabel, btw, klasse;
  if (groep) {
    klasse = groep->Klasse;
    for (const TKlasse02& kl : kb_.KlasseLijst)
      if (kl.Letter == groep->Klasse && kl.BtwSoort > 0) {
        btwLabel = "BTW bedrag";
        btw = GetalTekst(kb_, kl.BtwPerc * kas.Bedrag / (kl.BtwPerc + 100), 2);
        break;
      }
  }
  return {{stand_.soort == rapport::Rekening ? "Groep " : "RekeningNumm.", eerste, "VolgNr", std::to_string(kas.Volgnr())},
          {"Datum", DatumTekst(kas.Datum), "Actiecode", kas.ActieKode},
          {"Tegenrekening", kas.TegenRekNr, "Munt", MuntKode(kb_)},
          {"Relatie", kas.Relatie, "Koers", GetalTekst(kb_, kas.MuntKoers, 5)},
          {"Bedrag", samen ? GetalTekst(kb_, r.som, 2) + " totaal" : GetalTekst(kb_, kas.Bedrag, 2), btwLabel, btw},
          {"Omschrijving", kas.Omschrijving, "Klasse", klasse}};
}

std::string RapportModel::KolomHint(int rij, int kolom) const {
  if (rij < 0 || rij >= static_cast<int>(tabel_.rijen.size())) return {};
  const auto& cellen = tabel_.rijen[static_cast<std::size_t>(rij)].cellen;
  std::string kode;
  const int soort = stand_.soort;
  if ((soort == rapport::Rekening || soort == rapport::Klassen) && kolom == 1 && !tabel_.groepTitels)
    kode = cellen.size() > 1 ? cellen[1] : "";
  else if (soort == rapport::Samengesteld && kolom >= 4 && kolom <= 4 + tabel_.subgroepen)
    kode = kolom == 4 ? selectie_.GroepKode : stand_.subgroepen[static_cast<std::size_t>(kolom - 5)];
  else if ((IsBudgetRapport(soort) || IsBalansRapport(soort)) && kolom == 0)
    kode = cellen.empty() ? "" : cellen[0];
  if (kode.empty()) return {};
  const auto g = kb_.ZoekGroep(kode);
  return g ? kb_.GroepLijst[static_cast<std::size_t>(*g)].Naam : std::string();
}

void RapportModel::Verzamel(const std::vector<int>& breedtes, int fontGrootte) {
  ++verzameld_.aantalOverzichten;
  VerzamelRapport(kb_, tabel_, breedtes, fontGrootte, LaatsteKolom(tabel_, true), verzameld_);
  onbewaard_ = true;
  Mededeling(kb_, "Aantal verzamelde Overzichten : " + std::to_string(verzameld_.aantalOverzichten));
}

std::string RapportModel::OpslaanTekst(const std::vector<int>& breedtes, int fontGrootte) {
  if (verzameld_.aantalOverzichten > 0) return RapportBestandsTekst(kb_, verzameld_.regels, fontGrootte);
  VerzameldeRegels los;
  VerzamelRapport(kb_, tabel_, breedtes, fontGrootte, LaatsteKolom(tabel_, false), los);
  return RapportBestandsTekst(kb_, los.regels, fontGrootte);
}

bool RapportModel::Opslaan(const std::vector<int>& breedtes, int fontGrootte) {
  BestandsDialoog d;
  d.titel = "Red Overzicht";
  d.filter = "Text files (*.txt)|*.TXT";
  d.standaardExtensie = "txt";
  d.voorgesteldeNaam = "*.txt";
  d.map = kb_.sessie.Map.string();
  const auto pad = kb_.berichten().BewaarDialoog(d);
  if (!pad) return false;
  const SchrijfUitkomst uitkomst =
      SchrijfRapportBestand(kb_.Pad(*pad), OpslaanTekst(breedtes, fontGrootte), kb_.bestanden());
  if (!uitkomst) {
    Foutmelding(kb_, *pad + " (" + uitkomst.reden + ")", FoutNr::WegschrijvenMislukt, HintNr::FoutInVeld);
    return false;
  }
  onbewaard_ = false;
  if (uitkomst.onbevestigd)
    kb_.berichten().BerichtDlg(OnbevestigdTekst(*pad, uitkomst), BerichtSoort::Waarschuwing, knop::OK);
  else
    Mededeling(kb_, "Bewaren overzicht(en) gelukt");
  return true;
}

bool RapportModel::Print(Printer& printer, const std::vector<int>& breedtes) {
  if (PrintRapport(kb_, printer, tabel_, breedtes)) return true;
  MeldAfdrukMislukt(kb_);
  return false;
}

void RapportModel::Sluit(const std::vector<int>& breedtes, int fontGrootte) {
  if (verzameld_.aantalOverzichten > 0 && onbewaard_ && Vraag(kb_, "Overzichten opslaan ")) Opslaan(breedtes, fontGrootte);
}

}  // namespace valdero
