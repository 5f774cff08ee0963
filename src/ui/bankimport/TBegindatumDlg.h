#pragma once
// "Kies Begindatum": the date the statement list starts from. A date is
// typed as the program reads dates everywhere (d-m-yyyy, or half and
// completed) and taken as typed, or picked on the calendar beside it; the
// range of the file only opens the calendar where the lines are.

#include <QDialog>
#include <optional>

#include "model/bankimport/BankImport.h"

class QCalendarWidget;
class QLineEdit;

namespace valdero {

class Kasboek;

class TBegindatumDlg : public QDialog {
  Q_OBJECT
 public:
  TBegindatumDlg(Kasboek& kb, const StartDatumVoorstel& voorstel, QWidget* parent = nullptr);

  // The date accepted; nothing before OK.
  std::optional<double> Datum() const { return datum_; }
  QLineEdit* Veld() const { return veld_; }

  void accept() override;

 private:
  Kasboek& kb_;
  QLineEdit* veld_ = nullptr;
  QCalendarWidget* kalender_ = nullptr;
  std::optional<double> datum_;
};

}  // namespace valdero
