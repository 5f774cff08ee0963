#include "ui/shell/RekeningBudgetKoppeling.h"

#include "model/reports/ReportSelection.h"
#include "model/shell/RapportVoorschrift.h"
#include "ui/accounts/TRekbeheerForm.h"
#include "ui/accounts/TRekenForm.h"
#include "ui/groups/TBudgetForm.h"
#include "ui/shell/TValdero.h"

namespace valdero {

namespace {

// The report kind of one account in the overview window and (plus 100) in
// the chart window; the window-list numbers of those windows.
constexpr int kRekeningRapport = 1;
constexpr int kOverzichtVenster = 5;
constexpr int kGrafiekVenster = 6;

}  // namespace

void KoppelRekeningEnBudget(TValdero& hoofd, TRekenForm& rekeningen, TRekbeheerForm& beheer, TBudgetForm& budget,
                            const ReportSelection* selectie) {
  VensterHaken& v = hoofd.Vensters();
  v.rekeningen = [&rekeningen] { rekeningen.Open(); };
  v.perNummer[1] = &rekeningen;
  QObject::connect(&rekeningen, &TRekenForm::Gesloten, &hoofd, [&hoofd] {
    if (hoofd.Lijst().Geregistreerd(1)) hoofd.MeldAf(1);
  });

  // View 6 shows the classes the selection dialog chose.
  v.budget = [&budget, &hoofd, selectie](int mode, const RapportVoorschrift& voorschrift) {
    std::vector<std::string> klassen;
    if (selectie)
      for (const std::string& k : selectie->Klassen)
        if (!k.empty()) klassen.push_back(k);
    budget.Open(mode, voorschrift.periode, klassen, &hoofd);
  };
  v.perNummer[2] = &budget;
  v.perNummer[3] = &budget;
  QObject::connect(&budget, &TBudgetForm::Gesloten, &hoofd, [&hoofd](int nummer) {
    if (hoofd.Lijst().Geregistreerd(nummer)) hoofd.MeldAf(nummer);
  });

  v.rekeningBeheer = [&beheer, &hoofd] { beheer.Toon(&hoofd); };
  auto rapport = [&hoofd](std::function<void(int, int, const RapportVoorschrift&)> VensterHaken::*haak, int soort,
                          int nummer) {
    return [&hoofd, haak, soort, nummer](int positie) {
      VensterHaken& h = hoofd.Vensters();
      (h.*haak)(soort, positie, OverzichtVoorschrift(soort));
      hoofd.Registreer(nummer, h.perNummer.count(nummer) ? h.perNummer[nummer] : nullptr);
    };
  };
  if (v.overzicht)
    QObject::connect(&beheer, &TRekbeheerForm::OverzichtGevraagd, &hoofd,
                     rapport(&VensterHaken::overzicht, kRekeningRapport, kOverzichtVenster));
  if (v.grafiek)
    QObject::connect(&beheer, &TRekbeheerForm::GrafiekGevraagd, &hoofd,
                     rapport(&VensterHaken::grafiek, kRekeningRapport + 100, kGrafiekVenster));

  QObject::connect(&rekeningen, &TRekenForm::GroepenVeranderd, &budget, &TBudgetForm::Ververs);
  QObject::connect(&beheer, &TRekbeheerForm::GroepenVeranderd, &budget, &TBudgetForm::Ververs);
}

}  // namespace valdero
