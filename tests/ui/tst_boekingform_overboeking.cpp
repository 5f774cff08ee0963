// The booking window on bookings of more than one record: a transfer to and
// from the savings account with both answers to the question for the other
// leg, and a payment split over its sub-groups.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QBrush>
#include <QTableView>

#include "BoekingVenster.h"

using namespace valdero;
using namespace valdero::test;

class TstBoekingFormOverboeking : public QObject {
  Q_OBJECT
 private slots:
  void overboekingMetBeideAntwoorden();
  void splitsingOverSubgroepen();
};

void TstBoekingFormOverboeking::overboekingMetBeideAntwoorden() {
  Venster v;
  QVERIFY(v.form.Boeking(5));
  QCOMPARE(v.Kind<QGroupBox>("BoekingPanel")->title(), QString("O V E R B O E K E N NAAR..."));
  QCOMPARE(v.Tekst(veld::Groep), QString("xxxx KRUISPOSTEN"));
  QCOMPARE(v.Tekst(veld::Actie), QString("OB overboeking"));
  QVERIFY(v.form.Veld(veld::Volgnr2)->isVisible());
  QVERIFY(!v.Kind<QCheckBox>("BTWBox")->isVisible());
  auto* tegen = static_cast<QComboBox*>(v.form.Veld(veld::TegenRek));
  QCOMPARE(tegen->count(), 3);  // the accounts

  QVERIFY(v.TypVelden({{veld::Rekening, "1"}, {veld::Volgnr, "3"}, {veld::Blad, "1"},
                       {veld::Groep, ""}, {veld::Actie, ""}, {veld::Datum, ""},
                       {veld::TegenRek, "2"}}));
  QCOMPARE(v.Tekst(veld::Relatie), QString(" Mijzelf"));
  // The relation is skipped: the second statement follows the counter account.
  QVERIFY(v.TypVelden({{veld::Volgnr2, "4"}, {veld::Blad2, "2"},
                       {veld::Munt, ""}, {veld::Bedrag, "100"}}));
  QCOMPARE(v.Tekst(veld::Omschrijving), QString("OverBoeken naar Betaal"));
  QVERIFY(v.Typ(veld::Omschrijving, ""));
  v.boek.berichten.Antwoord(antwoord::Ja);
  QVERIFY(v.Bewaar());

  QCOMPARE(v.boek.berichten.Teksten(),
           (std::vector<std::string>{"Wilt u ook overboeken naar tegenrekening",
                                     "Kasrecords van beide rekeningen gered"}));
  QCOMPARE(v.kb.MaxKas(), 2);
  QCOMPARE(v.boek.Saldo(1), 100.0);
  QCOMPARE(v.boek.Saldo(2), -100.0);
  QCOMPARE(v.boek.GroepTotaal("xxxx"), 0.0);
  for (int p : {1, 2}) {
    const TKas& k = v.boek.K(p);
    QCOMPARE(k.Datum, Dag(2, 5));  // a transfer is dated today
    QCOMPARE(k.GroepKode, std::string("xxxx"));
    QCOMPARE(k.VolgBlad, k.RekNr == 1 ? 3 * 64 + 1 : 4 * 64 + 2);
    QCOMPARE(k.TegenRek, k.RekNr == 1 ? 2 : 1);
  }

  // The other direction from the window's menu, without the own leg.
  v.boek.berichten.Wis();
  QVERIFY(v.KiesMenu("van &rek. naar tegenrek."));
  QCOMPARE(v.Kind<QGroupBox>("BoekingPanel")->title(), QString("O V E R B O E K E N VAN..."));
  QVERIFY(v.TypVelden({{veld::Rekening, "1"}, {veld::Volgnr, ""}, {veld::Blad, ""},
                       {veld::Groep, ""}, {veld::Actie, ""}, {veld::Datum, ""},
                       {veld::TegenRek, "2"}, {veld::Volgnr2, ""},
                       {veld::Blad2, ""}, {veld::Munt, ""}, {veld::Bedrag, "30"}}));
  QCOMPARE(v.Tekst(veld::Omschrijving), QString("Overboeken van Betaal"));
  QVERIFY(v.Typ(veld::Omschrijving, ""));
  QVERIFY(v.Bewaar());  // the scripted answer is Nee

  QCOMPARE(v.boek.berichten.Teksten(),
           std::vector<std::string>{"Wilt u ook overboeken naar tegenrekening"});
  QCOMPARE(v.kb.MaxKas(), 3);
  QCOMPARE(v.boek.Saldo(1), 100.0);
  QCOMPARE(v.boek.Saldo(2), -70.0);
  QVERIFY(v.boek.IndexGelijkAanPositie());
  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));
}

// A payment on a main code offers its sub-groups one by one; each answered
// Ja is typed as a booking of its own, and the grid lists the items.
void TstBoekingFormOverboeking::splitsingOverSubgroepen() {
  Venster v;
  QVERIFY(v.form.Boeking(2));
  QVERIFY(v.TypVelden({{veld::Rekening, "1"}, {veld::Volgnr, "8"}, {veld::Blad, ""},
                       {veld::Groep, "410"}, {veld::Actie, "BA"}, {veld::Datum, "9-5"},
                       {veld::TegenRek, ""}, {veld::Relatie, "Supermarkt"}, {veld::Munt, ""},
                       {veld::Bedrag, "30"}, {veld::Omschrijving, "boodschappen"}}));
  v.boek.berichten.Antwoord(antwoord::Ja);  // "Brood" boeken
  QVERIFY(v.Bewaar());
  QCOMPARE(v.boek.berichten.Teksten().back(), std::string("\"Brood\" boeken"));
  QVERIFY(v.Kind<QGroupBox>("BoekingPanel")->isVisible());
  QCOMPARE(v.Tekst(veld::Groep).left(4), QString("410a"));
  QCOMPARE(v.Tekst(veld::Datum), QString("9-5-2026"));

  QVERIFY(v.TypVelden({{veld::Rekening, ""}, {veld::Volgnr, ""}, {veld::Blad, ""},
                       {veld::Groep, ""}, {veld::Actie, ""}, {veld::Datum, ""},
                       {veld::TegenRek, ""}, {veld::Relatie, ""}, {veld::Munt, ""},
                       {veld::Bedrag, "20"}, {veld::Omschrijving, "brood"}}));
  v.boek.berichten.Antwoord(antwoord::Ja);  // "Statiegeld" boeken
  QVERIFY(v.Bewaar());
  QCOMPARE(v.boek.berichten.Teksten().back(), std::string("\"Statiegeld\" boeken"));
  QCOMPARE(v.Tekst(veld::Groep).left(4), QString("410b"));
  QVERIFY(v.TypVelden({{veld::Rekening, ""}, {veld::Volgnr, ""}, {veld::Blad, ""},
                       {veld::Groep, ""}, {veld::Actie, ""}, {veld::Datum, ""},
                       {veld::TegenRek, ""}, {veld::Relatie, ""}, {veld::Munt, ""},
                       {veld::Bedrag, "5"}, {veld::Omschrijving, "flessen"}}));
  QVERIFY(v.Bewaar());
  QVERIFY(v.form.PopupBoek()->isVisible());

  QCOMPARE(v.kb.MaxKas(), 3);
  QCOMPARE(v.boek.GroepTotaal("410"), -30.0);
  QCOMPARE(v.boek.GroepTotaal("410a"), -20.0);
  QCOMPARE(v.boek.GroepTotaal("410b"), 5.0);
  QCOMPARE(v.boek.Saldo(1), -45.0);

  auto* raster = v.Kind<QTableView>("RekenSaldogrid");
  QVERIFY(raster->isVisible());
  QCOMPARE(v.Kind<QLabel>("RekenLab")->text(), QString("Bedragen van gesplitste transactie"));
  QCOMPARE(raster->model()->rowCount(), 4);  // the main item, two sub-items, the total
  QCOMPARE(raster->model()->index(1, 1).data().toString(), QString("410a"));
  QCOMPARE(raster->model()->index(1, 5).data().toString(), QString("-20,00"));
  QCOMPARE(raster->model()->index(2, 4).data().toString(), QString("5,00"));
  QCOMPARE(raster->model()->index(3, 6).data().toString(), QString("-45,00"));
  QCOMPARE(raster->model()->index(3, 6).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));
}

QTEST_MAIN(TstBoekingFormOverboeking)
#include "tst_boekingform_overboeking.moc"
