#pragma once
// Builds the lists of a test book the way the program keeps them, one call a
// record, and ends with the invariants the program relies on: every
// transaction's Index is its position and the balance matrix is the sum of
// the transactions. A fixture says what its book holds; it never sets the
// book's counters or rebuilds its derived data by hand.
//
//   test::BoekBouwer(kb).Rekening(1, "Kas").Groep("201", "Huis")
//       .Boeking(1, "201", MaakDatum(2008, 1, 1), -5).Klaar();

#include <string>

#include "TestBoek.h"
#include "model/core/Kasboek.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/Status.h"

namespace valdero::test {

class BoekBouwer {
 public:
  explicit BoekBouwer(Kasboek& kb) : kb_(kb) {}

  BoekBouwer& Rekening(int rekNr, const std::string& naam, const std::string& soort = "BT", int munt = 0) {
    VoegRekeningToe(kb_, rekNr, naam, soort, munt);
    return *this;
  }
  BoekBouwer& Groep(const std::string& kode, const std::string& naam, const std::string& klasse = " U ") {
    VoegGroepToe(kb_, kode, naam, klasse);
    return *this;
  }
  BoekBouwer& Boeking(int rekNr, const std::string& groepKode, double datum, double bedrag,
                      const std::string& omschrijving = {}) {
    VoegTransactieToe(kb_, rekNr, groepKode, datum, bedrag, omschrijving);
    return *this;
  }
  // The base currency also becomes the book's base and display currency.
  BoekBouwer& Valuta(const std::string& kode, float koers, bool basis = false) {
    VoegValutaToe(kb_, kode, koers, basis);
    return *this;
  }
  BoekBouwer& Klasse(const std::string& letter, const std::string& naam = {}) {
    VoegKlasseToe(kb_, letter, naam);
    return *this;
  }
  // As if the accounts, groups and transactions had been read from disk.
  BoekBouwer& Gelezen() {
    MarkeerGelezen(kb_);
    return *this;
  }

  // Every transaction's Index becomes its position and the balance matrix is
  // built from the transactions; how the build went (a transaction whose
  // account or group does not exist fails it, after its report).
  Status Klaar() {
    kb_.HernummerKas();
    return BouwSaldoMatrix(kb_);
  }

 private:
  Kasboek& kb_;
};

}  // namespace valdero::test
