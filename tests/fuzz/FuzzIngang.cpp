// The libFuzzer entry of one target; VALDERO_FUZZ_DOEL names it. A broken
// promise of the target is a finding like a crash: it is printed and the
// run stops, so libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#include "FuzzDoelen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const valdero::fuzz::FuzzDoel* const doel = valdero::fuzz::DoelMetNaam(VALDERO_FUZZ_DOEL);
  if (doel == nullptr) {
    std::fprintf(stderr, "onbekend fuzzdoel %s\n", VALDERO_FUZZ_DOEL);
    std::abort();
  }
  const std::string fout = doel->lees({data, size});
  if (!fout.empty()) {
    std::fprintf(stderr, "%s: %s\n", VALDERO_FUZZ_DOEL, fout.c_str());
    std::abort();
  }
  return 0;
}
