#pragma once
// The options window: four pages (classes, kinds, currencies, print options)
// over the configuration of the open book. Modal. The rules are in
// OptiesModel; each page copies its editor's widgets into the model before an
// action and shows the model afterwards.

#include <QDialog>
#include <functional>

#include "model/settings/Opties.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace valdero {

class Kasboek;

class TOptiesForm : public QDialog {
  Q_OBJECT
 public:
  explicit TOptiesForm(Kasboek& kb, QWidget* parent = nullptr);

  // OpenOpties: the page, the flags cleared, the editors hidden, then modal.
  // Returns whether "&OK" closed it.
  bool Toon(int pagina, QWidget* hoofdvenster = nullptr);
  // What Toon does before it waits.
  void Begin(int pagina);

  OptiesModel& Model() { return model_; }

 public slots:
  // "&Schrap", Escape and the frame: the edits stay in memory unwritten.
  void reject() override;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  // The font dialogs of "Printer&Font" and "&VensterFont"; a test derives
  // to answer them.
  virtual bool KiesFont(QFont& f);

 private:
  QWidget* MaakKlassePagina();
  QWidget* MaakSoortPagina();
  QWidget* MaakValutaPagina();
  QWidget* MaakPrintPagina();
  void ToonPagina();
  void ToonKlassen();
  void ToonSoorten();
  void ToonValuta();
  void ToonPrint();
  void NeemKlasse();
  void NeemSoort();
  void NeemValuta();

  Kasboek& kb_;
  OptiesModel model_;
  QTabWidget* paginas_ = nullptr;
  QPushButton* sorteer_ = nullptr;

  // Classes.
  QListWidget* klassen_ = nullptr;
  QGroupBox* klasseEditor_ = nullptr;
  QLineEdit *klAfk_ = nullptr, *klNaam_ = nullptr, *klOms_ = nullptr, *klTarief_ = nullptr;
  QLabel* klTariefLabel_ = nullptr;
  QCheckBox *klHoog_ = nullptr, *klLaag_ = nullptr;
  QPushButton* klOk_ = nullptr;
  // Kinds.
  QListWidget* soorten_ = nullptr;
  QGroupBox* soortEditor_ = nullptr;
  QLineEdit *soAfk_ = nullptr, *soNaam_ = nullptr, *soOms_ = nullptr;
  QPushButton* soOk_ = nullptr;
  // Currencies.
  QListWidget* valuta_ = nullptr;
  QGroupBox* valutaEditor_ = nullptr;
  QLineEdit *vaAfk_ = nullptr, *vaTitel_ = nullptr, *vaKoers_ = nullptr;
  QComboBox* vaTeken_ = nullptr;
  QPushButton* vaOk_ = nullptr;
  QLabel* waarschuwing_ = nullptr;
  int sleepVan_ = -1;
  QPoint sleepBegin_;
  // Print options.
  QLineEdit *links_ = nullptr, *boven_ = nullptr, *onder_ = nullptr, *regel_ = nullptr;
  QComboBox* printer_ = nullptr;
  QCheckBox *eigenaar_ = nullptr, *nieuweKop_ = nullptr, *pagNummer_ = nullptr;
  QRadioButton *staand_ = nullptr, *liggend_ = nullptr;
};

}  // namespace valdero
