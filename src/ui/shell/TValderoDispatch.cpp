// What the menu items, tool buttons and pop-ups do: each hands its tag to the
// window it opens, disables itself while that window is open and registers
// the window in the window list.
#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "model/core/Berichten.h"
#include "model/storage/BoekLaden.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/shell/SelectieLijst.h"
#include "model/shell/HoofdvensterStand.h"
#include "model/shell/StatusTeksten.h"
#include "ui/shell/TValdero.h"

namespace valdero {

void TValdero::ZetUit(int nummer, MenuItem item) { ZetUit(nummer, &Actie(item)); }

void TValdero::ZetUit(int nummer, QAction* a) {
  if (!a) return;
  a->setEnabled(false);
  uitgezet_[nummer].push_back(a);
}

void TValdero::RegistreerNummer(int nummer) {
  Registreer(nummer, vensters_ ? vensters_->VensterVan(nummer) : nullptr);
}

void TValdero::OpenRekening() {
  if (!Heeft(VensterOpeners::Venster::Rekeningen)) return;
  vensters_->OpenRekeningen();
  ZetUit(1, MenuItem::OpenRekening);
  RegistreerNummer(1);
}

void TValdero::OpenBudget(int tag) {
  if (!Heeft(VensterOpeners::Venster::Budget)) return;
  const RapportVoorschrift v = VoorschriftVoor(tag);
  if (tag == 5) {
    ToonSelectie(PeriodeSelectie(), tag, &Actie(MenuItem::OpenBudget));
    return;
  }
  if (v.dialoog && !(Heeft(VensterOpeners::Venster::Selectie) && vensters_->VraagSelectie(tag).bevestigd)) return;
  vensters_->OpenBudget(tag, v);
  const int nummer = tag == 1 ? 2 : 3;
  ZetUit(nummer, MenuItem::OpenGroep);
  ZetUit(nummer, MenuItem::OpenBudget);
  RegistreerNummer(nummer);
}

void TValdero::OpenRelatie() {
  if (!Heeft(VensterOpeners::Venster::Relaties)) return;
  if (vensters_->OpenRelaties()) {
    ZetUit(10, MenuItem::OpenRelatie);
    RegistreerNummer(10);
  }
}

void TValdero::Importeer(int formaat) {
  if (!Heeft(VensterOpeners::Venster::Importeren)) return;
  const bool gelukt = vensters_->Importeer(formaat);
  Zet(MenuItem::Importeren, true);
  // A successful import holds the pop-up until the statement window closes.
  importMogelijk_ = !gelukt;
  if (gelukt) RegistreerNummer(8);
}

void TValdero::Boeking(int mode) {
  if (!Heeft(VensterOpeners::Venster::Boeking)) return;
  vensters_->OpenBoeking(mode);
  RegistreerNummer(4);
}

void TValdero::BlokkeerMenu(bool effecten, bool geblokkeerd) {
  // Unblocking gives back what the open book allows.
  Zet(effecten ? MenuItem::Beleggingen : MenuItem::Transacties,
      !geblokkeerd && BepaalHoofdvensterStand(kb_).boeken);
}

void TValdero::ToolBoeking(int mode) {
  if (Aan(MenuItem::Transacties)) Boeking(mode);
}

void TValdero::ToolBelegging(int mode) {
  if (Aan(MenuItem::Beleggingen)) Boeking(mode);
}

void TValdero::Agenda() {
  // Plans are posted and deleted while the book stays open: ask the book
  // itself rather than what it held when it was loaded.
  transferActief_ = TransferActief(kb_);
  if (transferActief_ && Heeft(VensterOpeners::Venster::Boeking))
    Boeking(8);
  else
    kb_.berichten().BerichtDlg("Agenda niet actief, gebruik Transacties ", BerichtSoort::Waarschuwing, knop::OK);
}

void TValdero::Rapport(int tag) {
  QAction* vrager = qobject_cast<QAction*>(sender());
  switch (tag) {
    case 1:
      ToonSelectie(RekeningSelectie(kb_, true), tag, vrager);
      return;
    case 5:
    case 6:
      ToonSelectie(GroepSelectie(kb_), tag, vrager);
      return;
    case 150:
      ToonSelectie(BtwSelectie(kb_), tag, vrager);
      return;
    case 60:
      ToonSelectie(ExportSelectie(kb_), tag, vrager);
      return;
    case 40:
      if (Heeft(VensterOpeners::Venster::Zoeken)) vensters_->OpenZoeken();
      return;
    default:
      OpenRapport(tag, 0);
  }
}

void TValdero::Grafiek(int tag) {
  QAction* vrager = qobject_cast<QAction*>(sender());
  if (tag == 101)
    ToonSelectie(RekeningSelectie(kb_, false), tag, vrager);
  else if (tag == 105)
    ToonSelectie(GroepSelectie(kb_), tag, vrager);
  else
    OpenRapport(tag, 0);
}

// Overviews below mode 100, charts from 100 on.
void TValdero::OpenRapport(int tag, int keuze) {
  const bool grafiek = tag >= 100;
  if (!Heeft(grafiek ? VensterOpeners::Venster::Grafiek : VensterOpeners::Venster::Rapport)) return;
  const RapportVoorschrift v = VoorschriftVoorRapport(tag);
  if (v.dialoog) {
    if (!Heeft(VensterOpeners::Venster::Selectie)) return;
    const SelectieAntwoord a = vensters_->VraagSelectie(tag);
    if (!a.bevestigd) return;
    const int mode = grafiek ? tag - 100 : tag;
    if (mode == 16 && !a.relatieGekozen) {
      Mededeling(kb_, "Geen relatie gekozen");
      return;
    }
    if ((mode == 10 || mode == 15 || mode == 25) && !a.klassenGekozen) {
      Mededeling(kb_, "Geen klassen gekozen");
      return;
    }
  }
  QAction* vrager = selectieVrager_ && (tag == selectieMode_) ? selectieVrager_.data()
                                                              : qobject_cast<QAction*>(sender());
  if (grafiek)
    vensters_->OpenGrafiek(tag, keuze, v);
  else
    vensters_->OpenRapport(tag, keuze, v);
  const int nummer = grafiek ? 6 : 5;
  // A report with nothing to show leaves its window closed and its entry free.
  if (const QWidget* venster = vensters_->VensterVan(nummer); venster && !venster->isVisible()) return;
  ZetUit(nummer, vrager);
  RegistreerNummer(nummer);
}

void TValdero::Valuta(QToolButton* knop) {
  for (QToolButton* b : {eurBtn_, usdBtn_, enpBtn_, auxiliar_}) b->setChecked(b == knop && knop != auxiliar_);
  if (knop == auxiliar_) {
    auxiliar_->setChecked(false);
    ToonSelectie(ValutaSelectie(kb_), 0, nullptr);
    return;
  }
  kb_.weergave.HulpMunt = knop->property("positie").toInt();
}

void TValdero::Opties(int pagina) {
  if (!Heeft(VensterOpeners::Venster::Opties)) return;
  vensters_->OpenOpties(pagina);
  PasConfigToe();
  if (const std::string tekst = BasisMuntTekst(kb_, 10); !tekst.empty())
    ZetStatus(1, QString::fromStdString(tekst));
  RegistreerNummer(7);
}

void TValdero::Persoonsdata() {
  if (!Heeft(VensterOpeners::Venster::Persoonsdata)) return;
  vensters_->OpenPersoonsdata();
  SchrijfConfig();
}

void TValdero::SchrijfConfig() {
  if (vensters_) vensters_->SchrijfConfig();
}

void TValdero::StartupToggle() {
  QAction* a = &Actie(MenuItem::StartupToggle);
  if (kb_.Config.Vlaggen & vlag::StartMaximaal) {
    kb_.Config.Vlaggen &= ~vlag::StartMaximaal;
    showNormal();
    a->setText(QStringLiteral("Startup Max.venster"));
  } else {
    kb_.Config.Vlaggen |= vlag::StartMaximaal;
    showMaximized();
    a->setText(QStringLiteral("Normaal venster"));
  }
  SchrijfConfig();
}

}  // namespace valdero
