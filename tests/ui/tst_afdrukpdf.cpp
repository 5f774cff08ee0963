// Every printout of the example year on a PDF file, read back with pdftotext:
// the texts of the rows come out whole, no two texts lie over each other (so
// no two lines share a baseline and no column runs into the next), and the
// pages follow the rows. The configuration is one made on another printer,
// with a line height far below the font's. Also the print preview that
// "Afdrukken" opens where the system's printer is used: its pages, and the
// PDF saved from it.
#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <functional>
#include <memory>

#include "TestBoek.h"
#include "model/accounts/RekeningDialoog.h"
#include "model/accounts/RekeningTabel.h"
#include "model/charts/GrafiekModel.h"
#include "model/core/Records.h"
#include "model/example/VoorbeeldBoek.h"
#include "model/groups/GroepTabel.h"
#include "model/relations/RelatieVenster.h"
#include "model/reports/BtwRapport.h"
#include "model/reports/GroepRapport.h"
#include "model/reports/RapportAfdruk.h"
#include "model/reports/RapportModel.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/ReportSelection.h"
#include "ui/charts/GrafiekTekening.h"
#include "ui/reports/TOutputForm.h"
#include "ui/widgets/QtPrinter.h"

using namespace valdero;

namespace {

struct Woord {
  int pagina;
  double x0, y0, x1, y1;
  QString tekst;
};

struct Pdf {
  std::vector<Woord> woorden;
  int paginas = 0;
  QString tekst;  // pdftotext's reading of the pages, one line per line
};

Pdf Lees(const QString& pad) {
  Pdf pdf;
  QProcess p;
  p.start("pdftotext", {"-bbox", pad, "-"});
  p.waitForFinished(60000);
  QXmlStreamReader xml(p.readAllStandardOutput());
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("page")) ++pdf.paginas;
    if (xml.name() != QLatin1String("word")) continue;
    const auto a = xml.attributes();
    Woord w{pdf.paginas, a.value("xMin").toDouble(), a.value("yMin").toDouble(), a.value("xMax").toDouble(),
            a.value("yMax").toDouble(), {}};
    w.tekst = xml.readElementText();
    pdf.woorden.push_back(w);
  }
  QProcess t;
  t.start("pdftotext", {"-layout", pad, "-"});
  t.waitForFinished(60000);
  pdf.tekst = QString::fromUtf8(t.readAllStandardOutput());
  return pdf;
}

// Two texts that cover each other by more than a hair, or "" when none do.
QString Overlap(const Pdf& pdf) {
  constexpr double kHaar = 0.3;  // points
  for (std::size_t i = 0; i < pdf.woorden.size(); ++i)
    for (std::size_t j = i + 1; j < pdf.woorden.size(); ++j) {
      const Woord& a = pdf.woorden[i];
      const Woord& b = pdf.woorden[j];
      if (a.pagina != b.pagina) continue;
      const double breed = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
      const double hoog = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
      if (breed > kHaar && hoog > kHaar)
        return QString("'%1' and '%2' on page %3").arg(a.tekst, b.tekst).arg(a.pagina);
    }
  return {};
}

// The example year with the configuration the example book used to bring:
// a line height of 48 printer pixels for a 10-point font.
struct VoorbeeldJaar {
  test::BoekMetPoorten boek{MaakDatum(2026, 6, 15)};
  Kasboek& kb = boek.kb;
  ReportSelection selectie;
  QTemporaryDir map;
  std::unique_ptr<QtPrinter> pdf;
  QString pad;

  VoorbeeldJaar() {
    MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = 200});
    kb.Config.RegelHoogte = 48;
  }
  // A fresh PDF file as the book's printer.
  Printer& NieuwePdf(const QString& naam) {
    pad = map.filePath(naam + ".pdf");
    pdf = std::make_unique<QtPrinter>(PdfPrinter(pad));
    kb.poorten.printer = *pdf;
    return *pdf;
  }
};

// With VALDERO_SCHERMAFDRUK set to a folder, the first pages are saved there
// as pictures for a person to look at.
void Pagina(const QString& pdf, const QString& naam) {
  const QByteArray map = qgetenv("VALDERO_SCHERMAFDRUK");
  if (map.isEmpty()) return;
  QProcess::execute("pdftoppm", {"-png", "-r", "60", "-f", "1", "-l", "2", pdf,
                                 QString::fromLocal8Bit(map) + "/afdruk-" + naam});
}

void Bekijk(QWidget& w, const char* naam) {
  const QByteArray map = qgetenv("VALDERO_SCHERMAFDRUK");
  if (map.isEmpty()) return;
  QCoreApplication::processEvents();
  w.grab().save(QString::fromLocal8Bit(map) + "/" + naam + ".png");
}

// Whether every text of `cellen` that the printout never cuts (amounts and
// dates: they are what a reader checks) is in the PDF's text.
bool Bevat(const Pdf& pdf, const QString& cel) { return pdf.tekst.contains(cel.trimmed()); }

}  // namespace

class TstAfdrukPdf : public QObject {
  Q_OBJECT
 private slots:
  void pdftotextIsInstalled();
  void rapportenLeesbaar_data();
  void rapportenLeesbaar();
  void groepOverzichtLeesbaar();
  void lijstenLeesbaar();
  void grafiekOpEenPagina();
  void paginasVolgenDeRijen();
  void voorbeeldOpentZonderPrinterEnBewaartPdf();
  void mislukteAfdrukZegtHet();
};

void TstAfdrukPdf::pdftotextIsInstalled() {
  QProcess p;
  p.start("pdftotext", {"-v"});
  QVERIFY2(p.waitForFinished(10000), "pdftotext (poppler-utils) is needed");
}

void TstAfdrukPdf::rapportenLeesbaar_data() {
  QTest::addColumn<int>("soort");
  QTest::addColumn<QString>("kode");
  QTest::newRow("rekening") << 1 << "1";
  QTest::newRow("groep") << 5 << "310";
  QTest::newRow("samengesteld") << 6 << "310";
  QTest::newRow("klassen") << 10 << "";
  QTest::newRow("budget") << 11 << "";
  QTest::newRow("balans") << 21 << "";
  QTest::newRow("saldi") << 31 << "";
}

void TstAfdrukPdf::rapportenLeesbaar() {
  QFETCH(int, soort);
  QFETCH(QString, kode);
  VoorbeeldJaar j;
  j.kb.Config.Vlaggen |= vlag::PaginaNummers | vlag::KopElkePagina;
  RapportModel model(j.kb, j.selectie);
  BereidSelectieVoor(j.kb, j.selectie, soort);
  if (VraagVoor(soort) == SelectieVraag::Klassen) KiesAlleKlassen(j.kb, j.selectie);
  if (VraagVoor(soort) == SelectieVraag::Soorten) KiesAlleSoorten(j.kb, j.selectie);
  int index = 0;
  if (soort == 1) index = j.kb.ZoekRekening(kode.toInt()).value();
  if (soort == 5 || soort == 6) index = j.kb.ZoekGroep(kode.toStdString()).value();
  QVERIFY(model.ShowReport(soort, index));
  Printer& p = j.NieuwePdf(QString("rapport-%1").arg(soort));
  QVERIFY(model.Print(p, model.Tabel().breedtes));
  const Pdf pdf = Lees(j.pad);
  Pagina(j.pad, QString("rapport-%1").arg(soort));
  QVERIFY(pdf.paginas >= 1);
  QCOMPARE(Overlap(pdf), QString());
  // Every row's amounts and dates, whole.
  for (const RapportRij& rij : model.Tabel().rijen)
    for (const std::string& cel : rij.cellen) {
      const QString c = QString::fromStdString(cel).trimmed();
      const bool bedragOfDatum = !c.isEmpty() && c.at(c.size() - 1).isDigit() &&
                                 (c.contains(',') || c.count('-') == 2) && !c.contains(' ');
      if (bedragOfDatum) QVERIFY2(Bevat(pdf, c), qPrintable(c));
    }
  QVERIFY(pdf.tekst.contains("Datum : 15-06-2026"));
}

void TstAfdrukPdf::groepOverzichtLeesbaar() {
  VoorbeeldJaar j;
  GroepRapportModel model(j.kb);
  QVERIFY(model.Toon(groeprapport::GroepAlle, 0, j.kb.ZoekGroep("310").value()));
  QVERIFY(model.Print(j.NieuwePdf("groep"), model.Tabel().breedtes));
  const Pdf pdf = Lees(j.pad);
  Pagina(j.pad, "groep");
  QCOMPARE(Overlap(pdf), QString());
  for (const RapportRij& rij : model.Tabel().rijen) QVERIFY(Bevat(pdf, QString::fromStdString(rij.cellen.at(3))));
  QVERIFY(Bevat(pdf, QString::fromStdString(model.Tabel().totaal.tekst)));
}

void TstAfdrukPdf::lijstenLeesbaar() {
  struct Lijst {
    const char* naam;
    std::function<bool(VoorbeeldJaar&)> druk;
    const char* verwacht;
  };
  const Lijst lijsten[] = {
      {"rekeningen",
       [](VoorbeeldJaar& j) {
         struct Geen : RekeningDialoogVoerder {
           void Voer(RekeningDialoog&) override {}
         } geen;
         RekeningDialoog dialoog(j.kb, geen);
         RekeningTabel tabel(j.kb, dialoog, [](Kasboek&) {}, [](Kasboek&) {});
         tabel.Open();
         return tabel.Print();
       },
       "TRANSFER REKENING"},
      {"groepen",
       [](VoorbeeldJaar& j) {
         GroepTabel tabel(j.kb, [](Kasboek&) {}, [](Kasboek&) {});
         return tabel.Open(1) && tabel.Print();
       },
       "KRUISPOSTEN"},
      {"begroting",
       [](VoorbeeldJaar& j) {
         GroepTabel tabel(j.kb, [](Kasboek&) {}, [](Kasboek&) {});
         return tabel.Open(2) && tabel.Print();
       },
       "KRUISPOSTEN"},
      {"btw",
       [](VoorbeeldJaar& j) {
         const RapportTabel tabel = BtwTabel(j.kb, BouwBtwRapport(j.kb, 0));
         return PrintBtwRapport(j.kb, j.kb.printer(), tabel);
       },
       "TOTAAL"},
      {"relaties",
       [](VoorbeeldJaar& j) {
         RelatieVenster venster(j.kb);
         return venster.Open() && venster.Afdrukken();
       },
       nullptr},
  };
  for (const Lijst& l : lijsten) {
    VoorbeeldJaar j;
    j.NieuwePdf(l.naam);
    QVERIFY2(l.druk(j), l.naam);
    const Pdf pdf = Lees(j.pad);
    Pagina(j.pad, l.naam);
    QVERIFY2(Overlap(pdf).isEmpty(), qPrintable(QString(l.naam) + ": " + Overlap(pdf)));
    if (l.verwacht) QVERIFY2(pdf.tekst.contains(l.verwacht), l.naam);
    QVERIFY2(pdf.woorden.size() > 20, l.naam);
  }
}

void TstAfdrukPdf::grafiekOpEenPagina() {
  VoorbeeldJaar j;
  BereidSelectieVoor(j.kb, j.selectie, RapportSoortVan(101));
  GrafiekModel model(j.kb, j.selectie);
  QVERIFY(model.ShowChart(101, j.kb.ZoekRekening(1).value()));
  const QImage beeld = GrafiekBeeld(model.Huidig(), ',');
  QVERIFY(model.Print(j.NieuwePdf("grafiek"), PngBytes(beeld).toStdString(), beeld.width(), beeld.height()));
  Pagina(j.pad, "grafiek");
  const Pdf pdf = Lees(j.pad);
  QCOMPARE(pdf.paginas, 1);
  QFile bestand(j.pad);
  QVERIFY(bestand.size() > 10000);  // the picture is in it
}

// Four times the transactions, four times the pages; every row's amount on
// some page.
void TstAfdrukPdf::paginasVolgenDeRijen() {
  std::vector<int> paginas, rijen;
  for (int transacties : {100, 400}) {
    test::BoekMetPoorten boek(MaakDatum(2026, 6, 15));
    MaakVoorbeeldBoek(boek.kb, {.jaar = 2026, .transacties = transacties});
    ReportSelection selectie;
    RapportModel model(boek.kb, selectie);
    BereidSelectieVoor(boek.kb, selectie, 1);
    QVERIFY(model.ShowReport(1, boek.kb.ZoekRekening(1).value()));
    QTemporaryDir map;
    QtPrinter pdf(PdfPrinter(map.filePath("r.pdf")));
    QVERIFY(model.Print(pdf, model.Tabel().breedtes));
    const Pdf gelezen = Lees(map.filePath("r.pdf"));
    QCOMPARE(Overlap(gelezen), QString());
    paginas.push_back(gelezen.paginas);
    rijen.push_back(static_cast<int>(model.Tabel().rijen.size()));
    for (const RapportRij& rij : model.Tabel().rijen)
      QVERIFY(gelezen.tekst.contains(QString::fromStdString(rij.cellen.at(4)).trimmed()));
  }
  QVERIFY(rijen[1] > 2 * rijen[0]);
  // One number of rows per page gives both page counts (give or take the
  // heading's lines on the first page).
  bool eenMaat = false;
  for (int perPagina = 10; perPagina < 200 && !eenMaat; ++perPagina) {
    auto klopt = [perPagina](int r, int p) { return std::abs((r + perPagina - 1) / perPagina - p) <= 1; };
    eenMaat = klopt(rijen[0], paginas[0]) && klopt(rijen[1], paginas[1]);
  }
  QVERIFY2(paginas[1] > paginas[0] && eenMaat,
           qPrintable(QString("%1 rows on %2 pages, %3 on %4").arg(rijen[0]).arg(paginas[0]).arg(rijen[1]).arg(paginas[1])));
}

void TstAfdrukPdf::voorbeeldOpentZonderPrinterEnBewaartPdf() {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("this machine has a printer");
  test::BoekMetPoorten boek(MaakDatum(2026, 6, 15));
  Kasboek& kb = boek.kb;
  MaakVoorbeeldBoek(kb, {.jaar = 2026, .transacties = 400});
  QtPrinter systeem;  // no printer installed: the preview offers the PDF
  kb.poorten.printer = systeem;
  ReportSelection selectie;
  TOutputForm form(kb, selectie);
  BereidSelectieVoor(kb, selectie, 1);
  QVERIFY(form.ShowReport(1, kb.ZoekRekening(1).value()));
  QPushButton* print = nullptr;
  for (QPushButton* k : form.findChildren<QPushButton*>())
    if (k->text() == "&Print") print = k;
  QVERIFY(print);
  QTest::mouseClick(print, Qt::LeftButton);
  auto* voorbeeld = form.findChild<QPrintPreviewDialog*>("AfdrukVoorbeeld");
  QVERIFY(voorbeeld);
  QTRY_VERIFY(voorbeeld->isVisible());
  auto* pagina = voorbeeld->findChild<QPrintPreviewWidget*>();
  QVERIFY(pagina);
  QTRY_VERIFY(pagina->pageCount() > 1);
  voorbeeld->resize(1000, 760);
  Bekijk(*voorbeeld, "afdrukvoorbeeld");

  QTemporaryDir map;
  const QString pad = map.filePath("overzicht.pdf");
  boek.berichten.Bestand(pad.toStdString());
  auto* pdfActie = voorbeeld->findChild<QAction*>("PdfActie");
  QVERIFY(pdfActie);
  pdfActie->trigger();
  const Pdf pdf = Lees(pad);
  QCOMPARE(pdf.paginas, pagina->pageCount());
  QCOMPARE(Overlap(pdf), QString());
  QVERIFY(pdf.tekst.contains("Datum : 15-06-2026"));
  QVERIFY(boek.berichten.Teksten().empty());
  voorbeeld->close();
}

// A PDF that cannot be written says so, and nothing claims it printed.
void TstAfdrukPdf::mislukteAfdrukZegtHet() {
  VoorbeeldJaar j;
  QtPrinter onschrijfbaar(PdfPrinter(j.map.filePath("geen/map/hier.pdf")));
  j.kb.poorten.printer = onschrijfbaar;
  struct Geval {
    const char* naam;
    std::function<bool()> druk;
  };
  RapportModel rapport(j.kb, j.selectie);
  BereidSelectieVoor(j.kb, j.selectie, 1);
  QVERIFY(rapport.ShowReport(1, j.kb.ZoekRekening(1).value()));
  GroepRapportModel groep(j.kb);
  QVERIFY(groep.Toon(groeprapport::GroepAlle, 0, j.kb.ZoekGroep("310").value()));
  GrafiekModel grafiek(j.kb, j.selectie);
  QVERIFY(grafiek.ShowChart(101, j.kb.ZoekRekening(1).value()));
  RelatieVenster relaties(j.kb);
  QVERIFY(relaties.Open());
  GroepTabel groepen(j.kb, [](Kasboek&) {}, [](Kasboek&) {});
  QVERIFY(groepen.Open(1));
  j.boek.berichten.Wis();
  const Geval gevallen[] = {
      {"rapport", [&] { return rapport.Print(onschrijfbaar, rapport.Tabel().breedtes); }},
      {"groepoverzicht", [&] { return groep.Print(onschrijfbaar, groep.Tabel().breedtes); }},
      {"grafiek", [&] { return grafiek.Print(onschrijfbaar, "", 10, 10); }},
      {"btw", [&] { return PrintBtwRapport(j.kb, onschrijfbaar, BtwTabel(j.kb, BouwBtwRapport(j.kb, 0))); }},
      {"relaties", [&] { return relaties.Afdrukken(); }},
      {"groepen", [&] { return groepen.Print(); }},
  };
  for (const Geval& g : gevallen) {
    QVERIFY2(!g.druk(), g.naam);
    QCOMPARE(j.boek.berichten.Teksten(), std::vector<std::string>{"Afdrukken niet gelukt"});
    j.boek.berichten.Wis();
  }
}

QTEST_MAIN(TstAfdrukPdf)
#include "tst_afdrukpdf.moc"
