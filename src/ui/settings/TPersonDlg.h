#pragma once
// "Persoonsgegevens": the owner's six lines of personal data. Enter moves to
// the next field and from the last to "OK".

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace valdero {

class Kasboek;

class TPersonDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPersonDlg(Kasboek& kb, QWidget* parent = nullptr);

  // Fills the fields from the configuration and shows the dialog modally;
  // unless cancelled, the texts (cut to 24 characters) go back into it. The
  // caller writes the configuration either way.
  int Toon();
  // Fills the fields; what Toon does before it waits.
  void Begin();
  // What "OK" stores.
  void Bewaar();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  Kasboek& kb_;
  std::array<QLineEdit*, 6> velden_{};
  QPushButton* ok_ = nullptr;
};

}  // namespace valdero
