#pragma once
// The one set of book builders for the tests: a Kasboek that owns its ports
// (scripted messages, a fixed clock, a fixed printer) and holds the header
// records of its lists, free functions that add accounts, groups,
// transactions, relations, currencies, classes and kinds the way the program
// keeps them (header records at position 0, Max counters = count - 1), a
// temporary folder, and the small scenario books several test files share.
// Every type lives in valdero::test under a name of its own: two inline
// classes with one name in one test binary would silently share code.

#include <stdlib.h>  // mkdtemp
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/core/BoekMetPoorten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/Printer.h"
#include "model/core/ScriptBerichten.h"

namespace valdero::test {

// An open book with its own ports, holding only the header records of the
// account, group and transaction lists.
struct BoekMetPoorten : valdero::BoekMetPoorten {
  explicit BoekMetPoorten(double vandaag) : valdero::BoekMetPoorten(vandaag) {
    kb.RekLijst.assign(1, TBank{});
    kb.GroepLijst.assign(1, TBudget{});
    kb.GroepLijst[0].Kode = "-1";
    kb.KasLijst.assign(1, TKas{});
    kb.KasLijst[0].GroepKode = "0";
  }
};

// As if the three lists had been read from disk.
inline void MarkeerGelezen(Kasboek& kb) { kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = true; }

inline TBank& VoegRekeningToe(Kasboek& kb, int rekNr, const std::string& naam,
                              const std::string& soort = "BT", int munt = 0) {
  TBank rekening;
  rekening.Index = static_cast<int>(kb.RekLijst.size());
  rekening.RekNr = rekNr;
  rekening.Naam = naam;
  rekening.RekNrTekst = std::to_string(rekNr);
  rekening.Soort = soort;
  rekening.Munt = munt;
  kb.RekLijst.push_back(rekening);
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
  return kb.GroepLijst.back();
}

// Appended at the end of the list; callers that need date order sort or use
// PlaatsKas themselves.
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
  return kb.KasLijst.back();
}

// The first relation also creates the empty record at position 0.
inline TRelat& VoegRelatieToe(Kasboek& kb, const std::string& naam) {
  if (kb.RelatieLijst.empty()) kb.RelatieLijst.emplace_back();
  TRelat relatie;
  relatie.KasIndex = static_cast<int>(kb.RelatieLijst.size());
  relatie.Naam = naam;
  kb.RelatieLijst.push_back(relatie);
  kb.RelatiesAanwezig = true;
  return kb.RelatieLijst.back();
}

// The base currency also becomes the book's base (and auxiliary) currency.
inline TValut& VoegValutaToe(Kasboek& kb, const std::string& kode, float koers, bool basis = false,
                             const std::string& naam = {}) {
  TValut valuta;
  valuta.Basis = basis ? 1 : 0;
  valuta.Kode = kode;
  valuta.Naam = naam.empty() ? kode : naam;
  valuta.Koers = koers;
  kb.ValutaLijst.push_back(valuta);
  if (basis) kb.BasisMunt = kb.weergave.HulpMunt = kb.AantalValuta() - 1;
  return kb.ValutaLijst.back();
}

// The book's VAT switch (BtwActief) is left to the caller.
inline TKlasse02& VoegKlasseToe(Kasboek& kb, const std::string& letter, const std::string& naam,
                                int btwSoort = 0, float btwPerc = 0) {
  TKlasse02 klasse;
  klasse.Letter = letter;
  klasse.Naam = naam;
  klasse.BtwSoort = btwSoort;
  klasse.BtwPerc = btwPerc;
  kb.KlasseLijst.push_back(klasse);
  return kb.KlasseLijst.back();
}

// An account kind: its name starts with its two-letter code ("BT betalingen").
inline void VoegSoortToe(Kasboek& kb, const std::string& naam) {
  TRekSoort soort;
  soort.Naam = naam;
  kb.SoortLijst.push_back(soort);
  kb.SoortKodes.push_back(naam.substr(0, 2));
}

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
// its header records, as if just loaded.
struct BoekInMap : BoekMetPoorten {
  TestMap map;

  BoekInMap() : BoekMetPoorten(MaakDatum(2008, 3, 5)) {
    kb.sessie.Map = map.pad();
    kb.sessie.KasNaam = "Valdr08";
    kb.sessie.KasPad = "Valdr08.vdr";
    kb.sessie.ConfigPad = "Valdr08.cfg";
    kb.KasJaar = "2008";
    kb.sessie.HuidigJaar = "2008";
    kb.StartDatum = MaakDatum(2008, 1, 1);
    kb.RekLijst[0].Naam = "2008";
    kb.RekLijst[0].RekNrTekst = "1";
    kb.GroepLijst[0].Klasse = "0";
    kb.FormaatVlag = true;
    MarkeerGelezen(kb);
  }

  std::filesystem::path BoekPad() const { return kb.Pad(kb.sessie.KasPad); }
};

// A read book of 15-3-2026 with the seven standard account kinds and the
// euro (base), the dollar and a third currency; one-line builders for the
// rest. Used through `->` and `*` like the Kasboek it holds.
struct TestBoek : BoekMetPoorten {
  TestBoek() : BoekMetPoorten(MaakDatum(2026, 3, 15)) {
    MarkeerGelezen(kb);
    for (const char* s : {"BT betalingen", "BZ bezittingen", "EF effecten", "LN leningen",
                          "SP sparen ", "TR tranferrek.", "ZN zonder naam"})
      VoegSoortToe(kb, s);
    Valuta("Eur", 1.0f, true);
    Valuta("USD", 0.8f);
    Valuta("ENP", 1.48f);
  }

  Kasboek& operator*() { return kb; }
  Kasboek* operator->() { return &kb; }

  void Valuta(const std::string& kode, float koers, bool basis = false) {
    VoegValutaToe(kb, kode, koers, basis);
  }
  TBank& Rekening(int nr, const std::string& naam, const std::string& soort = "BT", int munt = 0) {
    return VoegRekeningToe(kb, nr, naam, soort, munt);
  }
  TBudget& Groep(const std::string& kode, const std::string& naam, const std::string& klasse = " U ") {
    return VoegGroepToe(kb, kode, naam, klasse);
  }
  TKas& Boeking(int rekNr, const std::string& kode, double bedrag, double datum = MaakDatum(2025, 6, 1)) {
    return VoegTransactieToe(kb, rekNr, kode, datum, bedrag, "boeking");
  }
};

}  // namespace valdero::test
