#include "ui/groups/GroepRegelTekenaar.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <algorithm>

namespace valdero {
namespace {

constexpr int kMarge = 2;    // left of the first part
constexpr int kTussen = 12;  // between two parts
const char* const kKoppen[] = {"Kode", "Titel", "Klasse", "Saldo"};

}  // namespace

GroepRegelTekenaar::Kolommen GroepRegelTekenaar::Meet(const QListWidget& lijst) {
  const QFontMetrics fm = lijst.fontMetrics();
  int kode = fm.horizontalAdvance(kKoppen[0]);
  // Room for the longest title a group can have, and for the longest held.
  int titel = std::max(fm.horizontalAdvance(kKoppen[1]), fm.averageCharWidth() * 24);
  int klasse = fm.horizontalAdvance(kKoppen[2]);
  int saldo = std::max(fm.horizontalAdvance(kKoppen[3]), fm.horizontalAdvance("-99.999.999,99"));
  for (int i = 0; i < lijst.count(); ++i) {
    const QListWidgetItem* item = lijst.item(i);
    kode = std::max(kode, fm.horizontalAdvance(item->data(Kode).toString()));
    titel = std::max(titel, fm.horizontalAdvance(item->data(Titel).toString()));
    klasse = std::max(klasse, fm.horizontalAdvance(item->data(Klasse).toString()));
    saldo = std::max(saldo, fm.horizontalAdvance(item->data(Saldo).toString()));
  }
  Kolommen k;
  k.titelX = kode + kTussen;
  k.klasseX = k.titelX + titel + kTussen;
  k.saldoX = k.klasseX + klasse + kTussen;
  k.eindX = k.saldoX + saldo + kTussen;
  return k;
}

int GroepRegelTekenaar::Deel(int x) const {
  if (x < kolommen_.titelX) return 0;
  if (x < kolommen_.klasseX) return 1;
  if (x < kolommen_.saldoX) return 2;
  return 3;
}

void GroepRegelTekenaar::paint(QPainter* p, const QStyleOptionViewItem& optie,
                               const QModelIndex& index) const {
  QStyleOptionViewItem o = optie;
  initStyleOption(&o, index);
  o.text.clear();
  QStyle* stijl = o.widget ? o.widget->style() : QApplication::style();
  stijl->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);

  const bool gekozen = o.state & QStyle::State_Selected;
  const QColor tekst = o.palette.color(gekozen ? QPalette::HighlightedText : QPalette::Text);
  const QRect r = o.rect.adjusted(kMarge, 0, -4, 0);
  p->save();
  p->setPen(tekst);
  auto deel = [&](int x, int tot, const QString& s) {
    const QRect vak(r.left() + x, r.top(), tot - x - kTussen / 2, r.height());
    p->drawText(vak, Qt::AlignLeft | Qt::AlignVCenter,
                o.fontMetrics.elidedText(s, Qt::ElideRight, vak.width()));
  };
  deel(0, kolommen_.titelX, index.data(Kode).toString());
  deel(kolommen_.titelX, kolommen_.klasseX, index.data(Titel).toString());
  deel(kolommen_.klasseX, kolommen_.saldoX, index.data(Klasse).toString());
  if (index.data(Negatief).toBool() && !gekozen) p->setPen(QColor(0xc0, 0, 0));
  const QRect saldo(r.left() + kolommen_.saldoX, r.top(), std::max(r.width(), kolommen_.eindX) - kolommen_.saldoX,
                    r.height());
  p->drawText(saldo, Qt::AlignRight | Qt::AlignVCenter, index.data(Saldo).toString());
  p->restore();
}

QSize GroepRegelTekenaar::sizeHint(const QStyleOptionViewItem& optie, const QModelIndex&) const {
  return {kolommen_.eindX + kMarge + 4, optie.fontMetrics.height() + 4};
}

GroepKop::GroepKop(const GroepRegelTekenaar& tekenaar, const QListWidget& lijst, QWidget* ouder)
    : QWidget(ouder), tekenaar_(tekenaar), lijst_(lijst) {
  setObjectName("GroepenKop");
  QFont vet = font();
  vet.setBold(true);
  setFont(vet);
}

QStringList GroepKop::Koppen() const {
  QStringList k;
  for (const char* t : kKoppen) k << QString::fromUtf8(t);
  return k;
}

QSize GroepKop::sizeHint() const { return {tekenaar_.Kolom().eindX, fontMetrics().height() + 4}; }

void GroepKop::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const GroepRegelTekenaar::Kolommen& k = tekenaar_.Kolom();
  // The list's parts start inside its frame.
  const int links = lijst_.viewport()->mapTo(parentWidget(), QPoint(0, 0)).x() - x() + kMarge;
  const QStringList koppen = Koppen();
  const int xs[] = {0, k.titelX, k.klasseX};
  for (int i = 0; i < 3; ++i)
    p.drawText(QRect(links + xs[i], 0, width(), height()), Qt::AlignLeft | Qt::AlignVCenter, koppen[i]);
  const int rechts = links + std::max(lijst_.viewport()->width() - kMarge - 4, k.eindX);
  p.drawText(QRect(links + k.saldoX, 0, rechts - links - k.saldoX, height()), Qt::AlignRight | Qt::AlignVCenter,
             koppen[3]);
}

}  // namespace valdero
