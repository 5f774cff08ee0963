#pragma once
// The selection dialog "Selectie van :": classes, relations or account
// kinds with a check box each, and for reports the period. It fills the
// shared ReportSelection through SelectieDialoog's rules.

#include <QDialog>

#include "model/reports/SelectieDialoog.h"
#include "ui/reports/SelectieAntwoord.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace valdero {

class Kasboek;
struct ReportSelection;

class TSelectieDlg : public QDialog {
  Q_OBJECT
 public:
  TSelectieDlg(Kasboek& kb, ReportSelection& selectie, QWidget* hoofdvenster = nullptr);

  // Fills the dialog for the kind and shows it modally; true when "&Ok"
  // closed it with at least one item ticked.
  bool RunSelection(int soort);
  // What the main window's hook wants to know.
  SelectieAntwoord Antwoord(int soort);

  QListWidget* Lijst() const { return lijst_; }

 private:
  void Vul(int soort);
  void OkClick();

  Kasboek& kb_;
  ReportSelection& selectie_;
  QWidget* hoofdvenster_;
  SelectieInhoud inhoud_;
  QGroupBox* kader_ = nullptr;
  QListWidget* lijst_ = nullptr;
  QLabel* instructie_ = nullptr;
  QGroupBox* periode_ = nullptr;
  QButtonGroup* perioden_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* schrap_ = nullptr;
};

}  // namespace valdero
