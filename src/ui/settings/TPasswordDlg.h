#pragma once
// The password dialog: it shows the screen the password model prepares and
// hands back the typed text. All rules live in settings/Wachtwoord.h.

#include <QDialog>

#include "model/settings/Wachtwoord.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace valdero {

class TPasswordDlg : public QDialog, public WachtwoordVoerder {
  Q_OBJECT
 public:
  explicit TPasswordDlg(QWidget* parent = nullptr);

  // Shows the screen modally; 1 for OK, 2 for "Schrap" or the frame.
  int Toon(WachtwoordScherm& scherm) override;

  // The two halves of Toon, for showing without waiting.
  void Zet(const WachtwoordScherm& scherm);
  void Lees(WachtwoordScherm& scherm) const;

 private:
  QLabel* label_ = nullptr;
  QLineEdit* invoer_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* schrap_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace valdero
