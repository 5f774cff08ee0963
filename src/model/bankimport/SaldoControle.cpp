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

// How many links hold when the lines are walked in the given direction.
int Klopt(const std::vector<SaldoRegel>& r, bool aflopend) {
  int n = 0;
  for (std::size_t i = 1; i < r.size(); ++i) {
    const SaldoRegel& vorige = aflopend ? r[r.size() - i] : r[i - 1];
    const SaldoRegel& deze = aflopend ? r[r.size() - 1 - i] : r[i];
    if (vorige.saldoNa && deze.saldoNa && Centen(*vorige.saldoNa + deze.bedrag) == Centen(*deze.saldoNa))
      ++n;
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
              DatumTekst(regel.datum) + "): bank " + GetalTekst(kb, bank, 2) + ", berekend " +
              GetalTekst(kb, berekend, 2));
  };
  bool aflopend = false;
  if (r.size() > 1) {
    if (r.front().datum > r.back().datum)
      aflopend = true;
    else if (r.front().datum == r.back().datum)
      aflopend = Klopt(r, true) > Klopt(r, false);
  }
  std::optional<double> vorige = afschrift.begin;
  double som = 0;
  for (std::size_t k = 0; k < r.size(); ++k) {
    const SaldoRegel& regel = aflopend ? r[r.size() - 1 - k] : r[k];
    som += regel.bedrag;
    if (regel.saldoVoor) {
      if (vorige && Centen(*vorige) != Centen(*regel.saldoVoor)) regelFout(regel, *regel.saldoVoor, *vorige);
      vorige = regel.saldoVoor;
    }
    if (regel.saldoNa) {
      if (vorige && Centen(*vorige + regel.bedrag) != Centen(*regel.saldoNa))
        regelFout(regel, *regel.saldoNa, *vorige + regel.bedrag);
      vorige = regel.saldoNa;
    } else if (vorige) {
      vorige = *vorige + regel.bedrag;
    }
  }
  if (afschrift.begin && afschrift.eind && Centen(*afschrift.begin + som) != Centen(*afschrift.eind))
    waarschuw("Eindsaldo " + GetalTekst(kb, *afschrift.eind, 2) +
              " klopt niet met beginsaldo plus mutaties " + GetalTekst(kb, *afschrift.begin + som, 2));
  return meldingen;
}

}  // namespace valdero
