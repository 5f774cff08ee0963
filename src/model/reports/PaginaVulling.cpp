#include "model/reports/PaginaVulling.h"

#include "model/core/AfdrukMaten.h"
#include "model/core/Kasboek.h"
#include "model/core/Records.h"

namespace valdero {

namespace {
constexpr int kLiggendSchaal = 140;
constexpr int kStaandSchaal = 100;
}  // namespace

PaginaVulling PaginaVulling::Van(const Kasboek& kb) {
  return {kb.Config.RegelsPerPagina, (kb.Config.Vlaggen & vlag::Liggend) ? kLiggendSchaal : kStaandSchaal};
}

int AfdrukTekenBreedte(const Kasboek& kb, const AfdrukMaten& maten) {
  return kb.weergave.TekenBreedte > 0 ? kb.weergave.TekenBreedte : maten.teken;
}

}  // namespace valdero
