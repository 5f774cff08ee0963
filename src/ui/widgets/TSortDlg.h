#pragma once
// The sort dialog for the account or the group list. Every click on a
// choice stores the order at once; "&Ok" sorts, "&Schrap" sorts nothing.

#include <QDialog>

#include "model/core/Sorteren.h"

class QRadioButton;

namespace valdero {

class Kasboek;

class TSortDlg : public QDialog {
  Q_OBJECT
 public:
  TSortDlg(Kasboek& kb, SorteerOnderwerp onderwerp, QWidget* parent = nullptr);

  QRadioButton* Keuze(int i) const { return keuzes_[i]; }

 private:
  void OkKlik();

  SorteerKeuze model_;
  QRadioButton* keuzes_[2] = {};
};

}  // namespace valdero
