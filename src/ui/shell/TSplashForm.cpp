#include "ui/shell/TSplashForm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

// Outside any namespace, as Qt's resource functions are. The splash picture
// lives with the window that shows it.
static void LaadSplashBeeld() { Q_INIT_RESOURCE(beeld); }

namespace valdero {

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  LaadSplashBeeld();
  setObjectName(QStringLiteral("SplashForm"));
  setFixedSize(304, 313);
  beeld_.load(QStringLiteral(":/beeld/splash.jpg"), "JPEG");
  if (const QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->start(1200);
}

bool TSplashForm::MagSluiten() const { return !timer_->isActive(); }

void TSplashForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (beeld_.isNull())
    p.fillRect(rect(), QColor(10, 110, 120));
  else
    p.drawImage(rect(), beeld_);
}

void TSplashForm::closeEvent(QCloseEvent* e) {
  if (MagSluiten())
    e->accept();
  else
    e->ignore();
}

}  // namespace valdero
