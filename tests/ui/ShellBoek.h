#pragma once
// Small books for the main window's tests, and hooks that record what the
// main window asked of the other windows.

#include <QWidget>
#include <string>
#include <vector>

#include "core/Kasboek.h"
#include "core/Klok.h"
#include "core/Datum.h"
#include "core/ScriptBerichten.h"
#include "shell/ShellHaken.h"

namespace valdero {

struct ShellBoek {
  ShellBoek() : klok(MaakDatum(2026, 12, 10) + 0.5), kb({&berichten, &klok, nullptr, ','}) {
    kb.RekLijst.resize(1);
    kb.GroepLijst.resize(1);
    kb.KasLijst.resize(1);
    TValut eur;
    eur.Kode = "Eur";
    eur.Naam = "Euro van de Europese Unie";
    eur.Koers = 1;
    eur.Basis = 1;
    kb.ValutaLijst.push_back(eur);
    kb.AantalValuta = 1;
  }
  void Rekening(int nr, const std::string& naam, const std::string& soort = "BA") {
    TBank r;
    r.Index = static_cast<int>(kb.RekLijst.size());
    r.RekNr = nr;
    r.RekNrTekst = std::to_string(nr);
    r.Naam = naam;
    r.Soort = soort;
    kb.RekLijst.push_back(r);
    kb.MaxRek = static_cast<int>(kb.RekLijst.size()) - 1;
  }
  void Groep(const std::string& kode, const std::string& naam, const std::string& klasse = " U ") {
    TBudget g;
    g.Nummer = static_cast<int>(kb.GroepLijst.size());
    g.Kode = kode;
    g.Naam = naam;
    g.Klasse = klasse;
    kb.GroepLijst.push_back(g);
    kb.MaxGroep = static_cast<int>(kb.GroepLijst.size()) - 1;
  }
  void Boeking(int rekNr, const std::string& groep, double bedrag) {
    TKas k;
    k.RekNr = rekNr;
    k.GroepKode = groep;
    k.Bedrag = bedrag;
    k.Datum = MaakDatum(2026, 3, 1);
    kb.KasLijst.push_back(k);
    kb.MaxKas = static_cast<int>(kb.KasLijst.size()) - 1;
    kb.HernummerKas();
  }
  // A book with two accounts, two groups and one transaction, all read.
  void Gewoon() {
    Rekening(1, "Betaalrekening");
    Rekening(12, "Spaarrekening", "SP");
    Groep("1", "Saldo Betaalrekening", " C ");
    Groep("300", "Levensonderhoud");
    Groep("400", "Huis algemeen");
    Boeking(1, "300", -25);
    kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = true;
    kb.KasNaam = "Huis26";
    kb.KasJaar = "2026";
  }

  ScriptBerichten berichten;
  VasteKlok klok;
  Kasboek kb;
};

// Hooks for every window, each noting its call as "name mode keuze".
struct Opnemer {
  std::vector<std::string> oproepen;
  QWidget venster;  // stands in for every window

  VensterHaken Haken(std::function<LaadUitkomst(Kasboek&, bool, const std::string&)> laad) {
    VensterHaken v;
    v.laadBoek = std::move(laad);
    auto noteer = [this](std::string s) { oproepen.push_back(std::move(s)); };
    v.rekeningen = [noteer] { noteer("rekeningen"); };
    v.budget = [noteer](int m, const RapportVoorschrift& r) {
      noteer("budget " + std::to_string(m) + " " + std::to_string(r.periode));
    };
    v.relaties = [noteer] { noteer("relaties"); return true; };
    v.boeking = [noteer](int m) { noteer("boeking " + std::to_string(m)); };
    v.overzicht = [noteer](int m, int k, const RapportVoorschrift&) {
      noteer("overzicht " + std::to_string(m) + " " + std::to_string(k));
    };
    v.grafiek = [noteer](int m, int k, const RapportVoorschrift&) {
      noteer("grafiek " + std::to_string(m) + " " + std::to_string(k));
    };
    v.btwOverzicht = [noteer](int r, int n) { noteer("btw " + std::to_string(r) + " " + std::to_string(n)); };
    v.exporteren = [noteer](int r) { noteer("export " + std::to_string(r)); };
    v.zoeken = [noteer] { noteer("zoeken"); };
    v.selectieDialoog = [this](int) { return selectie; };
    v.importeren = [noteer](int f) { noteer("import " + std::to_string(f)); return true; };
    v.mutatiesBewarenAls = [noteer] { noteer("mutaties"); };
    v.rekeningBeheer = [noteer] { noteer("rekeningbeheer"); };
    v.groepBeheer = [noteer] { noteer("groepbeheer"); };
    v.opties = [noteer](int p) { noteer("opties " + std::to_string(p)); };
    v.persoonsdata = [noteer] { noteer("persoonsdata"); };
    for (int n = 1; n <= 10; ++n) v.perNummer[n] = &venster;
    return v;
  }
  LevensloopHaken Levensloop() {
    LevensloopHaken l;
    auto noteer = [this](std::string s) { return [this, s] { oproepen.push_back(s); }; };
    l.nieuw = noteer("nieuw");
    l.open = noteer("open");
    l.bewaren = noteer("bewaren");
    l.bewaarAls = noteer("bewaarAls");
    l.zetWachtwoord = noteer("wachtwoord");
    return l;
  }
  SelectieAntwoord selectie{true, true, true};
};

}  // namespace valdero
