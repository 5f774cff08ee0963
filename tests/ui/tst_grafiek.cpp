// The chart window on the small report book: every "Grafieken" entry
// launched from the main window with the selection panel and dialog answered
// from the keyboard, paging past the last account, the groups manager's
// chart, "Opslaan als PNG", and pictures of every kind on the example year.
#include <QAbstractBarSeries>
#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "RapportTestBoek.h"
#include "model/charts/GrafiekSoort.h"
#include "model/core/Meldingen.h"
#include "model/example/VoorbeeldBoek.h"
#include "ui/charts/GrafiekTekening.h"
#include "ui/charts/TGrafiekForm.h"
#include "ui/groups/TBudbeheerForm.h"
#include "KlaarLader.h"
#include "ui/shell/Vensters.h"
#include "ui/reports/TOutputForm.h"
#include "ui/reports/TSelectieDlg.h"
#include "ui/shell/TValdero.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

struct Grafieken {
  test::RapportBoek b;
  KlaarLader lader;
  std::unique_ptr<TValdero> hoofd;
  std::unique_ptr<Vensters> vensters;
  std::unique_ptr<TSelectieDlg> dlg;
  std::unique_ptr<TOutputForm> overzicht;
  std::unique_ptr<TGrafiekForm> form;
  std::unique_ptr<TBudbeheerForm> groepBeheer;

  Grafieken() {
    Kasboek& kb = b.boek.kb;
    kb.sessie.KasNaam = "Huis04";
    hoofd = std::make_unique<TValdero>(kb, lader, "");
    vensters = std::make_unique<Vensters>(*hoofd);
    dlg = std::make_unique<TSelectieDlg>(kb, b.selectie, hoofd.get());
    overzicht = std::make_unique<TOutputForm>(kb, b.selectie, hoofd.get());
    form = std::make_unique<TGrafiekForm>(kb, b.selectie, hoofd.get());
    groepBeheer = std::make_unique<TBudbeheerForm>(kb, hoofd.get());
    vensters->KoppelRapport(*overzicht, *dlg, b.selectie);
    vensters->KoppelGrafiek(*form, b.selectie, *groepBeheer);
    hoofd->KoppelingenBijgewerkt();
    hoofd->show();
  }
  bool Aan(const QString& pad) const {
    QAction* a = hoofd->Actie(pad);
    return a && a->isEnabled();
  }
  QPushButton* Knop(const QString& tekst) const {
    for (QPushButton* k : form->findChildren<QPushButton*>())
      if (k->text() == tekst) return k;
    return nullptr;
  }
  void KiesInPaneel(const QString& tekst) {
    auto* box = hoofd->findChild<QComboBox*>(QStringLiteral("SelectBox1"));
    QVERIFY(box && box->isVisible());
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), tekst);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  }
  QString Titel() const { return form->Chart()->title(); }
};

// Ticks the given rows of the modal selection dialog with the space bar and
// presses "&Ok".
void BeantwoordDialoog(std::vector<int> rijen) {
  QTimer::singleShot(0, [rijen] {
    auto* dlg = qobject_cast<TSelectieDlg*>(QApplication::activeModalWidget());
    QVERIFY(dlg);
    for (int r : rijen) {
      dlg->Lijst()->setCurrentRow(r);
      QTest::keyClick(dlg->Lijst(), Qt::Key_Space);
    }
    for (QPushButton* k : dlg->findChildren<QPushButton*>())
      if (k->text() == "&Ok") QTest::keyClick(k, Qt::Key_Space);
  });
}

}  // namespace

class TstGrafiek : public QObject {
  Q_OBJECT
 private slots:
  void elkeSoortVanuitHetMenu_data();
  void elkeSoortVanuitHetMenu();
  void volgendOpDeLaatsteRekening();
  void groepGrafiekUitHetGroepenbeheer();
  void opslaanAlsPng();
  void schermafdrukkenVanHetVoorbeeld();
};

void TstGrafiek::elkeSoortVanuitHetMenu_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<int>("soort");
  QTest::addColumn<QString>("paneel");  // typed into the selection panel
  QTest::addColumn<bool>("dialoog");
  QTest::addColumn<int>("reeksen");     // series the chart holds
  QTest::addColumn<QString>("titel");
  QTest::newRow("101") << "Grafieken|Rekeningen" << 101 << "2" << false << 1 << "Rekening&nbsp;2";
  QTest::newRow("105") << "Grafieken|Groepen" << 105 << "300" << false << 1 << "Boekings-Code&nbsp;:&nbsp;300";
  QTest::newRow("110") << "Grafieken|Klassen" << 110 << "" << true << 1 << "Totaal&nbsp;van&nbsp;Klasse(n)";
  QTest::newRow("111") << "Grafieken|Begroting|IN / UIT per Jaar" << 111 << "" << false << 2 << "per&nbsp;Jaar";
  QTest::newRow("112") << "Grafieken|Begroting|IN /UITper Maand" << 112 << "" << false << 2 << "per&nbsp;Maand";
  QTest::newRow("113") << "Grafieken|Begroting|IN / UITper Kwartaal" << 113 << "" << false << 2
                       << "per&nbsp;Kwartaal";
  QTest::newRow("115") << "Grafieken|Begroting|IN / UIT Selectie" << 115 << "" << true << 2 << "Selectie";
  QTest::newRow("131") << "Grafieken|ValderoSaldi|Alle rekeningen" << 131 << "" << false << 1
                       << "Valdero&nbsp;saldi";
  QTest::newRow("132") << "Grafieken|ValderoSaldi|Rekening Selectie" << 132 << "" << true << 1
                       << "rekeningSoorten&nbsp;:&nbsp;BT";
}

void TstGrafiek::elkeSoortVanuitHetMenu() {
  QFETCH(QString, menu);
  QFETCH(int, soort);
  QFETCH(QString, paneel);
  QFETCH(bool, dialoog);
  QFETCH(int, reeksen);
  QFETCH(QString, titel);
  Grafieken g;
  QVERIFY(g.Aan(menu));
  if (dialoog) BeantwoordDialoog({0, 1});
  g.hoofd->Actie(menu)->trigger();
  if (!paneel.isEmpty()) g.KiesInPaneel(paneel);
  QVERIFY(g.form->isVisible());
  QCOMPARE(g.form->Model().Soort(), soort);
  QVERIFY2(g.Titel().contains(titel), qPrintable(g.Titel()));
  // The bar chart holds its two bar sets in one series and the sum line.
  QCOMPARE(g.form->Chart()->series().size(), reeksen);
  QCOMPARE(g.Knop("&Volgend")->isVisible(), soort == 101 || soort == 105);
  QVERIFY(!g.Aan(menu));
  QVERIFY(g.hoofd->Lijst().Geregistreerd(6));
  QVERIFY(g.b.boek.berichten.getoond.empty());
  QTest::keyClick(g.Knop("&Sluit"), Qt::Key_Space);
  QVERIFY(!g.form->isVisible());
  QVERIFY(g.Aan(menu));
  QVERIFY(!g.hoofd->Lijst().Geregistreerd(6));
}

void TstGrafiek::volgendOpDeLaatsteRekening() {
  Grafieken g;
  g.hoofd->Actie("Grafieken|Rekeningen")->trigger();
  g.KiesInPaneel("2");
  QVERIFY(g.Titel().contains("Rekening&nbsp;2"));
  QTest::keyClick(g.Knop("&Volgend"), Qt::Key_Space);
  QVERIFY(g.Titel().contains("Rekening&nbsp;99"));
  // The transfer account has no transactions: said once, drawn anyway.
  QCOMPARE(g.b.boek.berichten.Teksten(), std::vector<std::string>{"Geen records voor deze rekening"});
  g.b.boek.berichten.Wis();
  const QString titel = g.Titel();
  QTest::keyClick(g.Knop("&Volgend"), Qt::Key_Space);
  QCOMPARE(g.Titel(), titel);
  QCOMPARE(g.form->Model().Huidig().titels.at(0), std::string("Rekening 99"));
  QVERIFY(g.b.boek.berichten.getoond.empty());
  QTest::keyClick(g.Knop("&Vorige"), Qt::Key_Space);
  QVERIFY(g.Titel().contains("Rekening&nbsp;2"));
}

void TstGrafiek::groepGrafiekUitHetGroepenbeheer() {
  Grafieken g;
  QTimer::singleShot(0, [&g] {
    auto* lijst = g.groepBeheer->findChild<QListWidget*>();
    QVERIFY(lijst);
    lijst->setFocus();
    const auto regels = lijst->findItems(QStringLiteral("300 "), Qt::MatchStartsWith);
    QCOMPARE(regels.size(), 1);
    lijst->setCurrentItem(regels.front());
    auto* knop = g.groepBeheer->findChild<QPushButton*>(QStringLiteral("GrafiekBtn"));
    QVERIFY(knop && knop->isEnabled());
    QTest::keyClick(knop, Qt::Key_Space);
  });
  g.groepBeheer->Toon(g.hoofd.get());
  QVERIFY(g.form->isVisible());
  QCOMPARE(g.form->Model().Soort(), 105);
  QCOMPARE(g.form->Model().Huidig().titels.at(1), std::string("Boekings-Code : 300  Salaris"));
  QVERIFY(g.hoofd->Lijst().Geregistreerd(6));
}

void TstGrafiek::opslaanAlsPng() {
  Grafieken g;
  QTemporaryDir map;
  g.b.boek.kb.sessie.Map = map.path().toStdString();
  QVERIFY(g.form->ShowChart(131, 0));
  g.b.boek.berichten.Bestand(std::string("saldi.png"));
  QTest::keyClick(g.Knop("Opslaan als PNG"), Qt::Key_Space);
  QCOMPARE(g.b.boek.berichten.dialogen.size(), std::size_t{1});
  QCOMPARE(g.b.boek.berichten.dialogen[0].voorgesteldeNaam, std::string("Grafiek131.png"));
  QImage beeld(map.filePath("saldi.png"));
  QVERIFY(!beeld.isNull());
  QCOMPARE(beeld.size(), g.form->Beeld().size());
  // A folder that does not exist: the error, no file.
  g.b.boek.berichten.Bestand(std::string("weg/saldi.png"));
  QTest::keyClick(g.Knop("Opslaan als PNG"), Qt::Key_Space);
  QCOMPARE(g.b.boek.berichten.Teksten().back(), std::string("weg/saldi.png wegschrijven NIET gelukt\n\r") +
                                                     Hint(HintNr::ControleerBestandNaam));
  // The same chart drawn without a window, as valdero-cli does.
  const std::string png = GrafiekPng(g.form->Model().Huidig(), ',');
  QCOMPARE(QImage::fromData(QByteArray::fromStdString(png), "PNG").size(), QSize(650, 460));
}

void TstGrafiek::schermafdrukkenVanHetVoorbeeld() {
  test::BoekMetPoorten boek(MaakDatum(2026, 6, 15));
  Kasboek& kb = boek.kb;
  MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = 400});
  ReportSelection selectie;
  TGrafiekForm form(kb, selectie);
  for (int soort : kGrafiekSoorten) {
    BereidSelectieVoor(kb, selectie, RapportSoortVan(soort));
    if (soort == 110) KiesKlassen(kb, selectie, {"U", "V"});
    if (soort == 115) KiesKlassen(kb, selectie, {"I", "U"});
    if (soort == 132) KiesSoorten(kb, selectie, {"BT", "SP"});
    int index = 0;
    if (soort == 101) index = kb.ZoekRekening(1).value();
    if (soort == 105) index = kb.ZoekGroep("310").value();
    QVERIFY(form.ShowChart(soort, index));
    QVERIFY(!form.Model().Huidig().reeksen.at(0).punten.empty());
    test::AfdrukScherm(form, QString("grafiek-%1").arg(soort));
  }
  QVERIFY(boek.berichten.getoond.empty());
}

QTEST_MAIN(TstGrafiek)
#include "tst_grafiek.moc"
