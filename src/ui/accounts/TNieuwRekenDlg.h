#pragma once
// The step-by-step account dialog. It moves text between its widgets and the
// RekeningDialoog model, which decides every heading, check and step.

#include <QDialog>

#include "model/accounts/RekeningDialoog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace valdero {

class TNieuwRekenDlg : public QDialog, public RekeningDialoogVoerder {
  Q_OBJECT
 public:
  explicit TNieuwRekenDlg(QWidget* parent = nullptr);

  // Shows the dialog modally until the model is done or cancelled.
  void Voer(RekeningDialoog& model) override;
  // Shows it without waiting: what Voer does before it blocks.
  void Begin(RekeningDialoog& model);

  void reject() override;  // "&Schrap", Escape and the window frame

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void Toon();
  std::string Invoer() const;
  void EnterInVeld();
  void VerderKlik();
  void TerugKlik();
  void Klaar();

  RekeningDialoog* model_ = nullptr;
  QLabel* kop_ = nullptr;
  QLabel* label_ = nullptr;
  QLabel* help_ = nullptr;
  QLineEdit* veld_ = nullptr;
  QComboBox* lijst_ = nullptr;
  QLabel* bankLab_ = nullptr;
  QLabel* waarschuwing_ = nullptr;
  QPushButton* terug_ = nullptr;
  QPushButton* verder_ = nullptr;
  QPushButton* stop_ = nullptr;
};

}  // namespace valdero
