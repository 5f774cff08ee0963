#pragma once
// Example books on disk for the loading and command-line tests: a small year
// from the generator, written under any name into a folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestBoek.h"
#include "model/storage/Bestanden.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"
#include "model/example/VoorbeeldBoek.h"

namespace valdero::test {

struct VoorbeeldBestand {
  int jaar = 2008;
  int transacties = 40;
  bool metRelaties = true;
  bool metConfig = true;
  // The day the file is written: its header carries that year as the
  // version stamp.
  double geschreven = 0;
};

// Writes the example year as `naam`.vdr (and .cfg) into `map`.
inline void SchrijfVoorbeeld(const std::filesystem::path& map, const std::string& naam,
                             VoorbeeldBestand v = {}) {
  BoekMetPoorten boek(v.geschreven != 0 ? v.geschreven : MaakDatum(v.jaar, 6, 1));
  Kasboek& kb = boek.kb;
  kb.sessie.Map = map;
  VoorbeeldOpties opties;
  opties.jaar = v.jaar;
  opties.transacties = v.transacties;
  MaakVoorbeeldBoek(kb, opties);
  if (!v.metRelaties) {
    kb.RelatiesAanwezig = false;
    kb.RekLijst[0].Soort.clear();
    kb.RelatieLijst.clear();
  }
  kb.sessie.KasNaam = naam;
  kb.sessie.KasPad = naam + ".vdr";
  ASSERT_TRUE(SchrijfAtomisch(kb.Pad(kb.sessie.KasPad), SchrijfBoek(kb), kb.bestanden()));
  if (v.metConfig) {
    EXPECT_TRUE(SchrijfConfig(kb).Gelukt());
  }
  ASSERT_EQ(kb.IOStatus, 0);
}

}  // namespace valdero::test
