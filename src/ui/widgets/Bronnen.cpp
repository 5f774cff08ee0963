#include "ui/widgets/Bronnen.h"

#include <QtGlobal>

// Outside any namespace, as Qt's resource functions are.
static void InitBronnen() {
  Q_INIT_RESOURCE(help);
}

namespace valdero {

void LaadBronnen() {
  static const bool gedaan = (InitBronnen(), true);
  (void)gedaan;
}

}  // namespace valdero
