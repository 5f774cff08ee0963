#pragma once
// The accounts window "Rekeningen": the account list as a grid to type in,
// with the kind and currency lists, the name selector, the navigator and the
// buttons. Every rule is in RekeningTabel; this window moves the typed texts
// there and shows the rows it gives back.

#include <QWidget>
#include <functional>

#include "model/accounts/RekeningDialoog.h"
#include "model/accounts/RekeningTabel.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace valdero {

class Kasboek;
class TekstRaster;
class Tnavigator;
class TSortDlg;

class TRekenForm : public QWidget {
  Q_OBJECT
 public:
  // `dialoogVoerder` runs the account dialog (the TNieuwRekenDlg in the program).
  TRekenForm(Kasboek& kb, RekeningDialoogVoerder& dialoogVoerder, QWidget* parent = nullptr);

  // "Open &Rekening": fills the grid, shows the window, row 1, column 1.
  void Open();

  const RekeningTabel& Model() const { return model_; }

 signals:
  void Gesloten();
  // Groups were added or removed here: the budget window refills.
  void GroepenVeranderd();

 protected:
  void closeEvent(QCloseEvent* e) override;
  // Runs the sort dialog, modally; a test derives to click in it instead.
  virtual void BedienSortering(TSortDlg& dlg);
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void ZetRasterHoogte();
  void ToonTabel();
  void ToonRij(int r);
  void ToonHuidig();
  void Enter(bool editorOpen);
  void Tab(bool editorOpen);
  void Navigeer(int knop);
  void DubbelKlik(int rij, int kolom);
  void KiesUitLijst(QListWidget* lijst);
  void Sorteren();
  void OkKlik();
  void SchrapKlik();

  Kasboek& kb_;
  RekeningDialoog dialoog_;
  RekeningTabel model_;
  QLabel* kop_ = nullptr;
  TekstRaster* raster_ = nullptr;
  QListWidget* soortBox_ = nullptr;
  QListWidget* muntBox_ = nullptr;
  QComboBox* namen_ = nullptr;
  Tnavigator* navigator_ = nullptr;
};

}  // namespace valdero
