#include "ui/reports/RapportTabelModel.h"

#include <QBrush>

#include "model/reports/RapportSoort.h"

namespace valdero {

const QColor RapportTabelModel::kGroen(0, 128, 0);
const QColor RapportTabelModel::kRood(200, 0, 0);

int RapportTabelModel::rowCount(const QModelIndex& ouder) const {
  return ouder.isValid() ? 0 : static_cast<int>(model_.Tabel().rijen.size());
}

int RapportTabelModel::columnCount(const QModelIndex& ouder) const {
  return ouder.isValid() ? 0 : model_.Tabel().Kolommen();
}

const std::string* RapportTabelModel::Cel(const QModelIndex& index) const {
  const RapportTabel& t = model_.Tabel();
  if (!index.isValid() || index.row() >= static_cast<int>(t.rijen.size()) || index.column() >= t.Kolommen())
    return nullptr;
  const RapportRij& rij = t.rijen[static_cast<std::size_t>(index.row())];
  if (index.column() >= static_cast<int>(rij.cellen.size())) return nullptr;
  return &rij.cellen[static_cast<std::size_t>(index.column())];
}

QVariant RapportTabelModel::data(const QModelIndex& index, int rol) const {
  const std::string* tekst = Cel(index);
  if (!tekst) return {};
  const RapportTabel& t = model_.Tabel();
  const RapportRij& rij = t.rijen[static_cast<std::size_t>(index.row())];
  const int k = index.column();
  switch (rol) {
    case Qt::DisplayRole: {
      QString s = QString::fromStdString(*tekst);
      // The statement view shows the description under the relation.
      if (t.afschrift && k == 4)
        for (const std::string& o : rij.omschrijving) s += QLatin1Char('\n') + QString::fromStdString(o);
      return s;
    }
    case Qt::TextAlignmentRole:
      if (t.IsBedragKolom(k)) return int(Qt::AlignRight | Qt::AlignTop);
      return {};
    case Qt::ForegroundRole: {
      const bool somKleuren =
          t.soort == rapport::Groep || t.soort == rapport::Klassen || t.soort == rapport::Relaties;
      // The totals of a summary row: money in green, money out red.
      if (somKleuren && rij.kasIndex == 0 && (k == 4 || k == 5)) return QBrush(k == 4 ? kGroen : kRood);
      if (t.IsBedragKolom(k) && !tekst->empty() && (*tekst)[0] == '-') return QBrush(kRood);
      return {};
    }
    default: return {};
  }
}

QVariant RapportTabelModel::headerData(int sectie, Qt::Orientation richting, int rol) const {
  const RapportTabel& t = model_.Tabel();
  if (rol != Qt::DisplayRole || richting != Qt::Horizontal || sectie < 0 || sectie >= t.Kolommen())
    return {};
  return QString::fromStdString(t.titels[static_cast<std::size_t>(sectie)]);
}

Qt::ItemFlags RapportTabelModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  // An empty cell cannot be selected.
  const std::string* tekst = Cel(index);
  if (tekst && tekst->empty()) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace valdero
