#pragma once
// Qt draws some dialogs itself (file dialogs, standard buttons, the overwrite
// question, the text fields' context menu, the calendar): in a Dutch program
// they speak Dutch too, whatever language the desktop is set to.

class QCoreApplication;

namespace valdero {

// Installs Qt's own Dutch translations on the application and makes Dutch the
// default locale for day and month names. False when the translation file
// is missing (package qt6-translations-l10n); the program then runs on with
// Qt's English texts.
bool LaadQtVertalingen(QCoreApplication& app);

}  // namespace valdero
