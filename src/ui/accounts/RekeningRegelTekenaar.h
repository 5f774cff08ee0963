#pragma once
// Draws one line of the accounts manager's list: number, name, kind and
// currency at positions measured on the list's font, and the balance
// right-aligned 4 pixels from the right edge (red when negative).

#include <QStyledItemDelegate>

namespace valdero {

class RekeningRegelTekenaar : public QStyledItemDelegate {
 public:
  enum Rol { Nummer = Qt::UserRole, Naam, Soort, Munt, Saldo, Negatief };

  // The x positions of name, kind and currency for a font: with e the width
  // of "ECU" and w that of "123456790abcdefghijklmn": e + 10, e + w + 20,
  // w + 2e + 30. The number starts at 5.
  struct Posities {
    int naam, soort, munt;
  };
  static Posities Meet(const QFontMetrics& fm);

  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& optie, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& optie, const QModelIndex& index) const override;
};

}  // namespace valdero
