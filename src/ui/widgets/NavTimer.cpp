#include "ui/widgets/NavTimer.h"

namespace valdero {

QtNavTimer::QtNavTimer() {
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (afgelopen) afgelopen();
  });
}

void QtNavTimer::Start(int ms) { timer_.start(ms); }

}  // namespace valdero
