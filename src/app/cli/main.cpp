#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/Opdrachten.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return valdero::cli::VoerUit(args, std::filesystem::current_path(), std::cout, std::cerr);
}
