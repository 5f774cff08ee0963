#include "ui/groups/GroepRegelTekenaar.h"

#include <QApplication>
#include <QPainter>

namespace valdero {

void GroepRegelTekenaar::paint(QPainter* p, const QStyleOptionViewItem& optie,
                               const QModelIndex& index) const {
  QStyleOptionViewItem o = optie;
  initStyleOption(&o, index);
  o.text.clear();
  QStyle* stijl = o.widget ? o.widget->style() : QApplication::style();
  stijl->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);

  const bool gekozen = o.state & QStyle::State_Selected;
  const QColor tekst = o.palette.color(gekozen ? QPalette::HighlightedText : QPalette::Text);
  const QRect r = o.rect.adjusted(2, 0, -4, 0);
  p->save();
  p->setPen(tekst);
  auto deel = [&](int x, int tot, const QString& s) {
    const QRect vak(r.left() + x, r.top(), tot - x - 4, r.height());
    p->drawText(vak, Qt::AlignLeft | Qt::AlignVCenter,
                o.fontMetrics.elidedText(s, Qt::ElideRight, vak.width()));
  };
  deel(0, TitelX, index.data(Kode).toString());
  deel(TitelX, KlasseX, index.data(Titel).toString());
  deel(KlasseX, SaldoX, index.data(Klasse).toString());
  if (index.data(Negatief).toBool() && !gekozen) p->setPen(QColor(0xc0, 0, 0));
  const QRect saldo(r.left() + SaldoX, r.top(), r.width() - SaldoX, r.height());
  p->drawText(saldo, Qt::AlignRight | Qt::AlignVCenter, index.data(Saldo).toString());
  p->restore();
}

QSize GroepRegelTekenaar::sizeHint(const QStyleOptionViewItem& optie, const QModelIndex&) const {
  return {SaldoX + 110, optie.fontMetrics.height() + 4};
}

}  // namespace valdero
