// The small windows of the shell: the help window by topic, the about box
// and the splash's minimum time.
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "ui/shell/TSplashForm.h"
#include "ui/shell/TVerantwoording.h"
#include "ui/widgets/HelpVenster.h"

using namespace valdero;

class TstShellVensters : public QObject {
  Q_OBJECT
 private slots:
  void helpOnderwerpen_data();
  void helpOnderwerpen();
  void helpOnbekendOnderwerpToontInhoud();
  void verantwoording();
  void helpNaastHoofdvensterEnTeSluiten();
  void splashBlijftMinstens12Seconden();
};

// Every topic number the windows ask for has a page of its own.
void TstShellVensters::helpOnderwerpen_data() {
  QTest::addColumn<int>("topic");
  for (int t : {110, 200, 211, 212, 214, 221, 222, 224, 225, 233, 235, 251, 252, 253, 254, 255, 256, 257, 259, 260,
                268, 290, 291, 300, 314, 380})
    QTest::newRow(qPrintable(QString::number(t))) << t;
}

void TstShellVensters::helpOnderwerpen() {
  QFETCH(int, topic);
  HelpVenster help;
  QCOMPARE(HelpVenster::PaginaVoor(topic), QStringLiteral("%1.html").arg(topic));
  help.Toon(topic);
  QVERIFY(help.isVisible());
  const QString tekst = help.Browser()->toPlainText();
  QVERIFY2(tekst.size() > 60, qPrintable(tekst));
  QVERIFY(tekst.contains("Inhoud"));
}

void TstShellVensters::helpOnbekendOnderwerpToontInhoud() {
  HelpVenster help;
  help.Toon(0);
  QVERIFY(help.Browser()->toPlainText().startsWith("Valdero Help"));
  QCOMPARE(HelpVenster::PaginaVoor(999), QString("inhoud.html"));
}

// Help opens beside the main window, not at the screen's corner, and closes
// by Escape or by its button.
void TstShellVensters::helpNaastHoofdvensterEnTeSluiten() {
  QWidget hoofd;
  hoofd.setGeometry(300, 200, 640, 480);
  hoofd.show();
  QVERIFY(QTest::qWaitForWindowExposed(&hoofd));
  HelpVenster help;
  help.ZetHoofdvenster(&hoofd);
  help.Toon(200);
  QVERIFY(QTest::qWaitForWindowExposed(&help));
  QCOMPARE(help.pos(), hoofd.frameGeometry().topLeft() + QPoint(220, 140));
  help.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&help));
  QTest::keyClick(help.Browser(), Qt::Key_Escape);
  QVERIFY(!help.isVisible());
  help.Toon(200);
  QTest::mouseClick(help.findChild<QPushButton*>("SluitBtn"), Qt::LeftButton);
  QVERIFY(!help.isVisible());
}

void TstShellVensters::verantwoording() {
  TVerantwoording dlg;
  QCOMPARE(dlg.windowTitle(), QString("Verantwoording"));
  QCOMPARE(dlg.findChild<QLabel*>("ProductName")->text(), QString("Valdero"));
  QCOMPARE(dlg.findChild<QLabel*>("Version")->text(), QString("Versie 10.0.1"));
  dlg.open();
  dlg.findChild<QPushButton*>("OKButton")->click();
  QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

void TstShellVensters::splashBlijftMinstens12Seconden() {
  TSplashForm splash;
  splash.show();
  QCOMPARE(splash.size(), QSize(304, 313));
  QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
  QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
  QVERIFY(!splash.MagSluiten());
  QVERIFY2(!splash.close(), "refuses to close before its timer ran");
  QVERIFY(splash.isVisible());
  QTRY_VERIFY_WITH_TIMEOUT(splash.MagSluiten(), 3000);
  QVERIFY(splash.close());
  // The picture is the bundled JPEG, decoded.
  QImage beeld(QStringLiteral(":/beeld/splash.jpg"), "JPEG");
  QVERIFY(!beeld.isNull());
}

QTEST_MAIN(TstShellVensters)
#include "tst_shellvensters.moc"
