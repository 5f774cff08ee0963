// The start panel, the start-date panel and the small selection panel.
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "ui/shell/TValdero.h"

namespace valdero {
namespace {

// Enter and Escape in the selection panel's edit.
class SelectieToetsen : public QObject {
 public:
  SelectieToetsen(QObject* ouder, std::function<void()> enter, std::function<void()> escape)
      : QObject(ouder), enter_(std::move(enter)), escape_(std::move(escape)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return false;
    const int k = static_cast<QKeyEvent*>(e)->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
      enter_();
      return true;
    }
    if (k == Qt::Key_Escape) {
      escape_();
      return true;
    }
    return false;
  }

 private:
  std::function<void()> enter_, escape_;
};

}  // namespace

void TValdero::MaakPanelen() {
  nieuwKasPanel_ = new QGroupBox(achtergrond_);
  nieuwKasPanel_->setObjectName(QStringLiteral("NieuwKaspanel"));
  nieuwKasPanel_->setAutoFillBackground(true);
  nieuwKasPanel_->setPalette(QPalette(QColor(192, 192, 192)));
  auto* kolom = new QVBoxLayout(nieuwKasPanel_);
  auto* bestaat = new QLabel(QStringLiteral(" Er bestaat nog geen Valdero     van dit jaar. "), nieuwKasPanel_);
  bestaat->setObjectName(QStringLiteral("KasBestaat"));
  QFont f = bestaat->font();
  f.setBold(true);
  bestaat->setFont(f);
  kolom->addWidget(bestaat);
  auto* keuzeBox = new QGroupBox(QStringLiteral("Maak een keuze"), nieuwKasPanel_);
  keuzeBox->setObjectName(QStringLiteral("ValDrkeuze"));
  auto* keuzes = new QVBoxLayout(keuzeBox);
  valDrKeuze_ = new QButtonGroup(this);
  const char* opties[] = {" Nieuw Valdero", " Open  Valdero", " Schrap"};
  for (int i = 0; i < 3; ++i) {
    auto* r = new QRadioButton(QString::fromUtf8(opties[i]), keuzeBox);
    valDrKeuze_->addButton(r, i);
    keuzes->addWidget(r);
  }
  kolom->addWidget(keuzeBox);
  auto* knoppen = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("Ok"), nieuwKasPanel_);
  ok->setObjectName(QStringLiteral("NieuwKasBtn"));
  ok->setDefault(true);
  auto* help = new QPushButton(QStringLiteral("Help"), nieuwKasPanel_);
  help->setObjectName(QStringLiteral("HelpNieuwBtn"));
  knoppen->addStretch();
  knoppen->addWidget(ok);
  knoppen->addWidget(help);
  kolom->addLayout(knoppen);
  nieuwKasPanel_->adjustSize();
  nieuwKasPanel_->hide();
  connect(ok, &QPushButton::clicked, this, &TValdero::NieuwKasOk);
  connect(help, &QPushButton::clicked, this, [this] {
    const int topics[] = {221, 222, 268};
    const int k = valDrKeuze_->checkedId();
    Help(k >= 0 && k < 3 ? topics[k] : 221);
  });

  datumPanel_ = new QGroupBox(achtergrond_);
  datumPanel_->setObjectName(QStringLiteral("DatumPanel"));
  datumPanel_->setAutoFillBackground(true);
  datumPanel_->setPalette(QPalette(QColor(192, 192, 192)));
  auto* rij = new QHBoxLayout(datumPanel_);
  rij->addWidget(new QLabel(QStringLiteral("Kies Begindatum"), datumPanel_));
  datumKeuze_ = new QDateEdit(datumPanel_);
  datumKeuze_->setObjectName(QStringLiteral("DatumKeuze"));
  datumKeuze_->setDisplayFormat(QStringLiteral("d-M-yyyy"));
  datumKeuze_->setCalendarPopup(true);
  rij->addWidget(datumKeuze_);
  auto* datumOk = new QPushButton(QStringLiteral("Ok"), datumPanel_);
  datumOk->setObjectName(QStringLiteral("DatumOkBtn"));
  rij->addWidget(datumOk);
  datumPanel_->adjustSize();
  datumPanel_->hide();
  auto startDatum = [this] {
    datumPanel_->hide();
    const QDate d = datumKeuze_->date();
    if (Heeft(LevensloopCommandos::Commando::StartDatum)) levensloop_->StartDatumOk(MaakDatum(d.year(), d.month(), d.day()));
  };
  connect(datumOk, &QPushButton::clicked, this, startDatum);
  connect(datumKeuze_, &QAbstractSpinBox::editingFinished, this, [this, startDatum] {
    if (datumPanel_->isVisible() && datumKeuze_->hasFocus()) startDatum();
  });

  MaakLabels();

  selectPanel_ = new QGroupBox(QStringLiteral("Selectie Paneel"), achtergrond_);
  selectPanel_->setObjectName(QStringLiteral("SelectPanel"));
  selectPanel_->setAutoFillBackground(true);
  selectPanel_->setPalette(QPalette(QColor(192, 192, 192)));
  auto* selRij = new QHBoxLayout(selectPanel_);
  selRij->setContentsMargins(8, 4, 8, 4);
  selectLabel_ = new QLabel(QStringLiteral("Kies rekening"), selectPanel_);
  selectLabel_->setObjectName(QStringLiteral("SelectLabel"));
  selectBox_ = new QComboBox(selectPanel_);
  selectBox_->setObjectName(QStringLiteral("SelectBox1"));
  selectBox_->setEditable(true);
  selectBox_->setInsertPolicy(QComboBox::NoInsert);
  selectBox_->completer()->setCompletionMode(QCompleter::PopupCompletion);
  selectBox_->completer()->setFilterMode(Qt::MatchContains);
  selectBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  QFont mono = selectBox_->font();
  mono.setFamily(QStringLiteral("Monospace"));
  mono.setStyleHint(QFont::TypeWriter);
  selectBox_->setFont(mono);
  selRij->addWidget(selectLabel_);
  selRij->addWidget(selectBox_, 1);
  selectPanel_->setGeometry(199, 145, 400, 61);
  selectPanel_->hide();
  // The keys reach the box itself (its edit's focus proxy), which hands them
  // to the edit by a direct call that passes no event filter; the completer's
  // list does the same when it closes on Enter. So the box is watched, and
  // the edit's own Enter signal covers the completer's path.
  auto* toetsen = new SelectieToetsen(this, [this] { SelectieEnter(); }, [this] { SelectieEscape(); });
  selectBox_->installEventFilter(toetsen);
  selectBox_->lineEdit()->installEventFilter(toetsen);
  connect(selectBox_->lineEdit(), &QLineEdit::returnPressed, this, [this] { SelectieEnter(); });
  // A pick from the list acts as Enter.
  connect(selectBox_, &QComboBox::activated, this, [this] {
    if (selectPanel_->isVisible()) SelectieEnter();
  });
}

void TValdero::MaakLabels() {
  auto label = [this](const char* naam, const QColor& kleur) {
    auto* l = new QLabel(achtergrond_);
    l->setObjectName(QString::fromUtf8(naam));
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, kleur);
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    l->setMargin(2);
    l->setCursor(Qt::PointingHandCursor);
    return l;
  };
  kasNaamLabel_ = label("KasNaamlabel", QColor(0, 255, 0));
  QFont groot = kasNaamLabel_->font();
  groot.setPixelSize(16);
  groot.setBold(true);
  kasNaamLabel_->setFont(groot);
  kasNaamLabel_->installEventFilter(this);
  kasOpen_ = label("KasOpen", QColor(0, 255, 0));
  kasOpen_->setWordWrap(true);
  kasOpen_->setFixedWidth(170);
  kasOpen_->move(0, 200);
  kasOpen_->hide();
  btwLabel_ = label("BTWActiefLabel", QColor(0, 128, 0));
  QPalette wit = btwLabel_->palette();
  wit.setColor(QPalette::WindowText, Qt::white);
  btwLabel_->setPalette(wit);
  btwLabel_->setText(QStringLiteral("met BTW berekening"));
  btwLabel_->adjustSize();
  btwLabel_->installEventFilter(this);
  btwLabel_->hide();
}

void TValdero::ToonDatumPanel(double datum) {
  const DatumDelen d = SplitsDatum(datum);
  datumKeuze_->setDate(QDate(d.jaar, d.maand, d.dag));
  PlaatsLabels();
  datumPanel_->show();
  datumPanel_->raise();
  datumKeuze_->setFocus();
}

void TValdero::NieuwKasOk() {
  switch (valDrKeuze_->checkedId()) {
    case 0:
      if (Heeft(LevensloopCommandos::Commando::Nieuw)) levensloop_->Nieuw();
      break;
    case 1:
      if (Heeft(LevensloopCommandos::Commando::Open)) levensloop_->Open();
      break;
    default:
      nieuwKasPanel_->hide();
  }
}

void TValdero::ToonSelectie(SelectieLijst lijst, int mode, QAction* vrager) {
  selectie_ = std::move(lijst);
  selectieMode_ = mode;
  selectieVrager_ = vrager;
  selectLabel_->setText(QString::fromStdString(selectie_.label));
  selectBox_->clear();
  for (const auto& r : selectie_.regels) selectBox_->addItem(QString::fromStdString(r));
  QFont f = selectPanel_->font();
  if (kb_.Config.FontGrootte > 0) f.setPointSize(kb_.Config.FontGrootte);
  selectPanel_->setFont(f);
  selectPanel_->show();
  selectPanel_->raise();
  selectBox_->setCurrentIndex(0);
  selectBox_->setFocus();
  selectBox_->lineEdit()->selectAll();
}

void TValdero::SelectieEscape() {
  selectPanel_->hide();
  for (const MenuItem p : {MenuItem::OverzichtRekeningen, MenuItem::OverzichtGroepen, MenuItem::GrafiekRekeningen, MenuItem::GrafiekGroepen})
    Zet(p, true);
}

void TValdero::SelectieEnter() {
  if (!selectPanel_->isVisible()) return;
  selectPanel_->hide();
  const std::string regel = selectBox_->currentText().toStdString();
  const auto keuze = KiesUitSelectie(kb_, selectie_, regel);
  if (!keuze) return;
  const RapportVoorschrift voorschrift = VoorschriftVoor(selectieMode_);
  switch (selectie_.soort) {
    case SelectieSoort::Valuta:
      kb_.weergave.HulpMunt = keuze->positie;
      auxiliar_->setText(QString::fromStdString(kb_.ValutaLijst[static_cast<std::size_t>(keuze->positie)].Teken));
      for (QToolButton* b : {eurBtn_, usdBtn_, enpBtn_}) b->setChecked(false);
      auxiliar_->setChecked(true);
      return;
    case SelectieSoort::Periode: {
      RapportVoorschrift v = voorschrift;
      v.periode = keuze->nummer;
      if (Heeft(VensterOpeners::Venster::Budget)) vensters_->OpenBudget(selectieMode_, v);
      ZetUit(3, MenuItem::OpenGroep);
      ZetUit(3, MenuItem::OpenBudget);
      RegistreerNummer(3);
      return;
    }
    case SelectieSoort::Btw:
      if (Heeft(VensterOpeners::Venster::BtwRapport))
        vensters_->OpenBtwRapport(keuze->nummer, static_cast<int>(selectie_.regels.size()));
      ZetUit(kBtwVenster, selectieVrager_);
      RegistreerNummer(kBtwVenster);
      return;
    case SelectieSoort::Export:
      if (Heeft(VensterOpeners::Venster::Exporteren)) vensters_->Exporteer(keuze->nummer);
      ZetUit(9, selectieVrager_);
      RegistreerNummer(9);
      return;
    case SelectieSoort::Rekening:
    case SelectieSoort::Groep:
      OpenRapport(selectieMode_, keuze->positie);
      return;
  }
}

}  // namespace valdero
