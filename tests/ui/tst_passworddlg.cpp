// The password dialog shows what the model prepares and gives back the text.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/settings/TPasswordDlg.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

}  // namespace

class TstPasswordDlg : public QObject {
  Q_OBJECT
 private slots:
  void controleScherm();
  void stopScherm();
  void zetSchermMetSchrap();
};

void TstPasswordDlg::controleScherm() {
  TPasswordDlg dlg;
  dlg.Zet(BereidWachtwoordScherm(WachtwoordModus::Controle));
  dlg.show();
  QCOMPARE(dlg.windowTitle(), QString("  VALDERO - W A C H T W O O R D "));
  QCOMPARE(dlg.findChild<QLabel*>("PassLabel")->text(), QString("Geef Wachtwoord(6 tekens)"));
  QCOMPARE(dlg.findChild<QLabel*>("PassPanel")->text(), QString("Sluit invoer af met <Enter>"));
  QVERIFY(!dlg.findChild<QPushButton*>("CancelBtn")->isVisible());
  auto* invoer = dlg.findChild<QLineEdit*>("PassEdit");
  QCOMPARE(invoer->echoMode(), QLineEdit::Password);
  QTest::keyClicks(invoer, "Geheim7");
  test::Afdruk(dlg, "wachtwoord-controle");
  QTest::keyClick(invoer, Qt::Key_Return);
  QCOMPARE(dlg.result(), 1);
  WachtwoordScherm s;
  dlg.Lees(s);
  QCOMPARE(QString::fromStdString(s.Invoer), QString("Geheim"));  // six at most
}

void TstPasswordDlg::stopScherm() {
  TPasswordDlg dlg;
  WachtwoordScherm s = BereidWachtwoordScherm(WachtwoordModus::Controle);
  s.InvoerZichtbaar = false;
  s.LabelZichtbaar = false;
  s.Status = " FOUT STOP! Geen toegang, By  By...";
  dlg.Zet(s);
  dlg.show();
  QVERIFY(!dlg.findChild<QLineEdit*>("PassEdit")->isVisible());
  QVERIFY(!dlg.findChild<QLabel*>("PassLabel")->isVisible());
  test::Afdruk(dlg, "wachtwoord-stop");
}

void TstPasswordDlg::zetSchermMetSchrap() {
  TPasswordDlg dlg;
  dlg.Zet(BereidWachtwoordScherm(WachtwoordModus::Zet));
  dlg.show();
  QCOMPARE(dlg.findChild<QLabel*>("PassLabel")->text(), QString("Zet wachtwoord (6 tekens)"));
  auto* schrap = dlg.findChild<QPushButton*>("CancelBtn");
  QVERIFY(schrap->isVisible());
  test::Afdruk(dlg, "wachtwoord-zet");
  QTest::mouseClick(schrap, Qt::LeftButton);
  QCOMPARE(dlg.result(), 2);
}

QTEST_MAIN(TstPasswordDlg)
#include "tst_passworddlg.moc"
