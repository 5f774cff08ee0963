// The two action menus of the booking window: each item starts its mode in
// the same window, "&Einde" closes it.
#include <QMenu>
#include <QPushButton>

#include "model/bookings/BoekModi.h"
#include "ui/bookings/TBoekingForm.h"

namespace valdero {
namespace {

struct MenuItem {
  const char* tekst;
  int modus;
};

constexpr MenuItem kBoekItems[] = {
    {"&Bijboeken", modus::Bijboeken},
    {"&Afboeken", modus::Afboeken},
    {"&Wijziging", modus::Wijzigen},
    {"&Kopie", modus::Kopieren},
    {"&Verwijderen", modus::Verwijderen},
    {"naar rek. van &tegenrek.", modus::OverboekenNaar},
    {"van &rek. naar tegenrek.", modus::OverboekenVan},
    {"Open&Transfer", modus::Transfereren},
};

constexpr MenuItem kBelegItems[] = {
    {"&Aanschaffen", modus::Aanschaffen},
    {"&Inwisselen", modus::Inwisselen},
    {"&Wijzigen", modus::EffWijzigen},
    {"&Kopen", modus::Kopen},
    {"&Verkopen", modus::Verkopen},
    {"Ve&rwijder", modus::EffVerwijderen},
    {"Waar&deren", modus::Waarderen},
    {"Rente/Divid.", modus::RenteDividend},
};

}  // namespace

void TBoekingForm::BouwMenus() {
  auto bouw = [this](const char* naam, const auto& items) {
    auto* menu = new QMenu(this);
    menu->setObjectName(naam);
    for (const MenuItem& item : items) {
      QAction* a = menu->addAction(QString::fromUtf8(item.tekst));
      a->setData(item.modus);
      const int m = item.modus;
      connect(a, &QAction::triggered, this, [this, m] { MenuKeuze(m); });
      if (m == modus::Transfereren) openTransfer_ = a;
    }
    menu->addSeparator();
    QAction* einde = menu->addAction("&Einde");
    connect(einde, &QAction::triggered, this, &TBoekingForm::SluitKlik);
    // Opening a menu leaves nothing to save or restore on the panel.
    connect(menu, &QMenu::aboutToShow, this, [this] {
      model_.MenuGeopend();
      bewaar_->setEnabled(false);
      herstel_->setEnabled(false);
      if (openTransfer_) openTransfer_->setEnabled(model_.Stand().openTransferAan);
    });
    return menu;
  };
  popupBoek_ = bouw("PopupBoek", kBoekItems);
  popupBeleg_ = bouw("PopupBeleg", kBelegItems);
}

void TBoekingForm::ToonMenu() {
  if (!isVisible()) return;
  if (model_.Stand().menu == Menu::Boek) {
    popupBoek_->popup(mapToGlobal(QPoint(width() / 3, height() / 2)));
  } else if (model_.Stand().menu == Menu::Beleg) {
    popupBeleg_->popup(mapToGlobal(QPoint(width() / 3, height() / 3 + 20)));
  }
}

void TBoekingForm::MenuKeuze(int m) {
  popupBoek_->hide();
  popupBeleg_->hide();
  NaarModel();
  NaStart(model_.Start(m, vers_));
}

}  // namespace valdero
