#include "ui/reports/TGroepUitDlg.h"
#include "ui/widgets/VensterPlek.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/core/Kasboek.h"
#include "ui/widgets/AfdrukVoorbeeld.h"

namespace valdero {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

const QColor kRood(200, 0, 0);

QString Stijl(VeldKleur kleur) {
  switch (kleur) {
    case VeldKleur::Groen: return QStringLiteral("QLabel { color: #008000; }");
    case VeldKleur::Rood: return QStringLiteral("QLabel { color: #c80000; }");
    default: return {};
  }
}

QLabel* Veld(QWidget* ouder, const char* naam) {
  auto* l = new QLabel(ouder);
  l->setObjectName(QString::fromUtf8(naam));
  l->setFrameShape(QFrame::StyledPanel);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setMinimumWidth(90);
  return l;
}

}  // namespace

TGroepUitDlg::TGroepUitDlg(Kasboek& kb, QWidget* parent) : QDialog(parent), kb_(kb), model_(kb) {
  setObjectName(QStringLiteral("GroepUitDlg"));
  setWindowTitle(QStringLiteral("Speciale Groep"));
  setModal(true);
  auto* hoofd = new QVBoxLayout(this);

  kop_ = new QLabel(this);
  QFont vet = kop_->font();
  vet.setBold(true);
  kop_->setFont(vet);
  hoofd->addWidget(kop_);

  tabel_ = new QTableWidget(this);
  tabel_->setObjectName(QStringLiteral("groepTabel"));
  tabel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabel_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabel_->verticalHeader()->hide();
  tabel_->verticalHeader()->setDefaultSectionSize(20);
  tabel_->setWordWrap(false);
  connect(tabel_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int k, int, int nieuw) {
    if (!zetBreedtes_ && k >= 0 && k < static_cast<int>(breedtes_.size())) breedtes_[static_cast<std::size_t>(k)] = nieuw;
  });
  hoofd->addWidget(tabel_, 1);

  auto* onder = new QHBoxLayout;
  filter_ = new QCheckBox(QStringLiteral("Transactiefilter"), this);
  filter_->setObjectName(QStringLiteral("Transactiefilter"));
  filter_->setToolTip(QStringLiteral("BTW volgens de boeking zelf in plaats van de klasse van de groep"));
  aantal_ = new QLabel(this);
  aantal_->setObjectName(QStringLiteral("aantal"));
  totaalLabel_ = new QLabel(this);
  totaal_ = Veld(this, "totaal");
  btwTotaal_ = Veld(this, "btwTotaal");
  onder->addWidget(filter_);
  onder->addSpacing(12);
  onder->addWidget(aantal_);
  onder->addStretch();
  onder->addWidget(totaalLabel_);
  onder->addWidget(totaal_);
  onder->addWidget(btwTotaal_);
  hoofd->addLayout(onder);

  auto* knoppen = new QHBoxLayout;
  print_ = new QPushButton(QStringLiteral("&Print"), this);
  sluit_ = new QPushButton(QStringLiteral("&Sluit"), this);
  knoppen->addStretch();
  knoppen->addWidget(print_);
  knoppen->addWidget(sluit_);
  hoofd->addLayout(knoppen);

  connect(filter_, &QCheckBox::toggled, this, [this](bool aan) {
    model_.ZetTransactiefilter(aan);
    Toon();
  });
  connect(print_, &QPushButton::clicked, this, [this] {
    Afdrukken(this, kb_, (kb_.Config.Vlaggen & vlag::Liggend) != 0, [this, breedtes = KolomBreedtes()] { model_.Print(kb_.printer(), breedtes); });
  });
  connect(sluit_, &QPushButton::clicked, this, &QDialog::accept);
}

bool TGroepUitDlg::Begin(int modus, int rekNr, int index) {
  {
    // The filter keeps its state between openings; the model follows it.
    const QSignalBlocker stil(filter_);
    model_.ZetTransactiefilter(filter_->isChecked());
  }
  if (!model_.Toon(modus, rekNr, index)) return false;
  Toon();
  if (!isVisible()) PlaatsBijHoofdvenster(*this, kOnderMenuRechts);
  show();
  raise();
  activateWindow();
  return true;
}

void TGroepUitDlg::ShowGroupOverview(int modus, int rekNr, int index) {
  if (Begin(modus, rekNr, index)) exec();
}

void TGroepUitDlg::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  tabel_->setFocus();
}

void TGroepUitDlg::Toon() {
  const GroepRapportTabel& t = model_.Tabel();
  kop_->setText(Q(t.KopRegel(0)) + QLatin1Char('\n') + Q(t.KopRegel(1)));
  tabel_->clear();
  tabel_->setColumnCount(t.Kolommen());
  QStringList titels;
  for (const std::string& s : t.titels) titels << Q(s);
  tabel_->setHorizontalHeaderLabels(titels);
  QFont f = tabel_->font();
  f.setPointSize(kb_.Config.FontGrootte > 0 ? kb_.Config.FontGrootte : 10);
  tabel_->setFont(f);
  tabel_->setRowCount(static_cast<int>(t.rijen.size()));
  for (int r = 0; r < static_cast<int>(t.rijen.size()); ++r) {
    const auto& cellen = t.rijen[static_cast<std::size_t>(r)].cellen;
    for (int k = 0; k < static_cast<int>(cellen.size()) && k < t.Kolommen(); ++k) {
      const std::string& tekst = cellen[static_cast<std::size_t>(k)];
      auto* item = new QTableWidgetItem(Q(tekst));
      if (t.IsRechtsKolom(k)) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (!tekst.empty() && tekst[0] == '-') item->setForeground(kRood);
      tabel_->setItem(r, k, item);
    }
  }
  // Cells are shown whole on screen (a long relation or group title up to
  // a limit); the printout keeps the overview's own widths or the user's.
  zetBreedtes_ = true;
  breedtes_ = t.breedtes;
  int som = 0;
  for (int k = 0; k < t.Kolommen(); ++k) {
    tabel_->resizeColumnToContents(k);
    const int w = std::max(t.breedtes[static_cast<std::size_t>(k)], std::min(tabel_->columnWidth(k), 280));
    tabel_->setColumnWidth(k, w);
    som += w;
  }
  zetBreedtes_ = false;
  tabel_->horizontalHeader()->setStretchLastSection(true);

  aantal_->setText(Q(t.aantal));
  totaalLabel_->setText(Q(t.totaalLabel));
  totaal_->setText(Q(t.totaal.tekst));
  totaal_->setStyleSheet(Stijl(t.totaal.kleur));
  btwTotaal_->setVisible(t.btwTotaal.zichtbaar);
  btwTotaal_->setText(Q(t.btwTotaal.tekst));
  btwTotaal_->setStyleSheet(Stijl(t.btwTotaal.kleur));
  if (t.geselecteerd >= 0) tabel_->setCurrentCell(t.geselecteerd, 0);

  const int rijen = std::clamp(static_cast<int>(t.rijen.size()), 6, 20);
  resize(std::clamp(som + 48, 520, 1000), rijen * 20 + 190);
}

}  // namespace valdero
