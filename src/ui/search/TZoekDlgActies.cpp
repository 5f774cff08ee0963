// What the search dialog does when the user clicks, types or picks.
#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "ui/widgets/QtDatum.h"
#include "model/core/Datum.h"
#include "ui/search/TZoekDlg.h"

namespace valdero {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

double AlsDatum(const QDate& d) { return MaakDatum(d.year(), d.month(), d.day()); }

// Where the dialog sits relative to the main window's corner.
const QPoint kPlek(135, 105);

}  // namespace

KiesResultaat TZoekDlg::KiesRecord(int modus, const std::string& titel) {
  BeginKiezer(modus, titel);
  if (exec() != QDialog::Accepted) model_.Schrap();
  return model_.Resultaat();
}

void TZoekDlg::BeginKiezer(int modus, const std::string& titel) {
  Herschik(modus, Q(titel));
  show();
}

void TZoekDlg::ToonVrijZoeken() {
  Herschik(kVrijeZoekModus, "Zoek kasrecord");
  show();
  raise();
  activateWindow();
}

void TZoekDlg::Ververs() {
  model_.Ververs();
  ToonRijen();
}

void TZoekDlg::showEvent(QShowEvent* e) {
  if (QWidget* hoofd = parentWidget()) move(hoofd->window()->frameGeometry().topLeft() + kPlek);
  QDialog::showEvent(e);
  ToonStand();
  raster_->setFocus();
}

void TZoekDlg::closeEvent(QCloseEvent* e) {
  // The frame's close button: QDialog turns it into reject, which ends in
  // finished and so in Gesloten.
  QDialog::closeEvent(e);
}

void TZoekDlg::Gesloten_() {
  if (model_.VrijZoeken()) emit Gesloten();
}

void TZoekDlg::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_F1) {
    emit HelpGevraagd(model_.HelpTopic());
    return;
  }
  // Enter on a row picks it in the picker and shows it in the free search,
  // as a double click does.
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (enter && focusWidget() == raster_ && Rij() >= 1) {
    if (model_.VrijZoeken())
      RijDubbelKlik(Rij());
    else
      OKKlik();
    return;
  }
  QDialog::keyPressEvent(e);
}

void TZoekDlg::VeldKlik(int veld) {
  const VeldInvoer invoer = model_.KiesVeld(static_cast<ZoekVeld>(veld));
  veldGroup_->setTitle(Q(VeldVraag(static_cast<ZoekVeld>(veld))));
  zoekLabel_->setText(Q(invoer.label));
  zoekTekst_->setVisible(invoer.soort == InvoerSoort::Tekst);
  zoekLijst_->setVisible(invoer.soort == InvoerSoort::Lijst);
  zoekDatum_->setVisible(invoer.soort == InvoerSoort::Datum);
  beginTekst_->setVisible(veld >= static_cast<int>(ZoekVeld::Relatie));
  QWidget* focus = zoekTekst_;
  if (invoer.soort == InvoerSoort::Lijst) {
    zoekLijst_->clear();
    for (const auto& regel : invoer.lijst) zoekLijst_->addItem(Q(regel));
    zoekLijst_->setEditText(Q(invoer.tekst));
    focus = zoekLijst_;
  } else if (invoer.soort == InvoerSoort::Datum) {
    zoekDatum_->setDateRange(AlsQDate(invoer.vanDatum), AlsQDate(invoer.totDatum));
    zoekDatum_->setDate(AlsQDate(invoer.datum));
    focus = zoekDatum_;
  } else {
    const QSignalBlocker stil(zoekTekst_);
    zoekTekst_->setText(Q(invoer.tekst));
    zoekTekst_->selectAll();
  }
  zoekPanel_->show();
  zoek_->setDefault(true);
  opnieuw_->setEnabled(true);
  focus->setFocus();
}

void TZoekDlg::ZoekKlik() {
  if (!model_.Veld()) return;
  detail_->hide();
  if (zoekDatum_->isVisible())
    model_.ZoekDatum(AlsDatum(zoekDatum_->date()));
  else if (zoekLijst_->isVisible())
    model_.Zoek(zoekLijst_->currentText().toStdString());
  else
    model_.Zoek(zoekTekst_->text().toStdString());
  ToonRijen();
  if (model_.NietsGevonden()) opnieuw_->setFocus();
}

void TZoekDlg::TekstGewijzigd(const QString& tekst) {
  if (model_.ZoekBijTypen(tekst.toStdString())) detail_->hide();
  ToonRijen();
}

void TZoekDlg::OpnieuwKlik() {
  model_.Opnieuw();
  {
    const QSignalBlocker stil(zoekTekst_);
    zoekTekst_->clear();
  }
  detail_->hide();
  ToonRijen();
  raster_->setFocus();
}

void TZoekDlg::RichtingKlik() {
  model_.DraaiRichting();
  ToonStand();
}

void TZoekDlg::OKKlik() {
  if (model_.VrijZoeken()) {
    // The next opening lists everything again.
    close();
    return;
  }
  if (model_.MeerdereRijen()) {
    std::vector<int> rijen;
    for (const QModelIndex& i : raster_->selectionModel()->selectedRows()) rijen.push_back(i.row() + 1);
    if (rijen.empty()) rijen.push_back(Rij());
    if (!model_.KiesRijen(rijen)) return;
  } else if (!model_.KiesRij(Rij())) {
    return;
  }
  accept();
}

void TZoekDlg::KopieKlik() {
  if (model_.KiesKopie()) accept();
}

void TZoekDlg::RijKlik(int rij) {
  if (model_.VrijZoeken()) {
    model_.ZetHuidigeRij(rij);
    return;
  }
  if (model_.MeerdereRijen()) {
    std::vector<int> rijen;
    for (const QModelIndex& i : raster_->selectionModel()->selectedRows()) rijen.push_back(i.row() + 1);
    if (!rijen.empty()) model_.KiesRijen(rijen);
    return;
  }
  model_.KiesRij(rij);
}

void TZoekDlg::RijDubbelKlik(int rij) {
  if (!model_.VrijZoeken()) {
    if (model_.KiesRij(rij)) accept();
    return;
  }
  const auto tekst = model_.Detail(rij);
  if (!tekst) return;
  for (int r = 0; r < 6; ++r)
    for (int k = 0; k < 4; ++k)
      detail_->setItem(r, k, new QTableWidgetItem(Q((*tekst)[static_cast<std::size_t>(r)]
                                                       [static_cast<std::size_t>(k)])));
  // Just below the grid: after a search that is the room the grid left.
  detail_->move(10, std::min(raster_->geometry().bottom() + 8, height() - detail_->height() - 10));
  detail_->show();
  detail_->raise();
}

void TZoekDlg::RijMenu(const QPoint& plek) {
  if (!model_.VrijZoeken()) return;
  const int rij = raster_->rowAt(plek.y()) + 1;
  if (rij < 1) return;
  menuRij_ = rij;
  model_.ZetHuidigeRij(rij);
  ToonStand();
  popup_->popup(raster_->viewport()->mapToGlobal(plek));
}

void TZoekDlg::VerwijderKlik() {
  if (model_.VerwijderRij(menuRij_)) ToonRijen();
}

void TZoekDlg::Doorzoek(int modus) {
  if (const auto d = model_.Doorzoek(menuRij_, modus)) emit GroepRapportGevraagd(d->modus, d->index);
}

}  // namespace valdero
