#include "Schermafdruk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QStringList>
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
    static const bool bestandsDialoogOpen = !qEnvironmentVariable("VALDERO_SCREENSHOT_BESTANDSDIALOOG").isEmpty();
    if (auto* d = qobject_cast<QFileDialog*>(modaal); d && !bestandsDialoogOpen) d->reject();
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

namespace {

int Toets(const QString& naam) {
  static const std::pair<const char*, int> toetsen[] = {
      {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Escape", Qt::Key_Escape}, {"Tab", Qt::Key_Tab},
      {"Down", Qt::Key_Down},     {"Up", Qt::Key_Up},       {"Space", Qt::Key_Space},   {"F1", Qt::Key_F1}};
  for (const auto& [n, k] : toetsen)
    if (naam == QLatin1String(n)) return k;
  return 0;
}

void Stuur(int toets, const QString& tekst) {
  QWidget* doel = QApplication::focusWidget();
  if (!doel) doel = QApplication::activeWindow();
  if (!doel) return;
  QKeyEvent in(QEvent::KeyPress, toets, Qt::NoModifier, tekst);
  QApplication::sendEvent(doel, &in);
  QKeyEvent uit(QEvent::KeyRelease, toets, Qt::NoModifier, tekst);
  QApplication::sendEvent(doel, &uit);
}

void VoerStapUit(const QString& stap, const std::function<void(const QString&)>& kies) {
  if (stap.startsWith(QLatin1String("toets:"))) {
    Stuur(Toets(stap.mid(6)), QString());
  } else if (stap.startsWith(QLatin1String("tekst:"))) {
    for (const QChar c : stap.mid(6)) Stuur(c.toUpper().unicode(), QString(c));
  } else if (stap.startsWith(QLatin1String("knop:"))) {
    const QString naam = stap.mid(5);
    for (QWidget* venster : QApplication::topLevelWidgets())
      if (auto* knop = venster->findChild<QAbstractButton*>(naam); knop && knop->isVisible()) {
        knop->click();
        return;
      }
  } else {
    kies(stap);
  }
}

}  // namespace

void ZetSchermafdrukCommando(std::function<void(const QString&)> kies) {
  const QString opdracht = qEnvironmentVariable("VALDERO_SCREENSHOT_COMMANDO");
  if (opdracht.isEmpty() || qEnvironmentVariable("VALDERO_SCREENSHOT").isEmpty()) return;
  const QStringList stappen = opdracht.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
  // Each step from the event loop: a step that opens a modal dialog waits
  // in it, and the next one still runs, inside that dialog's loop.
  for (int i = 0; i < stappen.size(); ++i)
    QTimer::singleShot(700 * (i + 1), qApp, [kies, stap = stappen[i]] { VoerStapUit(stap, kies); });
}
