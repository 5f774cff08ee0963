#include "ui/groups/TBudgetForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
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

#include "model/core/Kasboek.h"
#include "model/core/Sorteren.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/ConfigBestand.h"
#include "ui/groups/TNewBudgetDlg.h"
#include "ui/widgets/StapDialoog.h"
#include "ui/widgets/TSortDlg.h"
#include "ui/widgets/TabelVenster.h"
#include "ui/widgets/TekstRaster.h"
#include "ui/widgets/Tnavigator.h"
#include "ui/widgets/AfdrukVoorbeeld.h"

namespace valdero {
namespace {

constexpr int kRijHoogte = 22;

QPushButton* Knop(const char* tekst, const char* naam, QWidget* ouder) {
  auto* k = new QPushButton(QString::fromUtf8(tekst), ouder);
  k->setObjectName(naam);
  k->setAutoDefault(false);
  return k;
}

QLineEdit* Veld(const char* naam, QWidget* ouder) {
  auto* v = new QLineEdit(ouder);
  v->setObjectName(naam);
  v->setReadOnly(true);
  v->setFocusPolicy(Qt::NoFocus);
  v->setAlignment(Qt::AlignRight);
  v->setMaximumWidth(110);
  return v;
}

}  // namespace

TBudgetForm::TBudgetForm(Kasboek& kb, QWidget* parent)
    : QWidget(parent, Qt::Window),
      kb_(kb),
      model_(kb, [](Kasboek& boek) { static_cast<void>(BewaarBoek(boek, !boek.GroepGelezen)); },
             [](Kasboek& boek) {
               // A configuration that cannot be written says so itself.
               if (!boek.sessie.ConfigPad.empty()) static_cast<void>(SchrijfConfig(boek));
             }) {
  setObjectName("BudgetForm");

  kop_ = new QLabel(this);
  kop_->setObjectName("BudgHead");
  kop_->setStyleSheet("font-weight: bold;");

  raster_ = new TekstRaster(this);
  raster_->setObjectName("BudgetGrid");
  raster_->verticalHeader()->setDefaultSectionSize(kRijHoogte);
  raster_->viewport()->installEventFilter(this);
  raster_->viewport()->setMouseTracking(true);

  klassen_ = new QListWidget(this);
  klassen_->setObjectName("KlasseLstBox");
  klassen_->hide();
  klassen_->installEventFilter(this);
  klassen_->setMinimumWidth(190);
  connect(klassen_, &QListWidget::itemClicked, this, &TBudgetForm::KiesKlasse);

  titels_ = new QComboBox(this);
  titels_->setObjectName("TitelBox1");
  titels_->setEditable(true);
  titels_->setInsertPolicy(QComboBox::NoInsert);
  titels_->setToolTip("Kies een groep op titel");
  titels_->lineEdit()->setPlaceholderText("Titel");
  titels_->setMinimumWidth(180);

  navigator_ = new Tnavigator(this);
  navigator_->setObjectName("Bnavigator");
  navigator_->setMinimumWidth(260);

  totalen_ = new QWidget(this);
  totalen_->setObjectName("TotalBudPanel");
  totaalLabel_ = new QLabel(totalen_);
  saldoLabel_ = new QLabel(totalen_);
  totaalIn_ = Veld("BudgTotalIn", totalen_);
  totaalUit_ = Veld("BudgTotalUit", totalen_);
  posSaldo_ = Veld("BudgPosSaldo", totalen_);
  negSaldo_ = Veld("BudgNegSaldo", totalen_);
  auto* tot = new QGridLayout(totalen_);
  tot->setContentsMargins(0, 0, 0, 0);
  tot->addWidget(totaalLabel_, 0, 0);
  tot->addWidget(totaalIn_, 0, 1);
  tot->addWidget(totaalUit_, 0, 2);
  tot->addWidget(saldoLabel_, 1, 0);
  tot->addWidget(posSaldo_, 1, 1);
  tot->addWidget(negSaldo_, 1, 2);
  tot->setColumnStretch(3, 1);

  waarschuwing_ = new QLabel(this);
  waarschuwing_->setObjectName("WarningLabel");
  waarschuwing_->setStyleSheet("color: #c00000; font-weight: bold;");
  waarschuwing_->hide();

  auto* ok = Knop("&OK", "OkBtn", this);
  auto* schrap = Knop("&Schrap", "SchrapBtn", this);
  auto* print = Knop("&Print", "PrintBtn", this);
  auto* bewaar = Knop("&Bewaar", "BewaarBtn", this);
  auto* sorteer = Knop("&Sorteren", "SorteerBtn", this);

  auto* boven = new QHBoxLayout;
  boven->addWidget(kop_, 1);
  boven->addWidget(new QLabel("Titel", this));
  boven->addWidget(titels_);
  auto* midden = new QHBoxLayout;
  midden->addWidget(raster_, 1);
  midden->addWidget(klassen_);
  auto* nav = new QHBoxLayout;
  nav->addWidget(navigator_);
  nav->addWidget(waarschuwing_, 1);
  auto* knoppen = new QHBoxLayout;
  for (QPushButton* k : {print, bewaar, sorteer}) knoppen->addWidget(k);
  knoppen->addStretch();
  for (QPushButton* k : {ok, schrap}) knoppen->addWidget(k);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addLayout(boven);
  hoofd->addLayout(midden, 1);
  hoofd->addLayout(nav);
  hoofd->addWidget(totalen_);
  hoofd->addLayout(knoppen);

  connect(raster_, &TekstRaster::CelGetypt, this,
          [this](int r, int k, const QString& t) { model_.ZetCel(r, k, t.toStdString()); });
  connect(raster_, &TekstRaster::HuidigGewijzigd, this, [this](int r, int k) { model_.Kies(r, k); });
  connect(raster_, &TekstRaster::Enter, this, &TBudgetForm::Enter);
  connect(raster_, &TekstRaster::Tab, this, &TBudgetForm::Tab);
  connect(raster_, &QTableWidget::cellDoubleClicked, this, [this](int r, int k) { DubbelKlik(r + 1, k); });
  connect(navigator_, &Tnavigator::Click, this, &TBudgetForm::Navigeer);
  connect(titels_, &QComboBox::activated, this, [this](int i) {
    model_.KiesTitel(i);
    ToonHuidig();
    raster_->setFocus();
  });
  connect(titels_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    const int i = titels_->findText(titels_->currentText());
    if (i < 0) return;
    model_.KiesTitel(i);
    ToonHuidig();
    raster_->setFocus();
  });
  connect(print, &QPushButton::clicked, this, [this] { Afdrukken(this, kb_, (kb_.Config.Vlaggen & vlag::Liggend) != 0, [this] { model_.Print(); }); });
  connect(bewaar, &QPushButton::clicked, this, [this] { model_.BewaarTekst(); });
  connect(sorteer, &QPushButton::clicked, this, &TBudgetForm::Sorteren);
  connect(ok, &QPushButton::clicked, this, &TBudgetForm::OkKlik);
  connect(schrap, &QPushButton::clicked, this, &TBudgetForm::SchrapKlik);
}

TBudgetForm::~TBudgetForm() = default;

bool TBudgetForm::Open(int view, int weken, const std::vector<std::string>& klassen, QWidget* hoofdvenster) {
  if (!model_.Open(view, weken, klassen)) return false;
  geopendAls_ = Nummer();
  Indeling();
  ToonTabel();
  if (hoofdvenster && !isVisible()) move(hoofdvenster->x(), hoofdvenster->y() + 105);
  show();
  raise();
  activateWindow();
  raster_->setFocus();
  return true;
}

void TBudgetForm::Indeling() {
  setWindowTitle(QTekst(model_.Titel()));
  kop_->setText(QTekst(model_.Kop()));
  raster_->ZetKolommen(model_.Titels(), model_.Breedtes());
  if (model_.MetBedragen()) {
    raster_->ZetBedragKolom(3, QColor(0xc8, 0xf0, 0xc8));
    raster_->ZetBedragKolom(4, QColor(0xff, 0xf4, 0xb0));
  }
  if (kb_.Config.FontGrootte > 0) {
    QFont f = raster_->font();
    f.setPointSize(kb_.Config.FontGrootte);
    raster_->setFont(f);
  }
  if (model_.MetBedragen())
    navigator_->ZetZichtbaar({nbFirst, nbPrior, nbNext, nbLast, nbCancel, nbRefresh});
  else
    navigator_->ZetZichtbaar({nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel,
                              nbRefresh});
  totalen_->setVisible(model_.MetBedragen());
  klassen_->hide();
  waarschuwing_->hide();
  if (model_.MetBedragen())
    resize(640, 490);
  else
    resize(545, 440);
}

void TBudgetForm::Ververs() {
  if (!isVisible()) return;
  model_.Herlaad();
  ToonTabel();
}

void TBudgetForm::ToonTabel() {
  std::vector<std::vector<std::string>> rijen;
  for (int r = 1; r <= model_.Rijen(); ++r) rijen.push_back(model_.RijTekst(r));
  raster_->Vul(rijen);
  const QSignalBlocker stil(titels_);
  titels_->clear();
  for (const auto& t : model_.TitelKeuzes()) titels_->addItem(QTekst(t));
  titels_->setCurrentIndex(-1);
  ToonTotalen();
  ToonHuidig();
  waarschuwing_->setText(QTekst(model_.Waarschuwing()));
  waarschuwing_->setVisible(!model_.Waarschuwing().empty());
}

void TBudgetForm::ToonRij(int r) {
  if (r >= 1 && r <= model_.Rijen()) raster_->ZetRij(r, model_.RijTekst(r));
}

void TBudgetForm::ToonHuidig() { raster_->ZetHuidig(model_.HuidigeRij(), model_.HuidigeKolom()); }

void TBudgetForm::ToonTotalen() {
  const BudgetTotalen& t = model_.Totalen();
  totaalLabel_->setText(QTekst(model_.TotaalLabel()));
  saldoLabel_->setText(QTekst(model_.SaldoLabel()));
  totaalIn_->setText(QTekst(t.in));
  totaalUit_->setText(QTekst(t.uit));
  posSaldo_->setText(QTekst(t.posSaldo));
  negSaldo_->setText(QTekst(t.negSaldo));
  posSaldo_->setVisible(!t.posSaldo.empty());
  negSaldo_->setVisible(t.posSaldo.empty());
  posSaldo_->setStyleSheet("color: #007000;");
  negSaldo_->setStyleSheet("color: #c00000;");
}

void TBudgetForm::Enter(bool editorOpen) {
  const int r = model_.HuidigeRij();
  model_.Enter(editorOpen);
  ToonRij(r);
  ToonRij(model_.HuidigeRij());
  ToonTotalen();
  ToonHuidig();
}

void TBudgetForm::Tab(bool editorOpen) {
  const int r = model_.HuidigeRij();
  model_.Tab(editorOpen);
  ToonRij(r);
  ToonTotalen();
  if (editorOpen) {
    model_.Kies(r, std::min(model_.HuidigeKolom() + 1, model_.Kolommen() - 1));
    ToonHuidig();
  }
}

void TBudgetForm::Navigeer(int knop) {
  switch (model_.Navigeer(knop, raster_->EditorOpen())) {
    case GroepTabel::Vervolg::NieuweGroep: NieuweGroep(); break;
    case GroepTabel::Vervolg::BewerkGroep: BewerkGroep(); break;
    case GroepTabel::Vervolg::Niets: break;
  }
  ToonTabel();
  raster_->setFocus();
}

void TBudgetForm::NieuweGroep() {
  if (!dialoog_) dialoog_ = std::make_unique<TNewBudgetDlg>(kb_, this);
  dialoog_->BeginNieuw(model_.NieuwePositie(), "zzzz", "", " -", model_.Weergave());
  BedienGroepDialoog(*dialoog_);
  dialoog_->hide();
  const GroepResultaat uit = dialoog_->Model()->Uitslag();
  model_.NaNieuweGroep(uit.gelukt, uit.kode);
}

void TBudgetForm::BewerkGroep() {
  const int positie = model_.Positie(model_.HuidigeRij());
  if (positie < 1) return;
  if (!dialoog_) dialoog_ = std::make_unique<TNewBudgetDlg>(kb_, this);
  const std::string oudeKode = kb_.GroepLijst[static_cast<std::size_t>(positie)].Kode;
  dialoog_->BeginWijzig(positie, model_.Weergave());
  BedienGroepDialoog(*dialoog_);
  dialoog_->hide();
  model_.NaBewerken(oudeKode);
}

void TBudgetForm::DubbelKlik(int rij, int kolom) {
  model_.Kies(rij, kolom);
  if (kolom != model_.KlasseKolom()) {
    klassen_->hide();
    return;
  }
  klassen_->clear();
  for (const auto& k : model_.KlasseKeuzes()) klassen_->addItem(QTekst(k));
  klassen_->setCurrentRow(model_.KlasseKeuze());
  klassen_->show();
  klassen_->setFocus();
}

void TBudgetForm::KiesKlasse() {
  model_.KiesKlasse(klassen_->currentRow());
  ToonRij(model_.HuidigeRij());
  ToonTotalen();
  klassen_->hide();
  raster_->setFocus();
}

void TBudgetForm::Sorteren() {
  model_.BewaarAlles();
  Sorteer(kb_, SorteerOnderwerp::Groepen, this, [this](TSortDlg& dlg) { BedienSortering(dlg); });
  model_.NaSorteren();
  ToonTabel();
}

void TBudgetForm::OkKlik() {
  TabelOk(*this, model_, *raster_, [this] { ToonTabel(); });
}

void TBudgetForm::SchrapKlik() {
  model_.Schrap();
  close();
}

void TBudgetForm::closeEvent(QCloseEvent* e) {
  if (!TabelMagSluiten(model_, e)) return;
  klassen_->hide();
  emit Gesloten(geopendAls_);
}

void TBudgetForm::mousePressEvent(QMouseEvent* e) {
  // A click on the window's background asks for the help of the view.
  emit HelpGevraagd(model_.HelpContext());
  QWidget::mousePressEvent(e);
}

bool TBudgetForm::eventFilter(QObject* o, QEvent* e) {
  if (o == raster_->viewport() && e->type() == QEvent::ToolTip) {
    auto* h = static_cast<QHelpEvent*>(e);
    const int kolom = raster_->columnAt(h->pos().x());
    QToolTip::showText(h->globalPos(), QTekst(GroepTabel::Hint(kolom, model_.MetBedragen())), raster_);
    return true;
  }
  if (o == klassen_ && e->type() == QEvent::KeyPress) {
    const int toets = static_cast<QKeyEvent*>(e)->key();
    if (toets == Qt::Key_Return || toets == Qt::Key_Enter) {
      KiesKlasse();
      return true;
    }
    if (toets == Qt::Key_Escape) {
      klassen_->hide();
      raster_->setFocus();
      return true;
    }
  }
  return QWidget::eventFilter(o, e);
}

void TBudgetForm::BedienGroepDialoog(TNewBudgetDlg& dlg) { dlg.Wacht(); }

void TBudgetForm::BedienSortering(TSortDlg& dlg) { dlg.exec(); }

}  // namespace valdero
