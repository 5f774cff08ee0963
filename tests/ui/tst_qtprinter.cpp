// The printer port on the platform's printer, measured on a PDF printer (no
// printer is installed where the tests run), and the fixed measures that
// stand in when the system has no printer at all.
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "model/storage/ConfigBestand.h"
#include "model/core/Datum.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/Kasboek.h"
#include "model/core/Klok.h"
#include "ui/widgets/QtPrinter.h"

using namespace valdero;

class TstQtPrinter : public QObject {
  Q_OBJECT
 private slots:
  void metenOpPdf();
  void drukkenOpPdf();
  void dezelfdeMatenOpElkeResolutie();
  void zonderPrinterVasteMaten();
};

void TstQtPrinter::metenOpPdf() {
  QTemporaryDir map;
  QtPrinter printer(PdfPrinter(map.filePath("meet.pdf")));
  printer.ZetFont("MS Sans Serif", 10);
  const int staand = printer.PaginaBreedte();
  QVERIFY(staand > 0);
  QVERIFY(printer.PaginaHoogte() > staand);
  QVERIFY(printer.TekstHoogte("Ag") > 0);
  const int kort = printer.TekstBreedte("Saldo");
  QVERIFY(kort > 0);
  QVERIFY(printer.TekstBreedte("Saldo van de rekening") > kort);
  // A larger font measures larger.
  const int hoog = printer.TekstHoogte("Ag");
  printer.ZetFont("MS Sans Serif", 20);
  QVERIFY(printer.TekstHoogte("Ag") > hoog);
  QCOMPARE(printer.FontGrootte(), 20);
  QCOMPARE(QString::fromStdString(printer.FontNaam()), QString("MS Sans Serif"));

  printer.ZetLiggend(true);
  QCOMPARE(printer.PaginaHoogte() < printer.PaginaBreedte(), true);

  // The book's measures follow: a line is 1.2 font heights, a page of A4
  // (203 mm printable) holds its pixels per centimetre.
  BoekMetPoorten boek(MaakDatum(2026, 3, 15));
  Kasboek& kb = boek.kb;
  kb.poorten.printer = printer;
  printer.ZetLiggend(false);
  MeetPrinter(kb, true);
  QCOMPARE(kb.weergave.PrinterRegelHoogte, qRound(printer.TekstHoogte("x") * 1.2));
  QCOMPARE(kb.weergave.PixelsPerCm, staand * 10 / 203);
  QVERIFY(kb.weergave.PaginaRegels > 40);
  QVERIFY(kb.weergave.TekenBreedte > 1);
}

void TstQtPrinter::drukkenOpPdf() {
  QTemporaryDir map;
  const QString pad = map.filePath("lijst.pdf");
  QtPrinter printer(PdfPrinter(pad));
  QVERIFY(printer.BeginDocument("Rekeningen"));
  printer.Tekst(100, 100, "Rekeningen Overzicht");
  printer.Lijn(100, 300, 2000, 300);
  printer.NieuwePagina();
  printer.Tekst(100, 100, "Pagina: 2");
  printer.EindDocument();
  QFile pdf(pad);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  const QByteArray inhoud = pdf.readAll();
  QVERIFY(inhoud.startsWith("%PDF"));
  QCOMPARE(inhoud.count("/Type /Page\n") + inhoud.count("/Type /Page\r") + inhoud.count("/Type /Page "), 2);
}

// A configuration's printer pixels mean the same on every printer (1/600
// inch), so margins and line heights made on one fit the next.
void TstQtPrinter::dezelfdeMatenOpElkeResolutie() {
  QTemporaryDir map;
  auto hoog = PdfPrinter(map.filePath("hoog.pdf"));
  auto laag = PdfPrinter(map.filePath("laag.pdf"));
  laag->setResolution(300);
  QVERIFY(hoog->resolution() > laag->resolution());
  QtPrinter a(std::move(hoog));
  QtPrinter b(std::move(laag));
  QVERIFY(std::abs(a.PaginaBreedte() - b.PaginaBreedte()) <= 2);
  QVERIFY(std::abs(a.PaginaHoogte() - b.PaginaHoogte()) <= 2);
  QVERIFY(std::abs(a.TekstHoogte("Ag") - b.TekstHoogte("Ag")) <= 2);
  // Widths within a twentieth: a font is hinted a little differently at 300
  // per inch.
  const int breed = a.TekstBreedte("Saldo van de rekening");
  QVERIFY2(std::abs(breed - b.TekstBreedte("Saldo van de rekening")) <= breed / 20,
           qPrintable(QString("%1 and %2").arg(breed).arg(b.TekstBreedte("Saldo van de rekening"))));
  // A 10-point font: 10/72 inch is 83 of them, the font a little higher.
  QVERIFY2(a.TekstHoogte("Ag") >= 83 && a.TekstHoogte("Ag") <= 130, qPrintable(QString::number(a.TekstHoogte("Ag"))));
  // A4 is 210 mm wide, 4961 of them, less the printer's own margins.
  QVERIFY(a.PaginaBreedte() > 4000 && a.PaginaBreedte() <= 4961);
}

void TstQtPrinter::zonderPrinterVasteMaten() {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("this machine has a printer");
  QtPrinter printer;
  QVERIFY(printer.Printers().empty());
  VastePrinter vast;
  QCOMPARE(printer.PaginaBreedte(), vast.PaginaBreedte());
  QCOMPARE(printer.TekstHoogte("Ag"), vast.TekstHoogte("Ag"));
  // Nothing to print on: the caller reports it, nothing claims success.
  QVERIFY(!printer.BeginDocument("Rekeningen"));

  BoekMetPoorten boek(MaakDatum(2026, 3, 15));
  Kasboek& kb = boek.kb;
  kb.poorten.printer = printer;
  MeetPrinter(kb, true);
  QCOMPARE(kb.weergave.PrinterRegelHoogte, 115);
  QVERIFY(kb.weergave.PaginaRegels > 0);
  QVERIFY(kb.weergave.PixelsPerCm > 0);
}

QTEST_MAIN(TstQtPrinter)
#include "tst_qtprinter.moc"
