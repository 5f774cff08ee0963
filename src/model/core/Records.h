#pragma once
// The records of a cash book and its configuration. Each record keeps the
// byte image it was read from (`ruw`): reserved bytes and the unused tails of
// counted strings are written back exactly as found. A transaction keeps it
// only when it holds more than its fields (BewaardBeeld.h). The field layouts
// are documented in docs/file-format.md.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/core/BewaardBeeld.h"

namespace valdero {

template <std::size_t N>
using ByteBeeld = std::array<std::uint8_t, N>;

// One transaction ("kasrecord").
struct TKas {
  static constexpr std::size_t Grootte = 382;
  // Where the fields a balance needs sit in the image: a load for the
  // balances alone reads these and nothing else.
  static constexpr std::size_t PlekRekNr = 2;
  static constexpr std::size_t PlekGroepKode = 6;
  static constexpr int GroepKodeRuimte = 4;
  static constexpr std::size_t PlekDatum = 14;
  static constexpr std::size_t PlekBedrag = 72;
  static constexpr std::size_t PlekBetaaldatum = 349;
  int Index = 0;
  int RekNr = 0;
  int VolgBlad = 0;  // bits 6..15 sequence number, bits 0..5 sheet number
  std::string GroepKode;
  std::string ActieKode;
  double Datum = 0;
  std::string TegenRekNr;
  std::string Relatie;
  int TegenRek = 0;
  int TegenVolgBlad = 0;
  double Bedrag = 0;
  float MuntKoers = 1.0f;
  std::string Omschrijving;
  int Munt = 0;
  int BoekSoort = 0;  // low byte booking mode, high byte VAT kind
  int Extra1 = 0;
  int Belegging = 0;
  double PayDate = 0;
  float Aantal = 0;
  float Prijs = 0;
  BewaardBeeld<Grootte> ruw;

  int Volgnr() const { return (VolgBlad >> 6) & 0x3FF; }
  int Blad() const { return VolgBlad & 0x3F; }
  static int MaakVolgBlad(int volgnr, int blad) { return ((volgnr & 0x3FF) << 6) | (blad & 0x3F); }
  // Kinds from 10 up are investments. The high byte only says which VAT rate
  // applied, so a booking with VAT is no investment.
  static bool IsBeleggingsSoort(int boekSoort) { return (boekSoort & 0xFF) >= 10; }

  void Lees(const std::uint8_t* bron);
  void Schrijf(std::uint8_t* doel) const;
};

// One account ("rekening").
struct TBank {
  static constexpr std::size_t Grootte = 47;
  int Index = 0;
  int RekNr = 0;
  std::string Naam;
  std::string RekNrTekst;
  std::string Soort;
  int Munt = 0;
  ByteBeeld<Grootte> ruw{};

  void Lees(const std::uint8_t* bron);
  void Schrijf(std::uint8_t* doel) const;
};

// One group ("groep", budget heading).
struct TBudget {
  static constexpr std::size_t Grootte = 52;
  int Nummer = 0;
  std::string Kode;
  std::string Naam;
  double Budget = 0;
  std::string Klasse;  // letter padded to three characters: " U "
  ByteBeeld<Grootte> ruw{};

  void Lees(const std::uint8_t* bron);
  void Schrijf(std::uint8_t* doel) const;
};

struct TRelat {
  static constexpr std::size_t Grootte = 128;
  int KasIndex = 0;
  std::string Naam;
  std::string Rekening;
  std::string Adres;
  std::string Postcode;
  std::string Woonplaats;
  std::string Telefoon;
  ByteBeeld<Grootte> ruw{};

  void Lees(const std::uint8_t* bron);
  void Schrijf(std::uint8_t* doel) const;
};

struct TRekSoort {
  static constexpr std::size_t Grootte = 58;
  std::string Naam;
  std::string Omschrijving;
  ByteBeeld<Grootte> ruw{};

  void Lees(const std::uint8_t* bron);
  void Schrijf(std::uint8_t* doel) const;
};

struct TKlasse02 {
  static constexpr std::size_t Grootte = 68;
  std::string Letter;
  std::string Naam;
  std::string Omschrijving;
  float BtwPerc = 0;
  int BtwSoort = 0;
  ByteBeeld<Grootte> ruw{};

  void Lees(const std::uint8_t* bron);
  void Schrijf(std::uint8_t* doel) const;
};

struct TValut {
  static constexpr std::size_t Grootte = 32;
  int Basis = 0;
  std::string Kode;
  std::string Naam;
  float Koers = 0;
  std::string Teken;  // one character
  ByteBeeld<Grootte> ruw{};

  void Lees(const std::uint8_t* bron);
  void Schrijf(std::uint8_t* doel) const;
};

// Print layout, window font, option bits and the owner's personal data.
struct TConfig {
  static constexpr std::size_t Grootte = 203;
  std::string FontNaam;
  std::int32_t FontGrootte = 0;
  int LinkerMarge = 0;
  int TopMarge = 0;
  int BodemMarge = 0;
  int RegelHoogte = 0;
  int RegelsPerPagina = 0;
  std::int32_t PrinterIndex = -1;
  std::array<std::string, 6> Persoonsdata;  // name, address, postcode, town, phone, SSN
  int Vlaggen = 0;
  ByteBeeld<Grootte> ruw{};

  void Lees(const std::uint8_t* bron);
  void Schrijf(std::uint8_t* doel) const;
};

// Option bits of TConfig::Vlaggen.
namespace vlag {
constexpr int TransactieBalk = 1;
constexpr int BeleggingBalk = 2;
constexpr int ValutaBalk = 4;
constexpr int NaamBovenRapport = 8;
constexpr int KopElkePagina = 16;
constexpr int Liggend = 64;
constexpr int StartMaximaal = 128;
constexpr int PaginaNummers = 256;
constexpr int RekeningenOpNaam = 512;
constexpr int GroepenOpNaam = 1024;
}  // namespace vlag

// One cell of the balance matrix.
struct TInUit {
  double In = 0;   // sum of the positive amounts
  double Uit = 0;  // sum of the negative amounts (<= 0)
};
using TKasValue = std::vector<TInUit>;

}  // namespace valdero
