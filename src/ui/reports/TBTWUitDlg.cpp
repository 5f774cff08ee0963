#include "ui/reports/TBTWUitDlg.h"
#include "ui/widgets/VensterPlek.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/core/Kasboek.h"
#include "model/core/Records.h"
#include "model/reports/BtwRapport.h"
#include "model/reports/RapportAfdruk.h"
#include "ui/widgets/AfdrukVoorbeeld.h"

namespace valdero {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TBTWUitDlg::TBTWUitDlg(Kasboek& kb, QWidget* parent) : QDialog(parent), kb_(kb) {
  setObjectName(QStringLiteral("BTWUitDlg"));
  setWindowTitle(QStringLiteral("BTW Overzicht"));
  setModal(false);
  auto* hoofd = new QVBoxLayout(this);
  kop_ = new QLabel(this);
  QFont vet = kop_->font();
  vet.setBold(true);
  kop_->setFont(vet);
  hoofd->addWidget(kop_);

  tabel_ = new QTableWidget(this);
  tabel_->setObjectName(QStringLiteral("btwTabel"));
  tabel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabel_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabel_->verticalHeader()->hide();
  tabel_->verticalHeader()->setDefaultSectionSize(24);
  hoofd->addWidget(tabel_, 1);

  auto* knoppen = new QHBoxLayout;
  auto* print = new QPushButton(QStringLiteral("&Print"), this);
  print->setObjectName(QStringLiteral("PrintBtn"));
  print->setToolTip(QStringLiteral("Print BTW overzicht"));
  sluit_ = new QPushButton(QStringLiteral("&Sluit"), this);
  knoppen->addWidget(print);
  knoppen->addStretch();
  knoppen->addWidget(sluit_);
  hoofd->addLayout(knoppen);
  connect(sluit_, &QPushButton::clicked, this, &QDialog::close);
  connect(print, &QPushButton::clicked, this, [this] {
    Afdrukken(this, kb_, (kb_.Config.Vlaggen & vlag::Liggend) != 0,
              [this] { PrintBtwRapport(kb_, kb_.printer(), overzicht_); });
  });
  // Closed by the button, the frame or Escape.
  connect(this, &QDialog::finished, this, &TBTWUitDlg::Gesloten);
}

void TBTWUitDlg::ShowVatOverview(int rekNr, int aantal) {
  overzicht_ = BtwTabel(kb_, BouwBtwRapport(kb_, rekNr));
  const RapportTabel& t = overzicht_;
  kop_->setText(Q(t.KopRegel(0)) + (t.KopRegel(1).empty() ? QString() : QLatin1Char('\n') + Q(t.KopRegel(1))));
  tabel_->clear();
  tabel_->setColumnCount(t.Kolommen());
  QStringList titels;
  for (const std::string& s : t.titels) titels << Q(s);
  tabel_->setHorizontalHeaderLabels(titels);
  QFont f = tabel_->font();
  f.setPointSize(kb_.Config.FontGrootte > 0 ? kb_.Config.FontGrootte : 10);
  tabel_->setFont(f);
  // The sums of all accounts close the table as a row of their own, in
  // bold, that cannot be selected.
  const int n = static_cast<int>(t.rijen.size());
  tabel_->setRowCount(n + (t.totalen.empty() ? 0 : 1));
  auto zet = [this, &t](int r, int k, const std::string& tekst, VeldKleur kleur) {
    auto* item = new QTableWidgetItem(Q(tekst));
    if (t.IsBedragKolom(k)) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (kleur == VeldKleur::Rood || (kleur == VeldKleur::Geen && !tekst.empty() && tekst[0] == '-'))
      item->setForeground(QColor(200, 0, 0));
    else if (kleur == VeldKleur::Groen)
      item->setForeground(QColor(0, 128, 0));
    tabel_->setItem(r, k, item);
    return item;
  };
  for (int r = 0; r < n; ++r)
    for (int k = 0; k < t.Kolommen(); ++k)
      zet(r, k, t.rijen[static_cast<std::size_t>(r)].cellen[static_cast<std::size_t>(k)], VeldKleur::Geen);
  if (!t.totalen.empty()) {
    const TotaalRegel& tr = t.totalen[0];
    QFont vet = tabel_->font();
    vet.setBold(true);
    for (int k = 0; k < t.Kolommen(); ++k) {
      const RapportVeld v = k == 0 ? RapportVeld{tr.label} : tr.velden[static_cast<std::size_t>(k - 1)];
      QTableWidgetItem* item = zet(n, k, v.tekst, v.kleur);
      item->setFont(vet);
      item->setBackground(palette().alternateBase());
      item->setFlags(Qt::ItemIsEnabled);
    }
  }
  // Titles and amounts shown whole: the columns grow to them.
  for (int k = 0; k < t.Kolommen(); ++k) {
    tabel_->resizeColumnToContents(k);
    tabel_->setColumnWidth(k, std::max(t.breedtes[static_cast<std::size_t>(k)], tabel_->columnWidth(k)));
  }
  tabel_->horizontalHeader()->setStretchLastSection(true);

  if (t.geselecteerd >= 0) tabel_->setCurrentCell(t.geselecteerd, 0);

  const int rijen = std::max(rekNr != 0 ? 1 : std::max(aantal, static_cast<int>(t.rijen.size())), 1);
  int breedte = 40;
  for (int k = 0; k < t.Kolommen(); ++k) breedte += tabel_->columnWidth(k);
  resize(std::max(560, breedte), (rijen + (t.totalen.empty() ? 0 : 1)) * 25 + 160);
  if (!isVisible()) PlaatsBijHoofdvenster(*this, kOnderMenuRechts);
  show();
  raise();
  activateWindow();
  tabel_->setFocus();
}

}  // namespace valdero
