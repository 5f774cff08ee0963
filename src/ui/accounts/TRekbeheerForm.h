#pragma once
// The accounts manager "Rekeningen Overzicht": a modal window listing every
// account with its balance, from which accounts are added, changed and
// deleted through the account dialog. The rules live in RekeningBeheer.

#include <QDialog>
#include <QMetaMethod>

#include "model/accounts/RekeningBeheer.h"
#include "model/accounts/RekeningDialoog.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace valdero {

class Kasboek;

class TRekbeheerForm : public QDialog {
  Q_OBJECT
 public:
  TRekbeheerForm(Kasboek& kb, RekeningDialoogVoerder& dialoogVoerder, QWidget* parent = nullptr);

  // Fills the list and shows the window 105 pixels below the top of
  // `hoofdvenster` (when given), modally.
  int Toon(QWidget* hoofdvenster = nullptr);
  // Fills the list; what Toon does before it waits.
  void Begin();

  const RekeningBeheer& Beheer() const { return beheer_; }


 signals:
  void HelpGevraagd(int context);
  // The account report and the account chart of the selected account (its
  // list position). The window closes first (saving what changed) so the
  // report is not behind a modal window. Their buttons stay disabled while
  // nothing is connected to them.
  void RapportGevraagd(int positie);
  void GrafiekGevraagd(int positie);
  // Accounts or groups were added or removed here.
  void GroepenVeranderd();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  // Whether anything listens to one of the requests above.
  template <typename Signaal>
  bool Gekoppeld(Signaal signaal) const {
    return isSignalConnected(QMetaMethod::fromSignal(signaal));
  }
  void Vul();
  void NaamGekozen(int index);

  Kasboek& kb_;
  RekeningDialoog dialoog_;
  RekeningBeheer beheer_;
  QLabel* koppen_ = nullptr;
  QListWidget* rekeningen_ = nullptr;
  QComboBox* namen_ = nullptr;
  QPushButton* bewerk_ = nullptr;
  QPushButton* verwijder_ = nullptr;
  QPushButton* overzicht_ = nullptr;
  QPushButton* grafiek_ = nullptr;
};

}  // namespace valdero
