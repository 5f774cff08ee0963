#include "ui/relations/TRelatieForm.h"

#include <QCloseEvent>
#include <algorithm>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "ui/relations/TRelatieDlg.h"
#include "ui/widgets/StapDialoog.h"
#include "ui/widgets/Tnavigator.h"
#include "ui/widgets/AfdrukVoorbeeld.h"

namespace valdero {
namespace {

// The grid, telling whether a cell is being typed in.
class Raster : public QTableWidget {
 public:
  using QTableWidget::QTableWidget;
  bool Bewerkt() const { return state() == QAbstractItemView::EditingState; }
  int NodigeBreedte(int kolom) const { return sizeHintForColumn(kolom); }
};

bool Bewerkt(QTableWidget* raster) { return static_cast<Raster*>(raster)->Bewerkt(); }

}  // namespace

TRelatieForm::TRelatieForm(Kasboek& kb, QWidget* parent)
    : QWidget(parent, Qt::Window), kb_(kb), model_(kb) {
  setObjectName("RelatieForm");
  setWindowTitle("Relaties");

  kop_ = new QLabel(QTekst(RelatieVenster::KopTekst()), this);
  kop_->setObjectName("Relatiehead");
  QFont vet = kop_->font();
  vet.setBold(true);
  kop_->setFont(vet);

  raster_ = new Raster(0, kRelatieKolommen, this);
  raster_->setObjectName("RelatieGrid");
  QStringList kop;
  for (const auto& k : RelatieVenster::Kop()) kop << QTekst(k);
  raster_->setHorizontalHeaderLabels(kop);
  for (int k = 0; k < kRelatieKolommen; ++k)
    raster_->setColumnWidth(k, RelatieVenster::Breedtes()[static_cast<std::size_t>(k)]);
  raster_->verticalHeader()->hide();
  raster_->verticalHeader()->setDefaultSectionSize(raster_->fontMetrics().height() + 6);
  raster_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
  raster_->setSelectionMode(QAbstractItemView::SingleSelection);
  raster_->setMinimumHeight(raster_->horizontalHeader()->sizeHint().height() +
                            RelatieVenster::ZichtbareRijen * raster_->verticalHeader()->defaultSectionSize());
  raster_->viewport()->installEventFilter(this);

  namen_ = new QComboBox(this);
  namen_->setObjectName("RelatieBox1");
  rekeningen_ = new QComboBox(this);
  rekeningen_->setObjectName("RelRekBox1");
  for (QComboBox* c : {namen_, rekeningen_}) {
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumWidth(200);
  }

  navigator_ = new Tnavigator(this);
  navigator_->setObjectName("RelNavigator");
  navigator_->ZetZichtbaar({nbFirst, nbPrior, nbNext, nbLast, nbDelete, nbEdit, nbRefresh});
  navigator_->setFixedWidth(7 * 26);

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OkBtn");
  schrap_ = new QPushButton("Schrap", this);
  schrap_->setObjectName("SchrapBtn");
  afdrukken_ = new QPushButton("Afdrukken", this);
  afdrukken_->setObjectName("AfdrukBtn");

  auto* keuzes = new QHBoxLayout;
  keuzes->addWidget(new QLabel("Naam", this));
  keuzes->addWidget(namen_);
  keuzes->addSpacing(12);
  keuzes->addWidget(new QLabel("Rekening", this));
  keuzes->addWidget(rekeningen_);
  keuzes->addStretch();
  auto* onder = new QHBoxLayout;
  onder->addWidget(navigator_);
  onder->addStretch();
  onder->addWidget(afdrukken_);
  onder->addWidget(ok_);
  onder->addWidget(schrap_);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addWidget(kop_);
  hoofd->addLayout(keuzes);
  hoofd->addWidget(raster_, 1);
  hoofd->addLayout(onder);
  resize(800, 490);

  connect(namen_, &QComboBox::activated, this, &TRelatieForm::KiesRij);
  connect(rekeningen_, &QComboBox::activated, this, &TRelatieForm::KiesRij);
  connect(navigator_, &Tnavigator::Click, this, &TRelatieForm::Navigeer);
  connect(ok_, &QPushButton::clicked, this, [this] {
    NeemRijen();
    model_.Ok();
    close();
  });
  connect(schrap_, &QPushButton::clicked, this, &QWidget::close);
  connect(afdrukken_, &QPushButton::clicked, this, [this] {
    NeemRijen();
    Afdrukken(this, kb_, (kb_.Config.Vlaggen & vlag::Liggend) != 0, [this] { model_.Afdrukken(); });
  });
}

TRelatieForm::~TRelatieForm() = default;

bool TRelatieForm::Open(QWidget* hoofdvenster) {
  if (!model_.Open()) return false;
  ToonRijen();
  if (hoofdvenster != nullptr) {
    const QScreen* scherm = QGuiApplication::primaryScreen();
    const int links = scherm ? scherm->availableGeometry().left() : 0;
    move(links + 255, hoofdvenster->y() + 105);
  }
  show();
  raise();
  if (raster_->rowCount() > 0) raster_->setCurrentCell(0, 1);
  raster_->setFocus();
  return true;
}

void TRelatieForm::ToonRijen() {
  const QSignalBlocker stil(raster_);
  raster_->setRowCount(static_cast<int>(model_.rijen.size()));
  for (int r = 0; r < raster_->rowCount(); ++r)
    for (int k = 0; k < kRelatieKolommen; ++k)
      raster_->setItem(r, k,
                       new QTableWidgetItem(QTekst(model_.rijen[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)])));
  // The window's widths at least; wider where a text would be cut.
  for (int k = 0; k < kRelatieKolommen; ++k)
    raster_->setColumnWidth(k, std::max(RelatieVenster::Breedtes()[static_cast<std::size_t>(k)],
                                        static_cast<Raster*>(raster_)->NodigeBreedte(k)));
  namen_->clear();
  rekeningen_->clear();
  for (const auto& n : model_.Namen()) namen_->addItem(QTekst(n));
  for (const auto& n : model_.Rekeningen()) rekeningen_->addItem(QTekst(n));
}

void TRelatieForm::NeemRijen() {
  // A cell still being edited counts too.
  // (moving the current cell away and back commits the editor).
  if (Bewerkt(raster_)) {
    const int r = raster_->currentRow(), k = raster_->currentColumn();
    raster_->setCurrentCell(-1, -1);
    raster_->setCurrentCell(r, k);
  }
  for (int r = 0; r < raster_->rowCount() && r < static_cast<int>(model_.rijen.size()); ++r)
    for (int k = 0; k < kRelatieKolommen; ++k) {
      const QTableWidgetItem* item = raster_->item(r, k);
      model_.rijen[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)] =
          item ? item->text().toStdString() : std::string();
    }
}

void TRelatieForm::KiesRij(int rij) {
  if (rij < 0 || rij >= raster_->rowCount()) return;
  raster_->setCurrentCell(rij, 1);
  raster_->setFocus();
}

void TRelatieForm::Navigeer(int knop) {
  if (Bewerkt(raster_)) {
    kb_.berichten().BerichtDlg("Editor mode is actief, druk Enter", BerichtSoort::Informatie, knop::OK);
    return;
  }
  const int rij = raster_->currentRow();
  const int laatste = raster_->rowCount() - 1;
  const int kolom = raster_->currentColumn() < 0 ? 1 : raster_->currentColumn();
  switch (knop) {
    case nbFirst: raster_->setCurrentCell(0, kolom); break;
    case nbPrior: raster_->setCurrentCell(rij > 0 ? rij - 1 : 0, kolom); break;
    case nbNext: raster_->setCurrentCell(rij < laatste ? rij + 1 : laatste, kolom); break;
    case nbLast: raster_->setCurrentCell(laatste, kolom); break;
    case nbDelete:
      NeemRijen();
      if (model_.Verwijder(rij)) {
        ToonRijen();
        raster_->setCurrentCell(rij < raster_->rowCount() ? rij : raster_->rowCount() - 1, kolom);
      }
      break;
    case nbEdit: Bewerk(); break;
    case nbRefresh:
      NeemRijen();
      model_.Ververs();
      ToonRijen();
      raster_->setCurrentCell(0, 1);
      break;
    default: break;
  }
  raster_->setFocus();
}

void TRelatieForm::Bewerk() {
  const int rij = raster_->currentRow();
  if (rij < 0) return;
  NeemRijen();
  if (!dialoog_) dialoog_ = new TRelatieDlg(this);
  dialoog_->Zet(model_.rijen[static_cast<std::size_t>(rij)]);
  const int uitslag = BedienRelatieDialoog(*dialoog_);
  dialoog_->hide();
  if (uitslag == QDialog::Accepted) {
    model_.rijen[static_cast<std::size_t>(rij)] = dialoog_->Lees();
    ToonRijen();
    raster_->setCurrentCell(rij, 1);
  }
  model_.NaDialoog();
}

bool TRelatieForm::eventFilter(QObject* o, QEvent* e) {
  if (o == raster_->viewport() && e->type() == QEvent::ToolTip) {
    auto* h = static_cast<QHelpEvent*>(e);
    QToolTip::showText(h->globalPos(), QTekst(RelatieVenster::KolomHint(raster_->columnAt(h->pos().x()))),
                       raster_);
    return true;
  }
  return QWidget::eventFilter(o, e);
}

void TRelatieForm::closeEvent(QCloseEvent* e) {
  QWidget::closeEvent(e);
  emit Gesloten();
}

int TRelatieForm::BedienRelatieDialoog(TRelatieDlg& dlg) { return dlg.exec(); }

}  // namespace valdero
