#include "model/lifecycle/HerstelKeuze.h"

#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"

namespace valdero {

HerstelKeuze::HerstelKeuze(Kasboek& kb) : kb_(kb), punten_(Herstelpunten(kb)) {}

std::string HerstelKeuze::Datum(int rij) const {
  const double moment = punten_.at(static_cast<std::size_t>(rij)).moment;
  return DatumTekstLang(moment) + " " + TijdTekst(moment);
}

std::string HerstelKeuze::Transacties(int rij) const {
  return std::to_string(punten_.at(static_cast<std::size_t>(rij)).transacties);
}

bool HerstelKeuze::ZetTerug(int rij) {
  if (rij < 0 || rij >= Aantal()) return false;
  if (!Vraag(kb_, "Herstelpunt van " + Datum(rij) + " (" + Transacties(rij) +
                      " transacties) terugzetten?\rHet boek zoals het nu is wordt zelf een herstelpunt."))
    return false;
  return ZetHerstelpuntTerug(kb_, punten_[static_cast<std::size_t>(rij)]).Gelukt();
}

}  // namespace valdero
