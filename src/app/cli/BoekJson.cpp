#include "app/cli/BoekJson.h"

#include <ostream>

#include "app/cli/Json.h"
#include "model/core/Kasboek.h"

namespace valdero::cli {
namespace {

void Schrijf(JsonSchrijver& j, const TBank& r) {
  j.BeginObject();
  j.Veld("Index", r.Index);
  j.Veld("RekNr", r.RekNr);
  j.Veld("Naam", r.Naam);
  j.Veld("RekNrTekst", r.RekNrTekst);
  j.Veld("Soort", r.Soort);
  j.Veld("Munt", r.Munt);
  j.EindObject();
}

void Schrijf(JsonSchrijver& j, const TBudget& r) {
  j.BeginObject();
  j.Veld("Nummer", r.Nummer);
  j.Veld("Kode", r.Kode);
  j.Veld("Naam", r.Naam);
  j.Veld("Budget", r.Budget);
  j.Veld("Klasse", r.Klasse);
  j.EindObject();
}

// A book's transactions are most of a dump: each is laid out in one go,
// byte for byte as the writer's fields would lay it out on one line.
void Schrijf(JsonSchrijver& j, const TKas& r) {
  std::string& u = j.Waarde();
  auto geheel = [&u](const char* sleutel, int waarde) {
    u += sleutel;
    VoegJsonGeheelToe(u, waarde);
  };
  auto tekst = [&u](const char* sleutel, const std::string& waarde) {
    u += sleutel;
    VoegJsonTekstToe(u, waarde);
  };
  auto getal = [&u](const char* sleutel, auto waarde) {
    u += sleutel;
    VoegJsonGetalToe(u, waarde);
  };
  geheel("{\"Index\":", r.Index);
  geheel(",\"RekNr\":", r.RekNr);
  geheel(",\"VolgBlad\":", r.VolgBlad);
  tekst(",\"GroepKode\":", r.GroepKode);
  tekst(",\"ActieKode\":", r.ActieKode);
  getal(",\"Datum\":", r.Datum);
  tekst(",\"TegenRekNr\":", r.TegenRekNr);
  tekst(",\"Relatie\":", r.Relatie);
  geheel(",\"TegenRek\":", r.TegenRek);
  geheel(",\"TegenVolgBlad\":", r.TegenVolgBlad);
  getal(",\"Bedrag\":", r.Bedrag);
  getal(",\"MuntKoers\":", r.MuntKoers);
  tekst(",\"Omschrijving\":", r.Omschrijving);
  geheel(",\"Munt\":", r.Munt);
  geheel(",\"BoekSoort\":", r.BoekSoort);
  geheel(",\"Extra1\":", r.Extra1);
  geheel(",\"Belegging\":", r.Belegging);
  getal(",\"PayDate\":", r.PayDate);
  getal(",\"Aantal\":", r.Aantal);
  getal(",\"Prijs\":", r.Prijs);
  u += '}';
}

void Schrijf(JsonSchrijver& j, const TRelat& r) {
  j.BeginObject();
  j.Veld("KasIndex", r.KasIndex);
  j.Veld("Naam", r.Naam);
  j.Veld("Rekening", r.Rekening);
  j.Veld("Adres", r.Adres);
  j.Veld("Postcode", r.Postcode);
  j.Veld("Woonplaats", r.Woonplaats);
  j.Veld("Telefoon", r.Telefoon);
  j.EindObject();
}

void Schrijf(JsonSchrijver& j, const TKlasse02& r) {
  j.BeginObject();
  j.Veld("Letter", r.Letter);
  j.Veld("Naam", r.Naam);
  j.Veld("Omschrijving", r.Omschrijving);
  j.Veld("BtwPerc", r.BtwPerc);
  j.Veld("BtwSoort", r.BtwSoort);
  j.EindObject();
}

void Schrijf(JsonSchrijver& j, const TRekSoort& r) {
  j.BeginObject();
  j.Veld("Naam", r.Naam);
  j.Veld("Omschrijving", r.Omschrijving);
  j.EindObject();
}

void Schrijf(JsonSchrijver& j, const TValut& r) {
  j.BeginObject();
  j.Veld("Basis", r.Basis);
  j.Veld("Kode", r.Kode);
  j.Veld("Naam", r.Naam);
  j.Veld("Koers", r.Koers);
  j.Veld("Teken", r.Teken);
  j.EindObject();
}

void Schrijf(JsonSchrijver& j, const TConfig& r) {
  j.BeginObject();
  j.Veld("FontNaam", r.FontNaam);
  j.Veld("FontGrootte", r.FontGrootte);
  j.Veld("LinkerMarge", r.LinkerMarge);
  j.Veld("TopMarge", r.TopMarge);
  j.Veld("BodemMarge", r.BodemMarge);
  j.Veld("RegelHoogte", r.RegelHoogte);
  j.Veld("RegelsPerPagina", r.RegelsPerPagina);
  j.Veld("PrinterIndex", r.PrinterIndex);
  j.TekstLijst("Persoonsdata", r.Persoonsdata);
  j.Veld("Vlaggen", r.Vlaggen);
  j.EindObject();
}

// Where the text goes when it is written as it is made: every piece of
// this size leaves, so that a book of a hundred thousand transactions is
// never held as one text of tens of megabytes.
struct Uitgang {
  static constexpr std::size_t kStuk = 1 << 16;
  std::string& tekst;
  std::ostream* stroom = nullptr;
  void Misschien() {
    if (stroom == nullptr || tekst.size() < kStuk) return;
    stroom->write(tekst.data(), static_cast<std::streamsize>(tekst.size()));
    tekst.clear();
  }
};

template <typename Record>
void SchrijfLijst(JsonSchrijver& j, const char* sleutel, const std::vector<Record>& lijst, Uitgang& uit) {
  j.Sleutel(sleutel);
  j.BeginLijst();
  for (const Record& r : lijst) {
    Schrijf(j, r);
    uit.Misschien();
  }
  j.EindLijst();
}

void SchrijfMatrix(JsonSchrijver& j, const TSaldoMatrix& matrix) {
  j.Sleutel("SaldoMatrix");
  j.BeginLijst();
  for (const TKasValue& rij : matrix) {
    j.BeginLijst();
    for (const TInUit& cel : rij) {
      j.BeginLijst();
      j.Getal(cel.In);
      j.Getal(cel.Uit);
      j.EindLijst();
    }
    j.EindLijst();
  }
  j.EindLijst();
}

void SchrijfBerichten(JsonSchrijver& j, const std::vector<GetoondBericht>& berichten) {
  j.Sleutel("Berichten");
  j.BeginLijst();
  for (const GetoondBericht& b : berichten) {
    j.BeginObject();
    j.Veld("soort", static_cast<int>(b.soort));
    j.Veld("knoppen", b.knoppen);
    j.Veld("tekst", b.tekst);
    j.Veld("antwoord", b.antwoord);
    j.EindObject();
  }
  j.EindLijst();
}

}  // namespace

namespace {

void BouwBoekJson(std::string& tekst, std::ostream* stroom, const Kasboek& kb,
                  const std::vector<GetoondBericht>& berichten) {
  Uitgang uit{tekst, stroom};
  JsonSchrijver j(tekst);
  j.BeginObject();
  j.Veld("KasNaam", kb.sessie.KasNaam);
  j.Veld("KasJaar", kb.KasJaar);
  j.Veld("IOStatus", static_cast<int>(kb.IOStatus));
  j.Veld("FormaatVlag", kb.FormaatVlag);
  j.Veld("RelatiesAanwezig", kb.RelatiesAanwezig);
  j.Veld("BasisMunt", kb.BasisMunt);
  j.Veld("HulpMunt", kb.weergave.HulpMunt);
  SchrijfLijst(j, "RekLijst", kb.RekLijst, uit);
  SchrijfLijst(j, "GroepLijst", kb.GroepLijst, uit);
  SchrijfLijst(j, "KasLijst", kb.KasLijst, uit);
  SchrijfLijst(j, "RelatieLijst", kb.RelatiesAanwezig ? kb.RelatieLijst : std::vector<TRelat>{}, uit);
  SchrijfLijst(j, "KlasseLijst", kb.KlasseLijst, uit);
  SchrijfLijst(j, "SoortLijst", kb.SoortLijst, uit);
  SchrijfLijst(j, "ValutaLijst", kb.ValutaLijst, uit);
  j.Sleutel("Config");
  Schrijf(j, kb.Config);
  SchrijfMatrix(j, kb.SaldoMatrix());
  SchrijfBerichten(j, berichten);
  j.EindObject();
  tekst += '\n';
}

}  // namespace

std::string BoekNaarJson(const Kasboek& kb, const std::vector<GetoondBericht>& berichten) {
  std::string uit;
  // A dump of a large book runs to many megabytes; grow once.
  uit.reserve(4096 + kb.KasLijst.size() * 420 + kb.SaldoMatrix().size() *
                                                     (kb.SaldoMatrix().empty() ? 0 : kb.SaldoMatrix()[0].size()) * 12);
  BouwBoekJson(uit, nullptr, kb, berichten);
  return uit;
}

void SchrijfBoekJson(std::ostream& stroom, const Kasboek& kb, const std::vector<GetoondBericht>& berichten) {
  std::string uit;
  uit.reserve(2 * Uitgang::kStuk);
  BouwBoekJson(uit, &stroom, kb, berichten);
  stroom.write(uit.data(), static_cast<std::streamsize>(uit.size()));
  stroom.flush();
}

}  // namespace valdero::cli
