#include "model/core/Records.h"

#include <algorithm>
#include <cstring>

#include "model/core/ByteImage.h"
#include "model/core/Windows1252.h"

namespace valdero {

using namespace bytes;

namespace {

template <std::size_t N>
void Bewaar(ByteBeeld<N>& ruw, const std::uint8_t* bron) {
  std::copy(bron, bron + N, ruw.begin());
}

template <std::size_t N>
void Begin(const ByteBeeld<N>& ruw, std::uint8_t* doel) {
  std::copy(ruw.begin(), ruw.end(), doel);
}

std::string LeesTeken(std::uint8_t b) {
  return Cp1252NaarUtf8(std::string(1, static_cast<char>(b)));
}

std::uint8_t SchrijfTeken(const std::string& teken) {
  const std::string cp = Utf8NaarCp1252(teken);
  return cp.empty() ? 0 : static_cast<std::uint8_t>(cp[0]);
}

}  // namespace

namespace {

// The counted strings of a transaction: offset of the length byte, capacity.
constexpr struct {
  std::size_t plek;
  std::uint8_t ruimte;
} kKasTeksten[] = {{6, 4}, {11, 2}, {22, 12}, {35, 32}, {84, 255}};
// Bytes no field covers.
constexpr struct {
  std::size_t van, tot;
} kKasGereserveerd[] = {{345, 348}, {365, TKas::Grootte}};

// Compared with zeros by the C library, which does it a vector at a time:
// this runs for every transaction of the book.
bool AllesNul(const std::uint8_t* van, const std::uint8_t* tot) {
  static constexpr std::uint8_t kNullen[TKas::Grootte] = {};
  return std::memcmp(van, kNullen, static_cast<std::size_t>(tot - van)) == 0;
}

// True when writing the fields on an image of zeros would not give these
// bytes back: a length beyond its string's room, text after a length, or a
// reserved byte that is set.
bool KasBeeldHeeftMeer(const std::uint8_t* p) {
  for (const auto& tekst : kKasTeksten) {
    const std::uint8_t lengte = p[tekst.plek];
    if (lengte > tekst.ruimte) return true;
    if (!AllesNul(p + tekst.plek + 1 + lengte, p + tekst.plek + 1 + tekst.ruimte)) return true;
  }
  for (const auto& stuk : kKasGereserveerd)
    if (!AllesNul(p + stuk.van, p + stuk.tot)) return true;
  return false;
}

}  // namespace

void TKas::Lees(const std::uint8_t* p) {
  if (KasBeeldHeeftMeer(p))
    ruw.Bewaar(p);
  else
    ruw.Vergeet();
  Index = LeesU16(p + 0);
  RekNr = LeesI16(p + PlekRekNr);
  VolgBlad = LeesU16(p + 4);
  LeesShortStr(GroepKode, p + PlekGroepKode, GroepKodeRuimte);
  LeesShortStr(ActieKode, p + 11, 2);
  Datum = LeesF64(p + PlekDatum);
  LeesShortStr(TegenRekNr, p + 22, 12);
  LeesShortStr(Relatie, p + 35, 32);
  TegenRek = LeesI16(p + 68);
  TegenVolgBlad = LeesU16(p + 70);
  Bedrag = LeesF64(p + PlekBedrag);
  MuntKoers = LeesF32(p + 80);
  LeesShortStr(Omschrijving, p + 84, 255);
  Munt = LeesU16(p + 340);
  BoekSoort = LeesU16(p + 342);
  Extra1 = p[344];
  Belegging = p[348];
  PayDate = LeesF64(p + PlekBetaaldatum);
  Aantal = LeesF32(p + 357);
  Prijs = LeesF32(p + 361);
}

void TKas::Schrijf(std::uint8_t* p) const {
  ruw.Schrijf(p);
  SchrijfU16(p + 0, static_cast<std::uint32_t>(Index));
  SchrijfU16(p + 2, static_cast<std::uint32_t>(RekNr));
  SchrijfU16(p + 4, static_cast<std::uint32_t>(VolgBlad));
  SchrijfShortStr(p + 6, 4, GroepKode);
  SchrijfShortStr(p + 11, 2, ActieKode);
  SchrijfF64(p + 14, Datum);
  SchrijfShortStr(p + 22, 12, TegenRekNr);
  SchrijfShortStr(p + 35, 32, Relatie);
  SchrijfU16(p + 68, static_cast<std::uint32_t>(TegenRek));
  SchrijfU16(p + 70, static_cast<std::uint32_t>(TegenVolgBlad));
  SchrijfF64(p + 72, Bedrag);
  SchrijfF32(p + 80, MuntKoers);
  SchrijfShortStr(p + 84, 255, Omschrijving);
  SchrijfU16(p + 340, static_cast<std::uint32_t>(Munt));
  SchrijfU16(p + 342, static_cast<std::uint32_t>(BoekSoort));
  p[344] = static_cast<std::uint8_t>(Extra1);
  p[348] = static_cast<std::uint8_t>(Belegging);
  SchrijfF64(p + 349, PayDate);
  SchrijfF32(p + 357, Aantal);
  SchrijfF32(p + 361, Prijs);
}

void TBank::Lees(const std::uint8_t* p) {
  Bewaar(ruw, p);
  Index = LeesU16(p + 0);
  RekNr = LeesI16(p + 2);
  Naam = LeesShortStr(p + 4, 32);
  RekNrTekst = LeesShortStr(p + 37, 4);
  Soort = LeesShortStr(p + 42, 2);
  Munt = LeesU16(p + 45);
}

void TBank::Schrijf(std::uint8_t* p) const {
  Begin(ruw, p);
  SchrijfU16(p + 0, static_cast<std::uint32_t>(Index));
  SchrijfU16(p + 2, static_cast<std::uint32_t>(RekNr));
  SchrijfShortStr(p + 4, 32, Naam);
  SchrijfShortStr(p + 37, 4, RekNrTekst);
  SchrijfShortStr(p + 42, 2, Soort);
  SchrijfU16(p + 45, static_cast<std::uint32_t>(Munt));
}

void TBudget::Lees(const std::uint8_t* p) {
  Bewaar(ruw, p);
  Nummer = LeesI16(p + 0);
  Kode = LeesShortStr(p + 2, 4);
  Naam = LeesShortStr(p + 7, 32);
  Budget = LeesF64(p + 40);
  Klasse = LeesShortStr(p + 48, 3);
}

void TBudget::Schrijf(std::uint8_t* p) const {
  Begin(ruw, p);
  SchrijfU16(p + 0, static_cast<std::uint32_t>(Nummer));
  SchrijfShortStr(p + 2, 4, Kode);
  SchrijfShortStr(p + 7, 32, Naam);
  SchrijfF64(p + 40, Budget);
  SchrijfShortStr(p + 48, 3, Klasse);
}

void TRelat::Lees(const std::uint8_t* p) {
  Bewaar(ruw, p);
  KasIndex = LeesU16(p + 0);
  Naam = LeesShortStr(p + 2, 32);
  Rekening = LeesShortStr(p + 35, 12);
  Adres = LeesShortStr(p + 48, 32);
  Postcode = LeesShortStr(p + 81, 8);
  Woonplaats = LeesShortStr(p + 90, 24);
  Telefoon = LeesShortStr(p + 115, 12);
}

void TRelat::Schrijf(std::uint8_t* p) const {
  Begin(ruw, p);
  SchrijfU16(p + 0, static_cast<std::uint32_t>(KasIndex));
  SchrijfShortStr(p + 2, 32, Naam);
  SchrijfShortStr(p + 35, 12, Rekening);
  SchrijfShortStr(p + 48, 32, Adres);
  SchrijfShortStr(p + 81, 8, Postcode);
  SchrijfShortStr(p + 90, 24, Woonplaats);
  SchrijfShortStr(p + 115, 12, Telefoon);
}

void TRekSoort::Lees(const std::uint8_t* p) {
  Bewaar(ruw, p);
  Naam = LeesShortStr(p + 0, 24);
  Omschrijving = LeesShortStr(p + 25, 32);
}

void TRekSoort::Schrijf(std::uint8_t* p) const {
  Begin(ruw, p);
  SchrijfShortStr(p + 0, 24, Naam);
  SchrijfShortStr(p + 25, 32, Omschrijving);
}

void TKlasse02::Lees(const std::uint8_t* p) {
  Bewaar(ruw, p);
  Letter = LeesShortStr(p + 0, 3);
  Naam = LeesShortStr(p + 4, 24);
  Omschrijving = LeesShortStr(p + 29, 32);
  BtwPerc = LeesF32(p + 62);
  BtwSoort = LeesU16(p + 66);
}

void TKlasse02::Schrijf(std::uint8_t* p) const {
  Begin(ruw, p);
  SchrijfShortStr(p + 0, 3, Letter);
  SchrijfShortStr(p + 4, 24, Naam);
  SchrijfShortStr(p + 29, 32, Omschrijving);
  SchrijfF32(p + 62, BtwPerc);
  SchrijfU16(p + 66, static_cast<std::uint32_t>(BtwSoort));
}

void TValut::Lees(const std::uint8_t* p) {
  Bewaar(ruw, p);
  Basis = LeesU16(p + 0);
  Kode = LeesShortStr(p + 2, 3);
  Naam = LeesShortStr(p + 6, 20);
  Koers = LeesF32(p + 27);
  Teken = LeesTeken(p[31]);
}

void TValut::Schrijf(std::uint8_t* p) const {
  Begin(ruw, p);
  SchrijfU16(p + 0, static_cast<std::uint32_t>(Basis));
  SchrijfShortStr(p + 2, 3, Kode);
  SchrijfShortStr(p + 6, 20, Naam);
  SchrijfF32(p + 27, Koers);
  p[31] = SchrijfTeken(Teken);
}

void TConfig::Lees(const std::uint8_t* p) {
  Bewaar(ruw, p);
  FontNaam = LeesShortStr(p + 0, 32);
  FontGrootte = LeesI32(p + 33);
  LinkerMarge = LeesU16(p + 37);
  TopMarge = LeesU16(p + 39);
  BodemMarge = LeesU16(p + 41);
  RegelHoogte = LeesU16(p + 43);
  RegelsPerPagina = LeesU16(p + 45);
  PrinterIndex = LeesI32(p + 47);
  for (std::size_t i = 0; i < Persoonsdata.size(); ++i)
    Persoonsdata[i] = LeesShortStr(p + 51 + 25 * i, 24);
  Vlaggen = LeesU16(p + 201);
}

void TConfig::Schrijf(std::uint8_t* p) const {
  Begin(ruw, p);
  SchrijfShortStr(p + 0, 32, FontNaam);
  SchrijfI32(p + 33, FontGrootte);
  SchrijfU16(p + 37, static_cast<std::uint32_t>(LinkerMarge));
  SchrijfU16(p + 39, static_cast<std::uint32_t>(TopMarge));
  SchrijfU16(p + 41, static_cast<std::uint32_t>(BodemMarge));
  SchrijfU16(p + 43, static_cast<std::uint32_t>(RegelHoogte));
  SchrijfU16(p + 45, static_cast<std::uint32_t>(RegelsPerPagina));
  SchrijfI32(p + 47, PrinterIndex);
  for (std::size_t i = 0; i < Persoonsdata.size(); ++i)
    SchrijfShortStr(p + 51 + 25 * i, 24, Persoonsdata[i]);
  SchrijfU16(p + 201, static_cast<std::uint32_t>(Vlaggen));
}

}  // namespace valdero
