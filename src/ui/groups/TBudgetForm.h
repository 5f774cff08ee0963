#pragma once
// The budget window: "Groepen" (view 1) and "Begroting" (views 2 to 6). The
// groups in one grid to type in, with the class list, the title chooser, the
// navigator, the totals panel and the buttons. Every rule is in GroepTabel;
// this window moves the typed texts there and shows what it gives back.

#include <QWidget>
#include <functional>
#include <memory>

#include "model/groups/GroepTabel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace valdero {

class Kasboek;
class TekstRaster;
class Tnavigator;
class TNewBudgetDlg;
class TSortDlg;

class TBudgetForm : public QWidget {
  Q_OBJECT
 public:
  explicit TBudgetForm(Kasboek& kb, QWidget* parent = nullptr);
  ~TBudgetForm() override;

  // Opens a view (see GroepTabel::Open) and shows the window 105 pixels
  // below the top of `hoofdvenster` when given. False when no class was
  // selected (the window then stays closed).
  bool Open(int view, int weken, const std::vector<std::string>& klassen, QWidget* hoofdvenster = nullptr);
  // Refills the grid from the book (groups added or removed elsewhere).
  void Ververs();

  const GroepTabel& Model() const { return model_; }
  // The window-list number: 2 for the groups, 3 for a budget.
  int Nummer() const { return model_.MetBedragen() ? 3 : 2; }

 signals:
  void Gesloten(int nummer);
  void HelpGevraagd(int context);

 protected:
  void closeEvent(QCloseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  // Run the group dialog once it has been prepared, and the sort dialog,
  // modally; a test derives to drive their widgets instead.
  virtual void BedienGroepDialoog(TNewBudgetDlg& dlg);
  virtual void BedienSortering(TSortDlg& dlg);
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void Indeling();
  void ToonTabel();
  void ToonRij(int r);
  void ToonHuidig();
  void ToonTotalen();
  void Enter(bool editorOpen);
  void Tab(bool editorOpen);
  void Navigeer(int knop);
  void NieuweGroep();
  void BewerkGroep();
  void DubbelKlik(int rij, int kolom);
  void KiesKlasse();
  void Sorteren();
  void OkKlik();
  void SchrapKlik();

  Kasboek& kb_;
  GroepTabel model_;
  std::unique_ptr<TNewBudgetDlg> dialoog_;
  QLabel* kop_ = nullptr;
  TekstRaster* raster_ = nullptr;
  QListWidget* klassen_ = nullptr;
  QComboBox* titels_ = nullptr;
  Tnavigator* navigator_ = nullptr;
  QWidget* totalen_ = nullptr;
  QLabel* totaalLabel_ = nullptr;
  QLabel* saldoLabel_ = nullptr;
  QLineEdit* totaalIn_ = nullptr;
  QLineEdit* totaalUit_ = nullptr;
  QLineEdit* posSaldo_ = nullptr;
  QLineEdit* negSaldo_ = nullptr;
  QLabel* waarschuwing_ = nullptr;
  int geopendAls_ = 2;
};

}  // namespace valdero
