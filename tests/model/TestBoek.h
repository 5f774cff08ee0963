#pragma once
// Small builders for books in file tests: a Kasboek with scripted messages, a
// fixed clock and a fixed printer, in a folder of its own; and helpers that
// add accounts, groups, transactions and relations the way the program
// keeps them (header records at position 0, Max counters = count - 1).

#include <stdlib.h>  // mkdtemp
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/Datum.h"
#include "core/Kasboek.h"
#include "core/Klok.h"
#include "core/Printer.h"
#include "core/ScriptBerichten.h"

namespace valdero::test {

// A fresh folder below the system's temporary folder, removed with its
// contents when the test ends.
class TestMap {
 public:
  TestMap() {
    std::string sjabloon = (std::filesystem::temp_directory_path() / "valdero-XXXXXX").string();
    if (::mkdtemp(sjabloon.data()) == nullptr) std::abort();
    pad_ = sjabloon;
  }
  ~TestMap() {
    std::error_code fout;
    std::filesystem::remove_all(pad_, fout);
  }
  TestMap(const TestMap&) = delete;
  TestMap& operator=(const TestMap&) = delete;

  const std::filesystem::path& pad() const { return pad_; }
  std::filesystem::path operator/(const std::string& naam) const { return pad_ / naam; }

 private:
  std::filesystem::path pad_;
};

inline std::vector<std::uint8_t> LeesBytes(const std::filesystem::path& pad) {
  std::ifstream in(pad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void SchrijfBytes(const std::filesystem::path& pad, const std::vector<std::uint8_t>& inhoud) {
  std::ofstream uit(pad, std::ios::binary | std::ios::trunc);
  uit.write(reinterpret_cast<const char*>(inhoud.data()), static_cast<std::streamsize>(inhoud.size()));
}

// An open book named "Valdr08" in its own folder, dated 5-3-2008, holding only
// its header records, as if just loaded. Not copyable: the book points at
// its ports.
struct BoekInMap {
  ScriptBerichten berichten;
  VasteKlok klok{MaakDatum(2008, 3, 5)};
  VastePrinter printer;
  TestMap map;
  Kasboek kb{Poorten{&berichten, &klok, &printer, ','}};

  BoekInMap() {
    kb.Map = map.pad();
    kb.KasNaam = "Valdr08";
    kb.KasPad = "Valdr08.vdr";
    kb.ConfigPad = "Valdr08.cfg";
    kb.KasJaar = "2008";
    kb.HuidigJaar = "2008";
    kb.StartDatum = MaakDatum(2008, 1, 1);

    TBank rekKop;
    rekKop.Naam = "2008";
    rekKop.RekNrTekst = "1";
    kb.RekLijst = {rekKop};
    TBudget groepKop;
    groepKop.Kode = "-1";
    groepKop.Klasse = "0";
    kb.GroepLijst = {groepKop};
    TKas dummy;
    dummy.GroepKode = "0";
    kb.KasLijst = {dummy};
    kb.ZetMaxTellers();
    kb.FormaatVlag = true;
    kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = true;
  }
  BoekInMap(const BoekInMap&) = delete;
  BoekInMap& operator=(const BoekInMap&) = delete;

  std::filesystem::path BoekPad() const { return kb.Pad(kb.KasPad); }
};

inline TBank& VoegRekeningToe(Kasboek& kb, int rekNr, const std::string& naam,
                              const std::string& soort = "BT") {
  TBank rekening;
  rekening.Index = static_cast<int>(kb.RekLijst.size());
  rekening.RekNr = rekNr;
  rekening.Naam = naam;
  rekening.RekNrTekst = std::to_string(rekNr);
  rekening.Soort = soort;
  kb.RekLijst.push_back(rekening);
  kb.MaxRek = static_cast<std::int32_t>(kb.RekLijst.size()) - 1;
  return kb.RekLijst.back();
}

inline TBudget& VoegGroepToe(Kasboek& kb, const std::string& kode, const std::string& naam,
                             const std::string& klasse = " U ", double budget = 0) {
  TBudget groep;
  groep.Nummer = static_cast<int>(kb.GroepLijst.size());
  groep.Kode = kode;
  groep.Naam = naam;
  groep.Klasse = klasse;
  groep.Budget = budget;
  kb.GroepLijst.push_back(groep);
  kb.MaxGroep = static_cast<std::int32_t>(kb.GroepLijst.size()) - 1;
  return kb.GroepLijst.back();
}

inline TKas& VoegTransactieToe(Kasboek& kb, int rekNr, const std::string& groepKode, double datum,
                               double bedrag, const std::string& omschrijving = {}) {
  TKas kas;
  kas.Index = static_cast<int>(kb.KasLijst.size());
  kas.RekNr = rekNr;
  kas.GroepKode = groepKode;
  kas.Datum = datum;
  kas.Bedrag = bedrag;
  kas.Omschrijving = omschrijving;
  kb.KasLijst.push_back(kas);
  kb.MaxKas = static_cast<std::int32_t>(kb.KasLijst.size()) - 1;
  return kb.KasLijst.back();
}

// The first relation also creates the empty record at position 0.
inline TRelat& VoegRelatieToe(Kasboek& kb, const std::string& naam) {
  if (kb.RelatieLijst.empty()) kb.RelatieLijst.emplace_back();
  TRelat relatie;
  relatie.KasIndex = static_cast<int>(kb.RelatieLijst.size());
  relatie.Naam = naam;
  kb.RelatieLijst.push_back(relatie);
  kb.MaxRelatie = static_cast<std::int32_t>(kb.RelatieLijst.size()) - 1;
  kb.RelatiesAanwezig = true;
  return kb.RelatieLijst.back();
}

inline TValut& VoegValutaToe(Kasboek& kb, const std::string& kode, float koers, bool basis = false) {
  TValut valuta;
  valuta.Basis = basis ? 1 : 0;
  valuta.Kode = kode;
  valuta.Naam = kode;
  valuta.Koers = koers;
  kb.ValutaLijst.push_back(valuta);
  kb.AantalValuta = static_cast<std::int32_t>(kb.ValutaLijst.size());
  if (basis) kb.BasisMunt = kb.AantalValuta - 1;
  return kb.ValutaLijst.back();
}

}  // namespace valdero::test
