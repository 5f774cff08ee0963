// The life of a book driven through the main window's menus, start panel and
// date panel: New with its account dialog, the new year, Open, Save and Save
// as, each ending in the files on disk and in what the window shows.
#include <QDateEdit>
#include <QGroupBox>
#include <QRadioButton>
#include <QToolButton>

#include "LevensloopOmgeving.h"
#include "model/storage/BoekSlot.h"
#include "model/storage/Herstelpunten.h"
#include <unistd.h>
#include <QApplication>
#include <algorithm>
#include <QDialog>
#include <QTableWidget>
#include <QTimer>

using namespace valdero;

namespace {

// Answers the account dialog of a brand-new book: a paying account with a
// start balance of 250 on 1 January.
void EersteRekening(TNieuwRekenDlg& dlg) {
  auto* veld = dlg.findChild<QLineEdit*>("RekItemEdit");
  auto* verder = dlg.findChild<QPushButton*>("NextItem");
  QVERIFY(dlg.findChild<QLabel*>("BankLab")->isVisible());
  QTest::mouseClick(verder, Qt::LeftButton);
  veld->setText("ING Betaal 123456789");
  QTest::keyClick(veld, Qt::Key_Return);
  QTest::mouseClick(verder, Qt::LeftButton);
  QCOMPARE(veld->text(), QString("1"));
  QTest::mouseClick(verder, Qt::LeftButton);
  QCOMPARE(dlg.findChild<QComboBox*>("RekSoortBox")->currentText(), QString("BT betalingen"));
  QTest::mouseClick(verder, Qt::LeftButton);
  veld->setText("250");
  QTest::mouseClick(verder, Qt::LeftButton);
  QTest::mouseClick(verder, Qt::LeftButton);
  veld->setText("1-1-2026");
  QCOMPARE(verder->text(), QString("&Klaar"));
  QTest::mouseClick(verder, Qt::LeftButton);
}

// Last year's book: a paying account with 1000 of which 250 was spent, and
// a savings account that never held anything.
void VorigJaar(const QString& map, const std::string& naam = "Valdr25") {
  BoekOpSchijf b(map, naam);
  b.Rekening(1, "Betaal", 1000);
  b.Rekening(2, "Spaar", 0);
  b.Boeking(1, "300", -250);
  b.Schrijf();
}

}  // namespace

class TstLevensloop : public QObject {
  Q_OBJECT
 private slots:
  void nieuwBoekViaMenu();
  void nieuwBoekGeschrapt();
  void nieuwJaar_data();
  void nieuwJaar();
  void openViaStartpaneelEnMenu();
  void bewarenHoudtEenReservekopie();
  void bewaarAlsMetConversie();
  void herstelpuntViaMenu();
  void eenBoekDatEenAnderHeeftAlleenLezen();
  void bewaarAlsToontDeNieuweNaam();
  void eenSchrijfbeveiligdBoekZegtHetBijOpenen();
};

void TstLevensloop::nieuwBoekViaMenu() {
  LevensloopOmgeving o;
  o.Start();
  QVERIFY(o.hoofd->findChild<QGroupBox*>("NieuwKaspanel")->isVisible());
  o.rekening.stappen = EersteRekening;
  o.berichten.Bestand(o.Pad("Huis26"));
  o.berichten.Wis();
  o.Kies("&Bestand|&Nieuw");

  QCOMPARE(o.kb.MaxRek(), 1);
  QCOMPARE(o.kb.MaxGroep(), 33);
  QVERIFY(o.Bestaat("Huis26.vdr"));
  QVERIFY(o.Bestaat("Huis26.cfg"));
  QVERIFY(o.berichten.Teksten().at(0).starts_with("Er is nu één rekening gemaakt en 32 groepen"));
  QCOMPARE(o.KasNaamLabel(), QString("Huis26"));
  QVERIFY(!o.hoofd->findChild<QGroupBox*>("NieuwKaspanel")->isVisible());
  QVERIFY(o.hoofd->findChild<QWidget*>("MenuPanel")->isVisible());
  // The book being made cannot be made a second time over.
  QVERIFY(!o.hoofd->Actie("&Bestand|&Nieuw")->isEnabled());
  for (const char* pad : {"&Bestand|&Bewaren", "&Bestand|Bewaren &als...", "&Transacties"})
    QVERIFY2(o.hoofd->Actie(pad)->isEnabled(), pad);

  GelezenBoek terug(o.kb.sessie.Map, "Huis26");
  QCOMPARE(terug.kb.MaxGroep(), 33);
  QCOMPARE(QString::fromStdString(terug.kb.RekLijst[1].Naam), QString("ING Betaal 123456789"));
  QCOMPARE(terug.kb.KasLijst[1].Bedrag, 250.0);
  QCOMPARE(terug.kb.KasLijst[1].Datum, MaakDatum(2026, 1, 1));
}

void TstLevensloop::nieuwBoekGeschrapt() {
  LevensloopOmgeving o;
  o.Start();
  o.rekening.stappen = [](TNieuwRekenDlg& dlg) {
    QTest::mouseClick(dlg.findChild<QPushButton*>("StopKnop"), Qt::LeftButton);
  };
  // The start panel's first choice is New.
  auto* panel = o.hoofd->findChild<QGroupBox*>("NieuwKaspanel");
  panel->findChildren<QRadioButton*>().at(0)->click();
  QTest::mouseClick(o.hoofd->findChild<QPushButton*>("NieuwKasBtn"), Qt::LeftButton);

  QVERIFY(o.berichten.dialogen.size() == 1);  // only the open dialog of the start
  QVERIFY(std::filesystem::is_empty(o.kb.sessie.Map));
  QVERIFY(panel->isVisible());
  QVERIFY(o.hoofd->Actie("&Bestand|&Nieuw")->isEnabled());
  QVERIFY(!o.hoofd->Actie("&Bestand|&Bewaren")->isEnabled());
}

void TstLevensloop::nieuwJaar_data() {
  QTest::addColumn<bool>("transacties");
  QTest::addColumn<bool>("saldi");
  QTest::addColumn<int>("maxKas");
  QTest::addColumn<double>("eersteBedrag");
  QTest::newRow("met de transacties van vorig jaar") << true << false << 3 << 1000.0;
  QTest::newRow("met openingssaldi") << false << true << 1 << 750.0;
  QTest::newRow("leeg") << false << false << 0 << 0.0;
}

void TstLevensloop::nieuwJaar() {
  QFETCH(bool, transacties);
  QFETCH(bool, saldi);
  QFETCH(int, maxKas);
  QFETCH(double, eersteBedrag);
  LevensloopOmgeving o;
  VorigJaar(o.map.path());
  const auto vorig = o.Inhoud("Valdr25.vdr");
  o.Start("Valdr25");
  QCOMPARE(o.KasNaamLabel(), QString("Valdr25"));

  o.berichten.Antwoord(antwoord::Ja);  // "Valdero file van dit jaar gebruiken"
  o.berichten.Antwoord(transacties ? antwoord::Ja : antwoord::Nee);
  o.berichten.Bestand(o.Pad("Valdr26.vdr"));
  o.Kies("&Bestand|&Nieuw");
  if (!transacties) {
    auto* panel = o.hoofd->findChild<QGroupBox*>("DatumPanel");
    auto* datum = o.hoofd->findChild<QDateEdit*>("DatumKeuze");
    QVERIFY(panel->isVisible());
    QCOMPARE(datum->minimumDate(), QDate(2026, 1, 1));
    QCOMPARE(datum->maximumDate(), QDate(2026, 12, 31));
    QVERIFY(!o.Bestaat("Valdr26.vdr"));
    datum->setDate(QDate(2026, 1, 2));
    o.berichten.Antwoord(saldi ? antwoord::Ja : antwoord::Nee);
    QTest::mouseClick(o.hoofd->findChild<QPushButton*>("DatumOkBtn"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
  }

  QCOMPARE(o.KasNaamLabel(), QString("Valdr26"));
  QCOMPARE(QString::fromStdString(o.kb.KasJaar), QString("2026"));
  QVERIFY(o.Bestaat("Valdr26.cfg"));
  QVERIFY(o.Inhoud("Valdr25.vdr") == vorig);
  GelezenBoek nieuw(o.kb.sessie.Map, "Valdr26");
  QCOMPARE(nieuw.kb.MaxKas(), maxKas);
  QCOMPARE(nieuw.kb.MaxRek(), 2);
  if (maxKas > 0) QCOMPARE(nieuw.kb.KasLijst[1].Bedrag, eersteBedrag);
  if (saldi) QCOMPARE(nieuw.kb.KasLijst[1].Datum, MaakDatum(2026, 1, 2));
}

void TstLevensloop::openViaStartpaneelEnMenu() {
  LevensloopOmgeving o;
  VorigJaar(o.map.path(), "Tuin25");
  {
    BoekOpSchijf huis(o.map.path(), "Huis25");
    huis.Rekening(1, "Huis", 10);
    huis.Rekening(2, "Auto", 20);
    huis.Rekening(3, "Boot", 30);
    huis.Schrijf();
  }
  o.Start();
  QVERIFY(!o.kb.RekGelezen);
  auto* panel = o.hoofd->findChild<QGroupBox*>("NieuwKaspanel");
  panel->findChildren<QRadioButton*>().at(1)->click();
  o.berichten.Bestand(o.Pad("Tuin25.vdr"));
  QTest::mouseClick(o.hoofd->findChild<QPushButton*>("NieuwKasBtn"), Qt::LeftButton);
  QCOMPARE(o.KasNaamLabel(), QString("Tuin25"));
  QCOMPARE(o.kb.MaxRek(), 2);
  QVERIFY(!panel->isVisible());
  QVERIFY(o.hoofd->Actie("&Bestand|&Wachtwoord")->isEnabled());

  o.berichten.Bestand(o.Pad("Huis25.vdr"));
  o.Kies("&Bestand|Open &Valdero");
  QCOMPARE(o.KasNaamLabel(), QString("Huis25"));
  QCOMPARE(o.kb.MaxRek(), 3);
  QCOMPARE(QString::fromStdString(o.kb.sessie.ConfigPad), QString("Huis25.cfg"));

  // Cancelling the choice keeps the open book.
  o.berichten.Bestand(std::nullopt);
  o.Kies("&Bestand|Open &Valdero");
  QCOMPARE(o.KasNaamLabel(), QString("Huis25"));
  QCOMPARE(o.kb.MaxRek(), 3);
}

void TstLevensloop::bewarenHoudtEenReservekopie() {
  LevensloopOmgeving o;
  VorigJaar(o.map.path(), "Huis25");
  const auto geopend = o.Inhoud("Huis25.vdr");
  o.Start("Huis25");
  o.Kies("&Bestand|&Bewaren");
  QVERIFY(o.Inhoud("Huis25.~VD") == geopend);

  o.kb.KasLijst[1].Omschrijving = "Anders";
  o.Kies("&Bestand|&Bewaren");
  // Only the first save after opening keeps the old file.
  QVERIFY(o.Inhoud("Huis25.~VD") == geopend);
  QVERIFY(o.Inhoud("Huis25.vdr") != geopend);
  QVERIFY(o.berichten.dialogen.empty());
  GelezenBoek terug(o.kb.sessie.Map, "Huis25");
  QCOMPARE(QString::fromStdString(terug.kb.KasLijst[1].Omschrijving), QString("Anders"));
}

void TstLevensloop::bewaarAlsMetConversie() {
  LevensloopOmgeving o;
  {
    BoekOpSchijf b(o.map.path(), "Huis25");
    b.Rekening(1, "Betaal", 1000);
    b.Rekening(2, "Dollars", 100, 1);  // in USD at 0.8: 80 in euros
    b.Boeking(1, "300", -200);
    b.Schrijf(400);
  }
  const auto euros = o.Inhoud("Huis25.vdr");
  o.Start("Huis25");
  auto* usd = o.hoofd->findChild<QToolButton*>("USDBtn");
  QVERIFY(usd->isEnabled());
  usd->click();
  QCOMPARE(o.kb.weergave.HulpMunt, 1);

  o.berichten.Antwoord(antwoord::Ja);  // "Bewaren met Conversie naar ander munt?"
  o.berichten.Antwoord(antwoord::Ja);  // the accounts' currency too
  o.berichten.Bestand(o.Pad("Dollar25.vdr"));
  o.Kies("&Bestand|Bewaren &als...");

  QVERIFY(o.Inhoud("Huis25.vdr") == euros);
  QCOMPARE(o.kb.BasisMunt, 1);
  QVERIFY(o.hoofd->findChild<QLabel*>("StatusPanel1")->text().startsWith("BasisMunt: United States"));
  GelezenBoek dollars(o.kb.sessie.Map, "Dollar25");
  QCOMPARE(dollars.kb.BasisMunt, 1);
  const TValut& eur = dollars.kb.ValutaLijst[0];
  const TValut& dollar = dollars.kb.ValutaLijst[1];
  QCOMPARE(dollar.Basis, 1);
  QCOMPARE(dollar.Koers, 1.0f);
  QCOMPARE(eur.Basis, 0);
  QCOMPARE(eur.Koers, 1.25f);
  // Reading a book leaves an account's currency to the configuration; the
  // open book has its accounts in dollars now.
  for (int a = 1; a <= o.kb.MaxRek(); ++a) QCOMPARE(o.kb.RekLijst[static_cast<std::size_t>(a)].Munt, 1);
  // The rates are single precision: a cent is as close as they get.
  QCOMPARE(qRound(dollars.kb.GroepLijst[static_cast<std::size_t>(dollars.kb.ZoekGroep("300").value())].Budget * 100), 50000);
  double betaal = 0;
  for (int i = 1; i <= dollars.kb.MaxKas(); ++i)
    if (dollars.kb.KasLijst[static_cast<std::size_t>(i)].RekNr == 1) betaal += dollars.kb.KasLijst[static_cast<std::size_t>(i)].Bedrag;
  QCOMPARE(qRound(betaal * 100), 100000);  // 800 euros
}

// A wrong change is on disk a moment after it is made; the book as it was
// opened comes back through "Herstel&punt terugzetten...", and the changed
// book becomes a restore point itself.
void TstLevensloop::herstelpuntViaMenu() {
  LevensloopOmgeving o;
  VorigJaar(o.map.path(), "Huis25");
  const auto geopend = o.Inhoud("Huis25.vdr");
  o.Start("Huis25");
  const std::string omschrijving = o.kb.KasLijst[1].Omschrijving;
  o.kb.KasLijst[1].Omschrijving = "Vergissing";
  o.Kies("&Bestand|&Bewaren");
  QVERIFY(o.Inhoud("Huis25.vdr") != geopend);

  QStringList rijen;
  QTimer::singleShot(0, [&] {
    auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dlg);
    QCOMPARE(dlg->windowTitle(), QString("Herstelpunt terugzetten"));
    auto* lijst = dlg->findChild<QTableWidget*>("HerstelLijst");
    for (int r = 0; r < lijst->rowCount(); ++r)
      rijen << lijst->item(r, 0)->text() + " " + lijst->item(r, 1)->text();
    o.berichten.Antwoord(antwoord::Ja);
    QTest::keyClick(lijst, Qt::Key_Home);
    QTest::mouseClick(dlg->findChild<QPushButton*>("TerugBtn"), Qt::LeftButton);
  });
  o.Kies("&Bestand|Herstel&punt terugzetten...");
  QCOMPARE(rijen, QStringList{"15-03-2026 12:00:00 " + QString::number(o.kb.MaxKas())});
  QVERIFY(o.Inhoud("Huis25.vdr") == geopend);
  QCOMPARE(QString::fromStdString(o.kb.KasLijst[1].Omschrijving), QString::fromStdString(omschrijving));
  QCOMPARE(o.KasNaamLabel(), QString("Huis25"));
  const auto punten = Herstelpunten(o.kb);
  QCOMPARE(punten.size(), std::size_t{2});
  const auto teksten = o.berichten.Teksten();
  QVERIFY(std::any_of(teksten.begin(), teksten.end(), [](const std::string& t) {
    return t.rfind("Herstelpunt van 15-03-2026 12:00:00 (", 0) == 0;
  }));
}

// A book another program holds (process 1 lives as long as the machine),
// opened to read only: the title says so and Save leaves the file alone.
void TstLevensloop::eenBoekDatEenAnderHeeftAlleenLezen() {
  LevensloopOmgeving o;
  VorigJaar(o.map.path(), "Huis25");
  char host[256] = {};
  ::gethostname(host, sizeof host - 1);
  std::ofstream(SlotPad(o.Pad("Huis25.vdr"))) << 1 << "\n" << host << "\n01-03-2026 09:15:00\n";
  const auto geopend = o.Inhoud("Huis25.vdr");
  o.berichten.Antwoord(antwoord::Ja);
  o.Start("Huis25");
  QVERIFY(o.kb.sessie.AlleenLezen);
  QCOMPARE(o.hoofd->windowTitle(), QString("Valdero  (alleen-lezen)"));
  o.kb.KasLijst[1].Omschrijving = "Vergissing";
  o.Kies("&Bestand|&Bewaren");
  QVERIFY(o.Inhoud("Huis25.vdr") == geopend);

  std::filesystem::remove(SlotPad(o.Pad("Huis25.vdr")));
  LevensloopOmgeving eigen;
  VorigJaar(eigen.map.path(), "Huis25");
  eigen.Start("Huis25");
  QCOMPARE(eigen.hoofd->windowTitle(), QString("Valdero  "));
}

// After "Bewaren &als..." the saves go to the new file: the window names it,
// the lock and the restore points are the new file's.
void TstLevensloop::bewaarAlsToontDeNieuweNaam() {
  LevensloopOmgeving o;
  VorigJaar(o.map.path(), "Valdr25");
  o.Start("Valdr25");
  QCOMPARE(o.KasNaamLabel(), QString("Valdr25"));
  o.berichten.Antwoord(antwoord::Ja);  // "Bewaren met andere naam zónder Conversie"
  o.berichten.Bestand(o.Pad("Huis25.vdr"));
  o.Kies("&Bestand|Bewaren &als...");
  QCOMPARE(o.KasNaamLabel(), QString("Huis25"));
  QVERIFY(std::filesystem::exists(SlotPad(o.Pad("Huis25.vdr"))));
  QVERIFY(!std::filesystem::exists(SlotPad(o.Pad("Valdr25.vdr"))));
  QCOMPARE(Herstelpunten(o.kb).size(), std::size_t{1});
}

void TstLevensloop::eenSchrijfbeveiligdBoekZegtHetBijOpenen() {
  LevensloopOmgeving o;
  VorigJaar(o.map.path(), "Huis25");
  namespace fs = std::filesystem;
  fs::permissions(o.Pad("Huis25.vdr"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  o.Start("Huis25");
  QVERIFY(o.kb.sessie.AlleenLezen);
  QCOMPARE(o.hoofd->windowTitle(), QString("Valdero  (alleen-lezen)"));
  const auto teksten = o.berichten.Teksten();
  QVERIFY(!teksten.empty());
  QVERIFY(teksten.front().find("schrijfbeveiligd") != std::string::npos);
  fs::permissions(o.Pad("Huis25.vdr"), fs::perms::owner_write, fs::perm_options::add);
}

QTEST_MAIN(TstLevensloop)
#include "tst_levensloop.moc"
