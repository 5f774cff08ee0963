#pragma once
// The bytes of a record's image that its fields do not give back (reserved
// bytes, text after a string's length), kept only when one of them is not
// zero. A year of a hundred thousand transactions holds 38 MB of images of
// which nearly every byte outside the fields is zero: keeping each image
// whole would double the memory of the open book and the time to open it.
// Absent, the image reads as all zeros, which is what a new record writes.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace valdero {

template <std::size_t N>
class BewaardBeeld {
 public:
  using Beeld = std::array<std::uint8_t, N>;

  BewaardBeeld() = default;
  BewaardBeeld(const BewaardBeeld& ander) : beeld_(Kopie(ander)) {}
  BewaardBeeld& operator=(const BewaardBeeld& ander) {
    if (this != &ander) beeld_ = Kopie(ander);
    return *this;
  }
  BewaardBeeld(BewaardBeeld&&) noexcept = default;
  BewaardBeeld& operator=(BewaardBeeld&&) noexcept = default;

  bool Leeg() const { return !beeld_; }
  std::uint8_t operator[](std::size_t i) const { return beeld_ ? (*beeld_)[i] : 0; }
  // Writing one byte keeps the whole image from then on.
  std::uint8_t& operator[](std::size_t i) {
    if (!beeld_) beeld_ = std::make_unique<Beeld>();
    return (*beeld_)[i];
  }

  void Bewaar(const std::uint8_t* bron) {
    if (!beeld_) beeld_ = std::make_unique<Beeld>();
    std::copy(bron, bron + N, beeld_->begin());
  }
  void Vergeet() { beeld_.reset(); }

  // The image as kept, the base on which the fields are written.
  void Schrijf(std::uint8_t* doel) const {
    if (beeld_)
      std::copy(beeld_->begin(), beeld_->end(), doel);
    else
      std::fill(doel, doel + N, std::uint8_t{0});
  }

 private:
  static std::unique_ptr<Beeld> Kopie(const BewaardBeeld& ander) {
    return ander.beeld_ ? std::make_unique<Beeld>(*ander.beeld_) : nullptr;
  }

  std::unique_ptr<Beeld> beeld_;
};

}  // namespace valdero
