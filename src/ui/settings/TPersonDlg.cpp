#include "ui/settings/TPersonDlg.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/core/Kasboek.h"
#include "model/settings/Persoonsdata.h"
#include "ui/widgets/StapDialoog.h"

namespace valdero {

TPersonDlg::TPersonDlg(Kasboek& kb, QWidget* parent) : QDialog(parent), kb_(kb) {
  setObjectName("PersonDlg");
  setWindowTitle("Persoonsgegevens");
  setModal(true);
  auto* vorm = new QFormLayout;
  for (std::size_t i = 0; i < velden_.size(); ++i) {
    auto* veld = new QLineEdit(this);
    veld->setObjectName(QString("Edit%1").arg(i + 1));
    veld->setMaxLength(kPersoonsLengte);
    veld->setMinimumWidth(220);
    veld->installEventFilter(this);
    vorm->addRow(QTekst(PersoonsLabels()[i]), veld);
    velden_[i] = veld;
  }
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OkBtn");
  ok_->setDefault(true);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addLayout(vorm);
  hoofd->addWidget(ok_, 0, Qt::AlignRight);
  connect(ok_, &QPushButton::clicked, this, [this] {
    Bewaar();
    accept();
  });
}

void TPersonDlg::Begin() {
  const auto regels = LeesPersoonsdata(kb_);
  for (std::size_t i = 0; i < velden_.size(); ++i) velden_[i]->setText(QTekst(regels[i]));
  velden_[0]->setFocus();
}

int TPersonDlg::Toon() {
  Begin();
  return exec();
}

void TPersonDlg::Bewaar() {
  std::array<std::string, kPersoonsRegels> regels;
  for (std::size_t i = 0; i < velden_.size(); ++i) regels[i] = velden_[i]->text().toStdString();
  BewaarPersoonsdata(kb_, regels);
}

bool TPersonDlg::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    const int toets = static_cast<QKeyEvent*>(e)->key();
    if (toets == Qt::Key_Return || toets == Qt::Key_Enter) {
      for (std::size_t i = 0; i < velden_.size(); ++i) {
        if (o != velden_[i]) continue;
        if (i + 1 < velden_.size())
          velden_[i + 1]->setFocus();
        else
          ok_->setFocus();
        return true;
      }
    }
  }
  return QDialog::eventFilter(o, e);
}

}  // namespace valdero
