#pragma once
// The groups manager: a modal window listing every group with its balance,
// from which groups are added, changed and deleted through the group dialog.
// The rules live in GroepBeheer; this window shows what it decides.

#include <QDialog>
#include <QMetaMethod>
#include <memory>

#include "model/groups/GroepWeergave.h"
#include "model/groups/GroepBeheer.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace valdero {

class Kasboek;
class TNewBudgetDlg;
class GroepRegelTekenaar;
class GroepKop;

class TBudbeheerForm : public QDialog {
  Q_OBJECT
 public:
  explicit TBudbeheerForm(Kasboek& kb, QWidget* parent = nullptr);
  ~TBudbeheerForm() override;

  // The budget window's view as it stands: it decides the dialog's steps.
  void ZetWeergave(GroepWeergave weergave) { weergave_ = weergave; }
  // Fills the list and shows the window 105 pixels below the top of
  // `hoofdvenster` (when given), modally.
  int Toon(QWidget* hoofdvenster = nullptr);
  // Fills the list; what Toon does before it waits.
  void Begin();

  const GroepBeheer& Beheer() const { return beheer_; }

 signals:
  // "Groep overzicht" and "Groep grafiek": the window closes as with OK and
  // the report (kind 5) or the chart (kind 105) of the group at this list
  // position opens. Their buttons stay disabled while nothing is connected.
  void RapportGevraagd(int positie);
  void GrafiekGevraagd(int positie);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  // Runs the group dialog once it has been prepared, modally; a test
  // derives to drive the dialog's widgets instead.
  virtual void BedienGroepDialoog(TNewBudgetDlg& dlg);

 private:
  // Whether anything listens to one of the requests above.
  template <typename Signaal>
  bool Gekoppeld(Signaal signaal) const {
    return isSignalConnected(QMetaMethod::fromSignal(signaal));
  }
  void Vul();
  void NieuweGroepKlik();
  void BewerkKlik();
  void VerwijderKlik();
  void OkKlik();
  void TitelGekozen(int index);
  void Voer(TNewBudgetDlg& dlg);

  Kasboek& kb_;
  GroepBeheer beheer_;
  GroepWeergave weergave_;
  std::unique_ptr<TNewBudgetDlg> dialoog_;
  QListWidget* groepen_ = nullptr;
  GroepRegelTekenaar* tekenaar_ = nullptr;
  GroepKop* kop_ = nullptr;
  QComboBox* titels_ = nullptr;
  QPushButton* nieuw_ = nullptr;
  QPushButton* bewerk_ = nullptr;
  QPushButton* verwijder_ = nullptr;
  QPushButton* overzicht_ = nullptr;
  QPushButton* grafiek_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* stop_ = nullptr;
};

}  // namespace valdero
