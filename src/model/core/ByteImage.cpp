#include "model/core/ByteImage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "model/core/Windows1252.h"

namespace valdero::bytes {

std::string LeesShortStr(const std::uint8_t* p, int n) {
  const int lengte = p[0] > n ? n : p[0];
  const std::string_view ruw(reinterpret_cast<const char*>(p + 1), static_cast<std::size_t>(lengte));
  return IsAscii(ruw) ? std::string(ruw) : Cp1252NaarUtf8(ruw);
}

void LeesShortStr(std::string& doel, const std::uint8_t* p, int n) {
  const int lengte = p[0] > n ? n : p[0];
  const std::string_view ruw(reinterpret_cast<const char*>(p + 1), static_cast<std::size_t>(lengte));
  if (IsAscii(ruw))
    doel.assign(ruw);
  else
    doel = Cp1252NaarUtf8(ruw);
}

void SchrijfShortStr(std::uint8_t* p, int n, std::string_view utf8) {
  if (IsAscii(utf8)) {
    const std::size_t lengte = std::min(utf8.size(), static_cast<std::size_t>(n));
    p[0] = static_cast<std::uint8_t>(lengte);
    std::memcpy(p + 1, utf8.data(), lengte);
    return;
  }
  std::string cp = Utf8NaarCp1252(utf8);
  if (cp.size() > static_cast<std::size_t>(n)) cp.resize(static_cast<std::size_t>(n));
  p[0] = static_cast<std::uint8_t>(cp.size());
  std::memcpy(p + 1, cp.data(), cp.size());
}

}  // namespace valdero::bytes
