// The relations window with its dialog, the options window, the personal-data
// dialog and the export window, driven with the keyboard on a small book in
// its own folder, with a scripted message port.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <functional>

#include "TestBoek.h"
#include "model/core/SaldoMatrix.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"
#include "ui/export/TExportDataForm.h"
#include "ui/widgets/DatumKiezer.h"
#include "ui/relations/TRelatieDlg.h"
#include "ui/relations/TRelatieForm.h"
#include "ui/settings/TOptiesForm.h"
#include "ui/settings/TPersonDlg.h"
#include "ui/widgets/TNavKnop.h"
#include "ui/widgets/Tnavigator.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

// The relations window with its relation dialog driven by the test.
struct BediendeRelaties : TRelatieForm {
  using TRelatieForm::TRelatieForm;
  std::function<int(TRelatieDlg&)> voerder;
  int BedienRelatieDialoog(TRelatieDlg& d) override { return voerder(d); }
};

// Three bank lines with counter accounts, the default configuration, the
// book's file on disk.
struct Boek : test::BoekInMap {
  Boek() {
    StandaardConfig(kb);
    test::VoegRekeningToe(kb, 1, "Betaalrekening");
    test::VoegGroepToe(kb, "1", "Saldo Betaalrekening", " C ");
    test::VoegGroepToe(kb, "300", "Boodschappen", " U ");
    Kas("Visboer Scheveningen", "NL11", -12.5);
    Kas("Bakkerij Jansen", "NL22", -3.2);
    Kas("Slagerij de Os", "NL33", -20);
    QVERIFY(BouwSaldoMatrix(kb).Gelukt());
    test::SchrijfBytes(BoekPad(), SchrijfBoek(kb));
  }
  void Kas(const char* relatie, const char* tegen, double bedrag) {
    TKas& k = test::VoegTransactieToe(kb, 1, "300", MaakDatum(2008, 2, 1), bedrag, "boodschappen");
    k.Relatie = relatie;
    k.TegenRekNr = tegen;
  }
};

template <typename T>
T* Kind(QWidget& w, const char* naam) {
  T* t = w.findChild<T*>(naam);
  if (!t) qFatal("geen %s", naam);
  return t;
}

void Enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }

// The first key opens the cell's editor, the rest goes into it.
void TypInCel(QTableWidget* raster, const QString& tekst) {
  QTest::keyClick(raster, tekst.at(0).toLatin1());
  auto* editor = raster->findChild<QLineEdit*>();
  if (!editor) qFatal("geen celeditor");
  QTest::keyClicks(editor, tekst.mid(1));
}

void Actief(QWidget& w) {
  w.show();
  w.activateWindow();
  if (!QTest::qWaitForWindowActive(&w)) qWarning("venster niet actief");
}

}  // namespace

class TstRelatiesOptiesExport : public QObject {
  Q_OBJECT
 private slots:
  void relatieVensterBouwtEnBewaartGetypteCellen();
  void relatieDialoogSchrijftInDeRij();
  void relatieVensterVerwijdertMetDeNavigator();
  void optiesKlasseMetToetsenbord();
  void optiesValutaEnPrintpagina();
  void persoonsdataMetEnter();
  void exportMetToetsenbord();
  void exportDatumIsDeGetypteDatumOfGeweigerd_data();
  void exportDatumIsDeGetypteDatumOfGeweigerd();
  void exportScheidingenTonenNamen();
  void exportOpentNaastHetHoofdvenster();
};

void TstRelatiesOptiesExport::relatieVensterBouwtEnBewaartGetypteCellen() {
  Boek b;
  TRelatieForm venster(b.kb);
  QVERIFY(venster.Open());
  Actief(venster);
  auto* raster = Kind<QTableWidget>(venster, "RelatieGrid");
  QCOMPARE(raster->rowCount(), 3);
  QCOMPARE(raster->item(0, 1)->text(), QString("Bakkerij Jansen"));
  QCOMPARE(raster->currentColumn(), 1);
  QCOMPARE(Kind<QLabel>(venster, "Relatiehead")->text(), QString(" RELATIES in VALDERO"));
  QCOMPARE(raster->horizontalHeaderItem(6)->text(), QString(" Tel."));

  // The account pick list moves the grid to that row.
  auto* rekeningen = Kind<QComboBox>(venster, "RelRekBox1");
  QCOMPARE(rekeningen->count(), 3);
  rekeningen->setFocus();
  QTest::keyClick(rekeningen, Qt::Key_Down);
  QTest::keyClick(rekeningen, Qt::Key_Down);
  emit rekeningen->activated(rekeningen->currentIndex());
  QCOMPARE(raster->currentRow(), 2);

  raster->setFocus();
  raster->setCurrentCell(0, 5);
  TypInCel(raster, "Den Haag");
  QTest::keyClick(raster->findChild<QLineEdit*>(), Qt::Key_Return);
  QCoreApplication::processEvents();  // the grid takes the text after the key
  QCOMPARE(raster->item(0, 5)->text(), QString("Den Haag"));
  test::Afdruk(venster, "relaties");
  QTest::mouseClick(Kind<QPushButton>(venster, "OkBtn"), Qt::LeftButton);
  QVERIFY(!venster.isVisible());
  QVERIFY(LeesBoek(b.kb, test::LeesBytes(b.BoekPad())).Gelukt());
  QVERIFY(b.kb.RelatiesAanwezig);
  QCOMPARE(QString::fromStdString(b.kb.RelatieLijst[1].Woonplaats), QString("Den Haag"));
}

void TstRelatiesOptiesExport::relatieDialoogSchrijftInDeRij() {
  Boek b;
  BediendeRelaties venster(b.kb);
  QVERIFY(venster.Open());
  auto* raster = Kind<QTableWidget>(venster, "RelatieGrid");
  raster->setCurrentCell(1, 1);
  venster.voerder = [](TRelatieDlg& dlg) {
    Actief(dlg);
    if (dlg.windowTitle() != "Relatie gegevens") qFatal("titel");
    auto* adres = Kind<QLineEdit>(dlg, "AdresEdit");
    Enter(Kind<QLineEdit>(dlg, "IndexEdit"));
    Enter(Kind<QLineEdit>(dlg, "RelatieEdit"));
    Enter(Kind<QLineEdit>(dlg, "RekeningEdit"));
    if (!adres->hasFocus()) qFatal("Enter gaat niet naar Adres");
    QTest::keyClicks(adres, "Havenkade 4");
    Enter(adres);
    test::Afdruk(dlg, "relatie-dialoog");
    for (const char* v : {"PostcodeEdit", "PlaatsEdit", "TelefoonEdit"}) Enter(Kind<QLineEdit>(dlg, v));
    auto* ok = Kind<QPushButton>(dlg, "OkBtn");
    if (!ok->hasFocus()) qFatal("Enter gaat niet naar OK");
    QTest::keyClick(ok, Qt::Key_Return);
    return dlg.result();
  };
  auto* navigator = Kind<Tnavigator>(venster, "RelNavigator");
  navigator->BtnClick(nbEdit);
  QCOMPARE(raster->item(1, 3)->text(), QString("Havenkade 4"));
  // Only "OK" of the window stores the row: "Schrap" drops it.
  QTest::mouseClick(Kind<QPushButton>(venster, "SchrapBtn"), Qt::LeftButton);
  QCOMPARE(QString::fromStdString(b.kb.RelatieLijst[2].Adres), QString());
}

void TstRelatiesOptiesExport::relatieVensterVerwijdertMetDeNavigator() {
  Boek b;
  TRelatieForm venster(b.kb);
  QVERIFY(venster.Open());
  auto* raster = Kind<QTableWidget>(venster, "RelatieGrid");
  auto* navigator = Kind<Tnavigator>(venster, "RelNavigator");
  navigator->BtnClick(nbLast);
  QCOMPARE(raster->currentRow(), 2);
  b.berichten.Antwoord(antwoord::Ja);
  navigator->BtnClick(nbDelete);
  QCOMPARE(raster->rowCount(), 2);
  QCOMPARE(b.kb.MaxRelatie(), 2);
  QCOMPARE(raster->item(1, 0)->text(), QString("2"));

  // A click while a cell is being typed in asks for Enter first.
  raster->setCurrentCell(0, 2);
  TypInCel(raster, "X");
  navigator->BtnClick(nbFirst);
  QCOMPARE(QString::fromStdString(b.berichten.Teksten().back()), QString("Editor mode is actief, druk Enter"));
}

void TstRelatiesOptiesExport::optiesKlasseMetToetsenbord() {
  Boek b;
  TOptiesForm opties(b.kb);
  opties.Begin(0);
  Actief(opties);
  auto* lijst = Kind<QListWidget>(opties, "KlasseBox");
  QCOMPARE(lijst->count(), 16);
  QVERIFY(!Kind<QWidget>(opties, "KlasseEditor")->isVisible());
  QVERIFY(Kind<QPushButton>(opties, "SorteerBtn")->isVisible());
  QTest::mouseClick(Kind<QPushButton>(opties, "KlasseNieuwBtn"), Qt::LeftButton);
  auto* afk = Kind<QLineEdit>(opties, "KlasseAfkorting");
  QVERIFY(afk->hasFocus());
  afk->selectAll();
  QTest::keyClicks(afk, "n");
  Enter(afk);
  auto* naam = Kind<QLineEdit>(opties, "KlasseNaam");
  QVERIFY(naam->hasFocus());
  naam->selectAll();
  QTest::keyClicks(naam, "nieuwbouw");
  Enter(naam);
  Kind<QCheckBox>(opties, "BtwHoog")->click();
  QVERIFY(Kind<QLineEdit>(opties, "BtwTarief")->isVisible());
  auto* oms = Kind<QLineEdit>(opties, "KlasseOmschrijving");
  QTest::keyClicks(oms, "Aanbouw en verbouw");
  Enter(oms);
  auto* tarief = Kind<QLineEdit>(opties, "BtwTarief");
  QVERIFY(tarief->hasFocus());
  QTest::keyClicks(tarief, "21");
  test::Afdruk(opties, "opties-klasse");
  Enter(tarief);
  QTest::keyClick(Kind<QPushButton>(opties, "KlasseOkBtn"), Qt::Key_Return);
  const TKlasse02& k = b.kb.KlasseLijst.back();
  QCOMPARE(QString::fromStdString(k.Letter), QString(" n "));
  QCOMPARE(QString::fromStdString(k.Naam), QString("nieuwbouw"));
  QCOMPARE(k.BtwSoort, 2);
  QCOMPARE(k.BtwPerc, 21.0f);
  QVERIFY(!Kind<QWidget>(opties, "KlasseEditor")->isVisible());
  QTest::mouseClick(Kind<QPushButton>(opties, "OkBtn"), Qt::LeftButton);
  QVERIFY(opties.Model().bevestigd);
  QVERIFY(QFile::exists(QString::fromStdString((b.map / "Valdr08.cfg").string())));
}

void TstRelatiesOptiesExport::optiesValutaEnPrintpagina() {
  Boek b;
  TOptiesForm opties(b.kb);
  opties.Begin(2);
  Actief(opties);
  QVERIFY(Kind<QLabel>(opties, "BasisWaarschuwing")->isVisible());
  QVERIFY(!Kind<QPushButton>(opties, "SorteerBtn")->isVisible());
  auto* lijst = Kind<QListWidget>(opties, "ValutaBox");
  QCOMPARE(lijst->currentRow(), 0);
  QVERIFY(lijst->item(0)->text().contains("Basis"));
  lijst->setFocus();
  QTest::keyClick(lijst, Qt::Key_Down);
  QTest::mouseClick(Kind<QPushButton>(opties, "BasisMuntBtn"), Qt::LeftButton);
  QCOMPARE(b.kb.BasisMunt, 1);
  QVERIFY(lijst->item(0)->text().contains("1,25000"));  // the book's decimal separator
  QVERIFY(lijst->item(1)->text().contains("Basis"));
  test::Afdruk(opties, "opties-valuta");

  // Dragging the yen onto the fourth line moves it there.
  const QPoint van = lijst->visualItemRect(lijst->item(6)).center();
  const QPoint naar = lijst->visualItemRect(lijst->item(3)).center();
  QTest::mousePress(lijst->viewport(), Qt::LeftButton, {}, van);
  QTest::mouseMove(lijst->viewport(), naar);
  QTest::mouseRelease(lijst->viewport(), Qt::LeftButton, {}, naar);
  QCOMPARE(QString::fromStdString(b.kb.ValutaLijst[3].Kode), QString("Yen"));

  auto* paginas = Kind<QTabWidget>(opties, "OptiesPaginas");
  paginas->setFocus();
  QTest::keyClick(paginas, Qt::Key_Tab, Qt::ControlModifier);
  QCOMPARE(paginas->currentIndex(), 3);
  auto* links = Kind<QLineEdit>(opties, "LinkerMarge");
  QCOMPARE(links->text(), QString("10"));
  links->selectAll();
  QTest::keyClicks(links, "25");
  Enter(links);
  QCOMPARE(b.kb.Config.LinkerMarge, 25 * b.kb.weergave.PixelsPerCm / 10);
  QVERIFY(Kind<QLineEdit>(opties, "TopMarge")->hasFocus());
  Kind<QCheckBox>(opties, "EigenaarBox")->click();
  QVERIFY(b.kb.Config.Vlaggen & vlag::NaamBovenRapport);
  test::Afdruk(opties, "opties-print");
  // "&Schrap" keeps the edits in memory and writes nothing.
  QTest::mouseClick(Kind<QPushButton>(opties, "SchrapBtn"), Qt::LeftButton);
  QVERIFY(!opties.Model().bevestigd);
  QVERIFY(!QFile::exists(QString::fromStdString((b.map / "Valdr08.cfg").string())));
}

void TstRelatiesOptiesExport::persoonsdataMetEnter() {
  Boek b;
  TPersonDlg dlg(b.kb);
  dlg.Begin();
  Actief(dlg);
  QCOMPARE(dlg.windowTitle(), QString("Persoonsgegevens"));
  auto* naam = Kind<QLineEdit>(dlg, "Edit1");
  QVERIFY(naam->hasFocus());
  QTest::keyClicks(naam, "Johannes Cornelis van der Bergh");
  for (int i = 1; i <= 6; ++i) Enter(Kind<QLineEdit>(dlg, QString("Edit%1").arg(i).toUtf8().constData()));
  auto* ok = Kind<QPushButton>(dlg, "OkBtn");
  QVERIFY(ok->hasFocus());
  test::Afdruk(dlg, "persoonsdata");
  QTest::keyClick(ok, Qt::Key_Return);
  QCOMPARE(dlg.result(), int(QDialog::Accepted));
  QCOMPARE(QString::fromStdString(b.kb.Config.Persoonsdata[0]), QString("Johannes Cornelis van de"));
}

void TstRelatiesOptiesExport::exportMetToetsenbord() {
  Boek b;
  TExportDataForm venster(b.kb);
  venster.Open(1);
  Actief(venster);
  Kind<QComboBox>(venster, "ScheidingsBox")->setFocus();
  QCOMPARE(venster.windowTitle(), QString("Export van valdero data"));
  auto* scheiding = Kind<QComboBox>(venster, "ScheidingsBox");
  QVERIFY(scheiding->hasFocus());
  QCOMPARE(scheiding->itemText(0), QString(", komma"));
  QTest::keyClick(scheiding, Qt::Key_Down);  // "* asterix"
  Enter(scheiding);
  auto* begin = Kind<DatumKiezer>(venster, "BeginDatumPick");
  QVERIFY(begin->hasFocus());
  QCOMPARE(begin->date(), QDate(2008, 1, 1));
  Enter(begin->Veld());
  auto* eind = Kind<DatumKiezer>(venster, "EindDatumPick");
  QVERIFY(eind->hasFocus());
  eind->setDate(QDate(2031, 12, 31));  // any date a book can hold
  QCOMPARE(eind->date(), QDate(2031, 12, 31));
  Enter(eind->Veld());
  QVERIFY(Kind<QCheckBox>(venster, "QuotesBox")->hasFocus());
  Kind<QCheckBox>(venster, "VeldnamenBox")->setChecked(true);
  auto* selectie = Kind<QCheckBox>(venster, "SelectveldBox");
  auto* lijst = Kind<QListWidget>(venster, "CheckVeldListBox");
  QVERIFY(!lijst->isVisible());
  selectie->click();
  QVERIFY(lijst->isVisible());
  QCOMPARE(Kind<QLabel>(venster, "Veldnaamlabel")->text(), QString("Velden"));
  for (int i = 0; i < lijst->count(); ++i)
    if (i != 6 && i != 8) lijst->item(i)->setCheckState(Qt::Unchecked);  // Relatie, Bedrag
  test::Afdruk(venster, "export");
  const std::string pad = (b.map / "export.txt").string();
  b.berichten.Bestand(pad);
  Kind<QPushButton>(venster, "ExportOkBtn")->setFocus();
  QTest::keyClick(Kind<QPushButton>(venster, "ExportOkBtn"), Qt::Key_Return);
  QVERIFY(!venster.isVisible());
  const auto bytes = test::LeesBytes(pad);
  QCOMPARE(QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())),
           QString("Relatie*Bedrag*\r\nVisboer Scheveningen*-12,50*\r\nBakkerij Jansen*-3,20*\r\n"
                   "Slagerij de Os*-20,00*\r\n"));

  // The totals offer no comma.
  venster.Open(0);
  QCOMPARE(scheiding->itemText(0), QString("* asterix"));
  QCOMPARE(Kind<QLabel>(venster, "Veldnaamlabel")->text(), QString("Rekeningen"));
  test::Afdruk(venster, "export-totalen");
}

// What the user types into a date picker, however the field was entered, is
// the date, or it is refused with a message and the date stays.
void TstRelatiesOptiesExport::exportDatumIsDeGetypteDatumOfGeweigerd_data() {
  QTest::addColumn<bool>("klik");  // click into the field instead of Ctrl+A
  QTest::addColumn<QString>("getypt");
  QTest::addColumn<QDate>("datum");  // invalid: refused
  QTest::newRow("Ctrl+A, hele datum") << false << "31-3-2026" << QDate(2026, 3, 31);
  QTest::newRow("klik, hele datum") << true << "31-3-2026" << QDate(2026, 3, 31);
  QTest::newRow("dag en maand") << false << "31-3" << QDate(2008, 3, 31);
  QTest::newRow("acht cijfers") << true << "31032026" << QDate(2026, 3, 31);
  QTest::newRow("geen datum") << false << "31-2-2026" << QDate();
  QTest::newRow("onzin") << true << "morgen" << QDate();
}

void TstRelatiesOptiesExport::exportDatumIsDeGetypteDatumOfGeweigerd() {
  QFETCH(bool, klik);
  QFETCH(QString, getypt);
  QFETCH(QDate, datum);
  Boek b;
  TExportDataForm venster(b.kb);
  venster.Open(1);
  Actief(venster);
  auto* eind = Kind<DatumKiezer>(venster, "EindDatumPick");
  const QDate voor = eind->date();
  if (klik) {
    QTest::mouseClick(eind->Veld(), Qt::LeftButton, {}, QPoint(4, eind->Veld()->height() / 2));
    QTest::qWait(20);
  } else {
    eind->Veld()->setFocus();
    QTest::keyClick(eind->Veld(), Qt::Key_A, Qt::ControlModifier);
  }
  QTest::keyClicks(eind->Veld(), getypt);
  Enter(eind->Veld());
  if (datum.isValid()) {
    QCOMPARE(eind->date(), datum);
    QCOMPARE(eind->Veld()->text(), QStringLiteral("%1-%2-%3").arg(datum.day()).arg(datum.month()).arg(datum.year()));
    QVERIFY(Kind<QCheckBox>(venster, "QuotesBox")->hasFocus());
    QVERIFY(b.berichten.getoond.empty());
  } else {
    QCOMPARE(eind->date(), voor);
    QVERIFY(eind->hasFocus());
    QCOMPARE(b.berichten.getoond.size(), std::size_t(1));
    QVERIFY(b.berichten.getoond[0].tekst.find("is geen geldige datum") != std::string::npos);
  }
}

// The separator list names each separator; none shows as a bare control
// character.
void TstRelatiesOptiesExport::exportScheidingenTonenNamen() {
  Boek b;
  TExportDataForm venster(b.kb);
  venster.Open(1);
  auto* scheiding = Kind<QComboBox>(venster, "ScheidingsBox");
  QCOMPARE(scheiding->count(), 6);
  for (int i = 0; i < scheiding->count(); ++i) {
    const QString t = scheiding->itemText(i);
    for (const QChar c : t) QVERIFY2(c.isPrint() || c == QLatin1Char(' '), qPrintable(t));
  }
  QVERIFY(scheiding->itemText(2).endsWith("tab"));
  test::Afdruk(venster, "export-scheidingen");
}

// Not at the screen's corner over the main window's menu bar.
void TstRelatiesOptiesExport::exportOpentNaastHetHoofdvenster() {
  Boek b;
  QWidget hoofd;
  hoofd.setGeometry(300, 200, 800, 600);
  hoofd.show();
  QVERIFY(QTest::qWaitForWindowExposed(&hoofd));
  TExportDataForm venster(b.kb, &hoofd);
  venster.Open(1);
  QCOMPARE(venster.pos(), hoofd.frameGeometry().topLeft() + QPoint(135, 105));
  Actief(venster);
  QTest::keyClick(Kind<QComboBox>(venster, "ScheidingsBox"), Qt::Key_Escape);
  QVERIFY(!venster.isVisible());
}

QTEST_MAIN(TstRelatiesOptiesExport)
#include "tst_relaties_opties_export.moc"
