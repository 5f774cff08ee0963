#include "model/bankimport/BankBestandLezen.h"

#include <cstdint>
#include <string_view>

#include "model/core/Bestandssysteem.h"

namespace valdero {
namespace {

constexpr std::size_t kStuk = 64 * 1024;

// Counts the length of the current line over the pieces of a file.
class RegelMeter {
 public:
  // Feeds the next piece; false as soon as a line passes the limit.
  bool Voed(std::string_view stuk) {
    if (!soortBekend_) BepaalSoort(stuk);
    for (const char c : stuk) {
      if (c == '\r' || c == '\n') {
        // CR LF counts as one break; a line of its own is no matter here.
        if (!(c == '\n' && vorige_ == '\r')) ++regel_;
        lengte_ = 0;
      } else if (++lengte_ > grens_) {
        return false;
      }
      vorige_ = c;
    }
    return true;
  }
  std::size_t Regel() const { return regel_; }

 private:
  // An XML statement is told by its first character that is not a blank or
  // a byte-order mark (UTF-8 or UTF-16, whose zero bytes are skipped too).
  void BepaalSoort(std::string_view stuk) {
    for (const char c : stuk) {
      const auto u = static_cast<unsigned char>(c);
      if (u == 0xEF || u == 0xBB || u == 0xBF || u == 0xFF || u == 0xFE || u <= 32) continue;
      grens_ = c == '<' ? kLangsteXmlRegel : kLangsteBankRegel;
      soortBekend_ = true;
      return;
    }
  }

  bool soortBekend_ = false;
  std::size_t grens_ = kLangsteBankRegel;
  std::size_t lengte_ = 0;
  std::size_t regel_ = 0;
  char vorige_ = 0;
};

}  // namespace

BankBestandInhoud LeesBankBestand(const std::filesystem::path& pad, Bestandssysteem& bestanden) {
  BankBestandInhoud uit;
  std::error_code fout;
  // status() follows a symbolic link to what it names; only a regular file
  // is opened, so a pipe never blocks and a folder is never read.
  if (!std::filesystem::is_regular_file(std::filesystem::status(pad, fout))) {
    uit.uitkomst = BankBestandUitkomst::GeenBestand;
    return uit;
  }
  int bestand = -1;
  if (bestanden.OpenLezen(pad, bestand) != 0) return uit;
  RegelMeter meter;
  std::string stuk(kStuk, '\0');
  for (;;) {
    std::size_t n = 0;
    if (bestanden.Lees(bestand, reinterpret_cast<std::uint8_t*>(stuk.data()), stuk.size(), n) != 0) {
      // A read error half-way: no part of the file passes for all of it.
      bestanden.Sluit(bestand);
      uit.bytes.clear();
      uit.uitkomst = BankBestandUitkomst::Onleesbaar;
      return uit;
    }
    if (n == 0) break;
    const std::string_view gelezen(stuk.data(), n);
    if (!meter.Voed(gelezen)) {
      bestanden.Sluit(bestand);
      uit.uitkomst = BankBestandUitkomst::TeLangeRegel;
      uit.regel = meter.Regel();
      uit.bytes.clear();
      return uit;
    }
    uit.bytes.append(gelezen);
  }
  bestanden.Sluit(bestand);
  uit.uitkomst = BankBestandUitkomst::Gelezen;
  return uit;
}

bool TeLangeRegel(std::string_view bytes, std::size_t& regel) {
  RegelMeter meter;
  if (meter.Voed(bytes)) return false;
  regel = meter.Regel();
  return true;
}

}  // namespace valdero
