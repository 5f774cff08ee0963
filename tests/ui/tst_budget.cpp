// The budget window driven through its widgets: the amounts of a yearly
// budget per month, quarter and period of weeks, amounts typed into the grid
// and stored as yearly budgets, the totals panel, the class list and a new
// group through the group dialog.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "TestBoek.h"
#include "model/core/SaldoMatrix.h"
#include "ui/groups/TBudgetForm.h"
#include "ui/groups/TNewBudgetDlg.h"
#include "ui/widgets/TekstRaster.h"
#include "ui/widgets/Tnavigator.h"

using namespace valdero;

namespace {

// The budget window with its group dialog driven by the test.
struct BediendBudget : TBudgetForm {
  using TBudgetForm::TBudgetForm;
  std::function<void(TNewBudgetDlg&)> voerder;
  void BedienGroepDialoog(TNewBudgetDlg& d) override { voerder(d); }
};

struct Boek : test::BoekMetPoorten {
  Boek() : BoekMetPoorten(MaakDatum(2026, 3, 15)) {
    test::VoegValutaToe(kb, "Eur", 1, true);
    for (const char* l : {" B ", " C ", " I ", " L ", " U ", " V "}) test::VoegKlasseToe(kb, l, "klasse");
    test::VoegRekeningToe(kb, 1, "Giro");
    test::VoegGroepToe(kb, "1", "Saldo Giro", " C ", 0);
    test::VoegGroepToe(kb, "200", "Huur", " U ", -1200);
    test::VoegGroepToe(kb, "410", "Salaris", " I ", 2600);
    test::VoegGroepToe(kb, "500", "Aflossing", " L ", -520);
    test::MarkeerGelezen(kb);
    kb.sessie.KasNaam = "Huis26";
    if (!BouwSaldoMatrix(kb).Gelukt()) qFatal("het testboek heeft een onbekende groep of rekening");
  }
};

template <typename T>
T* Kind(QWidget& w, const char* naam) {
  T* t = w.findChild<T*>(naam);
  if (!t) qFatal("geen %s", naam);
  return t;
}

QLineEdit* Editor(TekstRaster* raster) {
  QLineEdit* editor = nullptr;
  for (QLineEdit* e : raster->viewport()->findChildren<QLineEdit*>())
    if (e->isVisible()) editor = e;
  return editor;
}

// Types into a cell as a user does: the first key opens the editor, which
// takes the rest; Enter stores the row.
void Typ(TekstRaster* raster, int rij, int kolom, const QString& tekst) {
  raster->setFocus();
  raster->setCurrentCell(rij - 1, kolom);
  QTest::keyClicks(raster, tekst.left(1));
  QLineEdit* editor = Editor(raster);
  QVERIFY(editor);
  QTest::keyClicks(editor, tekst.mid(1));
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
}

// The grid row of a group code (0 when absent).
int Rij(TekstRaster* raster, const char* kode) {
  for (int r = 1; r <= raster->rowCount(); ++r)
    if (raster->Tekst(r, 1) == QString(kode)) return r;
  return 0;
}

double Budget(const Boek& b, const char* kode) {
  return b.kb.GroepLijst[static_cast<std::size_t>(b.kb.ZoekGroep(kode).value())].Budget;
}

}  // namespace

class TstBudget : public QObject {
  Q_OBJECT
 private slots:
  void jaarbudgetPerMaandKwartaalEnPeriode() {
    Boek b;
    TBudgetForm f(b.kb);
    auto* raster = Kind<TekstRaster>(f, "BudgetGrid");
    struct Geval {
      int view, weken;
      const char* getoond;
    } gevallen[] = {{3, 0, "100,00"}, {4, 0, "300,00"}, {5, 4, "92,31"}};
    for (const Geval& g : gevallen) {
      QVERIFY(f.Open(g.view, g.weken, {}));
      QCOMPARE(raster->horizontalHeaderItem(4)->text(), QString("Bedrag_UIT"));
      const int r = Rij(raster, "200");
      QVERIFY(r > 0);
      QCOMPARE(raster->Tekst(r, 4), QString(g.getoond));
      QCOMPARE(raster->Tekst(r, 3), QString());
      QCOMPARE(raster->item(r - 1, 4)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
      f.close();
    }
    QCOMPARE(f.windowTitle(), QString("Begroting"));
    QCOMPARE(Kind<QLabel>(f, "BudgHead")->text(), QString(" BUDGET PERIODE-GEGEVENS  van 4 weken"));
  }

  void maandbedragTypenGeeftJaarbudget() {
    Boek b;
    TBudgetForm f(b.kb);
    QVERIFY(f.Open(3, 0, {}));
    auto* raster = Kind<TekstRaster>(f, "BudgetGrid");
    QCOMPARE(Rij(raster, "200"), 1);  // the account's group (class C) is no month class
    Typ(raster, 1, 4, "50");
    QCOMPARE(Budget(b, "200"), -600.0);
    QCOMPARE(raster->Tekst(1, 4), QString("50,00"));
  }

  void periodeVan26WekenTypenGeeftJaarbudget() {
    Boek b;
    TBudgetForm f(b.kb);
    QVERIFY(f.Open(5, 26, {}));
    auto* raster = Kind<TekstRaster>(f, "BudgetGrid");
    QCOMPARE(raster->Tekst(3, 1), QString("410"));
    Typ(raster, 3, 3, "500");
    QCOMPARE(Budget(b, "410"), 1000.0);
    QCOMPARE(raster->Tekst(3, 3), QString("500,00"));
  }

  void totalenVanEenGemengdeBegroting() {
    Boek b;
    TBudgetForm f(b.kb);
    QVERIFY(f.Open(2, 0, {}));
    // In 2600; net 2600 - 1200 - 520 = 880.
    QCOMPARE(Kind<QLineEdit>(f, "BudgTotalIn")->text(), QString("2600,00"));
    QCOMPARE(Kind<QLineEdit>(f, "BudgTotalUit")->text(), QString("1720,00"));
    QCOMPARE(Kind<QLineEdit>(f, "BudgPosSaldo")->text(), QString("880,00"));
    QVERIFY(Kind<QLineEdit>(f, "BudgPosSaldo")->isVisible());
    QVERIFY(!Kind<QLineEdit>(f, "BudgNegSaldo")->isVisible());
    // A larger rent turns the net into an expense.
    Typ(Kind<TekstRaster>(f, "BudgetGrid"), 2, 4, "3000");
    QCOMPARE(Kind<QLineEdit>(f, "BudgTotalUit")->text(), QString("3520,00"));
    QCOMPARE(Kind<QLineEdit>(f, "BudgNegSaldo")->text(), QString("920,00"));
    QVERIFY(Kind<QLineEdit>(f, "BudgNegSaldo")->isVisible());
    QVERIFY(!Kind<QLineEdit>(f, "BudgPosSaldo")->isVisible());
  }

  void groepenMetKlasseLijstEnNieuweGroep() {
    Boek b;
    BediendBudget f(b.kb);
    QVERIFY(f.Open(1, 0, {}));
    QCOMPARE(f.windowTitle(), QString("Groepen"));
    QVERIFY(!Kind<QWidget>(f, "TotalBudPanel")->isVisible());
    auto* raster = Kind<TekstRaster>(f, "BudgetGrid");
    QCOMPARE(raster->columnCount(), 4);
    emit raster->cellDoubleClicked(1, 3);
    auto* klassen = Kind<QListWidget>(f, "KlasseLstBox");
    QVERIFY(klassen->isVisible());
    QCOMPARE(klassen->currentItem()->text(), QString(" U klasse"));
    klassen->setCurrentRow(5);
    QTest::keyClick(klassen, Qt::Key_Return);
    QVERIFY(!klassen->isVisible());
    QCOMPARE(QString::fromStdString(b.kb.GroepLijst[2].Klasse), QString(" V "));

    f.voerder = [](TNewBudgetDlg& d) {
      auto* veld = d.findChild<QLineEdit*>("BudItemEdit");
      auto* keuze = d.findChild<QComboBox*>("BudItemBox");
      auto* verder = d.findChild<QPushButton*>("VerderBtn");
      for (const char* s : {"", "Vakantie", "600", " U "}) {
        if (veld->isVisible()) veld->setText(s);
        if (keuze->isVisible()) keuze->setEditText(s);
        verder->click();
      }
    };
    Kind<Tnavigator>(f, "Bnavigator")->BtnClick(nbInsert);
    QCOMPARE(raster->rowCount(), 5);
    QCOMPARE(raster->Tekst(5, 1), QString("600"));
    QCOMPARE(raster->Tekst(5, 0), QString("5"));
    QCOMPARE(raster->currentRow(), 4);
    QCOMPARE(f.Model().Veranderd(), true);

    // A title that another group has is refused in the grid.
    Typ(raster, 5, 2, "Huur");
    QCOMPARE(b.berichten.Teksten().back(), std::string("Titel :Huur is al gebruikt"));
    QCOMPARE(raster->Tekst(5, 2), QString("Vakantie"));
  }
};

QTEST_MAIN(TstBudget)
#include "tst_budget.moc"
