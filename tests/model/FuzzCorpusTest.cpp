// The fuzzing corpus read again by the ordinary build: the seeds, and every
// input a fuzz run found and kept as a regression, must keep the readers'
// promises here too.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "FuzzDoelen.h"

namespace valdero {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(VALDERO_TESTDATA).parent_path() / "fuzz" / "corpus";

std::vector<std::uint8_t> Bytes(const fs::path& pad) {
  std::ifstream in(pad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzCorpus, EveryTargetHasSeedsAndEveryFolderATarget) {
  std::set<std::string> mappen;
  for (const auto& map : fs::directory_iterator(kCorpus)) mappen.insert(map.path().filename().string());
  std::set<std::string> doelen;
  for (const auto& doel : fuzz::AlleDoelen()) doelen.insert(doel.naam);
  EXPECT_EQ(mappen, doelen);
}

TEST(FuzzCorpus, EveryInputKeepsTheReadersPromises) {
  for (const auto& doel : fuzz::AlleDoelen()) {
    int gelezen = 0;
    for (const auto& bestand : fs::directory_iterator(kCorpus / doel.naam)) {
      const std::vector<std::uint8_t> invoer = Bytes(bestand.path());
      EXPECT_EQ(doel.lees(invoer), "") << doel.naam << ": " << bestand.path().filename();
      ++gelezen;
    }
    EXPECT_GT(gelezen, 0) << doel.naam;
  }
}

}  // namespace
}  // namespace valdero
