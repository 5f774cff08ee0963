// The four-part status bar with its clock, and the window list of "Bee&ld".
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "ui/shell/TValdero.h"

namespace valdero {

void TValdero::MaakStatusBalk() {
  for (int i = 0; i < 4; ++i) {
    auto* l = new QLabel(statusBar());
    l->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    statusBar()->addWidget(l);
    status_.push_back(l);
  }
  statusBar()->setObjectName(QStringLiteral("StatusPanel"));
  statusBar()->setSizeGripEnabled(true);
  ZetStatusBreedtes();
}

// The widths grow with the font so that the longest text is never cut.
void TValdero::ZetStatusBreedtes() {
  const int breedtes[] = {400, 105, 120, 86};
  const char* langste[] = {"", "BasisMunt: nnnnnnnnnnnnnn", "Datum: 00-00-0000", "Tijd: 00:00:00"};
  for (std::size_t i = 0; i < status_.size(); ++i) {
    const QFontMetrics fm(status_[i]->font());
    const int tekst = fm.horizontalAdvance(QString::fromUtf8(langste[i])) + 2 * status_[i]->frameWidth() + 16;
    status_[i]->setFixedWidth(std::max(breedtes[i], tekst));
  }
}

void TValdero::Klok() {
  if (activering_ < 5)
    ++activering_;
  else
    kasOpen_->hide();
  ZetStatus(3, QStringLiteral("Tijd: ") + QString::fromStdString(TijdTekst(kb_.Nu())));
}

void TValdero::Registreer(int nummer, QWidget* venster) {
  if (!venster) return;
  vensterLijst_.Registreer(nummer, venster->windowTitle().toStdString(), venster->isVisible() || venster == this);
  VernieuwVensterMenu();
}

void TValdero::MeldAf(int nummer) {
  vensterLijst_.MeldAf(kb_, nummer);
  // The entries that opened the window may be used again; a closed budget
  // window frees both of its entries.
  for (int n : {nummer, nummer == 2 ? 3 : nummer == 3 ? 2 : nummer}) {
    for (const auto& a : uitgezet_[n])
      if (a) a->setEnabled(gewenst_[a.data()] && (!nodig_.count(a.data()) || nodig_[a.data()]()));
    uitgezet_.erase(n);
  }
  if (nummer == 8) importMogelijk_ = true;
  VernieuwVensterMenu();
}

void TValdero::VernieuwVensterMenu() {
  for (QAction* a : vensterActies_) {
    beeld_->removeAction(a);
    a->deleteLater();
  }
  vensterActies_.clear();
  for (const VensterRegel& r : vensterLijst_.Regels()) {
    QAction* a = beeld_->addAction(QString::fromStdString(r.naam));
    a->setStatusTip(QString::fromStdString(r.hint));
    a->setData(r.nummer);
    // Numbers 2 and 3 are both the budget window.
    const int nummer = r.nummer == 2 ? 3 : r.nummer;
    connect(a, &QAction::triggered, this, [this, nummer] {
      QWidget* w = nummer == 0 ? this : (vensters_ ? vensters_->VensterVan(nummer) : nullptr);
      if (!w) return;
      w->show();
      w->raise();
      w->activateWindow();
    });
    vensterActies_.push_back(a);
  }
}

}  // namespace valdero
