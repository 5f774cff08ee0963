#pragma once
// The main window: menu bar, tool bars, the action panel, the coloured labels
// that tell what is open, the start, date and selection panels, and the
// four-part status bar with its clock. Its parts are built in separate files
// (menus, tool bars, panels, dispatch, status bar, loading).

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/shell/MenuItems.h"
#include "model/shell/SelectieLijst.h"
#include "model/shell/VensterLijst.h"
#include "model/storage/BoekLaden.h"
#include "ui/shell/LevensloopCommandos.h"
#include "ui/shell/VensterOpeners.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolBar;
class QToolButton;

namespace valdero {

class BoekLader;
class Kasboek;

class TValdero : public QMainWindow {
  Q_OBJECT
 public:
  // Loads the book at once (LaadBoek at start-up) with `lader`, which must
  // outlive the window; `argument` is the book named on the command line,
  // or empty.
  TValdero(Kasboek& kb, BoekLader& lader, std::string argument, QWidget* parent = nullptr);
  ~TValdero() override;

  Kasboek& Boek() { return kb_; }
  // The windows and the life-cycle commands, plugged in by the wiring once
  // they exist (each stays with the window until it is unplugged). Until
  // then the entries that need them stay disabled.
  void Koppel(VensterOpeners& vensters);
  void Koppel(LevensloopCommandos& levensloop);
  void Ontkoppel(const VensterOpeners& vensters);
  void Ontkoppel(const LevensloopCommandos& levensloop);
  // Call after plugging or after the windows behind them changed: entries
  // follow what now exists. A book loaded before the password check existed
  // has its password asked here, before the window is ever shown.
  void KoppelingenBijgewerkt();
  // The password of the book just loaded was not given: the book is out of
  // memory again and the window closes (the program ends). The desktop
  // program does not show the window at all then.
  bool ToegangGeweigerd() const { return toegangGeweigerd_; }
  // Asks for help on a topic number, 0 for the contents.
  void Help(int topic) { emit HelpGevraagd(topic); }

  // Loading a book and bringing the window up to date.
  LaadUitkomst LaadBoek(bool bijStart);
  // False when the book's lists could not be put together.
  bool VernieuwHoofdvenster();
  void PasConfigToe();

  // The window list of "Bee&ld".
  void Registreer(int nummer, QWidget* venster);
  void MeldAf(int nummer);
  const VensterLijst& Lijst() const { return vensterLijst_; }

  // The start-date panel of the life-cycle commands.
  void ToonDatumPanel(double datum);
  // In its new-year use it offers only the days from van to tot.
  void ToonDatumPanel(double datum, double van, double tot);

  // What the life-cycle commands switch on the window (TValderoLevensloop.cpp).
  void NieuweRekeningGemaakt();
  void NieuweGroepenGemaakt();
  void WachtwoordToegestaan();
  // "BasisMunt: " and the currency buttons after the base currency changed.
  void ToonBasisMunt();
  // The book's name and its read-only state where the user looks: the name
  // label and the caption (after a load and after "Bewaren &als...").
  void ToonBoekNaam();
  // The booking window blocks the menu it came from while a record is on
  // its panel ("&Transacties", or "Bele&ggingen" for securities).
  void BlokkeerMenu(bool effecten, bool geblokkeerd);
  // Makes the bank import available again (the statement window closing).
  void ImportWeerMogelijk() { importMogelijk_ = true; }

  // The entries the program works with, by name; every one exists once the
  // menus are built (checked on construction).
  QAction& Actie(MenuItem item) const;
  // Every menu item by its path of captions ("&Bestand|Open &Rekening"), in
  // menu order, for whoever checks the menus themselves; the tag is the
  // action's data. Null for a path that is no entry.
  QAction* Actie(const QString& pad) const;
  const std::vector<std::pair<QString, QAction*>>& Acties() const { return acties_; }
  // The pop-up menus of the action panel.
  QMenu* BoekingPopup() const { return popupBoeking_; }
  QMenu* BeleggingPopup() const { return popupBelegging_; }
  QMenu* ImportPopup() const { return popupImport_; }

  int Activeringen() const { return activering_; }

 signals:
  void HelpGevraagd(int topic);

 protected:
  bool event(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  // Construction of the parts (one file each).
  void MaakMenus();
  void MaakWerkbalken();
  void MaakMenuPanel();
  void MaakPanelen();
  void MaakLabels();
  void MaakStatusBalk();
  void ZetStatusBreedtes();
  void PlaatsLabels();

  // Menu building: an item under a menu, remembered by its path; `nodig`
  // says whether the window or command behind it exists.
  QAction* Item(QMenu* menu, const QString& opschrift, int tag, std::function<void(int)> actie,
                std::function<bool()> nodig = {});
  QMenu* Sub(QMenu* menu, const QString& opschrift);
  QString Pad(QMenu* menu) const;
  void Zet(MenuItem item, bool aan);
  bool Aan(MenuItem item) const;

  // Dispatch.
  void OpenRekening();
  void OpenBudget(int tag);
  void OpenRelatie();
  void Importeer(int formaat);
  void Boeking(int mode);
  void ToolBoeking(int mode);
  void ToolBelegging(int mode);
  void Rapport(int tag);
  void Grafiek(int tag);
  void OpenRapport(int tag, int keuze);
  void Agenda();
  void ToonPopup(QMenu* menu, QWidget* knop);
  void WerkbalkToggle(int bit);
  void Opties(int pagina);
  void Persoonsdata();
  void StartupToggle();
  void ToonVerantwoording();
  void Valuta(QToolButton* knop);
  void SchrijfConfig();

  // The selection panel.
  void ToonSelectie(SelectieLijst lijst, int mode, QAction* vrager);
  void SelectieEnter();
  void SelectieEscape();
  void NieuwKasOk();

  // The window list entries in "Bee&ld".
  void RegistreerNummer(int nummer);  // the window the openers have under it
  void VernieuwVensterMenu();
  void ZetUit(int nummer, MenuItem item);
  void ZetUit(int nummer, QAction* a);

  void Klok();
  void ZetStatus(int panel, const QString& tekst);
  void VolgKoppelingen();
  bool Heeft(VensterOpeners::Venster venster) const { return vensters_ && vensters_->Heeft(venster); }
  bool Heeft(LevensloopCommandos::Commando commando) const {
    return levensloop_ && levensloop_->Heeft(commando);
  }

  Kasboek& kb_;
  BoekLader& lader_;
  VensterOpeners* vensters_ = nullptr;         // none until plugged in
  LevensloopCommandos* levensloop_ = nullptr;  // none until plugged in
  std::string argument_;

  VensterLijst vensterLijst_;
  std::map<int, std::vector<QPointer<QAction>>> uitgezet_;  // re-enabled when the window closes
  std::vector<std::pair<QString, QAction*>> acties_;
  std::map<QAction*, std::function<bool()>> nodig_;  // entries that need a window or command
  std::map<QAction*, bool> gewenst_;  // enabled as far as the open book goes
  std::vector<QAction*> vensterActies_;

  int activering_ = 0;
  bool controleBezig_ = false;
  bool toegangGeweigerd_ = false;
  // The password check after a load, before anything of the book is shown,
  // whatever activates the window or not. False when access was refused.
  bool ControleerToegang();
  bool importMogelijk_ = true;
  bool transferActief_ = false;
  bool beleggingActief_ = false;

  // Parts.
  QWidget* achtergrond_ = nullptr;
  QToolBar* transStock_ = nullptr;
  std::vector<QAction*> boekKnoppen_, beleggingKnoppen_;
  QWidget* valutaBalk_ = nullptr;
  QToolButton *eurBtn_ = nullptr, *usdBtn_ = nullptr, *enpBtn_ = nullptr, *auxiliar_ = nullptr,
              *valutaBtn_ = nullptr;
  QWidget* menuPanel_ = nullptr;
  QPushButton *bankBtn_ = nullptr, *groepBtn_ = nullptr;
  QMenu *popupBoeking_ = nullptr, *popupBelegging_ = nullptr, *popupImport_ = nullptr;
  QMenu* beeld_ = nullptr;
  QGroupBox* nieuwKasPanel_ = nullptr;
  QButtonGroup* valDrKeuze_ = nullptr;
  QGroupBox* datumPanel_ = nullptr;
  QDateEdit* datumKeuze_ = nullptr;
  QGroupBox* selectPanel_ = nullptr;
  QLabel* selectLabel_ = nullptr;
  QComboBox* selectBox_ = nullptr;
  QLabel* kasNaamLabel_ = nullptr;
  QLabel* kasOpen_ = nullptr;
  QLabel* btwLabel_ = nullptr;
  std::vector<QLabel*> status_;
  QTimer* timer_ = nullptr;

  // What the selection panel was opened for.
  SelectieLijst selectie_;
  int selectieMode_ = 0;
  QPointer<QAction> selectieVrager_;
};

}  // namespace valdero
