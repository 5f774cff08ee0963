// Construction, layout and display of the search dialog; the handlers are in
// TZoekDlgActies.cpp.
#include "ui/search/TZoekDlg.h"

#include <algorithm>
#include <vector>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>

#include "model/core/Kasboek.h"
#include "ui/search/ZoekTabelModel.h"

namespace valdero {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr int kBreedte = 775;
constexpr int kHoogte = 485;
constexpr int kRijHoogte = 20;
constexpr int kDetailRijHoogte = 22;
constexpr int kVeldGroepHoogte = 128;
constexpr int kOnderTop = 280;

QPushButton* Knop(const QString& tekst, const char* naam, QWidget* ouder, int y) {
  auto* k = new QPushButton(tekst, ouder);
  k->setObjectName(naam);
  k->setAutoDefault(false);
  k->setGeometry(690, y, 75, 27);
  return k;
}

}  // namespace

TZoekDlg::TZoekDlg(Kasboek& kb, std::function<void(Kasboek&)> bewaar, QWidget* hoofdvenster)
    : QDialog(hoofdvenster), model_(kb) {
  setObjectName("ZoekDlg");
  model_.ZetBewaarder(std::move(bewaar));
  setFixedSize(kBreedte, kHoogte);

  aantalLab_ = new QLabel(this);
  aantalLab_->setObjectName("AantalLab");
  aantalLab_->setGeometry(10, 12, 150, 20);
  muntLabel_ = new QLabel(this);
  muntLabel_->setObjectName("MuntLabel");
  muntLabel_->setGeometry(170, 12, 220, 20);
  nietsGevonden_ = new QLabel(Q(ZoekModel::NietsGevondenTekst()), this);
  nietsGevonden_->setObjectName("NietsLabel");
  nietsGevonden_->setGeometry(400, 12, 250, 20);
  nietsGevonden_->setStyleSheet("color: red; font-weight: bold;");

  BouwRaster();
  BouwVeldKeuze();
  BouwDetail();
  BouwMenu();

  ok_ = Knop("O&K", "OKBtn", this, 40);
  schrap_ = Knop("&Schrap", "SchrapBtn", this, 75);
  kopie_ = Knop("&Kopie", "KopieBtn", this, 110);
  richting_ = Knop("Neer", "RichtingBtn", this, 160);
  opnieuw_ = Knop("&Opnieuw", "OpnieuwBtn", this, 195);

  connect(ok_, &QPushButton::clicked, this, &TZoekDlg::OKKlik);
  connect(schrap_, &QPushButton::clicked, this, &TZoekDlg::reject);
  connect(kopie_, &QPushButton::clicked, this, &TZoekDlg::KopieKlik);
  connect(richting_, &QPushButton::clicked, this, &TZoekDlg::RichtingKlik);
  connect(opnieuw_, &QPushButton::clicked, this, &TZoekDlg::OpnieuwKlik);
  connect(zoek_, &QPushButton::clicked, this, &TZoekDlg::ZoekKlik);
  connect(this, &QDialog::finished, this, &TZoekDlg::Gesloten_);
}

TZoekDlg::~TZoekDlg() { delete raster_; }

void TZoekDlg::BouwRaster() {
  raster_ = new QTableView(this);
  raster_->setObjectName("StringGrid1");
  tabel_ = new ZoekTabelModel(model_, raster_);
  raster_->setModel(tabel_);
  raster_->horizontalHeader()->setStretchLastSection(false);
  raster_->horizontalHeader()->setHighlightSections(false);
  raster_->verticalHeader()->hide();
  raster_->verticalHeader()->setDefaultSectionSize(kRijHoogte);
  raster_->verticalHeader()->setMinimumSectionSize(kRijHoogte);
  raster_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  raster_->setSelectionBehavior(QAbstractItemView::SelectRows);
  raster_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  raster_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  raster_->setContextMenuPolicy(Qt::CustomContextMenu);
  raster_->setWordWrap(false);
  const int breedte = kZoekRasterBreedte + raster_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                      2 * raster_->frameWidth();
  raster_->setGeometry(10, kZoekRasterTop, breedte, kZoekRasterHoogte);

  connect(raster_, &QAbstractItemView::clicked, this,
          [this](const QModelIndex& cel) { RijKlik(cel.row() + 1); });
  connect(raster_, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& cel) { RijDubbelKlik(cel.row() + 1); });
  connect(raster_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& cel, const QModelIndex&) {
            if (cel.isValid()) model_.ZetHuidigeRij(cel.row() + 1);
          });
  connect(raster_, &QWidget::customContextMenuRequested, this, &TZoekDlg::RijMenu);
}

void TZoekDlg::BouwVeldKeuze() {
  veldGroup_ = new QGroupBox("Kies een veld", this);
  veldGroup_->setObjectName("VeldGroup");
  veldGroup_->setGeometry(10, kOnderTop, 330, kVeldGroepHoogte);
  veldKnoppen_ = new QButtonGroup(this);
  for (int v = 0; v < kAantalZoekVelden; ++v) {
    auto* knop = new QRadioButton(Q(VeldKnop(static_cast<ZoekVeld>(v))), veldGroup_);
    knop->setObjectName(QString("Veld%1").arg(v + 1));
    // As wide as its caption: only the caption and the circle take a click.
    knop->move(v < 4 ? 12 : 170, 24 + (v % 4) * 24);
    knop->resize(knop->sizeHint());
    veldKnoppen_->addButton(knop, v);
  }
  connect(veldKnoppen_, &QButtonGroup::idClicked, this, &TZoekDlg::VeldKlik);

  zoekPanel_ = new QWidget(this);
  zoekPanel_->setObjectName("ZoekPanel");
  zoekPanel_->setGeometry(350, kOnderTop + 8, 330, kVeldGroepHoogte - 8);
  zoekLabel_ = new QLabel(zoekPanel_);
  zoekLabel_->setObjectName("ZoekLabel");
  zoekLabel_->setGeometry(8, 8, 310, 20);
  zoekTekst_ = new QLineEdit(zoekPanel_);
  zoekTekst_->setObjectName("ZoekEdit");
  zoekTekst_->setMaxLength(32);
  zoekTekst_->setGeometry(8, 34, 220, 26);
  zoekLijst_ = new QComboBox(zoekPanel_);
  zoekLijst_->setObjectName("ZoekLijst");
  zoekLijst_->setEditable(true);
  zoekLijst_->setInsertPolicy(QComboBox::NoInsert);
  zoekLijst_->setGeometry(8, 34, 220, 26);
  zoekDatum_ = new QDateEdit(zoekPanel_);
  zoekDatum_->setObjectName("ZoekDatum");
  zoekDatum_->setCalendarPopup(true);
  zoekDatum_->setDisplayFormat("d-M-yyyy");
  zoekDatum_->setGeometry(8, 34, 220, 26);
  beginTekst_ = new QCheckBox("BeginText", zoekPanel_);
  beginTekst_->setObjectName("BeginText");
  beginTekst_->setGeometry(8, 72, 150, 22);
  zoek_ = new QPushButton("Zoek", zoekPanel_);
  zoek_->setObjectName("ZoekBtn");
  zoek_->setGeometry(240, 34, 75, 27);

  connect(zoekTekst_, &QLineEdit::textChanged, this, &TZoekDlg::TekstGewijzigd);
  connect(beginTekst_, &QCheckBox::toggled, this, [this](bool aan) { model_.ZetBeginTekst(aan); });
}

void TZoekDlg::BouwDetail() {
  detail_ = new QTableWidget(6, 4, this);
  detail_->setObjectName("TransActieGrid");
  detail_->horizontalHeader()->hide();
  detail_->verticalHeader()->hide();
  detail_->verticalHeader()->setDefaultSectionSize(kDetailRijHoogte);
  detail_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  detail_->setSelectionMode(QAbstractItemView::NoSelection);
  detail_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  detail_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int k = 0; k < 4; ++k) detail_->setColumnWidth(k, k % 2 == 0 ? 100 : 228);
  // Tall enough to cover the field choice when the full list leaves no room.
  detail_->resize(660, 6 * kDetailRijHoogte + 2 * detail_->frameWidth());
  detail_->setStyleSheet("QTableWidget { background: #ffffe1; }");
  connect(detail_, &QTableWidget::cellClicked, detail_, &QWidget::hide);
}

void TZoekDlg::BouwMenu() {
  popup_ = new QMenu(this);
  popup_->setObjectName("PopupZoeken");
  wijzigActie_ = popup_->addAction("&Wijzigen", this, [this] {
    if (!model_.RijActueel(menuRij_)) {
      Ververs();  // the book changed under the list: show it as it is now
      return;
    }
    emit WijzigenGevraagd(model_.IndexVanRij(menuRij_));
  });
  popup_->addAction("&Verwijderen", this, &TZoekDlg::VerwijderKlik);
  popup_->addSeparator();
  doorzoekActies_[0] = popup_->addAction("Selecteer &Groep", this, [this] { Doorzoek(41); });
  doorzoekActies_[1] = popup_->addAction("Selecteer &Klasse", this, [this] { Doorzoek(43); });
  doorzoekActies_[2] = popup_->addAction("&Selecteer &Relatie", this, [this] { Doorzoek(42); });
  // Looked at as the menu opens, not as connections come and go: Qt calls
  // connectNotify and disconnectNotify with its own lock held, and asking
  // isSignalConnected there can wait on that lock for ever.
  connect(popup_, &QMenu::aboutToShow, this, &TZoekDlg::ToonKoppelingen);
  ToonKoppelingen();
}

void TZoekDlg::ToonKoppelingen() {
  wijzigActie_->setEnabled(Gekoppeld(&TZoekDlg::WijzigenGevraagd));
  for (QAction* a : doorzoekActies_) a->setEnabled(Gekoppeld(&TZoekDlg::GroepRapportGevraagd));
}

// Every opening starts from the same layout: all listed, no field chosen.
void TZoekDlg::Herschik(int modus, const QString& titel) {
  model_.Open(modus);
  setWindowTitle(titel);
  setModal(!model_.VrijZoeken());
  raster_->setSelectionMode(model_.MeerdereRijen() ? QAbstractItemView::ExtendedSelection
                                                   : QAbstractItemView::SingleSelection);
  veldGroup_->setTitle("Kies een veld");
  veldKnoppen_->setExclusive(false);
  for (QAbstractButton* b : veldKnoppen_->buttons()) b->setChecked(false);
  veldKnoppen_->setExclusive(true);
  zoekPanel_->hide();
  zoekLijst_->hide();
  zoekDatum_->hide();
  detail_->hide();
  {
    const QSignalBlocker stil(zoekTekst_);
    zoekTekst_->clear();
  }
  beginTekst_->setChecked(model_.BeginTekst());
  zoek_->setDefault(false);
  opnieuw_->setEnabled(false);
  kopie_->setVisible(model_.KopieZichtbaar());
  schrap_->setVisible(model_.SchrapZichtbaar());
  muntLabel_->setVisible(model_.MuntZichtbaar());
  getoondeVersie_ = -1;
  ToonRijen();
}

void TZoekDlg::ToonRijen() {
  if (getoondeVersie_ != model_.RijenVersie()) {
    getoondeVersie_ = model_.RijenVersie();
    const QSignalBlocker stil(raster_->selectionModel());
    tabel_->Ververs();
    const QColor achtergrond = model_.ToontAlles() ? QColor(Qt::cyan) : QColor(Qt::white);
    raster_->setStyleSheet(QString("QTableView { background: %1; }").arg(achtergrond.name()));
    ZetKolomBreedtes();
    ZetRasterHoogte();
  }
  ToonStand();
}

// The fixed widths hold the texts of a small font; with a larger one a column
// widens as far as its texts need, and the remark column gives way. A long
// list is measured at its first and last rows (where the view opens and the
// newest records are), so that a year of 100 000 rows opens at once.
void TZoekDlg::ZetKolomBreedtes() {
  constexpr int kGemeten = 250;
  const QFontMetrics maat(raster_->font());
  const QFontMetrics kopMaat(raster_->horizontalHeader()->font());
  const int n = model_.AantalRijen();
  std::vector<int> rijen;
  for (int r = 1; r <= n; ++r) {
    if (r > kGemeten && r <= n - kGemeten) r = n - kGemeten + 1;
    rijen.push_back(r);
  }
  int som = 0;
  for (int k = 0; k < kAantalZoekKolommen - 1; ++k) {
    const auto kolom = static_cast<std::size_t>(k);
    int breedte = std::max(kZoekKolomBreedtes[kolom],
                           kopMaat.horizontalAdvance(Q(ZoekModel::Koppen()[kolom])) + 10);
    for (int r : rijen)
      breedte = std::max(breedte, maat.horizontalAdvance(Q(model_.Rij(r).cellen[kolom])) + 8);
    raster_->setColumnWidth(k, breedte);
    som += breedte;
  }
  raster_->setColumnWidth(kAantalZoekKolommen - 1,
                          std::max(kZoekKolomBreedtes.back() / 2, kZoekRasterBreedte - som));
}

void TZoekDlg::ZetRasterHoogte() {
  int hoogte = kZoekRasterHoogte;
  if (!model_.ToontAlles()) {
    const int nodig = raster_->horizontalHeader()->height() + model_.AantalRijen() * kRijHoogte +
                      2 * raster_->frameWidth();
    hoogte = std::min(kZoekRasterHoogte, nodig);
  }
  raster_->resize(raster_->width(), hoogte);
}

void TZoekDlg::ToonStand() {
  aantalLab_->setText(Q(model_.AantalTekst()));
  muntLabel_->setText(Q(model_.MuntTekst()));
  nietsGevonden_->setVisible(model_.NietsGevonden());
  richting_->setText(Q(model_.RichtingTekst()));
  richting_->setIcon(style()->standardIcon(model_.Neer() ? QStyle::SP_ArrowDown
                                                         : QStyle::SP_ArrowUp));
  const int rij = model_.HuidigeRij();
  if (rij >= 1 && rij <= model_.AantalRijen() && Rij() != rij) {
    const QSignalBlocker stil(raster_->selectionModel());
    // A multi-row pick keeps its selection while the current row moves.
    const auto wijze = model_.MeerdereRijen()
                           ? QItemSelectionModel::NoUpdate
                           : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    raster_->selectionModel()->setCurrentIndex(raster_->model()->index(rij - 1, 0), wijze);
  }
  if (rij >= 1 && rij <= model_.AantalRijen())
    raster_->scrollTo(raster_->model()->index(rij - 1, 0));
}

int TZoekDlg::Rij() const { return raster_->currentIndex().row() + 1; }

}  // namespace valdero
