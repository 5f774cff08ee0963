#pragma once
// The overview window's table as a model over the report's rows: the view
// asks only for the cells it draws, so a report of 100 000 transactions opens
// without first making a grid cell of every one.

#include <QAbstractTableModel>
#include <QColor>

#include "model/reports/RapportModel.h"

namespace valdero {

class RapportTabelModel : public QAbstractTableModel {
 public:
  RapportTabelModel(const RapportModel& model, QObject* parent) : QAbstractTableModel(parent), model_(model) {}

  // The report was opened or refreshed.
  void Ververs() {
    beginResetModel();
    endResetModel();
  }

  int rowCount(const QModelIndex& ouder = {}) const override;
  int columnCount(const QModelIndex& ouder = {}) const override;
  QVariant data(const QModelIndex& index, int rol) const override;
  QVariant headerData(int sectie, Qt::Orientation richting, int rol) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  static const QColor kGroen;
  static const QColor kRood;

 private:
  const std::string* Cel(const QModelIndex& index) const;

  const RapportModel& model_;
};

}  // namespace valdero
