#include "model/search/ZoekModel.h"
#include "model/core/Domein.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>
#include <string_view>

#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"

namespace valdero {
namespace {

// What a row shows of a record, as one number: equal records give equal
// numbers, and a record changed or moved under the row almost surely not.
std::size_t Afdruk(const TKas& kas) {
  std::size_t h = std::hash<std::string_view>{}(kas.GroepKode);
  const auto meng = [&h](std::size_t w) { h ^= w + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
  meng(static_cast<std::size_t>(kas.RekNr));
  meng(std::bit_cast<std::uint64_t>(kas.Datum));
  meng(std::hash<std::string_view>{}(kas.Relatie));
  meng(std::hash<std::string_view>{}(kas.Omschrijving));
  return h;
}

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
  const auto rek = kb_.ZoekRekening(kas.RekNr);
  const bool effecten = rek && kb_.RekLijst[static_cast<std::size_t>(*rek)].Soort == kEffectenSoort;
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

ZoekRij ZoekModel::MaakRij(const TKas& kas) const {
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
  posities_.clear();
  indexen_.clear();
  afdrukken_.clear();
  gebouwd_.clear();
  const int laatste = std::min(kb_.MaxKas(), static_cast<int>(kb_.KasLijst.size()) - 1);
  for (int p = 1; p <= laatste; ++p) {
    const TKas& kas = kb_.KasLijst[static_cast<std::size_t>(p)];
    if (!Gelijst(kas)) continue;
    posities_.push_back(p);
    indexen_.push_back(kas.Index);
    afdrukken_.push_back(Afdruk(kas));
  }
  gebouwd_.resize(posities_.size());
  std::vector<int> rijen(posities_.size());
  std::iota(rijen.begin(), rijen.end(), 0);
  toontAlles_ = true;
  NieuweRijen(std::move(rijen));
}

const ZoekRij& ZoekModel::Bouw(int slot) const {
  const auto s = static_cast<std::size_t>(slot);
  std::unique_ptr<ZoekRij>& rij = gebouwd_[s];
  if (!rij) {
    const auto p = static_cast<std::size_t>(posities_[s]);
    if (p < kb_.KasLijst.size()) {
      rij = std::make_unique<ZoekRij>(MaakRij(kb_.KasLijst[p]));
    } else {
      // The record has gone from the book since it was listed.
      rij = std::make_unique<ZoekRij>();
      rij->record.index = indexen_[s];
      rij->cellen[0] = std::to_string(indexen_[s]);
    }
  }
  return *rij;
}

bool ZoekModel::SlotPast(const VeldZoeker& zoeker, int slot) const {
  const auto s = static_cast<std::size_t>(slot);
  const auto p = static_cast<std::size_t>(posities_[s]);
  if (gebouwd_[s] || p >= kb_.KasLijst.size()) return zoeker.Past(Bouw(slot).record);
  // The same texts MaakRij would give the row, without making it.
  const TKas& kas = kb_.KasLijst[p];
  switch (zoeker.Veld()) {
    case ZoekVeld::Index: return zoeker.PastGetal(kas.Index);
    case ZoekVeld::Reken: return zoeker.PastGetal(kas.RekNr);
    case ZoekVeld::Kode: return zoeker.PastTekst(kas.GroepKode);
    case ZoekVeld::Datum: return zoeker.PastTekst(DatumTekst(kas.Datum));
    case ZoekVeld::Relatie: return zoeker.PastTekst(kas.Relatie);
    case ZoekVeld::Bedrag: return zoeker.PastTekst(BedragTekst(kb_, kas.Bedrag));
    case ZoekVeld::Opm: return zoeker.PastTekst(kas.Omschrijving);
  }
  return false;
}

void ZoekModel::NieuweRijen(std::vector<int> rijen) {
  rijen_ = std::move(rijen);
  ++rijenVersie_;
}

int ZoekModel::IndexVanRij(int rij) const {
  if (rij < 1 || rij > AantalRijen()) return 0;
  return indexen_[static_cast<std::size_t>(rijen_[static_cast<std::size_t>(rij - 1)])];
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
  return Afdruk(*kas) == afdrukken_[static_cast<std::size_t>(rijen_[static_cast<std::size_t>(rij - 1)])];
}

std::string ZoekModel::AantalTekst() const {
  return (toontAlles_ ? "Aantal=" : "Aantal = ") + std::to_string(AantalRijen());
}

std::string ZoekModel::MuntTekst() const {
  const auto munt = static_cast<std::size_t>(kb_.weergave.HulpMunt);
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
