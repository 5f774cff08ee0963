// The bank statement window walked with the keyboard: a line replaces its
// old transaction, one is skipped, a transfer on "xxxx" books its counter
// leg, one is split over sub-groups, and "&BreekAf" stops with the last line
// still listed.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "TestBoek.h"
#include "model/bankimport/VergelijkModel.h"
#include "model/core/Datum.h"
#include "model/core/Printer.h"
#include "model/core/SaldoMatrix.h"
#include "ui/bankimport/TAfschriftForm.h"
#include "ui/bankimport/TBegindatumDlg.h"
#include "ui/bankimport/TCompareForm.h"
#include "ui/bankimport/TSelectMutForm.h"
#include "Schermafdruk.h"

using namespace valdero;

namespace {

// Presses a button of the window the way a keyboard user does: focus, space.
void Druk(QWidget& venster, const QString& tekst) {
  for (QPushButton* k : venster.findChildren<QPushButton*>()) {
    if (k->text() != tekst) continue;
    k->setFocus();
    QTest::keyClick(k, Qt::Key_Space);
    return;
  }
  QFAIL(qPrintable("geen knop " + tekst));
}

struct Boek : test::BoekMetPoorten {
  test::TestMap map;
  Boek() : BoekMetPoorten(MaakDatum(2026, 3, 15)) {
    kb.sessie.Map = map.pad();
    test::VoegValutaToe(kb, "Eur", 1, true);
    test::VoegRekeningToe(kb, 1, "Betaal 123456789");
    test::VoegRekeningToe(kb, 2, "Spaar 987654321", "SP");
    test::VoegGroepToe(kb, "1", "Saldo Betaal", " C ");
    test::VoegGroepToe(kb, "2", "Saldo Spaar", " C ");
    test::VoegGroepToe(kb, "410", "Boodschappen");
    test::VoegGroepToe(kb, "410a", "Brood");
    test::VoegGroepToe(kb, "410b", "Kaas");
    test::VoegGroepToe(kb, "xxxx", "KRUISPOSTEN", " X ");
    TKas& k = test::VoegTransactieToe(kb, 1, "410", MaakDatum(2026, 3, 2), -12.5, "Brood");
    k.Relatie = "BAKKER JANSEN";
    k.ActieKode = "BA";
    k.BoekSoort = 2;
    test::MarkeerGelezen(kb);
    if (!BouwSaldoMatrix(kb).Gelukt()) qFatal("het testboek heeft een onbekende groep of rekening");
  }
};

const char* kBestand =
    "\"0123456789\",\"EUR\",20260302,\"D\",13.75,\"\",\"BAKKER JANSEN\",20260302,\"ba\",\"\",\"Brood\"\r\n"
    "\"0123456789\",\"EUR\",20260303,\"D\",20.00,\"\",\"SLAGER\",20260303,\"ba\",\"\",\"Vlees\"\r\n"
    "\"0123456789\",\"EUR\",20260304,\"D\",100.00,\"0987654321\",\"J DE VRIES\",20260304,\"tb\",\"\",\"Sparen\"\r\n"
    "\"0123456789\",\"EUR\",20260305,\"D\",12.50,\"\",\"BAKKER JANSEN\",20260305,\"ba\",\"\",\"brood 5,00 kaas 7,50\"\r\n"
    "\"0123456789\",\"EUR\",20260306,\"C\",50.00,\"\",\"WERKGEVER\",20260306,\"tb\",\"\",\"Bonus\"\r\n";

// The statement window with its comparison and selection windows, on a bank
// file `mut.txt` written into the book's folder.
struct AfschriftVenster {
  TCompareForm vergelijk;
  TSelectMutForm selectie;
  TAfschriftForm afschrift;
  explicit AfschriftVenster(Boek& boek, const std::string& bestand = kBestand)
      : afschrift(boek.kb, vergelijk, selectie, nullptr) {
    std::ofstream(boek.map.pad() / "mut.txt", std::ios::binary) << bestand;
  }
};

}  // namespace

class TstAfschrift : public QObject {
  Q_OBJECT
 private slots:
  void eenAfschriftMetHetToetsenbordDoorlopen();
  void printDruktDeLijstAf();
  void bewarenAlsKopieertHetBankbestand();
  void eenGroepMetSubgroepenTypenBiedtSplitsenAan_data();
  void eenGroepMetSubgroepenTypenBiedtSplitsenAan();
  void deLijstVolgtDeRun();
  void deValutakolomStaatZonderSchuifbalkInBeeld();
  void eenGetypteBegindatumWordtGenomenZoalsGetypt();
};

void TstAfschrift::eenAfschriftMetHetToetsenbordDoorlopen() {
  Boek boek;
  boek.kb.sessie.KasPad = (boek.map.pad() / "Afschr26.vdr").string();
  AfschriftVenster venster(boek);
  auto& [vergelijk, selectie, afschrift] = venster;
  QVERIFY(afschrift.LeesBestand(0, "mut.txt"));
  afschrift.NeemOver(MaakDatum(2026, 3, 1));
  afschrift.Afstemmer()->ZetBewaarder([] {});
  QCOMPARE(afschrift.Raster()->rowCount(), 5);
  QCOMPARE(afschrift.Raster()->item(0, 3)->text(), QStringLiteral("BAKKER JANSEN"));
  QCOMPARE(afschrift.Raster()->item(2, 5)->text(), QStringLiteral(" AF"));
  test::Afdruk(afschrift, "afschrift");
  boek.berichten.Wis();

  // One keyboard action per showing of the comparison window.
  std::vector<std::function<void()>> acties = {
      [&] {  // line 1: the same baker, another amount: replace
        QCOMPARE(vergelijk.windowTitle(), QStringLiteral("Vergelijk transactie"));
        test::Afdruk(vergelijk, "vergelijk_modus1");
        Druk(vergelijk, QStringLiteral("&Vervangen"));
      },
      [&] {  // line 2: nobody known: skip
        QCOMPARE(vergelijk.windowTitle(), QStringLiteral("Invoer transactie"));
        auto* groep = qobject_cast<QComboBox*>(vergelijk.VeldWidget(VergelijkModel::Groep));
        QCOMPARE(groep->currentText(), QStringLiteral("nnnn  Nomen Nescio"));
        test::Afdruk(vergelijk, "vergelijk_modus0");
        Druk(vergelijk, QStringLiteral("&Overslaan"));
      },
      [&] {  // line 3: to the savings account: insert on xxxx
        auto* groep = qobject_cast<QComboBox*>(vergelijk.VeldWidget(VergelijkModel::Groep));
        QVERIFY(groep->currentText().startsWith(QStringLiteral("xxxx")));
        boek.berichten.Antwoord(antwoord::Ja);  // the counter leg
        Druk(vergelijk, QStringLiteral("&Invoeren"));
      },
      [&] {  // line 4: Enter in the group field offers the split
        boek.berichten.Antwoord(antwoord::Ja);   // split
        boek.berichten.Antwoord(antwoord::Nee);  // not on Boodschappen itself
        boek.berichten.Antwoord(antwoord::Ja);   // Brood
        boek.berichten.Antwoord(antwoord::Nee);  // not on Kaas
        auto* groep = qobject_cast<QComboBox*>(vergelijk.VeldWidget(VergelijkModel::Groep));
        groep->setFocus();
        QTest::keyClick(groep->lineEdit(), Qt::Key_Return);
      },
      [&] {  // the split item Brood: insert
        QCOMPARE(vergelijk.windowTitle(), QStringLiteral("Gesplitste transactie"));
        Druk(vergelijk, QStringLiteral("&Invoeren"));
      },
      [&] {  // line 5: stop
        Druk(vergelijk, QStringLiteral("&BreekAf"));
      },
  };
  std::size_t volgende = 0;
  connect(&vergelijk, &TCompareForm::Getoond, this, [&] {
    QTimer::singleShot(0, &vergelijk, [&] {
      if (volgende < acties.size()) acties[volgende++]();
      else vergelijk.reject();
    });
  });
  Druk(afschrift, QStringLiteral("Rekening bijwerken"));

  QCOMPARE(volgende, acties.size());
  // Replaced, the transfer and its counter leg, one split item. (The old
  // Rabobank layout ends a short description with a blank.)
  QCOMPARE(boek.kb.MaxKas(), 4);
  QCOMPARE(boek.kb.KasLijst[1].Bedrag, -13.75);
  bool tegen = false;
  bool brood = false;
  for (int i = 1; i <= boek.kb.MaxKas(); ++i) {
    const TKas& k = boek.kb.KasLijst[static_cast<std::size_t>(i)];
    if (k.RekNr == 2 && k.Bedrag == 100 && k.Omschrijving == "Overboeken v.Sparen ") tegen = true;
    if (k.GroepKode == "410a" && k.Bedrag == -7.5) brood = true;
  }
  QVERIFY(tegen);
  QVERIFY(brood);
  const auto teksten = boek.berichten.Teksten();
  QVERIFY(std::find(teksten.begin(), teksten.end(), "Som v. Subbedragen = -7,50\rSom totaal moet zijn   = -12,50") !=
          teksten.end());
  // The stopped line stays listed, below the four dealt with.
  QCOMPARE(afschrift.Raster()->rowCount(), 5);
  QCOMPARE(afschrift.Raster()->item(0, 0)->text(), QStringLiteral("vervangen"));
  QCOMPARE(afschrift.Raster()->item(1, 0)->text(), QStringLiteral("overgeslagen"));
  QCOMPARE(afschrift.Raster()->item(2, 0)->text(), QStringLiteral("geboekt"));
  QCOMPARE(afschrift.Raster()->item(3, 0)->text(), QStringLiteral("gesplitst"));
  QCOMPARE(afschrift.Raster()->item(4, 3)->text(), QStringLiteral("WERKGEVER"));
  QCOMPARE(afschrift.Raster()->currentRow(), 4);
}

// "Print" puts the list on the printer of the book's printer port.
void TstAfschrift::printDruktDeLijstAf() {
  struct Opname : VastePrinter {
    std::vector<std::string> teksten;
    int documenten = 0;
    bool BeginDocument(const std::string&) override {
      ++documenten;
      return true;
    }
    void Tekst(int, int, const std::string& t) override { teksten.push_back(t); }
  } printer;
  Boek boek;
  boek.kb.poorten.printer = printer;
  AfschriftVenster venster(boek);
  auto& [vergelijk, selectie, afschrift] = venster;
  QVERIFY(afschrift.LeesBestand(0, "mut.txt"));
  afschrift.NeemOver(MaakDatum(2026, 3, 1));

  Druk(afschrift, QStringLiteral("Print"));
  QCOMPARE(printer.documenten, 1);
  QVERIFY(printer.teksten.size() > 10);
  QCOMPARE(QString::fromStdString(printer.teksten[0]), QStringLiteral("Betaal 123456789"));
  QCOMPARE(QString::fromStdString(printer.teksten[2]), QStringLiteral("Index"));
  QCOMPARE(QString::fromStdString(printer.teksten[13]), QStringLiteral("BAKKER JANSEN"));
  QCOMPARE(QString::fromStdString(printer.teksten.back()), QStringLiteral("Eur"));
}

// "Mutaties Bewaren als...": the downloaded file stays where it was.
void TstAfschrift::bewarenAlsKopieertHetBankbestand() {
  Boek boek;
  AfschriftVenster venster(boek);
  auto& [vergelijk, selectie, afschrift] = venster;
  QVERIFY(afschrift.LeesBestand(0, "mut.txt"));
  boek.berichten.Wis();
  boek.berichten.Antwoord(antwoord::Ja);
  boek.berichten.Bestand(std::string("bewaard.txt"));
  afschrift.BewaarBankbestandAls();
  QVERIFY(std::filesystem::exists(boek.map.pad() / "mut.txt"));
  QVERIFY(std::filesystem::exists(boek.map.pad() / "bewaard.txt"));
  std::ifstream kopie(boek.map.pad() / "bewaard.txt", std::ios::binary);
  QCOMPARE(std::string(std::istreambuf_iterator<char>(kopie), {}), std::string(kBestand));
  QCOMPARE(QString::fromStdString(boek.berichten.Teksten().back()), QStringLiteral("mut.txt bewaart als: bewaard.txt"));
}

// Typing a group that has sub-groups over the proposed one and leaving the
// field with Enter or Tab offers the split.
void TstAfschrift::eenGroepMetSubgroepenTypenBiedtSplitsenAan_data() {
  QTest::addColumn<int>("toets");
  QTest::newRow("Enter") << int(Qt::Key_Return);
  QTest::newRow("Tab") << int(Qt::Key_Tab);
}

void TstAfschrift::eenGroepMetSubgroepenTypenBiedtSplitsenAan() {
  QFETCH(int, toets);
  Boek boek;
  // The slager's line: nobody known, the group proposed is "nnnn".
  AfschriftVenster venster(
      boek, "\"0123456789\",\"EUR\",20260303,\"D\",20.00,\"\",\"SLAGER\",20260303,\"ba\",\"\",\"Vlees\"\r\n");
  auto& [vergelijk, selectie, afschrift] = venster;
  QVERIFY(afschrift.LeesBestand(0, "mut.txt"));
  afschrift.NeemOver(MaakDatum(2026, 3, 1));
  afschrift.Afstemmer()->ZetBewaarder([] {});
  boek.berichten.Wis();
  boek.berichten.standaardAntwoord = antwoord::Nee;
  bool gevraagd = false;
  int getoond = 0;
  connect(&vergelijk, &TCompareForm::Getoond, this, [&] {
    QTimer::singleShot(0, &vergelijk, [&] {
      if (++getoond > 1) {
        vergelijk.reject();
        return;
      }
      auto* groep = qobject_cast<QComboBox*>(vergelijk.VeldWidget(VergelijkModel::Groep));
      // Keys go where a person's keys go: to the widget that has the focus.
      groep->setFocus();
      groep->lineEdit()->selectAll();
      QWidget* doel = QApplication::focusWidget() ? QApplication::focusWidget() : groep;
      QTest::keyClicks(doel, QStringLiteral("410"));
      QTest::keyClick(doel, static_cast<Qt::Key>(toets));
      const auto teksten = boek.berichten.Teksten();
      gevraagd = std::find(teksten.begin(), teksten.end(), "Transactie opsplitsen en verdelen ") != teksten.end();
      if (vergelijk.isVisible()) vergelijk.reject();
    });
  });
  Druk(afschrift, QStringLiteral("Rekening bijwerken"));
  QVERIFY(gevraagd);
}

// While the comparison window is open, the statement list shows the line it
// is about selected and the lines dealt with above it, with their outcome;
// debits carry a minus whatever the layout.
void TstAfschrift::deLijstVolgtDeRun() {
  Boek boek;
  AfschriftVenster venster(boek);
  auto& [vergelijk, selectie, afschrift] = venster;
  QVERIFY(afschrift.LeesBestand(0, "mut.txt"));
  afschrift.NeemOver(MaakDatum(2026, 3, 1));
  afschrift.Afstemmer()->ZetBewaarder([] {});
  QCOMPARE(afschrift.Raster()->item(1, 6)->text(), QStringLiteral("  -20,00"));
  QCOMPARE(afschrift.Raster()->item(4, 6)->text(), QStringLiteral("  50,00"));
  boek.berichten.standaardAntwoord = antwoord::Nee;
  int getoond = 0;
  QStringList huidig, eerste;
  bool breedFout = false;
  connect(&vergelijk, &TCompareForm::Getoond, this, [&] {
    QTimer::singleShot(0, &vergelijk, [&] {
      ++getoond;
      QTableWidget* r = afschrift.Raster();
      huidig << r->item(r->currentRow(), 3)->text();
      eerste << r->item(0, 0)->text();
      // The outcome column widens the grid; the window follows.
      const int rechts = r->horizontalHeader()->sectionViewportPosition(7) + r->columnWidth(7);
      if (rechts > r->viewport()->width()) breedFout = true;
      if (getoond == 3) {
        test::Afdruk(afschrift, "afschrift_tijdens_run");
        test::Afdruk(vergelijk, "vergelijk_tijdens_run");
        Druk(vergelijk, QStringLiteral("&BreekAf"));
      } else {
        Druk(vergelijk, QStringLiteral("&Overslaan"));
      }
    });
  });
  Druk(afschrift, QStringLiteral("Rekening bijwerken"));
  QCOMPARE(getoond, 3);
  QCOMPARE(huidig, (QStringList{"BAKKER JANSEN", "SLAGER", "J DE VRIES"}));
  QCOMPARE(eerste, (QStringList{"1", "overgeslagen", "overgeslagen"}));
  QVERIFY(!breedFout);
  // After the stop: two lines dealt with, three left, the first of them current.
  QCOMPARE(afschrift.Raster()->rowCount(), 5);
  QCOMPARE(afschrift.Raster()->currentRow(), 2);
  QCOMPARE(afschrift.Raster()->item(2, 3)->text(), QStringLiteral("J DE VRIES"));
}

// Every column, the currency last, fits in the window.
void TstAfschrift::deValutakolomStaatZonderSchuifbalkInBeeld() {
  Boek boek;
  AfschriftVenster venster(boek);
  auto& [vergelijk, selectie, afschrift] = venster;
  QVERIFY(afschrift.LeesBestand(0, "mut.txt"));
  afschrift.NeemOver(MaakDatum(2026, 3, 1));
  QVERIFY(QTest::qWaitForWindowExposed(&afschrift));
  test::Afdruk(afschrift, "afschrift_valuta");
  QTableWidget* r = afschrift.Raster();
  QVERIFY(!r->horizontalScrollBar()->isVisible());
  const int rechts = r->horizontalHeader()->sectionViewportPosition(7) + r->columnWidth(7);
  QVERIFY2(rechts <= r->viewport()->width(), qPrintable(QString("%1 > %2").arg(rechts).arg(r->viewport()->width())));
}

// "Kies Begindatum" takes the date as typed, also one of another year.
void TstAfschrift::eenGetypteBegindatumWordtGenomenZoalsGetypt() {
  Boek boek;
  StartDatumVoorstel v;
  v.vroegst = MaakDatum(2014, 12, 30);
  v.laatst = MaakDatum(2026, 12, 11);
  v.voorstel = MaakDatum(2026, 12, 11);
  TBegindatumDlg dlg(boek.kb, v);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  dlg.Veld()->selectAll();
  QTest::keyClicks(dlg.Veld(), QStringLiteral("30-12-2014"));
  QTest::keyClick(dlg.Veld(), Qt::Key_Return);
  QVERIFY(dlg.Datum().has_value());
  QCOMPARE(*dlg.Datum(), MaakDatum(2014, 12, 30));
  QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TstAfschrift)
#include "tst_afschrift.moc"
