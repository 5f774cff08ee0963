#pragma once
// The overview window "V I Z U D E Z  O V E R Z I C H T E N ": one report at
// a time as a table with its heading above and its total fields below. It
// moves text between its widgets and RapportModel, which builds the report,
// pages, filters and writes it.

#include <QWidget>
#include <QMetaMethod>
#include <vector>

#include "model/reports/RapportModel.h"

class QButtonGroup;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QTableWidget;
class QWidget;

namespace valdero {

class Kasboek;
class RapportTabelModel;
struct ReportSelection;

class TOutputForm : public QWidget {
  Q_OBJECT
 public:
  TOutputForm(Kasboek& kb, ReportSelection& selectie, QWidget* hoofdvenster = nullptr);
  // The table's model reads the window's own model: the view goes first.
  ~TOutputForm() override;

  // Opens the report of a kind (account or group position for kinds 1, 5
  // and 6); the window is shown only when there is something to show.
  bool ShowReport(int soort, int index);
  // Builds the shown report again, e.g. after a deletion elsewhere.
  void RefreshReport();

  // The transaction asked for by VerwijderenGevraagd was deleted: the
  // report is built again and the deletion told.
  void Verwijderd();

  RapportModel& Model() { return model_; }
  QTableView* Tabel() const { return tabel_; }
  QMenu* Menu() const { return menu_; }
  // The column widths the text file and the printout use: the report's own,
  // or what the user dragged a column to. (On screen a column of dates or
  // numbers is widened to show them whole; that does not change the file.)
  std::vector<int> KolomBreedtes() const;
  int FontGrootte() const;

 signals:
  void Gesloten();
  void HelpGevraagd(int topic);
  // "&Wijzigen" and "&Verwijderen" of the pop-up menu: the booking window
  // opens the transaction of that index, or it is deleted (after the user
  // agreed; whoever deletes it calls Verwijderd). Disabled while nothing is
  // connected.
  void WijzigenGevraagd(int kasIndex);
  void VerwijderenGevraagd(int kasIndex);
  // "Selecteer &Groep", "Selecteer &Relatie" and "Selecteer &Klasse": the
  // group overview in mode 1, 2 or 3 for the account and the group or
  // transaction position. Disabled while nothing is connected.
  void GroepRapportGevraagd(int modus, int rekNr, int index);

 protected:
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  // Whether anything listens to one of the requests above.
  template <typename Signaal>
  bool Gekoppeld(Signaal signaal) const {
    return isSignalConnected(QMetaMethod::fromSignal(signaal));
  }
  void BouwVenster();
  void BouwMenu();
  void ToonTabel();
  void ToonTotalen();
  void ToonKnoppen();
  void KiesRij(int rij);
  void ToonDetail(int rij);
  void PeriodeOkClick();
  void MaandClick(int maand);
  void ContextMenu(const QPoint& punt);
  void BouwZoekPaneel();
  void ZoekBoeking();
  void ZoekTekst(const QString& tekst);
  void SluitZoeken();
  int GekozenKasIndex() const;

  Kasboek& kb_;
  RapportModel model_;
  QWidget* hoofdvenster_;
  int zoekStart_ = 0;
  std::vector<int> breedtes_;
  bool zetBreedtes_ = false;

  QLabel* kop_ = nullptr;
  QTableView* tabel_ = nullptr;
  RapportTabelModel* tabelModel_ = nullptr;
  QTableWidget* detail_ = nullptr;
  QWidget* periodePaneel_ = nullptr;
  QLineEdit* beginEdit_ = nullptr;
  QLineEdit* eindEdit_ = nullptr;
  QPushButton* okKnop_ = nullptr;
  QPushButton* tijdvakKnop_ = nullptr;
  QWidget* totaalPaneel_ = nullptr;
  QGridLayout* totaalRaster_ = nullptr;
  QLabel* aantal_ = nullptr;
  QLabel* munt_ = nullptr;
  QLabel* noot_ = nullptr;
  QLabel* afschriftSaldo_ = nullptr;
  QWidget* maandPaneel_ = nullptr;
  std::vector<QPushButton*> maanden_;
  QPushButton* volgende_ = nullptr;
  QPushButton* vorige_ = nullptr;
  QPushButton* verzamel_ = nullptr;
  QPushButton* opslaan_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* afschrift_ = nullptr;
  QPushButton* help_ = nullptr;
  QPushButton* sluit_ = nullptr;
  QMenu* menu_ = nullptr;
  // The search panel of the account and group reports.
  QWidget* zoekPaneel_ = nullptr;
  QButtonGroup* zoekVelden_ = nullptr;
  QLineEdit* zoekEdit_ = nullptr;
  QPushButton* richting_ = nullptr;
};

}  // namespace valdero
