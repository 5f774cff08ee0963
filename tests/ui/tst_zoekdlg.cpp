// The search dialog driven through its widgets: choosing a field, typing,
// searching, picking one row, a copy or several rows.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>
#include <QBrush>
#include <QTableView>

#include "TestBoek.h"
#include "model/core/SaldoMatrix.h"
#include "ui/search/TZoekDlg.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

// A payment account with a few dozen records, one securities account and the
// agenda account.
struct Boek : test::BoekMetPoorten {
  int bewaard = 0;
  Boek() : BoekMetPoorten(MaakDatum(2025, 6, 30)) {
    test::VoegRekeningToe(kb, 1, "Betaalrekening", "BT");
    test::VoegRekeningToe(kb, 2, "Effecten", "EF");
    test::VoegRekeningToe(kb, 99, "TRANSFER REKENING", "TR");
    test::VoegGroepToe(kb, "201", "Salaris", " I ");
    test::VoegGroepToe(kb, "430", "Boodschappen", " U ");
    test::VoegGroepToe(kb, "900", "Aandelen", " E ");
    test::VoegValutaToe(kb, "Eur", 1, true, "Euro");
    kb.KasJaar = "2025";
    kb.StartDatum = MaakDatum(2025, 1, 1);
    test::MarkeerGelezen(kb);
    const char* relaties[] = {"Jansen Supermarkt", "Bakker de Vries", "Garage Jan", "Apotheek",
                              "Boekhandel Jansen"};
    for (int i = 0; i < 30; ++i) {
      const bool salaris = i % 10 == 0;
      Boek1(1, salaris ? "201" : "430", 1 + i * 5, salaris ? "Werkgever BV" : relaties[i % 5],
            salaris ? 2500 : -(10 + i * 3.25), salaris ? "SALARIS" : "boodschappen week " + std::to_string(i));
    }
    Boek1(2, "900", 40, "Broker", -1000, "aankoop aandelen");
    Boek1(99, "430", 60, "Agenda", -40, "verwacht");
    QVERIFY(BouwSaldoMatrix(kb).Gelukt());
  }
  void Boek1(int rek, const std::string& groep, int dag, const std::string& relatie, double bedrag,
             const std::string& opm) {
    test::VoegTransactieToe(kb, rek, groep, MaakDatum(2025, 1, 1) + dag, bedrag, opm).Relatie = relatie;
  }
};

void KlikRij(QTableView* raster, int rij, Qt::KeyboardModifiers toetsen = {}) {
  const QRect vak = raster->visualRect(raster->model()->index(rij, 0));
  QTest::mouseClick(raster->viewport(), Qt::LeftButton, toetsen, vak.center());
}

QString Cel(QTableView* raster, int rij, int kolom) {
  return raster->model()->index(rij, kolom).data().toString();
}

}  // namespace

class TstZoekDlg : public QObject {
  Q_OBJECT
 private slots:
  void vrijZoekenOpRelatieTijdensTypen();
  void nietsGevondenTotOpnieuw();
  void kiezerZoektIndexEnKiest();
  void kiezerKopieEnSchrap();
  void verwijderenKiestDrieLosseRijen();
  void popupMenuWijzigtEnVerwijdert();
  void vrijZoekenSluitMetEscapeEnMetOk();
};

// The free search closes by keyboard and by a button, and says so.
void TstZoekDlg::vrijZoekenSluitMetEscapeEnMetOk() {
  Boek boek;
  TZoekDlg dlg(boek.kb, [&](Kasboek&) { ++boek.bewaard; });
  QSignalSpy gesloten(&dlg, &TZoekDlg::Gesloten);
  dlg.ToonVrijZoeken();
  dlg.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&dlg));
  QTest::keyClick(dlg.findChild<QTableView*>("StringGrid1"), Qt::Key_Escape);
  QVERIFY(!dlg.isVisible());
  QCOMPARE(gesloten.count(), 1);
  dlg.ToonVrijZoeken();
  auto* ok = dlg.findChild<QPushButton*>("OKBtn");
  QVERIFY(ok->isVisible());
  QTest::mouseClick(ok, Qt::LeftButton);
  QVERIFY(!dlg.isVisible());
  QCOMPARE(gesloten.count(), 2);
}

void TstZoekDlg::vrijZoekenOpRelatieTijdensTypen() {
  Boek boek;
  TZoekDlg dlg(boek.kb, [&](Kasboek&) { ++boek.bewaard; });
  QSignalSpy gesloten(&dlg, &TZoekDlg::Gesloten);
  dlg.ToonVrijZoeken();
  auto* raster = dlg.findChild<QTableView*>("StringGrid1");
  auto* aantal = dlg.findChild<QLabel*>("AantalLab");
  QCOMPARE(dlg.windowTitle(), QString("Zoek kasrecord"));
  QVERIFY(!dlg.isModal());
  QCOMPARE(dlg.size(), QSize(775, 485));
  QCOMPARE(raster->model()->rowCount(), 31);
  QCOMPARE(raster->currentIndex().row(), 30);
  QCOMPARE(aantal->text(), QString("Aantal=31"));
  QVERIFY(!dlg.findChild<QLabel*>("MuntLabel")->isVisible());
  QVERIFY(!dlg.findChild<QPushButton*>("SchrapBtn")->isVisible());
  QVERIFY(!dlg.findChild<QPushButton*>("OpnieuwBtn")->isEnabled());
  QVERIFY(!dlg.findChild<QWidget*>("ZoekPanel")->isVisible());
  test::Afdruk(dlg, "zoeken-alles");

  QTest::mouseClick(dlg.findChild<QRadioButton*>("Veld5"), Qt::LeftButton);
  QCOMPARE(dlg.findChild<QGroupBox*>("VeldGroup")->title(), QString("Geef relatie     :"));
  QCOMPARE(dlg.findChild<QLabel*>("ZoekLabel")->text(), QString("Geef Trefwoord(gedeelte)"));
  auto* tekst = dlg.findChild<QLineEdit*>("ZoekEdit");
  QVERIFY(tekst->isVisible());
  QVERIFY(dlg.findChild<QPushButton*>("ZoekBtn")->isDefault());
  QTest::keyClicks(tekst, "jansen");
  QCOMPARE(raster->model()->rowCount(), 9);  // the supermarket and the bookshop
  QCOMPARE(aantal->text(), QString("Aantal = 9"));
  QCOMPARE(Cel(raster, 0, 4), QString("Boekhandel Jansen"));
  QCOMPARE(raster->model()->index(0, 5).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
  QVERIFY(raster->height() <= 227);

  dlg.findChild<QCheckBox*>("BeginText")->setChecked(true);
  QTest::mouseClick(dlg.findChild<QPushButton*>("ZoekBtn"), Qt::LeftButton);
  QCOMPARE(raster->model()->rowCount(), 3);
  QCOMPARE(Cel(raster, 2, 4), QString("Jansen Supermarkt"));

  // A double click shows the whole record; a click on it hides it again.
  auto* detail = dlg.findChild<QTableWidget*>("TransActieGrid");
  const QRect vak = raster->visualRect(raster->model()->index(1, 0));
  // An item view takes a double click only after the press that starts it.
  QTest::mousePress(raster->viewport(), Qt::LeftButton, {}, vak.center());
  QTest::mouseDClick(raster->viewport(), Qt::LeftButton, {}, vak.center());
  QVERIFY(detail->isVisible());
  QCOMPARE(detail->item(0, 1)->text(), QString("1 Betaalrekening"));
  QCOMPARE(detail->item(3, 1)->text(), QString("Jansen Supermarkt"));
  test::Afdruk(dlg, "zoeken-gevonden");
  KlikRij(detail, 2);
  QVERIFY(!detail->isVisible());

  QTest::mouseClick(dlg.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  QVERIFY(!dlg.isVisible());
  QCOMPARE(gesloten.count(), 1);
  QVERIFY(boek.berichten.getoond.empty());
}

void TstZoekDlg::nietsGevondenTotOpnieuw() {
  Boek boek;
  TZoekDlg dlg(boek.kb, [&](Kasboek&) { ++boek.bewaard; });
  dlg.ToonVrijZoeken();
  auto* raster = dlg.findChild<QTableView*>("StringGrid1");
  auto* niets = dlg.findChild<QLabel*>("NietsLabel");
  QVERIFY(!niets->isVisible());
  QTest::mouseClick(dlg.findChild<QRadioButton*>("Veld7"), Qt::LeftButton);
  QTest::keyClicks(dlg.findChild<QLineEdit*>("ZoekEdit"), "vakantie");
  QCOMPARE(raster->model()->rowCount(), 0);
  QVERIFY(niets->isVisible());
  QCOMPARE(niets->text(), QString("Niets gevonden! "));
  auto* opnieuw = dlg.findChild<QPushButton*>("OpnieuwBtn");
  QTest::mouseClick(opnieuw, Qt::LeftButton);
  QVERIFY(!niets->isVisible());
  QCOMPARE(raster->model()->rowCount(), 31);
  QCOMPARE(dlg.findChild<QLineEdit*>("ZoekEdit")->text(), QString());
  QCOMPARE(dlg.findChild<QPushButton*>("RichtingBtn")->text(), QString("Neer"));
}

void TstZoekDlg::kiezerZoektIndexEnKiest() {
  Boek boek;
  TZoekDlg dlg(boek.kb, [&](Kasboek&) { ++boek.bewaard; });
  dlg.BeginKiezer(0, "Zoek boeking om te wijzigen");
  auto* raster = dlg.findChild<QTableView*>("StringGrid1");
  QVERIFY(dlg.isModal());
  QCOMPARE(raster->model()->rowCount(), 30);  // neither securities nor the agenda
  QVERIFY(dlg.findChild<QLabel*>("MuntLabel")->isVisible());
  QCOMPARE(dlg.findChild<QLabel*>("MuntLabel")->text(), QString(" Munt = Euro"));
  QVERIFY(!dlg.findChild<QPushButton*>("KopieBtn")->isVisible());

  QTest::mouseClick(dlg.findChild<QRadioButton*>("Veld1"), Qt::LeftButton);
  auto* tekst = dlg.findChild<QLineEdit*>("ZoekEdit");
  QCOMPARE(tekst->text(), QString("32"));
  QCOMPARE(dlg.findChild<QLabel*>("ZoekLabel")->text(), QString("Kies uit : 1..32"));
  test::Afdruk(dlg, "kiezer-index");
  tekst->setText("12");
  QTest::keyClick(tekst, Qt::Key_Return);  // "Zoek" is the default button
  QCOMPARE(raster->currentIndex().row(), 11);
  QCOMPARE(dlg.findChild<QPushButton*>("RichtingBtn")->text(), QString("Op"));

  QTest::mouseClick(dlg.findChild<QRadioButton*>("Veld2"), Qt::LeftButton);
  auto* lijst = dlg.findChild<QComboBox*>("ZoekLijst");
  QVERIFY(lijst->isVisible());
  QCOMPARE(lijst->count(), 2);  // not the securities group
  lijst->setCurrentIndex(0);
  QTest::mouseClick(dlg.findChild<QPushButton*>("ZoekBtn"), Qt::LeftButton);
  QCOMPARE(Cel(raster, raster->currentIndex().row(), 1), QString("201"));
  QCOMPARE(Cel(raster, raster->currentIndex().row(), 0), QString("11"));

  QTest::mouseClick(dlg.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  QCOMPARE(dlg.result(), int(QDialog::Accepted));
  QVERIFY(dlg.Model().Resultaat().gekozen);
  QCOMPARE(dlg.Model().Resultaat().positie, 11);
  QVERIFY(boek.berichten.getoond.empty());
}

void TstZoekDlg::kiezerKopieEnSchrap() {
  Boek boek;
  TZoekDlg dlg(boek.kb, [&](Kasboek&) { ++boek.bewaard; });
  dlg.BeginKiezer(8, "Zoek boeking om te transfereren");
  auto* kopie = dlg.findChild<QPushButton*>("KopieBtn");
  QVERIFY(kopie->isVisible());
  QCOMPARE(dlg.findChild<QTableView*>("StringGrid1")->model()->rowCount(), 1);
  QTest::mouseClick(kopie, Qt::LeftButton);
  QVERIFY(dlg.Model().Resultaat().kopie);
  QCOMPARE(dlg.Model().Resultaat().positie, 32);

  dlg.BeginKiezer(0, "Zoek boeking om te wijzigen");
  KlikRij(dlg.findChild<QTableView*>("StringGrid1"), 3);
  QVERIFY(dlg.Model().Resultaat().gekozen);
  QTest::keyClick(&dlg, Qt::Key_Escape);
  QCOMPARE(dlg.result(), int(QDialog::Rejected));
  QVERIFY(!dlg.isVisible());

  // Enter on a row picks it, also while "Zoek" is the default button.
  dlg.BeginKiezer(0, "Zoek boeking om te wijzigen");
  auto* raster = dlg.findChild<QTableView*>("StringGrid1");
  QTest::mouseClick(dlg.findChild<QRadioButton*>("Veld6"), Qt::LeftButton);
  KlikRij(raster, 4);
  raster->setFocus();
  QTest::keyClick(raster, Qt::Key_Up);
  QTest::keyClick(raster, Qt::Key_Return);
  QCOMPARE(dlg.result(), int(QDialog::Accepted));
  QCOMPARE(dlg.Model().Resultaat().positie, 4);
}

void TstZoekDlg::verwijderenKiestDrieLosseRijen() {
  Boek boek;
  TZoekDlg dlg(boek.kb, [&](Kasboek&) { ++boek.bewaard; });
  dlg.BeginKiezer(3, "Zoek boeking om te verwijderen");
  auto* raster = dlg.findChild<QTableView*>("StringGrid1");
  KlikRij(raster, 9);
  KlikRij(raster, 11, Qt::ControlModifier);
  KlikRij(raster, 12, Qt::ControlModifier);
  test::Afdruk(dlg, "kiezer-drie-rijen");
  QTest::mouseClick(dlg.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  const KiesResultaat& r = dlg.Model().Resultaat();
  QVERIFY(r.gekozen);
  QCOMPARE(r.posities, (std::vector<int>{10, 12, 13}));
  QCOMPARE(r.positie, 13);
  QCOMPARE(r.extraRijen, 2);
}

void TstZoekDlg::popupMenuWijzigtEnVerwijdert() {
  Boek boek;
  TZoekDlg dlg(boek.kb, [&](Kasboek&) { ++boek.bewaard; });
  dlg.ToonVrijZoeken();
  auto* raster = dlg.findChild<QTableView*>("StringGrid1");
  auto* menu = dlg.findChild<QMenu*>("PopupZoeken");
  auto actie = [&](const char* tekst) {
    for (QAction* a : menu->actions())
      if (a->text() == QString(tekst)) return a;
    return static_cast<QAction*>(nullptr);
  };
  // The entries as the user finds them when the menu opens.
  emit menu->aboutToShow();
  QVERIFY(!actie("&Wijzigen")->isEnabled());  // nothing opens the booking window yet
  QVERIFY(!actie("Selecteer &Groep")->isEnabled());
  std::vector<int> gewijzigd;
  std::vector<std::pair<int, int>> overzichten;
  QObject::connect(&dlg, &TZoekDlg::WijzigenGevraagd, [&](int positie) { gewijzigd.push_back(positie); });
  QObject::connect(&dlg, &TZoekDlg::GroepRapportGevraagd,
                   [&](int modus, int index) { overzichten.emplace_back(modus, index); });
  emit menu->aboutToShow();
  QVERIFY(actie("&Wijzigen")->isEnabled());

  const QPoint plek = raster->visualRect(raster->model()->index(2, 0)).center();
  emit raster->customContextMenuRequested(plek);
  QVERIFY(menu->isVisible());
  menu->close();
  actie("&Wijzigen")->trigger();
  actie("Selecteer &Klasse")->trigger();
  actie("&Selecteer &Relatie")->trigger();
  QCOMPARE(gewijzigd, std::vector<int>{3});
  QCOMPARE(overzichten, (std::vector<std::pair<int, int>>{{43, 2}, {42, 3}}));

  boek.berichten.Antwoord(antwoord::Ja);
  actie("&Verwijderen")->trigger();
  QCOMPARE(boek.kb.MaxKas(), 31);
  QCOMPARE(boek.bewaard, 1);
  QCOMPARE(raster->model()->rowCount(), 30);
  QCOMPARE(boek.berichten.Teksten(),
           (std::vector<std::string>{"Weet u zeker dat u dit Record wilt verwijderen ? ",
                                     " Kasrecord(s) verwijderd"}));
}

QTEST_MAIN(TstZoekDlg)
#include "tst_zoekdlg.moc"
