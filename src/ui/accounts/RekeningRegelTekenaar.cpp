#include "ui/accounts/RekeningRegelTekenaar.h"

#include <QApplication>
#include <QPainter>

namespace valdero {

RekeningRegelTekenaar::Posities RekeningRegelTekenaar::Meet(const QFontMetrics& fm) {
  const int e = fm.horizontalAdvance("ECU");
  const int w = fm.horizontalAdvance("123456790abcdefghijklmn");
  return {e + 10, e + w + 20, w + 2 * e + 30};
}

void RekeningRegelTekenaar::paint(QPainter* p, const QStyleOptionViewItem& optie,
                                  const QModelIndex& index) const {
  QStyleOptionViewItem o = optie;
  initStyleOption(&o, index);
  o.text.clear();
  QStyle* stijl = o.widget ? o.widget->style() : QApplication::style();
  stijl->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);

  const bool gekozen = o.state & QStyle::State_Selected;
  const Posities x = Meet(o.fontMetrics);
  const QRect r = o.rect;
  p->save();
  p->setPen(o.palette.color(gekozen ? QPalette::HighlightedText : QPalette::Text));
  auto deel = [&](int van, int tot, const QString& s) {
    const QRect vak(r.left() + van, r.top(), tot - van - 4, r.height());
    p->drawText(vak, Qt::AlignLeft | Qt::AlignVCenter, o.fontMetrics.elidedText(s, Qt::ElideRight, vak.width()));
  };
  deel(5, x.naam, index.data(Nummer).toString());
  deel(x.naam, x.soort, index.data(Naam).toString());
  deel(x.soort, x.munt, index.data(Soort).toString());
  const int saldoBreedte = o.fontMetrics.horizontalAdvance("-0000000,00");
  deel(x.munt, r.width() - saldoBreedte, index.data(Munt).toString());
  if (index.data(Negatief).toBool() && !gekozen) p->setPen(QColor(0xc0, 0, 0));
  const QRect saldo(r.left(), r.top(), r.width() - 4, r.height());
  p->drawText(saldo, Qt::AlignRight | Qt::AlignVCenter, index.data(Saldo).toString());
  p->restore();
}

QSize RekeningRegelTekenaar::sizeHint(const QStyleOptionViewItem& optie, const QModelIndex&) const {
  const Posities x = Meet(optie.fontMetrics);
  return {x.munt + optie.fontMetrics.horizontalAdvance("ECU  -0000000,00") + 20, optie.fontMetrics.height() + 4};
}

}  // namespace valdero
