// A user at the keyboard: the main window's menus by their accelerators open
// the accounts window and the budget window, the grids are typed in, "&OK"
// by its accelerator writes the book, and the file read back holds what was
// typed. No mouse anywhere.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "TestBoek.h"
#include "model/core/SaldoMatrix.h"
#include "model/storage/BoekBestand.h"
#include "KlaarLader.h"
#include "ui/shell/Vensters.h"
#include "ui/accounts/TNieuwRekenDlg.h"
#include "ui/accounts/TRekbeheerForm.h"
#include "ui/accounts/TRekenForm.h"
#include "ui/groups/TBudgetForm.h"
#include "ui/shell/TValdero.h"
#include "ui/widgets/TekstRaster.h"

using namespace valdero;

namespace {

// A book in its own folder with two accounts, their groups and a budget,
// written once so that saving goes to the same file without a question.
struct Boek : test::BoekInMap {
  Boek() {
    for (const char* s : {"BT betalingen", "SP sparen "}) test::VoegSoortToe(kb, s);
    test::VoegValutaToe(kb, "Eur", 1, true);
    for (const char* l : {" C ", " I ", " R ", " U "}) test::VoegKlasseToe(kb, l, "klasse");
    test::VoegRekeningToe(kb, 1, "Giro");
    test::VoegRekeningToe(kb, 2, "Spaar", "SP");
    test::VoegGroepToe(kb, "1", "Saldo Giro", " C ");
    test::VoegGroepToe(kb, "2", "Saldo Spaar", " R ");
    test::VoegGroepToe(kb, "300", "Huishouden", " U ", -2400);
    test::VoegTransactieToe(kb, 1, "300", MaakDatum(2008, 2, 1), -40);
    QVERIFY(BouwSaldoMatrix(kb).Gelukt());
    const auto inhoud = SchrijfBoek(kb);
    test::SchrijfBytes(BoekPad(), inhoud);
  }

  // The book as the file now holds it.
  std::unique_ptr<test::BoekMetPoorten> TeruggelezenBoek() const {
    auto terug = std::make_unique<test::BoekMetPoorten>(MaakDatum(2008, 3, 5));
    const auto bytes = test::LeesBytes(BoekPad());
    if (!LeesBoek(terug->kb, bytes).Gelukt()) QTest::qFail("book not read", __FILE__, __LINE__);
    return terug;
  }
};

// The open pop-up menu, else the widget with the focus, receives the key.
void Toets(int toets, Qt::KeyboardModifiers mod = Qt::NoModifier) {
  QWidget* doel = QApplication::activePopupWidget();
  if (!doel) doel = QApplication::focusWidget();
  if (!doel) doel = QApplication::activeWindow();
  QVERIFY(doel);
  QTest::keyClick(doel, static_cast<Qt::Key>(toets), mod);
  QCoreApplication::processEvents();
}

void Menu(std::initializer_list<int> toetsen) {
  bool eerste = true;
  for (int t : toetsen) {
    Toets(t, eerste ? Qt::AltModifier : Qt::NoModifier);
    eerste = false;

  }
}

// Types into the cell that has the focus: the first key opens its editor,
// which takes the rest; Enter stores.
void Typ(TekstRaster* raster, const QString& tekst) {
  QTest::keyClicks(raster, tekst.left(1));
  QLineEdit* editor = nullptr;
  for (QLineEdit* e : raster->viewport()->findChildren<QLineEdit*>())
    if (e->isVisible()) editor = e;
  QVERIFY(editor);
  QTest::keyClicks(editor, tekst.mid(1));
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
}

bool Geopend(QWidget& w) {
  return QTest::qWaitFor([&w] { return w.isVisible() && QApplication::activeWindow() == &w; }, 2000);
}

}  // namespace

class TstRekeningenGebruiker : public QObject {
  Q_OBJECT
 private slots:
  void rekeningEnBegrotingMetAlleenHetToetsenbord();
};

void TstRekeningenGebruiker::rekeningEnBegrotingMetAlleenHetToetsenbord() {
  Boek boek;
  KlaarLader lader;
  TValdero hoofd(boek.kb, lader, "");
  Vensters vensters(hoofd);
  TNieuwRekenDlg rekeningDlg(&hoofd);
  TBudgetForm budget(boek.kb, &hoofd);
  TRekbeheerForm beheer(boek.kb, rekeningDlg, &hoofd);
  TRekenForm rekeningen(boek.kb, rekeningDlg, &hoofd);
  vensters.KoppelRekeningEnBudget(rekeningen, beheer, budget);
  hoofd.KoppelingenBijgewerkt();
  hoofd.show();
  hoofd.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&hoofd));

  // "&Bestand" › "Open &Rekening".
  Menu({Qt::Key_B, Qt::Key_R});
  QVERIFY(Geopend(rekeningen));
  QVERIFY(hoofd.Lijst().Geregistreerd(1));
  QVERIFY(!hoofd.Actie("&Bestand|Open &Rekening")->isEnabled());
  auto* raster = rekeningen.findChild<TekstRaster*>("RekenGrid");
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(raster));

  // Row 2, the name: a new name; then Enter to the kind, "bt", Enter twice.
  Toets(Qt::Key_Down);
  Toets(Qt::Key_Return);
  QCOMPARE(raster->currentColumn(), 2);
  Typ(raster, "Spaarrekening ING");
  Toets(Qt::Key_Return);
  QCOMPARE(raster->currentColumn(), 3);
  Typ(raster, "bt");
  Toets(Qt::Key_Return);
  QCOMPARE(raster->Tekst(2, 3), QString("BT"));

  // "&OK" writes the book and closes the window, which leaves the list.
  Toets(Qt::Key_O, Qt::AltModifier);
  QTRY_VERIFY(!rekeningen.isVisible());
  QVERIFY(!hoofd.Lijst().Geregistreerd(1));
  QVERIFY(hoofd.Actie("&Bestand|Open &Rekening")->isEnabled());
  {
    const auto terug = boek.TeruggelezenBoek();
    QCOMPARE(QString::fromStdString(terug->kb.RekLijst[2].Naam), QString("Spaarrekening ING"));
    QCOMPARE(QString::fromStdString(terug->kb.RekLijst[2].Soort), QString("BT"));
  }

  // "&Bestand" › "Open &Budget" (B within the menu: "&Bewaren" is off
  // without a life-cycle hook) › "Begroting  per &Maand".
  hoofd.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&hoofd));
  Menu({Qt::Key_B, Qt::Key_B, Qt::Key_M});
  QVERIFY(Geopend(budget));
  QCOMPARE(budget.windowTitle(), QString("Begroting"));
  QVERIFY(hoofd.Lijst().Geregistreerd(3));
  auto* grid = budget.findChild<TekstRaster*>("BudgetGrid");
  QCOMPARE(grid->Tekst(1, 1), QString("300"));
  QCOMPARE(grid->Tekst(1, 4), QString("200,00"));
  // Enter to the expense column, 250 a month.
  for (int i = 0; i < 3; ++i) Toets(Qt::Key_Return);
  QCOMPARE(grid->currentColumn(), 4);
  Typ(grid, "250");
  QCOMPARE(grid->Tekst(1, 4), QString("250,00"));
  Toets(Qt::Key_O, Qt::AltModifier);
  QTRY_VERIFY(!budget.isVisible());
  QVERIFY(!hoofd.Lijst().Geregistreerd(3));

  const auto terug = boek.TeruggelezenBoek();
  QCOMPARE(terug->kb.GroepLijst[static_cast<std::size_t>(terug->kb.ZoekGroep("300").value())].Budget, -3000.0);
  QCOMPARE(QString::fromStdString(terug->kb.RekLijst[2].Naam), QString("Spaarrekening ING"));
}

QTEST_MAIN(TstRekeningenGebruiker)
#include "tst_rekeningen_gebruiker.moc"
