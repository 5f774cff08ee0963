#pragma once
// Draws one line of the groups manager's list in four parts: code, title,
// class and, right-aligned, the balance (red when negative); and the headings
// above those parts.

#include <QStyledItemDelegate>
#include <QWidget>

class QListWidget;

namespace valdero {

class GroepRegelTekenaar : public QStyledItemDelegate {
 public:
  enum Rol { Kode = Qt::UserRole, Titel, Klasse, Saldo, Negatief };

  // Where the parts start, measured from what the list holds at the list's
  // font, so that a title of 32 characters is never cut.
  struct Kolommen {
    int titelX = 40;
    int klasseX = 200;
    int saldoX = 250;
    int eindX = 360;
  };
  static Kolommen Meet(const QListWidget& lijst);
  void ZetKolommen(const Kolommen& k) { kolommen_ = k; }
  const Kolommen& Kolom() const { return kolommen_; }
  // The part under a point of the list, 0 to 3.
  int Deel(int x) const;

  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& optie, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& optie, const QModelIndex& index) const override;

 private:
  Kolommen kolommen_;
};

// The headings "Kode", "Titel", "Klasse" and "Saldo" above the list's parts.
class GroepKop : public QWidget {
 public:
  GroepKop(const GroepRegelTekenaar& tekenaar, const QListWidget& lijst, QWidget* ouder);
  QSize sizeHint() const override;
  QStringList Koppen() const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  const GroepRegelTekenaar& tekenaar_;
  const QListWidget& lijst_;
};

}  // namespace valdero
