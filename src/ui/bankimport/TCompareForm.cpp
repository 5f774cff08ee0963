#include "ui/bankimport/TCompareForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/bankimport/VergelijkModel.h"

namespace valdero {
namespace {

using V = VergelijkModel;

QString Q(const std::string& s) { return QString::fromStdString(s); }

struct VeldOpmaak {
  int veld;
  const char* label;
  bool lijst;
};

constexpr VeldOpmaak kVelden[] = {
    {V::Rekening, "Rekening", false},  {V::Volg, "VolgNr", false},        {V::Blad, "Blad", false},
    {V::Groep, "Groep", true},         {V::Actie, "Actiecode", true},     {V::Datum, "Datum", false},
    {V::Munt, "Munt", true},           {V::Koers, "Koers", false},        {V::Tegenrekening, "Tegenrekening", true},
    {V::Volg2, "VolgNr tegenrek.", false}, {V::Blad2, "Blad tegenrek.", false}, {V::Relatie, "Relatie", true},
    {V::Bedrag, "Bedrag", true},       {V::Omschrijving, "Omschrijving", true},
};

}  // namespace

TCompareForm::TCompareForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Vergelijk Transactie"));
  auto* hoofd = new QHBoxLayout(this);
  auto* links = new QVBoxLayout;
  auto* raster = new QGridLayout;
  int rij = 0;
  index_ = new QLabel(this);
  raster->addWidget(new QLabel(QStringLiteral("Boeking"), this), rij, 0);
  raster->addWidget(index_, rij++, 1);
  for (const VeldOpmaak& v : kVelden) {
    QWidget* w = nullptr;
    if (v.lijst) {
      auto* c = new QComboBox(this);
      c->setEditable(true);
      c->setInsertPolicy(QComboBox::NoInsert);
      // The line edit hands its focus to the box, so a person's keys reach
      // the box; a key sent to the line edit itself is read there too.
      c->installEventFilter(this);
      c->lineEdit()->installEventFilter(this);
      w = c;
    } else {
      auto* e = new QLineEdit(this);
      e->installEventFilter(this);
      w = e;
    }
    w->setObjectName(QString::fromLatin1(v.label));
    w->setMinimumWidth(v.veld == V::Omschrijving || v.veld == V::Groep ? 360 : 180);
    velden_[static_cast<std::size_t>(v.veld)] = w;
    auto* label = new QLabel(QString::fromLatin1(v.label), this);
    label->setBuddy(w);
    labels_[static_cast<std::size_t>(v.veld)] = label;
    raster->addWidget(label, rij, 0);
    raster->addWidget(w, rij++, 1);
    if (v.veld == V::Groep) {
      klasse_ = new QLabel(this);
      raster->addWidget(klasse_, rij - 1, 2);
    }
  }
  btw_ = new QCheckBox(QStringLiteral("BTW"), this);
  btw_->setEnabled(false);
  raster->addWidget(btw_, rij++, 1);
  saldo_ = new QLabel(this);
  bankSaldo_ = new QLabel(this);
  bankSaldoLabel_ = new QLabel(QStringLiteral("Bank Saldo"), this);
  raster->addWidget(new QLabel(QStringLiteral("Saldo"), this), rij, 0);
  raster->addWidget(saldo_, rij++, 1);
  raster->addWidget(bankSaldoLabel_, rij, 0);
  raster->addWidget(bankSaldo_, rij++, 1);
  links->addLayout(raster);

  auto* knoppen = new QHBoxLayout;
  invoeren_ = new QPushButton(QStringLiteral("&Invoeren"), this);
  invoeren_->setToolTip(QStringLiteral("De nieuwe tranactie invoeren"));
  vervangen_ = new QPushButton(QStringLiteral("&Vervangen"), this);
  vervangen_->setToolTip(QStringLiteral("De bestaande (oude) transactie vervangen "));
  overslaan_ = new QPushButton(QStringLiteral("&Overslaan"), this);
  overslaan_->setToolTip(QStringLiteral("De transactie niet invoeren"));
  breekAf_ = new QPushButton(QStringLiteral("&BreekAf"), this);
  for (QPushButton* k : {invoeren_, vervangen_, overslaan_, breekAf_}) {
    k->setAutoDefault(false);
    knoppen->addWidget(k);
  }
  links->addLayout(knoppen);
  hoofd->addLayout(links);

  auto* rechts = new QVBoxLayout;
  oudeKop_ = new QLabel(QStringLiteral("Oude Transactie"), this);
  oud_ = new QTableWidget(7, 4, this);
  oud_->horizontalHeader()->hide();
  oud_->verticalHeader()->hide();
  oud_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  oud_->setFocusPolicy(Qt::NoFocus);
  // The grid widths of the old program, widened where this font needs more.
  const int breedtes[] = {80, 220, 80, 50};
  const int teken = oud_->fontMetrics().averageCharWidth();
  const int minimaal[] = {17 * teken, 30 * teken, 10 * teken, 10 * teken};
  int totaal = 0;
  for (int k = 0; k < 4; ++k) {
    oud_->setColumnWidth(k, std::max(breedtes[k], minimaal[k]));
    totaal += oud_->columnWidth(k);
  }
  oud_->setWordWrap(false);
  oud_->setMinimumWidth(totaal + 4);
  oud_->setMinimumHeight(7 * oud_->verticalHeader()->defaultSectionSize() + 4);
  oud_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  oud_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rechts->addWidget(oudeKop_);
  rechts->addWidget(oud_);
  rechts->addStretch();
  hoofd->addLayout(rechts);

  connect(invoeren_, &QPushButton::clicked, this, [this] { Knop(&VergelijkModel::Invoeren); });
  connect(vervangen_, &QPushButton::clicked, this, [this] { Knop(&VergelijkModel::Vervangen); });
  connect(overslaan_, &QPushButton::clicked, this, [this] {
    if (model_) model_->Overslaan();
    accept();
  });
  connect(breekAf_, &QPushButton::clicked, this, [this] {
    if (model_) model_->BreekAf();
    accept();
  });
}

void TCompareForm::SchrijfVeld(int veld) {
  QWidget* w = velden_[static_cast<std::size_t>(veld)];
  const QString t = Q(model_->Tekst(veld));
  if (auto* c = qobject_cast<QComboBox*>(w)) c->setEditText(t);
  else if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(t);
}

void TCompareForm::LeesTerug(int veld) {
  QWidget* w = velden_[static_cast<std::size_t>(veld)];
  if (auto* c = qobject_cast<QComboBox*>(w)) model_->Tekst(veld) = c->currentText().toStdString();
  else if (auto* e = qobject_cast<QLineEdit*>(w)) model_->Tekst(veld) = e->text().toStdString();
}

void TCompareForm::Ververs() {
  VergelijkModel& m = *model_;
  setWindowTitle(Q(m.Titel()));
  setToolTip(Q(m.Hint()));
  index_->setText(Q(m.BoekingIndex()));
  auto lijst = [this](int veld, const std::vector<std::string>& items) {
    auto* c = qobject_cast<QComboBox*>(velden_[static_cast<std::size_t>(veld)]);
    c->clear();
    for (const auto& i : items) c->addItem(Q(i));
  };
  lijst(V::Groep, m.GroepLijst());
  lijst(V::Actie, m.ActieLijst());
  lijst(V::Munt, m.MuntLijst());
  lijst(V::Tegenrekening, m.RekeningLijst());
  lijst(V::Relatie, m.RelatieGeschiedenis());
  lijst(V::Bedrag, m.BedragGeschiedenis());
  lijst(V::Omschrijving, m.OmschrijvingGeschiedenis());
  for (int v = V::Rekening; v <= V::Omschrijving; ++v) SchrijfVeld(v);
  ToonVelden();
  klasse_->setText(Q(m.KlasseTekst()));
  btw_->setChecked(m.BtwAangevinkt());
  btw_->setVisible(m.BtwZichtbaar());
  saldo_->setText(Q(m.Saldo()));
  saldo_->setStyleSheet(m.SaldoNegatief() ? QStringLiteral("color: red") : QStringLiteral("color: green"));
  velden_[V::Bedrag]->setStyleSheet(m.BedragRood() ? QStringLiteral("color: red") : QStringLiteral("color: green"));
  bankSaldo_->setText(Q(m.BankSaldo()));
  bankSaldo_->setVisible(m.BankSaldoZichtbaar());
  bankSaldoLabel_->setVisible(m.BankSaldoZichtbaar());
  vervangen_->setEnabled(m.VervangenActief());
  oudeKop_->setVisible(m.OudeTransactieZichtbaar());
  oud_->setVisible(m.OudeTransactieZichtbaar());
  oud_->clearContents();
  const auto& oud = m.OudeTransactie();
  for (int r = 0; r < static_cast<int>(oud.size()) && r < 7; ++r)
    for (int k = 0; k < 4; ++k) oud_->setItem(r, k, new QTableWidgetItem(Q(oud[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)])));
}

void TCompareForm::ToonVelden() {
  auto zet = [this](int veld, bool zichtbaar) {
    velden_[static_cast<std::size_t>(veld)]->setVisible(zichtbaar);
    labels_[static_cast<std::size_t>(veld)]->setVisible(zichtbaar);
  };
  zet(V::Koers, model_->KoersZichtbaar());
  zet(V::Volg2, model_->TegenVolgZichtbaar());
  zet(V::Blad2, model_->TegenVolgZichtbaar());
}

void TCompareForm::Begin(VergelijkModel& venster) {
  model_ = &venster;
  Ververs();
  velden_[V::Volg]->setFocus();
  emit Getoond();
}

void TCompareForm::Toon(VergelijkModel& venster) {
  Begin(venster);
  exec();
  model_ = nullptr;
}

void TCompareForm::Enter(int veld) {
  LeesTerug(veld);
  if (!model_->LeesVeld(veld)) return;
  // The reading may have changed other fields (the group's split offer, the
  // sequence of the account).
  const int volgend = model_->VolgendVeld(veld);
  for (int v = V::Rekening; v <= V::Omschrijving; ++v)
    if (v != veld) SchrijfVeld(v);
  SchrijfVeld(veld);
  ToonVelden();
  saldo_->setText(Q(model_->Saldo()));
  klasse_->setText(Q(model_->KlasseTekst()));
  if (model_->Gesloten()) {
    accept();
    return;
  }
  if (veld == V::Omschrijving) {
    invoeren_->setEnabled(true);
    invoeren_->setFocus();
    return;
  }
  velden_[static_cast<std::size_t>(volgend)]->setFocus();
}

void TCompareForm::Knop(bool (VergelijkModel::*actie)()) {
  if (!model_) return;
  for (int v = V::Rekening; v <= V::Omschrijving; ++v) LeesTerug(v);
  if ((model_->*actie)()) accept();
}

void TCompareForm::reject() {
  if (model_) model_->SluitVenster();
  QDialog::reject();
}

bool TCompareForm::eventFilter(QObject* object, QEvent* event) {
  if (event->type() == QEvent::KeyPress && model_) {
    auto* toets = static_cast<QKeyEvent*>(event);
    const bool enter = toets->key() == Qt::Key_Return || toets->key() == Qt::Key_Enter;
    // Tab out of the group field reads it as Enter does: a group with
    // sub-groups offers the split either way.
    const bool tabUitGroep = toets->key() == Qt::Key_Tab && toets->modifiers() == Qt::NoModifier;
    if (enter || tabUitGroep) {
      for (int v = V::Rekening; v <= V::Omschrijving; ++v) {
        QWidget* w = velden_[static_cast<std::size_t>(v)];
        auto* c = qobject_cast<QComboBox*>(w);
        if (object != w && !(c && object == c->lineEdit())) continue;
        if (!enter && v != V::Groep) break;
        Enter(v);
        return true;
      }
    }
  }
  return QDialog::eventFilter(object, event);
}

}  // namespace valdero
