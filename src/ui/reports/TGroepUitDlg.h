#pragma once
// The group overview "Speciale Groep": a modal dialog listing every
// transaction of one group, relation or class, on one account or on all,
// with their total and VAT. It moves text between its widgets and
// GroepRapportModel, which decides what is listed.

#include <QDialog>
#include <vector>

#include "model/reports/GroepRapport.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace valdero {

class Kasboek;

class TGroepUitDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TGroepUitDlg(Kasboek& kb, QWidget* parent = nullptr);

  // Fills the dialog for the mode, account (0 for all) and group or
  // transaction position, and waits until it is closed. Nothing happens
  // for arguments the model refuses.
  void ShowGroupOverview(int modus, int rekNr, int index);
  // What ShowGroupOverview does before it waits: fill and show.
  bool Begin(int modus, int rekNr, int index);

  GroepRapportModel& Model() { return model_; }
  QTableWidget* Tabel() const { return tabel_; }
  QCheckBox* Filter() const { return filter_; }
  // The column widths the printout uses: the default ones, or what the
  // user dragged a column to.
  std::vector<int> KolomBreedtes() const { return breedtes_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Toon();

  Kasboek& kb_;
  GroepRapportModel model_;
  std::vector<int> breedtes_;
  bool zetBreedtes_ = false;

  QLabel* kop_ = nullptr;
  QTableWidget* tabel_ = nullptr;
  QCheckBox* filter_ = nullptr;
  QLabel* aantal_ = nullptr;
  QLabel* totaalLabel_ = nullptr;
  QLabel* totaal_ = nullptr;
  QLabel* btwTotaal_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* sluit_ = nullptr;
};

}  // namespace valdero
