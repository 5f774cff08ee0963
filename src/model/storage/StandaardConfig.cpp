// The default configuration tables and the printer measures they start from.

#include <cmath>

#include "model/storage/ConfigBestand.h"
#include "model/core/Kasboek.h"
#include "model/core/Printer.h"
#include "model/core/Windows1252.h"

namespace valdero {
namespace {

struct KlasseRij {
  const char* letter;
  const char* naam;
  const char* omschrijving;
};

const KlasseRij kKlassen[] = {
    {" A ", "algemeen", "Algemeen gebruik"},
    {" B ", "belastingen", "Belasting en Sociale Wetten"},
    {" C ", "credit", "Positieve Bank Saldi"},
    {" D ", "debet", "Negatief Bank saldo(\"rood\")"},
    {" E ", "effecten", "Effecten e.a. beleggingen"},
    {" F ", "fondsen", "Beleggingsfonsen e.d."},
    {" I ", "inkomsten", "Salaris e.a. inkomsten"},
    {" K ", "kosten", "kosten onderhoud, renovatie"},
    {" L ", "lasten", "Leningen enz."},
    {" R ", "reserve", "Spaar gelden en pandbrieven"},
    {" S ", "schulden", "Hypotheek, pers. schulden"},
    {" T ", "tegoeden", "Persoonlijke te goeden"},
    {" U ", "uitgaven", "Uitgaven algemeen"},
    {" V ", "vaste lasten", "Verzekeringen, Energie,enz."},
    {" W ", "waardebezit", "Waardevolle bezittingen"},
    {" - ", "leeg", "Zonder klasse"},
};

struct SoortRij {
  const char* naam;
  const char* omschrijving;
};

const SoortRij kSoorten[] = {
    {"BT betalingen", "Inkomsten en Uitgaven, Salaris"},
    {"BZ bezittingen", "Huis, Auto, enz."},
    {"EF effecten", "Aandelen, Obligaties, Fondsen"},
    {"LN leningen", "Hypotheek, Pers. Lening"},
    {"SP sparen ", "Spaarrekeningen,Rente-Certific."},
    {"TR tranferrek.", "Uitgestelde inkomsten uitgaven"},
    {"ZN zonder naam", "voor boekingen zonder rekening"},
};

struct ValutaRij {
  const char* kode;
  const char* naam;
  float koers;
  const char* teken;  // UTF-8 of the Windows-1252 sign
};

const ValutaRij kValuta[] = {
    {"Eur", "Euro", 1.0f, "€"},
    {"USD", "United States dollar", 0.8f, "$"},
    {"ENP", "Engelse Pond", 1.48f, "£"},
    {"AUD", "Australie Dollar", 1.0f, "A"},
    {"NZD", "Nieuw Zeeland Dollar", 1.0f, "N"},
    {"Dkr", "Deense Kroon", 1.0f, "D"},
    {"Yen", "Japanse Yen", 1.0f, "¥"},
    {"ZFr", "Zwitserse Franc", 1.0f, "F"},
    {"ZKr", "Zweedse Kroon", 1.0f, "K"},
    {"ZAR", "Zuid Afrika Rand", 1.0f, "R"},
    {"NLG", "Nederlandse gulden", 1.0f, "ƒ"},
};

// The text whose width, over 40, gives the average character width.
constexpr const char* kMeetTekst = "AbCdEfGhIjKlMnOpQrStUvWxYz0123456789.,!/";

}  // namespace

void MeetPrinter(Kasboek& kb, bool reset) {
  Printer& printer = kb.printer();
  if (reset) printer.ZetFont("MS Sans Serif", 10);
  kb.weergave.TekenBreedte = printer.TekstBreedte(kMeetTekst) / 40 + 1;
  kb.weergave.PrinterRegelHoogte =
      static_cast<int>(std::abs(std::lround(printer.TekstHoogte(kMeetTekst) * 1.2)));
  kb.weergave.PaginaRegels = kb.weergave.PrinterRegelHoogte > 0 ? printer.PaginaHoogte() / kb.weergave.PrinterRegelHoogte : 0;
  kb.weergave.PixelsPerCm = printer.PaginaBreedte() * 10 / 203;
}

void StandaardConfig(Kasboek& kb) {
  // The defaults of a fresh configuration may be written; one that could not
  // be read marks itself again after this.
  kb.ConfigBehouden = false;
  kb.KlasseLijst.clear();
  for (const auto& rij : kKlassen) {
    TKlasse02 klasse;
    klasse.Letter = rij.letter;
    klasse.Naam = rij.naam;
    klasse.Omschrijving = rij.omschrijving;
    kb.KlasseLijst.push_back(klasse);
  }

  kb.SoortLijst.clear();
  for (const auto& rij : kSoorten) {
    TRekSoort soort;
    soort.Naam = rij.naam;
    soort.Omschrijving = rij.omschrijving;
    kb.SoortLijst.push_back(soort);
  }

  kb.ValutaLijst.clear();
  for (const auto& rij : kValuta) {
    TValut valuta;
    valuta.Basis = kb.ValutaLijst.empty() ? 1 : 0;
    valuta.Kode = rij.kode;
    valuta.Naam = rij.naam;
    valuta.Koers = rij.koers;
    valuta.Teken = rij.teken;
    kb.ValutaLijst.push_back(valuta);
  }
  kb.BasisMunt = 0;

  MeetPrinter(kb, true);
  const Printer& printer = kb.printer();
  TConfig config;
  config.FontNaam = printer.FontNaam();
  config.FontGrootte = printer.FontGrootte();
  config.LinkerMarge = kb.weergave.PixelsPerCm;
  config.TopMarge = config.LinkerMarge * 3 / 2;
  config.BodemMarge = config.LinkerMarge;
  config.RegelHoogte = kb.weergave.PrinterRegelHoogte;
  const int marges =
      config.RegelHoogte > 0 ? (config.TopMarge + config.BodemMarge) / config.RegelHoogte : 0;
  // A page smaller than its margins has no lines rather than 65535 of them.
  config.RegelsPerPagina = kb.weergave.PaginaRegels > marges ? kb.weergave.PaginaRegels - marges : 0;
  config.PrinterIndex = -1;
  config.Vlaggen = (kb.weergave.RekeningenOpNaam ? vlag::RekeningenOpNaam : 0) |
                   (kb.weergave.GroepenOpNaam ? vlag::GroepenOpNaam : 0);
  kb.Config = config;

  kb.BtwActief = false;
  kb.KlassenGelezen = kb.SoortenGelezen = kb.ConfigAanwezig = true;
}

void VerzamelSoortKodes(Kasboek& kb) {
  kb.SoortKodes.clear();
  for (const auto& soort : kb.SoortLijst) kb.SoortKodes.push_back(EersteTekens(soort.Naam, 2));
}

}  // namespace valdero
