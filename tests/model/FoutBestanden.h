#pragma once
// A file system that fails one chosen step: every call is passed on to the
// operating system's, except the one whose turn is `faaltBij`, which fails
// with `fout` and does nothing. The steps taken are recorded by name, so a
// test can first count them and then fail each in turn. With `alleenVoor`
// set, the steps of `faaltAltijd` fail only on files whose names begin with
// it (a save's temporary file begins with its target's name), so that one
// kind of file fails while the book around it is read and written.

#include <cerrno>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/core/Bestandssysteem.h"
#include "model/core/SysteemBestanden.h"
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
  std::string alleenVoor;
  std::vector<std::string> stappen;

  int MaakNieuw(const std::filesystem::path& pad, unsigned rechten, int& bestand) override {
    if (Faalt("MaakNieuw", pad)) return fout;
    const int uitkomst = echt_.MaakNieuw(pad, rechten, bestand);
    if (uitkomst == 0) namen_[bestand] = pad;
    return uitkomst;
  }
  int OpenLezen(const std::filesystem::path& pad, int& bestand) override {
    if (Faalt("OpenLezen", pad)) return fout;
    const int uitkomst = echt_.OpenLezen(pad, bestand);
    if (uitkomst == 0) namen_[bestand] = pad;
    return uitkomst;
  }
  int Schrijf(int bestand, const std::uint8_t* data, std::size_t n, std::size_t& geschreven) override {
    if (Faalt("Schrijf", Naam(bestand))) return fout;
    if (hoogstensPerSchrijf != 0 && n > hoogstensPerSchrijf) n = hoogstensPerSchrijf;
    return echt_.Schrijf(bestand, data, n, geschreven);
  }
  int Lees(int bestand, std::uint8_t* data, std::size_t n, std::size_t& gelezen) override {
    if (Faalt("Lees", Naam(bestand))) return fout;
    return echt_.Lees(bestand, data, n, gelezen);
  }
  int Flush(int bestand) override { return Faalt("Flush", Naam(bestand)) ? fout : echt_.Flush(bestand); }
  int Sluit(int bestand) override {
    // A failed close still gives the handle back, as the system's does.
    const std::filesystem::path naam = Naam(bestand);
    namen_.erase(bestand);
    const int uitkomst = echt_.Sluit(bestand);
    return Faalt("Sluit", naam) ? fout : uitkomst;
  }
  int Koppel(const std::filesystem::path& bestaand, const std::filesystem::path& nieuw) override {
    return Faalt("Koppel", nieuw) ? fout : echt_.Koppel(bestaand, nieuw);
  }
  int Hernoem(const std::filesystem::path& van, const std::filesystem::path& naar) override {
    return Faalt("Hernoem", naar) ? fout : echt_.Hernoem(van, naar);
  }
  int Verwijder(const std::filesystem::path& pad) override {
    return Faalt("Verwijder", pad) ? fout : echt_.Verwijder(pad);
  }
  int FlushMap(const std::filesystem::path& map) override {
    return Faalt("FlushMap", map) ? fout : echt_.FlushMap(map);
  }
  int MaakMap(const std::filesystem::path& map) override {
    return Faalt("MaakMap", map) ? fout : echt_.MaakMap(map);
  }

 private:
  bool Faalt(const char* stap, const std::filesystem::path& pad) {
    const bool bedoeld = alleenVoor.empty() || pad.filename().string().rfind(alleenVoor, 0) == 0;
    const bool faalt =
        static_cast<int>(stappen.size()) == faaltBij || (faaltAltijd.count(stap) != 0 && bedoeld);
    stappen.push_back(faalt ? std::string(stap) + " (faalt)" : std::string(stap));
    return faalt;
  }
  std::filesystem::path Naam(int bestand) const {
    const auto it = namen_.find(bestand);
    return it == namen_.end() ? std::filesystem::path() : it->second;
  }

  SysteemBestanden echt_;
  std::map<int, std::filesystem::path> namen_;
};

// The files a save writes first and leaves behind when it is torn off.
inline std::vector<std::filesystem::path> TijdelijkeBestanden(const std::filesystem::path& map) {
  std::vector<std::filesystem::path> uit;
  for (const auto& e : std::filesystem::directory_iterator(map))
    if (e.path().extension() == kTijdelijkEinde) uit.push_back(e.path());
  return uit;
}

}  // namespace valdero::test
