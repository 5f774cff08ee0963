// The group overview and the VAT overview in the running program's wiring:
// the group overview from the overview window's pop-up (one account) and
// from the free search (all accounts), "Transactiefilter" toggling the VAT
// column, the VAT overview from the menu, "&Wijzigen" and "&Verwijderen" of
// the overview pop-up reaching the booking window, the search panel of the
// account report, the groups manager's "Groep overzicht", and pictures of
// both dialogs on the example book.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <QTableView>
#include <functional>
#include <memory>

#include "RapportTestBoek.h"
#include "model/example/VoorbeeldBoek.h"
#include "model/reports/GroepRapport.h"
#include "model/reports/RapportSoort.h"
#include "ui/shell/QtBoekingVensters.h"
#include "ui/bookings/TBoekingForm.h"
#include "ui/groups/TBudbeheerForm.h"
#include "KlaarLader.h"
#include "ui/shell/Vensters.h"
#include "ui/reports/TBTWUitDlg.h"
#include "ui/reports/TGroepUitDlg.h"
#include "ui/reports/TOutputForm.h"
#include "ui/reports/TSelectieDlg.h"
#include "ui/search/TZoekDlg.h"
#include "ui/shell/TValdero.h"
#include "ui/widgets/QtPrinter.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

// The main window with the overview, the free search, the booking window,
// the group overview, the VAT overview and the groups manager wired as the
// program wires them, on the small book of 2004.
struct Programma {
  test::RapportBoek b;
  Kasboek& kb = b.boek.kb;
  int bewaard = 0;
  KlaarLader lader;
  std::unique_ptr<TValdero> hoofd;
  std::unique_ptr<Vensters> vensters;
  std::unique_ptr<TSelectieDlg> selectieDlg;
  std::unique_ptr<TOutputForm> overzicht;
  std::unique_ptr<TZoekDlg> zoeken;
  std::unique_ptr<TZoekDlg> kiezer;
  std::unique_ptr<QtBoekingVensters> boekingVensters;
  std::unique_ptr<TBoekingForm> boeking;
  std::unique_ptr<TGroepUitDlg> groepUit;
  std::unique_ptr<TBTWUitDlg> btw;
  std::unique_ptr<TBudbeheerForm> groepBeheer;

  Programma() {
    kb.sessie.KasNaam = "Huis04";
    kb.BtwActief = true;
    auto bewaar = [this](Kasboek&) { ++bewaard; };
    hoofd = std::make_unique<TValdero>(kb, lader, "");
    vensters = std::make_unique<Vensters>(*hoofd);
    selectieDlg = std::make_unique<TSelectieDlg>(kb, b.selectie, hoofd.get());
    overzicht = std::make_unique<TOutputForm>(kb, b.selectie, hoofd.get());
    vensters->KoppelRapport(*overzicht, *selectieDlg, b.selectie);
    zoeken = std::make_unique<TZoekDlg>(kb, bewaar, hoofd.get());
    kiezer = std::make_unique<TZoekDlg>(kb, bewaar, hoofd.get());
    boekingVensters = std::make_unique<QtBoekingVensters>(hoofd.get());
    boeking = std::make_unique<TBoekingForm>(kb, *kiezer, *boekingVensters, bewaar, hoofd.get());
    groepUit = std::make_unique<TGroepUitDlg>(kb, hoofd.get());
    vensters->KoppelDoorzoeken(*overzicht, *zoeken, *groepUit, *boeking, *boekingVensters, bewaar);
    groepBeheer = std::make_unique<TBudbeheerForm>(kb, hoofd.get());
    vensters->KoppelGroepBeheer(*groepBeheer);
    btw = std::make_unique<TBTWUitDlg>(kb, hoofd.get());
    vensters->KoppelBtwRapport(*btw);
    hoofd->KoppelingenBijgewerkt();
    hoofd->show();
  }

  bool Aan(const QString& pad) const {
    QAction* a = hoofd->Actie(pad);
    return a && a->isEnabled();
  }
  // The account report of account 1 with the row of `datum` selected.
  void RekeningRapport(const QString& datum) {
    QVERIFY(overzicht->ShowReport(rapport::Rekening, kb.ZoekRekening(1).value()));
    QTableView* t = overzicht->Tabel();
    const auto cel = [t](int r, int k) { return t->model()->index(r, k).data().toString(); };
    for (int r = 0; r < t->model()->rowCount(); ++r)
      if (cel(r, 2) == datum) t->setCurrentIndex(t->model()->index(r, 0));
    QCOMPARE(cel(t->currentIndex().row(), 2), datum);
  }
  // The pop-up's item as the user finds it: enabled or not after the menu
  // is about to show.
  QAction* MenuItem(const QString& tekst) const {
    QMenu* menu = overzicht->Menu();
    emit menu->aboutToShow();
    for (QAction* a : menu->actions())
      if (a->text() == tekst) return a;
    return nullptr;
  }
};

// Runs `kijk` on the group overview as soon as it shows modally, then
// closes it with "&Sluit" from the keyboard.
void BijGroepRapport(std::function<void(TGroepUitDlg&)> kijk, bool* gezien) {
  *gezien = false;
  QTimer::singleShot(0, [kijk, gezien] {
    auto* dlg = qobject_cast<TGroepUitDlg*>(QApplication::activeModalWidget());
    QVERIFY(dlg);
    kijk(*dlg);
    *gezien = true;
    for (QPushButton* k : dlg->findChildren<QPushButton*>())
      if (k->text() == "&Sluit") QTest::keyClick(k, Qt::Key_Space);
  });
}

QStringList Titels(QTableWidget* t) {
  QStringList uit;
  for (int k = 0; k < t->columnCount(); ++k) uit << t->horizontalHeaderItem(k)->text();
  return uit;
}

QStringList Kolom(QTableWidget* t, int k) {
  QStringList uit;
  for (int r = 0; r < t->rowCount(); ++r) uit << (t->item(r, k) ? t->item(r, k)->text() : QString());
  return uit;
}

}  // namespace

class TstGroepUit : public QObject {
  Q_OBJECT
 private slots:
  void groepOverzichtVanuitHetOverzicht_data();
  void groepOverzichtVanuitHetOverzicht();
  void groepOverzichtVanuitZoeken_data();
  void groepOverzichtVanuitZoeken();
  void transactiefilterWisseltDeBtwKolom();
  void groepOverzichtPrintenNaarPdf();
  void btwOverzichtVanuitHetMenu();
  void wijzigenEnVerwijderenVanuitHetOverzicht();
  void zoekBoekingInHetRekeningoverzicht();
  void groepOverzichtVanuitGroepBeheer();
  void schermafdrukkenVanHetVoorbeeld();
};

void TstGroepUit::groepOverzichtVanuitHetOverzicht_data() {
  QTest::addColumn<QString>("item");
  QTest::addColumn<int>("modus");
  QTest::addColumn<QStringList>("titels");
  QTest::addColumn<QStringList>("relaties");  // column 2
  QTest::addColumn<QString>("totaal");
  QTest::newRow("groep") << "Selecteer &Groep" << 1
                         << QStringList{"VlgNr.", "Datum", "Relatie", "BIJ/AF--Fl", "BTW", "Klasse"}
                         << QStringList{"Supermarkt", "Bakker", "Bakker"} << "-846,78";
  QTest::newRow("relatie") << "Selecteer &Relatie" << 2
                           << QStringList{"VlgNr.", "Datum", "Groep+Titel", "BIJ/AF--Fl", "BTW", "Klasse"}
                           << QStringList{"201 Boodschappen", "201 Boodschappen"} << "-73,45";
  QTest::newRow("klasse") << "Selecteer &Klasse" << 3
                          << QStringList{"VlgNr.", "Datum", "Relatie", "BIJ/AF--Fl", "BTW", "Kode"}
                          << QStringList{"Supermarkt", "Bakker", "Bakker"} << "-846,78";
}

void TstGroepUit::groepOverzichtVanuitHetOverzicht() {
  QFETCH(QString, item);
  QFETCH(int, modus);
  QFETCH(QStringList, titels);
  QFETCH(QStringList, relaties);
  QFETCH(QString, totaal);
  Programma p;
  p.RekeningRapport("20-05-2004");
  QAction* a = p.MenuItem(item);
  QVERIFY(a && a->isEnabled());
  bool gezien = false;
  BijGroepRapport(
      [&](TGroepUitDlg& dlg) {
        QCOMPARE(dlg.windowTitle(), QString("Speciale Groep"));
        QCOMPARE(dlg.Model().Modus(), modus);
        QCOMPARE(dlg.Model().RekNr(), 1);
        QCOMPARE(Titels(dlg.Tabel()), titels);
        QCOMPARE(Kolom(dlg.Tabel(), 2), relaties);
        QCOMPARE(dlg.findChild<QLabel*>("totaal")->text(), totaal);
        QVERIFY(dlg.findChild<QLabel*>("btwTotaal")->isVisible());
        QCOMPARE(dlg.Tabel()->currentRow(), 0);
      },
      &gezien);
  a->trigger();
  QVERIFY(gezien);
  QVERIFY(!p.groepUit->isVisible());
  QCOMPARE(p.b.selectie.RekNr, 1);
}

void TstGroepUit::groepOverzichtVanuitZoeken_data() {
  QTest::addColumn<QString>("item");
  QTest::addColumn<int>("modus");
  QTest::addColumn<QStringList>("rekeningen");  // column 0: account and sequence number
  QTest::newRow("groep") << "Selecteer &Groep" << 41 << QStringList{" 1-7", " 1-12", " 1-13"};
  QTest::newRow("klasse") << "Selecteer &Klasse" << 43 << QStringList{" 1-7", " 2-3", " 1-12", " 2-4", " 1-13"};
  QTest::newRow("relatie") << "&Selecteer &Relatie" << 42 << QStringList{" 1-12", " 2-4", " 1-13"};
}

void TstGroepUit::groepOverzichtVanuitZoeken() {
  QFETCH(QString, item);
  QFETCH(int, modus);
  QFETCH(QStringList, rekeningen);
  Programma p;
  p.zoeken->ToonVrijZoeken();
  auto* raster = p.zoeken->findChild<QTableView*>("StringGrid1");
  int rij = -1;
  for (int r = 0; r < raster->model()->rowCount(); ++r)
    if (raster->model()->index(r, 4).data().toString().trimmed() == "Bakker" &&
        raster->model()->index(r, 1).data().toString().trimmed() == "201")
      rij = r;
  QVERIFY(rij >= 0);
  emit raster->customContextMenuRequested(raster->visualRect(raster->model()->index(rij, 0)).center());
  QMenu* menu = p.zoeken->findChild<QMenu*>("PopupZoeken");
  QVERIFY(menu->isVisible());
  menu->close();
  QAction* a = nullptr;
  for (QAction* x : menu->actions())
    if (x->text() == item) a = x;
  QVERIFY(a && a->isEnabled());
  bool gezien = false;
  BijGroepRapport(
      [&](TGroepUitDlg& dlg) {
        QCOMPARE(dlg.Model().Modus(), modus);
        QCOMPARE(dlg.Model().RekNr(), 0);
        QCOMPARE(dlg.Tabel()->horizontalHeaderItem(0)->text(), QString("RekNr."));
        QCOMPARE(Kolom(dlg.Tabel(), 0), rekeningen);
        QCOMPARE(dlg.findChild<QLabel*>("aantal")->text(), QString("Aantal = %1").arg(rekeningen.size()));
      },
      &gezien);
  a->trigger();
  QVERIFY(gezien);
}

void TstGroepUit::transactiefilterWisseltDeBtwKolom() {
  Programma p;
  Kasboek& kb = p.kb;
  // Rent booked with the high VAT of its own in a group without VAT, and a
  // grocery booked without VAT in a group with it.
  test::VoegGroepToe(kb, "420", "Energie", " I ");
  TKas& stroom = test::VoegTransactieToe(kb, 1, "420", MaakDatum(2004, 9, 1), -119.00, "stroom");
  stroom.BoekSoort = 2 * 256;
  test::MarkeerGelezen(kb);
  TGroepUitDlg& dlg = *p.groepUit;
  QVERIFY(dlg.Begin(groeprapport::Groep, 1, kb.ZoekGroep("420").value()));
  QApplication::setActiveWindow(&dlg);
  QCOMPARE(dlg.Tabel()->columnCount(), 5);
  QVERIFY(!dlg.findChild<QLabel*>("btwTotaal")->isVisible());
  dlg.Filter()->setFocus();
  QTest::keyClick(dlg.Filter(), Qt::Key_Space);
  QVERIFY(dlg.Filter()->isChecked());
  QCOMPARE(Titels(dlg.Tabel()), (QStringList{"VlgNr.", "Datum", "Relatie", "BIJ/AF--Fl", "BTW", "Klasse"}));
  QCOMPARE(dlg.Tabel()->item(0, 4)->text(), QString("-19,00"));
  QCOMPARE(dlg.findChild<QLabel*>("btwTotaal")->text(), QString("-19,00"));
  QVERIFY(dlg.findChild<QLabel*>("btwTotaal")->isVisible());
  QTest::keyClick(dlg.Filter(), Qt::Key_Space);
  QCOMPARE(dlg.Tabel()->columnCount(), 5);

  // In a group of a VAT class, ticked: a booking stored without VAT has none.
  QVERIFY(dlg.Begin(groeprapport::Groep, 1, kb.ZoekGroep("201").value()));
  QCOMPARE(Kolom(dlg.Tabel(), 4), (QStringList{"-123,47", "-3,74", "-7,98"}));
  QTest::keyClick(dlg.Filter(), Qt::Key_Space);
  QCOMPARE(Kolom(dlg.Tabel(), 4), (QStringList{"0,00", "0,00", "0,00"}));
  QCOMPARE(dlg.findChild<QLabel*>("btwTotaal")->text(), QString("0,00"));
  dlg.close();
}

void TstGroepUit::groepOverzichtPrintenNaarPdf() {
  QTemporaryDir map;
  Programma p;
  auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
  pdf->setOutputFormat(QPrinter::PdfFormat);
  pdf->setOutputFileName(map.filePath("groep.pdf"));
  QtPrinter printer(std::move(pdf));
  p.kb.poorten.printer = printer;
  TGroepUitDlg& dlg = *p.groepUit;
  QVERIFY(dlg.Begin(groeprapport::KlasseAlle, 0, p.kb.ZoekGroep("201").value()));
  for (QPushButton* k : dlg.findChildren<QPushButton*>())
    if (k->text() == "&Print") QTest::keyClick(k, Qt::Key_Space);
  QFile uit(map.filePath("groep.pdf"));
  QVERIFY(uit.exists());
  QVERIFY(uit.size() > 1000);
  dlg.close();
}

void TstGroepUit::btwOverzichtVanuitHetMenu() {
  Programma p;
  const QString menu = "&Overzichten|&Btw berekening";
  QVERIFY(p.Aan(menu));
  p.hoofd->Actie(menu)->trigger();
  auto* box = p.hoofd->findChild<QComboBox*>("SelectBox1");
  QVERIFY(box && box->isVisible());
  QCOMPARE(box->itemText(box->count() - 1), QString(" 0 Alle betaal rekeningen"));
  box->lineEdit()->selectAll();
  QTest::keyClicks(box->lineEdit(), "0");
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  QVERIFY(p.btw->isVisible());
  QCOMPARE(p.btw->windowTitle(), QString("BTW Overzicht"));
  QTableWidget* t = p.btw->Tabel();
  QCOMPARE(Titels(t), (QStringList{"Rek.", "BTWUit_hoog", "BTWUit_laag", "BTWIn_hoog", "BTWIn-Laag"}));
  // Account 1 (the only paying account), then the total line.
  QCOMPARE(t->rowCount(), 2);
  QCOMPARE(t->item(0, 0)->text(), QString("1"));
  QCOMPARE(t->item(0, 1)->text(), QString("-135,20"));
  QCOMPARE(t->item(1, 0)->text(), QString("TOTAAL  Eur"));
  QCOMPARE(t->item(1, 1)->text(), QString("-135,20"));
  QCOMPARE(t->currentRow(), 0);
  QVERIFY(!p.Aan(menu));
  QVERIFY(p.hoofd->Lijst().Geregistreerd(kBtwVenster));
  // Escape closes it and frees the entry.
  QTest::keyClick(t, Qt::Key_Escape);
  QVERIFY(!p.btw->isVisible());
  QVERIFY(p.Aan(menu));
  QVERIFY(!p.hoofd->Lijst().Geregistreerd(kBtwVenster));
  QVERIFY(p.b.boek.berichten.Teksten().empty());
}

void TstGroepUit::wijzigenEnVerwijderenVanuitHetOverzicht() {
  Programma p;
  p.RekeningRapport("20-05-2004");
  const int kas = p.overzicht->Model().Tabel().rijen[static_cast<std::size_t>(p.overzicht->Tabel()->currentIndex().row())].kasIndex;
  QCOMPARE(p.kb.KasLijst[static_cast<std::size_t>(kas)].Relatie, std::string("Bakker"));

  QAction* wijzig = p.MenuItem("&Wijzigen");
  QVERIFY(wijzig && wijzig->isEnabled());
  wijzig->trigger();
  QVERIFY(p.boeking->isVisible());
  QCOMPARE(p.boeking->findChild<QGroupBox*>("BoekingPanel")->title(), QString("W I J Z I G E N "));
  QVERIFY(p.hoofd->Lijst().Geregistreerd(4));
  p.boeking->close();
  // A change saved there is shown here at once: the booking model asks
  // whoever opened it to show the book again.
  p.kb.KasLijst[static_cast<std::size_t>(kas)].Bedrag = -32.10;
  p.boekingVensters->VerversAanvrager(200);
  QCOMPARE(p.overzicht->Tabel()->model()->index(p.overzicht->Tabel()->currentIndex().row(), 4).data().toString(), QString("-32,10"));
  p.b.boek.berichten.Wis();

  const int voor = p.kb.MaxKas();
  p.b.boek.berichten.Antwoord(antwoord::Ja);
  QAction* verwijder = p.MenuItem("&Verwijderen");
  QVERIFY(verwijder && verwijder->isEnabled());
  verwijder->trigger();
  QCOMPARE(p.kb.MaxKas(), voor - 1);
  QCOMPARE(p.bewaard, 1);
  QCOMPARE(p.overzicht->Tabel()->model()->rowCount(), 5);
  // The row at the old place is selected: the cake of August.
  QCOMPARE(p.overzicht->Tabel()->model()->index(p.overzicht->Tabel()->currentIndex().row(), 2).data().toString(), QString("15-08-2004"));
  QCOMPARE(p.b.boek.berichten.Teksten(),
           (std::vector<std::string>{"Weet u zeker dat u dit Record wilt verwijderen ? ", " Kasrecord(s) verwijderd"}));
}

void TstGroepUit::zoekBoekingInHetRekeningoverzicht() {
  Programma p;
  p.RekeningRapport("01-01-2004");
  QAction* zoek = p.MenuItem("&Zoek boeking");
  QVERIFY(zoek && zoek->isEnabled());
  zoek->trigger();
  auto* paneel = p.overzicht->findChild<QWidget*>("zoekPaneel");
  QVERIFY(paneel->isVisible());
  QStringList velden;
  for (QRadioButton* r : paneel->findChildren<QRadioButton*>()) velden << r->text();
  QCOMPARE(velden, (QStringList{"Kode", "Relatie", "Bedrag", "Saldo", "Omschr."}));
  auto* edit = p.overzicht->findChild<QLineEdit*>("zoekTekst");
  QApplication::setActiveWindow(p.overzicht.get());
  edit->setFocus();
  QTest::keyClicks(edit, "b");
  QCOMPARE(p.b.boek.berichten.Teksten(), std::vector<std::string>{" Kies eerst een veld"});
  QTest::mouseClick(paneel->findChildren<QRadioButton*>()[1], Qt::LeftButton);
  edit->setFocus();
  QTest::keyClicks(edit, "bAK");  // without regard to case
  QCOMPARE(p.overzicht->Tabel()->currentIndex().row(), 4);
  QCOMPARE(p.overzicht->Tabel()->currentIndex().column(), 3);
  // Upward from the row under the selected one: the same row.
  QTest::mouseClick(p.overzicht->findChild<QPushButton*>("zoekRichting"), Qt::LeftButton);
  edit->setFocus();
  QTest::keyClicks(edit, "super");
  QCOMPARE(p.overzicht->Tabel()->currentIndex().row(), 3);
  test::AfdrukScherm(*p.overzicht, "overzicht-zoekpaneel");
  QTest::keyClick(edit, Qt::Key_Return);
  QVERIFY(!paneel->isVisible());
}

void TstGroepUit::groepOverzichtVanuitGroepBeheer() {
  Programma p;
  QTimer::singleShot(0, [&p] {
    auto* lijst = p.groepBeheer->findChild<QListWidget*>("GroepenBox");
    QVERIFY(lijst);
    lijst->setCurrentRow(p.kb.ZoekGroep("201").value() - 1);
    auto* knop = p.groepBeheer->findChild<QPushButton*>("OverzichtBtn");
    QVERIFY(knop->isEnabled());
    QTest::keyClick(knop, Qt::Key_Space);
  });
  p.groepBeheer->Toon(p.hoofd.get());
  QVERIFY(p.overzicht->isVisible());
  QCOMPARE(p.overzicht->Model().Soort(), rapport::Groep);
  QCOMPARE(p.b.selectie.GroepKode, std::string("201"));
  QCOMPARE(p.overzicht->Tabel()->model()->rowCount(), 3);
  QVERIFY(p.hoofd->Lijst().Geregistreerd(5));
}

// Both dialogs on the example year, for a person to look at.
void TstGroepUit::schermafdrukkenVanHetVoorbeeld() {
  test::BoekMetPoorten boek(MaakDatum(2026, 6, 15));
  Kasboek& kb = boek.kb;
  MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = 400});
  TBTWUitDlg btw(kb);
  btw.ShowVatOverview(0, 2);
  QVERIFY(btw.Tabel()->rowCount() > 0);
  test::AfdrukScherm(btw, "btw-overzicht");
  btw.close();
  TGroepUitDlg groep(kb);
  // The group of the last transaction in a class with VAT.
  int g = 0;
  for (int i = kb.MaxKas(); i >= 1 && g == 0; --i) {
    const int kandidaat = kb.ZoekGroep(kb.KasLijst[static_cast<std::size_t>(i)].GroepKode).value_or(0);
    if (kandidaat == 0) continue;
    const std::string& klasse = kb.GroepLijst[static_cast<std::size_t>(kandidaat)].Klasse;
    for (const TKlasse02& k : kb.KlasseLijst)
      if (k.Letter == klasse && k.BtwSoort != 0) g = kandidaat;
  }
  QVERIFY(g > 0);
  QVERIFY(groep.Begin(groeprapport::GroepAlle, 0, g));
  test::AfdrukScherm(groep, "groep-overzicht-alle");
  int kas = kb.MaxKas();
  while (kas > 1 && (kb.KasLijst[static_cast<std::size_t>(kas)].RekNr != 1 ||
                     kb.KasLijst[static_cast<std::size_t>(kas)].Relatie.empty()))
    --kas;
  QVERIFY(groep.Begin(groeprapport::Relatie, 1, kas));
  test::AfdrukScherm(groep, "groep-overzicht-relatie");
  groep.close();
}

QTEST_MAIN(TstGroepUit)
#include "tst_groepuit.moc"
