#include "model/bookings/Posten.h"
#include "model/bookings/WijzigModus.h"
#include "model/core/Kasboek.h"
#include "model/reports/RapportSoort.h"
#include "model/shell/RapportVoorschrift.h"
#include "ui/bookings/TBoekingForm.h"
#include "ui/groups/TBudbeheerForm.h"
#include "ui/reports/TBTWUitDlg.h"
#include "ui/reports/TGroepUitDlg.h"
#include "ui/reports/TOutputForm.h"
#include "ui/search/TZoekDlg.h"
#include "ui/shell/QtBoekingVensters.h"
#include "ui/shell/TValdero.h"
#include "ui/shell/Vensters.h"

namespace valdero {
namespace {

// The window-list numbers of the booking window and the overview window
// (the free search is listed as an overview window while it is open).
constexpr int kBoekingVenster = 4;
constexpr int kRapportVenster = 5;

}  // namespace

void Vensters::KoppelDoorzoeken(TOutputForm& overzicht, TZoekDlg& vrijZoeken, TGroepUitDlg& groepUit,
                                TBoekingForm& boeking, QtBoekingVensters& boekingVensters,
                                std::function<void(Kasboek&)> bewaar) {
  TValdero& hoofd = hoofd_;
  Kasboek& kb = kb_;
  QObject::connect(&overzicht, &TOutputForm::WijzigenGevraagd, &boeking, [&boeking, &hoofd, &kb](int positie) {
    if (positie < 1 || positie > kb.MaxKas()) return;
    if (boeking.WijzigRecord(WijzigModusVoor(kb.KasLijst[static_cast<std::size_t>(positie)]), positie))
      hoofd.Registreer(kBoekingVenster, &boeking);
  });
  QObject::connect(&overzicht, &TOutputForm::VerwijderenGevraagd, &overzicht,
                   [&kb, &vrijZoeken, &overzicht, bewaar](int positie) {
                     if (positie < 1 || positie > kb.MaxKas()) return;
                     VerwijderBoekingen(kb, {positie});
                     if (bewaar) bewaar(kb);
                     if (vrijZoeken.isVisible()) vrijZoeken.Ververs();
                     overzicht.Verwijderd();
                   });
  // After a change started in either window, both show the book again.
  QObject::connect(&boekingVensters, &QtBoekingVensters::VerversGevraagd, &overzicht, [&vrijZoeken, &overzicht] {
    if (vrijZoeken.isVisible()) vrijZoeken.Ververs();
    if (overzicht.isVisible()) overzicht.RefreshReport();
  });
  QObject::connect(&overzicht, &TOutputForm::GroepRapportGevraagd, &groepUit, &TGroepUitDlg::ShowGroupOverview);
  // The free search looks over all accounts.
  QObject::connect(&vrijZoeken, &TZoekDlg::GroepRapportGevraagd, &groepUit,
                   [&groepUit](int modus, int index) { groepUit.ShowGroupOverview(modus, 0, index); });
}

void Vensters::KoppelGroepBeheer(TBudbeheerForm& beheer) {
  groepBeheer_ = &beheer;
  if (!overzicht_) return;
  QObject::connect(&beheer, &TBudbeheerForm::RapportGevraagd, &hoofd_,
                   [this](int positie) { OpenRapportVan(rapport::Groep, positie, kRapportVenster); });
}

void Vensters::OpenGroepBeheer() {
  if (groepBeheer_) groepBeheer_->Toon(&hoofd_);
}

void Vensters::KoppelBtwRapport(TBTWUitDlg& btw) {
  TValdero& hoofd = hoofd_;
  btw_ = &btw;
  perNummer_[kBtwVenster] = &btw;
  QObject::connect(&btw, &TBTWUitDlg::Gesloten, &hoofd, [&hoofd] {
    if (hoofd.Lijst().Geregistreerd(kBtwVenster)) hoofd.MeldAf(kBtwVenster);
  });
}

void Vensters::OpenBtwRapport(int rekNr, int aantalRegels) {
  if (btw_) btw_->ShowVatOverview(rekNr, aantalRegels);
}

void Vensters::KoppelZoeken(TZoekDlg& zoeken) {
  TValdero& hoofd = hoofd_;
  zoeken_ = &zoeken;
  QObject::connect(&zoeken, &TZoekDlg::Gesloten, &hoofd, [&hoofd] { hoofd.MeldAf(kRapportVenster); });
}

void Vensters::OpenZoeken() {
  if (!zoeken_) return;
  const bool alOpen = zoeken_->isVisible();
  zoeken_->ToonVrijZoeken();
  if (!alOpen) hoofd_.Registreer(kRapportVenster, zoeken_);
}

}  // namespace valdero
