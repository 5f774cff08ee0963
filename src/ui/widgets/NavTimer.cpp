#include "ui/widgets/NavTimer.h"

namespace valdero {

QtNavTimer::QtNavTimer() {
  connect(&timer_, &QTimer::timeout, this, &NavTimer::Afgelopen);
}

void QtNavTimer::Start(int ms) { timer_.start(ms); }

}  // namespace valdero
