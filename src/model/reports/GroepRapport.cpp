#include "model/reports/GroepRapport.h"

#include <optional>
#include <unordered_map>

#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/TekstHulp.h"
#include "model/core/Voortgang.h"
#include "model/core/Windows1252.h"
#include "model/reports/BtwRapport.h"
#include "model/reports/RapportHulp.h"

namespace valdero {
namespace {

using namespace groeprapport;

struct KlasseBtw {
  int soort = 0;  // 0 none, 1 low, 2 high
  double perc = 0;
};

// The VAT of every class by its letter (padded to three characters), and
// the book's low and high rate: those of the first class of each kind.
struct BtwTarieven {
  explicit BtwTarieven(const Kasboek& kb) {
    for (const TKlasse02& k : kb.KlasseLijst) {
      const int soort = k.BtwSoort == 1 || k.BtwSoort == 2 ? k.BtwSoort : 0;
      klassen.emplace(VulRechts(k.Letter, 3), KlasseBtw{soort, k.BtwPerc});
      if (soort == 1 && laag == 0) laag = k.BtwPerc;
      if (soort == 2 && hoog == 0) hoog = k.BtwPerc;
    }
  }
  KlasseBtw Klasse(const std::string& letter) const {
    const auto it = klassen.find(VulRechts(letter, 3));
    return it == klassen.end() ? KlasseBtw{} : it->second;
  }
  // The rate of a transaction's own VAT kind: its class's rate when the
  // class has that kind, else the book's rate of the kind.
  double VoorSoort(int soort, const KlasseBtw& klasse) const {
    if (soort != 1 && soort != 2) return 0;
    if (klasse.soort == soort) return klasse.perc;
    return soort == 1 ? laag : hoog;
  }
  std::unordered_map<std::string, KlasseBtw> klassen;
  double laag = 0;
  double hoog = 0;
};

int EigenBtwSoort(const TKas& kas) { return (kas.BoekSoort >> 8) & 0xFF; }

std::vector<std::string> Titels(int modus, bool btw) {
  const int m = modus % AlleRekeningen;
  std::vector<std::string> t;
  if (m == Relatie)
    t = {"VlgNr.", "Datum", btw ? "Groep+Titel" : "Groep+titel", "BIJ/AF--Fl"};
  else
    t = {"VlgNr.", "Datum", "Relatie", "BIJ/AF--Fl"};
  if (btw) t.push_back("BTW");
  t.push_back(m == Klasse ? "Kode" : "Klasse");
  if (modus > AlleRekeningen) t[0] = "RekNr.";
  return t;
}

std::vector<int> Breedtes(int modus, bool btw) {
  const int m = modus % AlleRekeningen;
  std::vector<int> w = {42, 66, m == Relatie ? 159 : 129, 96};
  if (btw) w.push_back(70);
  w.push_back(m == Klasse ? 41 : 36);
  return w;
}

}  // namespace

bool IsGroepRapportModus(int modus) {
  const int m = modus % AlleRekeningen;
  return (modus == m || modus == m + AlleRekeningen) && m >= Groep && m <= Klasse;
}

std::string GroepRapportTabel::KopRegel(int nr) const {
  const auto p = kop.find(kKopRegelEinde);
  if (p == std::string::npos) return nr == 0 ? kop : std::string();
  return nr == 0 ? kop.substr(0, p) : kop.substr(p + 2);
}

GroepRapportModel::GroepRapportModel(Kasboek& kb) : kb_(kb) {}

bool GroepRapportModel::Toon(int modus, int rekNr, int index) {
  if (!IsGroepRapportModus(modus)) return false;
  const int m = modus % AlleRekeningen;
  if (m == Relatie ? (index < 1 || index > kb_.MaxKas()) : (index < 1 || index > kb_.MaxGroep())) return false;
  modus_ = modus;
  rekNr_ = modus > AlleRekeningen ? 0 : rekNr;
  index_ = index;
  groepKode_.clear();
  relatie_.clear();
  klasse_.clear();
  if (m == Relatie) {
    relatie_ = kb_.KasLijst[static_cast<std::size_t>(index)].Relatie;
  } else {
    const TBudget& g = kb_.GroepLijst[static_cast<std::size_t>(index)];
    groepKode_ = g.Kode;
    klasse_ = g.Klasse;
  }
  Bouw();
  return true;
}

void GroepRapportModel::ZetTransactiefilter(bool aan) {
  filter_ = aan;
  if (modus_ != 0) Bouw();
}

void GroepRapportModel::Bouw() {
  const int m = modus_ % AlleRekeningen;
  const BtwTarieven tarieven(kb_);
  const RapportIndex index(kb_);
  GroepRapportTabel t;
  t.modus = modus_;

  std::string groepTitel;
  if (m != Relatie) {
    const int g = index.Groep(groepKode_);
    if (g > 0) groepTitel = kb_.GroepLijst[static_cast<std::size_t>(g)].Naam;
  }
  switch (m) {
    case Groep:
      t.kop = "GROEP-POST TRANSACTIES  Jaar:" + kb_.KasJaar + kKopRegelEinde + "Groep-Kode : " + groepKode_ + " " +
              groepTitel;
      break;
    case Relatie:
      t.kop = "GROEP-POST TRANSACTIES  Jaar:" + kb_.KasJaar + kKopRegelEinde + "Relatie : " + relatie_;
      break;
    default:
      t.kop = "SPECIFIEKE KLASSE TRANSACTIES  Jaar: " + kb_.KasJaar + kKopRegelEinde +
              "Geselecteerde klassen :" + klasse_;
  }

  // Which transactions are listed, with the class of each one's group.
  const std::string klasse3 = VulRechts(klasse_, 3);
  struct Regel {
    int kas;
    std::string klasse;
    double btw;
  };
  std::vector<Regel> regels;
  bool eigenBtw = false;
  std::optional<VoortgangMelder> melder;
  melder.emplace(kb_.voortgang(), kRapportOpbouwen, static_cast<std::uint64_t>(kb_.MaxKas()));
  for (int i = 1; i <= kb_.MaxKas(); ++i) {
    const TKas& kas = kb_.KasLijst[static_cast<std::size_t>(i)];
    melder->Stap(static_cast<std::uint64_t>(i));
    if (rekNr_ != 0 && kas.RekNr != rekNr_) continue;
    if (m == Groep && kas.GroepKode != groepKode_) continue;
    if (m == Relatie && kas.Relatie != relatie_) continue;
    const int g = index.Groep(kas.GroepKode);
    const std::string kl = g > 0 ? kb_.GroepLijst[static_cast<std::size_t>(g)].Klasse : std::string();
    if (m == Klasse && (g == 0 || VulRechts(kl, 3) != klasse3)) continue;
    const KlasseBtw k = tarieven.Klasse(kl);
    const double r = filter_ ? tarieven.VoorSoort(EigenBtwSoort(kas), k) : (k.soort != 0 ? k.perc : 0);
    if (filter_ && r > 0) eigenBtw = true;
    regels.push_back({i, kl, BtwIn(kas.Bedrag, r)});
  }
  // The walk was the long part; the message of an empty overview comes after it.
  melder.reset();

  // The VAT columns: the group's or the class's VAT kind, the book's VAT
  // switch for a relation, and with the filter ticked also any listed
  // transaction stored with VAT of its own.
  if (m == Relatie)
    t.btwKolommen = kb_.BtwActief;
  else
    t.btwKolommen = tarieven.Klasse(klasse_).soort != 0;
  t.btwKolommen = t.btwKolommen || eigenBtw;
  t.titels = Titels(modus_, t.btwKolommen);
  t.breedtes = Breedtes(modus_, t.btwKolommen);

  double totaal = 0, btwTotaal = 0;
  for (const Regel& r : regels) {
    const TKas& kas = kb_.KasLijst[static_cast<std::size_t>(r.kas)];
    RapportRij rij;
    rij.kasIndex = r.kas;
    const std::string volgnr = std::to_string(kas.Volgnr());
    rij.cellen.push_back(rekNr_ == 0 ? " " + std::to_string(kas.RekNr) + "-" + volgnr : volgnr);
    rij.cellen.push_back(DatumTekstLang(kas.Datum));
    if (m == Relatie) {
      const int g = index.Groep(kas.GroepKode);
      const std::string titel = g > 0 ? kb_.GroepLijst[static_cast<std::size_t>(g)].Naam : std::string();
      rij.cellen.push_back(EersteTekens(kas.GroepKode + " " + titel, 37));
    } else {
      rij.cellen.push_back(kas.Relatie);
    }
    rij.cellen.push_back(RapportBedrag(kb_, kas.Bedrag));
    totaal += kas.Bedrag;
    if (t.btwKolommen) {
      rij.cellen.push_back(RapportBedrag(kb_, r.btw));
      btwTotaal += r.btw;
    }
    rij.cellen.push_back(m == Klasse ? kas.GroepKode : r.klasse + "  ");
    t.rijen.push_back(std::move(rij));
  }

  t.totaalLabel = "TOTAAL  " + MuntKode(kb_);
  t.aantal = "Aantal = " + std::to_string(t.rijen.size());
  t.btwTotaal.zichtbaar = t.btwKolommen;
  if (t.rijen.empty()) {
    tabel_ = std::move(t);
    Mededeling(kb_, "Geen records voor deze Groep/Klasse");
    return;
  }
  t.geselecteerd = 0;
  t.totaal = SaldoVeld(kb_, totaal);
  if (t.btwKolommen) t.btwTotaal = SaldoVeld(kb_, btwTotaal);
  tabel_ = std::move(t);
}

}  // namespace valdero
