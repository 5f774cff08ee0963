#pragma once
// A piece of a book file laid into memory by the system without copying it,
// for a reading that looks at a few bytes of every record: copying the whole
// file costs more than the looking. Only with the system's own file port
// (SysteemBestanden); a port put in by a test, and a system that refuses,
// give null, and the reader then reads as always.

#include <cstddef>
#include <cstdint>

namespace valdero {

class Bestandssysteem;

// Pieces start at a multiple of this (a multiple of every page size).
inline constexpr std::uint64_t kKaartUitlijning = std::uint64_t{1} << 16;

// The bytes [van, van + n) of `bestand`, opened for reading through
// `bestanden`; `van` a multiple of kKaartUitlijning. Null when not possible.
const std::uint8_t* BrengInGeheugen(Bestandssysteem& bestanden, int bestand, std::uint64_t van, std::size_t n);
// Gives a piece back; nothing for null.
void HaalUitGeheugen(const std::uint8_t* stuk, std::size_t n);

}  // namespace valdero
