#pragma once
// The one UTF-8 decoder of the program: the book's texts (VolgendTeken,
// character counts, Windows-1252), the bank files' detection and the JSON
// writer all read UTF-8 through it, so they agree on what is a character.

#include <cstddef>
#include <optional>
#include <string_view>

namespace valdero {

// The character at pos when the bytes there are one well-formed sequence (no
// overlong form, no surrogate, no point beyond Unicode), with pos moved past
// it; otherwise nothing, with pos one byte on.
std::optional<char32_t> LeesUtf8Teken(std::string_view utf8, std::size_t& pos);

// Whether the whole text is well-formed UTF-8.
bool IsGeldigeUtf8(std::string_view utf8);

}  // namespace valdero
