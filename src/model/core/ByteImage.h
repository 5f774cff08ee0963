#pragma once
// Little-endian field access inside a record's byte image, and the counted
// strings of the files. Records are coded field by field, never by copying
// a struct, so the layout does not depend on the compiler.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace valdero::bytes {

inline std::uint16_t LeesU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::int16_t LeesI16(const std::uint8_t* p) { return static_cast<std::int16_t>(LeesU16(p)); }
inline std::uint32_t LeesU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int32_t LeesI32(const std::uint8_t* p) { return static_cast<std::int32_t>(LeesU32(p)); }
inline float LeesF32(const std::uint8_t* p) {
  const std::uint32_t u = LeesU32(p);
  float f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}
inline double LeesF64(const std::uint8_t* p) {
  const std::uint64_t u = static_cast<std::uint64_t>(LeesU32(p)) |
                          (static_cast<std::uint64_t>(LeesU32(p + 4)) << 32);
  double d;
  std::memcpy(&d, &u, sizeof d);
  return d;
}

inline void SchrijfU16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void SchrijfU32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void SchrijfI32(std::uint8_t* p, std::int32_t v) { SchrijfU32(p, static_cast<std::uint32_t>(v)); }
inline void SchrijfF32(std::uint8_t* p, float f) {
  std::uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  SchrijfU32(p, u);
}
inline void SchrijfF64(std::uint8_t* p, double d) {
  std::uint64_t u;
  std::memcpy(&u, &d, sizeof u);
  SchrijfU32(p, static_cast<std::uint32_t>(u));
  SchrijfU32(p + 4, static_cast<std::uint32_t>(u >> 32));
}

// A counted string of at most n characters: a length byte and n bytes.
// A length byte beyond n is read as n.
std::string LeesShortStr(const std::uint8_t* p, int n);
// The same into an existing string, without a temporary: for the records
// of a large book.
void LeesShortStr(std::string& doel, const std::uint8_t* p, int n);
// Writes the length and the characters; bytes after the used length keep
// whatever the buffer holds. Text longer than n characters is cut.
void SchrijfShortStr(std::uint8_t* p, int n, std::string_view utf8);

}  // namespace valdero::bytes
