#include "model/bankimport/AfschriftModel.h"

#include <algorithm>
#include <cmath>

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/RekeningHerkenning.h"
#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/BoekNaam.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Berichten.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TabelAfdruk.h"
#include "model/core/Voortgang.h"
#include "model/core/Windows1252.h"
#include "model/storage/BoekBestand.h"

namespace valdero {

AfschriftModel::AfschriftModel(Kasboek& kb, BankImport& run, Afstemming& afstemming)
    : kb_(kb), run_(run), a_(afstemming) {}

const std::vector<TNewKas>& AfschriftModel::Lijst() const { return run_.Lijst(); }
int AfschriftModel::Laatste() const { return run_.Laatste(); }

void AfschriftModel::NeemOver(double startDatum) {
  auto& lijst = run_.Lijst();
  overname_ = {};
  verwerkt_.clear();
  const int jaar = BoekJaar(kb_);
  for (std::size_t i = 1; i < lijst.size(); ++i)
    if (SplitsDatum(lijst[i].Datum).jaar != jaar) ++overname_.buitenJaar;
  if (lijst.size() > 1) {
    double d = lijst[1].Datum;
    if (d < startDatum) d = std::floor(startDatum);
    std::size_t i = 1;
    while (i < lijst.size()) {
      if (lijst[i].Datum < d) {
        lijst.erase(lijst.begin() + static_cast<std::ptrdiff_t>(i));
        ++overname_.voorStart;
      } else {
        ++i;
      }
    }
    if (overname_.voorStart > 0 || overname_.buitenJaar > 0) {
      std::string tekst;
      auto regels = [](int n) { return std::to_string(n) + (n == 1 ? " regel" : " regels"); };
      if (overname_.voorStart > 0)
        tekst = regels(overname_.voorStart) + " van het bestand " + (overname_.voorStart == 1 ? "ligt" : "liggen") +
                " voor de begindatum " + DatumTekst(std::floor(startDatum)) + " en " +
                (overname_.voorStart == 1 ? "wordt" : "worden") + " niet getoond";
      if (overname_.buitenJaar > 0)
        tekst += (tekst.empty() ? "" : "\r") + regels(overname_.buitenJaar) + " van het bestand " +
                 (overname_.buitenJaar == 1 ? "valt" : "vallen") + " buiten het boekjaar " + std::to_string(jaar);
      Mededeling(kb_, tekst);
    }
  }
  a_.bankFormaat = run_.Formaat();
  a_.laatsteAfschrift = run_.LaatsteAfschrift();
  geselecteerd_ = 1;
  // A line whose own account the book lacks is said once per number, not
  // for every row each time the list is shown.
  std::vector<int> gemeld;
  for (std::size_t i = 1; i < lijst.size(); ++i) {
    const int rekNr = lijst[i].RekNr;
    if (kb_.ZoekRekening(rekNr).has_value() || std::find(gemeld.begin(), gemeld.end(), rekNr) != gemeld.end()) continue;
    gemeld.push_back(rekNr);
    kb_.berichten().BerichtDlg("Geen Rekening gevonden: " + std::to_string(rekNr), BerichtSoort::Fout, knop::OK);
  }
}

std::array<std::string, 8> AfschriftModel::Rij(int i) {
  TNewKas& r = run_.Lijst()[static_cast<std::size_t>(i)];
  const bool munt = r.Munt >= 0 && r.Munt < static_cast<int>(kb_.ValutaLijst.size());
  const auto rek = kb_.ZoekRekening(r.RekNr);
  const std::string cijfers = rek ? NaamCijfers(kb_.RekLijst[static_cast<std::size_t>(*rek)].Naam) : std::string();
  // One sign for every layout: money out negative, as the ledger holds it,
  // whether the file wrote the amount signed (CAMT.053, MT940) or unsigned
  // with a debit mark (the old layouts).
  const int soort = r.BoekSoort & 0xFF;
  const bool af = soort == importsoort::Af || soort == importsoort::AfNaarEigen ||
                  (soort != importsoort::Bij && soort != importsoort::BijVanEigen && r.Bedrag < 0);
  const double bedrag = af ? -std::fabs(r.Bedrag) : std::fabs(r.Bedrag);
  return {std::to_string(i), cijfers, DatumTekst(r.Datum), r.Relatie, r.Omschrijving,
          r.BoekSoort == importsoort::Bij ? " BY" : " AF", "  " + BedragTekst(kb_, bedrag),
          munt ? kb_.ValutaLijst[static_cast<std::size_t>(r.Munt)].Kode : std::string()};
}

std::vector<std::array<std::string, 8>> AfschriftModel::Rijen() {
  std::vector<std::array<std::string, 8>> rijen;
  rijen.push_back({"Index", "Rek", "Datum", "Naam", "Omschrijving", "By/Af", "Bedrag", "Mnt"});
  auto& lijst = run_.Lijst();
  for (int i = 1; i <= Laatste(); ++i) {
    lijst[static_cast<std::size_t>(i)].Index = i;
    rijen.push_back(Rij(i));
  }
  return rijen;
}

std::string AfschriftModel::UitkomstTekst(Uitkomst u) {
  switch (u) {
    case Uitkomst::Geboekt: return "geboekt";
    case Uitkomst::Vervangen: return "vervangen";
    case Uitkomst::Gesplitst: return "gesplitst";
    default: return "overgeslagen";
  }
}

bool AfschriftModel::Print() {
  constexpr std::size_t kCelTekens = 30;
  const auto rijen = Rijen();
  AfdrukTabel t;
  t.kop = Kop();
  t.boekNaam = kb_.sessie.KasNaam;
  t.titels.assign(rijen.front().begin(), rijen.front().end());
  t.breedtes.assign(kKolomBreedtes.begin(), kKolomBreedtes.end());
  // The line number and the amount stand right, as on screen.
  t.rechts = {true, false, false, false, false, false, true};
  for (std::size_t r = 1; r < rijen.size(); ++r) {
    std::vector<std::string> cellen;
    for (const std::string& cel : rijen[r]) cellen.push_back(EersteTekens(cel, kCelTekens));
    t.rijen.push_back(std::move(cellen));
  }
  if (DrukTabel(kb_, t)) return true;
  kb_.berichten().BerichtDlg("Afdrukken niet gelukt", BerichtSoort::Fout, knop::OK);
  return false;
}

std::string AfschriftModel::Kop() {
  if (geselecteerd_ < 1 || geselecteerd_ > Laatste()) return {};
  const auto pos = kb_.ZoekRekening(run_.Lijst()[static_cast<std::size_t>(geselecteerd_)].RekNr);
  if (!pos) return {};
  return AccountNameByDigits(kb_, NaamCijfers(kb_.RekLijst[static_cast<std::size_t>(*pos)].Naam));
}

void AfschriftModel::VerwijderRegel(int i) {
  auto& lijst = run_.Lijst();
  if (i >= 1 && i < static_cast<int>(lijst.size())) lijst.erase(lijst.begin() + i);
}

void AfschriftModel::ApplyStartBalances() {
  for (int i = 1; i <= Laatste(); ++i) {
    const TNewKas& r = run_.Lijst()[static_cast<std::size_t>(i)];
    if (!run_.InBestand(r.RekNr)) continue;
    for (int p = 1; p <= kb_.MaxKas(); ++p) {
      TKas& k = kb_.KasLijst[static_cast<std::size_t>(p)];
      if (k.RekNr != r.RekNr || k.Bedrag != 0 || k.Omschrijving != "Saldo") continue;
      k.Bedrag = r.BeginSaldo;
      // The balances shown afterwards must include the opening balance; the
      // record is the account's own, so its cells exist.
      int rekMis = 0, groepMis = 0;
      static_cast<void>(BoekInMatrix(kb_, k.GroepKode, k.RekNr, false, rekMis, groepMis, k.Bedrag));
      run_.WisInBestand(r.RekNr);
      a_.BewaarNaRegel();
      break;
    }
  }
}

void AfschriftModel::ProcessStatement() {
  if (!run_.RegelsKlaar()) return;
  a_.stoppen = false;
  a_.BeginRun();
  if (run_.Formaat() == bankformaat::AbnAmro && Laatste() > 1) {
    ApplyStartBalances();
    a_.BeginRun();
  }
  if (geselecteerd_ > 1) {
    for (int i = 1; i < geselecteerd_ && Laatste() >= 1; ++i) VerwijderRegel(1);
  }
  geselecteerd_ = 1;
  const int regels = Laatste();
  GeenVoortgang stil;
  VoortgangMelder melder(voortgangMelden ? kb_.voortgang() : stil, "Bankregels afstemmen",
                         static_cast<std::uint64_t>(std::max(regels, 0)));
  // The lines done leave the front of the list. Taken off one by one, each
  // would move every line behind it (a file of 1 000 lines: half a million
  // moves); so they stay until someone looks at the list (the window, before
  // each line) or the run ends, and then leave together.
  int klaar = 0;
  auto haalKlaarWeg = [&] {
    auto& lijst = run_.Lijst();
    if (klaar > 0) lijst.erase(lijst.begin() + 1, lijst.begin() + 1 + klaar);
    klaar = 0;
  };
  while (!a_.stoppen && Laatste() - klaar >= 1) {
    melder.Stap(static_cast<std::uint64_t>(regels - (Laatste() - klaar)));
    if (regelBegint) {
      haalKlaarWeg();
      regelBegint();
    }
    const int huidig = 1 + klaar;
    a_.invoegen = a_.vervangen = a_.splitsen = false;
    a_.regel = run_.Lijst()[static_cast<std::size_t>(huidig)];
    a_.origineleOmschrijving = a_.regel.Omschrijving;
    a_.origineelBedrag = a_.regel.Bedrag;
    a_.splitsIndex = 1;
    a_.ReconcileLine();
    if (a_.stoppen) break;
    bool geboekt = false;
    if (a_.invoegen) geboekt = a_.InsertLine();
    if (a_.invoegen || a_.vervangen) {
      // A record put behind the ledger already has its position as index.
      if (!a_.achterAan) kb_.HernummerKas();
      a_.BewaarNaRegel();
    }
    if (a_.splitsen) a_.SplitLine();
    const Uitkomst uitkomst = a_.splitsen     ? Uitkomst::Gesplitst
                              : a_.vervangen  ? Uitkomst::Vervangen
                              : geboekt       ? Uitkomst::Geboekt
                                              : Uitkomst::Overgeslagen;
    // The row as the list shows the line: the first of those left.
    std::array<std::string, 8> rij = Rij(huidig);
    rij[0] = std::to_string(1);
    verwerkt_.push_back({std::move(rij), uitkomst});
    ++klaar;
  }
  haalKlaarWeg();
  if (Laatste() == 0) melder.Stap(static_cast<std::uint64_t>(regels));
  if (regelBegint) regelBegint();
}

}  // namespace valdero

namespace valdero {

Status AfschriftModel::ProcessStatementInEenKeer() {
  // No save per line: the book is written once, below.
  a_.achterAan = true;
  ProcessStatement();
  a_.OrdenNaRun();
  a_.achterAan = false;
  return BewaarBoek(kb_, false);
}

}  // namespace valdero
