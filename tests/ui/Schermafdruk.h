#pragma once
// Pictures of the windows as the tests leave them, for a person to look at:
// with VALDERO_SCHERMAFDRUK set to a folder they are saved there as
// `naam`.png (scripts/screenshots-vensters.sh runs the tests under a virtual
// X server); without it nothing happens, so the tests run as ever.

#include <QCoreApplication>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QWidget>
#include <QtTest/QTest>

namespace valdero::test {

inline QString SchermafdrukMap() { return qEnvironmentVariable("VALDERO_SCHERMAFDRUK"); }

// The widget as Qt draws it.
inline void Afdruk(QWidget& w, const QString& naam) {
  const QString map = SchermafdrukMap();
  if (map.isEmpty()) return;
  QCoreApplication::processEvents();
  w.grab().save(map + "/" + naam + ".png");
}

// The screen around the widget the way a user sees it, pop-up menus
// included; where there is no screen to take, the widget as Qt draws it.
inline void AfdrukScherm(QWidget& w, const QString& naam) {
  const QString map = SchermafdrukMap();
  if (map.isEmpty()) return;
  w.raise();
  w.activateWindow();
  QTest::qWait(300);
  const QString pad = map + "/" + naam + ".png";
  const QRect vak = w.frameGeometry();
  const QString uitsnede = QString("%1x%2+%3+%4").arg(vak.width()).arg(vak.height()).arg(vak.x()).arg(vak.y());
  if (QProcess::execute("import", {"-window", "root", "-crop", uitsnede, pad}) != 0) w.grab().save(pad);
}

}  // namespace valdero::test
