// The class page of the options window: the classes of groups with their
// VAT settings.

#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/settings/Opties.h"

namespace valdero {
namespace {

constexpr float kHoogsteBtw = 50.0f;

// " n ": a blank in front unless the text starts with one, blanks after up
// to three characters.
std::string MaakLetter(const std::string& getypt) {
  std::string letter = getypt;
  if (letter.empty() || letter.front() != ' ') letter.insert(letter.begin(), ' ');
  return Kap(VulRechts(letter, 3), 3);
}

void HerzieBtw(Kasboek& kb) {
  kb.BtwActief = false;
  for (const TKlasse02& k : kb.KlasseLijst)
    if (k.BtwSoort != 0) kb.BtwActief = true;
}

}  // namespace

KlassePagina::KlassePagina(OptiesModel& opties) : o_(opties) {}

std::vector<KlassePagina::Regel> KlassePagina::Regels() const {
  std::vector<Regel> regels;
  for (const TKlasse02& k : o_.kb.KlasseLijst) regels.push_back({k.Letter, k.Naam, k.Omschrijving});
  return regels;
}

void KlassePagina::Kies(int positie) {
  auto& lijst = o_.kb.KlasseLijst;
  if (positie < 0 || positie >= static_cast<int>(lijst.size())) return;
  gekozen = positie;
  const TKlasse02& k = lijst[static_cast<std::size_t>(positie)];
  afkorting = k.Letter;
  naam = k.Naam;
  omschrijving = k.Omschrijving;
  tariefZichtbaar = k.BtwSoort != 0;
  tarief = tariefZichtbaar ? GetalTekst(o_.kb, k.BtwPerc, 1) : std::string();
  hoog = k.BtwSoort == 2;
  laag = k.BtwSoort == 1;
}

void KlassePagina::Nieuw() {
  auto& lijst = o_.kb.KlasseLijst;
  if (static_cast<int>(lijst.size()) >= kMaxKlassen) {
    o_.kb.berichten().Piep();
    return;
  }
  gewijzigdBijOpenen_ = o_.gewijzigd;
  TKlasse02 k;
  k.Letter = " N ";
  k.Naam = "NEW";
  lijst.push_back(k);
  Kies(static_cast<int>(lijst.size()) - 1);
  editor = true;
  nieuw_ = true;
  oudeLetter_.clear();
}

void KlassePagina::Wijzig() {
  if (gekozen < 0 || gekozen >= static_cast<int>(o_.kb.KlasseLijst.size())) return;
  gewijzigdBijOpenen_ = o_.gewijzigd;
  Kies(gekozen);
  editor = true;
  nieuw_ = false;
  oudeLetter_ = o_.kb.KlasseLijst[static_cast<std::size_t>(gekozen)].Letter;
}

void KlassePagina::Verwijder() {
  auto& lijst = o_.kb.KlasseLijst;
  // A configuration without classes would not read back.
  if (gekozen < 0 || gekozen >= static_cast<int>(lijst.size()) || lijst.size() <= 1) {
    o_.kb.berichten().Piep();
    return;
  }
  lijst.erase(lijst.begin() + gekozen);
  HerzieBtw(o_.kb);
  editor = false;
  Kies(std::min(gekozen, static_cast<int>(lijst.size()) - 1));
  o_.gewijzigd = true;
}

void KlassePagina::ZetHoog(bool aan) {
  hoog = aan;
  if (aan) laag = false;
  tariefZichtbaar = hoog || laag;
}

void KlassePagina::ZetLaag(bool aan) {
  laag = aan;
  if (aan) hoog = false;
  tariefZichtbaar = hoog || laag;
}

void KlassePagina::Ok() {
  Kasboek& kb = o_.kb;
  auto& lijst = kb.KlasseLijst;
  if (gekozen < 0 || gekozen >= static_cast<int>(lijst.size())) return;
  const std::string letter = MaakLetter(afkorting);
  for (std::size_t i = 0; i < lijst.size(); ++i) {
    if (static_cast<int>(i) == gekozen || lijst[i].Letter != letter) continue;
    kb.berichten().BerichtDlg("Klasse bestaat al\rGebruik zo nodig Wijzig", BerichtSoort::Waarschuwing,
                              knop::OK);
    if (nieuw_) {
      lijst.erase(lijst.begin() + gekozen);
      editor = false;
      nieuw_ = false;
      o_.gewijzigd = gewijzigdBijOpenen_;
      Kies(std::min(gekozen, static_cast<int>(lijst.size()) - 1));
    }
    return;
  }

  TKlasse02& k = lijst[static_cast<std::size_t>(gekozen)];
  k.Letter = letter;
  if (!oudeLetter_.empty() && letter != oudeLetter_) {
    // The groups keep their class under its new letter.
    for (std::size_t g = 1; g < kb.GroepLijst.size(); ++g) {
      TBudget& groep = kb.GroepLijst[g];
      if (groep.Klasse != oudeLetter_) continue;
      groep.Klasse = letter;
      o_.boekGewijzigd = true;
    }
    oudeLetter_ = letter;
  }
  k.Naam = Kap(naam, 24);
  k.Omschrijving = Kap(omschrijving, 32);
  k.BtwSoort = 0;
  k.BtwPerc = 0;
  if (tariefZichtbaar) {
    std::string tekst = tarief;
    const auto gelezen = LeesGetal4(kb, tekst);
    if (!gelezen) MeldGeenGetal(kb, tekst);
    float perc = gelezen.value_or(0.0f);
    if (perc > kHoogsteBtw) {
      kb.berichten().BerichtDlg("BTW te hoog , kies opnieuw", BerichtSoort::Fout, knop::OK);
      perc = 0;
    }
    if (perc != 0) k.BtwSoort = laag ? 1 : hoog ? 2 : 0;
    k.BtwPerc = k.BtwSoort != 0 ? perc : 0;
  }
  HerzieBtw(kb);
  editor = false;
  nieuw_ = false;
  o_.gewijzigd = true;
  Kies(gekozen);
}

void KlassePagina::Schrap() {
  editor = false;
  auto& lijst = o_.kb.KlasseLijst;
  if (nieuw_ && gekozen >= 0 && gekozen < static_cast<int>(lijst.size())) {
    lijst.erase(lijst.begin() + gekozen);
    Kies(std::min(gekozen, static_cast<int>(lijst.size()) - 1));
  }
  nieuw_ = false;
  // What was changed before this editor opened is still to be written.
  o_.gewijzigd = gewijzigdBijOpenen_;
}

}  // namespace valdero
