// The booking window typed into field by field with Enter, as a user does:
// ordinary bookings in a foreign display currency, the grid views, the
// panel's buttons and closing.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include "BoekingVenster.h"

using namespace valdero;
using namespace valdero::test;

class TstBoekingForm : public QObject {
  Q_OBJECT
 private slots:
  void bijEnAfInVreemdeMunt();
};

// The display currency is the dollar (1.25 euro, exact in single precision):
// amounts are typed and shown in dollars and stored in euros.
void TstBoekingForm::bijEnAfInVreemdeMunt() {
  Venster v;
  v.kb.ValutaLijst[1].Koers = 1.25f;
  v.kb.HulpMunt = 1;
  QSignalSpy blokkade(&v.form, &TBoekingForm::MenuBlokkade);
  QVERIFY(v.form.Boeking(1));
  QVERIFY(v.form.isVisible());
  QCOMPARE(blokkade.count(), 1);
  QCOMPARE(blokkade[0][0].toBool(), false);  // "&Transacties"
  QCOMPARE(blokkade[0][1].toBool(), true);
  QCOMPARE(v.form.windowTitle(), QString("Boekingen"));
  QCOMPARE(v.Kind<QGroupBox>("BoekingPanel")->title(), QString("B I J B O E K E N"));
  QCOMPARE(v.Tekst(veld::Munt), QString("USD"));
  QVERIFY(!v.Kind<QPushButton>("BewaarKnop")->isEnabled());
  QVERIFY(v.Kind<QPushButton>("SluitKnop")->isEnabled());

  QVERIFY(v.Typ(veld::Rekening, "2"));
  QVERIFY(!v.Kind<QPushButton>("SluitKnop")->isEnabled());
  QVERIFY(v.Typ(veld::Volgnr, "12"));
  QVERIFY(v.Typ(veld::Blad, "5"));
  QVERIFY(v.Typ(veld::Groep, "201"));
  QCOMPARE(v.Kind<QLabel>("KlasseText")->text(), QString(" I "));
  QVERIFY(v.Typ(veld::Actie, "BY"));
  QVERIFY(v.Typ(veld::Datum, "3-5"));
  QCOMPARE(v.Tekst(veld::Datum), QString("3-5-2026"));
  QVERIFY(v.Typ(veld::TegenRek, "NL12AB"));
  QVERIFY(v.Typ(veld::Relatie, "Werkgever BV"));
  QVERIFY(v.Typ(veld::Munt, ""));
  QVERIFY(v.form.Veld(veld::Koers)->isVisible());  // not the base currency
  QVERIFY(v.Typ(veld::Koers, ""));
  QVERIFY(v.Typ(veld::Bedrag, "100"));
  auto* bedrag = static_cast<QComboBox*>(v.form.Veld(veld::Bedrag));
  QVERIFY(bedrag->lineEdit()->styleSheet().contains("green"));
  QVERIFY(v.Typ(veld::Omschrijving, "Loon mei"));
  QVERIFY(v.Kind<QPushButton>("BewaarKnop")->isEnabled());
  QVERIFY(v.Bewaar());

  QCOMPARE(v.kb.MaxKas, 1);
  const TKas& bij = v.boek.K(1);
  QCOMPARE(bij.RekNr, 2);
  QCOMPARE(bij.VolgBlad, 12 * 64 + 5);
  QCOMPARE(bij.GroepKode, std::string("201"));
  QCOMPARE(bij.ActieKode, std::string("BY"));
  QCOMPARE(bij.Datum, Dag(3, 5));
  QCOMPARE(bij.TegenRekNr, std::string("12"));
  QCOMPARE(bij.Relatie, std::string("Werkgever BV"));
  QCOMPARE(bij.Munt, 1);
  QCOMPARE(bij.Bedrag, 125.0);
  QCOMPARE(bij.Omschrijving, std::string("Loon mei"));
  QCOMPARE(bij.BoekSoort, 1);
  QVERIFY(!v.Kind<QGroupBox>("BoekingPanel")->isVisible());
  QVERIFY(v.form.PopupBoek()->isVisible());

  // The menu starts the debit in the same window; the account, statement and
  // date of the previous booking come back.
  QVERIFY(v.KiesMenu("&Afboeken"));
  QCOMPARE(v.Kind<QGroupBox>("BoekingPanel")->title(), QString("A F B O E K E N  "));
  QCOMPARE(v.Tekst(veld::Volgnr), QString("12"));
  QVERIFY(v.Typ(veld::Rekening, ""));
  QVERIFY(v.Typ(veld::Volgnr, ""));
  QVERIFY(v.Typ(veld::Blad, ""));
  QVERIFY(v.Typ(veld::Groep, "410"));
  QVERIFY(v.Typ(veld::Actie, ""));
  QVERIFY(v.Typ(veld::Datum, "4-5"));
  QVERIFY(v.Typ(veld::TegenRek, ""));
  QVERIFY(v.Typ(veld::Relatie, "Bakker"));
  QVERIFY(v.Typ(veld::Munt, "USD"));
  QVERIFY(v.Typ(veld::Koers, ""));
  QVERIFY(v.Typ(veld::Bedrag, "50"));
  QVERIFY(bedrag->lineEdit()->styleSheet().contains("red"));
  QCOMPARE(v.Kind<QLineEdit>("SaldoEdit")->text(), QString("50,00"));
  QVERIFY(v.Typ(veld::Omschrijving, "brood"));
  QVERIFY(v.Bewaar());

  QCOMPARE(v.kb.MaxKas, 2);
  QCOMPARE(v.boek.K(2).Bedrag, -62.5);
  QCOMPARE(v.boek.K(2).GroepKode, std::string("410"));
  QCOMPARE(v.boek.Saldo(2), 62.5);
  QCOMPARE(v.boek.GroepTotaal("410"), -62.5);

  // The grid stays hidden until asked for; the first click shows all
  // balances, the second the account.
  auto* raster = v.Kind<QTableWidget>("RekenSaldogrid");
  auto* kasRek = v.Kind<QPushButton>("KasRekKnop");
  QVERIFY(!raster->isVisible());
  QCOMPARE(kasRek->text(), QString("ValDero"));
  QTest::mouseClick(kasRek, Qt::LeftButton);
  QVERIFY(raster->isVisible());
  QCOMPARE(kasRek->text(), QString("Rekening"));
  QCOMPARE(v.Kind<QLabel>("RekenLab")->text(), QString("ValDero Rekeningen Saldi             Jaar: 2026"));
  QCOMPARE(raster->columnCount(), 5);
  QCOMPARE(raster->rowCount(), 3);
  QCOMPARE(raster->item(1, 1)->text(), QString("Spaar"));
  QCOMPARE(raster->item(1, 4)->text(), QString("50,00"));
  QCOMPARE(raster->currentRow(), 1);
  Afdruk(v.form, "boeking-saldi");

  // The account in dollars: the credit green under "Bij", the debit red
  // under " Af" with one minus sign, and the closing row.
  QTest::mouseClick(kasRek, Qt::LeftButton);
  QCOMPARE(kasRek->text(), QString("ValDero"));
  QCOMPARE(v.Kind<QLabel>("RekenLab")->text(), QString("Nummer :2 Rekening : Spaar  Jaar: 2026"));
  QCOMPARE(raster->rowCount(), 3);
  QCOMPARE(raster->horizontalHeaderItem(5)->text(), QString(" Af"));
  QCOMPARE(raster->item(0, 4)->text(), QString("100,00"));
  QCOMPARE(raster->item(0, 4)->foreground().color(), QColor(0, 128, 0));
  QCOMPARE(raster->item(1, 5)->text(), QString("-50,00"));
  QCOMPARE(raster->item(1, 5)->foreground().color(), QColor(Qt::red));
  QCOMPARE(raster->item(2, 4)->text(), QString("USD"));
  QCOMPARE(raster->item(2, 5)->text(), QString("Eindsaldo : "));
  QCOMPARE(raster->item(2, 7)->text(), QString("50,00"));
  QCOMPARE(raster->currentRow(), 2);

  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));

  // The next booking keeps the account's grid above the panel.
  QVERIFY(v.KiesMenu("&Bijboeken"));
  QVERIFY(raster->isVisible());
  QVERIFY(v.TypVelden({{veld::Rekening, ""}, {veld::Volgnr, "13"}, {veld::Blad, "1"},
                       {veld::Groep, "201"}, {veld::Actie, "OV"}, {veld::Datum, "5-5"},
                       {veld::TegenRek, "NL99INGB0001234567"}, {veld::Relatie, "Werkgever BV"},
                       {veld::Munt, ""}, {veld::Koers, ""}, {veld::Bedrag, "12,50"}}));
  Afdruk(v.form, "boeking-rekening");
}

QTEST_MAIN(TstBoekingForm)
#include "tst_boekingform.moc"
