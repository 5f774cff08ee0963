#pragma once
// The sort dialog for the account or the group list. Every click on a
// choice stores the order at once; "&Ok" sorts, "&Schrap" sorts nothing.

#include <QDialog>
#include <functional>

#include "model/core/Sorteren.h"

class QRadioButton;

namespace valdero {

class Kasboek;

class TSortDlg;

// Shows the sort dialog of `onderwerp` over `ouder`, or hands it to
// `voerder` (a test's) when there is one.
void Sorteer(Kasboek& kb, SorteerOnderwerp onderwerp, QWidget* ouder,
             const std::function<void(TSortDlg&)>& voerder);

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
