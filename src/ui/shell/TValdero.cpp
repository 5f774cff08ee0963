#include "ui/shell/TValdero.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include "model/core/Kasboek.h"
#include "model/storage/BoekLaden.h"
#include "ui/shell/BoekLader.h"

namespace valdero {

TValdero::TValdero(Kasboek& kb, BoekLader& lader, std::string argument, QWidget* parent)
    : QMainWindow(parent), kb_(kb), lader_(lader), argument_(std::move(argument)) {
  setObjectName(QStringLiteral("Valdero"));
  setWindowTitle(QStringLiteral("Valdero  "));
  kb_.sessie.WachtwoordGeaccepteerd = false;

  achtergrond_ = new QWidget(this);
  achtergrond_->setObjectName(QStringLiteral("Achtergrond"));
  achtergrond_->setAutoFillBackground(true);
  QPalette pal = achtergrond_->palette();
  pal.setColor(QPalette::Window, QColor(0, 255, 255));
  achtergrond_->setPalette(pal);
  achtergrond_->installEventFilter(this);
  achtergrond_->setContextMenuPolicy(Qt::CustomContextMenu);
  setCentralWidget(achtergrond_);

  MaakMenus();
  MaakWerkbalken();
  MaakMenuPanel();
  MaakPanelen();
  MaakStatusBalk();

  timer_ = new QTimer(this);
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, &TValdero::Klok);

  resize(900, 625);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  LaadBoek(true);
  PlaatsLabels();
  Registreer(0, this);
}

TValdero::~TValdero() = default;

void TValdero::Koppel(VensterOpeners& vensters) {
  vensters_ = &vensters;
  KoppelingenBijgewerkt();
}

void TValdero::Koppel(LevensloopCommandos& levensloop) {
  levensloop_ = &levensloop;
  KoppelingenBijgewerkt();
}

void TValdero::Ontkoppel(const VensterOpeners& vensters) {
  if (vensters_ != &vensters) return;
  vensters_ = nullptr;
  VolgKoppelingen();
}

void TValdero::Ontkoppel(const LevensloopCommandos& levensloop) {
  if (levensloop_ != &levensloop) return;
  levensloop_ = nullptr;
  VolgKoppelingen();
}

void TValdero::KoppelingenBijgewerkt() {
  VolgKoppelingen();
  // The start-up load ran in the constructor, before the password check was
  // there: the check comes now, and a refusal empties the window again.
  if (!ControleerToegang()) static_cast<void>(VernieuwHoofdvenster());
}

bool TValdero::event(QEvent* e) {
  // Hints of menus, tool buttons and panels go to the first status panel.
  if (e->type() == QEvent::StatusTip) {
    ZetStatus(0, static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

void TValdero::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  PlaatsLabels();
}

void TValdero::closeEvent(QCloseEvent* e) {
  // Closing the main window ends the program: every open window it owns gets
  // its own say first, so a booking still on its panel is not lost unasked.
  for (QWidget* venster : findChildren<QWidget*>()) {
    if (venster->isWindow() && venster->isVisible() && !venster->close()) {
      e->ignore();
      return;
    }
  }
  QMainWindow::closeEvent(e);
}

bool TValdero::ControleerToegang() {
  if (!kb_.GroepGelezen || kb_.sessie.WachtwoordGeaccepteerd || controleBezig_ ||
      !Heeft(LevensloopCommandos::Commando::ControleerWachtwoord))
    return true;
  controleBezig_ = true;
  const bool toegang = levensloop_->ControleerWachtwoord();
  controleBezig_ = false;
  if (toegang) {
    kb_.sessie.WachtwoordGeaccepteerd = true;
    Zet(MenuItem::Wachtwoord, true);
    return true;
  }
  // Nothing of the book may be seen or saved: it leaves memory before the
  // window shows anything, and the program ends.
  toegangGeweigerd_ = true;
  VergeetBoek(kb_);
  QTimer::singleShot(0, this, &QWidget::close);
  return false;
}

bool TValdero::eventFilter(QObject* o, QEvent* e) {
  if (o == achtergrond_ && e->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    importMogelijk_ = true;
  }
  if (e->type() == QEvent::MouseButtonPress && o == kasNaamLabel_) Help(200);
  if (e->type() == QEvent::MouseButtonPress && o == btwLabel_) Help(259);
  return QMainWindow::eventFilter(o, e);
}

void TValdero::PlaatsLabels() {
  if (!achtergrond_) return;
  const int w = achtergrond_->width();
  const int h = achtergrond_->height();
  if (kasNaamLabel_) kasNaamLabel_->move(w - 200, h - 100);
  if (btwLabel_) btwLabel_->move(w - 200, h - 60);
  if (valutaBalk_) valutaBalk_->move(w - valutaBalk_->width() - 4, 8);
  if (nieuwKasPanel_)
    nieuwKasPanel_->move((w - nieuwKasPanel_->width()) / 2, (h - nieuwKasPanel_->height()) / 2);
  if (datumPanel_) datumPanel_->move((w - datumPanel_->width()) / 2, (h - datumPanel_->height()) / 2);
}

void TValdero::ZetStatus(int panel, const QString& tekst) {
  if (panel >= 0 && panel < static_cast<int>(status_.size())) status_[static_cast<std::size_t>(panel)]->setText(tekst);
}

}  // namespace valdero

#include "ui/shell/TVerantwoording.h"

namespace valdero {

void TValdero::ToonVerantwoording() {
  TVerantwoording dlg(this);
  dlg.exec();
}

}  // namespace valdero
