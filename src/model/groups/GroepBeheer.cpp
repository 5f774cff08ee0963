#include "model/groups/GroepBeheer.h"

#include <unordered_map>

#include "model/core/Keuze.h"
#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"
#include "model/groups/GroepRegels.h"
#include "model/core/Sorteren.h"

namespace valdero {

GroepBeheer::GroepBeheer(Kasboek& kb, Bewaarder bewaar) : kb_(kb), bewaar_(std::move(bewaar)) {}

void GroepBeheer::Vul() {
  std::unordered_map<std::string, double> saldi;
  for (std::size_t i = 1; i < kb_.KasLijst.size(); ++i)
    saldi[kb_.KasLijst[i].GroepKode] += kb_.KasLijst[i].Bedrag;
  regels_.clear();
  for (int i = 1; i <= kb_.MaxGroep() && i < static_cast<int>(kb_.GroepLijst.size()); ++i) {
    const auto& g = kb_.GroepLijst[static_cast<std::size_t>(i)];
    const auto s = saldi.find(g.Kode);
    const double saldo = s == saldi.end() ? 0 : s->second;
    regels_.push_back({g.Kode, g.Naam, g.Klasse, BedragTekst(kb_, saldo), saldo < 0});
  }
  gekozen_ = BinnenLijst(gekozen_, static_cast<int>(regels_.size()));
}

std::vector<std::string> GroepBeheer::Titels() const {
  std::vector<std::string> titels;
  for (const auto& r : regels_) titels.push_back(r.titel);
  return titels;
}

std::string GroepBeheer::Hint(int x) {
  if (x <= 36) return "Kodenummer van groep";
  if (x < 200) return "Naam of Titel van groep";
  if (x < 250) return "Klasse v.d. groep";
  return "Som In/Uit v.d. groep";
}

void GroepBeheer::Kies(int regel) {
  if (regel >= 0 && regel < static_cast<int>(regels_.size())) gekozen_ = regel;
}

bool GroepBeheer::KiesTitel(const std::string& titel) {
  for (std::size_t i = 0; i < regels_.size(); ++i)
    if (regels_[i].titel == titel) {
      gekozen_ = static_cast<int>(i);
      return true;
    }
  return false;
}

// The rebuilds below report what they cannot place themselves; the manager
// goes on with the lists it has.
void GroepBeheer::NaNieuweGroep(bool gelukt, const std::string& kode) {
  if (!gelukt) return;
  SorteerGroepen(kb_);
  HerbouwSaldoMatrix(kb_);
  gewijzigd_ = true;
  Vul();
  const auto positie = kb_.ZoekGroep(kode);
  if (positie) gekozen_ = *positie - 1;
}

void GroepBeheer::NaBewerken(const std::string& oudeKode) {
  const int positie = GroepPositie();
  if (positie < 1 || positie >= static_cast<int>(kb_.GroepLijst.size())) return;
  const std::string nieuweKode = kb_.GroepLijst[static_cast<std::size_t>(positie)].Kode;
  // Transactions follow a changed code only when the user agrees; the
  // matrix is rebuilt either way, as the code of a whole row changed.
  if (nieuweKode != oudeKode) {
    HernoemGroepInKas(kb_, oudeKode, nieuweKode);
    HerbouwSaldoMatrix(kb_);
  }
  gewijzigd_ = true;
  Vul();
}

void GroepBeheer::Verwijder() {
  const int positie = GroepPositie();
  if (positie < 1 || positie > kb_.MaxGroep() || positie >= static_cast<int>(kb_.GroepLijst.size()))
    return;
  if (IsKort(kb_.GroepLijst[static_cast<std::size_t>(positie)].Kode)) {
    kb_.berichten().BerichtDlg("Groep komt overeen met rekeningnummer\rverwijderen niet toegestaan",
                               BerichtSoort::Fout, knop::OK);
    return;
  }
  // Only an explicit Ja deletes: closing the question is no consent.
  if (kb_.berichten().BerichtDlg("Weet u zeker dat u deze groep wilt verwijderen?",
                                 BerichtSoort::Bevestig, knop::JaNee) != antwoord::Ja)
    return;
  if (kb_.MaxGroep() <= 1) return;
  kb_.GroepLijst.erase(kb_.GroepLijst.begin() + positie);
  HernummerGroepen(kb_);
  HerbouwSaldoMatrix(kb_);
  gewijzigd_ = true;
  Vul();
}

void GroepBeheer::Ok() {
  if (gewijzigd_ && bewaar_) bewaar_(kb_);
}

}  // namespace valdero
