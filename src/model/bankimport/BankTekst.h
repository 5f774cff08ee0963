#pragma once
// From the bytes of a bank file to fields: the character set, the lines, and
// the split of one line at a separator with double-quote quoting.

#include <string>
#include <string_view>
#include <vector>

namespace valdero {

// Bank files come as UTF-8 (with or without byte-order mark), as UTF-16
// with its byte-order mark, or as Windows-1252; the result is UTF-8 always. Text that is valid UTF-8 is
// taken as UTF-8: a Windows-1252 text with accents is almost never valid
// UTF-8 by accident.
std::string BankTekstNaarUtf8(std::string_view bytes);

// The lines of a text, broken at CR LF, LF or CR. A line break at the very
// end does not start another line, so only a truly empty last line shows as
// an empty string.
std::vector<std::string> TekstRegels(std::string_view tekst);

// Splits a line into fields. Characters 1 to 32 around fields are skipped; a
// field is either quoted (a doubled quote inside stands for one; a missing
// closing quote gives the rest of the line without its last character) or a
// run of characters above the blank that are not the separator. So a blank
// ends an unquoted field, two separators in a row give an empty field, a
// separator that ends the line adds one empty field, and with TAB as the
// separator empty fields disappear. `fout` is set when the line held a
// character the rules cannot get past (a NUL); the rest of the line is lost.
std::vector<std::string> SplitsRegel(std::string_view regel, char scheiding, bool* fout = nullptr);

// The whole number a text holds (blanks around allowed); 0 for any other text.
int GeheelGetal(std::string_view tekst);


}  // namespace valdero
