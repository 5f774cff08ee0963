// The grid above the entry panel with its title label: the working account's
// transactions, all balances or the items of a split booking, as the model
// fills it.
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

#include "model/bookings/GridKleur.h"
#include "ui/bookings/TBoekingForm.h"
#include "model/core/Kasboek.h"

namespace valdero {
namespace {

constexpr int kLabelTop = 4;
constexpr int kRasterTop = 24;
constexpr int kRasterHoogte = 196;
constexpr int kRijHoogte = 18;

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void TBoekingForm::BouwRaster() {
  rekenLab_ = new QLabel(this);
  rekenLab_->setObjectName("RekenLab");
  rekenLab_->setAlignment(Qt::AlignCenter);
  rekenLab_->setStyleSheet("font-weight: bold;");

  raster_ = new QTableWidget(this);
  raster_->setObjectName("RekenSaldogrid");
  raster_->verticalHeader()->hide();
  raster_->verticalHeader()->setDefaultSectionSize(kRijHoogte);
  raster_->verticalHeader()->setMinimumSectionSize(kRijHoogte);
  raster_->horizontalHeader()->setHighlightSections(false);
  raster_->horizontalHeader()->setStretchLastSection(false);
  raster_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  raster_->setSelectionBehavior(QAbstractItemView::SelectRows);
  raster_->setSelectionMode(QAbstractItemView::SingleSelection);
  raster_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  raster_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  raster_->setWordWrap(false);
  raster_->setFocusPolicy(Qt::NoFocus);
  rekenLab_->hide();
  raster_->hide();
}

void TBoekingForm::ToonRaster() {
  const bool zichtbaar = model_.gridZichtbaar;
  rekenLab_->setVisible(zichtbaar);
  raster_->setVisible(zichtbaar);
  if (!zichtbaar) return;

  const GridInhoud& g = model_.grid;
  // Every Enter shows the model again; a long account is only drawn anew
  // when its rows, the view or the font changed.
  const int fontGrootte = kb_.Config.FontGrootte;
  if (gridGetekend_ && g.rijen == getoondGrid_.rijen && g.kop == getoondGrid_.kop &&
      g.label == getoondGrid_.label && g.breedtes == getoondGrid_.breedtes &&
      g.huidigeRij == getoondGrid_.huidigeRij && model_.gridModus == getoondeGridModus_ &&
      fontGrootte == getoondeFontGrootte_)
    return;
  getoondGrid_ = g;
  getoondeGridModus_ = model_.gridModus;
  getoondeFontGrootte_ = fontGrootte;
  gridGetekend_ = true;
  if (fontGrootte > 0) {
    QFont f = raster_->font();
    f.setPointSize(fontGrootte);
    raster_->setFont(f);
  }
  raster_->clear();
  raster_->setColumnCount(static_cast<int>(g.kop.size()));
  raster_->setRowCount(static_cast<int>(g.rijen.size()));
  QStringList koppen;
  for (const auto& k : g.kop) koppen << Q(k);
  raster_->setHorizontalHeaderLabels(koppen);
  int breedte = 0;
  for (std::size_t c = 0; c < g.breedtes.size(); ++c) {
    raster_->setColumnWidth(static_cast<int>(c), g.breedtes[c]);
    breedte += g.breedtes[c];
  }
  for (std::size_t r = 0; r < g.rijen.size(); ++r) {
    for (std::size_t c = 0; c < g.rijen[r].size(); ++c) {
      auto* cel = new QTableWidgetItem(Q(g.rijen[r][c]));
      const int rij = static_cast<int>(r), kolom = static_cast<int>(c);
      // Amounts read best aligned on their last digit.
      if (kolom >= 4) cel->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      switch (KleurVanCel(g, model_.gridModus, rij, kolom)) {
        case CelKleur::Groen: cel->setForeground(QColor(0, 128, 0)); break;
        case CelKleur::Rood: cel->setForeground(Qt::red); break;
        case CelKleur::Gewoon: break;
      }
      raster_->setItem(rij, kolom, cel);
    }
  }
  // The grid is centred in the window and the label spans it.
  const int totaal = breedte + raster_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                     2 * raster_->frameWidth();
  const int x = std::max(0, (width() - totaal) / 2);
  raster_->setGeometry(x, kRasterTop, totaal, kRasterHoogte);
  rekenLab_->setGeometry(x, kLabelTop, totaal, 18);
  rekenLab_->setText(Q(g.label));
  if (g.huidigeRij >= 0 && g.huidigeRij < raster_->rowCount()) {
    raster_->setCurrentCell(g.huidigeRij, 0);
    raster_->scrollToItem(raster_->item(g.huidigeRij, 0));
  }
}

}  // namespace valdero
