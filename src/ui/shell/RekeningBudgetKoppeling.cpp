#include "model/reports/ReportSelection.h"
#include "model/shell/RapportVoorschrift.h"
#include "ui/accounts/TRekbeheerForm.h"
#include "ui/accounts/TRekenForm.h"
#include "ui/groups/TBudgetForm.h"
#include "ui/shell/TValdero.h"
#include "ui/shell/Vensters.h"

namespace valdero {

namespace {

// The report kind of one account in the overview window and (plus 100) in
// the chart window; the window-list numbers of those windows.
constexpr int kRekeningRapport = 1;
constexpr int kRapportVenster = 5;
constexpr int kGrafiekVenster = 6;

}  // namespace

void Vensters::KoppelRekeningEnBudget(TRekenForm& rekeningen, TRekbeheerForm& beheer, TBudgetForm& budget,
                                      const ReportSelection* selectie) {
  TValdero& hoofd = hoofd_;
  rekeningen_ = &rekeningen;
  perNummer_[1] = &rekeningen;
  QObject::connect(&rekeningen, &TRekenForm::Gesloten, &hoofd, [&hoofd] {
    if (hoofd.Lijst().Geregistreerd(1)) hoofd.MeldAf(1);
  });

  budget_ = &budget;
  budgetSelectie_ = selectie;
  perNummer_[2] = &budget;
  perNummer_[3] = &budget;
  QObject::connect(&budget, &TBudgetForm::Gesloten, &hoofd, [&hoofd](int nummer) {
    if (hoofd.Lijst().Geregistreerd(nummer)) hoofd.MeldAf(nummer);
  });

  rekeningBeheer_ = &beheer;
  if (overzicht_)
    QObject::connect(&beheer, &TRekbeheerForm::RapportGevraagd, &hoofd,
                     [this](int positie) { OpenRapportVan(kRekeningRapport, positie, kRapportVenster); });
  if (grafiek_)
    QObject::connect(&beheer, &TRekbeheerForm::GrafiekGevraagd, &hoofd,
                     [this](int positie) { OpenRapportVan(kRekeningRapport + 100, positie, kGrafiekVenster); });

  QObject::connect(&rekeningen, &TRekenForm::GroepenVeranderd, &budget, &TBudgetForm::Ververs);
  QObject::connect(&beheer, &TRekbeheerForm::GroepenVeranderd, &budget, &TBudgetForm::Ververs);
}

void Vensters::OpenRekeningen() {
  if (rekeningen_) rekeningen_->Open();
}

void Vensters::OpenBudget(int mode, const RapportVoorschrift& voorschrift) {
  if (!budget_) return;
  // View 6 shows the classes the selection dialog chose.
  std::vector<std::string> klassen;
  if (budgetSelectie_)
    for (const std::string& k : budgetSelectie_->Klassen)
      if (!k.empty()) klassen.push_back(k);
  budget_->Open(mode, voorschrift.periode, klassen, &hoofd_);
}

void Vensters::OpenRekeningBeheer() {
  if (rekeningBeheer_) rekeningBeheer_->Toon(&hoofd_);
}

}  // namespace valdero
