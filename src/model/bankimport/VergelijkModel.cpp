#include "model/bankimport/VergelijkModel.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdint>
#include <string_view>
#include <unordered_set>

#include "model/bankimport/Afstemming.h"
#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankTekst.h"
#include "model/bankimport/RekeningHerkenning.h"
#include "model/bookings/BoekModi.h"
#include "model/bookings/Posten.h"
#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/Domein.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

constexpr const char* kNomenNescio = "Nomen Nescio";

std::string Laatste(const std::string& s, std::size_t n) { return s.size() <= n ? s : s.substr(s.size() - n); }

}  // namespace

VergelijkModel::VergelijkModel(Afstemming& a, int positie, int modus) : a_(a), positie_(positie), modus_(modus) {
  Kasboek& kb = a_.kb();
  TNewKas& r = a_.regel;
  // Lists (the groups and the history are made when first asked for).
  for (const TValut& v : kb.ValutaLijst)
    if (v.Koers != 0) munten_.push_back(v.Kode);
  for (int i = 1; i <= kb.MaxRek(); ++i) rekeningen_.push_back(kb.RekLijst[static_cast<std::size_t>(i)].Naam);

  // The working copy.
  r.Index = kb.MaxKas() + 1;
  boekingIndex_ = std::to_string(r.Index);
  r.VolgBlad = a_.laatsteAfschrift;
  r.TegenVolgBlad = a_.tegenVolgBlad;
  const bool oudBestaat = positie_ >= 1 && positie_ <= kb.MaxKas();
  vervangbaar_ = a_.VervangenToegestaan(positie_);
  // Only a transaction shown beside the line lends its counter account: an
  // unrelated best match must not turn a card payment into a transfer.
  if (r.TegenRek == 0 && oudBestaat && OudeTransactieZichtbaar())
    r.TegenRek = kb.KasLijst[static_cast<std::size_t>(positie_)].TegenRek;
  if (r.BoekSoort == importsoort::BijVanEigen || r.BoekSoort == importsoort::AfNaarEigen)
    r.GroepKode = kKruispostKode;
  VulGeschiedenis();
  btwAan_ = r.BoekSoort < 3;
  btwZichtbaar_ = kb.BtwActief && r.BoekSoort < 5;

  Tekst(Rekening) = [&] {
    const auto p = kb.ZoekRekening(r.RekNr);
    const std::string naam = p ? kb.RekLijst[static_cast<std::size_t>(*p)].Naam : std::string();
    return kb.weergave.RekeningenOpNaam ? naam + "  " + std::to_string(r.RekNr) : std::to_string(r.RekNr) + "  " + naam;
  }();
  Tekst(Volg) = std::to_string(r.VolgBlad >> 6);
  Tekst(Blad) = std::to_string(r.VolgBlad % 64);
  Tekst(Groep) = GroepTekst(r.GroepKode);
  const auto g = kb.ZoekGroep(r.GroepKode);
  klasse_ = g ? kb.GroepLijst[static_cast<std::size_t>(*g)].Klasse : std::string();
  Tekst(Actie) = r.ActieKode;
  const bool payDate = a_.bankFormaat == bankformaat::Sns && r.PayDate != 0;
  Tekst(Datum) = DatumTekst(payDate ? r.PayDate : r.Datum);
  const bool muntBestaat = r.Munt >= 0 && r.Munt < static_cast<int>(kb.ValutaLijst.size());
  Tekst(Munt) = muntBestaat ? kb.ValutaLijst[static_cast<std::size_t>(r.Munt)].Kode : std::string();
  Tekst(Koers) = GetalTekst(kb, muntBestaat ? kb.ValutaLijst[static_cast<std::size_t>(r.Munt)].Koers : 1.0, 5);
  Tekst(Tegenrekening) = Getrimd(r.TegenRekNr);
  if (modus_ == vergelijkmodus::SplitsVergelijk && r.Bedrag == 0 && oudBestaat)
    r.Bedrag = kb.KasLijst[static_cast<std::size_t>(positie_)].Bedrag;
  Tekst(Bedrag) = GetalTekst(kb, r.Bedrag, 2);
  bedragRood_ = !((r.BoekSoort & 0xFF) != 2 && r.Bedrag >= 0);
  Tekst(Relatie) = Getrimd(r.Relatie);
  Tekst(Omschrijving) = modus_ <= vergelijkmodus::Vergelijk ? r.Omschrijving : a_.origineleOmschrijving;

  if (oudBestaat) {
    const TKas& k = kb.KasLijst[static_cast<std::size_t>(positie_)];
    oudeIndex_ = std::to_string(k.Index);
    const auto rp = kb.ZoekRekening(k.RekNr);
    const auto gp = kb.ZoekGroep(k.GroepKode);
    const bool km = k.Munt >= 0 && k.Munt < static_cast<int>(kb.ValutaLijst.size());
    oud_ = {{"Rekening", std::to_string(k.RekNr) + " " + (rp ? kb.RekLijst[static_cast<std::size_t>(*rp)].Naam : ""),
             "VolgNr", std::to_string(k.Volgnr())},
            {"Groep", k.GroepKode + " " + (gp ? kb.GroepLijst[static_cast<std::size_t>(*gp)].Naam : ""), "Actiecode",
             k.ActieKode},
            {"Datum", DatumTekst(k.Datum), "Munt", km ? kb.ValutaLijst[static_cast<std::size_t>(k.Munt)].Kode : ""},
            {"Tegenrekening", k.TegenRekNr, "Koers", GetalTekst(kb, k.MuntKoers, 5)},
            {"Relatie", k.Relatie, "", ""},
            {"Bedrag", GetalTekst(kb, k.Bedrag, 2), "", ""},
            {"Omschrijving", k.Omschrijving, "", ""}};
  }
  // Every posting, replacement and new group keeps the matrix in step, so
  // its totals are those a rebuild would give. A rebuild here would walk
  // the whole ledger for every line, and offer to remove the records of an
  // unknown group or account again each time.
  const double saldo = RekeningSaldo(kb, r.RekNr);
  saldo_ = BedragTekst(kb, saldo);
  saldoNegatief_ = saldo < 0;
  bankSaldoZichtbaar_ = a_.bankFormaat == bankformaat::AbnAmro;
  if (bankSaldoZichtbaar_) bankSaldo_ = BedragTekst(kb, r.EindSaldo);
  tegenVolgZichtbaar_ = r.GroepKode == kKruispostKode;
}

std::string VergelijkModel::GroepTekst(const std::string& kode) const {
  const Kasboek& kb = a_.kb();
  const bool opNaam = kb.weergave.GroepenOpNaam;
  if (kode == kOnbekendeGroepKode)
    return opNaam ? std::string(kNomenNescio) + "   " + VulRechts(kode, 4) : kode + "  " + kNomenNescio;
  const auto g = kb.ZoekGroep(kode);
  const std::string naam = g ? Kap(kb.GroepLijst[static_cast<std::size_t>(*g)].Naam, 28) : std::string();
  return opNaam ? naam + "   " + VulRechts(kode, 4) : kode + "  " + naam;
}

const std::vector<std::string>& VergelijkModel::ActieLijst() const { return modus::ActieLijst(false); }

std::string VergelijkModel::Titel() const {
  switch (modus_) {
    case vergelijkmodus::Nieuw: return "Invoer transactie";
    case vergelijkmodus::Vergelijk: return "Vergelijk transactie";
    default: return "Gesplitste transactie";
  }
}

std::string VergelijkModel::Hint() const {
  return OudeTransactieZichtbaar()
             ? "Deze bankafchrifttransactie kunt u invoeren, vervangen of overslaan"
             : "Deze transactie staat op het bankafschriftmaar komt niet voor in het Rekeningenoverzicht  Controleer "
               "en/of vul de gegevens in.";
}

const std::vector<std::string>& VergelijkModel::GroepLijst() const {
  if (!groepenKlaar_) {
    const Kasboek& kb = a_.kb();
    for (int i = 1; i <= kb.MaxGroep(); ++i) {
      const TBudget& g = kb.GroepLijst[static_cast<std::size_t>(i)];
      const std::string klasse = Getrimd(g.Klasse);
      if (klasse == "E" || klasse == "F") continue;
      groepen_.push_back(GroepTekst(g.Kode));
    }
    groepenKlaar_ = true;
  }
  return groepen_;
}

void VergelijkModel::VulGeschiedenis() {
  geschiedenisRekNr_ = a_.regel.RekNr;
  geschiedenisGroep_ = a_.regel.GroepKode;
  geschiedenisKlaar_ = false;
}

const std::vector<std::string>& VergelijkModel::RelatieGeschiedenis() const {
  MaakGeschiedenis();
  return relaties_;
}
const std::vector<std::string>& VergelijkModel::BedragGeschiedenis() const {
  MaakGeschiedenis();
  return bedragen_;
}
const std::vector<std::string>& VergelijkModel::OmschrijvingGeschiedenis() const {
  MaakGeschiedenis();
  return omschrijvingen_;
}

void VergelijkModel::MaakGeschiedenis() const {
  if (geschiedenisKlaar_) return;
  geschiedenisKlaar_ = true;
  const Kasboek& kb = a_.kb();
  relaties_.clear();
  bedragen_.clear();
  omschrijvingen_.clear();
  // A group of a large year holds tens of thousands of records: each value
  // is looked up by hash, and an amount is formatted only the first time it
  // is met (equal amounts give equal texts).
  std::unordered_set<std::string_view> rel, bed, oms;
  std::unordered_set<std::uint64_t> gezieneBedragen;  // by their bits: -0 and 0 differ
  std::vector<std::string> bedragTeksten;
  const auto& posities = a_.index().OpGroep(geschiedenisRekNr_, geschiedenisGroep_);
  for (auto it = posities.rbegin(); it != posities.rend(); ++it) {
    if (*it > kb.MaxKas()) continue;
    const TKas& k = kb.KasLijst[static_cast<std::size_t>(*it)];
    if (rel.insert(k.Relatie).second) relaties_.push_back(k.Relatie);
    double bedrag = k.Bedrag;
    if (k.Munt >= 0 && k.Munt < static_cast<int>(kb.ValutaLijst.size()) &&
        kb.ValutaLijst[static_cast<std::size_t>(k.Munt)].Koers > 0)
      bedrag /= kb.ValutaLijst[static_cast<std::size_t>(k.Munt)].Koers;
    if (gezieneBedragen.insert(std::bit_cast<std::uint64_t>(bedrag)).second) bedragTeksten.push_back(GetalTekst(kb, bedrag, 2));
    if (oms.insert(k.Omschrijving).second) omschrijvingen_.push_back(k.Omschrijving);
  }
  // Two amounts may round to one text: the first one met keeps its place.
  for (const std::string& b : bedragTeksten)
    if (bed.insert(b).second) bedragen_.push_back(b);
}

int VergelijkModel::VolgendVeld(int veld) const {
  switch (veld) {
    case Groep: return Actie;
    case Munt: return KoersZichtbaar() ? Koers : Tegenrekening;
    case Tegenrekening: return tegenVolgZichtbaar_ ? Volg2 : Relatie;
    case Omschrijving: return Omschrijving;
    default: return veld + 1;
  }
}

bool VergelijkModel::LeesVeld(int veld) {
  Kasboek& kb = a_.kb();
  TNewKas& r = a_.regel;
  std::string& t = Tekst(veld);
  switch (veld) {
    case Rekening: {
      const std::string deel = Getrimd(kb.weergave.RekeningenOpNaam ? Laatste(t, 2) : t.substr(0, 2));
      const int nr = GeheelGetal(deel);
      if (nr <= 0 || !kb.ZoekRekening(nr)) {
        Foutmelding(kb, "RekeningNummer ", FoutNr::BestaatNiet, HintNr::ProbeerOpnieuw);
        return false;
      }
      r.RekNr = nr;
      for (int p = kb.MaxKas() - 1; p >= 1; --p) {
        const TKas& k = kb.KasLijst[static_cast<std::size_t>(p)];
        if (k.RekNr == nr) {
          Tekst(Volg) = std::to_string(k.Volgnr());
          Tekst(Blad) = std::to_string(k.Blad());
          break;
        }
      }
      return true;
    }
    case Volg:
      r.VolgBlad = ((GeheelGetal(t) * 64) + (r.VolgBlad % 64)) & 0xFFFF;
      a_.laatsteAfschrift = r.VolgBlad;
      return true;
    case Blad:
      r.VolgBlad = (r.VolgBlad & ~63) + GeheelGetal(t);
      return true;
    case Groep:
      if (!LeesGroep()) return false;
      BiedSplitsAan();
      return true;
    case Actie:
      r.ActieKode = Hoofdletters(Kap(t, 2));
      return true;
    case Datum: {
      if (!DatumAanvullen(kb, t)) return false;
      const auto d = LeesDatum(t, JaarVan(kb.Vandaag()));
      if (d) r.Datum = *d;
      return d.has_value();
    }
    case Munt: {
      // An unknown code is reported and the line takes the first currency.
      r.Munt = kb.ZoekValuta(Kap(t, 3)).value_or(0);
      r.MuntKoers = kb.ValutaLijst.empty() ? 1.0f : kb.ValutaLijst[static_cast<std::size_t>(r.Munt)].Koers;
      Tekst(Koers) = GetalTekst(kb, r.MuntKoers, 5);
      return true;
    }
    case Koers: {
      if (!KoersZichtbaar()) return true;
      const auto k = LeesGetal4(kb, t);
      if (!k) MeldGeenGetal(kb, t);
      r.MuntKoers = k && *k > 0 ? *k : 1.0f;
      // An empty rate is reported and becomes 1; a text that is no number is refused.
      return k.has_value() || t.empty();
    }
    case Tegenrekening: {
      if (r.GroepKode == kKruispostKode) {
        r.TegenRek = 0;
        for (int i = 1; i <= kb.MaxRek(); ++i)
          if (NaamCijfers(kb.RekLijst[static_cast<std::size_t>(i)].Naam) == Getrimd(t) && !Getrimd(t).empty())
            r.TegenRek = kb.RekLijst[static_cast<std::size_t>(i)].RekNr;
      } else {
        std::string tekst = t;
        r.TegenRek = MatchCounterAccount(kb, tekst).rekNr;
        if (r.TegenRek != 0) t = tekst;
      }
      r.TegenRekNr = Kap(t, 12);
      return true;
    }
    case Volg2:
      r.TegenVolgBlad = ((GeheelGetal(t) * 64) + (r.TegenVolgBlad % 64)) & 0xFFFF;
      a_.tegenVolgBlad = r.TegenVolgBlad;
      return true;
    case Blad2:
      r.TegenVolgBlad = (r.TegenVolgBlad & ~63) + GeheelGetal(t);
      return true;
    case Relatie:
      r.Relatie = Kap(t, 32);
      return true;
    case Bedrag: {
      const auto gelezen = LeesGetal(kb, t);
      if (!gelezen) {
        MeldGeenGetal(kb, t);
        return false;
      }
      double b = *gelezen;
      const int soort = r.BoekSoort & 0xFF;
      // Kinds 5 and 6 carry their direction as 1 and 2 do: an unsigned debit
      // to an own account is money out.
      if (soort == 1 || soort == importsoort::BijVanEigen) b = std::abs(b);
      if (soort == 2 || soort == importsoort::AfNaarEigen) b = -std::abs(b);
      if (a_.splitsIndex > 1 && r.ActieKode == "AF") b = -std::abs(b);
      r.Bedrag = b;
      Tekst(Bedrag) = GetalTekst(kb, b, 2);
      bedragRood_ = !(soort != 2 && b >= 0);
      const double omgerekend = b * r.MuntKoers;
      const double saldo = RekeningSaldo(kb, r.RekNr) + omgerekend;
      saldo_ = BedragTekst(kb, saldo);
      saldoNegatief_ = saldo < 0;
      if (omgerekend == 0 && b != 0)
        kb.berichten().BerichtDlg("Geen Koers gedefinieerd", BerichtSoort::Waarschuwing, knop::OK);
      return true;
    }
    case Omschrijving:
      r.Omschrijving = Kap(t, 255);
      invoerenActief_ = true;
      return true;
    default:
      return true;
  }
}

bool VergelijkModel::LeesGroep() {
  Kasboek& kb = a_.kb();
  TNewKas& r = a_.regel;
  const std::string& t = Tekst(Groep);
  std::string kode = Getrimd(kb.weergave.GroepenOpNaam ? Laatste(t, 4) : Kap(t, 4));
  if (!kb.ZoekGroep(kode)) {
    kb.berichten().Piep();
    bool gemaakt = false;
    if (Vraag(kb, "Groep " + std::string(" bestaat niet\r wilt u groep opvoeren"))) {
      const auto nieuw = a_.MaakGroep(kode);
      if (nieuw && kb.ZoekGroep(*nieuw).has_value()) {
        kode = *nieuw;
        gemaakt = true;
        HerbouwSaldoMatrix(kb);
      } else {
        kb.berichten().BerichtDlg("Groep niet opgevoerd!", BerichtSoort::Waarschuwing, knop::OK);
      }
    } else {
      kb.berichten().BerichtDlg("Groep wordt: Algemeen!", BerichtSoort::Waarschuwing, knop::OK);
    }
    if (!gemaakt) {
      kode = kAlgemeenKode;
      if (!kb.ZoekGroep(kode)) {
        TBudget g;
        g.Nummer = static_cast<int>(kb.GroepLijst.size());
        g.Kode = kAlgemeenKode;
        g.Naam = kAlgemeenNaam;
        g.Budget = 0;
        g.Klasse = " -";
        kb.GroepLijst.push_back(g);
        HerbouwSaldoMatrix(kb);
      }
    }
  }
  Tekst(Groep) = GroepTekst(kode);
  r.GroepKode = kode;
  const auto g = kb.ZoekGroep(kode);
  klasse_ = g ? kb.GroepLijst[static_cast<std::size_t>(*g)].Klasse : std::string();
  const BtwUitkomst btw = BtwVanGroep(kb, kode);
  btwAan_ = btw.soort != 0;
  if (kode == kKruispostKode) {
    r.ActieKode = "OB";
    Tekst(Actie) = "OB";
    tegenVolgZichtbaar_ = true;
  } else {
    tegenVolgZichtbaar_ = false;
    r.BoekSoort = (r.BoekSoort & 0xFF) | (btw.soort << 8);
  }
  return true;
}

void VergelijkModel::BiedSplitsAan() {
  Kasboek& kb = a_.kb();
  TNewKas& r = a_.regel;
  if (a_.splitsIndex > 1 || a_.splitsen || AantalTekens(r.GroepKode) <= 2) return;
  const std::string prefix = Kap(r.GroepKode, 3);
  int aantal = 0;
  for (int i = 1; i <= kb.MaxGroep(); ++i)
    if (kb.GroepLijst[static_cast<std::size_t>(i)].Kode.compare(0, prefix.size(), prefix) == 0) ++aantal;
  if (aantal < 2) return;
  const std::string begin = Kap(r.Omschrijving, 32);
  std::string run;
  for (std::size_t i = 0; i <= begin.size(); ++i) {
    const char c = i < begin.size() ? begin[i] : ' ';
    if (c == '+' || c == ',' || c == '-' || c == '.' || (c >= '0' && c <= '9')) {
      run += c;
      continue;
    }
    if (run.size() >= 4) {
      if (run.find(kb.DecimaalTeken()) != std::string::npos) {
        const auto bedrag = LeesBedrag(kb, run, false);
        if (!bedrag) MeldGeenGetal(kb, run);
        r.Bedrag = bedrag.value_or(0);
      }
      break;
    }
    run.clear();
  }
  if (Vraag(kb, "Transactie opsplitsen en verdelen ")) {
    a_.splitsen = true;
    sluitVoorSplits_ = true;
  }
  if (r.GroepKode != kKruispostKode) VulGeschiedenis();
  Tekst(Bedrag) = GetalTekst(kb, r.Bedrag, 2);
  Tekst(Relatie) = Getrimd(r.Relatie);
  Tekst(Omschrijving) = r.Omschrijving;
  if (sluitVoorSplits_) gesloten_ = true;
}

bool VergelijkModel::LeesReeks(int van, int tot) {
  for (int v = van; v <= tot; ++v) {
    if (v == Groep) {
      const bool splitsVoor = a_.splitsen;
      if (!LeesGroep()) return false;
      (void)splitsVoor;
      continue;
    }
    if (!LeesVeld(v)) return false;
  }
  return true;
}

bool VergelijkModel::Invoeren() {
  TNewKas& r = a_.regel;
  if (!LeesReeks(Rekening, Koers)) return false;
  if (r.GroepKode == kKruispostKode) {
    // The fields of the amount are not read: the file's direction decides
    // the sign of an unsigned debit.
    const int soort = r.BoekSoort & 0xFF;
    if ((soort == 2 || soort == importsoort::AfNaarEigen) && r.Bedrag > 0) r.Bedrag = -r.Bedrag;
    r.BoekSoort = 5;
    if (!LeesReeks(Volg2, Blad2)) return false;
  } else if (!LeesReeks(Relatie, Omschrijving)) {
    return false;
  }
  a_.invoegen = true;
  a_.vervangen = false;
  gesloten_ = true;
  return true;
}

bool VergelijkModel::Vervangen() {
  if (!VervangenActief()) return false;
  if (!LeesReeks(Rekening, Tegenrekening) || !LeesReeks(Relatie, Omschrijving)) return false;
  // The fields read may have made the line another day's or account's.
  if (!a_.VervangenToegestaan(positie_)) {
    a_.kb().berichten().BerichtDlg("Deze transactie is een andere betaling en wordt niet vervangen",
                                   BerichtSoort::Waarschuwing, knop::OK);
    return false;
  }
  a_.vervangen = true;
  a_.invoegen = false;
  gesloten_ = true;
  return true;
}

void VergelijkModel::Overslaan() {
  a_.invoegen = a_.vervangen = false;
  gesloten_ = true;
}

void VergelijkModel::BreekAf() {
  a_.stoppen = true;
  Overslaan();
}

void VergelijkModel::SluitVenster() { Overslaan(); }

}  // namespace valdero
