// The message dialog: results, Enter and Escape, and the size rules.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "ui/widgets/QtBerichten.h"
#include "ui/widgets/TBerichtForm.h"

using namespace valdero;

class TstBerichtForm : public QObject {
  Q_OBJECT
 private slots:
  void resultaten_data();
  void resultaten();
  void standaardEnAnnuleer();
  void opschriften();
  void langeTekstBreektOpHalfScherm();
  void korteTekstPastOpDeKnoppen();
  void helpKnopOpentOnderwerp();
  void filters();
};

// How the dialog was left, and the result it must give.
void TstBerichtForm::resultaten_data() {
  QTest::addColumn<int>("knoppen");
  QTest::addColumn<QString>("actie");  // a button name, "Escape", "Enter" or "Frame"
  QTest::addColumn<int>("resultaat");
  QTest::newRow("Ja") << knop::JaNee << "Ja" << 6;
  QTest::newRow("Nee") << knop::JaNee << "Nee" << 7;
  QTest::newRow("Escape bij Ja/Nee") << knop::JaNee << "Escape" << 7;
  QTest::newRow("Enter bij Ja/Nee") << knop::JaNee << "Enter" << 6;
  QTest::newRow("OK") << knop::OK << "OK" << 1;
  QTest::newRow("Escape bij OK") << knop::OK << "Escape" << 1;
  QTest::newRow("Escape met Schrap") << (knop::JaNee | knop::Schrap) << "Escape" << 2;
  QTest::newRow("Frame sluiten") << knop::JaNee << "Frame" << 2;
  QTest::newRow("Alle") << (knop::Alles | knop::OK) << "Alles" << 8;
  QTest::newRow("Bij") << (knop::Bij | knop::Af) << "Bij" << 6;
}

void TstBerichtForm::resultaten() {
  QFETCH(int, knoppen);
  QFETCH(QString, actie);
  QFETCH(int, resultaat);
  TBerichtForm dlg("Doorgaan?", BerichtSoort::Bevestig, knoppen, 0, "Valdero 10");
  dlg.open();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  if (actie == "Escape") {
    QTest::keyClick(&dlg, Qt::Key_Escape);
  } else if (actie == "Enter") {
    QTest::keyClick(&dlg, Qt::Key_Return);
  } else if (actie == "Frame") {
    dlg.close();
  } else {
    QPushButton* b = dlg.Knop(actie);
    QVERIFY2(b, qPrintable(actie));
    b->click();
  }
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.result(), resultaat);
}

void TstBerichtForm::standaardEnAnnuleer() {
  TBerichtForm dlg("x", BerichtSoort::Waarschuwing, knop::Ja | knop::Nee | knop::OK, 0, "T");
  QVERIFY(dlg.Knop("OK")->isDefault());
  QVERIFY(!dlg.Knop("Ja")->isDefault());
  TBerichtForm vraag("x", BerichtSoort::Bevestig, knop::JaNee, 0, "T");
  QVERIFY(vraag.Knop("Ja")->isDefault());
  QVERIFY(!vraag.Knop("Nee")->isDefault());
}

void TstBerichtForm::opschriften() {
  TBerichtForm fout("x", BerichtSoort::Fout, knop::OK, 0, "Valdero 10");
  QCOMPARE(fout.windowTitle(), QString("Fout"));
  QVERIFY(fout.findChild<QLabel*>("Image"));
  TBerichtForm titel("x", BerichtSoort::Titel, knop::JaNee | knop::AllesNee, 0, "Valdero 10");
  QCOMPARE(titel.windowTitle(), QString("Valdero 10"));
  QVERIFY2(!titel.findChild<QLabel*>("Image"), "the title kind has no icon");
  QCOMPARE(titel.Knop("Ja")->text(), QString("&Ja"));
  QCOMPARE(titel.Knop("Alles Nee")->text(), QString("N&ee voor Alle"));
  // Buttons stand left to right in bit order.
  QVERIFY(titel.Knop("Ja")->x() < titel.Knop("Nee")->x());
  QVERIFY(titel.Knop("Nee")->x() < titel.Knop("Alles Nee")->x());
  QCOMPARE(titel.Bericht()->objectName(), QString("Bericht"));
}

void TstBerichtForm::langeTekstBreektOpHalfScherm() {
  std::string lang;
  for (int i = 0; i < 80; ++i) lang += "Rekening bestaat niet ";
  TBerichtForm dlg(lang, BerichtSoort::Fout, knop::OK, 0, "T");
  const int half = QGuiApplication::primaryScreen()->availableGeometry().width() / 2;
  QVERIFY(dlg.Bericht()->width() <= half);
  QVERIFY2(dlg.Bericht()->width() > half * 3 / 4, "a long text fills the half screen width");
  QVERIFY(dlg.Bericht()->height() > 3 * dlg.fontMetrics().height());
  QVERIFY(dlg.width() < half + 200);
  // The buttons stand below the text, inside the dialog.
  QVERIFY(dlg.Knop("OK")->y() >= dlg.Bericht()->geometry().bottom());
  QVERIFY(dlg.Knop("OK")->geometry().bottom() < dlg.height());
}

void TstBerichtForm::korteTekstPastOpDeKnoppen() {
  TBerichtForm dlg("Ok?", BerichtSoort::Titel, knop::JaNee, 0, "T");
  const QPushButton* ja = dlg.Knop("Ja");
  const QPushButton* nee = dlg.Knop("Nee");
  const int rij = nee->geometry().right() - ja->x() + 1;
  // Equal margins left and right of the button row; nothing wider.
  QCOMPARE(ja->x(), dlg.width() - nee->geometry().right() - 1);
  QVERIFY(ja->x() < 4 * dlg.fontMetrics().averageCharWidth());
  QVERIFY(dlg.width() < rij + 2 * ja->x() + 1);
}

void TstBerichtForm::helpKnopOpentOnderwerp() {
  int gevraagd = -1;
  TBerichtForm dlg("x", BerichtSoort::Informatie, knop::OK | knop::Help, 257, "T", nullptr,
                   [&](int topic) { gevraagd = topic; });
  dlg.open();
  dlg.Knop("Help")->click();
  QCOMPARE(gevraagd, 257);
  QVERIFY2(dlg.isVisible(), "Help opens the topic and leaves the dialog open");
  dlg.Knop("OK")->click();
  QCOMPARE(dlg.result(), 1);
}

void TstBerichtForm::filters() {
  QCOMPARE(QtFilter("Valdero bestanden|*.vdr"), QString("Valdero bestanden (*.vdr)"));
  QCOMPARE(QtFilter("Tekst|*.txt;*.asc|Alles|*.*"), QString("Tekst (*.txt *.asc);;Alles (*.*)"));
}

QTEST_MAIN(TstBerichtForm)
#include "tst_berichtform.moc"
