// The passphrase dialog of an encrypted book: masked, any length, typed
// twice when a new one is set, and it shows why it is asked again.
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "Schermafdruk.h"
#include "ui/widgets/TWachtwoordzinDlg.h"

using namespace valdero;

namespace {

using test::Afdruk;

QPushButton* Ok(QWidget& dlg) {
  return dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

}  // namespace

class TstWachtwoordzin : public QObject {
  Q_OBJECT
 private slots:
  void openenVraagtEenKeerGemaskeerd();
  void nieuwVraagtTweeKeerGelijk();
  void annulerenGeeftNiets();
};

void TstWachtwoordzin::openenVraagtEenKeerGemaskeerd() {
  WachtwoordzinVraag vraag{"Versleuteld boek", "Wachtwoordzin van Valdr26.vdr:", false,
                           "Wachtwoordzin onjuist, of het bestand is beschadigd"};
  TWachtwoordzinDlg dlg(vraag);
  dlg.show();
  QCOMPARE(dlg.windowTitle(), QString("Versleuteld boek"));
  QCOMPARE(dlg.findChild<QLabel*>("Tekst")->text(), QString("Wachtwoordzin van Valdr26.vdr:"));
  QCOMPARE(dlg.findChild<QLabel*>("Status")->text(),
           QString("Wachtwoordzin onjuist, of het bestand is beschadigd"));
  QVERIFY(!dlg.findChild<QLineEdit*>("Nogmaals"));
  auto* zin = dlg.findChild<QLineEdit*>("Wachtwoordzin");
  QCOMPARE(zin->echoMode(), QLineEdit::Password);
  QVERIFY(!Ok(dlg)->isEnabled());
  // Long and any characters: more than the six of the password, accents too.
  const QString lang = QString::fromUtf8("Één héél lange zin; met \"tekens\" & 42 — meer dan zes");
  // Pasted: the test's key events carry Latin-1 only.
  zin->insert(lang);
  QVERIFY(Ok(dlg)->isEnabled());
  QCOMPARE(QString::fromStdString(dlg.Wachtwoordzin()), lang);
  Afdruk(dlg, "wachtwoordzin-openen");
}

void TstWachtwoordzin::nieuwVraagtTweeKeerGelijk() {
  WachtwoordzinVraag vraag{"Versleutelen", "Nieuwe wachtwoordzin voor Valdr26.vdr:", true, {}};
  TWachtwoordzinDlg dlg(vraag);
  dlg.show();
  auto* zin = dlg.findChild<QLineEdit*>("Wachtwoordzin");
  auto* nogmaals = dlg.findChild<QLineEdit*>("Nogmaals");
  QVERIFY(nogmaals);
  QCOMPARE(nogmaals->echoMode(), QLineEdit::Password);
  QTest::keyClicks(zin, "paard batterij nietje");
  QVERIFY(!Ok(dlg)->isEnabled());
  QTest::keyClicks(nogmaals, "paard batterij nietjes");
  QVERIFY(!Ok(dlg)->isEnabled());
  QCOMPARE(dlg.findChild<QLabel*>("Status")->text(), QString("De twee wachtwoordzinnen verschillen"));
  QTest::keyClick(nogmaals, Qt::Key_Backspace);
  QVERIFY(Ok(dlg)->isEnabled());
  QCOMPARE(dlg.findChild<QLabel*>("Status")->text(), QString());
  QTest::keyClick(nogmaals, Qt::Key_Backspace);
  Afdruk(dlg, "wachtwoordzin");
}

void TstWachtwoordzin::annulerenGeeftNiets() {
  WachtwoordzinVraag vraag{"Versleuteld boek", "Wachtwoordzin van Valdr26.vdr:", false, {}};
  std::optional<std::string> gegeven = std::string("x");
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dlg = qobject_cast<QDialog*>(w); dlg && dlg->isVisible()) {
        QTest::keyClicks(dlg->findChild<QLineEdit*>("Wachtwoordzin"), "iets getypt");
        dlg->reject();
      }
  });
  gegeven = TWachtwoordzinDlg::Vraag(vraag, nullptr);
  QVERIFY(!gegeven);
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dlg = qobject_cast<QDialog*>(w); dlg && dlg->isVisible()) {
        QTest::keyClicks(dlg->findChild<QLineEdit*>("Wachtwoordzin"), "goede zin hier");
        QTest::keyClick(dlg->findChild<QLineEdit*>("Wachtwoordzin"), Qt::Key_Return);
      }
  });
  gegeven = TWachtwoordzinDlg::Vraag(vraag, nullptr);
  QCOMPARE(gegeven.value_or("-"), std::string("goede zin hier"));
}

QTEST_MAIN(TstWachtwoordzin)
#include "tst_wachtwoordzin.moc"
