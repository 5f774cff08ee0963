#pragma once
// "Herstelpunt terugzetten": the restore points of the open book in a list
// (date, transactions), newest first; "&Terugzetten" puts the chosen one
// back, "&Stop" closes. The model decides and asks; this window only shows.

#include <QDialog>

class QTableWidget;

namespace valdero {

class HerstelKeuze;

class THerstelDlg : public QDialog {
  Q_OBJECT
 public:
  THerstelDlg(HerstelKeuze& keuze, QWidget* ouder = nullptr);
  // The book on disk was replaced by a restore point.
  bool Teruggezet() const { return teruggezet_; }

 private:
  void TerugzettenClick();

  HerstelKeuze& keuze_;
  QTableWidget* lijst_;
  bool teruggezet_ = false;
};

}  // namespace valdero
