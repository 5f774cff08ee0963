#include "ui/widgets/StapDialoog.h"

#include <QLabel>
#include <QPushButton>

namespace valdero {

QPushButton* StapKnop(const char* tekst, const char* naam, QWidget* ouder) {
  auto* k = new QPushButton(QString::fromUtf8(tekst), ouder);
  k->setObjectName(naam);
  k->setAutoDefault(false);
  return k;
}

QLabel* StapKop(QWidget* ouder) {
  auto* kop = new QLabel(ouder);
  kop->setObjectName("KopLabel");
  QFont vet = kop->font();
  vet.setBold(true);
  vet.setPointSizeF(vet.pointSizeF() * 1.15);
  kop->setFont(vet);
  return kop;
}

}  // namespace valdero
