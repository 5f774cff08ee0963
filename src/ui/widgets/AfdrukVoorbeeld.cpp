#include "ui/widgets/AfdrukVoorbeeld.h"

#include <QAction>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <memory>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "ui/widgets/QtPrinter.h"

namespace valdero {
namespace {

constexpr const char* kPdfExtensie = "pdf";

// The same pages into a PDF file chosen through the book's messages.
void BewaarPdf(Kasboek& kb, QtPrinter& poort, const QPrinter& voorbeeld, const std::function<void()>& druk) {
  const auto pad = kb.berichten().BewaarDialoog(
      {"Opslaan als PDF", "PDF bestanden (*.pdf)|*.pdf", kPdfExtensie, "*.pdf", ""});
  if (!pad) return;
  QString naam = QString::fromStdString(*pad);
  if (QFileInfo(naam).suffix().isEmpty()) naam += QStringLiteral(".pdf");
  QPrinter pdf(QPrinter::HighResolution);
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(naam);
  pdf.setPageLayout(voorbeeld.pageLayout());
  QtPrinter::Omleiding naar(poort, pdf);
  druk();
}

}  // namespace

void Afdrukken(QWidget* venster, Kasboek& kb, bool liggend, std::function<void()> druk) {
  auto* poort = dynamic_cast<QtPrinter*>(&kb.printer());
  if (poort == nullptr || !poort->MetVoorbeeld()) {
    druk();
    return;
  }
  std::shared_ptr<QPrinter> doel = poort->MaakVoorbeeldPrinter(kb.Config.PrinterIndex, liggend);
  auto* dlg = new QPrintPreviewDialog(doel.get(), venster);
  dlg->setObjectName(QStringLiteral("AfdrukVoorbeeld"));
  dlg->setWindowTitle(QStringLiteral("Afdrukvoorbeeld"));
  dlg->setAttribute(Qt::WA_DeleteOnClose);
  // The printer lives as long as the dialog that draws on it.
  QObject::connect(dlg, &QObject::destroyed, [doel] {});
  QObject::connect(dlg, &QPrintPreviewDialog::paintRequested, dlg, [poort, druk](QPrinter* p) {
    QtPrinter::Omleiding naar(*poort, *p);
    druk();
  });
  if (auto* balk = dlg->findChild<QToolBar*>()) {
    balk->addSeparator();
    QAction* pdf = balk->addAction(QStringLiteral("Opslaan als PDF"));
    pdf->setObjectName(QStringLiteral("PdfActie"));
    pdf->setToolTip(QStringLiteral("Bewaar de bladzijden als PDF bestand"));
    QObject::connect(pdf, &QAction::triggered, dlg,
                     [&kb, poort, doel, druk] { BewaarPdf(kb, *poort, *doel, druk); });
  }
  dlg->resize(900, 700);
  dlg->open();
}

}  // namespace valdero
