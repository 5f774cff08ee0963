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
  const std::string veldFout = Hint(HintNr::FoutInVeld) + FoutZin(FoutNr::Geen) + "\n\r" + Hint(HintNr::CorrigeerAfschrift);
  const std::string geenVelden = FoutZin(FoutNr::GeenVelden) + "\n\r" + Hint(HintNr::CorrigeerAfschrift);
  bool splitsFout = false;
  for (std::size_t i = opmaak.kopRegel ? 1 : 0; i < regels.size(); ++i) {
    run.Gelezen(i);
    bool fout = false;
    const std::vector<std::string> velden = SplitsRegel(regels[i], opmaak.scheiding, &fout);
    // A line without fields or with the wrong number of them is reported
    // and left out; the lines after it are still read.
    if (velden.empty()) {
      if (i + 1 == regels.size() && opmaak.legeSlotregel) break;
      run.RegelFout("geen velden", geenVelden, importfout::Leeg, true);
      run.RegelOvergeslagen();
    } else if (opmaak.tabTelling ? velden.size() < verwacht : velden.size() != verwacht) {
      run.RegelFout("aantal velden", veldFout, importfout::Formaat, true);
      run.RegelOvergeslagen();
    } else {
      TNewKas& regel = run.NieuweRegel(static_cast<int>(i));
      verwerk(run, regel, velden, regels[i]);
    }
    if (splitsFout) break;
    if (fout) {
      // The rules could not get past a character: one more line, then stop.
      run.Stop(importfout::Onverwacht);
      splitsFout = true;
      continue;
    }
    if (run.Afgebroken()) break;
  }
  if (run.Fout() > importfout::Bedrag)
    Foutmelding(run.kb(), run.BankBestand(), FoutNr::VerkeerdFormaat, HintNr::ControleerBestandNaam);
}

}  // namespace valdero
