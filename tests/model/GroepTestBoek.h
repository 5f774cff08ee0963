#pragma once
// A small open book for the group and sort tests: scripted messages, a fixed
// clock, the euro as only currency and a few classes; helpers add accounts,
// groups and transactions at the end of their lists.

#include <memory>
#include <string>

#include "core/Kasboek.h"
#include "core/Klok.h"
#include "core/SaldoMatrix.h"
#include "core/ScriptBerichten.h"

namespace valdero::test {

struct GroepBoek {
  ScriptBerichten berichten;
  VasteKlok klok{45000};
  Kasboek kb{Poorten{&berichten, &klok, nullptr, ','}};

  GroepBoek() {
    TBank kop;
    kop.Naam = "2024";
    kb.RekLijst.push_back(kop);
    TBudget groepKop;
    groepKop.Kode = "-1";
    kb.GroepLijst.push_back(groepKop);
    TKas kasKop;
    kasKop.GroepKode = "0";
    kb.KasLijst.push_back(kasKop);
    TValut euro;
    euro.Basis = 1;
    euro.Kode = "Eur";
    euro.Naam = "Euro";
    euro.Koers = 1.0f;
    kb.ValutaLijst.push_back(euro);
    for (const char* letter : {" A ", " I ", " U ", " V "}) {
      TKlasse02 k;
      k.Letter = letter;
      k.Naam = std::string("klasse") + letter[1];
      kb.KlasseLijst.push_back(k);
    }
    kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = true;
    Tel();
  }

  void Tel() {
    kb.ZetMaxTellers();
    kb.AantalKlassen = static_cast<int>(kb.KlasseLijst.size());
    kb.AantalValuta = static_cast<int>(kb.ValutaLijst.size());
  }

  GroepBoek& Rekening(int nr, const std::string& naam) {
    TBank b;
    b.Index = static_cast<int>(kb.RekLijst.size());
    b.RekNr = nr;
    b.Naam = naam;
    b.RekNrTekst = std::to_string(nr);
    b.Soort = "BT";
    kb.RekLijst.push_back(b);
    Tel();
    return *this;
  }

  GroepBoek& Groep(const std::string& kode, const std::string& naam, double budget = 0,
                   const std::string& klasse = " U ") {
    TBudget g;
    g.Nummer = static_cast<int>(kb.GroepLijst.size());
    g.Kode = kode;
    g.Naam = naam;
    g.Budget = budget;
    g.Klasse = klasse;
    kb.GroepLijst.push_back(g);
    Tel();
    return *this;
  }

  GroepBoek& Kas(int rekNr, const std::string& kode, double bedrag) {
    TKas k;
    k.Index = static_cast<int>(kb.KasLijst.size());
    k.RekNr = rekNr;
    k.GroepKode = kode;
    k.Bedrag = bedrag;
    k.Datum = 45000;
    kb.KasLijst.push_back(k);
    Tel();
    return *this;
  }

  GroepBoek& Matrix() {
    BouwSaldoMatrix(kb);
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
