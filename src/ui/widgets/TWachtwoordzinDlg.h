#pragma once
// The passphrase of an encrypted book, typed masked: once to open a book,
// twice (the second time to check it) when a new one is set. What is asked
// and why it is asked again comes from the model (WachtwoordzinVraag).

#include <QDialog>
#include <optional>
#include <string>

#include "model/core/Berichten.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace valdero {

class TWachtwoordzinDlg : public QDialog {
 public:
  TWachtwoordzinDlg(const WachtwoordzinVraag& vraag, QWidget* ouder = nullptr);

  // The passphrase typed, once OK was pressed.
  std::string Wachtwoordzin() const;

  // Asks modally; nullopt when cancelled.
  static std::optional<std::string> Vraag(const WachtwoordzinVraag& vraag, QWidget* ouder);

 private:
  void Volg();

  bool nieuw_;
  QString melding_;
  QLineEdit* zin_;
  QLineEdit* nogmaals_ = nullptr;
  QLabel* status_;
  QDialogButtonBox* knoppen_;
};

}  // namespace valdero
