#pragma once
// A small open book for the group and sort tests: the euro as only currency
// and a few classes; helpers add accounts, groups and transactions at the end
// of their lists and chain.

#include <string>

#include "TestBoek.h"
#include "model/core/SaldoMatrix.h"

namespace valdero::test {

struct GroepBoek : BoekMetPoorten {
  GroepBoek() : BoekMetPoorten(45000) {
    kb.RekLijst[0].Naam = "2024";
    VoegValutaToe(kb, "Eur", 1.0f, true, "Euro");
    for (const char* letter : {" A ", " I ", " U ", " V "})
      VoegKlasseToe(kb, letter, std::string("klasse") + letter[1]);
    MarkeerGelezen(kb);
  }

  GroepBoek& Rekening(int nr, const std::string& naam) {
    VoegRekeningToe(kb, nr, naam);
    return *this;
  }
  GroepBoek& Groep(const std::string& kode, const std::string& naam, double budget = 0,
                   const std::string& klasse = " U ") {
    VoegGroepToe(kb, kode, naam, klasse, budget);
    return *this;
  }
  GroepBoek& Kas(int rekNr, const std::string& kode, double bedrag) {
    VoegTransactieToe(kb, rekNr, kode, 45000, bedrag);
    return *this;
  }
  GroepBoek& Matrix() {
    // The book above holds only known groups and accounts.
    static_cast<void>(BouwSaldoMatrix(kb));
    return *this;
  }

  std::string Kodes() const {
    std::string s;
    for (std::size_t i = 0; i < kb.GroepLijst.size(); ++i)
      s += (i ? "," : "") + kb.GroepLijst[i].Kode;
    return s;
  }
};

}  // namespace valdero::test
