#pragma once
// Pieces the step-by-step dialogs (new account, new group) and the groups
// manager share: model text as Qt text, their buttons and their heading.

#include <QString>
#include <string>

class QLabel;
class QPushButton;
class QWidget;

namespace valdero {

inline QString QTekst(const std::string& s) { return QString::fromStdString(s); }

// The model writes line breaks as carriage returns.
inline QString QRegels(const std::string& s) { return QTekst(s).replace('\r', '\n'); }

// A button that leaves Enter to the field: Enter stores the step before the
// dialog moves on.
QPushButton* StapKnop(const char* tekst, const char* naam, QWidget* ouder);

// The bold heading above a step, a little larger than the dialog's text.
QLabel* StapKop(QWidget* ouder);

}  // namespace valdero
