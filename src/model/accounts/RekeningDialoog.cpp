#include "model/accounts/RekeningDialoog.h"
#include "model/core/Domein.h"

#include <array>
#include <cctype>
#include <optional>

#include "model/accounts/RekeningControle.h"
#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/KasVolgorde.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

struct StapTekst {
  const char* label;
  const char* kopNieuw;
  const char* kopWijzig;
  const char* help;
};

const std::array<StapTekst, 12> kStappen = {{
    {"", " Invoeren van rekeningvelden", " Wijzigen van rekeningvelden",
     " Vul nu alle velden van een rekening in (of wijzig).\rClick daarvoor op verder>."},
    {"Rekening", " Wat is de naam en het Rekening Nummer?", " Naam van de rekening :  ",
     "  Maximale lengte is 32 karakters\r  Geef Naam en Rekeningnummer\rbijv. ABN/AMRO  123654789, enz"},
    {"Rek.code", " Wat wordt de Rekening Code ?", " Code van de rekening :  ",
     "  Geef een getal van  1 tot 100"},
    {"Soort", " Kies soort uit de keuzelijst", " Soort keuze van de rekening :  ",
     "  Alleen soortkeuze uit de lijst"},
    {"Saldo", " Geef het beginsaldo van de rekening", " Beginsaldo van de rekening :  ",
     "  Beginbedrag v.d.rekening\rnegatief bedrag met teken \ralleen Betaal-en Spaarrekeningen"},
    {"Munt", " Geef de munteenheid van de rekening", " Munteenheid van de rekening :  ",
     "  Alleen de valuta uit de lijst"},
    {"Datum", " Geef de begindatum van de rekening", " Begindatum van de rekening :  ",
     "  Datum als : dd-mm-jjjj"},
    {"Type", " Lening VAN instantie of AAN persoon?", "", " Type V(an),A(an)\rinstantie of persoon"},
    {"Groep", " Geef kode van extra Leengroep ", "", " Type kode van leengroep"},
    {"Titel", " Geef titel van de Groep", "", " Type titel van de leengroep\rbijv. Lening; Hypotheek"},
    {"LeningSom", " Geef bedrag van de lening", "", " Type te lenen bedrag \rzonder teken"},
    {"Relatie", " Geef naam van de relatie ", "", " Type naam van de relatie "},
}};

// A typed amount, or nothing after the report of a text that is no amount:
// a refused entry must leave the stored value as it was.
std::optional<double> LeesBedragOfNiets(Kasboek& kb, std::string& tekst) {
  const auto bedrag = LeesBedrag(kb, tekst, true);
  if (!bedrag) MeldGeenGetal(kb, tekst);
  return bedrag;
}

bool IsKodeTeken(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

float KoersVan(const Kasboek& kb, int munt) {
  if (munt < 0 || munt >= static_cast<int>(kb.ValutaLijst.size())) return 1.0f;
  return kb.ValutaLijst[static_cast<std::size_t>(munt)].Koers;
}

// The opening-balance record of an account: the first of its transactions
// booked on its own group with a description starting with "SALDO".
const TKas* BeginSaldoRecord(const Kasboek& kb, const TBank& rek) {
  const std::string kode = std::to_string(rek.RekNr);
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i) {
    const TKas& k = kb.KasLijst[i];
    if (k.RekNr == rek.RekNr && k.GroepKode == kode &&
        Hoofdletters(Kap(k.Omschrijving, 5)) == "SALDO")
      return &k;
  }
  return nullptr;
}

}  // namespace

RekeningDialoog::RekeningDialoog(Kasboek& kb, RekeningDialoogVoerder& voerder)
    : kb_(kb), voerder_(voerder) {}

void RekeningDialoog::Begin(bool nieuw) {
  nieuw_ = nieuw;
  stap_ = 0;
  laatsteStap_ = 6;
  afgelopen_ = false;
  gereed_ = false;
  opgeslagenStap_ = -1;
  if (kb_.SoortKodes.empty())
    for (const auto& s : kb_.SoortLijst) kb_.SoortKodes.push_back(Kap(s.Naam, 2));
}

int RekeningDialoog::NewAccount(int positie, const std::string& voorgesteldeNaam) {
  if (kb_.RekLijst.empty()) kb_.RekLijst.emplace_back();
  rek_ = TBank{};
  rek_.Index = positie;
  rek_.RekNr = VrijRekNr(kb_);
  rek_.Naam = Kap(voorgesteldeNaam, 32);
  rek_.RekNrTekst = std::to_string(rek_.RekNr);
  rek_.Soort = "BT";
  rek_.Munt = 0;
  positie_ = positie;
  beginDatum_ = kb_.Vandaag();
  beginSaldo_ = 0;
  lening_.GroepKode.clear();
  bankLab_ = kb_.MaxRek() < 1;
  Begin(true);
  voerder_.Voer(*this);
  if (!Gereed()) {
    nieuwRekNr_ = 1;
    return 1;
  }
  if (!RekNrUniek(kb_, rek_.RekNr, 0)) return 1;
  const std::size_t plek = positie < 1 ? 1
                           : positie > static_cast<int>(kb_.RekLijst.size())
                               ? kb_.RekLijst.size()
                               : static_cast<std::size_t>(positie);
  kb_.RekLijst.insert(kb_.RekLijst.begin() + static_cast<std::ptrdiff_t>(plek), rek_);
  for (std::size_t i = 0; i < kb_.RekLijst.size(); ++i) kb_.RekLijst[i].Index = static_cast<int>(i);
  nieuwRekNr_ = rek_.RekNr;
  BoekBeginSaldo(kb_, rek_, beginSaldo_, beginDatum_);
  return 0;
}

bool RekeningDialoog::EditAccount(int positie) {
  if (positie < 1 || positie >= static_cast<int>(kb_.RekLijst.size())) {
    kb_.berichten().BerichtDlg("Editing van record mislukt", BerichtSoort::Fout, knop::OK);
    return false;
  }
  const TBank& origineel = kb_.RekLijst[static_cast<std::size_t>(positie)];
  rek_ = origineel;
  positie_ = positie;
  bankLab_ = false;
  beginSaldo_ = 0;
  beginDatum_ = kb_.StartDatum;
  if (const TKas* k = BeginSaldoRecord(kb_, rek_)) {
    beginDatum_ = k->Datum;
    beginSaldo_ = k->MuntKoers != 0 ? k->Bedrag / k->MuntKoers : k->Bedrag;
  }
  Begin(false);
  voerder_.Voer(*this);
  // Cancelling leaves the account exactly as it was.
  if (!Gereed()) return false;
  const int oudNr = origineel.RekNr;
  if (rek_.RekNr != oudNr && !RekNrUniek(kb_, rek_.RekNr, positie)) {
    rek_.RekNr = oudNr;
    rek_.RekNrTekst = origineel.RekNrTekst;
  }
  if (rek_.RekNr != oudNr) VerhuisRekNr(kb_, oudNr, rek_.RekNr);
  kb_.RekLijst[static_cast<std::size_t>(positie)] = rek_;
  return true;
}

std::string RekeningDialoog::Titel() const { return nieuw_ ? "Nieuwe Rekening" : "Rekening bewerken"; }

std::string RekeningDialoog::Kop() const {
  const StapTekst& t = kStappen[static_cast<std::size_t>(stap_)];
  if (nieuw_) return t.kopNieuw;
  std::string kop = t.kopWijzig;
  if (stap_ >= 1 && stap_ <= 6) kop += std::to_string(rek_.RekNr);
  return kop;
}

std::string RekeningDialoog::Label() const { return kStappen[static_cast<std::size_t>(stap_)].label; }

std::string RekeningDialoog::Help() const { return kStappen[static_cast<std::size_t>(stap_)].help; }

std::vector<std::string> RekeningDialoog::Lijst() const {
  std::vector<std::string> lijst;
  if (stap_ == 3)
    for (const auto& s : kb_.SoortLijst) lijst.push_back(s.Naam);
  else if (stap_ == 5)
    for (const auto& v : kb_.ValutaLijst) lijst.push_back(v.Kode);
  return lijst;
}

int RekeningDialoog::LijstKeuze() const {
  if (stap_ == 3) {
    for (std::size_t i = 0; i < kb_.SoortLijst.size(); ++i)
      if (Kap(kb_.SoortLijst[i].Naam, 2) == rek_.Soort) return static_cast<int>(i);
  } else if (stap_ == 5 && rek_.Munt >= 0 && rek_.Munt < static_cast<int>(kb_.ValutaLijst.size())) {
    return rek_.Munt;
  }
  return -1;
}

std::string RekeningDialoog::VeldTekst() const {
  switch (stap_) {
    case 1: return rek_.Naam;
    case 2: return std::to_string(rek_.RekNr);
    case 4: return BedragTekst(kb_, beginSaldo_);
    case 6: return DatumTekst(beginDatum_);
    case 7: return lening_.VanInstantie ? "VAN instantie" : "AAN persoon";
    // Coming back to the step shows the code typed before, not the proposal.
    case 8: return lening_.GroepKode.empty() ? std::to_string(rek_.RekNr * 10 + 100) : lening_.GroepKode;
    case 9: return lening_.Titel;
    case 10: return BedragTekst(kb_, lening_.Bedrag);
    case 11: return lening_.Relatie;
    default: return "";
  }
}

void RekeningDialoog::BewaarStap(const std::string& invoer) {
  std::string tekst = invoer;
  switch (stap_) {
    case 1:
      rek_.Naam = Kap(tekst, 32);
      break;
    case 2:
      if (const auto nr = ControleerRekNr(kb_, tekst, rek_)) {
        rek_.RekNr = *nr;
        // The number's own text, so that its group code and its bookings agree.
        rek_.RekNrTekst = std::to_string(*nr);
      }
      break;
    case 3: {
      const std::string kode = Hoofdletters(Kap(tekst, 2));
      if (ControleerSoort(kb_, kode, positie_)) {
        rek_.Soort = kode;
        laatsteStap_ = nieuw_ && kode == "LN" ? 11 : 6;
      }
      break;
    }
    case 4:
      if (const auto b = LeesBedragOfNiets(kb_, tekst)) beginSaldo_ = *b;
      break;
    case 5:
      // An unknown code is reported and the account keeps the base currency.
      rek_.Munt = kb_.ZoekValuta(Kap(tekst, 3)).value_or(0);
      break;
    case 6:
      if (DatumAanvullen(kb_, tekst) && !tekst.empty())
        if (const auto d = LeesDatum(tekst, JaarVan(kb_.Vandaag()))) beginDatum_ = *d;
      break;
    case 7:
      lening_.VanInstantie = !tekst.empty() && (tekst[0] == 'V' || tekst[0] == 'v');
      lening_.RekNr = rek_.RekNr;
      lening_.Munt = rek_.Munt;
      break;
    case 8: {
      bool goed = true;
      for (char c : tekst) goed = goed && IsKodeTeken(c);
      if (AantalTekens(tekst) > 3) {
        kb_.berichten().BerichtDlg("Maximale lengte is 3 karakters", BerichtSoort::Fout, knop::OK);
      } else if (!goed) {
        kb_.berichten().BerichtDlg("Groep kode :" + tekst + " niet juist", BerichtSoort::Fout, knop::OK);
      } else {
        lening_.GroepKode = tekst;
      }
      break;
    }
    case 9:
      lening_.Titel = Kap(tekst, 24);
      break;
    case 10:
      if (const auto b = LeesBedragOfNiets(kb_, tekst)) lening_.Bedrag = *b;
      lening_.Klasse = lening_.VanInstantie ? " S" : " T";
      lening_.Datum = beginDatum_;
      // The loan booking takes the place of an opening balance.
      beginSaldo_ = 0;
      break;
    case 11:
      lening_.Relatie = Kap(tekst, 32);
      break;
    default:
      break;
  }
  opgeslagenStap_ = stap_;
  opgeslagenInvoer_ = invoer;
}

void RekeningDialoog::BewaarStapEenmaal(const std::string& invoer) {
  if (opgeslagenStap_ == stap_ && opgeslagenInvoer_ == invoer) return;
  BewaarStap(invoer);
}

void RekeningDialoog::Enter(const std::string& invoer) {
  if (!afgelopen_) BewaarStap(invoer);
}

void RekeningDialoog::Verder(const std::string& invoer) {
  if (afgelopen_) return;
  BewaarStapEenmaal(invoer);
  if (stap_ >= laatsteStap_) {
    afgelopen_ = true;
    gereed_ = true;
    return;
  }
  ++stap_;
  opgeslagenStap_ = -1;
}

void RekeningDialoog::Terug(const std::string& invoer) {
  if (afgelopen_) return;
  BewaarStapEenmaal(invoer);
  if (stap_ > 1) --stap_;
  opgeslagenStap_ = -1;
}

void RekeningDialoog::Schrap() {
  afgelopen_ = true;
  gereed_ = false;
}

void BoekBeginSaldo(Kasboek& kb, const TBank& rekening, double beginSaldo, double datum) {
  const float koers = KoersVan(kb, rekening.Munt);
  TKas kas;
  kas.Index = kb.MaxKas() + 1;
  kas.RekNr = rekening.RekNr;
  kas.VolgBlad = 0;
  kas.GroepKode = std::to_string(rekening.RekNr);
  kas.ActieKode = "--";
  kas.Datum = datum;
  kas.PayDate = datum;
  kas.Relatie = rekening.Naam;
  kas.Munt = rekening.Munt;
  kas.MuntKoers = koers;
  kas.Bedrag = beginSaldo * koers;
  kas.Omschrijving = "Saldo";
  if (rekening.Soort == kEffectenSoort) {
    kas.BoekSoort = 11;
    kas.Belegging = 1;
    kas.Aantal = 0;
    kas.Prijs = 1.0f;
  } else {
    kas.BoekSoort = 1;
    kas.Belegging = 0;
  }
  VoegKasIn(kb, std::move(kas));
}

}  // namespace valdero
