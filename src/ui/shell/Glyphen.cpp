#include "ui/shell/Glyphen.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace valdero {

QIcon Glyph(const QString& symbool, const QColor& kleur, int maat) {
  QIcon icoon;
  for (int schaal : {1, 2}) {
    const int m = maat * schaal;
    QPixmap pm(m, m);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verloop(0, 0, 0, m);
    verloop.setColorAt(0, kleur.lighter(135));
    verloop.setColorAt(1, kleur.darker(115));
    p.setPen(QPen(kleur.darker(160), schaal));
    p.setBrush(verloop);
    p.drawRoundedRect(QRectF(0.5 * schaal, 0.5 * schaal, m - schaal, m - schaal), m / 5.0, m / 5.0);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(symbool.size() > 2 ? m * 3 / 8 : symbool.size() == 2 ? m / 2 : m * 2 / 3);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, m, m), Qt::AlignCenter, symbool);
    p.end();
    pm.setDevicePixelRatio(schaal);
    icoon.addPixmap(pm);
  }
  return icoon;
}

}  // namespace valdero
