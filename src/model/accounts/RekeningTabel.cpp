#include "model/accounts/RekeningTabel.h"

#include <cctype>
#include <charconv>

#include "model/accounts/RekeningBeheer.h"
#include "model/accounts/RekeningControle.h"
#include "model/accounts/RekeningDialoog.h"
#include "model/accounts/RekeningGroepen.h"
#include "model/core/Berichten.h"
#include "model/core/Domein.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/Sorteren.h"
#include "model/core/TabelAfdruk.h"
#include "model/core/TekstHulp.h"
#include "model/groups/GroepRegels.h"
#include "model/storage/Bestanden.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

bool AlsGetal(const std::string& tekst, int& waarde) {
  const std::string t = Getrimd(tekst);
  const char* begin = t.data();
  const char* eind = t.data() + t.size();
  if (begin != eind && *begin == '+') ++begin;
  const auto [ptr, ec] = std::from_chars(begin, eind, waarde);
  return !t.empty() && ec == std::errc() && ptr == eind;
}

// One line of the text file: column 1 in 8 places, the name up to place 35,
// the kind up to 40, the currency up to 42; a longer text is not cut.
std::string TekstRegel(const std::string& nummer, const std::string& naam, const std::string& soort,
                       const std::string& munt) {
  std::string regel = VulRechts(nummer, 8);
  regel = VulRechts(regel + naam, 35);
  regel = VulRechts(regel + soort, 40);
  return VulRechts(regel + munt, 42);
}

}  // namespace

std::vector<std::string> RekeningTabel::Titels() { return {"Index", "Nummer", "Naam", "Soort", "Munt"}; }

std::string RekeningTabel::Hint(int x) {
  if (x < 40) return "Recordindex";
  if (x <= 84) return "Rekeningnummer";
  if (x <= 332) return "Naam van de rekening";
  if (x >= 380) return "Valuta afkorting";
  return "Soort rekening(dubbelclick)";
}

RekeningTabel::RekeningTabel(Kasboek& kb, RekeningDialoog& dialoog, Bewaarder bewaarBoek,
                             Bewaarder bewaarConfig)
    : kb_(kb), dialoog_(dialoog), bewaarBoek_(std::move(bewaarBoek)), bewaarConfig_(std::move(bewaarConfig)) {}

void RekeningTabel::Open() {
  netjesGesloten_ = false;
  VulAlles();
  rij_ = Rijen() > 0 ? 1 : 0;
  kolom_ = 1;
}

RekeningTabel::Rij RekeningTabel::RijVan(int r) const {
  const TBank& rek = kb_.RekLijst[static_cast<std::size_t>(r)];
  std::string munt;
  if (rek.Munt >= 0 && rek.Munt < static_cast<int>(kb_.ValutaLijst.size()))
    munt = kb_.ValutaLijst[static_cast<std::size_t>(rek.Munt)].Kode;
  return {std::to_string(rek.Index), rek.RekNrTekst, rek.Naam, rek.Soort, munt};
}

void RekeningTabel::VulAlles() {
  rijen_.assign(static_cast<std::size_t>(kb_.MaxRek()) + 1, Rij{});
  for (int r = 1; r <= Rijen(); ++r) rijen_[static_cast<std::size_t>(r)] = RijVan(r);
  if (rij_ > Rijen()) rij_ = Rijen();
  if (rij_ < 1 && Rijen() > 0) rij_ = 1;
}

void RekeningTabel::Kies(int rij, int kolom) {
  if (rij >= 1 && rij <= Rijen()) rij_ = rij;
  if (kolom >= 0 && kolom < kKolommen) kolom_ = kolom;
}

void RekeningTabel::ZetCel(int rij, int kolom, const std::string& tekst) {
  if (rij < 1 || rij > Rijen() || kolom < 0 || kolom >= kKolommen) return;
  rijen_[static_cast<std::size_t>(rij)][static_cast<std::size_t>(kolom)] = tekst;
}

void RekeningTabel::ToonRij(int r) {
  if (r >= 1 && r <= Rijen()) rijen_[static_cast<std::size_t>(r)] = RijVan(r);
}

bool RekeningTabel::Gewijzigd(int r) const {
  return r >= 1 && r <= Rijen() && rijen_[static_cast<std::size_t>(r)] != RijVan(r);
}

void RekeningTabel::BewaarRij(int r) {
  if (r < 1 || r > Rijen()) return;
  Rij& cel = rijen_[static_cast<std::size_t>(r)];
  TBank& rek = kb_.RekLijst[static_cast<std::size_t>(r)];

  int index = 0;
  if (AlsGetal(cel[kIndex], index)) rek.Index = index;

  int nummer = 0;
  if (!AlsGetal(cel[kNummer], nummer) || nummer != rek.RekNr) {
    TBank proef = rek;
    const auto goed = ControleerRekNr(kb_, cel[kNummer], proef);
    // A number another account has is refused here already: the list must
    // never hold two accounts of one number, not even for a moment.
    if (goed && RekNrUniek(kb_, *goed, r)) {
      const int oud = rek.RekNr;
      rek.RekNr = *goed;
      rek.RekNrTekst = Kap(std::to_string(*goed), 4);
      if (oud != 0 && oud != rek.RekNr) VerhuisRekNr(kb_, oud, rek.RekNr);
      // The confirmed transfer account takes its name and kind, which the
      // cells below would otherwise put back.
      if (proef.Naam != rek.Naam || proef.Soort != rek.Soort) {
        cel[kNaam] = proef.Naam;
        cel[kSoort] = proef.Soort;
      }
    } else {
      cel[kNummer] = rek.RekNrTekst;
    }
  }

  rek.Naam = Kap(cel[kNaam], 32);

  const std::string soort = Hoofdletters(cel[kSoort]);
  if (soort != rek.Soort) {
    if (ControleerSoort(kb_, soort, r))
      rek.Soort = Kap(soort, 2);
    else
      cel[kSoort] = rek.Soort;
  }

  const std::string munt = Kap(cel[kMunt], 3);
  const std::string oudeMunt =
      rek.Munt >= 0 && rek.Munt < static_cast<int>(kb_.ValutaLijst.size())
          ? kb_.ValutaLijst[static_cast<std::size_t>(rek.Munt)].Kode
          : std::string();
  if (munt != oudeMunt) {
    // An unknown code is reported and leaves the currency as it was.
    if (const auto gevonden = kb_.ZoekValuta(munt)) rek.Munt = *gevonden;
  }
  ToonRij(r);
}

bool RekeningTabel::ControleerRij(int r) {
  if (r < 1 || r > Rijen()) return true;
  const Rij& cel = rijen_[static_cast<std::size_t>(r)];
  const TBank& rek = kb_.RekLijst[static_cast<std::size_t>(r)];
  int nummer = 0;
  // A number the store accepted was checked (and asked about) then.
  const bool alGoed = AlsGetal(cel[kNummer], nummer) && nummer == rek.RekNr && nummer >= 1 &&
                      nummer <= kTransferRekening;
  if (!alGoed) {
    TBank proef = rek;
    const auto goed = ControleerRekNr(kb_, cel[kNummer], proef);
    if (!goed) return false;
    nummer = *goed;
  }
  if (!RekNrUniek(kb_, nummer, r)) return false;
  return ControleerSoort(kb_, Hoofdletters(cel[kSoort]), r);
}

void RekeningTabel::BewaarAlles() {
  for (int r = 1; r <= Rijen(); ++r)
    if (Gewijzigd(r)) BewaarRij(r);
}

void RekeningTabel::Hernummer() {
  for (int r = 1; r <= kb_.MaxRek(); ++r) kb_.RekLijst[static_cast<std::size_t>(r)].Index = r;
  for (int r = 1; r <= Rijen(); ++r) rijen_[static_cast<std::size_t>(r)][kIndex] = std::to_string(r);
}

void RekeningTabel::Groepen() {
  if (groepenVeranderd) groepenVeranderd();
}

void RekeningTabel::Enter(bool editorOpen) {
  if (rij_ < 1 || rij_ > Rijen()) return;
  if (editorOpen) {
    BewaarRij(rij_);
    return;
  }
  ToonRij(rij_);
  if (kolom_ == kSoort) {
    BewaarRij(rij_);
    if (ControleerRij(rij_)) {
      const int groepen = kb_.MaxGroep();
      EnsureAccountGroup(kb_, rij_, dialoog_.LeningGegevens());
      if (kb_.MaxGroep() != groepen) {
        // In the chosen order at once, not after "KRUISPOSTEN".
        SorteerGroepen(kb_);
        HerbouwSaldoMatrix(kb_);
        Groepen();
      }
      if (rij_ < Rijen()) ++rij_;
      ToonRij(rij_);
    }
    kolom_ = 1;
  } else if (kolom_ < kSoort) {
    ++kolom_;
  }
}

void RekeningTabel::NieuweRekening(int positie, bool metGroepen) {
  std::optional<int> p;
  if (metGroepen) {
    p = NieuweRekeningMetGroepen(kb_, dialoog_, positie);
  } else if (dialoog_.NewAccount(positie, "") == 0) {
    kb_.HernummerKas();
    HerbouwSaldoMatrix(kb_);
    p = kb_.ZoekRekening(dialoog_.NieuwRekNr());
  }
  VulAlles();
  if (!p) return;
  Groepen();
  veranderd_ = true;
  Hernummer();
  rij_ = *p;
}

void RekeningTabel::Verwijder() {
  BewaarAlles();
  if (!Vraag(kb_, "Weet u zeker dat u deze rekening wilt verwijderen?")) return;
  if (kb_.MaxRek() < 2) return;
  DeleteAccount(kb_, rij_, bewaarBoek_);
  Groepen();
  veranderd_ = true;
  VulAlles();
  Hernummer();
}

bool RekeningTabel::Navigeer(int knop, bool editorOpen) {
  if (editorOpen) {
    kb_.berichten().BerichtDlg(kEditorActief, BerichtSoort::Waarschuwing, knop::OK);
    return false;
  }
  switch (knop) {
    case kEerste: rij_ = Rijen() > 0 ? 1 : 0; break;
    case kVorige: if (rij_ > 1) --rij_; break;
    case kLaatste: rij_ = Rijen(); break;
    case kVolgende:
      if (rij_ < Rijen())
        ++rij_;
      else
        NieuweRekening(kb_.MaxRek() + 1, false);
      break;
    case kInvoegen: NieuweRekening(rij_ < 1 ? 1 : rij_, true); break;
    case kVerwijder: Verwijder(); break;
    case kBewerk:
      if (rij_ >= 1 && dialoog_.EditAccount(rij_)) veranderd_ = true;
      VulAlles();
      Hernummer();
      break;
    case kPost: BewaarRij(rij_); break;
    case kHerstel: ToonRij(rij_); break;
    case kVernieuw:
      BewaarAlles();
      HerbouwSaldoMatrix(kb_);
      VulAlles();
      rij_ = Rijen() > 0 ? 1 : 0;
      break;
    default: break;
  }
  return true;
}

std::vector<std::string> RekeningTabel::SoortKeuzes() const {
  std::vector<std::string> lijst;
  for (const auto& s : kb_.SoortLijst) lijst.push_back(s.Naam);
  return lijst;
}

int RekeningTabel::SoortKeuze() const {
  if (rij_ < 1) return -1;
  const std::string& soort = kb_.RekLijst[static_cast<std::size_t>(rij_)].Soort;
  for (std::size_t i = 0; i < kb_.SoortLijst.size(); ++i)
    if (Kap(kb_.SoortLijst[i].Naam, 2) == soort) return static_cast<int>(i);
  return -1;
}

void RekeningTabel::KiesSoort(int index) {
  if (rij_ < 1 || index < 0 || index >= static_cast<int>(kb_.SoortLijst.size())) return;
  kb_.RekLijst[static_cast<std::size_t>(rij_)].Soort = Kap(kb_.SoortLijst[static_cast<std::size_t>(index)].Naam, 2);
  ToonRij(rij_);
}

std::vector<std::string> RekeningTabel::MuntKeuzes() const {
  std::vector<std::string> lijst;
  for (const auto& v : kb_.ValutaLijst) lijst.push_back(v.Kode);
  return lijst;
}

int RekeningTabel::MuntKeuze() const {
  if (rij_ < 1) return -1;
  const int munt = kb_.RekLijst[static_cast<std::size_t>(rij_)].Munt;
  return munt >= 0 && munt < static_cast<int>(kb_.ValutaLijst.size()) ? munt : -1;
}

void RekeningTabel::KiesMunt(int index) {
  if (rij_ < 1 || index < 0 || index >= static_cast<int>(kb_.ValutaLijst.size())) return;
  kb_.RekLijst[static_cast<std::size_t>(rij_)].Munt = index;
  ToonRij(rij_);
}

std::vector<std::string> RekeningTabel::Namen() const {
  std::vector<std::string> namen;
  for (int r = 1; r <= kb_.MaxRek(); ++r) namen.push_back(kb_.RekLijst[static_cast<std::size_t>(r)].Naam);
  return namen;
}

void RekeningTabel::KiesNaam(int index) {
  if (index >= 0 && index < Rijen()) rij_ = index + 1;
}

void RekeningTabel::VoorSorteren() { BewaarAlles(); }

void RekeningTabel::NaSorteren() {
  // The sort dialog keeps the accounts option in the book and in bit 0x200
  // of the configuration as it is clicked; the file follows here.
  ZetOpNaam(kb_, SorteerOnderwerp::Rekeningen, OpNaam(kb_, SorteerOnderwerp::Rekeningen));
  VulAlles();
  rij_ = Rijen() > 0 ? 1 : 0;
  if (bewaarConfig_) bewaarConfig_(kb_);
}

std::vector<std::string> RekeningTabel::TekstRegels() const {
  const std::string drie(3, ' ');
  const std::string streep = drie + std::string(45, '-');
  std::vector<std::string> regels(3);
  regels.push_back(drie + "REKENINGEN TABEL" + std::string(8, ' ') + kb_.sessie.KasNaam);
  regels.emplace_back();
  const auto titels = Titels();
  regels.push_back(drie + TekstRegel(titels[1], titels[2], titels[3], titels[4]));
  regels.push_back(streep);
  for (int r = 1; r <= Rijen(); ++r) {
    const Rij& c = rijen_[static_cast<std::size_t>(r)];
    regels.push_back(drie + TekstRegel(c[1], c[2], c[3], c[4]));
  }
  regels.push_back(streep);
  return regels;
}

bool RekeningTabel::BewaarTekst() {
  BestandsDialoog d;
  d.titel = "IORekenfile ";
  d.filter = "Text files (*.txt)|*.TXT";
  d.standaardExtensie = "txt";
  d.voorgesteldeNaam = "*.txt";
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
  return true;
}

bool RekeningTabel::Print() {
  AfdrukTabel t;
  t.kop = kKop;
  t.boekNaam = kb_.sessie.KasNaam;
  const auto titels = Titels();
  t.titels = {" Nr.", titels[2], titels[3], titels[4]};
  t.breedtes = {kBreedtes[1], kBreedtes[2], kBreedtes[3], kBreedtes[4]};
  for (int r = 1; r <= Rijen(); ++r) {
    const Rij& c = rijen_[static_cast<std::size_t>(r)];
    t.rijen.push_back({c[1], c[2], c[3], c[4]});
  }
  if (DrukTabel(kb_, t)) return true;
  kb_.berichten().BerichtDlg("Afdrukken niet gelukt", BerichtSoort::Fout, knop::OK);
  return false;
}

bool RekeningTabel::Ok() {
  if (!ControleerRij(rij_)) return false;
  // Every typed change is stored or the window stays open on the row that
  // refuses it: nothing typed is dropped without a word.
  // While a save in another base currency is pending the rows are not
  // stored: the accounts are about to be converted as they stand.
  for (int r = 1; r <= Rijen() && !kb_.MuntOmzetten; ++r) {
    if (!Gewijzigd(r)) continue;
    if (r != rij_ && !ControleerRij(r)) {
      rij_ = r;
      return false;
    }
    BewaarRij(r);
  }
  if (veranderd_) HerbouwSaldoMatrix(kb_);
  if (bewaarBoek_) bewaarBoek_(kb_);
  if (bewaarConfig_) bewaarConfig_(kb_);
  netjesGesloten_ = true;
  return true;
}

void RekeningTabel::Schrap() { netjesGesloten_ = true; }

bool RekeningTabel::MagSluiten() {
  if (netjesGesloten_) return true;
  return !Vraag(kb_, kSluitVraag);
}

}  // namespace valdero
