#pragma once
// Reads a file image front to back and never past its end: a reader of
// damaged files must refuse a count the remaining bytes cannot back, before
// it reserves memory for it. The image is either all in memory or read from
// the file a piece at a time.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "model/core/ByteImage.h"
#include "model/core/Voortgang.h"
#include "model/storage/GrotePaginas.h"

namespace valdero {

class ByteLezer {
 public:
  // Fills `data` with at most `n` bytes and says how many in `gelezen` (0 at
  // the end); false when the reading failed.
  using Aanvoer = std::function<bool(std::uint8_t* data, std::size_t n, std::size_t& gelezen)>;

  // A whole image in memory.
  explicit ByteLezer(std::span<const std::uint8_t> inhoud)
      : venster_(inhoud.data()), inVenster_(inhoud.size()), totaal_(inhoud.size()) {}
  // A file of `totaal` bytes read in pieces of `blok` bytes, so that opening
  // a large book never holds its whole image in memory beside the records.
  // A piece of a quarter megabyte stays in the processor's cache while its
  // records are read; larger pieces read slower, and so does laying the file
  // in memory with mmap (measured for the balances alone: 15 ms against 31
  // ms for the 38 MB year on a virtual machine, where setting up pages is
  // dear).
  ByteLezer(Aanvoer aanvoer, std::uint64_t totaal, std::size_t blok = 256 * 1024)
      : aanvoer_(std::move(aanvoer)), buffer_(blok), venster_(buffer_.data()), totaal_(totaal) {}

  ByteLezer(const ByteLezer&) = delete;
  ByteLezer& operator=(const ByteLezer&) = delete;

  // The spare room of a list of records read: one part in kRuimtePerDeel,
  // and at least kRuimteMin.
  static constexpr std::size_t kRuimtePerDeel = 32;
  static constexpr std::size_t kRuimteMin = 64;

  std::uint64_t Over() const { return positie_ < totaal_ ? totaal_ - positie_ : 0; }
  // The reading itself failed (not the content): the file could not be read.
  bool Leesfout() const { return leesfout_; }
  // Each record read moves this on, in bytes of the whole.
  void Meld(VoortgangMelder* melder) { melder_ = melder; }

  bool LeesI32(std::int32_t& waarde) {
    const std::uint8_t* p = Neem(4);
    if (!p) return false;
    waarde = bytes::LeesI32(p);
    return true;
  }

  // Records 0..hoogste (a highest position of -1 means none). False, with
  // the list left empty, when the count is negative beyond -1 or more records
  // than the remaining bytes hold.
  // `na(record, positie)` finishes each record as it is read, while it is
  // still in the cache.
  template <class Record, class Na = void (*)(Record&, std::size_t)>
  bool LeesRecords(std::int32_t hoogste, std::vector<Record>& lijst,
                   Na na = [](Record&, std::size_t) {}) {
    lijst.clear();
    if (hoogste < -1) return false;
    const auto aantal = static_cast<std::uint64_t>(std::int64_t{hoogste} + 1);
    if (aantal > Over() / Record::Grootte) return false;
    // Room for the records a session adds (an import of a bank file of
    // some thousand lines into a large year) without moving every record
    // to a larger block at the first one.
    const auto n = static_cast<std::size_t>(aantal);
    lijst.reserve(n + n / kRuimtePerDeel + kRuimteMin);
    VraagGrotePaginas(lijst.data(), lijst.capacity() * sizeof(Record));
    // Each record is made and read in one pass, while its memory is still
    // in the cache, instead of a pass that clears them all first.
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint8_t* p = Neem(Record::Grootte);
      if (!p) {  // the file ended before its size said it would
        lijst.clear();
        return false;
      }
      Record& record = lijst.emplace_back();
      record.Lees(p);
      na(record, i);
    }
    return true;
  }

  // The images of records 0..hoogste of `grootte` bytes each, handed to
  // `doe(bytes, positie)` one at a time and kept nowhere. False, as for
  // LeesRecords, for a count the bytes cannot back or a file that ends
  // early, and when `doe` returns false (it wants no more).
  template <class Doe>
  bool LoopRecords(std::int32_t hoogste, std::size_t grootte, Doe doe) {
    if (hoogste < -1) return false;
    const auto aantal = static_cast<std::uint64_t>(std::int64_t{hoogste} + 1);
    if (aantal > Over() / grootte) return false;
    for (std::uint64_t i = 0; i < aantal; ++i) {
      const std::uint8_t* p = Neem(grootte);
      if (!p || !doe(p, static_cast<std::size_t>(i))) return false;
    }
    return true;
  }

 private:
  // The next n bytes, in one piece; null when there are no n bytes left.
  const std::uint8_t* Neem(std::size_t n) {
    if (inVenster_ - begin_ < n && !Vul(n)) return nullptr;
    const std::uint8_t* p = venster_ + begin_;
    begin_ += n;
    positie_ += n;
    if (melder_) melder_->Stap(positie_);
    return p;
  }

  // Moves what is left of the piece to the front of the buffer and reads
  // after it until n bytes are there.
  bool Vul(std::size_t n) {
    if (!aanvoer_ || leesfout_ || n > buffer_.size()) return false;
    const std::size_t rest = inVenster_ - begin_;
    std::memmove(buffer_.data(), buffer_.data() + begin_, rest);
    begin_ = 0;
    inVenster_ = rest;
    while (inVenster_ < n) {
      std::size_t gelezen = 0;
      if (!aanvoer_(buffer_.data() + inVenster_, buffer_.size() - inVenster_, gelezen)) {
        leesfout_ = true;
        return false;
      }
      if (gelezen == 0) return false;
      inVenster_ += gelezen;
    }
    return true;
  }

  Aanvoer aanvoer_;
  std::vector<std::uint8_t> buffer_;
  const std::uint8_t* venster_;
  std::size_t inVenster_ = 0;  // bytes in the window
  std::size_t begin_ = 0;      // the next unread byte of the window
  std::uint64_t totaal_;
  std::uint64_t positie_ = 0;  // bytes taken from the whole
  bool leesfout_ = false;
  VoortgangMelder* melder_ = nullptr;
};

// Appends record images and counts to a growing file image.
class ByteSchrijver {
 public:
  void SchrijfI32(std::int32_t waarde) {
    inhoud.resize(inhoud.size() + 4);
    bytes::SchrijfI32(inhoud.data() + inhoud.size() - 4, waarde);
  }
  template <class Record>
  void Schrijf(const Record& record) {
    inhoud.resize(inhoud.size() + Record::Grootte);
    record.Schrijf(inhoud.data() + inhoud.size() - Record::Grootte);
  }
  std::uint8_t* Laatste(std::size_t grootte) { return inhoud.data() + inhoud.size() - grootte; }

  std::vector<std::uint8_t> inhoud;
};

}  // namespace valdero
