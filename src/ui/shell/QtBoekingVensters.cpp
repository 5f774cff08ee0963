#include "ui/shell/QtBoekingVensters.h"

#include "model/core/Kasboek.h"
#include "ui/groups/TNewBudgetDlg.h"

namespace valdero {

std::optional<std::string> QtBoekingVensters::NieuweGroep(Kasboek& kb, const std::string& kode,
                                                          const std::string& titel,
                                                          const std::string& klasse) {
  // The plain groups view: the dialog asks no budget amounts here.
  TNewBudgetDlg dlg(kb, ouder_);
  dlg.BeginNieuw(kb.MaxGroep() + 1, kode, titel, klasse, GroepWeergave{1, 1});
  Bedien(dlg);
  dlg.Wacht();
  const GroepResultaat r = dlg.Model()->Uitslag();
  if (!r.gelukt) return std::nullopt;
  return r.kode;
}

}  // namespace valdero
