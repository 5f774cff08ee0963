#include "ui/shell/TVerantwoording.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/shell/Glyphen.h"

namespace valdero {

TVerantwoording::TVerantwoording(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Verantwoording"));
  setModal(true);
  auto* kolom = new QVBoxLayout(this);
  kolom->setContentsMargins(24, 18, 24, 14);
  auto* beeld = new QLabel(this);
  beeld->setPixmap(Glyph(QStringLiteral("V"), QColor(0, 128, 128), 48).pixmap(48, 48));
  beeld->setAlignment(Qt::AlignCenter);
  kolom->addWidget(beeld);
  auto* naam = new QLabel(QStringLiteral("Valdero"), this);
  naam->setObjectName(QStringLiteral("ProductName"));
  QFont f = naam->font();
  f.setPointSize(f.pointSize() + 6);
  f.setBold(true);
  naam->setFont(f);
  naam->setAlignment(Qt::AlignCenter);
  kolom->addWidget(naam);
  auto* versie = new QLabel(QStringLiteral("Versie 10.0.1"), this);
  versie->setObjectName(QStringLiteral("Version"));
  versie->setAlignment(Qt::AlignCenter);
  kolom->addWidget(versie);
  auto* uitleg = new QLabel(QStringLiteral("Kasboek voor huishouden en kleine onderneming"), this);
  uitleg->setAlignment(Qt::AlignCenter);
  kolom->addWidget(uitleg);
  kolom->addSpacing(8);
  auto* knoppen = new QDialogButtonBox(this);
  QPushButton* ok = knoppen->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  knoppen->setCenterButtons(true);
  connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
  kolom->addWidget(knoppen);
  setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

}  // namespace valdero
