// Loading a book into the window: the window's steps around the model's
// loading, the enabling of menus and panels from the load flags, and the
// configuration applied to the window.
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "model/core/Bedragen.h"
#include "model/storage/BoekLaden.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/SaldoMatrix.h"
#include "model/core/TekstHulp.h"
#include "model/shell/ValutaKnoppen.h"
#include "model/shell/HoofdvensterStand.h"
#include "model/shell/StatusTeksten.h"
#include "ui/shell/BoekLader.h"
#include "ui/shell/TValdero.h"

namespace valdero {
namespace {

const QString kKasOpen = QStringLiteral("   Valdero geopend         voor het jaar: ");

}  // namespace

LaadUitkomst TValdero::LaadBoek(bool bijStart) {
  activering_ = 0;
  timer_->start();
  kb_.sessie.WachtwoordGeaccepteerd = false;
  const std::string argument = bijStart ? argument_ : std::string();
  toegangGeweigerd_ = false;
  LaadUitkomst r = lader_.Laad(kb_, bijStart, argument);
  // The password before anything of the book is shown: on every load
  // (start-up, Open, a book opened read-only, a restore point put back).
  if (r == LaadUitkomst::Geladen && !ControleerToegang()) r = LaadUitkomst::Gestopt;

  // The window is put back to its empty state whatever the load came to.
  PlaatsLabels();
  nieuwKasPanel_->hide();
  if (QAbstractButton* eerste = valDrKeuze_->button(0)) eerste->setChecked(true);
  kasOpen_->hide();
  kasOpen_->setText(kKasOpen);
  Zet(MenuItem::Transfereren, false);
  transferActief_ = false;
  beleggingActief_ = false;
  importMogelijk_ = true;
  // New switches itself off while it builds a book; any book loaded after
  // that may be the start of a new one again.
  Zet(MenuItem::Nieuw, true);

  const bool compleet = VernieuwHoofdvenster();
  if (r == LaadUitkomst::Geladen && compleet) {
    PasConfigToe();
    QFont f = statusBar()->font();
    if (kb_.Config.FontGrootte > 0) f.setPointSize(kb_.Config.FontGrootte);
    statusBar()->setFont(f);
    ZetStatusBreedtes();
  }
  if (kb_.sessie.WachtwoordGeaccepteerd) Zet(MenuItem::Wachtwoord, true);
  if (const std::string tekst = BasisMuntTekst(kb_, 14); !tekst.empty())
    ZetStatus(1, QString::fromStdString(tekst));
  ZetStatus(2, QStringLiteral("Datum: ") + QString::fromStdString(Vandaag(kb_)));
  Klok();
  return r;
}

bool TValdero::VernieuwHoofdvenster() {
  const HoofdvensterStand stand = BepaalHoofdvensterStand(kb_);
  uitgezet_.clear();
  ToonBoekNaam();
  if (!stand.rekeningenGelezen) {
    kasNaamLabel_->clear();
    kasNaamLabel_->hide();
  }
  Zet(MenuItem::OpenRekening, stand.rekeningenGelezen);
  Zet(MenuItem::OpenGroep, stand.groepenGelezen);
  Zet(MenuItem::OpenBudget, stand.groepenGelezen);
  for (const MenuItem p : {MenuItem::OpenRelatie, MenuItem::Bewaren, MenuItem::BewarenAls,
                           MenuItem::Grafieken, MenuItem::Overzichten, MenuItem::Importeren})
    Zet(p, stand.transactiesGelezen);
  // The password is offered again once it has been checked.
  Zet(MenuItem::Wachtwoord, false);
  transferActief_ = stand.transfereren;
  Zet(MenuItem::Transfereren, stand.transfereren);
  Zet(MenuItem::Transacties, stand.boeken || stand.transactiesGelezen);
  Zet(MenuItem::Beleggingen, stand.boeken || stand.transactiesGelezen);
  menuPanel_->setVisible(stand.menuPaneel);
  if (stand.nieuwKasPaneel) {
    nieuwKasPanel_->show();
    nieuwKasPanel_->raise();
  }

  for (const MenuItem p : {MenuItem::BeeldTransactie, MenuItem::BeeldBelegging, MenuItem::BeeldValuta})
    Actie(p).setChecked(false);
  transStock_->hide();
  valutaBalk_->hide();

  if (stand.kasOpen) {
    kasOpen_->setText(kKasOpen + QString::fromStdString(kb_.KasJaar));
    kasOpen_->adjustSize();
    // Below the selection panel, which may open while the label shows.
    kasOpen_->move(width() / 2 - 85, 260);
    kasOpen_->show();
    kasOpen_->raise();
  }
  const bool compleet = VernieuwBoek(kb_).Gelukt();

  kb_.BtwActief = stand.btwActief;
  btwLabel_->setVisible(stand.btwActief);
  Actie(MenuItem::BtwBerekening).setVisible(stand.btwActief);
  VolgKoppelingen();
  return compleet;
}

void TValdero::ToonBoekNaam() {
  // A book another program holds, or a write-protected file, was opened to
  // read only: say so where the user looks, since every save of it will be
  // refused.
  setWindowTitle(kb_.sessie.AlleenLezen ? QStringLiteral("Valdero  (alleen-lezen)")
                                 : QStringLiteral("Valdero  "));
  if (!kb_.RekGelezen) return;
  kasNaamLabel_->setText(QString::fromStdString(kb_.sessie.KasNaam));
  kasNaamLabel_->adjustSize();
  kasNaamLabel_->show();
}

void TValdero::PasConfigToe() {
  valdero::PasConfigToe(kb_);
  const ValutaKnoppen k = BepaalValutaKnoppen(kb_);
  auto zet = [](QToolButton* b, const ValutaKnop& s) {
    b->setProperty("positie", s.positie);
    b->setEnabled(s.aan);
    b->setChecked(s.ingedrukt);
  };
  zet(eurBtn_, k.eur);
  zet(usdBtn_, k.usd);
  zet(enpBtn_, k.enp);
  auxiliar_->setEnabled(k.overig.aan);
  auxiliar_->setChecked(k.overig.ingedrukt);

  const int v = kb_.Config.Vlaggen;
  beleggingActief_ = BeleggingActief(kb_);
  Actie(MenuItem::BeeldTransactie).setChecked(v & vlag::TransactieBalk);
  Actie(MenuItem::BeeldBelegging).setChecked(v & vlag::BeleggingBalk);
  Actie(MenuItem::BeeldValuta).setChecked(v & vlag::ValutaBalk);
  transStock_->setVisible(v & (vlag::TransactieBalk | vlag::BeleggingBalk));
  for (QAction* a : boekKnoppen_) a->setEnabled(v & vlag::TransactieBalk);
  for (QAction* a : beleggingKnoppen_) a->setEnabled((v & vlag::BeleggingBalk) && beleggingActief_);
  valutaBalk_->setVisible(v & vlag::ValutaBalk);
  valutaBalk_->raise();

  QAction* startup = &Actie(MenuItem::StartupToggle);
  if (v & vlag::StartMaximaal) {
    startup->setText(QStringLiteral("Normaal venster"));
    if (isVisible()) showMaximized(); else setWindowState(windowState() | Qt::WindowMaximized);
  } else {
    startup->setText(QStringLiteral("Startup Max.venster"));
    if (isVisible()) showNormal(); else setWindowState(windowState() & ~Qt::WindowMaximized);
  }
}

void TValdero::WerkbalkToggle(int bit) {
  const bool aan = !(kb_.Config.Vlaggen & bit);
  if (aan)
    kb_.Config.Vlaggen |= bit;
  else
    kb_.Config.Vlaggen &= ~bit;
  const int v = kb_.Config.Vlaggen;
  Actie(MenuItem::BeeldTransactie).setChecked(v & vlag::TransactieBalk);
  Actie(MenuItem::BeeldBelegging).setChecked(v & vlag::BeleggingBalk);
  Actie(MenuItem::BeeldValuta).setChecked(v & vlag::ValutaBalk);
  transStock_->setVisible(v & (vlag::TransactieBalk | vlag::BeleggingBalk));
  if (bit == vlag::TransactieBalk)
    for (QAction* a : boekKnoppen_) a->setEnabled(aan);
  if (bit == vlag::BeleggingBalk)
    for (QAction* a : beleggingKnoppen_) a->setEnabled(aan && beleggingActief_);
  valutaBalk_->setVisible(v & vlag::ValutaBalk);
  SchrijfConfig();
}

}  // namespace valdero
