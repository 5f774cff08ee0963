#pragma once
// The splash window: borderless, on top, centred, one stretched picture. It
// refuses to close until its timer has run once, so it stays at least 1.2 s.

#include <QWidget>

class QTimer;

namespace valdero {

class TSplashForm : public QWidget {
  Q_OBJECT
 public:
  explicit TSplashForm(QWidget* parent = nullptr);
  // True once the timer has fired.
  bool MagSluiten() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  QTimer* timer_;
  QImage beeld_;
};

}  // namespace valdero
