#include "FuzzDoelen.h"

#include <stdlib.h>  // mkdtemp

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include "BankImportTestBoek.h"
#include "TestBoek.h"
#include "model/bankimport/AfschriftModel.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Windows1252.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/Bestanden.h"
#include "model/storage/ConfigBestand.h"

namespace valdero::fuzz {
namespace {

namespace fs = std::filesystem;
using test::BankBoek;
using test::TestBoek;

std::string Tekst(Invoer invoer) { return {reinterpret_cast<const char*>(invoer.data()), invoer.size()}; }

// A book that goes as far as it can: the question about a file from before
// 2007 is answered with Ja.
struct LeesBoekMetPoorten : valdero::BoekMetPoorten {
  LeesBoekMetPoorten() : valdero::BoekMetPoorten(MaakDatum(2026, 3, 15)) {
    berichten.standaardAntwoord = antwoord::Ja;
    kb.sessie.KasNaam = "Valdr26";
    kb.sessie.HuidigJaar = "2026";
  }
};

// The book file: read as Open reads it, then brought up to date as after a
// start-up (balance matrix, sorted lists). What was read must write out and
// read back to the same bytes: a second save may not lose what the first
// one kept.
std::string Boek(Invoer invoer) {
  LeesBoekMetPoorten b;
  if (!LeesBoek(b.kb, invoer).Gelukt()) return {};
  StandaardConfig(b.kb);
  if (VernieuwBoek(b.kb).Gelukt()) PasConfigToe(b.kb);

  const std::vector<std::uint8_t> eerste = SchrijfBoek(b.kb);
  LeesBoekMetPoorten terug;
  if (!LeesBoek(terug.kb, eerste).Gelukt()) return "een bewaard boek laat zich niet meer lezen";
  if (SchrijfBoek(terug.kb) != eerste) return "een bewaard boek, gelezen en weer bewaard, verschilt";
  return {};
}

// A folder of its own for the configuration harness, removed with it.
class Werkmap {
 public:
  Werkmap() {
    std::string sjabloon = (fs::temp_directory_path() / "valdero-fuzz-XXXXXX").string();
    if (mkdtemp(sjabloon.data()) != nullptr) pad_ = sjabloon;
  }
  ~Werkmap() {
    std::error_code fout;
    if (!pad_.empty()) fs::remove_all(pad_, fout);
  }
  Werkmap(const Werkmap&) = delete;
  Werkmap& operator=(const Werkmap&) = delete;
  const fs::path& pad() const { return pad_; }

 private:
  fs::path pad_;
};

bool SchrijfBytes(const fs::path& pad, Invoer invoer) {
  std::ofstream uit(pad, std::ios::binary | std::ios::trunc);
  uit.write(reinterpret_cast<const char*>(invoer.data()), static_cast<std::streamsize>(invoer.size()));
  return static_cast<bool>(uit);
}

void ZetBoekInMap(Kasboek& kb, const fs::path& map) {
  kb.sessie.Map = map;
  kb.sessie.KasNaam = "Valdr26";
  kb.sessie.ConfigPad = "Valdr26.cfg";
  kb.KasGelezen = true;
}

// The configuration beside a book, read from its file as a load reads it.
// A configuration that was read must write out and read back to the same
// bytes.
std::string Config(Invoer invoer) {
  Werkmap map;
  if (map.pad().empty()) return {};
  const fs::path pad = map.pad() / "Valdr26.cfg";
  if (!SchrijfBytes(pad, invoer)) return {};

  LeesBoekMetPoorten b;
  ZetBoekInMap(b.kb, map.pad());
  if (!LeesConfig(b.kb).Gelukt()) return {};
  VerzamelSoortKodes(b.kb);
  if (!SchrijfConfig(b.kb).Gelukt()) return "een gelezen configuratie laat zich niet bewaren";
  std::vector<std::uint8_t> eerste;
  if (!LeesBestand(pad, eerste, b.kb.bestanden())) return "een bewaarde configuratie laat zich niet lezen";

  LeesBoekMetPoorten terug;
  ZetBoekInMap(terug.kb, map.pad());
  if (!LeesConfig(terug.kb).Gelukt()) return "een bewaarde configuratie wordt afgewezen";
  if (!SchrijfConfig(terug.kb).Gelukt()) return "een gelezen configuratie laat zich niet bewaren";
  std::vector<std::uint8_t> tweede;
  if (!LeesBestand(pad, tweede, terug.kb.bestanden())) return "een bewaarde configuratie laat zich niet lezen";
  if (tweede != eerste) return "een bewaarde configuratie, gelezen en weer bewaard, verschilt";
  return {};
}

// Typed amounts with either decimal separator. An accepted amount is a
// finite number, and the text as the reader normalised it reads back to the
// same number without a word.
std::string Bedrag(Invoer invoer) {
  const std::string getypt = Tekst(invoer);
  for (const char decimaal : {',', '.'}) {
    TestBoek b;
    b.getalnotatie.Zet(decimaal);

    std::string tekst = getypt;
    const auto bedrag = LeesBedrag(b.kb, tekst, true);
    if (bedrag) {
      if (!std::isfinite(*bedrag)) return "een aanvaard bedrag is geen eindig getal: " + getypt;
      b.berichten.Wis();
      std::string opnieuw = tekst;
      const auto nogmaals = LeesBedrag(b.kb, opnieuw, true);
      if (!b.berichten.getoond.empty() || nogmaals != bedrag || opnieuw != tekst)
        return "een genormaliseerd bedrag leest anders: " + getypt;
    }

    b.berichten.Wis();
    tekst = getypt;
    const auto getal = LeesGetal(b.kb, tekst);
    if (getal && !std::isfinite(*getal))
      return "een aanvaard getal is geen eindig getal: " + getypt;

    b.berichten.Wis();
    tekst = getypt;
    const auto getal4 = LeesGetal4(b.kb, tekst);
    if (getal4 && !std::isfinite(*getal4))
      return "een aanvaard getal (4 bytes) is geen eindig getal: " + getypt;
  }
  return {};
}

// Half-typed dates. An accepted date is written as d-m-yyyy, which is a date
// LeesDatum reads and which completing again leaves as it is.
std::string Datum(Invoer invoer) {
  TestBoek b;
  std::string tekst = Tekst(invoer);
  if (!DatumAanvullen(b.kb, tekst) || tekst.empty()) return {};
  const DatumDelen vandaag = SplitsDatum(b.kb.Vandaag());
  if (!LeesDatum(tekst, vandaag.jaar)) return "een aangevulde datum is geen datum: " + tekst;
  std::string opnieuw = tekst;
  if (!DatumAanvullen(b.kb, opnieuw) || opnieuw != tekst)
    return "een aangevulde datum verandert bij opnieuw aanvullen: " + tekst;
  return {};
}

// The codec: every byte string of the files comes back unchanged through
// UTF-8, with one character per byte; any text in memory survives the way
// out (as far as Windows-1252 can hold it), and cutting it keeps a prefix.
std::string Windows1252(Invoer invoer) {
  const std::string bytes = Tekst(invoer);
  const std::string utf8 = Cp1252NaarUtf8(bytes);
  if (Utf8NaarCp1252(utf8) != bytes) return "Windows-1252 via UTF-8 terug verschilt";
  if (AantalTekens(utf8) != bytes.size()) return "het aantal tekens verschilt van het aantal bytes";

  const std::size_t tekens = AantalTekens(bytes);
  std::size_t gelopen = 0;
  for (std::size_t pos = 0; pos < bytes.size(); ++gelopen) {
    const std::size_t voor = pos;
    VolgendTeken(bytes, pos);
    if (pos <= voor) return "VolgendTeken komt niet vooruit";
  }
  if (gelopen != tekens) return "AantalTekens telt anders dan VolgendTeken loopt";
  const std::string helft = EersteTekens(bytes, tekens / 2);
  if (bytes.compare(0, helft.size(), helft) != 0) return "EersteTekens geeft geen begin van de tekst";
  const std::string uit = Utf8NaarCp1252(bytes);
  if (uit.size() != tekens) return "elk teken wordt niet precies één byte";
  return {};
}

// A few transactions on the fixtures' accounts, so that the proposal has a
// ledger to score against.
void VulGrootboek(BankBoek& b) {
  b.Groep("4000", "Boodschappen");
  const double dagen[] = {MaakDatum(2025, 1, 2), MaakDatum(2025, 6, 30), MaakDatum(2026, 1, 5)};
  int i = 0;
  for (const double dag : dagen) {
    for (const int rek : {1, 2, 3}) {
      TKas& kas = test::VoegTransactieToe(b.kb, rek, "4000", dag, -12.5 * ++i, "Albert Heijn 1234");
      kas.Relatie = "AH";
      kas.TegenRekNr = "123456789";
    }
  }
  b.kb.HernummerKas();
}

// The proposal never opens the comparison window.
class GeenVergelijkVenster : public VergelijkVoerder {
 public:
  void Toon(VergelijkModel&) override {}
};

std::string RegelGrens(const TNewKas& r, int i) {
  const auto te = [&](const char* veld) { return std::string(veld) + " te lang in regel " + std::to_string(i); };
  if (AantalTekens(r.TegenRekNr) > 12) return te("TegenRekNr");
  if (AantalTekens(r.Relatie) > 32) return te("Relatie");
  if (AantalTekens(r.Omschrijving) > 255) return te("Omschrijving");
  if (!std::isfinite(r.Bedrag) || !std::isfinite(r.Datum)) return "geen getal in regel " + std::to_string(i);
  // A line whose amount or date could not be read is left out, never kept
  // with 0; amounts the booking window refuses are refused here too.
  if (!(std::fabs(r.Bedrag) < 1e10)) return "een bedrag van tien miljard of meer in regel " + std::to_string(i);
  if (r.Datum <= 0 || !std::isfinite(r.PayDate) || JaarVan(r.Datum) < 1900 || JaarVan(r.Datum) > 2099)
    return "een datum die niet gelezen is in regel " + std::to_string(i);
  return {};
}

// One bank file read as the import of a menu tag reads it, then shown in the
// statement window and proposed for reconciliation line by line; the index
// must find the best match that walking the whole ledger finds.
std::string BankBestand(int tag, Invoer invoer) {
  BankBoek b;
  b.berichten.standaardAntwoord = antwoord::Ja;
  VulGrootboek(b);
  BankImport& run = b.Lees(tag, "fuzz.txt", Tekst(invoer));
  if (!b.gelukt) return {};
  const StartDatumVoorstel start = run.StelStartDatumVoor();

  GeenVergelijkVenster venster;
  Afstemming a(b.kb, b.kiezer, venster);
  a.BeginRun();
  for (int i = 1; i <= run.Laatste(); ++i) {
    const TNewKas& regel = run.Lijst()[static_cast<std::size_t>(i)];
    if (std::string fout = RegelGrens(regel, i); !fout.empty()) return fout;
    for (const bool groepTelt : {false, true}) {
      a.regel = regel;
      a.FindSameDayCandidates();
      const Beste index = a.ScoreCandidates(true, groepTelt);
      const Beste gelopen = a.ScoreCandidatesDoorLopen(true, groepTelt);
      if (index.score != gelopen.score || index.positie != gelopen.positie)
        return "de index vindt een andere beste dan het hele grootboek in regel " + std::to_string(i);
    }
    a.regel = regel;
    a.StelVoor(false);
  }

  AfschriftModel afschrift(b.kb, run, a);
  afschrift.NeemOver(start.voorstel);
  for (int rij = 1; rij <= afschrift.Laatste(); ++rij) {
    afschrift.Selecteer(rij);
    afschrift.Kop();
  }
  afschrift.Rijen();
  return {};
}

template <int Tag>
std::string Bank(Invoer invoer) {
  return BankBestand(Tag, invoer);
}

}  // namespace

const std::vector<FuzzDoel>& AlleDoelen() {
  static const std::vector<FuzzDoel> doelen = {
      {"boek", Boek},
      {"config", Config},
      {"bedrag", Bedrag},
      {"datum", Datum},
      {"windows1252", Windows1252},
      {"bank-rabobank", Bank<bankformaat::Rabobank>},
      {"bank-girotel", Bank<bankformaat::Girotel>},
      {"bank-abnamro", Bank<bankformaat::AbnAmro>},
      {"bank-sns", Bank<bankformaat::Sns>},
      {"bank-ing1", Bank<bankformaat::Ing1>},
      {"bank-ingdatum", Bank<bankformaat::IngDatum>},
      {"bank-camt053", Bank<bankformaat::Camt053>},
      {"bank-mt940", Bank<bankformaat::Mt940>},
      {"bank-rabocsv", Bank<bankformaat::RaboCsv>},
      {"bank-ingcsv", Bank<bankformaat::IngCsv>},
      {"bank-qif", Bank<bankformaat::Qif>},
      {"bank-ofx", Bank<bankformaat::Ofx>},
      {"bank-automatisch", Bank<kAutomatischTag>},
  };
  return doelen;
}

const FuzzDoel* DoelMetNaam(std::string_view naam) {
  for (const FuzzDoel& doel : AlleDoelen())
    if (doel.naam == naam) return &doel;
  return nullptr;
}

}  // namespace valdero::fuzz
