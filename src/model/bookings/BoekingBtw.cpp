// VAT: the box that says whether a booking carries VAT, and its kind (low or
// high) as the group implies it; a booking with VAT keeps the kind in its
// booking kind, above the mode (256 times the VAT kind).

#include <string>

#include "model/bookings/BoekingModel.h"
#include "model/core/Kasboek.h"

namespace valdero {
namespace {

// The VAT kind a booking stores above its mode.
constexpr int kBtwFactor = 256;

std::string BtwBoxTekst(int soort) { return soort == 1 ? "BTW laag" : "BTW hoog"; }

}  // namespace

void BoekingModel::ToonBtwVanRecord(bool bestaand) {
  // A booking on file shows the choice it was saved with.
  if (bestaand) btwBox = werk.BoekSoort >= kBtwFactor;
  // The VAT box shows what the record's group implies; a new record must not
  // inherit the choice of the booking before it.
  btw = BtwVanGroep(kb, werk.GroepKode);
  const int btwSoort = bestaand && werk.BoekSoort >= kBtwFactor ? werk.BoekSoort / kBtwFactor : btw.soort;
  btwBoxTekst = BtwBoxTekst(btwSoort);
  if (!bestaand) btwBox = btw.soort != 0 && btwBoxZichtbaar;
}

void BoekingModel::ToonBtwVanGroep(const std::string& kode, bool kiesOpnieuw) {
  btw = BtwVanGroep(kb, kode);
  if (kiesOpnieuw) btwBox = btw.soort != 0 && btwBoxZichtbaar;
  btwBoxTekst = BtwBoxTekst(btw.soort);
}

void BoekingModel::ToonBtwBox() {
  btwBoxTekst = BtwBoxTekst(btw.soort);
  if (!btwBoxZichtbaar) btwBox = false;
}

int BoekingModel::BoekSoortMetBtw() const { return boekModus + (btwBox ? kBtwFactor * btw.soort : 0); }

}  // namespace valdero
