#include "model/search/ZoekModel.h"
#include "model/core/Domein.h"

#include <algorithm>

#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"

namespace valdero {
namespace {


}  // namespace

ZoekModel::ZoekModel(Kasboek& kb) : kb_(kb) {}

const std::array<std::string, kAantalZoekKolommen>& ZoekModel::Koppen() {
  static const std::array<std::string, kAantalZoekKolommen> koppen = {
      "Index", "Kode", "Rekening", "Datum", "Relatie", "Bedrag", "Omschrijving"};
  return koppen;
}

int ZoekModel::HelpTopic() const {
  if (VrijZoeken()) return 257;
  return modus_ == 8 ? 235 : 233;
}

void ZoekModel::Open(int modus) {
  modus_ = modus;
  veld_.reset();
  zoekTekst_.clear();
  neer_ = true;
  nietsGevonden_ = false;
  filters_.clear();
  basis_.clear();
  resultaat_ = {};
  if (VrijZoeken()) beginTekst_ = false;
  Vul();
  huidigeRij_ = AantalRijen();
  vorigeTreffer_ = 0;
}

bool ZoekModel::Gelijst(const TKas& kas) const {
  // The agenda account's records are listed only when transferring them.
  if ((kas.RekNr == kTransferRekening) != (modus_ == 8)) return false;
  const int rek = kb_.ZoekRekening(kas.RekNr);
  const bool effecten = rek != 0 && kb_.RekLijst[static_cast<std::size_t>(rek)].Soort == kEffectenSoort;
  switch (modus_) {
    case 0:
    case 3:
      return !effecten;
    case 10:
    case 13:
    case 14:
      return effecten;
    default:
      return true;
  }
}

ZoekRij ZoekModel::MaakRij(const TKas& kas) {
  ZoekRij rij;
  rij.record.index = kas.Index;
  rij.record.groepKode = kas.GroepKode;
  rij.record.rekNr = kas.RekNr;
  rij.record.datum = DatumTekst(kas.Datum);
  rij.record.relatie = kas.Relatie;
  rij.record.bedrag = BedragTekst(kb_, kas.Bedrag);
  rij.record.omschrijving = kas.Omschrijving;
  rij.cellen = {std::to_string(kas.Index),
                kas.GroepKode,
                std::to_string(kas.RekNr) + " " + std::to_string(kas.Volgnr()),
                rij.record.datum,
                kas.Relatie,
                rij.record.bedrag,
                kas.Omschrijving + " "};
  rij.rood = !rij.record.bedrag.empty() && rij.record.bedrag.front() == '-';
  return rij;
}

void ZoekModel::Vul() {
  std::vector<ZoekRij> rijen;
  const int laatste = std::min(kb_.MaxKas(), static_cast<int>(kb_.KasLijst.size()) - 1);
  for (int p = 1; p <= laatste; ++p) {
    const TKas& kas = kb_.KasLijst[static_cast<std::size_t>(p)];
    if (Gelijst(kas)) rijen.push_back(MaakRij(kas));
  }
  toontAlles_ = true;
  NieuweRijen(std::move(rijen));
}

void ZoekModel::NieuweRijen(std::vector<ZoekRij> rijen) {
  rijen_ = std::move(rijen);
  ++rijenVersie_;
}

int ZoekModel::IndexVanRij(int rij) const {
  if (rij < 1 || rij > AantalRijen()) return 0;
  return Rij(rij).record.index;
}

const TKas* ZoekModel::RecordVanRij(int rij) const {
  const int index = IndexVanRij(rij);
  if (index < 1 || index > kb_.MaxKas() || index >= static_cast<int>(kb_.KasLijst.size()))
    return nullptr;
  return &kb_.KasLijst[static_cast<std::size_t>(index)];
}

bool ZoekModel::RijActueel(int rij) const {
  const TKas* kas = RecordVanRij(rij);
  if (kas == nullptr) return false;
  const ZoekRecordTekst& r = Rij(rij).record;
  return kas->GroepKode == r.groepKode && kas->RekNr == r.rekNr &&
         DatumTekst(kas->Datum) == r.datum && kas->Relatie == r.relatie &&
         kas->Omschrijving == r.omschrijving;
}

std::string ZoekModel::AantalTekst() const {
  return (toontAlles_ ? "Aantal=" : "Aantal = ") + std::to_string(AantalRijen());
}

std::string ZoekModel::MuntTekst() const {
  const auto munt = static_cast<std::size_t>(kb_.HulpMunt);
  return " Munt = " + (munt < kb_.ValutaLijst.size() ? kb_.ValutaLijst[munt].Naam : std::string());
}

void ZoekModel::ZetHuidigeRij(int rij) {
  if (rij != huidigeRij_) vorigeTreffer_ = 0;
  huidigeRij_ = rij;
}

void ZoekModel::Kies(int index) {
  resultaat_ = {};
  resultaat_.gekozen = true;
  resultaat_.positie = index;
  resultaat_.posities = {index};
}

bool ZoekModel::KiesRij(int rij) {
  const int index = IndexVanRij(rij);
  if (index < 1 || index > kb_.MaxKas()) {
    Mededeling(kb_, "Record index " + std::to_string(index) + " foutief");
    return false;
  }
  ZetHuidigeRij(rij);
  Kies(index);
  return true;
}

bool ZoekModel::KiesRijen(std::vector<int> rijen) {
  if (rijen.empty()) return false;
  std::sort(rijen.begin(), rijen.end());
  rijen.erase(std::unique(rijen.begin(), rijen.end()), rijen.end());
  if (!MeerdereRijen() || rijen.size() == 1) return KiesRij(rijen.back());
  std::vector<int> posities;
  for (int rij : rijen) {
    const int index = IndexVanRij(rij);
    if (index < 1 || index > kb_.MaxKas()) {
      Mededeling(kb_, "Record index " + std::to_string(index) + " foutief");
      resultaat_ = {};
      return false;
    }
    posities.push_back(index);
  }
  ZetHuidigeRij(rijen.back());
  std::sort(posities.begin(), posities.end());
  resultaat_ = {};
  resultaat_.gekozen = true;
  resultaat_.positie = IndexVanRij(rijen.back());
  resultaat_.extraRijen = static_cast<int>(posities.size()) - 1;
  resultaat_.posities = std::move(posities);
  return true;
}

bool ZoekModel::KiesKopie() {
  if (!KiesRij(huidigeRij_)) return false;
  resultaat_.kopie = true;
  return true;
}

void ZoekModel::Opnieuw() {
  Vul();
  zoekTekst_.clear();
  huidigeRij_ = AantalRijen();
  vorigeTreffer_ = 0;
  neer_ = true;
  resultaat_ = {};
  nietsGevonden_ = false;
  filters_.clear();
  basis_.clear();
}

void ZoekModel::Ververs() {
  const int rij = huidigeRij_;
  const bool opnieuwZoeken = !toontAlles_ && AantalRijen() >= 2;
  Vul();
  if (opnieuwZoeken) {
    // The records found before may have moved or gone: find them again.
    for (const Filter& f : filters_) {
      basis_ = rijen_;
      Verzamel(f, false);
    }
  } else {
    filters_.clear();
    nietsGevonden_ = false;
  }
  huidigeRij_ = std::clamp(rij, AantalRijen() > 0 ? 1 : 0, AantalRijen());
  vorigeTreffer_ = 0;
}

}  // namespace valdero
