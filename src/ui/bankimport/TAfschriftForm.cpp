#include "ui/bankimport/TAfschriftForm.h"

#include <QCloseEvent>
#include <QDateEdit>
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
#include "ui/bankimport/TCompareForm.h"
#include "ui/bankimport/TSelectMutForm.h"

namespace valdero {
namespace {

QDate AlsQDate(double datum) {
  const DatumDelen d = SplitsDatum(datum);
  return QDate(d.jaar, d.maand, d.dag);
}

double AlsDatum(const QDate& d) { return MaakDatum(d.year(), d.month(), d.day()); }

// "Kies Begindatum": the start date between the earliest and latest date.
std::optional<double> KiesBegindatum(QWidget* ouder, const StartDatumVoorstel& v) {
  QDialog dlg(ouder);
  dlg.setWindowTitle(QStringLiteral("Kies Begindatum"));
  auto* laag = new QVBoxLayout(&dlg);
  auto* picker = new QDateEdit(AlsQDate(v.voorstel), &dlg);
  picker->setDisplayFormat(QStringLiteral("d-M-yyyy"));
  picker->setCalendarPopup(true);
  picker->setDateRange(AlsQDate(v.vroegst), AlsQDate(v.laatst));
  picker->setDate(AlsQDate(v.voorstel));
  picker->setToolTip(QStringLiteral("Geef de begindatum van de afschriften"));
  auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
  laag->addWidget(new QLabel(QStringLiteral("Kies Begindatum"), &dlg));
  laag->addWidget(picker);
  laag->addWidget(knoppen);
  QObject::connect(knoppen, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return AlsDatum(picker->date());
}

}  // namespace

TAfschriftForm::TAfschriftForm(Kasboek& kb, TCompareForm& vergelijk, TSelectMutForm& selectie,
                               RekeningDialoogVoerder* rekeningDialoog, QWidget* parent)
    : QWidget(parent, Qt::Window), kb_(kb), vergelijk_(vergelijk), selectie_(selectie),
      rekeningDialoog_(rekeningDialoog) {
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
    if (model_) model_->Print();
  });
  connect(raster_, &QTableWidget::currentCellChanged, this, [this](int rij, int, int, int) {
    if (!model_ || rij < 0) return;
    model_->Selecteer(rij + 1);
    kop_->setText(QString::fromStdString(model_->Kop()));
  });
}

TAfschriftForm::~TAfschriftForm() = default;

bool TAfschriftForm::Importeer(int tag) {
  run_ = std::make_unique<BankImport>(kb_, selectie_, rekeningDialoog_);
  if (!run_->Importeer(tag)) return false;
  const auto start = KiesBegindatum(this, run_->StelStartDatumVoor());
  if (!start) return false;
  NeemOver(*start);
  return true;
}

bool TAfschriftForm::LeesBestand(int tag, const std::string& pad) {
  run_ = std::make_unique<BankImport>(kb_, selectie_, rekeningDialoog_);
  return run_->ImporteerBestand(tag, pad);
}

void TAfschriftForm::NeemOver(double startDatum) {
  afstemming_ = std::make_unique<Afstemming>(kb_, selectie_, vergelijk_);
  afstemming_->nieuweGroep = nieuweGroep;
  model_ = std::make_unique<AfschriftModel>(kb_, *run_, *afstemming_);
  model_->NeemOver(startDatum);
  Toon();
  if (raster_->rowCount() > 0) raster_->selectRow(0);
  show();
  raise();
  activateWindow();
  if (bijwerken_->isEnabled()) bijwerken_->setFocus();
}

void TAfschriftForm::Toon() {
  const auto rijen = model_->Rijen();
  raster_->setRowCount(static_cast<int>(rijen.size()) - 1);
  for (int i = 1; i < static_cast<int>(rijen.size()); ++i)
    for (int k = 0; k < 8; ++k)
      raster_->setItem(i - 1, k, new QTableWidgetItem(QString::fromStdString(rijen[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)])));
  // The grid widths of the old program, widened to what this font needs for
  // the short columns; the texts keep theirs.
  raster_->resizeColumnsToContents();
  for (int k = 0; k < 8; ++k) {
    const int breedte = AfschriftModel::kKolomBreedtes[static_cast<std::size_t>(k)];
    if (k == 3 || k == 4) raster_->setColumnWidth(k, std::max(breedte, std::min(raster_->columnWidth(k), 2 * breedte)));
    else raster_->setColumnWidth(k, std::max(breedte, raster_->columnWidth(k)));
  }
  bijwerken_->setEnabled(model_->BijwerkenActief());
  print_->setEnabled(true);
  kop_->setText(QString::fromStdString(model_->Kop()));
}

void TAfschriftForm::Bijwerken() {
  if (!model_) return;
  const int rij = raster_->currentRow();
  model_->Selecteer(rij < 0 ? 1 : rij + 1);
  model_->ProcessStatement();
  Toon();
  if (raster_->rowCount() > 0) raster_->selectRow(0);
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
  d.map = kb_.Map.string();
  const auto nieuw = kb_.berichten().BewaarDialoog(d);
  if (!nieuw) return;
  if (std::filesystem::exists(kb_.Pad(*nieuw), fout)) {
    kb_.berichten().BerichtDlg("Bestand bestaat al", BerichtSoort::Fout, knop::OK);
    return;
  }
  std::filesystem::rename(pad, kb_.Pad(*nieuw), fout);
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
