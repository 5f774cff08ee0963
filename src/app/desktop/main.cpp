// valdero [BOEK]: the desktop program. Shows the splash, creates the
// long-lived windows in their fixed order (the main window loads the book as
// it is created) and runs the event loop until the main window closes.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QThread>
#include <QTimer>
#include <filesystem>

#ifdef VALDERO_SCHERMAFDRUK
// Only in valdero-schermafdruk, the build of this program that the screenshot
// script drives; the program users get reads no such variables.
#include "Schermafdruk.h"
#endif
#include "ui/accounts/TNieuwRekenDlg.h"
#include "ui/accounts/TRekbeheerForm.h"
#include "ui/accounts/TRekenForm.h"
#include "ui/shell/QtBoekingVensters.h"
#include "model/bookings/StandaardBewaarder.h"
#include "ui/bookings/TBoekingForm.h"
#include "ui/charts/TGrafiekForm.h"
#include "model/core/BoekNaam.h"
#include "model/core/Kasboek.h"
#include "model/core/Getalnotatie.h"
#include "model/core/Klok.h"
#include "model/core/SysteemBestanden.h"
#include "ui/groups/TBudbeheerForm.h"
#include "ui/groups/TBudgetForm.h"
#include "ui/groups/TNewBudgetDlg.h"
#include "model/reports/ReportSelection.h"
#include "ui/reports/TBTWUitDlg.h"
#include "ui/reports/TGroepUitDlg.h"
#include "ui/reports/TOutputForm.h"
#include "ui/reports/TSelectieDlg.h"
#include "ui/search/TZoekDlg.h"
#include "ui/export/TExportDataForm.h"
#include "ui/relations/TRelatieForm.h"
#include "ui/settings/TOptiesForm.h"
#include "ui/settings/TPasswordDlg.h"
#include "ui/settings/TPersonDlg.h"
#include "ui/shell/LevensloopKoppeling.h"
#include "ui/shell/TSplashForm.h"
#include "ui/shell/BoekLader.h"
#include "ui/shell/TValdero.h"
#include "ui/shell/Vensters.h"
#include "ui/widgets/Bronnen.h"
#include "ui/widgets/HelpVenster.h"
#include "ui/widgets/QtBerichten.h"
#include "ui/bankimport/TAfschriftForm.h"
#include "ui/bankimport/TCompareForm.h"
#include "ui/bankimport/TSelectMutForm.h"
#include "ui/widgets/QtPrinter.h"
#include "ui/widgets/QtVertaling.h"
#include "ui/widgets/VoortgangVenster.h"

using namespace valdero;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString titel = QStringLiteral("Valdero 10");
  QApplication::setApplicationName(titel);
  QApplication::setApplicationDisplayName(titel);
  LaadQtVertalingen(app);
  LaadBronnen();
#ifdef VALDERO_SCHERMAFDRUK
  ZetSchermafdrukKlaar();
#endif

  auto* splash = new TSplashForm;
  splash->show();
  QApplication::processEvents();

  QtBerichten berichten(titel);
  QObject::connect(&berichten, &QtBerichten::DialoogKomt, [&splash] {
    if (splash) splash->hide();
  });
  SysteemKlok klok;
  const QChar punt = QLocale::system().decimalPoint().front();
  VasteGetalnotatie getalnotatie(punt == QLatin1Char('.') ? '.' : ',');
  QtPrinter printer;
  SysteemBestanden bestanden;
  // Loading or saving a large book, a large report, an export or a bank file
  // shows a progress bar; the book of every Open is this one.
  VoortgangVenster voortgang;
  QObject::connect(&voortgang, &VoortgangVenster::VoorTonen, [&splash] {
    if (splash) splash->hide();
  });
  Kasboek kb({berichten, klok, getalnotatie, printer, bestanden, voortgang});
  std::error_code fout;
  kb.sessie.Map = std::filesystem::current_path(fout);

  HelpVenster help;
  auto helpVoor = [&help](int topic) { help.Toon(topic); };
  QObject::connect(&berichten, &QtBerichten::HelpGevraagd, &help, helpVoor);

  const std::string argument =
      argc > 1 ? BoekArgumentInMap(kb, QString::fromLocal8Bit(argv[1]).toStdString()) : std::string();

  // The long-lived windows, in this order: main window, bank statements,
  // bookings, statement comparison, budget, relations, accounts overview,
  // accounts, options, overviews, charts. Each window is plugged into the
  // main window's openers (`vensters`) as it comes.
  BoekLader lader;
  TValdero hoofd(kb, lader, argument);
  Vensters vensters(hoofd);
  QObject::connect(&hoofd, &TValdero::HelpGevraagd, &help, helpVoor);
  help.ZetHoofdvenster(&hoofd);
  berichten.ZetOuder(&hoofd);
  voortgang.ZetOuder(&hoofd);

  // The free search of "&Zoeken"; it writes the book after a deletion and
  // sits in the window list as an overview window while it is open.
  TZoekDlg zoeken(kb, StandaardBewaarder(), &hoofd);
  QObject::connect(&zoeken, &TZoekDlg::HelpGevraagd, &help, helpVoor);
  vensters.KoppelZoeken(zoeken);

  // The booking window (window 4). It picks records with a search dialog of
  // its own, so that a pick never disturbs an open free search.
  TZoekDlg kiezer(kb, StandaardBewaarder(), &hoofd);
  QObject::connect(&kiezer, &TZoekDlg::HelpGevraagd, &help, helpVoor);
  QtBoekingVensters boekingVensters(&hoofd);
  TBoekingForm boeking(kb, kiezer, boekingVensters, StandaardBewaarder(), &hoofd);
  QObject::connect(&boeking, &TBoekingForm::HelpGevraagd, &help, helpVoor);
  vensters.KoppelBoekingVenster(boeking, zoeken);

  // New, Open, Save, Save as, the new year and the password, with the
  // account dialog that New asks the first account with.
  TNieuwRekenDlg rekeningDlg(&hoofd);
  TPasswordDlg wachtwoordDlg(&hoofd);
  // The password of the book loaded at start-up is asked as soon as the
  // life-cycle commands are plugged in, while the splash still shows: the
  // question must not be hidden behind it.
  struct VoorSplash final : WachtwoordVoerder {
    WachtwoordVoerder& dlg;
    TSplashForm*& splash;
    VoorSplash(WachtwoordVoerder& d, TSplashForm*& s) : dlg(d), splash(s) {}
    int Toon(WachtwoordScherm& scherm) override {
      if (splash) splash->hide();
      return dlg.Toon(scherm);
    }
  } wachtwoordVoerder(wachtwoordDlg, splash);
  LevensloopKoppeling levensloopKoppeling(hoofd, rekeningDlg, wachtwoordVoerder);

  // The budget window (windows 2 and 3), the accounts manager of the action
  // panel's "Rekeningen" and the accounts window (window 1).
  TBudgetForm budget(kb, &hoofd);
  QObject::connect(&budget, &TBudgetForm::HelpGevraagd, &help, helpVoor);
  TRekbeheerForm rekeningBeheer(kb, rekeningDlg, &hoofd);
  QObject::connect(&rekeningBeheer, &TRekbeheerForm::HelpGevraagd, &help, helpVoor);
  TRekenForm rekeningen(kb, rekeningDlg, &hoofd);

  // The bank statements (window 8), with the comparison window and the
  // account or group selection it opens; a new account is made with the
  // account dialog, a group it does not know with the group dialog.
  TCompareForm vergelijk(&hoofd);
  TSelectMutForm selectie(&hoofd);
  TNewBudgetDlg groepDlg(kb, &hoofd);
  auto nieuweGroep = [&kb, &groepDlg](const std::string& kode) -> std::optional<std::string> {
    const GroepResultaat r = groepDlg.NieuweGroep(kb.MaxGroep() + 1, kode, "", " U ", GroepWeergave{});
    if (!r.gelukt) return std::nullopt;
    return r.kode;
  };
  TAfschriftForm afschrift(kb, vergelijk, selectie, &rekeningDlg, nieuweGroep, &hoofd);
  QObject::connect(&afschrift, &TAfschriftForm::HelpGevraagd, &help, helpVoor);
  vensters.KoppelAfschrift(afschrift);

  // The groups manager of the action panel's "Groepen".
  TBudbeheerForm groepBeheer(kb, &hoofd);

  // The overviews (window 5) and the selection dialog, sharing one report
  // selection with the main window's launchers.
  ReportSelection rapportSelectie;
  TSelectieDlg selectieDlg(kb, rapportSelectie, &hoofd);
  TOutputForm overzicht(kb, rapportSelectie, &hoofd);
  QObject::connect(&overzicht, &TOutputForm::HelpGevraagd, &help, helpVoor);
  vensters.KoppelRapport(overzicht, selectieDlg, rapportSelectie);
  // The charts (window 6), on the same selection.
  TGrafiekForm grafiek(kb, rapportSelectie, &hoofd);
  vensters.KoppelGrafiek(grafiek, rapportSelectie, groepBeheer);
  // After the overview and the charts: the accounts manager opens its
  // account report and chart there.
  vensters.KoppelRekeningEnBudget(rekeningen, rekeningBeheer, budget, &rapportSelectie);
  // What the overview and the free search open on one transaction (the
  // booking window, a deletion, the group overview), the groups manager's
  // overview, and the VAT overview.
  TGroepUitDlg groepUit(kb, &hoofd);
  vensters.KoppelDoorzoeken(overzicht, zoeken, groepUit, boeking, boekingVensters, StandaardBewaarder());
  vensters.KoppelGroepBeheer(groepBeheer);
  TBTWUitDlg btwRapport(kb, &hoofd);
  vensters.KoppelBtwRapport(btwRapport);

  // Relations, options, personal data and the export.
  TRelatieForm relaties(kb, &hoofd);
  TOptiesForm opties(kb, &hoofd);
  TPersonDlg persoon(kb, &hoofd);
  TExportDataForm exportVenster(kb, &hoofd);
  QObject::connect(&exportVenster, &TExportDataForm::HelpGevraagd, &help, helpVoor);
  vensters.KoppelRelatiesOptiesExport(relaties, opties, persoon, exportVenster);

  hoofd.KoppelingenBijgewerkt();
  // The password was asked when the life-cycle commands came; refused, nothing of the
  // book is shown and the program ends.
  if (hoofd.ToegangGeweigerd()) {
    delete splash;
    return 0;
  }

  // The splash stays at least its 1.2 seconds.
  while (!splash->MagSluiten()) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(20);
  }
  splash->close();
  delete splash;
  splash = nullptr;

  hoofd.show();
#ifdef VALDERO_SCHERMAFDRUK
  ZetSchermafdrukCommando([&hoofd](const QString& pad) {
    hoofd.activateWindow();
    QTimer::singleShot(300, &hoofd, [&hoofd, pad] {
      if (QAction* a = hoofd.Actie(pad)) a->trigger();
    });
  });
#endif
  return QApplication::exec();
}
