#include <cmath>

#include "model/core/Kasboek.h"
#include "model/core/Domein.h"
#include "model/lifecycle/Levensloop.h"

namespace valdero {
namespace {

double Saldo(const Kasboek& kb, int groep, int rekening) {
  if (groep < 0 || groep >= static_cast<int>(kb.SaldoMatrix().size())) return 0;
  const TKasValue& rij = kb.SaldoMatrix()[static_cast<std::size_t>(groep)];
  if (rekening < 0 || rekening >= static_cast<int>(rij.size())) return 0;
  const TInUit& cel = rij[static_cast<std::size_t>(rekening)];
  return cel.In + cel.Uit;
}

float Koers(const Kasboek& kb, int munt) {
  if (munt < 0 || munt >= static_cast<int>(kb.ValutaLijst.size())) return 1.0f;
  return kb.ValutaLijst[static_cast<std::size_t>(munt)].Koers;
}

// Sums of amounts that cancel out leave rounding dust; a balance below half
// a cent is no balance and gets no record.
bool IsNul(double bedrag) { return std::fabs(bedrag) < 0.005; }

}  // namespace

void Openingssaldi(Kasboek& kb, double datum) {
  std::vector<TKas> nieuw(1);
  auto voegToe = [&](TKas kas) {
    if (IsNul(kas.Bedrag)) return;
    kas.Index = static_cast<int>(nieuw.size());
    nieuw.push_back(std::move(kas));
  };
  const int totalen = kb.MaxGroep() + 1;
  for (int a = 1; a <= kb.MaxRek() && a < static_cast<int>(kb.RekLijst.size()); ++a) {
    const TBank& rek = kb.RekLijst[static_cast<std::size_t>(a)];
    const float koers = Koers(kb, rek.Munt);
    TKas basis;
    basis.RekNr = rek.RekNr;
    basis.VolgBlad = 0;
    basis.ActieKode = "--";
    basis.Datum = datum;
    basis.Relatie = rek.Naam;
    basis.Munt = rek.Munt;
    basis.MuntKoers = koers;
    basis.Extra1 = 0;
    basis.BoekSoort = 1;
    basis.Belegging = 0;
    basis.PayDate = datum;
    if (rek.Soort != kEffectenSoort) {
      TKas kas = basis;
      kas.GroepKode = rek.RekNrTekst;
      kas.Omschrijving = "Saldo";
      kas.Bedrag = rek.RekNr == kTransferRekening ? 0 : Saldo(kb, totalen, a) * koers;
      voegToe(std::move(kas));
      continue;
    }
    for (int g = 1; g <= kb.MaxGroep() && g < static_cast<int>(kb.GroepLijst.size()); ++g) {
      const TBudget& groep = kb.GroepLijst[static_cast<std::size_t>(g)];
      const char letter = groep.Klasse.size() > 1 ? groep.Klasse[1] : ' ';
      if (letter != 'A' && letter != 'E' && letter != 'F' && letter != 'R') continue;
      TKas kas = basis;
      kas.GroepKode = groep.Kode == kKruispostKode ? rek.RekNrTekst : groep.Kode;
      kas.Omschrijving = "Saldo " + groep.Naam;
      kas.Bedrag = Saldo(kb, g, a) * koers;
      if (letter != 'R') {
        kas.BoekSoort = 12;
        kas.Belegging = 1;
        kas.Aantal = 0;
        kas.Prijs = 1.0f;
      }
      voegToe(std::move(kas));
    }
  }
  kb.KasLijst = std::move(nieuw);
}

}  // namespace valdero
