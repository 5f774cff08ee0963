// The field entries and the search of the search dialog.
#include <algorithm>

#include "model/core/Berichten.h"
#include "model/core/Domein.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/search/ZoekModel.h"

namespace valdero {
namespace {

const int kMaxZoekTekst = 32;

bool EffectenKlasse(const TBudget& groep) {
  const char letter = groep.Klasse.size() > 1 ? groep.Klasse[1] : ' ';
  return letter == 'E' || letter == 'F' || letter == 'R';
}

void Fout(Kasboek& kb, const std::string& tekst) {
  kb.berichten().BerichtDlg(tekst, BerichtSoort::Fout, knop::OK);
}

}  // namespace

const std::string& ZoekModel::NietsGevondenTekst() {
  static const std::string tekst = "Niets gevonden! ";
  return tekst;
}

VeldInvoer ZoekModel::KiesVeld(ZoekVeld veld) {
  veld_ = veld;
  vorigeTreffer_ = 0;
  VeldInvoer invoer;
  switch (veld) {
    case ZoekVeld::Index:
      invoer.tekst = std::to_string(kb_.MaxKas());
      invoer.label = "Kies uit : 1.." + invoer.tekst;
      break;
    case ZoekVeld::Kode: {
      invoer.soort = InvoerSoort::Lijst;
      std::string eerste, laatste;
      for (int g = 1; g <= kb_.MaxGroep() && g < static_cast<int>(kb_.GroepLijst.size()); ++g) {
        const TBudget& groep = kb_.GroepLijst[static_cast<std::size_t>(g)];
        if (!VrijZoeken() && EffectenKlasse(groep) != (modus_ >= 10)) continue;
        invoer.lijst.push_back(groep.Kode + "   " + Kap(groep.Naam, 20));
        if (eerste.empty()) eerste = groep.Kode;
        laatste = groep.Kode;
      }
      invoer.label = "Kies uit :" + eerste + "..." + laatste;
      if (modus_ == 5 || modus_ == 6)
        invoer.tekst = kKruispostKode;
      else if (!kodeEerderGetoond_)
        invoer.tekst = laatste;
      else if (!invoer.lijst.empty())
        invoer.tekst = invoer.lijst.front();
      kodeEerderGetoond_ = true;
      break;
    }
    case ZoekVeld::Reken:
      invoer.soort = InvoerSoort::Lijst;
      for (int r = 1; r <= kb_.MaxRek() && r < static_cast<int>(kb_.RekLijst.size()); ++r) {
        const TBank& rek = kb_.RekLijst[static_cast<std::size_t>(r)];
        if (!VrijZoeken() && (rek.Soort == kEffectenSoort) != (modus_ >= 10)) continue;
        invoer.lijst.push_back(std::to_string(rek.RekNr) + "   " + rek.Naam);
      }
      invoer.label = "Kies uit : 1..." + std::to_string(kb_.MaxRek());
      if (!invoer.lijst.empty()) invoer.tekst = invoer.lijst.front();
      break;
    case ZoekVeld::Datum: {
      invoer.soort = InvoerSoort::Datum;
      invoer.label = "Kies datum uit kalender:";
      invoer.vanDatum = kb_.StartDatum;
      invoer.totDatum = std::max(kb_.Vandaag(), kb_.StartDatum);
      invoer.datum = invoer.totDatum;
      break;
    }
    case ZoekVeld::Bedrag:
      invoer.label = "Geef bedrag (met teken)";
      break;
    case ZoekVeld::Relatie:
    case ZoekVeld::Opm:
      invoer.label = "Geef Trefwoord(gedeelte)";
      break;
  }
  return invoer;
}

std::optional<std::string> ZoekModel::TekstVoorVeld(const std::string& invoer) {
  if (veld_ != ZoekVeld::Kode) return Kap(invoer, kMaxZoekTekst);
  // A list line is the code, three blanks and the title.
  const std::string kode = invoer.substr(0, invoer.find(' '));
  if (kode.empty() && !invoer.empty()) {
    Fout(kb_, "Rekening/Kode Nummer foutief");
    return std::nullopt;
  }
  return kode;
}

bool ZoekModel::Zoek(const std::string& invoer) {
  if (!veld_) return false;
  const auto tekst = TekstVoorVeld(invoer);
  if (!tekst) return false;
  return ZoekMetTekst(*tekst);
}

bool ZoekModel::ZoekDatum(double datum) {
  if (veld_ != ZoekVeld::Datum) return false;
  return ZoekMetTekst(DatumTekst(datum));
}

bool ZoekModel::ZoekBijTypen(const std::string& invoer) {
  if (!VrijZoeken() || !veld_ || *veld_ == ZoekVeld::Index) return false;
  if (invoer.find_first_not_of(' ') == std::string::npos) return false;
  return Zoek(invoer);
}

bool ZoekModel::ZoekMetTekst(const std::string& tekst) {
  if (tekst != zoekTekst_) vorigeTreffer_ = 0;
  zoekTekst_ = tekst;
  if (tekst.empty()) return false;
  if (VrijZoeken() && *veld_ != ZoekVeld::Index) {
    const Filter filter{*veld_, tekst, beginTekst_};
    // A new text for the field of the last search replaces that search, so
    // that a shorter text (the user deleting a letter) finds more again; a
    // search on another field narrows the results further.
    const bool vervang = !nietsGevonden_ && !filters_.empty() && filters_.back().veld == *veld_;
    std::vector<int> vorige = rijen_;
    if (vervang) rijen_ = basis_;
    if (!Verzamel(filter, true)) {
      rijen_ = std::move(vorige);
      return false;
    }
    if (vervang) {
      filters_.back() = filter;
    } else {
      basis_ = std::move(vorige);
      filters_.push_back(filter);
    }
    return !nietsGevonden_;
  }
  return Stap(tekst);
}

void ZoekModel::ZetRichtingNa(int rij) {
  if (rij == AantalRijen())
    neer_ = false;
  else if (rij <= 1)
    neer_ = true;
}

bool ZoekModel::Stap(const std::string& tekst) {
  const int n = AantalRijen();
  if (n == 0) return false;
  int rij = std::clamp(huidigeRij_, 1, n);
  // A direction that points off the grid would find nothing at all.
  if (neer_ && rij == n && n > 1) neer_ = false;
  if (!neer_ && rij == 1 && n > 1) neer_ = true;
  // The current row is examined too, unless it is what the last search
  // found: then "Zoek" goes on to the next one.
  if (rij == vorigeTreffer_) rij += neer_ ? 1 : -1;
  bool gevonden = false;
  int laatste = std::clamp(rij, 1, n);
  const VeldZoeker zoeker(*veld_, tekst, beginTekst_);
  if (!zoeker.Bruikbaar() && rij >= 1 && rij <= n) {
    Fout(kb_, "Zoek tekst niet Correct");
    return false;
  }
  for (; rij >= 1 && rij <= n; rij += neer_ ? 1 : -1) {
    laatste = rij;
    if (SlotPast(zoeker, rijen_[static_cast<std::size_t>(rij - 1)])) {
      gevonden = true;
      break;
    }
  }
  huidigeRij_ = laatste;
  ZetRichtingNa(laatste);
  if (!gevonden) {
    vorigeTreffer_ = 0;
    Fout(kb_, VeldNaam(*veld_) + " " + tekst + " niet  gevonden");
    return false;
  }
  vorigeTreffer_ = laatste;
  Kies(Rij(laatste).record.index);
  return true;
}

bool ZoekModel::Verzamel(const Filter& filter, bool melden) {
  const VeldZoeker zoeker(filter.veld, filter.tekst, filter.beginTekst);
  if (!zoeker.Bruikbaar() && !rijen_.empty()) {
    if (melden) Fout(kb_, "Zoek tekst niet Correct");
    return false;
  }
  std::vector<int> gevonden;
  for (const int slot : rijen_)
    if (SlotPast(zoeker, slot)) gevonden.push_back(slot);
  ZetRichtingNa(AantalRijen());
  toontAlles_ = false;
  nietsGevonden_ = gevonden.empty();
  NieuweRijen(std::move(gevonden));
  huidigeRij_ = AantalRijen() > 0 ? 1 : 0;
  vorigeTreffer_ = 0;
  return true;
}

}  // namespace valdero
