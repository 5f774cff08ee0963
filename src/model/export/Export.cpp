#include "model/export/Export.h"

#include <cmath>
#include <exception>

#include "model/bookings/Posten.h"
#include "model/core/Bedragen.h"
#include "model/core/Centen.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"
#include "model/core/Voortgang.h"
#include "model/core/Windows1252.h"
#include "model/export/Journaal.h"
#include "model/storage/Bestanden.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

// The amount fields: a separator inside them is a decimal comma, which
// becomes a point; in the other fields it becomes a blank.
constexpr int kVeldBedrag = 9;
constexpr int kVeldBtw = 10;
constexpr int kVeldKoers = 11;
constexpr int kVeldPayDate = 14;

std::string Vervang(std::string tekst, char wat, char door) {
  for (char& c : tekst)
    if (c == wat) c = door;
  return tekst;
}

// In double quotes; a quote inside the text is doubled, so that the field
// still ends where it should.
std::string TussenQuotes(const std::string& tekst) {
  std::string uit = "\"";
  for (char c : tekst) {
    if (c == '"') uit += '"';
    uit += c;
  }
  return uit + '"';
}

std::string RekeningLabel(const TBank& r) { return Getrimd(std::to_string(r.RekNr) + " " + r.Naam); }

const std::vector<Scheiding>& AlleScheidingen() {
  static const std::vector<Scheiding> alle{{", komma", ','},          {"* asterix", '*'},
                                           {" \t tab", '\t'},         {"/ schuine str.", '/'},
                                           {"| rechte str.", '|'},    {" spatie", ' '}};
  return alle;
}

const std::vector<Scheiding>& ZonderKomma() {
  static const std::vector<Scheiding> zonder(AlleScheidingen().begin() + 1, AlleScheidingen().end());
  return zonder;
}

}  // namespace

const std::vector<std::string>& ExportVeldNamen() {
  static const std::vector<std::string> namen{"Index",     "Rekening", "Volgnr", "Groep",    "Actiekode",
                                              "Datum",     "Relatie",  "TegenRek.", "Bedrag", "BTW",
                                              "MntKoers",  "Omschrijving", "Klasse", "PayDate"};
  return namen;
}

ExportModel::ExportModel(Kasboek& kb) : kb_(kb) {}

double ExportModel::EersteDatum() { return MaakDatum(1900, 1, 1); }
double ExportModel::LaatsteDatum() { return MaakDatum(9999, 12, 31); }

const std::vector<std::string>& ExportModel::Uitleg() {
  static const std::vector<std::string> regels{
      "Kies voor het exporten van de Valderodata het volgende:",
      " - Scheidingsteken voor de veldscheiding (meestal de komma)",
      " - Datum van eerste- en laatste record dat wordt bewaard",
      " - Velden wel of niet omsloten door Quotes.(Indien komma's in tekst)",
      " - Velden voorzien van veldnamen, selectie is mogelijk  "};
  return regels;
}

void ExportModel::Open(int positie) {
  // A position without an account exports nothing (Regels says so).
  positie_ = positie;
  int jaar = 0;
  for (char c : kb_.KasJaar) jaar = c >= '0' && c <= '9' ? jaar * 10 + (c - '0') : jaar;
  beginDatum = GeldigeDatum(jaar, 1, 1) ? MaakDatum(jaar, 1, 1) : std::floor(kb_.Vandaag());
  eindDatum = std::floor(kb_.Vandaag());
  quotes = veldnamen = veldselectie = journaal = false;
  scheiding = 0;
  lijst_.clear();
  if (IsTotalen()) {
    for (int a = 1; a <= kb_.MaxRek(); ++a) {
      const TBank& r = kb_.RekLijst[static_cast<std::size_t>(a)];
      lijst_.push_back(std::to_string(r.RekNr) + " " + r.Naam);
    }
  } else {
    lijst_ = ExportVeldNamen();
  }
  aangevinkt.assign(lijst_.size(), true);
}

const std::vector<Scheiding>& ExportModel::Scheidingen() const {
  return IsTotalen() ? ZonderKomma() : AlleScheidingen();
}

char ExportModel::ScheidingsTeken() const {
  const auto& lijst = Scheidingen();
  const std::size_t i = scheiding >= 0 && scheiding < static_cast<int>(lijst.size())
                            ? static_cast<std::size_t>(scheiding)
                            : 0;
  return lijst[i].teken;
}

bool ExportModel::VeldMee(int veld) const {
  const auto i = static_cast<std::size_t>(veld - 1);
  if (i >= aangevinkt.size() || !aangevinkt[i]) return false;
  return veld != kVeldBtw || kb_.BtwActief;
}

std::string ExportModel::Veld(int veld, const TKas& kas) {
  switch (veld) {
    case 1: return std::to_string(kas.Index);
    case 2: {
      const auto a = kb_.ZoekRekening(kas.RekNr);
      return a ? RekeningLabel(kb_.RekLijst[static_cast<std::size_t>(*a)]) : std::to_string(kas.RekNr);
    }
    case 3: return std::to_string((kas.VolgBlad & 0xFFFF) >> 6);
    case 4: return kas.GroepKode;
    case 5: return kas.ActieKode;
    case 6: return DatumTekst(kas.Datum);
    case 7: return kas.Relatie;
    case 8: return kas.TegenRekNr;
    case kVeldBedrag: return BedragTekst(kb_, kas.Bedrag);
    case kVeldBtw: {
      const double f = BtwVanGroep(kb_, kas.GroepKode).Percentage();
      return BedragTekst(kb_, f * kas.Bedrag / (f + 100));
    }
    case kVeldKoers: return GetalTekst(kb_, kas.MuntKoers, 5);
    case 12: return kas.Omschrijving;
    case 13: {
      const auto g = kb_.ZoekGroep(kas.GroepKode);
      return g ? kb_.GroepLijst[static_cast<std::size_t>(*g)].Klasse : std::string();
    }
    // Day number 0 means "no pay date"; written as a date it would read as
    // 30-12-1899 in the program that opens the file.
    case kVeldPayDate: return kas.PayDate == 0 ? std::string() : DatumTekst(kas.PayDate);
    default: return {};
  }
}

bool ExportModel::TransactieRegels(std::vector<std::string>& regels) {
  const char s = ScheidingsTeken();
  if (veldnamen) {
    std::string regel;
    for (int v = 1; v <= kExportVelden; ++v) {
      if (!VeldMee(v)) continue;
      regel += ExportVeldNamen()[static_cast<std::size_t>(v - 1)];
      if (v != kVeldPayDate) regel += s;
    }
    regels.push_back(regel);
  }
  const int rekNr = kb_.RekLijst[static_cast<std::size_t>(positie_)].RekNr;
  const double van = std::floor(beginDatum);
  int genomen = 0;
  VoortgangMelder melder(kb_.voortgang(), bezig_, kb_.KasLijst.empty() ? 0 : kb_.KasLijst.size() - 1);
  for (std::size_t i = 1; i < kb_.KasLijst.size(); ++i) {
    const TKas& kas = kb_.KasLijst[i];
    melder.Stap(i);
    if (kas.RekNr != rekNr || kas.Datum < van || kas.Datum > eindDatum) continue;
    try {
      std::string regel;
      for (int v = 1; v <= kExportVelden; ++v) {
        if (!VeldMee(v)) continue;
        std::string waarde = Veld(v, kas);
        if (quotes)
          waarde = TussenQuotes(waarde);
        else
          waarde = Vervang(waarde, s, v == kVeldBedrag || v == kVeldBtw || v == kVeldKoers ? '.' : ' ');
        regel += waarde;
        regel += s;
      }
      regels.push_back(std::move(regel));
      ++genomen;
    } catch (const std::exception&) {
      Foutmelding(kb_, "Record op regel " + std::to_string(genomen), FoutNr::VerkeerdFormaat, HintNr::ProbeerOpnieuw);
      return false;
    }
  }
  return true;
}

bool ExportModel::TotaalRegels(std::vector<std::string>& regels) {
  const char s = ScheidingsTeken();
  const auto& m = kb_.SaldoMatrix();
  const auto totaalRij = static_cast<std::size_t>(kb_.MaxGroep()) + 1;
  std::vector<std::size_t> rekeningen;
  for (std::size_t i = 0; i < aangevinkt.size(); ++i)
    if (aangevinkt[i]) rekeningen.push_back(i + 1);
  // A label holding the separator would shift every column after it.
  auto label = [s](const std::string& tekst) { return Vervang(tekst, s, ' '); };
  auto cel = [&](std::size_t g, std::size_t a) -> TInUit {
    if (g >= m.size() || a >= m[g].size()) return {};
    return m[g][a];
  };

  if (veldnamen) {
    std::string regel = std::string("Kode ") + s;
    for (std::size_t a : rekeningen) regel += label(RekeningLabel(kb_.RekLijst[a])) + s;
    regels.push_back(regel + "Totaal/kode");
  }
  for (std::size_t g = 1; g < totaalRij && g < kb_.GroepLijst.size(); ++g) {
    try {
      const TBudget& groep = kb_.GroepLijst[g];
      std::string regel = label(Getrimd(groep.Kode + " " + groep.Naam)) + s;
      // In cents: whether the line is written, and its total, must not hang
      // on a rounding error.
      std::int64_t in = 0, uit = 0;
      for (std::size_t a : rekeningen) {
        const TInUit c = cel(g, a);
        in += Centen(c.In);
        uit += Centen(c.Uit);
        regel += BedragTekst(kb_, c.In + c.Uit) + s;
      }
      if (in == 0 && uit == 0) continue;
      regels.push_back(regel + BedragTekst(kb_, UitCenten(in + uit)));
    } catch (const std::exception&) {
      Foutmelding(kb_, "Record op regel " + std::to_string(g + 1), FoutNr::VerkeerdFormaat, HintNr::ProbeerOpnieuw);
      return false;
    }
  }
  std::string regel = std::string("Totaal") + s;
  std::int64_t som = 0;
  for (std::size_t a : rekeningen) {
    const TInUit c = cel(totaalRij, a);
    som += Centen(c.In + c.Uit);
    regel += BedragTekst(kb_, c.In + c.Uit) + s;
  }
  regels.push_back(regel + BedragTekst(kb_, UitCenten(som)));
  return true;
}

bool ExportModel::Regels(std::vector<std::string>& regels) {
  regels.clear();
  if (!IsTotalen() && (positie_ < 1 || positie_ > kb_.MaxRek())) return false;
  const bool gelukt = IsTotalen() ? TotaalRegels(regels) : TransactieRegels(regels);
  if (!gelukt) regels.clear();
  return gelukt;
}

bool ExportModel::Inhoud(std::string& bytes) {
  bytes.clear();
  if (journaal) {
    // A journal is read by tools that expect UTF-8 and plain line feeds.
    bytes = JournaalTekst(kb_, bezig_);
    return true;
  }
  std::vector<std::string> regels;
  if (!Regels(regels)) return false;
  for (const std::string& regel : regels) bytes += Utf8NaarCp1252(regel) + "\r\n";
  return true;
}

bool ExportModel::SchrijfInhoud(const std::function<void(std::string_view)>& schrijf) {
  if (journaal) {
    SchrijfJournaal(kb_, schrijf, bezig_);
    return true;
  }
  std::string bytes;
  if (!Inhoud(bytes)) return false;
  schrijf(bytes);
  return true;
}

bool ExportModel::Schrijf(const std::string& pad) {
  onbevestigd_.clear();
  bezig_ = "Exporteren " + kb_.Pad(pad).filename().string();
  std::string bytes;
  const bool gemaakt = Inhoud(bytes);
  bezig_ = kExporteren;
  if (!gemaakt) return false;
  const std::vector<std::uint8_t> inhoud(bytes.begin(), bytes.end());
  const SchrijfUitkomst uitkomst = SchrijfAtomisch(kb_.Pad(pad), inhoud, kb_.bestanden());
  if (!uitkomst) {
    Foutmelding(kb_, pad + " (" + uitkomst.reden + ")", FoutNr::WegschrijvenMislukt, HintNr::ProbeerOpnieuw);
    return false;
  }
  if (uitkomst.onbevestigd) {
    onbevestigd_ = OnbevestigdTekst(pad, uitkomst);
    kb_.berichten().BerichtDlg(onbevestigd_, BerichtSoort::Waarschuwing, knop::OK);
  }
  return true;
}

bool ExportModel::Ok() {
  BestandsDialoog dialoog{"", "Text files (*.txt)|*.TXT", "txt", "*.txt", kb_.sessie.Map.string()};
  if (journaal) dialoog = {"", "Journaal (*.journal)|*.journal", "journal", kb_.sessie.KasNaam + ".journal",
                           kb_.sessie.Map.string()};
  const auto keuze = kb_.berichten().BewaarDialoog(dialoog);
  if (!keuze) return false;
  if (!Schrijf(*keuze)) return false;
  Mededeling(kb_, "Bewaren " + *keuze + " gelukt");
  return true;
}

}  // namespace valdero
