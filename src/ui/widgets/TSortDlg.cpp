#include "ui/widgets/TSortDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace valdero {

TSortDlg::TSortDlg(Kasboek& kb, SorteerOnderwerp onderwerp, QWidget* parent)
    : QDialog(parent), model_(kb, onderwerp) {
  setObjectName("SortDlg");
  setWindowTitle(QString::fromStdString(model_.Titel()));
  setModal(true);

  auto* groep = new QGroupBox(QString::fromStdString(model_.KeuzeTitel()), this);
  groep->setObjectName("SorteerGroep");
  auto* knoppen = new QButtonGroup(this);
  auto* lijst = new QVBoxLayout(groep);
  const auto teksten = model_.Keuzes();
  for (int i = 0; i < 2; ++i) {
    keuzes_[i] = new QRadioButton(QString::fromStdString(teksten[static_cast<std::size_t>(i)]), groep);
    knoppen->addButton(keuzes_[i], i);
    lijst->addWidget(keuzes_[i]);
  }
  keuzes_[model_.Keuze()]->setChecked(true);
  connect(knoppen, &QButtonGroup::idClicked, this, [this](int i) { model_.Klik(i); });

  auto* ok = new QPushButton("&Ok", this);
  ok->setObjectName("OkBtn");
  ok->setDefault(true);
  auto* schrap = new QPushButton("&Schrap", this);
  schrap->setObjectName("SchrapBtn");
  connect(ok, &QPushButton::clicked, this, &TSortDlg::OkKlik);
  connect(schrap, &QPushButton::clicked, this, &QDialog::reject);

  auto* onder = new QHBoxLayout;
  onder->addStretch();
  onder->addWidget(ok);
  onder->addWidget(schrap);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addWidget(groep);
  hoofd->addLayout(onder);
  setMinimumWidth(260);
}

void TSortDlg::OkKlik() {
  model_.Ok();
  accept();
}

void Sorteer(Kasboek& kb, SorteerOnderwerp onderwerp, QWidget* ouder,
             const std::function<void(TSortDlg&)>& voerder) {
  TSortDlg dlg(kb, onderwerp, ouder);
  if (voerder)
    voerder(dlg);
  else
    dlg.exec();
}

}  // namespace valdero
