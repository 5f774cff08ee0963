#pragma once
// "Relaties": the relation list in an editable grid with pick lists by name
// and account, the navigator, "OK", "Schrap" and "Afdrukken". The rules are in
// RelatieVenster; the grid is only where the user types.

#include <QWidget>
#include <functional>

#include "model/relations/RelatieVenster.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace valdero {

class Kasboek;
class TRelatieDlg;
class Tnavigator;

class TRelatieForm : public QWidget {
  Q_OBJECT
 public:
  explicit TRelatieForm(Kasboek& kb, QWidget* parent = nullptr);
  ~TRelatieForm() override;

  // Builds the list when needed and shows the window below `hoofdvenster`;
  // false (after the warning) when the book holds no relations.
  bool Open(QWidget* hoofdvenster = nullptr);

  RelatieVenster& Model() { return model_; }

 signals:
  void Gesloten();

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;
  // Runs the relation dialog, modally; a test derives to drive its widgets.
  virtual int BedienRelatieDialoog(TRelatieDlg& dlg);

 private:
  void ToonRijen();
  void NeemRijen();
  void Navigeer(int knop);
  void Bewerk();
  void KiesRij(int rij);

  Kasboek& kb_;
  RelatieVenster model_;
  QLabel* kop_ = nullptr;
  QTableWidget* raster_ = nullptr;
  QComboBox* namen_ = nullptr;
  QComboBox* rekeningen_ = nullptr;
  Tnavigator* navigator_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* schrap_ = nullptr;
  QPushButton* afdrukken_ = nullptr;
  TRelatieDlg* dialoog_ = nullptr;
};

}  // namespace valdero
