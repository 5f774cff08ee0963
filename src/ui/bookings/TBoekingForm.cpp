// The booking window's glue to its model: the entry points, the Enter chain,
// the buttons, closing, and mirroring the model's state into the widgets.
#include "ui/bookings/TBoekingForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "model/bookings/BoekModi.h"
#include "model/core/Kasboek.h"

namespace valdero {
namespace {

constexpr int kBreedte = 800;
const QPoint kPlek(135, 105);  // from the main window's corner

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Amounts of 0 or more green, negative red. A style sheet is only set when
// it changes: every Enter shows all fields again.
void ZetKleur(QLineEdit* e, const char* kleur) {
  const QString stijl = kleur ? QString("color: %1;").arg(kleur) : QString();
  if (e->styleSheet() != stijl) e->setStyleSheet(stijl);
}

}  // namespace

TBoekingForm::TBoekingForm(Kasboek& kb, RecordKiezer& kiezer, BoekingVensters& vensters,
                           BoekBewaarder bewaar, QWidget* hoofdvenster)
    : QWidget(hoofdvenster, Qt::Window),
      kb_(kb),
      model_(kb, kiezer, vensters, std::move(bewaar)) {
  setObjectName("BoekingForm");
  setWindowTitle("Boekingen");
  BouwRaster();
  BouwPaneel();
  BouwKnoppen();
  BouwMenus();
  resize(kBreedte, Indeling());
  panel_->hide();
}

bool TBoekingForm::Boeking(int m) {
  const bool klaar = model_.Start(m, true);
  NaStart(klaar);
  return klaar;
}

bool TBoekingForm::WijzigRecord(int m, int positie) {
  const bool klaar = model_.StartMetRecord(m, positie);
  NaStart(klaar);
  return klaar;
}

void TBoekingForm::NaStart(bool klaar) {
  const bool effecten = modus::IsEffecten(model_.Stand().boekModus);
  if (klaar) {
    vers_ = false;
    if (!isVisible()) show();
    Toon();
    raise();
    activateWindow();
    ZetFocus();
  } else {
    Toon();
    ToonMenu();
  }
  // The menu that started the window waits until the window is done with it.
  bool& geblokkeerd = effecten ? effectenGeblokkeerd_ : transactiesGeblokkeerd_;
  if (geblokkeerd != klaar) {
    geblokkeerd = klaar;
    emit MenuBlokkade(effecten, klaar);
  }
}

// The widgets always hold what the user sees; the model reads them before
// every action, so text typed without Enter is never lost.
void TBoekingForm::NaarModel() {
  for (int tag = 1; tag <= veld::Omschrijving; ++tag)
    model_.ZetTekst(tag, Edit(tag)->text().toStdString());
  model_.ZetOpm(opm_->isChecked());
  model_.ZetBtw(btw_->isChecked());
}

void TBoekingForm::Toon() {
  const BoekingStand& m = model_.Stand();
  setWindowTitle(Q(m.vensterTitel));
  panel_->setTitle(Q(m.panelKop));
  panel_->setVisible(m.panelZichtbaar);
  PlaatsVelden();
  for (int tag = 1; tag <= veld::Omschrijving; ++tag) ToonVeld(tag);
  labels_[veld::Rekening]->setText(Q(m.rekeningLabel));
  labels_[veld::TegenRek]->setText(Q(m.tegenRekLabel));
  labels_[veld::Bedrag]->setText(Q(m.bedragLabel));
  labels_[veld::Bedrag]->setStyleSheet(m.bedragLabelRood ? "color: red;" : "");
  labels_[veld::Koers]->setVisible(m.koersLabelZichtbaar);

  index_->setText(QString::number(m.recordIndex));
  klasse_->setText(Q(m.klasseTekst));
  saldo_->setText(Q(m.saldoTekst));
  ZetKleur(saldo_, m.saldoTekst.empty() ? nullptr : m.saldoRood ? "red" : "green");
  {
    const QSignalBlocker blok1(btw_), blok2(opm_);
    btw_->setVisible(m.btwBoxZichtbaar);
    btw_->setText(Q(m.btwBoxTekst));
    btw_->setChecked(m.btwBox);
    opm_->setVisible(m.opmZichtbaar);
    opm_->setChecked(m.opmCheck);
  }
  bewaar_->setEnabled(m.bewaarAan);
  herstel_->setEnabled(m.herstelAan);
  ok_->setEnabled(m.okAan);
  kasRek_->setText(Q(m.kasRekKnopTekst));
  if (openTransfer_) openTransfer_->setEnabled(m.openTransferAan);
  ToonRaster();
  model_.MerkGetoond();
}

void TBoekingForm::ToonVeld(int tag) {
  const auto t = static_cast<std::size_t>(tag);
  const VeldStaat& staat = model_.Stand().velden[t];
  QWidget* w = Veld(tag);
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    if (getoondeLijsten_[t] != model_.Stand().lijsten[t]) {
      const QSignalBlocker blok(c);
      c->clear();
      for (const auto& regel : model_.Stand().lijsten[t]) c->addItem(Q(regel));
      getoondeLijsten_[t] = model_.Stand().lijsten[t];
    }
    c->setEditText(Q(staat.tekst));
  } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    e->setText(Q(staat.tekst));
  }
  w->setVisible(staat.zichtbaar);
  if (tag != veld::Koers) labels_[t]->setVisible(staat.zichtbaar);
  if (tag == veld::Bedrag)
    ZetKleur(Edit(tag), staat.tekst.empty() ? nullptr : staat.rood ? "red" : "green");
  else
    ZetKleur(Edit(tag), staat.rood ? "red" : nullptr);
}

void TBoekingForm::ZetFocus() {
  if (!model_.Stand().panelZichtbaar) return;
  if (model_.Stand().focus == veld::BewaarKnop) {
    bewaar_->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (model_.Stand().focus < 1 || model_.Stand().focus > veld::Omschrijving) return;
  Veld(model_.Stand().focus)->setFocus(Qt::OtherFocusReason);
  // The whole text is selected, so typing replaces it.
  Edit(model_.Stand().focus)->selectAll();
}

void TBoekingForm::Enter(int tag) {
  NaarModel();
  model_.Invoer(tag);
  Toon();
  ZetFocus();
}

void TBoekingForm::BewaarKlik() {
  NaarModel();
  model_.Bewaar();
  Toon();
  if (model_.Stand().vensterGesloten) {
    close();
    return;
  }
  if (model_.Stand().panelZichtbaar)
    ZetFocus();
  else
    ToonMenu();
}

void TBoekingForm::HerstelKlik() {
  model_.Herstel();
  Toon();
  ZetFocus();
}

void TBoekingForm::SchrapKlik() {
  NaarModel();
  model_.Schrap();
  Toon();
  ToonMenu();
}

void TBoekingForm::KasRekKlik() {
  model_.WisselGrid();
  kasRek_->setText(Q(model_.Stand().kasRekKnopTekst));
  ToonRaster();
}

void TBoekingForm::SluitKlik() {
  NaarModel();
  if (!model_.OkKnop()) {
    // Not booked (a field refused) or "Schrap": the window stays.
    Toon();
    ZetFocus();
    return;
  }
  close();
}

void TBoekingForm::showEvent(QShowEvent* e) {
  if (QWidget* hoofd = parentWidget())
    setGeometry(QRect(hoofd->window()->frameGeometry().topLeft() + kPlek, QSize(kBreedte, Indeling())));
  QWidget::showEvent(e);
}

void TBoekingForm::closeEvent(QCloseEvent* e) {
  if (!model_.MagSluiten()) {
    e->ignore();
    return;
  }
  popupBoek_->hide();
  popupBeleg_->hide();
  Toon();
  e->accept();
  for (bool effecten : {false, true}) {
    bool& geblokkeerd = effecten ? effectenGeblokkeerd_ : transactiesGeblokkeerd_;
    if (geblokkeerd) {
      geblokkeerd = false;
      emit MenuBlokkade(effecten, false);
    }
  }
  emit Gesloten();
}

bool TBoekingForm::eventFilter(QObject* o, QEvent* e) {
  if (e->type() != QEvent::KeyPress) return QWidget::eventFilter(o, e);
  const auto* toets = static_cast<QKeyEvent*>(e);
  const bool enter = toets->key() == Qt::Key_Return || toets->key() == Qt::Key_Enter;
  if (o == bewaar_) {
    if (!enter) return false;
    if (bewaar_->isEnabled()) BewaarKlik();
    return true;
  }
  for (int tag = 1; tag <= veld::Omschrijving; ++tag) {
    if (o != Veld(tag) && o != Edit(tag)) continue;
    if (enter) {
      // A dropped-down list has the keys itself: Enter there picks an entry
      // and only the next Enter reaches the field.
      Enter(tag);
      return true;
    }
    if (tag == veld::Rekening && toets->key() == Qt::Key_Tab && toets->modifiers() == Qt::NoModifier) {
      NaarModel();
      model_.TabRekening();
      Toon();
      return false;  // Tab itself moves the focus on
    }
    return false;
  }
  return QWidget::eventFilter(o, e);
}

}  // namespace valdero
