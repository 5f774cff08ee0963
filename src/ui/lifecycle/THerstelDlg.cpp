#include "ui/lifecycle/THerstelDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/lifecycle/HerstelKeuze.h"

namespace valdero {

THerstelDlg::THerstelDlg(HerstelKeuze& keuze, QWidget* ouder) : QDialog(ouder), keuze_(keuze) {
  setObjectName(QStringLiteral("HerstelDlg"));
  setWindowTitle(QStringLiteral("Herstelpunt terugzetten"));
  auto* uitleg = new QLabel(keuze.Aantal() == 0
                                ? QStringLiteral("Nog geen herstelpunten van dit boek")
                                : QStringLiteral("Het boek zoals het was bij het openen:"),
                            this);
  lijst_ = new QTableWidget(keuze.Aantal(), 2, this);
  lijst_->setObjectName(QStringLiteral("HerstelLijst"));
  lijst_->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Transacties")});
  lijst_->verticalHeader()->hide();
  lijst_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lijst_->setSelectionMode(QAbstractItemView::SingleSelection);
  lijst_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int r = 0; r < keuze.Aantal(); ++r) {
    lijst_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(keuze.Datum(r))));
    auto* aantal = new QTableWidgetItem(QString::fromStdString(keuze.Transacties(r)));
    aantal->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lijst_->setItem(r, 1, aantal);
  }
  lijst_->resizeColumnsToContents();
  lijst_->horizontalHeader()->setStretchLastSection(true);
  if (keuze.Aantal() > 0) lijst_->selectRow(0);

  auto* terug = new QPushButton(QStringLiteral("&Terugzetten"), this);
  terug->setObjectName(QStringLiteral("TerugBtn"));
  terug->setEnabled(keuze.Aantal() > 0);
  auto* stop = new QPushButton(QStringLiteral("&Stop"), this);
  stop->setObjectName(QStringLiteral("StopBtn"));
  connect(terug, &QPushButton::clicked, this, &THerstelDlg::TerugzettenClick);
  connect(stop, &QPushButton::clicked, this, &QDialog::reject);
  connect(lijst_, &QTableWidget::cellDoubleClicked, this, &THerstelDlg::TerugzettenClick);

  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch();
  knoppen->addWidget(terug);
  knoppen->addWidget(stop);
  auto* vak = new QVBoxLayout(this);
  vak->addWidget(uitleg);
  vak->addWidget(lijst_);
  vak->addLayout(knoppen);
  resize(380, 320);
}

void THerstelDlg::TerugzettenClick() {
  if (!keuze_.ZetTerug(lijst_->currentRow())) return;
  teruggezet_ = true;
  accept();
}

}  // namespace valdero
