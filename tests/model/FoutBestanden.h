#pragma once
// A file system that fails one chosen step: every call is passed on to the
// operating system's, except the one whose turn is `faaltBij`, which fails
// with `fout` and does nothing. The steps taken are recorded by name, so a
// test can first count them and then fail each in turn.

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "model/core/Bestandssysteem.h"
#include "model/storage/Bestanden.h"

namespace valdero::test {

class FoutBestanden final : public Bestandssysteem {
 public:
  int faaltBij = -1;
  int fout = EIO;
  // Writes no more than this per call (0: all), so that the loop around
  // short writes is walked too.
  std::size_t hoogstensPerSchrijf = 0;
  // Steps that fail every time they come ("Koppel": a file system without
  // links), besides the one of `faaltBij`.
  std::set<std::string> faaltAltijd;
  std::vector<std::string> stappen;

  int MaakNieuw(const std::filesystem::path& pad, unsigned rechten, int& bestand) override {
    if (Faalt("MaakNieuw")) return fout;
    return echt_.MaakNieuw(pad, rechten, bestand);
  }
  int OpenLezen(const std::filesystem::path& pad, int& bestand) override {
    if (Faalt("OpenLezen")) return fout;
    return echt_.OpenLezen(pad, bestand);
  }
  int Schrijf(int bestand, const std::uint8_t* data, std::size_t n, std::size_t& geschreven) override {
    if (Faalt("Schrijf")) return fout;
    if (hoogstensPerSchrijf != 0 && n > hoogstensPerSchrijf) n = hoogstensPerSchrijf;
    return echt_.Schrijf(bestand, data, n, geschreven);
  }
  int Lees(int bestand, std::uint8_t* data, std::size_t n, std::size_t& gelezen) override {
    if (Faalt("Lees")) return fout;
    return echt_.Lees(bestand, data, n, gelezen);
  }
  int Flush(int bestand) override { return Faalt("Flush") ? fout : echt_.Flush(bestand); }
  int Sluit(int bestand) override {
    // A failed close still gives the handle back, as the system's does.
    const int uitkomst = echt_.Sluit(bestand);
    return Faalt("Sluit") ? fout : uitkomst;
  }
  int Koppel(const std::filesystem::path& bestaand, const std::filesystem::path& nieuw) override {
    return Faalt("Koppel") ? fout : echt_.Koppel(bestaand, nieuw);
  }
  int Hernoem(const std::filesystem::path& van, const std::filesystem::path& naar) override {
    return Faalt("Hernoem") ? fout : echt_.Hernoem(van, naar);
  }
  int Verwijder(const std::filesystem::path& pad) override {
    return Faalt("Verwijder") ? fout : echt_.Verwijder(pad);
  }
  int FlushMap(const std::filesystem::path& map) override {
    return Faalt("FlushMap") ? fout : echt_.FlushMap(map);
  }
  int MaakMap(const std::filesystem::path& map) override {
    return Faalt("MaakMap") ? fout : echt_.MaakMap(map);
  }

 private:
  bool Faalt(const char* stap) {
    const bool faalt = static_cast<int>(stappen.size()) == faaltBij || faaltAltijd.count(stap) != 0;
    stappen.push_back(faalt ? std::string(stap) + " (faalt)" : std::string(stap));
    return faalt;
  }
  Bestandssysteem& echt_ = EchtBestandssysteem();
};

// The files a save writes first and leaves behind when it is torn off.
inline std::vector<std::filesystem::path> TijdelijkeBestanden(const std::filesystem::path& map) {
  std::vector<std::filesystem::path> uit;
  for (const auto& e : std::filesystem::directory_iterator(map))
    if (e.path().extension() == kTijdelijkEinde) uit.push_back(e.path());
  return uit;
}

}  // namespace valdero::test
