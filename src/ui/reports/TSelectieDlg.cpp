#include "ui/reports/TSelectieDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/reports/ReportSelection.h"

namespace valdero {

TSelectieDlg::TSelectieDlg(Kasboek& kb, ReportSelection& selectie, QWidget* hoofdvenster)
    : QDialog(hoofdvenster), kb_(kb), selectie_(selectie), hoofdvenster_(hoofdvenster) {
  setWindowTitle(QStringLiteral("Selectie van :"));
  setObjectName(QStringLiteral("TSelectieDlg"));
  setModal(true);
  auto* hoofd = new QVBoxLayout(this);
  auto* boven = new QHBoxLayout;
  kader_ = new QGroupBox(this);
  auto* k = new QVBoxLayout(kader_);
  lijst_ = new QListWidget(kader_);
  lijst_->setObjectName(QStringLiteral("selectieLijst"));
  lijst_->setMinimumWidth(240);
  k->addWidget(lijst_);
  boven->addWidget(kader_, 1);
  auto* rechts = new QVBoxLayout;
  instructie_ = new QLabel(this);
  rechts->addWidget(instructie_);
  periode_ = new QGroupBox(QStringLiteral("Periode"), this);
  auto* p = new QVBoxLayout(periode_);
  perioden_ = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    auto* r = new QRadioButton(periode_);
    perioden_->addButton(r, i);
    p->addWidget(r);
  }
  rechts->addWidget(periode_);
  rechts->addStretch();
  boven->addLayout(rechts);
  hoofd->addLayout(boven);
  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch();
  ok_ = new QPushButton(QStringLiteral("&Ok"), this);
  schrap_ = new QPushButton(QStringLiteral("&Schrap"), this);
  ok_->setDefault(true);
  knoppen->addWidget(ok_);
  knoppen->addWidget(schrap_);
  hoofd->addLayout(knoppen);
  connect(ok_, &QPushButton::clicked, this, &TSelectieDlg::OkClick);
  connect(schrap_, &QPushButton::clicked, this, &QDialog::reject);
  // Space ticks the focused item, as a click on its box does.
  connect(lijst_, &QListWidget::itemActivated, this, [](QListWidgetItem* item) {
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  });
}

void TSelectieDlg::Vul(int soort) {
  inhoud_ = VulSelectie(kb_, soort);
  kader_->setTitle(QString::fromStdString(inhoud_.kader));
  QStringList regels;
  for (const std::string& s : inhoud_.instructie) regels << QString::fromStdString(s);
  instructie_->setText(regels.join(QLatin1Char('\n')));
  lijst_->clear();
  for (const std::string& s : inhoud_.items) {
    auto* item = new QListWidgetItem(QString::fromStdString(s), lijst_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  lijst_->setFixedHeight(inhoud_.lijstHoogte);
  if (lijst_->count() > 0) lijst_->setCurrentRow(0);
  periode_->setVisible(inhoud_.periodeZichtbaar);
  for (int i = 0; i < 4; ++i) perioden_->button(i)->setText(QString::fromStdString(inhoud_.perioden[static_cast<std::size_t>(i)]));
  perioden_->setExclusive(false);
  for (QAbstractButton* b : perioden_->buttons()) b->setChecked(false);
  perioden_->setExclusive(true);
  perioden_->button(0)->setChecked(true);
}

bool TSelectieDlg::RunSelection(int soort) {
  Vul(soort);
  if (hoofdvenster_) move(hoofdvenster_->x() + 40, hoofdvenster_->y() + 105);
  lijst_->setFocus();
  return exec() == QDialog::Accepted;
}

SelectieAntwoord TSelectieDlg::Antwoord(int soort) {
  SelectieAntwoord a;
  a.bevestigd = RunSelection(soort);
  a.klassenGekozen = selectie_.HeeftKlassen();
  a.relatieGekozen = selectie_.HeeftRelaties();
  return a;
}

void TSelectieDlg::OkClick() {
  std::vector<bool> vink;
  for (int i = 0; i < lijst_->count(); ++i) vink.push_back(lijst_->item(i)->checkState() == Qt::Checked);
  const std::string melding =
      BevestigSelectie(kb_, inhoud_, vink, inhoud_.periodeZichtbaar ? perioden_->checkedId() : -1, selectie_);
  if (!melding.empty()) {
    Mededeling(kb_, melding);
    return;
  }
  accept();
}

}  // namespace valdero
