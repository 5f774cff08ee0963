#include "ui/widgets/QtVertaling.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace valdero {

bool LaadQtVertalingen(QCoreApplication& app) {
  const QLocale nederlands(QLocale::Dutch, QLocale::Netherlands);
  // Names of days and months in the date pickers and file dialogs; the
  // decimal separator the books use is the desktop's and is passed in apart.
  QLocale::setDefault(nederlands);
  auto* vertaler = new QTranslator(&app);
  const QStringList mappen{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                           QStringLiteral("/usr/share/qt6/translations")};
  for (const QString& map : mappen) {
    if (vertaler->load(nederlands, QStringLiteral("qtbase"), QStringLiteral("_"), map)) {
      QCoreApplication::installTranslator(vertaler);
      return true;
    }
  }
  delete vertaler;
  return false;
}

}  // namespace valdero
