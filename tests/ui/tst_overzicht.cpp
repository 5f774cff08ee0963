// The overview window and the selection dialog on a small book: every kind
// launched from the main window's "&Overzichten" menu, the selection panel
// and dialog answered with the keyboard, the period panel, paging at the
// last account, saving the report text and printing it to PDF.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include <QProcess>

#include "RapportTestBoek.h"
#include "model/example/VoorbeeldBoek.h"
#include "model/reports/RapportSoort.h"
#include "KlaarLader.h"
#include "ui/shell/Vensters.h"
#include "ui/reports/TOutputForm.h"
#include "ui/reports/TSelectieDlg.h"
#include "ui/shell/TValdero.h"
#include "ui/widgets/QtPrinter.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

struct Overzicht {
  test::RapportBoek b;
  KlaarLader lader;
  std::unique_ptr<TValdero> hoofd;
  std::unique_ptr<Vensters> vensters;
  std::unique_ptr<TSelectieDlg> dlg;
  std::unique_ptr<TOutputForm> form;

  Overzicht() {
    Kasboek& kb = b.boek.kb;
    kb.sessie.KasNaam = "Huis04";
    hoofd = std::make_unique<TValdero>(kb, lader, "");
    vensters = std::make_unique<Vensters>(*hoofd);
    dlg = std::make_unique<TSelectieDlg>(kb, b.selectie, hoofd.get());
    form = std::make_unique<TOutputForm>(kb, b.selectie, hoofd.get());
    vensters->KoppelRapport(*form, *dlg, b.selectie);
    hoofd->KoppelingenBijgewerkt();
    hoofd->show();
  }
  bool Aan(const QString& pad) const {
    QAction* a = hoofd->Actie(pad);
    return a && a->isEnabled();
  }
  template <class W>
  W* Kind(const char* naam) const {
    return hoofd->findChild<W*>(QString::fromUtf8(naam));
  }
  QPushButton* Knop(const QString& tekst) const {
    for (QPushButton* k : form->findChildren<QPushButton*>())
      if (k->text() == tekst) return k;
    return nullptr;
  }
  // Types the account or group into the main window's selection panel.
  void KiesInPaneel(const QString& tekst) {
    auto* box = Kind<QComboBox>("SelectBox1");
    QVERIFY(box && box->isVisible());
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), tekst);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  }
};

// Answers the modal selection dialog as soon as it shows: ticks the items
// of the given rows with the space bar and presses "&Ok" or "&Schrap".
void BeantwoordDialoog(std::vector<int> rijen, bool ok, std::function<void(TSelectieDlg*)> ook = {}) {
  QTimer::singleShot(0, [rijen, ok, ook] {
    auto* dlg = qobject_cast<TSelectieDlg*>(QApplication::activeModalWidget());
    QVERIFY(dlg);
    if (ook) ook(dlg);
    QListWidget* lijst = dlg->Lijst();
    for (int r : rijen) {
      lijst->setCurrentRow(r);
      QTest::keyClick(lijst, Qt::Key_Space);
    }
    for (QPushButton* k : dlg->findChildren<QPushButton*>())
      if (k->text() == (ok ? QStringLiteral("&Ok") : QStringLiteral("&Schrap"))) QTest::keyClick(k, Qt::Key_Space);
  });
}

}  // namespace

class TstOverzicht : public QObject {
  Q_OBJECT
 private slots:
  void elkeSoortVanuitHetMenu_data();
  void elkeSoortVanuitHetMenu();
  void selectieDialoog();
  void periodePaneel();
  void volgendeOpDeLaatsteRekening();
  void opslaanEnPrintenNaarPdf();
  void schermafdrukkenVanHetVoorbeeld();
};

void TstOverzicht::elkeSoortVanuitHetMenu_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<int>("soort");
  QTest::addColumn<QString>("paneel");  // typed into the selection panel
  QTest::addColumn<bool>("dialoog");
  QTest::newRow("1") << "&Overzichten|&Rekeningen" << 1 << "2" << false;
  QTest::newRow("5") << "&Overzichten|&Groepen|&Enkel" << 5 << "300" << false;
  QTest::newRow("6") << "&Overzichten|&Groepen|&Samengesteld" << 6 << "201" << false;
  QTest::newRow("10") << "&Overzichten|&Klassen" << 10 << "" << true;
  QTest::newRow("16") << "&Overzichten|Re&laties" << 16 << "" << true;
  QTest::newRow("11") << "&Overzichten|&Begroting|IN/UIT per &jaar" << 11 << "" << false;
  QTest::newRow("12") << "&Overzichten|&Begroting|IN/UIT per &maand" << 12 << "" << false;
  QTest::newRow("13") << "&Overzichten|&Begroting|IN/UIT per &kwartaal" << 13 << "" << false;
  QTest::newRow("14") << "&Overzichten|&Begroting|IN/UIT per &tijdvak" << 14 << "" << false;
  QTest::newRow("15") << "&Overzichten|&Begroting|IN/UIT &selectie" << 15 << "" << true;
  QTest::newRow("21") << "&Overzichten|Budget Ba&lans|Saldo per &jaar" << 21 << "" << false;
  QTest::newRow("22") << "&Overzichten|Budget Ba&lans|Saldo per &maand" << 22 << "" << false;
  QTest::newRow("23") << "&Overzichten|Budget Ba&lans|Saldo per &kwartaal" << 23 << "" << false;
  QTest::newRow("24") << "&Overzichten|Budget Ba&lans|Saldo per &tijdvak" << 24 << "" << false;
  QTest::newRow("25") << "&Overzichten|Budget Ba&lans|Saldo &Selectie" << 25 << "" << true;
  QTest::newRow("31") << "&Overzichten|&ValderoSaldi|&Alle rekeningen" << 31 << "" << false;
  QTest::newRow("32") << "&Overzichten|&ValderoSaldi|Rekening &Selectie" << 32 << "" << true;
}

void TstOverzicht::elkeSoortVanuitHetMenu() {
  QFETCH(QString, menu);
  QFETCH(int, soort);
  QFETCH(QString, paneel);
  QFETCH(bool, dialoog);
  Overzicht o;
  QVERIFY(o.Aan(menu));
  if (dialoog) BeantwoordDialoog({0, 1}, true);
  o.hoofd->Actie(menu)->trigger();
  if (!paneel.isEmpty()) o.KiesInPaneel(paneel);
  QVERIFY(o.form->isVisible());
  QCOMPARE(o.form->Model().Soort(), soort);
  QVERIFY(o.form->Tabel()->model()->rowCount() > 0);
  QCOMPARE(o.form->Tabel()->model()->columnCount(), o.form->Model().Tabel().Kolommen());
  QVERIFY(!o.Aan(menu));
  QVERIFY(o.hoofd->Lijst().Geregistreerd(5));
  // "&Sluit" with the keyboard frees the entry again.
  QTest::keyClick(o.Knop("&Sluit"), Qt::Key_Space);
  QVERIFY(!o.form->isVisible());
  QVERIFY(o.Aan(menu));
  QVERIFY(!o.hoofd->Lijst().Geregistreerd(5));
}

void TstOverzicht::selectieDialoog() {
  Overzicht o;
  // Nothing ticked: the message, the dialog stays; then a class and the
  // second half year.
  BeantwoordDialoog({}, true, [&o](TSelectieDlg* dlg) {
    QCOMPARE(dlg->windowTitle(), QString("Selectie van :"));
    QCOMPARE(dlg->Lijst()->count(), 3);
    QCOMPARE(dlg->Lijst()->item(2)->text(), QString("U Uitgaven"));
    QTimer::singleShot(0, [&o, dlg] {
      QCOMPARE(o.b.boek.berichten.Teksten(), std::vector<std::string>{"Kies minstens één klasse"});
      QVERIFY(dlg->isVisible());
      for (QRadioButton* r : dlg->findChildren<QRadioButton*>())
        if (r->text() == "2eHalfJr") r->setChecked(true);
      dlg->Lijst()->setCurrentRow(2);
      QTest::keyClick(dlg->Lijst(), Qt::Key_Space);
      for (QPushButton* k : dlg->findChildren<QPushButton*>())
        if (k->text() == "&Ok") QTest::keyClick(k, Qt::Key_Space);
    });
  });
  o.hoofd->Actie("&Overzichten|&Klassen")->trigger();
  QVERIFY(o.form->isVisible());
  QCOMPARE(o.b.selectie.Klassen, (std::vector<std::string>{"", "", " U "}));
  QCOMPARE(o.b.selectie.PeriodCode, 3);
  QCOMPARE(o.form->Tabel()->model()->rowCount(), 1);  // only the cake of August
  o.form->close();

  // "&Schrap": nothing opens.
  BeantwoordDialoog({0}, false);
  o.hoofd->Actie("&Overzichten|Re&laties")->trigger();
  QVERIFY(!o.form->isVisible());
  QVERIFY(o.Aan("&Overzichten|Re&laties"));

  // Relations: every name but the empty one, sorted.
  BeantwoordDialoog({0}, true, [](TSelectieDlg* dlg) {
    QStringList namen;
    for (int i = 0; i < dlg->Lijst()->count(); ++i) namen << dlg->Lijst()->item(i)->text();
    QCOMPARE(namen, (QStringList{"Bakker", "Betaalrekening", "Spaarrekening", "Supermarkt", "Werkgever"}));
  });
  o.hoofd->Actie("&Overzichten|Re&laties")->trigger();
  QCOMPARE(o.form->Tabel()->model()->rowCount(), 3);
}

void TstOverzicht::periodePaneel() {
  Overzicht o;
  BeantwoordDialoog({2}, true);
  o.hoofd->Actie("&Overzichten|&Klassen")->trigger();
  auto* begin = o.form->findChild<QLineEdit*>("beginDatum");
  auto* eind = o.form->findChild<QLineEdit*>("eindDatum");
  QVERIFY(begin->isVisible());
  QCOMPARE(begin->text(), QString("1-1-2004"));
  QApplication::setActiveWindow(o.form.get());
  QVERIFY(QTest::qWaitForWindowActive(o.form.get()));
  begin->setFocus();
  begin->selectAll();
  QTest::keyClicks(begin, "0303");
  QTest::keyClick(begin, Qt::Key_Return);
  QCOMPARE(begin->text(), QString("3-3-2004"));
  QVERIFY2(eind->hasFocus(), QApplication::focusWidget() ? qPrintable(QApplication::focusWidget()->objectName() + QApplication::focusWidget()->metaObject()->className()) : "geen");
  eind->selectAll();
  QTest::keyClicks(eind, "1-3");  // before the begin: becomes the begin
  QTest::keyClick(eind, Qt::Key_Return);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // "O&k"
  QVERIFY(!begin->isVisible());
  QCOMPARE(o.form->Model().EindTekst(), QString("3-3-2004").toStdString());
  QCOMPARE(o.form->Tabel()->model()->rowCount(), 2);
  QVERIFY(o.Knop("Tijdvak")->isVisible());
}

void TstOverzicht::volgendeOpDeLaatsteRekening() {
  Overzicht o;
  o.hoofd->Actie("&Overzichten|&Rekeningen")->trigger();
  o.KiesInPaneel("99");
  QVERIFY(o.form->isVisible());
  QCOMPARE(o.form->Model().Stand().positie, 3);
  QPushButton* volgende = o.Knop("&Volgende");
  QCOMPARE(volgende->toolTip(), QString("Toon volgende rekening"));
  QTest::keyClick(volgende, Qt::Key_Space);
  QCOMPARE(o.form->Model().Stand().positie, 3);
  QTest::keyClick(o.Knop("V&orige"), Qt::Key_Space);
  QCOMPARE(o.form->Model().Stand().positie, 2);
  QCOMPARE(o.form->Tabel()->model()->rowCount(), 4);
}

void TstOverzicht::opslaanEnPrintenNaarPdf() {
  QTemporaryDir map;
  Overzicht o;
  Kasboek& kb = o.b.boek.kb;
  kb.sessie.Map = map.path().toStdString();
  auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
  pdf->setOutputFormat(QPrinter::PdfFormat);
  pdf->setOutputFileName(map.filePath("overzicht.pdf"));
  QtPrinter printer(std::move(pdf));
  kb.poorten.printer = printer;
  o.hoofd->Actie("&Overzichten|&Rekeningen")->trigger();
  o.KiesInPaneel("1");
  QVERIFY(o.form->isVisible());

  o.b.boek.berichten.Bestand(map.filePath("rek1.txt").toStdString());
  QTest::keyClick(o.Knop("&Opslaan "), Qt::Key_Space);
  QFile tekst(map.filePath("rek1.txt"));
  QVERIFY(tekst.open(QIODevice::ReadOnly));
  const QByteArray inhoud = tekst.readAll();
  QVERIFY(inhoud.contains("|12  |201 |20-05-|Bakker          | -23,45|1203,22|boodschappen            |\r\n"));
  QCOMPARE(o.b.boek.berichten.Teksten().back(), std::string("Bewaren overzicht(en) gelukt"));

  QTest::keyClick(o.Knop("&Print"), Qt::Key_Space);
  QFile uit(map.filePath("overzicht.pdf"));
  QVERIFY(uit.exists());
  QVERIFY(uit.size() > 1000);
}

// Kinds 1, 6, 11, 21 and 31 and the selection dialog on the example year,
// as pictures for a person to look at.
void TstOverzicht::schermafdrukkenVanHetVoorbeeld() {
  test::BoekMetPoorten boek(MaakDatum(2026, 6, 15));
  Kasboek& kb = boek.kb;
  MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = 400});
  ReportSelection selectie;
  TOutputForm form(kb, selectie);
  form.resize(900, 640);
  struct Foto {
    int soort;
    const char* kode;  // account number or group code
    const char* naam;
  };
  for (const Foto& f : {Foto{1, "1", "overzicht-1-rekening"}, Foto{6, "310", "overzicht-6-samengesteld"},
                        Foto{11, "", "overzicht-11-budget"}, Foto{21, "", "overzicht-21-balans"},
                        Foto{31, "", "overzicht-31-saldi"}}) {
    BereidSelectieVoor(kb, selectie, f.soort);
    int index = 0;
    if (f.soort == 1) index = kb.ZoekRekening(1).value();
    if (f.soort == 6) index = kb.ZoekGroep(f.kode).value();
    QVERIFY(form.ShowReport(f.soort, index));
    QVERIFY(form.Tabel()->model()->rowCount() > 0);
    test::AfdrukScherm(form, f.naam);
  }
  form.close();
  TSelectieDlg dlg(kb, selectie);
  QTimer::singleShot(0, [&dlg] {
    test::AfdrukScherm(dlg, "selectiedialoog-klassen");
    dlg.reject();
  });
  QVERIFY(!dlg.RunSelection(10));
  QTimer::singleShot(0, [&dlg] {
    test::AfdrukScherm(dlg, "selectiedialoog-relaties");
    dlg.reject();
  });
  QVERIFY(!dlg.RunSelection(16));
}

QTEST_MAIN(TstOverzicht)
#include "tst_overzicht.moc"
