#include "ui/relations/TRelatieDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/StapDialoog.h"

namespace valdero {

TRelatieDlg::TRelatieDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("RelatieDlg");
  setWindowTitle("Relatie gegevens");
  setModal(true);
  auto* vorm = new QFormLayout;
  for (std::size_t i = 0; i < velden_.size(); ++i) {
    auto* veld = new QLineEdit(this);
    veld->setObjectName(QTekst(RelatieVenster::DialoogLabels()[i]) + "Edit");
    veld->setMinimumWidth(260);
    veld->installEventFilter(this);
    vorm->addRow(QTekst(RelatieVenster::DialoogLabels()[i]), veld);
    velden_[i] = veld;
  }
  auto* knoppen = new QDialogButtonBox(this);
  ok_ = knoppen->addButton("OK", QDialogButtonBox::AcceptRole);
  ok_->setObjectName("OkBtn");
  knoppen->addButton("Schrap", QDialogButtonBox::RejectRole)->setObjectName("SchrapBtn");
  connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addLayout(vorm);
  hoofd->addWidget(knoppen);
}

void TRelatieDlg::Zet(const RelatieRij& rij) {
  for (std::size_t i = 0; i < velden_.size(); ++i) velden_[i]->setText(QTekst(rij[i]));
  velden_[0]->setFocus();
}

RelatieRij TRelatieDlg::Lees() const {
  RelatieRij rij;
  for (std::size_t i = 0; i < velden_.size(); ++i) rij[i] = velden_[i]->text().toStdString();
  return rij;
}

bool TRelatieDlg::eventFilter(QObject* o, QEvent* e) {
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
