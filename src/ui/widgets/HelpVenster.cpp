#include "ui/widgets/HelpVenster.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/widgets/Bronnen.h"
#include "ui/widgets/VensterPlek.h"

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
  // Closed by keyboard (Escape) or by its button, not only by the frame.
  auto* knoppen = new QHBoxLayout;
  knoppen->setContentsMargins(8, 4, 8, 8);
  knoppen->addStretch();
  auto* sluit = new QPushButton(QStringLiteral("&Sluit"), this);
  sluit->setObjectName(QStringLiteral("SluitBtn"));
  knoppen->addWidget(sluit);
  kolom->addLayout(knoppen);
  connect(sluit, &QPushButton::clicked, this, &QWidget::close);
  SluitMetEscape(*this);
  resize(560, 480);
}

QString HelpVenster::PaginaVoor(int topic) {
  const QString pagina = QStringLiteral("%1.html").arg(topic);
  if (topic > 0 && QFile::exists(QStringLiteral(":/help/") + pagina)) return pagina;
  return QStringLiteral("inhoud.html");
}

void HelpVenster::Toon(int topic) {
  browser_->setSource(QUrl(PaginaVoor(topic)));
  // Right of the windows that ask for help, below the main window's menus.
  if (!isVisible()) PlaatsBijHoofdvenster(*this, hoofdvenster_, QPoint(220, 140));
  show();
  raise();
  activateWindow();
}

}  // namespace valdero
