// The booking window on records picked in the search dialog: a change, a
// copy, deleting rows that are not adjacent, an agenda record copied into a
// real booking, and a change started from the free search.
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>

#include "BoekingVenster.h"

using namespace valdero;
using namespace valdero::test;

namespace {

// Five bookings in May on the payment and savings accounts and one planned
// payment on the agenda account.
void VulBoek(Venster& v) {
  BoekingBoek& b = v.boek;
  b.Rekening(99, "TRANSFER REKENING", "TR");
  b.Kas(1, "201", 1000, Dag(1, 5), 1, "salaris");
  b.Kas(1, "410", -20, Dag(2, 5), 1, "brood");
  b.Kas(1, "410", -35, Dag(3, 5), 1, "melk");
  b.Kas(2, "201", 50, Dag(4, 5), 1, "rente");
  b.Kas(1, "500", -80, Dag(5, 5), 1, "zaag");
  b.Kas(99, "410", -30, Dag(20, 5), 1, "verwacht");
}

// Enter in every field from the account on, keeping what each shows.
bool DoorAlleVelden(Venster& v) {
  return v.TypVelden({{veld::Rekening, ""}, {veld::Volgnr, ""}, {veld::Blad, ""}, {veld::Groep, ""},
                      {veld::Actie, ""}, {veld::Datum, ""}, {veld::TegenRek, ""},
                      {veld::Relatie, ""}, {veld::Munt, ""}});
}

QString Titel(Venster& v) { return v.Kind<QGroupBox>("BoekingPanel")->title(); }

}  // namespace

class TstBoekingFormZoeken : public QObject {
  Q_OBJECT
 private slots:
  void wijzigingGekozenInZoekvenster();
  void kopieVanGekozenRecord();
  void drieLosseRijenVerwijderd();
  void agendaRecordWordtEchteBoeking();
  void wijzigenVanuitVrijZoeken();
};

void TstBoekingFormZoeken::wijzigingGekozenInZoekvenster() {
  Venster v;
  VulBoek(v);
  QString titel;
  v.kiezer.stap = [&](TZoekDlg& d) {
    titel = d.windowTitle();
    KlikRijMet(d, "melk");
    Afdruk(d, "boeking-zoeken");
    KlikKnop(d, "OKBtn");
  };
  QVERIFY(v.form.Boeking(0));
  QCOMPARE(titel, QString("Zoek boeking om te wijzigen"));
  QCOMPARE(Titel(v), QString("W I J Z I G E N "));
  QCOMPARE(v.Kind<QLineEdit>("BoekIngIndex")->text(), QString("3"));
  QCOMPARE(v.Tekst(veld::Bedrag), QString("-35,00"));
  QCOMPARE(v.Tekst(veld::Omschrijving), QString("melk"));

  const double saldoVoor = v.boek.Saldo(1);
  QVERIFY(DoorAlleVelden(v));
  QVERIFY(v.TypVelden({{veld::Bedrag, "-45"}, {veld::Omschrijving, "melk en kaas"}}));
  QVERIFY(v.Bewaar());

  QCOMPARE(v.kb.MaxKas(), 6);
  QCOMPARE(v.boek.K(3).Bedrag, -45.0);
  QCOMPARE(v.boek.K(3).Omschrijving, std::string("melk en kaas"));
  QCOMPARE(v.boek.K(3).Datum, Dag(3, 5));
  QCOMPARE(v.boek.Saldo(1), saldoVoor - 10);
  QVERIFY(v.boek.IndexGelijkAanPositie());
  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));
}

void TstBoekingFormZoeken::kopieVanGekozenRecord() {
  Venster v;
  VulBoek(v);
  v.kiezer.stap = [](TZoekDlg& d) {
    KlikRijMet(d, "zaag");
    KlikKnop(d, "OKBtn");
  };
  QVERIFY(v.form.Boeking(4));
  QCOMPARE(Titel(v), QString("K O P I E R E N  "));
  QCOMPARE(v.Kind<QLineEdit>("BoekIngIndex")->text(), QString("7"));
  QVERIFY(v.TypVelden({{veld::Rekening, ""}, {veld::Volgnr, ""}, {veld::Blad, ""},
                       {veld::Groep, ""}, {veld::Actie, ""}, {veld::Datum, "6-5"}}));
  QVERIFY(v.TypVelden({{veld::TegenRek, ""}, {veld::Relatie, ""}, {veld::Munt, ""},
                       {veld::Bedrag, ""}, {veld::Omschrijving, "tweede zaag"}}));
  QVERIFY(v.Bewaar());

  QCOMPARE(v.kb.MaxKas(), 7);
  QCOMPARE(v.boek.K(5).Omschrijving, std::string("zaag"));
  QCOMPARE(v.boek.K(6).Omschrijving, std::string("tweede zaag"));
  QCOMPARE(v.boek.K(6).Bedrag, -80.0);
  QCOMPARE(v.boek.K(6).GroepKode, std::string("500"));
  QCOMPARE(v.boek.GroepTotaal("500"), -160.0);
  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));
}

void TstBoekingFormZoeken::drieLosseRijenVerwijderd() {
  Venster v;
  VulBoek(v);
  v.kiezer.stap = [](TZoekDlg& d) {
    KlikRijMet(d, "salaris");
    KlikRijMet(d, "melk", Qt::ControlModifier);
    KlikRijMet(d, "zaag", Qt::ControlModifier);
    KlikKnop(d, "OKBtn");
  };
  QSignalSpy blokkade(&v.form, &TBoekingForm::MenuBlokkade);
  v.boek.berichten.Antwoord(antwoord::Ja);
  QVERIFY(!v.form.Boeking(3));  // no record to show: the window stays closed
  QVERIFY(!v.form.isVisible());
  QCOMPARE(blokkade.count(), 0);
  QCOMPARE(v.boek.berichten.Teksten(),
           (std::vector<std::string>{"Weet u zeker dat u 3 record(s) wilt verwijderen ? ",
                                     "Totaal 3 Kasrecord(s) verwijderd"}));
  QCOMPARE(v.kb.MaxKas(), 3);
  QCOMPARE(v.boek.K(1).Omschrijving, std::string("brood"));
  QCOMPARE(v.boek.K(2).Omschrijving, std::string("rente"));
  QCOMPARE(v.boek.K(3).Omschrijving, std::string("verwacht"));
  QCOMPARE(v.boek.Saldo(1), -20.0);
  QVERIFY(v.boek.IndexGelijkAanPositie());
  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));
}

// "&Kopie" in the agenda's picker: the planned payment becomes a booking on
// a real account, dated today, and the plan stays.
void TstBoekingFormZoeken::agendaRecordWordtEchteBoeking() {
  Venster v;
  VulBoek(v);
  v.kiezer.stap = [](TZoekDlg& d) {
    KlikRijMet(d, "verwacht");
    KlikKnop(d, "KopieBtn");
  };
  QVERIFY(v.form.Boeking(8));
  QCOMPARE(Titel(v), QString("P R E D I C T I E"));
  QCOMPARE(v.Tekst(veld::Datum), QString("2-5-2026"));
  QVERIFY(v.Typ(veld::Rekening, "1"));
  QVERIFY(v.TypVelden({{veld::Volgnr, "7"}, {veld::Blad, ""}, {veld::Groep, ""}, {veld::Actie, ""},
                       {veld::Datum, ""}, {veld::TegenRek, ""}, {veld::Relatie, ""},
                       {veld::Munt, ""}, {veld::Bedrag, ""}, {veld::Omschrijving, "betaald"}}));
  QVERIFY(v.Bewaar());

  QCOMPARE(v.kb.MaxKas(), 7);
  const TKas& echt = v.boek.K(3);  // today, the 2nd, after the bread of statement 1
  QCOMPARE(echt.RekNr, 1);
  QCOMPARE(echt.Datum, Dag(2, 5));
  QCOMPARE(echt.Bedrag, -30.0);
  QCOMPARE(echt.Omschrijving, std::string("betaald"));
  QCOMPARE(v.boek.K(7).RekNr, 99);
  QCOMPARE(v.boek.Saldo(99), -30.0);
  // The agenda still holds a plan, so the window's menu offers it again.
  QVERIFY(v.form.PopupBoek()->isVisible());
  QAction* transfer = nullptr;
  for (QAction* a : v.form.PopupBoek()->actions())
    if (a->text() == "Open&Transfer") transfer = a;
  QVERIFY(transfer && transfer->isEnabled());
  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));
}

// The free search's "&Wijzigen": the window opens on that record, closes
// after saving and asks the search dialog to list again.
void TstBoekingFormZoeken::wijzigenVanuitVrijZoeken() {
  Venster v;
  VulBoek(v);
  QObject::connect(&v.zoek, &TZoekDlg::WijzigenGevraagd, [&](int positie) { v.form.WijzigRecord(200, positie); });
  v.zoek.ToonVrijZoeken();
  auto* raster = v.zoek.findChild<QTableView*>("StringGrid1");
  QCOMPARE(raster->model()->index(3, 6).data().toString().trimmed(), QString("rente"));
  emit raster->customContextMenuRequested(raster->visualRect(raster->model()->index(3, 0)).center());
  QMenu* menu = v.zoek.findChild<QMenu*>("PopupZoeken");
  QVERIFY(menu->isVisible());
  menu->close();
  QSignalSpy gesloten(&v.form, &TBoekingForm::Gesloten);
  for (QAction* a : menu->actions())
    if (a->text() == "&Wijzigen") a->trigger();
  QVERIFY(v.form.isVisible());
  QCOMPARE(Titel(v), QString("W I J Z I G E N "));
  QCOMPARE(v.Tekst(veld::Omschrijving), QString("rente"));
  QVERIFY(DoorAlleVelden(v));
  QVERIFY(v.TypVelden({{veld::Bedrag, "55"}, {veld::Omschrijving, ""}}));
  QVERIFY(v.Bewaar());
  QVERIFY(!v.form.isVisible());
  QCOMPARE(gesloten.count(), 1);
  QCOMPARE(v.boek.vensters.ververst, 1);
  QCOMPARE(v.boek.K(4).Bedrag, 55.0);
  QCOMPARE(v.boek.Saldo(2), 55.0);
  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));
}

QTEST_MAIN(TstBoekingFormZoeken)
#include "tst_boekingform_zoeken.moc"
