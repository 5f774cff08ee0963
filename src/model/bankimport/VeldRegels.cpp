#include "model/bankimport/VeldRegels.h"

#include <algorithm>

#include "model/bankimport/BankImport.h"
#include "model/bankimport/BankTekst.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"

namespace valdero {

const std::string& Veld(const std::vector<std::string>& velden, std::size_t i) {
  static const std::string leeg;
  return i < velden.size() ? velden[i] : leeg;
}

void LeesVeldRegels(BankImport& run, const VeldRegelOpmaak& opmaak, const VeldVerwerker& verwerk) {
  const auto& regels = run.Regels();
  if (regels.empty()) return;
  const std::size_t verwacht =
      opmaak.tabTelling ? static_cast<std::size_t>(std::count(regels[0].begin(), regels[0].end(), '\t'))
                        : SplitsRegel(regels[0], opmaak.scheiding).size();
  if (verwacht == 0) return;
  std::size_t foutRegel = 0;
  bool splitsFout = false;
  for (std::size_t i = opmaak.kopRegel ? 1 : 0; i < regels.size(); ++i) {
    run.Gelezen(i);
    bool fout = false;
    const std::vector<std::string> velden = SplitsRegel(regels[i], opmaak.scheiding, &fout);
    if (velden.empty()) {
      if (i + 1 == regels.size() && opmaak.legeSlotregel) break;
      run.ZetFout(importfout::Leeg);
    } else if (opmaak.tabTelling ? velden.size() < verwacht : velden.size() != verwacht) {
      run.ZetFout(importfout::Formaat);
    } else {
      TNewKas& regel = run.NieuweRegel(static_cast<int>(i));
      verwerk(run, regel, velden, regels[i]);
    }
    if (splitsFout) break;
    if (fout) {
      // The rules could not get past a character: one more line, then stop.
      run.ZetFout(importfout::Onverwacht);
      splitsFout = true;
      foutRegel = i;
      continue;
    }
    if (run.Fout() != 0) {
      foutRegel = i;
      break;
    }
  }
  Kasboek& kb = run.kb();
  const std::string naam = run.BankBestand() + " regel: " + std::to_string(foutRegel);
  if (run.Fout() == importfout::Leeg)
    Foutmelding(kb, naam, FoutNr::GeenVelden, HintNr::CorrigeerAfschrift);
  else if (run.Fout() == importfout::Formaat)
    Foutmelding(kb, naam + Hint(HintNr::FoutInVeld), FoutNr::Geen, HintNr::CorrigeerAfschrift);
  else if (run.Fout() > 5)
    Foutmelding(kb, run.BankBestand(), FoutNr::VerkeerdFormaat, HintNr::ControleerBestandNaam);
}

}  // namespace valdero
