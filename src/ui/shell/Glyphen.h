#pragma once
// The program's own button pictures: a coloured tile with a symbol, drawn at
// run time so they stay sharp at any size.

#include <QColor>
#include <QIcon>
#include <QString>

namespace valdero {

QIcon Glyph(const QString& symbool, const QColor& kleur, int maat = 24);

}  // namespace valdero
