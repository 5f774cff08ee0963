// The navigator bar: its layout, hints, keyboard, clicks and the repeat of
// "previous" and "next" under a hand-driven timer.
#include <QSignalSpy>
#include <QtTest>

#include "ui/widgets/TNavKnop.h"
#include "ui/widgets/Tnavigator.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

// A timer whose time passes only when the test says so.
struct TestTimer : NavTimer {
  int interval = 0;
  bool actief = false;
  int verstreken = 0;
  void Start(int ms) override {
    interval = ms;
    actief = true;
    verstreken = 0;
  }
  void Stop() override { actief = false; }
  bool Actief() const override { return actief; }
  int Interval() const override { return interval; }
  void Verstrijk(int ms) {
    for (int i = 0; i < ms && actief; ++i)
      if (++verstreken >= interval) {
        verstreken = 0;
        emit Afgelopen();
      }
  }
};

const std::initializer_list<TNavigateBtn> kRelatieKnoppen = {nbFirst, nbPrior, nbNext, nbLast,
                                                            nbDelete, nbEdit, nbRefresh};

QList<int> Breedtes(const Tnavigator& bar) {
  QList<int> b;
  for (int k = 0; k < Tnavigator::AantalKnoppen; ++k)
    if (bar.Zichtbaar(k)) b << bar.Knop(k)->width();
  return b;
}

}  // namespace

class TestNavigator : public QObject {
  Q_OBJECT
 private slots:
  void spreadsLeftoverPixels_data() {
    QTest::addColumn<int>("breedte");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("verwacht");
    QTest::newRow("zeven op 252") << 252 << 7 << QList<int>{36, 36, 36, 36, 36, 36, 36};
    QTest::newRow("zeven op 255") << 255 << 7 << QList<int>{36, 37, 36, 37, 36, 37, 36};
    QTest::newRow("tien op 241") << 241 << 10 << QList<int>{24, 24, 24, 24, 24, 25, 24, 24, 24, 24};
    QTest::newRow("tien op 249") << 249 << 10 << QList<int>{25, 25, 25, 25, 24, 25, 25, 25, 25, 25};
    QTest::newRow("een") << 30 << 1 << QList<int>{30};
  }
  void spreadsLeftoverPixels() {
    QFETCH(int, breedte);
    QFETCH(int, n);
    QFETCH(QList<int>, verwacht);
    const auto b = Tnavigator::KnopBreedtes(breedte, n);
    QCOMPARE(QList<int>(b.begin(), b.end()), verwacht);
  }

  void aFreeBarTrimsToWholeButtonsAndAnAlignedOneKeepsItsWidth() {
    Tnavigator vrij;
    vrij.ZetZichtbaar(kRelatieKnoppen);
    vrij.show();
    vrij.resize(252, 25);
    QCOMPARE(Breedtes(vrij), (QList<int>{36, 36, 36, 36, 36, 36, 36}));
    vrij.resize(258, 25);
    QCOMPARE(vrij.width(), 252);

    Tnavigator uitgelijnd;
    uitgelijnd.ZetUitgelijnd(true);
    uitgelijnd.ZetZichtbaar(kRelatieKnoppen);
    uitgelijnd.show();
    uitgelijnd.resize(255, 30);
    QCOMPARE(uitgelijnd.width(), 255);
    QCOMPARE(Breedtes(uitgelijnd), (QList<int>{36, 37, 36, 37, 36, 37, 36}));
    QCOMPARE(uitgelijnd.Knop(nbLast)->x(), 36 + 37 + 36);
    QCOMPARE(uitgelijnd.Knop(nbNext)->height(), 30);
    QVERIFY(uitgelijnd.Knop(nbInsert)->isHidden());
    QVERIFY(uitgelijnd.Knop(nbInsert)->x() > 255);
  }

  void aNewBarShowsAllTenButtonsSideBySide() {
    Tnavigator bar;
    bar.show();
    QCOMPARE(bar.size(), QSize(240, 25));
    QCOMPARE(bar.Knop(nbRefresh)->geometry(), QRect(9 * 24, 0, 24, 25));
  }

  void neverSmallerThanTwentyByEighteenAButton() {
    Tnavigator bar;
    bar.ZetZichtbaar({nbFirst, nbPrior, nbNext});
    bar.resize(30, 10);
    QCOMPARE(bar.size(), QSize(60, 18));
    QCOMPARE(bar.minimumSizeHint(), QSize(60, 18));
  }

  void hintsDefaultAndOverridden() {
    Tnavigator bar;
    QCOMPARE(bar.Knop(nbNext)->toolTip(), QString("Volgende record"));
    QCOMPARE(bar.Knop(nbRefresh)->toolTip(), QString("Ververs de hele lijst"));
    bar.ZetHints({"", "Vorige groep", ""});
    QCOMPARE(bar.Knop(nbFirst)->toolTip(), QString("Eerste record"));
    QCOMPARE(bar.Knop(nbPrior)->toolTip(), QString("Vorige groep"));
    QCOMPARE(bar.Knop(nbCancel)->toolTip(), QString("Schrap editing"));
    QCOMPARE(bar.Knop(nbEdit)->objectName(), QString("dbn_edit"));
  }

  void aClickFiresBeforeActionThenClickWithTheIndex() {
    Tnavigator bar;
    QStringList volgorde;
    connect(&bar, &Tnavigator::BeforeAction, [&](int k) { volgorde << QString("voor %1").arg(k); });
    connect(&bar, &Tnavigator::Click, [&](int k) { volgorde << QString("klik %1").arg(k); });
    bar.show();
    QTest::mouseClick(bar.Knop(nbDelete), Qt::LeftButton);
    QCOMPARE(volgorde, (QStringList{"voor 5", "klik 5"}));
    QCOMPARE(bar.FocusKnop(), int(nbDelete));
  }

  void keyboardMovesTheFocusMarkOverVisibleButtonsAndSpaceClicks() {
    Tnavigator bar;
    bar.ZetZichtbaar(kRelatieKnoppen);
    QSignalSpy klik(&bar, &Tnavigator::Click);
    QTest::keyClick(&bar, Qt::Key_Left);
    QCOMPARE(bar.FocusKnop(), int(nbFirst));
    for (int i = 0; i < 4; ++i) QTest::keyClick(&bar, Qt::Key_Right);
    QCOMPARE(bar.FocusKnop(), int(nbDelete));  // nbInsert is hidden
    for (int i = 0; i < 5; ++i) QTest::keyClick(&bar, Qt::Key_Right);
    QCOMPARE(bar.FocusKnop(), int(nbRefresh));
    QTest::keyClick(&bar, Qt::Key_Left);
    QCOMPARE(bar.FocusKnop(), int(nbEdit));
    bar.show();
    QApplication::setActiveWindow(&bar);
    bar.setFocus();
    test::Afdruk(bar, "navigator-focus");
    QTest::keyClick(&bar, Qt::Key_Space);
    QCOMPARE(klik.count(), 1);
    QCOMPARE(klik.at(0).at(0).toInt(), int(nbEdit));
  }

  void disablingTheBarDisablesEveryButton() {
    Tnavigator bar;
    bar.show();
    test::Afdruk(bar, "navigator");
    bar.setEnabled(false);
    test::Afdruk(bar, "navigator-uit");
    for (int k = 0; k < Tnavigator::AantalKnoppen; ++k) QVERIFY(!bar.Knop(k)->isEnabled());
    bar.setEnabled(true);
    QVERIFY(bar.Knop(nbPost)->isEnabled());
  }

  void holdingNextRepeatsAfter400AndThenEvery100Milliseconds() {
    Tnavigator bar;
    auto* timer = new TestTimer;
    bar.ZetTimer(std::unique_ptr<NavTimer>(timer));
    bar.show();
    QSignalSpy klik(&bar, &Tnavigator::Click);
    QTest::mousePress(bar.Knop(nbNext), Qt::LeftButton);
    QVERIFY(timer->actief);
    QCOMPARE(timer->interval, 400);
    timer->Verstrijk(399);
    QCOMPARE(klik.count(), 0);
    timer->Verstrijk(1);
    QCOMPARE(klik.count(), 1);
    QCOMPARE(timer->interval, 100);
    timer->Verstrijk(99);
    QCOMPARE(klik.count(), 1);
    timer->Verstrijk(201);
    QCOMPARE(klik.count(), 4);
    QTest::mouseRelease(bar.Knop(nbNext), Qt::LeftButton);
    QVERIFY(!timer->actief);
    QCOMPARE(klik.count(), 5);  // the release is a click of its own
    timer->Verstrijk(1000);
    QCOMPARE(klik.count(), 5);
    for (const auto& k : klik) QCOMPARE(k.at(0).toInt(), int(nbNext));
  }

  void onlyPriorAndNextRepeat() {
    Tnavigator bar;
    auto* timer = new TestTimer;
    bar.ZetTimer(std::unique_ptr<NavTimer>(timer));
    bar.show();
    QTest::mousePress(bar.Knop(nbLast), Qt::LeftButton);
    QVERIFY(!timer->actief);
    QTest::mouseRelease(bar.Knop(nbLast), Qt::LeftButton);
    QTest::mousePress(bar.Knop(nbPrior), Qt::LeftButton);
    QVERIFY(timer->actief);
    QTest::mouseRelease(bar.Knop(nbPrior), Qt::LeftButton);
  }
};

QTEST_MAIN(TestNavigator)
#include "tst_navigator.moc"
