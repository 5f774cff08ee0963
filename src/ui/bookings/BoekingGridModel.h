#pragma once
// The booking window's grid as a model over the booking model's grid rows:
// an account of a large year has tens of thousands of rows, of which the
// view draws a screenful; nothing is copied into grid cells.

#include <QAbstractTableModel>

#include "model/bookings/BoekingModel.h"

namespace valdero {

class BoekingGridModel : public QAbstractTableModel {
 public:
  BoekingGridModel(const BoekingModel& model, QObject* parent) : QAbstractTableModel(parent), model_(model) {}

  // The model's grid was filled anew.
  void Ververs() {
    beginResetModel();
    endResetModel();
  }

  int rowCount(const QModelIndex& ouder = {}) const override {
    return ouder.isValid() ? 0 : static_cast<int>(model_.Stand().grid.rijen.size());
  }
  int columnCount(const QModelIndex& ouder = {}) const override {
    return ouder.isValid() ? 0 : static_cast<int>(model_.Stand().grid.kop.size());
  }
  QVariant data(const QModelIndex& index, int rol) const override;
  QVariant headerData(int sectie, Qt::Orientation richting, int rol) const override;

 private:
  const BoekingModel& model_;
};

}  // namespace valdero
