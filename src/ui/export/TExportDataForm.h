#pragma once
// "Export van valdero data": the transactions of one account or the totals of
// every group and account as delimited text. The rules are in ExportModel;
// this window shows its choices and hands back what the user picked.

#include <QWidget>

#include "model/export/Export.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace valdero {

class DatumKiezer;
class Kasboek;

class TExportDataForm : public QWidget {
  Q_OBJECT
 public:
  explicit TExportDataForm(Kasboek& kb, QWidget* parent = nullptr);

  // Opens for the account at this position in the account list (0: the
  // totals export) with every choice reset; focuses the separator list.
  void Open(int positie);
  ExportModel& Model() { return model_; }

 signals:
  void Gesloten();
  void HelpGevraagd(int topic);

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void NeemKeuzes();
  void OkKlik();

  Kasboek& kb_;
  ExportModel model_;
  QComboBox* scheiding_ = nullptr;
  DatumKiezer* begin_ = nullptr;
  DatumKiezer* eind_ = nullptr;
  QCheckBox* quotes_ = nullptr;
  QCheckBox* veldnamen_ = nullptr;
  QCheckBox* selectie_ = nullptr;
  QCheckBox* journaal_ = nullptr;
  QLabel* lijstLabel_ = nullptr;
  QListWidget* lijst_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* schrap_ = nullptr;
};

}  // namespace valdero
