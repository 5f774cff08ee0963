#include "ui/accounts/TRekenForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "model/core/Kasboek.h"
#include "model/core/Sorteren.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"
#include "ui/widgets/StapDialoog.h"
#include "ui/widgets/TSortDlg.h"
#include "ui/widgets/TabelVenster.h"
#include "ui/widgets/TekstRaster.h"
#include "ui/widgets/Tnavigator.h"
#include "ui/widgets/AfdrukVoorbeeld.h"
#include "ui/widgets/VensterPlek.h"

namespace valdero {
namespace {

constexpr int kRijHoogte = 24;

QPushButton* Knop(const char* tekst, const char* naam, const char* hint, QWidget* ouder) {
  auto* k = new QPushButton(QString::fromUtf8(tekst), ouder);
  k->setObjectName(naam);
  k->setToolTip(QString::fromUtf8(hint));
  k->setAutoDefault(false);
  return k;
}

QListWidget* Keuzelijst(const char* naam, const char* hint, QWidget* ouder) {
  auto* l = new QListWidget(ouder);
  l->setObjectName(naam);
  l->setToolTip(QString::fromUtf8(hint));
  l->hide();
  return l;
}

}  // namespace

TRekenForm::TRekenForm(Kasboek& kb, RekeningDialoogVoerder& dialoogVoerder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      kb_(kb),
      dialoog_(kb, dialoogVoerder),
      model_(kb, dialoog_, [](Kasboek& boek) { BewaarNaWijziging(boek); },
             [](Kasboek& boek) {
               // A configuration that cannot be written says so itself.
               if (!boek.sessie.ConfigPad.empty()) static_cast<void>(SchrijfConfig(boek));
             }) {
  setObjectName("RekenForm");
  setWindowTitle(QTekst(RekeningTabel::kTitel));
  model_.groepenVeranderd = [this] { emit GroepenVeranderd(); };

  kop_ = new QLabel(QTekst(RekeningTabel::kKop), this);
  kop_->setObjectName("RekenHead");
  kop_->setStyleSheet("font-weight: bold;");

  raster_ = new TekstRaster(this);
  raster_->setObjectName("RekenGrid");
  raster_->setToolTip("Rekening records");
  const auto& b = RekeningTabel::kBreedtes;
  raster_->ZetKolommen(RekeningTabel::Titels(), {b.begin(), b.end()});
  raster_->verticalHeader()->setDefaultSectionSize(kRijHoogte);
  raster_->viewport()->installEventFilter(this);

  soortBox_ = Keuzelijst("SoortBox", "Kies soort en geef Enter ", this);
  muntBox_ = Keuzelijst("MuntAfkBox", "Kies munt en klik opnieuw ", this);
  for (QListWidget* l : {soortBox_, muntBox_}) {
    l->installEventFilter(this);
    connect(l, &QListWidget::itemClicked, this, [this, l] { KiesUitLijst(l); });
  }

  namen_ = new QComboBox(this);
  namen_->setObjectName("RekeningBox1");
  namen_->setEditable(true);
  namen_->setInsertPolicy(QComboBox::NoInsert);
  namen_->lineEdit()->setPlaceholderText("Naam");
  namen_->setToolTip("Kies een rekening op naam");
  namen_->setMinimumWidth(220);

  navigator_ = new Tnavigator(this);
  navigator_->setObjectName("Rnavigator");
  navigator_->setMinimumWidth(260);

  auto* paneel = new QWidget(this);
  paneel->setObjectName("RekenPanel");
  auto* print = Knop("&Print", "PrintBtn", "Print Rekening tabel", paneel);
  auto* ok = Knop("&OK", "OkBtn", "Sluit venster en bewaar Rekeningtabel", paneel);
  auto* schrap = Knop("&Schrap", "SchrapBtn", "Annuleer wijzigingen", paneel);
  auto* bewaar = Knop("&Bewaar", "BewaarBtn", "Bewaar rekeningen in  tekst bestand", paneel);
  auto* sorteer = Knop("&Sorteren", "SorteerBtn", "Sorteren van rekeningen", paneel);
  auto* knoppen = new QHBoxLayout(paneel);
  knoppen->setContentsMargins(0, 0, 0, 0);
  for (QPushButton* k : {print, bewaar, sorteer}) knoppen->addWidget(k);
  knoppen->addStretch();
  for (QPushButton* k : {ok, schrap}) knoppen->addWidget(k);

  auto* boven = new QHBoxLayout;
  boven->addWidget(kop_, 1);
  boven->addWidget(new QLabel("Naam", this));
  boven->addWidget(namen_);
  // The navigator sits right under the grid, which is only as tall as its rows.
  auto* onder = new QHBoxLayout;
  onder->addWidget(navigator_);
  onder->addStretch();
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addLayout(boven);
  hoofd->addWidget(raster_, 1);
  hoofd->addLayout(onder);
  hoofd->addStretch();
  hoofd->addWidget(paneel);
  resize(640, 440);

  connect(raster_, &TekstRaster::CelGetypt, this,
          [this](int r, int k, const QString& t) { model_.ZetCel(r, k, t.toStdString()); });
  connect(raster_, &TekstRaster::HuidigGewijzigd, this, [this](int r, int k) { model_.Kies(r, k); });
  connect(raster_, &TekstRaster::Enter, this, &TRekenForm::Enter);
  connect(raster_, &TekstRaster::Tab, this, &TRekenForm::Tab);
  connect(raster_, &QTableWidget::cellDoubleClicked, this,
          [this](int r, int k) { DubbelKlik(r + 1, k); });
  connect(navigator_, &Tnavigator::Click, this, &TRekenForm::Navigeer);
  connect(namen_, &QComboBox::activated, this, [this](int i) {
    model_.KiesNaam(i);
    ToonHuidig();
    raster_->setFocus();
  });
  connect(print, &QPushButton::clicked, this, [this] { Afdrukken(this, kb_, (kb_.Config.Vlaggen & vlag::Liggend) != 0, [this] { model_.Print(); }); });
  connect(bewaar, &QPushButton::clicked, this, [this] { model_.BewaarTekst(); });
  connect(sorteer, &QPushButton::clicked, this, &TRekenForm::Sorteren);
  connect(ok, &QPushButton::clicked, this, &TRekenForm::OkKlik);
  connect(schrap, &QPushButton::clicked, this, &TRekenForm::SchrapKlik);
}

void TRekenForm::Open() {
  if (kb_.Config.FontGrootte > 0) {
    QFont f = raster_->font();
    f.setPointSize(kb_.Config.FontGrootte);
    raster_->setFont(f);
  }
  model_.Open();
  soortBox_->hide();
  muntBox_->hide();
  ToonTabel();
  if (!isVisible()) PlaatsBijHoofdvenster(*this, kOnderMenu);
  show();
  raise();
  activateWindow();
  raster_->setFocus();
}

void TRekenForm::ZetRasterHoogte() {
  // As tall as its rows, but never taller than the window leaves room for.
  raster_->setMaximumHeight(std::max(2 * kRijHoogte, std::min(height() - 125, 26 * model_.Rijen() + 26 + kRijHoogte)));
}

void TRekenForm::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  ZetRasterHoogte();
}

void TRekenForm::ToonTabel() {
  std::vector<std::vector<std::string>> rijen;
  for (int r = 1; r <= model_.Rijen(); ++r) {
    const auto& rij = model_.RijTekst(r);
    rijen.emplace_back(rij.begin(), rij.end());
  }
  raster_->Vul(rijen);
  ZetRasterHoogte();
  const QSignalBlocker stil(namen_);
  namen_->clear();
  for (const auto& n : model_.Namen()) namen_->addItem(QTekst(n));
  namen_->setCurrentIndex(-1);
  ToonHuidig();
}

void TRekenForm::ToonRij(int r) {
  if (r < 1 || r > model_.Rijen()) return;
  const auto& rij = model_.RijTekst(r);
  raster_->ZetRij(r, {rij.begin(), rij.end()});
}

void TRekenForm::ToonHuidig() { raster_->ZetHuidig(model_.HuidigeRij(), model_.HuidigeKolom()); }

void TRekenForm::Enter(bool editorOpen) {
  const int r = model_.HuidigeRij();
  const int groepen = kb_.MaxGroep();
  model_.Enter(editorOpen);
  ToonRij(r);
  if (kb_.MaxGroep() != groepen) ToonTabel();
  ToonRij(model_.HuidigeRij());
  ToonHuidig();
}

void TRekenForm::Tab(bool editorOpen) {
  if (!editorOpen) return;  // the grid moves on by itself
  const int r = model_.HuidigeRij();
  model_.Enter(true);
  ToonRij(r);
  model_.Kies(r, std::min(model_.HuidigeKolom() + 1, RekeningTabel::kKolommen - 1));
  ToonHuidig();
}

void TRekenForm::Navigeer(int knop) {
  model_.Navigeer(knop, raster_->EditorOpen());
  ToonTabel();
  raster_->setFocus();
}

void TRekenForm::DubbelKlik(int rij, int kolom) {
  model_.Kies(rij, kolom);
  soortBox_->hide();
  muntBox_->hide();
  QListWidget* lijst = nullptr;
  std::vector<std::string> keuzes;
  int keuze = -1;
  if (kolom == RekeningTabel::kSoort) {
    lijst = soortBox_;
    keuzes = model_.SoortKeuzes();
    keuze = model_.SoortKeuze();
  } else if (kolom == RekeningTabel::kMunt) {
    lijst = muntBox_;
    keuzes = model_.MuntKeuzes();
    keuze = model_.MuntKeuze();
  }
  if (!lijst) return;
  lijst->clear();
  for (const auto& k : keuzes) lijst->addItem(QTekst(k));
  lijst->setCurrentRow(keuze);
  // The list floats beside the grid's columns, level with the row, so the
  // grid keeps every column in view.
  const QRect cel = raster_->visualRect(raster_->model()->index(rij - 1, kolom));
  int rechts = 0;
  for (int k = 0; k < raster_->columnCount(); ++k) rechts += raster_->columnWidth(k);
  const QPoint hoek = raster_->viewport()->mapTo(this, QPoint(rechts + 6, cel.top()));
  const int hoogte = std::min(static_cast<int>(keuzes.size()) * (lijst->fontMetrics().height() + 4) + 8, 180);
  const int breedte = std::max(120, width() - hoek.x() - 12);
  lijst->setGeometry(hoek.x(), std::min(hoek.y(), height() - hoogte - 8), breedte, hoogte);
  lijst->raise();
  lijst->show();
  lijst->setFocus();
}

void TRekenForm::KiesUitLijst(QListWidget* lijst) {
  const int i = lijst->currentRow();
  if (lijst == soortBox_)
    model_.KiesSoort(i);
  else
    model_.KiesMunt(i);
  ToonRij(model_.HuidigeRij());
  lijst->hide();
  raster_->setFocus();
}

void TRekenForm::Sorteren() {
  model_.VoorSorteren();
  Sorteer(kb_, SorteerOnderwerp::Rekeningen, this, [this](TSortDlg& dlg) { BedienSortering(dlg); });
  model_.NaSorteren();
  ToonTabel();
}

void TRekenForm::OkKlik() {
  TabelOk(*this, model_, *raster_, [this] { ToonTabel(); });
}

void TRekenForm::SchrapKlik() {
  model_.Schrap();
  close();
}

void TRekenForm::closeEvent(QCloseEvent* e) {
  if (!TabelMagSluiten(model_, e)) return;
  soortBox_->hide();
  muntBox_->hide();
  emit Gesloten();
}

bool TRekenForm::eventFilter(QObject* o, QEvent* e) {
  if (o == raster_->viewport() && e->type() == QEvent::ToolTip) {
    auto* h = static_cast<QHelpEvent*>(e);
    QToolTip::showText(h->globalPos(), QTekst(RekeningTabel::Hint(h->pos().x())), raster_);
    return true;
  }
  if ((o == soortBox_ || o == muntBox_) && e->type() == QEvent::KeyPress) {
    auto* lijst = static_cast<QListWidget*>(o);
    const int toets = static_cast<QKeyEvent*>(e)->key();
    if (toets == Qt::Key_Return || toets == Qt::Key_Enter) {
      KiesUitLijst(lijst);
      return true;
    }
    if (toets == Qt::Key_Escape) {
      lijst->hide();
      raster_->setFocus();
      return true;
    }
  }
  return QWidget::eventFilter(o, e);
}

void TRekenForm::BedienSortering(TSortDlg& dlg) { dlg.exec(); }

}  // namespace valdero
