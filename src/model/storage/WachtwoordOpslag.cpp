#include "model/storage/WachtwoordOpslag.h"

#include <array>
#include <cstdint>

#include "model/core/Kasboek.h"
#include "model/core/Records.h"
#include "model/core/Windows1252.h"

namespace valdero {
namespace {

// Changing these makes every stored password unreadable.
constexpr std::array<std::uint8_t, 6> kSleutel = {0x4B, 0x1D, 0x92, 0x37, 0xE8, 0x65};
constexpr std::size_t kEerste = 8;

}  // namespace

void BewaarWachtwoord(TBudget& groepKop, const std::string& wachtwoord) {
  const std::string tekens = Utf8NaarCp1252(EersteTekens(wachtwoord, kSleutel.size()));
  for (std::size_t i = 0; i < kSleutel.size(); ++i) {
    const auto teken = i < tekens.size() ? static_cast<std::uint8_t>(tekens[i]) : std::uint8_t{0};
    groepKop.ruw[kEerste + i] = static_cast<std::uint8_t>(teken + kSleutel[i]);
  }
}

std::string LaadWachtwoord(const TBudget& groepKop) {
  std::string tekens;
  for (std::size_t i = 0; i < kSleutel.size(); ++i)
    tekens += static_cast<char>(static_cast<std::uint8_t>(groepKop.ruw[kEerste + i] - kSleutel[i]));
  return Cp1252NaarUtf8(tekens);
}

std::string LaadWachtwoord(const Kasboek& kb) {
  if (kb.GroepLijst.empty()) return kGeenWachtwoord;
  return LaadWachtwoord(kb.GroepLijst.front());
}

}  // namespace valdero
