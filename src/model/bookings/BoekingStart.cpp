// Starting a mode: a new record or the one picked, and laying out the panel
// for the record that is ready (a change or deletion in BoekingWijzigen.cpp,
// the next item of a split in SplitBoeking.cpp).

#include "model/bookings/BoekModi.h"
#include "model/core/Domein.h"
#include "model/bookings/BoekingModel.h"
#include "model/bookings/Posten.h"
#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/BoekNaam.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"

namespace valdero {

BoekingModel::BoekingModel(Kasboek& boek, RecordKiezer& kiezer, BoekingVensters& vensters,
                           BoekBewaarder bewaar)
    : kb(boek), kiezer_(kiezer), vensters_(vensters), bewaar_(std::move(bewaar)) {
  for (int t : {veld::Volgnr2, veld::Blad2, veld::Koers, veld::Aantal, veld::Prijs})
    velden[t].zichtbaar = false;
}

void BoekingModel::Waarschuw(const std::string& tekst) {
  kb.berichten().BerichtDlg(tekst, BerichtSoort::Waarschuwing, knop::OK);
}

bool BoekingModel::Start(int m, bool versVlag) {
  vers = versVlag;
  splitModus = false;
  sluitNaBewaren = false;
  kopieGekozen = false;
  boekModus = m;
  oud = {};
  bool klaar = false;
  switch (m) {
    case modus::Wijzigen:
    case modus::Transfereren:
    case modus::VolgendWijzigen:
      boekModus = m == modus::VolgendWijzigen ? modus::Wijzigen : m;
      if (kb.MaxKas() >= 1)
        klaar = KiesRecord(m == modus::Transfereren ? "Zoek boeking om te transfereren"
                                                    : "Zoek boeking om te wijzigen",
                           m == modus::Transfereren, false);
      break;
    case modus::Kopieren: klaar = KiesRecord("Zoek boeking om te kopieren", false, true); break;
    case modus::EffWijzigen:
      klaar = KiesRecord("Zoek belegging om te wijzigen", false, false);
      break;
    case modus::Verwijderen:
    case modus::EffVerwijderen: StartVerwijderen(); break;
    case modus::Bijboeken:
    case modus::Afboeken:
    case modus::OverboekenNaar:
    case modus::OverboekenVan:
    case modus::Aanschaffen:
    case modus::Inwisselen:
    case modus::Waarderen:
    case modus::Kopen:
    case modus::Verkopen:
    case modus::RenteDividend:
      NieuwRecord();
      klaar = true;
      break;
    case modus::SplitBij:
    case modus::SplitAf:
      SplitVervolg(m);
      klaar = true;
      break;
    default: break;
  }
  if (!klaar) {
    panelZichtbaar = false;
    menu = vensterGesloten ? Menu::Geen : (modus::IsEffecten(boekModus) ? Menu::Beleg : Menu::Boek);
    return false;
  }
  KlaarOmTeTonen();
  return true;
}

void BoekingModel::NieuwRecord() {
  werk = TKas{};
  werk.GroepKode = "0";
  werk.MuntKoers = 1;
  werk.Munt = kb.BasisMunt;
  if (modus::IsEffecten(boekModus)) {
    werk.RekNr = 0;
    for (int a = 1; a <= kb.MaxRek() && a < static_cast<int>(kb.RekLijst.size()); ++a)
      if (kb.RekLijst[static_cast<std::size_t>(a)].Soort == kEffectenSoort) {
        werk.RekNr = kb.RekLijst[static_cast<std::size_t>(a)].RekNr;
        break;
      }
    werk.Belegging = 1;
    werk.PayDate = kb.Vandaag();
    werk.Aantal = 0;
    werk.Prijs = 1;
  } else {
    werk.RekNr = 1;
    werk.Belegging = 0;
    werk.PayDate = 0;
  }
  if (vers) {
    onthoudRek = werk.RekNr;
    onthoudVolgBlad = 1;
    laatsteDatum = MaakDatum(BoekJaar(kb), 1, 1);
  }
  werk.Datum = laatsteDatum;
  recordIndex = kb.MaxKas() + 1;
}

void BoekingModel::NeemOnthoudenOver() {
  const int f = modus::Familie(boekModus);
  const bool neemOver = (boekModus < 10 && (f == 1 || f == 2 || modus::IsOverboeking(boekModus))) ||
                        boekModus == modus::Aanschaffen || boekModus == modus::Inwisselen ||
                        boekModus == modus::Waarderen || boekModus == modus::RenteDividend;
  if (!neemOver) return;
  werk.RekNr = onthoudRek;
  werk.TegenRek = onthoudTegenRek;
  werk.VolgBlad = onthoudVolgBlad;
  werk.Datum = laatsteDatum;
  werk.TegenVolgBlad = onthoudTegenVolgBlad;
}

void BoekingModel::KlaarOmTeTonen() {
  ZetPanel();
  if (vers) {
    VulVasteLijsten();
    // A window opened from outside starts with its grid hidden.
    gridZichtbaar = false;
    gridModus = 0;
    kasRekKnopTekst = "ValDero";
  }
  velden[veld::Actie].tekst = modus::StandaardActie(boekModus);
  lijsten[veld::Actie] = modus::ActieLijst(modus::IsEffecten(boekModus));
  if (modus::Familie(boekModus) == 5 || modus::Familie(boekModus) == 6)
    lijsten[veld::TegenRek] = lijsten[veld::Rekening];
  NeemOnthoudenOver();
  ToonRecord();
  reserve = werk;
  panelZichtbaar = true;
  vensterGesloten = false;
  menu = Menu::Geen;
  bewaarAan = herstelAan = false;
  okAan = true;
  TekenGrid();
  focus = veld::Rekening;
  bewaard = false;
}

void BoekingModel::ZetPanel() {
  panelKop = modus::PanelKop(boekModus);
  const bool effecten = modus::IsEffecten(boekModus);
  const int f = modus::Familie(boekModus);
  if (effecten) {
    vensterTitel = "Beleggingen";
    rekeningLabel = "Belegg.Rek.";
    btwBoxZichtbaar = false;
    velden[veld::Aantal].zichtbaar = velden[veld::Prijs].zichtbaar =
        boekModus != modus::RenteDividend;
    opmZichtbaar = true;
  } else {
    vensterTitel = "Boekingen";
    rekeningLabel = "Rekening";
    tegenRekLabel = "TegenRek.";
    velden[veld::Aantal].zichtbaar = velden[veld::Prijs].zichtbaar = false;
    btwBoxZichtbaar = kb.BtwActief && boekModus < 5;
    opmZichtbaar = false;
  }
  ToonBtwBox();
  velden[veld::Volgnr2].zichtbaar = velden[veld::Blad2].zichtbaar = f == 5 || f == 6;
  if (modus::IsOverboeking(boekModus)) {
    tegenRekLabel = "TegenRek.";
    laatsteDatum = kb.Vandaag();
  }
  if (boekModus == modus::Kopen || boekModus == modus::Verkopen) tegenRekLabel = "Kasrekening";
  velden[veld::Koers].zichtbaar = false;
  koersLabelZichtbaar = false;
  openTransferAan = false;
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i)
    if (kb.KasLijst[i].RekNr == kTransferRekening && kb.KasLijst[i].Bedrag != 0) {
      openTransferAan = true;
      break;
    }
}

bool BoekingModel::KiesRecord(const std::string& titel, bool metKopie, bool alsKopie) {
  const KiesResultaat k = kiezer_.KiesRecord(boekModus, titel);
  if (!k.gekozen) return false;
  const int p = k.positie;
  if (p < 1 || p > kb.MaxKas()) return false;
  werk = kb.KasLijst[static_cast<std::size_t>(p)];
  if (metKopie && k.kopie) {
    kopieGekozen = true;
    werk.Datum = kb.Vandaag();
    recordIndex = kb.MaxKas() + 1;
  } else if (alsKopie) {
    recordIndex = kb.MaxKas() + 1;
  } else {
    oud = {-werk.Bedrag, werk.GroepKode, werk.RekNr};
    recordIndex = p;
  }
  return true;
}

}  // namespace valdero
