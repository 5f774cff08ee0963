// The account dialog driven through its widgets: Enter stores a step, the
// buttons move, the labels follow the model, Escape cancels.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "ui/accounts/TNieuwRekenDlg.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/ScriptBerichten.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

// A book with two kinds and two currencies, one account.
struct Boek : BoekMetPoorten {
  Boek() : BoekMetPoorten(MaakDatum(2026, 3, 15)) {
    kb.RekLijst.resize(2);
    kb.RekLijst[1].RekNr = 1;
    kb.RekLijst[1].RekNrTekst = "1";
    kb.RekLijst[1].Naam = "Giro";
    kb.RekLijst[1].Soort = "BT";
    kb.GroepLijst.resize(1);
    kb.KasLijst.resize(1);
    for (const char* s : {"BT betalingen", "EF effecten", "LN leningen"}) {
      TRekSoort soort;
      soort.Naam = s;
      kb.SoortLijst.push_back(soort);
    }
    for (auto [kode, koers] : {std::pair{"Eur", 1.0f}, std::pair{"USD", 0.8f}}) {
      TValut v;
      v.Kode = kode;
      v.Koers = koers;
      kb.ValutaLijst.push_back(v);
    }
  }
};

// Hands the dialog to the test without blocking: the test drives the widgets.
struct DirecteVoerder : RekeningDialoogVoerder {
  TNieuwRekenDlg* dlg;
  std::function<void()> acties;
  void Voer(RekeningDialoog& d) override {
    dlg->Begin(d);
    acties();
    dlg->hide();
  }
};

}  // namespace

class TstNieuwRekenDlg : public QObject {
  Q_OBJECT
 private slots:
  void nieuweRekeningViaToetsenbord();
  void escapeSchrapt();
  void bewerkenToontWaarschuwing();
};

void TstNieuwRekenDlg::nieuweRekeningViaToetsenbord() {
  Boek boek;
  TNieuwRekenDlg dlg;
  DirecteVoerder voerder;
  voerder.dlg = &dlg;
  RekeningDialoog model(boek.kb, voerder);
  auto* veld = dlg.findChild<QLineEdit*>("RekItemEdit");
  auto* lijst = dlg.findChild<QComboBox*>("RekSoortBox");
  auto* kop = dlg.findChild<QLabel*>("KopLabel");
  auto* verder = dlg.findChild<QPushButton*>("NextItem");
  auto* terug = dlg.findChild<QPushButton*>("PrevItem");
  voerder.acties = [&] {
    QCOMPARE(dlg.windowTitle(), QString("Nieuwe Rekening"));
    QCOMPARE(kop->text(), QString(" Invoeren van rekeningvelden"));
    QVERIFY(!veld->isVisible());
    QVERIFY(!dlg.findChild<QLabel*>("BankLab")->isVisible());
    QTest::mouseClick(verder, Qt::LeftButton);

    test::Afdruk(dlg, "rekening-stap1");
    QCOMPARE(dlg.findChild<QLabel*>("RekItemlabel")->text(), QString("Rekening"));
    QCOMPARE(veld->text(), QString("Voorstel"));
    QVERIFY(!terug->isEnabled());
    veld->setText("Effecten ING");
    QTest::keyClick(veld, Qt::Key_Return);
    QCOMPARE(dlg.focusWidget(), static_cast<QWidget*>(verder));
    QTest::keyClick(verder, Qt::Key_Return);

    QCOMPARE(veld->text(), QString("2"));
    QVERIFY(terug->isEnabled());
    QTest::mouseClick(verder, Qt::LeftButton);

    QVERIFY(lijst->isVisible());
    QVERIFY(!veld->isVisible());
    QCOMPARE(lijst->count(), 3);
    QCOMPARE(lijst->currentText(), QString("BT betalingen"));
    test::Afdruk(dlg, "rekening-stap3");
    lijst->setCurrentIndex(1);
    QTest::mouseClick(verder, Qt::LeftButton);

    veld->setText("12.5");
    QTest::keyClick(veld, Qt::Key_Return);
    QCOMPARE(veld->text(), QString("12,50"));
    QTest::mouseClick(verder, Qt::LeftButton);

    lijst->setCurrentIndex(1);
    QTest::mouseClick(verder, Qt::LeftButton);
    QCOMPARE(verder->text(), QString("&Klaar"));
    veld->setText("2-1");
    QTest::mouseClick(verder, Qt::LeftButton);
  };
  QCOMPARE(model.NewAccount(2, "Voorstel"), 0);
  QCOMPARE(boek.kb.MaxRek(), 2);
  const TBank& rek = boek.kb.RekLijst[2];
  QCOMPARE(QString::fromStdString(rek.Naam), QString("Effecten ING"));
  QCOMPARE(QString::fromStdString(rek.Soort), QString("EF"));
  QCOMPARE(rek.Munt, 1);
  QCOMPARE(boek.kb.KasLijst[1].Datum, MaakDatum(2026, 1, 2));
  QCOMPARE(boek.kb.KasLijst[1].BoekSoort, 11);
  QCOMPARE(boek.berichten.Teksten(), std::vector<std::string>{"Decimaalteken in 12,5 gewijzigd"});
}

void TstNieuwRekenDlg::escapeSchrapt() {
  Boek boek;
  boek.kb.RekLijst.resize(1);
  TNieuwRekenDlg dlg;
  DirecteVoerder voerder;
  voerder.dlg = &dlg;
  RekeningDialoog model(boek.kb, voerder);
  voerder.acties = [&] {
    QVERIFY(dlg.findChild<QLabel*>("BankLab")->isVisible());
    test::Afdruk(dlg, "rekening-stap0");
    QTest::keyClick(&dlg, Qt::Key_Escape);
  };
  QCOMPARE(model.NewAccount(1, ""), 1);
  QCOMPARE(boek.kb.MaxRek(), 0);
}

void TstNieuwRekenDlg::bewerkenToontWaarschuwing() {
  Boek boek;
  TNieuwRekenDlg dlg;
  DirecteVoerder voerder;
  voerder.dlg = &dlg;
  RekeningDialoog model(boek.kb, voerder);
  voerder.acties = [&] {
    auto* verder = dlg.findChild<QPushButton*>("NextItem");
    QCOMPARE(dlg.windowTitle(), QString("Rekening bewerken"));
    for (int i = 0; i < 4; ++i) QTest::mouseClick(verder, Qt::LeftButton);
    QCOMPARE(dlg.findChild<QLabel*>("KopLabel")->text(), QString(" Beginsaldo van de rekening :  1"));
    QVERIFY(dlg.findChild<QLabel*>("WarningLab")->isVisible());
    test::Afdruk(dlg, "rekening-bewerken-stap4");
    QTest::mouseClick(dlg.findChild<QPushButton*>("StopKnop"), Qt::LeftButton);
  };
  QVERIFY(!model.EditAccount(1));
}

QTEST_MAIN(TstNieuwRekenDlg)
#include "tst_nieuwrekendlg.moc"
