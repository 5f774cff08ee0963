#include "ui/settings/TOptiesForm.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Printer.h"
#include "ui/widgets/StapDialoog.h"

namespace valdero {
namespace {

bool IsEnter(QEvent* e) {
  if (e->type() != QEvent::KeyPress) return false;
  const int toets = static_cast<QKeyEvent*>(e)->key();
  return toets == Qt::Key_Return || toets == Qt::Key_Enter;
}

QPushButton* Knop(const QString& tekst, const char* naam, QWidget* ouder) {
  auto* k = new QPushButton(tekst, ouder);
  k->setObjectName(naam);
  k->setAutoDefault(false);
  return k;
}

QLineEdit* Veld(const char* naam, QWidget* ouder) {
  auto* v = new QLineEdit(ouder);
  v->setObjectName(naam);
  return v;
}

// The list and its three buttons on the left, the editor on the right.
QHBoxLayout* LijstEnKnoppen(QListWidget* lijst, const std::vector<QPushButton*>& knoppen) {
  auto* rij = new QHBoxLayout;
  rij->addWidget(lijst, 1);
  auto* kolom = new QVBoxLayout;
  for (QPushButton* k : knoppen) kolom->addWidget(k);
  kolom->addStretch();
  rij->addLayout(kolom);
  return rij;
}

}  // namespace

TOptiesForm::TOptiesForm(Kasboek& kb, QWidget* parent) : QDialog(parent), kb_(kb), model_(kb) {
  setObjectName("OptiesForm");
  setWindowTitle("Opties");
  setModal(true);
  paginas_ = new QTabWidget(this);
  paginas_->setObjectName("OptiesPaginas");
  paginas_->addTab(MaakKlassePagina(), "Klasse");
  paginas_->addTab(MaakSoortPagina(), "Soort");
  paginas_->addTab(MaakValutaPagina(), "Valuta");
  paginas_->addTab(MaakPrintPagina(), "Printopties");

  sorteer_ = Knop("Sorteren", "SorteerBtn", this);
  sorteer_->setToolTip("Sorteren");
  auto* ok = Knop("&OK", "OkBtn", this);
  auto* schrap = Knop("&Schrap", "SchrapBtn", this);
  auto* onder = new QHBoxLayout;
  onder->addWidget(sorteer_);
  onder->addStretch();
  onder->addWidget(ok);
  onder->addWidget(schrap);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addWidget(paginas_, 1);
  hoofd->addLayout(onder);
  resize(470, 420);

  connect(paginas_, &QTabWidget::currentChanged, this, [this](int p) {
    model_.KiesPagina(static_cast<OptiesPagina>(p));
    ToonPagina();
  });
  connect(sorteer_, &QPushButton::clicked, this, [this] {
    model_.Sorteer();
    ToonPagina();
  });
  connect(ok, &QPushButton::clicked, this, [this] {
    model_.Ok();
    accept();
  });
  connect(schrap, &QPushButton::clicked, this, &QDialog::reject);
}

void TOptiesForm::reject() {
  model_.Schrap();
  QDialog::reject();
}

QWidget* TOptiesForm::MaakKlassePagina() {
  auto* pagina = new QWidget;
  klassen_ = new QListWidget(pagina);
  klassen_->setObjectName("KlasseBox");
  // The names start in one column, as the letters are one character wide.
  klassen_->setFont(QFont("Monospace"));
  auto* nieuw = Knop("&Nieuw", "KlasseNieuwBtn", pagina);
  auto* wijzig = Knop("&Wijzig", "KlasseWijzigBtn", pagina);
  auto* weg = Knop("&Verwijder", "KlasseVerwijderBtn", pagina);
  klasseEditor_ = new QGroupBox(pagina);
  klasseEditor_->setObjectName("KlasseEditor");
  klAfk_ = Veld("KlasseAfkorting", klasseEditor_);
  klNaam_ = Veld("KlasseNaam", klasseEditor_);
  klOms_ = Veld("KlasseOmschrijving", klasseEditor_);
  klTarief_ = Veld("BtwTarief", klasseEditor_);
  klHoog_ = new QCheckBox("BTW hoog", klasseEditor_);
  klHoog_->setObjectName("BtwHoog");
  klLaag_ = new QCheckBox("Btw laag", klasseEditor_);
  klLaag_->setObjectName("BtwLaag");
  klTariefLabel_ = new QLabel("Btw tarief", klasseEditor_);
  klOk_ = Knop("&Ok", "KlasseOkBtn", klasseEditor_);
  klOk_->setAutoDefault(true);
  auto* klSchrap = Knop("&Schrap", "KlasseSchrapBtn", klasseEditor_);
  auto* vorm = new QFormLayout(klasseEditor_);
  vorm->addRow("Afkorting", klAfk_);
  vorm->addRow("Naam ", klNaam_);
  vorm->addRow("Omschrijving", klOms_);
  auto* btw = new QHBoxLayout;
  btw->addWidget(klHoog_);
  btw->addWidget(klLaag_);
  vorm->addRow(btw);
  vorm->addRow(klTariefLabel_, klTarief_);
  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch();
  knoppen->addWidget(klOk_);
  knoppen->addWidget(klSchrap);
  vorm->addRow(knoppen);
  for (QLineEdit* v : {klAfk_, klNaam_, klOms_, klTarief_}) v->installEventFilter(this);

  auto* indeling = new QVBoxLayout(pagina);
  indeling->addLayout(LijstEnKnoppen(klassen_, {nieuw, wijzig, weg}));
  indeling->addWidget(klasseEditor_);

  auto& m = model_.klassen;
  connect(klassen_, &QListWidget::currentRowChanged, this, [this, &m](int r) {
    if (r < 0 || klasseEditor_->isVisible()) return;
    m.Kies(r);
  });
  connect(klassen_, &QListWidget::itemDoubleClicked, this, [this, &m] {
    m.Wijzig();
    ToonKlassen();
    klAfk_->setFocus();
  });
  connect(nieuw, &QPushButton::clicked, this, [this, &m] {
    m.Nieuw();
    ToonKlassen();
    klAfk_->setFocus();
  });
  connect(wijzig, &QPushButton::clicked, this, [this, &m] {
    m.Wijzig();
    ToonKlassen();
    klAfk_->setFocus();
  });
  connect(weg, &QPushButton::clicked, this, [this, &m] {
    m.Verwijder();
    ToonKlassen();
  });
  connect(klHoog_, &QCheckBox::clicked, this, [this, &m](bool aan) {
    NeemKlasse();
    m.ZetHoog(aan);
    ToonKlassen();
  });
  connect(klLaag_, &QCheckBox::clicked, this, [this, &m](bool aan) {
    NeemKlasse();
    m.ZetLaag(aan);
    ToonKlassen();
  });
  connect(klOk_, &QPushButton::clicked, this, [this, &m] {
    NeemKlasse();
    m.Ok();
    ToonKlassen();
    klassen_->setFocus();
  });
  connect(klSchrap, &QPushButton::clicked, this, [this, &m] {
    m.Schrap();
    ToonKlassen();
    klassen_->setFocus();
  });
  return pagina;
}

QWidget* TOptiesForm::MaakSoortPagina() {
  auto* pagina = new QWidget;
  soorten_ = new QListWidget(pagina);
  soorten_->setObjectName("SoortBox");
  soorten_->setFont(QFont("Monospace"));
  auto* nieuw = Knop("&Nieuw", "SoortNieuwBtn", pagina);
  auto* wijzig = Knop("&Wijzig", "SoortWijzigBtn", pagina);
  auto* weg = Knop("&Verwijder", "SoortVerwijderBtn", pagina);
  soortEditor_ = new QGroupBox(pagina);
  soortEditor_->setObjectName("SoortEditor");
  soAfk_ = Veld("SoortAfkorting", soortEditor_);
  soAfk_->setMaxLength(2);
  soNaam_ = Veld("SoortNaam", soortEditor_);
  soOms_ = Veld("SoortOmschrijving", soortEditor_);
  soOk_ = Knop("&Ok", "SoortOkBtn", soortEditor_);
  soOk_->setAutoDefault(true);
  auto* soSchrap = Knop("&Schrap", "SoortSchrapBtn", soortEditor_);
  auto* vorm = new QFormLayout(soortEditor_);
  vorm->addRow("Afkorting", soAfk_);
  vorm->addRow("Naam ", soNaam_);
  vorm->addRow("Omschrijving", soOms_);
  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch();
  knoppen->addWidget(soOk_);
  knoppen->addWidget(soSchrap);
  vorm->addRow(knoppen);
  for (QLineEdit* v : {soAfk_, soNaam_, soOms_}) v->installEventFilter(this);
  auto* indeling = new QVBoxLayout(pagina);
  indeling->addLayout(LijstEnKnoppen(soorten_, {nieuw, wijzig, weg}));
  indeling->addWidget(soortEditor_);

  auto& m = model_.soorten;
  connect(soorten_, &QListWidget::currentRowChanged, this, [this, &m](int r) {
    if (r >= 0 && !soortEditor_->isVisible()) m.Kies(r);
  });
  connect(nieuw, &QPushButton::clicked, this, [this, &m] {
    m.Nieuw();
    ToonSoorten();
    soAfk_->setFocus();
  });
  connect(wijzig, &QPushButton::clicked, this, [this, &m] {
    m.Wijzig();
    ToonSoorten();
    soAfk_->setFocus();
  });
  connect(weg, &QPushButton::clicked, this, [this, &m] {
    m.Verwijder();
    ToonSoorten();
  });
  connect(soOk_, &QPushButton::clicked, this, [this, &m] {
    NeemSoort();
    m.Ok();
    ToonSoorten();
    soorten_->setFocus();
  });
  connect(soSchrap, &QPushButton::clicked, this, [this, &m] {
    m.Schrap();
    ToonSoorten();
    soorten_->setFocus();
  });
  return pagina;
}

QWidget* TOptiesForm::MaakValutaPagina() {
  auto* pagina = new QWidget;
  valuta_ = new QListWidget(pagina);
  valuta_->setObjectName("ValutaBox");
  valuta_->setFont(QFont("Monospace"));
  valuta_->viewport()->installEventFilter(this);
  valuta_->setToolTip("Verplaats geselecteerde munt");
  auto* nieuw = Knop("&Nieuw", "ValutaNieuwBtn", pagina);
  auto* wijzig = Knop("&Wijzig", "ValutaWijzigBtn", pagina);
  auto* weg = Knop("&Verwijder", "ValutaVerwijderBtn", pagina);
  auto* basis = Knop("&Basis munt", "BasisMuntBtn", pagina);
  waarschuwing_ = new QLabel(QTekst(OptiesModel::BasisWaarschuwing()), pagina);
  waarschuwing_->setObjectName("BasisWaarschuwing");
  waarschuwing_->setWordWrap(true);
  valutaEditor_ = new QGroupBox(pagina);
  valutaEditor_->setObjectName("ValutaEditor");
  vaAfk_ = Veld("ValutaAfkorting", valutaEditor_);
  vaAfk_->setMaxLength(3);
  vaTitel_ = Veld("ValutaTitel", valutaEditor_);
  vaKoers_ = Veld("ValutaKoers", valutaEditor_);
  vaTeken_ = new QComboBox(valutaEditor_);
  vaTeken_->setObjectName("ValutaKarakter");
  vaTeken_->setEditable(true);
  vaOk_ = Knop("&OK", "ValutaOkBtn", valutaEditor_);
  vaOk_->setAutoDefault(true);
  auto* vaSchrap = Knop("&Schrap", "ValutaSchrapBtn", valutaEditor_);
  auto* vorm = new QFormLayout(valutaEditor_);
  vorm->addRow("Afkorting", vaAfk_);
  vorm->addRow("Titel", vaTitel_);
  vorm->addRow("Koers", vaKoers_);
  vorm->addRow("Karakter", vaTeken_);
  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch();
  knoppen->addWidget(vaOk_);
  knoppen->addWidget(vaSchrap);
  vorm->addRow(knoppen);
  for (QLineEdit* v : {vaAfk_, vaTitel_, vaKoers_}) v->installEventFilter(this);
  auto* indeling = new QVBoxLayout(pagina);
  indeling->addLayout(LijstEnKnoppen(valuta_, {nieuw, wijzig, weg, basis}));
  indeling->addWidget(waarschuwing_);
  indeling->addWidget(valutaEditor_);

  auto& m = model_.valuta;
  connect(valuta_, &QListWidget::currentRowChanged, this, [this, &m](int r) {
    if (r >= 0 && !valutaEditor_->isVisible()) m.Kies(r);
  });
  connect(nieuw, &QPushButton::clicked, this, [this, &m] {
    m.Nieuw();
    ToonValuta();
    vaAfk_->setFocus();
  });
  connect(wijzig, &QPushButton::clicked, this, [this, &m] {
    m.Wijzig();
    ToonValuta();
    vaAfk_->setFocus();
  });
  connect(weg, &QPushButton::clicked, this, [this, &m] {
    m.Verwijder();
    ToonValuta();
  });
  connect(basis, &QPushButton::clicked, this, [this, &m] {
    m.BasisMunt();
    ToonValuta();
  });
  connect(vaOk_, &QPushButton::clicked, this, [this, &m] {
    NeemValuta();
    m.Ok();
    ToonValuta();
    valuta_->setFocus();
  });
  connect(vaSchrap, &QPushButton::clicked, this, [this, &m] {
    m.Schrap();
    ToonValuta();
    valuta_->setFocus();
  });
  return pagina;
}

QWidget* TOptiesForm::MaakPrintPagina() {
  auto* pagina = new QWidget;
  links_ = Veld("LinkerMarge", pagina);
  boven_ = Veld("TopMarge", pagina);
  onder_ = Veld("BodemMarge", pagina);
  regel_ = Veld("LijnHoogte", pagina);
  printer_ = new QComboBox(pagina);
  printer_->setObjectName("PrinterBox");
  auto* printerFont = Knop("Printer&Font", "PrinterFontBtn", pagina);
  auto* vensterFont = Knop("&VensterFont", "VensterFontBtn", pagina);
  eigenaar_ = new QCheckBox("Eigenaar", pagina);
  eigenaar_->setObjectName("EigenaarBox");
  nieuweKop_ = new QCheckBox("Nieuwe  Kop", pagina);
  nieuweKop_->setObjectName("NieuweKopBox");
  pagNummer_ = new QCheckBox("Pag.Nummer", pagina);
  pagNummer_->setObjectName("PagNummerBox");
  auto* orientatie = new QGroupBox("Oriëntatie", pagina);
  staand_ = new QRadioButton("&Staand", orientatie);
  staand_->setObjectName("StaandBtn");
  liggend_ = new QRadioButton("&Liggend", orientatie);
  liggend_->setObjectName("LiggendBtn");
  auto* oriIndeling = new QVBoxLayout(orientatie);
  oriIndeling->addWidget(staand_);
  oriIndeling->addWidget(liggend_);

  auto* vorm = new QFormLayout;
  vorm->addRow("Linker marge (mm)", links_);
  vorm->addRow("Top marge (mm)", boven_);
  vorm->addRow("Bodem marge (mm)", onder_);
  vorm->addRow("Lijn hoogte (mm)", regel_);
  vorm->addRow("&Printer", printer_);
  auto* fonts = new QHBoxLayout;
  fonts->addWidget(printerFont);
  fonts->addWidget(vensterFont);
  vorm->addRow(fonts);
  auto* vlaggen = new QVBoxLayout;
  for (QCheckBox* c : {eigenaar_, nieuweKop_, pagNummer_}) vlaggen->addWidget(c);
  vlaggen->addWidget(orientatie);
  vlaggen->addStretch();
  auto* indeling = new QHBoxLayout(pagina);
  indeling->addLayout(vorm, 1);
  indeling->addLayout(vlaggen);
  for (QLineEdit* v : {links_, boven_, onder_, regel_}) v->installEventFilter(this);

  auto& p = model_.print;
  connect(printer_, &QComboBox::activated, this, [this, &p](int i) {
    p.KiesPrinter(i);
    ToonPrint();
  });
  auto font = [this](QFont& f) { return KiesFont(f); };
  connect(printerFont, &QPushButton::clicked, this, [this, &p, font] {
    QFont f(QTekst(kb_.printer().FontNaam()), kb_.printer().FontGrootte());
    if (!font(f)) return;
    p.ZetPrinterFont(f.family().toStdString(), f.pointSize());
    ToonPrint();
  });
  connect(vensterFont, &QPushButton::clicked, this, [this, &p, font] {
    QFont f(QTekst(kb_.Config.FontNaam), kb_.Config.FontGrootte > 0 ? kb_.Config.FontGrootte : 10);
    if (!font(f)) return;
    p.ZetVensterFont(f.family().toStdString(), f.pointSize());
  });
  const std::pair<QCheckBox*, PrintPagina::Optie> vakjes[] = {{eigenaar_, PrintPagina::Optie::Eigenaar},
                                                              {nieuweKop_, PrintPagina::Optie::NieuweKop},
                                                              {pagNummer_, PrintPagina::Optie::PaginaNummer}};
  for (auto [vak, optie] : vakjes)
    connect(vak, &QCheckBox::clicked, this, [&p, optie = optie](bool aan) { p.Zet(optie, aan); });
  connect(liggend_, &QRadioButton::toggled, this,
          [&p](bool aan) { p.Zet(PrintPagina::Optie::Liggend, aan); });
  return pagina;
}

void TOptiesForm::Begin(int pagina) {
  const QSignalBlocker stil(paginas_);
  paginas_->setCurrentIndex(pagina);
  model_.Open(static_cast<OptiesPagina>(pagina));
  ToonKlassen();
  ToonSoorten();
  ToonValuta();
  ToonPrint();
  ToonPagina();
}

bool TOptiesForm::Toon(int pagina, QWidget* hoofdvenster) {
  if (hoofdvenster) move(hoofdvenster->x() + 160, hoofdvenster->y() + 140);
  Begin(pagina);
  exec();
  return model_.bevestigd;
}

void TOptiesForm::ToonPagina() {
  sorteer_->setVisible(model_.SorteerZichtbaar());
  switch (model_.pagina) {
    case OptiesPagina::Klasse: ToonKlassen(); klassen_->setFocus(); break;
    case OptiesPagina::Soort: ToonSoorten(); soorten_->setFocus(); break;
    case OptiesPagina::Valuta: ToonValuta(); valuta_->setFocus(); break;
    case OptiesPagina::Print: ToonPrint(); links_->setFocus(); break;
  }
}

void TOptiesForm::ToonKlassen() {
  const auto& m = model_.klassen;
  {
    const QSignalBlocker stil(klassen_);
    klassen_->clear();
    for (const auto& r : m.Regels()) {
      auto* item = new QListWidgetItem(QTekst(r.letter + "   " + r.naam), klassen_);
      item->setToolTip(QTekst(r.omschrijving));
    }
    klassen_->setCurrentRow(m.gekozen);
  }
  klAfk_->setText(QTekst(m.afkorting));
  klNaam_->setText(QTekst(m.naam));
  klOms_->setText(QTekst(m.omschrijving));
  klTarief_->setText(QTekst(m.tarief));
  klHoog_->setChecked(m.hoog);
  klLaag_->setChecked(m.laag);
  klTarief_->setVisible(m.tariefZichtbaar);
  klTariefLabel_->setVisible(m.tariefZichtbaar);
  klasseEditor_->setVisible(m.editor);
}

void TOptiesForm::ToonSoorten() {
  const auto& m = model_.soorten;
  {
    const QSignalBlocker stil(soorten_);
    soorten_->clear();
    for (const auto& r : m.Regels()) {
      auto* item = new QListWidgetItem(QTekst(r.kode + "  " + r.naam), soorten_);
      item->setToolTip(QTekst(r.omschrijving));
    }
    soorten_->setCurrentRow(m.gekozen);
  }
  soAfk_->setText(QTekst(m.afkorting));
  soNaam_->setText(QTekst(m.naam));
  soOms_->setText(QTekst(m.omschrijving));
  soortEditor_->setVisible(m.editor);
}

void TOptiesForm::ToonValuta() {
  const auto& m = model_.valuta;
  {
    const QSignalBlocker stil(valuta_);
    valuta_->clear();
    const auto regels = m.Regels();
    for (std::size_t i = 0; i < regels.size(); ++i) {
      const auto& r = regels[i];
      auto* item = new QListWidgetItem(valuta_);
      if (r.zichtbaar)
        item->setText(QTekst(r.kode).leftJustified(5) + QTekst(r.naam).leftJustified(24) +
                      QTekst(r.koers).rightJustified(10));
    }
    valuta_->setCurrentRow(m.gekozen);
  }
  vaAfk_->setText(QTekst(m.afkorting));
  vaTitel_->setText(QTekst(m.titel));
  vaKoers_->setText(QTekst(m.koers));
  {
    const QSignalBlocker stil(vaTeken_);
    vaTeken_->clear();
    for (const auto& t : m.Tekens()) vaTeken_->addItem(QTekst(t));
    vaTeken_->setEditText(QTekst(m.karakter));
  }
  valutaEditor_->setVisible(m.editor);
  waarschuwing_->setVisible(model_.waarschuwingZichtbaar);
}

void TOptiesForm::ToonPrint() {
  auto& p = model_.print;
  links_->setText(QTekst(p.LinkerMarge()));
  boven_->setText(QTekst(p.TopMarge()));
  onder_->setText(QTekst(p.BodemMarge()));
  regel_->setText(QTekst(p.RegelHoogte()));
  {
    const QSignalBlocker stil(printer_);
    printer_->clear();
    for (const auto& n : p.Printers()) printer_->addItem(QTekst(n));
    printer_->setCurrentIndex(p.GekozenPrinter() >= 0 ? p.GekozenPrinter() : 0);
  }
  const QSignalBlocker s1(eigenaar_), s2(nieuweKop_), s3(pagNummer_), s4(liggend_), s5(staand_);
  eigenaar_->setChecked(p.Aan(PrintPagina::Optie::Eigenaar));
  nieuweKop_->setChecked(p.Aan(PrintPagina::Optie::NieuweKop));
  pagNummer_->setChecked(p.Aan(PrintPagina::Optie::PaginaNummer));
  (p.Aan(PrintPagina::Optie::Liggend) ? liggend_ : staand_)->setChecked(true);
}

void TOptiesForm::NeemKlasse() {
  auto& m = model_.klassen;
  m.afkorting = klAfk_->text().toStdString();
  m.naam = klNaam_->text().toStdString();
  m.omschrijving = klOms_->text().toStdString();
  m.tarief = klTarief_->text().toStdString();
}

void TOptiesForm::NeemSoort() {
  auto& m = model_.soorten;
  m.afkorting = soAfk_->text().toStdString();
  m.naam = soNaam_->text().toStdString();
  m.omschrijving = soOms_->text().toStdString();
}

void TOptiesForm::NeemValuta() {
  auto& m = model_.valuta;
  m.afkorting = vaAfk_->text().toStdString();
  m.titel = vaTitel_->text().toStdString();
  m.koers = vaKoers_->text().toStdString();
  m.karakter = vaTeken_->currentText().toStdString();
}

bool TOptiesForm::eventFilter(QObject* o, QEvent* e) {
  // Dragging a currency to another line moves it there.
  if (valuta_ && o == valuta_->viewport()) {
    if (e->type() == QEvent::MouseButtonPress) {
      auto* m = static_cast<QMouseEvent*>(e);
      sleepVan_ = m->button() == Qt::LeftButton ? valuta_->indexAt(m->pos()).row() : -1;
      sleepBegin_ = m->pos();
    } else if (e->type() == QEvent::MouseButtonRelease && sleepVan_ >= 0) {
      auto* m = static_cast<QMouseEvent*>(e);
      const int van = sleepVan_;
      sleepVan_ = -1;
      // A plain click only selects.
      if ((m->pos() - sleepBegin_).manhattanLength() >= QApplication::startDragDistance()) {
        if (model_.valuta.Verplaats(van, valuta_->indexAt(m->pos()).row())) ToonValuta();
        return true;
      }
    }
    return QDialog::eventFilter(o, e);
  }
  if (!IsEnter(e)) return QDialog::eventFilter(o, e);
  // Enter moves through the editors' fields.
  if (o == klAfk_) klNaam_->setFocus();
  else if (o == klNaam_) klOms_->setFocus();
  else if (o == klOms_) (klTarief_->isVisible() ? static_cast<QWidget*>(klTarief_) : klOk_)->setFocus();
  else if (o == klTarief_) klOk_->setFocus();
  else if (o == soAfk_) soNaam_->setFocus();
  else if (o == soNaam_) soOms_->setFocus();
  else if (o == soOms_) soOk_->setFocus();
  else if (o == vaAfk_) vaTitel_->setFocus();
  else if (o == vaTitel_) vaKoers_->setFocus();
  else if (o == vaKoers_) vaTeken_->setFocus();
  else if (o == links_ || o == boven_ || o == onder_) {
    const auto marge = o == links_ ? PrintPagina::Marge::Links
                       : o == boven_ ? PrintPagina::Marge::Boven
                                     : PrintPagina::Marge::Onder;
    if (model_.print.ZetMarge(marge, static_cast<QLineEdit*>(o)->text().toStdString()))
      (o == links_ ? boven_ : o == boven_ ? onder_ : regel_)->setFocus();
    ToonPrint();
  } else if (o == regel_) {
    model_.print.ZetRegelHoogte(regel_->text().toStdString());
    ToonPrint();
    printer_->setFocus();
  } else {
    return QDialog::eventFilter(o, e);
  }
  return true;
}

bool TOptiesForm::KiesFont(QFont& f) {
  bool gekozen = false;
  f = QFontDialog::getFont(&gekozen, f, this);
  return gekozen;
}

}  // namespace valdero
