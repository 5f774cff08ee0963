#pragma once
// "Relatie gegevens": one relation's seven texts. Enter moves to the next
// entry and from the last to "OK".

#include <QDialog>
#include <array>

#include "model/relations/RelatieVenster.h"

class QLineEdit;
class QPushButton;

namespace valdero {

class TRelatieDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TRelatieDlg(QWidget* parent = nullptr);

  void Zet(const RelatieRij& rij);
  RelatieRij Lees() const;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  std::array<QLineEdit*, kRelatieKolommen> velden_{};
  QPushButton* ok_ = nullptr;
};

}  // namespace valdero
