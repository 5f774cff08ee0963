#include "ui/bankimport/TSelectMutForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace valdero {

TSelectMutForm::TSelectMutForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Rekening / Groep Selectie"));
  auto* laag = new QVBoxLayout(this);
  label_ = new QLabel(this);
  lijst_ = new QComboBox(this);
  lijst_->setEditable(true);
  lijst_->setInsertPolicy(QComboBox::NoInsert);
  lijst_->setMinimumWidth(320);
  label_->setBuddy(lijst_);
  auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoppen->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Schrap"));
  laag->addWidget(label_);
  laag->addWidget(lijst_);
  laag->addWidget(knoppen);
  connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(lijst_->lineEdit(), &QLineEdit::returnPressed, this, &QDialog::accept);
}

void TSelectMutForm::Vul(const SelectMut& selectie) {
  setWindowTitle(QString::fromStdString(selectie.Titel()));
  label_->setText(QString::fromStdString(selectie.Label()));
  lijst_->clear();
  for (const auto& r : selectie.Regels()) lijst_->addItem(QString::fromStdString(r));
  // The proposal is also the current entry, so that the arrow keys walk on
  // from it; "nnnn" is in no list and leaves no entry current.
  const QString eerste = QString::fromStdString(selectie.EersteTekst());
  lijst_->setCurrentIndex(lijst_->findText(eerste));
  lijst_->setEditText(eerste);
  lijst_->setFocus();
}

std::string TSelectMutForm::Keuze() const { return lijst_->currentText().toStdString(); }

std::optional<std::string> TSelectMutForm::Kies(const SelectMut& selectie) {
  Vul(selectie);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Keuze();
}

}  // namespace valdero
