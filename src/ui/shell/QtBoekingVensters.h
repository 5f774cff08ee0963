#pragma once
// The booking model's windows in the running program: the group dialog that
// creates a missing group, and the caller to redraw after a change it asked
// for (the search dialog's free search or the overview window).

#include <functional>

#include "model/bookings/BoekingVensters.h"

class QWidget;

namespace valdero {

class TNewBudgetDlg;

class QtBoekingVensters : public BoekingVensters {
 public:
  explicit QtBoekingVensters(QWidget* ouder = nullptr) : ouder_(ouder) {}

  std::optional<std::string> NieuweGroep(Kasboek& kb, const std::string& kode,
                                         const std::string& titel,
                                         const std::string& klasse) override;
  void VerversAanvrager(int modus) override {
    if (ververs_) ververs_(modus);
  }
  void ZetVervers(std::function<void(int modus)> ververs) { ververs_ = std::move(ververs); }

 protected:
  // Between showing the group dialog and waiting for it; a test fills in the
  // dialog here, and a dialog completed before the wait never blocks.
  virtual void Bedien(TNewBudgetDlg&) {}

 private:
  QWidget* ouder_;
  std::function<void(int)> ververs_;
};

}  // namespace valdero
