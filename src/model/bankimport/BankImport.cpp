#include "model/bankimport/BankImport.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>

#include "model/accounts/RekeningDialoog.h"
#include "model/accounts/RekeningGroepen.h"
#include "model/bankimport/BankBestandLezen.h"
#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankLezer.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/SelectMut.h"
#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/Sorteren.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/storage/BoekBestand.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

// The reasons of the question after a fault, by code. An amount that could
// not be read has its own words: the question always says why it is asked.
constexpr const char* kDoorgaanTeksten[] = {"", "Leeg import-record", "Foutief import-record",
                                             " Foutieve datum", " Bewerkingsfout", " Foutief bedrag"};

// The booking window refuses amounts from ten billion on: no report, balance
// or file column holds them, and no bank writes them.
constexpr double kHoogsteBedrag = 1e10;
// The years a date of the booking window may fall in.
constexpr int kEersteJaar = 1900;
constexpr int kLaatsteJaar = 2099;

bool BinnenJaren(double datum) {
  const int jaar = JaarVan(datum);
  return jaar >= kEersteJaar && jaar <= kLaatsteJaar;
}

// Sign, digits and at most one decimal separator, blanks around: the form
// of an amount in a bank file.
bool LeesVast(const std::string& tekst, char decimaal, double& waarde) {
  const std::string s = Getrimd(tekst);
  std::string c;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') c += '-';
    ++i;
  }
  bool cijfers = false;
  bool komma = false;
  for (; i < s.size(); ++i) {
    if (s[i] >= '0' && s[i] <= '9') {
      c += s[i];
      cijfers = true;
    } else if (s[i] == decimaal && !komma) {
      c += '.';
      komma = true;
    } else {
      return false;
    }
  }
  if (!cijfers) return false;
  const auto [ptr, ec] = std::from_chars(c.data(), c.data() + c.size(), waarde);
  return ec == std::errc() && ptr == c.data() + c.size() && std::isfinite(waarde);
}

std::string AantalRegels(int n) { return std::to_string(n) + (n == 1 ? " regel" : " regels"); }

}  // namespace

const double BankImport::kOnleesbaar = std::numeric_limits<double>::quiet_NaN();

bool BankImport::IsGelezen(double waarde) { return std::isfinite(waarde); }

BankImport::BankImport(Kasboek& kb, SelectMutVoerder& kiezer, RekeningDialoogVoerder* rekeningVoerder)
    : kb_(kb), kiezer_(kiezer), rekeningVoerder_(rekeningVoerder) {}

int BankImport::Fout() const { return fout_; }

// The import's own error code, kept apart from what a save inside the run (a
// new account offered) leaves in IOStatus; the book's IOStatus shows it as
// the import's outcome.
void BankImport::ZetFout(int code) {
  if (fout_ != 0) return;
  fout_ = code;
  kb_.IOStatus = static_cast<std::uint16_t>(code);
}

void BankImport::Stop(int code, std::string reden) {
  if (Fout() == 0 && !reden.empty()) reden_ = std::move(reden);
  ZetFout(code);
  afgebroken_ = true;
}

void BankImport::RegelFout(const std::string& soort, const std::string& melding, int code, bool piep) {
  if (code != 0) ZetFout(code);
  for (GemeldeFout& f : fouten_) {
    if (f.soort != soort) continue;
    if (f.laatsteRegel != bronRegel_) {
      ++f.regels;
      f.laatsteRegel = bronRegel_;
    }
    return;
  }
  fouten_.push_back({soort, bankBestand_ + " regel: " + std::to_string(bronRegel_) + melding, bronRegel_,
                     bronRegel_, 1, piep});
}

void BankImport::MeldRegelFouten() {
  for (const GemeldeFout& f : fouten_) {
    std::string tekst = f.melding;
    if (f.regels > 1)
      tekst += "\r" + std::to_string(f.regels) + " regels met deze fout, de eerste is regel " +
               std::to_string(f.eersteRegel);
    kb_.berichten().BerichtDlg(tekst, BerichtSoort::Fout, knop::OK);
    if (f.piep) kb_.berichten().Piep();
  }
  fouten_.clear();
}

void BankImport::LaatOnleesbareWeg() {
  const auto onleesbaar = [](const TNewKas& k) {
    return !IsGelezen(k.Bedrag) || !IsGelezen(k.Datum) || !IsGelezen(k.PayDate) || !IsGelezen(k.BeginSaldo) ||
           !IsGelezen(k.EindSaldo);
  };
  const auto weg = std::remove_if(lijst_.begin() + 1, lijst_.end(), onleesbaar);
  overgeslagen_ += static_cast<int>(lijst_.end() - weg);
  lijst_.erase(weg, lijst_.end());
}

std::string BankImport::Reden() const {
  std::string reden = reden_.empty() ? std::string(kDoorgaanTeksten[Fout()]) : reden_;
  if (overgeslagen_ > 0) reden += " (" + AantalRegels(overgeslagen_) + " overgeslagen)";
  return reden;
}

bool BankImport::KiesBestand(int tag, std::string& pad) {
  const std::string standaard = StandaardBankBestand(tag);
  std::error_code fout;
  if (!standaard.empty() && std::filesystem::is_regular_file(kb_.Pad(standaard), fout)) {
    pad = standaard;
    return true;
  }
  BestandsDialoog dialoog;
  dialoog.titel = "Open bank Mutatie bestand";
  const std::string filter = BankBestandFilter(tag);
  dialoog.filter = filter.empty() ? kBeginFilter : filter;
  dialoog.standaardExtensie = "txt";
  dialoog.map = kb_.sessie.Map.string();
  const auto gekozen = kb_.berichten().OpenDialoog(dialoog);
  if (!gekozen) {
    kb_.berichten().BerichtDlg("Geen Mutatie bestand " + standaard, BerichtSoort::Waarschuwing, knop::OK);
    ZetFout(importfout::Leeg);
    return false;
  }
  pad = *gekozen;
  return true;
}

bool BankImport::Importeer(int tag) {
  kb_.IOStatus = 0;
  fout_ = 0;
  std::string pad;
  if (!KiesBestand(tag, pad)) return false;
  return ImporteerBestand(tag, pad);
}

bool BankImport::ImporteerBestand(int tag, const std::string& pad) {
  kb_.IOStatus = 0;
  fout_ = 0;
  bankBestand_ = pad;
  regelsKlaar_ = false;
  lijst_.assign(1, TNewKas{});
  lijst_[0].GroepKode.clear();
  const BankBestandInhoud inhoud = LeesBankBestand(kb_.Pad(pad), kb_.bestanden());
  switch (inhoud.uitkomst) {
    case BankBestandUitkomst::Gelezen: break;
    case BankBestandUitkomst::GeenBestand:
      // A folder, a pipe or nothing at all: there is no file to read.
      ZetFout(importfout::Formaat);
      Foutmelding(kb_, "Verwerken van " + pad, FoutNr::VerkeerdFormaat, HintNr::ControleerBestandNaam);
      return false;
    case BankBestandUitkomst::Onleesbaar:
      ZetFout(importfout::Formaat);
      Foutmelding(kb_, "Verwerken van " + pad, FoutNr::VerkeerdFormaat, HintNr::MaakEerstNieuw);
      return false;
    case BankBestandUitkomst::TeLangeRegel:
      ZetFout(importfout::Formaat);
      Foutmelding(kb_, "Verwerken van " + pad + " regel: " + std::to_string(inhoud.regel), FoutNr::TeGroot,
                  HintNr::ControleerLayout);
      return false;
  }
  return VerwerkBytes(tag, pad, inhoud.bytes, true);
}

bool BankImport::Verwerk(int tag, const std::string& naam, std::string_view bytes) {
  return VerwerkBytes(tag, naam, bytes, false);
}

bool BankImport::VerwerkBytes(int tag, const std::string& naam, std::string_view bytes, bool meldGelezen) {
  kb_.IOStatus = 0;
  fout_ = 0;
  tag_ = tag;
  if (bankBestand_.empty()) bankBestand_ = naam;
  regelsKlaar_ = false;
  lijst_.assign(1, TNewKas{});
  lijst_[0].GroepKode.clear();
  inBestand_.fill(false);
  eigenMatch_ = tegenMatch_ = RekeningMatch{};
  saldi_.clear();
  afgeslagen_.clear();
  stopAntwoord_.clear();
  fouten_.clear();
  bronRegel_ = 0;
  overgeslagen_ = 0;
  afgebroken_ = false;
  reden_.clear();
  regels_.clear();
  if (std::size_t regel = 0; TeLangeRegel(bytes, regel)) {
    ZetFout(importfout::Formaat);
    Foutmelding(kb_, "Verwerken van " + naam + " regel: " + std::to_string(regel), FoutNr::TeGroot,
                HintNr::ControleerLayout);
    return false;
  }
  regels_ = TekstRegels(BankTekstNaarUtf8(bytes));

  const BankLezer* lezer = nullptr;
  if (tag == kAutomatischTag) {
    lezer = HerkenLezer(regels_);
    if (lezer == nullptr) {
      kb_.berichten().BerichtDlg(
          "Het formaat van " + naam + " is niet herkend.\rVerwacht: CAMT.053 (XML), MT940, "
          "Rabobank CSV, ING CSV, QIF, OFX, of een bestand van Rabobank, Girotel, ABN AMRO, SNS of ING "
          "in het oude formaat",
          BerichtSoort::Fout, knop::OK);
      ZetFout(importfout::Onverwacht);
      return false;
    }
  } else {
    lezer = LezerVoorFormaat(FormaatVanTag(tag));
  }
  if (lezer == nullptr) {
    ZetFout(importfout::Onverwacht);
    return false;
  }
  formaat_ = lezer->Formaat();
  regelsKlaar_ = true;
  {
    const std::string kort = std::filesystem::path(naam).filename().string();
    VoortgangMelder melder(kb_.voortgang(), "Inlezen " + (kort.empty() ? naam : kort), regels_.size());
    melder_ = &melder;
    lezer->Lees(*this);
    if (Fout() == 0) melder.Stap(regels_.size());
    melder_ = nullptr;
  }
  LaatOnleesbareWeg();
  // Only a file its layout could read is said to be read; the faults of
  // its lines follow, each kind once.
  if (meldGelezen && Fout() <= importfout::Bedrag) Mededeling(kb_, "Inlezen BankFile " + naam + " gelukt");
  MeldRegelFouten();

  if (Fout() == 0 || Laatste() > 0) {
    Sorteer();
    KiesEigenRekening();
  }
  for (const SaldoAfschrift& afschrift : saldi_) ControleerSaldi(kb_, afschrift);

  if (Fout() > importfout::Bedrag) {
    Mededeling(kb_, "Bankbestand is niet correct, importeren afgebroken");
    regelsKlaar_ = false;
    return false;
  }
  if (Fout() >= 1) {
    const std::string vraag =
        "De volgende fout is opgetreden bij het inlezen:\r" + Reden() + " Wilt u doorgaan, vaak wel mogelijk";
    if (!Vraag(kb_, vraag)) {
      regelsKlaar_ = false;
      return false;
    }
  }
  if (Laatste() < 1) {
    // The start date needs a line to propose from.
    kb_.berichten().BerichtDlg("Geen mutaties in " + naam, BerichtSoort::Waarschuwing, knop::OK);
    regelsKlaar_ = false;
    return false;
  }
  regelsKlaar_ = true;
  return true;
}

void BankImport::Sorteer() {
  std::stable_sort(lijst_.begin() + 1, lijst_.end(), [](const TNewKas& a, const TNewKas& b) {
    if (a.Datum != b.Datum) return a.Datum < b.Datum;
    if (a.VolgBlad != b.VolgBlad) return a.VolgBlad < b.VolgBlad;
    return a.Index < b.Index;
  });
}

void BankImport::KiesEigenRekening() {
  // Each own account number of the file that no single account holds, once:
  // several accounts claiming it, or none after the offer of a new account
  // was declined. A number no account has keeps 0 unless the user picks an
  // account, so its lines are never filed under another account by guess.
  std::vector<std::string> nummers;
  for (int i = 1; i <= Laatste(); ++i) {
    const TNewKas& regel = lijst_[static_cast<std::size_t>(i)];
    if (regel.RekNr == 0 && std::find(nummers.begin(), nummers.end(), regel.BankRekNr) == nummers.end())
      nummers.push_back(regel.BankRekNr);
  }
  for (const std::string& bankRekNr : nummers) {
    std::string nummer = bankRekNr;
    const RekeningMatch match = MatchOwnAccount(kb_, nummer);
    const bool afgeslagen = match.aantal == -1 && afgeslagen_.count(bankRekNr) > 0;
    if (match.aantal < 2 && !afgeslagen) continue;
    int rekNr = 0;
    const int keuze = kb_.berichten().BerichtDlg("Het Mutatie-rekeningnummer = " + bankRekNr + "\r" +
                                                     "Wilt u een bestaande rekening kiezen?",
                                                 BerichtSoort::Informatie, knop::JaNee);
    if (keuze == antwoord::Ja) {
      // A declined new account is mapped onto any existing one.
      const SelectMut selectie =
          afgeslagen ? SelectMut::Rekeningen(kb_, -1, {}) : SelectMut::Rekeningen(kb_, match.aantal, match.rekeningen);
      if (const auto tekst = kiezer_.Kies(selectie)) rekNr = selectie.RekeningUit(kb_, *tekst);
    } else if (!afgeslagen) {
      rekNr = match.rekeningen.front();
    }
    if (rekNr != 0) {
      for (int i = 1; i <= Laatste(); ++i) {
        TNewKas& regel = lijst_[static_cast<std::size_t>(i)];
        if (regel.RekNr == 0 && regel.BankRekNr == bankRekNr) regel.RekNr = rekNr;
      }
      continue;
    }
    if (!afgeslagen) continue;
    // Lines of no account cannot be booked: they leave the list, said once.
    const auto weg = std::remove_if(lijst_.begin() + 1, lijst_.end(), [&](const TNewKas& r) {
      return r.RekNr == 0 && r.BankRekNr == bankRekNr;
    });
    const auto aantal = std::distance(weg, lijst_.end());
    lijst_.erase(weg, lijst_.end());
    kb_.berichten().BerichtDlg("Geen Rekening gevonden: " + bankRekNr + "\r" + std::to_string(aantal) +
                                   (aantal == 1 ? " regel wordt" : " regels worden") + " niet verwerkt",
                               BerichtSoort::Waarschuwing, knop::OK);
  }
}

StartDatumVoorstel BankImport::StelStartDatumVoor() {
  StartDatumVoorstel v;
  if (Laatste() < 1) return v;
  v.vroegst = lijst_[1].Datum;
  v.laatst = lijst_.back().Datum;
  if (kb_.Vandaag() > v.laatst) v.laatst = kb_.Vandaag();
  int pos = kb_.MaxKas();
  while (pos > 1 && kb_.KasLijst[static_cast<std::size_t>(pos)].RekNr != lijst_[1].RekNr) --pos;
  const TKas* laatste = pos >= 1 ? &kb_.KasLijst[static_cast<std::size_t>(pos)] : nullptr;
  const double boekDatum = laatste ? laatste->Datum : 0;
  if (laatste && v.laatst < boekDatum) {
    Mededeling(kb_, "Datum in valdero is groter dan Datum vandaag");
    v.laatst = boekDatum;
  }
  v.voorstel = v.vroegst > boekDatum ? v.vroegst : boekDatum;
  laatsteAfschrift_ = laatste ? laatste->VolgBlad : 0;
  return v;
}

TNewKas& BankImport::NieuweRegel(int index) {
  bronRegel_ = static_cast<std::size_t>(std::max(index, 0));
  TNewKas regel;
  regel.Index = index;
  regel.GroepKode = "1";
  regel.MuntKoers = 1.0f;
  lijst_.push_back(regel);
  return lijst_.back();
}

bool BankImport::DatumJjjjmmdd(const std::string& veld, const std::string& voor, const std::string& na,
                               double& datum, bool noemDatum) {
  datum = 0;
  const std::string s = veld.substr(0, 8);
  std::string tekst = s;
  if (s.size() == 8) tekst = s.substr(6, 2) + "-" + s.substr(4, 2) + "-" + s.substr(0, 4);
  bool goed = s.size() == 8 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (goed) {
    const auto d = LeesDatum(tekst, 2000);
    goed = d.has_value() && BinnenJaren(*d);
    if (goed) datum = *d;
  }
  if (!goed) {
    datum = kOnleesbaar;
    RegelFout(voor, " " + voor + (noemDatum ? tekst : std::string()) + na, importfout::Datum, false);
  }
  return goed;
}

bool BankImport::DatumDmj(const std::string& veld, const std::string& voor, const std::string& na,
                          double& datum) {
  datum = 0;
  const std::string tekst = Getrimd(veld);
  const bool vier = tekst.size() >= 8 && tekst.find('-') != std::string::npos &&
                    tekst.size() - tekst.rfind('-') - 1 == 4;
  const auto d = vier ? LeesDatum(tekst, 2000) : std::nullopt;
  if (!d || !BinnenJaren(*d)) {
    datum = kOnleesbaar;
    RegelFout(voor, " " + voor + tekst + na, importfout::Datum, false);
    return false;
  }
  datum = *d;
  return true;
}

bool BankImport::DatumIso(const std::string& veld, double& datum) {
  const std::string s = Getrimd(veld).substr(0, 10);
  std::string jjjjmmdd;
  if (s.size() == 10 && s[4] == '-' && s[7] == '-') jjjjmmdd = s.substr(0, 4) + s.substr(5, 2) + s.substr(8, 2);
  return DatumJjjjmmdd(jjjjmmdd.empty() ? s : jjjjmmdd, "Datum foutief (", "), importfile vaak \"verknoeid\" ",
                       datum);
}

double BankImport::Getal(std::string tekst) {
  // As the user's settings read a typed number: without the decimal
  // separator the first other one takes its place, or two decimals are
  // added.
  if (!Getrimd(tekst).empty() && tekst.find(kb_.DecimaalTeken()) == std::string::npos) {
    const auto p = tekst.find(kb_.AnderTeken());
    if (p != std::string::npos) {
      tekst[p] = kb_.DecimaalTeken();
    } else {
      tekst += kb_.DecimaalTeken();
      tekst += "00";
    }
  }
  return VastGetal(tekst, kb_.DecimaalTeken());
}

double BankImport::VastGetal(const std::string& tekst, char decimaal) {
  if (Getrimd(tekst).empty()) {
    RegelFout("leeg bedrag", " Bedrag=\"leeg\"" + FoutZin(FoutNr::Geen) + "\n\r" + Hint(HintNr::CorrigeerBedrag),
              importfout::Bedrag, true);
    return kOnleesbaar;
  }
  double waarde = 0;
  if (!LeesVast(tekst, decimaal, waarde)) {
    RegelFout("bedrag", " Getal " + tekst + FoutZin(FoutNr::GeenGeldigBedrag) + "\n\r" + Hint(HintNr::ProbeerOpnieuw),
              importfout::Bedrag, true);
    return kOnleesbaar;
  }
  if (!(std::fabs(waarde) < kHoogsteBedrag)) {
    RegelFout("groot bedrag", " Getal " + tekst + FoutZin(FoutNr::TeGroot) + "\n\r" + Hint(HintNr::CorrigeerBedrag),
              importfout::Bedrag, true);
    return kOnleesbaar;
  }
  return waarde;
}

int BankImport::Munt(const std::string& veld) {
  if (AantalTekens(veld) < 3) return 0;
  const std::string drie = Kap(veld, 3);
  const std::string kode = Hoofdletters(drie);
  for (std::size_t i = 0; i < kb_.ValutaLijst.size(); ++i)
    if (Hoofdletters(Getrimd(kb_.ValutaLijst[i].Kode)) == kode) return static_cast<int>(i);
  // The line keeps position 0; one word per file and code is enough.
  RegelFout("munt " + kode, " Geen Munt gevonden: " + drie, 0, false);
  return 0;
}

void BankImport::EigenRekening(TNewKas& regel, const std::string& tekst, bool aanbod) {
  std::string t = tekst;
  eigenMatch_ = MatchOwnAccount(kb_, t);
  regel.RekNr = eigenMatch_.rekNr;
  regel.BankRekNr = Kap(t, 12);
  const bool onbekend = eigenMatch_.aantal == -1 && !t.empty();
  if (aanbod && onbekend) regel.RekNr = OfferNewAccount(t);
  if (aanbod ? (t.empty() || t == "0") : onbekend) {
    // One answer per number and run: a file of one unknown account asks once.
    auto gevonden = stopAntwoord_.find(t);
    if (gevonden == stopAntwoord_.end())
      gevonden = stopAntwoord_.emplace(t, Vraag(kb_, "Rekening " + t + " bestaat niet" + "\r Nu stoppen ?")).first;
    if (gevonden->second) Stop(importfout::Datum, " Rekening " + t + " bestaat niet");
  } else if (!aanbod && regel.RekNr != 0 && regel.RekNr <= 100) {
    inBestand_[static_cast<std::size_t>(regel.RekNr)] = true;
  }
}

void BankImport::TegenRekening(TNewKas& regel, const std::string& tekst, bool zetNummer) {
  std::string t = tekst;
  if (zetNummer) regel.TegenRekNr = Kap(ReduceerRekeningNummer(t), 12);
  tegenMatch_ = MatchCounterAccount(kb_, t);
  regel.TegenRek = tegenMatch_.rekNr;
  if (regel.TegenRek != 0) {
    if (regel.BoekSoort == importsoort::Bij) regel.BoekSoort = importsoort::BijVanEigen;
    if (regel.BoekSoort == importsoort::Af) regel.BoekSoort = importsoort::AfNaarEigen;
  }
}

int BankImport::KiesRekening() {
  const SelectMut selectie = SelectMut::Rekeningen(kb_, -1, {});
  const auto tekst = kiezer_.Kies(selectie);
  return tekst ? selectie.RekeningUit(kb_, *tekst) : 0;
}

int BankImport::OfferNewAccount(const std::string& nummer) {
  if (rekeningVoerder_ == nullptr || afgeslagen_.count(nummer) > 0) return 0;
  if (!Vraag(kb_, "Wilt u rekening Toevoegen: " + nummer)) {
    afgeslagen_.insert(nummer);
    return 0;
  }
  if (kb_.MaxRek() >= 99) {
    kb_.berichten().BerichtDlg("Maximaal aantal rekeningen overschreden: " + nummer, BerichtSoort::Fout,
                               knop::OK);
    afgeslagen_.insert(nummer);
    return 0;
  }
  RekeningDialoog dialoog(kb_, *rekeningVoerder_);
  const int positie = kb_.MaxRek() + 1;
  if (dialoog.NewAccount(positie, nummer) != 0) {
    Stop(importfout::Leeg, " Rekening " + nummer + " niet toegevoegd");
    afgeslagen_.insert(nummer);
    return 0;
  }
  EnsureAccountGroup(kb_, positie, dialoog.LeningGegevens());
  // The new account and its group stand at the end (the group even after
  // "xxxx"); the lists that show them (the selection of the own account a
  // moment later included) expect the order the user chose. Lines hold
  // account numbers and group codes, not positions.
  SorteerRekeningen(kb_);
  SorteerGroepen(kb_);
  HerbouwSaldoMatrix(kb_);
  BewaarNaWijziging(kb_);
  return dialoog.NieuwRekNr();
}

}  // namespace valdero
