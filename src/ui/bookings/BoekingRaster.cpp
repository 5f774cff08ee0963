// The grid above the entry panel with its title label: the working account's
// transactions, all balances or the items of a split booking, as the model
// fills it.
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <functional>
#include <vector>
#include <string_view>

#include "ui/bookings/BoekingGridModel.h"
#include "ui/bookings/TBoekingForm.h"
#include "model/core/Kasboek.h"

namespace valdero {
namespace {

constexpr int kLabelTop = 4;
constexpr int kRasterTop = 24;
constexpr int kRasterHoogte = 196;
constexpr int kRijHoogte = 18;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// What the grid shows, as one number: its rows, header, widths and label,
// the current row, the grid mode and the font.
std::size_t Afdruk(const GridInhoud& g, int gridModus, int fontGrootte) {
  std::size_t h = 0;
  const auto meng = [&h](std::size_t w) { h ^= w + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
  const std::hash<std::string_view> tekst;
  for (const auto& rij : g.rijen) {
    meng(rij.size());
    for (const auto& cel : rij) meng(tekst(cel));
  }
  for (const auto& k : g.kop) meng(tekst(k));
  for (int b : g.breedtes) meng(static_cast<std::size_t>(b));
  meng(tekst(g.label));
  meng(static_cast<std::size_t>(g.huidigeRij));
  meng(static_cast<std::size_t>(gridModus));
  meng(static_cast<std::size_t>(fontGrootte));
  return h;
}

}  // namespace

TBoekingForm::~TBoekingForm() { delete raster_; }

void TBoekingForm::BouwRaster() {
  rekenLab_ = new QLabel(this);
  rekenLab_->setObjectName("RekenLab");
  rekenLab_->setAlignment(Qt::AlignCenter);
  rekenLab_->setStyleSheet("font-weight: bold;");

  raster_ = new QTableView(this);
  raster_->setObjectName("RekenSaldogrid");
  rasterModel_ = new BoekingGridModel(model_, raster_);
  raster_->setModel(rasterModel_);
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
  const bool zichtbaar = model_.Stand().gridZichtbaar;
  rekenLab_->setVisible(zichtbaar);
  raster_->setVisible(zichtbaar);
  if (const int hoogte = Indeling(); hoogte != height()) resize(width(), hoogte);
  if (!zichtbaar) return;

  const GridInhoud& g = model_.Stand().grid;
  // Every Enter shows the model again; a long account is only drawn anew
  // when its rows, the view or the font changed.
  const int fontGrootte = kb_.Config.FontGrootte;
  const std::size_t afdruk = Afdruk(g, model_.Stand().gridModus, fontGrootte);
  if (gridGetekend_ && afdruk == getoondeAfdruk_) {
    raster_->viewport()->update();
    return;
  }
  getoondeAfdruk_ = afdruk;
  gridGetekend_ = true;
  if (fontGrootte > 0) {
    QFont f = raster_->font();
    f.setPointSize(fontGrootte);
    raster_->setFont(f);
  }
  rasterModel_->Ververs();
  // The widths are a minimum: at the book's font a date, "Eindsaldo : " or a
  // total must not be cut. The rows at both ends hold the widest dates and
  // the totals; the free texts (relation, account name) keep their width.
  const QFontMetrics fm(raster_->font());
  const int vrijeTekst = model_.Stand().gridModus == 1 ? 1 : 3;
  std::vector<int> breedtes(g.breedtes.begin(), g.breedtes.end());
  auto meet = [&](std::size_t c, const std::string& tekst) {
    if (static_cast<int>(c) == vrijeTekst || c >= breedtes.size()) return;
    breedtes[c] = std::max(breedtes[c], fm.horizontalAdvance(Q(tekst)) + 12);
  };
  for (std::size_t c = 0; c < g.kop.size(); ++c) meet(c, g.kop[c]);
  const std::size_t n = g.rijen.size();
  for (std::size_t r = 0; r < n; r = (r + 1 == 40 && n > 80) ? n - 40 : r + 1)
    for (std::size_t c = 0; c < g.rijen[r].size(); ++c) meet(c, g.rijen[r][c]);
  int breedte = 0;
  for (std::size_t c = 0; c < breedtes.size(); ++c) {
    raster_->setColumnWidth(static_cast<int>(c), breedtes[c]);
    breedte += breedtes[c];
  }
  // The grid is centred in the window and the label spans it.
  const int totaal = breedte + raster_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                     2 * raster_->frameWidth();
  const int x = std::max(0, (width() - totaal) / 2);
  raster_->setGeometry(x, kRasterTop, totaal, kRasterHoogte);
  rekenLab_->setGeometry(x, kLabelTop, totaal, 18);
  rekenLab_->setText(Q(g.label));
  if (g.huidigeRij >= 0 && g.huidigeRij < rasterModel_->rowCount()) {
    raster_->setCurrentIndex(rasterModel_->index(g.huidigeRij, 0));
    raster_->scrollTo(rasterModel_->index(g.huidigeRij, 0));
  }
}

}  // namespace valdero
