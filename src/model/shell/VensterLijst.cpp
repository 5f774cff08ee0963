#include "model/shell/VensterLijst.h"

#include <algorithm>
#include <array>

#include "model/core/Meldingen.h"

namespace valdero {
namespace {

const std::array<std::string, 12> kHints = {
    "Selecteer valdero venster",     "Selecteer Rekeningen tabel", "Selecteer Groepen tabel",
    "Selecteer Begroting tabel",     "Selecteer Boekingen venster", "Selecteer Overzichten venster",
    "Selecteer Grafieken",           "Selecteer Opties tabbladen",  "Selecteer Importvenster",
    "Selecteer Exportvenster",       "Selecteer Relatievenster",   "Selecteer BTW overzicht",
};
const std::string kGeen;

}  // namespace

const std::string& VensterHint(int nummer) {
  if (nummer < 0 || nummer >= static_cast<int>(kHints.size())) return kGeen;
  return kHints[static_cast<std::size_t>(nummer)];
}

void VensterLijst::Registreer(int nummer, const std::string& naam, bool zichtbaar) {
  // A window opened again while it is open keeps its one entry.
  if (!zichtbaar || Geregistreerd(nummer)) return;
  regels_.push_back({nummer, naam, VensterHint(nummer)});
}

void VensterLijst::MeldAf(Kasboek& kb, int nummer) {
  // The first entry is the main window itself.
  const auto begin = regels_.empty() ? regels_.end() : regels_.begin() + 1;
  const auto it = std::find_if(begin, regels_.end(), [nummer](const VensterRegel& r) { return r.nummer == nummer; });
  if (it == regels_.end()) {
    Mededeling(kb, "Venster al gesloten");
    return;
  }
  regels_.erase(it);
}

bool VensterLijst::Geregistreerd(int nummer) const {
  return std::any_of(regels_.begin(), regels_.end(), [nummer](const VensterRegel& r) { return r.nummer == nummer; });
}

}  // namespace valdero
