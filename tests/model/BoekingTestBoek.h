#pragma once
// A small open book for the booking tests: three accounts (payments, savings,
// securities), own groups, an income and an expense group with sub-groups, an
// investment group, the cross-posting group, the euro and the dollar at 0.8.

#include <initializer_list>
#include <string>
#include <utility>

#include "TestBoek.h"
#include "model/bookings/BoekingModel.h"
#include "model/core/SaldoMatrix.h"

namespace valdero::test {

inline double Dag(int d, int m) { return MaakDatum(2026, m, d); }

struct BoekingBoek : BoekMetPoorten {
  VasteVensters vensters;
  int bewaringen = 0;
  BoekingModel model{kb, vensters, vensters, [this](Kasboek&) { ++bewaringen; }};

  BoekingBoek() : BoekMetPoorten(MaakDatum(2026, 5, 2) + 0.5) {
    kb.KasJaar = "2026";
    for (auto [letter, btw] : {std::pair{" I ", 0}, {" U ", 0}, {" E ", 0}, {" - ", 0}, {" B ", 2}})
      VoegKlasseToe(kb, letter, letter, btw, btw ? 21.0f : 0.0f);
    kb.BtwActief = true;
    VoegValutaToe(kb, "Eur", 1.0f, true);
    VoegValutaToe(kb, "USD", 0.8f);
    VoegRekeningToe(kb, 1, "Betaal", "BT");
    VoegRekeningToe(kb, 2, "Spaar", "SP");
    VoegRekeningToe(kb, 3, "Effecten", "EF");
    for (const char* k : {"1", "2", "3"}) VoegGroepToe(kb, k, std::string("Saldo ") + k, " - ");
    VoegGroepToe(kb, "201", "Salaris", " I ");
    VoegGroepToe(kb, "410", "Boodschappen", " U ");
    VoegGroepToe(kb, "410a", "Brood", " U ");
    VoegGroepToe(kb, "410b", "Statiegeld", " I ");
    VoegGroepToe(kb, "500", "Gereedschap", " B ");
    VoegGroepToe(kb, "E01", "Aandelen", " E ");
    VoegGroepToe(kb, "xxxx", "KRUISPOSTEN", " - ");
    MarkeerGelezen(kb);
    // Every group and account above exists: the rebuild finds nothing to
    // report.
    static_cast<void>(BouwSaldoMatrix(kb));
  }

  void Rekening(int nr, const std::string& naam, const std::string& soort) {
    VoegRekeningToe(kb, nr, naam, soort);
  }
  void Groep(const std::string& kode, const std::string& naam, const std::string& klasse) {
    VoegGroepToe(kb, kode, naam, klasse);
  }
  // A stored transaction, put in order and into the matrix.
  void Kas(int rekNr, const std::string& groep, double bedrag, double datum, int volgnr = 1,
           const std::string& opm = "") {
    TKas k;
    k.RekNr = rekNr;
    k.GroepKode = groep;
    k.Bedrag = bedrag;
    k.Datum = datum;
    k.VolgBlad = TKas::MaakVolgBlad(volgnr, 0);
    k.Omschrijving = opm;
    k.BoekSoort = 1;
    k.Index = kb.MaxKas() + 1;
    PlaatsKas(kb, k);
    // A test may add a record without its account or group on purpose; it
    // looks at what the rebuild reported itself.
    static_cast<void>(BouwSaldoMatrix(kb));
  }

  // Starts the mode fresh, presses Enter in the given fields in order and
  // saves. Returns what Bewaar returned.
  bool Boek(int modus, std::initializer_list<std::pair<int, std::string>> invoer,
            bool versStart = true) {
    if (!model.Start(modus, versStart)) return false;
    for (const auto& [tag, tekst] : invoer) model.Invoer(tag, tekst);
    return model.Bewaar();
  }

  const TKas& K(int p) const { return kb.KasLijst[static_cast<std::size_t>(p)]; }
  double Saldo(int rekNr) const { return RekeningSaldo(kb, rekNr); }
  double GroepTotaal(const std::string& kode) const { return GroepSaldo(kb, kode); }
  bool IndexGelijkAanPositie() const {
    for (std::size_t i = 0; i < kb.KasLijst.size(); ++i)
      if (kb.KasLijst[i].Index != static_cast<int>(i)) return false;
    return kb.MaxKas() == static_cast<int>(kb.KasLijst.size()) - 1;
  }
  bool Getoond(const std::string& tekst) const {
    for (const auto& b : berichten.getoond)
      if (b.tekst == tekst) return true;
    return false;
  }
};

}  // namespace valdero::test
