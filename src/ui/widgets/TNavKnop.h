#pragma once
// One picture button of the navigator bar. It draws its glyph (greyed when
// disabled), the bar's focus mark, and tells the bar about mouse presses and
// releases so that the bar can move its focus mark and repeat.

#include <QAbstractButton>
#include <QPixmap>

namespace valdero {

class Tnavigator;

class TNavKnop : public QAbstractButton {
  Q_OBJECT
 public:
  TNavKnop(Tnavigator* bar, int index);

  int Index() const { return index_; }
  // The normal and the disabled image.
  const QPixmap& Beeld(bool ingeschakeld) const { return ingeschakeld ? normaal_ : uit_; }
  QSize sizeHint() const override { return {24, 25}; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void LaadBeelden();

  Tnavigator* bar_;
  int index_;
  QPixmap normaal_;
  QPixmap uit_;
};

}  // namespace valdero
