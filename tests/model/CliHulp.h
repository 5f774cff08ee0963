#pragma once
// valdero-cli run in-process for the command-line tests, and its JSON read
// back with nlohmann-json, which refuses anything that is not JSON (invalid
// UTF-8 included), so that "the output parses" means something.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "TestBoek.h"
#include "app/cli/Opdrachten.h"

namespace valdero::test {

struct Uitvoer {
  int code;
  std::string uit;
  std::string fout;
};

// The ports a test hands the command (none: the tool's defaults).
struct CliPoorten {
  cli::GrafiekTekenaarLader tekenaar = {};
  cli::WachtwoordLezer wachtwoord = {};
  Bestandssysteem* bestanden = nullptr;
};

inline Uitvoer Cli(const std::filesystem::path& map, const std::vector<std::string>& args,
                   CliPoorten poorten = {}) {
  std::ostringstream uit, fout;
  const int code = cli::VoerUit(args, map, uit, fout, std::move(poorten.tekenaar), nullptr,
                                std::move(poorten.wachtwoord), poorten.bestanden);
  return {code, uit.str(), fout.str()};
}

// Nothing when `tekst` is not exactly one JSON value (white space around it
// allowed).
inline std::optional<nlohmann::json> LeesJson(std::string_view tekst) {
  nlohmann::json w = nlohmann::json::parse(tekst, nullptr, false);
  if (w.is_discarded()) return std::nullopt;
  return w;
}

// The JSON of `tekst`; a failure of the test when it is none.
inline nlohmann::json Json(const std::string& tekst) {
  auto w = LeesJson(tekst);
  EXPECT_TRUE(w.has_value()) << "geen JSON:\n" << tekst.substr(0, 2000);
  return w.value_or(nlohmann::json::object());
}

}  // namespace valdero::test
