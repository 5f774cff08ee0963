#pragma once
// Connects the life of a book (New, Open, Save, Save as, the new year, the
// password) to the main window: it fills the window's life-cycle hooks and
// plays the window's part for the commands. The dialogs that run the account
// questions and the password are handed in, so tests can answer them through
// the widgets without a modal wait.

#include <memory>

#include "model/accounts/RekeningDialoog.h"
#include "model/lifecycle/Levensloop.h"

namespace valdero {

class TValdero;
class WachtwoordVoerder;

class LevensloopKoppeling : public LevensloopVenster {
 public:
  LevensloopKoppeling(TValdero& hoofd, RekeningDialoogVoerder& rekeningVoerder, WachtwoordVoerder& wachtwoord);
  ~LevensloopKoppeling() override;

  // The account dialog's model, shared with the other callers of New.
  RekeningDialoog& Rekeningen() { return rekeningDialoog_; }
  Levensloop& Commandos() { return levensloop_; }

  void LaadBoek() override;
  void VernieuwHoofdvenster() override;
  void NieuweRekeningGemaakt() override;
  void NieuweGroepenGemaakt() override;
  void ToonStartDatum(double van, double tot) override;
  void WachtwoordToegestaan() override;

 private:
  void Open();
  void BewaarAls();
  void Herstelpunt();

  TValdero& hoofd_;
  RekeningDialoog rekeningDialoog_;
  Levensloop levensloop_;
};

}  // namespace valdero
