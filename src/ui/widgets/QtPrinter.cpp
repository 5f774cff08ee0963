#include "ui/widgets/QtPrinter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace valdero {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QtPrinter::QtPrinter() {
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

std::vector<std::string> QtPrinter::Printers() const {
  std::vector<std::string> namen;
  for (const QString& naam : QPrinterInfo::availablePrinterNames()) namen.push_back(naam.toStdString());
  return namen;
}

void QtPrinter::KiesPrinter(int index) {
  // A printer of the caller's own (a PDF file) stays what it is.
  if (!printer_ || printer_->outputFormat() != QPrinter::NativeFormat) return;
  const QStringList namen = QPrinterInfo::availablePrinterNames();
  QString naam = QPrinterInfo::defaultPrinterName();
  // An index from another machine's configuration falls back to the default.
  if (index >= 0 && index < namen.size()) naam = namen[index];
  if (!naam.isEmpty() && naam != printer_->printerName()) printer_->setPrinterName(naam);
}

void QtPrinter::ZetLiggend(bool liggend) {
  vast_.ZetLiggend(liggend);
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

int QtPrinter::TekstBreedte(const std::string& tekst) const {
  if (!printer_) return vast_.TekstBreedte(tekst);
  return QFontMetrics(font_, printer_.get()).horizontalAdvance(Q(tekst));
}

int QtPrinter::TekstHoogte(const std::string& tekst) const {
  if (!printer_) return vast_.TekstHoogte(tekst);
  return QFontMetrics(font_, printer_.get()).height();
}

int QtPrinter::PaginaBreedte() const { return printer_ ? printer_->width() : vast_.PaginaBreedte(); }

int QtPrinter::PaginaHoogte() const { return printer_ ? printer_->height() : vast_.PaginaHoogte(); }

bool QtPrinter::BeginDocument(const std::string& titel) {
  if (!printer_) return false;
  if (painter_) EindDocument();
  printer_->setDocName(Q(titel));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    painter_.reset();
    return false;
  }
  painter_->setFont(font_);
  return true;
}

void QtPrinter::NieuwePagina() {
  if (painter_) printer_->newPage();
}

void QtPrinter::EindDocument() {
  if (!painter_) return;
  painter_->end();
  painter_.reset();
}

void QtPrinter::Tekst(int x, int y, const std::string& tekst) {
  if (!painter_) return;
  // y is the top of the line, as the measures count it; Qt draws on the
  // baseline.
  painter_->drawText(x, y + painter_->fontMetrics().ascent(), Q(tekst));
}

void QtPrinter::Lijn(int x1, int y1, int x2, int y2) {
  if (painter_) painter_->drawLine(x1, y1, x2, y2);
}

void QtPrinter::Afbeelding(int x, int y, int breedte, int hoogte, const std::string& png) {
  if (!painter_) return;
  QImage beeld;
  if (!beeld.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG")) return;
  painter_->setRenderHint(QPainter::SmoothPixmapTransform);
  painter_->drawImage(QRect(x, y, breedte, hoogte), beeld);
}

}  // namespace valdero
