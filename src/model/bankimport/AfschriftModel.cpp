#include "model/bankimport/AfschriftModel.h"

#include <algorithm>
#include <cmath>

#include "model/bankimport/BankFormaat.h"
#include "model/bankimport/BankImport.h"
#include "model/bankimport/RekeningHerkenning.h"
#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
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
  if (lijst.size() > 1) {
    double d = lijst[1].Datum;
    if (d < startDatum) d = std::floor(startDatum);
    std::size_t i = 1;
    while (i < lijst.size()) {
      if (lijst[i].Datum < d) lijst.erase(lijst.begin() + static_cast<std::ptrdiff_t>(i));
      else ++i;
    }
  }
  a_.bankFormaat = run_.Formaat();
  a_.laatsteAfschrift = run_.LaatsteAfschrift();
  geselecteerd_ = 1;
}

std::vector<std::array<std::string, 8>> AfschriftModel::Rijen() {
  std::vector<std::array<std::string, 8>> rijen;
  rijen.push_back({"Index", "Rek", "Datum", "Naam", "Omschrijving", "By/Af", "Bedrag", "Mnt"});
  auto& lijst = run_.Lijst();
  for (int i = 1; i <= Laatste(); ++i) {
    TNewKas& r = lijst[static_cast<std::size_t>(i)];
    r.Index = i;
    const bool munt = r.Munt >= 0 && r.Munt < static_cast<int>(kb_.ValutaLijst.size());
    rijen.push_back({std::to_string(i), AccountNameDigits(kb_, r.RekNr), DatumTekst(r.Datum), r.Relatie,
                     r.Omschrijving, r.BoekSoort == importsoort::Bij ? " BY" : " AF", "  " + BedragTekst(kb_, r.Bedrag),
                     munt ? kb_.ValutaLijst[static_cast<std::size_t>(r.Munt)].Kode : std::string()});
  }
  return rijen;
}

bool AfschriftModel::Print() {
  constexpr std::size_t kCelTekens = 30;
  const auto rijen = Rijen();
  AfdrukTabel t;
  t.kop = Kop();
  t.boekNaam = kb_.KasNaam;
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
  const int pos = kb_.ZoekRekening(run_.Lijst()[static_cast<std::size_t>(geselecteerd_)].RekNr);
  if (pos <= 0) return {};
  return AccountNameByDigits(kb_, NaamCijfers(kb_.RekLijst[static_cast<std::size_t>(pos)].Naam));
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
      a_.bewaar();
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
  VoortgangMelder melder(voortgangMelden ? kb_.voortgang() : nullptr, "Bankregels afstemmen",
                         static_cast<std::uint64_t>(std::max(regels, 0)));
  while (!a_.stoppen && Laatste() >= 1) {
    melder.Stap(static_cast<std::uint64_t>(regels - Laatste()));
    a_.invoegen = a_.vervangen = a_.splitsen = false;
    a_.regel = run_.Lijst()[1];
    a_.origineleOmschrijving = a_.regel.Omschrijving;
    a_.origineelBedrag = a_.regel.Bedrag;
    a_.splitsIndex = 1;
    a_.ReconcileLine();
    if (a_.stoppen) break;
    if (a_.invoegen) a_.InsertLine();
    if (a_.invoegen || a_.vervangen) {
      kb_.HernummerKas();
      a_.bewaar();
    }
    if (a_.splitsen) a_.SplitLine();
    VerwijderRegel(1);
  }
  if (Laatste() == 0) melder.Stap(static_cast<std::uint64_t>(regels));
}

}  // namespace valdero
