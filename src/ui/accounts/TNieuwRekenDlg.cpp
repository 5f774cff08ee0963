#include "ui/accounts/TNieuwRekenDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/StapDialoog.h"

namespace valdero {

TNieuwRekenDlg::TNieuwRekenDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("NieuwRekenDlg");
  setWindowTitle("Nieuwe Rekening");
  setModal(true);

  kop_ = StapKop(this);

  label_ = new QLabel(this);
  label_->setObjectName("RekItemlabel");
  label_->setMinimumWidth(80);
  veld_ = new QLineEdit(this);
  veld_->setObjectName("RekItemEdit");
  lijst_ = new QComboBox(this);
  lijst_->setObjectName("RekSoortBox");
  help_ = new QLabel(this);
  help_->setObjectName("HelpLabel1");
  help_->setWordWrap(true);
  // Room for the longest help text (three lines) without the dialog jumping.
  help_->setMinimumHeight(help_->fontMetrics().lineSpacing() * 3 + 20);
  help_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  help_->setFrameShape(QFrame::StyledPanel);
  help_->setMargin(6);

  bankLab_ = new QLabel("Geen Valdero zonder rekening !", this);
  bankLab_->setObjectName("BankLab");
  waarschuwing_ = new QLabel("Pas op Begin Saldo!", this);
  waarschuwing_->setObjectName("WarningLab");
  for (QLabel* l : {bankLab_, waarschuwing_}) {
    l->setStyleSheet("color: #b00000; font-weight: bold;");
    QSizePolicy sp = l->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    l->setSizePolicy(sp);
  }

  terug_ = StapKnop("&Terug", "PrevItem", this);
  verder_ = StapKnop("&Verder>", "NextItem", this);
  stop_ = StapKnop("&Schrap", "StopKnop", this);

  auto* invoer = new QGridLayout;
  invoer->addWidget(label_, 0, 0);
  invoer->addWidget(veld_, 0, 1);
  invoer->addWidget(lijst_, 0, 1);
  invoer->setColumnStretch(1, 1);

  auto* meldingen = new QHBoxLayout;
  meldingen->addWidget(bankLab_);
  meldingen->addStretch();
  meldingen->addWidget(waarschuwing_);

  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch();
  knoppen->addWidget(terug_);
  knoppen->addWidget(verder_);
  knoppen->addWidget(stop_);

  auto* hoofd = new QVBoxLayout(this);
  hoofd->addWidget(kop_);
  hoofd->addSpacing(6);
  hoofd->addLayout(invoer);
  hoofd->addWidget(help_);
  hoofd->addLayout(meldingen);
  hoofd->addLayout(knoppen);

  const int breedte = fontMetrics().averageCharWidth() * 62;
  setMinimumWidth(breedte);

  connect(verder_, &QPushButton::clicked, this, &TNieuwRekenDlg::VerderKlik);
  connect(terug_, &QPushButton::clicked, this, &TNieuwRekenDlg::TerugKlik);
  connect(stop_, &QPushButton::clicked, this, &TNieuwRekenDlg::reject);
}

void TNieuwRekenDlg::Begin(RekeningDialoog& model) {
  model_ = &model;
  Toon();
  show();
}

void TNieuwRekenDlg::Voer(RekeningDialoog& model) {
  Begin(model);
  if (!model.Afgelopen()) exec();
  model_ = nullptr;
}

void TNieuwRekenDlg::Toon() {
  if (!model_) return;
  const RekeningDialoog& m = *model_;
  setWindowTitle(QTekst(m.Titel()));
  kop_->setText(QTekst(m.Kop()));
  label_->setText(QTekst(m.Label()));
  help_->setText(QRegels(m.Help()));
  bankLab_->setVisible(m.BankLabZichtbaar());
  waarschuwing_->setVisible(m.WaarschuwingZichtbaar());
  veld_->setVisible(m.TekstStap());
  lijst_->setVisible(m.LijstStap());
  if (m.LijstStap()) {
    lijst_->clear();
    for (const auto& regel : m.Lijst()) lijst_->addItem(QTekst(regel));
    lijst_->setCurrentIndex(m.LijstKeuze());
    lijst_->setFocus();
  } else {
    veld_->setText(QTekst(m.VeldTekst()));
    veld_->selectAll();
    if (m.TekstStap()) veld_->setFocus(); else verder_->setFocus();
  }
  verder_->setText(QTekst(m.VerderTekst()));
  terug_->setEnabled(m.TerugActief());
}

std::string TNieuwRekenDlg::Invoer() const {
  if (!model_) return {};
  if (model_->LijstStap()) return lijst_->currentText().toStdString();
  if (model_->TekstStap()) return veld_->text().toStdString();
  return {};
}

void TNieuwRekenDlg::EnterInVeld() {
  model_->Enter(Invoer());
  if (model_->TekstStap()) veld_->setText(QTekst(model_->VeldTekst()));
  verder_->setEnabled(true);
  terug_->setEnabled(model_->TerugActief());
  verder_->setFocus();
}

void TNieuwRekenDlg::VerderKlik() {
  if (!model_) return;
  model_->Verder(Invoer());
  if (model_->Afgelopen()) Klaar(); else Toon();
}

void TNieuwRekenDlg::TerugKlik() {
  if (!model_) return;
  model_->Terug(Invoer());
  Toon();
}

void TNieuwRekenDlg::Klaar() {
  if (model_ && model_->Gereed()) QDialog::accept(); else QDialog::reject();
}

void TNieuwRekenDlg::reject() {
  if (model_ && !model_->Afgelopen()) model_->Schrap();
  QDialog::reject();
}

void TNieuwRekenDlg::keyPressEvent(QKeyEvent* e) {
  if (model_ && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
    QWidget* focus = focusWidget();
    if (focus == verder_) verder_->click();
    else if (focus == terug_) terug_->click();
    else if (focus == stop_) stop_->click();
    else if (focus == veld_ || focus == lijst_) EnterInVeld();
    return;
  }
  QDialog::keyPressEvent(e);
}

}  // namespace valdero
