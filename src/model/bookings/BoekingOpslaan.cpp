// Saving: the quiet handler run, the saving steps, and the two operations
// that change the transactions list (a new record of one leg, a change).

#include "model/bookings/BoekModi.h"
#include "model/core/Domein.h"
#include "model/bookings/BoekingModel.h"
#include "model/bookings/GroepHulp.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"

namespace valdero {
namespace {

void Waarschuw(Kasboek& kb, const std::string& tekst) {
  kb.berichten().BerichtDlg(tekst, BerichtSoort::Waarschuwing, knop::OK);
}

}  // namespace

bool BoekingModel::Bewaar() {
  // Without a record on the panel there is nothing to save.
  if (!panelZichtbaar) return false;
  const int m = boekModus;
  const int f = modus::Familie(m);
  std::vector<int> volgorde = {1, 2, 3, 4, 5, 6, 7, 8};
  if (f == 5 || f == 6) volgorde.insert(volgorde.end(), {9, 10});
  volgorde.insert(volgorde.end(), {11, 12});
  if (m > 10 && m != modus::RenteDividend) volgorde.insert(volgorde.end(), {13, 14});
  volgorde.insert(volgorde.end(), {15, 16});
  for (int tag : volgorde) {
    // A refused field is not posted: the user sees why and corrects it.
    if (!Handler(tag, true)) {
      focus = tag;
      return false;
    }
  }
  if (werk.Bedrag == 0 && Vraag(kb, "Bedrag = 0 \r Opnieuw ?")) {
    focus = veld::Bedrag;
    return false;
  }
  BewaarStappen();
  return true;
}

void BoekingModel::BewaarStappen() {
  const int m = boekModus;
  const int f = modus::Familie(m);
  if (splitModus) {
    if (split.aantal < 10) ++split.aantal;
    split.slot[static_cast<std::size_t>(split.aantal)] = werk;
  }
  if (f == 0 || (m == modus::Transfereren && !kopieGekozen)) {
    WijzigBoeking(recordIndex);
  } else {
    if (f == 5 || f == 6) Overboeken();
    if (m == modus::Kopen || m == modus::Verkopen) VoegBoekingToe(RegelSoort::Kas);
    if (m == modus::Waarderen) VoegBoekingToe(RegelSoort::Tegenboeking);
    if (!modus::IsOverboeking(m)) VoegBoekingToe(RegelSoort::Hoofd);
  }
  kb.HernummerKas();
  bewaar_(kb);
  bewaard = true;
  NaBewaren();
}

void BoekingModel::NaBewaren() {
  if (sluitNaBewaren) {
    panelZichtbaar = false;
    vensterGesloten = true;
    vensters_.VerversAanvrager(boekModus);
    return;
  }
  if (splitModus) {
    gridModus = 2;
    gridZichtbaar = true;
    TekenGrid();
  }
  panelZichtbaar = false;
  std::optional<int> volgende;
  if (boekModus < 10) volgende = VolgendeSubgroep();
  if (volgende) {
    Start(*volgende, false);
    return;
  }
  menu = modus::IsEffecten(boekModus) ? Menu::Beleg : Menu::Boek;
}

void BoekingModel::Overboeken() {
  // A transfer to the same account moves nothing.
  if (werk.RekNr == werk.TegenRek) return;
  const bool tegen = VoegBoekingToe(RegelSoort::Tegen);
  if (!Vraag(kb, "Wilt u ook overboeken naar tegenrekening")) return;
  const bool eigen = VoegBoekingToe(RegelSoort::Eigen);
  // Only claim both records when both were posted.
  if (tegen && eigen) Mededeling(kb, "Kasrecords van beide rekeningen gered");
}

bool BoekingModel::VoegBoekingToe(RegelSoort soort) {
  if ((soort == RegelSoort::Tegen || soort == RegelSoort::Eigen) && werk.RekNr == werk.TegenRek)
    return false;
  TKas kas = werk;
  kas.Index = kb.MaxKas() + 1;
  kas.BoekSoort = boekModus + (btwBox ? 256 * btw.soort : 0);
  const auto g = kb.ZoekGroep(werk.GroepKode);
  const std::string groepNaam = g ? Kap(kb.GroepLijst[static_cast<std::size_t>(*g)].Naam, 24) : "";
  PasRegelToe(soort, kas, groepNaam);
  kas.Bedrag = kas.Bedrag * static_cast<double>(kas.MuntKoers);
  int rekMis = 0, groepMis = 0;
  const Status status = BoekInMatrix(kb, kas.GroepKode, kas.RekNr, true, rekMis, groepMis, kas.Bedrag);
  if (!status.Gelukt() || kas.RekNr == 0) {
    Waarschuw(kb, "Transactie is niet verwerkt");
    return false;
  }
  const int rekNr = kas.RekNr;
  const int positie = PlaatsKas(kb, std::move(kas));
  BiedRelatieAan(kb, kb.KasLijst[static_cast<std::size_t>(positie)]);
  if (soort == RegelSoort::Hoofd && gridModus == 0 && rekNr == werk.RekNr) TekenGrid();
  return true;
}

void BoekingModel::PasRegelToe(RegelSoort soort, TKas& kas, const std::string& groepNaam) {
  const int m = boekModus;
  const int a = werk.RekNr, b = werk.TegenRek;
  const std::string naamA = RekeningNaam(a), naamB = RekeningNaam(b);
  auto opm = [&](const std::string& tekst) {
    if (!opmCheck) kas.Omschrijving = tekst;
  };
  switch (soort) {
    case RegelSoort::Hoofd:
      if (!modus::IsEffecten(m)) return;
      kas.Relatie = naamA;
      if (m == modus::Aanschaffen || m == modus::Kopen) {
        kas.ActieKode = "AS";
        opm("Aanschaf Aandeel" + groepNaam);
      } else if (m == modus::Inwisselen || m == modus::Verkopen) {
        kas.ActieKode = "RS";
        opm("Afvoer Aandeel " + groepNaam);
      } else if (m == modus::Waarderen) {
        kas.ActieKode = "VS";
        const double tegen = oud.bedrag / RecordKoers();
        opm((werk.Bedrag + tegen > 0 ? "Toename waarde van " : "Afname waarde van ") + groepNaam);
      } else if (m == modus::RenteDividend) {
        kas.ActieKode = "ID";
      }
      return;
    case RegelSoort::Tegen:
      kas.RekNr = b;
      kas.TegenRek = a;
      kas.VolgBlad = werk.TegenVolgBlad;
      kas.TegenVolgBlad = werk.VolgBlad;
      kas.GroepKode = kKruispostKode;
      kas.ActieKode = "OB";
      kas.Bedrag = -werk.Bedrag;
      opm((modus::Familie(m) == 6 ? "Overboeken van " : "Overboeken naar ") + naamA);
      kas.Relatie = Kap(naamA, 32);
      return;
    case RegelSoort::Eigen:
      kas.GroepKode = kKruispostKode;
      kas.ActieKode = "OB";
      opm((modus::Familie(m) == 5 ? "Overboeken van " : "Overboeken naar ") + naamB);
      kas.Relatie = Kap(naamA, 32);
      return;
    case RegelSoort::Kas:
      kas.GroepKode = EigenGroepKode(a);
      kas.Bedrag = -werk.Bedrag;
      kas.ActieKode = m == modus::Kopen ? "BS" : "SS";
      opm(m == modus::Kopen ? "Aankoop Aandeel" + groepNaam : "Verkoop Aandeel " + groepNaam);
      kas.Relatie = naamA;
      return;
    case RegelSoort::Tegenboeking:
      kas.ActieKode = "VS";
      kas.Relatie = naamA;
      opm("Oorspronkelijke waarde van " + groepNaam);
      kas.Bedrag = oud.bedrag / RecordKoers();
      return;
  }
}

void BoekingModel::WijzigBoeking(int positie) {
  if (positie < 1 || positie > kb.MaxKas()) return;
  TKas kas = werk;
  kas.Index = positie;
  kas.Bedrag = kas.Bedrag * static_cast<double>(kas.MuntKoers);
  // The old amount leaves the side it was booked on (oud.bedrag is negated).
  const bool mislukt = !HaalUitMatrix(kb, oud.groep, oud.rekening, -oud.bedrag).Gelukt();
  // The change is kept either way; the list stays in its order.
  kb.KasLijst.erase(kb.KasLijst.begin() + positie);
  PlaatsKas(kb, std::move(kas));
  if (mislukt) {
    Waarschuw(kb, "Transactie is niet verwerkt");
    return;
  }
  int rekMis = 0, groepMis = 0;
  // An unknown group or account was reported; the record stays as typed.
  static_cast<void>(BoekInMatrix(kb, werk.GroepKode, werk.RekNr, true, rekMis, groepMis,
                                 werk.Bedrag * static_cast<double>(werk.MuntKoers)));
  if (gridModus == 0) TekenGrid();
}

}  // namespace valdero
