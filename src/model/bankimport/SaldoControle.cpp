#include "model/bankimport/SaldoControle.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "model/core/Bedragen.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"

namespace valdero {
namespace {

std::int64_t Centen(double bedrag) { return std::llround(bedrag * 100.0); }

// A balance or amount the reader could not read is no balance to check
// against: it is left out rather than taken as 0.
std::optional<double> Bekend(std::optional<double> waarde) {
  if (waarde && !std::isfinite(*waarde)) return std::nullopt;
  return waarde;
}

// How many links hold when the lines are walked in the given direction.
int Klopt(const std::vector<SaldoRegel>& r, bool aflopend) {
  int n = 0;
  for (std::size_t i = 1; i < r.size(); ++i) {
    const SaldoRegel& vorige = aflopend ? r[r.size() - i] : r[i - 1];
    const SaldoRegel& deze = aflopend ? r[r.size() - 1 - i] : r[i];
    const auto voor = Bekend(vorige.saldoNa);
    const auto na = Bekend(deze.saldoNa);
    if (voor && na && std::isfinite(deze.bedrag) && Centen(*voor + deze.bedrag) == Centen(*na)) ++n;
  }
  return n;
}

}  // namespace

int ControleerSaldi(Kasboek& kb, const SaldoAfschrift& afschrift) {
  const auto& r = afschrift.regels;
  int meldingen = 0;
  auto waarschuw = [&](const std::string& tekst) {
    kb.berichten().BerichtDlg(tekst, BerichtSoort::Waarschuwing, knop::OK);
    ++meldingen;
  };
  auto regelFout = [&](const SaldoRegel& regel, double bank, double berekend) {
    waarschuw("Saldo klopt niet bij regel " + std::to_string(regel.regelNr) + " (" +
              (std::isfinite(regel.datum) ? DatumTekst(regel.datum) : std::string("?")) + "): bank " + GetalTekst(kb, bank, 2) + ", berekend " +
              GetalTekst(kb, berekend, 2));
  };
  bool aflopend = false;
  if (r.size() > 1) {
    if (r.front().datum > r.back().datum)
      aflopend = true;
    else if (r.front().datum == r.back().datum)
      aflopend = Klopt(r, true) > Klopt(r, false);
  }
  const std::optional<double> begin = Bekend(afschrift.begin);
  const std::optional<double> eind = Bekend(afschrift.eind);
  std::optional<double> vorige = begin;
  // The sum of the lines, as long as every amount was read.
  std::optional<double> som = 0.0;
  for (std::size_t k = 0; k < r.size(); ++k) {
    const SaldoRegel& regel = aflopend ? r[r.size() - 1 - k] : r[k];
    const bool bedragBekend = std::isfinite(regel.bedrag);
    if (som) som = bedragBekend ? std::optional<double>(*som + regel.bedrag) : std::nullopt;
    if (const auto voor = Bekend(regel.saldoVoor)) {
      if (vorige && Centen(*vorige) != Centen(*voor)) regelFout(regel, *voor, *vorige);
      vorige = voor;
    }
    // After an amount that was not read the chain starts again at the next
    // balance the file gives.
    if (!bedragBekend) {
      vorige = Bekend(regel.saldoNa);
    } else if (const auto na = Bekend(regel.saldoNa)) {
      if (vorige && Centen(*vorige + regel.bedrag) != Centen(*na)) regelFout(regel, *na, *vorige + regel.bedrag);
      vorige = na;
    } else if (vorige) {
      vorige = *vorige + regel.bedrag;
    }
  }
  if (begin && eind && som && Centen(*begin + *som) != Centen(*eind))
    waarschuw("Eindsaldo " + GetalTekst(kb, *eind, 2) + " klopt niet met beginsaldo plus mutaties " +
              GetalTekst(kb, *begin + *som, 2));
  return meldingen;
}

}  // namespace valdero
