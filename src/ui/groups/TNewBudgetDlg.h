#pragma once
// The step-by-step group dialog. It moves text between its widgets and the
// GroepDialoog model, which decides every question, check and step.

#include <QDialog>

#include "model/groups/GroepWeergave.h"
#include "model/groups/GroepDialoog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace valdero {

class Kasboek;

class TNewBudgetDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TNewBudgetDlg(Kasboek& kb, QWidget* parent = nullptr);

  // Creates a group at `positie` of the groups list and shows the dialog
  // modally; the code passed in comes back when it fails.
  GroepResultaat NieuweGroep(int positie, const std::string& kode, const std::string& titel,
                             const std::string& klasse, GroepWeergave weergave);
  // Changes the group at `positie`; true when completed.
  bool WijzigGroep(int positie, GroepWeergave weergave);

  // Prepares the dialog and shows it without waiting: what the two calls
  // above do before they block. Tests drive the widgets from here.
  void BeginNieuw(int positie, const std::string& kode, const std::string& titel,
                  const std::string& klasse, GroepWeergave weergave);
  void BeginWijzig(int positie, GroepWeergave weergave);
  const GroepDialoog* Model() const { return model_.get(); }
  // Waits modally until the model is completed or cancelled.
  void Wacht();

  void reject() override;  // "S&chrap", Escape and the window frame

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void Toon();
  std::string Invoer() const;
  void EnterInVeld();
  void VerderKlik();
  void TerugKlik();
  void KodeGekozen();

  Kasboek& kb_;
  std::unique_ptr<GroepDialoog> model_;
  QLabel* kop_ = nullptr;
  QLabel* label_ = nullptr;
  QLabel* help_ = nullptr;
  QLineEdit* veld_ = nullptr;
  QComboBox* keuze_ = nullptr;
  QLabel* kodesLabel_ = nullptr;
  QListWidget* kodes_ = nullptr;
  QPushButton* terug_ = nullptr;
  QPushButton* verder_ = nullptr;
  QPushButton* schrap_ = nullptr;
};

}  // namespace valdero
