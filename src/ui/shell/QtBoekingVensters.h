#pragma once
// The booking model's windows in the running program: the group dialog that
// creates a missing group, and the caller to redraw after a change it asked
// for (the search dialog's free search or the overview window).

#include <QObject>

#include "model/bookings/BoekingVensters.h"

class QWidget;

namespace valdero {

class TNewBudgetDlg;

class QtBoekingVensters : public QObject, public BoekingVensters {
  Q_OBJECT
 public:
  explicit QtBoekingVensters(QWidget* ouder = nullptr) : ouder_(ouder) {}

  std::optional<std::string> NieuweGroep(Kasboek& kb, const std::string& kode,
                                         const std::string& titel,
                                         const std::string& klasse) override;
  void VerversAanvrager(int modus) override { emit VerversGevraagd(modus); }

 signals:
  // A change asked for from another window was saved: that window shows
  // the book again.
  void VerversGevraagd(int modus);

 protected:
  // Between showing the group dialog and waiting for it; a test fills in the
  // dialog here, and a dialog completed before the wait never blocks.
  virtual void Bedien(TNewBudgetDlg&) {}

 private:
  QWidget* ouder_;
};

}  // namespace valdero
