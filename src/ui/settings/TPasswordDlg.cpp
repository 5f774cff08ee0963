#include "ui/settings/TPasswordDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace valdero {

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("PasswordDlg");
  setWindowTitle("Wachtwoord ");
  setModal(true);

  label_ = new QLabel(this);
  label_->setObjectName("PassLabel");
  invoer_ = new QLineEdit(this);
  invoer_->setObjectName("PassEdit");
  invoer_->setEchoMode(QLineEdit::Password);
  invoer_->setStyleSheet("lineedit-password-character: 42");  // "*"
  invoer_->setMaxLength(6);
  invoer_->setMinimumWidth(invoer_->fontMetrics().averageCharWidth() * 14);

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OKBtn");
  ok_->setDefault(true);
  schrap_ = new QPushButton("Schrap", this);
  schrap_->setObjectName("CancelBtn");

  status_ = new QLabel(this);
  status_->setObjectName("PassPanel");
  status_->setFrameShape(QFrame::StyledPanel);
  status_->setFrameShadow(QFrame::Sunken);
  status_->setMargin(3);

  auto* regel = new QHBoxLayout;
  regel->addWidget(label_);
  regel->addWidget(invoer_, 1);

  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch();
  knoppen->addWidget(ok_);
  knoppen->addWidget(schrap_);
  knoppen->addStretch();

  auto* hoofd = new QVBoxLayout(this);
  hoofd->addLayout(regel);
  hoofd->addLayout(knoppen);
  hoofd->addWidget(status_);
  setMinimumWidth(fontMetrics().averageCharWidth() * 50);

  connect(ok_, &QPushButton::clicked, this, [this] { done(1); });
  connect(schrap_, &QPushButton::clicked, this, [this] { done(2); });
}

void TPasswordDlg::Zet(const WachtwoordScherm& scherm) {
  setWindowTitle(QString::fromStdString(scherm.Titel));
  label_->setText(QString::fromStdString(scherm.Label));
  label_->setVisible(scherm.LabelZichtbaar);
  invoer_->setVisible(scherm.InvoerZichtbaar);
  invoer_->setText(QString::fromStdString(scherm.Invoer));
  schrap_->setVisible(scherm.SchrapZichtbaar);
  status_->setText(QString::fromStdString(scherm.Status));
  if (scherm.InvoerZichtbaar) invoer_->setFocus(); else ok_->setFocus();
}

void TPasswordDlg::Lees(WachtwoordScherm& scherm) const { scherm.Invoer = invoer_->text().toStdString(); }

int TPasswordDlg::Toon(WachtwoordScherm& scherm) {
  Zet(scherm);
  // The frame's close and Escape give 0 from exec: that is "Schrap".
  const int uitslag = exec() == 1 ? 1 : 2;
  Lees(scherm);
  return uitslag;
}

}  // namespace valdero
