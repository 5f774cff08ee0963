#include "ui/bankimport/TAfschriftForm.h"

#include <QCloseEvent>
#include <QApplication>
#include <QColor>
#include <QScreen>
#include <QScrollBar>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "model/bankimport/BankFormaat.h"
#include "model/core/Berichten.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "ui/bankimport/TBegindatumDlg.h"
#include "ui/bankimport/TCompareForm.h"
#include "ui/bankimport/TSelectMutForm.h"
#include "ui/widgets/AfdrukVoorbeeld.h"
#include "ui/widgets/VensterPlek.h"

namespace valdero {
namespace {

// Processed lines stand above the remaining ones, greyed, with what became
// of them in the first column.
const QColor kVerwerktKleur(128, 128, 128);

}  // namespace

TAfschriftForm::TAfschriftForm(Kasboek& kb, TCompareForm& vergelijk, TSelectMutForm& selectie,
                               RekeningDialoogVoerder* rekeningDialoog,
                               Afstemming::GroepMaker nieuweGroep,
                               QWidget* parent)
    : QWidget(parent, Qt::Window),
      kb_(kb),
      vergelijk_(vergelijk),
      selectie_(selectie),
      rekeningDialoog_(rekeningDialoog),
      nieuweGroep_(std::move(nieuweGroep)) {
  setWindowTitle(QString::fromLatin1(AfschriftModel::kTitel));
  auto* laag = new QVBoxLayout(this);
  kop_ = new QLabel(this);
  kop_->setObjectName(QStringLiteral("Afschrifthead"));
  QFont vet = kop_->font();
  vet.setBold(true);
  kop_->setFont(vet);
  raster_ = new QTableWidget(0, 8, this);
  raster_->setObjectName(QStringLiteral("AfschriftGrid"));
  raster_->setHorizontalHeaderLabels(QString::fromLatin1(AfschriftModel::kKolomTitels).split(QLatin1Char(',')));
  raster_->verticalHeader()->hide();
  raster_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  raster_->setSelectionBehavior(QAbstractItemView::SelectRows);
  raster_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int k = 0; k < 8; ++k) raster_->setColumnWidth(k, AfschriftModel::kKolomBreedtes[static_cast<std::size_t>(k)]);
  memo_ = new QPlainTextEdit(this);
  memo_->setReadOnly(true);
  memo_->setPlainText(QStringLiteral(
      "Dit zijn de trandsacties op de bankafschriften.  Klik op de knop <Rekening bijwerken> om \n"
      "de gekozen rekening in overeenstemming te brengen met de bankafschriten. Na iedere \n"
      "verwerkte afschriftpost kunt u de volgende boeking verwerken, overslaan of uitstellen."));
  memo_->setMaximumHeight(70);
  memo_->setFocusPolicy(Qt::NoFocus);
  auto* knoppen = new QHBoxLayout;
  bijwerken_ = new QPushButton(QStringLiteral("Rekening bijwerken"), this);
  stop_ = new QPushButton(QStringLiteral("&Stop"), this);
  print_ = new QPushButton(QStringLiteral("Print"), this);
  print_->setToolTip(QStringLiteral("Print Lijst"));
  print_->setEnabled(false);  // until a list is handed over
  auto* help = new QPushButton(QStringLiteral("Help"), this);
  for (QPushButton* k : {bijwerken_, stop_, print_, help}) knoppen->addWidget(k);
  knoppen->addStretch();
  laag->addWidget(kop_);
  laag->addWidget(raster_, 1);
  laag->addWidget(memo_);
  laag->addLayout(knoppen);
  resize(760, 420);

  connect(bijwerken_, &QPushButton::clicked, this, &TAfschriftForm::Bijwerken);
  connect(stop_, &QPushButton::clicked, this, &QWidget::close);
  connect(help, &QPushButton::clicked, this, [this] { emit HelpGevraagd(380); });
  connect(print_, &QPushButton::clicked, this, [this] {
    if (model_) Afdrukken(this, kb_, (kb_.Config.Vlaggen & vlag::Liggend) != 0, [this] {
      if (model_) model_->Print();
    });
  });
  connect(raster_, &QTableWidget::currentCellChanged, this, [this](int rij, int, int, int) {
    if (!model_ || rij < verwerkt_) return;
    model_->Selecteer(rij - verwerkt_ + 1);
    kop_->setText(QString::fromStdString(model_->Kop()));
  });
}

TAfschriftForm::~TAfschriftForm() = default;

bool TAfschriftForm::Importeer(int tag) {
  run_ = std::make_unique<BankImport>(kb_, selectie_, rekeningDialoog_);
  if (!run_->Importeer(tag)) return false;
  // A dialog is centred on its parent: before this window is shown, that is
  // the main window (a hidden window would put it in a corner of the screen).
  QWidget* ouder = isVisible() || parentWidget() == nullptr ? this : parentWidget();
  TBegindatumDlg kies(kb_, run_->StelStartDatumVoor(), ouder);
  if (kies.exec() != QDialog::Accepted || !kies.Datum()) return false;
  NeemOver(*kies.Datum());
  return true;
}

bool TAfschriftForm::LeesBestand(int tag, const std::string& pad) {
  run_ = std::make_unique<BankImport>(kb_, selectie_, rekeningDialoog_);
  return run_->ImporteerBestand(tag, pad);
}

void TAfschriftForm::NeemOver(double startDatum) {
  afstemming_ = std::make_unique<Afstemming>(kb_, selectie_, vergelijk_);
  afstemming_->ZetGroepMaker(nieuweGroep_);
  model_ = std::make_unique<AfschriftModel>(kb_, *run_, *afstemming_);
  // The list follows the run: the line being reconciled selected, the lines
  // dealt with above it.
  model_->regelBegint = [this] {
    Toon();
    if (model_->Laatste() >= 1) raster_->selectRow(verwerkt_);
  };
  model_->NeemOver(startDatum);
  Toon();
  if (raster_->rowCount() > verwerkt_) raster_->selectRow(verwerkt_);
  // Below the main window's menus, as the other windows open.
  if (!isVisible()) PlaatsBijHoofdvenster(*this, kOnderMenu);
  show();
  raise();
  activateWindow();
  if (bijwerken_->isEnabled()) bijwerken_->setFocus();
}

void TAfschriftForm::Toon() {
  const auto rijen = model_->Rijen();
  const auto& verwerkt = model_->VerwerkteRegels();
  verwerkt_ = static_cast<int>(verwerkt.size());
  const QSignalBlocker stil(raster_);  // the selection is set afterwards
  raster_->setRowCount(verwerkt_ + static_cast<int>(rijen.size()) - 1);
  auto zet = [this](int rij, const std::array<std::string, 8>& cellen, bool klaar, const std::string& uitkomst) {
    for (int k = 0; k < 8; ++k) {
      const std::string& tekst = k == 0 && klaar ? uitkomst : cellen[static_cast<std::size_t>(k)];
      auto* cel = new QTableWidgetItem(QString::fromStdString(tekst));
      if (klaar) {
        cel->setFlags(Qt::ItemIsEnabled);
        cel->setForeground(kVerwerktKleur);
        QFont f = cel->font();
        f.setItalic(true);
        cel->setFont(f);
      } else if (k == 6) {
        // Amounts of 0 or more green, negative ones red.
        cel->setForeground(tekst.find('-') != std::string::npos ? QColor(Qt::red) : QColor(0, 128, 0));
      }
      if (k == 0 || k == 6) cel->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      raster_->setItem(rij, k, cel);
    }
  };
  for (int i = 0; i < verwerkt_; ++i) {
    const auto& v = verwerkt[static_cast<std::size_t>(i)];
    zet(i, v.rij, true, AfschriftModel::UitkomstTekst(v.uitkomst));
  }
  for (int i = 1; i < static_cast<int>(rijen.size()); ++i) zet(verwerkt_ + i - 1, rijen[static_cast<std::size_t>(i)], false, {});
  // The grid widths of the old program, widened to what this font needs for
  // the short columns; the texts keep theirs.
  raster_->resizeColumnsToContents();
  int breed = 0;
  for (int k = 0; k < 8; ++k) {
    const int breedte = AfschriftModel::kKolomBreedtes[static_cast<std::size_t>(k)];
    if (k == 3 || k == 4) raster_->setColumnWidth(k, std::max(breedte, std::min(raster_->columnWidth(k), 2 * breedte)));
    else raster_->setColumnWidth(k, std::max(breedte, raster_->columnWidth(k)));
    breed += raster_->columnWidth(k);
  }
  // Every column, the currency last, stands in the window: it grows to the
  // grid's width (within the screen) instead of hiding a column behind a
  // horizontal scroll bar.
  breed += 2 * raster_->frameWidth() + raster_->verticalScrollBar()->sizeHint().width() + 4;
  // On a narrow screen the name and the description give way first.
  const int beschikbaar = BeschikbareBreedte();
  constexpr int kMinsteTekstBreedte = 100;
  for (int k : {4, 3}) {
    if (breed <= beschikbaar) break;
    const int minder = std::min(breed - beschikbaar, raster_->columnWidth(k) - kMinsteTekstBreedte);
    if (minder <= 0) continue;
    raster_->setColumnWidth(k, raster_->columnWidth(k) - minder);
    breed -= minder;
  }
  raster_->setMinimumWidth(std::min(breed, beschikbaar));
  raster_->setHorizontalScrollBarPolicy(breed <= beschikbaar ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
  if (QLayout* l = layout()) l->activate();
  if (width() < minimumSizeHint().width()) resize(minimumSizeHint().width(), height());
  bijwerken_->setEnabled(model_->BijwerkenActief());
  print_->setEnabled(true);
  kop_->setText(QString::fromStdString(model_->Kop()));
}

int TAfschriftForm::BeschikbareBreedte() const {
  const QScreen* s = screen() ? screen() : QApplication::primaryScreen();
  constexpr int kRand = 60;  // the window's frame and the layout's margins
  return s ? s->availableGeometry().width() - kRand : 1200;
}

void TAfschriftForm::Bijwerken() {
  if (!model_) return;
  const int rij = raster_->currentRow() - verwerkt_;
  model_->Selecteer(rij < 0 ? 1 : rij + 1);
  model_->ProcessStatement();
  Toon();
  if (raster_->rowCount() > verwerkt_) raster_->selectRow(verwerkt_);
}

void TAfschriftForm::BewaarBankbestandAls() {
  const std::string naam = run_ ? run_->BankBestand() : std::string();
  if (kb_.berichten().BerichtDlg("Wilt u het Mutatiebestand: " + naam + " opslaan onder een ander naam",
                                 BerichtSoort::Bevestig, knop::JaNee) != antwoord::Ja)
    return;
  if (naam.empty()) {
    kb_.berichten().BerichtDlg("Er is nog geen Bankbestand geladen", BerichtSoort::Waarschuwing, knop::OK);
    return;
  }
  std::error_code fout;
  const auto pad = kb_.Pad(naam);
  if (!std::filesystem::exists(pad, fout)) return;
  std::string ext = pad.extension().string();
  std::string groot = ext;
  for (char& c : groot) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  BestandsDialoog d;
  d.filter = "Mutatiefile (*" + groot + ")|*" + groot;
  d.standaardExtensie = ext.empty() ? ext : ext.substr(1);
  d.map = kb_.sessie.Map.string();
  const auto nieuw = kb_.berichten().BewaarDialoog(d);
  if (!nieuw) return;
  if (std::filesystem::exists(kb_.Pad(*nieuw), fout)) {
    kb_.berichten().BerichtDlg("Bestand bestaat al", BerichtSoort::Fout, knop::OK);
    return;
  }
  // A copy: the file the user downloaded stays where it was.
  std::filesystem::copy_file(pad, kb_.Pad(*nieuw), std::filesystem::copy_options::none, fout);
  if (fout) {
    kb_.berichten().BerichtDlg("Bestand bestaat al", BerichtSoort::Fout, knop::OK);
    return;
  }
  kb_.berichten().BerichtDlg(naam + " bewaart als: " + *nieuw, BerichtSoort::Waarschuwing, knop::OK);
}

void TAfschriftForm::closeEvent(QCloseEvent* e) {
  emit Gesloten();
  QWidget::closeEvent(e);
}

}  // namespace valdero
