#include "ui/widgets/HelpVenster.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/shell/TSplashForm.h"

namespace valdero {

HelpVenster::HelpVenster(QWidget* parent) : QWidget(parent, Qt::Window) {
  LaadBronnen();
  setObjectName(QStringLiteral("HelpVenster"));
  // Closing the main window ends the program, even with help still open.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(QStringLiteral("Valdero Help"));
  auto* kolom = new QVBoxLayout(this);
  kolom->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(true);
  browser_->setSearchPaths({QStringLiteral(":/help")});
  kolom->addWidget(browser_);
  resize(560, 480);
}

QString HelpVenster::PaginaVoor(int topic) {
  const QString pagina = QStringLiteral("%1.html").arg(topic);
  if (topic > 0 && QFile::exists(QStringLiteral(":/help/") + pagina)) return pagina;
  return QStringLiteral("inhoud.html");
}

void HelpVenster::Toon(int topic) {
  browser_->setSource(QUrl(PaginaVoor(topic)));
  show();
  raise();
  activateWindow();
}

}  // namespace valdero
