#include "Schermafdruk.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPixmap>
#include <QProgressDialog>
#include <QScreen>
#include <QTimer>
#include <cstdlib>

void ZetSchermafdrukKlaar() {
  const QString waarde = qEnvironmentVariable("VALDERO_SCREENSHOT");
  const auto dubbelepunt = waarde.lastIndexOf(QLatin1Char(':'));
  if (dubbelepunt <= 0) return;
  const QString pad = waarde.left(dubbelepunt);
  const int ms = waarde.mid(dubbelepunt + 1).toInt();

  // With VALDERO_SCREENSHOT_VOORTGANG set, the picture is taken as soon as
  // a progress dialog has been on screen a moment (the poll runs while the
  // long work repaints), whatever the delay.
  const bool bijVoortgang = !qEnvironmentVariable("VALDERO_SCREENSHOT_VOORTGANG").isEmpty();
  auto* annuleer = new QTimer(qApp);
  QObject::connect(annuleer, &QTimer::timeout, [pad, bijVoortgang, gezien = 0]() mutable {
    QWidget* modaal = QApplication::activeModalWidget();
    if (auto* d = qobject_cast<QFileDialog*>(modaal)) d->reject();
    if (bijVoortgang && qobject_cast<QProgressDialog*>(modaal) && modaal->isVisible() && ++gezien >= 2) {
      if (QScreen* s = QGuiApplication::primaryScreen()) s->grabWindow(0).save(pad);
      std::exit(0);
    }
  });
  annuleer->start(100);

  auto* foto = new QTimer(qApp);
  foto->setSingleShot(true);
  QObject::connect(foto, &QTimer::timeout, [pad] {
    if (QScreen* s = QGuiApplication::primaryScreen()) s->grabWindow(0).save(pad);
    std::exit(0);
  });
  foto->start(ms);
}

void ZetSchermafdrukCommando(std::function<void(const QString&)> kies) {
  const QString pad = qEnvironmentVariable("VALDERO_SCREENSHOT_COMMANDO");
  if (pad.isEmpty() || qEnvironmentVariable("VALDERO_SCREENSHOT").isEmpty()) return;
  QTimer::singleShot(700, qApp, [kies = std::move(kies), pad] { kies(pad); });
}
