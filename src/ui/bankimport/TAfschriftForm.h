#pragma once
// The bank statement window ("Bank afschriften"): the imported lines from the
// start date on, and "Rekening bijwerken", which walks them through the
// comparison window. It owns the import run and the reconciliation of the
// open book; AfschriftModel decides every rule.

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/bankimport/AfschriftModel.h"
#include "model/bankimport/Afstemming.h"
#include "model/bankimport/BankImport.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace valdero {

class Kasboek;
class RekeningDialoogVoerder;
class TCompareForm;
class TSelectMutForm;

class TAfschriftForm : public QWidget {
  Q_OBJECT
 public:
  // `nieuweGroep` creates a group the comparison window does not know (the
  // group dialog in the program): the new code, or nothing when it was not
  // created. Without it every new group fails.
  TAfschriftForm(Kasboek& kb, TCompareForm& vergelijk, TSelectMutForm& selectie,
                 RekeningDialoogVoerder* rekeningDialoog,
                 Afstemming::GroepMaker nieuweGroep = {},
                 QWidget* parent = nullptr);
  ~TAfschriftForm() override;

  // The import of a menu tag up to the start date; true when the window
  // shows the lines.
  bool Importeer(int tag);
  // Reads a chosen file as the import of the tag does, without the start
  // date; then NeemOver. True when lines are ready.
  bool LeesBestand(int tag, const std::string& pad);
  // The hand-over with a start date already chosen (tests skip the picker).
  void NeemOver(double startDatum);
  // "Mutaties Bewaren als...": copies the bank file to another name.
  void BewaarBankbestandAls();

  AfschriftModel* Model() { return model_.get(); }
  Afstemming* Afstemmer() { return afstemming_.get(); }
  QTableWidget* Raster() const { return raster_; }

 signals:
  void Gesloten();
  void HelpGevraagd(int topic);

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void Toon();
  void Bijwerken();
  int BeschikbareBreedte() const;

  Kasboek& kb_;
  TCompareForm& vergelijk_;
  TSelectMutForm& selectie_;
  RekeningDialoogVoerder* rekeningDialoog_;
  Afstemming::GroepMaker nieuweGroep_;
  std::unique_ptr<BankImport> run_;
  std::unique_ptr<Afstemming> afstemming_;
  std::unique_ptr<AfschriftModel> model_;
  QLabel* kop_ = nullptr;
  QTableWidget* raster_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* bijwerken_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* print_ = nullptr;
  int verwerkt_ = 0;  // rows of processed lines above the remaining ones
};

}  // namespace valdero
