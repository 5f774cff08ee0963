#include "ui/widgets/VensterPlek.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace valdero {

QWidget* HoofdvensterVan(const QWidget& venster) {
  QWidget* ouder = venster.parentWidget();
  return ouder ? ouder->window() : nullptr;
}

void PlaatsBijHoofdvenster(QWidget& venster, QPoint afstand) {
  PlaatsBijHoofdvenster(venster, HoofdvensterVan(venster), afstand);
}

void PlaatsBijHoofdvenster(QWidget& venster, const QWidget* hoofdvenster, QPoint afstand) {
  if (!hoofdvenster) return;
  venster.move(hoofdvenster->frameGeometry().topLeft() + afstand);
}

void SluitMetEscape(QWidget& venster) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &venster);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, &venster, &QWidget::close);
}

}  // namespace valdero
