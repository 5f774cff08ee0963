// The overview window's row actions that look further: the drill-downs
// into the group overview and the search in the account and group reports.

#include <algorithm>
#include <cctype>

#include "model/core/Kasboek.h"
#include "model/reports/GroepRapport.h"
#include "model/reports/RapportModel.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/ReportSelection.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

}  // namespace

bool RapportModel::KanDoorzoeken(int rij, int modus) const {
  if (!IsTransactieRapport(stand_.soort) || rij < 0 || rij >= static_cast<int>(tabel_.rijen.size())) return false;
  if (modus == groeprapport::Groep && stand_.soort != rapport::Rekening) return false;
  const int kas = tabel_.rijen[static_cast<std::size_t>(rij)].kasIndex;
  if (kas <= 0 || kas > kb_.MaxKas()) return false;
  if (modus == groeprapport::Relatie) return true;
  if (modus != groeprapport::Groep && modus != groeprapport::Klasse) return false;
  return kb_.ZoekGroep(kb_.KasLijst[static_cast<std::size_t>(kas)].GroepKode).has_value();
}

std::optional<RapportModel::Doorzoeking> RapportModel::Doorzoek(int rij, int modus) {
  if (!KanDoorzoeken(rij, modus)) return std::nullopt;
  const int kas = tabel_.rijen[static_cast<std::size_t>(rij)].kasIndex;
  const TKas& k = kb_.KasLijst[static_cast<std::size_t>(kas)];
  if (modus == groeprapport::Relatie) {
    selectie_.RekNr = k.RekNr;
    return Doorzoeking{modus, k.RekNr, kas};
  }
  // KanDoorzoeken found the group.
  const int groep = kb_.ZoekGroep(k.GroepKode).value_or(0);
  if (modus == groeprapport::Groep) return Doorzoeking{modus, selectie_.RekNr, groep};
  selectie_.RekNr = k.RekNr;
  return Doorzoeking{modus, k.RekNr, groep};
}

bool RapportModel::KanZoeken() const {
  return stand_.soort == rapport::Rekening || stand_.soort == rapport::Groep;
}

std::vector<std::string> RapportModel::ZoekVelden() const {
  if (stand_.soort == rapport::Groep) return {"Index", "Relatie", "  Bij", "  Af", "Omschr."};
  return {"Kode", "Relatie", "Bedrag", "Saldo", "Omschr."};
}

int RapportModel::ZoekKolom(int veld) {
  static constexpr int kKolommen[] = {1, 3, 4, 5, 6};
  return veld >= 0 && veld < 5 ? kKolommen[veld] : -1;
}

int RapportModel::ZoekRij(int veld, const std::string& tekst, int startRij, bool omhoog) const {
  const int kolom = ZoekKolom(veld);
  const int n = static_cast<int>(tabel_.rijen.size());
  if (kolom < 0 || n == 0) return -1;
  const std::string gezocht = Hoofdletters(tekst);
  auto past = [&](int r) {
    const auto& cellen = tabel_.rijen[static_cast<std::size_t>(r)].cellen;
    if (kolom >= static_cast<int>(cellen.size())) return false;
    const std::string& cel = cellen[static_cast<std::size_t>(kolom)];
    return cel.size() >= gezocht.size() && Hoofdletters(cel.substr(0, gezocht.size())) == gezocht;
  };
  if (omhoog) {
    for (int r = std::min(startRij, n - 1); r >= 0; --r)
      if (past(r)) return r;
  } else {
    for (int r = std::max(startRij, 0); r < n; ++r)
      if (past(r)) return r;
  }
  return -1;
}

}  // namespace valdero
