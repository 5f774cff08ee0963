#pragma once
// The VAT overview "BTW Overzicht": a small window, not modal, with per
// paying account the VAT in its expenses and income at the high and the
// low rate, and their total under the table for all accounts. It shows
// what BouwBtwRapport computes.

#include <QDialog>

#include "model/reports/RapportTabel.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace valdero {

class Kasboek;

class TBTWUitDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TBTWUitDlg(Kasboek& kb, QWidget* parent = nullptr);

  // One account (its number) or, for 0, every paying account; `aantal` is
  // the number of lines the launcher offered, which sizes the window.
  void ShowVatOverview(int rekNr, int aantal);

  QTableWidget* Tabel() const { return tabel_; }
  const RapportTabel& Rapport() const { return overzicht_; }

 signals:
  // Closed: the main window enables "&Btw berekening" again.
  void Gesloten();

 private:
  Kasboek& kb_;
  RapportTabel overzicht_;
  QLabel* kop_ = nullptr;
  QTableWidget* tabel_ = nullptr;
  QPushButton* sluit_ = nullptr;
};

}  // namespace valdero
