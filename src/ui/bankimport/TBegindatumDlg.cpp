#include "ui/widgets/QtDatum.h"
#include "ui/bankimport/TBegindatumDlg.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <string>

#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"

namespace valdero {
TBegindatumDlg::TBegindatumDlg(Kasboek& kb, const StartDatumVoorstel& v, QWidget* parent)
    : QDialog(parent), kb_(kb) {
  setWindowTitle(QStringLiteral("Kies Begindatum"));
  auto* laag = new QVBoxLayout(this);
  veld_ = new QLineEdit(QString::fromStdString(DatumTekst(v.voorstel)), this);
  veld_->setObjectName(QStringLiteral("DatumPicker"));
  veld_->setToolTip(QStringLiteral("Geef de begindatum van de afschriften"));
  kalender_ = new QCalendarWidget(this);
  kalender_->setFirstDayOfWeek(Qt::Monday);
  kalender_->setSelectedDate(AlsQDate(v.voorstel));
  auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  laag->addWidget(new QLabel(QStringLiteral("Kies Begindatum"), this));
  laag->addWidget(veld_);
  laag->addWidget(kalender_);
  laag->addWidget(knoppen);
  connect(kalender_, &QCalendarWidget::clicked, this, [this](const QDate& d) {
    veld_->setText(QString::fromStdString(DatumTekst(MaakDatum(d.year(), d.month(), d.day()))));
  });
  connect(kalender_, &QCalendarWidget::activated, this, [this](const QDate&) { accept(); });
  // Enter in the field accepts what was typed.
  connect(veld_, &QLineEdit::returnPressed, this, &TBegindatumDlg::accept);
  connect(knoppen, &QDialogButtonBox::accepted, this, &TBegindatumDlg::accept);
  connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
  veld_->selectAll();
  veld_->setFocus();
}

void TBegindatumDlg::accept() {
  std::string tekst = veld_->text().trimmed().toStdString();
  if (tekst.empty() || !DatumAanvullen(kb_, tekst)) {
    veld_->setFocus();
    return;
  }
  const auto d = LeesDatum(tekst, JaarVan(kb_.Vandaag()));
  if (!d) return;
  datum_ = *d;
  veld_->setText(QString::fromStdString(tekst));
  kalender_->setSelectedDate(AlsQDate(*d));
  QDialog::accept();
}

}  // namespace valdero
