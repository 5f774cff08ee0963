// The currency page of the options window: the currencies with their rates,
// the base currency and the order of the list.

#include <cstdio>

#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"
#include "model/settings/Opties.h"

namespace valdero {
namespace {

constexpr const char* kWaarschuwingVast = "Dit valuta kan niet worden verwijderd";
constexpr const char* kWaarschuwingVerplaats = "Dit valuta kan niet worden verplaatst";

// Shown to the user: the book's decimal separator, not the process's locale.
std::string Koers5(const Kasboek& kb, double koers) { return GetalTekst(kb, koers, 5); }

bool IsIndex(const Kasboek& kb, int positie) {
  return positie >= 0 && positie < static_cast<int>(kb.ValutaLijst.size());
}

// Whether any account or transaction is kept in the currency at `positie`,
// or the book shows or counts in it.
bool InGebruik(const Kasboek& kb, int positie) {
  if (kb.BasisMunt == positie || kb.weergave.HulpMunt == positie) return true;
  for (std::size_t i = 1; i < kb.RekLijst.size(); ++i)
    if (kb.RekLijst[i].Munt == positie) return true;
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i)
    if (kb.KasLijst[i].Munt == positie) return true;
  return false;
}

}  // namespace

ValutaPagina::ValutaPagina(OptiesModel& opties) : o_(opties) {}

std::vector<ValutaPagina::Regel> ValutaPagina::Regels() const {
  std::vector<Regel> regels;
  for (const TValut& v : o_.kb.ValutaLijst)
    regels.push_back({v.Kode, v.Naam, v.Basis == 1 ? " Basis" : Koers5(o_.kb, v.Koers), !v.Kode.empty()});
  return regels;
}

std::string ValutaPagina::RegelTekst(int positie) const {
  if (!IsIndex(o_.kb, positie)) return {};
  const TValut& v = o_.kb.ValutaLijst[static_cast<std::size_t>(positie)];
  std::string regel = VulRechts(v.Kode, 5) + VulRechts(v.Naam, 28);
  if (v.Koers > 0) regel += VulLinks(Koers5(o_.kb, v.Koers), 8);
  return regel;
}

std::vector<std::string> ValutaPagina::Tekens() const {
  std::vector<std::string> tekens{"€"};
  for (const TValut& v : o_.kb.ValutaLijst) tekens.push_back(v.Teken);
  return tekens;
}

void ValutaPagina::Kies(int positie) {
  if (!IsIndex(o_.kb, positie)) return;
  gekozen = positie;
  const TValut& v = o_.kb.ValutaLijst[static_cast<std::size_t>(positie)];
  afkorting = v.Kode;
  titel = v.Naam;
  koers = GetalTekst(o_.kb, v.Koers, 5);
  karakter = v.Teken;
}

void ValutaPagina::Nieuw() {
  auto& lijst = o_.kb.ValutaLijst;
  if (static_cast<int>(lijst.size()) >= kMaxValuta) {
    o_.kb.berichten().Piep();
    return;
  }
  gewijzigdBijOpenen_ = o_.gewijzigd;
  TValut v;
  v.Kode = "NEW";
  v.Koers = 1.0f;
  v.Teken = " ";
  lijst.push_back(v);
  Kies(static_cast<int>(lijst.size()) - 1);
  editor = true;
  nieuw_ = true;
  o_.waarschuwingZichtbaar = false;
}

void ValutaPagina::Wijzig() {
  if (!IsIndex(o_.kb, gekozen)) return;
  gewijzigdBijOpenen_ = o_.gewijzigd;
  Kies(gekozen);
  editor = true;
  nieuw_ = false;
  o_.waarschuwingZichtbaar = false;
  o_.gewijzigd = true;
}

void ValutaPagina::Verwijder() {
  Kasboek& kb = o_.kb;
  if (!IsIndex(kb, gekozen)) return;
  // Besides the first four, a currency that amounts are kept or shown in
  // stays: removing it would put them in whatever currency moved up.
  if (gekozen < kVasteValuta || InGebruik(kb, gekozen)) {
    kb.berichten().BerichtDlg(kWaarschuwingVast, BerichtSoort::Waarschuwing, knop::OK);
    return;
  }
  auto& lijst = kb.ValutaLijst;
  lijst.erase(lijst.begin() + gekozen);
  // The currencies after it moved up one place.
  auto schuif = [&](int& munt) {
    if (munt > gekozen) --munt;
  };
  schuif(kb.BasisMunt);
  schuif(kb.weergave.HulpMunt);
  for (std::size_t i = 1; i < kb.RekLijst.size(); ++i) schuif(kb.RekLijst[i].Munt);
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i) {
    TKas& kas = kb.KasLijst[i];
    if (kas.Munt > gekozen) {
      --kas.Munt;
      o_.boekGewijzigd = true;
    }
  }
  editor = false;
  Kies(std::min(gekozen, static_cast<int>(lijst.size()) - 1));
  o_.gewijzigd = true;
}

void ValutaPagina::Ok() {
  Kasboek& kb = o_.kb;
  auto& lijst = kb.ValutaLijst;
  if (!IsIndex(kb, gekozen)) return;
  const std::string kode = Kap(afkorting, 3);
  for (std::size_t i = 0; i < lijst.size(); ++i) {
    if (static_cast<int>(i) == gekozen || lijst[i].Kode != kode) continue;
    kb.berichten().BerichtDlg("Valuta bestaat al\rGebruik zo nodig Wijzig", BerichtSoort::Waarschuwing,
                              knop::OK);
    if (nieuw_) {
      lijst.erase(lijst.begin() + gekozen);
      editor = false;
      nieuw_ = false;
      o_.gewijzigd = gewijzigdBijOpenen_;
      o_.waarschuwingZichtbaar = true;
      Kies(std::min(gekozen, static_cast<int>(lijst.size()) - 1));
    }
    return;
  }
  TValut& v = lijst[static_cast<std::size_t>(gekozen)];
  v.Kode = kode;
  v.Naam = Kap(titel, 20);
  v.Teken = karakter.empty() ? std::string(" ") : Kap(karakter, 1);
  std::string tekst = koers;
  const auto gelezen = LeesGetal(kb, tekst);
  if (!gelezen) MeldGeenGetal(kb, tekst);
  v.Koers = static_cast<float>(gelezen.value_or(0));
  editor = false;
  nieuw_ = false;
  o_.waarschuwingZichtbaar = true;
  o_.gewijzigd = true;
  Kies(gekozen);
}

void ValutaPagina::Schrap() {
  editor = false;
  auto& lijst = o_.kb.ValutaLijst;
  if (nieuw_ && IsIndex(o_.kb, gekozen)) {
    lijst.erase(lijst.begin() + gekozen);
    Kies(std::min(gekozen, static_cast<int>(lijst.size()) - 1));
  }
  nieuw_ = false;
  o_.waarschuwingZichtbaar = true;
  o_.gewijzigd = gewijzigdBijOpenen_;
}

void ValutaPagina::BasisMunt() {
  Kasboek& kb = o_.kb;
  if (!IsIndex(kb, gekozen)) return;
  const double r = kb.ValutaLijst[static_cast<std::size_t>(gekozen)].Koers;
  // A rate of 0 would make every other rate infinite.
  if (!(r > 0)) {
    Foutmelding(kb, " Koers = 0 ", FoutNr::Geen, HintNr::CorrigeerValuta);
    return;
  }
  for (TValut& v : kb.ValutaLijst) {
    v.Basis = 0;
    v.Koers = static_cast<float>(v.Koers / r);
  }
  TValut& basis = kb.ValutaLijst[static_cast<std::size_t>(gekozen)];
  basis.Basis = 1;
  basis.Koers = 1.0f;
  kb.BasisMunt = gekozen;
  o_.waarschuwingZichtbaar = true;
  o_.gewijzigd = true;
}

bool ValutaPagina::Verplaats(int van, int naar) {
  Kasboek& kb = o_.kb;
  // The first currency stays in its place, and nothing takes it.
  if (van <= 0 || naar <= 0 || van == naar || !IsIndex(kb, van) || !IsIndex(kb, naar)) {
    kb.berichten().BerichtDlg(kWaarschuwingVerplaats, BerichtSoort::Waarschuwing, knop::OK);
    return false;
  }
  auto& lijst = kb.ValutaLijst;
  TValut munt = lijst[static_cast<std::size_t>(van)];
  lijst.erase(lijst.begin() + van);
  lijst.insert(lijst.begin() + naar, munt);
  // Where each old position went: the moved currency to `naar`, those in
  // between one place towards `van`.
  auto nieuwePlaats = [van, naar](int p) {
    if (p == van) return naar;
    if (van < naar && p > van && p <= naar) return p - 1;
    if (naar < van && p >= naar && p < van) return p + 1;
    return p;
  };
  kb.BasisMunt = nieuwePlaats(kb.BasisMunt);
  kb.weergave.HulpMunt = nieuwePlaats(kb.weergave.HulpMunt);
  for (std::size_t i = 1; i < kb.RekLijst.size(); ++i) kb.RekLijst[i].Munt = nieuwePlaats(kb.RekLijst[i].Munt);
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i) {
    TKas& kas = kb.KasLijst[i];
    const int plaats = nieuwePlaats(kas.Munt);
    if (plaats == kas.Munt) continue;
    kas.Munt = plaats;
    o_.boekGewijzigd = true;
  }
  Kies(naar);
  o_.gewijzigd = true;
  return true;
}

}  // namespace valdero
