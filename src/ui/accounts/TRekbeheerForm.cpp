#include "ui/accounts/TRekbeheerForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "model/core/Kasboek.h"
#include "model/storage/BoekBestand.h"
#include "ui/accounts/RekeningRegelTekenaar.h"
#include "ui/widgets/StapDialoog.h"

namespace valdero {

// The column headings above the list, at the positions of the drawn parts.
class RekeningKoppen : public QLabel {
 public:
  RekeningKoppen(QListWidget* lijst, QWidget* ouder) : QLabel(ouder), lijst_(lijst) {
    setMinimumHeight(fontMetrics().height() + 4);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const auto x = RekeningRegelTekenaar::Meet(lijst_->fontMetrics());
    const int links = lijst_->geometry().left() - geometry().left() + lijst_->frameWidth();
    const auto koppen = RekeningBeheer::Koppen();
    const int h = height();
    p.drawText(QRect(links + 5, 0, x.naam, h), Qt::AlignLeft | Qt::AlignVCenter, QTekst(koppen[0]));
    p.drawText(QRect(links + x.soort, 0, x.munt - x.soort, h), Qt::AlignLeft | Qt::AlignVCenter, QTekst(koppen[1]));
    p.drawText(QRect(links + x.munt, 0, 80, h), Qt::AlignLeft | Qt::AlignVCenter, QTekst(koppen[2]));
    const int rechts = links + lijst_->viewport()->width() - 4;
    p.drawText(QRect(rechts - 120, 0, 120, h), Qt::AlignRight | Qt::AlignVCenter, QTekst(koppen[3]));
  }

 private:
  QListWidget* lijst_;
};

TRekbeheerForm::TRekbeheerForm(Kasboek& kb, RekeningDialoogVoerder& dialoogVoerder, QWidget* parent)
    : QDialog(parent),
      kb_(kb),
      dialoog_(kb, dialoogVoerder),
      beheer_(kb, dialoog_, [](Kasboek& boek) { BewaarNaWijziging(boek); }) {
  setObjectName("RekbeheerForm");
  setWindowTitle(QTekst(RekeningBeheer::Titel()));
  setToolTip("Overzicht en bewerken van rekeningen");
  setModal(true);

  rekeningen_ = new QListWidget(this);
  rekeningen_->setObjectName("RekeningBox");
  rekeningen_->setItemDelegate(new RekeningRegelTekenaar(rekeningen_));
  rekeningen_->setUniformItemSizes(true);
  rekeningen_->viewport()->installEventFilter(this);
  rekeningen_->setMinimumWidth(RekeningRegelTekenaar::Meet(rekeningen_->fontMetrics()).munt + 150);
  koppen_ = new RekeningKoppen(rekeningen_, this);

  namen_ = new QComboBox(this);
  namen_->setObjectName("TitelRekBox");
  namen_->setEditable(true);
  namen_->setInsertPolicy(QComboBox::NoInsert);
  namen_->setToolTip("Kies een rekening op naam");

  auto* nieuw = StapKnop("Nieuw rekening toevoegen", "NieuwBtn", this);
  bewerk_ = StapKnop("Rekening bewerken", "BewerkBtn", this);
  verwijder_ = StapKnop("Rekening verwijderen", "VerwijderBtn", this);
  auto* overzichtKnop = overzicht_ = StapKnop("Rekening overzicht", "OverzichtBtn", this);
  auto* grafiekKnop = grafiek_ = StapKnop("Rekening grafiek", "GrafiekBtn", this);
  overzichtKnop->setToolTip("Overzicht van de gekozen rekening");
  grafiekKnop->setToolTip("Grafiek van de gekozen rekening");
  auto* ok = StapKnop("&OK", "OkBtn", this);
  ok->setToolTip("Accepteren en sluiten");
  auto* stop = StapKnop("&Stop", "StopBtn", this);
  stop->setToolTip("Afbreken en stoppen");

  auto* links = new QVBoxLayout;
  links->setSpacing(0);
  links->addWidget(koppen_);
  links->addWidget(rekeningen_, 1);
  auto* rechts = new QVBoxLayout;
  rechts->addWidget(new QLabel("Naam", this));
  rechts->addWidget(namen_);
  rechts->addSpacing(12);
  for (QPushButton* k : {nieuw, bewerk_, verwijder_, overzichtKnop, grafiekKnop}) rechts->addWidget(k);
  rechts->addStretch();
  auto* slot = new QHBoxLayout;
  slot->addWidget(ok);
  slot->addWidget(stop);
  rechts->addLayout(slot);
  auto* hoofd = new QHBoxLayout(this);
  hoofd->addLayout(links, 1);
  hoofd->addLayout(rechts);
  resize(680, 420);

  connect(nieuw, &QPushButton::clicked, this, [this] {
    beheer_.Nieuw();
    Vul();
    emit GroepenVeranderd();
    rekeningen_->setFocus();
  });
  connect(bewerk_, &QPushButton::clicked, this, [this] {
    beheer_.Bewerk();
    Vul();
    rekeningen_->setFocus();
  });
  connect(verwijder_, &QPushButton::clicked, this, [this] {
    beheer_.Verwijder();
    Vul();
    emit GroepenVeranderd();
    rekeningen_->setFocus();
  });
  connect(ok, &QPushButton::clicked, this, [this] {
    beheer_.Ok();
    accept();
  });
  connect(stop, &QPushButton::clicked, this, &QDialog::reject);
  for (auto [knop, vraag] : {std::pair{overzichtKnop, &TRekbeheerForm::RapportGevraagd},
                             std::pair{grafiekKnop, &TRekbeheerForm::GrafiekGevraagd}}) {
    connect(knop, &QPushButton::clicked, this, [this, vraag] {
      const int positie = beheer_.RekPositie();
      if (positie == 0 || !Gekoppeld(vraag)) return;
      beheer_.Ok();
      accept();
      emit(this->*vraag)(positie);
    });
  }
  connect(rekeningen_, &QListWidget::currentRowChanged, this, [this](int r) { beheer_.Kies(r); });
  connect(namen_, &QComboBox::activated, this, &TRekbeheerForm::NaamGekozen);
  connect(namen_->lineEdit(), &QLineEdit::returnPressed, this,
          [this] { NaamGekozen(namen_->findText(namen_->currentText())); });
}

void TRekbeheerForm::Begin() {
  Vul();
  rekeningen_->setFocus();
}

int TRekbeheerForm::Toon(QWidget* hoofdvenster) {
  Begin();
  if (hoofdvenster) move(hoofdvenster->x(), hoofdvenster->y() + 105);
  return exec();
}

void TRekbeheerForm::Vul() {
  beheer_.Vul();
  const QSignalBlocker stil(rekeningen_);
  const QSignalBlocker stil2(namen_);
  rekeningen_->clear();
  namen_->clear();
  for (const RekeningRegel& r : beheer_.Regels()) {
    auto* item = new QListWidgetItem(rekeningen_);
    item->setData(RekeningRegelTekenaar::Nummer, QTekst(r.nummer));
    item->setData(RekeningRegelTekenaar::Naam, QTekst(r.naam));
    item->setData(RekeningRegelTekenaar::Soort, QTekst(r.soort));
    item->setData(RekeningRegelTekenaar::Munt, QTekst(r.munt));
    item->setData(RekeningRegelTekenaar::Saldo, QTekst(r.saldo));
    item->setData(RekeningRegelTekenaar::Negatief, r.negatief);
    item->setText(QTekst(r.nummer + " " + r.naam));  // for accessibility and search
    namen_->addItem(QTekst(r.naam));
  }
  rekeningen_->setCurrentRow(beheer_.Gekozen());
  namen_->setCurrentIndex(beheer_.Gekozen());
  const bool iets = beheer_.Gekozen() >= 0;
  bewerk_->setEnabled(iets);
  verwijder_->setEnabled(iets);
  overzicht_->setEnabled(iets && Gekoppeld(&TRekbeheerForm::RapportGevraagd));
  grafiek_->setEnabled(iets && Gekoppeld(&TRekbeheerForm::GrafiekGevraagd));
}

void TRekbeheerForm::NaamGekozen(int index) {
  if (index < 0) return;
  if (beheer_.KiesNaam(namen_->itemText(index).toStdString())) rekeningen_->setCurrentRow(beheer_.Gekozen());
}

void TRekbeheerForm::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_F1) {
    emit HelpGevraagd(RekeningBeheer::HelpContext);
    return;
  }
  QDialog::keyPressEvent(e);
}

bool TRekbeheerForm::eventFilter(QObject* o, QEvent* e) {
  if (o == rekeningen_->viewport() && e->type() == QEvent::ToolTip) {
    auto* h = static_cast<QHelpEvent*>(e);
    QToolTip::showText(h->globalPos(), QTekst(RekeningBeheer::Hint(h->pos().x())), rekeningen_);
    return true;
  }
  return QDialog::eventFilter(o, e);
}

}  // namespace valdero
