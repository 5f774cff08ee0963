#pragma once
// Reads a file image front to back and never past its end: a reader of
// damaged files must refuse a count the remaining bytes cannot back, before
// it reserves memory for it.

#include <cstdint>
#include <span>
#include <vector>

#include "model/core/ByteImage.h"

namespace valdero {

class ByteLezer {
 public:
  explicit ByteLezer(std::span<const std::uint8_t> inhoud) : inhoud_(inhoud) {}

  std::size_t Over() const { return inhoud_.size() - positie_; }

  bool LeesI32(std::int32_t& waarde) {
    if (Over() < 4) return false;
    waarde = bytes::LeesI32(inhoud_.data() + positie_);
    positie_ += 4;
    return true;
  }

  // Records 0..hoogste (a highest position of -1 means none). False, with
  // the list left empty, when the count is negative beyond -1 or more records
  // than the remaining bytes hold.
  template <class Record>
  bool LeesRecords(std::int32_t hoogste, std::vector<Record>& lijst) {
    lijst.clear();
    if (hoogste < -1) return false;
    const auto aantal = static_cast<std::size_t>(std::int64_t{hoogste} + 1);
    if (aantal > Over() / Record::Grootte) return false;
    lijst.resize(aantal);
    for (auto& record : lijst) {
      record.Lees(inhoud_.data() + positie_);
      positie_ += Record::Grootte;
    }
    return true;
  }

 private:
  std::span<const std::uint8_t> inhoud_;
  std::size_t positie_ = 0;
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
