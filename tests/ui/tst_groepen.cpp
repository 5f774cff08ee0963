// The group dialog, the groups manager and the sort dialog driven through
// their widgets, with a scripted message port.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>

#include "TestBoek.h"
#include "ui/groups/GroepRegelTekenaar.h"
#include "ui/groups/TBudbeheerForm.h"
#include "ui/groups/TNewBudgetDlg.h"
#include "ui/widgets/TSortDlg.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

// The groups manager with its group dialog driven by the test.
struct BediendBeheer : TBudbeheerForm {
  using TBudbeheerForm::TBudbeheerForm;
  std::function<void(TNewBudgetDlg&)> voerder;
  void BedienGroepDialoog(TNewBudgetDlg& d) override { voerder(d); }
};

struct Boek : test::BoekMetPoorten {
  Boek() : BoekMetPoorten(45000) {
    test::VoegRekeningToe(kb, 1, "Giro", "");
    Groep("1", "Saldo Giro", 0, " A ");
    Groep("201", "Auto", -500, " U ");
    Groep("410", "Loon", 900, " I ");
    Kas("201", -20);
    Kas("410", 150);
    for (const char* l : {" A ", " I ", " U "}) test::VoegKlasseToe(kb, l, "klasse");
    test::VoegValutaToe(kb, "Eur", 1, true).Naam.clear();
    test::MarkeerGelezen(kb);
  }
  void Groep(const char* kode, const char* naam, double budget, const char* klasse) {
    test::VoegGroepToe(kb, kode, naam, klasse, budget);
  }
  void Kas(const char* kode, double bedrag) { test::VoegTransactieToe(kb, 1, kode, 0, bedrag); }
  QStringList Kodes() const {
    QStringList s;
    for (const auto& g : kb.GroepLijst) s << QString::fromStdString(g.Kode);
    return s;
  }
};

template <typename T>
T* Kind(QWidget& w, const char* naam) {
  T* t = w.findChild<T*>(naam);
  if (!t) qFatal("geen %s", naam);
  return t;
}

// Types the text into whatever the step shows and presses "&Verder>".
void Stap(TNewBudgetDlg& d, const QString& tekst) {
  auto* veld = Kind<QLineEdit>(d, "BudItemEdit");
  auto* keuze = Kind<QComboBox>(d, "BudItemBox");
  if (veld->isVisible()) veld->setText(tekst);
  if (keuze->isVisible()) keuze->setEditText(tekst);
  Kind<QPushButton>(d, "VerderBtn")->click();
}

}  // namespace

class TestGroepen : public QObject {
  Q_OBJECT
 private slots:
  void dialogWalksTheStepsAndCreatesTheGroup() {
    Boek b;
    TNewBudgetDlg d(b.kb);
    d.BeginNieuw(99, "zzzz", "", " -", {3, 12});
    QCOMPARE(d.windowTitle(), QString("Nieuwe Groep"));
    QCOMPARE(Kind<QLabel>(d, "KopLabel")->text(), QString(" Invoeren van de velden van een groep"));
    QVERIFY(!Kind<QPushButton>(d, "TerugBtn")->isEnabled());
    test::Afdruk(d, "groep-stap0");
    Stap(d, "");
    QCOMPARE(Kind<QComboBox>(d, "BudItemBox")->count(), 48);
    Stap(d, "Huur");
    QVERIFY(Kind<QListWidget>(d, "GroepenLstBox")->isVisible());
    QCOMPARE(Kind<QListWidget>(d, "GroepenLstBox")->count(), 3);
    test::Afdruk(d, "groep-stap2");
    Stap(d, "41");
    QCOMPARE(d.Model()->Stap(), 2);
    QCOMPARE(b.berichten.getoond.size(), size_t(1));
    Stap(d, "430");
    QCOMPARE(Kind<QLabel>(d, "BudItemLabel")->text(), QString("Bedrag In"));
    Stap(d, "");
    Stap(d, "50");
    QCOMPARE(Kind<QPushButton>(d, "VerderBtn")->text(), QString("&Klaar"));
    test::Afdruk(d, "groep-stap5");
    Stap(d, " U klasse");
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(b.Kodes(), (QStringList{"-1", "1", "201", "410", "430"}));
    QCOMPARE(b.kb.GroepLijst[4].Budget, -600.0);
  }

  void enterStoresTheStepAndMovesTheFocusToVerder() {
    Boek b;
    TNewBudgetDlg d(b.kb);
    d.BeginNieuw(1, "zzzz", "", " -", {2, 1});
    QApplication::setActiveWindow(&d);
    Stap(d, "");
    auto* keuze = Kind<QComboBox>(d, "BudItemBox");
    keuze->setEditText("Studie");
    QTest::keyClick(keuze->lineEdit(), Qt::Key_Return);
    QCOMPARE(d.Model()->Groep().Naam, std::string("Studie"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Kind<QPushButton>(d, "VerderBtn")));
  }

  // Only keys, sent where the focus is, as a user types them: each step is
  // stored by Enter in its field and left by Enter on "&Verder>".
  void enterMovesOnAtEveryStepChoiceBoxesIncluded() {
    Boek b;
    TNewBudgetDlg d(b.kb);
    d.BeginNieuw(99, "zzzz", "", " -", {2, 1});
    QApplication::setActiveWindow(&d);
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto typ = [](const QString& tekst) {
      QWidget* f = QApplication::focusWidget();
      QVERIFY(f);
      if (auto* e = qobject_cast<QLineEdit*>(f)) e->clear();
      if (auto* c = qobject_cast<QComboBox*>(f)) c->clearEditText();
      QTest::keyClicks(f, tekst);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    auto verder = [&d] {
      QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Kind<QPushButton>(d, "VerderBtn")));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // step 0
    QCOMPARE(d.Model()->Stap(), 1);
    typ("Testgroep bij");
    verder();
    QCOMPARE(d.Model()->Stap(), 2);
    QCOMPARE(d.Model()->Groep().Naam, std::string("Testgroep bij"));
    typ("777");
    verder();
    QCOMPARE(d.Model()->Stap(), 3);
    typ("");
    verder();
    QCOMPARE(d.Model()->Stap(), 4);
    typ("10");
    verder();
    QCOMPARE(d.Model()->Stap(), 5);
    typ(" U");
    verder();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(b.kb.GroepLijst.back().Naam, std::string("Testgroep bij"));
    QCOMPARE(b.kb.GroepLijst.back().Kode, std::string("777"));
    QCOMPARE(b.kb.GroepLijst.back().Klasse, std::string(" U "));
  }

  void escapeInTheCodeListHidesIt() {
    Boek b;
    TNewBudgetDlg d(b.kb);
    d.BeginNieuw(1, "zzzz", "", " -", {2, 1});
    Stap(d, "");
    Stap(d, "Huur");
    auto* lijst = Kind<QListWidget>(d, "GroepenLstBox");
    QTest::keyClick(lijst, Qt::Key_Escape);
    QVERIFY(!lijst->isVisible());
    QVERIFY(d.isVisible());
  }

  void schrapCancelsTheNewGroup() {
    Boek b;
    TNewBudgetDlg d(b.kb);
    d.BeginNieuw(1, "777", "", " -", {2, 1});
    Stap(d, "");
    Kind<QPushButton>(d, "SchrapBtn")->click();
    QCOMPARE(d.Model()->Uitslag().kode, std::string("777"));
    QVERIFY(!d.Model()->Uitslag().gelukt);
    QCOMPARE(b.kb.MaxGroep(), 3);
  }

  void managerListsGroupsWithBalancesAndHints() {
    Boek b;
    TBudbeheerForm f(b.kb);
    f.Begin();
    f.show();
    auto* lijst = Kind<QListWidget>(f, "GroepenBox");
    QCOMPARE(lijst->count(), 3);
    QCOMPARE(lijst->item(1)->data(GroepRegelTekenaar::Saldo).toString(), QString("-20,00"));
    QVERIFY(lijst->item(1)->data(GroepRegelTekenaar::Negatief).toBool());
    QCOMPARE(f.windowTitle(), QString("Groepen Overzicht"));
    QVERIFY(!Kind<QPushButton>(f, "OverzichtBtn")->isEnabled());
    QVERIFY(!Kind<QPushButton>(f, "GrafiekBtn")->isEnabled());
    auto* titels = Kind<QComboBox>(f, "TitelBox2");
    titels->setCurrentIndex(2);
    emit titels->activated(2);
    QCOMPARE(lijst->currentRow(), 2);
    test::Afdruk(f, "groepen-overzicht");
  }

  void managerHasHeadingsShowsLongTitlesWholeAndTheTitleBoxFollows() {
    Boek b;
    b.Groep("420", "Gemeentelijke belastingen 2026 x", -300, " U ");
    TBudbeheerForm f(b.kb);
    f.Begin();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* kop = Kind<GroepKop>(f, "GroepenKop");
    QVERIFY(kop->isVisible());
    QCOMPARE(kop->Koppen(), (QStringList{"Kode", "Titel", "Klasse", "Saldo"}));
    auto* lijst = Kind<QListWidget>(f, "GroepenBox");
    auto* tekenaar = static_cast<GroepRegelTekenaar*>(lijst->itemDelegate());
    const auto k = tekenaar->Kolom();
    const QString lang = "Gemeentelijke belastingen 2026 x";
    QVERIFY2(k.klasseX - k.titelX > lijst->fontMetrics().horizontalAdvance(lang),
             "the title part holds the longest title");
    QVERIFY2(lijst->viewport()->width() >= k.eindX, "the list shows every part");
    auto* titels = Kind<QComboBox>(f, "TitelBox2");
    lijst->setCurrentRow(3);
    QCOMPARE(titels->currentText(), lang);
    lijst->setCurrentRow(1);
    QCOMPARE(titels->currentText(), QString("Auto"));
    test::Afdruk(f, "groepen-overzicht-kop");
  }

  void managerAddsAGroupThroughTheDialogSortsAndSavesOnOk() {
    Boek b;
    BediendBeheer f(b.kb);
    f.voerder = [](TNewBudgetDlg& d) {
      for (const char* s : {"", "Huur", "300", "", "10", "U"}) Stap(d, s);
    };
    f.Begin();
    Kind<QPushButton>(f, "NieuwBtn")->click();
    QCOMPARE(b.Kodes(), (QStringList{"-1", "1", "201", "300", "410"}));
    auto* lijst = Kind<QListWidget>(f, "GroepenBox");
    QCOMPARE(lijst->count(), 4);
    QCOMPARE(lijst->currentItem()->data(GroepRegelTekenaar::Kode).toString(), QString("300"));
    QVERIFY(f.Beheer().Gewijzigd());
  }

  void managerDeletesAfterConfirmation() {
    Boek b;
    TBudbeheerForm f(b.kb);
    f.Begin();
    auto* lijst = Kind<QListWidget>(f, "GroepenBox");
    lijst->setCurrentRow(0);
    Kind<QPushButton>(f, "VerwijderBtn")->click();
    QCOMPARE(b.berichten.Teksten().back(),
             std::string("Groep komt overeen met rekeningnummer\rverwijderen niet toegestaan"));
    lijst->setCurrentRow(2);
    b.berichten.Antwoord(antwoord::Ja);
    Kind<QPushButton>(f, "VerwijderBtn")->click();
    QCOMPARE(b.Kodes(), (QStringList{"-1", "1", "201"}));
    QCOMPARE(lijst->count(), 2);
  }

  void managerEditsTheSelectedGroup() {
    Boek b;
    BediendBeheer f(b.kb);
    f.ZetWeergave({1, 1});
    f.voerder = [](TNewBudgetDlg& d) {
      for (const char* s : {"", "Wagen", "201", " U "}) Stap(d, s);
    };
    f.Begin();
    Kind<QListWidget>(f, "GroepenBox")->setCurrentRow(1);
    Kind<QPushButton>(f, "BewerkBtn")->click();
    QCOMPARE(b.kb.GroepLijst[2].Naam, std::string("Wagen"));
    QCOMPARE(Kind<QComboBox>(f, "TitelBox2")->itemText(1), QString("Wagen"));
  }

  void sortDialogStoresTheChoiceAtOnceAndSortsOnOk() {
    Boek b;
    TSortDlg d(b.kb, SorteerOnderwerp::Groepen);
    QCOMPARE(d.windowTitle(), QString("Sorteren van \"Groepen"));
    QVERIFY(d.Keuze(0)->isChecked());
    d.show();
    test::Afdruk(d, "sorteren");
    d.Keuze(1)->click();
    QVERIFY(b.kb.weergave.GroepenOpNaam);
    Kind<QPushButton>(d, "OkBtn")->click();
    QCOMPARE(b.Kodes(), (QStringList{"-1", "201", "410", "1"}));
    QCOMPARE(b.berichten.Teksten().back(),
             std::string("Sorteer bij voorkeur, de rekeningen overeenkomstig"));

    TSortDlg r(b.kb, SorteerOnderwerp::Rekeningen);
    r.Keuze(1)->click();
    Kind<QPushButton>(r, "SchrapBtn")->click();
    QVERIFY(b.kb.weergave.RekeningenOpNaam);
  }
};

QTEST_MAIN(TestGroepen)
#include "tst_groepen.moc"
