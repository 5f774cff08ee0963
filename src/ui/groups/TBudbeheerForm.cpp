#include "ui/groups/TBudbeheerForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

#include "model/storage/BoekBestand.h"
#include "model/core/Kasboek.h"
#include "ui/groups/GroepRegelTekenaar.h"
#include "ui/groups/TNewBudgetDlg.h"
#include "ui/widgets/StapDialoog.h"

namespace valdero {

TBudbeheerForm::TBudbeheerForm(Kasboek& kb, QWidget* parent)
    : QDialog(parent), kb_(kb), beheer_(kb, [](Kasboek& boek) { BewaarNaWijziging(boek); }) {
  setObjectName("BudbeheerForm");
  setWindowTitle(QTekst(GroepBeheer::Titel()));
  setModal(true);

  groepen_ = new QListWidget(this);
  groepen_->setObjectName("GroepenBox");
  tekenaar_ = new GroepRegelTekenaar(groepen_);
  groepen_->setItemDelegate(tekenaar_);
  groepen_->setUniformItemSizes(true);
  groepen_->viewport()->installEventFilter(this);
  kop_ = new GroepKop(*tekenaar_, *groepen_, this);

  titels_ = new QComboBox(this);
  titels_->setObjectName("TitelBox2");
  titels_->setEditable(true);
  titels_->setInsertPolicy(QComboBox::NoInsert);
  titels_->setToolTip("Kies een groep op titel");

  nieuw_ = StapKnop("Nieuwe groep toevoegen", "NieuwBtn", this);
  bewerk_ = StapKnop("Groep bewerken", "BewerkBtn", this);
  verwijder_ = StapKnop("Groep verwijderen", "VerwijderBtn", this);
  overzicht_ = StapKnop("Groep overzicht", "OverzichtBtn", this);
  grafiek_ = StapKnop("Groep grafiek", "GrafiekBtn", this);
  overzicht_->setToolTip("Overzicht van de gekozen groep");
  grafiek_->setToolTip("Grafiek van de gekozen groep");
  grafiek_->setEnabled(false);
  ok_ = StapKnop("&OK", "OkBtn", this);
  stop_ = StapKnop("&Stop", "StopBtn", this);

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(new QLabel("Titel", this));
  rechts->addWidget(titels_);
  rechts->addSpacing(12);
  for (QPushButton* k : {nieuw_, bewerk_, verwijder_, overzicht_, grafiek_}) rechts->addWidget(k);
  rechts->addStretch();
  auto* slot = new QHBoxLayout;
  slot->addWidget(ok_);
  slot->addWidget(stop_);
  rechts->addLayout(slot);

  auto* links = new QVBoxLayout;
  links->setSpacing(2);
  links->addWidget(kop_);
  links->addWidget(groepen_, 1);
  auto* hoofd = new QHBoxLayout(this);
  hoofd->addLayout(links, 1);
  hoofd->addLayout(rechts);
  resize(640, 440);

  connect(nieuw_, &QPushButton::clicked, this, &TBudbeheerForm::NieuweGroepKlik);
  connect(bewerk_, &QPushButton::clicked, this, &TBudbeheerForm::BewerkKlik);
  connect(verwijder_, &QPushButton::clicked, this, &TBudbeheerForm::VerwijderKlik);
  connect(ok_, &QPushButton::clicked, this, &TBudbeheerForm::OkKlik);
  connect(overzicht_, &QPushButton::clicked, this, [this] {
    if (beheer_.Gekozen() < 0 || !Gekoppeld(&TBudbeheerForm::RapportGevraagd)) return;
    const int positie = beheer_.GroepPositie();
    OkKlik();
    emit RapportGevraagd(positie);
  });
  connect(stop_, &QPushButton::clicked, this, &QDialog::reject);
  // The chart opens once the manager has closed, as OK closes it.
  connect(grafiek_, &QPushButton::clicked, this, [this] {
    if (beheer_.Gekozen() < 0 || !Gekoppeld(&TBudbeheerForm::GrafiekGevraagd)) return;
    const int positie = beheer_.GroepPositie();
    OkKlik();
    emit GrafiekGevraagd(positie);
  });
  // The title box follows the list, as the list follows the title box.
  connect(groepen_, &QListWidget::currentRowChanged, this, [this](int r) {
    beheer_.Kies(r);
    const QSignalBlocker stil(titels_);
    titels_->setCurrentIndex(r);
  });
  connect(titels_, &QComboBox::activated, this, &TBudbeheerForm::TitelGekozen);
  connect(titels_->lineEdit(), &QLineEdit::returnPressed, this,
          [this] { TitelGekozen(titels_->findText(titels_->currentText())); });
}

TBudbeheerForm::~TBudbeheerForm() = default;

void TBudbeheerForm::Begin() {
  Vul();
  groepen_->setFocus();
}

int TBudbeheerForm::Toon(QWidget* hoofdvenster) {
  Begin();
  if (hoofdvenster) move(hoofdvenster->x(), hoofdvenster->y() + 105);
  return exec();
}

void TBudbeheerForm::Vul() {
  beheer_.Vul();
  const QSignalBlocker stil(groepen_);
  groepen_->clear();
  titels_->clear();
  for (const GroepRegel& r : beheer_.Regels()) {
    auto* item = new QListWidgetItem(groepen_);
    item->setData(GroepRegelTekenaar::Kode, QTekst(r.kode));
    item->setData(GroepRegelTekenaar::Titel, QTekst(r.titel));
    item->setData(GroepRegelTekenaar::Klasse, QTekst(r.klasse));
    item->setData(GroepRegelTekenaar::Saldo, QTekst(r.saldo));
    item->setData(GroepRegelTekenaar::Negatief, r.negatief);
    item->setText(QTekst(r.kode + " " + r.titel));  // for accessibility and search
    titels_->addItem(QTekst(r.titel));
  }
  // Every title whole: the parts are measured from what the list holds, and
  // the list is made wide enough for them.
  tekenaar_->ZetKolommen(GroepRegelTekenaar::Meet(*groepen_));
  const int nodig = tekenaar_->Kolom().eindX + 2 * groepen_->frameWidth() + 8 +
                    groepen_->verticalScrollBar()->sizeHint().width();
  groepen_->setMinimumWidth(nodig);
  kop_->updateGeometry();
  kop_->update();
  groepen_->doItemsLayout();
  groepen_->setCurrentRow(beheer_.Gekozen());
  titels_->setCurrentIndex(beheer_.Gekozen());
  const bool iets = beheer_.Gekozen() >= 0;
  bewerk_->setEnabled(iets);
  verwijder_->setEnabled(iets);
  overzicht_->setEnabled(iets && Gekoppeld(&TBudbeheerForm::RapportGevraagd));
  grafiek_->setEnabled(iets && Gekoppeld(&TBudbeheerForm::GrafiekGevraagd));
}

void TBudbeheerForm::Voer(TNewBudgetDlg& dlg) {
  BedienGroepDialoog(dlg);
  dlg.hide();
}

void TBudbeheerForm::BedienGroepDialoog(TNewBudgetDlg& dlg) { dlg.Wacht(); }

void TBudbeheerForm::NieuweGroepKlik() {
  if (!dialoog_) dialoog_ = std::make_unique<TNewBudgetDlg>(kb_, this);
  const int positie = beheer_.Gekozen() >= 0 ? beheer_.GroepPositie() : kb_.MaxGroep() + 1;
  dialoog_->BeginNieuw(positie, "zzzz", "", " -", weergave_);
  Voer(*dialoog_);
  const GroepResultaat uit = dialoog_->Model()->Uitslag();
  beheer_.NaNieuweGroep(uit.gelukt, uit.kode);
  Vul();
  groepen_->setFocus();
}

void TBudbeheerForm::BewerkKlik() {
  if (beheer_.Gekozen() < 0) return;
  if (!dialoog_) dialoog_ = std::make_unique<TNewBudgetDlg>(kb_, this);
  const int positie = beheer_.GroepPositie();
  const std::string oudeKode = kb_.GroepLijst[static_cast<std::size_t>(positie)].Kode;
  dialoog_->BeginWijzig(positie, weergave_);
  Voer(*dialoog_);
  beheer_.NaBewerken(oudeKode);
  Vul();
  groepen_->setFocus();
}

void TBudbeheerForm::VerwijderKlik() {
  beheer_.Verwijder();
  Vul();
  groepen_->setFocus();
}

void TBudbeheerForm::OkKlik() {
  beheer_.Ok();
  accept();
}

void TBudbeheerForm::TitelGekozen(int index) {
  if (index < 0) return;
  if (beheer_.KiesTitel(titels_->itemText(index).toStdString()))
    groepen_->setCurrentRow(beheer_.Gekozen());
}

bool TBudbeheerForm::eventFilter(QObject* o, QEvent* e) {
  if (o == groepen_->viewport() && e->type() == QEvent::ToolTip) {
    auto* h = static_cast<QHelpEvent*>(e);
    // The hints belong to the parts, wherever the measured columns put them.
    const int inDeel[] = {0, 100, 220, 300};
    QToolTip::showText(h->globalPos(), QTekst(GroepBeheer::Hint(inDeel[tekenaar_->Deel(h->pos().x())])),
                       groepen_);
    return true;
  }
  return QDialog::eventFilter(o, e);
}

}  // namespace valdero
