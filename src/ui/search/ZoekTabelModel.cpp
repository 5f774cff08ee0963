#include "ui/search/ZoekTabelModel.h"

#include <QBrush>
#include <QColor>

namespace valdero {
namespace {

constexpr int kBedragKolom = 5;

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QVariant ZoekTabelModel::data(const QModelIndex& index, int rol) const {
  if (!index.isValid() || index.row() >= model_.AantalRijen() || index.column() >= kAantalZoekKolommen)
    return {};
  switch (rol) {
    case Qt::DisplayRole: {
      const ZoekRij& rij = model_.Rij(index.row() + 1);
      return Q(rij.cellen[static_cast<std::size_t>(index.column())]);
    }
    case Qt::TextAlignmentRole:
      if (index.column() == kBedragKolom) return int(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    case Qt::ForegroundRole:
      if (index.column() == kBedragKolom && model_.Rij(index.row() + 1).rood) return QBrush(Qt::red);
      return {};
    default: return {};
  }
}

QVariant ZoekTabelModel::headerData(int sectie, Qt::Orientation richting, int rol) const {
  if (rol != Qt::DisplayRole || richting != Qt::Horizontal || sectie < 0 || sectie >= kAantalZoekKolommen)
    return {};
  return Q(ZoekModel::Koppen()[static_cast<std::size_t>(sectie)]);
}

}  // namespace valdero
