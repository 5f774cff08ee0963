#include "ui/bookings/BoekingGridModel.h"

#include <QBrush>
#include <QColor>

#include "model/bookings/GridKleur.h"

namespace valdero {

QVariant BoekingGridModel::data(const QModelIndex& index, int rol) const {
  const GridInhoud& g = model_.Stand().grid;
  if (!index.isValid() || index.row() >= static_cast<int>(g.rijen.size())) return {};
  const auto& rij = g.rijen[static_cast<std::size_t>(index.row())];
  if (index.column() >= static_cast<int>(rij.size())) return {};
  switch (rol) {
    case Qt::DisplayRole: return QString::fromStdString(rij[static_cast<std::size_t>(index.column())]);
    case Qt::TextAlignmentRole:
      // Amounts read best aligned on their last digit.
      if (index.column() >= 4) return int(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    case Qt::ForegroundRole:
      switch (KleurVanCel(g, model_.Stand().gridModus, index.row(), index.column())) {
        case CelKleur::Groen: return QBrush(QColor(0, 128, 0));
        case CelKleur::Rood: return QBrush(Qt::red);
        case CelKleur::Gewoon: return {};
      }
      return {};
    default: return {};
  }
}

QVariant BoekingGridModel::headerData(int sectie, Qt::Orientation richting, int rol) const {
  const auto& kop = model_.Stand().grid.kop;
  if (rol != Qt::DisplayRole || richting != Qt::Horizontal || sectie < 0 ||
      sectie >= static_cast<int>(kop.size()))
    return {};
  return QString::fromStdString(kop[static_cast<std::size_t>(sectie)]);
}

}  // namespace valdero
