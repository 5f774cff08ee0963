#include "core/ByteImage.h"

#include "core/Windows1252.h"

namespace valdero::bytes {

std::string LeesShortStr(const std::uint8_t* p, int n) {
  const int lengte = p[0] > n ? n : p[0];
  return Cp1252NaarUtf8(std::string_view(reinterpret_cast<const char*>(p + 1),
                                         static_cast<std::size_t>(lengte)));
}

void SchrijfShortStr(std::uint8_t* p, int n, std::string_view utf8) {
  std::string cp = Utf8NaarCp1252(utf8);
  if (cp.size() > static_cast<std::size_t>(n)) cp.resize(static_cast<std::size_t>(n));
  p[0] = static_cast<std::uint8_t>(cp.size());
  std::memcpy(p + 1, cp.data(), cp.size());
}

}  // namespace valdero::bytes
