#include "model/accounts/RekeningBeheer.h"

#include "model/accounts/RekeningDialoog.h"
#include "model/accounts/RekeningGroepen.h"
#include "model/core/Keuze.h"
#include "model/core/Bedragen.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/Sorteren.h"

namespace valdero {

std::optional<int> NieuweRekeningMetGroepen(Kasboek& kb, RekeningDialoog& dialoog, int positie) {
  if (dialoog.NewAccount(positie, "") != 0) return std::nullopt;
  kb.HernummerKas();
  const auto p = kb.ZoekRekening(dialoog.NieuwRekNr());
  if (p) {
    EnsureAccountGroup(kb, *p, dialoog.LeningGegevens());
    const Lening& lening = dialoog.LeningGegevens();
    if (!lening.GroepKode.empty() && AddLoanGroups(kb, lening)) PostLoanBooking(kb, lening);
    // The new account's group takes its place in the chosen order at once,
    // not after "KRUISPOSTEN" until the book is opened again.
    SorteerGroepen(kb);
  }
  // A column per account and a row per group: the matrix follows the new
  // shape at once, so no window reads a shifted cell meanwhile.
  HerbouwSaldoMatrix(kb);
  return p;
}

RekeningBeheer::RekeningBeheer(Kasboek& kb, RekeningDialoog& dialoog, Bewaarder bewaar)
    : kb_(kb), dialoog_(dialoog), bewaar_(std::move(bewaar)) {}

std::string RekeningBeheer::Hint(int x) {
  if (x <= 36) return "Rekeningnummer";
  if (x <= 198) return "Naam van de rekening";
  if (x <= 243) return "Soort rekening";
  if (x > 265) return "Saldo van de rekening";
  return "Valuta afkorting";
}

void RekeningBeheer::Vul() {
  const auto totaalRij = static_cast<std::size_t>(kb_.MaxGroep()) + 1;
  regels_.clear();
  posities_.clear();
  for (int p = 1; p <= kb_.MaxRek(); ++p) {
    const TBank& rek = kb_.RekLijst[static_cast<std::size_t>(p)];
    if (rek.Naam.empty()) continue;
    double saldo = 0;
    if (kb_.SaldoMatrix().size() > totaalRij && kb_.SaldoMatrix()[totaalRij].size() > static_cast<std::size_t>(p)) {
      const TInUit& cel = kb_.SaldoMatrix()[totaalRij][static_cast<std::size_t>(p)];
      saldo = cel.In + cel.Uit;
    }
    RekeningRegel r;
    r.nummer = std::to_string(rek.RekNr);
    r.naam = rek.Naam;
    r.soort = rek.Soort;
    if (rek.Munt >= 0 && rek.Munt < static_cast<int>(kb_.ValutaLijst.size()))
      r.munt = kb_.ValutaLijst[static_cast<std::size_t>(rek.Munt)].Kode;
    r.saldo = BedragTekstIn(kb_, rek.Munt, saldo);
    r.negatief = saldo < 0;
    regels_.push_back(r);
    posities_.push_back(p);
  }
  gekozen_ = BinnenLijst(gekozen_, static_cast<int>(regels_.size()));
}

std::vector<std::string> RekeningBeheer::Namen() const {
  std::vector<std::string> namen;
  for (const auto& r : regels_) namen.push_back(r.naam);
  return namen;
}

void RekeningBeheer::Kies(int regel) {
  if (regel >= 0 && regel < static_cast<int>(regels_.size())) gekozen_ = regel;
}

bool RekeningBeheer::KiesNaam(const std::string& naam) {
  for (std::size_t i = 0; i < regels_.size(); ++i)
    if (regels_[i].naam == naam) {
      gekozen_ = static_cast<int>(i);
      return true;
    }
  return false;
}

int RekeningBeheer::RekPositie() const {
  return gekozen_ >= 0 && gekozen_ < static_cast<int>(posities_.size())
             ? posities_[static_cast<std::size_t>(gekozen_)]
             : 0;
}

void RekeningBeheer::KiesPositie(int positie) {
  for (std::size_t i = 0; i < posities_.size(); ++i)
    if (posities_[i] == positie) gekozen_ = static_cast<int>(i);
}

void RekeningBeheer::Nieuw() {
  const int voor = RekPositie() > 0 ? RekPositie() : 1;
  const auto p = NieuweRekeningMetGroepen(kb_, dialoog_, voor);
  if (!p) return;
  gewijzigd_ = true;
  Vul();
  KiesPositie(*p);
}

void RekeningBeheer::Bewerk() {
  const int p = RekPositie();
  if (p == 0) return;
  dialoog_.EditAccount(p);
  gewijzigd_ = true;
  Vul();
}

void RekeningBeheer::Verwijder() {
  const int p = RekPositie();
  if (p == 0) return;
  if (!Vraag(kb_, "Weet u zeker dat u deze rekening wilt verwijderen?")) return;
  if (kb_.MaxRek() <= 1) return;
  DeleteAccount(kb_, p, bewaar_);
  gewijzigd_ = true;
  Vul();
}

void RekeningBeheer::Ok() {
  if (gewijzigd_ && bewaar_) bewaar_(kb_);
}

}  // namespace valdero
