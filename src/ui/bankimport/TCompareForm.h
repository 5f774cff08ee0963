#pragma once
// The comparison window ("Vergelijk Transactie"): the bank line in fourteen
// fields beside the old transaction. Enter in a field lets the model read it
// and moves on; the four buttons insert, replace, skip or stop. Every rule
// lives in VergelijkModel.

#include <QDialog>
#include <array>

#include "model/bankimport/Afstemming.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace valdero {

class VergelijkModel;

class TCompareForm : public QDialog, public VergelijkVoerder {
  Q_OBJECT
 public:
  explicit TCompareForm(QWidget* parent = nullptr);

  // Shows the window modally on the model until a button or the frame closes it.
  void Toon(VergelijkModel& venster) override;
  // What Toon does before it blocks.
  void Begin(VergelijkModel& venster);

  QWidget* VeldWidget(int veld) const { return velden_[static_cast<std::size_t>(veld)]; }

  void reject() override;  // Escape and the window frame: nothing is booked

 signals:
  void Getoond();

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  void Ververs();
  void ToonVelden();
  void LeesTerug(int veld);
  void SchrijfVeld(int veld);
  void Enter(int veld);
  void Knop(bool (VergelijkModel::*actie)());

  VergelijkModel* model_ = nullptr;
  std::array<QWidget*, 15> velden_{};
  std::array<QLabel*, 15> labels_{};
  QLabel* saldo_ = nullptr;
  QLabel* bankSaldoLabel_ = nullptr;
  QLabel* bankSaldo_ = nullptr;
  QLabel* index_ = nullptr;
  QLabel* klasse_ = nullptr;
  QLabel* oudeKop_ = nullptr;
  QTableWidget* oud_ = nullptr;
  QCheckBox* btw_ = nullptr;
  QPushButton* invoeren_ = nullptr;
  QPushButton* vervangen_ = nullptr;
  QPushButton* overslaan_ = nullptr;
  QPushButton* breekAf_ = nullptr;
};

}  // namespace valdero
