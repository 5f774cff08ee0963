#pragma once
// The search dialog's grid as a table model over ZoekModel: the view asks
// only for the rows it draws, so listing a year of 100 000 transactions
// costs a screenful of rows instead of 700 000 grid cells.

#include <QAbstractTableModel>

#include "model/search/ZoekModel.h"

namespace valdero {

class ZoekTabelModel : public QAbstractTableModel {
 public:
  ZoekTabelModel(const ZoekModel& model, QObject* parent) : QAbstractTableModel(parent), model_(model) {}

  // The rows of the model changed (a new listing or search result).
  void Ververs() {
    beginResetModel();
    endResetModel();
  }

  int rowCount(const QModelIndex& ouder = {}) const override {
    return ouder.isValid() ? 0 : model_.AantalRijen();
  }
  int columnCount(const QModelIndex& ouder = {}) const override {
    return ouder.isValid() ? 0 : kAantalZoekKolommen;
  }
  QVariant data(const QModelIndex& index, int rol) const override;
  QVariant headerData(int sectie, Qt::Orientation richting, int rol) const override;

 private:
  const ZoekModel& model_;
};

}  // namespace valdero
