#include "bookings/QtBoekingVensters.h"

#include "core/Kasboek.h"
#include "groups/TNewBudgetDlg.h"

namespace valdero {

std::optional<std::string> QtBoekingVensters::NieuweGroep(Kasboek& kb, const std::string& kode,
                                                          const std::string& titel,
                                                          const std::string& klasse) {
  // The plain groups view: the dialog asks no budget amounts here.
  TNewBudgetDlg dlg(kb, ouder_);
  const GroepResultaat r =
      dlg.NieuweGroep(kb.MaxGroep + 1, kode, titel, klasse, BudgetWeergave{1, 1});
  if (!r.gelukt) return std::nullopt;
  return r.kode;
}

}  // namespace valdero
