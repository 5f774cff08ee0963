#pragma once
// Small books for the main window's tests, and openers and life-cycle
// commands that record what the main window asked of them.

#include <QWidget>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "TestBoek.h"
#include "KlaarLader.h"
#include "ui/shell/LevensloopCommandos.h"
#include "ui/shell/VensterOpeners.h"

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

// Every window there, each noting its call as "name mode keuze".
struct Opnemer : VensterOpeners {
  std::vector<std::string> oproepen;
  QWidget venster;  // stands in for every window
  SelectieAntwoord selectie{true, true, true};

  void Noteer(std::string s) { oproepen.push_back(std::move(s)); }
  bool Heeft(Venster) const override { return true; }
  void OpenRekeningen() override { Noteer("rekeningen"); }
  void OpenBudget(int m, const RapportVoorschrift& r) override {
    Noteer("budget " + std::to_string(m) + " " + std::to_string(r.periode));
  }
  bool OpenRelaties() override {
    Noteer("relaties");
    return true;
  }
  void OpenBoeking(int m) override { Noteer("boeking " + std::to_string(m)); }
  void OpenRapport(int m, int k, const RapportVoorschrift&) override {
    Noteer("overzicht " + std::to_string(m) + " " + std::to_string(k));
  }
  void OpenGrafiek(int m, int k, const RapportVoorschrift&) override {
    Noteer("grafiek " + std::to_string(m) + " " + std::to_string(k));
  }
  void OpenBtwRapport(int r, int n) override { Noteer("btw " + std::to_string(r) + " " + std::to_string(n)); }
  void Exporteer(int r) override { Noteer("export " + std::to_string(r)); }
  void OpenZoeken() override { Noteer("zoeken"); }
  SelectieAntwoord VraagSelectie(int) override { return selectie; }
  bool Importeer(int f) override {
    Noteer("import " + std::to_string(f));
    return true;
  }
  void BewaarMutatiesAls() override { Noteer("mutaties"); }
  void OpenRekeningBeheer() override { Noteer("rekeningbeheer"); }
  void OpenGroepBeheer() override { Noteer("groepbeheer"); }
  void OpenOpties(int p) override { Noteer("opties " + std::to_string(p)); }
  void OpenPersoonsdata() override { Noteer("persoonsdata"); }
  void SchrijfConfig() override {}
  QWidget* VensterVan(int nummer) const override {
    return nummer >= 1 && nummer <= 10 ? const_cast<QWidget*>(&venster) : nullptr;
  }
};

// Only the windows a test names are there; each call is noted by name.
struct EnkeleVensters : Opnemer {
  explicit EnkeleVensters(std::set<Venster> er) : aanwezig(std::move(er)) {}
  bool Heeft(Venster v) const override { return aanwezig.count(v) > 0; }
  std::set<Venster> aanwezig;
};

// New, Open, Save, Save as and the password, noted in the openers' list;
// the other life-cycle commands are not there, so the password is never
// checked unless a test says so.
struct LevensloopOpnemer : LevensloopCommandos {
  explicit LevensloopOpnemer(std::vector<std::string>& o) : oproepen(o) {}
  std::vector<std::string>& oproepen;
  std::set<Commando> aanwezig{Commando::Nieuw, Commando::Open, Commando::Bewaren, Commando::BewaarAls,
                              Commando::ZetWachtwoord};
  std::function<bool()> controle;  // the password check, when a test gives one

  bool Heeft(Commando c) const override { return aanwezig.count(c) > 0; }
  void Nieuw() override { oproepen.push_back("nieuw"); }
  void Open() override { oproepen.push_back("open"); }
  void Bewaren() override { oproepen.push_back("bewaren"); }
  void BewaarAls() override { oproepen.push_back("bewaarAls"); }
  void Herstelpunt() override {}
  void ZetWachtwoord() override { oproepen.push_back("wachtwoord"); }
  void Versleutelen() override {}
  void VersleutelingOpheffen() override {}
  bool ControleerWachtwoord() override { return controle ? controle() : true; }
  void StartDatumOk(double) override {}
};

}  // namespace valdero
