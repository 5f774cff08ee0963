#include "ui/widgets/QtDatum.h"
#include "ui/export/TExportDataForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "ui/widgets/DatumKiezer.h"
#include "ui/widgets/StapDialoog.h"
#include "ui/widgets/VensterPlek.h"

namespace valdero {
namespace {

constexpr int kHelpTopic = 290;

double AlsDatum(const QDate& d) { return MaakDatum(d.year(), d.month(), d.day()); }

bool IsEnter(QEvent* e) {
  if (e->type() != QEvent::KeyPress) return false;
  const int toets = static_cast<QKeyEvent*>(e)->key();
  return toets == Qt::Key_Return || toets == Qt::Key_Enter;
}

}  // namespace

TExportDataForm::TExportDataForm(Kasboek& kb, QWidget* parent)
    : QWidget(parent, Qt::Window), kb_(kb), model_(kb) {
  setObjectName("ExportDataForm");
  setWindowTitle(QTekst(ExportModel::Titel()));

  auto* memo = new QPlainTextEdit(this);
  memo->setObjectName("ExportMemo");
  memo->setReadOnly(true);
  memo->setFocusPolicy(Qt::NoFocus);
  QStringList uitleg;
  for (const auto& r : ExportModel::Uitleg()) uitleg << QTekst(r);
  memo->setPlainText(uitleg.join('\n'));
  memo->setFixedHeight(memo->fontMetrics().lineSpacing() * 6 + 10);

  auto* paneel = new QGroupBox("SelectiePaneel", this);
  paneel->setObjectName("ExportPanel");
  scheiding_ = new QComboBox(paneel);
  scheiding_->setObjectName("ScheidingsBox");
  scheiding_->setToolTip("Maak keuze voor het scheidingsteken");
  begin_ = new DatumKiezer(kb, paneel);
  begin_->setObjectName("BeginDatumPick");
  eind_ = new DatumKiezer(kb, paneel);
  eind_->setObjectName("EindDatumPick");
  for (DatumKiezer* d : {begin_, eind_}) {
    // Any date a book can hold.
    d->setDateRange(AlsQDate(ExportModel::EersteDatum()), AlsQDate(ExportModel::LaatsteDatum()));
    // The keys reach the picker's own text field.
    d->Veld()->installEventFilter(this);
  }
  scheiding_->installEventFilter(this);
  quotes_ = new QCheckBox("Quotes", paneel);
  quotes_->setObjectName("QuotesBox");
  quotes_->setToolTip("Omsluit velden met  \"");
  quotes_->installEventFilter(this);
  veldnamen_ = new QCheckBox("Veldnamen", paneel);
  veldnamen_->setObjectName("VeldnamenBox");
  veldnamen_->setToolTip("Eerste record met veldnamen");
  selectie_ = new QCheckBox("Veldselectie", paneel);
  selectie_->setObjectName("SelectveldBox");
  journaal_ = new QCheckBox("Journaal (ledger)", paneel);
  journaal_->setObjectName("JournaalBox");
  journaal_->setToolTip("Het hele jaar als journaal voor ledger of hledger");
  lijstLabel_ = new QLabel(paneel);
  lijstLabel_->setObjectName("Veldnaamlabel");
  lijst_ = new QListWidget(paneel);
  lijst_->setObjectName("CheckVeldListBox");

  auto* vorm = new QFormLayout;
  vorm->addRow("Scheidingsteken", scheiding_);
  vorm->addRow("Kies Begindatum", begin_);
  vorm->addRow("Kies Eind datum", eind_);
  auto* vakjes = new QVBoxLayout;
  for (QCheckBox* c : {quotes_, veldnamen_, selectie_, journaal_}) vakjes->addWidget(c);
  vakjes->addStretch();
  auto* links = new QVBoxLayout;
  links->addLayout(vorm);
  links->addLayout(vakjes);
  auto* rechts = new QVBoxLayout;
  rechts->addWidget(lijstLabel_);
  rechts->addWidget(lijst_, 1);
  auto* paneelIndeling = new QHBoxLayout(paneel);
  paneelIndeling->addLayout(links);
  paneelIndeling->addLayout(rechts, 1);

  ok_ = new QPushButton("&Ok", this);
  ok_->setObjectName("ExportOkBtn");
  schrap_ = new QPushButton("&Schrap", this);
  schrap_->setObjectName("SchapBtn");
  ok_->installEventFilter(this);
  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch();
  knoppen->addWidget(ok_);
  knoppen->addWidget(schrap_);

  auto* hoofd = new QVBoxLayout(this);
  hoofd->addWidget(memo);
  hoofd->addWidget(paneel, 1);
  hoofd->addLayout(knoppen);
  resize(560, 480);

  connect(scheiding_, &QComboBox::activated, this, [this] { begin_->setFocus(); });
  connect(quotes_, &QCheckBox::clicked, this, [this] { veldnamen_->setFocus(); });
  connect(veldnamen_, &QCheckBox::clicked, this, [this] { selectie_->setFocus(); });
  connect(selectie_, &QCheckBox::toggled, this, [this](bool aan) {
    lijst_->setVisible(aan);
    lijstLabel_->setVisible(aan);
    if (aan) lijst_->setFocus();
  });
  connect(ok_, &QPushButton::clicked, this, &TExportDataForm::OkKlik);
  connect(schrap_, &QPushButton::clicked, this, &QWidget::close);
  // Nothing typed here is lost by closing: Escape closes wherever the focus is.
  SluitMetEscape(*this);
}

void TExportDataForm::Open(int positie) {
  model_.Open(positie);
  if (kb_.Config.FontGrootte > 0) {
    QFont f = font();
    f.setPointSize(kb_.Config.FontGrootte);
    findChild<QGroupBox*>("ExportPanel")->setFont(f);
  }
  scheiding_->clear();
  // The entry of the tab holds the tab itself; shown, it would be a gap or a
  // box where its name belongs, so the list shows the name alone there.
  for (const Scheiding& s : model_.Scheidingen())
    scheiding_->addItem(QTekst(s.tekst).replace(QLatin1Char('\t'), QStringLiteral("  ")));
  scheiding_->setCurrentIndex(0);
  // A date the picker cannot show leaves it as it was.
  begin_->setDate(AlsQDate(model_.beginDatum));
  eind_->setDate(AlsQDate(model_.eindDatum));
  for (QCheckBox* c : {quotes_, veldnamen_, selectie_, journaal_}) c->setChecked(false);
  lijstLabel_->setText(QTekst(model_.LijstLabel()));
  lijst_->clear();
  for (const auto& regel : model_.LijstRegels()) {
    auto* item = new QListWidgetItem(QTekst(regel), lijst_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  lijst_->hide();
  lijstLabel_->hide();
  if (!isVisible()) PlaatsBijHoofdvenster(*this, kOnderMenuRechts);
  show();
  raise();
  scheiding_->setFocus();
}

void TExportDataForm::NeemKeuzes() {
  model_.scheiding = scheiding_->currentIndex();
  model_.beginDatum = AlsDatum(begin_->date());
  model_.eindDatum = AlsDatum(eind_->date());
  model_.quotes = quotes_->isChecked();
  model_.veldnamen = veldnamen_->isChecked();
  model_.veldselectie = selectie_->isChecked();
  model_.journaal = journaal_->isChecked();
  for (int i = 0; i < lijst_->count() && i < static_cast<int>(model_.aangevinkt.size()); ++i)
    model_.aangevinkt[static_cast<std::size_t>(i)] = lijst_->item(i)->checkState() == Qt::Checked;
}

void TExportDataForm::OkKlik() {
  // A date typed and not yet confirmed is taken as typed, or refused and
  // nothing is written.
  for (DatumKiezer* d : {begin_, eind_}) {
    if (d->Veld()->isModified() && !d->Bevestig()) {
      d->setFocus();
      return;
    }
  }
  NeemKeuzes();
  model_.Ok();
  close();
}

bool TExportDataForm::eventFilter(QObject* o, QEvent* e) {
  if (IsEnter(e)) {
    if (o == scheiding_) begin_->setFocus();
    else if (o == begin_->Veld()) {
      if (begin_->Bevestig()) eind_->setFocus();
    } else if (o == eind_->Veld()) {
      if (eind_->Bevestig()) quotes_->setFocus();
    }
    else if (o == quotes_) ok_->setFocus();
    else if (o == ok_) ok_->click();
    else return QWidget::eventFilter(o, e);
    return true;
  }
  return QWidget::eventFilter(o, e);
}

void TExportDataForm::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_F1) {
    emit HelpGevraagd(kHelpTopic);
    return;
  }
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TExportDataForm::closeEvent(QCloseEvent* e) {
  QWidget::closeEvent(e);
  emit Gesloten();
}

}  // namespace valdero
