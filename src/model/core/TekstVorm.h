#pragma once
// The form of a text, the same everywhere and whatever the locale: upper
// case and the blanks around it.

#include <string>
#include <string_view>

namespace valdero {

// Upper case of a UTF-8 text: ASCII and the letters of Windows-1252, the
// characters a book file can hold (so "één" and "ÉÉN" compare equal and
// sort together); every other character as it is. A letter keeps its length
// in bytes.
std::string Hoofdletters(std::string_view utf8);

// The text without the blanks at its start and its end.
std::string Getrimd(std::string_view tekst);

}  // namespace valdero
