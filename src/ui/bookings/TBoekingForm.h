#pragma once
// The booking window: the entry panel, the grid above it and the two action
// menus. It moves text between its widgets and BoekingModel, which decides
// every check, list, label, colour and focus move; the window shows what the
// model decides.

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "model/bookings/BoekingModel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace valdero {

class BoekingGridModel;

class Kasboek;

class TBoekingForm : public QWidget {
  Q_OBJECT
 public:
  // The main window is the parent: the window places itself by its corner.
  TBoekingForm(Kasboek& kb, RecordKiezer& kiezer, BoekingVensters& vensters,
               BoekBewaarder bewaar, QWidget* hoofdvenster = nullptr);
  // The table's model reads the window's own model: the view goes first.
  ~TBoekingForm() override;

  // A menu entry or button of the main window: the mode, fresh.
  bool Boeking(int modus);
  // The search dialog or overview window: change the record at `positie`
  // (modes 200 and 210) and close after saving.
  bool WijzigRecord(int modus, int positie);

  BoekingModel& Model() { return model_; }
  QMenu* PopupBoek() const { return popupBoek_; }
  QMenu* PopupBeleg() const { return popupBeleg_; }
  // The widget of a field tag (the combo box or the line edit).
  QWidget* Veld(int tag) const { return velden_[static_cast<std::size_t>(tag)]; }

 signals:
  // The menu that opened the window ("&Transacties" for modes below 10,
  // "Bele&ggingen" from 10) is blocked while a record is on the panel.
  void MenuBlokkade(bool effecten, bool geblokkeerd);
  // The window closed: the main window takes it off its window list.
  void Gesloten();
  void HelpGevraagd(int topic);

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  // Layout and fields (BoekingPaneel.cpp).
  void BouwPaneel();
  void BouwKnoppen();
  QLabel* Label(int tag, const QString& tekst);
  void MaakEdit(int tag, const char* naam, int maxLengte);
  void MaakCombo(int tag, const char* naam, int maxLengte, bool aanvullen);
  void PlaatsVelden();
  // Places the panel and the buttons for the grid shown or hidden; returns
  // the window's height for it.
  int Indeling();
  QLineEdit* Edit(int tag) const;

  // The grid (BoekingRaster.cpp).
  void BouwRaster();
  void ToonRaster();

  // The action menus (BoekingMenus.cpp).
  void BouwMenus();
  void ToonMenu();
  void MenuKeuze(int modus);

  // Glue to the model (TBoekingForm.cpp).
  void NaarModel();
  void Toon();
  void ToonVeld(int tag);
  void ZetFocus();
  void NaStart(bool klaar);
  void Enter(int tag);
  void BewaarKlik();
  void HerstelKlik();
  void SchrapKlik();
  void KasRekKlik();
  void SluitKlik();

  Kasboek& kb_;
  BoekingModel model_;
  // Fresh: opened from outside, so the model fills its lists and starts from
  // the defaults; once a record has been shown, the window's own menus
  // continue from the remembered values of the previous booking.
  bool vers_ = true;
  bool effectenGeblokkeerd_ = false;
  // What the grid shows now.
  bool gridGetekend_ = false;
  std::size_t getoondeAfdruk_ = 0;  // of the rows, the view and the font
  bool transactiesGeblokkeerd_ = false;

  std::array<QWidget*, veld::AantalVelden> velden_{};
  std::array<QLabel*, veld::AantalVelden> labels_{};
  std::array<std::vector<std::string>, veld::AantalVelden> getoondeLijsten_{};

  QGroupBox* panel_ = nullptr;
  QLineEdit* index_ = nullptr;
  QLabel* klasse_ = nullptr;
  QLabel* saldoLabel_ = nullptr;
  QLineEdit* saldo_ = nullptr;
  QCheckBox* opm_ = nullptr;
  QCheckBox* btw_ = nullptr;
  QPushButton* bewaar_ = nullptr;
  QPushButton* herstel_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* schrap_ = nullptr;
  QPushButton* kasRek_ = nullptr;
  QPushButton* help_ = nullptr;
  QLabel* rekenLab_ = nullptr;
  QTableView* raster_ = nullptr;
  BoekingGridModel* rasterModel_ = nullptr;
  QMenu* popupBoek_ = nullptr;
  QMenu* popupBeleg_ = nullptr;
  QAction* openTransfer_ = nullptr;
};

}  // namespace valdero
