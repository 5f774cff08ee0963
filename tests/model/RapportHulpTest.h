#pragma once
// Opening a report on a test book the way the overview window does, and its
// text file as the lines a person reads (margin and CR LF taken off).

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "RapportTestBoek.h"
#include "model/core/Windows1252.h"
#include "model/reports/RapportModel.h"
#include "model/reports/RapportSoort.h"

namespace valdero::test {

// The launcher's preparation, then the report; the selection dialog's kinds
// get everything unless the test chose before.
inline bool OpenRapport(RapportBoek& b, RapportModel& model, int soort, int index = 0) {
  Kasboek& kb = b.boek.kb;
  BereidSelectieVoor(kb, b.selectie, soort);
  if (VraagVoor(soort) == SelectieVraag::Klassen && b.selectie.Klassen.empty()) KiesAlleKlassen(kb, b.selectie);
  if (VraagVoor(soort) == SelectieVraag::Soorten && b.selectie.Soorten.empty()) KiesAlleSoorten(kb, b.selectie);
  return model.ShowReport(soort, index);
}

// The bytes of "&Opslaan " split into lines without the line ends; the
// margin is checked and taken off.
inline std::vector<std::string> TekstRegels(const std::string& bytes, int marge = 3) {
  std::vector<std::string> regels;
  std::size_t b = 0;
  while (b < bytes.size()) {
    const std::size_t e = bytes.find("\r\n", b);
    std::string regel = Cp1252NaarUtf8(bytes.substr(b, e == std::string::npos ? std::string::npos : e - b));
    if (regel != "\f") {
      EXPECT_EQ(regel.substr(0, static_cast<std::size_t>(marge)), std::string(static_cast<std::size_t>(marge), ' '))
          << regel;
      regel.erase(0, static_cast<std::size_t>(marge));
    }
    regels.push_back(regel);
    if (e == std::string::npos) break;
    b = e + 2;
  }
  return regels;
}

inline std::string LeesBestand(const std::filesystem::path& pad) {
  std::ifstream f(pad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace valdero::test
