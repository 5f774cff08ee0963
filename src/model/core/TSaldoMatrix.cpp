#include "model/core/TSaldoMatrix.h"

namespace valdero {
namespace {

void TelOp(TInUit& cel, double bedrag) {
  if (bedrag > 0)
    cel.In += bedrag;
  else
    cel.Uit += bedrag;
}

void TrekAf(TInUit& cel, double bedrag) {
  if (bedrag > 0)
    cel.In -= bedrag;
  else
    cel.Uit -= bedrag;
}

void TrekAf(TInUit& totaal, const TInUit& cel) {
  totaal.In -= cel.In;
  totaal.Uit -= cel.Uit;
}

// Moves the elements 1..n-2 into the given order; element 0 (the header
// position) and the last (the totals) stay.
template <class T>
void Herschik(std::vector<T>& lijst, const std::vector<std::size_t>& volgorde) {
  if (lijst.size() < 2 || volgorde.size() != lijst.size() - 2) return;
  for (std::size_t p : volgorde)
    if (p < 1 || p + 1 >= lijst.size()) return;  // not an order of the positions
  std::vector<T> nieuw;
  nieuw.reserve(lijst.size());
  nieuw.push_back(std::move(lijst.front()));
  for (std::size_t p : volgorde) nieuw.push_back(lijst[p]);
  nieuw.push_back(std::move(lijst.back()));
  lijst = std::move(nieuw);
}

}  // namespace

void TSaldoMatrix::Maak(int maxGroep, int maxRek) {
  const auto rijen = static_cast<std::size_t>(maxGroep < 0 ? 0 : maxGroep) + 2;
  const auto kolommen = static_cast<std::size_t>(maxRek < 0 ? 0 : maxRek) + 2;
  rijen_.assign(rijen, TKasValue(kolommen));
}

bool TSaldoMatrix::VanVorm(int maxGroep, int maxRek) const {
  if (maxGroep < 0 || maxRek < 0) return false;
  const auto kolommen = static_cast<std::size_t>(maxRek) + 2;
  return rijen_.size() == static_cast<std::size_t>(maxGroep) + 2 && Rechthoek() &&
         rijen_.front().size() == kolommen;
}

// Every operation below keeps all rows of one length, so the first row
// tells the shape; a posting need not walk the rows to know it.
bool TSaldoMatrix::Rechthoek() const { return !rijen_.empty() && rijen_.front().size() >= 2; }

const TInUit* TSaldoMatrix::Cel(std::size_t groep, std::size_t rekening) const {
  if (groep >= rijen_.size() || rekening >= rijen_[groep].size()) return nullptr;
  return &rijen_[groep][rekening];
}

bool TSaldoMatrix::Boek(std::size_t groep, std::size_t rekening, double bedrag) {
  if (!Rechthoek()) return false;
  const std::size_t rijTotaal = rijen_.size() - 1;
  const std::size_t kolomTotaal = rijen_.front().size() - 1;
  if (groep >= rijTotaal || rekening >= kolomTotaal) return false;
  TelOp(rijen_[groep][rekening], bedrag);
  TelOp(rijen_[groep][kolomTotaal], bedrag);
  TelOp(rijen_[rijTotaal][rekening], bedrag);
  TelOp(rijen_[rijTotaal][kolomTotaal], bedrag);
  return true;
}

bool TSaldoMatrix::Haal(std::size_t groep, std::size_t rekening, double bedrag) {
  if (!Rechthoek()) return false;
  const std::size_t rijTotaal = rijen_.size() - 1;
  const std::size_t kolomTotaal = rijen_.front().size() - 1;
  if (groep >= rijTotaal || rekening >= kolomTotaal) return false;
  TrekAf(rijen_[groep][rekening], bedrag);
  TrekAf(rijen_[groep][kolomTotaal], bedrag);
  TrekAf(rijen_[rijTotaal][rekening], bedrag);
  TrekAf(rijen_[rijTotaal][kolomTotaal], bedrag);
  return true;
}

void TSaldoMatrix::SchrapRij(std::size_t groep) {
  if (!Rechthoek() || groep < 1 || groep + 1 >= rijen_.size()) return;
  TKasValue& totalen = rijen_.back();
  for (std::size_t a = 0; a < totalen.size(); ++a) TrekAf(totalen[a], rijen_[groep][a]);
  rijen_.erase(rijen_.begin() + static_cast<std::ptrdiff_t>(groep));
}

void TSaldoMatrix::SchrapKolom(std::size_t rekening) {
  if (!Rechthoek() || rekening < 1 || rekening + 1 >= rijen_.front().size()) return;
  for (TKasValue& rij : rijen_) {
    TrekAf(rij.back(), rij[rekening]);
    rij.erase(rij.begin() + static_cast<std::ptrdiff_t>(rekening));
  }
}

void TSaldoMatrix::VoegRijIn(std::size_t groep) {
  if (!Rechthoek() || groep < 1 || groep >= rijen_.size()) return;
  rijen_.insert(rijen_.begin() + static_cast<std::ptrdiff_t>(groep),
                TKasValue(rijen_.front().size()));
}

void TSaldoMatrix::HerschikRijen(const std::vector<std::size_t>& volgorde) {
  if (Rechthoek()) Herschik(rijen_, volgorde);
}

void TSaldoMatrix::HerschikKolommen(const std::vector<std::size_t>& volgorde) {
  if (!Rechthoek() || volgorde.size() + 2 != rijen_.front().size()) return;
  for (TKasValue& rij : rijen_) Herschik(rij, volgorde);
}

bool operator==(const TSaldoMatrix& a, const TSaldoMatrix& b) {
  if (a.rijen_.size() != b.rijen_.size()) return false;
  for (std::size_t g = 0; g < a.rijen_.size(); ++g) {
    if (a.rijen_[g].size() != b.rijen_[g].size()) return false;
    for (std::size_t r = 0; r < a.rijen_[g].size(); ++r)
      if (a.rijen_[g][r].In != b.rijen_[g][r].In || a.rijen_[g][r].Uit != b.rijen_[g][r].Uit)
        return false;
  }
  return true;
}

}  // namespace valdero
