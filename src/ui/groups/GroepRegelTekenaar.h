#pragma once
// Draws one line of the groups manager's list in four parts: code, title,
// class and, right-aligned, the balance (red when negative).

#include <QStyledItemDelegate>

namespace valdero {

class GroepRegelTekenaar : public QStyledItemDelegate {
 public:
  enum Rol { Kode = Qt::UserRole, Titel, Klasse, Saldo, Negatief };
  // Where the parts start; the hints of the list use the same bounds.
  static constexpr int TitelX = 40;
  static constexpr int KlasseX = 200;
  static constexpr int SaldoX = 250;

  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& optie, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& optie, const QModelIndex& index) const override;
};

}  // namespace valdero
