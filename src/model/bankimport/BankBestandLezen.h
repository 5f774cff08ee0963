#pragma once
// Reading the bank file the user named: only a regular file is opened (a
// folder or a named pipe would end the program or keep it waiting), and a
// line longer than any bank writes marks a damaged file, refused while it is
// read rather than after all of it sits in memory.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace valdero {

class Bestandssysteem;

// The longest line a bank writes in its text layouts is a few hundred
// characters; a line of 64 KB is a damaged or hostile file.
inline constexpr std::size_t kLangsteBankRegel = 64 * 1024;
// XML statements may come as one line: every entry on it. A year of a busy
// business account stays well below this.
inline constexpr std::size_t kLangsteXmlRegel = 16 * 1024 * 1024;

enum class BankBestandUitkomst {
  Gelezen,
  GeenBestand,   // missing, a folder, a pipe or another thing that is no regular file
  Onleesbaar,    // opening or reading failed
  TeLangeRegel,  // a line beyond the limit of its kind of file
};

struct BankBestandInhoud {
  BankBestandUitkomst uitkomst = BankBestandUitkomst::Onleesbaar;
  std::string bytes;
  std::size_t regel = 0;  // the too long line, counted from 0
};

// Reads the file in pieces through the file-system port; never throws.
BankBestandInhoud LeesBankBestand(const std::filesystem::path& pad, Bestandssysteem& bestanden);
// The same check on bytes already in memory (a file read elsewhere): true
// when a line is too long, with its number (counted from 0) in `regel`.
bool TeLangeRegel(std::string_view bytes, std::size_t& regel);

}  // namespace valdero
