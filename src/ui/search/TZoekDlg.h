#pragma once
// The search dialog: the booking window's record picker (modal) and the
// free search "Zoek kasrecord" of the main menu (non-modal). It moves text
// between its widgets and ZoekModel, which decides what is listed, found
// and picked.

#include <QDialog>
#include <QMetaMethod>
#include <array>
#include <functional>

#include "model/bookings/RecordKiezer.h"
#include "model/search/ZoekModel.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QTableWidget;
class QWidget;

namespace valdero {

class Kasboek;
class ZoekTabelModel;

class TZoekDlg : public QDialog, public RecordKiezer {
  Q_OBJECT
 public:
  // The main window is the parent: the dialog places itself by its corner.
  // `bewaar` writes the book after a deletion (StandaardBewaarder in the
  // program).
  TZoekDlg(Kasboek& kb, std::function<void(Kasboek&)> bewaar, QWidget* hoofdvenster = nullptr);
  // The table's model reads the window's own model: the view goes first.
  ~TZoekDlg() override;

  // The picker: lists the records for the booking mode and waits.
  KiesResultaat KiesRecord(int modus, const std::string& titel) override;
  // What KiesRecord does before it waits; shows the dialog without blocking.
  void BeginKiezer(int modus, const std::string& titel);
  // The free search, shown without blocking.
  void ToonVrijZoeken();

  ZoekModel& Model() { return model_; }

 public slots:
  // After a change made from the free search.
  void Ververs();

 signals:
  // The free search closed: the main window takes it off its window list.
  void Gesloten();
  void HelpGevraagd(int topic);
  // "&Wijzigen" of the pop-up menu: the booking window opens the record in
  // mode 200 and calls Ververs after saving. Disabled while nothing is
  // connected.
  void WijzigenGevraagd(int positie);
  // The drill-downs into the group overview (mode 41, 42 or 43 and the
  // index that overview takes). Disabled while nothing is connected.
  void GroepRapportGevraagd(int modus, int index);

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  template <typename Signaal>
  bool Gekoppeld(Signaal signaal) const {
    return isSignalConnected(QMetaMethod::fromSignal(signaal));
  }
  void ToonKoppelingen();
  void BouwRaster();
  void BouwVeldKeuze();
  void BouwDetail();
  void BouwMenu();
  void Herschik(int modus, const QString& titel);
  void ToonRijen();
  void ToonStand();
  void ZetKolomBreedtes();
  void ZetRasterHoogte();
  int Rij() const;  // the model's row of the grid's current row

  void VeldKlik(int veld);
  void ZoekKlik();
  void OpnieuwKlik();
  void RichtingKlik();
  void OKKlik();
  void KopieKlik();
  void RijKlik(int rij);
  void RijDubbelKlik(int rij);
  void RijMenu(const QPoint& plek);
  void VerwijderKlik();
  void Doorzoek(int modus);
  void TekstGewijzigd(const QString& tekst);
  void Gesloten_();

  ZoekModel model_;
  int getoondeVersie_ = -1;
  int menuRij_ = 0;

  QLabel* aantalLab_ = nullptr;
  QLabel* muntLabel_ = nullptr;
  QLabel* nietsGevonden_ = nullptr;
  QTableView* raster_ = nullptr;
  ZoekTabelModel* tabel_ = nullptr;
  QGroupBox* veldGroup_ = nullptr;
  QButtonGroup* veldKnoppen_ = nullptr;
  QWidget* zoekPanel_ = nullptr;
  QLabel* zoekLabel_ = nullptr;
  QLineEdit* zoekTekst_ = nullptr;
  QComboBox* zoekLijst_ = nullptr;
  QDateEdit* zoekDatum_ = nullptr;
  QCheckBox* beginTekst_ = nullptr;
  QPushButton* zoek_ = nullptr;
  QPushButton* opnieuw_ = nullptr;
  QPushButton* richting_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* schrap_ = nullptr;
  QPushButton* kopie_ = nullptr;
  QTableWidget* detail_ = nullptr;
  QMenu* popup_ = nullptr;
  QAction* wijzigActie_ = nullptr;
  std::array<QAction*, 3> doorzoekActies_{};
};

}  // namespace valdero
