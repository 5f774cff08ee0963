#pragma once
// Small books for the main window's tests, and hooks that record what the
// main window asked of the other windows.

#include <QWidget>
#include <string>
#include <vector>

#include "TestBoek.h"
#include "ui/shell/ShellHaken.h"

namespace valdero {

struct ShellBoek : test::BoekMetPoorten {
  ShellBoek() : BoekMetPoorten(MaakDatum(2026, 12, 10) + 0.5) {
    test::VoegValutaToe(kb, "Eur", 1, true, "Euro van de Europese Unie");
  }
  void Rekening(int nr, const std::string& naam, const std::string& soort = "BA") {
    test::VoegRekeningToe(kb, nr, naam, soort);
  }
  void Groep(const std::string& kode, const std::string& naam, const std::string& klasse = " U ") {
    test::VoegGroepToe(kb, kode, naam, klasse);
  }
  void Boeking(int rekNr, const std::string& groep, double bedrag) {
    test::VoegTransactieToe(kb, rekNr, groep, MaakDatum(2026, 3, 1), bedrag);
  }
  // A book with two accounts, two groups and one transaction, all read.
  void Gewoon() {
    Rekening(1, "Betaalrekening");
    Rekening(12, "Spaarrekening", "SP");
    Groep("1", "Saldo Betaalrekening", " C ");
    Groep("300", "Levensonderhoud");
    Groep("400", "Huis algemeen");
    Boeking(1, "300", -25);
    test::MarkeerGelezen(kb);
    kb.sessie.KasNaam = "Huis26";
    kb.KasJaar = "2026";
  }
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
