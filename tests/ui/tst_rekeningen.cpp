// The accounts window and the accounts manager driven through their widgets:
// typing into the grid, the navigator with the account dialog filled in
// through its own widgets, deleting with both answers, the text file and the
// printer.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "TestBoek.h"
#include "model/core/SaldoMatrix.h"
#include "ui/accounts/TNieuwRekenDlg.h"
#include "ui/accounts/TRekbeheerForm.h"
#include "ui/accounts/TRekenForm.h"
#include "ui/widgets/QtPrinter.h"
#include "ui/widgets/TekstRaster.h"
#include "ui/widgets/Tnavigator.h"

using namespace valdero;

namespace {

// Two accounts with their own groups and a transaction each, read.
struct Boek : test::TestBoek {
  test::TestMap map;
  Boek() {
    Rekening(1, "Giro");
    Rekening(2, "Spaar", "SP");
    Groep("1", "Saldo Giro", " C ");
    Groep("2", "Saldo Spaar", " R ");
    Groep("300", "Huishouden");
    Boeking(1, "300", -25);
    Boeking(2, "300", -10);
    kb.sessie.KasNaam = "Huis26";
    kb.sessie.Map = map.pad();
    kb.sessie.KasPad = "Huis26.vdr";
    test::SchrijfBytes(map / "Huis26.vdr", {});  // a save writes over it without asking a name
    QVERIFY(BouwSaldoMatrix(kb).Gelukt());
  }
};

// Hands the account dialog to the test without blocking: the test types
// into its widgets.
struct DialoogDoorWidgets : RekeningDialoogVoerder {
  TNieuwRekenDlg dlg;
  std::vector<QString> invoer;  // per step from step 1 on; empty keeps the proposal
  void Voer(RekeningDialoog& d) override {
    dlg.Begin(d);
    auto* veld = dlg.findChild<QLineEdit*>("RekItemEdit");
    auto* lijst = dlg.findChild<QComboBox*>("RekSoortBox");
    auto* verder = dlg.findChild<QPushButton*>("NextItem");
    QTest::mouseClick(verder, Qt::LeftButton);
    for (const QString& tekst : invoer) {
      if (!tekst.isEmpty()) {
        if (lijst->isVisible())
          lijst->setCurrentIndex(lijst->findText(tekst));
        else
          veld->setText(tekst);
      }
      QTest::mouseClick(verder, Qt::LeftButton);
    }
    dlg.hide();
  }
};

template <typename T>
T* Kind(QWidget& w, const char* naam) {
  T* t = w.findChild<T*>(naam);
  if (!t) qFatal("geen %s", naam);
  return t;
}

// The open cell editor of the grid.
QLineEdit* Editor(TekstRaster* raster) {
  QLineEdit* editor = nullptr;
  for (QLineEdit* e : raster->viewport()->findChildren<QLineEdit*>())
    if (e->isVisible()) editor = e;
  return editor;
}

// Types text into a cell as a user does: go to the cell, type (the first key
// opens the cell's editor, which takes the rest), Enter.
void Typ(TekstRaster* raster, int rij, int kolom, const QString& tekst) {
  raster->setFocus();
  raster->setCurrentCell(rij - 1, kolom);
  QTest::keyClicks(raster, tekst.left(1));
  QVERIFY(raster->EditorOpen());
  QLineEdit* editor = Editor(raster);
  QVERIFY(editor);
  QTest::keyClicks(editor, tekst.mid(1));
  QCOMPARE(editor->text(), tekst);
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
}

QString Cel(TekstRaster* raster, int rij, int kolom) { return raster->Tekst(rij, kolom); }

}  // namespace

class TstRekeningen : public QObject {
  Q_OBJECT
 private slots:
  void opentMetRijenEnKoppen() {
    Boek b;
    DialoogDoorWidgets d;
    TRekenForm f(b.kb, d);
    f.Open();
    QCOMPARE(f.windowTitle(), QString("Rekeningen"));
    QCOMPARE(Kind<QLabel>(f, "RekenHead")->text(), QString(" INVOER VAN REKENINGEN"));
    auto* raster = Kind<TekstRaster>(f, "RekenGrid");
    QCOMPARE(raster->columnCount(), 5);
    QCOMPARE(raster->horizontalHeaderItem(4)->text(), QString("Munt"));
    QCOMPARE(raster->columnWidth(2), 250);
    QCOMPARE(raster->rowCount(), 2);
    QCOMPARE(Cel(raster, 2, 2), QString("Spaar"));
    QCOMPARE(raster->currentRow(), 0);
    QCOMPARE(raster->currentColumn(), 1);
    QVERIFY(!Kind<QListWidget>(f, "SoortBox")->isVisible());
  }

  void soortInKleineLettersWordtHoofdletters() {
    Boek b;
    DialoogDoorWidgets d;
    TRekenForm f(b.kb, d);
    f.Open();
    auto* raster = Kind<TekstRaster>(f, "RekenGrid");
    Typ(raster, 2, 3, "bt");
    QCOMPARE(QString::fromStdString(b.kb.RekLijst[2].Soort), QString("BT"));
    QCOMPARE(Cel(raster, 2, 3), QString("BT"));
    // Enter again (no editor) at the kind column checks the row and moves on.
    QTest::keyClick(raster, Qt::Key_Return);
    QCOMPARE(raster->currentRow(), 1);
    QCOMPARE(raster->currentColumn(), 1);
  }

  void nummer99MetTransferBevestiging() {
    Boek b;
    DialoogDoorWidgets d;
    TRekenForm f(b.kb, d);
    f.Open();
    auto* raster = Kind<TekstRaster>(f, "RekenGrid");
    b.berichten.Antwoord(antwoord::Ja);
    Typ(raster, 2, 1, "99");
    QCOMPARE(b.berichten.Teksten(), std::vector<std::string>{"Als transferrekening opvoeren"});
    QCOMPARE(Cel(raster, 2, 1), QString("99"));
    QCOMPARE(Cel(raster, 2, 2), QString("TRANSFER REKENING"));
    QCOMPARE(Cel(raster, 2, 3), QString("TR"));
    QCOMPARE(b.kb.RekLijst[2].RekNr, 99);
    QVERIFY(b.kb.sessie.TransferBevestigd);
  }

  void nieuweLeningViaNavigatorInvoegen() {
    Boek b;
    DialoogDoorWidgets d;
    d.invoer = {"Hypotheek ABN", "", "LN leningen", "", "", "1-2-2026", "van", "450", "Hypotheek", "150000",
                "ABN AMRO"};
    TRekenForm f(b.kb, d);
    f.Open();
    auto* raster = Kind<TekstRaster>(f, "RekenGrid");
    raster->setCurrentCell(1, 1);
    Kind<Tnavigator>(f, "Rnavigator")->BtnClick(nbInsert);
    QCOMPARE(raster->rowCount(), 3);
    QCOMPARE(Cel(raster, 2, 1), QString("3"));
    QCOMPARE(Cel(raster, 2, 2), QString("Hypotheek ABN"));
    QCOMPARE(Cel(raster, 2, 3), QString("LN"));
    QCOMPARE(Cel(raster, 3, 0), QString("3"));
    QCOMPARE(raster->currentRow(), 1);

    QStringList kodes;
    for (const auto& g : b.kb.GroepLijst) kodes << QString::fromStdString(g.Kode);
    // The new account's group stands in its place at once.
    QCOMPARE(kodes, (QStringList{"-1", "1", "2", "3", "300", "450", "450a", "450b"}));
    const TBudget& lening = b.kb.GroepLijst[5];
    QCOMPARE(QString::fromStdString(lening.Naam), QString("Hypotheekper1-2-2026"));
    QCOMPARE(lening.Budget, -150000.0);
    QCOMPARE(QString::fromStdString(lening.Klasse), QString(" S"));
    QCOMPARE(QString::fromStdString(b.kb.GroepLijst[6].Naam), QString("Rente Hypotheek"));
    QCOMPARE(QString::fromStdString(b.kb.GroepLijst[7].Naam), QString("Aflossing Hypotheek"));
    QCOMPARE(QString::fromStdString(b.kb.GroepLijst[7].Klasse), QString(" U "));

    const TKas* boeking = nullptr;
    for (const TKas& k : b.kb.KasLijst)
      if (k.GroepKode == "450") boeking = &k;
    QVERIFY(boeking);
    QCOMPARE(boeking->RekNr, 3);
    QCOMPARE(boeking->VolgBlad, 1);
    QCOMPARE(QString::fromStdString(boeking->ActieKode), QString("DV"));
    QCOMPARE(boeking->Datum, MaakDatum(2026, 2, 1));
    QCOMPARE(QString::fromStdString(boeking->Relatie), QString("ABN AMRO"));
    QCOMPARE(boeking->Bedrag, -150000.0);
    QCOMPARE(QString::fromStdString(boeking->Omschrijving), QString("Saldo Hypotheek"));
    QCOMPARE(boeking->Munt, 0);
    QCOMPARE(boeking->BoekSoort, 0);
    QCOMPARE(boeking->Index, static_cast<int>(boeking - b.kb.KasLijst.data()));
  }

  void verwijderenMetJaEnMetNee() {
    Boek b;
    DialoogDoorWidgets d;
    TRekenForm f(b.kb, d);
    f.Open();
    auto* raster = Kind<TekstRaster>(f, "RekenGrid");
    auto* nav = Kind<Tnavigator>(f, "Rnavigator");

    // Nee to the transactions: they stay, the own group goes.
    b.berichten.Antwoord(antwoord::Ja);
    b.berichten.Antwoord(antwoord::Nee);
    raster->setCurrentCell(1, 1);
    nav->BtnClick(nbDelete);
    QCOMPARE(raster->rowCount(), 1);
    QCOMPARE(b.kb.MaxKas(), 2);
    QVERIFY(!b.kb.ZoekGroep("2").has_value());
    // The remaining account's totals: only its own transaction.
    const auto& totaal = b.kb.SaldoMatrix().back();
    QCOMPARE(totaal[1].Uit, -25.0);

    // Ja on another book: its transactions go and the book is written.
    Boek c;
    TRekenForm g(c.kb, d);
    g.Open();
    c.berichten.Antwoord(antwoord::Ja);
    c.berichten.Antwoord(antwoord::Ja);
    Kind<Tnavigator>(g, "Rnavigator")->BtnClick(nbDelete);
    QCOMPARE(c.kb.MaxRek(), 1);
    QCOMPARE(QString::fromStdString(c.kb.RekLijst[1].Naam), QString("Spaar"));
    QCOMPARE(c.kb.MaxKas(), 1);
    QCOMPARE(c.berichten.Teksten().back(), std::string("Totaal 1 Kasrecord(s) verwijderd"));
    QVERIFY(QFileInfo(QString::fromStdString((c.map / "Huis26.vdr").string())).size() > 0);
  }

  void tekstBestandMetNaamVan32Tekens() {
    Boek b;
    DialoogDoorWidgets d;
    TRekenForm f(b.kb, d);
    f.Open();
    auto* raster = Kind<TekstRaster>(f, "RekenGrid");
    Typ(raster, 1, 2, "Betaalrekening Postbank 12345678");
    b.berichten.Bestand("rekeningen.txt");
    QTest::mouseClick(Kind<QPushButton>(f, "BewaarBtn"), Qt::LeftButton);
    QFile bestand(QString::fromStdString((b.map / "rekeningen.txt").string()));
    QVERIFY(bestand.open(QIODevice::ReadOnly));
    const QList<QByteArray> regels = bestand.readAll().split('\n');
    QCOMPARE(regels[3], QByteArray("   REKENINGEN TABEL        Huis26\r"));
    QCOMPARE(regels[7], QByteArray("   1       Betaalrekening Postbank 12345678BTEur\r"));
    QCOMPARE(regels[8], QByteArray("   2       Spaar                      SP   Eur\r"));
  }

  void printenOpPdf() {
    Boek b;
    QTemporaryDir map;
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(map.filePath("rekeningen.pdf"));
    QtPrinter printer(std::move(pdf));
    b.kb.poorten.printer = printer;
    DialoogDoorWidgets d;
    TRekenForm f(b.kb, d);
    f.Open();
    QTest::mouseClick(Kind<QPushButton>(f, "PrintBtn"), Qt::LeftButton);
    QVERIFY(b.berichten.Teksten().empty());
    QFile bestand(map.filePath("rekeningen.pdf"));
    QVERIFY(bestand.open(QIODevice::ReadOnly));
    QVERIFY(bestand.readAll().startsWith("%PDF"));
  }

  void okBewaartEnSluitenVraagt() {
    Boek b;
    DialoogDoorWidgets d;
    TRekenForm f(b.kb, d);
    int gesloten = 0;
    connect(&f, &TRekenForm::Gesloten, this, [&gesloten] { ++gesloten; });
    f.Open();
    b.berichten.Antwoord(antwoord::Ja);
    f.close();
    QVERIFY(f.isVisible());
    QCOMPARE(b.berichten.Teksten().back(), std::string("Bestand nog redden\r gebruik dan Ok"));
    QTest::mouseClick(Kind<QPushButton>(f, "OkBtn"), Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QCOMPARE(gesloten, 1);
    QVERIFY(QFileInfo(QString::fromStdString((b.map / "Huis26.vdr").string())).size() > 0);
  }

  void soortLijstMetDubbelklik() {
    Boek b;
    DialoogDoorWidgets d;
    TRekenForm f(b.kb, d);
    f.Open();
    auto* raster = Kind<TekstRaster>(f, "RekenGrid");
    emit raster->cellDoubleClicked(0, 3);
    auto* lijst = Kind<QListWidget>(f, "SoortBox");
    QVERIFY(lijst->isVisible());
    QCOMPARE(lijst->currentItem()->text(), QString("BT betalingen"));
    lijst->setCurrentRow(4);
    QTest::keyClick(lijst, Qt::Key_Return);
    QVERIFY(!lijst->isVisible());
    QCOMPARE(QString::fromStdString(b.kb.RekLijst[1].Soort), QString("SP"));
    QCOMPARE(Cel(raster, 1, 3), QString("SP"));
  }

  void beheerderToontSaldiEnVoegtToe() {
    Boek b;
    DialoogDoorWidgets d;
    d.invoer = {"Kas", "", "", "12,50", "", ""};
    TRekbeheerForm f(b.kb, d);
    f.Begin();
    QCOMPARE(f.windowTitle(), QString("Rekeningen Overzicht"));
    auto* lijst = Kind<QListWidget>(f, "RekeningBox");
    QCOMPARE(lijst->count(), 2);
    QCOMPARE(lijst->item(0)->data(Qt::UserRole + 4).toString(), QString("-25,00"));
    QVERIFY(!Kind<QPushButton>(f, "OverzichtBtn")->isEnabled());
    QVERIFY(!Kind<QPushButton>(f, "GrafiekBtn")->isEnabled());
    QTest::mouseClick(Kind<QPushButton>(f, "NieuwBtn"), Qt::LeftButton);
    QCOMPARE(lijst->count(), 3);
    QCOMPARE(lijst->item(0)->data(Qt::UserRole + 1).toString(), QString("Kas"));
    QCOMPARE(lijst->item(0)->data(Qt::UserRole + 4).toString(), QString("12,50"));
    QCOMPARE(lijst->currentRow(), 0);
    QVERIFY(b.kb.ZoekGroep("3").has_value());
    b.berichten.Antwoord(antwoord::Ja);
    b.berichten.Antwoord(antwoord::Ja);
    QTest::mouseClick(Kind<QPushButton>(f, "VerwijderBtn"), Qt::LeftButton);
    QCOMPARE(lijst->count(), 2);
    QVERIFY(f.Beheer().Gewijzigd());
  }

  void beheerderOpentHetRekeningOverzicht() {
    Boek b;
    DialoogDoorWidgets d;
    TRekbeheerForm f(b.kb, d);
    int gevraagd = 0;
    QObject::connect(&f, &TRekbeheerForm::RapportGevraagd, [&gevraagd](int positie) { gevraagd = positie; });
    f.Begin();
    f.show();
    QVERIFY(Kind<QPushButton>(f, "OverzichtBtn")->isEnabled());
    QVERIFY2(!Kind<QPushButton>(f, "GrafiekBtn")->isEnabled(), "no chart window");
    Kind<QListWidget>(f, "RekeningBox")->setCurrentRow(1);
    QTest::mouseClick(Kind<QPushButton>(f, "OverzichtBtn"), Qt::LeftButton);
    QCOMPARE(gevraagd, 2);
    QVERIFY(!f.isVisible());
  }
};

QTEST_MAIN(TstRekeningen)
#include "tst_rekeningen.moc"
