#include "model/groups/GroepTabel.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/Sorteren.h"
#include "model/core/TabelAfdruk.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/groups/GroepRegels.h"
#include "model/storage/Bestanden.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

// The classes of the monthly view.
constexpr const char* kMaandKlassen[] = {" B ", " I ", " L ", " U ", " V "};

bool AlsGetal(const std::string& tekst, int& waarde) {
  const std::string t = Getrimd(tekst);
  const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), waarde);
  return !t.empty() && ec == std::errc() && ptr == t.data() + t.size();
}

void Fout(Kasboek& kb, const std::string& tekst) {
  kb.berichten().BerichtDlg(tekst, BerichtSoort::Fout, knop::OK);
}

// A typed amount in the base currency, or false after LeesBedrag reported a
// text that is no amount.
bool LeesBedragOfNiets(Kasboek& kb, std::string tekst, bool waarschuw, double& bedrag) {
  if (Getrimd(tekst).empty()) {
    bedrag = 0;
    return true;
  }
  const auto gelezen = LeesBedrag(kb, tekst, waarschuw);
  if (!gelezen) MeldGeenGetal(kb, tekst);
  bedrag = gelezen.value_or(0);
  return gelezen.has_value();
}

std::string Regel(const std::string& a, const std::string& b, const std::string& c) {
  return std::string(4, ' ') + VulRechts(VulRechts(a, 8) + b, 35) + c;
}

}  // namespace

GroepTabel::GroepTabel(Kasboek& kb, Bewaarder bewaarBoek, Bewaarder bewaarConfig)
    : kb_(kb), bewaarBoek_(std::move(bewaarBoek)), bewaarConfig_(std::move(bewaarConfig)) {}

bool GroepTabel::Open(int view, int weken, const std::vector<std::string>& klassen) {
  view = std::clamp(view, 1, 6);
  weergave_.nummer = view;
  weergave_.deler = view == 3 ? 12 : view == 4 ? 4 : view == 5 ? std::max(1, weken) : 1;
  klassen_.clear();
  if (view == 3) {
    klassen_.assign(std::begin(kMaandKlassen), std::end(kMaandKlassen));
  } else if (view == 6) {
    klassen_ = klassen;
  } else {
    for (const auto& k : kb_.KlasseLijst) klassen_.push_back(k.Letter);
  }
  waarschuwing_.clear();
  veranderd_ = false;
  netjesGesloten_ = false;
  const bool gekozen = view == 1 || !klassen_.empty();
  if (!gekozen) Fout(kb_, "Geen selectie van klassen");
  BouwLijst();
  Vul();
  rij_ = Rijen() > 0 ? 1 : 0;
  kolom_ = 1;
  return gekozen;
}

void GroepTabel::Herlaad() {
  BouwLijst();
  Vul();
}

std::string GroepTabel::Kop() const {
  switch (weergave_.nummer) {
    case 1: return " INVOER VAN GROEPEN";
    case 2: return " BUDGET JAAR-GEGEVENS";
    case 3: return " BUDGET MAAND-GEGEVENS klassen : B,I,L,U,V";
    case 4: return " BUDGET KWARTAAL-GEGEVENS";
    case 5: return " BUDGET PERIODE-GEGEVENS  van " + std::to_string(weergave_.deler) + " weken";
    default: return " GESELECTEERDE-GEGEVENS";
  }
}

std::vector<std::string> GroepTabel::Titels() const {
  if (!MetBedragen()) return {"Index", "Kode", "Groep-titel", "Klasse"};
  return {"Index", "Kode", "Groep-titel", "Bedrag_IN", "Bedrag_UIT", "Klasse"};
}

std::vector<int> GroepTabel::Breedtes() const {
  if (!MetBedragen()) return {40, 50, 200, 40};
  return {40, 50, 200, 96, 96, 40};
}

std::string GroepTabel::Hint(int kolom, bool metBedragen) {
  if (!metBedragen && kolom == 3) kolom = 5;
  switch (kolom) {
    case 0: return "Recordindex";
    case 1: return "Kodenummer van groep";
    case 2: return "Naam of Titel van groep";
    case 3: return "Budget inkomstenbedrag";
    case 4: return "Budget uitgaven";
    default: return "Klasse v.d. groep (dubbelklik)";
  }
}

std::vector<int> GroepTabel::Knoppen() const {
  if (!MetBedragen()) return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  return {kEerste, kVorige, kVolgende, kLaatste, kHerstel, kVernieuw};
}

int GroepTabel::Positie(int r) const {
  return r >= 1 && r <= Rijen() ? posities_[static_cast<std::size_t>(r - 1)] : 0;
}

TBudget& GroepTabel::Groep(int r) { return kb_.GroepLijst[static_cast<std::size_t>(Positie(r))]; }
const TBudget& GroepTabel::Groep(int r) const {
  return kb_.GroepLijst[static_cast<std::size_t>(Positie(r))];
}

bool GroepTabel::KlasseGekozen(const std::string& klasse) const {
  return std::find(klassen_.begin(), klassen_.end(), klasse) != klassen_.end();
}

void GroepTabel::BouwLijst() {
  posities_.clear();
  const bool alles = weergave_.nummer <= 2;
  for (int p = 1; p <= kb_.MaxGroep(); ++p)
    if (alles || KlasseGekozen(kb_.GroepLijst[static_cast<std::size_t>(p)].Klasse)) posities_.push_back(p);
}

std::string GroepTabel::GetoondBedrag(const TBudget& g, int kolom) const {
  if (kolom == 3 && g.Budget > 0) return BedragTekst(kb_, weergave_.Getoond(g.Budget));
  if (kolom == 4 && g.Budget < 0) return BedragTekst(kb_, -weergave_.Getoond(g.Budget));
  return {};
}

GroepTabel::Rij GroepTabel::RijVan(int r) const {
  const TBudget& g = Groep(r);
  if (!MetBedragen()) return {std::to_string(g.Nummer), g.Kode, g.Naam, g.Klasse};
  return {std::to_string(g.Nummer), g.Kode, g.Naam, GetoondBedrag(g, 3), GetoondBedrag(g, 4), g.Klasse};
}

void GroepTabel::Vul() {
  rijen_.assign(posities_.size() + 1, Rij{});
  for (int r = 1; r <= Rijen(); ++r) rijen_[static_cast<std::size_t>(r)] = RijVan(r);
  rij_ = std::clamp(rij_, Rijen() > 0 ? 1 : 0, Rijen());
  Tel();
}

void GroepTabel::Hernummer() {
  HernummerGroepen(kb_);
  for (int r = 1; r <= Rijen(); ++r) rijen_[static_cast<std::size_t>(r)][0] = std::to_string(Groep(r).Nummer);
}

void GroepTabel::Kies(int rij, int kolom) {
  if (rij >= 1 && rij <= Rijen()) rij_ = rij;
  if (kolom >= 0 && kolom < Kolommen()) kolom_ = kolom;
}

void GroepTabel::ZetCel(int rij, int kolom, const std::string& tekst) {
  if (rij < 1 || rij > Rijen() || kolom < 0 || kolom >= Kolommen()) return;
  rijen_[static_cast<std::size_t>(rij)][static_cast<std::size_t>(kolom)] = tekst;
}

void GroepTabel::ToonRij(int r) {
  if (r >= 1 && r <= Rijen()) rijen_[static_cast<std::size_t>(r)] = RijVan(r);
}

bool GroepTabel::Gewijzigd(int r) const {
  return r >= 1 && r <= Rijen() && rijen_[static_cast<std::size_t>(r)] != RijVan(r);
}

void GroepTabel::WijzigKode(int r, const std::string& kode) {
  TBudget& g = Groep(r);
  if (AantalTekens(kode) > 4) {
    Fout(kb_, "Maximale groeplengte is 4 karakters");
    geweigerd_ = true;
    return;
  }
  if (!KodeToegestaan(kb_, kode, g.Kode)) {
    geweigerd_ = true;
    return;
  }
  // The list never holds two groups of one code, not even until the row is
  // validated: a clash is refused here.
  TBudget proef = g;
  proef.Kode = kode;
  if (!GroepUniek(kb_, proef, Positie(r))) {
    geweigerd_ = true;
    return;
  }
  const std::string oud = g.Kode;
  if (!IsKort(oud)) HernoemGroepInKas(kb_, oud, kode);
  g.Kode = kode;
  veranderd_ = true;
}

void GroepTabel::WijzigTitel(int r, const std::string& titel) {
  TBudget& g = Groep(r);
  TBudget proef = g;
  proef.Naam = titel;
  if (GroepUniek(kb_, proef, Positie(r)))
    g.Naam = titel;
  else
    geweigerd_ = true;
}

void GroepTabel::ZetKlasse(int r, const std::string& tekst) {
  TBudget& g = Groep(r);
  const std::string klasse = VulRechts(" " + Getrimd(tekst), 3);
  if (tekst == g.Klasse || klasse == g.Klasse) return;
  if (kb_.KlasseBestaat(klasse)) {
    g.Klasse = klasse;
  } else {
    Fout(kb_, "Klasse :" + tekst + " niet correct");
    geweigerd_ = true;
  }
}

void GroepTabel::ZetBedrag(int r, int kolom) {
  TBudget& g = Groep(r);
  const std::string& tekst = rijen_[static_cast<std::size_t>(r)][static_cast<std::size_t>(kolom)];
  double waarde = 0;
  if (!LeesBedragOfNiets(kb_, tekst, true, waarde)) {
    geweigerd_ = true;
    return;
  }
  if (!kb_.KlasseBestaat(g.Klasse)) return;
  const double jaar = weergave_.NaarJaar(waarde);
  g.Budget = kolom == 3 ? jaar : -jaar;
}

bool GroepTabel::BewaarRij(int r) {
  if (r < 1 || r > Rijen()) return true;
  geweigerd_ = false;
  // A copy: the changes below may refill nothing, but must read what was typed.
  const Rij cel = rijen_[static_cast<std::size_t>(r)];
  TBudget& g = Groep(r);
  int index = 0;
  if (AlsGetal(cel[0], index)) g.Nummer = index;
  if (cel[1] != g.Kode) {
    if (weergave_.nummer <= 2) {
      WijzigKode(r, cel[1]);
    } else {
      Fout(kb_, "Geen wijziging toegestaan \r Alleen voor Jaarbegroting");
      geweigerd_ = true;
    }
  }
  const std::string titel = Kap(cel[2], 32);
  if (titel != g.Naam) WijzigTitel(r, titel);
  // The class first: an amount is only taken for a group of an existing class.
  ZetKlasse(r, cel[static_cast<std::size_t>(KlasseKolom())]);
  if (MetBedragen()) {
    // The column whose text differs from what it showed; the income column
    // first, as it is read first.
    if (cel[3] != GetoondBedrag(g, 3))
      ZetBedrag(r, 3);
    else if (cel[4] != GetoondBedrag(g, 4))
      ZetBedrag(r, 4);
  }
  ToonRij(r);
  Tel();
  return !geweigerd_;
}

bool GroepTabel::Valideer(int r) {
  if (r < 1 || r > Rijen()) return true;
  const Rij& cel = rijen_[static_cast<std::size_t>(r)];
  if (MetBedragen()) {
    const std::string& bedrag = Getrimd(cel[3]).empty() ? cel[4] : cel[3];
    double waarde = 0;
    if (!LeesBedragOfNiets(kb_, bedrag, false, waarde)) return false;
  }
  TBudget proef = Groep(r);
  proef.Kode = cel[1];
  proef.Naam = Kap(cel[2], 32);
  if (!GroepUniek(kb_, proef, Positie(r))) return false;
  const std::string& klasse = cel[static_cast<std::size_t>(KlasseKolom())];
  if (!kb_.KlasseBestaat(Kap(klasse, 3))) {
    Fout(kb_, "Klasse :" + klasse + " niet correct");
    return false;
  }
  return true;
}

void GroepTabel::BewaarAlles() {
  for (int r = 1; r <= Rijen(); ++r)
    if (Gewijzigd(r)) BewaarRij(r);
}

void GroepTabel::Enter(bool editorOpen) {
  if (rij_ < 1 || rij_ > Rijen()) return;
  if (editorOpen) {
    BewaarRij(rij_);
    return;
  }
  ToonRij(rij_);
  if (kolom_ == KlasseKolom()) {
    BewaarRij(rij_);
    if (Valideer(rij_)) {
      if (rij_ < Rijen()) ++rij_;
      kolom_ = 1;
    }
  } else {
    ++kolom_;
  }
}

void GroepTabel::Tab(bool editorOpen) {
  if (rij_ < 1 || rij_ > Rijen()) return;
  if (editorOpen)
    BewaarRij(rij_);
  else
    ToonRij(rij_);
}

GroepTabel::Vervolg GroepTabel::Navigeer(int knop, bool editorOpen) {
  if (editorOpen) {
    kb_.berichten().BerichtDlg(kEditorActief, BerichtSoort::Waarschuwing, knop::OK);
    return Vervolg::Niets;
  }
  waarschuwing_.clear();
  const bool jaar = weergave_.nummer <= 2;
  switch (knop) {
    case kEerste: rij_ = Rijen() > 0 ? 1 : 0; break;
    case kVorige: if (rij_ > 1) --rij_; break;
    case kLaatste: rij_ = Rijen(); break;
    case kVolgende:
      if (rij_ < Rijen()) {
        ++rij_;
        break;
      }
      return jaar ? Vervolg::NieuweGroep : Vervolg::Niets;
    case kInvoegen: return jaar ? Vervolg::NieuweGroep : Vervolg::Niets;
    case kVerwijder:
      if (jaar) Verwijder();
      break;
    case kBewerk: return Rijen() > 0 ? Vervolg::BewerkGroep : Vervolg::Niets;
    case kPost: BewaarRij(rij_); break;
    case kHerstel: ToonRij(rij_); break;
    case kVernieuw:
      BewaarAlles();
      SorteerGroepen(kb_);
      HerbouwSaldoMatrix(kb_);
      BouwLijst();
      rij_ = 1;
      Vul();
      Hernummer();
      break;
    default: break;
  }
  return Vervolg::Niets;
}

void GroepTabel::NaNieuweGroep(bool gelukt, const std::string& kode) {
  if (!gelukt) return;
  // A row per group in the matrix: it follows the new shape at once.
  HerbouwSaldoMatrix(kb_);
  veranderd_ = true;
  BouwLijst();
  Vul();
  Hernummer();
  const auto p = kb_.ZoekGroep(kode);
  for (int r = 1; r <= Rijen(); ++r)
    if (Positie(r) == p) rij_ = r;
}

void GroepTabel::NaBewerken(const std::string& oudeKode) {
  if (rij_ >= 1 && rij_ <= Rijen()) {
    const std::string nieuw = Groep(rij_).Kode;
    if (nieuw != oudeKode) {
      HernoemGroepInKas(kb_, oudeKode, nieuw);
      veranderd_ = true;
    }
  }
  BouwLijst();
  Vul();
}

void GroepTabel::Verwijder() {
  if (rij_ < 1 || rij_ > Rijen()) return;
  BewaarAlles();
  const int p = Positie(rij_);
  const std::string kode = Groep(rij_).Kode;
  if (IsKort(kode)) {
    for (int a = 1; a <= kb_.MaxRek(); ++a)
      if (kb_.RekLijst[static_cast<std::size_t>(a)].RekNrTekst == kode) {
        waarschuwing_ = kBankKode;
        return;
      }
  }
  if (!Vraag(kb_, "Wilt u deze groep verwijderen ")) return;
  SchrapMatrixRij(kb_, p);
  kb_.GroepLijst.erase(kb_.GroepLijst.begin() + p);
  HernummerGroepen(kb_);
  const int antwoord = kb_.berichten().BerichtDlg("Alle transacties met deze Boekingskode verwijderen?",
                                                  BerichtSoort::Bevestig, knop::JaNee);
  // The group's row left the matrix with every amount booked on it.
  if (antwoord != antwoord::Nee && kb_.KasLijst.size() > 1) {
    const auto eerste = std::remove_if(kb_.KasLijst.begin() + 1, kb_.KasLijst.end(),
                                       [&](const TKas& k) { return k.GroepKode == kode; });
    const auto weg = static_cast<int>(kb_.KasLijst.end() - eerste);
    kb_.KasLijst.erase(eerste, kb_.KasLijst.end());
    if (weg > 0) {
      kb_.HernummerKas();
      if (bewaarBoek_) bewaarBoek_(kb_);
      Mededeling(kb_, "Totaal " + std::to_string(weg) + " Kasrecord(s) verwijderd");
    }
  }
  veranderd_ = true;
  BouwLijst();
  Vul();
  Hernummer();
}

void GroepTabel::Tel() {
  totalen_ = {};
  if (!MetBedragen()) return;
  double in = 0;
  double netto = 0;
  if (weergave_.nummer == 3) {
    std::map<std::string, double> perKlasse;
    for (int p : posities_) {
      const TBudget& g = kb_.GroepLijst[static_cast<std::size_t>(p)];
      perKlasse[g.Klasse] += g.Budget;
    }
    in = perKlasse[" I "];
    netto = in + perKlasse[" B "] + perKlasse[" L "] + perKlasse[" U "] + perKlasse[" V "];
  } else {
    for (int p : posities_) {
      const TBudget& g = kb_.GroepLijst[static_cast<std::size_t>(p)];
      if (!KlasseGekozen(g.Klasse)) continue;
      if (g.Budget > 0) in += g.Budget;
      netto += g.Budget;
    }
  }
  in = weergave_.Getoond(in);
  netto = weergave_.Getoond(netto);
  totalen_.in = BedragTekst(kb_, in);
  totalen_.uit = BedragTekst(kb_, in - netto);
  if (netto > 0)
    totalen_.posSaldo = BedragTekst(kb_, netto);
  else
    totalen_.negSaldo = BedragTekst(kb_, -netto);
}

std::string GroepTabel::TotaalLabel() const {
  const int m = kb_.weergave.HulpMunt;
  const std::string kode = m >= 0 && m < static_cast<int>(kb_.ValutaLijst.size())
                               ? kb_.ValutaLijst[static_cast<std::size_t>(m)].Kode
                               : std::string();
  return "TOTAAL IN/UIT   " + kode;
}

std::string GroepTabel::SaldoLabel() const {
  const int m = kb_.weergave.HulpMunt;
  const std::string kode = m >= 0 && m < static_cast<int>(kb_.ValutaLijst.size())
                               ? kb_.ValutaLijst[static_cast<std::size_t>(m)].Kode
                               : std::string();
  return "EIND SALDO  " + kode;
}

std::vector<std::string> GroepTabel::KlasseKeuzes() const {
  std::vector<std::string> lijst;
  for (const auto& k : kb_.KlasseLijst) lijst.push_back(k.Letter + Kap(k.Naam, 27));
  return lijst;
}

int GroepTabel::KlasseKeuze() const {
  if (rij_ < 1 || rij_ > Rijen()) return -1;
  for (std::size_t i = 0; i < kb_.KlasseLijst.size(); ++i)
    if (kb_.KlasseLijst[i].Letter == Groep(rij_).Klasse) return static_cast<int>(i);
  return -1;
}

void GroepTabel::KiesKlasse(int index) {
  if (rij_ < 1 || rij_ > Rijen() || index < 0 || index >= static_cast<int>(kb_.KlasseLijst.size())) return;
  Groep(rij_).Klasse = kb_.KlasseLijst[static_cast<std::size_t>(index)].Letter;
  ToonRij(rij_);
  Tel();
}

std::vector<std::string> GroepTabel::TitelKeuzes() const {
  std::vector<std::string> titels;
  for (int r = 1; r <= Rijen(); ++r) titels.push_back(Groep(r).Naam);
  return titels;
}

void GroepTabel::KiesTitel(int index) {
  if (index >= 0 && index < Rijen()) rij_ = index + 1;
}

void GroepTabel::NaSorteren() {
  BouwLijst();
  Vul();
  Hernummer();
  HerbouwSaldoMatrix(kb_);
  // The sort dialog keeps the groups option in the book and in bit 10 of
  // the configuration as it is clicked; the file follows here.
  ZetOpNaam(kb_, SorteerOnderwerp::Groepen, OpNaam(kb_, SorteerOnderwerp::Groepen));
  if (bewaarConfig_) bewaarConfig_(kb_);
}

std::vector<std::string> GroepTabel::TekstRegels() const {
  const std::string streep = std::string(4, ' ') + std::string(42, '-');
  std::vector<std::string> regels(3);
  regels.push_back(std::string(4, ' ') + "GROEPEN TABEL" + std::string(11, ' ') + kb_.sessie.KasNaam);
  regels.emplace_back();
  const auto titels = Titels();
  regels.push_back(Regel(titels[1], titels[2], titels[3]));
  regels.push_back(streep);
  for (int r = 1; r <= Rijen(); ++r) {
    const Rij& c = rijen_[static_cast<std::size_t>(r)];
    regels.push_back(Regel(c[1], c[2], c[3]));
  }
  regels.push_back(streep);
  return regels;
}

bool GroepTabel::BewaarTekst() {
  BestandsDialoog d;
  d.titel = "IOGroepenfile ";
  d.filter = "Text files (*.txt)|*.TXT";
  d.standaardExtensie = "txt";
  d.voorgesteldeNaam = laatsteBestand_;
  d.map = kb_.sessie.Map.string();
  const auto naam = kb_.berichten().BewaarDialoog(d);
  if (!naam) return false;
  const SchrijfUitkomst uitkomst = SchrijfTekstRegels(kb_.Pad(*naam), TekstRegels(), kb_.bestanden());
  if (!uitkomst) {
    Foutmelding(kb_, "Bestand " + *naam + " (" + uitkomst.reden + ")", FoutNr::VerkeerdFormaat,
                HintNr::ProbeerOpnieuw);
    return false;
  }
  if (uitkomst.onbevestigd)
    kb_.berichten().BerichtDlg(OnbevestigdTekst(*naam, uitkomst), BerichtSoort::Waarschuwing, knop::OK);
  laatsteBestand_ = *naam;
  return true;
}

bool GroepTabel::Print() {
  AfdrukTabel t;
  t.kop = Kop();
  t.boekNaam = kb_.sessie.KasNaam;
  t.titels = Titels();
  t.breedtes = Breedtes();
  if (MetBedragen()) t.rechts = {false, false, false, true, true, false};
  for (int r = 1; r <= Rijen(); ++r) t.rijen.push_back(rijen_[static_cast<std::size_t>(r)]);
  if (MetBedragen()) {
    t.totalen.push_back({"", "", TotaalLabel(), totalen_.in, totalen_.uit, ""});
    t.totalen.push_back({"", "", SaldoLabel(), totalen_.posSaldo, totalen_.negSaldo, ""});
  }
  if (DrukTabel(kb_, t)) return true;
  Fout(kb_, "Afdrukken niet gelukt");
  return false;
}

bool GroepTabel::Ok() {
  if (Rijen() > 0 && rij_ >= 1) {
    if (Gewijzigd(rij_) && !BewaarRij(rij_)) return false;
    if (!Valideer(rij_)) return false;
  }
  // Every typed change is stored and valid, or the window stays open on the
  // row that refuses it: nothing typed is dropped without a word.
  for (int r = 1; r <= Rijen(); ++r) {
    if (r == rij_ || !Gewijzigd(r)) continue;
    if (!BewaarRij(r) || !Valideer(r)) {
      rij_ = r;
      return false;
    }
  }
  if (bewaarBoek_) bewaarBoek_(kb_);
  if (bewaarConfig_) bewaarConfig_(kb_);
  if (veranderd_) HerbouwSaldoMatrix(kb_);
  netjesGesloten_ = true;
  return true;
}

bool GroepTabel::MagSluiten() {
  if (netjesGesloten_) return true;
  return !Vraag(kb_, kSluitVraag);
}

}  // namespace valdero
