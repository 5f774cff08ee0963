#include "model/storage/GrotePaginas.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace valdero {

void VraagGrotePaginas(void* begin, std::size_t grootte) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kGroot = std::uintptr_t{2} << 20;
  // Smaller blocks gain too little to be worth a system call.
  if (grootte < 2 * kGroot) return;
  const auto van = (reinterpret_cast<std::uintptr_t>(begin) + kGroot - 1) & ~(kGroot - 1);
  const auto tot = (reinterpret_cast<std::uintptr_t>(begin) + grootte) & ~(kGroot - 1);
  if (tot > van) static_cast<void>(::madvise(reinterpret_cast<void*>(van), tot - van, MADV_HUGEPAGE));
#else
  static_cast<void>(begin);
  static_cast<void>(grootte);
#endif
}

}  // namespace valdero
