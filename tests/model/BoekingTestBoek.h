#pragma once
// A small open book for the booking tests: three accounts (payments, savings,
// securities), own groups, an income and an expense group with sub-groups, an
// investment group, the cross-posting group, the euro and the dollar at 0.8.

#include <initializer_list>
#include <string>
#include <utility>

#include "bookings/BoekingModel.h"
#include "core/Datum.h"
#include "core/Kasboek.h"
#include "core/Klok.h"
#include "core/SaldoMatrix.h"
#include "core/ScriptBerichten.h"

namespace valdero::test {

inline double Dag(int d, int m) { return MaakDatum(2026, m, d); }

struct BoekingBoek {
  ScriptBerichten berichten;
  VasteKlok klok{MaakDatum(2026, 5, 2) + 0.5};
  Kasboek kb{Poorten{&berichten, &klok, nullptr, ','}};
  VasteVensters vensters;
  int bewaringen = 0;
  BoekingModel model{kb, vensters, vensters, [this](Kasboek&) { ++bewaringen; }};

  BoekingBoek() {
    kb.KasJaar = "2026";
    kb.RekLijst.resize(1);
    kb.GroepLijst.resize(1);
    kb.GroepLijst[0].Kode = "-1";
    kb.KasLijst.resize(1);
    kb.KasLijst[0].GroepKode = "0";
    for (auto [letter, btw] : {std::pair{" I ", 0}, {" U ", 0}, {" E ", 0}, {" - ", 0}, {" B ", 2}})
      Klasse(letter, btw);
    Munt("Eur", 1.0f, true);
    Munt("USD", 0.8f, false);
    Rekening(1, "Betaal", "BT");
    Rekening(2, "Spaar", "SP");
    Rekening(3, "Effecten", "EF");
    for (const char* k : {"1", "2", "3"}) Groep(k, std::string("Saldo ") + k, " - ");
    Groep("201", "Salaris", " I ");
    Groep("410", "Boodschappen", " U ");
    Groep("410a", "Brood", " U ");
    Groep("410b", "Statiegeld", " I ");
    Groep("500", "Gereedschap", " B ");
    Groep("E01", "Aandelen", " E ");
    Groep("xxxx", "KRUISPOSTEN", " - ");
    kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = true;
    BouwSaldoMatrix(kb);
  }

  void Klasse(const std::string& letter, int btwSoort) {
    TKlasse02 k;
    k.Letter = letter;
    k.Naam = letter;
    k.BtwSoort = btwSoort;
    k.BtwPerc = btwSoort ? 21.0f : 0.0f;
    kb.KlasseLijst.push_back(k);
    kb.AantalKlassen = static_cast<int>(kb.KlasseLijst.size());
    if (btwSoort) kb.BtwActief = true;
  }
  void Munt(const std::string& kode, float koers, bool basis) {
    TValut v;
    v.Kode = kode;
    v.Naam = kode;
    v.Koers = koers;
    v.Basis = basis ? 1 : 0;
    kb.ValutaLijst.push_back(v);
    kb.AantalValuta = static_cast<int>(kb.ValutaLijst.size());
    if (basis) kb.BasisMunt = kb.HulpMunt = kb.AantalValuta - 1;
  }
  void Rekening(int nr, const std::string& naam, const std::string& soort) {
    TBank b;
    b.RekNr = nr;
    b.RekNrTekst = std::to_string(nr);
    b.Naam = naam;
    b.Soort = soort;
    kb.RekLijst.push_back(b);
    kb.ZetMaxTellers();
  }
  void Groep(const std::string& kode, const std::string& naam, const std::string& klasse) {
    TBudget g;
    g.Kode = kode;
    g.Naam = naam;
    g.Klasse = klasse;
    kb.GroepLijst.push_back(g);
    kb.ZetMaxTellers();
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
    k.Index = kb.MaxKas + 1;
    PlaatsKas(kb, k);
    BouwSaldoMatrix(kb);
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
    return kb.MaxKas == static_cast<int>(kb.KasLijst.size()) - 1;
  }
  bool Getoond(const std::string& tekst) const {
    for (const auto& b : berichten.getoond)
      if (b.tekst == tekst) return true;
    return false;
  }
};

}  // namespace valdero::test
