#pragma once
// The about box "Verantwoording".

#include <QDialog>

namespace valdero {

class TVerantwoording : public QDialog {
  Q_OBJECT
 public:
  explicit TVerantwoording(QWidget* parent = nullptr);
};

}  // namespace valdero
