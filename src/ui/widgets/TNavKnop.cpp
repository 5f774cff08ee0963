#include "ui/widgets/TNavKnop.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QSvgRenderer>

#include "ui/widgets/Tnavigator.h"

namespace valdero {
namespace {

constexpr int kBeeldMaat = 16;

}  // namespace

TNavKnop::TNavKnop(Tnavigator* bar, int index) : QAbstractButton(bar), bar_(bar), index_(index) {
  setObjectName(Tnavigator::BeeldNaam(index));
  // The bar owns the keyboard focus; the buttons only show its mark.
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
  LaadBeelden();
}

void TNavKnop::LaadBeelden() {
  QSvgRenderer tekening(":/navigator/" + Tnavigator::BeeldNaam(index_) + ".svg");
  normaal_ = QPixmap(kBeeldMaat, kBeeldMaat);
  normaal_.fill(Qt::transparent);
  QPainter p(&normaal_);
  tekening.render(&p);
  p.end();
  QStyleOption optie;
  optie.initFrom(this);
  uit_ = style()->generatedIconPixmap(QIcon::Disabled, normaal_, &optie);
}

void TNavKnop::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool ingedrukt = isDown();
  const bool boven = underMouse() && isEnabled();
  if (!bar_->Plat() || ingedrukt || boven) {
    QStyleOptionButton optie;
    optie.initFrom(this);
    optie.state |= ingedrukt ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &optie, &p, this);
  }
  const QPixmap& beeld = Beeld(isEnabled());
  const int verschuiving = ingedrukt ? 1 : 0;
  const QPoint plek((width() - kBeeldMaat) / 2 + verschuiving,
                    (height() - kBeeldMaat) / 2 + verschuiving);
  p.drawPixmap(plek, beeld);
  if (bar_->hasFocus() && bar_->FocusKnop() == index_) {
    QPen stippel(palette().color(QPalette::WindowText));
    stippel.setStyle(Qt::DotLine);
    p.setPen(stippel);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(3, 3, -4, -4).translated(verschuiving, verschuiving));
  }
}

void TNavKnop::mousePressEvent(QMouseEvent* e) {
  QAbstractButton::mousePressEvent(e);
  if (e->button() == Qt::LeftButton) bar_->KnopIngedrukt(index_);
}

void TNavKnop::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) bar_->KnopLosgelaten(index_);
  QAbstractButton::mouseReleaseEvent(e);
}

}  // namespace valdero
