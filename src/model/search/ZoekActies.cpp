// What the free search does with a row besides finding it.
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/search/ZoekModel.h"
#include "model/search/ZoekVerwijderen.h"

namespace valdero {

std::optional<TransActieTekst> ZoekModel::Detail(int rij) {
  const TKas* kas = RecordVanRij(rij);
  if (kas == nullptr) {
    Foutmelding(kb_, "Record niet op regel " + std::to_string(rij), FoutNr::VerkeerdFormaat, HintNr::ProbeerOpnieuw);
    return std::nullopt;
  }
  return TransActieVan(kb_, *kas);
}

bool ZoekModel::VerwijderRij(int rij) {
  const TKas* kas = RecordVanRij(rij);
  if (kas == nullptr || !RijActueel(rij)) {
    // Never delete on a stale row: show the list as the book holds it now.
    Mededeling(kb_, "Record index " + std::to_string(IndexVanRij(rij)) + " foutief");
    Ververs();
    return false;
  }
  if (!Vraag(kb_, "Weet u zeker dat u dit Record wilt verwijderen ? ")) return false;
  huidigeRij_ = rij;
  VerwijderKasRecords(kb_, {kas->Index});
  if (bewaar_) bewaar_(kb_);
  Ververs();
  Mededeling(kb_, " Kasrecord(s) verwijderd");
  return true;
}

std::optional<ZoekModel::Doorzoeking> ZoekModel::Doorzoek(int rij, int modus) const {
  const TKas* kas = RecordVanRij(rij);
  if (kas == nullptr) return std::nullopt;
  if (modus == 42) return Doorzoeking{modus, kas->Index};
  const auto groep = kb_.ZoekGroep(kas->GroepKode);
  if (!groep || (modus != 41 && modus != 43)) return std::nullopt;
  return Doorzoeking{modus, *groep};
}

}  // namespace valdero
