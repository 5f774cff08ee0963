#include "ui/widgets/QtPrinter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace valdero {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Rules a little heavier than the thinnest line a printer can draw.
constexpr double kLijnDikte = 2.0;

}  // namespace

QtPrinter::QtPrinter() : metVoorbeeld_(true) {
  const QPrinterInfo standaard = QPrinterInfo::defaultPrinter();
  if (!standaard.isNull())
    printer_ = std::make_unique<QPrinter>(standaard, QPrinter::HighResolution);
  else if (!QPrinterInfo::availablePrinterNames().isEmpty())
    printer_ = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(QPrinterInfo::availablePrinterNames().front()),
                                          QPrinter::HighResolution);
  ZetFont(fontNaam_, fontGrootte_);
}

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  ZetFont(fontNaam_, fontGrootte_);
}

QtPrinter::~QtPrinter() {
  if (painter_) painter_->end();
}

std::unique_ptr<QPrinter> QtPrinter::MaakVoorbeeldPrinter(int index, bool liggend) const {
  const QStringList namen = QPrinterInfo::availablePrinterNames();
  QString naam = QPrinterInfo::defaultPrinterName();
  if (index >= 0 && index < namen.size()) naam = namen[index];
  if (naam.isEmpty() && !namen.isEmpty()) naam = namen.front();
  std::unique_ptr<QPrinter> doel;
  if (!naam.isEmpty()) {
    doel = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(naam), QPrinter::HighResolution);
  } else {
    // No printer: the preview still shows the pages and saves them as PDF.
    doel = std::make_unique<QPrinter>(QPrinter::HighResolution);
    doel->setOutputFormat(QPrinter::PdfFormat);
    doel->setPageSize(QPageSize(QPageSize::A4));
  }
  doel->setPageOrientation(liggend ? QPageLayout::Landscape : QPageLayout::Portrait);
  return doel;
}

QtPrinter::Omleiding::Omleiding(QtPrinter& printer, QPrinter& doel) : printer_(printer), vorige_(printer.omgeleid_) {
  if (printer_.painter_) printer_.EindDocument();
  printer_.omgeleid_ = &doel;
}

QtPrinter::Omleiding::~Omleiding() {
  if (printer_.painter_) printer_.EindDocument();
  printer_.omgeleid_ = vorige_;
}

std::vector<std::string> QtPrinter::Printers() const {
  std::vector<std::string> namen;
  for (const QString& naam : QPrinterInfo::availablePrinterNames()) namen.push_back(naam.toStdString());
  return namen;
}

void QtPrinter::KiesPrinter(int index) {
  // A printer of the caller's own (a PDF file), or the one chosen in the
  // preview, stays what it is.
  if (omgeleid_ || !printer_ || printer_->outputFormat() != QPrinter::NativeFormat) return;
  const QStringList namen = QPrinterInfo::availablePrinterNames();
  QString naam = QPrinterInfo::defaultPrinterName();
  // An index from another machine's configuration falls back to the default.
  if (index >= 0 && index < namen.size()) naam = namen[index];
  if (!naam.isEmpty() && naam != printer_->printerName()) printer_->setPrinterName(naam);
}

void QtPrinter::ZetLiggend(bool liggend) {
  vast_.ZetLiggend(liggend);
  if (omgeleid_) return;
  if (printer_) printer_->setPageOrientation(liggend ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void QtPrinter::ZetFont(const std::string& naam, int grootte, bool vet) {
  fontNaam_ = naam;
  fontGrootte_ = grootte;
  vet_ = vet;
  vast_.ZetFont(naam, grootte, vet);
  font_ = QFont(Q(naam), grootte > 0 ? grootte : 10);
  font_.setBold(vet);
  // Old configurations name fonts this system may not have.
  font_.setStyleHint(QFont::SansSerif);
  if (painter_) painter_->setFont(font_);
}

std::string QtPrinter::FontNaam() const { return fontNaam_; }

int QtPrinter::FontGrootte() const { return fontGrootte_; }

double QtPrinter::Schaal() const {
  const QPrinter* doel = Doel();
  const int dpi = doel ? doel->resolution() : 0;
  return dpi > 0 ? static_cast<double>(dpi) / kPrinterPixelsPerInch : 1.0;
}

int QtPrinter::TekstBreedte(const std::string& tekst) const {
  QPrinter* doel = Doel();
  if (!doel) return vast_.TekstBreedte(tekst);
  return static_cast<int>(std::ceil(QFontMetricsF(font_, doel).horizontalAdvance(Q(tekst)) / Schaal()));
}

int QtPrinter::TekstHoogte(const std::string&) const {
  QPrinter* doel = Doel();
  if (!doel) return vast_.TekstHoogte("");
  return static_cast<int>(std::ceil(QFontMetricsF(font_, doel).height() / Schaal()));
}

int QtPrinter::PaginaBreedte() const {
  const QPrinter* doel = Doel();
  return doel ? static_cast<int>(doel->width() / Schaal()) : vast_.PaginaBreedte();
}

int QtPrinter::PaginaHoogte() const {
  const QPrinter* doel = Doel();
  return doel ? static_cast<int>(doel->height() / Schaal()) : vast_.PaginaHoogte();
}

bool QtPrinter::BeginDocument(const std::string& titel) {
  QPrinter* doel = Doel();
  if (!doel) return false;
  if (painter_) EindDocument();
  // A printer the system reports in error (its service down) prints nothing.
  if (doel->outputFormat() == QPrinter::NativeFormat && !omgeleid_ &&
      (!doel->isValid() || QPrinterInfo::printerInfo(doel->printerName()).state() == QPrinter::Error))
    return false;
  doel->setDocName(Q(titel));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(doel)) {
    painter_.reset();
    return false;
  }
  painter_->setFont(font_);
  QPen pen(Qt::black);
  pen.setWidthF(kLijnDikte * Schaal());
  painter_->setPen(pen);
  return true;
}

void QtPrinter::NieuwePagina() {
  if (painter_) Doel()->newPage();
}

bool QtPrinter::EindDocument() {
  if (!painter_) return false;
  const bool beeindigd = painter_->end();
  painter_.reset();
  return beeindigd && Doel()->printerState() != QPrinter::Error;
}

void QtPrinter::Tekst(int x, int y, const std::string& tekst) {
  if (!painter_) return;
  // y is the top of the line, as the measures count it; Qt draws on the
  // baseline.
  const double s = Schaal();
  painter_->drawText(QPointF(x * s, y * s + painter_->fontMetrics().ascent()), Q(tekst));
}

void QtPrinter::Lijn(int x1, int y1, int x2, int y2) {
  const double s = Schaal();
  if (painter_) painter_->drawLine(QLineF(x1 * s, y1 * s, x2 * s, y2 * s));
}

void QtPrinter::Afbeelding(int x, int y, int breedte, int hoogte, const std::string& png) {
  if (!painter_) return;
  QImage beeld;
  if (!beeld.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG")) return;
  const double s = Schaal();
  painter_->setRenderHint(QPainter::SmoothPixmapTransform);
  painter_->drawImage(QRectF(x * s, y * s, breedte * s, hoogte * s), beeld);
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& pad) {
  auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
  p->setOutputFormat(QPrinter::PdfFormat);
  p->setOutputFileName(pad);
  p->setPageSize(QPageSize(QPageSize::A4));
  return p;
}

}  // namespace valdero
