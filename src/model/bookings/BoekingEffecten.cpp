// Securities: the number of shares and their price, the revaluation of a
// holding, and the legs a purchase, sale or valuation posts.

#include <cmath>

#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingModel.h"
#include "model/bookings/GroepHulp.h"
#include "model/core/Bedragen.h"
#include "model/core/Domein.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/TekstHulp.h"
#include "model/core/TekstVorm.h"

namespace valdero {

bool BoekingModel::AantalVeld() {
  std::string tekst = velden[veld::Aantal].tekst;
  const auto gelezen = LeesGetal4(kb, tekst);
  if (!gelezen) {
    MeldGeenGetal(kb, tekst);
    if (!tekst.empty()) return false;
  }
  const float n = gelezen.value_or(0.0f);
  velden[veld::Aantal].tekst = tekst;
  if (n > 0) {
    werk.Aantal = n;
    werk.Bedrag = static_cast<double>(werk.Aantal) * werk.Prijs;
    ToonWerkBedrag();
  } else {
    Waarschuw("Aantal Aandelen = 0");
  }
  // An empty field was reported: the focus stays.
  return gelezen.has_value();
}

bool BoekingModel::PrijsVeld() {
  std::string tekst = velden[veld::Prijs].tekst;
  const auto gelezen = LeesGetal4(kb, tekst);
  if (!gelezen) {
    MeldGeenGetal(kb, tekst);
    if (!tekst.empty()) return false;
  }
  const float p = gelezen.value_or(0.0f);
  velden[veld::Prijs].tekst = tekst;
  werk.Prijs = p;
  if (werk.Aantal >= 0 && werk.Prijs >= 0) {
    werk.Bedrag = static_cast<double>(werk.Aantal) * werk.Prijs;
    ToonWerkBedrag();
  }
  // An empty field was reported: the focus stays.
  return gelezen.has_value();
}

void BoekingModel::Herwaardeer() {
  const double waarde = GroepSaldo(kb, werk.GroepKode);
  werk.Bedrag = waarde / RecordKoers();
  oud.bedrag = -waarde;
  ToonWerkBedrag();
  // An earlier record of the group worth the current value tells the number
  // of shares and the price.
  const long doel = std::lround(waarde);
  for (std::size_t i = kb.KasLijst.size(); i-- > 1;) {
    const TKas& k = kb.KasLijst[i];
    if (k.GroepKode != werk.GroepKode || k.Aantal <= 0) continue;
    if (std::lround(static_cast<double>(k.MuntKoers) * k.Aantal * k.Prijs) == doel) {
      werk.Aantal = k.Aantal;
      werk.Prijs = k.Prijs;
      velden[veld::Aantal].tekst = GetalTekst(kb, werk.Aantal, 4);
      velden[veld::Prijs].tekst = GetalTekst(kb, werk.Prijs, 2);
      break;
    }
  }
}

// The legs of a securities booking: the holding itself (Hoofd), the cash
// side of a purchase or sale (Kas) and the old value a valuation takes back
// (Tegenboeking). A main leg of an ordinary booking is left as typed.
void BoekingModel::PasEffectenToe(RegelSoort soort, TKas& kas, const std::string& groepNaam) {
  const int m = boekModus;
  const int a = werk.RekNr;
  const std::string naamA = RekeningNaam(a);
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
    case RegelSoort::Tegen:
    case RegelSoort::Eigen:
      return;  // the legs of a transfer
  }
}

}  // namespace valdero
