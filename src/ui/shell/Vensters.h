#pragma once
// The shell's wiring of the windows: it opens them for the main window (it
// is the main window's VensterOpeners) and connects what one window asks of
// another. Each Koppel… plugs in a family of windows (in the file of that
// name); a window that was not plugged in is not `Heeft`, and the main
// window keeps its entries disabled. The desktop program and the tests
// share it.

#include <functional>
#include <map>

#include "ui/shell/VensterOpeners.h"

namespace valdero {

class Kasboek;
class QtBoekingVensters;
class TAfschriftForm;
class TBTWUitDlg;
class TBoekingForm;
class TBudbeheerForm;
class TBudgetForm;
class TExportDataForm;
class TGrafiekForm;
class TGroepUitDlg;
class TOptiesForm;
class TOutputForm;
class TPersonDlg;
class TRekbeheerForm;
class TRekenForm;
class TRelatieForm;
class TSelectieDlg;
class TValdero;
class TZoekDlg;
struct ReportSelection;

class Vensters final : public VensterOpeners {
 public:
  // Plugs itself into the main window, which must outlive it.
  explicit Vensters(TValdero& hoofd);
  ~Vensters() override;
  Vensters(const Vensters&) = delete;
  Vensters& operator=(const Vensters&) = delete;

  // The accounts window (window 1), the budget window (windows 2 and 3) and
  // the accounts manager of the action panel's "Rekeningen", with the
  // refill of the budget window when accounts bring or take their groups.
  // View 6 of the budget shows the classes `selectie` holds. After the
  // overview and the charts: the manager opens its account report and
  // chart there.
  void KoppelRekeningEnBudget(TRekenForm& rekeningen, TRekbeheerForm& beheer, TBudgetForm& budget,
                              const ReportSelection* selectie = nullptr);
  // The overview window (window 5) and the selection dialog; the one
  // ReportSelection is shared by the main window's launchers, the dialog,
  // the overview window and the charts.
  void KoppelRapport(TOutputForm& overzicht, TSelectieDlg& selectieDlg, ReportSelection& selectie);
  // The chart window (window 6); the groups manager's "Groep grafiek"
  // opens the chart of its group.
  void KoppelGrafiek(TGrafiekForm& grafiek, ReportSelection& selectie, TBudbeheerForm& groepBeheer);
  // The booking window (window 4): opened with the tag of the menu, button
  // or pop-up as mode, it blocks the menu it came from while a record is on
  // its panel, and the free search's "&Wijzigen" opens one record in it.
  void KoppelBoekingVenster(TBoekingForm& boeking, TZoekDlg& vrijZoeken);
  // What the overview window and the free search open on one transaction:
  // the booking window to change it, its deletion (`bewaar` writes the
  // book after it), and the group overview of its group, relation or class.
  // After a change saved in the booking window both show the book again.
  void KoppelDoorzoeken(TOutputForm& overzicht, TZoekDlg& vrijZoeken, TGroepUitDlg& groepUit,
                        TBoekingForm& boeking, QtBoekingVensters& boekingVensters,
                        std::function<void(Kasboek&)> bewaar);
  // The groups manager of the action panel's "Groepen"; its "Groep
  // overzicht" opens the group report (kind 5) in the overview window when
  // that is plugged in.
  void KoppelGroepBeheer(TBudbeheerForm& beheer);
  // "&Btw berekening": the VAT overview, a window of its own in the window
  // list; closing it enables the menu entry again.
  void KoppelBtwRapport(TBTWUitDlg& btw);
  // The relations window (10), the options window (7), the personal-data
  // dialog and the export window (9).
  void KoppelRelatiesOptiesExport(TRelatieForm& relaties, TOptiesForm& opties, TPersonDlg& persoon,
                                  TExportDataForm& exporteren);
  // The free search of "&Zoeken", in the window list as an overview
  // window while it is open.
  void KoppelZoeken(TZoekDlg& zoeken);
  // The bank statements (window 8): the import and "Mutaties Bewaren als...".
  void KoppelAfschrift(TAfschriftForm& afschrift);

  bool Heeft(Venster venster) const override;
  void OpenRekeningen() override;
  void OpenBudget(int mode, const RapportVoorschrift& voorschrift) override;
  bool OpenRelaties() override;
  void OpenBoeking(int mode) override;
  void OpenRapport(int mode, int keuze, const RapportVoorschrift& voorschrift) override;
  void OpenGrafiek(int mode, int keuze, const RapportVoorschrift& voorschrift) override;
  void OpenBtwRapport(int rekNr, int aantalRegels) override;
  void Exporteer(int rekNr) override;
  void OpenZoeken() override;
  SelectieAntwoord VraagSelectie(int mode) override;
  bool Importeer(int formaat) override;
  void BewaarMutatiesAls() override;
  void OpenRekeningBeheer() override;
  void OpenGroepBeheer() override;
  void OpenOpties(int pagina) override;
  void OpenPersoonsdata() override;
  void SchrijfConfig() override;
  QWidget* VensterVan(int nummer) const override;

 private:
  // Opens the report or chart of one account or group and puts its window
  // in the window list.
  void OpenRapportVan(int soort, int positie, int nummer);

  TValdero& hoofd_;
  Kasboek& kb_;
  std::map<int, QWidget*> perNummer_;  // the windows of the window list
  TRekenForm* rekeningen_ = nullptr;
  TBudgetForm* budget_ = nullptr;
  const ReportSelection* budgetSelectie_ = nullptr;
  TRekbeheerForm* rekeningBeheer_ = nullptr;
  TOutputForm* overzicht_ = nullptr;
  TSelectieDlg* selectieDlg_ = nullptr;
  ReportSelection* selectie_ = nullptr;
  TGrafiekForm* grafiek_ = nullptr;
  ReportSelection* grafiekSelectie_ = nullptr;
  TBoekingForm* boeking_ = nullptr;
  TBudbeheerForm* groepBeheer_ = nullptr;
  TBTWUitDlg* btw_ = nullptr;
  TRelatieForm* relaties_ = nullptr;
  TOptiesForm* opties_ = nullptr;
  TPersonDlg* persoon_ = nullptr;
  TExportDataForm* export_ = nullptr;
  TZoekDlg* zoeken_ = nullptr;
  TAfschriftForm* afschrift_ = nullptr;
};

}  // namespace valdero
