#pragma once
// The readers that take bytes from outside the program (books, their
// configurations, typed amounts and dates, bank files) as fuzz targets. Each
// target reads one input the way the program does and checks what must hold
// for any input; it returns what went wrong, or an empty text. The libFuzzer
// harnesses (one executable per target) and the replay of the corpus in the
// model tests run the same targets.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace valdero::fuzz {

using Invoer = std::span<const std::uint8_t>;

struct FuzzDoel {
  std::string naam;  // also the folder of its corpus under tests/fuzz/corpus
  std::string (*lees)(Invoer invoer);
};

const std::vector<FuzzDoel>& AlleDoelen();
// nullptr for an unknown name.
const FuzzDoel* DoelMetNaam(std::string_view naam);

}  // namespace valdero::fuzz
