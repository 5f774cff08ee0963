// What the fields and lists show: the record, the account and group lists in
// their listing order, the amounts in the display currency.

#include <cmath>
#include <unordered_set>

#include "model/bookings/BoekModi.h"
#include "model/core/Domein.h"
#include "model/bookings/BoekingModel.h"
#include "model/bookings/Posten.h"
#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/core/TekstVorm.h"

namespace valdero {

std::string BoekingModel::RekeningTekst(int positie) const {
  if (positie < 1 || positie >= static_cast<int>(kb.RekLijst.size())) return "";
  const TBank& b = kb.RekLijst[static_cast<std::size_t>(positie)];
  return kb.weergave.RekeningenOpNaam ? b.Naam + "  " + b.RekNrTekst : b.RekNrTekst + "   " + b.Naam;
}

std::string BoekingModel::GroepTekst(int positie) const {
  if (positie < 1 || positie >= static_cast<int>(kb.GroepLijst.size())) return "";
  const TBudget& g = kb.GroepLijst[static_cast<std::size_t>(positie)];
  return kb.weergave.GroepenOpNaam ? Kap(g.Naam, 28) + "  " + VulLinks(g.Kode, 4)
                          : g.Kode + "   " + Kap(g.Naam, 28);
}

std::string BoekingModel::RekeningNaam(int rekNr) const {
  const auto a = kb.ZoekRekening(rekNr);
  return a ? kb.RekLijst[static_cast<std::size_t>(*a)].Naam : std::string();
}

void BoekingModel::ToonGroep() {
  const auto g = kb.ZoekGroep(werk.GroepKode);
  velden[veld::Groep].tekst = g ? GroepTekst(*g) : werk.GroepKode;
}

std::pair<double, std::string> BoekingModel::NieuwSaldo(int rekNr, double erbij) {
  const double som = RekeningSaldo(kb, rekNr) + erbij;
  return {som, Kap(BedragTekst(kb, som), 15)};
}

void BoekingModel::VulVasteLijsten() {
  auto& rek = lijsten[veld::Rekening];
  rek.clear();
  for (int a = 1; a <= kb.MaxRek() && a < static_cast<int>(kb.RekLijst.size()); ++a)
    rek.push_back(RekeningTekst(a));
  velden[veld::Rekening].tekst = rek.empty() ? "" : rek.front();
  auto& munt = lijsten[veld::Munt];
  munt.clear();
  for (const TValut& v : kb.ValutaLijst)
    if (v.Koers != 0) munt.push_back(v.Kode);
  velden[veld::Groep].tekst.clear();
  const std::string hulp = kb.weergave.HulpMunt >= 0 && kb.weergave.HulpMunt < static_cast<int>(kb.ValutaLijst.size())
                               ? kb.ValutaLijst[static_cast<std::size_t>(kb.weergave.HulpMunt)].Kode
                               : std::string();
  velden[veld::Munt].tekst = hulp;
  bedragLabel = "Bedrag :" + hulp;
  bedragLabelRood = false;
}

void BoekingModel::VulGroepLijst() {
  auto& lijst = lijsten[veld::Groep];
  lijst.clear();
  const std::string eigen = std::to_string(werk.RekNr);
  for (int g = 1; g <= kb.MaxGroep() && g < static_cast<int>(kb.GroepLijst.size()); ++g) {
    const std::string& kode = kb.GroepLijst[static_cast<std::size_t>(g)].Kode;
    // An account's own group is offered only with that account.
    if (kode.size() < 3 && kode != eigen) continue;
    lijst.push_back(GroepTekst(g));
  }
  if (modus::IsOverboeking(boekModus)) {
    werk.GroepKode = kKruispostKode;
    velden[veld::Groep].tekst = kb.weergave.GroepenOpNaam ? "KRUISPOSTEN xxxx" : "xxxx KRUISPOSTEN";
    return;
  }
  // A new booking stays on the account's own group until a group is chosen.
  const bool eigenGroep = werk.GroepKode == "0" ||
                          (!modus::IsBestaandRecord(boekModus) && werk.GroepKode.size() < 3);
  if (eigenGroep) werk.GroepKode = eigen;
  ToonGroep();
}

void BoekingModel::ToonRecord() {
  const bool bestaand = modus::IsBestaandRecord(boekModus);
  const auto a = kb.ZoekRekening(werk.RekNr);
  VulGroepLijst();
  if (bestaand) {
    velden[veld::Rekening].tekst = a ? RekeningTekst(*a) : std::string();
    velden[veld::Actie].tekst = werk.ActieKode;
    if (werk.Munt >= 0 && werk.Munt < static_cast<int>(kb.ValutaLijst.size()))
      velden[veld::Munt].tekst = kb.ValutaLijst[static_cast<std::size_t>(werk.Munt)].Kode;
    const std::string hulp =
        kb.weergave.HulpMunt >= 0 && kb.weergave.HulpMunt < static_cast<int>(kb.ValutaLijst.size())
            ? kb.ValutaLijst[static_cast<std::size_t>(kb.weergave.HulpMunt)].Kode
            : std::string();
    bedragLabel = "Bedrag :" + hulp;
    bedragLabelRood = kb.weergave.HulpMunt != kb.BasisMunt;
  } else {
    // The field shows the account the record starts on; none leaves it
    // empty, so that the record cannot be saved before an account is chosen.
    velden[veld::Rekening].tekst = a ? RekeningTekst(*a) : std::string();
  }
  ToonBtwVanRecord(bestaand);
  velden[veld::Volgnr].tekst = std::to_string(werk.Volgnr());
  velden[veld::Blad].tekst = std::to_string(werk.Blad());
  velden[veld::Volgnr2].tekst = std::to_string((werk.TegenVolgBlad >> 6) & 0x3FF);
  velden[veld::Blad2].tekst = std::to_string(werk.TegenVolgBlad & 0x3F);
  velden[veld::Datum].tekst = werk.Datum != 0 ? DatumTekst(werk.Datum) : "";
  if (bestaand)
    velden[veld::Bedrag].tekst = OpgeslagenBedragTekst(werk.Bedrag);
  else
    velden[veld::Bedrag].tekst = WerkBedragTekst(werk.Bedrag);
  velden[veld::Bedrag].rood = werk.Bedrag < 0;
  velden[veld::Aantal].tekst = GetalTekst(kb, werk.Aantal, 4);
  velden[veld::Prijs].tekst = GetalTekst(kb, werk.Prijs, 2);
  velden[veld::Relatie].tekst = werk.Relatie;
  const int f = modus::Familie(boekModus);
  velden[veld::TegenRek].tekst = (f == 5 || f == 6) ? "" : werk.TegenRekNr;
  velden[veld::Omschrijving].tekst = werk.Omschrijving;
  klasseTekst.clear();
  saldoTekst.clear();
  saldoRood = false;
  double koers = werk.MuntKoers;
  if (!bestaand && werk.Munt >= 0 && werk.Munt < static_cast<int>(kb.ValutaLijst.size()))
    koers = kb.ValutaLijst[static_cast<std::size_t>(werk.Munt)].Koers;
  velden[veld::Koers].tekst = GetalTekst(kb, koers, 5);
  if (werk.Munt != kb.BasisMunt) {
    velden[veld::Koers].zichtbaar = true;
    koersLabelZichtbaar = !(f == 5 || f == 6);
  }
  if (modus::IsOverboeking(boekModus)) {
    velden[veld::Volgnr2].tekst.clear();
    velden[veld::Blad2].tekst.clear();
    VulGeschiedenis();
  }
}

namespace {

// Keeps each value once, at the place of its earliest record, and lists the
// newest first; at most 500, the newest.
template <typename T>
class Geschiedenis {
 public:
  void Neem(const T& waarde, std::string tekst) {
    if (!gezien_.insert(waarde).second) return;
    teksten_.push_back(std::move(tekst));
  }
  std::vector<std::string> Lijst() const {
    std::vector<std::string> uit;
    for (auto it = teksten_.rbegin(); it != teksten_.rend() && uit.size() < 500; ++it)
      uit.push_back(*it);
    return uit;
  }

 private:
  std::unordered_set<T> gezien_;
  std::vector<std::string> teksten_;
};

}  // namespace

void BoekingModel::VulGeschiedenis() {
  const int f = modus::Familie(boekModus);
  const bool overboeking = f == 5 || f == 6;
  Geschiedenis<std::string> tegen, relatie, opm;
  Geschiedenis<double> bedrag;
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i) {
    const TKas& k = kb.KasLijst[i];
    if (k.GroepKode != werk.GroepKode) continue;
    if (!overboeking) tegen.Neem(k.TegenRekNr, k.TegenRekNr);
    relatie.Neem(k.Relatie, k.Relatie);
    const double koers = k.MuntKoers == 0 ? 1.0 : k.MuntKoers;
    bedrag.Neem(k.Bedrag, kb.weergave.HulpMunt == kb.BasisMunt ? BedragTekst(kb, k.Bedrag / koers)
                                                      : BedragTekst(kb, k.Bedrag));
    opm.Neem(k.Omschrijving, Getrimd(k.Omschrijving));
  }
  if (!overboeking) lijsten[veld::TegenRek] = tegen.Lijst();
  lijsten[veld::Relatie] = relatie.Lijst();
  lijsten[veld::Bedrag] = bedrag.Lijst();
  lijsten[veld::Omschrijving] = opm.Lijst();
  const int m = boekModus;
  const bool mijzelf = modus::IsOverboeking(m) || m == modus::Aanschaffen || m == modus::Inwisselen;
  velden[veld::Relatie].tekst = mijzelf ? " Mijzelf" : werk.Relatie;
  const std::string naam = RekeningNaam(werk.RekNr);
  if (m == modus::OverboekenNaar)
    velden[veld::Omschrijving].tekst = "OverBoeken naar " + naam;
  else if (m == modus::OverboekenVan)
    velden[veld::Omschrijving].tekst = "Overboeken van " + naam;
  else
    velden[veld::Omschrijving].tekst = Getrimd(werk.Omschrijving);
  opmZichtbaar = true;
}

}  // namespace valdero
