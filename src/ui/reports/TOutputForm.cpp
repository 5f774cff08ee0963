#include "ui/reports/TOutputForm.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QRadioButton>
#include <array>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/core/Bedragen.h"
#include "model/core/Kasboek.h"
#include "model/core/Berichten.h"
#include "model/core/Meldingen.h"
#include "model/core/Printer.h"
#include "model/reports/GroepRapport.h"
#include "model/reports/RapportSoort.h"
#include "ui/reports/RapportTabelModel.h"
#include "ui/widgets/AfdrukVoorbeeld.h"
#include "ui/widgets/VensterPlek.h"

namespace valdero {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }


QString VeldStijl(VeldKleur kleur) {
  switch (kleur) {
    case VeldKleur::Groen: return QStringLiteral("QLabel { color: #008000; }");
    case VeldKleur::Rood: return QStringLiteral("QLabel { color: #c80000; }");
    default: return {};
  }
}

QLabel* Veld(QWidget* ouder) {
  auto* l = new QLabel(ouder);
  l->setFrameShape(QFrame::StyledPanel);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setMinimumWidth(90);
  return l;
}

}  // namespace

TOutputForm::TOutputForm(Kasboek& kb, ReportSelection& selectie, QWidget* hoofdvenster)
    : QWidget(hoofdvenster, Qt::Window), kb_(kb), model_(kb, selectie), hoofdvenster_(hoofdvenster) {
  setWindowTitle(QStringLiteral("V I Z U D E Z  O V E R Z I C H T E N "));
  setObjectName(QStringLiteral("TOutputForm"));
  BouwVenster();
  BouwMenu();
  resize(860, 600);
}

void TOutputForm::BouwVenster() {
  auto* hoofd = new QVBoxLayout(this);
  kop_ = new QLabel(this);
  QFont vet = kop_->font();
  vet.setBold(true);
  kop_->setFont(vet);
  hoofd->addWidget(kop_);

  periodePaneel_ = new QWidget(this);
  auto* p = new QHBoxLayout(periodePaneel_);
  p->setContentsMargins(0, 0, 0, 0);
  beginEdit_ = new QLineEdit(periodePaneel_);
  eindEdit_ = new QLineEdit(periodePaneel_);
  beginEdit_->setObjectName(QStringLiteral("beginDatum"));
  eindEdit_->setObjectName(QStringLiteral("eindDatum"));
  okKnop_ = new QPushButton(QStringLiteral("O&k"), periodePaneel_);
  p->addWidget(new QLabel(QStringLiteral("Begin Datum :"), periodePaneel_));
  p->addWidget(beginEdit_);
  p->addWidget(new QLabel(QStringLiteral("Eind Datum :"), periodePaneel_));
  p->addWidget(eindEdit_);
  p->addWidget(okKnop_);
  p->addStretch();
  hoofd->addWidget(periodePaneel_);
  connect(beginEdit_, &QLineEdit::returnPressed, this, [this] {
    std::string t = beginEdit_->text().toStdString();
    if (!DatumAanvullen(kb_, t)) return;
    beginEdit_->setText(Q(t));
    eindEdit_->setFocus();
  });
  connect(eindEdit_, &QLineEdit::returnPressed, this, [this] {
    std::string t = eindEdit_->text().toStdString();
    if (!DatumAanvullen(kb_, t)) return;
    eindEdit_->setText(Q(t));
    okKnop_->setFocus();
  });
  connect(okKnop_, &QPushButton::clicked, this, &TOutputForm::PeriodeOkClick);

  tabel_ = new QTableView(this);
  tabel_->setObjectName(QStringLiteral("overzichtTabel"));
  tabelModel_ = new RapportTabelModel(model_, tabel_);
  tabel_->setModel(tabelModel_);
  tabel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabel_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabel_->verticalHeader()->hide();
  tabel_->verticalHeader()->setDefaultSectionSize(22);
  tabel_->setContextMenuPolicy(Qt::CustomContextMenu);
  tabel_->setWordWrap(false);
  connect(tabel_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int k, int, int nieuw) {
    if (!zetBreedtes_ && k >= 0 && k < static_cast<int>(breedtes_.size())) breedtes_[static_cast<std::size_t>(k)] = nieuw;
  });
  connect(tabel_, &QWidget::customContextMenuRequested, this, &TOutputForm::ContextMenu);
  connect(tabel_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& cel, const QModelIndex&) {
            const int rij = cel.row(), kolom = cel.column();
            tabel_->setToolTip(Q(model_.KolomHint(rij, kolom)));
            model_.ZetGekozenRij(rij);
            ToonDetail(rij);
          });
  hoofd->addWidget(tabel_, 1);

  // The transaction behind the selected row.
  detail_ = new QTableWidget(6, 4, this);
  detail_->setObjectName(QStringLiteral("detailRaster"));
  detail_->horizontalHeader()->hide();
  detail_->verticalHeader()->hide();
  detail_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  detail_->setFocusPolicy(Qt::NoFocus);
  detail_->verticalHeader()->setDefaultSectionSize(20);
  for (int k = 0; k < 4; ++k) detail_->setColumnWidth(k, std::array<int, 4>{100, 450, 80, 60}[static_cast<std::size_t>(k)]);
  detail_->horizontalHeader()->setStretchLastSection(true);
  detail_->setFixedHeight(6 * 20 + 4);
  hoofd->addWidget(detail_);

  totaalPaneel_ = new QWidget(this);
  totaalRaster_ = new QGridLayout(totaalPaneel_);
  totaalRaster_->setContentsMargins(0, 0, 0, 0);
  hoofd->addWidget(totaalPaneel_);

  maandPaneel_ = new QWidget(this);
  auto* m = new QHBoxLayout(maandPaneel_);
  m->setContentsMargins(0, 0, 0, 0);
  m->setSpacing(2);
  static const char* kMaanden[] = {"Jan", "Feb", "Mrt", "Apr", "Mei", "Jun",
                                   "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"};
  for (int i = 0; i < 12; ++i) {
    auto* k = new QPushButton(QString::fromUtf8(kMaanden[i]), maandPaneel_);
    k->setCheckable(true);
    k->setAutoExclusive(true);
    k->setMaximumWidth(44);
    connect(k, &QPushButton::clicked, this, [this, i] { MaandClick(i + 1); });
    maanden_.push_back(k);
    m->addWidget(k);
  }
  m->addStretch();
  hoofd->addWidget(maandPaneel_);
  BouwZoekPaneel();
  hoofd->addWidget(zoekPaneel_);

  auto* onder = new QHBoxLayout;
  munt_ = new QLabel(this);
  aantal_ = new QLabel(this);
  aantal_->setObjectName(QStringLiteral("aantal"));
  noot_ = new QLabel(this);
  afschriftSaldo_ = new QLabel(this);
  onder->addWidget(munt_);
  onder->addWidget(aantal_);
  onder->addWidget(noot_);
  onder->addStretch();
  onder->addWidget(afschriftSaldo_);
  hoofd->addLayout(onder);

  auto* knoppen = new QHBoxLayout;
  auto knop = [this, knoppen](const char* tekst) {
    auto* k = new QPushButton(QString::fromUtf8(tekst), this);
    knoppen->addWidget(k);
    return k;
  };
  vorige_ = knop("V&orige");
  volgende_ = knop("&Volgende");
  verzamel_ = knop("Ver&zamel");
  opslaan_ = knop("&Opslaan ");
  print_ = knop("&Print");
  afschrift_ = knop("Afschrift");
  tijdvakKnop_ = knop("Tijdvak");
  knoppen->addStretch();
  help_ = knop("&Help");
  sluit_ = knop("&Sluit");
  hoofd->addLayout(knoppen);

  connect(volgende_, &QPushButton::clicked, this, [this] {
    if (model_.Volgende()) ToonTabel();
  });
  connect(vorige_, &QPushButton::clicked, this, [this] {
    if (model_.Vorige()) ToonTabel();
  });
  connect(verzamel_, &QPushButton::clicked, this, [this] { model_.Verzamel(KolomBreedtes(), FontGrootte()); });
  connect(opslaan_, &QPushButton::clicked, this, [this] { model_.Opslaan(KolomBreedtes(), FontGrootte()); });
  connect(print_, &QPushButton::clicked, this, [this] {
    Afdrukken(this, kb_, (kb_.Config.Vlaggen & vlag::Liggend) != 0, [this, breedtes = KolomBreedtes()] { model_.Print(kb_.printer(), breedtes); });
  });
  connect(afschrift_, &QPushButton::clicked, this, [this] {
    model_.WisselAfschrift();
    ToonTabel();
  });
  connect(tijdvakKnop_, &QPushButton::clicked, this, [this] {
    periodePaneel_->show();
    beginEdit_->setFocus();
  });
  connect(help_, &QPushButton::clicked, this, [this] { emit HelpGevraagd(RapportHelp(model_.Soort())); });
  connect(sluit_, &QPushButton::clicked, this, &QWidget::close);
}

void TOutputForm::BouwMenu() {
  menu_ = new QMenu(this);
  auto* wijzig = menu_->addAction(QStringLiteral("&Wijzigen"));
  auto* verwijder = menu_->addAction(QStringLiteral("&Verwijderen"));
  menu_->addSeparator();
  // The drill-downs into the group overview, on the selected transaction.
  std::vector<std::pair<QAction*, int>> doorzoeken;
  for (auto [tekst, modus] : {std::pair{"Selecteer &Groep", groeprapport::Groep},
                              std::pair{"Selecteer &Relatie", groeprapport::Relatie},
                              std::pair{"Selecteer &Klasse", groeprapport::Klasse}}) {
    QAction* a = menu_->addAction(QString::fromUtf8(tekst));
    connect(a, &QAction::triggered, this, [this, m = modus] {
      if (const auto d = model_.Doorzoek(tabel_->currentIndex().row(), m))
        emit GroepRapportGevraagd(d->modus, d->rekNr, d->index);
    });
    doorzoeken.emplace_back(a, modus);
  }
  auto* zoek = menu_->addAction(QStringLiteral("&Zoek boeking"));
  connect(zoek, &QAction::triggered, this, &TOutputForm::ZoekBoeking);
  menu_->addSeparator();
  auto* tijdvak = menu_->addAction(QStringLiteral("Kies &Tijdvak"));
  auto* op = menu_->addAction(QStringLiteral("&Oplopend"));
  auto* af = menu_->addAction(QStringLiteral("&Aflopend"));
  connect(wijzig, &QAction::triggered, this, [this] {
    if (GekozenKasIndex() > 0) emit WijzigenGevraagd(GekozenKasIndex());
  });
  connect(verwijder, &QAction::triggered, this, [this] {
    const int kas = GekozenKasIndex();
    if (!Gekoppeld(&TOutputForm::VerwijderenGevraagd) || kas <= 0) return;
    if (!Vraag(kb_, "Weet u zeker dat u dit Record wilt verwijderen ? ")) return;
    emit VerwijderenGevraagd(kas);
  });
  connect(tijdvak, &QAction::triggered, this, [this] {
    model_.KiesTijdvak();
    ToonKnoppen();
    beginEdit_->setFocus();
  });
  connect(op, &QAction::triggered, this, [this] {
    model_.ZetAflopend(false);
    ToonTabel();
  });
  connect(af, &QAction::triggered, this, [this] {
    model_.ZetAflopend(true);
    ToonTabel();
  });
  connect(menu_, &QMenu::aboutToShow, this, [this, wijzig, verwijder, doorzoeken, zoek] {
    const bool transacties = IsTransactieRapport(model_.Soort()) && GekozenKasIndex() > 0;
    wijzig->setEnabled(transacties && Gekoppeld(&TOutputForm::WijzigenGevraagd));
    verwijder->setEnabled(transacties && Gekoppeld(&TOutputForm::VerwijderenGevraagd));
    for (auto [a, modus] : doorzoeken)
      a->setEnabled(Gekoppeld(&TOutputForm::GroepRapportGevraagd) &&
                    model_.KanDoorzoeken(tabel_->currentIndex().row(), modus));
    zoek->setEnabled(model_.KanZoeken());
  });
}

void TOutputForm::Verwijderd() {
  model_.RefreshReport();
  ToonTabel();
  Mededeling(kb_, " Kasrecord(s) verwijderd");
}

void TOutputForm::BouwZoekPaneel() {
  zoekPaneel_ = new QWidget(this);
  zoekPaneel_->setObjectName(QStringLiteral("zoekPaneel"));
  auto* z = new QHBoxLayout(zoekPaneel_);
  z->setContentsMargins(0, 0, 0, 0);
  zoekVelden_ = new QButtonGroup(zoekPaneel_);
  for (int i = 0; i < 5; ++i) {
    auto* knop = new QRadioButton(zoekPaneel_);
    zoekVelden_->addButton(knop, i);
    z->addWidget(knop);
  }
  zoekEdit_ = new QLineEdit(zoekPaneel_);
  zoekEdit_->setObjectName(QStringLiteral("zoekTekst"));
  zoekEdit_->installEventFilter(this);
  z->addWidget(zoekEdit_, 1);
  richting_ = new QPushButton(QStringLiteral("Neer"), zoekPaneel_);
  richting_->setObjectName(QStringLiteral("zoekRichting"));
  z->addWidget(richting_);
  zoekPaneel_->hide();
  // Another field starts a new search.
  connect(zoekVelden_, &QButtonGroup::idClicked, this, [this](int) { zoekEdit_->clear(); });
  connect(zoekEdit_, &QLineEdit::textEdited, this, &TOutputForm::ZoekTekst);
  connect(zoekEdit_, &QLineEdit::returnPressed, this, &TOutputForm::SluitZoeken);
  connect(richting_, &QPushButton::clicked, this, [this] {
    richting_->setText(richting_->text() == QStringLiteral("Neer") ? QStringLiteral("Op") : QStringLiteral("Neer"));
  });
}

void TOutputForm::ZoekBoeking() {
  if (!model_.KanZoeken()) return;
  maandPaneel_->hide();
  const auto namen = model_.ZoekVelden();
  zoekVelden_->setExclusive(false);
  for (int i = 0; i < 5; ++i) {
    QAbstractButton* knop = zoekVelden_->button(i);
    knop->setText(QString::fromStdString(namen[static_cast<std::size_t>(i)]));
    knop->setChecked(false);
  }
  zoekVelden_->setExclusive(true);
  richting_->setText(QStringLiteral("Neer"));
  zoekPaneel_->show();
}

void TOutputForm::ZoekTekst(const QString& tekst) {
  const int veld = zoekVelden_->checkedId();
  if (veld < 0) {
    kb_.berichten().BerichtDlg(" Kies eerst een veld", BerichtSoort::Waarschuwing, knop::OK);
    return;
  }
  const bool op = richting_->text() == QStringLiteral("Op");
  const int rij = model_.ZoekRij(veld, tekst.toStdString(), zoekStart_, op);
  if (rij >= 0) tabel_->setCurrentIndex(tabelModel_->index(rij, RapportModel::ZoekKolom(veld)));
}

void TOutputForm::SluitZoeken() {
  zoekPaneel_->hide();
  maandPaneel_->setVisible(model_.Soort() == rapport::Rekening);
  tabel_->setFocus();
}

bool TOutputForm::eventFilter(QObject* o, QEvent* e) {
  if (o == zoekEdit_) {
    // Entering the edit starts a search from the row under the selected one.
    if (e->type() == QEvent::FocusIn) {
      zoekEdit_->clear();
      zoekStart_ = tabel_->currentIndex().row() + 1;
    } else if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Tab) {
      SluitZoeken();
      return true;
    }
  }
  return QWidget::eventFilter(o, e);
}

TOutputForm::~TOutputForm() { delete tabel_; }

bool TOutputForm::ShowReport(int soort, int index) {
  if (!model_.ShowReport(soort, index)) return false;
  ToonTabel();
  if (!isVisible()) PlaatsBijHoofdvenster(*this, kRapportPlek);
  show();
  raise();
  activateWindow();
  tabel_->setFocus();
  return true;
}

void TOutputForm::RefreshReport() {
  model_.RefreshReport();
  ToonTabel();
}

int TOutputForm::FontGrootte() const {
  return kb_.Config.FontGrootte > 0 ? kb_.Config.FontGrootte : 10;
}

std::vector<int> TOutputForm::KolomBreedtes() const { return breedtes_; }

void TOutputForm::ToonTabel() {
  const RapportTabel& t = model_.Tabel();
  // Clearing the table moves its current cell; the row the model chose is
  // the one to select afterwards.
  const int kies = model_.GekozenRij();
  kop_->setText(Q(t.KopRegel(0)) + QLatin1Char('\n') + Q(t.KopRegel(1)));
  {
    // The view's current cell moves while the rows are replaced; the row the
    // model chose is selected afterwards.
    const QSignalBlocker stil(tabel_->selectionModel());
    tabelModel_->Ververs();
  }
  QFont f = tabel_->font();
  f.setPointSize(FontGrootte());
  tabel_->setFont(f);
  if (t.afschrift)
    for (int r = 0; r < static_cast<int>(t.rijen.size()); ++r) {
      const RapportRij& rij = t.rijen[static_cast<std::size_t>(r)];
      if (!rij.omschrijving.empty()) tabel_->setRowHeight(r, 22 + 18 * static_cast<int>(rij.omschrijving.size()));
    }
  zetBreedtes_ = true;
  breedtes_ = t.breedtes;
  for (int k = 0; k < t.Kolommen(); ++k) {
    int w = t.breedtes[static_cast<std::size_t>(k)];
    // Dates, amounts and percentages are shown whole on screen.
    const bool getal = t.IsBedragKolom(k) || (IsTransactieRapport(t.soort) && k == 2) ||
                       ((IsBudgetRapport(t.soort) || IsBalansRapport(t.soort)) && k >= 2);
    if (getal) {
      tabel_->resizeColumnToContents(k);
      w = std::max(w, tabel_->columnWidth(k));
    }
    tabel_->setColumnWidth(k, w);
  }
  zetBreedtes_ = false;
  ToonTotalen();
  ToonKnoppen();
  model_.ZetGekozenRij(kies);
  KiesRij(kies);
}

void TOutputForm::ToonTotalen() {
  const RapportTabel& t = model_.Tabel();
  while (QLayoutItem* item = totaalRaster_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  int regel = 0;
  for (const TotaalRegel& tr : t.totalen) {
    if (!tr.zichtbaar) continue;
    auto* label = new QLabel(Q(tr.label), totaalPaneel_);
    totaalRaster_->addWidget(label, regel, 0);
    int kolom = 1;
    for (const RapportVeld& v : tr.velden) {
      QLabel* veld = Veld(totaalPaneel_);
      veld->setObjectName(QStringLiteral("totaal%1_%2").arg(regel).arg(kolom - 1));
      veld->setText(v.zichtbaar ? Q(v.tekst) : QString());
      veld->setStyleSheet(VeldStijl(v.kleur));
      veld->setVisible(v.zichtbaar);
      totaalRaster_->addWidget(veld, regel, kolom++);
    }
    ++regel;
  }
  if (t.effectVelden) {
    totaalRaster_->addWidget(new QLabel(QStringLiteral("Aantal(eff.)"), totaalPaneel_), regel, 0);
    QLabel* a = Veld(totaalPaneel_);
    a->setText(Q(t.aantalEffecten));
    totaalRaster_->addWidget(a, regel, 1);
    totaalRaster_->addWidget(new QLabel(QStringLiteral("Koers(Euro)"), totaalPaneel_), regel, 2);
    QLabel* k = Veld(totaalPaneel_);
    k->setText(Q(t.koers));
    totaalRaster_->addWidget(k, regel, 3);
  }
  totaalRaster_->setColumnStretch(totaalRaster_->columnCount(), 1);
  totaalPaneel_->setVisible(totaalRaster_->count() > 0);
  aantal_->setText(Q(t.aantal));
  munt_->setText(Q(t.munt));
  noot_->setText(Q(t.noot));
  afschriftSaldo_->setVisible(t.afschrift);
  if (t.afschrift) {
    afschriftSaldo_->setText(QStringLiteral("Saldo ") + Q(t.afschriftSaldo.tekst));
    afschriftSaldo_->setStyleSheet(VeldStijl(t.afschriftSaldo.kleur));
  }
}

void TOutputForm::ToonKnoppen() {
  const int soort = model_.Soort();
  const bool bladeren = model_.KanBladeren();
  volgende_->setVisible(bladeren);
  vorige_->setVisible(bladeren);
  verzamel_->setVisible(bladeren);
  if (bladeren) {
    volgende_->setToolTip(Q(model_.VolgendeHint()));
    vorige_->setToolTip(Q(model_.VorigeHint()));
    verzamel_->setToolTip(Q(model_.VerzamelHint()));
  }
  afschrift_->setVisible(soort == rapport::Rekening);
  afschrift_->setText(model_.Afschrift() ? QStringLiteral("Regel") : QStringLiteral("Afschrift"));
  maandPaneel_->setVisible(soort == rapport::Rekening && !zoekPaneel_->isVisible());
  if (!model_.KanZoeken()) zoekPaneel_->hide();
  const int laatste = model_.Tabel().laatsteMaand;
  for (int i = 0; i < 12; ++i) maanden_[static_cast<std::size_t>(i)]->setChecked(i + 1 == laatste);
  periodePaneel_->setVisible(model_.PeriodePaneel());
  if (model_.PeriodePaneel()) {
    beginEdit_->setText(Q(model_.BeginTekst()));
    eindEdit_->setText(Q(model_.EindTekst()));
  }
  const bool periodeSoort = soort == rapport::Klassen || soort == rapport::BudgetTijdvak ||
                            soort == rapport::Relaties || soort == rapport::BalansTijdvak;
  tijdvakKnop_->setVisible(periodeSoort && !model_.PeriodePaneel());
}

void TOutputForm::ToonDetail(int rij) {
  detail_->setVisible(IsTransactieRapport(model_.Soort()));
  detail_->clearContents();
  const auto regels = model_.Detail(rij);
  for (int r = 0; r < static_cast<int>(regels.size()) && r < 6; ++r)
    for (int k = 0; k < 4; ++k) detail_->setItem(r, k, new QTableWidgetItem(Q(regels[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)])));
}

void TOutputForm::KiesRij(int rij) {
  if (rij < 0 || rij >= tabelModel_->rowCount()) {
    tabel_->clearSelection();
    ToonDetail(-1);
    return;
  }
  tabel_->setCurrentIndex(tabelModel_->index(rij, 0));
  tabel_->scrollTo(tabelModel_->index(rij, 0));
}

int TOutputForm::GekozenKasIndex() const {
  const int r = tabel_->currentIndex().row();
  const auto& rijen = model_.Tabel().rijen;
  return r >= 0 && r < static_cast<int>(rijen.size()) ? rijen[static_cast<std::size_t>(r)].kasIndex : 0;
}

void TOutputForm::PeriodeOkClick() {
  if (!model_.PeriodeOk(beginEdit_->text().toStdString(), eindEdit_->text().toStdString())) return;
  ToonTabel();
  tabel_->setFocus();
}

void TOutputForm::MaandClick(int maand) {
  const int rij = model_.KiesMaand(maand);
  if (maand > model_.Tabel().laatsteMaand) {
    ToonKnoppen();
    return;
  }
  KiesRij(rij);
}

void TOutputForm::ContextMenu(const QPoint& punt) {
  if (!IsTransactieRapport(model_.Soort())) return;
  const int x = std::max(0, tabel_->viewport()->width() - 200);
  menu_->popup(tabel_->viewport()->mapToGlobal(QPoint(x, punt.y())));
}

void TOutputForm::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TOutputForm::closeEvent(QCloseEvent* e) {
  model_.Sluit(KolomBreedtes(), FontGrootte());
  emit Gesloten();
  e->accept();
}

}  // namespace valdero
