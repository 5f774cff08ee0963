// The progress dialog of long work: shown only for work that lasts, modal,
// without a way to cancel or close it, the outer work's name and count, and
// gone when the work ends; a real save of a large book drives it.
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "model/core/BoekMetPoorten.h"
#include "model/core/Datum.h"
#include "model/example/VoorbeeldBoek.h"
#include "model/storage/BoekBestand.h"
#include "ui/widgets/VoortgangVenster.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

// Notes at every step whether the dialog was on screen.
struct KijkendVenster : VoortgangVenster {
  using VoortgangVenster::VoortgangVenster;
  void Stap(std::uint64_t gedaan) override {
    VoortgangVenster::Stap(gedaan);
    if (Dialoog() && Dialoog()->isVisible()) {
      ++zichtbareStappen;
      modaal = modaal || QApplication::activeModalWidget() == Dialoog();
      if (!afgedrukt) {
        test::Afdruk(*Dialoog(), "voortgang-bewaren");
        afgedrukt = true;
      }
    }
  }
  int zichtbareStappen = 0;
  bool modaal = false;
  bool afgedrukt = false;
};

}  // namespace

class TestVoortgang : public QObject {
  Q_OBJECT

 private slots:
  void LongWorkShowsAModalDialogWithoutCancelAndHidesItAtTheEnd() {
    QWidget hoofd;
    hoofd.show();
    VoortgangVenster venster(0);
    venster.ZetOuder(&hoofd);
    int voorTonen = 0;
    QObject::connect(&venster, &VoortgangVenster::VoorTonen, [&voorTonen] { ++voorTonen; });
    venster.Begin("Bewaren Valdr26.vdr", 2000);
    QProgressDialog* d = venster.Dialoog();
    QVERIFY(d);
    QVERIFY(!d->isVisible());  // nothing before the first step
    QCOMPARE(voorTonen, 0);
    venster.Stap(500);
    QVERIFY(d->isVisible());
    QCOMPARE(voorTonen, 1);  // the splash goes before the dialog shows
    QCOMPARE(d->windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), d);
    QCOMPARE(d->labelText(), QStringLiteral("Bewaren Valdr26.vdr"));
    QCOMPARE(d->value(), 250);
    QVERIFY(d->findChildren<QPushButton*>().isEmpty());
    QCOMPARE(d->parentWidget(), &hoofd);

    // Neither Escape nor the frame's close button takes it away.
    QTest::keyClick(d, Qt::Key_Escape);
    d->close();
    QVERIFY(d->isVisible());
    QVERIFY(!d->wasCanceled());

    venster.Stap(2000);
    QCOMPARE(d->value(), 1000);
    QCOMPARE(voorTonen, 1);
    QVERIFY(d->isVisible());  // the work is not over until it says so
    venster.Einde();
    QVERIFY(!d->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void ShortWorkShowsNothing() {
    VoortgangVenster venster;  // the program's minimum duration
    venster.Begin("Overzicht opbouwen", 100);
    for (int i = 0; i <= 100; ++i) venster.Stap(static_cast<std::uint64_t>(i));
    venster.Einde();
    QVERIFY(venster.Dialoog());
    QVERIFY(!venster.Dialoog()->isVisible());
  }

  void WorkInsideWorkShowsAsTheOuterWork() {
    VoortgangVenster venster(0);
    venster.Begin("Bankregels afstemmen", 10);
    venster.Stap(3);
    QProgressDialog* d = venster.Dialoog();
    QVERIFY(d && d->isVisible());
    venster.Begin("Bewaren Valdr26.vdr", 500);
    venster.Stap(499);
    QCOMPARE(d->labelText(), QStringLiteral("Bankregels afstemmen"));
    QCOMPARE(d->value(), 300);
    venster.Einde();
    QVERIFY(d->isVisible());
    venster.Stap(4);
    QCOMPARE(d->value(), 400);
    venster.Einde();
    QVERIFY(!d->isVisible());
    // A stray end changes nothing.
    venster.Einde();
    venster.Begin("Volgende", 10);
    venster.Stap(5);
    QVERIFY(d->isVisible());
    QCOMPARE(d->labelText(), QStringLiteral("Volgende"));
    venster.Einde();
  }

  void TheDialogBlocksInputToTheOtherWindows() {
    QLineEdit veld;
    veld.show();
    veld.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&veld));
    VoortgangVenster venster(0);
    venster.Begin("Exporteren jaar.txt", 100);
    venster.Stap(10);
    QVERIFY(venster.Dialoog()->isVisible());
    // A key typed into the other window, as the window system delivers it.
    QTest::keyClick(veld.windowHandle(), Qt::Key_A);
    venster.Stap(20);
    QCOMPARE(veld.text(), QString());
    venster.Einde();
    veld.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&veld));
    QTest::keyClick(veld.windowHandle(), Qt::Key_B);
    QCOMPARE(veld.text(), QStringLiteral("b"));
  }

  void ASaveOfALargeBookShowsTheDialogWhileItWrites() {
    QTemporaryDir map;
    QVERIFY(map.isValid());
    BoekMetPoorten boek(MaakDatum(2026, 6, 15));
    boek.kb.sessie.Map = map.path().toStdString();
    std::string fout;
    QVERIFY(SchrijfVoorbeeldBoek(boek.kb, {.jaar = 2026, .transacties = 20000}, fout));
    KijkendVenster venster(0);
    boek.kb.poorten.voortgang = venster;
    QVERIFY(BewaarBoek(boek.kb, false).Gelukt());
    QVERIFY(venster.zichtbareStappen > 50);
    QVERIFY(venster.modaal);
    QCOMPARE(venster.Dialoog()->labelText(), QStringLiteral("Bewaren Valdr26.vdr"));
    QVERIFY(!venster.Dialoog()->isVisible());
  }

};

QTEST_MAIN(TestVoortgang)
#include "tst_voortgang.moc"
