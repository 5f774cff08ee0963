#include "ui/accounts/RekeningBudgetKoppeling.h"

#include "model/shell/RapportVoorschrift.h"
#include "ui/accounts/TRekbeheerForm.h"
#include "ui/accounts/TRekenForm.h"
#include "ui/groups/TBudgetForm.h"
#include "ui/shell/TValdero.h"

namespace valdero {

void KoppelRekeningEnBudget(TValdero& hoofd, TRekenForm& rekeningen, TRekbeheerForm& beheer, TBudgetForm& budget) {
  VensterHaken& v = hoofd.Vensters();
  v.rekeningen = [&rekeningen] { rekeningen.Open(); };
  v.perNummer[1] = &rekeningen;
  QObject::connect(&rekeningen, &TRekenForm::Gesloten, &hoofd, [&hoofd] {
    if (hoofd.Lijst().Geregistreerd(1)) hoofd.MeldAf(1);
  });

  // View 6 needs the classes of the selection dialog; until that dialog
  // exists its menu entry stays disabled and no classes are passed.
  v.budget = [&budget, &hoofd](int mode, const RapportVoorschrift& voorschrift) {
    budget.Open(mode, voorschrift.periode, {}, &hoofd);
  };
  v.perNummer[2] = &budget;
  v.perNummer[3] = &budget;
  QObject::connect(&budget, &TBudgetForm::Gesloten, &hoofd, [&hoofd](int nummer) {
    if (hoofd.Lijst().Geregistreerd(nummer)) hoofd.MeldAf(nummer);
  });

  v.rekeningBeheer = [&beheer, &hoofd] { beheer.Toon(&hoofd); };

  QObject::connect(&rekeningen, &TRekenForm::GroepenVeranderd, &budget, &TBudgetForm::Ververs);
  QObject::connect(&beheer, &TRekbeheerForm::GroepenVeranderd, &budget, &TBudgetForm::Ververs);
}

}  // namespace valdero
