#pragma once
// "Rekening / Groep Selectie": a list to choose one account or group from.
// The SelectMut model builds the entries and reads the choice back.

#include <QDialog>

#include "model/bankimport/SelectMut.h"

class QComboBox;
class QLabel;

namespace valdero {

class TSelectMutForm : public QDialog, public SelectMutVoerder {
  Q_OBJECT
 public:
  explicit TSelectMutForm(QWidget* parent = nullptr);

  // Shows the list modally; the chosen text, nothing after Esc or cancel.
  std::optional<std::string> Kies(const SelectMut& selectie) override;
  // What Kies does before it blocks (for tests that drive the widgets).
  void Vul(const SelectMut& selectie);
  std::string Keuze() const;

 private:
  QLabel* label_ = nullptr;
  QComboBox* lijst_ = nullptr;
};

}  // namespace valdero
