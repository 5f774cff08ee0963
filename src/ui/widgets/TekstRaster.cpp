#include "ui/widgets/TekstRaster.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

namespace valdero {

TekstRaster::TekstRaster(QWidget* parent) : QTableWidget(parent) {
  verticalHeader()->hide();
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
  setWordWrap(false);
  setTabKeyNavigation(true);
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!vullen_) emit CelGetypt(item->row() + 1, item->column(), item->text());
  });
  connect(this, &QTableWidget::currentCellChanged, this, [this](int rij, int kolom, int, int) {
    if (!vullen_ && rij >= 0) emit HuidigGewijzigd(rij + 1, kolom);
  });
}

void TekstRaster::ZetKolommen(const std::vector<std::string>& titels, const std::vector<int>& breedtes) {
  bedragKolommen_.clear();
  setRowCount(0);
  setColumnCount(static_cast<int>(titels.size()));
  QStringList koppen;
  for (const auto& t : titels) koppen << QString::fromStdString(t);
  setHorizontalHeaderLabels(koppen);
  // The given widths, but never so narrow that a title is cut.
  const QFontMetrics fm(horizontalHeader()->font());
  for (std::size_t k = 0; k < breedtes.size() && k < titels.size(); ++k) {
    const int titel = fm.horizontalAdvance(QString::fromStdString(titels[k])) + 12;
    setColumnWidth(static_cast<int>(k), std::max(breedtes[k], titel));
  }
}

void TekstRaster::ZetBedragKolom(int kolom, const QColor& achtergrond) { bedragKolommen_[kolom] = achtergrond; }

void TekstRaster::Vul(const std::vector<std::vector<std::string>>& rijen) {
  vullen_ = true;
  setRowCount(static_cast<int>(rijen.size()));
  for (std::size_t r = 0; r < rijen.size(); ++r) ZetRij(static_cast<int>(r) + 1, rijen[r]);
  vullen_ = false;
}

void TekstRaster::ZetRij(int rij, const std::vector<std::string>& cellen) {
  const bool was = vullen_;
  vullen_ = true;
  for (std::size_t k = 0; k < cellen.size() && static_cast<int>(k) < columnCount(); ++k) {
    QTableWidgetItem* item = this->item(rij - 1, static_cast<int>(k));
    if (!item) {
      item = new QTableWidgetItem;
      if (const auto b = bedragKolommen_.find(static_cast<int>(k)); b != bedragKolommen_.end()) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        item->setBackground(b->second);
        item->setForeground(Qt::black);
      }
      setItem(rij - 1, static_cast<int>(k), item);
    }
    item->setText(QString::fromStdString(cellen[k]));
  }
  vullen_ = was;
}

void TekstRaster::ZetHuidig(int rij, int kolom) {
  const bool was = vullen_;
  vullen_ = true;
  if (rij >= 1 && rij <= rowCount()) setCurrentCell(rij - 1, kolom);
  vullen_ = was;
}

QString TekstRaster::Tekst(int rij, int kolom) const {
  const QTableWidgetItem* i = item(rij - 1, kolom);
  return i ? i->text() : QString();
}

void TekstRaster::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    // From an open editor (a line edit passes Enter on to its parent) the
    // delegate commits and closes it, and closeEditor reports the Enter.
    if (!EditorOpen()) emit Enter(false);
    e->accept();
    return;
  }
  if (e->key() == Qt::Key_Tab) emit Tab(false);
  QTableWidget::keyPressEvent(e);
}

void TekstRaster::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  // The typed text is in its cell (commitData came first); the owner stores.
  if (hint == QAbstractItemDelegate::EditNextItem) {
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    emit Tab(true);
    return;
  }
  QTableWidget::closeEditor(editor, hint);
  if (hint == QAbstractItemDelegate::SubmitModelCache) emit Enter(true);
}

}  // namespace valdero
