// The booking window in its securities modes, typed as a user does: a
// purchase and a sale through the payment account, a revaluation at a new
// price and a dividend.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include "BoekingVenster.h"

using namespace valdero;
using namespace valdero::test;

namespace {

QString Titel(Venster& v) { return v.Kind<QGroupBox>("BoekingPanel")->title(); }

// Buys or sells shares of "Aandelen" on the securities account through the
// payment account, in the window's Enter order.
bool Handel(Venster& v, const QString& aantal, const QString& prijs) {
  return v.TypVelden({{veld::Rekening, ""}, {veld::Volgnr, ""}, {veld::Blad, ""},
                      {veld::Groep, "E01"}, {veld::Actie, ""}, {veld::Datum, "6-5"},
                      {veld::TegenRek, "1"}, {veld::Volgnr2, ""}, {veld::Blad2, ""},
                      {veld::Munt, ""}, {veld::Aantal, aantal}, {veld::Prijs, prijs},
                      {veld::Bedrag, ""}, {veld::Omschrijving, ""}}) &&
         v.Bewaar();
}

}  // namespace

class TstBoekingFormEffecten : public QObject {
  Q_OBJECT
 private slots:
  void kopenEnVerkopen();
  void waarderenEnDividend();
};

void TstBoekingFormEffecten::kopenEnVerkopen() {
  Venster v;
  QSignalSpy blokkade(&v.form, &TBoekingForm::MenuBlokkade);
  QVERIFY(v.form.Boeking(15));
  QCOMPARE(blokkade.count(), 1);
  QCOMPARE(blokkade[0][0].toBool(), true);  // "Bele&ggingen"
  QCOMPARE(v.form.windowTitle(), QString("Beleggingen"));
  QCOMPARE(Titel(v), QString("A A N K O O P van EFFECTEN"));
  QCOMPARE(v.Tekst(veld::Rekening).left(1), QString("3"));  // the securities account
  QVERIFY(v.form.Veld(veld::Aantal)->isVisible());
  QVERIFY(!v.Kind<QCheckBox>("BTWBox")->isVisible());
  QVERIFY(v.Kind<QCheckBox>("Opmcheck")->isVisible());
  // With shares the amount sits beside the currency.
  QCOMPARE(v.form.Veld(veld::Bedrag)->y(), v.form.Veld(veld::Munt)->y());
  QVERIFY(v.form.Veld(veld::Bedrag)->x() < v.form.Veld(veld::Aantal)->x());

  v.boek.berichten.Antwoord(antwoord::Ja);
  QVERIFY(Handel(v, "10", "25"));
  QCOMPARE(v.kb.MaxKas(), 4);
  QCOMPARE(v.boek.Saldo(1), -250.0);
  QCOMPARE(v.boek.GroepTotaal("E01"), 250.0);
  QVERIFY(v.form.PopupBeleg()->isVisible());

  // The sale without the own leg: the payment account receives, the cash
  // leg stays on the securities account's own group.
  QVERIFY(v.KiesMenu("&Verkopen"));
  QCOMPARE(Titel(v), QString("V E R K O O P van EFFECTEN"));
  QVERIFY(Handel(v, "4", "30"));
  QCOMPARE(v.kb.MaxKas(), 7);
  QCOMPARE(v.boek.Saldo(1), -130.0);
  QCOMPARE(v.boek.GroepTotaal("E01"), 130.0);
  int verkoop = 0;
  for (int p = 1; p <= v.kb.MaxKas(); ++p)
    if (v.boek.K(p).ActieKode == "RS") verkoop = p;
  QVERIFY(verkoop);
  QCOMPARE(v.boek.K(verkoop).Aantal, 4.0f);
  QCOMPARE(v.boek.K(verkoop).Prijs, 30.0f);
  QCOMPARE(v.boek.K(verkoop).Belegging, 1);
  QVERIFY(v.boek.IndexGelijkAanPositie());
  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));
}

void TstBoekingFormEffecten::waarderenEnDividend() {
  Venster v;
  QVERIFY(v.form.Boeking(11));
  QCOMPARE(Titel(v), QString("T O E V O E G E N  EFFECTEN"));
  QVERIFY(v.TypVelden({{veld::Rekening, ""}, {veld::Volgnr, ""}, {veld::Blad, ""},
                       {veld::Groep, "E01"}, {veld::Actie, ""}, {veld::Datum, "4-5"},
                       {veld::TegenRek, ""}, {veld::Relatie, ""}, {veld::Munt, ""},
                       {veld::Aantal, "10"}, {veld::Prijs, "100"}}));
  QCOMPARE(v.Tekst(veld::Bedrag), QString("1000,00"));
  Afdruk(v.form, "boeking-effecten");
  QVERIFY(v.TypVelden({{veld::Bedrag, ""}, {veld::Omschrijving, ""}}));
  QVERIFY(v.Bewaar());
  QCOMPARE(v.boek.GroepTotaal("E01"), 1000.0);

  // Valuing at a new price: the old value is reversed and the new one booked.
  QVERIFY(v.KiesMenu("Waar&deren"));
  QCOMPARE(Titel(v), QString("W A A R D E R E N van EFFECTEN"));
  QCOMPARE(v.Tekst(veld::Actie), QString("VS value shares"));
  QVERIFY(v.TypVelden({{veld::Rekening, ""}, {veld::Volgnr, ""}, {veld::Blad, ""},
                       {veld::Groep, "E01"}}));
  QCOMPARE(v.Tekst(veld::Bedrag), QString("1000,00"));
  QCOMPARE(v.Tekst(veld::Aantal), QString("10,0000"));
  QVERIFY(v.TypVelden({{veld::Actie, ""}, {veld::Datum, "5-5"}, {veld::TegenRek, ""},
                       {veld::Relatie, ""}, {veld::Munt, ""}, {veld::Aantal, ""},
                       {veld::Prijs, "120"}, {veld::Bedrag, ""}, {veld::Omschrijving, ""}}));
  QVERIFY(v.Bewaar());
  QCOMPARE(v.kb.MaxKas(), 3);
  QCOMPARE(v.boek.K(2).Bedrag, -1000.0);
  QCOMPARE(v.boek.K(2).Omschrijving, std::string("Oorspronkelijke waarde van Aandelen"));
  QCOMPARE(v.boek.K(3).Bedrag, 1200.0);
  QCOMPARE(v.boek.K(3).Omschrijving, std::string("Toename waarde van Aandelen"));
  QCOMPARE(v.boek.GroepTotaal("E01"), 1200.0);

  // A dividend has no shares; the amount sits under the relation.
  QVERIFY(v.KiesMenu("Rente/Divid."));
  QCOMPARE(Titel(v), QString("R E N T E / D I V I D E N D   B I J B O E K E N"));
  QVERIFY(!v.form.Veld(veld::Aantal)->isVisible());
  QCOMPARE(v.form.Veld(veld::Bedrag)->x(), v.form.Veld(veld::Relatie)->x());
  QCOMPARE(v.Tekst(veld::Actie), QString("ID Interest/Div. shares"));
  QVERIFY(v.TypVelden({{veld::Rekening, ""}, {veld::Volgnr, ""}, {veld::Blad, ""},
                       {veld::Groep, "E01"}, {veld::Actie, ""}, {veld::Datum, "6-5"},
                       {veld::TegenRek, ""}, {veld::Relatie, ""}, {veld::Munt, ""},
                       {veld::Bedrag, "15"}, {veld::Omschrijving, "dividend 2025"}}));
  QVERIFY(v.Bewaar());
  QCOMPARE(v.kb.MaxKas(), 4);
  QCOMPARE(v.boek.K(4).ActieKode, std::string("ID"));
  QCOMPARE(v.boek.K(4).Bedrag, 15.0);
  QCOMPARE(v.boek.K(4).Omschrijving, std::string("dividend 2025"));
  QCOMPARE(v.boek.Saldo(3), 1215.0);
  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));
}

QTEST_MAIN(TstBoekingFormEffecten)
#include "tst_boekingform_effecten.moc"
