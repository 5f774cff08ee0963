#pragma once
// The repeat timer of the navigator bar, behind a small interface so that a
// test can advance its time by hand instead of waiting.

#include <QObject>
#include <QTimer>

namespace valdero {

class NavTimer : public QObject {
  Q_OBJECT
 public:
  // (Re)starts the timer: Afgelopen comes every `ms` milliseconds.
  virtual void Start(int ms) = 0;
  virtual void Stop() = 0;
  virtual bool Actief() const = 0;
  virtual int Interval() const = 0;

 signals:
  void Afgelopen();
};

class QtNavTimer : public NavTimer {
 public:
  QtNavTimer();
  void Start(int ms) override;
  void Stop() override { timer_.stop(); }
  bool Actief() const override { return timer_.isActive(); }
  int Interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};

}  // namespace valdero
