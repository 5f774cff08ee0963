#pragma once
// The open book as it was before a command began to rebuild it, so that a
// cancelled command leaves the user's book in memory exactly as it was (and
// a later Save cannot write a half-built book over it).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/core/Records.h"

namespace valdero {

class Kasboek;
class BoekSleutel;

class BoekMomentopname {
 public:
  explicit BoekMomentopname(const Kasboek& kb);
  void Herstel(Kasboek& kb) const;

 private:
  std::vector<TBank> rekLijst_;
  std::vector<TBudget> groepLijst_;
  std::vector<TKas> kasLijst_;
  std::vector<TRelat> relatieLijst_;
  std::string wachtwoord_;
  std::shared_ptr<const BoekSleutel> sleutel_;
  bool relatiesAanwezig_;
  std::int32_t maxRek_, maxGroep_, maxKas_;
  bool rekGelezen_, groepGelezen_, kasGelezen_, formaatVlag_;
  bool rekeningenOpNaam_, groepenOpNaam_;
  int vlaggen_;
  std::string kasNaam_, kasPad_, kasJaar_;
};

}  // namespace valdero
