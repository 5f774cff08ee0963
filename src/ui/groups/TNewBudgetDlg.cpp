#include "ui/groups/TNewBudgetDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/core/Kasboek.h"
#include "ui/widgets/StapDialoog.h"

namespace valdero {

TNewBudgetDlg::TNewBudgetDlg(Kasboek& kb, QWidget* parent) : QDialog(parent), kb_(kb) {
  setObjectName("NewBudgetDlg");
  setWindowTitle("Nieuwe Groep");
  setModal(true);

  kop_ = StapKop(this);

  label_ = new QLabel(this);
  label_->setObjectName("BudItemLabel");
  label_->setMinimumWidth(80);
  veld_ = new QLineEdit(this);
  veld_->setObjectName("BudItemEdit");
  veld_->setMaxLength(40);
  keuze_ = new QComboBox(this);
  keuze_->setObjectName("BudItemBox");
  keuze_->setEditable(true);
  keuze_->setInsertPolicy(QComboBox::NoInsert);
  keuze_->setMaxVisibleItems(16);

  help_ = new QLabel(this);
  help_->setObjectName("HelpLabel2");
  help_->setWordWrap(true);
  help_->setMinimumHeight(help_->fontMetrics().lineSpacing() * 3 + 20);
  help_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  help_->setFrameShape(QFrame::StyledPanel);
  help_->setMargin(6);

  kodesLabel_ = new QLabel(QTekst(GroepDialoog::BestaandeKodesLabel()), this);
  kodesLabel_->setObjectName("GroepenLabel");
  kodes_ = new QListWidget(this);
  kodes_->setObjectName("GroepenLstBox");
  kodes_->setFixedWidth(fontMetrics().averageCharWidth() * 14);
  kodes_->installEventFilter(this);
  for (QWidget* w : {static_cast<QWidget*>(kodesLabel_), static_cast<QWidget*>(kodes_)}) {
    QSizePolicy sp = w->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    w->setSizePolicy(sp);
  }

  terug_ = StapKnop("&Terug", "TerugBtn", this);
  verder_ = StapKnop("&Verder>", "VerderBtn", this);
  schrap_ = StapKnop("S&chrap", "SchrapBtn", this);

  auto* invoer = new QGridLayout;
  invoer->addWidget(label_, 0, 0);
  invoer->addWidget(veld_, 0, 1);
  invoer->addWidget(keuze_, 0, 1);
  invoer->addWidget(help_, 1, 0, 1, 2);
  invoer->setColumnStretch(1, 1);
  invoer->setRowStretch(2, 1);
  auto* bestaand = new QVBoxLayout;
  bestaand->addWidget(kodesLabel_);
  bestaand->addWidget(kodes_, 1);
  kodesLabel_->setWordWrap(true);
  kodesLabel_->setFixedWidth(kodes_->width());
  auto* midden = new QHBoxLayout;
  midden->addLayout(invoer, 1);
  midden->addLayout(bestaand);

  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch();
  knoppen->addWidget(terug_);
  knoppen->addWidget(verder_);
  knoppen->addWidget(schrap_);

  auto* hoofd = new QVBoxLayout(this);
  hoofd->addWidget(kop_);
  hoofd->addSpacing(6);
  hoofd->addLayout(midden, 1);
  hoofd->addLayout(knoppen);
  setMinimumSize(fontMetrics().averageCharWidth() * 78, fontMetrics().lineSpacing() * 16);

  connect(verder_, &QPushButton::clicked, this, &TNewBudgetDlg::VerderKlik);
  connect(terug_, &QPushButton::clicked, this, &TNewBudgetDlg::TerugKlik);
  connect(schrap_, &QPushButton::clicked, this, &TNewBudgetDlg::reject);
  // Enter in the entry or the choice box stores the step; caught before
  // the field or the dialog can give it another meaning.
  // The choice box receives the keys itself (its edit is reached by a direct
  // call that passes no filter), so both are watched.
  veld_->installEventFilter(this);
  keuze_->installEventFilter(this);
  keuze_->lineEdit()->installEventFilter(this);
  connect(kodes_, &QListWidget::itemClicked, this, &TNewBudgetDlg::KodeGekozen);
}

void TNewBudgetDlg::BeginNieuw(int positie, const std::string& kode, const std::string& titel,
                               const std::string& klasse, GroepWeergave weergave) {
  model_ = std::make_unique<GroepDialoog>(kb_, weergave);
  model_->BeginNieuw(positie, kode, titel, klasse);
  Toon();
  show();
}

void TNewBudgetDlg::BeginWijzig(int positie, GroepWeergave weergave) {
  model_ = std::make_unique<GroepDialoog>(kb_, weergave);
  model_->BeginWijzig(positie);
  Toon();
  show();
}

void TNewBudgetDlg::Wacht() {
  if (model_->Resultaat() == GroepDialoog::Bezig) exec();
  hide();
}

GroepResultaat TNewBudgetDlg::NieuweGroep(int positie, const std::string& kode,
                                          const std::string& titel, const std::string& klasse,
                                          GroepWeergave weergave) {
  BeginNieuw(positie, kode, titel, klasse, weergave);
  Wacht();
  return model_->Uitslag();
}

bool TNewBudgetDlg::WijzigGroep(int positie, GroepWeergave weergave) {
  BeginWijzig(positie, weergave);
  Wacht();
  return model_->Uitslag().gelukt;
}

void TNewBudgetDlg::Toon() {
  const GroepDialoog& m = *model_;
  setWindowTitle(QTekst(m.Titel()));
  kop_->setText(QTekst(m.Vraag()));
  label_->setText(QTekst(m.VeldLabel()));
  help_->setText(QRegels(m.HelpTekst()));
  label_->setVisible(m.Stap() > 0);
  veld_->setVisible(m.MetInvoer());
  keuze_->setVisible(m.MetKeuzeLijst());
  kodesLabel_->setVisible(m.ToonBestaandeKodes());
  kodes_->setVisible(m.ToonBestaandeKodes());
  if (m.ToonBestaandeKodes()) {
    kodes_->clear();
    for (const auto& k : m.BestaandeKodes()) kodes_->addItem(QTekst(k));
  }
  if (m.MetKeuzeLijst()) {
    keuze_->clear();
    for (const auto& k : m.Keuzes()) keuze_->addItem(QTekst(k));
    keuze_->setCurrentIndex(keuze_->findText(QTekst(m.VeldTekst())));
    keuze_->setEditText(QTekst(m.VeldTekst()));
    keuze_->setFocus();
  } else if (m.MetInvoer()) {
    veld_->setText(QTekst(m.VeldTekst()));
    veld_->selectAll();
    veld_->setFocus();
  } else {
    verder_->setFocus();
  }
  verder_->setText(QTekst(m.VerderTekst()));
  terug_->setEnabled(m.TerugMag());
}

std::string TNewBudgetDlg::Invoer() const {
  if (model_->MetKeuzeLijst()) return keuze_->currentText().toStdString();
  if (model_->MetInvoer()) return veld_->text().toStdString();
  return {};
}

void TNewBudgetDlg::EnterInVeld() {
  model_->Enter(Invoer());
  verder_->setEnabled(true);
  terug_->setEnabled(model_->TerugMag());
  verder_->setFocus();
}

void TNewBudgetDlg::VerderKlik() {
  if (!model_) return;
  model_->Verder(Invoer());
  switch (model_->Resultaat()) {
    case GroepDialoog::Voltooid:
      QDialog::accept();
      break;
    case GroepDialoog::Geschrapt:
      QDialog::reject();
      break;
    default:
      Toon();
  }
}

void TNewBudgetDlg::TerugKlik() {
  if (!model_) return;
  model_->Terug(Invoer());
  Toon();
}

void TNewBudgetDlg::KodeGekozen() {
  // The list only shows what exists; the entry stays what the user types.
  kodes_->hide();
  kodesLabel_->hide();
  veld_->setFocus();
}

void TNewBudgetDlg::reject() {
  if (model_ && model_->Resultaat() == GroepDialoog::Bezig) model_->Schrap();
  QDialog::reject();
}

bool TNewBudgetDlg::eventFilter(QObject* o, QEvent* e) {
  if (e->type() != QEvent::KeyPress) return QDialog::eventFilter(o, e);
  const int toets = static_cast<QKeyEvent*>(e)->key();
  if (o == kodes_ && toets == Qt::Key_Escape) {
    KodeGekozen();
    return true;
  }
  if ((o == veld_ || o == keuze_ || o == keuze_->lineEdit()) && model_ &&
      (toets == Qt::Key_Return || toets == Qt::Key_Enter)) {
    EnterInVeld();
    return true;
  }
  return QDialog::eventFilter(o, e);
}

void TNewBudgetDlg::keyPressEvent(QKeyEvent* e) {
  if (model_ && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
    QWidget* focus = focusWidget();
    if (focus == verder_) verder_->click();
    else if (focus == terug_) terug_->click();
    else if (focus == schrap_) schrap_->click();
    return;
  }
  QDialog::keyPressEvent(e);
}

}  // namespace valdero
